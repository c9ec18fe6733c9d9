#pragma once
// The tables each file of resources/ contributes to the two sets.
#include "resources/resource_format.h"

std::span<const DialogTemplate> JapaneseDialogTemplates();
std::span<const DialogTemplate> EnglishDialogTemplates();
std::span<const StringEntry> JapaneseStrings();
std::span<const StringEntry> EnglishStrings();
std::span<const MenuResource> SharedMenus();
std::span<const ToolBarResource> SharedToolBars();
