// The light page: its tree, layout, selection and buttons.
#include "shell/light_page.h"

#include "app/doc_helpers.h"
#include "app/light_data.h"
#include "app/quel_doc.h"
#include "platform/ui/resource_lookup.h"
#include "resources/resource_tables.h"

namespace {

// The pictures of the four light types, in type order.
constexpr UINT kTypeIcons[] = {IDI_POINT_LIGHT, IDI_SPOT_LIGHT, IDI_CYLINDER_LIGHT, IDI_AREA_LIGHT};

int TypeImage(int type) {
    return type >= lightPoint && type <= lightArea ? type : lightPoint;
}

} // namespace

CLightPage::CLightPage() : CTreePage(IDD, kListButtonIds) {}

CLightPage::~CLightPage() {
    DestroyWindow();
}

const CommandMap& CLightPage::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CLightPage>(CTreePage::GetCommandMap())
                                      .OnBnClicked(kListButtonIds.newButton, &CLightPage::OnNew)
                                      .OnBnClicked(kListButtonIds.copyButton, &CLightPage::OnCopy)
                                      .OnBnClicked(kListButtonIds.deleteButton, &CLightPage::OnDelete);
    return map;
}

BOOL CLightPage::OnInitDialog() {
    CTreePage::OnInitDialog();
    if (m_panel.Make(this, this)) {
        m_panel.ShowWindow(SW_HIDE);
        m_pageList.Emplace(&m_panel, "Light", 0);
        if (CQuelDoc* doc = GetDoc())
            doc->RegisterWindow(m_panel.GetSafeHwnd(), wndLightPanel);
    }
    if (m_images.Create(16, 16, ILC_MASK, 4, 4)) {
        bool complete = true;
        for (const UINT id : kTypeIcons) {
            const IconResource* icon = FindIconResource(id);
            complete = complete && icon && m_images.Add(icon->image) >= 0;
        }
        if (complete)
            m_tree.SetImageList(&m_images, TVSIL_NORMAL);
    }
    return TRUE;
}

void CLightPage::OnDestroy() {
    m_pageList.RemoveAll();
    m_currentPanel = 0;
    CTreePage::OnDestroy();
}

LRESULT CLightPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DOC_NOTIFY)
        return CTreePage::WindowProc(message, wParam, lParam);
    m_panel.OnDocNotify(wParam, lParam);
    if (lParam == notifySceneMerged)
        ShowItemTypes();
    return 0;
}

// --- item operations ---------------------------------------------------------------

HTREEITEM CLightPage::FindLightItem(const CString& name) const {
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item))
        if (m_tree.GetItemText(item) == name)
            return item;
    return nullptr;
}

void CLightPage::AddLightItem(CLightData* light, BOOL select) {
    if (!light)
        return;
    const int image = TypeImage(light->m_type);
    const HTREEITEM item = m_tree.InsertItem(light->m_name, image, image, TVI_ROOT, TVI_SORT);
    if (!select)
        return;
    if (m_tree.GetSelectedItem() == item)
        UpdateSelection();
    else
        m_tree.SelectItem(item);
}

void CLightPage::RemoveLightItem(CLightData* light) {
    if (!light)
        return;
    if (const HTREEITEM item = FindLightItem(light->m_name))
        m_tree.DeleteItem(item);
    if (!m_tree.GetRootItem())
        HidePanels();
}

void CLightPage::RenameLightItem(const CString& name, const CString& newName) {
    if (const HTREEITEM item = FindLightItem(name)) {
        m_tree.SetItemText(item, newName);
        m_tree.SortChildren(TVI_ROOT);
    }
}

void CLightPage::ShowSelectedType(int type) {
    if (const HTREEITEM item = m_tree.GetSelectedItem())
        m_tree.SetItemImage(item, TypeImage(type), TypeImage(type));
}

void CLightPage::ShowItemTypes() {
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item))
        if (const CLightData* light = FindLightByName(m_tree.GetItemText(item)))
            m_tree.SetItemImage(item, TypeImage(light->m_type), TypeImage(light->m_type));
}

void CLightPage::ResetTree() {
    m_tree.DeleteAllItems();
    HidePanels();
}

// --- selection -----------------------------------------------------------------------

void CLightPage::UpdateSelection() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const HTREEITEM item = m_tree.GetSelectedItem();
    const CString text = item ? m_tree.GetItemText(item) : CString();
    bool selected = false;
    for (CLightData* light : doc->m_lights) {
        light->m_selected = item && light->m_name == text ? 1 : 0;
        selected |= light->m_selected != 0;
    }
    HidePanels();
    if (selected)
        for (const CPageEntry* entry : m_pageList)
            if (entry->m_name == "Light")
                ShowPanel(entry->m_index + 1);
    // The panes lit by the selected light show the newly chosen one.
    if (doc->m_lights.IsEmpty())
        return;
    for (int pane = 0; pane < kPaneCount; ++pane)
        if (doc->m_settings.m_panes[static_cast<size_t>(pane)].m_useLighting &&
            doc->m_lightSource[static_cast<size_t>(pane)] == 2)
            if (auto* window = FindWindowService<CWindowServices>(wndGLPane0 + pane))
                window->RedrawNow();
}

// --- buttons -------------------------------------------------------------------------

void CLightPage::OnNew() {
    if (CQuelDoc* doc = GetDoc())
        CreateLight(*doc);
}

void CLightPage::OnCopy() {
    if (CQuelDoc* doc = GetDoc())
        CopySelectedLight(*doc);
}

void CLightPage::OnDelete() {
    if (CQuelDoc* doc = GetDoc())
        DeleteSelectedLight(*doc);
}
