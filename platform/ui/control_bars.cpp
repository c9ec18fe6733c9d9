#include "platform/ui/control_bars.h"

#include "platform/ui/dc.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu_node.h"
#include "platform/ui/native_window.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/sys_color.h"
#include "platform/ui/ui_style.h"
#include "resources/resource_tables.h"

#include <wx/dcclient.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

namespace {

constexpr DWORD kBarBits = CBRS_ALIGN_ANY | CBRS_BORDER_ANY | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

wxString ToWx(const CString& text) {
    return wxString::FromUTF8(text.GetString());
}

// The CCmdUI of a tool-bar button.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CToolBar::Button& button) : m_button(button) { m_nID = button.id; }
    void Enable(BOOL on) override { m_button.enabled = on != FALSE; }
    void SetCheck(int check) override { m_button.checked = check != 0; }
    void SetText(const char*) override {}

private:
    CToolBar::Button& m_button;
};

} // namespace

CFrameWnd* GetParentFrame(const CWnd* wnd) {
    for (CWnd* w = wnd ? wnd->GetParent() : nullptr; w; w = w->GetParent())
        if (auto* frame = dynamic_cast<CFrameWnd*>(w))
            return frame;
    return nullptr;
}

// ---------------------------------------------------------------------------

BOOL CControlBar::CreateBarWindow(CWnd& wnd, CWnd* parent, DWORD style, UINT id) {
    m_barStyle = style & kBarBits;
    if (!wnd.Create("", (style & ~kBarBits) | WS_CHILD, CRect(), parent, id))
        return FALSE;
    if (auto* frame = dynamic_cast<CFrameWnd*>(parent))
        frame->AddControlBar(this);
    return TRUE;
}

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
    return CreateBarWindow(*this, parent, style, id);
}

wxWindow* CStatusBar::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    return MakeOwnedByWx<wxStatusBar>(parent, wxID_ANY,
                                      wxSTB_SHOW_TIPS | wxSTB_ELLIPSIZE_END | wxFULL_REPAINT_ON_RESIZE,
                                      wxString::FromUTF8(cs.name.GetString()));
}

void CStatusBar::OnDestroy() {
    if (CFrameWnd* frame = GetParentFrame(this))
        frame->RemoveControlBar(this);
    CWnd::OnDestroy();
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
    auto* status = dynamic_cast<wxStatusBar*>(GetNativeWindow());
    if (!status || count <= 0)
        return FALSE;
    m_ids.assign(ids, ids + count);
    std::vector<int> widths;
    wxClientDC dc(status);
    dc.SetFont(status->GetFont());
    for (const UINT id : m_ids)
        widths.push_back(id == ID_SEPARATOR ? -1 : dc.GetTextExtent(ToWx(LoadResourceString(id))).x + 12);
    status->SetFieldsCount(count, widths.data());
    if (CFrameWnd* frame = GetParentFrame(this))
        SetPaneText(0, frame->GetIdleMessage());
    UpdateIndicators();
    return TRUE;
}

BOOL CStatusBar::SetPaneText(int index, const char* text) {
    auto* status = dynamic_cast<wxStatusBar*>(GetNativeWindow());
    if (!status || index < 0 || index >= status->GetFieldsCount())
        return FALSE;
    const wxString value = wxString::FromUTF8(text ? text : "");
    if (status->GetStatusText(index) != value)
        status->SetStatusText(value, index);
    return TRUE;
}

CString CStatusBar::GetPaneText(int index) const {
    const auto* status = dynamic_cast<const wxStatusBar*>(GetNativeWindow());
    if (!status || index < 0 || index >= status->GetFieldsCount())
        return CString();
    return CString(std::string(status->GetStatusText(index).utf8_str().data()));
}

int CStatusBar::CommandToIndex(UINT id) const {
    for (size_t i = 0; i < m_ids.size(); ++i)
        if (m_ids[i] == id)
            return static_cast<int>(i);
    return -1;
}

void CStatusBar::UpdateIndicators() {
    for (size_t i = 0; i < m_ids.size(); ++i) {
        bool on = false;
        switch (m_ids[i]) {
        case ID_INDICATOR_CAPS:
            on = wxGetKeyState(WXK_CAPITAL);
            break;
        case ID_INDICATOR_NUM:
            on = wxGetKeyState(WXK_NUMLOCK);
            break;
        case ID_INDICATOR_SCRL:
            on = wxGetKeyState(WXK_SCROLL);
            break;
        default:
            continue;
        }
        SetPaneText(static_cast<int>(i), on ? LoadResourceString(m_ids[i]).GetString() : "");
    }
}

int CStatusBar::GetBarThickness() const {
    const wxWindow* native = GetNativeWindow();
    return native ? native->GetBestSize().y : 0;
}

// ---------------------------------------------------------------------------

CToolBar::CToolBar() = default;
CToolBar::~CToolBar() {
    DestroyWindow();
}

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
    if (!CreateBarWindow(*this, parent, style, id))
        return FALSE;
    if (CFrameWnd* frame = GetParentFrame(this))
        frame->AddToolBar(this);
    return TRUE;
}

wxWindow* CToolBar::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    auto* bar = MakeOwnedByWx<wxToolBar>(parent, wxID_ANY, wxPoint(cs.x, cs.y), wxSize(cs.cx, cs.cy),
                                         wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
    const HWND h = GetSafeHwnd();
    bar->Bind(wxEVT_TOOL, [h](wxCommandEvent& event) {
        auto* self = dynamic_cast<CToolBar*>(CWnd::FromHandle(h));
        const UINT id = CommandIdFromWxMenuId(event.GetId());
        if (!self || !id)
            return;
        // wx toggles a check tool by itself; the update handler decides.
        for (const Button& button : self->m_buttons)
            if (button.id == id)
                self->ShowButton(button);
        if (CFrameWnd* frame = GetParentFrame(self))
            frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    });
    bar->Bind(wxEVT_TOOL_ENTER, [h](wxCommandEvent& event) {
        auto* self = dynamic_cast<CToolBar*>(CWnd::FromHandle(h));
        CFrameWnd* frame = self ? GetParentFrame(self) : nullptr;
        if (!frame || !(self->GetBarStyle() & CBRS_FLYBY))
            return;
        const UINT id = event.GetSelection() >= 0 ? CommandIdFromWxMenuId(event.GetSelection()) : 0;
        frame->SetMessageText(id ? CommandPrompt(id) : frame->GetIdleMessage());
    });
    return bar;
}

void CToolBar::OnDestroy() {
    if (CFrameWnd* frame = GetParentFrame(this)) {
        frame->RemoveControlBar(this);
        frame->RemoveToolBar(this);
    }
    CWnd::OnDestroy();
}

BOOL CToolBar::LoadToolBar(UINT id) {
    auto* bar = dynamic_cast<wxToolBar*>(GetNativeWindow());
    const ToolBarResource* resource = FindToolBarResource(id);
    if (!bar || !resource)
        return FALSE;
    bar->ClearTools();
    bar->SetToolBitmapSize(wxSize(resource->buttonWidth, resource->buttonHeight));
    m_buttons.clear();
    size_t image = 0;
    for (const UINT command : resource->buttons) {
        if (command == 0) {
            bar->AddSeparator();
            continue;
        }
        const wxBitmap picture = image < resource->images.size()
                                     ? PixelArtBitmap(resource->images[image++])
                                     : wxBitmap(resource->buttonWidth, resource->buttonHeight);
        bar->AddTool(WxMenuIdFor(command), wxEmptyString, picture, wxEmptyString, wxITEM_CHECK);
        m_buttons.push_back({command});
    }
    bar->Realize();
    ApplyTips();
    if (CFrameWnd* frame = dynamic_cast<CFrameWnd*>(GetParent()))
        frame->RecalcLayout();
    return TRUE;
}

void CToolBar::SetBarStyle(DWORD style) {
    CControlBar::SetBarStyle(style);
    ApplyTips();
}

void CToolBar::ApplyTips() {
    auto* bar = dynamic_cast<wxToolBar*>(GetNativeWindow());
    if (!bar)
        return;
    const bool tips = (m_barStyle & CBRS_TOOLTIPS) != 0;
    for (const Button& button : m_buttons)
        bar->SetToolShortHelp(WxMenuIdFor(button.id), tips ? ToWx(CommandToolTip(button.id)) : wxString());
}

UINT CToolBar::GetItemID(int index) const {
    const auto* bar = dynamic_cast<const wxToolBar*>(GetNativeWindow());
    const wxToolBarToolBase* tool = bar ? bar->GetToolByPos(index) : nullptr;
    return tool && !tool->IsSeparator() ? CommandIdFromWxMenuId(tool->GetId()) : 0;
}

BOOL CToolBar::IsButtonEnabled(UINT id) const {
    for (const Button& button : m_buttons)
        if (button.id == id)
            return button.enabled;
    return FALSE;
}

BOOL CToolBar::IsButtonChecked(UINT id) const {
    for (const Button& button : m_buttons)
        if (button.id == id)
            return button.checked;
    return FALSE;
}

void CToolBar::ShowButton(const Button& button) {
    auto* bar = dynamic_cast<wxToolBar*>(GetNativeWindow());
    if (!bar)
        return;
    const int id = WxMenuIdFor(button.id);
    if (bar->GetToolEnabled(id) != button.enabled)
        bar->EnableTool(id, button.enabled);
    if (bar->GetToolState(id) != button.checked)
        bar->ToggleTool(id, button.checked);
}

void CToolBar::UpdateButtons(CCmdTarget& target) {
    for (Button& button : m_buttons) {
        CToolCmdUI ui(button);
        ui.DoUpdate(&target);
        ShowButton(button);
    }
}

int CToolBar::GetBarThickness() const {
    const wxWindow* native = GetNativeWindow();
    return native ? native->GetBestSize().y : 0;
}

// ---------------------------------------------------------------------------

BOOL CDialogBar::Create(CWnd* parent, UINT templateId, DWORD barStyle, UINT id) {
    m_barStyle = barStyle & kBarBits;
    if (!CreateFromTemplate(templateId, parent, WS_CHILD | WS_VISIBLE, id))
        return FALSE;
    const DialogTemplate* dialogTemplate = GetTemplate();
    m_templateSize = DialogUnitsToPixels(CRect(0, 0, dialogTemplate->cx, dialogTemplate->cy)).Size();
    if (auto* frame = dynamic_cast<CFrameWnd*>(parent))
        frame->AddControlBar(this);
    return TRUE;
}

int CDialogBar::GetBarThickness() const {
    const DWORD side = m_barStyle & CBRS_ALIGN_ANY;
    return side == CBRS_ALIGN_LEFT || side == CBRS_ALIGN_RIGHT ? m_templateSize.cx : m_templateSize.cy;
}

BOOL CDialogBar::OnEraseBkgnd(CDC* dc) {
    CRect r;
    GetClientRect(&r);
    dc->FillRect(r, GetSysColorBrush(COLOR_3DFACE));
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    if (m_barStyle & CBRS_BORDER_LEFT)
        dc->FillSolidRect(r.left, r.top, 1, r.Height(), shadow);
    if (m_barStyle & CBRS_BORDER_TOP)
        dc->FillSolidRect(r.left, r.top, r.Width(), 1, shadow);
    if (m_barStyle & CBRS_BORDER_RIGHT)
        dc->FillSolidRect(r.right - 1, r.top, 1, r.Height(), shadow);
    if (m_barStyle & CBRS_BORDER_BOTTOM)
        dc->FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, shadow);
    return TRUE;
}

void CDialogBar::OnDestroy() {
    if (CFrameWnd* frame = GetParentFrame(this))
        frame->RemoveControlBar(this);
    CDialog::OnDestroy();
}
