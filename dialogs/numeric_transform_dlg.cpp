#include "dialogs/numeric_transform_dlg.h"

#include "app/doc_helpers.h"

namespace {

constexpr int kEdits[3] = {1063, 1462, 1464};
constexpr int kSpins[3] = {1475, 1478, 1481};
constexpr float kLimit = 1000.0f;

struct Title {
    const char* japanese;
    const char* english;
};
constexpr Title kTitles[] = {
    {"移動", "Translate"}, {"回転", "Rotate"}, {"拡大/縮小", "Scale"}, {"頂点を作成", "Create Point"}};

} // namespace

void CNumericTransformDlg::DoDataExchange(CDataExchange* dx) {
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i].Exchange(dx, kEdits[i], kSpins[i]);
}

BOOL CNumericTransformDlg::OnInitDialog() {
    CNumberFieldDialog::OnInitDialog();
    if (m_mode >= modeTranslate && m_mode <= modeCreatePoint) {
        const Title& title = kTitles[m_mode];
        SetWindowText(IsEnglish() ? title.english : title.japanese);
    }
    float* values[3] = {&m_x, &m_y, &m_z};
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i].InitFloat(*values[i], -kLimit, kLimit);
    return TRUE;
}

std::span<CNumberField> CNumericTransformDlg::GetFields() {
    return m_fields;
}
