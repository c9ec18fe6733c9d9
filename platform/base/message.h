#pragma once
// Windows as message targets, without any toolkit: handles, SendMessage,
// PostMessage and the message numbers. The window layer (platform/ui) makes
// every window a target; the core reaches windows only through this header,
// and its tests register stand-in targets that record what they receive.
//
// Everything here runs on the one user-interface thread.
#include "platform/base/win_types.h"

#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
static_assert(sizeof(WPARAM) >= 8, "a handle travels whole in one message parameter");

// A window handle: a slot and the generation of the window that held it.
// It stays a comparable value after its window died, and never names the
// window that later takes the same slot. The null handle is {0, 0}.
struct HWND {
    std::uint32_t index = 0;
    std::uint32_t generation = 0;
    explicit operator bool() const { return index != 0; }
    friend bool operator==(const HWND&, const HWND&) = default;
};

// Handles carried in WPARAM or LPARAM (WM_SETFOCUS, WM_COMMAND, ...).
constexpr WPARAM HandleToParam(HWND h) {
    return (static_cast<WPARAM>(h.generation) << 32) | h.index;
}
constexpr HWND HandleFromParam(WPARAM p) {
    return {static_cast<std::uint32_t>(p & 0xFFFFFFFFu), static_cast<std::uint32_t>(p >> 32)};
}

constexpr WORD LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return (low & 0xFFFF) | ((high & 0xFFFF) << 16);
}
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
    return static_cast<LPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
// Point coordinates are signed 16-bit: negative outside a window that holds the capture.
constexpr int GET_X_LPARAM(LPARAM l) {
    return static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(l)));
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(l)));
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) {
    return static_cast<SHORT>(HIWORD(w));
}
constexpr int WHEEL_DELTA = 120;

constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;  // wParam: the window that lost the focus
constexpr UINT WM_KILLFOCUS = 0x0008; // wParam: the window that gets the focus
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_ERASEBKGND = 0x0014;  // wParam: the CDC* to erase with
constexpr UINT WM_SETCURSOR = 0x0020;   // wParam: window under the cursor; lParam: hit test, mouse message
constexpr UINT WM_NOTIFY = 0x004E;      // wParam: control id; lParam: NMHDR*
constexpr UINT WM_CONTEXTMENU = 0x007B; // wParam: window; lParam: screen point, -1 from the keyboard
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_COMMAND = 0x0111; // wParam: MAKEWPARAM(id, code); lParam: sender handle or 0
constexpr UINT WM_TIMER = 0x0113;   // wParam: timer id
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115; // wParam: MAKEWPARAM(code, position); lParam: scroll bar or 0
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSEWHEEL = 0x020A; // wParam: MAKEWPARAM(key flags, delta); lParam: screen point
constexpr UINT WM_USER = 0x0400;

// Key and button flags of the mouse messages.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_MBUTTON = 0x0010;

constexpr UINT SIZE_RESTORED = 0;
constexpr UINT HTCLIENT = 1;

// Scroll codes of WM_VSCROLL and WM_HSCROLL.
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_THUMBTRACK = 5;

// The head of every WM_NOTIFY record.
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// Anything that receives messages. A target gets a handle when it opens one
// and loses it when it closes it or dies; messages reach it only in between.
class CMessageTarget {
public:
    CMessageTarget() = default;
    virtual ~CMessageTarget();
    CMessageTarget(const CMessageTarget&) = delete;
    CMessageTarget& operator=(const CMessageTarget&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The live target of a handle, or null when its window died.
    static CMessageTarget* FromHandle(HWND h);

protected:
    // Gives this target a fresh handle (a live target keeps the one it has).
    HWND OpenHandle();
    // The handle dies: IsWindow turns false and queued messages are dropped.
    void CloseHandle();

private:
    HWND m_hWnd;
};

BOOL IsWindow(HWND h);
// Calls the target's handler now, nested in the caller; 0 when it died.
LRESULT SendMessage(HWND h, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues the message behind the ones already posted; FALSE when the target
// is not a live window. A queued message to a target that dies is dropped.
BOOL PostMessage(HWND h, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// What one handing-out of the event loop is to the user: something he asked
// for (a command, a key, a click, a posted message), or the display catching
// up with what was done (idle time, a resize, and every call the toolkit
// makes into the program while a handler of the same loop is running, which
// belongs to that handler's work).
enum class HandingOut {
    request,
    display,
    // A message sent by a call of the loop that is no message (an event
    // handler, an idle handler): part of that call's handing-out.
    within,
};

// What stands between the event loop and the program: every message the
// loop hands a window (the outermost SendMessage in one handing-out, see
// CEventLoopScope) and every other call of the loop into the program (see
// RunFromEventLoop) goes through the guard in use, which can deal with what
// the handler leaves unfinished.
class CMessageGuard {
public:
    virtual ~CMessageGuard() = default;
    // Hands the message to target.WindowProc and returns its result.
    virtual LRESULT Deliver(CMessageTarget& target, UINT message, WPARAM wParam, LPARAM lParam,
                            HandingOut kind) = 0;
    // Runs call(context), a call of the event loop that is no message, of
    // kind request or display.
    virtual void Run(void (*call)(void*), void* context, HandingOut kind) = 0;
};
// Makes guard the one in use (null: none) and returns the one it replaces.
CMessageGuard* SetMessageGuard(CMessageGuard* guard);

// While one lives, the next message sent is one the event loop hands out,
// though a handler may be running: each event the toolkit hands the program
// makes one (it may come in the middle of a handler, as a repaint does,
// through toolkit code that cannot carry an exception back), as do the loops
// of modal windows and each posted message. What the user does in a modal
// window's loop is a request of its own.
class CEventLoopScope {
public:
    CEventLoopScope();
    ~CEventLoopScope();
    CEventLoopScope(const CEventLoopScope&) = delete;
    CEventLoopScope& operator=(const CEventLoopScope&) = delete;

private:
    int m_outerDepth;
    bool m_outerRun;
};

// Runs call(context) as one handing-out of the event loop, through the guard
// in use: for the loop's calls into the program that are no messages (idle
// handlers, timers, event filters, toolkit callbacks), whose callers are
// toolkit code that cannot carry an exception back. A call made while a
// handler of the same loop runs is the display's, whatever kind says.
void RunFromEventLoop(void (*call)(void*), void* context, HandingOut kind = HandingOut::request);
template <class Call> void RunFromEventLoop(Call&& call, HandingOut kind = HandingOut::request) {
    RunFromEventLoop([](void* c) { (*static_cast<std::remove_reference_t<Call>*>(c))(); }, &call, kind);
}
// Runs call, the part of a handler that only shows what the handler has
// done (a title, a list in a menu, where the focus goes), as the display's
// own handing-out: memory running out in it leaves the display behind, and
// the user is told so, but never that what was done was not.
template <class Call> void UpdateDisplay(Call&& call) {
    RunFromEventLoop(std::forward<Call>(call), HandingOut::display);
}

// Whether the request a handing-out began goes on over the handing-outs to
// come (a drag holds the mouse from its press to its release); the window
// layer answers. Without an answer no request goes on.
void SetRequestGoesOnProbe(bool (*probe)());
bool RequestGoesOn();

// Delivers the messages that were queued when the call began, in order (what
// their handlers post waits for the next round); returns how many it took.
// The event loop calls it; tests call it by hand.
int DispatchPostedMessages();
// Called when the queue stops being empty, so the event loop can schedule a
// round of DispatchPostedMessages. Without one, messages wait for a manual call.
void SetPostedMessageWakeup(std::function<void()> wakeup);
