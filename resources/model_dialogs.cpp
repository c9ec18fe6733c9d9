#include "resources/resource_parts.h"

#include <array>

// Dialog templates of the modelling commands: typed transforms, the array,
// shift position and align points, and the small curve, patch and text
// dialogs with the knife window. Each dialog is laid out once and filled
// with the texts of each language. Spins are owner-drawn buttons.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kTool = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kReadOnly = kField | ES_READONLY;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX;
constexpr DWORD kRadio = WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr UINT kNoId = 0xFFFF;

constexpr DialogItemTemplate Label(const char* text, short x, short y, short cx, UINT id = kNoId) {
    return {DialogControl::Static, id, text, x, y, cx, 11, WS_VISIBLE};
}
constexpr DialogItemTemplate Edit(UINT id, short x, short y, short cx, DWORD style = kField) {
    return {DialogControl::Edit, id, "", x, y, cx, 13, style};
}
constexpr DialogItemTemplate Spin(UINT id, short x, short y) {
    return {DialogControl::Button, id, "", x, y, 9, 13, kDrawn};
}
constexpr DialogItemTemplate Button(UINT id, const char* text, short x, short y, short cx, short cy,
                                    DWORD style) {
    return {DialogControl::Button, id, text, x, y, cx, cy, style};
}
constexpr DialogItemTemplate Ok(short x, short y) {
    return Button(1, "OK", x, y, 50, 14, kTab | WS_GROUP | BS_DEFPUSHBUTTON);
}
constexpr DialogItemTemplate Cancel(short x, short y) {
    return Button(2, "Cancel", x, y, 50, 14, kTab);
}

// Numeric transform (128): x, y and z, each a number field with its spin.
// Its title follows the mode; the template's is that of translate.
constexpr DialogItemTemplate kNumericTransform[] = {
    Label("X", 7, 9, 10),   Edit(1063, 20, 7, 60),
    Spin(1475, 81, 7),      Label("Y", 7, 27, 10),
    Edit(1462, 20, 25, 60), Spin(1478, 81, 25),
    Label("Z", 7, 45, 10),  Edit(1464, 20, 43, 60),
    Spin(1481, 81, 43),     Ok(100, 6),
    Cancel(100, 24),
};

// Array (209): the count, then rotation, scale and translation per axis.
constexpr short kArrayColumn[3] = {52, 108, 164};
constexpr UINT kArrayEdits[3][3] = {{1229, 1243, 1257}, {1231, 1248, 1261}, {1239, 1252, 1265}};
constexpr UINT kArraySpins[3][3] = {{1235, 1246, 1259}, {1237, 1250, 1263}, {1241, 1254, 1268}};
constexpr auto ArrayItems() {
    std::array<DialogItemTemplate, 3 + 3 + 3 * 7 + 2> items{};
    size_t n = 0;
    items[n++] = Label("Count", 7, 9, 42);
    items[n++] = Edit(1226, kArrayColumn[0], 7, 45);
    items[n++] = Spin(1232, kArrayColumn[0] + 46, 7);
    const char* const axes[3] = {"x", "y", "z"};
    for (int c = 0; c < 3; ++c)
        items[n++] = Label(axes[c], static_cast<short>(kArrayColumn[c] + 20), 28, 10);
    const char* const rows[3] = {"Rotate", "Scale", "Translate"};
    for (int r = 0; r < 3; ++r) {
        const short y = static_cast<short>(40 + r * 18);
        items[n++] = Label(rows[r], 7, static_cast<short>(y + 2), 42);
        for (int c = 0; c < 3; ++c) {
            items[n++] = Edit(kArrayEdits[r][c], kArrayColumn[c], y, 45);
            items[n++] = Spin(kArraySpins[r][c], static_cast<short>(kArrayColumn[c] + 46), y);
        }
    }
    items[n++] = Ok(120, 100);
    items[n++] = Cancel(174, 100);
    return items;
}
constexpr auto kArray = ArrayItems();

// Shift position (160): the bounding box shown per axis, the action and the axes.
struct ShiftTexts {
    const char* box;
    const char* size;
    const char* max;
    const char* min;
    const char* action;
    const char* actions[3];
    const char* axis;
    const char* axes[3];
};
constexpr auto ShiftPositionItems(const ShiftTexts& t) {
    std::array<DialogItemTemplate, 1 + 3 + 3 * 4 + 1 + 3 + 1 + 3 + 2> items{};
    size_t n = 0;
    items[n++] = Button(1505, t.box, 7, 4, 206, 76, WS_VISIBLE | BS_GROUPBOX);
    items[n++] = Label(t.size, 40, 16, 50);
    items[n++] = Label(t.max, 98, 16, 50);
    items[n++] = Label(t.min, 156, 16, 50);
    const UINT edits[3][3] = {{1432, 1443, 1440}, {1435, 1444, 1441}, {1438, 1445, 1442}};
    const char* const axes[3] = {"X", "Y", "Z"};
    for (int r = 0; r < 3; ++r) {
        const short y = static_cast<short>(28 + r * 16);
        items[n++] = Label(axes[r], 16, static_cast<short>(y + 2), 12);
        for (int c = 0; c < 3; ++c)
            items[n++] = Edit(edits[r][c], static_cast<short>(38 + c * 58), y, 52, kReadOnly);
    }
    items[n++] = Button(1506, t.action, 7, 84, 130, 54, WS_VISIBLE | BS_GROUPBOX);
    for (int i = 0; i < 3; ++i)
        items[n++] = Button(static_cast<UINT>(1577 + i), t.actions[i], 15, static_cast<short>(96 + i * 13),
                            118, 12, kRadio | (i == 0 ? WS_GROUP | WS_TABSTOP : 0));
    items[n++] = Button(1509, t.axis, 141, 84, 72, 54, WS_VISIBLE | BS_GROUPBOX);
    const UINT checks[3] = {1422, 1426, 1431};
    for (int i = 0; i < 3; ++i)
        items[n++] = Button(checks[i], t.axes[i], 149, static_cast<short>(96 + i * 13), 60, 12,
                            kCheck | (i == 0 ? WS_GROUP : 0));
    items[n++] = Ok(221, 7);
    items[n++] = Cancel(221, 25);
    return items;
}
constexpr auto kShiftPositionJa =
    ShiftPositionItems({"選択された頂点の端の位置",
                        "幅",
                        "最大",
                        "最小",
                        "操作",
                        {"中心を０に移動", "最小の位置を０に移動", "最大の位置を０に移動"},
                        "適用軸",
                        {"X軸", "Y軸", "Z軸"}});
constexpr auto kShiftPositionEn = ShiftPositionItems({"Bounding Box",
                                                      "Size",
                                                      "Max",
                                                      "Min",
                                                      "Action",
                                                      {"Move Center To 0", "Move Min To 0", "Move Max To 0"},
                                                      "Axis",
                                                      {"X", "Y", "Z"}});

// Align points (159): per axis the maximum and minimum as buttons that copy
// their value, whether the axis applies, and the new position.
struct AlignTexts {
    const char* max;
    const char* min;
    const char* apply;
    const char* position;
};
constexpr auto AlignPointsItems(const AlignTexts& t) {
    std::array<DialogItemTemplate, 4 + 3 * 5 + 2> items{};
    size_t n = 0;
    items[n++] = Label(t.max, 20, 6, 56);
    items[n++] = Label(t.min, 80, 6, 56);
    items[n++] = Label(t.apply, 140, 6, 26);
    items[n++] = Label(t.position, 168, 6, 60);
    const UINT maxButtons[3] = {1425, 1429, 1437};
    const UINT minButtons[3] = {1423, 1428, 1434};
    const UINT checks[3] = {1422, 1426, 1431};
    const UINT edits[3] = {1063, 1462, 1464};
    const char* const axes[3] = {"X", "Y", "Z"};
    for (int r = 0; r < 3; ++r) {
        const short y = static_cast<short>(18 + r * 17);
        items[n++] = Label(axes[r], 7, static_cast<short>(y + 2), 10);
        items[n++] = Button(maxButtons[r], "", 20, y, 56, 14, kTab);
        items[n++] = Button(minButtons[r], "", 80, y, 56, 14, kTab);
        items[n++] = Button(checks[r], "", 146, y, 14, 14, kCheck);
        items[n++] = Edit(edits[r], 168, y, 60);
    }
    items[n++] = Ok(124, 74);
    items[n++] = Cancel(178, 74);
    return items;
}
constexpr auto kAlignPointsJa = AlignPointsItems({"最大", "最小", "適用", "新しい位置"});
constexpr auto kAlignPointsEn = AlignPointsItems({"Max", "Min", "Apply", "Position"});

// Extrude along the selected curve (132): the circle's radius.
constexpr auto ExtrudeCurveItems(const char* radius) {
    return std::array<DialogItemTemplate, 5>{
        Label(radius, 7, 9, 40, 1496), Edit(1519, 50, 7, 50), Spin(1160, 101, 7), Ok(120, 6), Cancel(120, 24),
    };
}
constexpr auto kExtrudeCurveJa = ExtrudeCurveItems("円の半径");
constexpr auto kExtrudeCurveEn = ExtrudeCurveItems("Radius");

// Subdivide the selected curve (200): the count, and only the selected segment.
constexpr auto SubdivideCurveItems(const char* count, const char* onlySelected) {
    return std::array<DialogItemTemplate, 6>{
        Label(count, 7, 9, 40, 1496),
        Edit(1063, 50, 7, 50),
        Spin(1475, 101, 7),
        Button(1422, onlySelected, 7, 27, 100, 12, kCheck | WS_GROUP),
        Ok(120, 6),
        Cancel(120, 24),
    };
}
constexpr auto kSubdivideCurveJa = SubdivideCurveItems("分割数", "選択部分のみ");
constexpr auto kSubdivideCurveEn = SubdivideCurveItems("Subdivide", "Only Select Part");

// Smoothness (117): one whole number.
constexpr DialogItemTemplate kSmoothness[] = {
    Edit(1063, 10, 9, 50),
    Spin(1475, 61, 9),
    Ok(80, 6),
    Cancel(80, 24),
};

// Five-point patch (243): what to do with the selected points' flag.
constexpr auto FivePointItems(const char* enable, const char* disable, const char* invert) {
    return std::array<DialogItemTemplate, 5>{
        Button(1577, enable, 7, 7, 100, 12, kRadio | WS_GROUP | WS_TABSTOP),
        Button(1578, disable, 7, 21, 100, 12, kRadio),
        Button(1579, invert, 7, 35, 100, 12, kRadio),
        Ok(115, 6),
        Cancel(115, 24),
    };
}
constexpr auto kFivePointJa = FivePointItems("有効にする", "無効にする", "状態を反転する");
constexpr auto kFivePointEn = FivePointItems("Enable Selected", "Disable Selected", "Invert");

// Text (210): the text, the Font button and the chosen face.
constexpr DialogItemTemplate kText[] = {
    Label("Text", 7, 9, 22),
    Edit(1063, 32, 7, 140),
    Button(1475, "Font", 7, 26, 40, 14, kTab),
    Edit(1462, 50, 27, 122, kReadOnly),
    Ok(182, 6),
    Cancel(182, 24),
};

// Knife (221): three picture radio buttons, one per way of cutting.
constexpr DialogItemTemplate kKnife[] = {
    Button(1577, "", 5, 5, 26, 24, kRadio | BS_PUSHLIKE | BS_BITMAP | WS_GROUP | WS_TABSTOP),
    Button(1578, "", 33, 5, 26, 24, kRadio | BS_PUSHLIKE | BS_BITMAP),
    Button(1579, "", 61, 5, 26, 24, kRadio | BS_PUSHLIKE | BS_BITMAP),
};

constexpr DialogTemplate kJapanese[] = {
    {128, "移動", 158, 62, kModal, kNumericTransform},
    {209, "配列", 230, 120, kModal, kArray},
    {160, "位置合わせ", 278, 144, kModal, kShiftPositionJa},
    {159, "頂点の位置を揃える", 236, 94, kModal, kAlignPointsJa},
    {132, "カーブに沿って押し出し", 178, 44, kModal, kExtrudeCurveJa},
    {200, "選択されたカーブを分割", 178, 44, kModal, kSubdivideCurveJa},
    {117, "滑らかさ", 138, 44, kModal, kSmoothness},
    {243, "5point patch", 173, 52, kModal, kFivePointJa},
    {210, "Text", 240, 46, kModal, kText},
    {221, "ナイフ", 92, 34, kTool, kKnife},
};
constexpr DialogTemplate kEnglish[] = {
    {128, "Translate", 158, 62, kModal, kNumericTransform},
    {209, "配列", 230, 120, kModal, kArray},
    {160, "Shift Position", 278, 144, kModal, kShiftPositionEn},
    {159, "Align Points", 236, 94, kModal, kAlignPointsEn},
    {132, "Extrude (select curve)", 178, 44, kModal, kExtrudeCurveEn},
    {200, "Subdivide Select Curve", 178, 44, kModal, kSubdivideCurveEn},
    {117, "subdivision", 138, 44, kModal, kSmoothness},
    {243, "5point patch", 173, 52, kModal, kFivePointEn},
    {210, "Text", 240, 46, kModal, kText},
    {221, "Knife", 92, 34, kTool, kKnife},
};

} // namespace

std::span<const DialogTemplate> ModelDialogTemplates(ResourceLanguage language) {
    return language == ResourceLanguage::English ? std::span<const DialogTemplate>(kEnglish)
                                                 : std::span<const DialogTemplate>(kJapanese);
}
