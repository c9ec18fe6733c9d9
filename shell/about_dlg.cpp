#include "shell/about_dlg.h"

CString CVersionInfo::GetFileVersion() const {
    return QF_VERSION;
}

void CAboutDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, 1063, m_version);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_version = CVersionInfo().GetFileVersion();
    UpdateData(FALSE);
    return TRUE;
}
