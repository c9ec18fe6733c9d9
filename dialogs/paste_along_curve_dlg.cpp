#include "dialogs/paste_along_curve_dlg.h"

#include "app/doc_helpers.h"
#include "dialogs/dialog_fields.h"

namespace {

constexpr UINT kOnPointsId = 1577;
constexpr UINT kAtSubdivisionsId = 1578;
constexpr UINT kSubdivisionLabelId = 1496;
constexpr UINT kSubdivisionId = 1058;
constexpr UINT kSubdivisionSpinId = 1060;

} // namespace

void CPasteAlongCurveDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kSubdivisionId, m_subdivisionEdit);
    DDX_Control(dx, kSubdivisionSpinId, m_subdivisionSpin);
    DDX_Radio(dx, kOnPointsId, m_mode);
}

BOOL CPasteAlongCurveDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (IsEnglish()) {
        SetWindowText("Paste(select curve)");
        SetDlgItemText(kOnPointsId, "Paste on points");
        SetDlgItemText(kAtSubdivisionsId, "Paste(subdivide curve)");
        SetDlgItemText(kSubdivisionLabelId, "subdivision");
    }
    SetupIntField(m_subdivisionEdit, m_subdivisionSpin, 2, 100, m_subdivision);
    if (CWnd* subdivide = GetDlgItem(kAtSubdivisionsId))
        subdivide->EnableWindow(FALSE);
    EnableSubdivision();
    return TRUE;
}

const CommandMap& CPasteAlongCurveDlg::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CPasteAlongCurveDlg>(CDialog::GetCommandMap())
            .OnBnClicked(kOnPointsId, &CPasteAlongCurveDlg::OnModeClicked)
            .OnBnClicked(kAtSubdivisionsId, &CPasteAlongCurveDlg::OnModeClicked)
            .OnEnKillFocus(kSubdivisionId, &CPasteAlongCurveDlg::OnKillFocusSubdivision);
    return map;
}

void CPasteAlongCurveDlg::OnModeClicked() {
    m_mode = IsDlgButtonChecked(kAtSubdivisionsId) == BST_CHECKED ? pasteAtSubdivisions : pasteOnPoints;
    EnableSubdivision();
}

void CPasteAlongCurveDlg::EnableSubdivision() {
    m_subdivisionEdit.EnableWindow(m_mode == pasteAtSubdivisions);
}

void CPasteAlongCurveDlg::OnKillFocusSubdivision() {
    m_subdivision = m_subdivisionEdit.GetInt();
}
