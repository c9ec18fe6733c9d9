// The main frame's commands of the object page's etc. menu.
#include "shell/change_parent_command.h"
#include "shell/main_frame.h"

void CMainFrame::OnChangeParent() {
    CChangeParentCommand().Run(this);
}

void CMainFrame::OnUpdateChangeParent(CCmdUI* ui) {
    ui->Enable(CChangeParentCommand().CanRun());
}
