#include "resources/resource_parts.h"
#include "resources/resource_tables.h"

// The pictures of the object trees (a patch object, a polygon object and a
// folder) and the cursors of a drag in the object tree.
namespace {

// clang-format off
constexpr const char* kPatchObject[] = {
    "................",
    "..RR........RR..",
    "..RRnnnnnnnnRR..",
    "..nCCCtCCtCCCn..",
    "..nCCCtCCtCCCn..",
    "..nttttttttttn..",
    "..nCCCtCCtCCCn..",
    "..nCCCtCCtCCCn..",
    "..nttttttttttn..",
    "..nCCCtCCtCCCn..",
    "..nCCCtCCtCCCn..",
    "..nCCCtCCtCCCn..",
    "..RRnnnnnnnnRR..",
    "..RR........RR..",
    "................",
    "................",
};

constexpr const char* kPolygonObject[] = {
    "................",
    ".......kk.......",
    "......kGGk......",
    ".....kGGGGk.....",
    "....kGGGGGGk....",
    "...kgGGGGGGgk...",
    "..kggGGGGGGggk..",
    ".kgggkkkkkkgggk.",
    ".kggk......kggk.",
    ".kgk........kgk.",
    ".kk..........kk.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "................",
    "................",
    "................",
};

constexpr const char* kFolder[] = {
    "................",
    "................",
    "..kkkkk.........",
    ".kYYYYYk........",
    ".kYYYYYYkkkkkkk.",
    ".kwwwwwwwwwwwwk.",
    ".kwYYYYYYYYYYYk.",
    ".kwYYYYYYYYYYYk.",
    ".kwYYYYYYYYYYYk.",
    ".kwYYYYYYYYYYYk.",
    ".kwYYYYYYYYYYYk.",
    ".kwYYYYYYYYYYYk.",
    ".kooooooooooook.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "................",
};

// An arrow with a no-entry sign: the drop is refused.
constexpr const char* kDropRefused[] = {
    "X...............",
    "XX..............",
    "X.X.............",
    "X..X............",
    "X...X...........",
    "X....X..........",
    "X.....X.........",
    "X......X........",
    "X....XXXX.XXXX..",
    "X..X..X..XX...XX",
    "X.X.X.X..X...X.X",
    "XX..X..X.X..X..X",
    "X....X...X.X...X",
    ".........XX...XX",
    "..........XXXX..",
    "................",
};

// An arrow with a box under it: the item goes into the folder.
constexpr const char* kDropAccepted[] = {
    "X...............",
    "XX..............",
    "X.X.............",
    "X..X............",
    "X...X...........",
    "X....X..........",
    "X.....X.........",
    "X......X........",
    "X....XXXX.......",
    "X..X..X.........",
    "X.X.X.X.XXXXXXX.",
    "XX..X..XX.....X.",
    "X....X.XX.....X.",
    ".....X.XX.....X.",
    "........XXXXXXX.",
    "................",
};
// clang-format on

constexpr IconResource kIcons[] = {
    {IDI_PATCH_OBJECT, {16, 16, kPatchObject}},
    {IDI_POLYGON_OBJECT, {16, 16, kPolygonObject}},
    {IDI_FOLDER, {16, 16, kFolder}},
};

constexpr CursorResource kCursors[] = {
    {IDC_DROP_REFUSED, 0, 0, kDropRefused},
    {IDC_DROP_ACCEPTED, 0, 0, kDropAccepted},
};

} // namespace

std::span<const IconResource> SideBarIcons() {
    return kIcons;
}

std::span<const CursorResource> SideBarCursors() {
    return kCursors;
}
