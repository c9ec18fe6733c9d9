#include "dialogs/extrude_curve_dlg.h"

namespace {

constexpr int kRadiusEdit = 1519;
constexpr int kRadiusSpin = 1160;

} // namespace

void CExtrudeCurveDlg::DoDataExchange(CDataExchange* dx) {
    m_field.Exchange(dx, kRadiusEdit, kRadiusSpin);
}

BOOL CExtrudeCurveDlg::OnInitDialog() {
    CNumberFieldDialog::OnInitDialog();
    m_field.InitFloat(m_radius, 0.01f, 100.0f);
    return TRUE;
}

std::span<CNumberField> CExtrudeCurveDlg::GetFields() {
    return {&m_field, 1};
}
