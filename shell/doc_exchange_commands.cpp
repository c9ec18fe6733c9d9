#include "shell/doc_commands.h"

#include "formats/dxf_exporter.h"
#include "formats/mqo_exporter.h"
#include "formats/spt_exporter.h"
#include "formats/xfile_exporter.h"
#include "shell/exchange_dialogs.h"

// File > Import and File > Export of the exchange formats: each builds its
// exporter, runs the one operation with the real dialogs, and asks the same
// class whether the menu item is enabled.
namespace {

template <class Exporter> void RunExport() {
    CExchangeDialogs dialogs;
    Exporter().Export(dialogs);
}

template <class Exporter> void EnableExport(CCmdUI* ui) {
    ui->Enable(Exporter().CanExport());
}

template <class Exporter> void EnableImport(CCmdUI* ui) {
    ui->Enable(Exporter().CanImport());
}

} // namespace

void CQuelDocCommands::OnFileImportSpt() {
    CExchangeDialogs dialogs;
    CSptExporter().Import(dialogs);
}

void CQuelDocCommands::OnUpdateFileImportSpt(CCmdUI* ui) {
    EnableImport<CSptExporter>(ui);
}

void CQuelDocCommands::OnFileExportSpt() {
    RunExport<CSptExporter>();
}

void CQuelDocCommands::OnUpdateFileExportSpt(CCmdUI* ui) {
    EnableExport<CSptExporter>(ui);
}

void CQuelDocCommands::OnFileImportMqo() {
    CExchangeDialogs dialogs;
    CMqoExporter().ImportAndRedraw(dialogs);
}

void CQuelDocCommands::OnUpdateFileImportMqo(CCmdUI* ui) {
    EnableImport<CMqoExporter>(ui);
}

void CQuelDocCommands::OnFileExportMqo() {
    RunExport<CMqoExporter>();
}

void CQuelDocCommands::OnUpdateFileExportMqo(CCmdUI* ui) {
    EnableExport<CMqoExporter>(ui);
}

void CQuelDocCommands::OnFileExportDxf() {
    RunExport<CDxfExporter>();
}

void CQuelDocCommands::OnUpdateFileExportDxf(CCmdUI* ui) {
    EnableExport<CDxfExporter>(ui);
}

void CQuelDocCommands::OnFileExportX() {
    RunExport<CXFileExporter>();
}

void CQuelDocCommands::OnUpdateFileExportX(CCmdUI* ui) {
    EnableExport<CXFileExporter>(ui);
}

void CQuelDocCommands::OnUpdateUnsupportedFormat(CCmdUI* ui) {
    ui->Enable(FALSE);
}
