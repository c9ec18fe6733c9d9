#include "shell/side_bar_panel.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/material_axis_dlg.h"
#include "dialogs/rename_dlg.h"
#include "dialogs/select_list_dlgs.h"
#include "shell/object_info_edits.h"

void CSideBarPanel::OnDocNotify(WPARAM, LPARAM code) {
    if (code != notifySceneMerged && code != notifyRenameTreeItems)
        return;
    const BOOL wasVisible = ShowWindow(SW_HIDE);
    Refresh();
    if (wasVisible)
        ShowWindow(SW_SHOW);
}

void CSideBarPanel::EnableControls(std::initializer_list<int> ids, bool on) {
    for (const int id : ids)
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(on ? TRUE : FALSE);
}

bool CSideBarPanel::AskNewName(const CString& name, CString& newName) {
    CRenameDlg dialog(this);
    dialog.m_name = name;
    if (dialog.DoModal() != IDOK)
        return false;
    newName = dialog.m_name;
    return true;
}

bool CSideBarPanel::ChooseSlotMaterial(CBaseObj& obj, bool withUndo) {
    CQuelDoc* doc = GetDoc();
    CSelectMaterialDlg dialog(this);
    if (!doc || dialog.DoModal() != IDOK)
        return false;
    SetSlotMaterial(*doc, obj, dialog.m_index, withUndo);
    return true;
}

void CSideBarPanel::EditSlotAxis(CBaseObj& obj, bool withUndo) {
    CQuelDoc* doc = GetDoc();
    const CTransformData* slot = obj.GetMaterialSlot(obj.GetCurrentSlot());
    if (!doc || !slot)
        return;
    CMaterialAxisDlg dialog(this);
    dialog.m_position = slot->m_translation;
    dialog.m_scale = slot->m_scale;
    dialog.m_rotate = slot->m_rotation;
    if (dialog.DoModal() == IDOK)
        SetSlotAxis(*doc, obj, dialog.m_position, dialog.m_scale, dialog.m_rotate, withUndo);
}
