#include "platform/ui/tab_ctrl.h"

#include "platform/ui/gtk_functions.h"
#include "platform/ui/native_window.h"
#include "platform/ui/window_showing.h"

#include <algorithm>
#include <wx/notebook.h>
#include <wx/panel.h>

namespace {

wxNotebook* Notebook(const CWnd& wnd) {
    return dynamic_cast<wxNotebook*>(wnd.GetNativeWindow());
}

// GTK lays a notebook smaller than its minimum out at a negative page size
// and says so on the error output; the minimum holds the row of tabs and
// the notebook's frame, so it grows with the tabs. wx does not tell it.
wxSize GtkMinimumSize(const wxWindow& window) {
    using GetPreferredSize = void (*)(void*, GtkSize*, GtkSize*);
    const auto preferredSize = GtkFunction<GetPreferredSize>("gtk_widget_get_preferred_size");
    GtkSize minimum{};
    if (preferredSize && window.GetHandle())
        preferredSize(window.GetHandle(), &minimum, nullptr);
    return wxSize(minimum.width, minimum.height);
}

// The notebook grows to its minimum where it was made or moved smaller.
void KeepMinimumSize(wxNotebook& notebook) {
    const wxSize size = notebook.GetSize();
    const wxSize minimum = GtkMinimumSize(notebook);
    if (size.x < minimum.x || size.y < minimum.y)
        notebook.SetSize(std::max(size.x, minimum.x), std::max(size.y, minimum.y));
}

} // namespace

wxWindow* CTabCtrl::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    auto* notebook = MakeOwnedByWx<wxNotebook>(parent, wxID_ANY, wxPoint(cs.x, cs.y), wxSize(cs.cx, cs.cy));
    const HWND h = GetSafeHwnd();
    notebook->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [h](wxBookCtrlEvent& event) {
        event.Skip();
        auto* self = dynamic_cast<CTabCtrl*>(CWnd::FromHandle(h));
        CWnd* parent = self ? self->GetParent() : nullptr;
        if (!parent)
            return;
        NMHDR header{h, static_cast<UINT_PTR>(self->GetDlgCtrlID()), TCN_SELCHANGE};
        parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(self->GetDlgCtrlID()),
                            reinterpret_cast<LPARAM>(&header));
    });
    return notebook;
}

int CTabCtrl::InsertItem(int index, const char* text) {
    wxNotebook* notebook = Notebook(*this);
    if (!notebook)
        return -1;
    const int count = static_cast<int>(notebook->GetPageCount());
    if (index < 0 || index > count)
        index = count;
    // An empty page: the parent shows its own windows over the page area.
    wxPanel* page = MakeOwnedByWx<wxPanel>(notebook);
    notebook->InsertPage(static_cast<size_t>(index), page, wxString::FromUTF8(text ? text : ""), false);
    if (count == 0)
        notebook->ChangeSelection(0);
    KeepMinimumSize(*notebook);
    return index;
}

void CTabCtrl::OnSize(UINT type, int cx, int cy) {
    CControlWnd::OnSize(type, cx, cy);
    if (wxNotebook* notebook = Notebook(*this))
        KeepMinimumSize(*notebook);
}

BOOL CTabCtrl::DeleteAllItems() {
    wxNotebook* notebook = Notebook(*this);
    return notebook && notebook->DeleteAllPages();
}

int CTabCtrl::GetItemCount() const {
    const wxNotebook* notebook = Notebook(*this);
    return notebook ? static_cast<int>(notebook->GetPageCount()) : 0;
}

int CTabCtrl::GetCurSel() const {
    const wxNotebook* notebook = Notebook(*this);
    const int selection = notebook ? notebook->GetSelection() : wxNOT_FOUND;
    return selection == wxNOT_FOUND ? -1 : selection;
}

int CTabCtrl::SetCurSel(int index) {
    wxNotebook* notebook = Notebook(*this);
    if (!notebook || index < 0 || index >= GetItemCount())
        return -1;
    const int previous = GetCurSel();
    notebook->ChangeSelection(static_cast<size_t>(index));
    return previous;
}

BOOL CTabCtrl::GetItemRect(int index, CRect* rect) const {
    wxNotebook* notebook = Notebook(*this);
    if (!notebook || index < 0 || index >= GetItemCount())
        return FALSE;
    // wx does not tell where a tab lies: the row of tabs ends where the
    // pages begin, and along the row hit-testing finds the tab's label,
    // which the theme pads on either side.
    const int width = notebook->GetClientSize().x;
    if (!IsPlacedOnScreen(*notebook)) {
        // Nothing is placed before the control is on screen: the row is as
        // high as the theme asks (the notebook's frame adds one pixel below
        // the page), and the tabs share it equally.
        const int count = GetItemCount();
        const int row = notebook->CalcSizeFromPage(wxSize(0, 0)).y - 1;
        *rect = CRect(width * index / count, 0, width * (index + 1) / count, std::max(0, row));
        return row > 0;
    }
    const int height = notebook->GetPage(0)->GetScreenPosition().y - notebook->GetScreenPosition().y;
    int left = -1;
    int right = -1;
    for (int x = 0; x < width; ++x)
        if (notebook->HitTest(wxPoint(x, height / 2)) == index) {
            left = left < 0 ? x : left;
            right = x + 1;
        }
    if (left < 0 || height <= 0)
        return FALSE;
    constexpr int kLabelPadding = 6;
    *rect = CRect(std::max(0, left - kLabelPadding), 0, right + kLabelPadding, height);
    return TRUE;
}
