#include "platform/ui/wnd.h"

#include "platform/ui/cursor.h"
#include "platform/ui/dc.h"
#include "platform/ui/menu_node.h"
#include "platform/ui/modal_focus.h"
#include "platform/ui/native_window.h"
#include "platform/ui/sys_color.h"
#include "platform/ui/window_showing.h"

#include <algorithm>
#include <unordered_map>
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/window.h>

namespace {

std::unordered_map<const wxWindow*, HWND>& NativeWindows() {
    static std::unordered_map<const wxWindow*, HWND> map;
    return map;
}

HWND g_capture;

// Delivers WM_TIMER as a posted message, so a handler may kill its own timer
// or destroy its window while wx is still inside the timer's callback.
class CWndTimer : public wxTimer {
public:
    CWndTimer(HWND target, UINT_PTR id) : m_target(target), m_id(id) {}
    void Notify() override {
        RunFromEventLoop([this] { PostMessage(m_target, WM_TIMER, m_id, 0); });
    }

private:
    HWND m_target;
    UINT_PTR m_id;
};

// GTK negotiates a top-level window's size again whenever a control in it is
// shown, hidden or moved, and goes back to the client size the window was
// made with; setting the client size anew makes the new size the one it keeps.
void KeepTopLevelSize(wxWindow& window) {
    window.SetClientSize(window.GetClientSize());
}

std::vector<CWnd*> ChildWindows(const wxWindow* native) {
    std::vector<CWnd*> children;
    if (native)
        for (const wxWindow* child : native->GetChildren())
            if (CWnd* wnd = CWnd::FromNative(child))
                children.push_back(wnd);
    return children;
}

} // namespace

void InstallPostedMessagePump() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // A window holding the mouse is in the middle of a drag its press began.
    SetRequestGoesOnProbe([] { return CWnd::GetCapture() != nullptr; });
    SetPostedMessageWakeup([] {
        if (wxTheApp)
            wxTheApp->CallAfter([] { RunFromEventLoop([] { DispatchPostedMessages(); }); });
    });
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND h) {
    return dynamic_cast<CWnd*>(CMessageTarget::FromHandle(h));
}

CWnd* CWnd::FromNative(const wxWindow* native) {
    const auto& map = NativeWindows();
    const auto it = map.find(native);
    return it == map.end() ? nullptr : FromHandle(it->second);
}

BOOL CWnd::Create(const CString& windowName, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
    if (m_native || (parent && !parent->m_native))
        return FALSE;
    CREATESTRUCT cs;
    cs.parent = parent;
    cs.id = id;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = std::max(0, rect.Width());
    cs.cy = std::max(0, rect.Height());
    cs.style = style;
    cs.name = windowName;
    if (!PreCreateWindow(cs))
        return FALSE;
    InstallPostedMessagePump();
    InstallModalFocusKeeper();
    // The handle exists first, so that the native window's event bindings
    // can name this window.
    const HWND h = OpenHandle();
    wxWindow* native = CreateNativeWindow(parent ? parent->m_native : nullptr, cs);
    if (!native) {
        CloseHandle();
        return FALSE;
    }
    m_native = native;
    m_id = cs.id;
    m_style = cs.style;
    m_classStyle = cs.classStyle;
    m_text = cs.name;
    m_reportedSize = CSize(-1, -1);
    m_current = CurrentMessage{};
    m_nativeEvent = nullptr;
    m_paintPending = false;
    NativeWindows()[native] = h;
    CWndEvents::Connect(*this);
    if (!(cs.style & WS_VISIBLE) && !native->IsTopLevel())
        native->Hide();
    if (cs.style & WS_DISABLED)
        native->Enable(false);

    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (!IsWindow(h))
        return FALSE;
    ReportSize();
    if (cs.style & WS_VISIBLE) {
        SizeBeforeFirstShow(*native);
        native->Show();
    }
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

wxWindow* CWnd::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    const long repaint = (cs.classStyle & (CS_HREDRAW | CS_VREDRAW)) ? wxFULL_REPAINT_ON_RESIZE : 0;
    wxWindow* native;
    if (!parent)
        native = MakeOwnedByWx<wxFrame>(nullptr, wxID_ANY, wxString::FromUTF8(cs.name.GetString()),
                                        wxPoint(cs.x, cs.y), wxSize(cs.cx, cs.cy),
                                        wxDEFAULT_FRAME_STYLE | repaint);
    else
        native = MakeOwnedByWx<wxWindow>(parent, wxID_ANY, wxPoint(cs.x, cs.y), wxSize(cs.cx, cs.cy),
                                         wxWANTS_CHARS | wxBORDER_NONE | repaint);
    // Every pixel comes from WM_ERASEBKGND and WM_PAINT.
    native->SetBackgroundStyle(wxBG_STYLE_PAINT);
    return native;
}

BOOL CWnd::DestroyWindow() {
    if (!m_native || m_destroying)
        return FALSE;
    Teardown(true);
    return TRUE;
}

void CWnd::Teardown(bool deleteNative) {
    m_destroying = true;
    wxWindow* native = m_native;
    if (g_capture == GetSafeHwnd())
        ReleaseCapture();
    SendMessage(WM_DESTROY);
    m_timers.clear();
    for (CWnd* child : ChildWindows(native))
        child->DestroyWindow();
    NativeWindows().erase(native);
    m_native = nullptr;
    m_paintDC = nullptr;
    CloseHandle();
    m_destroying = false;
    if (deleteNative)
        native->Destroy();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The outer message comes back however the handler ends: one that runs
    // out of memory leaves by an exception, and its event is gone then.
    struct Restore {
        CWnd& wnd;
        const CurrentMessage outer;
        ~Restore() { wnd.m_current = outer; }
    } restore{*this, m_current};
    m_current = CurrentMessage{message, wParam, lParam, nullptr};
    if (m_nativeEvent && m_nativeMessage == message) {
        m_current.native = m_nativeEvent;
        m_nativeEvent = nullptr;
    }
    return Dispatch(message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SIZE:
        OnSize(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, point);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, point);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, point);
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, point);
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, point);
        return 0;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(flags, point);
        return 0;
    case WM_MBUTTONDOWN:
        OnMButtonDown(flags, point);
        return 0;
    case WM_MBUTTONUP:
        OnMButtonUp(flags, point);
        return 0;
    case WM_MBUTTONDBLCLK:
        OnMButtonDblClk(flags, point);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, point);
        return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(LOWORD(wParam), static_cast<short>(GET_WHEEL_DELTA_WPARAM(wParam)), point);
    case WM_SETCURSOR:
        return OnSetCursor(FromHandle(HandleFromParam(wParam)), LOWORD(lParam), HIWORD(lParam));
    case WM_CONTEXTMENU:
        OnContextMenu(FromHandle(HandleFromParam(wParam)), point);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_KEYUP:
        OnKeyUp(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CHAR:
        OnChar(flags, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(HandleFromParam(wParam)));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(HandleFromParam(wParam)));
        return 0;
    case WM_ENABLE:
        OnEnable(static_cast<BOOL>(wParam));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(HandleFromParam(static_cast<WPARAM>(lParam))));
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(HandleFromParam(static_cast<WPARAM>(lParam))));
        return 0;
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    case WM_NOTIFY: {
        LRESULT result = 0;
        return OnNotify(wParam, lParam, &result) ? result : DefWindowProc(message, wParam, lParam);
    }
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_current.native && m_current.message == message)
        m_current.native->Skip();
    switch (message) {
    case WM_ERASEBKGND: {
        CDC* dc = reinterpret_cast<CDC*>(wParam);
        if (!dc)
            return 0;
        CRect client;
        GetClientRect(&client);
        dc->FillRect(client, GetSysColorBrush(COLOR_3DFACE));
        return 1;
    }
    case WM_SETCURSOR: {
        // The parent decides first, as for every child window.
        CWnd* parent = GetParent();
        if (parent && parent->SendMessage(WM_SETCURSOR, wParam, lParam))
            return TRUE;
        if (LOWORD(lParam) == HTCLIENT)
            SetCursor(LoadStandardCursor(IDC_ARROW));
        return FALSE;
    }
    case WM_RBUTTONUP: {
        CPoint screen(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ClientToScreen(&screen);
        SendMessage(WM_CONTEXTMENU, HandleToParam(GetSafeHwnd()), MAKELPARAM(screen.x, screen.y));
        return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL: {
        CWnd* parent = GetParent();
        return parent ? parent->SendMessage(message, wParam, lParam) : 0;
    }
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_INITMENUPOPUP:
        if (CMenu* popup = reinterpret_cast<CMenu*>(wParam))
            UpdateMenuItems(*popup, *this);
        return 0;
    default:
        return 0;
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(GetSafeHwnd(), message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(GetSafeHwnd(), message, wParam, lParam);
}

void CWnd::ReportSize() {
    if (!m_native)
        return;
    const wxSize client = m_native->GetClientSize();
    const CSize size(client.x, client.y);
    if (size == m_reportedSize)
        return;
    m_reportedSize = size;
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    if (!m_native)
        return;
    m_native->SetSize(x, y, std::max(0, width), std::max(0, height), wxSIZE_ALLOW_MINUS_ONE);
    if (m_native->IsTopLevel())
        KeepTopLevelSize(*m_native);
    ReportSize();
    if (repaint)
        Invalidate();
}

void CWnd::MoveWindow(const CRect& rect, BOOL repaint) {
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT flags) {
    if (!m_native)
        return FALSE;
    if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
        const wxPoint position = m_native->GetPosition();
        const wxSize size = m_native->GetSize();
        if (flags & SWP_NOMOVE) {
            x = position.x;
            y = position.y;
        }
        if (flags & SWP_NOSIZE) {
            cx = size.x;
            cy = size.y;
        }
        MoveWindow(x, y, cx, cy, !(flags & SWP_NOREDRAW));
    }
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    return TRUE;
}

void CWnd::GetClientRect(CRect* rect) const {
    const wxSize size = m_native ? m_native->GetClientSize() : wxSize(0, 0);
    *rect = CRect(0, 0, size.x, size.y);
}

void CWnd::GetWindowRect(CRect* rect) const {
    if (!m_native) {
        *rect = CRect();
        return;
    }
    const wxRect r = m_native->GetScreenRect();
    *rect = CRect(r.x, r.y, r.x + r.width, r.y + r.height);
}

void CWnd::GetRectInParent(CRect* rect) const {
    if (!m_native) {
        *rect = CRect();
        return;
    }
    const wxRect r = m_native->GetRect();
    *rect = CRect(r.x, r.y, r.x + r.width, r.y + r.height);
}

void CWnd::ClientToScreen(CPoint* point) const {
    if (!m_native)
        return;
    const wxPoint p = m_native->ClientToScreen(wxPoint(point->x, point->y));
    *point = CPoint(p.x, p.y);
}

void CWnd::ClientToScreen(CRect* rect) const {
    CPoint origin = rect->TopLeft();
    ClientToScreen(&origin);
    rect->OffsetRect(origin.x - rect->left, origin.y - rect->top);
}

void CWnd::ScreenToClient(CPoint* point) const {
    if (!m_native)
        return;
    const wxPoint p = m_native->ScreenToClient(wxPoint(point->x, point->y));
    *point = CPoint(p.x, p.y);
}

void CWnd::ScreenToClient(CRect* rect) const {
    CPoint origin = rect->TopLeft();
    ScreenToClient(&origin);
    rect->OffsetRect(origin.x - rect->left, origin.y - rect->top);
}

BOOL CWnd::ShowWindow(int command) {
    if (!m_native)
        return FALSE;
    const BOOL wasVisible = m_native->IsShown();
    if (command == SW_HIDE) {
        m_native->Hide();
        return wasVisible;
    }
    SizeBeforeFirstShow(*m_native);
    m_native->Show();
    if (command == SW_MAXIMIZE)
        if (auto* frame = dynamic_cast<wxTopLevelWindow*>(m_native))
            frame->Maximize();
    ReportSize();
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    for (const wxWindow* w = m_native; w; w = w->IsTopLevel() ? nullptr : w->GetParent())
        if (!w->IsShown())
            return FALSE;
    return m_native != nullptr;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    if (!m_native)
        return FALSE;
    const bool wasEnabled = m_native->IsThisEnabled();
    if (wasEnabled != (enable != FALSE)) {
        m_native->Enable(enable != FALSE);
        SendMessage(WM_ENABLE, enable != FALSE);
    }
    return !wasEnabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_native && m_native->IsThisEnabled();
}

BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info) const {
    const int orientation = bar == SB_VERT ? wxVERTICAL : wxHORIZONTAL;
    if (!m_native || !info || !m_native->HasScrollbar(orientation))
        return FALSE;
    const int range = m_native->GetScrollRange(orientation);
    info->nMin = 0;
    info->nMax = range > 0 ? range - 1 : 0;
    info->nPage = static_cast<UINT>(std::max(0, m_native->GetScrollThumb(orientation)));
    info->nPos = m_native->GetScrollPos(orientation);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
    const DWORD old = m_style;
    m_style = (m_style & ~remove) | add;
    return m_style != old;
}

void CWnd::SetWindowText(const CString& text) {
    m_text = text;
    if (m_native && m_native->IsTopLevel())
        m_native->SetLabel(wxString::FromUTF8(text.GetString()));
}

void CWnd::GetWindowText(CString& text) const {
    text = m_text;
}

CWnd* CWnd::GetParent() const {
    return m_native ? FromNative(m_native->GetParent()) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const {
    for (CWnd* child : ChildWindows(m_native))
        if (child->GetDlgCtrlID() == id)
            return child;
    return nullptr;
}

CWnd* CWnd::GetWindow(UINT command) const {
    if (command == GW_CHILD) {
        const std::vector<CWnd*> children = ChildWindows(m_native);
        return children.empty() ? nullptr : children.front();
    }
    if (command == GW_HWNDNEXT && m_native) {
        const std::vector<CWnd*> siblings = ChildWindows(m_native->GetParent());
        const auto it = std::find(siblings.begin(), siblings.end(), this);
        if (it != siblings.end() && it + 1 != siblings.end())
            return *(it + 1);
    }
    return nullptr;
}

void CWnd::Invalidate(BOOL erase) {
    InvalidateRect(nullptr, erase);
}

void CWnd::InvalidateRect(const CRect* rect, BOOL erase) {
    if (!m_native)
        return;
    if (!m_paintPending) {
        m_paintPending = true;
        m_skipErase = !erase;
    } else if (erase) {
        m_skipErase = false;
    }
    if (rect) {
        const wxRect area(rect->left, rect->top, rect->Width(), rect->Height());
        m_native->Refresh(false, &area);
    } else {
        m_native->Refresh(false);
    }
}

BOOL CWnd::RedrawWindow(const CRect* rect, std::nullptr_t, UINT flags) {
    if (!m_native)
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(rect, (flags & RDW_ERASE) && !(flags & RDW_NOERASE));
    if (flags & RDW_UPDATENOW)
        UpdateWindow();
    return TRUE;
}

int CWnd::ScrollWindowEx(int dx, int dy, const CRect*, const CRect*, std::nullptr_t, CRect*, UINT flags) {
    if (!m_native)
        return 0;
    if ((flags & SW_SCROLLCHILDREN) && (dx || dy))
        for (CWnd* child : ChildWindows(m_native)) {
            // -1 is a real coordinate here, not "keep the old one".
            const wxRect place = child->m_native->GetRect();
            child->m_native->SetSize(place.x + dx, place.y + dy, place.width, place.height,
                                     wxSIZE_ALLOW_MINUS_ONE);
        }
    if (flags & SW_INVALIDATE)
        Invalidate();
    return dx || dy;
}

void CWnd::UpdateWindow() {
    if (m_native)
        m_native->Update();
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse) {
    if (!m_native)
        return 0;
    auto& timer = m_timers[id];
    if (!timer)
        timer = std::make_unique<CWndTimer>(GetSafeHwnd(), id);
    timer->Start(static_cast<int>(std::max(1u, elapse)));
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    return m_timers.erase(id) > 0;
}

CWnd* CWnd::SetCapture() {
    CWnd* previous = GetCapture();
    if (previous == this || !m_native)
        return previous;
    ReleaseCapture();
    m_native->CaptureMouse();
    g_capture = GetSafeHwnd();
    return previous;
}

CWnd* CWnd::GetCapture() {
    return FromHandle(g_capture);
}

BOOL ReleaseCapture() {
    CWnd* holder = CWnd::GetCapture();
    g_capture = HWND{};
    wxWindow* native = holder ? holder->GetNativeWindow() : nullptr;
    if (native && native->HasCapture())
        native->ReleaseMouse();
    return TRUE;
}

void CWndEvents::CaptureLost(CWnd& wnd) {
    if (g_capture == wnd.GetSafeHwnd())
        g_capture = HWND{};
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (m_native)
        m_native->SetFocus();
    return previous;
}

CWnd* CWnd::GetFocus() {
    return FromNative(wxWindow::FindFocus());
}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return static_cast<BOOL>(Default());
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnEnable(BOOL) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CWnd*) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CWnd*) {
    Default();
}
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    CommandMessage message;
    message.id = LOWORD(wParam);
    message.sender = HandleFromParam(static_cast<WPARAM>(lParam));
    // Menus and accelerators reach the same handlers; an override that
    // needs to tell them apart reads the code from wParam.
    message.code = message.sender ? HIWORD(wParam) : 0;
    if (CWnd* control = message.sender ? FromHandle(message.sender) : nullptr) {
        CommandMessage reflected = message;
        reflected.kind = CommandKind::ReflectedCommand;
        if (control->OnCmdMsg(reflected))
            return TRUE;
    }
    return OnCmdMsg(message);
}
BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    CommandMessage message;
    message.kind = CommandKind::Notify;
    message.id = static_cast<UINT>(header->idFrom);
    message.code = header->code;
    message.sender = header->hwndFrom;
    message.header = header;
    message.result = result;
    if (CWnd* control = FromHandle(header->hwndFrom)) {
        CommandMessage reflected = message;
        reflected.kind = CommandKind::ReflectedNotify;
        if (control->OnCmdMsg(reflected))
            return TRUE;
    }
    return OnCmdMsg(message);
}
