#include "dialogs/export_setting_dlg.h"

#include "app/doc_helpers.h"
#include "dialogs/dialog_fields.h"

namespace {

constexpr UINT kOptionGroupId = 1475;
constexpr UINT kSelectedObjectId = 1577;
constexpr UINT kAllObjectsId = 1578;
constexpr UINT kAllSurfacesId = 1347;
constexpr UINT kSubdivisionGroupId = 1478;
constexpr UINT kSubdivisionId = 1065;
constexpr UINT kSubdivisionSpinId = 1477;
constexpr UINT kScaleGroupId = 1481;
constexpr UINT kScaleId = 1709;
constexpr UINT kScaleSpinId = 1708;

} // namespace

void CExportSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kOptionGroupId, m_optionGroup);
    DDX_Control(dx, kSubdivisionGroupId, m_subdivisionGroup);
    DDX_Control(dx, kScaleGroupId, m_scaleGroup);
    DDX_Control(dx, kSubdivisionId, m_subdivisionEdit);
    DDX_Control(dx, kSubdivisionSpinId, m_subdivisionSpin);
    DDX_Control(dx, kScaleId, m_scaleEdit);
    DDX_Control(dx, kScaleSpinId, m_scaleSpin);
    DDX_Radio(dx, kSelectedObjectId, m_scope);
    DDX_Check(dx, kAllSurfacesId, m_createAllSurfaces);
}

BOOL CExportSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_optionGroup.Init();
    m_subdivisionGroup.Init();
    m_scaleGroup.Init(GetDlgItem(IDOK));

    SetupIntField(m_subdivisionEdit, m_subdivisionSpin, 1, 8, m_subdivision);
    m_subdivisionEdit.SetStepOne(FALSE);
    m_subdivisionEdit.EnableWindow(FALSE);

    SetupFloatField(m_scaleEdit, m_scaleSpin, 0.001f, 1000.0f, m_scale);
    m_scaleEdit.EnableWindow(FALSE);

    EnableForMode();
    if (IsEnglish()) {
        SetWindowText("Export Setting");
        m_optionGroup.SetWindowText("Option");
        m_subdivisionGroup.SetWindowText("Subdivision");
        m_scaleGroup.SetWindowText("Scale");
        SetDlgItemText(kSelectedObjectId, "Export Only Select Object");
        SetDlgItemText(kAllObjectsId, "Export All Object");
        SetDlgItemText(kAllSurfacesId, "Create All Surface");
    }
    return TRUE;
}

void CExportSettingDlg::EnableForMode() {
    const auto enable = [this](UINT id, bool on) {
        if (CWnd* control = GetDlgItem(static_cast<int>(id)))
            control->EnableWindow(on);
    };
    switch (m_mode) {
    case modeScope:
        enable(kAllSurfacesId, false);
        break;
    case modeSubdivisionAndScale:
        m_subdivisionEdit.EnableWindow(TRUE);
        m_scaleEdit.EnableWindow(TRUE);
        enable(kAllSurfacesId, false);
        enable(kSelectedObjectId, false);
        enable(kAllObjectsId, false);
        break;
    case modeSubdivisionAndScope:
        m_subdivisionEdit.EnableWindow(TRUE);
        enable(kAllSurfacesId, false);
        break;
    case modeSubdivision:
        m_subdivisionEdit.EnableWindow(TRUE);
        enable(kAllSurfacesId, false);
        enable(kSelectedObjectId, false);
        enable(kAllObjectsId, false);
        break;
    default:
        break;
    }
}

const CommandMap& CExportSettingDlg::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CExportSettingDlg>(CDialog::GetCommandMap())
            .OnEnKillFocus(kSubdivisionId, &CExportSettingDlg::OnKillFocusSubdivision)
            .OnEnKillFocus(kScaleId, &CExportSettingDlg::OnKillFocusScale);
    return map;
}

void CExportSettingDlg::OnKillFocusSubdivision() {
    m_subdivision = m_subdivisionEdit.GetInt();
}

void CExportSettingDlg::OnKillFocusScale() {
    m_scale = m_scaleEdit.GetFloat();
}
