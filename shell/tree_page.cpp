#include "shell/tree_page.h"

#include "controls/typed_field.h"

namespace {

constexpr int kPanelFrameId = 1496;
constexpr int kLevelBarId = 50;

} // namespace

const CommandMap& CTreePage::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CTreePage>(CDialog::GetCommandMap())
                                      .OnNotify(TVN_SELCHANGING, kTreeId, &CTreePage::OnSelChanging)
                                      .OnNotify(TVN_SELCHANGED, kTreeId, &CTreePage::OnSelChanged);
    return map;
}

void CTreePage::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kTreeId, m_tree);
    DDX_Control(dx, m_buttonIds.newButton, m_newButton);
    DDX_Control(dx, m_buttonIds.copyButton, m_copyButton);
    DDX_Control(dx, m_buttonIds.deleteButton, m_deleteButton);
    DDX_Control(dx, m_buttonIds.etcButton, m_etcButton);
    DDX_Control(dx, kPanelFrameId, m_panelFrame);
}

void CTreePage::OnSelChanging(NMHDR*, LRESULT* result) {
    // The shown panel still edits the item selected now, and the tree still
    // tells the panel which element that is.
    CTypedField::CommitFocused();
    *result = 0;
}

void CTreePage::OnSelChanged(NMHDR*, LRESULT* result) {
    UpdateSelection();
    *result = 0;
}

BOOL CTreePage::OnInitDialog() {
    CDialog::OnInitDialog();
    // A strip three pixels wide inside the right edge of the panel frame.
    CRect frame;
    m_panelFrame.GetRectInParent(&frame);
    m_levelBar.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                      CRect(frame.right - 6, frame.top + 3, frame.right - 3, frame.bottom - 3), this,
                      kLevelBarId);
    m_levelBar.ShowWindow(SW_HIDE);
    return TRUE;
}

CRect CTreePage::PanelRect() const {
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    const int t = h / 3;
    return CRect(6, t + 6, 6 + w - 14, t + 6 + h - t - 13);
}

void CTreePage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_tree.GetNativeWindow())
        return;
    const int w = cx;
    const int h = cy;
    const int t = h / 3;
    m_panelFrame.MoveWindow(5, t + 5, w - 10, h - t - 10);
    m_tree.MoveWindow(5, 5, w - 10, t - 30);
    CButton* buttons[] = {&m_newButton, &m_copyButton, &m_deleteButton, &m_etcButton};
    const int lefts[] = {0, w / 4, w / 2, w / 2 + w / 4};
    for (int i = 0; i < 4; ++i)
        buttons[i]->MoveWindow(lefts[i], t - 20, w / 4, 20);
    if (m_levelBar.GetNativeWindow())
        m_levelBar.MoveWindow(w - 8, t + 6, 2, h - t - 12);
    for (const CPageEntry* entry : m_pageList)
        entry->m_window->MoveWindow(6, t + 6, w - 14, h - t - 13);
    UpdateLevelBar();
}

void CTreePage::OnVScroll(UINT code, UINT position, CWnd* scrollBar) {
    UpdateLevelBar();
    CDialog::OnVScroll(code, position, scrollBar);
}

CQuelScroll* CTreePage::ShownPanel() const {
    const CPageEntry* entry = m_currentPanel ? m_pageList.GetAtIndex(m_currentPanel - 1) : nullptr;
    return entry ? dynamic_cast<CQuelScroll*>(entry->m_window) : nullptr;
}

void CTreePage::UpdateLevelBar() {
    CQuelScroll* panel = ShownPanel();
    if (!panel || !m_levelBar.GetNativeWindow())
        return;
    m_levelBar.SetTotal(panel->GetContentHeight());
    m_levelBar.SetPage(panel->UpdateScrollLimit());
    m_levelBar.SetPos(panel->GetScrollOffset());
}

void CTreePage::ShowPanel(int position) {
    const CPageEntry* entry = m_pageList.GetAtIndex(position - 1);
    auto* panel = entry ? dynamic_cast<CQuelScroll*>(entry->m_window) : nullptr;
    if (!panel)
        return;
    m_currentPanel = position;
    panel->ShowWindow(SW_HIDE);
    panel->Refresh();
    panel->MoveWindow(PanelRect());
    panel->ShowWindow(SW_SHOW);
    UpdateLevelBar();
    m_levelBar.ShowWindow(SW_SHOW);
}

void CTreePage::HidePanels() {
    m_levelBar.ShowWindow(SW_HIDE);
    m_currentPanel = 0;
    for (const CPageEntry* entry : m_pageList)
        entry->m_window->ShowWindow(SW_HIDE);
}
