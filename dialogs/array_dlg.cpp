#include "dialogs/array_dlg.h"

#include <algorithm>

namespace {

constexpr int kCountEdit = 1226;
constexpr int kCountSpin = 1232;
// Rotation, scale and translation, x, y, z each.
constexpr int kStepEdits[9] = {1229, 1243, 1257, 1231, 1248, 1261, 1239, 1252, 1265};
constexpr int kStepSpins[9] = {1235, 1246, 1259, 1237, 1250, 1263, 1241, 1254, 1268};

void ToSteps(const CVector3& v, float* steps) {
    steps[0] = v.GetX();
    steps[1] = v.GetY();
    steps[2] = v.GetZ();
}

CVector3 FromSteps(const float* steps) {
    return {steps[0], steps[1], steps[2]};
}

} // namespace

void CArrayDlg::DoDataExchange(CDataExchange* dx) {
    m_fields[0].Exchange(dx, kCountEdit, kCountSpin);
    for (size_t i = 0; i < m_steps.size(); ++i)
        m_fields[i + 1].Exchange(dx, kStepEdits[i], kStepSpins[i]);
}

BOOL CArrayDlg::OnInitDialog() {
    CNumberFieldDialog::OnInitDialog();
    ToSteps(m_rotate, &m_steps[0]);
    ToSteps(m_scale, &m_steps[3]);
    ToSteps(m_translate, &m_steps[6]);
    // No copies is no array: the dialog offers at least one.
    m_count = std::max(m_count, 1);
    m_fields[0].InitInt(m_count, 1, 1000);
    for (size_t i = 0; i < m_steps.size(); ++i) {
        const float limit = i < 3 ? 360.0f : 1000.0f;
        m_fields[i + 1].InitFloat(m_steps[i], -limit, limit);
    }
    return TRUE;
}

std::span<CNumberField> CArrayDlg::GetFields() {
    return m_fields;
}

void CArrayDlg::OnFieldsStored() {
    m_rotate = FromSteps(&m_steps[0]);
    m_scale = FromSteps(&m_steps[3]);
    m_translate = FromSteps(&m_steps[6]);
}
