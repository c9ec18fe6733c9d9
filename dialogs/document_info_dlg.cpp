#include "dialogs/document_info_dlg.h"

#include "app/quel_doc.h"

namespace {

constexpr UINT kTabs = 1014;

} // namespace

CDocumentInfoDlg::CDocumentInfoDlg(CQuelDoc& doc, CWnd* parent) : CDialog(IDD, parent), m_doc(doc) {}

void CDocumentInfoDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kTabs, m_tabs);
    DDX_Text(dx, 1063, m_objectCount);
    DDX_Text(dx, 1462, m_folderCount);
    DDX_Text(dx, 1464, m_counts.threeSided);
    DDX_Text(dx, 1675, m_counts.fourSided);
    DDX_Text(dx, 1684, m_counts.fiveSided);
    DDX_Text(dx, 1677, m_counts.curves);
    DDX_Text(dx, 1679, m_counts.vertices);
    DDX_Text(dx, 1681, m_counts.selectedVertices);
    DDX_Text(dx, 1682, m_counts.hiddenVertices);
}

BOOL CDocumentInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_tabs.InsertItem(0, "All");
    m_tabs.InsertItem(1, "Select Object");
    m_tabs.InsertItem(2, "Export");
    m_objectCount = m_doc.m_objects.GetCount();
    m_folderCount = m_doc.m_folders.GetCount();
    m_counts = CountScope(m_doc, countAll);
    UpdateData(FALSE);
    return TRUE;
}

void CDocumentInfoDlg::OnTabChange(NMHDR*, LRESULT* result) {
    m_counts = CountScope(m_doc, m_tabs.GetCurSel());
    UpdateData(FALSE);
    *result = 0;
}

const CommandMap& CDocumentInfoDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CDocumentInfoDlg>(CDialog::GetCommandMap())
                                      .OnNotify(TCN_SELCHANGE, kTabs, &CDocumentInfoDlg::OnTabChange);
    return map;
}
