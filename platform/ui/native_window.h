#pragma once
// Internals shared by the files of the window layer; nothing outside
// platform/ui includes this.
#include "platform/ui/wnd.h"

#include <memory>
#include <utility>

class wxEvent;

// wx owns its windows and clipboard data: a child dies with its parent, a
// frame when it is destroyed, clipboard data when it is replaced. This hands
// a new object over to it.
template <class W, class... Args> W* MakeOwnedByWx(Args&&... args) {
    return std::make_unique<W>(std::forward<Args>(args)...).release();
}

// Lets the wx event loop deliver posted messages, and the message layer know
// when a drag holds the mouse; idempotent.
void InstallPostedMessagePump();

// Turns the wx events of a CWnd's native window into messages.
class CWndEvents {
public:
    static void Connect(CWnd& wnd);
    // Delivers `event` to the window as `message`; the window's default
    // processing of that message lets wx handle the event too.
    static LRESULT Deliver(CWnd& wnd, wxEvent& event, UINT message, WPARAM wParam, LPARAM lParam);
    static void CaptureLost(CWnd& wnd);
};

// The window whose mouse event is being delivered: SetCursor acts on it.
class CMouseInputScope {
public:
    explicit CMouseInputScope(wxWindow* window);
    ~CMouseInputScope();
    CMouseInputScope(const CMouseInputScope&) = delete;
    CMouseInputScope& operator=(const CMouseInputScope&) = delete;
    static wxWindow* Current();

private:
    wxWindow* m_outer;
};

// The installed family that stands in for a Windows face name.
CString ResolveFontFace(const CString& face, bool japanese);
