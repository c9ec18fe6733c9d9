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
    Radio(1535, "点光源", 6, 88, 130, true),
    Radio(1536, "スポットライト", 6, 100, 130, false),
    Radio(1537, "円筒状光源", 6, 112, 130, false),
    Radio(1538, "面光源", 6, 124, 130, false),
    Header(1152, "オプション", 142),
    Check(1289, "影を作らない", 6, 158, 130),
    Check(1295, "大気によって光が弱まる", 6, 170, 130),
    Check(1301, "大気の影響を受ける", 6, 182, 130),
    Header(1467, "スポットライトのオプション", 198),
    {DialogControl::Button, 1496, "照らす位置", 4, 212, 132, 38, kFrame},
    Label(kNoId, "X", 10, 222, 38), Label(kNoId, "Y", 52, 222, 38), Label(kNoId, "Z", 94, 222, 38),
    Field(1539, 8, 232, 40), Field(1541, 50, 232, 40), Field(1540, 92, 232, 40),
    Label(1497, "完全に明るく照らす角度", 6, 254, 130),
    Number(1519, 266), Spin(1160, 266), Meter(1169, 266),
    Label(1498, "完全に暗くなるまでの角度", 6, 282, 130),
    Number(1545, 294), Spin(1233, 294), Meter(1277, 294),
    Label(1505, "タイトネス", 6, 310, 130),
    Number(1546, 322), Spin(1285, 322), Meter(1304, 322),
    Header(1473, "面光源のオプション", 340),
    Label(1506, "光源の横方向の数", 6, 356, 130),
    Number(1547, 368), Spin(1308, 368), Meter(1311, 368),
    Label(1510, "光源の縦方向の数", 6, 384, 130),
    Number(1548, 396), Spin(1315, 396), Meter(1319, 396),
    {DialogControl::Button, 1511, "面の横方向", 4, 412, 132, 38, kFrame},
    Label(kNoId, "X", 10, 422, 38), Label(kNoId, "Y", 52, 422, 38), Label(kNoId, "Z", 94, 422, 38),
    Field(1542, 8, 432, 40), Field(1543, 50, 432, 40), Field(1544, 92, 432, 40),
    {DialogControl::Button, 1512, "面の縦方向", 4, 452, 132, 38, kFrame},
    Label(kNoId, "X", 10, 462, 38), Label(kNoId, "Y", 52, 462, 38), Label(kNoId, "Z", 94, 462, 38),
    Field(1549, 8, 472, 40), Field(1550, 50, 472, 40), Field(1551, 92, 472, 40),
    Label(1515, "適合サンプリング", 6, 494, 130),
    Number(1552, 506), Spin(1452, 506), Meter(1453, 506),
    Check(1553, "ジッター", 6, 522, 50),
    Check(1554, "スポットライト化", 58, 522, 80),
    Header(1457, "光の減衰", 538),
    Check(1531, "光の減衰", 6, 554, 130),
    Label(1454, "指定した明るさになる距離", 6, 568, 130),
    Number(1576, 580), Spin(1459, 580),
    Label(1455, "変化の度合い", 6, 596, 130),
    Number(1514, 608), Spin(1461, 608),
    Header(1480, "オプション", 626),
    Check(1099, "parallel", 6, 642, 42),
    Check(1101, "circular", 50, 642, 44),
    Check(1103, "orient", 96, 642, 40),
    {DialogControl::Button, 1499, "shadow_pigment", 4, 656, 132, 28, kFrame},
    Check(1733, "shadow_pigment", 10, 669, 90),
    {DialogControl::Button, 1731, "color", 104, 667, 26, 12, kDrawn | WS_TABSTOP},
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
    {149, "", kWidth, 688, WS_CHILD, kLightPanel},
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
