#pragma once
// The tables each file of resources/ contributes to the two sets.
#include "resources/resource_format.h"

std::span<const DialogTemplate> JapaneseDialogTemplates();
std::span<const DialogTemplate> EnglishDialogTemplates();
std::span<const DialogTemplate> SharedAppDialogTemplates();
std::span<const DialogTemplate> AboutDialogTemplates(ResourceLanguage language);
std::span<const DialogTemplate> ExchangeDialogTemplates(ResourceLanguage language);
std::span<const DialogTemplate> ExchangeOptionDialogTemplates();
std::span<const DialogTemplate> ValueDialogTemplates();
std::span<const DialogTemplate> ShortcutDialogTemplates();
std::span<const DialogTemplate> SideBarDialogTemplates();
std::span<const DialogTemplate> RenderDialogTemplates();
std::span<const DialogTemplate> MaterialDialogTemplates();
std::span<const DialogTemplate> ColorDialogTemplates();
std::span<const DialogTemplate> ViewportDialogTemplates();
std::span<const DialogTemplate> SettingsDialogTemplates();
std::span<const DialogTemplate> LightDialogTemplates();
std::span<const StringEntry> JapaneseStrings();
std::span<const StringEntry> EnglishStrings();
std::span<const StringEntry> AppStrings();
std::span<const StringEntry> MenuPrompts(ResourceLanguage language);
std::span<const MenuResource> SharedMenus();
// The flat entries of the main menu (or of polygon editing) and of the pane popup menus.
std::span<const MenuEntry> MainMenuEntries(ResourceLanguage language, bool polygonEditing);
std::span<const MenuEntry> PaneMenuEntries(ResourceLanguage language);
std::span<const ToolBarResource> SharedToolBars();
// The tool bars of the tool tabs, their buttons' prompts and tips, and the bars' dialogs.
std::span<const ToolBarResource> TabToolBars();
std::span<const StringEntry> TabToolBarTips(ResourceLanguage language);
std::span<const DialogTemplate> BarDialogTemplates();
std::span<const IconResource> SharedIcons();
std::span<const CursorResource> SharedCursors();
std::span<const IconResource> SideBarIcons();
std::span<const CursorResource> SideBarCursors();
std::span<const IconResource> LightIcons();
std::span<const BitmapResource> SharedBitmaps();
std::span<const DialogTemplate> ModelDialogTemplates(ResourceLanguage language);
