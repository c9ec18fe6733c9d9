#include "platform/ui/frame_wnd.h"

#include "platform/ui/controls.h"
#include "platform/ui/input.h"
#include "platform/ui/menu_node.h"
#include "platform/ui/native_window.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/shell_services.h"
#include "platform/ui/ui_style.h"
#include "resources/resource_tables.h"

#include <algorithm>
#include <wx/display.h>
#include <wx/eventfilter.h>
#include <wx/frame.h>
#include <wx/menu.h>

namespace {

CWinApp* g_app = nullptr;

} // namespace

BOOL CView::OnCmdMsg(const CommandMessage& message) {
    if (CWnd::OnCmdMsg(message))
        return TRUE;
    return m_document ? m_document->OnCmdMsg(message) : FALSE;
}

// Every event of the program passes the toolkit's filters before any
// handler sees it; this one tells the application of button presses.
class CWinApp::CPressFilter : public wxEventFilter {
public:
    explicit CPressFilter(CWinApp& app) : m_app(app) { wxEvtHandler::AddFilter(this); }
    ~CPressFilter() override { wxEvtHandler::RemoveFilter(this); }
    CPressFilter(const CPressFilter&) = delete;
    CPressFilter& operator=(const CPressFilter&) = delete;

    int FilterEvent(wxEvent& event) override {
        const wxEventType type = event.GetEventType();
        if (type == wxEVT_LEFT_DOWN || type == wxEVT_MIDDLE_DOWN || type == wxEVT_RIGHT_DOWN ||
            type == wxEVT_LEFT_DCLICK || type == wxEVT_MIDDLE_DCLICK || type == wxEVT_RIGHT_DCLICK) {
            CWnd* pressed = nullptr;
            for (const wxWindow* native = dynamic_cast<wxWindow*>(event.GetEventObject()); native && !pressed;
                 native = native->GetParent())
                pressed = CWnd::FromNative(native);
            RunFromEventLoop([&] { m_app.OnMouseButtonPress(pressed); });
        }
        return Event_Skip;
    }

private:
    CWinApp& m_app;
};

CWinApp::CWinApp() : m_pressFilter(std::make_unique<CPressFilter>(*this)) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::OnMouseButtonPress(CWnd*) {}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

BOOL CAcceleratorTable::Load(UINT id) {
    const AcceleratorResource* resource = FindAcceleratorResource(id);
    if (!resource)
        return FALSE;
    m_entries = resource->entries;
    return TRUE;
}

UINT CAcceleratorTable::Translate(int virtualKey, bool control, bool shift) const {
    for (const AccelEntry& entry : m_entries)
        if ((entry.flags & FVIRTKEY) && entry.key == virtualKey &&
            ((entry.flags & FCONTROL) != 0) == control && ((entry.flags & FSHIFT) != 0) == shift)
            return entry.command;
    return 0;
}

// ---------------------------------------------------------------------------

struct CFrameWnd::MenuState {
    std::unique_ptr<CMenuDisplay> display;
    int open = 0;             // menus of the bar open now
    void* prepared = nullptr; // the menu brought up to date before GTK shows it
};

CFrameWnd::CFrameWnd() : m_menuState(std::make_unique<MenuState>()) {}

CFrameWnd::~CFrameWnd() {
    DestroyWindow();
}

BOOL CFrameWnd::OnCmdMsg(const CommandMessage& message) {
    if (RouteCmdMsg(message))
        return TRUE;
    // The fallback update handler: an item or button whose command nothing
    // along the route handles is greyed, since choosing it would do nothing.
    // It never enables, so items kept grey stay grey.
    if (message.kind == CommandKind::UpdateUI && message.ui && !TakesUnhandledCommand(message.id) &&
        !message.ui->HasCommandHandler(this)) {
        message.ui->Enable(FALSE);
        return TRUE;
    }
    return FALSE;
}

BOOL CFrameWnd::RouteCmdMsg(const CommandMessage& message) {
    if (m_activeView && m_activeView->OnCmdMsg(message))
        return TRUE;
    if (CWnd::OnCmdMsg(message))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app ? app->OnCmdMsg(message) : FALSE;
}

wxWindow* CFrameWnd::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    ApplyCompactControlStyle();
    wxWindow* native = CWnd::CreateNativeWindow(parent, cs);
    const HWND h = GetSafeHwnd();
    const auto frameOf = [h] { return dynamic_cast<CFrameWnd*>(CWnd::FromHandle(h)); };
    native->Bind(wxEVT_MENU, [frameOf](wxCommandEvent& event) {
        const UINT id = CommandIdFromWxMenuId(event.GetId());
        CFrameWnd* frame = frameOf();
        if (PopupMenuRunning() || !id || !frame) {
            event.Skip();
            return;
        }
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    });
    native->Bind(wxEVT_MENU_OPEN, [frameOf](wxMenuEvent& event) {
        event.Skip();
        if (CFrameWnd* frame = frameOf(); frame && !PopupMenuRunning())
            frame->OnMenuOpen(event.GetMenu());
    });
    native->Bind(wxEVT_MENU_CLOSE, [frameOf](wxMenuEvent& event) {
        event.Skip();
        if (CFrameWnd* frame = frameOf(); frame && !PopupMenuRunning())
            frame->OnMenuClose();
    });
    native->Bind(wxEVT_MENU_HIGHLIGHT, [frameOf](wxMenuEvent& event) {
        if (CFrameWnd* frame = frameOf()) {
            const UINT id = CommandIdFromWxMenuId(event.GetMenuId());
            frame->SetMessageText(id ? CommandPrompt(id) : CString());
        }
    });
    native->Bind(wxEVT_CHAR_HOOK, [frameOf](wxKeyEvent& event) {
        CFrameWnd* frame = frameOf();
        const int key = VirtualKeyOfEvent(event);
        if (!frame || !key || event.AltDown() || event.MetaDown() ||
            !frame->TranslateAccelerator(key, event.ControlDown(), event.ShiftDown(), CWnd::GetFocus()))
            event.Skip();
    });
    native->Bind(wxEVT_IDLE, [frameOf](wxIdleEvent& event) {
        event.Skip();
        if (CFrameWnd* frame = frameOf())
            frame->OnIdleUpdateCmdUI();
    });
    return native;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITMENU) {
        OnInitMenu(reinterpret_cast<CMenu*>(wParam));
        return 0;
    }
    if (message == WM_INITMENUPOPUP) {
        OnInitMenuPopup(reinterpret_cast<CMenu*>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                        HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CFrameWnd::OnInitMenu(CMenu*) {}

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT, BOOL) {
    if (popup)
        UpdateMenuItems(*popup, *this);
}

void CFrameWnd::PrepareMenu(void* opening) {
    if (m_menuState->prepared == opening)
        return;
    RunMenuUpdate(opening);
    m_menuState->prepared = opening;
}

void CFrameWnd::OnMenuOpen(void* opened) {
    if (m_menuState->prepared == opened) {
        m_menuState->prepared = nullptr;
        ++m_menuState->open;
        return;
    }
    RunMenuUpdate(opened);
    ++m_menuState->open;
}

void CFrameWnd::RunMenuUpdate(void* opening) {
    auto* menu = static_cast<wxMenu*>(opening);
    CMenuDisplay* display = m_menuState->display.get();
    if (!display || !display->Find(menu))
        return;
    const HWND h = GetSafeHwnd();
    if (m_menuState->open == 0) {
        SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(&m_menu), 0);
        if (!IsWindow(h) || m_menuState->display.get() != display)
            return;
    }
    const CMenuDisplay::Link* link = display->Find(menu);
    if (!link || !link->parent)
        return;
    SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(link->parent->Wrapper(*link->item)),
                static_cast<LPARAM>(link->index));
    if (IsWindow(h) && m_menuState->display.get() == display)
        display->Sync(menu);
}

void CFrameWnd::OnMenuClose() {
    if (m_menuState->open > 0 && --m_menuState->open == 0)
        SetMessageText(GetIdleMessage());
}

BOOL CFrameWnd::SetMenu(CMenu* menu) {
    auto* frame = dynamic_cast<wxFrame*>(GetNativeWindow());
    if (frame && m_menuState->display) {
        // The bar is ours again once the frame lets go of it.
        std::unique_ptr<wxMenuBar> old(frame->GetMenuBar());
        frame->SetMenuBar(nullptr);
    }
    m_menuState->display.reset();
    m_menuState->open = 0;
    m_menuState->prepared = nullptr;
    m_menu.DestroyMenu();
    if (menu && menu->IsLoaded()) {
        m_menu.Attach(*menu);
        if (frame) {
            const HWND h = GetSafeHwnd();
            m_menuState->display =
                std::make_unique<CMenuDisplay>(m_menu.Share(), *m_menu.GetNode(), true, [h](wxMenu* opening) {
                    if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(h));
                        frame && !PopupMenuRunning())
                        frame->PrepareMenu(opening);
                });
            frame->SetMenuBar(m_menuState->display->GetBar());
        }
    }
    RecalcLayout();
    return TRUE;
}

CMenu* CFrameWnd::GetMenu() {
    return m_menu.IsLoaded() ? &m_menu : nullptr;
}

void CFrameWnd::DrawMenuBar() {
    if (m_menuState->display)
        m_menuState->display->SyncBar();
}

void CFrameWnd::FocusDefaultWindow() {
    SetFocus();
}

BOOL CFrameWnd::LoadAccelTable(UINT id) {
    return m_accelerators.Load(id);
}

bool CFrameWnd::IsFocusInDialog(const CWnd* focus) {
    for (const CWnd* w = focus; w; w = w->GetParent())
        if (dynamic_cast<const CDialog*>(w))
            return true;
    return false;
}

namespace {

// The Ctrl keys a text field uses itself: select all, the clipboard, undo,
// and moving or deleting by words.
bool IsTextEditingKey(int virtualKey) {
    switch (virtualKey) {
    case 'A':
    case 'C':
    case 'V':
    case 'X':
    case 'Y':
    case 'Z':
    case VK_INSERT:
    case VK_BACK:
    case VK_DELETE:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
        return true;
    default:
        return false;
    }
}

// The keys a button is worked with: Space and Enter press it, Tab and the
// arrows move on.
bool IsButtonKey(int virtualKey) {
    switch (virtualKey) {
    case VK_SPACE:
    case VK_RETURN:
    case VK_TAB:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

BOOL CFrameWnd::TranslateAccelerator(int virtualKey, bool control, bool shift, const CWnd* focus) {
    // A field of the side bar keeps the keys it types and edits with; other
    // Ctrl keys (Ctrl+S, Ctrl+O...) still reach their commands from there.
    // A button there, which has the focus once clicked or after the dialog
    // it opened, keeps only its own keys.
    if (IsFocusInDialog(focus)) {
        const bool keeps = dynamic_cast<const CButton*>(focus) ? !control && IsButtonKey(virtualKey)
                                                               : !control || IsTextEditingKey(virtualKey);
        if (keeps)
            return FALSE;
    }
    const UINT command = m_accelerators.Translate(virtualKey, control, shift);
    if (!command)
        return FALSE;
    SendMessage(WM_COMMAND, MAKEWPARAM(command, kAcceleratorCode), 0);
    return TRUE;
}

CStatusBar* CFrameWnd::GetStatusBar() const {
    for (CControlBar* bar : m_bars)
        if (auto* status = dynamic_cast<CStatusBar*>(bar))
            return status;
    return nullptr;
}

CString CFrameWnd::GetIdleMessage() const {
    return LoadResourceString(IDS_IDLE_MESSAGE);
}

void CFrameWnd::SetMessageText(const CString& text) {
    if (CStatusBar* status = GetStatusBar())
        status->SetPaneText(0, text);
}

void CFrameWnd::AddControlBar(CControlBar* bar) {
    if (std::find(m_bars.begin(), m_bars.end(), bar) == m_bars.end())
        m_bars.push_back(bar);
    RecalcLayout();
}

void CFrameWnd::RemoveControlBar(CControlBar* bar) {
    std::erase(m_bars, bar);
    RecalcLayout();
}

void CFrameWnd::AddToolBar(CToolBar* bar) {
    m_toolBars.push_back(bar->GetSafeHwnd());
}

void CFrameWnd::RemoveToolBar(CToolBar* bar) {
    std::erase(m_toolBars, bar->GetSafeHwnd());
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL) {
    if (!bar)
        return;
    bar->GetBarWindow().ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

void CFrameWnd::RecalcLayout() {
    if (!GetNativeWindow())
        return;
    CRect rest;
    GetClientRect(&rest);
    for (CControlBar* bar : m_bars) {
        CWnd& wnd = bar->GetBarWindow();
        if (!wnd.GetNativeWindow() || !wnd.GetNativeWindow()->IsShown())
            continue;
        const int thickness = std::max(0, bar->GetBarThickness());
        switch (bar->GetBarStyle() & CBRS_ALIGN_ANY) {
        case CBRS_ALIGN_BOTTOM:
            wnd.MoveWindow(rest.left, rest.bottom - thickness, rest.Width(), thickness);
            rest.bottom -= thickness;
            break;
        case CBRS_ALIGN_LEFT:
            wnd.MoveWindow(rest.left, rest.top, thickness, rest.Height());
            rest.left += thickness;
            break;
        case CBRS_ALIGN_RIGHT:
            wnd.MoveWindow(rest.right - thickness, rest.top, thickness, rest.Height());
            rest.right -= thickness;
            break;
        default:
            wnd.MoveWindow(rest.left, rest.top, rest.Width(), thickness);
            rest.top += thickness;
            break;
        }
    }
    if (CWnd* pane = GetDlgItem(static_cast<int>(AFX_IDW_PANE_FIRST)))
        pane->MoveWindow(rest.left, rest.top, std::max(0, rest.Width()), std::max(0, rest.Height()));
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    for (const HWND h : std::vector<HWND>(m_toolBars))
        if (auto* bar = dynamic_cast<CToolBar*>(CWnd::FromHandle(h)))
            bar->UpdateButtons(*this);
    if (CStatusBar* status = GetStatusBar())
        status->UpdateIndicators();
}

void CFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CFrameWnd::OnDestroy() {
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    // wx deletes the bar with the frame.
    m_menuState->display.reset();
    CWnd::OnDestroy();
}

namespace {

// The window manager shows a frame full screen when asked and gives it its
// place and size back afterwards; a size set meanwhile would be taken as
// the frame's outer size while it has no borders, growing it by them. Without
// one (as under Xvfb) nothing would happen, so the frame is then given the
// screen's rectangle itself, and its own back when it leaves.
void ShowFrameFullScreen(wxFrame& frame, bool fullScreen, CRect& windowed) {
    const bool managed = WindowManagerShowsFullScreen();
    if (fullScreen) {
        const wxRect r = frame.GetRect();
        windowed = CRect(r.x, r.y, r.GetRight() + 1, r.GetBottom() + 1);
        frame.ShowFullScreen(true, wxFULLSCREEN_NOBORDER | wxFULLSCREEN_NOCAPTION);
        if (!managed) {
            const int display = wxDisplay::GetFromWindow(&frame);
            frame.SetSize(
                wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetGeometry());
        }
    } else {
        frame.ShowFullScreen(false);
        if (!managed)
            frame.SetSize(windowed.left, windowed.top, windowed.Width(), windowed.Height());
    }
}

} // namespace

BOOL CFrameWnd::ModifyStyle(DWORD remove, DWORD add) {
    const BOOL changed = CWnd::ModifyStyle(remove, add);
    auto* frame = dynamic_cast<wxFrame*>(GetNativeWindow());
    const bool windowed = (GetStyle() & (WS_CAPTION | WS_THICKFRAME)) != 0;
    if (frame && windowed == frame->IsFullScreen())
        ShowFrameFullScreen(*frame, !windowed, m_windowedRect);
    return changed;
}

BOOL CFrameWnd::IsShownFullScreen() const {
    const auto* frame = dynamic_cast<const wxFrame*>(GetNativeWindow());
    return frame && frame->IsFullScreen();
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    // A frame starts in its window, with caption and sizing border.
    cs.style |= WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;
    return CWnd::PreCreateWindow(cs);
}
