#include "dialogs/pov_export_dlg.h"

#include "app/doc_helpers.h"
#include "app/renderer_list.h"
#include "dialogs/dialog_fields.h"

namespace {

constexpr UINT kRendererLabel = 1496;
constexpr UINT kRendererList = 1145;
constexpr UINT kRadiosity = 1422;

} // namespace

CPovExportDlg::CPovExportDlg(const CRendererList& renderers, CWnd* parent)
    : CDialog(IDD, parent), m_renderers(renderers) {}

void CPovExportDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kRendererList, m_rendererList);
    DDX_Check(dx, kRadiosity, m_radiosity);
}

BOOL CPovExportDlg::OnInitDialog() {
    m_radiosity = m_renderSetting.use_radiosity;
    CDialog::OnInitDialog();
    FillRendererList(m_rendererList, m_renderers);
    if (m_rendererIndex < 0 || m_rendererIndex >= m_rendererList.GetCount())
        m_rendererIndex = -1;
    m_rendererList.SetCurSel(m_rendererIndex);
    GetDlgItem(IDOK)->EnableWindow(m_rendererIndex >= 0);
    if (IsEnglish()) {
        // The resource texts are Japanese; the render settings dialog names the same two.
        SetDlgItemText(static_cast<int>(kRendererLabel), "Active Renderer");
        SetDlgItemText(static_cast<int>(kRadiosity), "Radiosity");
    }
    return TRUE;
}

void CPovExportDlg::OnRenderer() {
    m_rendererIndex = m_rendererList.GetCurSel();
    GetDlgItem(IDOK)->EnableWindow(m_rendererIndex >= 0);
}

void CPovExportDlg::OnRadiosity() {
    UpdateData(TRUE);
    m_renderSetting.use_radiosity = m_radiosity;
}

const CommandMap& CPovExportDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CPovExportDlg>(CDialog::GetCommandMap())
                                      .OnCbnSelChange(kRendererList, &CPovExportDlg::OnRenderer)
                                      .OnBnClicked(kRadiosity, &CPovExportDlg::OnRadiosity);
    return map;
}
