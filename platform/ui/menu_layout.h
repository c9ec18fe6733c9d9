#pragma once
// GTK measures a menu when it maps it, and wx reports the opening only then.
// Items added or removed by the update handlers at that moment keep the old
// measure: rows shift down and the end hides behind a scroll arrow, so a
// click lands on the item above the one aimed at. A menu of the bar is
// therefore brought up to date when GTK is about to show it, before it
// measures it.
#include "platform/base/win_types.h"

#include <functional>
#include <vector>

class wxMenu;

// Calls opening() each time GTK is about to show menu, before it measures it.
void CallBeforeShowing(wxMenu& menu, std::function<void()> opening);

// Where a shown menu's items lie in its popup window, and that window's size.
struct CShownMenuLayout {
    std::vector<CRect> items;
    CSize window;
};
CShownMenuLayout GetShownMenuLayout(const wxMenu& menu);
