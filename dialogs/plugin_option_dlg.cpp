#include "dialogs/plugin_option_dlg.h"

#include "app/doc_helpers.h"

namespace {

constexpr UINT kAtMostEightId = 1422;
constexpr UINT kResolutionGroupId = 1496;
constexpr UINT kResolutionIds[] = {1577, 1578, 1579};

} // namespace

void CPluginOptionDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Check(dx, kAtMostEightId, m_atMostEight);
    DDX_Radio(dx, kResolutionIds[0], m_resolution);
}

BOOL CPluginOptionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (UINT id : kResolutionIds)
        if (CWnd* radio = GetDlgItem(static_cast<int>(id)))
            radio->EnableWindow(m_resolutionOffered);
    if (IsEnglish()) {
        SetDlgItemText(kAtMostEightId, "Not Export Objects Over 8");
        SetDlgItemText(kResolutionGroupId, "Resolution");
    }
    return TRUE;
}
