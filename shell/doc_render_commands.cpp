// File > Export of the renderers' files and Help > Debug.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/debug_info_dlg.h"
#include "dialogs/pov_export_dlg.h"
#include "platform/ui/frame_wnd.h"
#include "render/lightflow_writer.h"
#include "render/pov_exporter.h"
#include "render/render_support.h"
#include "render/rib_writer.h"
#include "shell/doc_commands.h"
#include "shell/exchange_dialogs.h"

#include <string>

namespace {

// The file to write, asked with the format's save dialog; false when cancelled.
bool AskExportPath(const CFileChoice& choice, CString& path) {
    return CExchangeDialogs().AskSavePath(choice, path);
}

void ReportExportFailure(const CString& path, const std::string& reason) {
    TellRenderError("ファイルを書き込めませんでした:\n" + path + "\n" + CString(reason),
                    "The file could not be written:\n" + path + "\n" + CString(reason));
}

} // namespace

void CQuelDocCommands::OnFileExportPov() {
    CPovExportDlg dialog(m_document.m_renderers, AfxGetMainWnd());
    dialog.m_rendererIndex = m_document.m_render.renderer_index;
    if (dialog.DoModal() != IDOK)
        return;
    const CRendererInfo* info = m_document.m_renderers.GetAt(dialog.m_rendererIndex);
    CString path;
    if (!info || !AskExportPath({"pov", "*.pov", "POV-Ray(*.pov)|*.pov||"}, path))
        return;
    std::string error;
    if (!CPovExporter().ExportPov(path, *info, dialog.m_renderSetting, &error))
        ReportExportFailure(path, error);
}

void CQuelDocCommands::OnUpdateFileExportPov(CCmdUI* ui) {
    ui->Enable(DocumentHasObjects());
}

void CQuelDocCommands::OnUpdateFileExportMegaPov(CCmdUI* ui) {
    // Offered but never written: the item stays grey rather than do nothing.
    ui->Enable(FALSE);
}

void CQuelDocCommands::OnFileExportRib() {
    CString path;
    if (!AskExportPath({"rib", "*.rib", "RenderMan/BMRT(*.rib)|*.rib||"}, path))
        return;
    std::string error;
    if (!CRibExporter().ExportRib(path, &error))
        ReportExportFailure(path, error);
}

void CQuelDocCommands::OnUpdateFileExportRib(CCmdUI* ui) {
    ui->Enable(CRibExporter::IsExportEnabled());
}

void CQuelDocCommands::OnFileExportLightflow() {
    CString path;
    if (!AskExportPath({"py", "*.py", "Lightflowﾌｧｲﾙ(*.py)|*.py||"}, path))
        return;
    std::string error;
    if (!CLightflowExporter().ExportLightflow(path, &error))
        ReportExportFailure(path, error);
}

void CQuelDocCommands::OnUpdateFileExportLightflow(CCmdUI* ui) {
    ui->Enable(CLightflowExporter::IsExportEnabled());
}

void CQuelDocCommands::OnHelpDebug() {
    CDebugInfoDlg dialog(m_document.m_openGLSetting, AfxGetMainWnd());
    dialog.m_windowCount = m_document.GetRegisteredWindowCount();
    dialog.DoModal();
}
