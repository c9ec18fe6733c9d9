#include "resources/resource_parts.h"

// Dialog templates of the scene page, its settings pages and the renderer
// definition dialog. They carry the Japanese texts; each window gives its
// controls the English ones itself when the interface is English (POV-Ray
// keywords read the same in both). Group headers, spins, sliders and colour
// swatches are owner-drawn buttons. A page's height is its content height:
// the scene page shows it shorter and it scrolls.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX;
constexpr DWORD kFirstRadio = kTab | WS_GROUP | BS_AUTORADIOBUTTON;
constexpr DWORD kRadio = WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kTree =
    kTab | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
constexpr UINT kNoId = 0xFFFF;
constexpr short kWidth = 140;

constexpr DialogItemTemplate Header(UINT id, const char* caption, short y) {
    return {DialogControl::Button, id, caption, 0, y, kWidth, 13, kDrawn};
}
// Tall enough for the underscores of POV-Ray's keywords.
constexpr DialogItemTemplate Label(UINT id, const char* text, short x, short y, short cx = 62,
                                   short cy = 11) {
    return {DialogControl::Static, id, text, x, static_cast<short>(y + 1), cx, cy, WS_VISIBLE};
}
constexpr DialogItemTemplate Box(UINT id, const char* text, short x, short y, short cx, short cy) {
    return {DialogControl::Button, id, text, x, y, cx, cy, WS_VISIBLE | BS_GROUPBOX};
}
constexpr DialogItemTemplate Field(UINT id, short x, short y, short cx = 50, DWORD extra = 0) {
    return {DialogControl::Edit, id, "", x, y, cx, 13, kField | extra};
}
constexpr DialogItemTemplate Spin(UINT id, short x, short y) {
    return {DialogControl::Button, id, "", x, y, 9, 13, kDrawn};
}
constexpr DialogItemTemplate Meter(UINT id, short x, short y, short cx) {
    return {DialogControl::Button, id, "", x, static_cast<short>(y + 2), cx, 9, kDrawn};
}
constexpr DialogItemTemplate Swatch(UINT id, short x, short y, short cx = 30) {
    return {DialogControl::Button, id, "", x, y, cx, 12, kTab | BS_OWNERDRAW};
}
constexpr DialogItemTemplate Check(UINT id, const char* text, short x, short y, short cx = 120,
                                   short cy = 12) {
    return {DialogControl::Button, id, text, x, y, cx, cy, kCheck};
}
constexpr DialogItemTemplate Radio(UINT id, const char* text, short x, short y, bool first = false,
                                   short cx = 120, short cy = 12) {
    return {DialogControl::Button, id, text, x, y, cx, cy, first ? kFirstRadio : kRadio};
}
constexpr DialogItemTemplate Push(UINT id, const char* text, short x, short y, short cx = 22,
                                  DWORD extra = 0) {
    return {DialogControl::Button, id, text, x, y, cx, 14, kTab | extra};
}
constexpr DialogItemTemplate Choice(UINT id, short x, short y, short cx, DWORD extra = 0) {
    return {DialogControl::ComboBox, id, "", x, y, cx, 16, kTab | CBS_DROPDOWNLIST | extra};
}
// A caption, a number field and its spin on one row.
constexpr DialogItemTemplate RowLabel(const char* text, short y) {
    return Label(kNoId, text, 8, y, 76);
}
constexpr DialogItemTemplate RowField(UINT id, short y) {
    return Field(id, 85, y, 39);
}
constexpr DialogItemTemplate RowSpin(UINT id, short y) {
    return Spin(id, 125, y);
}

// clang-format off

// The scene page (143): the settings tree and the frame of the page area;
// the page lays them out itself.
constexpr DialogItemTemplate kScenePage[] = {
    {DialogControl::TreeView, 1022, "", 3, 3, 128, 90, kTree},
    {DialogControl::Static, 1496, "", 3, 97, 128, 190, WS_VISIBLE | SS_ETCHEDFRAME},
};

// Include files (168): the list as a flat tree, and its buttons.
constexpr DialogItemTemplate kIncludeFile[] = {
    {DialogControl::TreeView, 1022, "", 4, 4, 132, 100, kTree},
    Push(1062, "追加", 4, 108, 32),
    Push(1064, "削除", 38, 108, 32),
    Push(1068, "↑", 72, 108, 30),
    Push(1072, "↓", 104, 108, 30),
};

// Global settings (187).
constexpr DialogItemTemplate kGlobalSettings[] = {
    Header(1475, "global_settings", 2),
    RowLabel("adc_bailout", 20), RowField(1220, 20), RowSpin(1223, 20),
    RowLabel("assumed_gamma", 36), RowField(1238, 36), RowSpin(1249, 36),
    RowLabel("max_intersections", 52), RowField(1260, 52), RowSpin(1271, 52),
    RowLabel("max_trace_level", 68), RowField(1278, 68), RowSpin(1288, 68),
    RowLabel("number_of_waves", 84), RowField(1297, 84), RowSpin(1305, 84),
    RowLabel("ambient_light", 100), Swatch(1330, 85, 100),
    RowLabel("irid_wavelength", 116), Swatch(1337, 85, 116),
    Check(1323, "hf_gray_16", 8, 132),
};

// Radiosity (186): the two parameter sets.
constexpr DialogItemTemplate kRadiosity[] = {
    Header(1475, "Radiosity Setting [ type 1 ]", 2),
    RowLabel("brightness", 20), RowField(1349, 20), RowSpin(1353, 20),
    RowLabel("count", 35), RowField(1226, 35), RowSpin(1232, 35),
    RowLabel("distance_maximum", 50), RowField(1242, 50), RowSpin(1253, 50),
    RowLabel("error_bound", 65), RowField(1264, 65), RowSpin(1273, 65),
    RowLabel("gray_threshold", 80), RowField(1280, 80), RowSpin(1290, 80),
    RowLabel("low_error_factor", 95), RowField(1300, 95), RowSpin(1307, 95),
    RowLabel("minimum_reuse", 110), RowField(1312, 110), RowSpin(1318, 110),
    RowLabel("nearest_count", 125), RowField(1325, 125), RowSpin(1332, 125),
    RowLabel("recursion_limit", 140), RowField(1339, 140), RowSpin(1344, 140),
    Header(1478, "Radiosity Setting [ type 2 ]", 160),
    RowLabel("adc_bailout", 178), RowField(1351, 178), RowSpin(1355, 178),
    RowLabel("brightness", 193), RowField(1228, 193), RowSpin(1234, 193),
    RowLabel("count", 208), RowField(1244, 208), RowSpin(1255, 208),
    RowLabel("error_bound", 223), RowField(1266, 223), RowSpin(1275, 223),
    RowLabel("gray_threshold", 238), RowField(1282, 238), RowSpin(1292, 238),
    RowLabel("low_error_factor", 253), RowField(1302, 253), RowSpin(1309, 253),
    RowLabel("max_sample", 268), RowField(1314, 268), RowSpin(1320, 268),
    RowLabel("minimum_reuse", 283), RowField(1327, 283), RowSpin(1334, 283),
    RowLabel("nearest_count", 298), RowField(1341, 298), RowSpin(1346, 298),
    RowLabel("pretrace_end", 313), RowField(1316, 313), RowSpin(1322, 313),
    RowLabel("pretrace_start", 328), RowField(1329, 328), RowSpin(1336, 328),
    RowLabel("recursion_limit", 343), RowField(1343, 343), RowSpin(1348, 343),
    Check(1422, "always_sample", 8, 360),
    Check(1426, "media", 8, 374),
    Check(1431, "normal", 8, 388),
};

// Post-processing (183): one group per effect, each with its use box.
constexpr DialogItemTemplate PosterizeLabel(const char* text, short y) {
    return Label(kNoId, text, 8, y, 10);
}
constexpr DialogItemTemplate kPostProcess[] = {
    Header(1475, "focal_blur", 2),
    Check(1105, "use focal_blur", 8, 18),
    RowLabel("field_start", 32), RowField(1107, 32), RowSpin(1108, 32),
    RowLabel("field_depth", 47), RowField(1109, 47), RowSpin(1110, 47),
    RowLabel("max_blur_radius", 62), RowField(1111, 62), RowSpin(1112, 62),
    Header(1478, "soft_glow", 80),
    Check(1113, "use soft_glow", 8, 96),
    RowLabel("amount", 110), RowField(1114, 110), RowSpin(1115, 110),
    RowLabel("blur_radius", 125), RowField(1117, 125), RowSpin(1119, 125),
    Header(1481, "depth", 143),
    Check(1121, "use depth", 8, 159),
    RowLabel("field_start", 173), RowField(1123, 173), RowSpin(1126, 173),
    RowLabel("field_depth", 188), RowField(1129, 188), RowSpin(1132, 188),
    Header(1152, "stars", 206),
    Check(1638, "use stars", 8, 222),
    RowLabel("density", 236), RowField(1131, 236), RowSpin(1134, 236),
    RowLabel("color_range_min", 251), Swatch(1639, 85, 251),
    RowLabel("color_range_max", 266), Swatch(1640, 85, 266),
    Header(1467, "posterize", 284),
    Check(1641, "use posterize", 8, 300),
    PosterizeLabel("R", 314), Field(1021, 20, 314, 40), Spin(1361, 61, 314), Meter(1365, 74, 314, 60),
    PosterizeLabel("G", 329), Field(1023, 20, 329, 40), Spin(1368, 61, 329), Meter(1372, 74, 329, 60),
    PosterizeLabel("B", 344), Field(1025, 20, 344, 40), Spin(1377, 61, 344), Meter(1381, 74, 344, 60),
    Header(1473, "normal", 362),
    Check(1642, "use normal", 8, 378),
    Header(1457, "clip_colors", 394),
    Check(1646, "use clip colors", 8, 410),
    RowLabel("color_min", 424), Swatch(1643, 85, 424),
    RowLabel("color_max", 439), Swatch(1644, 85, 439),
    Header(1480, "invert", 457),
    Check(1645, "use invert", 8, 473),
    Header(1484, "find_edges", 489),
    Check(1647, "use find edges", 8, 505),
    RowLabel("depth_threshold", 519), RowField(1125, 519), RowSpin(1128, 519),
    RowLabel("normal_threshold", 534), RowField(1136, 534), RowSpin(1138, 534),
    RowLabel("color_threshold", 549), RowField(1140, 549), RowSpin(1142, 549),
    RowLabel("line_radius", 564), RowField(1144, 564), RowSpin(1146, 564),
    RowLabel("sharpness", 579), RowField(1148, 579), RowSpin(1150, 579),
    RowLabel("color_max", 594), Swatch(1648, 85, 594),
};

// Image-based lighting (105): the sphere's picture, place and finish.
constexpr DialogItemTemplate kImageBasedLighting[] = {
    Check(1422, "使用する", 6, 4, 128),
    Label(1900, "パス", 6, 18, 100),
    Field(1677, 6, 30, 104),
    Push(1478, ". . . ", 112, 30),
    Box(1901, "位置情報", 4, 48, 132, 92),
    Box(1902, "中心", 8, 58, 124, 58),
    Label(kNoId, "X", 14, 70, 10), Field(1063, 26, 70, 70),
    Label(kNoId, "Y", 14, 85, 10), Field(1462, 26, 85, 70),
    Label(kNoId, "Z", 14, 100, 10), Field(1464, 26, 100, 70),
    Label(1903, "半径", 10, 120, 28), Field(1675, 40, 120, 56), Spin(1475, 97, 120),
    Box(1904, "Finish", 4, 144, 132, 106),
    Box(1905, "Ambient", 8, 154, 124, 72),
    Label(kNoId, "R", 14, 166, 10), Field(1679, 26, 166, 34), Spin(1481, 61, 166), Meter(1152, 74, 166, 52),
    Label(kNoId, "G", 14, 181, 10), Field(1681, 26, 181, 34), Spin(1467, 61, 181), Meter(1473, 74, 181, 52),
    Label(kNoId, "B", 14, 196, 10), Field(1682, 26, 196, 34), Spin(1457, 61, 196), Meter(1480, 74, 196, 52),
    Swatch(1486, 26, 211),
    Check(1426, "同期", 62, 211, 60),
    Label(1906, "Diffuse", 10, 232, 30), Field(1684, 42, 232, 34), Spin(1484, 77, 232),
    Meter(1485, 90, 232, 40),
    Label(kNoId, "map type", 6, 256, 40), Field(1686, 48, 256, 40),
};

// Renderer paths (233).
constexpr DialogItemTemplate kRendererPath[] = {
    Label(1900, "BMRT(rendrib.exe)のパス", 6, 4, 128),
    Field(1063, 6, 16, 104), Push(1475, ". . .", 112, 16),
    Label(1901, "BMRT(フォルダ)のパス", 6, 34, 128),
    Field(1462, 6, 46, 104), Push(1478, ". . .", 112, 46),
    Label(1902, "Lightflowのパス", 6, 64, 128),
    Field(1464, 6, 76, 104), Push(1481, ". . .", 112, 76),
    Label(1903, "Pythonのパス", 6, 94, 128),
    Field(1675, 6, 106, 104), Push(1152, ". . .", 112, 106),
};

// Renderer definitions (235): the list and what can be done to it.
constexpr DialogItemTemplate kRendererList[] = {
    {DialogControl::ListBox, 1056, "", 4, 4, 132, 90, kTab | WS_BORDER | LBS_NOTIFY},
    Push(1475, "レンダラー追加", 4, 98, 132),
    Push(1478, "設定変更", 4, 114, 64),
    Push(1473, "コピー", 72, 114, 64),
    Push(1481, "設定削除", 4, 130, 132),
    Push(1152, "上へ移動", 4, 146, 64),
    Push(1467, "下へ移動", 72, 146, 64),
};

// Background (169).
constexpr DialogItemTemplate kBackground[] = {
    Header(1475, "背景色", 2),
    Swatch(1116, 8, 20, 40),
    Check(1422, "Preview", 56, 20, 70),
};

// Colours of the panes (151).
constexpr DialogItemTemplate ColorLabel(UINT id, const char* text, short y) {
    return Label(id, text, 8, y, 84);
}
constexpr DialogItemTemplate kColorSetting[] = {
    Header(1475, "カラー設定", 2),
    ColorLabel(1900, "バックグラウンド", 20), Swatch(1059, 96, 20, 36),
    ColorLabel(1901, "オブジェクト(選択)", 36), Swatch(1066, 96, 36, 36),
    ColorLabel(1902, "オブジェクト(非選択)", 52), Swatch(1124, 96, 52, 36),
    ColorLabel(1903, "オブジェクト(不可視)", 68), Swatch(1203, 96, 68, 36),
    ColorLabel(1904, "頂点(選択)", 84), Swatch(1303, 96, 84, 36),
    ColorLabel(1905, "頂点(非選択)", 100), Swatch(1317, 96, 100, 36),
    ColorLabel(1906, "グリッド", 116), Swatch(1366, 96, 116, 36),
};

// Default material (213).
constexpr DialogItemTemplate kDefaultMaterial[] = {
    Header(1475, "未材質オブジェクトの設定", 2),
    Box(1497, "参照するマテリアル(Finishのみ)", 4, 18, 132, 50),
    Check(1422, "参照する", 10, 30, 120),
    Field(1063, 10, 46, 92, ES_READONLY),
    Push(1478, ". . .", 106, 46, 24),
    Box(1496, "カラーのタイプ", 4, 72, 132, 56),
    Radio(1577, "オブジェクトのカラーを使用", 10, 84, true),
    Radio(1578, "参照したマテリアルの\n          カラーを使用", 10, 98, false, 120, 22),
};

// Other settings (234).
constexpr DialogItemTemplate kEtcSetting[] = {
    Header(1475, "頂点の大きさ", 2),
    Field(1063, 8, 20), Spin(1473, 59, 20),
    Header(1478, "カメラの回転スピード", 38),
    Field(1462, 8, 56), Spin(1457, 59, 56),
    Header(1481, "\"回転体の作成\"設定", 74),
    Field(1464, 8, 92), Spin(1480, 59, 92),
    Header(1152, "頂点の選択", 110),
    Radio(1577, "選択範囲の頂点を\nすべて選択", 8, 128, true, 120, 22),
    Radio(1578, "選択範囲の頂点を\nすべて非選択", 8, 152, false, 120, 22),
    Radio(1579, "選択範囲の頂点の\n選択状態を反転", 8, 176, false, 120, 22),
    Header(1467, "モーションブラー", 202),
    Label(1900, "サンプル数", 8, 220, 76), Field(1675, 86, 220, 38), Spin(1484, 125, 220),
    Label(1901, "シャッタースピード", 8, 236, 76), Field(1677, 86, 236, 38), Spin(1485, 125, 236),
    Header(1486, "サーフェースカラー", 254),
    Radio(1580, "オブジェクトのカラー", 8, 272, true),
    Radio(1581, "黒", 8, 286),
    Radio(1582, "白", 8, 300),
    Radio(1583, "グレー", 8, 314),
    Radio(1584, "背景色", 8, 328),
    Radio(1585, "カラー指定", 8, 342, false, 70),
    Swatch(1483, 80, 342),
    Header(1488, "サーフェースの透明度", 360),
    Radio(1586, "オブジェクトごとの設定", 8, 378, true),
    Radio(1587, "カスタマイズ", 8, 392),
    Label(1902, "選択オブジェクト", 8, 408, 76), Field(1679, 86, 408, 38), Spin(1490, 125, 408),
    Label(1903, "非選択オブジェクト", 8, 424, 76), Field(1681, 86, 424, 38), Spin(1492, 125, 424),
};

// Mouse (106): the tools of three buttons and the camera's directions.
constexpr DialogItemTemplate kMouseSetting[] = {
    Header(1475, "マウスの動作", 2),
    Label(1496, "右ボタンの設定", 8, 18, 126),
    Choice(1145, 8, 30, 126),
    Label(1497, "真ん中ボタンの設定", 8, 48, 126),
    Choice(1240, 8, 60, 126, CBS_SORT),
    Label(1498, "右+真ん中ボタンの設定", 8, 78, 126),
    Choice(1725, 8, 90, 126, CBS_SORT),
    Header(1478, "カメラの動作", 112),
    Check(1422, "ズーム反転", 8, 130, 120, 22),
    Check(1426, "回転反転", 8, 154, 120, 22),
    Check(1431, "移動反転", 8, 178, 120, 22),
};

// Renderer definition (232): one POV-Ray-type renderer and what it understands.
constexpr DialogItemTemplate kRendererDefinition[] = {
    Label(1718, "設定名", 7, 7, 40),
    Field(1675, 50, 7, 110),
    Label(1724, "パス", 7, 23, 40),
    Field(1677, 50, 23, 86, ES_READONLY),
    Push(1475, ". . .", 138, 23),
    Box(1496, "バージョン設定", 7, 40, 153, 86),
    Radio(1577, "オフィシャルバージョン", 14, 52, true, 140),
    Label(1715, "バージョン番号", 24, 66, 64),
    Field(1063, 90, 66, 62),
    Radio(1578, "アンオフィシャルバージョン", 14, 82, false, 140),
    Label(1716, "名前", 24, 96, 64),
    Field(1462, 90, 96, 62),
    Label(1717, "バージョン番号", 24, 110, 64),
    Field(1464, 90, 110, 62),
    Box(1497, "オブジェクト設定", 7, 130, 153, 156),
    Box(1505, "パッチオブジェクトの出力方法", 12, 140, 143, 62),
    Radio(1579, "bicubic_patch", 18, 152, true, 66),
    Radio(1580, "bezier_patch", 86, 152, false, 66),
    Radio(1581, "type 0", 18, 166, true, 66),
    Radio(1582, "type 1", 86, 166, false, 66),
    Label(1510, "小数点以下の出力桁数", 18, 179, 84, 21),
    Field(1679, 104, 182, 30),
    Spin(1478, 135, 182),
    Box(1509, "ポリゴンオブジェクトの出力方法", 12, 206, 143, 48),
    Radio(1583, "mesh", 18, 218, true, 66),
    Radio(1584, "mesh2", 86, 218, false, 66),
    Label(1511, "小数点以下の出力桁数", 18, 231, 84, 21),
    Field(1681, 104, 234, 30),
    Spin(1481, 135, 234),
    Check(1693, "double_illuminate", 14, 258, 140),
    Check(1695, "no_image", 14, 270, 66),
    Check(1697, "no_reflection", 82, 270, 74),
    Check(1699, "post_process", 167, 7, 150),
    Check(1701, "motion_blur", 175, 21, 68),
    Check(1703, "focal_blur", 247, 21, 68),
    Check(1705, "soft_glow", 175, 33, 68),
    Check(1706, "depth", 247, 33, 68),
    Check(1707, "stars", 175, 45, 68),
    Check(1719, "posterize", 247, 45, 68),
    Check(1720, "normal", 175, 57, 68),
    Check(1721, "clip_color", 247, 57, 68),
    Check(1722, "invert", 175, 69, 68),
    Check(1723, "find_edge", 247, 69, 68),
    Box(1498, "ライト設定", 167, 86, 158, 40),
    Check(1422, "parallel", 174, 98, 64),
    Check(1426, "circular", 240, 98, 82),
    Check(1431, "orient", 174, 110, 64),
    Check(1732, "shadow_pigment", 240, 110, 82),
    Box(kNoId, "Command Line", 167, 130, 158, 28),
    Check(1734, "/RENDER", 174, 142, 140),
    Box(kNoId, "Etc.", 167, 162, 158, 28),
    Check(1735, "Image Based Lighting", 174, 174, 140),
    Box(kNoId, "Radiosity", 167, 194, 158, 28),
    Radio(1585, "Type1", 174, 206, true, 60),
    Radio(1586, "Type2", 248, 206, false, 60),
    Check(1736, "Separate POV File And INC File", 167, 228, 158),
    Push(1, "OK", 220, 272, 50, WS_GROUP | BS_DEFPUSHBUTTON),
    Push(2, "Cancel", 275, 272, 50),
};

constexpr DialogTemplate kTemplates[] = {
    {143, "", 134, 290, WS_CHILD, kScenePage},
    {168, "", kWidth, 128, WS_CHILD, kIncludeFile},
    {187, "", kWidth, 150, WS_CHILD, kGlobalSettings},
    {186, "", kWidth, 406, WS_CHILD, kRadiosity},
    {183, "", kWidth, 614, WS_CHILD, kPostProcess},
    {105, "", kWidth, 276, WS_CHILD, kImageBasedLighting},
    {233, "", kWidth, 128, WS_CHILD, kRendererPath},
    {235, "", kWidth, 166, WS_CHILD, kRendererList},
    {169, "", kWidth, 40, WS_CHILD, kBackground},
    {151, "", kWidth, 136, WS_CHILD, kColorSetting},
    {213, "", kWidth, 136, WS_CHILD, kDefaultMaterial},
    {234, "", kWidth, 446, WS_CHILD, kEtcSetting},
    {106, "", kWidth, 206, WS_CHILD, kMouseSetting},
    {232, "POV-Ray Setting", 332, 292, kModal, kRendererDefinition},
};

// clang-format on

} // namespace

std::span<const DialogTemplate> SettingsDialogTemplates() {
    return kTemplates;
}
