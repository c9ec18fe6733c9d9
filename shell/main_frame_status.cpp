// The main frame's mouse-status bar and the route to the pane commands.
#include "app/quel_doc.h"
#include "shell/main_frame.h"

// The pane commands come first: the frame's route ends by greying every
// item that nothing along it handles.
BOOL CMainFrame::OnCmdMsg(const CommandMessage& message) {
    return m_paneCommands.OnCmdMsg(message) || CFrameWnd::OnCmdMsg(message);
}

BOOL CMainFrame::CreateMouseStatusBar() {
    if (!m_mouseStatusBar.Create(this))
        return FALSE;
    m_document.RegisterWindow(m_mouseStatusBar.GetSafeHwnd(), wndMouseStatusBar);
    return TRUE;
}

void CMainFrame::OnStatusWindow() {
    ShowControlBar(&m_mouseStatusBar, !m_mouseStatusShown, FALSE);
    m_mouseStatusShown = !m_mouseStatusShown;
}

void CMainFrame::OnUpdateStatusWindow(CCmdUI* ui) {
    ui->SetCheck(m_mouseStatusBar.IsWindowVisible() ? 1 : 0);
}
