#include "platform/ui/dc.h"
#include "platform/ui/input.h"
#include "platform/ui/native_window.h"

#include <wx/dcclient.h>
#include <wx/window.h>

namespace {

wxWindow* g_mouseWindow = nullptr;

UINT MouseMessage(const wxMouseEvent& e, UINT classStyle) {
    const bool doubleClicks = (classStyle & CS_DBLCLKS) != 0;
    const wxEventType type = e.GetEventType();
    if (type == wxEVT_LEFT_DOWN)
        return WM_LBUTTONDOWN;
    if (type == wxEVT_LEFT_UP)
        return WM_LBUTTONUP;
    if (type == wxEVT_LEFT_DCLICK)
        return doubleClicks ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
    if (type == wxEVT_RIGHT_DOWN)
        return WM_RBUTTONDOWN;
    if (type == wxEVT_RIGHT_UP)
        return WM_RBUTTONUP;
    if (type == wxEVT_RIGHT_DCLICK)
        return doubleClicks ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
    if (type == wxEVT_MIDDLE_DOWN)
        return WM_MBUTTONDOWN;
    if (type == wxEVT_MIDDLE_UP)
        return WM_MBUTTONUP;
    if (type == wxEVT_MIDDLE_DCLICK)
        return doubleClicks ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN;
    if (type == wxEVT_MOTION)
        return WM_MOUSEMOVE;
    if (type == wxEVT_MOUSEWHEEL)
        return WM_MOUSEWHEEL;
    return 0;
}

UINT MouseFlags(const wxMouseEvent& e) {
    return (e.LeftIsDown() ? MK_LBUTTON : 0) | (e.RightIsDown() ? MK_RBUTTON : 0) |
           (e.MiddleIsDown() ? MK_MBUTTON : 0) | (e.ShiftDown() ? MK_SHIFT : 0) |
           (e.ControlDown() ? MK_CONTROL : 0);
}

void RecordModifiers(const wxKeyboardState& state) {
    SetKeyState(VK_SHIFT, state.ShiftDown());
    SetKeyState(VK_CONTROL, state.ControlDown());
}

WPARAM HandleParamOf(const wxWindow* native) {
    const CWnd* wnd = CWnd::FromNative(native);
    return wnd ? HandleToParam(wnd->GetSafeHwnd()) : 0;
}

} // namespace

CMouseInputScope::CMouseInputScope(wxWindow* window) : m_outer(g_mouseWindow) {
    g_mouseWindow = window;
}
CMouseInputScope::~CMouseInputScope() {
    g_mouseWindow = m_outer;
}
wxWindow* CMouseInputScope::Current() {
    return g_mouseWindow;
}

LRESULT CWndEvents::Deliver(CWnd& wnd, wxEvent& event, UINT message, WPARAM wParam, LPARAM lParam) {
    // The outer event comes back however the message ends, to a window that lives.
    struct Restore {
        const HWND h;
        const UINT message;
        wxEvent* const event;
        ~Restore() {
            if (CWnd* alive = CWnd::FromHandle(h)) {
                alive->m_nativeMessage = message;
                alive->m_nativeEvent = event;
            }
        }
    } restore{wnd.GetSafeHwnd(), wnd.m_nativeMessage, wnd.m_nativeEvent};
    wnd.m_nativeMessage = message;
    wnd.m_nativeEvent = &event;
    return ::SendMessage(restore.h, message, wParam, lParam);
}

void CWndEvents::Connect(CWnd& wnd) {
    wxWindow* native = wnd.m_native;
    const HWND h = wnd.GetSafeHwnd();

    native->Bind(wxEVT_PAINT, [h, native](wxPaintEvent& event) {
        wxPaintDC dc(native);
        CWnd* w = CWnd::FromHandle(h);
        if (!w)
            return;
        wxDC* outer = w->m_paintDC;
        w->m_paintDC = &dc;
        const bool erase = !(w->m_paintPending && w->m_skipErase);
        w->m_paintAsked = w->m_paintPending;
        w->m_paintPending = false;
        w->m_skipErase = false;
        if (erase) {
            CDC eraser(dc);
            Deliver(*w, event, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&eraser), 0);
        }
        if (IsWindow(h))
            Deliver(*w, event, WM_PAINT, 0, 0);
        if (IsWindow(h))
            w->m_paintDC = outer;
    });
    native->Bind(wxEVT_ERASE_BACKGROUND, [](wxEraseEvent&) {});
    native->Bind(wxEVT_SIZE, [h, native](wxSizeEvent& event) {
        // Controls lay themselves out in wx's own size handling; a frame's
        // would stretch its only child over the client area.
        if (!native->IsTopLevel())
            event.Skip();
        if (CWnd* w = CWnd::FromHandle(h))
            w->ReportSize();
    });

    const auto mouse = [h](wxMouseEvent& event) {
        CWnd* w = CWnd::FromHandle(h);
        const UINT message = w ? MouseMessage(event, w->m_classStyle) : 0;
        if (!message) {
            event.Skip();
            return;
        }
        RecordModifiers(event);
        const UINT flags = MouseFlags(event);
        CMouseInputScope scope(w->m_native);
        if (message == WM_MOUSEWHEEL) {
            if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL || event.GetWheelDelta() == 0) {
                event.Skip();
                return;
            }
            const int delta = event.GetWheelRotation() * WHEEL_DELTA / event.GetWheelDelta();
            const wxPoint screen = w->m_native->ClientToScreen(event.GetPosition());
            Deliver(*w, event, message, MAKEWPARAM(flags, static_cast<unsigned>(delta)),
                    MAKELPARAM(static_cast<unsigned>(screen.x), static_cast<unsigned>(screen.y)));
            return;
        }
        // The toolkit repeats motion at one place when the pointer crosses
        // windows during a capture; a move that moved nothing is no message.
        const CPoint point(event.GetX(), event.GetY());
        if (message == WM_MOUSEMOVE && w->m_lastMove.valid && w->m_lastMove.point == point &&
            w->m_lastMove.flags == flags)
            return;
        w->m_lastMove = {message == WM_MOUSEMOVE, point, flags};
        // As on every mouse message the cursor is chosen first, unless a
        // window holds the capture.
        if (!CWnd::GetCapture()) {
            w->SendMessage(WM_SETCURSOR, HandleToParam(h), MAKELPARAM(HTCLIENT, message));
            if (!IsWindow(h))
                return;
        }
        Deliver(*w, event, message, flags,
                MAKELPARAM(static_cast<unsigned>(point.x), static_cast<unsigned>(point.y)));
    };
    for (const wxEventTypeTag<wxMouseEvent>& type :
         {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DOWN, wxEVT_RIGHT_UP,
          wxEVT_RIGHT_DCLICK, wxEVT_MIDDLE_DOWN, wxEVT_MIDDLE_UP, wxEVT_MIDDLE_DCLICK, wxEVT_MOTION,
          wxEVT_MOUSEWHEEL})
        native->Bind(type, mouse);

    native->Bind(wxEVT_KEY_DOWN, [h](wxKeyEvent& event) {
        // Always passed on, so that the character message follows.
        event.Skip();
        RecordModifiers(event);
        const int key = VirtualKeyOfEvent(event);
        CWnd* w = CWnd::FromHandle(h);
        if (!key || !w)
            return;
        SetKeyState(key, true);
        Deliver(*w, event, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
    });
    native->Bind(wxEVT_KEY_UP, [h](wxKeyEvent& event) {
        RecordModifiers(event);
        const int key = VirtualKeyOfEvent(event);
        CWnd* w = CWnd::FromHandle(h);
        if (!key || !w) {
            event.Skip();
            return;
        }
        SetKeyState(key, false);
        Deliver(*w, event, WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001u));
    });
    native->Bind(wxEVT_CHAR, [h](wxKeyEvent& event) {
        wxChar ch = event.GetUnicodeKey();
        if (ch == WXK_NONE) {
            const int code = event.GetKeyCode();
            if ((code > 0 && code < 32) || code == WXK_DELETE)
                ch = static_cast<wxChar>(code);
        }
        CWnd* w = CWnd::FromHandle(h);
        if (ch == WXK_NONE || !w) {
            event.Skip();
            return;
        }
        Deliver(*w, event, WM_CHAR, static_cast<WPARAM>(ch), 1);
    });

    native->Bind(wxEVT_SET_FOCUS, [h](wxFocusEvent& event) {
        event.Skip();
        if (CWnd* w = CWnd::FromHandle(h))
            Deliver(*w, event, WM_SETFOCUS, HandleParamOf(event.GetWindow()), 0);
    });
    native->Bind(wxEVT_KILL_FOCUS, [h](wxFocusEvent& event) {
        event.Skip();
        if (CWnd* w = CWnd::FromHandle(h))
            Deliver(*w, event, WM_KILLFOCUS, HandleParamOf(event.GetWindow()), 0);
    });
    native->Bind(wxEVT_MOUSE_CAPTURE_LOST, [h](wxMouseCaptureLostEvent&) {
        if (CWnd* w = CWnd::FromHandle(h))
            CaptureLost(*w);
    });
    native->Bind(wxEVT_CONTEXT_MENU, [h](wxContextMenuEvent& event) {
        // Mouse clicks already sent WM_CONTEXTMENU from the right button's
        // release; only the keyboard's menu request is new here.
        CWnd* w = CWnd::FromHandle(h);
        if (w && event.GetPosition() == wxDefaultPosition)
            Deliver(*w, event, WM_CONTEXTMENU, HandleToParam(h), -1);
    });
    if (native->IsTopLevel())
        native->Bind(wxEVT_CLOSE_WINDOW, [h](wxCloseEvent& event) {
            CWnd* w = CWnd::FromHandle(h);
            if (!w) {
                event.Skip();
                return;
            }
            w->SendMessage(WM_CLOSE);
            if (IsWindow(h) && event.CanVeto())
                event.Veto();
            else if (IsWindow(h))
                w->DestroyWindow();
        });
    native->Bind(wxEVT_DESTROY, [h, native](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() != native)
            return;
        CWnd* w = CWnd::FromHandle(h);
        if (w && !w->m_destroying)
            w->Teardown(false);
    });
}
