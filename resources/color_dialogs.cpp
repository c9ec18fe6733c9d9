#include "resources/material_items.h"
#include "resources/resource_parts.h"
#include "resources/rgbft_ids.h"

// Dialog templates of the colour panels of the material page: the solid
// colour (162), checker (163), hexagon (164), brick (177) and colour-map
// (170) panels. Each colour entry is one block: a tall swatch, the fields R,
// G, B, F and T with spins and sliders, and a small grey swatch beside F
// and beside T.
namespace {

using namespace material_items;

constexpr UINT kNoId = 0xFFFF;
constexpr short kBlockHeight = 75;
constexpr short kRow = 15;

// Block k (1 to 3) from y down, its labels taking ids from firstLabel on.
constexpr std::array<DialogItemTemplate, 23> BlockItems(int k, short y, UINT firstLabel) {
    const RgbftIds& ids = kRgbftBlocks[k - 1];
    constexpr const char* kNames[5] = {"R", "G", "B", "F", "T"};
    std::array<DialogItemTemplate, 23> items{};
    items[0] = {DialogControl::Button, ids.swatch, "", 6, y, 20, 5 * kRow - 2, kDrawn};
    for (int r = 0; r < 5; ++r) {
        const short row = static_cast<short>(y + r * kRow);
        const size_t at = static_cast<size_t>(1 + 4 * r);
        items[at] = Label(firstLabel + static_cast<UINT>(r), kNames[r], 31, static_cast<short>(row + 2), 8);
        items[at + 1] = {DialogControl::Edit, ids.edits[r], "", 40, row, 28, 13, kField};
        items[at + 2] = {DialogControl::Button, ids.spins[r], "", 68, row, 9, 13, kDrawn};
        items[at + 3] = {
            DialogControl::Button, ids.meters[r], "", 80, static_cast<short>(row + 2), 36, 9, kDrawn};
    }
    items[21] = {
        DialogControl::Button, ids.filterSwatch, "", 120, static_cast<short>(y + 3 * kRow), 14, 12, kDrawn};
    items[22] = {
        DialogControl::Button, ids.transmitSwatch, "", 120, static_cast<short>(y + 4 * kRow), 14, 12, kDrawn};
    return items;
}

// The header of block k and the block below it.
constexpr std::array<DialogItemTemplate, 24> HeadedBlock(int k, const char* caption, short y,
                                                         UINT firstLabel) {
    constexpr UINT kHeaders[3] = {1475, 1478, 1481};
    std::array<DialogItemTemplate, 24> items{};
    items[0] = Header(kHeaders[k - 1], caption, y);
    const auto block = BlockItems(k, static_cast<short>(y + 18), firstLabel);
    for (size_t i = 0; i < block.size(); ++i)
        items[i + 1] = block[i];
    return items;
}

// The parts one after the other, as one table.
template <size_t... N> constexpr auto Joined(const std::array<DialogItemTemplate, N>&... parts) {
    std::array<DialogItemTemplate, (N + ...)> all{};
    size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return all;
}

constexpr short kBlockStep = 18 + kBlockHeight + 4;

constexpr auto kSolidColor = HeadedBlock(1, "Color", 2, 1900);
constexpr auto kChecker =
    Joined(HeadedBlock(1, "Color 1", 2, 1900), HeadedBlock(2, "Color 2", 2 + kBlockStep, 1905));
constexpr auto kHexagon =
    Joined(HeadedBlock(1, "Color 1", 2, 1900), HeadedBlock(2, "Color 2", 2 + kBlockStep, 1905),
           HeadedBlock(3, "Color 3", 2 + 2 * kBlockStep, 1910));

// The brick's size and mortar under the header "Option", below two blocks.
constexpr short kOptionTop = 2 + 2 * kBlockStep;
constexpr short At(int offset) {
    return static_cast<short>(kOptionTop + offset);
}
constexpr std::array<DialogItemTemplate, 14> kBrickOption = {{
    Header(1481, "Option", kOptionTop),
    {DialogControl::Button, kNoId, "Ｂｒｉｃｋ Size", 6, At(17), 128, 58, WS_VISIBLE | BS_GROUPBOX},
    Label(1910, "x", 14, At(31), 10),
    Number(1159, 30, At(29)),
    Spin(1157, 30, At(29)),
    Label(1911, "y", 14, At(46), 10),
    Number(1161, 30, At(44)),
    Spin(1164, 30, At(44)),
    Label(1912, "z", 14, At(61), 10),
    Number(1167, 30, At(59)),
    Spin(1170, 30, At(59)),
    Label(1913, "Mortar", 8, At(81), 36),
    Number(1172, 46, At(79)),
    Spin(1174, 46, At(79)),
}};
constexpr auto kBrick =
    Joined(HeadedBlock(1, "Color 1", 2, 1900), HeadedBlock(2, "Color 2", 2 + kBlockStep, 1905), kBrickOption);

// The colour map: the editor (made over the placeholder 1067) with its
// buttons, the selected stop's block, then the pattern.
constexpr short kStopTop = 152;
constexpr short kPatternHeader = kStopTop + kBlockHeight + 6;
constexpr std::array<DialogItemTemplate, 8> kMapEditor = {{
    Header(1475, "カラーマップ", 2),
    {DialogControl::Static, 1067, "", 4, 18, 132, 100, WS_VISIBLE},
    {DialogControl::Button, 1653, "add", 4, 121, 43, 13, kTab},
    {DialogControl::Button, 1654, "delete", 48, 121, 43, 13, kTab},
    {DialogControl::Button, 1655, "mirror", 92, 121, 44, 13, kTab},
    {DialogControl::Button, 1656, "space", 4, 135, 43, 13, kTab},
    {DialogControl::Button, 1657, "<-", 48, 135, 43, 13, kTab},
    {DialogControl::Button, 1658, "->", 92, 135, 44, 13, kTab},
}};
constexpr std::array<DialogItemTemplate, 1> kPatternHeaderItem = {
    {Header(1478, "ノイズパターン", kPatternHeader)}};
constexpr auto kColorMap = Joined(kMapEditor, BlockItems(1, kStopTop, 1900), kPatternHeaderItem,
                                  PatternItems(kPatternHeader + 18, 1905));

constexpr DialogTemplate kTemplates[] = {
    {162, "", kWidth, 2 + kBlockStep, WS_CHILD, kSolidColor},
    {163, "", kWidth, 2 + 2 * kBlockStep, WS_CHILD, kChecker},
    {164, "", kWidth, 2 + 3 * kBlockStep, WS_CHILD, kHexagon},
    {177, "", kWidth, At(98), WS_CHILD, kBrick},
    {170, "", kWidth, kPatternHeader + 18 + kPatternItemsHeight, WS_CHILD, kColorMap},
};

} // namespace

std::span<const DialogTemplate> ColorDialogTemplates() {
    return kTemplates;
}
