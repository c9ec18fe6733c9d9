// The object page: its tree, layout, selection and the document's notifications.
#include "shell/object_page.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/object_tree_images.h"
#include "resources/command_ids.h"
#include "shell/object_page_ids.h"

#include <random>

CObjectPage::CObjectPage() : CDialog(IDD), m_commands(std::random_device{}()) {}

CObjectPage::~CObjectPage() {
    DestroyWindow();
}

const CommandMap& CObjectPage::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CObjectPage>(CDialog::GetCommandMap())
            .OnNotify(TVN_SELCHANGED, kTreeId, &CObjectPage::OnSelChanged)
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

void CObjectPage::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kTreeId, m_tree);
    DDX_Control(dx, kNewButtonId, m_newButton);
    DDX_Control(dx, kCopyButtonId, m_copyButton);
    DDX_Control(dx, kDeleteButtonId, m_deleteButton);
    DDX_Control(dx, kEtcButtonId, m_etcButton);
    DDX_Control(dx, kPanelFrameId, m_panelFrame);
}

BOOL CObjectPage::OnInitDialog() {
    CDialog::OnInitDialog();
    // A strip three pixels wide inside the right edge of the panel frame.
    CRect frame;
    m_panelFrame.GetWindowRect(&frame);
    ScreenToClient(&frame);
    m_levelBar.Create("", WS_CHILD | WS_VISIBLE,
                      CRect(frame.right - 6, frame.top + 3, frame.right - 3, frame.bottom - 3), this,
                      kLevelBarId);
    m_levelBar.ShowWindow(SW_HIDE);

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
    CDialog::OnDestroy();
}

CWnd* CObjectPage::FindPanel(const char* name) const {
    for (const CPageEntry* entry : m_pageList)
        if (entry->m_name == name)
            return entry->m_window;
    return nullptr;
}

void CObjectPage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_tree.GetNativeWindow())
        return;
    const int w = cx;
    const int h = cy;
    const int t = h / 3;
    m_tree.MoveWindow(5, 5, w - 10, t - 30);
    CButton* buttons[] = {&m_newButton, &m_copyButton, &m_deleteButton, &m_etcButton};
    for (int i = 0; i < 4; ++i)
        buttons[i]->MoveWindow(w * i / 4, t - 20, w / 4, 20);
    m_panelFrame.MoveWindow(5, t + 5, w - 10, h - t - 10);
    m_levelBar.MoveWindow(w - 8, t + 6, 2, h - t - 12);
    for (const CPageEntry* entry : m_pageList)
        entry->m_window->MoveWindow(6, t + 6, w - 14, h - t - 13);
    UpdateLevelBar();
}

void CObjectPage::OnVScroll(UINT code, UINT position, CWnd* scrollBar) {
    UpdateLevelBar();
    CDialog::OnVScroll(code, position, scrollBar);
}

CQuelScroll* CObjectPage::CurrentPanel() const {
    const CPageEntry* entry = m_currentPanel > 0 ? m_pageList.GetAtIndex(m_currentPanel - 1) : nullptr;
    return entry ? dynamic_cast<CQuelScroll*>(entry->m_window) : nullptr;
}

void CObjectPage::UpdateLevelBar() {
    CQuelScroll* panel = CurrentPanel();
    if (!panel || !m_levelBar.GetNativeWindow())
        return;
    m_levelBar.SetTotal(panel->GetContentHeight());
    m_levelBar.SetPage(panel->UpdateScrollLimit());
    m_levelBar.SetPos(panel->GetScrollOffset());
}

void CObjectPage::ShowPanel(int position) {
    CQuelScroll* panel = dynamic_cast<CQuelScroll*>(m_pageList.GetAtIndex(position - 1)->m_window);
    m_currentPanel = position;
    panel->Refresh();
    panel->ShowWindow(SW_SHOW);
    m_levelBar.ShowWindow(SW_SHOW);
    UpdateLevelBar();
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
        obj->SetTreeItem(nullptr);
        m_tree.DeleteItem(item);
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
    m_levelBar.ShowWindow(SW_HIDE);
    for (const CPageEntry* entry : m_pageList)
        entry->m_window->ShowWindow(SW_HIDE);
    m_currentPanel = 0;
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
}

// --- selection ---------------------------------------------------------------

void CObjectPage::OnSelChanged(NMHDR*, LRESULT* result) {
    if (!m_reinserting)
        UpdateSelection();
    *result = 0;
}

void CObjectPage::UpdateSelection() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    m_levelBar.ShowWindow(SW_HIDE);
    m_currentPanel = 0;
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
        else
            entry->m_window->ShowWindow(SW_HIDE);
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
    m_objectPanel.OnDocNotify(wParam, code);
    m_folderPanel.OnDocNotify(wParam, code);
    m_polygonPanel.OnDocNotify(wParam, code);
    if (code == notifyRenameTreeItems)
        RenameItems();
    else if (code == notifyUpdateTreeItem)
        RefreshObjectItem(reinterpret_cast<CBaseObj*>(wParam));
}
