#include "dialogs/subdivide_curve_dlg.h"

namespace {

constexpr int kCountEdit = 1063;
constexpr int kCountSpin = 1475;
constexpr int kOnlySelectedPart = 1422;

} // namespace

void CSubdivideCurveDlg::DoDataExchange(CDataExchange* dx) {
    m_field.Exchange(dx, kCountEdit, kCountSpin);
    DDX_Check(dx, kOnlySelectedPart, m_onlySelectedPart);
}

BOOL CSubdivideCurveDlg::OnInitDialog() {
    CNumberFieldDialog::OnInitDialog();
    m_field.InitInt(m_count, 2, 1000);
    return TRUE;
}

std::span<CNumberField> CSubdivideCurveDlg::GetFields() {
    return {&m_field, 1};
}
