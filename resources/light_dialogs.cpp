#include "resources/resource_parts.h"
#include "resources/resource_tables.h"

// The light page, its panel and the pictures of the light types. The
// templates carry the Japanese texts; the panel gives its controls the
// English ones itself when the interface is English.
namespace {

constexpr UINT kNoId = 0xFFFF;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kTree =
    kTab | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kShown = WS_VISIBLE | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kFrame = WS_VISIBLE | BS_GROUPBOX;
constexpr short kWidth = 140;

constexpr DialogItemTemplate Header(UINT id, const char* text, short y) {
    return {DialogControl::Button, id, text, 0, y, kWidth, 13, kDrawn};
}
constexpr DialogItemTemplate Check(UINT id, const char* text, short x, short y, short cx) {
    return {DialogControl::Button, id, text, x, y, cx, 10, kCheck};
}
constexpr DialogItemTemplate Radio(UINT id, const char* text, short x, short y, short cx, bool first) {
    return {
        DialogControl::Button, id, text, x, y, cx, 10, kTab | BS_AUTORADIOBUTTON | (first ? WS_GROUP : 0u)};
}
constexpr DialogItemTemplate Field(UINT id, short x, short y, short cx) {
    return {DialogControl::Edit, id, "", x, y, cx, 12, kField};
}
constexpr DialogItemTemplate Label(UINT id, const char* text, short x, short y, short cx) {
    return {DialogControl::Static, id, text, x, y, cx, 10, WS_VISIBLE | SS_LEFT};
}
// A number field at (6, y) with its spin and, when it has one, its slider.
constexpr DialogItemTemplate Number(UINT id, short y) {
    return Field(id, 6, y, 44);
}
constexpr DialogItemTemplate Spin(UINT id, short y) {
    return {DialogControl::Button, id, "", 50, y, 9, 12, kDrawn};
}
constexpr DialogItemTemplate Meter(UINT id, short y) {
    return {DialogControl::Button, id, "", 63, static_cast<short>(y + 2), kWidth - 69, 9, kDrawn};
}

// clang-format off

// The light page (146); the page lays its controls out itself.
constexpr DialogItemTemplate kLightPage[] = {
    {DialogControl::TreeView, 1022, "", 3, 3, 128, 75, kTree},
    {DialogControl::Button, 1130, "New", 0, 81, 33, 13, kTab},
    {DialogControl::Button, 1149, "Copy", 33, 81, 33, 13, kTab},
    {DialogControl::Button, 1158, "Delete", 66, 81, 33, 13, kTab},
    {DialogControl::Button, 1283, "etc.", 99, 81, 33, 13, kTab},
    {DialogControl::Static, 1496, "", 3, 97, 128, 190, WS_VISIBLE | SS_ETCHEDFRAME},
    {DialogControl::Button, 1475, "enter対策用", 0, 94, 2, 2, WS_DISABLED | BS_DEFPUSHBUTTON},
};

// The light panel (149): its eight groups each reach down to the next.
constexpr DialogItemTemplate kLightPanel[] = {
    Header(1475, "名前とカラー", 0),
    {DialogControl::Edit, 1030, "", 6, 16, 78, 12, kShown},
    {DialogControl::Button, 1034, ". . .", 86, 16, 24, 12, kTab},
    {DialogControl::Button, 1038, "color", 112, 16, 24, 12, kDrawn | WS_TABSTOP},
    Header(1478, "位置", 32),
    Label(kNoId, "X", 8, 46, 40), Label(kNoId, "Y", 52, 46, 40), Label(kNoId, "Z", 96, 46, 40),
    Field(1532, 6, 56, 42), Field(1533, 50, 56, 42), Field(1534, 94, 56, 42),
    Header(1481, "タイプ", 74),
    Radio(1535, "点光源", 6, 90, 58, true),
    Radio(1536, "スポットライト", 64, 90, 72, false),
    Radio(1537, "円筒状光源", 6, 102, 58, false),
    Radio(1538, "面光源", 64, 102, 72, false),
    Header(1152, "オプション", 118),
    Check(1289, "影を作らない", 6, 134, 130),
    Check(1295, "大気によって光が弱まる", 6, 146, 130),
    Check(1301, "大気の影響を受ける", 6, 158, 130),
    Header(1467, "スポットライトのオプション", 174),
    {DialogControl::Button, 1496, "照らす位置", 4, 188, 132, 38, kFrame},
    Label(kNoId, "X", 10, 198, 38), Label(kNoId, "Y", 52, 198, 38), Label(kNoId, "Z", 94, 198, 38),
    Field(1539, 8, 208, 40), Field(1541, 50, 208, 40), Field(1540, 92, 208, 40),
    Label(1497, "完全に明るく照らす角度", 6, 230, 130),
    Number(1519, 242), Spin(1160, 242), Meter(1169, 242),
    Label(1498, "完全に暗くなるまでの角度", 6, 258, 130),
    Number(1545, 270), Spin(1233, 270), Meter(1277, 270),
    Label(1505, "タイトネス", 6, 286, 130),
    Number(1546, 298), Spin(1285, 298), Meter(1304, 298),
    Header(1473, "面光源のオプション", 316),
    Label(1506, "光源の横方向の数", 6, 332, 130),
    Number(1547, 344), Spin(1308, 344), Meter(1311, 344),
    Label(1510, "光源の縦方向の数", 6, 360, 130),
    Number(1548, 372), Spin(1315, 372), Meter(1319, 372),
    {DialogControl::Button, 1511, "面の横方向", 4, 388, 132, 38, kFrame},
    Label(kNoId, "X", 10, 398, 38), Label(kNoId, "Y", 52, 398, 38), Label(kNoId, "Z", 94, 398, 38),
    Field(1542, 8, 408, 40), Field(1543, 50, 408, 40), Field(1544, 92, 408, 40),
    {DialogControl::Button, 1512, "面の縦方向", 4, 428, 132, 38, kFrame},
    Label(kNoId, "X", 10, 438, 38), Label(kNoId, "Y", 52, 438, 38), Label(kNoId, "Z", 94, 438, 38),
    Field(1549, 8, 448, 40), Field(1550, 50, 448, 40), Field(1551, 92, 448, 40),
    Label(1515, "適合サンプリング", 6, 470, 130),
    Number(1552, 482), Spin(1452, 482), Meter(1453, 482),
    Check(1553, "ジッター", 6, 498, 50),
    Check(1554, "スポットライト化", 58, 498, 80),
    Header(1457, "光の減衰", 514),
    Check(1531, "光の減衰", 6, 530, 130),
    Label(1454, "指定した明るさになる距離", 6, 544, 130),
    Number(1576, 556), Spin(1459, 556),
    Label(1455, "変化の度合い", 6, 572, 130),
    Number(1514, 584), Spin(1461, 584),
    Header(1480, "オプション", 602),
    Check(1099, "parallel", 6, 618, 42),
    Check(1101, "circular", 50, 618, 44),
    Check(1103, "orient", 96, 618, 40),
    {DialogControl::Button, 1499, "shadow_pigment", 4, 632, 132, 28, kFrame},
    Check(1733, "shadow_pigment", 10, 645, 90),
    {DialogControl::Button, 1731, "color", 104, 643, 26, 12, kDrawn | WS_TABSTOP},
};

// The pictures of the light types.
constexpr const char* kPointLight[] = {
    "................",
    ".......YY.......",
    "...Y...YY...Y...",
    "....Y......Y....",
    "......kkkk......",
    ".....kYYYYk.....",
    ".YY.kYYwYYYk.YY.",
    ".YY.kYwYYYYk.YY.",
    "....kYYYYYYk....",
    ".....kYYYYk.....",
    "......kddk......",
    "....Y.kssk.Y....",
    "...Y..kddk..Y...",
    "......kssk......",
    ".......kk.......",
    "................",
};

constexpr const char* kSpotLight[] = {
    "................",
    "..kkkk..........",
    ".kddddk.........",
    ".kdsssdk........",
    ".kdssssdk.......",
    "..kdssssdk......",
    "...kdsssdYY.....",
    "....kdddYYYY....",
    ".....kkYYYYYY...",
    "......YYYYYYYY..",
    ".......YYYYYYYY.",
    "........YYYYYYY.",
    ".........YYYYYY.",
    "..........YYYYY.",
    "...........YYYY.",
    "................",
};

constexpr const char* kCylinderLight[] = {
    "................",
    "....kkkkkkkk....",
    "...kddddddddk...",
    "...kdssssssdk...",
    "...kkkkkkkkkk...",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "....YYYYYYYY....",
    "................",
};

constexpr const char* kAreaLight[] = {
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kYYYkYYYkYYYYk.",
    ".kYwYkYwYkYYwYk.",
    ".kYYYkYYYkYYYYk.",
    ".kkkkkkkkkkkkkk.",
    ".kYYYkYYYkYYYYk.",
    ".kYwYkYwYkYYwYk.",
    ".kYYYkYYYkYYYYk.",
    ".kkkkkkkkkkkkkk.",
    ".kYYYkYYYkYYYYk.",
    ".kYwYkYwYkYYwYk.",
    ".kYYYkYYYkYYYYk.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "................",
};

// clang-format on

constexpr DialogTemplate kTemplates[] = {
    {146, "", 134, 290, WS_CHILD, kLightPage},
    {149, "", kWidth, 664, WS_CHILD, kLightPanel},
};

constexpr IconResource kIcons[] = {
    {IDI_POINT_LIGHT, {16, 16, kPointLight}},
    {IDI_SPOT_LIGHT, {16, 16, kSpotLight}},
    {IDI_CYLINDER_LIGHT, {16, 16, kCylinderLight}},
    {IDI_AREA_LIGHT, {16, 16, kAreaLight}},
};

} // namespace

std::span<const DialogTemplate> LightDialogTemplates() {
    return kTemplates;
}

std::span<const IconResource> LightIcons() {
    return kIcons;
}
