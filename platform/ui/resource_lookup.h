#pragma once
// The resource set of the chosen interface language. Every lookup tries that
// set first and then the other one, so a resource that only one set has (the
// main menus 103 and 140) is found whatever the language.
#include "platform/base/cstring.h"
#include "resources/resource_format.h"

// Japanese until the program chooses.
void SetResourceLanguage(ResourceLanguage language);
ResourceLanguage GetResourceLanguage();

const MenuResource* FindMenuResource(UINT id);
const AcceleratorResource* FindAcceleratorResource(UINT id);
const DialogTemplate* FindDialogTemplate(UINT id);
const ToolBarResource* FindToolBarResource(UINT id);
const IconResource* FindIconResource(UINT id);
const CursorResource* FindCursorResource(UINT id);
const BitmapResource* FindBitmapResource(UINT id);
// The string, or empty when no set has it.
CString LoadResourceString(UINT id);
// The part of a command's string before the line feed, and the part after it.
CString CommandPrompt(UINT id);
CString CommandToolTip(UINT id);
