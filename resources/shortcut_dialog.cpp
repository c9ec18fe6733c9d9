#include "resources/resource_parts.h"

// The shortcut dialog (184): a keyboard of push-like radio buttons, one per
// key in the order the dialog counts the keys (letters, digits, F1-F12, the
// six special keys, the arrows), the modifier group, the bound action's
// name and the button of the action menu. One template serves both sets.
// Insert, Delete and "+ Ctrl + Shift" are a little wider than the keyboard's
// grid, so that their texts fit the UI font.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
constexpr DWORD kKey = WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE;

constexpr DialogItemTemplate Key(UINT id, const char* text, short x, short y, short cx = 20, short cy = 10,
                                 DWORD extra = 0) {
    return {DialogControl::Button, id, text, x, y, cx, cy, kKey | extra};
}
constexpr DialogItemTemplate Modifier(UINT id, const char* text, short y, short cx = 35, DWORD extra = 0) {
    return {DialogControl::Button, id, text, 13, y, cx, 10, WS_VISIBLE | BS_AUTORADIOBUTTON | extra};
}

constexpr DialogItemTemplate kShortcut[] = {
    Key(1577, "A", 30, 50, 20, 10, WS_GROUP | WS_TABSTOP),
    Key(1578, "B", 120, 60),
    Key(1579, "C", 80, 60),
    Key(1580, "D", 70, 50),
    Key(1581, "E", 65, 40),
    Key(1582, "F", 90, 50),
    Key(1583, "G", 110, 50),
    Key(1584, "H", 130, 50),
    Key(1585, "I", 165, 40),
    Key(1586, "J", 150, 50),
    Key(1587, "K", 170, 50),
    Key(1588, "L", 190, 50),
    Key(1589, "M", 160, 60),
    Key(1590, "N", 140, 60),
    Key(1591, "O", 185, 40),
    Key(1592, "P", 205, 40),
    Key(1593, "Q", 25, 40),
    Key(1594, "R", 85, 40),
    Key(1595, "S", 50, 50),
    Key(1596, "T", 105, 40),
    Key(1597, "U", 145, 40),
    Key(1598, "V", 100, 60),
    Key(1599, "W", 45, 40),
    Key(1600, "X", 60, 60),
    Key(1601, "Y", 125, 40),
    Key(1602, "Z", 40, 60),
    Key(1603, "0", 200, 30),
    Key(1604, "1", 20, 30),
    Key(1605, "2", 40, 30),
    Key(1606, "3", 60, 30),
    Key(1607, "4", 80, 30),
    Key(1608, "5", 100, 30),
    Key(1609, "6", 120, 30),
    Key(1610, "7", 140, 30),
    Key(1611, "8", 160, 30),
    Key(1612, "9", 180, 30),
    Key(1616, "F1", 40, 10),
    Key(1617, "F2", 60, 10),
    Key(1618, "F3", 80, 10),
    Key(1619, "F4", 100, 10),
    Key(1620, "F5", 130, 10),
    Key(1621, "F6", 150, 10),
    Key(1622, "F7", 170, 10),
    Key(1623, "F8", 190, 10),
    Key(1624, "F9", 220, 10),
    Key(1625, "F10", 240, 10),
    Key(1626, "F11", 260, 10),
    Key(1627, "F12", 280, 10),
    Key(1628, "BS", 280, 30),
    Key(1629, "Delete", 305, 45, 28),
    Key(1630, "Enter", 280, 40, 20, 20),
    Key(1631, "Insert", 305, 35, 28),
    Key(1632, "Space", 105, 70, 50, 10),
    Key(1633, "Tab", 5, 40),
    Key(1634, "↓", 285, 75),
    Key(1635, "←", 265, 75),
    Key(1636, "→", 305, 75),
    Key(1637, "↑", 285, 65),
    {DialogControl::Button, 0, "Option", 7, 74, 70, 62, WS_VISIBLE | BS_GROUPBOX},
    Modifier(1613, "None", 85, 35, WS_GROUP | WS_TABSTOP),
    Modifier(1614, "+ Ctrl", 96),
    Modifier(1615, "+ Shift", 107),
    Modifier(1710, "+ Ctrl + Shift", 119, 62),
    {DialogControl::Edit, 1063, "", 85, 97, 135, 11, WS_VISIBLE | WS_GROUP | ES_READONLY},
    {DialogControl::Button, 1475, "edit", 220, 95, 22, 14, WS_VISIBLE | WS_TABSTOP},
    {DialogControl::Button, 1, "Close", 258, 122, 72, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

constexpr DialogTemplate kTemplates[] = {
    {184, "ショートカットのカスタマイズ", 337, 143, kModal, kShortcut},
};

} // namespace

std::span<const DialogTemplate> ShortcutDialogTemplates() {
    return kTemplates;
}
