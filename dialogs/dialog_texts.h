#pragma once
// Windows made from templates that carry the Japanese texts show the English
// ones when the interface is English.
#include "platform/ui/dialog.h"

#include <span>

struct ControlText {
    int id;
    const char* text;
};

// With the English interface: the window's title (unless null) and each
// control's text; with the Japanese one nothing changes.
void ApplyEnglishTexts(CDialog& dialog, const char* title, std::span<const ControlText> texts);
