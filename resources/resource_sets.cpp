#include "resources/resource_parts.h"
#include "resources/resource_tables.h"

const ResourceSet& GetResourceSet(ResourceLanguage language) {
    // Each set's accelerator table goes with its main menu's id.
    static const AcceleratorResource japaneseKeys[] = {{IDR_MAINFRAME_JA, ShortcutSlotAccelerators()}};
    static const AcceleratorResource englishKeys[] = {{IDR_MAINFRAME_EN, ShortcutSlotAccelerators()}};
    static const ResourceSet japanese{SharedMenus(), japaneseKeys, JapaneseStrings(),
                                      JapaneseDialogTemplates(), SharedToolBars()};
    static const ResourceSet english{SharedMenus(), englishKeys, EnglishStrings(), EnglishDialogTemplates(),
                                     SharedToolBars()};
    return language == ResourceLanguage::English ? english : japanese;
}
