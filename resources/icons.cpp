#include "resources/resource_parts.h"
#include "resources/resource_tables.h"

// The program icon: a bicubic patch with its corner points.
namespace {

// clang-format off
constexpr const char* kProgram[] = {
    "................................",
    ".....RRR..................RRR...",
    ".....RRRnnn..............nRRR...",
    ".....RRRCCnnnnnnnnnnnnnnnnRRR...",
    ".....nnCCCCtCCCCtCCCCCtCCCCn....",
    ".....nCCCCCtCCCCtCCCCCtCCCCn....",
    ".....nCCCCCtCCCCtCCCCCtCCCCnn...",
    ".....tttttttCCCCtCCCCCtCCtttn...",
    "....nnCCCtttttttttttttttttCCn...",
    "....nCCCCCtCCCCCtCCCCCtCCCCCn...",
    "....nCCCCCtCCCCCtCCCCCtCCCCCn...",
    "....nCCCCCtCCCCCtCCCCCtCCCCCn...",
    "....tttCCCtCCCCCtCCCCCtCCCCtn...",
    "....nCttttttCCCCtCCCCCtCttttn...",
    "...nnCCCCCtttttttttttttttCCCn...",
    "...nCCCCCCtCCCCCtCCCCCtCCCCCn...",
    "...nCCCCCttCCCCCtCCCCCtCCCCCn...",
    "...ttCCCCtCCCCCCtCCCCCtCCCCCn...",
    "...nttttCtCCCCCCtCCCCCtCCCCtn...",
    "...nCCCttttttCCCtCCCCCttttttnn..",
    "...nCCCCCtCCttttttttttttCCCCCn..",
    "...nCCCCCtCCCCCCtCCCCCtCCCCCCn..",
    "..RRRCCCCtCCCCCCtCCCCCtCCCCCCn..",
    "..RRRCCCCtCCCCCCtCCCCCtCCCCCRRR.",
    "..RRRnnnCtCCCCCCtCCCCCtCCCCCRRR.",
    ".......nntnnCCCCtCCCCCtCCnnnRRR.",
    "...........nnnnntnnnnntnnn......",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};
// clang-format on

constexpr IconResource kIcons[] = {
    {IDR_MAINFRAME_JA, {32, 32, kProgram}},
};

} // namespace

std::span<const IconResource> SharedIcons() {
    return kIcons;
}
