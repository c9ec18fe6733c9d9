// The main frame's tool dialog bar, command bars and window-layout file.
#include "app/quel_doc.h"
#include "resources/command_ids.h"
#include "shell/main_frame.h"

void CMainFrame::CreateToolDialogBar() {
    if (!m_toolDialogBar.Create(this))
        return;
    m_toolDialogBar.CreateTabs();
    m_toolDialogBar.SetBarStyle(m_toolDialogBar.GetBarStyle() & ~(CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM));
    m_document.RegisterWindow(m_toolDialogBar.GetSafeHwnd(), wndToolDialogBar);
}

void CMainFrame::CreateCommandBars() {
    if (m_commandBar.Create(this)) {
        ShowControlBar(&m_commandBar, FALSE, FALSE);
        m_document.RegisterWindow(m_commandBar.GetSafeHwnd(), wndCommandBar);
    }
    if (m_commandBar2.Create(this)) {
        ShowControlBar(&m_commandBar2, FALSE, FALSE);
        m_document.RegisterWindow(m_commandBar2.GetSafeHwnd(), wndCommandBar2);
    }
}

WindowLayout CMainFrame::GetWindowLayout() const {
    WindowLayout layout;
    layout.toolWindow = m_toolDialogBar.m_shown;
    layout.dialogWindow = m_sideBar.m_shown;
    layout.dialogOnRight = m_sideBar.m_onRight;
    layout.statusWindow = m_mouseStatusShown;
    layout.menuWindow = m_commandBar.m_shown;
    layout.menuWindow2 = m_commandBar2.m_shown;
    return layout;
}

// Each change runs the frame's own bar command, from the layout it starts with.
void CMainFrame::ApplyWindowLayout() {
    if (const std::optional<WindowLayout> layout = CWndLayout().Read())
        for (const UINT command : WindowLayoutCommands(*layout))
            SendMessage(WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void CMainFrame::OnMenuWindowLeft() {
    ShowControlBar(&m_commandBar, !m_commandBar.m_shown, FALSE);
    m_commandBar.m_shown = !m_commandBar.m_shown;
}

void CMainFrame::OnUpdateMenuWindowLeft(CCmdUI* ui) {
    ui->SetCheck(m_commandBar.IsWindowVisible() ? 1 : 0);
}

void CMainFrame::OnMenuWindowRight() {
    ShowControlBar(&m_commandBar2, !m_commandBar2.m_shown, FALSE);
    m_commandBar2.m_shown = !m_commandBar2.m_shown;
}

void CMainFrame::OnUpdateMenuWindowRight(CCmdUI* ui) {
    ui->SetCheck(m_commandBar2.IsWindowVisible() ? 1 : 0);
}
