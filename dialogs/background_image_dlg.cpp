#include "dialogs/background_image_dlg.h"

#include "app/doc_helpers.h"
#include "dialogs/render_dialog_rules.h"
#include "platform/ui/common_dialogs.h"

const std::array<CBackgroundImageDlg::ViewIds, 4> CBackgroundImageDlg::kViews = {{
    {1467, 1063, 1475, 1484, {1675, 1677}, {1679, 1681}},
    {1473, 1462, 1478, 1485, {1682, 1684}, {1686, 1688}},
    {1457, 1464, 1481, 1486, {1690, 1692}, {1694, 1696}},
    {1480, 1466, 1152, 1483, {1698, 1700}, {1702, 1704}},
}};

void CBackgroundImageDlg::DoDataExchange(CDataExchange* dx) {
    for (size_t i = 0; i < kViews.size(); ++i) {
        const ViewIds& ids = kViews[i];
        CUnderlayEntry& entry = m_entries[i];
        DDX_Control(dx, static_cast<int>(ids.header), m_groups[i]);
        DDX_Text(dx, static_cast<int>(ids.path), entry.path);
        for (int k = 0; k < 2; ++k) {
            DDX_Text(dx, static_cast<int>(ids.centre[k]), entry.centre[k]);
            DDX_Text(dx, static_cast<int>(ids.scale[k]), entry.scale[k]);
        }
    }
    DDX_Control(dx, IDOK, m_ok);
}

BOOL CBackgroundImageDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (IsEnglish())
        SetWindowText("Set Background Image");
    for (size_t i = 0; i + 1 < m_groups.size(); ++i)
        m_groups[i].Init();
    m_groups.back().Init(&m_ok);
    m_groups.back().Toggle();
    return TRUE;
}

void CBackgroundImageDlg::OnBrowse(UINT id) {
    for (size_t i = 0; i < kViews.size(); ++i) {
        if (kViews[i].browse != id)
            continue;
        CFileDialog dialog(TRUE, "bmp", "*.bmp", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY,
                           "Bitmap(*.bmp)|*.bmp||", this);
        if (dialog.DoModal() != IDOK || !HasBitmapExtension(dialog.GetPathName()))
            return;
        UpdateData(TRUE);
        m_entries[i].path = dialog.GetPathName();
        UpdateData(FALSE);
    }
}

void CBackgroundImageDlg::OnClear(UINT id) {
    for (size_t i = 0; i < kViews.size(); ++i) {
        if (kViews[i].clear != id)
            continue;
        UpdateData(TRUE);
        m_entries[i].path.Empty();
        UpdateData(FALSE);
    }
}

const CommandMap& CBackgroundImageDlg::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CBackgroundImageDlg> entries(CDialog::GetCommandMap());
        for (const ViewIds& ids : kViews) {
            entries.OnControlRange(BN_CLICKED, ids.browse, ids.browse, &CBackgroundImageDlg::OnBrowse);
            entries.OnControlRange(BN_CLICKED, ids.clear, ids.clear, &CBackgroundImageDlg::OnClear);
        }
        return CommandMap(entries);
    }();
    return map;
}
