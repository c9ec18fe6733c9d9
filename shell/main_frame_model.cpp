#include "shell/main_frame.h"
#include "viewport/model_commands.h"

void CMainFrame::OnModelFreeze() {
    CModelCommands().Freeze();
}

void CMainFrame::OnUpdateModelFreeze(CCmdUI* ui) {
    ui->Enable(CModelCommands().CanFreeze());
}
