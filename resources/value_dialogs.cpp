#include "resources/resource_parts.h"

// Dialog templates of the dialogs built on the number fields, group headers
// and spin buttons, with the Japanese texts; the dialogs set their English
// texts themselves. Spins and group headers are owner-drawn buttons.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr UINT kNoId = 0xFFFF;

constexpr DialogItemTemplate Item(DialogControl control, UINT id, const char* text, short x, short y,
                                  short cx, short cy, DWORD style) {
    return {control, id, text, x, y, cx, cy, style};
}
constexpr DialogItemTemplate Ok(short x, short y) {
    return Item(DialogControl::Button, 1, "OK", x, y, 50, 14, kTab | WS_GROUP | BS_DEFPUSHBUTTON);
}
constexpr DialogItemTemplate Cancel(short x, short y) {
    return Item(DialogControl::Button, 2, "Cancel", x, y, 50, 14, kTab);
}

// Connect Curve (241): the angle with its spin, the selected-only box.
constexpr DialogItemTemplate kConnect[] = {
    Item(DialogControl::Static, kNoId, "Angle", 7, 9, 30, 10, WS_VISIBLE),
    Item(DialogControl::Edit, 1063, "", 38, 7, 50, 13, kField | WS_GROUP),
    Item(DialogControl::Button, 1475, "", 89, 7, 9, 13, kDrawn),
    Item(DialogControl::Button, 1422, "選択部のみ", 7, 27, 96, 12, kTab | WS_GROUP | BS_AUTOCHECKBOX),
    Ok(113, 6),
    Cancel(113, 24),
};

// Undo depth (194): the depth with its spin.
constexpr DialogItemTemplate kUndoSetting[] = {
    Item(DialogControl::Edit, 1063, "", 10, 9, 50, 13, kField | WS_GROUP),
    Item(DialogControl::Button, 1475, "", 61, 9, 9, 13, kDrawn),
    Ok(100, 6),
    Cancel(100, 24),
};

// Paste along the selected curve (134): on the curve's points, or at a
// number of subdivision points.
constexpr DialogItemTemplate kPasteAlongCurve[] = {
    Item(DialogControl::Button, 1577, "頂点上にのみ貼り付け", 7, 7, 140, 12,
         kTab | WS_GROUP | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1578, "分割数を指定して貼り付け", 7, 21, 140, 12,
         WS_VISIBLE | BS_AUTORADIOBUTTON),
    Item(DialogControl::Static, 1496, "分割数", 19, 40, 48, 10, WS_VISIBLE | WS_GROUP),
    Item(DialogControl::Edit, 1058, "", 70, 38, 40, 13, kField),
    Item(DialogControl::Button, 1060, "", 111, 38, 9, 13, kDrawn),
    Ok(153, 6),
    Cancel(153, 24),
};

// Export settings (122): three folding groups (which objects and surfaces,
// the subdivision, the scale) above OK, which ends the last group.
constexpr DialogItemTemplate kExportSetting[] = {
    Item(DialogControl::Button, 1475, "オプション", 0, 4, 220, 13, kDrawn),
    Item(DialogControl::Button, 1577, "選択中のオブジェクトのみエクスポートする", 10, 22, 200, 12,
         kTab | WS_GROUP | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1578, "全てのオブジェクトをエクスポートする", 10, 36, 200, 12,
         WS_VISIBLE | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1347, "3,4辺で囲まれた部分には全て面を貼る", 10, 50, 200, 12,
         kTab | WS_GROUP | BS_AUTOCHECKBOX),
    Item(DialogControl::Button, 1478, "曲面の分割数", 0, 68, 220, 13, kDrawn),
    Item(DialogControl::Edit, 1065, "", 10, 86, 50, 13, kField),
    Item(DialogControl::Button, 1477, "", 61, 86, 9, 13, kDrawn),
    Item(DialogControl::Button, 1481, "スケール", 0, 106, 220, 13, kDrawn),
    Item(DialogControl::Edit, 1709, "", 10, 124, 50, 13, kField),
    Item(DialogControl::Button, 1708, "", 61, 124, 9, 13, kDrawn),
    Ok(108, 146),
    Cancel(163, 146),
};

constexpr DialogTemplate kTemplates[] = {
    {241, "Connect", 170, 46, kModal, kConnect},
    {194, "\"元に戻す\"の最大回数", 160, 46, kModal, kUndoSetting},
    {134, "選択したカーブに沿って貼り付け", 210, 60, kModal, kPasteAlongCurve},
    {122, "エクスポート設定", 220, 166, kModal, kExportSetting},
};

} // namespace

std::span<const DialogTemplate> ValueDialogTemplates() {
    return kTemplates;
}
