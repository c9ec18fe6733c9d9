#include "shell/scene_page.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "controls/typed_field.h"

namespace {

constexpr int kTreeId = 1022;
constexpr int kPageFrameId = 1496;
constexpr int kLevelBarId = 50;

} // namespace

CScenePage::CScenePage()
    : CDialog(IDD), m_pages{&m_backgroundPage,  &m_includeFilePage,  &m_radiosityPage, &m_globalSettingsPage,
                            &m_postProcessPage, &m_colorPage,        &m_pathPage,      &m_mousePage,
                            &m_etcPage,         &m_rendererListPage, &m_materialPage,  &m_lightingPage} {}

CScenePage::~CScenePage() {
    DestroyWindow();
}

const CommandMap& CScenePage::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CScenePage>(CDialog::GetCommandMap())
                                      .OnNotify(TVN_SELCHANGING, kTreeId, &CScenePage::OnSelChanging)
                                      .OnNotify(TVN_SELCHANGED, kTreeId, &CScenePage::OnSelChanged);
    return map;
}

void CScenePage::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kTreeId, m_tree);
    DDX_Control(dx, kPageFrameId, m_pageFrame);
}

BOOL CScenePage::OnInitDialog() {
    CDialog::OnInitDialog();
    CRect frame;
    m_pageFrame.GetRectInParent(&frame);
    m_levelBar.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                      CRect(frame.right - 6, frame.top + 3, frame.right - 3, frame.bottom - 3), this,
                      kLevelBarId);
    m_levelBar.ShowWindow(SW_HIDE);
    BuildTree();
    for (const SettingsPageEntry& entry : SettingsPageEntries())
        m_pageList.AddTail(std::make_unique<CPageEntry>(
            m_pages[entry.kind], entry.label.Text(IsEnglish() != 0), static_cast<int>(entry.kind)));
    return TRUE;
}

void CScenePage::BuildTree() {
    const bool english = IsEnglish() != 0;
    for (const SettingsTreeRoot& root : SettingsTreeRoots()) {
        const HTREEITEM item = m_tree.InsertItem(root.label.Text(english));
        for (const SettingsLabel& leaf : root.leaves)
            m_tree.InsertItem(leaf.Text(english), item);
    }
}

void CScenePage::OnDestroy() {
    for (CSettingsPage* page : m_pages)
        DestroyPage(*page);
    m_pageList.RemoveAll();
    m_currentPage = 0;
    CDialog::OnDestroy();
}

LRESULT CScenePage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DOC_NOTIFY) {
        if (lParam == notifySceneMerged)
            SelectRootItem();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CScenePage::SelectRootItem() {
    if (!m_tree.GetNativeWindow())
        return;
    if (const HTREEITEM first = m_tree.GetRootItem()) {
        if (m_tree.GetSelectedItem() == first)
            ShowSelectedPage();
        else
            m_tree.SelectItem(first);
    }
    UpdateData(FALSE);
}

CSettingsPage* CScenePage::GetCurrentPage() const {
    const CPageEntry* entry = m_currentPage ? m_pageList.GetAtIndex(m_currentPage - 1) : nullptr;
    return entry ? static_cast<CSettingsPage*>(entry->m_window) : nullptr;
}

// --- choosing a page -------------------------------------------------------------

void CScenePage::OnSelChanging(NMHDR*, LRESULT* result) {
    // The page shown still edits its record, and goes with the selection.
    CTypedField::CommitFocused();
    *result = 0;
}

void CScenePage::OnSelChanged(NMHDR*, LRESULT* result) {
    ShowSelectedPage();
    *result = 0;
}

void CScenePage::ShowSelectedPage() {
    const HTREEITEM selected = m_tree.GetSelectedItem();
    const CString text = selected ? m_tree.GetItemText(selected) : CString();
    m_levelBar.ShowWindow(SW_HIDE);
    m_currentPage = 0;
    int position = 0;
    for (const CPageEntry* entry : m_pageList) {
        ++position;
        auto& page = *static_cast<CSettingsPage*>(entry->m_window);
        const SettingsPageEntry& info = SettingsPageEntries()[static_cast<size_t>(entry->m_index)];
        if (entry->m_name != text || !selected) {
            DestroyPage(page);
            continue;
        }
        if (!page.GetNativeWindow() && !MakePage(info, page))
            continue;
        m_currentPage = position;
        page.Refresh();
        const CRect r = PageRect();
        page.MoveWindow(r.left, r.top, r.Width(), r.Height());
        page.ShowWindow(SW_SHOW);
        UpdateLevelBar();
        m_levelBar.ShowWindow(SW_SHOW);
    }
}

bool CScenePage::MakePage(const SettingsPageEntry& entry, CSettingsPage& page) {
    if (!page.Make(this))
        return false;
    if (CQuelDoc* doc = GetDoc()) {
        doc->RegisterWindow(page.GetSafeHwnd(), entry.registryId);
        // The mouse page also shows the button tools that commands choose.
        if (entry.kind == pageMouseSetting)
            doc->RegisterWindow(page.GetSafeHwnd(), wndMouseButtonPage);
    }
    return true;
}

void CScenePage::DestroyPage(CSettingsPage& page) {
    if (!page.GetNativeWindow())
        return;
    if (CQuelDoc* doc = GetDoc())
        doc->UnregisterWindow(page.GetSafeHwnd());
    page.DestroyWindow();
}

// --- layout ----------------------------------------------------------------------

CRect CScenePage::PageRect() const {
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    const int t = h / 3;
    return CRect(6, t + 6, 6 + w - 14, t + 6 + h - t - 13);
}

void CScenePage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_tree.GetNativeWindow())
        return;
    const int t = cy / 3;
    m_pageFrame.MoveWindow(5, t + 5, cx - 10, cy - t - 10);
    m_tree.MoveWindow(5, 5, cx - 10, t - 10);
    if (m_levelBar.GetNativeWindow())
        m_levelBar.MoveWindow(cx - 8, t + 6, 2, cy - t - 12);
    const CRect r = PageRect();
    for (CSettingsPage* page : m_pages)
        if (page->GetNativeWindow())
            page->MoveWindow(r.left, r.top, r.Width(), r.Height());
    UpdateLevelBar();
}

void CScenePage::OnVScroll(UINT code, UINT position, CWnd* scrollBar) {
    UpdateLevelBar();
    CDialog::OnVScroll(code, position, scrollBar);
}

void CScenePage::UpdateLevelBar() {
    CSettingsPage* page = GetCurrentPage();
    if (!page || !page->GetNativeWindow() || !m_levelBar.GetNativeWindow())
        return;
    m_levelBar.SetTotal(page->GetContentHeight());
    m_levelBar.SetPage(page->UpdateScrollLimit());
    m_levelBar.SetPos(page->GetScrollOffset());
}
