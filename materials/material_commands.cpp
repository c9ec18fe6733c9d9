#include "materials/material_commands.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "app/undo_buffer.h"
#include "platform/base/modal_runner.h"

namespace {

CMaterialPageServices* MaterialPage() {
    return FindWindowService<CMaterialPageServices>(wndMaterialPage);
}

// The object panel lists the names of the materials its object uses.
void RefreshObjectPanel() {
    if (auto* panel = FindWindowService<CPanelServices>(wndObjectPanel1))
        panel->Refresh();
}

// Shows the new material's item, selected: the panels then edit it.
void ShowNewMaterial(CMaterialData* mat) {
    if (CMaterialPageServices* page = MaterialPage())
        page->SelectMaterialItem(page->AddMaterialItem(mat));
}

void RecordCreation(CQuelDoc& doc, CMaterialData* mat, const char* japanese, const char* english) {
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription(japanese, english);
    undo.SetKind(undoCreateMaterial);
    undo.SaveMaterialName(mat);
}

} // namespace

CMaterialData* CreateMaterial(CQuelDoc& doc) {
    CMaterialData* mat = doc.AddMaterial();
    mat->m_name = MakeSeriesName("material_");
    ShowNewMaterial(mat);
    RecordCreation(doc, mat, "(マテリアル) マテリアルを作成", "(Material) Create Material");
    return mat;
}

CMaterialData* CopySelectedMaterial(CQuelDoc& doc) {
    const CMaterialData* source = GetSelectedMaterial();
    if (!source) {
        ShowMessage(msgNoMaterial);
        return nullptr;
    }
    const CString name = MakeItemCopyName(source->m_name);
    CMaterialData* copy = doc.AddMaterial();
    copy->CopyFrom(*source);
    copy->m_name = name;
    ShowNewMaterial(copy);
    RecordCreation(doc, copy, "(マテリアル) マテリアルをコピー", "(Material) Copy Material");
    return copy;
}

void DeleteSelectedMaterial(CQuelDoc& doc) {
    CMaterialData* mat = GetSelectedMaterial();
    if (!mat) {
        ShowMessage(msgNoMaterial);
        return;
    }
    if (ShowMessage(msgDeleteMaterial, mat->m_name) != IDYES)
        return;
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription("(マテリアル) マテリアルを削除", "(Material) Delete Material");
    undo.SetKind(undoDeleteMaterial);
    undo.SaveMaterial(mat);
    // Taking the item away selects another, and with it another material.
    if (CMaterialPageServices* page = MaterialPage())
        page->RemoveMaterialItem(mat);
    doc.m_materials.Remove(mat);
    // Only now does the panel no longer find the deleted name.
    RefreshObjectPanel();
}

void RenameMaterial(CQuelDoc& doc, CMaterialData& mat, const CString& name) {
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription("(マテリアル) 名前を変更", "(Material) Change Name");
    undo.SetKind(undoMaterialName);
    undo.SaveMaterialName(&mat);
    const CString oldName = mat.m_name;
    mat.m_name = name;
    undo.SaveMaterialName(&mat);
    if (CMaterialPageServices* page = MaterialPage())
        page->RenameMaterialItem(oldName, name);
    SetModifiedForPanels();
    RefreshObjectPanel();
}
