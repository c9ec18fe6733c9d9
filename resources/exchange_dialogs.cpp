#include "resources/resource_parts.h"

#include <array>

// The dialogs of the exchange formats: the sPatch import settings (114), a
// group of options over a group of the eight layer colours, one label and
// swatch per layer, and OK and Cancel under them.
namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr UINT kLabelIds[8] = {1496, 1497, 1498, 1505, 1506, 1509, 1510, 1511};
constexpr UINT kColorIds[8] = {1003, 1006, 1010, 1016, 1042, 1050, 1299, 1474};
constexpr short kWidth = 150;
constexpr short kRowStep = 16;

struct ImportTexts {
    const char* option;
    const char* shiftCenter;
    const char* color;
    std::array<const char*, 8> layers;
};

constexpr std::array<DialogItemTemplate, 21> ImportSettingsItems(const ImportTexts& texts) {
    std::array<DialogItemTemplate, 21> items{};
    items[0] = {DialogControl::Button, 1478, texts.option, 0, 2, kWidth, 13, kDrawn};
    items[1] = {
        DialogControl::Button, 1001, texts.shiftCenter, 10, 20, 130, 12, kTab | BS_AUTOCHECKBOX | WS_GROUP};
    items[2] = {DialogControl::Button, 1481, texts.color, 0, 38, kWidth, 13, kDrawn};
    for (int i = 0; i < 8; ++i) {
        const short y = static_cast<short>(56 + i * kRowStep);
        items[3 + 2 * i] = {
            DialogControl::Static, kLabelIds[i], texts.layers[i], 14, static_cast<short>(y + 2), 60, 10,
            WS_VISIBLE | SS_LEFT};
        items[4 + 2 * i] = {DialogControl::Button, kColorIds[i], "", 80, y, 50, 13, kDrawn | WS_TABSTOP};
    }
    items[19] = {DialogControl::Button, 1, "OK", 18, 188, 50, 14, kTab | WS_GROUP | BS_DEFPUSHBUTTON};
    items[20] = {DialogControl::Button, 2, "Cancel", 82, 188, 50, 14, kTab};
    return items;
}

constexpr auto kImportJa = ImportSettingsItems({"オプション",
                                                "中心を原点に移動",
                                                "カラー",
                                                {"レイヤー１", "レイヤー２", "レイヤー３", "レイヤー４",
                                                 "レイヤー５", "レイヤー６", "レイヤー７", "レイヤー８"}});
constexpr auto kImportEn = ImportSettingsItems(
    {"Option",
     "Shift Center",
     "Color",
     {"Layer 1", "Layer 2", "Layer 3", "Layer 4", "Layer 5", "Layer 6", "Layer 7", "Layer 8"}});

constexpr DialogTemplate kJapanese[] = {{114, "インポート設定", kWidth, 208, kModal, kImportJa}};
constexpr DialogTemplate kEnglish[] = {{114, "Import Setting", kWidth, 208, kModal, kImportEn}};

} // namespace

std::span<const DialogTemplate> ExchangeDialogTemplates(ResourceLanguage language) {
    if (language == ResourceLanguage::English)
        return kEnglish;
    return kJapanese;
}
