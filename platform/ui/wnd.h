#pragma once
// CWnd: a window in the Windows class library's terms over a wx window. Every wx event
// of the window becomes a message delivered through WindowProc to the
// virtual On... handlers, whose base versions give the message its default
// processing (Default). SendMessage and PostMessage reach any window by its
// handle, which stays a comparable value after the window died.
//
// A class makes its own kind of native window by overriding
// CreateNativeWindow (the GL pane makes a GL canvas; dialogs and controls
// make theirs); everything else works the same for all of them.
#include "platform/base/cmd_target.h"
#include "platform/base/cstring.h"
#include "platform/base/message.h"
#include "platform/base/window_styles.h"

#include <cstddef>
#include <map>
#include <memory>

class wxWindow;
class wxDC;
class wxEvent;
class wxTimer;
class CDC;
class CWnd;

// Class styles: CS_VREDRAW and CS_HREDRAW repaint the whole window after a
// resize; without CS_DBLCLKS the second press of a double click arrives as a
// plain button-down message.
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_DBLCLKS = 0x0008;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNA = 8;

constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_UPDATENOW = 0x0100;

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
// A scroll bar's range, page and position, in the window's scroll units.
struct SCROLLINFO {
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
};

constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_CHILD = 5;

// ScrollWindowEx: the child windows move with the content; the window repaints.
constexpr UINT SW_SCROLLCHILDREN = 0x0001;
constexpr UINT SW_INVALIDATE = 0x0002;

// What Create passes to PreCreateWindow and, as lParam, to WM_CREATE.
struct CREATESTRUCT {
    CWnd* parent = nullptr;
    UINT id = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    UINT classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    CString name;
};
using LPCREATESTRUCT = CREATESTRUCT*;

class CWnd : public CMessageTarget, public CCmdTarget {
public:
    CWnd();
    // A window still alive dies with its object; only CWnd's own handlers
    // run then, so owners destroy their windows first.
    ~CWnd() override;

    // Makes the window: a child of parent at rect (parent client pixels), or
    // a top-level frame when parent is null (rect in screen pixels). WM_CREATE
    // runs before Create returns; -1 from it destroys the window and Create
    // returns FALSE. WM_SIZE follows a successful WM_CREATE.
    virtual BOOL Create(const CString& windowName, DWORD style, const CRect& rect, CWnd* parent, UINT id);
    // WM_DESTROY goes to the window, then its children are destroyed; timers
    // stop, the capture is released and the handle dies.
    virtual BOOL DestroyWindow();

    static CWnd* FromHandle(HWND h);
    // The CWnd over a native window, or null.
    static CWnd* FromNative(const wxWindow* native);
    wxWindow* GetNativeWindow() const { return m_native; }
    virtual const char* GetRuntimeClassName() const { return "CWnd"; }

    // Messages.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The toolkit's or the system's own handling of a message.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Geometry, in pixels.
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const CRect& rect, BOOL repaint = TRUE);
    // Places and shows or hides; the stacking order stays as created.
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetClientRect(CRect* rect) const;
    void GetWindowRect(CRect* rect) const; // screen pixels
    // The window's rectangle in its parent's client pixels, as GetWindowRect
    // and the parent's ScreenToClient give it, also while it is hidden.
    void GetRectInParent(CRect* rect) const;
    void ClientToScreen(CPoint* point) const;
    void ClientToScreen(CRect* rect) const;
    void ScreenToClient(CPoint* point) const;
    void ScreenToClient(CRect* rect) const;

    // Returns whether the window was visible before.
    BOOL ShowWindow(int command);
    // Visible itself and every ancestor.
    BOOL IsWindowVisible() const;
    // Sends WM_ENABLE when the state changes; returns whether it was disabled.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    // The window's own horizontal or vertical scroll bar; FALSE when it has none.
    BOOL GetScrollInfo(int bar, SCROLLINFO* info) const;

    // The style bits the window was made with, as ModifyStyle changed them
    // (ShowWindow and EnableWindow leave them alone).
    DWORD GetStyle() const { return m_style; }
    // Changes style bits; classes give the bits they know their effect.
    virtual BOOL ModifyStyle(DWORD remove, DWORD add);

    // Controls that show their text natively override both.
    virtual void SetWindowText(const CString& text);
    virtual void GetWindowText(CString& text) const;

    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const { return static_cast<int>(m_id); }
    // GW_CHILD: the first child; GW_HWNDNEXT: the next sibling (creation order).
    CWnd* GetWindow(UINT command) const;

    // Painting happens only in WM_PAINT; these ask for it.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const CRect* rect, BOOL erase = TRUE);
    // With RDW_UPDATENOW a window on screen has painted when this returns
    // (a window created in this turn of the event loop paints in the next).
    BOOL RedrawWindow(const CRect* rect = nullptr, std::nullptr_t region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void UpdateWindow();
    // In WM_PAINT: whether the program invalidated the window for this
    // paint, rather than the toolkit asking on its own (as it does when the
    // window or one of its parents is shown or exposed).
    bool IsPaintAsked() const { return m_paintAsked; }
    // Moves the content by (dx, dy): with SW_SCROLLCHILDREN every child
    // window moves by that much, with SW_INVALIDATE the window repaints. The
    // rectangles and the update region of the design's call are not used
    // (pass null). Returns whether anything was scrolled.
    int ScrollWindowEx(int dx, int dy, const CRect* scroll, const CRect* clip, std::nullptr_t region,
                       CRect* update, UINT flags);

    // WM_TIMER(id) about every `elapse` ms until killed or the window dies; an
    // id already running restarts.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);

    // One window holds the mouse capture; taking it releases the previous holder's.
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();

protected:
    // Adjusts style and class style before the native window is made.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // The native window of this class; the default is a plain drawing window,
    // or a frame when there is no parent.
    virtual wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs);
    // Default processing of the message now being handled.
    LRESULT Default();

    // Handlers. Each base version gives its message the default processing.
    virtual int OnCreate(LPCREATESTRUCT cs);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonDblClk(UINT flags, CPoint point);
    virtual void OnMButtonDown(UINT flags, CPoint point);
    virtual void OnMButtonUp(UINT flags, CPoint point);
    virtual void OnMButtonDblClk(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint);
    virtual BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    virtual void OnContextMenu(CWnd* window, CPoint screenPoint);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual void OnSetFocus(CWnd* oldWindow);
    virtual void OnKillFocus(CWnd* newWindow);
    virtual void OnEnable(BOOL enable);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnVScroll(UINT code, UINT position, CWnd* scrollBar);
    virtual void OnHScroll(UINT code, UINT position, CWnd* scrollBar);
    // WM_COMMAND: id in the low word of wParam, code in the high word, the
    // sending control's handle (or 0 for a menu) in lParam. TRUE when handled.
    // The default offers a control's notification to the control itself
    // (its reflected handlers), then routes it through OnCmdMsg.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: TRUE when handled, with the answer in *result. Offered to
    // the sending control, then routed, like OnCommand.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    friend class CWndEvents;
    friend class CDC;

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        wxEvent* native = nullptr; // the wx event this message stands for
    };

    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void ReportSize();
    // The native window is going away (ours or the toolkit's doing).
    void Teardown(bool deleteNative);

    wxWindow* m_native = nullptr;
    UINT m_id = 0;
    DWORD m_style = 0;
    UINT m_classStyle = 0;
    CString m_text;
    CSize m_reportedSize{-1, -1};
    CurrentMessage m_current;
    // Set while the translator delivers a wx event as this message.
    UINT m_nativeMessage = 0;
    wxEvent* m_nativeEvent = nullptr;
    wxDC* m_paintDC = nullptr;   // the paint DC while WM_PAINT runs
    bool m_paintPending = false; // invalidated since the last paint
    bool m_skipErase = false;    // and every invalidation said "no erase"
    bool m_paintAsked = false;   // the paint in hand was invalidated for
    bool m_destroying = false;
    // The last WM_MOUSEMOVE delivered from wx, to drop repeats at the same place.
    struct {
        bool valid = false;
        CPoint point;
        UINT flags = 0;
    } m_lastMove;
    std::map<UINT_PTR, std::unique_ptr<wxTimer>> m_timers;
};

BOOL ReleaseCapture();
