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
            .OnCommand(ID_WINDOW_STATUS, &CMainFrame::OnStatusWindow)
            .OnCommand(ID_WINDOW_MENU_LEFT, &CMainFrame::OnMenuWindowLeft)
            .OnUpdateCommandUI(ID_WINDOW_MENU_LEFT, &CMainFrame::OnUpdateMenuWindowLeft)
            .OnCommand(ID_WINDOW_MENU_RIGHT, &CMainFrame::OnMenuWindowRight)
            .OnUpdateCommandUI(ID_WINDOW_MENU_RIGHT, &CMainFrame::OnUpdateMenuWindowRight)
            .OnUpdateCommandUI(ID_WINDOW_STATUS, &CMainFrame::OnUpdateStatusWindow)
            .OnCommand(ID_MODEL_FREEZE, &CMainFrame::OnModelFreeze)
            .OnUpdateCommandUI(ID_MODEL_FREEZE, &CMainFrame::OnUpdateModelFreeze)
            .OnCommand(ID_WINDOW_DIALOG, &CMainFrame::OnDialogWindow)
            .OnUpdateCommandUI(ID_WINDOW_DIALOG, &CMainFrame::OnUpdateDialogWindow)
            .OnCommand(ID_LAYOUT_DIALOG_LEFT, &CMainFrame::OnLayoutDialogLeft)
            .OnUpdateCommandUI(ID_LAYOUT_DIALOG_LEFT, &CMainFrame::OnUpdateLayoutDialogLeft)
            .OnCommand(ID_LAYOUT_DIALOG_RIGHT, &CMainFrame::OnLayoutDialogRight)
            .OnUpdateCommandUI(ID_LAYOUT_DIALOG_RIGHT, &CMainFrame::OnUpdateLayoutDialogRight)
            .OnCommand(ID_OBJECT_CHANGE_PARENT, &CMainFrame::OnChangeParent)
            .OnUpdateCommandUI(ID_OBJECT_CHANGE_PARENT, &CMainFrame::OnUpdateChangeParent)
            .OnCommand(ID_RENDER_SETTING, &CMainFrame::OnRenderSetting)
            .OnCommand(ID_RENDER_NORMAL_POVRAY, &CMainFrame::OnNormalRendererPovRay)
            .OnUpdateCommandUI(ID_RENDER_NORMAL_POVRAY, &CMainFrame::OnUpdateNormalRendererPovRay)
            .OnCommand(ID_RENDER_NORMAL_MEGAPOV, &CMainFrame::OnNormalRendererMegaPov)
            .OnUpdateCommandUI(ID_RENDER_NORMAL_MEGAPOV, &CMainFrame::OnUpdateNormalRendererMegaPov)
            .OnCommand(ID_RENDER_BMRT, &CMainFrame::OnRenderBmrt)
            .OnUpdateCommandUI(ID_RENDER_BMRT, &CMainFrame::OnUpdateRenderBmrt)
            .OnCommand(ID_RENDER_BMRT_SETTING, &CMainFrame::OnBmrtSetting)
            .OnUpdateCommandUI(ID_RENDER_BMRT_SETTING, &CMainFrame::OnUpdateBmrtSetting)
            .OnCommand(ID_RENDER_LIGHTFLOW, &CMainFrame::OnRenderLightflow)
            .OnUpdateCommandUI(ID_RENDER_LIGHTFLOW, &CMainFrame::OnUpdateRenderLightflow)
            .OnCommand(ID_RENDER_LIGHTFLOW_SETTING, &CMainFrame::OnLightflowSetting)
            .OnUpdateCommandUI(ID_RENDER_LIGHTFLOW_SETTING, &CMainFrame::OnUpdateLightflowSetting)
            .OnCommand(ID_MATERIAL_PREVIEW_RENDER, &CMainFrame::OnMaterialRender)
            .OnUpdateCommandUI(ID_MATERIAL_PREVIEW_RENDER, &CMainFrame::OnUpdateMaterialRender)
            .OnCommand(ID_MATERIAL_PREVIEW_SETTING, &CMainFrame::OnMaterialRenderSetting)
            .OnCommand(ID_VIEW_SAVE_CLIPBOARD, &CMainFrame::OnSaveClipboard)
            .OnCommand(ID_PANE_UNDERLAY, &CMainFrame::OnUnderlayImages)
            .OnCommand(ID_WINDOW_DOCUMENT, &CMainFrame::OnWindowDocument)
            .OnCommandRange(kFirstShortcutSlotCommand, kLastShortcutSlotCommand, &CMainFrame::OnShortcutSlot)
            .OnCommandRange(kFirstCtrlShiftSlotCommand, kLastCtrlShiftSlotCommand,
                            &CMainFrame::OnShortcutSlot)
            .OnCommandRange(ID_OBJECT_SHOW_SELECTED, ID_OBJECT_SHOW_SELECTED, &CMainFrame::OnObjectFlag)
            .OnCommandRange(ID_OBJECT_SHOW_ALL, ID_OBJECT_SHOW_ALL, &CMainFrame::OnObjectFlag)
            .OnCommandRange(ID_OBJECT_EDIT_SELECTED, ID_OBJECT_EDIT_SELECTED, &CMainFrame::OnObjectFlag)
            .OnCommandRange(ID_OBJECT_EDIT_ALL, ID_OBJECT_EDIT_ALL, &CMainFrame::OnObjectFlag)
            .OnCommandRange(ID_OBJECT_EXPORT_SELECTED, ID_OBJECT_EXPORT_SELECTED, &CMainFrame::OnObjectFlag)
            .OnCommandRange(ID_OBJECT_EXPORT_ALL, ID_OBJECT_EXPORT_ALL, &CMainFrame::OnObjectFlag)
            .OnUpdateCommandUI(ID_OBJECT_SHOW_SELECTED, &CMainFrame::OnUpdateObjectFlag)
            .OnUpdateCommandUI(ID_OBJECT_SHOW_ALL, &CMainFrame::OnUpdateObjectFlag)
            .OnUpdateCommandUI(ID_OBJECT_EDIT_SELECTED, &CMainFrame::OnUpdateObjectFlag)
            .OnUpdateCommandUI(ID_OBJECT_EDIT_ALL, &CMainFrame::OnUpdateObjectFlag)
            .OnUpdateCommandUI(ID_OBJECT_EXPORT_SELECTED, &CMainFrame::OnUpdateObjectFlag)
            .OnUpdateCommandUI(ID_OBJECT_EXPORT_ALL, &CMainFrame::OnUpdateObjectFlag);
    return map;
}

void CMainFrame::OnToolWindow() {
    ShowControlBar(&m_wndToolBar, !m_toolDialogBar.m_shown, FALSE);
    ShowControlBar(&m_toolDialogBar, !m_toolDialogBar.m_shown, FALSE);
    m_toolDialogBar.m_shown = !m_toolDialogBar.m_shown;
}

void CMainFrame::OnUpdateToolWindow(CCmdUI* ui) {
    ui->SetCheck(m_toolDialogBar.IsWindowVisible() ? 1 : 0);
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
    ShowControlBar(&m_toolDialogBar, TRUE, FALSE);
    ShowControlBar(&m_mouseStatusBar, TRUE, FALSE);
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
        ShowControlBar(&m_toolDialogBar, FALSE, FALSE);
    }
    m_fullScreen = !m_fullScreen;
    m_restyling = 0;
    FocusActivePane();
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
