#include "materials/material_commands.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "app/undo_buffer.h"
#include "platform/base/modal_runner.h"

#include <memory>
#include <utility>

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

// Gives the document made, a material made whole apart, as one step: the
// step is recorded before the document takes the material, so that what
// fails after takes the material away again with it.
CMaterialData* AddNewMaterial(CQuelDoc& doc, std::unique_ptr<CMaterialData> made, const char* japanese,
                              const char* english) {
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription(japanese, english);
    undo.SetKind(undoCreateMaterial);
    undo.SaveMaterialName(made.get());
    CMaterialData* mat = doc.AddMaterial(std::move(made));
    ShowNewMaterial(mat);
    return mat;
}

} // namespace

CMaterialData* CreateMaterial(CQuelDoc& doc) {
    auto mat = std::make_unique<CMaterialData>();
    mat->m_name = MakeSeriesName("material_");
    return AddNewMaterial(doc, std::move(mat), "(マテリアル) マテリアルを作成", "(Material) Create Material");
}

CMaterialData* CopySelectedMaterial(CQuelDoc& doc) {
    const CMaterialData* source = GetSelectedMaterial();
    if (!source) {
        ShowMessage(msgNoMaterial);
        return nullptr;
    }
    auto copy = std::make_unique<CMaterialData>();
    copy->CopyFrom(*source);
    copy->m_name = MakeItemCopyName(source->m_name);
    return AddNewMaterial(doc, std::move(copy), "(マテリアル) マテリアルをコピー",
                          "(Material) Copy Material");
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
    undo.SaveNewName(name);
    CString oldName = name;
    std::swap(mat.m_name, oldName);
    if (CMaterialPageServices* page = MaterialPage())
        page->RenameMaterialItem(oldName, name);
    SetModifiedForPanels();
    RefreshObjectPanel();
}
