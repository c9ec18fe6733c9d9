#include "dialogs/align_points_dlg.h"

#include "app/doc_helpers.h"

namespace {

constexpr int kMaxButtons[3] = {1425, 1429, 1437};
constexpr int kMinButtons[3] = {1423, 1428, 1434};
constexpr int kApplyBoxes[3] = {1422, 1426, 1431};
constexpr int kPositionEdits[3] = {1063, 1462, 1464};

} // namespace

void CAlignPointsDlg::DoDataExchange(CDataExchange* dx) {
    for (size_t i = 0; i < 3; ++i) {
        DDX_Check(dx, kApplyBoxes[i], m_apply[i]);
        DDX_Text(dx, kPositionEdits[i], m_position[i]);
    }
}

BOOL CAlignPointsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (size_t i = 0; i < 3; ++i) {
        SetDlgItemText(kMaxButtons[i], FormatFloat(m_max[i], 4));
        SetDlgItemText(kMinButtons[i], FormatFloat(m_min[i], 4));
    }
    UpdateEnabling();
    return TRUE;
}

const CommandMap& CAlignPointsDlg::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CAlignPointsDlg> builder(CDialog::GetCommandMap());
        for (size_t i = 0; i < 3; ++i)
            builder
                .OnControlRange(BN_CLICKED, kMaxButtons[i], kMaxButtons[i], &CAlignPointsDlg::OnBoundClicked)
                .OnControlRange(BN_CLICKED, kMinButtons[i], kMinButtons[i], &CAlignPointsDlg::OnBoundClicked)
                .OnBnClicked(kApplyBoxes[i], &CAlignPointsDlg::OnApplyClicked);
        return CommandMap(builder);
    }();
    return map;
}

void CAlignPointsDlg::OnBoundClicked(UINT id) {
    // What was typed into the other positions stays.
    if (!UpdateData(TRUE))
        return;
    for (size_t i = 0; i < 3; ++i) {
        if (id == static_cast<UINT>(kMaxButtons[i]))
            m_position[i] = m_max[i];
        if (id == static_cast<UINT>(kMinButtons[i]))
            m_position[i] = m_min[i];
    }
    UpdateData(FALSE);
}

void CAlignPointsDlg::OnApplyClicked() {
    UpdateData(TRUE);
    UpdateEnabling();
}

void CAlignPointsDlg::UpdateEnabling() {
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(m_apply[0] || m_apply[1] || m_apply[2]);
    for (size_t i = 0; i < 3; ++i)
        if (CWnd* edit = GetDlgItem(kPositionEdits[i]))
            edit->EnableWindow(m_apply[i] != 0);
}
