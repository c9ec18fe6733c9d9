#include "dialogs/import_settings_dlg.h"

#include "formats/exchange_ui.h"

const CommandMap& CImportSettingsDlg::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CImportSettingsDlg> entries(CDialog::GetCommandMap());
        for (const UINT id : kColorIds)
            entries.OnControlRange(BN_CLICKED, id, id, &CImportSettingsDlg::OnColorChanged);
        return CommandMap(entries);
    }();
    return map;
}

void CImportSettingsDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kOptionGroupId, m_optionGroup);
    DDX_Control(dx, kColorGroupId, m_colorGroup);
    for (size_t i = 0; i < kColorIds.size(); ++i)
        DDX_Control(dx, static_cast<int>(kColorIds[i]), m_colorButtons[i]);
    DDX_Control(dx, IDOK, m_ok);
    DDX_Check(dx, kShiftCenterId, m_shiftCenter);
}

BOOL CImportSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_layerColors = CSptImportSettings().layerColors;
    for (size_t i = 0; i < m_colorButtons.size(); ++i)
        m_colorButtons[i].SetColor(m_layerColors[i]);
    m_optionGroup.Init();
    m_colorGroup.Init(&m_ok);
    return TRUE;
}

void CImportSettingsDlg::OnColorChanged(UINT id) {
    for (size_t i = 0; i < kColorIds.size(); ++i)
        if (kColorIds[i] == id)
            m_layerColors[i] = m_colorButtons[i].GetColor();
}
