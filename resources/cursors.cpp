#include "resources/resource_parts.h"
#include "resources/resource_tables.h"

// Our own cursor drawings. The hot spot of both hands is their top-left
// corner, so that the cursor's shape, not its point, tells what a drag does.
namespace {

// clang-format off
// A closed hand gripping, above a vertical double arrow: a panel is being dragged.
constexpr const char* kPanelDrag[] = {
    "                ",
    "    XX XX XX    ",
    "   X..X..X..XX  ",
    "   X........X.X ",
    "  XX..........X ",
    " X.X..........X ",
    " X............X ",
    "  X..........X  ",
    "   X........X   ",
    "    X......X    ",
    "    XXXXXXXX    ",
    "       XX       ",
    "      X..X      ",
    "     X....X     ",
    "    XXX..XXX    ",
    "      X..X      ",
    "      X..X      ",
    "    XXX..XXX    ",
    "     X....X     ",
    "      X..X      ",
    "       XX       ",
};
// An open hand: the panel's background can be dragged.
constexpr const char* kPanelHand[] = {
    "      XX        ",
    "   XX X..XXX    ",
    "  X..XX..X..X   ",
    "  X..XX..X..X X ",
    "   X..X..X..XX.X",
    "   X..X..X..X..X",
    " XX X.......X..X",
    "X..XX..........X",
    "X...X.........X ",
    " X............X ",
    "  X...........X ",
    "  X..........X  ",
    "   X.........X  ",
    "    X.......X   ",
    "     X......X   ",
    "     X......X   ",
};
// clang-format on

constexpr CursorResource kCursors[] = {
    {IDC_PANEL_DRAG, 0, 0, kPanelDrag},
    {IDC_PANEL_HAND, 0, 0, kPanelHand},
};

} // namespace

std::span<const CursorResource> SharedCursors() {
    return kCursors;
}
