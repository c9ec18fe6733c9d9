#include "platform/ui/controls.h"

#include "platform/ui/dc.h"
#include "platform/ui/gtk_functions.h"
#include "platform/ui/native_window.h"
#include "platform/ui/sys_color.h"

#include <algorithm>
#include <wx/anybutton.h>
#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

namespace {

wxString ToWx(const CString& text) {
    return wxString::FromUTF8(text.GetString());
}

CString FromWx(const wxString& text) {
    return CString(std::string(text.utf8_str().data()));
}

bool IsRadio(DWORD style) {
    return (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

bool IsCheckOrRadio(DWORD style) {
    const DWORD type = style & BS_TYPEMASK;
    return type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON;
}

// Binds a wx event of a control's native window to a member of the control,
// found again by its handle so that a dead control is never touched.
template <class Control, class Event, class Tag>
void BindToControl(wxWindow* native, const Tag& type, HWND h, void (*handler)(Control&, Event&)) {
    native->Bind(type, [h, handler](Event& event) {
        if (auto* control = dynamic_cast<Control*>(CWnd::FromHandle(h)))
            handler(*control, event);
        else
            event.Skip();
    });
}

// GTK's list turns Enter into a double click of the chosen line, before
// the dialog hears the key: whether the double click being handled is one.
bool IsDoubleClickFromEnter() {
    using CurrentEvent = void* (*)();
    using EventType = int (*)(const void*);
    using FreeEvent = void (*)(void*);
    constexpr int kGdkKeyPress = 8;
    const auto current = GtkFunction<CurrentEvent>("gtk_get_current_event");
    const auto type = GtkFunction<EventType>("gdk_event_get_event_type");
    const auto release = GtkFunction<FreeEvent>("gdk_event_free");
    void* event = current && type && release ? current() : nullptr;
    if (!event)
        return false;
    const bool key = type(event) == kGdkKeyPress;
    release(event);
    return key;
}

wxItemContainer* Items(const CWnd& wnd) {
    return dynamic_cast<wxItemContainer*>(wnd.GetNativeWindow());
}

// A check box or radio button never gets less width than its text needs:
// GTK would cut the text and complain that it got less than its minimum.
// One taller than a line takes a text too wide for it on more lines, broken
// at spaces, as a Windows button with the multi-line style does.
void FitLabelledButton(wxWindow& native, const wxString& text) {
    wxString shown = text;
    native.SetLabel(shown);
    native.InvalidateBestSize();
    wxSize best = native.GetBestSize();
    const wxSize size = native.GetSize();
    int lineHeight = 0;
    native.GetTextExtent("Ag", nullptr, &lineHeight);
    if (best.x > size.x && size.y >= 2 * lineHeight - lineHeight / 4 && !text.Contains('\n')) {
        int textWidth = 0;
        native.GetTextExtent(text, &textWidth, nullptr);
        const int room = size.x - (best.x - textWidth); // less the box and its gap
        wxString line;
        shown.clear();
        for (const wxString& word : wxSplit(text, ' ', '\0')) {
            const wxString longer = line.empty() ? word : line + ' ' + word;
            int width = 0;
            native.GetTextExtent(longer, &width, nullptr);
            if (width > room && !line.empty()) {
                shown += line + '\n';
                line = word;
            } else {
                line = longer;
            }
        }
        shown += line;
        native.SetLabel(shown);
        native.InvalidateBestSize();
        best = native.GetBestSize();
    }
    const int height = shown.Contains('\n') ? std::max(size.y, best.y) : size.y;
    if (best.x > size.x || height > size.y)
        native.SetSize(std::max(size.x, best.x), height);
}

} // namespace

int SortedInsertPosition(const std::vector<CString>& texts, const CString& text) {
    const auto it =
        std::upper_bound(texts.begin(), texts.end(), text, [](const CString& a, const CString& b) {
            return a.CompareNoCase(b.GetString()) < 0;
        });
    return static_cast<int>(it - texts.begin());
}

// ---------------------------------------------------------------------------

LRESULT CControlWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        // The parent may choose; otherwise the control keeps its own cursor.
        CWnd* parent = GetParent();
        return parent ? parent->SendMessage(WM_SETCURSOR, wParam, lParam) : FALSE;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CControlWnd::Notify(UINT code) {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), code),
                            static_cast<LPARAM>(HandleToParam(GetSafeHwnd())));
}

// ---------------------------------------------------------------------------

wxWindow* CButton::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    const wxString label = ToWx(cs.name);
    const wxPoint pos(cs.x, cs.y);
    const wxSize size(cs.cx, cs.cy);
    const bool pushLike = (cs.style & BS_PUSHLIKE) != 0;
    const HWND h = GetSafeHwnd();
    wxWindow* native = nullptr;
    switch (cs.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
    case BS_AUTORADIOBUTTON:
        if (pushLike) {
            native = MakeOwnedByWx<wxToggleButton>(parent, wxID_ANY, label, pos, size);
            BindToControl<CButton, wxCommandEvent>(native, wxEVT_TOGGLEBUTTON, h,
                                                   [](CButton& b, wxCommandEvent&) {
                                                       b.m_checked = !b.m_checked;
                                                       b.Clicked();
                                                   });
        } else if (IsRadio(cs.style)) {
            // Every radio button stands alone for GTK, which would never let
            // a group have none checked; the group is kept here. GTK cannot
            // clear a radio button either: a hidden partner in its native
            // group takes the check instead.
            native = MakeOwnedByWx<wxRadioButton>(parent, wxID_ANY, label, pos, size, wxRB_GROUP);
            auto* partner = MakeOwnedByWx<wxRadioButton>(parent, wxID_ANY, wxString(), pos, wxSize(0, 0));
            partner->Hide();
            partner->SetValue(true);
            m_radioPartner = partner;
            BindToControl<CButton, wxCommandEvent>(native, wxEVT_RADIOBUTTON, h,
                                                   [](CButton& b, wxCommandEvent&) { b.Clicked(); });
        } else {
            native = MakeOwnedByWx<wxCheckBox>(parent, wxID_ANY, label, pos, size);
            BindToControl<CButton, wxCommandEvent>(native, wxEVT_CHECKBOX, h,
                                                   [](CButton& b, wxCommandEvent&) {
                                                       b.m_checked = !b.m_checked;
                                                       b.Clicked();
                                                   });
        }
        if (!pushLike)
            FitLabelledButton(*native, label);
        break;
    case BS_GROUPBOX:
        native = MakeOwnedByWx<wxStaticBox>(parent, wxID_ANY, label, pos, size);
        break;
    case BS_OWNERDRAW:
        native =
            MakeOwnedByWx<wxWindow>(parent, wxID_ANY, pos, size, wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE);
        native->SetBackgroundStyle(wxBG_STYLE_PAINT);
        break;
    default:
        native = MakeOwnedByWx<wxButton>(parent, wxID_ANY, label, pos, size);
        BindToControl<CButton, wxCommandEvent>(native, wxEVT_BUTTON, h,
                                               [](CButton& b, wxCommandEvent&) { b.Clicked(); });
        break;
    }
    return native;
}

void CButton::Clicked() {
    if (IsRadio(GetStyle())) {
        SetCheck(BST_CHECKED);
        UncheckRestOfGroup();
    }
    Notify(BN_CLICKED);
}

void CButton::UncheckRestOfGroup() {
    CWnd* parent = GetParent();
    if (!parent)
        return;
    // A group runs from a WS_GROUP control to the next one, in creation order.
    std::vector<CWnd*> siblings;
    for (CWnd* w = parent->GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT))
        siblings.push_back(w);
    const auto self = std::find(siblings.begin(), siblings.end(), this);
    if (self == siblings.end())
        return;
    auto first = self;
    while (first != siblings.begin() && !((*first)->GetStyle() & WS_GROUP))
        --first;
    for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && ((*it)->GetStyle() & WS_GROUP))
            break;
        auto* button = dynamic_cast<CButton*>(*it);
        if (button && button != this && IsRadio(button->GetStyle()))
            button->SetCheck(BST_UNCHECKED);
    }
}

int CButton::GetCheck() const {
    return IsCheckOrRadio(GetStyle()) && m_checked ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
    if (!IsCheckOrRadio(GetStyle()))
        return;
    m_checked = check != BST_UNCHECKED;
    wxWindow* native = GetNativeWindow();
    if (auto* box = dynamic_cast<wxCheckBox*>(native))
        box->SetValue(m_checked);
    else if (auto* radio = dynamic_cast<wxRadioButton*>(m_checked ? native : m_radioPartner))
        radio->SetValue(true);
    else if (auto* toggle = dynamic_cast<wxToggleButton*>(native))
        toggle->SetValue(m_checked);
}

void CButton::SetWindowText(const CString& text) {
    CWnd::SetWindowText(text);
    wxWindow* native = GetNativeWindow();
    if (native && IsCheckOrRadio(GetStyle()) && !(GetStyle() & BS_PUSHLIKE))
        FitLabelledButton(*native, ToWx(text));
    else if (native && (GetStyle() & BS_TYPEMASK) != BS_OWNERDRAW)
        native->SetLabel(ToWx(text));
    else
        Invalidate();
}

void CButton::SetBitmap(const CBitmap& bitmap) {
    auto* button = dynamic_cast<wxAnyButton*>(GetNativeWindow());
    if (button && bitmap.m_bitmap && (GetStyle() & BS_BITMAP))
        button->SetBitmap(*bitmap.m_bitmap);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

void CButton::OnPaint() {
    if ((GetStyle() & BS_TYPEMASK) != BS_OWNERDRAW) {
        CWnd::OnPaint();
        return;
    }
    CPaintDC dc(this);
    DRAWITEMSTRUCT item;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID());
    item.itemState = (m_pressed ? ODS_SELECTED : 0) | (IsWindowEnabled() ? 0 : ODS_DISABLED) |
                     (GetFocus() == this ? ODS_FOCUS : 0);
    item.pDC = &dc;
    GetClientRect(&item.rcItem);
    DrawItem(&item);
}

void CButton::OnLButtonDown(UINT flags, CPoint point) {
    if ((GetStyle() & BS_TYPEMASK) != BS_OWNERDRAW) {
        CWnd::OnLButtonDown(flags, point);
        return;
    }
    m_pressed = true;
    SetCapture();
    Invalidate();
}

void CButton::OnLButtonDblClk(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
}

void CButton::OnLButtonUp(UINT flags, CPoint point) {
    if ((GetStyle() & BS_TYPEMASK) != BS_OWNERDRAW || !m_pressed) {
        CWnd::OnLButtonUp(flags, point);
        return;
    }
    m_pressed = false;
    ::ReleaseCapture();
    Invalidate();
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point))
        Clicked();
}

void CButton::CancelPress() {
    if (!m_pressed)
        return;
    m_pressed = false;
    ::ReleaseCapture();
    Invalidate();
}

// ---------------------------------------------------------------------------

wxWindow* CStatic::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    const wxPoint pos(cs.x, cs.y);
    const wxSize size(cs.cx, cs.cy);
    if ((cs.style & SS_TYPEMASK) == SS_ETCHEDFRAME) {
        wxWindow* frame = MakeOwnedByWx<wxWindow>(parent, wxID_ANY, pos, size, wxFULL_REPAINT_ON_RESIZE);
        frame->SetBackgroundStyle(wxBG_STYLE_PAINT);
        return frame;
    }
    long align = wxALIGN_LEFT;
    if ((cs.style & SS_TYPEMASK) == SS_CENTER)
        align = wxALIGN_CENTRE_HORIZONTAL;
    else if ((cs.style & SS_TYPEMASK) == SS_RIGHT)
        align = wxALIGN_RIGHT;
    return MakeOwnedByWx<wxStaticText>(parent, wxID_ANY, ToWx(cs.name), pos, size,
                                       align | wxST_NO_AUTORESIZE);
}

void CStatic::OnPaint() {
    CPaintDC dc(this);
    if ((GetStyle() & SS_TYPEMASK) != SS_ETCHEDFRAME)
        return;
    CRect r;
    GetClientRect(&r);
    dc.Draw3dRect(r.left, r.top, r.Width() - 1, r.Height() - 1, GetSysColor(COLOR_3DSHADOW),
                  GetSysColor(COLOR_3DSHADOW));
    dc.Draw3dRect(r.left + 1, r.top + 1, r.Width() - 1, r.Height() - 1, GetSysColor(COLOR_3DHILIGHT),
                  GetSysColor(COLOR_3DHILIGHT));
}

void CStatic::SetWindowText(const CString& text) {
    CWnd::SetWindowText(text);
    if (auto* label = dynamic_cast<wxStaticText*>(GetNativeWindow()))
        label->SetLabel(ToWx(text));
}

// ---------------------------------------------------------------------------

wxWindow* CEdit::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    long style = 0;
    if (cs.style & ES_MULTILINE)
        style |= wxTE_MULTILINE;
    if (cs.style & ES_READONLY)
        style |= wxTE_READONLY;
    auto* text = MakeOwnedByWx<wxTextCtrl>(parent, wxID_ANY, ToWx(cs.name), wxPoint(cs.x, cs.y),
                                           wxSize(cs.cx, cs.cy), style);
    BindToControl<CEdit, wxCommandEvent>(text, wxEVT_TEXT, GetSafeHwnd(),
                                         [](CEdit& edit, wxCommandEvent&) { edit.Notify(EN_CHANGE); });
    return text;
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CControlWnd::DefWindowProc(message, wParam, lParam);
    if (message == WM_SETFOCUS)
        Notify(EN_SETFOCUS);
    else if (message == WM_KILLFOCUS)
        Notify(EN_KILLFOCUS);
    return result;
}

void CEdit::SetWindowText(const CString& text) {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(GetNativeWindow()))
        edit->ChangeValue(ToWx(text));
    else
        CWnd::SetWindowText(text);
}

void CEdit::GetWindowText(CString& text) const {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(GetNativeWindow()))
        text = FromWx(edit->GetValue());
    else
        CWnd::GetWindowText(text);
}

void CEdit::SetSel(int start, int end, BOOL) {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(GetNativeWindow())) {
        const long last = edit->GetLastPosition();
        edit->SetSelection(start < 0 ? last : start, end < 0 ? last : end);
    }
}

void CEdit::GetSel(int& start, int& end) const {
    long from = 0;
    long to = 0;
    if (auto* edit = dynamic_cast<wxTextCtrl*>(GetNativeWindow()))
        edit->GetSelection(&from, &to);
    start = static_cast<int>(from);
    end = static_cast<int>(to);
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
    auto* edit = dynamic_cast<wxTextCtrl*>(GetNativeWindow());
    if (!edit)
        return FALSE;
    edit->SetEditable(!readOnly);
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
    return TRUE;
}

// ---------------------------------------------------------------------------

int CItemListWnd::InsertString(int index, const char* text) {
    wxItemContainer* items = Items(*this);
    if (!items)
        return -1;
    if (index < 0 || index > GetCount())
        index = GetCount();
    items->Insert(wxString::FromUTF8(text ? text : ""), static_cast<unsigned>(index));
    m_data.insert(m_data.begin() + index, 0);
    return index;
}

int CItemListWnd::AddString(const char* text) {
    if (!(GetStyle() & m_sortStyle))
        return InsertString(-1, text);
    std::vector<CString> texts;
    for (int i = 0; i < GetCount(); ++i)
        texts.push_back(TextAt(i));
    return InsertString(SortedInsertPosition(texts, CString(text ? text : "")), text);
}

int CItemListWnd::DeleteString(int index) {
    wxItemContainer* items = Items(*this);
    if (!items || index < 0 || index >= GetCount())
        return -1;
    items->Delete(static_cast<unsigned>(index));
    m_data.erase(m_data.begin() + index);
    return GetCount();
}

void CItemListWnd::ResetContent() {
    if (wxItemContainer* items = Items(*this))
        items->Clear();
    m_data.clear();
}

int CItemListWnd::FindStringExact(int startAfter, const char* text) const {
    const int count = GetCount();
    for (int step = 1; step <= count; ++step) {
        const int i = ((startAfter + step) % count + count) % count;
        if (TextAt(i).CompareNoCase(text ? text : "") == 0)
            return i;
    }
    return -1;
}

DWORD_PTR CItemListWnd::GetItemData(int index) const {
    return index >= 0 && index < GetCount() ? m_data[static_cast<size_t>(index)] : static_cast<DWORD_PTR>(-1);
}

int CItemListWnd::SetItemData(int index, DWORD_PTR data) {
    if (index < 0 || index >= GetCount())
        return -1;
    m_data[static_cast<size_t>(index)] = data;
    return 0;
}

CString CItemListWnd::TextAt(int index) const {
    const wxItemContainer* items = Items(*this);
    return items && index >= 0 && index < GetCount() ? FromWx(items->GetString(static_cast<unsigned>(index)))
                                                     : CString();
}

wxWindow* CListBox::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    const long style = (cs.style & LBS_EXTENDEDSEL) ? wxLB_EXTENDED : wxLB_SINGLE;
    auto* list = MakeOwnedByWx<wxListBox>(parent, wxID_ANY, wxPoint(cs.x, cs.y), wxSize(cs.cx, cs.cy), 0,
                                          nullptr, style);
    const bool notify = (cs.style & LBS_NOTIFY) != 0;
    if (notify)
        BindToControl<CListBox, wxCommandEvent>(
            list, wxEVT_LISTBOX, GetSafeHwnd(),
            [](CListBox& l, wxCommandEvent&) { l.Notify(LBN_SELCHANGE); });
    // Enter in a list is the dialog's, as in any other control: its default
    // button's command.
    list->Bind(wxEVT_LISTBOX_DCLICK, [list, h = GetSafeHwnd(), notify](wxCommandEvent&) {
        if (IsDoubleClickFromEnter()) {
            wxKeyEvent enter(wxEVT_CHAR_HOOK);
            enter.m_keyCode = WXK_RETURN;
            enter.SetEventObject(list);
            enter.ResumePropagation(wxEVENT_PROPAGATE_MAX);
            list->HandleWindowEvent(enter);
        } else if (auto* control = dynamic_cast<CListBox*>(CWnd::FromHandle(h)); control && notify) {
            control->Notify(LBN_DBLCLK);
        }
    });
    m_data.clear();
    return list;
}

int CListBox::GetText(int index, CString& text) const {
    if (index < 0 || index >= GetCount())
        return LB_ERR;
    text = TextAt(index);
    return text.GetLength();
}

int CListBox::GetCurSel() const {
    const auto* list = dynamic_cast<const wxListBox*>(GetNativeWindow());
    if (!list || (GetStyle() & LBS_EXTENDEDSEL))
        return LB_ERR;
    const int selection = list->GetSelection();
    return selection == wxNOT_FOUND ? LB_ERR : selection;
}

int CListBox::SetCurSel(int index) {
    auto* list = dynamic_cast<wxListBox*>(GetNativeWindow());
    if (!list || index >= GetCount())
        return LB_ERR;
    if (index < 0) {
        list->SetSelection(wxNOT_FOUND);
        return LB_ERR;
    }
    list->SetSelection(index);
    return index;
}

int CListBox::GetSel(int index) const {
    const auto* list = dynamic_cast<const wxListBox*>(GetNativeWindow());
    if (!list || index < 0 || index >= GetCount())
        return LB_ERR;
    return list->IsSelected(index) ? 1 : 0;
}

int CListBox::SetSel(int index, BOOL select) {
    auto* list = dynamic_cast<wxListBox*>(GetNativeWindow());
    if (!list || index >= GetCount())
        return LB_ERR;
    if (index < 0) {
        for (int i = 0; i < GetCount(); ++i)
            list->SetSelection(i, select != FALSE);
    } else {
        list->SetSelection(index, select != FALSE);
    }
    return 0;
}

int CListBox::GetSelCount() const {
    return static_cast<int>(GetSelItems().size());
}

std::vector<int> CListBox::GetSelItems() const {
    std::vector<int> selected;
    if (const auto* list = dynamic_cast<const wxListBox*>(GetNativeWindow())) {
        wxArrayInt indices;
        list->GetSelections(indices);
        selected.assign(indices.begin(), indices.end());
        std::sort(selected.begin(), selected.end());
    }
    return selected;
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const {
    const auto* list = dynamic_cast<const wxListBox*>(GetNativeWindow());
    const int hit = list ? list->HitTest(wxPoint(point.x, point.y)) : wxNOT_FOUND;
    outside = hit == wxNOT_FOUND;
    if (!outside)
        return static_cast<UINT>(hit);
    return GetCount() > 0 ? static_cast<UINT>(GetCount() - 1) : 0;
}

// ---------------------------------------------------------------------------

wxWindow* CComboBox::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    // The template's height includes the dropped-down list; the field keeps
    // its natural height.
    const wxPoint pos(cs.x, cs.y);
    const wxSize size(cs.cx, -1);
    wxWindow* native;
    if ((cs.style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST) {
        native = MakeOwnedByWx<wxChoice>(parent, wxID_ANY, pos, size);
        BindToControl<CComboBox, wxCommandEvent>(native, wxEVT_CHOICE, GetSafeHwnd(),
                                                 [](CComboBox& c, wxCommandEvent&) {
                                                     c.FitHeightToShownEntry();
                                                     c.Notify(CBN_SELCHANGE);
                                                 });
    } else {
        native = MakeOwnedByWx<wxComboBox>(parent, wxID_ANY, ToWx(cs.name), pos, size);
        BindToControl<CComboBox, wxCommandEvent>(
            native, wxEVT_COMBOBOX, GetSafeHwnd(),
            [](CComboBox& c, wxCommandEvent&) { c.Notify(CBN_SELCHANGE); });
    }
    m_data.clear();
    return native;
}

int CComboBox::GetCurSel() const {
    const auto* items = dynamic_cast<const wxItemContainerImmutable*>(GetNativeWindow());
    const int selection = items ? items->GetSelection() : wxNOT_FOUND;
    return selection == wxNOT_FOUND ? CB_ERR : selection;
}

int CComboBox::SetCurSel(int index) {
    auto* items = dynamic_cast<wxItemContainerImmutable*>(GetNativeWindow());
    if (!items || index >= GetCount())
        return CB_ERR;
    items->SetSelection(index < 0 ? wxNOT_FOUND : index);
    FitHeightToShownEntry();
    return index < 0 ? CB_ERR : index;
}

void CComboBox::FitHeightToShownEntry() {
    wxWindow* native = GetNativeWindow();
    if (!native)
        return;
    native->InvalidateBestSize();
    const int natural = native->GetBestSize().y;
    if (natural > native->GetSize().y)
        native->SetSize(native->GetSize().x, natural);
}

void CComboBox::SetWindowText(const CString& text) {
    if (auto* combo = dynamic_cast<wxComboBox*>(GetNativeWindow()))
        combo->ChangeValue(ToWx(text));
    else
        CWnd::SetWindowText(text);
}

void CComboBox::GetWindowText(CString& text) const {
    if (auto* combo = dynamic_cast<wxComboBox*>(GetNativeWindow()))
        text = FromWx(combo->GetValue());
    else if (const int selection = GetCurSel(); selection != CB_ERR)
        GetLBText(selection, text);
    else
        text.Empty();
}
