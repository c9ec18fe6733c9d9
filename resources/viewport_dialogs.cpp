#include "resources/resource_parts.h"

// Dialog templates of the pane's setting dialogs and of the mouse-status
// bar, with the Japanese texts; the dialogs set their English texts
// themselves (the camera dialog's texts are English in both sets). Spins and
// group headers are owner-drawn buttons.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kChild = WS_CHILD;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX;
constexpr DWORD kFrame = WS_VISIBLE | BS_GROUPBOX;

constexpr DialogItemTemplate Item(DialogControl control, UINT id, const char* text, short x, short y,
                                  short cx, short cy, DWORD style) {
    return {control, id, text, x, y, cx, cy, style};
}
constexpr DialogItemTemplate Label(UINT id, const char* text, short x, short y, short cx) {
    return Item(DialogControl::Static, id, text, x, static_cast<short>(y + 2), cx, 10, WS_VISIBLE);
}
constexpr DialogItemTemplate Field(UINT id, short x, short y) {
    return Item(DialogControl::Edit, id, "", x, y, 44, 13, kField);
}
constexpr DialogItemTemplate Spin(UINT id, short x, short y) {
    return Item(DialogControl::Button, id, "", static_cast<short>(x + 45), y, 9, 13, kDrawn);
}
constexpr DialogItemTemplate Header(UINT id, const char* text, short y) {
    return Item(DialogControl::Button, id, text, 0, y, 206, 13, kDrawn);
}
constexpr DialogItemTemplate Ok(short x, short y) {
    return Item(DialogControl::Button, 1, "OK", x, y, 50, 14, kTab | WS_GROUP | BS_DEFPUSHBUTTON);
}
constexpr DialogItemTemplate Cancel(short x, short y) {
    return Item(DialogControl::Button, 2, "Cancel", x, y, 50, 14, kTab);
}

// Camera (130): three groups, Location and Look_at with x, y and z in a
// row, Angle with one field. The axis labels take ids of their own.
constexpr DialogItemTemplate kCamera[] = {
    Header(1475, "Location", 4),
    Label(1583, "X", 8, 22, 8),
    Field(1482, 17, 22),
    Spin(1574, 17, 22),
    Label(1584, "Y", 74, 22, 8),
    Field(1487, 83, 22),
    Spin(1573, 83, 22),
    Label(1585, "Z", 140, 22, 8),
    Field(1489, 149, 22),
    Spin(1572, 149, 22),
    Header(1478, "Look_at", 42),
    Label(1586, "X", 8, 60, 8),
    Field(1491, 17, 60),
    Spin(1571, 17, 60),
    Label(1587, "Y", 74, 60, 8),
    Field(1493, 83, 60),
    Spin(1570, 83, 60),
    Label(1588, "Z", 140, 60, 8),
    Field(1494, 149, 60),
    Spin(1569, 149, 60),
    Header(1481, "Angle", 80),
    Field(1495, 17, 98),
    Spin(1575, 17, 98),
    Ok(96, 120),
    Cancel(150, 120),
};

// Grid (125): spacing and count, the locks in a frame, the all-panes box.
constexpr DialogItemTemplate kGrid[] = {
    Label(1496, "間隔", 8, 8, 40),
    Field(1363, 52, 8),
    Spin(1326, 52, 8),
    Label(1497, "数", 8, 26, 40),
    Field(1370, 52, 26),
    Spin(1375, 52, 26),
    Item(DialogControl::Button, 1498, "グリッドロック", 6, 44, 110, 28, kFrame),
    Item(DialogControl::Button, 1331, "X", 14, 56, 26, 12, kCheck | WS_GROUP),
    Item(DialogControl::Button, 1335, "Y", 46, 56, 26, 12, kCheck),
    Item(DialogControl::Button, 1342, "Z", 78, 56, 26, 12, kCheck),
    Item(DialogControl::Button, 1340, "全てのウィンドウの設定を変更する", 6, 78, 170, 12, kCheck | WS_GROUP),
    Ok(130, 6),
    Cancel(130, 24),
};

// View setting (231): the resolution, the grid spacing and the locks, each in a frame.
constexpr DialogItemTemplate kViewSetting[] = {
    Item(DialogControl::Button, 1496, "カーブ、面の分割数", 6, 4, 130, 30, kFrame),
    Field(1063, 14, 16),
    Spin(1475, 14, 16),
    Item(DialogControl::Button, 1497, "グリッド", 6, 38, 130, 30, kFrame),
    Label(1498, "基本サイズ", 14, 50, 44),
    Field(1462, 60, 50),
    Spin(1478, 60, 50),
    Item(DialogControl::Button, 1505, "ロック", 6, 72, 130, 28, kFrame),
    Item(DialogControl::Button, 1422, "X", 14, 84, 26, 12, kCheck | WS_GROUP),
    Item(DialogControl::Button, 1426, "Y", 46, 84, 26, 12, kCheck),
    Item(DialogControl::Button, 1431, "Z", 78, 84, 26, 12, kCheck),
    Ok(146, 6),
    Cancel(146, 24),
};

// OpenGL setting (214): two boxes, the two type choices in frames, the see-through box.
constexpr DialogItemTemplate kOpenGLSetting[] = {
    Item(DialogControl::Button, 1422, "ディスプレイリストを使用", 8, 6, 180, 12, kCheck | WS_GROUP),
    Item(DialogControl::Button, 1426, "面を上書きしてカーブを描画", 8, 20, 180, 12, kCheck | WS_GROUP),
    Item(DialogControl::Button, 1496, "カーブの描画タイプ", 6, 36, 92, 28, kFrame),
    Item(DialogControl::Button, 1577, "Type1", 12, 48, 38, 12, kTab | WS_GROUP | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1578, "Type2", 54, 48, 38, 12, WS_VISIBLE | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1497, "面の描画タイプ", 104, 36, 92, 28, kFrame),
    Item(DialogControl::Button, 1579, "Type1", 110, 48, 38, 12, kTab | WS_GROUP | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1580, "Type2", 152, 48, 38, 12, WS_VISIBLE | BS_AUTORADIOBUTTON),
    Item(DialogControl::Button, 1431, "半透明の面はライト無効", 8, 70, 190, 12, kCheck | WS_GROUP),
    Ok(92, 90),
    Cancel(146, 90),
};

// The mouse-status bar (115) holds the assignment strip (118) and the
// status-text line (223), one shown at a time over the whole bar.
constexpr DialogItemTemplate kAssignStrip[] = {
    Item(DialogControl::Edit, 1063, " L : ", 2, 2, 106, 12, WS_VISIBLE | ES_READONLY),
    Item(DialogControl::Edit, 1464, " M : ", 112, 2, 106, 12, WS_VISIBLE | ES_READONLY),
    Item(DialogControl::Edit, 1462, " R : ", 222, 2, 106, 12, WS_VISIBLE | ES_READONLY),
    // Takes Enter, so that the strip never closes on it.
    Item(DialogControl::Button, 1475, "enter対策用", 0, 0, 1, 1, BS_DEFPUSHBUTTON),
};
constexpr DialogItemTemplate kStatusText[] = {
    Item(DialogControl::Edit, 1063, "", 2, 2, 326, 12, WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL),
};

constexpr DialogTemplate kTemplates[] = {
    {130, "Camera Setting", 206, 140, kModal, kCamera},
    {125, "グリッド設定", 186, 96, kModal, kGrid},
    {231, "Setting", 202, 106, kModal, kViewSetting},
    {214, "OpenGL設定", 202, 110, kModal, kOpenGLSetting},
    {115, "", 330, 16, kChild, {}},
    {118, "", 330, 16, kChild, kAssignStrip},
    {223, "", 330, 16, kChild, kStatusText},
};

} // namespace

std::span<const DialogTemplate> ViewportDialogTemplates() {
    return kTemplates;
}
