#include "dialogs/insert_file_dialog.h"

#include <algorithm>

CInsertFileDialog::CInsertFileDialog(CWnd* parent) : CDialog(IDD, parent) {
    m_checks.fill(1);
}

const CommandMap& CInsertFileDialog::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CInsertFileDialog> entries(CDialog::GetCommandMap());
        for (const UINT id : kBoxIds)
            entries.OnBnClicked(id, &CInsertFileDialog::OnBoxClicked);
        return CommandMap(entries);
    }();
    return map;
}

void CInsertFileDialog::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    for (size_t i = 0; i < kBoxIds.size(); ++i) {
        DDX_Control(dx, static_cast<int>(kBoxIds[i]), m_boxes[i]);
        DDX_Check(dx, static_cast<int>(kBoxIds[i]), m_checks[i]);
    }
    DDX_Control(dx, IDOK, m_ok);
}

BOOL CInsertFileDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    UpdateOkState();
    return TRUE;
}

void CInsertFileDialog::OnBoxClicked() {
    UpdateOkState();
}

void CInsertFileDialog::UpdateOkState() {
    UpdateData(TRUE);
    m_ok.EnableWindow(std::any_of(m_checks.begin(), m_checks.end(), [](int c) { return c != 0; }));
}

std::array<int*, 12> CInsertFileDialog::ResultFlags() {
    return {&m_objects,         &m_lights,          &m_materials,    &m_cameras,
            &m_backgroundColor, &m_defaultMaterial, &m_includeFiles, &m_globalSettings,
            &m_radiosity,       &m_postProcess,     &m_memoCameras,  &m_backgroundImage};
}

void CInsertFileDialog::OnOK() {
    UpdateData(TRUE);
    const std::array<int*, 12> flags = ResultFlags();
    for (size_t i = 0; i < flags.size(); ++i)
        *flags[i] = m_checks[i];
    EndDialog(IDOK);
}

void CInsertFileDialog::OnCancel() {}
