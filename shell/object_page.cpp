// The object page: its tree, layout, selection and the document's notifications.
#include "shell/object_page.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/object_tree_images.h"
#include "resources/command_ids.h"
#include "shell/object_page_ids.h"

#include <random>

CObjectPage::CObjectPage()
    : CTreePage(IDD, {kNewButtonId, kCopyButtonId, kDeleteButtonId, kEtcButtonId}),
      m_commands(std::random_device{}()) {}

CObjectPage::~CObjectPage() {
    DestroyWindow();
}

const CommandMap& CObjectPage::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CObjectPage>(CTreePage::GetCommandMap())
            .OnNotify(TVN_BEGINDRAG, kTreeId, &CObjectPage::OnBeginDrag)
            .OnBnClicked(kNewButtonId, &CObjectPage::ShowCreateMenu)
            .OnBnClicked(kCopyButtonId, &CObjectPage::OnCopy)
            .OnBnClicked(kDeleteButtonId, &CObjectPage::OnDelete)
            .OnBnClicked(kEtcButtonId, &CObjectPage::OnEtcMenu)
            .OnCommand(ID_OBJECT_CREATE_PATCH, &CObjectPage::OnCreatePatchObject)
            .OnCommand(ID_OBJECT_CREATE_FOLDER, &CObjectPage::CreateFolder)
            .OnUpdateCommandUI(ID_OBJECT_CREATE_PATCH, &CObjectPage::OnUpdateCreate)
            .OnUpdateCommandUI(ID_OBJECT_CREATE_FOLDER, &CObjectPage::OnUpdateCreate);
    return map;
}

BOOL CObjectPage::OnInitDialog() {
    CTreePage::OnInitDialog();
    CQuelDoc* doc = GetDoc();
    const struct {
        CQuelScroll& panel;
        BOOL made;
        const char* name;
        int registryId;
    } panels[] = {
        {m_objectPanel, m_objectPanel.Make(this), "Patch", wndObjectPanel1},
        {m_polygonPanel, m_polygonPanel.Make(this), "Polygon", wndObjectPanel2},
        {m_folderPanel, m_folderPanel.Make(this), "Group", wndObjectPanel3},
    };
    for (const auto& entry : panels) {
        if (!entry.made)
            continue;
        entry.panel.ShowWindow(SW_HIDE);
        m_pageList.Emplace(&entry.panel, entry.name, m_pageList.GetCount());
        if (doc)
            doc->RegisterWindow(entry.panel.GetSafeHwnd(), entry.registryId);
    }
    if (CreateObjectTreeImages(m_images))
        m_tree.SetImageList(&m_images, TVSIL_NORMAL);
    return TRUE;
}

void CObjectPage::OnDestroy() {
    m_pageList.RemoveAll();
    m_currentPanel = 0;
    CTreePage::OnDestroy();
}

CWnd* CObjectPage::FindPanel(const char* name) const {
    for (const CPageEntry* entry : m_pageList)
        if (entry->m_name == name)
            return entry->m_window;
    return nullptr;
}

// --- tree items --------------------------------------------------------------

HTREEITEM CObjectPage::RootItem() {
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item))
        if (m_tree.GetItemData(item) == 0)
            return item;
    // Polygon objects' items may already stand at the top level: Root goes before them.
    const HTREEITEM root = m_tree.InsertItem("Root", 2, 2, TVI_ROOT, TVI_FIRST);
    m_tree.SetItemData(root, 0);
    return root;
}

HTREEITEM CObjectPage::InsertItem(CBaseObj* obj, HTREEITEM parent, HTREEITEM after) {
    const int image = ObjectTreeImageOf(obj);
    const HTREEITEM item = m_tree.InsertItem(obj->GetName(), image, image, parent, after);
    m_tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(obj));
    obj->SetTreeItem(item);
    return item;
}

void CObjectPage::AddObjectTreeItem(CBaseObj* obj) {
    if (!obj)
        return;
    const CFolderObj* parent = obj->GetParentFolder();
    HTREEITEM parentItem = parent ? static_cast<HTREEITEM>(parent->GetTreeItem()) : nullptr;
    const bool topLevel = !parentItem;
    if (topLevel)
        parentItem = RootItem();
    InsertItem(obj, parentItem, TVI_SORT);
    // The top level is always in view, also when nothing is selected (an
    // opened document); Root unfolds only once it has a child.
    if (topLevel)
        m_tree.Expand(parentItem, TVE_EXPAND);
    if (obj->GetObjType() == objTypeFolder)
        for (CBaseObj* member : static_cast<CFolderObj*>(obj)->GetMembers())
            AddObjectTreeItem(member);
}

void CObjectPage::AddPolygonItem(CBaseObj* polygon) {
    if (!polygon)
        return;
    const HTREEITEM item = InsertItem(polygon, TVI_ROOT, TVI_LAST);
    // A polygon object is selected like any object, so the tree never
    // shows a selection the scene does not have.
    if (!m_tree.GetSelectedItem())
        m_tree.SelectItem(item);
}

void CObjectPage::DeleteObjectItem(CBaseObj* obj) {
    if (!obj)
        return;
    if (obj->GetObjType() == objTypeFolder)
        for (CBaseObj* member : static_cast<CFolderObj*>(obj)->GetMembers())
            DeleteObjectItem(member);
    if (const auto item = static_cast<HTREEITEM>(obj->GetTreeItem())) {
        ForgetItemsBelow(item);
        obj->SetTreeItem(nullptr);
        m_tree.DeleteItem(item);
    }
}

void CObjectPage::ForgetItemsBelow(HTREEITEM item) {
    for (HTREEITEM child = m_tree.GetChildItem(item); child; child = m_tree.GetNextSiblingItem(child)) {
        ForgetItemsBelow(child);
        if (auto* below = reinterpret_cast<CBaseObj*>(m_tree.GetItemData(child)))
            below->SetTreeItem(nullptr);
    }
}

void CObjectPage::RemoveObjectItem(CBaseObj* obj) {
    DeleteObjectItem(obj);
    UpdateSelection();
}

void CObjectPage::SelectObjectItem(CBaseObj* obj) {
    const HTREEITEM item = obj ? static_cast<HTREEITEM>(obj->GetTreeItem()) : RootItem();
    if (!item)
        return;
    if (m_tree.GetSelectedItem() == item)
        UpdateSelection();
    else
        m_tree.SelectItem(item);
}

void CObjectPage::RefreshObjectItem(CBaseObj* obj) {
    if (!obj)
        return;
    m_treeNotify = 0;
    m_reinserting = true;
    DeleteObjectItem(obj);
    m_reinserting = false;
    AddObjectTreeItem(obj);
    SelectObjectItem(obj);
    m_treeNotify = 1;
}

void CObjectPage::ResetTree() {
    m_reinserting = true;
    m_tree.DeleteAllItems();
    m_reinserting = false;
    HidePanels();
}

void CObjectPage::CreatePatchObject() {
    if (CQuelDoc* doc = GetDoc())
        m_commands.CreatePatchObject(*doc);
}

void CObjectPage::RenameItems() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const auto rename = [this](CBaseObj* obj) {
        const auto item = static_cast<HTREEITEM>(obj->GetTreeItem());
        if (item && m_tree.GetItemText(item) != obj->GetName())
            m_tree.SetItemText(item, obj->GetName());
    };
    for (CSpatchObj* obj : doc->m_objects)
        rename(obj);
    for (CFolderObj* folder : doc->m_folders)
        rename(folder);
    for (CPolygonObj* polygon : doc->m_polygonObjects)
        rename(polygon);
    m_tree.SortChildren(TVI_ROOT);
    m_renamePending = false;
}

// --- selection ---------------------------------------------------------------

void CObjectPage::UpdateSelection() {
    CQuelDoc* doc = GetDoc();
    if (!doc || m_reinserting)
        return;
    HidePanels();
    const HTREEITEM item = m_tree.GetSelectedItem();
    const auto* selection = item ? reinterpret_cast<const CBaseObj*>(m_tree.GetItemData(item)) : nullptr;
    ApplyTreeSelection(*doc, selection);
    // Each entry's panel shows while its kind of item is selected.
    int position = 0;
    for (const CPageEntry* entry : m_pageList) {
        ++position;
        const bool selected = (entry->m_name == "Patch" && GetSelectedObject()) ||
                              (entry->m_name == "Polygon" && GetSelectedPolygonObject()) ||
                              (entry->m_name == "Group" && GetSelectedFolder());
        if (selected)
            ShowPanel(position);
    }
    if (m_treeNotify)
        PostToRegisteredWindows(notifyRepaintPanes);
}

// --- notifications -----------------------------------------------------------

LRESULT CObjectPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DOC_NOTIFY) {
        OnDocNotify(wParam, lParam);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CObjectPage::OnDocNotify(WPARAM wParam, LPARAM code) {
    if (code == notifyRenameTreeItems)
        m_renamePending = true;
    m_objectPanel.OnDocNotify(wParam, code);
    m_folderPanel.OnDocNotify(wParam, code);
    m_polygonPanel.OnDocNotify(wParam, code);
    if (m_renamePending)
        RenameItems();
    if (code == notifyUpdateTreeItem)
        RefreshObjectItem(reinterpret_cast<CBaseObj*>(wParam));
}
