#include "resources/resource_parts.h"

// Dialog templates of the main frame's tool dialog bar and its tab dialog,
// and of the two command bars and their dialogs. The buttons' texts read the
// same in both languages. The bars are wide enough for the longest
// caption in the UI font.
namespace {

constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;

constexpr DialogItemTemplate Drop(UINT id, const char* text, short y) {
    return {DialogControl::Button, id, text, 0, y, 64, 20, kDrawn};
}

// clang-format off

// The tool tabs (112): one owner-drawn strip over the whole dialog.
constexpr DialogItemTemplate kToolTabs[] = {
    {DialogControl::Button, 1028, "", 0, 0, 600, 10, kDrawn},
};

// Command bar 1's dialog (195): the menus and the mouse-button menus, and
// the hidden EXIT button.
constexpr DialogItemTemplate kCommandDlg[] = {
    Drop(1475, "&File", 0),       Drop(1478, "&Edit", 22),      Drop(1481, "&Select", 44),
    Drop(1152, "&Model", 66),     Drop(1467, "&Display", 88),   Drop(1473, "&Window", 110),
    Drop(1457, "&Layout", 132),   Drop(1480, "&Help", 154),     Drop(1484, "L-Button", 176),
    Drop(1485, "M-Button", 198),  Drop(1486, "R-Button", 220),  Drop(1483, "LR-Button", 242),
    Drop(1488, "&Patch", 264),    Drop(1490, "&Render", 286),   Drop(1492, "&EXIT", 308),
};

// Command bar 2's dialog (198): object buttons, the transform read-outs and
// the single- and multi-object marks.
constexpr DialogItemTemplate kCommandDlg2[] = {
    Drop(1473, "&Create Obj", 1),
    Drop(1457, "&Delete Obj", 23),
    Drop(1480, "&Select Obj", 45),
    {DialogControl::Button, 1475, "Scale", 0, 71, 66, 72, kDrawn},
    {DialogControl::Button, 1478, "Rot", 0, 146, 66, 72, kDrawn},
    {DialogControl::Button, 1481, "Trans", 0, 221, 66, 72, kDrawn},
    Drop(1152, "Si&ngle", 299),
    Drop(1467, "&Multi", 321),
};

// clang-format on

constexpr DialogTemplate kTemplates[] = {
    {111, "", 600, 11, WS_CHILD, {}}, {112, "", 600, 10, WS_CHILD, kToolTabs},
    {101, "", 66, 362, WS_CHILD, {}}, {195, "", 64, 336, WS_CHILD, kCommandDlg},
    {197, "", 66, 344, WS_CHILD, {}}, {198, "", 66, 367, WS_CHILD, kCommandDlg2},
};

} // namespace

std::span<const DialogTemplate> BarDialogTemplates() {
    return kTemplates;
}
