#include "viewport/model_commands.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/connect_dlg.h"
#include "model/connect_curve.h"
#include "platform/ui/frame_wnd.h"

void CModelCommands::ConnectCurve() {
    CSpatchObj* obj = GetSelectedObject();
    if (!obj)
        return;
    if (!obj->IsEditable()) {
        ShowMessage(msgNotEditable);
        return;
    }
    CConnectDlg dialog(AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return;
    SetBusyCursor(TRUE);
    CUndoBuffer& undo = GetDoc()->m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription("別々のカーブを一つに接続", "Connect Curve");
    undo.SetKind(undoWholeObject);
    undo.SaveWholePatchObject(obj);
    CConnectCurve().Connect(obj, dialog.m_angle, dialog.m_selectedOnly);
    SetBusyCursor(FALSE);
    PostToRegisteredWindows(notifyRepaintPanes);
}

int CModelCommands::CanConnectCurve() const {
    return GetSelectedObject() ? 1 : 0;
}
