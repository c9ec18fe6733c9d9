#include "viewport/model_commands.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/connect_dlg.h"
#include "model/connect_curve.h"
#include "model/mirror_builder.h"
#include "platform/ui/frame_wnd.h"
#include "viewport/model_command.h"

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

void CModelCommands::Freeze() {
    CSpatchObj* obj = TakeCurrentObject(testObject | testEditable);
    if (!obj || obj->GetMirrorMode() == 0)
        return;
    // Without an axis there is no mirrored shape to keep.
    if (!obj->GetMirrorAxis(0) && !obj->GetMirrorAxis(1) && !obj->GetMirrorAxis(2))
        return;
    RecordUndoStep(obj, {"フリーズ", "Freeze"}, undoWholeObject);
    CMirrorBuilder().Freeze(obj);
    PostToRegisteredWindows(notifyRepaintPanes);
    RedrawAllPanes();
}

int CModelCommands::CanFreeze() const {
    const CSpatchObj* obj = TakeCurrentObject(testObject | testEditable);
    return obj && obj->GetMirrorMode() != 0 ? 1 : 0;
}
