#include "platform/ui/dialog.h"

#include "platform/base/c_locale.h"
#include "platform/ui/controls.h"
#include "platform/ui/input.h"
#include "platform/ui/native_window.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/tab_ctrl.h"
#include "platform/ui/tree_ctrl.h"
#include "platform/ui/ui_style.h"
#include "platform/ui/window_showing.h"
#include "resources/resource_tables.h"

#include <algorithm>
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/settings.h>

namespace {

// A modal dialog asks for the keyboard focus once it is on screen: without a
// window manager nobody gives it, and its fields would then never hear that
// they lost the focus, so a number typed into the first one would be lost.
void TakeKeyboardFocusWhenShown(wxDialog& dialog) {
    dialog.CallAfter([&dialog] { RunFromEventLoop([&] { dialog.Raise(); }); });
}

// The templates are laid out for a font with base units of 6 x 12 pixels: a
// dialog unit is a quarter of the width and an eighth of the height, 1.5
// pixels either way.
int ScaleDialogUnits(int units) {
    return (units * 3 + (units >= 0 ? 1 : -1)) / 2;
}

std::unique_ptr<CWnd> MakeControl(DialogControl kind) {
    switch (kind) {
    case DialogControl::Button:
        return std::make_unique<CButton>();
    case DialogControl::Edit:
        return std::make_unique<CEdit>();
    case DialogControl::Static:
        return std::make_unique<CStatic>();
    case DialogControl::ListBox:
        return std::make_unique<CListBox>();
    case DialogControl::ComboBox:
        return std::make_unique<CComboBox>();
    case DialogControl::TreeView:
        return std::make_unique<CTreeCtrl>();
    case DialogControl::TabControl:
        return std::make_unique<CTabCtrl>();
    }
    return nullptr;
}

bool IsPushButton(const CWnd* wnd) {
    const auto* button = dynamic_cast<const CButton*>(wnd);
    if (!button)
        return false;
    const UINT type = button->GetButtonStyle();
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (button->GetStyle() & BS_PUSHLIKE);
}

// The radio buttons of the group that starts at the control `first`.
std::vector<CButton*> RadioGroup(CWnd* first) {
    std::vector<CButton*> group;
    for (CWnd* w = first; w; w = w->GetWindow(GW_HWNDNEXT)) {
        if (w != first && (w->GetStyle() & WS_GROUP))
            break;
        if (auto* button = dynamic_cast<CButton*>(w);
            button && button->GetButtonStyle() == BS_AUTORADIOBUTTON)
            group.push_back(button);
    }
    return group;
}

CString Trimmed(CString text) {
    text.Trim();
    return text;
}

// Window managers draw a caption in their own bold title font between the
// window icon and up to three title-bar buttons, and cut it short with an
// ellipsis when the window is narrower: the client width a caption needs.
int CaptionClientWidth(const wxWindow& window, const CString& caption) {
    constexpr int kTitleBarChrome = 4 * 24 + 2 * 8; // icon, three buttons, margins
    const wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold();
    int width = 0;
    int height = 0;
    window.GetTextExtent(wxString::FromUTF8(caption.GetString()), &width, &height, nullptr, nullptr, &font);
    return width + kTitleBarChrome;
}

} // namespace

CRect DialogUnitsToPixels(const CRect& units) {
    return CRect(ScaleDialogUnits(units.left), ScaleDialogUnits(units.top), ScaleDialogUnits(units.right),
                 ScaleDialogUnits(units.bottom));
}

// ---------------------------------------------------------------------------

void CDataExchange::Fail(int id, UINT messageId) {
    m_failed = true;
    MessageBox(m_pDlgWnd->GetSafeHwnd(), LoadResourceString(messageId), "quelaForm", MB_OK | MB_ICONWARNING);
    if (CWnd* control = m_pDlgWnd->GetDlgItem(id)) {
        m_pDlgWnd->GotoDlgCtrl(control);
        if (auto* edit = dynamic_cast<CEdit*>(control))
            edit->SetSel(0, -1);
    }
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    CWnd* control = dx->Failed() ? nullptr : dx->m_pDlgWnd->GetDlgItem(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

namespace {

// A number in an edit: shown in the C locale; read back only when the whole
// text is a number, else the exchange fails with the message.
template <class T>
void ExchangeNumber(CDataExchange* dx, int id, T& value, const std::string& shown,
                    bool (*parse)(std::string_view, T&, std::string_view*), UINT failMessage) {
    CWnd* control = dx->Failed() ? nullptr : dx->m_pDlgWnd->GetDlgItem(id);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        control->SetWindowText(shown);
        return;
    }
    CString text;
    control->GetWindowText(text);
    T parsed{};
    if (parse(Trimmed(text).view(), parsed, nullptr))
        value = parsed;
    else
        dx->Fail(id, failMessage);
}

} // namespace

void DDX_Text(CDataExchange* dx, int id, int& value) {
    ExchangeNumber<int>(dx, id, value, qf::FormatC("%d", value), qf::ParseInt, IDS_PARSE_INT);
}

void DDX_Text(CDataExchange* dx, int id, float& value) {
    ExchangeNumber<float>(dx, id, value, qf::FormatC("%.6g", static_cast<double>(value)), qf::ParseFloat,
                          IDS_PARSE_REAL);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    auto* button = dx->Failed() ? nullptr : dynamic_cast<CButton*>(dx->m_pDlgWnd->GetDlgItem(id));
    if (!button)
        return;
    if (dx->m_bSaveAndValidate)
        value = button->GetCheck();
    else
        button->SetCheck(value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_Radio(CDataExchange* dx, int firstId, int& index) {
    CWnd* first = dx->Failed() ? nullptr : dx->m_pDlgWnd->GetDlgItem(firstId);
    if (!first)
        return;
    const std::vector<CButton*> group = RadioGroup(first);
    if (dx->m_bSaveAndValidate) {
        index = -1;
        for (size_t i = 0; i < group.size() && index < 0; ++i)
            if (group[i]->GetCheck() == BST_CHECKED)
                index = static_cast<int>(i);
        return;
    }
    for (size_t i = 0; i < group.size(); ++i)
        group[i]->SetCheck(static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    auto* combo = dx->Failed() ? nullptr : dynamic_cast<CComboBox*>(dx->m_pDlgWnd->GetDlgItem(id));
    if (!combo)
        return;
    if (dx->m_bSaveAndValidate)
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (!control.GetNativeWindow())
        dx->m_pDlgWnd->BindControl(id, control);
}

// ---------------------------------------------------------------------------

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_owner(parent) {}

CDialog::~CDialog() {
    DestroyWindow();
}

const CommandMap& CDialog::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CDialog>(CWnd::GetCommandMap())
                                      .OnCommand(IDOK, &CDialog::OnOK)
                                      .OnCommand(IDCANCEL, &CDialog::OnCancel);
    return map;
}

int CDialog::DoModal() {
    return qf::RunModal(*this);
}

int CDialog::RunModalLoop() {
    m_modal = true;
    m_ended = false;
    m_result = IDCANCEL;
    if (!Create(m_templateId, m_owner)) {
        m_modal = false;
        return -1;
    }
    int result = m_result;
    if (!m_ended) {
        auto* native = static_cast<wxDialog*>(GetNativeWindow());
        native->CentreOnParent();
        TakeKeyboardFocusWhenShown(*native);
        SizeBeforeFirstShow(*native);
        result = native->ShowModal();
    }
    DestroyWindow();
    m_modal = false;
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    return CreateFromTemplate(templateId, parent, 0, templateId);
}

void CDialog::UseTemplate(const DialogTemplate& dialogTemplate) {
    m_indirect = &dialogTemplate;
    m_templateId = dialogTemplate.id;
}

BOOL CDialog::CreateFromTemplate(UINT templateId, CWnd* parent, DWORD addStyle, UINT id) {
    const DialogTemplate* dialogTemplate =
        m_indirect && m_indirect->id == templateId ? m_indirect : FindDialogTemplate(templateId);
    if (!dialogTemplate || GetNativeWindow())
        return FALSE;
    m_templateId = templateId;
    m_template = dialogTemplate;
    if (!m_modal)
        m_owner = parent;
    const DWORD style = m_modal ? dialogTemplate->style & ~WS_CHILD : dialogTemplate->style | addStyle;
    const CRect size = DialogUnitsToPixels(CRect(0, 0, dialogTemplate->cx, dialogTemplate->cy));
    if (!CWnd::Create(dialogTemplate->caption, style & ~WS_VISIBLE, size, parent, id))
        return FALSE;
    CreateItems();
    const HWND h = GetSafeHwnd();
    if (SendMessage(WM_INITDIALOG) && !(style & WS_CHILD)) {
        // The default focus: the first control that takes Tab.
        for (CWnd* w = GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT))
            if ((w->GetStyle() & WS_TABSTOP) && w->IsWindowEnabled() && (w->GetStyle() & WS_VISIBLE)) {
                GotoDlgCtrl(w);
                break;
            }
    }
    if (IsWindow(h) && (style & WS_VISIBLE) && !m_modal)
        ShowWindow(SW_SHOW);
    return IsWindow(h);
}

wxWindow* CDialog::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    ApplyCompactControlStyle();
    m_itemShift = 0;
    wxWindow* native;
    if (cs.style & WS_CHILD) {
        native = MakeOwnedByWx<wxPanel>(parent, wxID_ANY, wxPoint(cs.x, cs.y), wxSize(cs.cx, cs.cy),
                                        wxTAB_TRAVERSAL | wxBORDER_NONE);
    } else {
        const long style = wxCAPTION | ((cs.style & WS_SYSMENU) ? wxSYSTEM_MENU | wxCLOSE_BOX : 0);
        auto* dialog = MakeOwnedByWx<wxDialog>(parent, wxID_ANY, wxString::FromUTF8(cs.name.GetString()),
                                               wxDefaultPosition, wxDefaultSize, style);
        // A dialog narrower than its caption widens, its items centred in it.
        const int width = std::max(cs.cx, CaptionClientWidth(*dialog, cs.name));
        m_itemShift = (width - cs.cx) / 2;
        dialog->SetClientSize(width, cs.cy);
        // Escape is ours: it sends IDCANCEL, which the dialog may refuse.
        dialog->SetEscapeId(wxID_NONE);
        native = dialog;
    }
    // Every pixel of the dialog's own area comes from WM_ERASEBKGND and WM_PAINT.
    native->SetBackgroundStyle(wxBG_STYLE_PAINT);
    native->SetFont(DialogFont());
    const HWND h = GetSafeHwnd();
    native->Bind(wxEVT_CHAR_HOOK, [h](wxKeyEvent& event) {
        auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandle(h));
        if (!dialog || !dialog->HandleKey(event))
            event.Skip();
    });
    return native;
}

void CDialog::CreateItems() {
    m_items.clear();
    for (const DialogItemTemplate& item : m_template->items) {
        std::unique_ptr<CWnd> control = MakeControl(item.control);
        CRect rect = DialogUnitsToPixels(CRect(item.x, item.y, item.x + item.cx, item.y + item.cy));
        rect.OffsetRect(m_itemShift, 0);
        if (control && control->Create(item.text, item.style | WS_CHILD, rect, this, item.id))
            m_items.push_back(std::move(control));
    }
}

BOOL CDialog::BindControl(int id, CWnd& control) {
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [id](const auto& item) { return item->GetDlgCtrlID() == id; });
    if (it == m_items.end() || control.GetNativeWindow())
        return FALSE;
    CWnd& made = **it;
    const wxRect place = made.GetNativeWindow()->GetRect();
    const CRect rect(place.x, place.y, place.x + place.width, place.y + place.height);
    CString text;
    made.GetWindowText(text);
    DWORD style = made.GetStyle() & ~(WS_VISIBLE | WS_DISABLED);
    if (made.GetNativeWindow()->IsShown())
        style |= WS_VISIBLE;
    if (!made.IsWindowEnabled())
        style |= WS_DISABLED;
    // The replacement takes the tab position of the control it replaces.
    const wxWindowList& children = GetNativeWindow()->GetChildren();
    wxWindow* before = nullptr;
    for (wxWindow* child : children) {
        if (child == made.GetNativeWindow())
            break;
        before = child;
    }
    made.DestroyWindow();
    m_items.erase(it);
    if (!control.Create(text, style | WS_CHILD, rect, this, static_cast<UINT>(id)))
        return FALSE;
    wxWindow* native = control.GetNativeWindow();
    if (before)
        native->MoveAfterInTabOrder(before);
    else if (!children.empty() && children.GetFirst()->GetData() != native)
        native->MoveBeforeInTabOrder(children.GetFirst()->GetData());
    return TRUE;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    auto* dialog = dynamic_cast<wxDialog*>(GetNativeWindow());
    if (m_modal && dialog && dialog->IsModal())
        dialog->EndModal(result);
    else if (!m_modal)
        ShowWindow(SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCmdMsg(const CommandMessage& message) {
    if (CWnd::OnCmdMsg(message))
        return TRUE;
    // A menu this dialog opened: what the dialog does not handle goes on to
    // its owner, as a menu command of the owner's own.
    if (!message.IsMenuCommand() && message.kind != CommandKind::UpdateUI)
        return FALSE;
    CWnd* owner = m_owner ? m_owner : GetParent();
    return owner ? owner->OnCmdMsg(message) : FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        // The close box is Cancel, which the dialog may refuse.
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CDialog::HandleKey(wxKeyEvent& event) {
    if (event.HasAnyModifiers())
        return FALSE;
    switch (event.GetKeyCode()) {
    case WXK_ESCAPE:
        return DialogKey(VK_ESCAPE);
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return DialogKey(VK_RETURN);
    default:
        return FALSE;
    }
}

BOOL CDialog::DialogKey(int virtualKey) {
    if (virtualKey == VK_ESCAPE) {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }
    if (virtualKey != VK_RETURN)
        return FALSE;
    CWnd* focus = GetFocus();
    if (auto* edit = dynamic_cast<CEdit*>(focus); edit && (edit->GetStyle() & ES_MULTILINE))
        return FALSE;
    if (IsPushButton(focus))
        return FALSE;
    const UINT id = GetDefID();
    CWnd* button = GetDlgItem(static_cast<int>(id));
    if (button && !button->IsWindowEnabled())
        return TRUE;
    // A click on the button would take the focus from the field first, and
    // the field would take what was typed into it; Enter does the same, so
    // the command reads the typed value.
    if (auto* edit = dynamic_cast<CEdit*>(focus); edit && button)
        edit->SendMessage(WM_KILLFOCUS, HandleToParam(button->GetSafeHwnd()), 0);
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                button ? static_cast<LPARAM>(HandleToParam(button->GetSafeHwnd())) : 0);
    return TRUE;
}

UINT CDialog::GetDefID() const {
    if (m_template)
        for (const DialogItemTemplate& item : m_template->items)
            if (item.control == DialogControl::Button && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                return item.id;
    return IDOK;
}

void CDialog::CheckDlgButton(int id, UINT check) {
    if (auto* button = dynamic_cast<CButton*>(GetDlgItem(id)))
        button->SetCheck(static_cast<int>(check));
}

UINT CDialog::IsDlgButtonChecked(int id) const {
    const auto* button = dynamic_cast<const CButton*>(GetDlgItem(id));
    return button ? static_cast<UINT>(button->GetCheck()) : BST_UNCHECKED;
}

void CDialog::SetDlgItemText(int id, const CString& text) {
    if (CWnd* control = GetDlgItem(id))
        control->SetWindowText(text);
}

int CDialog::GetDlgItemText(int id, CString& text) const {
    text.Empty();
    if (const CWnd* control = GetDlgItem(id))
        control->GetWindowText(text);
    return text.GetLength();
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control)
        control->SetFocus();
}
