#include "viewport/model_commands.h"
#include "viewport/quel_view.h"

void CQuelView::OnModelConnectCurve() {
    CModelCommands().ConnectCurve();
}

void CQuelView::OnUpdateModelConnectCurve(CCmdUI* ui) {
    ui->Enable(CModelCommands().CanConnectCurve());
}
