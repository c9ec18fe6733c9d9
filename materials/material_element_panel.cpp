#include "materials/material_element_panel.h"

#include "app/doc_helpers.h"

CMaterialData* CMaterialElementPanel::CurrentMaterial() {
    return GetSelectedMaterial();
}

CMaterialTreeHost* CMaterialElementPanel::TreeHost() const {
    return dynamic_cast<CMaterialTreeHost*>(GetParent());
}

int CMaterialElementPanel::ParentKind() const {
    const CMaterialTreeHost* host = TreeHost();
    return host ? host->GetSelectedParentKind() : -1;
}

void CMaterialElementPanel::ChangeTree(const MaterialTreeChange& change, const CMaterialData& mat) {
    if (CMaterialTreeHost* host = TreeHost(); host && change.action != MaterialTreeChange::none)
        host->ChangeSelectedChildren(change, mat);
}

void CMaterialElementPanel::SetEnglishCaptions(std::span<const GroupCaption> captions) {
    if (!IsEnglish())
        return;
    for (const GroupCaption& caption : captions)
        SetDlgItemText(caption.id, caption.english);
}

void CMaterialElementPanel::EnableItem(int id, BOOL enable) {
    if (CWnd* item = GetDlgItem(id))
        item->EnableWindow(enable);
}
