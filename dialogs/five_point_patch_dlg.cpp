#include "dialogs/five_point_patch_dlg.h"

namespace {

constexpr int kFirstAction = 1577;

} // namespace

void CFivePointPatchDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Radio(dx, kFirstAction, m_action);
}

const CommandMap& CFivePointPatchDlg::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CFivePointPatchDlg>(CDialog::GetCommandMap())
            .OnControlRange(BN_CLICKED, kFirstAction, kFirstAction + 2, &CFivePointPatchDlg::OnActionClicked);
    return map;
}

void CFivePointPatchDlg::OnActionClicked(UINT) {
    UpdateData(TRUE);
}
