#include "resources/resource_parts.h"

// Pictures shown by windows: the knife window's three ways of cutting.
namespace {

// clang-format off
// 220: cut the curves the line crosses, adding a point at each crossing.
constexpr const char* kKnifeCurves[] = {
    "........................",
    "............k...........",
    "............k...........",
    "........................",
    "........................",
    "............k...nnnnnn..",
    "...........RRRnn........",
    "...........RRR..........",
    "..nn......nRRR..........",
    "....nnnnnn..k...........",
    "............k...........",
    "........................",
    "........................",
    "...........RRR..........",
    "...........RRRnnnn......",
    "..........nRRR....nnn...",
    "........nn...........n..",
    "......nn....k...........",
    "..nnnn......k...........",
    "........................",
    "........................",
    "............k...........",
    "............k...........",
    "........................",
};
// 219: also split every patch the line cuts in two.
constexpr const char* kKnifePatches[] = {
    "...........k............",
    "...........k............",
    "........................",
    "..........RRR...........",
    "...nnnnnnnRRRnnnnnnnn...",
    "...nCCCCCCRRRCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCCRCCCCCCCCn...",
    "...nCCCCCCRRRCCCCCCCn...",
    "...nnnnnnnRRRnnnnnnnn...",
    "..........RRR...........",
    "...........k............",
    "........................",
    "........................",
};
// 222: also run a new curve through the new points.
constexpr const char* kKnifeWithCurve[] = {
    "........................",
    "........................",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    "....RRR....RRR....RRR...",
    ".kk.RRRRRRRRRRRRRRRRRkk.",
    "....RRR....RRR....RRR...",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    ".....n......n......n....",
    "........................",
    "........................",
};
// clang-format on

constexpr BitmapResource kBitmaps[] = {
    {220, {24, 24, kKnifeCurves}},
    {219, {24, 24, kKnifePatches}},
    {222, {24, 24, kKnifeWithCurve}},
};

} // namespace

std::span<const BitmapResource> SharedBitmaps() {
    return kBitmaps;
}
