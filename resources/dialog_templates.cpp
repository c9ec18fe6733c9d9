#include "resources/resource_parts.h"

#include <array>

// Dialog templates of both sets. A dialog whose texts change with the
// language is laid out once and filled with each language's texts.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;

constexpr DialogItemTemplate Button(UINT id, const char* text, short x, short y, short cx, short cy,
                                    DWORD style) {
    return {DialogControl::Button, id, text, x, y, cx, cy, kTab | style};
}

// Insert sections (242): two columns of six check boxes in id order, OK
// under them; there is no Cancel.
constexpr UINT kInsertFileBoxes[12] = {1422, 1426, 1431, 1693, 1695, 1697,
                                       1699, 1701, 1703, 1705, 1706, 1707};

constexpr std::array<DialogItemTemplate, 13> InsertFileItems(const std::array<const char*, 12>& texts) {
    constexpr short kColumnWidth = 118;
    constexpr short kRowStep = 14;
    std::array<DialogItemTemplate, 13> items{};
    for (int i = 0; i < 12; ++i) {
        const short x = static_cast<short>(i < 6 ? 7 : 7 + kColumnWidth + 6);
        const short y = static_cast<short>(7 + (i % 6) * kRowStep);
        items[i] = Button(kInsertFileBoxes[i], texts[i], x, y, kColumnWidth, 12,
                          BS_AUTOCHECKBOX | (i == 0 ? WS_GROUP : 0));
    }
    items[12] = Button(1, "OK", 199, 97, 50, 14, BS_DEFPUSHBUTTON | WS_GROUP);
    return items;
}

constexpr auto kInsertFileJa = InsertFileItems({
    "オブジェクト情報",
    "ライト情報",
    "マテリアル情報",
    "カメラ情報",
    "背景色",
    "デフォルトマテリアル設定",
    "インクルードファイル",
    "Global Settings",
    "Radiosity",
    "Post Process",
    "メモカメラ",
    "背景画像",
});
constexpr auto kInsertFileEn = InsertFileItems({
    "Object Info",
    "Light Info",
    "Material Info",
    "Camera Info",
    "Background Color",
    "Default Material Setting",
    "Include Files",
    "Global Settings",
    "Radiosity",
    "Post Process",
    "Memo Camera",
    "Background Image",
});

// Interface language (188): asked before any language is chosen, so both
// sets show the same texts.
constexpr DialogItemTemplate kSelectResourceType[] = {
    Button(1, "Japanese", 10, 10, 60, 14, BS_DEFPUSHBUTTON | WS_GROUP),
    Button(2, "English", 80, 10, 60, 14, 0),
};

constexpr DialogTemplate kJapanese[] = {
    {188, "Select Resource Type", 150, 34, kModal, kSelectResourceType},
    {242, "Insert quelaForm File", 256, 118, kModal, kInsertFileJa},
};
constexpr DialogTemplate kEnglish[] = {
    {188, "Select Resource Type", 150, 34, kModal, kSelectResourceType},
    {242, "Insert quelaForm File", 256, 118, kModal, kInsertFileEn},
};

} // namespace

std::span<const DialogTemplate> JapaneseDialogTemplates() {
    return kJapanese;
}

std::span<const DialogTemplate> EnglishDialogTemplates() {
    return kEnglish;
}
