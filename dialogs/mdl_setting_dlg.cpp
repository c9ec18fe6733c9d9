#include "dialogs/mdl_setting_dlg.h"

#include "dialogs/dialog_fields.h"

namespace {

constexpr UINT kOriginalId = 1577;
constexpr UINT kCustomId = 1578;
constexpr UINT kRoundId = 1063;
constexpr UINT kRoundSpinId = 1475;
constexpr UINT kPeakId = 1462;
constexpr UINT kPeakSpinId = 1478;
constexpr int kHundredths = 100;

void InitMagnitude(CMyEdit& edit, CQuelSpin& spin, float magnitude) {
    // Truncated as the value stands in double precision: 1.67 shows as 166.
    SetupIntField(edit, spin, -500, 500, static_cast<int>(static_cast<double>(magnitude) * kHundredths));
}

} // namespace

void CMdlSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kRoundId, m_roundEdit);
    DDX_Control(dx, kRoundSpinId, m_roundSpin);
    DDX_Control(dx, kPeakId, m_peakEdit);
    DDX_Control(dx, kPeakSpinId, m_peakSpin);
    DDX_Radio(dx, kOriginalId, m_magnitudeMode);
}

BOOL CMdlSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    InitMagnitude(m_roundEdit, m_roundSpin, m_roundMagnitude);
    InitMagnitude(m_peakEdit, m_peakSpin, m_peakMagnitude);
    OnModeClicked();
    return TRUE;
}

const CommandMap& CMdlSettingDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CMdlSettingDlg>(CDialog::GetCommandMap())
                                      .OnBnClicked(kOriginalId, &CMdlSettingDlg::OnModeClicked)
                                      .OnBnClicked(kCustomId, &CMdlSettingDlg::OnModeClicked)
                                      .OnEnKillFocus(kRoundId, &CMdlSettingDlg::OnKillFocusRound)
                                      .OnEnKillFocus(kPeakId, &CMdlSettingDlg::OnKillFocusPeak);
    return map;
}

void CMdlSettingDlg::OnModeClicked() {
    m_magnitudeMode =
        IsDlgButtonChecked(kCustomId) == BST_CHECKED ? mdlMagnitudeCustom : mdlMagnitudeOriginal;
    m_roundEdit.EnableWindow(m_magnitudeMode == mdlMagnitudeCustom);
    m_peakEdit.EnableWindow(m_magnitudeMode == mdlMagnitudeCustom);
}

void CMdlSettingDlg::OnKillFocusRound() {
    m_roundMagnitude = static_cast<float>(m_roundEdit.GetInt() / static_cast<double>(kHundredths));
}

void CMdlSettingDlg::OnKillFocusPeak() {
    m_peakMagnitude = static_cast<float>(m_peakEdit.GetInt() / static_cast<double>(kHundredths));
}
