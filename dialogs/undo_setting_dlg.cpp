#include "dialogs/undo_setting_dlg.h"

#include "app/doc_helpers.h"
#include "dialogs/dialog_fields.h"

namespace {

constexpr UINT kDepthId = 1063;
constexpr UINT kDepthSpinId = 1475;

} // namespace

void CUndoSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kDepthId, m_depthEdit);
    DDX_Control(dx, kDepthSpinId, m_depthSpin);
}

BOOL CUndoSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (IsEnglish())
        SetWindowText("Undo Setting");
    SetupIntField(m_depthEdit, m_depthSpin, 0, 200, m_depth);
    return TRUE;
}

const CommandMap& CUndoSettingDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CUndoSettingDlg>(CDialog::GetCommandMap())
                                      .OnEnKillFocus(kDepthId, &CUndoSettingDlg::OnKillFocusDepth);
    return map;
}

void CUndoSettingDlg::OnKillFocusDepth() {
    m_depth = m_depthEdit.GetInt();
}
