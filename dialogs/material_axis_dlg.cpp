#include "dialogs/material_axis_dlg.h"

#include "dialogs/dialog_texts.h"

namespace {

// Position x, y, z, then scale, then rotation.
constexpr std::array<UINT, 9> kFieldIds = {1063, 1462, 1464, 1675, 1677, 1679, 1681, 1682, 1684};
constexpr float kLimit = 1000.0f;

constexpr ControlText kEnglish[] = {
    {1497, "Position"}, {1505, "Scale"}, {1506, "Rotate"}, {IDCANCEL, "Cancel"}};

} // namespace

const CommandMap& CMaterialAxisDlg::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CMaterialAxisDlg> entries(CDialog::GetCommandMap());
        for (const UINT id : kFieldIds)
            entries.OnControlRange(EN_KILLFOCUS, id, id, &CMaterialAxisDlg::OnKillFocusField);
        return CommandMap(entries);
    }();
    return map;
}

void CMaterialAxisDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    for (size_t i = 0; i < kFieldIds.size(); ++i)
        DDX_Control(dx, static_cast<int>(kFieldIds[i]), m_fields[i]);
}

CVector3* CMaterialAxisDlg::VectorOf(size_t field) {
    CVector3* vectors[] = {&m_position, &m_scale, &m_rotate};
    return vectors[field / 3];
}

BOOL CMaterialAxisDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (size_t i = 0; i < m_fields.size(); ++i) {
        // The range after the value, as in the fields with a spin: a value
        // given outside it is shown and kept until the user edits it.
        m_fields[i].SetFloatMode(TRUE);
        m_fields[i].SetFloat(VectorOf(i)->Get(static_cast<int>(i % 3)));
        m_fields[i].SetRangeF(-kLimit, kLimit);
    }
    ApplyEnglishTexts(*this, nullptr, kEnglish);
    return TRUE;
}

void CMaterialAxisDlg::OnKillFocusField(UINT id) {
    for (size_t i = 0; i < kFieldIds.size(); ++i)
        if (kFieldIds[i] == id)
            VectorOf(i)->Set(static_cast<int>(i % 3), m_fields[i].GetFloat());
}
