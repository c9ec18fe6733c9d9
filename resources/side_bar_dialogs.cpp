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


// The panels below the object page's tree. Their group headers are laid
// across the panel and fold what lies down to the next header.
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX;
constexpr DWORD kRadio = kTab | BS_AUTORADIOBUTTON;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kShown = WS_VISIBLE | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kFrame = WS_VISIBLE | BS_GROUPBOX;

constexpr DialogItemTemplate Header(UINT id, const char* text, short y) {
    return {DialogControl::Button, id, text, 0, y, 140, 13, kDrawn};
}
constexpr DialogItemTemplate Check(UINT id, const char* text, short x, short y, short cx, DWORD extra = 0) {
    return {DialogControl::Button, id, text, x, y, cx, 10, kCheck | extra};
}
constexpr DialogItemTemplate Radio(UINT id, const char* text, short x, short y, short cx, DWORD extra = 0) {
    return {DialogControl::Button, id, text, x, y, cx, 10, kRadio | extra};
}
constexpr DialogItemTemplate Field(UINT id, short x, short y, short cx, DWORD style = kField) {
    return {DialogControl::Edit, id, "", x, y, cx, 12, style};
}
constexpr DialogItemTemplate Spin(UINT id, short x, short y) {
    return {DialogControl::Button, id, "", x, y, 9, 12, kDrawn};
}
constexpr DialogItemTemplate Label(UINT id, const char* text, short x, short y, short cx) {
    return {DialogControl::Static, id, text, x, y, cx, 10, kLabel};
}
constexpr DialogItemTemplate Push(UINT id, const char* text, short x, short y, short cx) {
    return {DialogControl::Button, id, text, x, y, cx, 12, kTab};
}

// Object information (144).
constexpr DialogItemTemplate kObjectInfo[] = {
    Header(1475, "名前とカラー", 0),
    Field(1030, 6, 16, 78, kShown),
    Push(1034, ". . .", 86, 16, 24),
    {DialogControl::Button, 1038, "color", 112, 16, 24, 12, kDrawn | WS_TABSTOP},
    Header(1478, "オプション", 32),
    Check(1044, "表示する", 6, 48, 60, WS_GROUP),
    Check(1057, "スムージング", 66, 48, 72),
    Check(1048, "エクスポートする", 6, 60, 130),
    Check(1051, "レンダリング時に影なし", 6, 72, 130),
    Check(1055, "編集不可にする", 6, 84, 130),
    Check(1703, "5点パッチ　有効", 6, 96, 130),
    Check(1711, "面を半透明表示", 6, 108, 80),
    Field(1712, 88, 107, 30),
    Spin(1713, 118, 107),
    {DialogControl::Button, 1714, "", 6, 122, 130, 9, kDrawn},
    Header(1457, "ミラー", 136),
    {DialogControl::Button, 1506, "ミラーリング", 4, 152, 132, 46, kFrame},
    Radio(1577, "鏡面を作成しない", 10, 163, 122, WS_GROUP),
    Radio(1578, "左右を分離した鏡面", 10, 174, 122),
    Radio(1579, "左右を接続した鏡面", 10, 185, 122),
    {DialogControl::Button, 1509, "", 4, 200, 132, 54, kFrame},
    Check(1431, "接続距離を制限する", 10, 209, 122, WS_GROUP),
    Field(1063, 24, 222, 40),
    Spin(1727, 64, 222),
    Label(1510, "軸", 10, 239, 20),
    Check(1693, "X", 32, 238, 26),
    Check(1695, "Y", 60, 238, 26),
    Check(1697, "Z", 88, 238, 26),
    Header(1473, "ポリゴン化", 258),
    Check(1683, "ポリゴンに変換して出力", 6, 274, 130, WS_GROUP),
    Label(1505, "分割数", 14, 288, 40),
    Field(1689, 56, 286, 30),
    Spin(1691, 86, 286),
    Check(1699, "スムージング", 14, 300, 122),
    Label(1511, "角度", 24, 314, 30),
    Field(1650, 56, 312, 30),
    Spin(1651, 86, 312),
    Check(1728, "サブディビジョンサーフェース", 6, 326, 130),
    Label(1512, "分割数", 14, 340, 40),
    Field(1730, 56, 338, 30),
    Spin(1729, 86, 338),
    Header(1481, "マテリアル", 356),
    {DialogControl::Button, 1497, "レイヤー", 4, 372, 132, 24, kFrame},
    Radio(1673, "1", 10, 382, 22, WS_GROUP),
    Radio(1674, "2", 34, 382, 22),
    Radio(1676, "3", 58, 382, 22),
    Radio(1678, "4", 82, 382, 22),
    Radio(1680, "5", 106, 382, 22),
    Check(1672, "このマテリアルを使用", 6, 400, 130, WS_GROUP),
    Field(1668, 6, 413, 104, kShown),
    Push(1670, ". . .", 112, 413, 24),
    Push(1671, "位置を設定", 6, 428, 70),
    Header(1467, "POV-Rayオプション", 446),
    Check(1080, "double_illuminate", 6, 462, 130),
    Check(1422, "no_image", 6, 474, 66),
    Check(1426, "no_reflection", 72, 474, 66),
    Check(1701, "hollow", 6, 486, 54),
    Check(1652, "UV情報を出力", 62, 486, 76),
    Header(1152, "モーションブラー", 502),
    Check(1310, "モーションブラーを使用する", 6, 518, 130),
    {DialogControl::Button, 1496, "参照オブジェクト", 4, 531, 132, 28, kFrame},
    Field(1458, 10, 543, 96, kShown),
    Push(1463, ". . .", 108, 543, 24),
};

// Folder information (225).
constexpr DialogItemTemplate kFolderInfo[] = {
    Header(1475, "名前", 0),
    Field(1063, 6, 16, 104, kShown),
    Push(1069, ". . .", 112, 16, 24),
    Header(1478, "オプション", 32),
    Check(1422, "表示", 6, 48, 62, WS_GROUP),
    Check(1426, "export", 70, 48, 66),
};

// Polygon object (199).
constexpr DialogItemTemplate kPolygon[] = {
    Header(1475, "名前とカラー", 0),
    Field(1030, 6, 16, 78, kShown),
    Push(1034, ". . .", 86, 16, 24),
    {DialogControl::Button, 1038, "color", 112, 16, 24, 12, kDrawn | WS_TABSTOP},
    Header(1478, "オプション", 32),
    Check(1044, "表示する", 6, 48, 130, WS_GROUP),
    Check(1048, "エクスポートする", 6, 60, 130),
    Check(1051, "レンダリング時に影なし", 6, 72, 130),
    Check(1055, "編集不可にする", 6, 84, 130),
    Check(1649, "片面のみ表示", 6, 96, 130),
    Header(1481, "マテリアル", 112),
    {DialogControl::Button, 1497, "レイヤー", 4, 128, 132, 24, kFrame},
    Radio(1673, "1", 10, 138, 22, WS_GROUP),
    Radio(1674, "2", 34, 138, 22),
    Radio(1676, "3", 58, 138, 22),
    Radio(1678, "4", 82, 138, 22),
    Radio(1680, "5", 106, 138, 22),
    Check(1672, "このマテリアルを使用", 6, 156, 130, WS_GROUP),
    Field(1668, 6, 169, 104, kShown),
    Push(1670, ". . .", 112, 169, 24),
    Push(1671, "位置を設定", 6, 184, 70),
    Header(1152, "スムージング", 202),
    Check(1057, "スムージング", 6, 218, 130, WS_GROUP),
    Label(1496, "角度", 14, 232, 30),
    Field(1650, 46, 230, 30),
    Spin(1651, 76, 230),
    Header(1467, "その他", 248),
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
    {144, "", 140, 564, WS_CHILD, kObjectInfo},
    {225, "", 140, 64, WS_CHILD, kFolderInfo},
    {199, "", 140, 264, WS_CHILD, kPolygon},
};

} // namespace

std::span<const DialogTemplate> SideBarDialogTemplates() {
    return kTemplates;
}
