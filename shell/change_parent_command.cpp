#include "shell/change_parent_command.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/parent_folder_dlg.h"

bool CanChangeParent(const CBaseObj* obj, const CBaseObj* folder) {
    if (!obj || (obj->GetObjType() != objTypePatch && obj->GetObjType() != objTypeFolder))
        return false;
    return CanMoveIntoFolder(obj, folder);
}

BOOL CChangeParentCommand::CanRun() const {
    return GetSelectedObject() || GetSelectedFolder();
}

void CChangeParentCommand::Run(CWnd* parent) {
    CBaseObj* item = GetSelectedItem();
    if (!item)
        return;
    CParentFolderDlg dialog(parent);
    if (dialog.DoModal() == IDOK)
        MoveToFolder(item, dialog.m_chosenFolder);
}

int CChangeParentCommand::MoveToFolder(CBaseObj* obj, CBaseObj* folder) {
    CQuelDoc* doc = GetDoc();
    if (!doc || !CanChangeParent(obj, folder))
        return 0;
    doc->m_undoBuffer.BeginRecord("親オブジェクト変更", "Change Parent Object", undoParentChange);
    doc->m_undoBuffer.SaveParentChange(obj, folder);
    doc->m_tree.MoveIntoFolder(obj, folder);
    if (auto* page = FindWindowService<CObjectPageServices>(wndObjectPage))
        page->RefreshObjectItem(obj);
    return 1;
}
