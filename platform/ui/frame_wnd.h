#pragma once
// The main frame, the view and the application as command targets.
//
// Routing: a command that reaches the frame (menu, accelerator, tool-bar
// button) is offered to the active view, which offers it to its document
// after its own table, then to the frame's own table, then to the
// application. OnCommand returns FALSE when nobody handled it, so a frame
// class can take over what is left (its override calls the base first).
// An item or button whose command has no handler anywhere on that route is
// greyed when its state is asked; one whose command gets a handler is
// enabled again without further ado.
//
// Menus: SetMenu shows a menu bar (null: none). When the user opens it the
// frame gets WM_INITMENU, then WM_INITMENUPOPUP for each popup, whose
// default processing runs the items' update handlers. Pointing at an item shows its prompt in the
// status bar, and "Ready" again when the menu closes.
//
// Accelerators: LoadAccelTable sets the table whose keys the frame turns
// into WM_COMMAND (id, code 1), but only while the keyboard focus is not
// inside a dialog (dialog bars, side-bar pages and panels are dialogs),
// whose own fields need the keys; a button there keeps only Space, Enter,
// Tab and the arrows.
//
// Layout: bars made as children of the frame take their sides in the
// order they were made; the child with id AFX_IDW_PANE_FIRST fills the rest.
#include "platform/ui/control_bars.h"
#include "platform/ui/menu.h"

#include <memory>
#include <span>
#include <vector>

class CView : public CWnd {
public:
    const char* GetRuntimeClassName() const override { return "CView"; }
    // The document the view routes commands to after its own table.
    void SetDocumentTarget(CCmdTarget* document) { m_document = document; }
    CCmdTarget* GetDocumentTarget() const { return m_document; }

    BOOL OnCmdMsg(const CommandMessage& message) override;

private:
    CCmdTarget* m_document = nullptr;
};

// The application: the last target of the frame's routing, and the holder
// of the main window. One exists at a time. While it lives it hears of every
// mouse button press in the program first (OnMouseButtonPress).
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWnd* m_pMainWnd = nullptr;

    // Runs before the pressed window hears of a press of any mouse button
    // (also the second press of a double click), in any window of the
    // program, modal ones included. pressed: the window of ours under the
    // pointer, or the one of ours that holds the toolkit's window pressed;
    // null when none of ours does. The default does nothing.
    virtual void OnMouseButtonPress(CWnd* pressed);

private:
    class CPressFilter;
    std::unique_ptr<CPressFilter> m_pressFilter;
};
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Finds the accelerator of a key: exact modifiers, FVIRTKEY entries only.
class CAcceleratorTable {
public:
    BOOL Load(UINT id);
    void Set(std::span<const AccelEntry> entries) { m_entries = entries; }
    // The command of the key with these modifiers, 0 when none.
    UINT Translate(int virtualKey, bool control, bool shift) const;
    bool IsEmpty() const { return m_entries.empty(); }

private:
    std::span<const AccelEntry> m_entries;
};

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;
    const char* GetRuntimeClassName() const override { return "CFrameWnd"; }

    // Routing: active view (then its document), own table, application;
    // then the fallback update handler.
    BOOL OnCmdMsg(const CommandMessage& message) override;
    void SetActiveView(CView* view) { m_activeView = view; }
    CView* GetActiveView() const { return m_activeView; }

    // The frame shares the menu; null removes the bar. The CMenu object
    // may then be detached or die.
    BOOL SetMenu(CMenu* menu);
    CMenu* GetMenu();
    // Brings the titles of the bar up to date after its menu was changed.
    void DrawMenuBar();

    // Gives the keyboard focus to the window where the frame's keys belong,
    // when the window that had it went away; the base gives it to the frame.
    virtual void FocusDefaultWindow();

    BOOL LoadAccelTable(UINT id);
    // The command of the key, sent as WM_COMMAND (id, 1) when the focus
    // allows it; TRUE when a command was sent.
    BOOL TranslateAccelerator(int virtualKey, bool control, bool shift, const CWnd* focus);
    // TRUE when the focus is inside a dialog, where plain keys and the Ctrl
    // keys of text editing go to the focused control (a button's own keys
    // only to a button), not to accelerators.
    static bool IsFocusInDialog(const CWnd* focus);

    // The message pane of the status bar; the idle text is "Ready".
    void SetMessageText(const CString& text);
    CString GetIdleMessage() const;
    CStatusBar* GetStatusBar() const;

    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);
    void RecalcLayout();
    // Bars register themselves when they are made.
    void AddControlBar(CControlBar* bar);
    void RemoveControlBar(CControlBar* bar);
    void AddToolBar(CToolBar* bar);
    void RemoveToolBar(CToolBar* bar);

    // A frame class whose OnCommand takes over menu commands nothing else
    // handles says here which ids it takes, so that their items stay enabled.
    virtual BOOL TakesUnhandledCommand(UINT) const { return FALSE; }

    // Tool-bar buttons and status indicators follow their update handlers;
    // called whenever the program turns idle.
    void OnIdleUpdateCmdUI();

    // Removing WS_CAPTION and WS_THICKFRAME shows the frame full screen;
    // adding them back returns it to its window.
    BOOL ModifyStyle(DWORD remove, DWORD add) override;
    // Whether the frame is full screen now. A window manager may take it out
    // of full screen itself; resizes that arrive late from our own request
    // leave it full screen.
    BOOL IsShownFullScreen() const;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;
    // WM_INITMENU when the user opens the menu bar: the base does nothing.
    virtual void OnInitMenu(CMenu* menu);
    // WM_INITMENUPOPUP: the base runs the update handlers of the items.
    virtual void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The route alone, without the fallback.
    BOOL RouteCmdMsg(const CommandMessage& message);
    struct MenuState;
    // A menu of the bar about to open: its update handlers run, and it takes
    // its items, before GTK measures it; its opening then finds it ready.
    void PrepareMenu(void* wxMenuOpening);
    void OnMenuOpen(void* wxMenuOpened);
    // WM_INITMENU when the bar opens, then WM_INITMENUPOPUP, and the menu
    // shown as its node now is.
    void RunMenuUpdate(void* wxMenuOpening);
    void OnMenuClose();

    CView* m_activeView = nullptr;
    CMenu m_menu;
    std::unique_ptr<MenuState> m_menuState;
    CAcceleratorTable m_accelerators;
    std::vector<CControlBar*> m_bars;
    std::vector<HWND> m_toolBars;
    CRect m_windowedRect; // the frame's place before it went full screen
};
