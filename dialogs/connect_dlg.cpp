#include "dialogs/connect_dlg.h"

#include "app/doc_helpers.h"
#include "dialogs/dialog_fields.h"

namespace {

constexpr UINT kAngleId = 1063;
constexpr UINT kAngleSpinId = 1475;
constexpr UINT kSelectedOnlyId = 1422;

} // namespace

void CConnectDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kAngleId, m_angleEdit);
    DDX_Control(dx, kAngleSpinId, m_angleSpin);
    DDX_Check(dx, kSelectedOnlyId, m_selectedOnly);
}

BOOL CConnectDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetupFloatField(m_angleEdit, m_angleSpin, 0.0f, 180.0f, m_angle);
    m_angleSpin.SetDragStepF(10.0f);
    if (IsEnglish())
        SetDlgItemText(kSelectedOnlyId, "Only Select Part");
    return TRUE;
}

const CommandMap& CConnectDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CConnectDlg>(CDialog::GetCommandMap())
                                      .OnEnKillFocus(kAngleId, &CConnectDlg::OnKillFocusAngle)
                                      .OnBnClicked(kSelectedOnlyId, &CConnectDlg::OnSelectedOnly);
    return map;
}

void CConnectDlg::OnKillFocusAngle() {
    m_angle = m_angleEdit.GetFloat();
}

void CConnectDlg::OnSelectedOnly() {
    m_selectedOnly = IsDlgButtonChecked(kSelectedOnlyId) == BST_CHECKED ? 1 : 0;
}
