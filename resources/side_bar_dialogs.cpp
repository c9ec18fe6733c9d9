#include "resources/resource_parts.h"

// Dialog templates of the side bar, its object page and the selection and
// naming dialogs. They carry the Japanese texts; each window gives its
// controls the English ones itself when the interface is English.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kTree =
    kTab | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

constexpr DialogItemTemplate OkButton(short x, short y) {
    return {DialogControl::Button, 1, "OK", x, y, 50, 14, kTab | WS_GROUP | BS_DEFPUSHBUTTON};
}
constexpr DialogItemTemplate CancelButton(short x, short y) {
    return {DialogControl::Button, 2, "キャンセル", x, y, 50, 14, kTab | BS_PUSHBUTTON};
}

// clang-format off

// The page host (139): the tabs; the pages lie over the area under them.
constexpr DialogItemTemplate kPanelTab[] = {
    {DialogControl::TabControl, 1014, "", 0, 0, 156, 303, WS_VISIBLE},
};

// The object page (141); the page lays its controls out itself.
constexpr DialogItemTemplate kObjectPage[] = {
    {DialogControl::TreeView, 1022, "", 3, 3, 128, 75, kTree},
    {DialogControl::Button, 1020, "New", 0, 81, 33, 13, kTab},
    {DialogControl::Button, 1026, "Copy", 33, 81, 33, 13, kTab},
    {DialogControl::Button, 1032, "Delete", 66, 81, 33, 13, kTab},
    {DialogControl::Button, 1040, "etc.", 99, 81, 33, 13, kTab},
    {DialogControl::Static, 1496, "", 3, 97, 128, 190, WS_VISIBLE | SS_ETCHEDFRAME},
    {DialogControl::Button, 1475, "enter対策用", 0, 94, 2, 2, WS_DISABLED | BS_DEFPUSHBUTTON},
};

// Change Name (120).
constexpr DialogItemTemplate kRename[] = {
    {DialogControl::Edit, 1063, "", 7, 7, 176, 12, kTab | ES_AUTOHSCROLL},
    OkButton(78, 26),
    CancelButton(133, 26),
};

// Select Object (123) and Select Material (206): one list, in list order.
constexpr DialogItemTemplate kSelectFromList[] = {
    {DialogControl::ListBox, 1056, "", 7, 7, 146, 118, kTab | WS_BORDER | LBS_NOTIFY},
    OkButton(48, 131),
    CancelButton(103, 131),
};

// Select New Parent Folder (226).
constexpr DialogItemTemplate kParentFolder[] = {
    {DialogControl::TreeView, 1022, "", 7, 7, 146, 138, kTree},
    OkButton(48, 151),
    CancelButton(103, 151),
};

// Select Multi Objects (190): the window lays its controls out itself.
constexpr DialogItemTemplate kSelectMultiObjects[] = {
    {DialogControl::ListBox, 1056, "", 7, 7, 126, 220, kTab | WS_BORDER | LBS_NOTIFY | LBS_EXTENDEDSEL},
    {DialogControl::Button, 1475, "Select All", 7, 232, 62, 14, kTab},
    {DialogControl::Button, 1478, "Select None", 71, 232, 62, 14, kTab},
};

// The material axis of an object's slot (215): three groups of x, y and z.
constexpr DialogItemTemplate kMaterialAxis[] = {
    {DialogControl::Button, 1497, "Position", 7, 5, 166, 28, WS_VISIBLE | BS_GROUPBOX},
    {DialogControl::Edit, 1063, "", 13, 16, 50, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Edit, 1462, "", 67, 16, 50, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Edit, 1464, "", 121, 16, 50, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Button, 1505, "Scale", 7, 37, 166, 28, WS_VISIBLE | BS_GROUPBOX},
    {DialogControl::Edit, 1675, "", 13, 48, 50, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Edit, 1677, "", 67, 48, 50, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Edit, 1679, "", 121, 48, 50, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Button, 1506, "Rotate", 7, 69, 166, 28, WS_VISIBLE | BS_GROUPBOX},
    {DialogControl::Edit, 1681, "", 13, 80, 50, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Edit, 1682, "", 67, 80, 50, 12, kTab | ES_AUTOHSCROLL},
    {DialogControl::Edit, 1684, "", 121, 80, 50, 12, kTab | ES_AUTOHSCROLL},
    OkButton(68, 103),
    CancelButton(123, 103),
};

// clang-format on

constexpr DWORD kModeless = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

constexpr DialogTemplate kTemplates[] = {
    // The side bar (113): the page host the bar makes fills it.
    {113, "", 156, 303, WS_CHILD, {}},
    {139, "", 156, 303, WS_CHILD, kPanelTab},
    {141, "", 134, 290, WS_CHILD, kObjectPage},
    {120, "名前を変更", 190, 47, kModal, kRename},
    {123, "オブジェクトを選択", 160, 152, kModal, kSelectFromList},
    {206, "マテリアルを選択", 160, 152, kModal, kSelectFromList},
    {226, "移動先のフォルダを選択", 160, 172, kModal, kParentFolder},
    {190, "複数オブジェクトを選択", 140, 252, kModeless, kSelectMultiObjects},
    {215, "マテリアル座標をセット", 180, 124, kModal, kMaterialAxis},
};

} // namespace

std::span<const DialogTemplate> SideBarDialogTemplates() {
    return kTemplates;
}
