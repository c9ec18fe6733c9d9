#include "resources/resource_parts.h"

// The settings dialogs of the AnimationMaster export (196, English texts in
// both sets) and of an export plug-in run (211, Japanese texts; the dialog
// sets its English ones itself).
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kFrame = WS_VISIBLE | BS_GROUPBOX;
constexpr UINT kNoId = 0xFFFF;

constexpr DialogItemTemplate Item(DialogControl control, UINT id, const char* text, short x, short y,
                                  short cx, short cy, DWORD style) {
    return {control, id, text, x, y, cx, cy, style};
}

// AnimationMaster (196): the two magnitude modes in a frame, the round and
// peak magnitudes with their spins under Custom.
constexpr DialogItemTemplate kMdlSetting[] = {
    Item(DialogControl::Button, kNoId, "", 7, 4, 158, 92, kFrame),
    Item(DialogControl::Button, 1577, "Original", 15, 16, 80, 12, kTab | WS_GROUP | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1578, "Custom", 15, 30, 80, 12, WS_VISIBLE | BS_AUTORADIOBUTTON),
    Item(DialogControl::Static, kNoId, "magnitude(round)", 25, 52, 80, 10, WS_VISIBLE | WS_GROUP),
    Item(DialogControl::Edit, 1063, "", 106, 50, 40, 13, kField),
    Item(DialogControl::Button, 1475, "", 147, 50, 9, 13, kDrawn),
    Item(DialogControl::Static, kNoId, "magnitude(peak)", 25, 72, 80, 10, WS_VISIBLE),
    Item(DialogControl::Edit, 1462, "", 106, 70, 40, 13, kField),
    Item(DialogControl::Button, 1478, "", 147, 70, 9, 13, kDrawn),
    Item(DialogControl::Button, 1, "OK", 173, 6, 50, 14, kTab | WS_GROUP | BS_DEFPUSHBUTTON),
    Item(DialogControl::Button, 2, "Cancel", 173, 24, 50, 14, kTab),
};

// Plug-in options (211): the eight-object limit, the resolutions in a
// frame, and OK alone.
constexpr DialogItemTemplate kPluginOption[] = {
    Item(DialogControl::Button, 1422, "オブジェクトを８つまでしか出力しない", 7, 7, 176, 12,
         kTab | WS_GROUP | BS_AUTOCHECKBOX),
    Item(DialogControl::Button, 1496, "分割数", 7, 24, 176, 58, kFrame),
    Item(DialogControl::Button, 1577, "Low (8 polys/patch)", 15, 36, 160, 12,
         kTab | WS_GROUP | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1578, "Medium (32 polys/patch)", 15, 50, 160, 12,
         WS_VISIBLE | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1579, "High (98 polys/patch)", 15, 64, 160, 12,
         WS_VISIBLE | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1, "OK", 133, 88, 50, 14, kTab | WS_GROUP | BS_DEFPUSHBUTTON),
};

constexpr DialogTemplate kTemplates[] = {
    {196, "Setting", 230, 100, kModal, kMdlSetting},
    {211, "Option", 190, 108, kModal, kPluginOption},
};

} // namespace

std::span<const DialogTemplate> ExchangeOptionDialogTemplates() {
    return kTemplates;
}
