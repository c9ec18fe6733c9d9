#include "materials/material_element_panel.h"

#include "app/doc_helpers.h"

CMaterialElementPanel::CMaterialElementPanel(std::span<const int> groupIds) : m_groupIds(groupIds) {
    for (size_t i = 0; i < groupIds.size(); ++i)
        m_groups.push_back(std::make_unique<CQuelGroup>());
}

void CMaterialElementPanel::DoDataExchange(CDataExchange* dx) {
    CQuelScroll::DoDataExchange(dx);
    for (size_t i = 0; i < m_groups.size(); ++i)
        DDX_Control(dx, m_groupIds[i], *m_groups[i]);
}

BOOL CMaterialElementPanel::OnInitDialog() {
    CQuelScroll::OnInitDialog();
    CreateOwnControls();
    for (const std::unique_ptr<CQuelGroup>& group : m_groups)
        group->Init();
    return TRUE;
}

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

void CMaterialElementPanel::EnableItem(int id, BOOL enable) {
    if (CWnd* item = GetDlgItem(id))
        item->EnableWindow(enable);
}
