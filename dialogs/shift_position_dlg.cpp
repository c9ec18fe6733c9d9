#include "dialogs/shift_position_dlg.h"

namespace {

constexpr int kUseBoxes[3] = {1422, 1426, 1431};
constexpr int kSizeEdits[3] = {1432, 1435, 1438};
constexpr int kMaxEdits[3] = {1443, 1444, 1445};
constexpr int kMinEdits[3] = {1440, 1441, 1442};
constexpr int kFirstAction = 1577;

} // namespace

void CShiftPositionDlg::DoDataExchange(CDataExchange* dx) {
    for (size_t i = 0; i < 3; ++i) {
        DDX_Check(dx, kUseBoxes[i], m_use[i]);
        DDX_Text(dx, kSizeEdits[i], m_size[i]);
        DDX_Text(dx, kMaxEdits[i], m_max[i]);
        DDX_Text(dx, kMinEdits[i], m_min[i]);
    }
    DDX_Radio(dx, kFirstAction, m_action);
}

BOOL CShiftPositionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    OnAxisClicked();
    return TRUE;
}

const CommandMap& CShiftPositionDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CShiftPositionDlg>(CDialog::GetCommandMap())
                                      .OnBnClicked(kUseBoxes[0], &CShiftPositionDlg::OnAxisClicked)
                                      .OnBnClicked(kUseBoxes[1], &CShiftPositionDlg::OnAxisClicked)
                                      .OnBnClicked(kUseBoxes[2], &CShiftPositionDlg::OnAxisClicked);
    return map;
}

void CShiftPositionDlg::OnAxisClicked() {
    UpdateData(TRUE);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(m_use[0] || m_use[1] || m_use[2]);
}
