#pragma once
// Help > Help: the program's help page in the desktop's browser.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

// Opens page with xdg-open. A missing page, or no xdg-open to open it with,
// is told to the user in his language, naming the page; FALSE then. An
// xdg-open that finds no browser, or whose browser fails, is told so once it
// has ended.
BOOL ShowHelpPage(const CString& page);
