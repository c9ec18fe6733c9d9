// The main frame's window commands: tool window, side bar, status bar, menu bar and full screen.
#include "app/doc_helpers.h"
#include "resources/command_ids.h"
#include "resources/resource_tables.h"
#include "shell/main_frame.h"

const CommandMap& CMainFrame::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CMainFrame>(CFrameWnd::GetCommandMap())
            .OnCommand(ID_WINDOW_TOOL, &CMainFrame::OnToolWindow)
            .OnUpdateCommandUI(ID_WINDOW_TOOL, &CMainFrame::OnUpdateToolWindow)
            .OnCommand(ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar)
            .OnUpdateCommandUI(ID_VIEW_STATUS_BAR, &CMainFrame::OnUpdateViewStatusBar)
            .OnCommand(ID_WINDOW_MENU, &CMainFrame::OnMenuBar)
            .OnUpdateCommandUI(ID_WINDOW_MENU, &CMainFrame::OnUpdateMenuBar)
            .OnCommand(ID_WINDOW_FULL_SCREEN, &CMainFrame::OnFullScreen)
            .OnCommand(ID_MODEL_FREEZE, &CMainFrame::OnModelFreeze)
            .OnUpdateCommandUI(ID_MODEL_FREEZE, &CMainFrame::OnUpdateModelFreeze)
            .OnCommand(ID_WINDOW_DIALOG, &CMainFrame::OnDialogWindow)
            .OnUpdateCommandUI(ID_WINDOW_DIALOG, &CMainFrame::OnUpdateDialogWindow)
            .OnCommand(ID_LAYOUT_DIALOG_LEFT, &CMainFrame::OnLayoutDialogLeft)
            .OnUpdateCommandUI(ID_LAYOUT_DIALOG_LEFT, &CMainFrame::OnUpdateLayoutDialogLeft)
            .OnCommand(ID_LAYOUT_DIALOG_RIGHT, &CMainFrame::OnLayoutDialogRight)
            .OnUpdateCommandUI(ID_LAYOUT_DIALOG_RIGHT, &CMainFrame::OnUpdateLayoutDialogRight)
            .OnCommand(ID_OBJECT_CHANGE_PARENT, &CMainFrame::OnChangeParent)
            .OnUpdateCommandUI(ID_OBJECT_CHANGE_PARENT, &CMainFrame::OnUpdateChangeParent);
    return map;
}

void CMainFrame::OnToolWindow() {
    ShowControlBar(&m_wndToolBar, !m_toolWindowShown, FALSE);
    m_toolWindowShown = !m_toolWindowShown;
}

void CMainFrame::OnUpdateToolWindow(CCmdUI* ui) {
    ui->SetCheck(m_wndToolBar.IsWindowVisible() ? 1 : 0);
}

void CMainFrame::OnDialogWindow() {
    ShowControlBar(&m_sideBar, !m_sideBar.m_shown, FALSE);
    m_sideBar.m_shown = !m_sideBar.m_shown;
}

void CMainFrame::OnUpdateDialogWindow(CCmdUI* ui) {
    ui->SetCheck(m_sideBar.IsWindowVisible() ? 1 : 0);
}

void CMainFrame::PlaceSideBar(bool right) {
    m_sideBar.SetBarStyle(right ? CBRS_ALIGN_RIGHT | CBRS_BORDER_TOP | CBRS_BORDER_LEFT | CBRS_BORDER_BOTTOM
                                : CBRS_ALIGN_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM);
    ShowControlBar(&m_sideBar, m_sideBar.m_shown, FALSE);
    m_sideBar.m_onRight = right ? 1 : 0;
}

void CMainFrame::OnLayoutDialogLeft() {
    PlaceSideBar(false);
}

void CMainFrame::OnUpdateLayoutDialogLeft(CCmdUI* ui) {
    ui->SetCheck(m_sideBar.m_onRight == 0 ? 1 : 0);
}

void CMainFrame::OnLayoutDialogRight() {
    PlaceSideBar(true);
}

void CMainFrame::OnUpdateLayoutDialogRight(CCmdUI* ui) {
    ui->SetCheck(m_sideBar.m_onRight == 1 ? 1 : 0);
}

void CMainFrame::OnViewStatusBar() {
    ShowControlBar(&m_wndStatusBar, !m_wndStatusBar.IsWindowVisible(), FALSE);
}

void CMainFrame::OnUpdateViewStatusBar(CCmdUI* ui) {
    ui->SetCheck(m_wndStatusBar.IsWindowVisible() ? 1 : 0);
}

void CMainFrame::ShowMainMenu(UINT menuId) {
    CMenu menu;
    if (!menu.LoadMenu(menuId))
        return;
    SetMenu(&menu);
    DrawMenuBar();
    menu.Detach();
}

void CMainFrame::OnMenuBar() {
    m_restyling = 1;
    if (GetMenu()) {
        SetMenu(nullptr);
    } else if (GetSelectedPolygonObject()) {
        ShowMainMenu(IsEnglish() ? IDR_POLYGON_MENU_EN : IDR_POLYGON_MENU_JA);
    } else {
        ShowMainMenu(IsEnglish() ? IDR_MAINFRAME_EN : IDR_MAINFRAME_JA);
    }
    m_restyling = 0;
}

void CMainFrame::OnUpdateMenuBar(CCmdUI* ui) {
    ui->SetCheck(GetMenu() ? 1 : 0);
}

void CMainFrame::LeaveFullScreen() {
    ModifyStyle(0, WS_CAPTION | WS_THICKFRAME);
    ShowMainMenu(IsEnglish() ? IDR_MAINFRAME_EN : IDR_MAINFRAME_JA);
    ShowControlBar(&m_wndStatusBar, TRUE, FALSE);
    ShowControlBar(&m_sideBar, TRUE, FALSE);
    ShowControlBar(&m_wndToolBar, TRUE, FALSE);
}

void CMainFrame::OnFullScreen() {
    m_restyling = 1;
    if (m_fullScreen) {
        LeaveFullScreen();
    } else {
        ModifyStyle(WS_CAPTION | WS_THICKFRAME, 0);
        SetMenu(nullptr);
        ShowWindow(SW_MAXIMIZE);
        ShowControlBar(&m_wndStatusBar, FALSE, FALSE);
        ShowControlBar(&m_sideBar, FALSE, FALSE);
        ShowControlBar(&m_wndToolBar, FALSE, FALSE);
    }
    m_fullScreen = !m_fullScreen;
    m_restyling = 0;
}

void CMainFrame::OnSize(UINT type, int cx, int cy) {
    CFrameWnd::OnSize(type, cx, cy);
    // GTK delivers the resizes of our own request after the command has
    // returned: only a frame that is no longer full screen (its window
    // manager restored it) ends full-screen mode.
    if (m_fullScreen && !m_restyling && !IsShownFullScreen()) {
        m_fullScreen = 0;
        m_restyling = 1;
        LeaveFullScreen();
        m_restyling = 0;
    }
}
