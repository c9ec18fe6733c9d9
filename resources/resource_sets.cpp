#include "resources/resource_parts.h"
#include "resources/resource_tables.h"

#include <initializer_list>
#include <vector>

namespace {

template <class T> std::vector<T> Join(std::span<const T> first, std::span<const T> second) {
    std::vector<T> joined(first.begin(), first.end());
    joined.insert(joined.end(), second.begin(), second.end());
    return joined;
}

// The parts in order, one table.
template <class T> std::vector<T> JoinAll(std::initializer_list<std::span<const T>> parts) {
    std::vector<T> joined;
    for (const std::span<const T> part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// The main menu, the polygon-editing main menu and the pane popup menus of a language.
std::vector<MenuResource> LanguageMenus(ResourceLanguage language) {
    const bool english = language == ResourceLanguage::English;
    const std::vector<MenuResource> own = {
        {english ? IDR_MAINFRAME_EN : IDR_MAINFRAME_JA, MainMenuEntries(language, false)},
        {english ? IDR_POLYGON_MENU_EN : IDR_POLYGON_MENU_JA, MainMenuEntries(language, true)},
        {english ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA, PaneMenuEntries(language)},
    };
    return Join<MenuResource>(SharedMenus(), own);
}

} // namespace

const ResourceSet& GetResourceSet(ResourceLanguage language) {
    // Each set's accelerator table goes with its main menu's id.
    static const AcceleratorResource japaneseKeys[] = {{IDR_MAINFRAME_JA, ShortcutSlotAccelerators()}};
    static const AcceleratorResource englishKeys[] = {{IDR_MAINFRAME_EN, ShortcutSlotAccelerators()}};
    static const std::vector<MenuResource> japaneseMenus = LanguageMenus(ResourceLanguage::Japanese);
    static const std::vector<MenuResource> englishMenus = LanguageMenus(ResourceLanguage::English);
    static const std::vector<StringEntry> japaneseStrings =
        Join<StringEntry>(Join(JapaneseStrings(), AppStrings()), MenuPrompts(ResourceLanguage::Japanese));
    static const std::vector<StringEntry> japaneseAllStrings =
        Join<StringEntry>(japaneseStrings, TabToolBarTips(ResourceLanguage::Japanese));
    static const std::vector<StringEntry> englishStrings =
        Join<StringEntry>(Join(EnglishStrings(), AppStrings()), MenuPrompts(ResourceLanguage::English));
    static const std::vector<StringEntry> englishAllStrings =
        Join<StringEntry>(englishStrings, TabToolBarTips(ResourceLanguage::English));
    static const std::vector<DialogTemplate> japaneseDialogs = JoinAll<DialogTemplate>({
        JapaneseDialogTemplates(),
        SharedAppDialogTemplates(),
        ValueDialogTemplates(),
        ShortcutDialogTemplates(),
        AboutDialogTemplates(ResourceLanguage::Japanese),
        ExchangeDialogTemplates(ResourceLanguage::Japanese),
        ExchangeOptionDialogTemplates(),
        SideBarDialogTemplates(),
        RenderDialogTemplates(),
        SettingsDialogTemplates(),
        ModelDialogTemplates(ResourceLanguage::Japanese),
        MaterialDialogTemplates(),
        ColorDialogTemplates(),
        ViewportDialogTemplates(),
        LightDialogTemplates(),
        BarDialogTemplates(),
    });
    static const std::vector<DialogTemplate> englishDialogs = JoinAll<DialogTemplate>({
        EnglishDialogTemplates(),
        SharedAppDialogTemplates(),
        ValueDialogTemplates(),
        ShortcutDialogTemplates(),
        AboutDialogTemplates(ResourceLanguage::English),
        ExchangeDialogTemplates(ResourceLanguage::English),
        ExchangeOptionDialogTemplates(),
        SideBarDialogTemplates(),
        RenderDialogTemplates(),
        SettingsDialogTemplates(),
        ModelDialogTemplates(ResourceLanguage::English),
        MaterialDialogTemplates(),
        ColorDialogTemplates(),
        ViewportDialogTemplates(),
        LightDialogTemplates(),
        BarDialogTemplates(),
    });
    static const std::vector<IconResource> icons =
        JoinAll<IconResource>({SharedIcons(), SideBarIcons(), LightIcons()});
    static const std::vector<ToolBarResource> toolBars =
        JoinAll<ToolBarResource>({SharedToolBars(), TabToolBars()});
    static const std::vector<CursorResource> cursors =
        JoinAll<CursorResource>({SharedCursors(), SideBarCursors()});
    static const ResourceSet japanese{japaneseMenus,   japaneseKeys,   japaneseAllStrings,
                                      japaneseDialogs, toolBars,       icons,
                                      cursors,         SharedBitmaps()};
    static const ResourceSet english{englishMenus, englishKeys, englishAllStrings, englishDialogs,
                                     toolBars,     icons,       cursors,           SharedBitmaps()};
    return language == ResourceLanguage::English ? english : japanese;
}
