#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "shell/doc_commands.h"
#include "shell/help_page.h"

void CQuelDocCommands::OnEditUndo() {
    if (!m_document.m_undoBuffer.CanUndo())
        return;
    SetBusyCursor(TRUE);
    m_document.m_undoBuffer.Undo();
    SetBusyCursor(FALSE);
}

void CQuelDocCommands::OnUpdateEditUndo(CCmdUI* ui) {
    ui->Enable(m_document.m_undoBuffer.CanUndo());
}

void CQuelDocCommands::OnUpdateEditRedo(CCmdUI* ui) {
    ui->Enable(FALSE);
}

void CQuelDocCommands::OnEditClearUndo() {
    m_document.m_undoBuffer.Clear();
}

void CQuelDocCommands::OnEditCopy() {
    if (CSpatchObj* obj = GetSelectedObject())
        obj->CopySelectionTo(&m_document.m_clipboardObject);
}

CSpatchObj* CQuelDocCommands::BeginObjectEdit(const char* japanese, const char* english) {
    CSpatchObj* obj = GetSelectedObject();
    if (!obj)
        return nullptr;
    if (!obj->IsEditable()) {
        ShowMessage(msgNotEditable);
        return nullptr;
    }
    CUndoBuffer& undo = m_document.m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription(japanese, english);
    undo.SetKind(undoWholeObject);
    undo.SaveWholePatchObject(obj);
    return obj;
}

void CQuelDocCommands::OnEditCut() {
    CSpatchObj* obj = BeginObjectEdit("(編集)切り取り", "(Edit) Cut");
    if (!obj)
        return;
    obj->CopySelectionTo(&m_document.m_clipboardObject);
    // The whole pieces the clipboard holds leave the object, hidden points included.
    obj->ShowAllTemporarilyHidden();
    obj->SelectConnectedVertices();
    obj->DeleteSelectedVertices();
    RedrawAllPanes();
}

void CQuelDocCommands::OnEditPaste() {
    Paste(false);
}

void CQuelDocCommands::OnEditPasteAtSelection() {
    Paste(true);
}

void CQuelDocCommands::Paste(bool atSelection) {
    CSpatchObj* obj = atSelection ? BeginObjectEdit("(編集)選択頂点の中心に貼り付け",
                                                    "(Edit) Paste Center of Select Points")
                                  : BeginObjectEdit("(編集)貼り付け", "(Edit) Paste");
    if (!obj)
        return;

    const int first = obj->GetVertices().GetCount();
    const CVector3 offset = obj->GetSelectedCenter() - m_document.m_clipboardObject.GetCenter();
    obj->AppendGeometry(&m_document.m_clipboardObject, 0);
    obj->SelectAllVertices(0);
    int index = 0;
    for (CPatchVertex* vertex : obj->GetVertices()) {
        if (index++ < first)
            continue;
        vertex->SetSelected(1);
        if (atSelection)
            vertex->Set(vertex->GetX() + offset.GetX(), vertex->GetY() + offset.GetY(),
                        vertex->GetZ() + offset.GetZ());
    }
    if (atSelection)
        obj->UpdateCurveHandles();
    RedrawAllPanes();
}

void CQuelDocCommands::OnUpdateEditCopyOrCut(CCmdUI* ui) {
    const CSpatchObj* obj = GetSelectedObject();
    ui->Enable(obj && obj->CountSelectedVertices() > 0);
}

void CQuelDocCommands::OnUpdateEditPaste(CCmdUI* ui) {
    ui->Enable(GetSelectedObject() && !m_document.m_clipboardObject.GetVertices().IsEmpty());
}

void CQuelDocCommands::OnUpdateEditPasteAtSelection(CCmdUI* ui) {
    OnUpdateEditCopyOrCut(ui);
}

void CQuelDocCommands::OnHelp() {
    ShowHelpPage(qf::DataPath("index.html").c_str());
}
