#pragma once
// "Select Multi Objects": the modeless window of the many-object tools. It
// lists the patch objects, then the polygon objects, and its selection is
// their multi-selection flags; it keeps no state of its own. Enter, Escape
// and the close box leave it open: the mouse modes show and hide it.
#include "app/window_services.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

#include <vector>

class CQuelDoc;

// The objects the list shows, in its order: the patch objects, then the polygon objects.
std::vector<CBaseObj*> MultiObjectListEntries(const CQuelDoc& doc);
// Sets the multi-selection flag of the listed objects at the positions and
// clears every other one.
void ApplyMultiSelection(const CQuelDoc& doc, const std::vector<int>& positions);

class CSelectMultiObjectsDlg : public CDialog, public CMultiObjectDialogServices {
public:
    enum { IDD = 190 };
    CSelectMultiObjectsDlg() : CDialog(IDD, nullptr) {}
    ~CSelectMultiObjectsDlg() override;

    HWND GetWindowHandle() const override { return GetSafeHwnd(); }
    BOOL IsShown() const override { return IsWindowVisible(); }
    void Show(BOOL show) override;
    void PlaceAt(const CRect& screenRect) override;
    void RefreshList() override;
    void ClearList() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    void OnSelChange();
    void OnSelectAll();
    void OnSelectNone();
    void SelectAll(int flag);

    CListBox m_list;
    CButton m_selectAll;
    CButton m_selectNone;
};
