// The edit commands that ask a dialog first: paste along the selected curve
// and the undo depth; and the shortcut keys' dialog.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/paste_along_curve_dlg.h"
#include "dialogs/undo_setting_dlg.h"
#include "platform/ui/frame_wnd.h"
#include "shell/doc_commands.h"
#include "shell/shortcut_dlg.h"

#include <vector>

void CQuelDocCommands::OnEditPasteAlongCurve() {
    CSpatchObj* obj = GetSelectedObject();
    if (!obj || !obj->GetSelectedCurve())
        return;
    if (!obj->IsEditable()) {
        ShowMessage(msgNotEditable);
        return;
    }
    CPasteAlongCurveDlg dialog(AfxGetMainWnd());
    // Pasting at subdivision points cannot be chosen; it would paste nothing.
    if (dialog.DoModal() != IDOK || dialog.m_mode != CPasteAlongCurveDlg::pasteOnPoints)
        return;
    // The curve's points, taken before the pasted copies join the object.
    std::vector<CVector3> points;
    for (const CCurvePoint* node : obj->GetSelectedCurve()->m_nodes)
        points.push_back(*node->m_vertex);
    if (!BeginObjectEdit("(編集)選択カーブに沿って貼り付け", "(Edit) Paste (Select Curve)"))
        return;

    CSpatchObj& clipboard = m_document.m_clipboardObject;
    const CVector3 centre = clipboard.GetCenter();
    obj->SelectAllVertices(0);
    for (const CVector3& point : points) {
        CSpatchObj copy;
        copy.AppendGeometry(&clipboard, 0);
        const CVector3 offset = point - centre;
        for (CPatchVertex* vertex : copy.GetVertices()) {
            vertex->SetSelected(1);
            *vertex += offset;
        }
        obj->AppendGeometry(&copy, 1);
    }
    RedrawAllPanes();
}

void CQuelDocCommands::OnUpdateEditPasteAlongCurve(CCmdUI* ui) {
    const CSpatchObj* obj = GetSelectedObject();
    ui->Enable(obj && obj->GetSelectedCurve());
}

void CQuelDocCommands::OnEditUndoSetting() {
    CUndoSettingDlg dialog(AfxGetMainWnd());
    dialog.m_depth = m_document.m_undoBuffer.GetMaxLevels();
    if (dialog.DoModal() == IDOK)
        m_document.m_undoBuffer.SetMaxLevels(dialog.m_depth);
}

void CQuelDocCommands::OnEditShortcut() {
    CShortcutDlg(AfxGetMainWnd()).DoModal();
}
