#pragma once
// The program's one top-level window: the menu bar of the chosen resource
// set with its accelerators, the tool bar, the status bar and the view with
// the four panes. It keeps the Edit > Undo text and the recent-file list of
// the File menu current when the menu opens, opens documents dropped on it,
// asks to save a modified document before it closes, and runs the window
// commands (bars, menu bar, full screen). It is the core's main-window link
// while it exists.
#include "app/window_services.h"
#include "platform/ui/frame_wnd.h"
#include "shell/command_bars.h"
#include "shell/pane_commands.h"
#include "shell/side_bar.h"
#include "shell/tool_dialog_bar.h"
#include "shell/window_layout.h"
#include "viewport/mouse_status_bar.h"
#include "viewport/quel_view.h"
#include "viewport/serviced_window.h"

class CQuelDoc;
class CQuelDocCommands;
class CRecentFileList;

class CMainFrame : public CFrameWnd, public CMainWindowLink {
public:
    CMainFrame(CQuelDoc& document, CQuelDocCommands& commands, CRecentFileList& recentFiles);
    ~CMainFrame() override;
    const char* GetRuntimeClassName() const override { return "CMainFrame"; }

    // Makes the (hidden) frame with the menu, accelerators and icon of the
    // resource set; FALSE when the frame or one of its bars failed.
    BOOL LoadFrame(UINT resourceId);

    CQuelView& GetView() { return m_view; }
    CToolBar& GetToolBar() { return m_wndToolBar; }
    CSideBar& GetSideBar() { return m_sideBar; }
    CStatusBar& GetStatusBarWindow() { return m_wndStatusBar; }
    CMouseStatusBar& GetMouseStatusBar() { return m_mouseStatusBar; }
    CToolDialogBar& GetToolDialogBar() { return m_toolDialogBar; }
    CCommandBar& GetCommandBar() { return m_commandBar; }
    CCommandBar2& GetCommandBar2() { return m_commandBar2; }
    // The bars' shown flags and the side bar's side, as the layout file keeps them.
    WindowLayout GetWindowLayout() const;
    // The pane menus' mouse-mode, display and camera commands.
    CPaneCommands& GetPaneCommands() { return m_paneCommands; }
    BOOL IsFullScreen() const { return m_fullScreen; }

    // shortcut_dispatch.cpp: runs one shortcut action (nothing during a
    // mouse drag, or for a value outside 0..191), and tells whether the
    // command an action runs has a handler, so that it does something.
    void ExecuteShortcut(int action);
    BOOL IsShortcutActionAvailable(int action);
    // The keyboard focus into the active pane, where the shortcut keys work;
    // a frame whose focus is nowhere, or in a hidden bar, hears no keys.
    void FocusActivePane();
    // Where the focus goes when the window that had it went away: the active pane.
    void FocusDefaultWindow() override { FocusActivePane(); }

    // The main-window link.
    CQuelDoc* GetActiveDocument() override;
    void SetBusyCursor(BOOL on) override;
    void ReturnFocusToMainWnd() override;
    std::unique_ptr<CKnifeDialogServices> CreateKnifeDialog() override;
    std::unique_ptr<CMultiObjectDialogServices> CreateMultiObjectDialog() override;

protected:
    int OnCreate(LPCREATESTRUCT cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnClose() override;
    void OnDestroy() override;
    // The Undo item's text and the recent files, each time the menu bar opens.
    void OnInitMenu(CMenu* menu) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A menu command nothing else handled may be an export plug-in's.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The listed plug-ins' commands, so that the update route leaves them as
    // the plug-in menu set them.
    BOOL TakesUnhandledCommand(UINT id) const override;
    const CommandMap& GetCommandMap() const override;
    // The pane commands, then the frame's own route.
    BOOL OnCmdMsg(const CommandMessage& message) override;

private:
    // main_frame_window.cpp: the bar, menu-bar and full-screen commands.
    void OnToolWindow();
    void OnUpdateToolWindow(CCmdUI* ui);
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(CCmdUI* ui);
    void OnMenuBar();
    void OnUpdateMenuBar(CCmdUI* ui);
    void OnFullScreen();
    void OnDialogWindow();
    void OnUpdateDialogWindow(CCmdUI* ui);
    void OnLayoutDialogLeft();
    void OnUpdateLayoutDialogLeft(CCmdUI* ui);
    void OnLayoutDialogRight();
    void OnUpdateLayoutDialogRight(CCmdUI* ui);
    // Puts the side bar on the left or right edge with the borders that face the view.
    void PlaceSideBar(bool right);

    // The command a key slot's key sends: the slot's action in the document.
    void OnShortcutSlot(UINT id);

    // main_frame_objects.cpp: the object commands of the object page's etc. menu.
    void OnChangeParent();
    void OnUpdateChangeParent(CCmdUI* ui);
    // Caption, sizing border, the main menu and every bar come back.
    void LeaveFullScreen();
    void ShowMainMenu(UINT menuId);
    // main_frame_bars.cpp: the tool dialog bar, the command bars and the layout file.
    void CreateToolDialogBar();
    void CreateCommandBars();
    void ApplyWindowLayout();
    void OnMenuWindowLeft();
    void OnUpdateMenuWindowLeft(CCmdUI* ui);
    void OnMenuWindowRight();
    void OnUpdateMenuWindowRight(CCmdUI* ui);
    // main_frame_status.cpp: the mouse-status bar.
    BOOL CreateMouseStatusBar();
    void OnStatusWindow();
    void OnUpdateStatusWindow(CCmdUI* ui);
    // main_frame_model.cpp: Model > Freeze.
    void OnModelFreeze();
    void OnUpdateModelFreeze(CCmdUI* ui);

    // main_frame_render.cpp: the render commands and the material preview.
    void OnRenderSetting();
    void OnNormalRendererPovRay();
    void OnUpdateNormalRendererPovRay(CCmdUI* ui);
    void OnNormalRendererMegaPov();
    void OnUpdateNormalRendererMegaPov(CCmdUI* ui);
    void OnRenderBmrt();
    void OnUpdateRenderBmrt(CCmdUI* ui);
    void OnBmrtSetting();
    void OnUpdateBmrtSetting(CCmdUI* ui);
    void OnRenderLightflow();
    void OnUpdateRenderLightflow(CCmdUI* ui);
    void OnLightflowSetting();
    void OnUpdateLightflowSetting(CCmdUI* ui);
    void OnMaterialRender();
    void OnUpdateMaterialRender(CCmdUI* ui);
    // The preview settings dialog; the preview render opens it as well.
    void OnMaterialRenderSetting();
    // main_frame_panes.cpp: the pane picture, the underlays, the document's
    // counts and the object switches.
    void OnSaveClipboard();
    void OnUnderlayImages();
    void OnWindowDocument();
    void OnObjectFlag(UINT command);
    void OnUpdateObjectFlag(CCmdUI* ui);

    // The File menu lists the recent files where its recent-file item stands.
    void UpdateRecentFileMenu(CMenu& menu);
    // main_frame_plugins.cpp: the "sPatch Plug-in" submenu lists the export
    // plug-ins, greyed while the scene has no patch object.
    void UpdatePluginMenu(CMenu& menu);

    CQuelDoc& m_document;
    CQuelDocCommands& m_commands;
    CRecentFileList& m_recentFiles;
    int m_fullScreen = 0;
    // Set while a command changes the frame's style, menu and bars, so that
    // the resizes it causes do not end full screen.
    int m_restyling = 0;
    CStatusBar m_wndStatusBar;
    CToolDialogBar m_toolDialogBar;
    CServicedWindow<CToolBar> m_wndToolBar;
    CSideBar m_sideBar;
    CCommandBar m_commandBar;
    CCommandBar2 m_commandBar2;
    CMouseStatusBar m_mouseStatusBar;
    int m_mouseStatusShown = 1;
    CPaneCommands m_paneCommands;
    CQuelView m_view;
};
