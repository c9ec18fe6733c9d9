// The material page: its tree, panels, layout, selection and buttons.
#include "shell/material_page.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "materials/material_commands.h"
#include "materials/material_panel_factory.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "resources/resource_tables.h"

namespace {

// The material submenu of the pane popup menus.
constexpr int kMaterialEtcSubmenu = 15;

HTREEITEM Handle(ObjTreeItem item) {
    return static_cast<HTREEITEM>(item);
}

// Children go in the order of their kind codes.
int CompareKinds(LPARAM a, LPARAM b, LPARAM) noexcept {
    const auto left = static_cast<unsigned>(a);
    const auto right = static_cast<unsigned>(b);
    return left < right ? -1 : left > right ? 1 : 0;
}

} // namespace

CMaterialPage::CMaterialPage() : CTreePage(IDD, kListButtonIds) {}

CMaterialPage::~CMaterialPage() {
    DestroyWindow();
}

const CommandMap& CMaterialPage::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CMaterialPage>(CTreePage::GetCommandMap())
                                      .OnBnClicked(kListButtonIds.newButton, &CMaterialPage::OnNew)
                                      .OnBnClicked(kListButtonIds.copyButton, &CMaterialPage::OnCopy)
                                      .OnBnClicked(kListButtonIds.deleteButton, &CMaterialPage::OnDelete)
                                      .OnBnClicked(kListButtonIds.etcButton, &CMaterialPage::OnEtcMenu);
    return map;
}

BOOL CMaterialPage::OnInitDialog() {
    CTreePage::OnInitDialog();
    MakePanels();
    return TRUE;
}

void CMaterialPage::MakePanels() {
    CQuelDoc* doc = GetDoc();
    for (const MaterialPanelInfo& info : MaterialPanels()) {
        std::unique_ptr<CMaterialElementPanel> panel = MakeMaterialPanel(info.kind);
        if (!panel || !panel->Create(panel->GetDialogId(), this))
            continue;
        panel->ShowWindow(SW_HIDE);
        m_pageList.Emplace(panel.get(), info.keyword, info.kind);
        if (doc)
            doc->RegisterWindow(panel->GetSafeHwnd(), info.registryId);
        m_panels.push_back(std::move(panel));
    }
}

void CMaterialPage::OnDestroy() {
    m_pageList.RemoveAll();
    for (const std::unique_ptr<CMaterialElementPanel>& panel : m_panels)
        panel->DestroyWindow();
    m_currentPanel = 0;
    CTreePage::OnDestroy();
}

CMaterialElementPanel* CMaterialPage::GetCurrentPanel() const {
    const CPageEntry* entry = m_currentPanel ? m_pageList.GetAtIndex(m_currentPanel - 1) : nullptr;
    return entry ? static_cast<CMaterialElementPanel*>(entry->m_window) : nullptr;
}

CMaterialElementPanel* CMaterialPage::FindPanel(int kind) const {
    for (const CPageEntry* entry : m_pageList)
        if (entry->m_index == kind)
            return static_cast<CMaterialElementPanel*>(entry->m_window);
    return nullptr;
}

// --- the tree as the model reaches it --------------------------------------------

ObjTreeItem CMaterialPage::InsertItem(ObjTreeItem parent, const CString& text, int kind) {
    const HTREEITEM item = m_tree.InsertItem(text, parent ? Handle(parent) : TVI_ROOT, TVI_LAST);
    m_tree.SetItemData(item, static_cast<DWORD_PTR>(kind));
    return item;
}

void CMaterialPage::DeleteItem(ObjTreeItem item) {
    m_tree.DeleteItem(Handle(item));
}

ObjTreeItem CMaterialPage::GetChildItem(ObjTreeItem item) const {
    return m_tree.GetChildItem(Handle(item));
}

ObjTreeItem CMaterialPage::GetNextSiblingItem(ObjTreeItem item) const {
    return m_tree.GetNextSiblingItem(Handle(item));
}

int CMaterialPage::GetItemKind(ObjTreeItem item) const {
    return static_cast<int>(m_tree.GetItemData(Handle(item)));
}

void CMaterialPage::SortChildItems(ObjTreeItem item) {
    const TVSORTCB sort{Handle(item), CompareKinds, 0};
    m_tree.SortChildrenCB(&sort);
}

// --- item operations ---------------------------------------------------------------

HTREEITEM CMaterialPage::FindMaterialItem(const CString& name) const {
    const CString text = MaterialItemText(name);
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item))
        if (m_tree.GetItemText(item) == text)
            return item;
    return nullptr;
}

ObjTreeItem CMaterialPage::AddMaterialItem(CMaterialData* mat) {
    if (!mat)
        return nullptr;
    const HTREEITEM item = m_tree.InsertItem(MaterialItemText(mat->m_name), TVI_ROOT, TVI_SORT);
    m_tree.SetItemData(item, itemMaterial);
    AddElementChildren(*this, item, itemMaterial, *mat);
    return item;
}

void CMaterialPage::RemoveMaterialItem(CMaterialData* mat) {
    if (!mat)
        return;
    if (const HTREEITEM item = FindMaterialItem(mat->m_name))
        m_tree.DeleteItem(item);
    if (!m_tree.GetRootItem())
        HidePanels();
}

void CMaterialPage::SelectMaterialItem(ObjTreeItem item) {
    if (!item)
        return;
    if (m_tree.GetSelectedItem() == Handle(item))
        UpdateSelection();
    else
        m_tree.SelectItem(Handle(item));
}

void CMaterialPage::RenameMaterialItem(const CString& name, const CString& newName) {
    if (const HTREEITEM item = FindMaterialItem(name)) {
        m_tree.SetItemText(item, MaterialItemText(newName));
        m_tree.SortChildren(TVI_ROOT);
    }
}

void CMaterialPage::ResetTree() {
    m_tree.DeleteAllItems();
    HidePanels();
}

// --- selection -----------------------------------------------------------------------

int CMaterialPage::GetSelectedKind() const {
    const HTREEITEM item = m_tree.GetSelectedItem();
    return item ? static_cast<int>(m_tree.GetItemData(item)) : -1;
}

int CMaterialPage::GetSelectedParentKind() const {
    const HTREEITEM item = m_tree.GetSelectedItem();
    const HTREEITEM parent = item ? m_tree.GetParentItem(item) : nullptr;
    return parent ? static_cast<int>(m_tree.GetItemData(parent)) : -1;
}

void CMaterialPage::ChangeSelectedChildren(const MaterialTreeChange& change, const CMaterialData& mat) {
    if (const HTREEITEM item = m_tree.GetSelectedItem())
        ApplyTreeChange(*this, item, GetSelectedKind(), change, mat);
}

void CMaterialPage::UpdateSelection() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    HTREEITEM top = m_tree.GetSelectedItem();
    while (top && m_tree.GetParentItem(top))
        top = m_tree.GetParentItem(top);
    const CString text = top ? m_tree.GetItemText(top) : CString();
    const int kind = GetSelectedKind();
    bool selected = false;
    for (CMaterialData* mat : doc->m_materials) {
        mat->m_selected = top && MaterialItemText(mat->m_name) == text ? 1 : 0;
        selected |= mat->m_selected != 0;
    }
    HidePanels();
    if (!selected)
        return;
    int position = 0;
    for (const CPageEntry* entry : m_pageList) {
        ++position;
        if (entry->m_index == kind) {
            ShowPanel(position);
            return;
        }
    }
}

// --- buttons -------------------------------------------------------------------------

void CMaterialPage::OnNew() {
    if (CQuelDoc* doc = GetDoc())
        CreateMaterial(*doc);
}

void CMaterialPage::OnCopy() {
    if (CQuelDoc* doc = GetDoc())
        CopySelectedMaterial(*doc);
}

void CMaterialPage::OnDelete() {
    if (CQuelDoc* doc = GetDoc())
        DeleteSelectedMaterial(*doc);
}

void CMaterialPage::OnEtcMenu() {
    CMenu menu;
    if (!menu.LoadMenu(IsEnglish() ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA))
        return;
    CMenu* popup = menu.GetSubMenu(kMaterialEtcSubmenu);
    if (!popup)
        return;
    // Its commands are the main window's.
    CRect button;
    m_etcButton.GetWindowRect(&button);
    popup->TrackPopupMenu(TPM_RIGHTALIGN | TPM_RIGHTBUTTON, button.right, button.bottom, AfxGetMainWnd());
}
