#include "materials/declared_name_panel.h"

#include "app/doc_helpers.h"
#include "dialogs/rename_dlg.h"

namespace {

constexpr int kNameEdit = 1063;
constexpr int kNameButton = 1475;

} // namespace

CDeclaredNamePanel::CDeclaredNamePanel() : CMaterialElementPanel({}) {}

const CommandMap& CDeclaredNamePanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CDeclaredNamePanel>(CMaterialElementPanel::GetCommandMap())
                                      .OnBnClicked(kNameButton, &CDeclaredNamePanel::OnChooseName);
    return map;
}

void CDeclaredNamePanel::Refresh() {
    CMaterialData* mat = CurrentMaterial();
    const CString* name = mat ? DeclaredNameOf(*mat, ParentKind()) : nullptr;
    if (name)
        SetDlgItemText(kNameEdit, *name);
}

void CDeclaredNamePanel::OnChooseName() {
    CMaterialData* mat = CurrentMaterial();
    CString* name = mat ? DeclaredNameOf(*mat, ParentKind()) : nullptr;
    if (!name)
        return;
    CRenameDlg dialog(this);
    dialog.m_name = *name;
    dialog.m_checkNames = 0;
    if (dialog.DoModal() != IDOK)
        return;
    *name = dialog.m_name;
    SetDlgItemText(kNameEdit, *name);
    SetModifiedForPanels();
}
