#include "formats/rrt_exporter.h"

#include "formats/export_framework.h"

namespace {

constexpr CFileChoice kRrtFile{"rrt", "*.rrt", "Redqueen(*.rrt)|*.rrt||"};

} // namespace

void CRrtExporter::Export(CExchangeUi& ui) {
    // The settings are asked for like every mesh export's, and not used.
    CExportSettings settings;
    CString path;
    if (!ui.AskExportSettings(exportModeSubdivisionAndScale, settings) || !ui.AskSavePath(kRrtFile, path))
        return;
    ExportTo(path);
}

BOOL CRrtExporter::ExportTo(const CString& path) {
    CBusyCursor busy;
    CExportText text;
    WriteDocument(text);
    return SaveExportFile(text, path);
}

void CRrtExporter::WriteDocument(CExportText& text) {
    text << "<redqueen>\n</redqueen>\n";
}
