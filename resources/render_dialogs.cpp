#include "resources/resource_parts.h"

// Dialog templates of rendering and of the document dialogs, with the
// Japanese texts (the document information dialog and the debug dialog keep
// theirs in both languages); the dialogs set their English texts themselves.
// Spins, the colour button and the group headers are owner-drawn buttons.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX;
constexpr DWORD kList = kTab | CBS_DROPDOWNLIST;
constexpr UINT kNoId = 0xFFFF;

constexpr DialogItemTemplate Item(DialogControl control, UINT id, const char* text, short x, short y,
                                  short cx, short cy, DWORD style) {
    return {control, id, text, x, y, cx, cy, style};
}
constexpr DialogItemTemplate Label(UINT id, const char* text, short x, short y, short cx) {
    return Item(DialogControl::Static, id, text, x, y + 2, cx, 10, WS_VISIBLE);
}
constexpr DialogItemTemplate Group(UINT id, const char* text, short x, short y, short cx, short cy) {
    return Item(DialogControl::Button, id, text, x, y, cx, cy, WS_VISIBLE | BS_GROUPBOX);
}
constexpr DialogItemTemplate Field(UINT id, short x, short y, short cx, DWORD extra = 0) {
    return Item(DialogControl::Edit, id, "", x, y, cx, 13, kField | extra);
}
constexpr DialogItemTemplate Spin(UINT id, short x, short y) {
    return Item(DialogControl::Button, id, "", x, y, 9, 13, kDrawn);
}
constexpr DialogItemTemplate Check(UINT id, const char* text, short x, short y, short cx, DWORD extra = 0) {
    return Item(DialogControl::Button, id, text, x, y, cx, 12, kCheck | extra);
}
constexpr DialogItemTemplate Radio(UINT id, const char* text, short x, short y, short cx, bool first) {
    return Item(DialogControl::Button, id, text, x, y, cx, 12,
                (first ? kTab | WS_GROUP : WS_VISIBLE) | BS_AUTORADIOBUTTON);
}
constexpr DialogItemTemplate Choice(UINT id, short x, short y, short cx) {
    return Item(DialogControl::ComboBox, id, "", x, y, cx, 13, kList);
}
constexpr DialogItemTemplate Push(UINT id, const char* text, short x, short y, short cx, DWORD extra = 0) {
    return Item(DialogControl::Button, id, text, x, y, cx, 14, kTab | extra);
}
constexpr DialogItemTemplate Ok(short x, short y, const char* text = "OK") {
    return Push(1, text, x, y, 50, WS_GROUP | BS_DEFPUSHBUTTON);
}
constexpr DialogItemTemplate Cancel(short x, short y) {
    return Push(2, "Cancel", x, y, 50);
}

// Render settings (236).
constexpr DialogItemTemplate kRenderSetting[] = {
    Label(1496, "使用するレンダラー", 7, 7, 76),
    Choice(1145, 86, 7, 184),
    Group(1498, "出力設定", 7, 26, 263, 68),
    Label(1505, "出力ファイル形式", 14, 38, 70),
    Choice(1240, 86, 38, 100),
    Label(1513, "出力フォルダ", 14, 56, 70),
    Field(1677, 86, 56, 152, ES_READONLY),
    Push(1473, ". . .", 241, 56, 22),
    Label(1515, "出力ファイル名", 14, 74, 70),
    Field(1679, 86, 74, 177),
    Group(1506, "出力画像サイズ", 7, 98, 263, 78),
    Radio(1577, "選択したウィンドウのサイズ", 14, 110, 150, true),
    Radio(1578, "サイズを指定", 14, 124, 150, false),
    Label(1509, "横 :", 24, 140, 18),
    Field(1063, 44, 140, 40, WS_GROUP),
    Spin(1475, 85, 140),
    Label(1510, "縦 :", 100, 140, 18),
    Field(1462, 120, 140, 40),
    Spin(1478, 161, 140),
    Push(1467, "pick up", 210, 139, 50, WS_DISABLED),
    Check(1431, "アスペクト比を使用", 24, 158, 90),
    Label(1511, "横 :", 120, 156, 18),
    Field(1464, 140, 156, 30),
    Spin(1481, 171, 156),
    Label(1512, "縦 :", 186, 156, 18),
    Field(1675, 206, 156, 30),
    Spin(1152, 237, 156),
    Group(1497, "レンダリング オプション", 7, 180, 263, 30),
    Check(1422, "ラジオシティ有効", 14, 192, 110),
    Check(1426, "アルファチャンネルを使う", 130, 192, 130),
    Group(1508, "アンチエイリアシング", 7, 214, 263, 66),
    Check(1693, "アンチエイリアシング使用", 14, 226, 110),
    Label(1324, "しきい値", 130, 224, 50),
    Field(1681, 182, 224, 40),
    Spin(1457, 223, 224),
    Check(1695, "ジッター", 130, 242, 50),
    Field(1682, 182, 240, 40),
    Spin(1480, 223, 240),
    Label(1333, "光線", 14, 242, 26),
    Choice(1725, 40, 242, 50),
    Label(1356, "サンプリング法", 14, 260, 70),
    Choice(1726, 86, 260, 177),
    Group(1383, "プレビューレンダリングで使用するウィンドウ", 7, 284, 263, 30),
    Radio(1579, "A", 14, 296, 30, true),
    Radio(1580, "B", 50, 296, 30, false),
    Radio(1581, "C", 86, 296, 30, false),
    Radio(1582, "D", 122, 296, 30, false),
    Ok(164, 320),
    Cancel(220, 320),
};

// Material preview setting (204).
constexpr DialogItemTemplate kPreviewSetting[] = {
    Label(1496, "バックグラウンドカラー", 7, 7, 90),
    Item(DialogControl::Button, 1116, "", 100, 6, 40, 14, kTab | BS_OWNERDRAW),
    Group(1505, "オブジェクトのタイプ", 7, 26, 110, 66),
    Radio(1577, "球", 14, 38, 96, true),
    Radio(1578, "ボックス", 14, 51, 96, false),
    Radio(1579, "円柱", 14, 64, 96, false),
    Radio(1580, "トーラス", 14, 77, 96, false),
    Group(1506, "カメラの位置", 124, 26, 110, 84),
    Label(kNoId, "X", 131, 38, 20),
    Field(1666, 156, 38, 60, WS_GROUP),
    Spin(1369, 217, 38),
    Label(kNoId, "Y", 131, 54, 20),
    Field(1667, 156, 54, 60),
    Spin(1373, 217, 54),
    Label(kNoId, "Z", 131, 70, 20),
    Field(1669, 156, 70, 60),
    Spin(1378, 217, 70),
    Label(kNoId, "angle", 131, 88, 24),
    Field(1495, 156, 88, 60),
    Spin(1575, 217, 88),
    Label(1497, "ウィンドウのサイズ", 7, 116, 90),
    Field(1659, 100, 116, 50),
    Spin(1660, 151, 116),
    Label(1498, "オブジェクトのサイズ", 7, 132, 90),
    Field(1664, 100, 132, 50),
    Spin(1665, 151, 132),
    Check(1663, "X-Z平面", 7, 150, 60),
    Check(1662, "X-Y平面", 70, 150, 60),
    Check(1661, "アンチエイリアシング", 133, 150, 110),
    Label(1513, "使用するレンダラー", 7, 168, 90),
    Choice(1145, 100, 168, 134),
    Ok(137, 190),
    Cancel(193, 190),
};

// POV-Ray export (240): the renderer to write for, and radiosity.
constexpr DialogItemTemplate kPovExport[] = {
    Label(1496, "使用するレンダラー", 7, 7, 76),
    Choice(1145, 86, 7, 150),
    Group(1497, "Option", 7, 26, 229, 30),
    Check(1422, "ラジオシティ有効", 14, 38, 120),
    Ok(130, 62),
    Cancel(186, 62),
};

// Background image (208): per view a folding group with the file, a
// browse and a clear button, the centre and the scale.
constexpr DialogItemTemplate BackgroundGroupHeader(UINT id, const char* text, short y) {
    return Item(DialogControl::Button, id, text, 0, y, 250, 13, kDrawn);
}
constexpr DialogItemTemplate kBackgroundImage[] = {
    Label(kNoId, "This Version Support Only Bitmap(24 bit color)", 7, 2, 236),
    BackgroundGroupHeader(1467, "Top", 16),
    Field(1063, 10, 32, 170),
    Push(1475, ". . .", 183, 32, 22),
    Push(1484, "Clear", 208, 32, 35),
    Label(kNoId, "Center Position", 10, 48, 60),
    Label(kNoId, "X", 72, 48, 8),
    Field(1675, 82, 48, 50),
    Label(kNoId, "Z", 138, 48, 8),
    Field(1677, 148, 48, 50),
    Label(kNoId, "Scale", 10, 64, 60),
    Label(kNoId, "X", 72, 64, 8),
    Field(1679, 82, 64, 50),
    Label(kNoId, "Z", 138, 64, 8),
    Field(1681, 148, 64, 50),
    BackgroundGroupHeader(1473, "Front", 84),
    Field(1462, 10, 100, 170),
    Push(1478, ". . .", 183, 100, 22),
    Push(1485, "Clear", 208, 100, 35),
    Label(kNoId, "Center Position", 10, 116, 60),
    Label(kNoId, "X", 72, 116, 8),
    Field(1682, 82, 116, 50),
    Label(kNoId, "Y", 138, 116, 8),
    Field(1684, 148, 116, 50),
    Label(kNoId, "Scale", 10, 132, 60),
    Label(kNoId, "X", 72, 132, 8),
    Field(1686, 82, 132, 50),
    Label(kNoId, "Y", 138, 132, 8),
    Field(1688, 148, 132, 50),
    BackgroundGroupHeader(1457, "Right", 152),
    Field(1464, 10, 168, 170),
    Push(1481, ". . .", 183, 168, 22),
    Push(1486, "Clear", 208, 168, 35),
    Label(kNoId, "Center Position", 10, 184, 60),
    Label(kNoId, "Y", 72, 184, 8),
    Field(1690, 82, 184, 50),
    Label(kNoId, "Z", 138, 184, 8),
    Field(1692, 148, 184, 50),
    Label(kNoId, "Scale", 10, 200, 60),
    Label(kNoId, "Y", 72, 200, 8),
    Field(1694, 82, 200, 50),
    Label(kNoId, "Z", 138, 200, 8),
    Field(1696, 148, 200, 50),
    BackgroundGroupHeader(1480, "etc.", 220),
    Field(1466, 10, 236, 170),
    Push(1152, ". . .", 183, 236, 22),
    Push(1483, "Clear", 208, 236, 35),
    Label(kNoId, "Center Position", 10, 252, 60),
    Label(kNoId, "X", 72, 252, 8),
    Field(1698, 82, 252, 50),
    Label(kNoId, "Y", 138, 252, 8),
    Field(1700, 148, 252, 50),
    Label(kNoId, "Scale", 10, 268, 60),
    Label(kNoId, "X", 72, 268, 8),
    Field(1702, 82, 268, 50),
    Label(kNoId, "Y", 138, 268, 8),
    Field(1704, 148, 268, 50),
    Ok(136, 288),
    Cancel(192, 288),
};

// Debug information (108): the window count and four drawing values; the
// only button closes.
constexpr DialogItemTemplate kDebugInfo[] = {
    Label(kNoId, "window", 7, 7, 60),
    Field(1000, 70, 7, 50, ES_READONLY),
    Label(kNoId, "near_plane", 7, 25, 60),
    Field(1063, 70, 25, 60),
    Spin(1475, 131, 25),
    Label(kNoId, "far_plane", 7, 41, 60),
    Field(1462, 70, 41, 60),
    Spin(1478, 131, 41),
    Group(kNoId, "draw", 4, 58, 144, 48),
    Label(kNoId, "specular", 10, 70, 56),
    Field(1464, 70, 70, 60),
    Spin(1481, 131, 70),
    Label(kNoId, "shininess", 10, 86, 56),
    Field(1675, 70, 86, 60),
    Spin(1152, 131, 86),
    Ok(98, 112, "閉じる"),
};

// Document information (230): the tab strip of the scopes over the counts.
constexpr DialogItemTemplate kDocumentInfo[] = {
    Group(kNoId, "Count", 7, 4, 150, 44),
    Label(kNoId, "Patch Object", 14, 16, 72),
    Field(1063, 90, 16, 50, ES_READONLY),
    Label(kNoId, "Folder", 14, 31, 72),
    Field(1462, 90, 31, 50, ES_READONLY),
    Item(DialogControl::TabControl, 1014, "", 7, 54, 150, 16, kTab),
    Label(kNoId, "3point patch", 14, 76, 72),
    Field(1464, 90, 76, 50, ES_READONLY),
    Label(kNoId, "4point patch", 14, 92, 72),
    Field(1675, 90, 92, 50, ES_READONLY),
    Label(kNoId, "5point patch", 14, 108, 72),
    Field(1684, 90, 108, 50, ES_READONLY),
    Label(kNoId, "Curve", 14, 124, 72),
    Field(1677, 90, 124, 50, ES_READONLY),
    Label(kNoId, "Vertex", 14, 140, 72),
    Field(1679, 90, 140, 50, ES_READONLY),
    Label(kNoId, "Selected Vertex", 14, 156, 72),
    Field(1681, 90, 156, 50, ES_READONLY),
    Label(kNoId, "Invisible Vertex", 14, 172, 72),
    Field(1682, 90, 172, 50, ES_READONLY),
    Ok(107, 192, "Close"),
};

constexpr DialogTemplate kTemplates[] = {
    {236, "POV-Rayでのレンダリング設定", 277, 340, kModal, kRenderSetting},
    {204, "設定", 250, 210, kModal, kPreviewSetting},
    {240, "Export POV-Ray", 243, 82, kModal, kPovExport},
    {208, "下絵設定", 250, 308, kModal, kBackgroundImage},
    {108, "デバッグ情報", 152, 132, kModal, kDebugInfo},
    {230, "Document", 164, 212, kModal, kDocumentInfo},
};

} // namespace

std::span<const DialogTemplate> RenderDialogTemplates() {
    return kTemplates;
}
