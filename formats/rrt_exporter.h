#pragma once
// CRrtExporter: File > Export > Redqueen. Its menu item stays disabled.
// The scene file holds the document element alone, whatever the scene holds.
#include "formats/exchange_ui.h"

class CExportText;

class CRrtExporter {
public:
    virtual ~CRrtExporter() = default;

    void Export(CExchangeUi& ui);
    // The step after the dialogs; TRUE when the file was written.
    BOOL ExportTo(const CString& path);
    BOOL CanExport() const { return FALSE; }

    static void WriteDocument(CExportText& text);
};
