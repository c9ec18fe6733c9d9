#include "shell/side_bar.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "controls/typed_field.h"

namespace {

constexpr UINT kSideBarTemplate = 113;
constexpr int kTabId = 1014;

// The tabs read the same in both languages.
constexpr const char* kTabTexts[CPanelTabDlg::tabCount] = {"Object", "Light", "Material", "etc."};

} // namespace

// --- the page host -------------------------------------------------------------

CPanelTabDlg::~CPanelTabDlg() {
    DestroyWindow();
}

const CommandMap& CPanelTabDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CPanelTabDlg>(CDialog::GetCommandMap())
                                      .OnNotify(TCN_SELCHANGE, kTabId, &CPanelTabDlg::OnTabChange);
    return map;
}

BOOL CPanelTabDlg::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CLIPCHILDREN;
    return CDialog::PreCreateWindow(cs);
}

void CPanelTabDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kTabId, m_tab);
}

BOOL CPanelTabDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int tab = 0; tab < tabCount; ++tab)
        m_tab.InsertItem(tab, kTabTexts[tab]);
    if (m_scenePage.Create(CScenePage::IDD, this))
        m_scenePage.ShowWindow(SW_HIDE);
    if (m_objectPage.Create(CObjectPage::IDD, this))
        m_objectPage.ShowWindow(SW_SHOW);
    if (m_lightPage.Create(CLightPage::IDD, this))
        m_lightPage.ShowWindow(SW_HIDE);
    if (m_materialPage.Create(CMaterialPage::IDD, this))
        m_materialPage.ShowWindow(SW_HIDE);
    if (CQuelDoc* doc = GetDoc()) {
        doc->RegisterWindow(m_objectPage.GetSafeHwnd(), wndObjectPage);
        doc->RegisterWindow(m_lightPage.GetSafeHwnd(), wndLightPage);
        doc->RegisterWindow(m_materialPage.GetSafeHwnd(), wndMaterialPage);
        doc->RegisterWindow(m_scenePage.GetSafeHwnd(), wndScenePage);
    }
    return TRUE;
}

CWnd* CPanelTabDlg::GetPage(int tab) const {
    if (tab == tabObject && m_objectPage.GetNativeWindow())
        return const_cast<CObjectPage*>(&m_objectPage);
    if (tab == tabLight && m_lightPage.GetNativeWindow())
        return const_cast<CLightPage*>(&m_lightPage);
    if (tab == tabMaterial && m_materialPage.GetNativeWindow())
        return const_cast<CMaterialPage*>(&m_materialPage);
    if (tab == tabScene && m_scenePage.GetNativeWindow())
        return const_cast<CScenePage*>(&m_scenePage);
    return nullptr;
}

void CPanelTabDlg::ShowPage(int tab) {
    if (tab < 0 || tab >= tabCount || !m_objectPage.GetNativeWindow())
        return;
    for (int i = 0; i < tabCount; ++i)
        if (CWnd* page = GetPage(i))
            page->ShowWindow(i == tab ? SW_SHOW : SW_HIDE);
}

void CPanelTabDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_tab.GetNativeWindow())
        return;
    m_tab.MoveWindow(0, 0, cx, cy);
    CRect first;
    const int top = (m_tab.GetItemRect(0, &first) ? first.Height() : 0) + 5;
    for (int tab = 0; tab < tabCount; ++tab)
        if (CWnd* page = GetPage(tab))
            page->MoveWindow(3, top, cx - 6, cy - top - 5);
}

void CPanelTabDlg::OnTabChange(NMHDR*, LRESULT* result) {
    CTypedField::CommitFocused();
    ShowPage(m_tab.GetCurSel());
    *result = 0;
}

// --- the bar -------------------------------------------------------------------

BOOL CSideBar::Create(CWnd* frame) {
    return CDialogBar::Create(frame, kSideBarTemplate, CBRS_RIGHT, kSideBarTemplate);
}

BOOL CSideBar::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CLIPCHILDREN;
    return CDialogBar::PreCreateWindow(cs);
}

void CSideBar::InitPanelHost() {
    if (!m_panelHost.Create(CPanelTabDlg::IDD, this))
        return;
    CRect client;
    GetClientRect(&client);
    m_panelHost.MoveWindow(0, 0, client.Width(), client.Height());
    m_panelHost.ShowWindow(SW_SHOW);
    if (CQuelDoc* doc = GetDoc())
        doc->RegisterWindow(m_panelHost.GetSafeHwnd(), wndPanelTab);
}

void CSideBar::OnSize(UINT type, int cx, int cy) {
    CDialogBar::OnSize(type, cx, cy);
    if (m_panelHost.GetNativeWindow())
        m_panelHost.MoveWindow(0, 0, cx, cy);
}
