#include "shell/doc_commands.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/dxf_exporter.h"
#include "formats/lwo_importer.h"
#include "formats/mdl_exporter.h"
#include "formats/mqo_exporter.h"
#include "formats/obj_exporter.h"
#include "formats/pygmalion_writer.h"
#include "formats/rrt_exporter.h"
#include "formats/spt_exporter.h"
#include "formats/vrml_exporter.h"
#include "formats/xfile_exporter.h"
#include "shell/exchange_dialogs.h"
#include "shell/pygmalion_export.h"

// File > Import and File > Export of the exchange formats: each builds its
// exporter, runs the one operation with the real dialogs, and asks the same
// class whether the menu item is enabled.
namespace {

template <class Exporter> void RunExport() {
    CExchangeDialogs dialogs;
    Exporter().Export(dialogs);
}

template <class Importer> void RunImport() {
    CExchangeDialogs dialogs;
    Importer().Import(dialogs);
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

void CQuelDocCommands::OnFileExportMdl() {
    RunExport<CMdlExporter>();
}

void CQuelDocCommands::OnUpdateFileExportMdl(CCmdUI* ui) {
    EnableExport<CMdlExporter>(ui);
}

void CQuelDocCommands::OnFileImportMdl() {
    RunImport<CMdlExporter>();
}

void CQuelDocCommands::OnUpdateFileImportMdl(CCmdUI* ui) {
    EnableImport<CMdlExporter>(ui);
}

void CQuelDocCommands::OnFileExportObj() {
    RunExport<CObjExporter>();
}

void CQuelDocCommands::OnUpdateFileExportObj(CCmdUI* ui) {
    EnableExport<CObjExporter>(ui);
}

void CQuelDocCommands::OnFileImportObj() {
    RunImport<CObjExporter>();
}

void CQuelDocCommands::OnUpdateFileImportObj(CCmdUI* ui) {
    EnableImport<CObjExporter>(ui);
}

void CQuelDocCommands::OnFileExportPygmalion() {
    const std::optional<CPygmalionExportTarget> target = ChoosePygmalionExport(m_document);
    if (target)
        SavePygmalion(*target->object, m_document.m_pygmalionFill, target->path);
}

void CQuelDocCommands::OnUpdateFileExportPygmalion(CCmdUI* ui) {
    ui->Enable(!m_document.m_objects.IsEmpty() && GetSelectedObject());
}

void CQuelDocCommands::OnFileExportVrml() {
    RunExport<CVrmlExporter>();
}

void CQuelDocCommands::OnUpdateFileExportVrml(CCmdUI* ui) {
    EnableExport<CVrmlExporter>(ui);
}

void CQuelDocCommands::OnFileExportRrt() {
    RunExport<CRrtExporter>();
}

void CQuelDocCommands::OnUpdateFileExportRrt(CCmdUI* ui) {
    EnableExport<CRrtExporter>(ui);
}

void CQuelDocCommands::OnFileImportLwo() {
    CLwoImporter().Import();
}

void CQuelDocCommands::OnUpdateFileImportLwo(CCmdUI* ui) {
    EnableImport<CLwoImporter>(ui);
}

void CQuelDocCommands::OnUpdateUnsupportedFormat(CCmdUI* ui) {
    ui->Enable(FALSE);
}
