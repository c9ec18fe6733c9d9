#include "dialogs/smoothness_dlg.h"

namespace {

constexpr int kValueEdit = 1063;
constexpr int kValueSpin = 1475;

} // namespace

void CSmoothnessDlg::DoDataExchange(CDataExchange* dx) {
    m_field.Exchange(dx, kValueEdit, kValueSpin);
}

BOOL CSmoothnessDlg::OnInitDialog() {
    CNumberFieldDialog::OnInitDialog();
    m_field.InitInt(m_value, 1, 20);
    return TRUE;
}

std::span<CNumberField> CSmoothnessDlg::GetFields() {
    return {&m_field, 1};
}
