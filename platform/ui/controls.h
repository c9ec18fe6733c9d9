#pragma once
// The standard controls over wx's native ones: buttons (push, check, radio,
// group box, owner-drawn), static texts and frames, edits, list boxes and
// combo boxes. Each tells its parent what the user did with WM_COMMAND
// (its id, a notification code, its handle):
//   buttons BN_CLICKED on every click;
//   edits EN_CHANGE when the user changed the text (SetWindowText sends
//   nothing), EN_SETFOCUS and EN_KILLFOCUS in the default processing of
//   WM_SETFOCUS and WM_KILLFOCUS;
//   list boxes LBN_SELCHANGE when the user changed the selection and
//   LBN_DBLCLK; combo boxes CBN_SELCHANGE when the user chose an entry.
// Nothing is sent for changes the program makes itself.
#include "platform/ui/wnd.h"

#include <cstdint>
#include <vector>

class CBitmap;
class CDC;
using DWORD_PTR = std::uintptr_t;

constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;

constexpr int LB_ERR = -1;
constexpr int CB_ERR = -1;

// What an owner-drawn button draws on.
constexpr UINT ODS_SELECTED = 0x0001; // pressed
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_FOCUS = 0x0010;
struct DRAWITEMSTRUCT {
    UINT CtlID = 0;
    UINT itemState = 0;
    CDC* pDC = nullptr;
    CRect rcItem;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

// What the controls share: they let wx draw and answer input, and tell
// their parent with Notify.
class CControlWnd : public CWnd {
protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Sends WM_COMMAND (id, code, this control) to the parent.
    void Notify(UINT code);
};

class CButton : public CControlWnd {
public:
    const char* GetRuntimeClassName() const override { return "CButton"; }

    // Check boxes and radio buttons: BST_CHECKED or BST_UNCHECKED.
    int GetCheck() const;
    void SetCheck(int check);
    // The BS_ type of the button.
    UINT GetButtonStyle() const { return GetStyle() & BS_TYPEMASK; }

    void SetWindowText(const CString& text) override;
    // A push button or push-like check or radio button with BS_BITMAP shows
    // the picture in place of its text; other buttons ignore it.
    void SetBitmap(const CBitmap& bitmap);

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    // Owner-drawn buttons (BS_OWNERDRAW) draw here; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    void OnPaint() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    // Ends a press of an owner-drawn button without a click: the capture is
    // released and nothing is sent.
    void CancelPress();

private:
    void Clicked();
    void UncheckRestOfGroup();

    bool m_pressed = false; // owner-drawn: the mouse went down on it and holds the capture
    bool m_checked = false;
    // A radio button's hidden partner, checked while the button is not; it
    // dies with the parent window, as wx owns it.
    wxWindow* m_radioPartner = nullptr;
};

class CStatic : public CControlWnd {
public:
    const char* GetRuntimeClassName() const override { return "CStatic"; }
    void SetWindowText(const CString& text) override;

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    void OnPaint() override;
};

class CEdit : public CControlWnd {
public:
    const char* GetRuntimeClassName() const override { return "CEdit"; }
    void SetWindowText(const CString& text) override;
    void GetWindowText(CString& text) const override;
    // Character positions; an end of -1 means the end of the text.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// What list boxes and combo boxes share: one data value per entry, and
// with the sort style new entries go in order of their text, ignoring case.
class CItemListWnd : public CControlWnd {
public:
    int AddString(const char* text);
    int InsertString(int index, const char* text); // -1 appends; never sorts
    int DeleteString(int index);                   // returns the count left, -1 for a bad index
    void ResetContent();
    int GetCount() const { return static_cast<int>(m_data.size()); }
    // The first entry after startAfter (-1: from the start, round the end)
    // whose text equals, ignoring case; -1 when none does.
    int FindStringExact(int startAfter, const char* text) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);

protected:
    explicit CItemListWnd(DWORD sortStyle) : m_sortStyle(sortStyle) {}
    // The text of an entry, empty for a bad index.
    CString TextAt(int index) const;
    std::vector<DWORD_PTR> m_data;

private:
    DWORD m_sortStyle;
};

class CListBox : public CItemListWnd {
public:
    CListBox() : CItemListWnd(LBS_SORT) {}
    const char* GetRuntimeClassName() const override { return "CListBox"; }

    // Returns the length of the text, LB_ERR for a bad index.
    int GetText(int index, CString& text) const;

    // Single selection.
    int GetCurSel() const;
    int SetCurSel(int index); // -1 clears
    // Extended selection (LBS_EXTENDEDSEL).
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE); // -1: every entry
    int GetSelCount() const;
    std::vector<int> GetSelItems() const;

    // The entry under a client point; outside is TRUE when the point lies
    // below the last entry (the nearest entry is returned then).
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
};

class CComboBox : public CItemListWnd {
public:
    CComboBox() : CItemListWnd(CBS_SORT) {}
    const char* GetRuntimeClassName() const override { return "CComboBox"; }

    int GetCurSel() const;
    int SetCurSel(int index);
    void GetLBText(int index, CString& text) const { text = TextAt(index); }
    void SetWindowText(const CString& text) override;
    void GetWindowText(CString& text) const override;

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;

private:
    // GTK measures a list field by the entry it shows: one showing no entry
    // is made too low for text. The field grows once it shows one.
    void FitHeightToShownEntry();
};

// The position at which a sorted list puts a new text: after every entry
// that does not come later, ignoring case.
int SortedInsertPosition(const std::vector<CString>& texts, const CString& text);
