#pragma once
// The tab control: a row of tabs whose pages the parent places itself over
// the control's area. A tab the user chose is told to the parent with
// WM_NOTIFY TCN_SELCHANGE; SetCurSel sends nothing. The control is never
// smaller than its row of tabs: made or moved smaller, it grows right and down.
#include "platform/ui/controls.h"

class CTabCtrl : public CControlWnd {
public:
    const char* GetRuntimeClassName() const override { return "CTabCtrl"; }

    // Returns the index of the new tab, -1 when it failed.
    int InsertItem(int index, const char* text);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // Returns the tab selected before, -1 for none or a bad index.
    int SetCurSel(int index);
    // The tab's rectangle in the control's client area: as high as the row
    // of tabs, around the tab's label; FALSE for a tab scrolled out of sight.
    // Before the control is on screen the tabs share the row equally.
    BOOL GetItemRect(int index, CRect* rect) const;

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    void OnSize(UINT type, int cx, int cy) override;
};
