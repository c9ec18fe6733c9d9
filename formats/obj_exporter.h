#pragma once
// CObjExporter: File > Export > Wavefront and File > Import > Wavefront.
// Built on the stack by the document's command handler and used once.
//
// Export writes the selected patch object, or every patch object merged into
// one under the selected object's name and colour, as one mesh at the chosen
// subdivision (obj_format.h). Import takes a file named .obj or .OBJ, reads
// it whole first and then adds one polygon object, as one undo step; its
// menu item stays disabled.
#include "formats/exchange_ui.h"

class CQuelDoc;

class CObjExporter {
public:
    virtual ~CObjExporter() = default;

    void Export(CExchangeUi& ui);
    void Import(CExchangeUi& ui);
    // The steps after the dialogs; TRUE when the file was written or read.
    BOOL ExportTo(CQuelDoc& doc, const CString& path, const CExportSettings& settings);
    BOOL ImportFrom(CQuelDoc& doc, const CString& path);

    // While a patch object is selected; import never.
    BOOL CanExport() const;
    BOOL CanImport() const { return FALSE; }
};
