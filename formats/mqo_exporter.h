#pragma once
// CMqoExporter: File > Export > Metasequoia and File > Import > Metasequoia.
// Built on the stack by the document's command handler and used once.
//
// Export writes every exportable patch object as a mesh at the chosen
// subdivision, times the chosen scale, with z negated, and a material for
// each exportable patch and polygon object. Import reads the whole file
// first (opened for reading only); a file that is no Metasequoia document or
// is damaged is refused with a message and changes nothing. Otherwise every
// Object chunk becomes a new patch object (a control point per vertex, a
// curve per edge, scaled by 0.1), all as one undo step.
#include "formats/exchange_ui.h"

class CQuelDoc;

class CMqoExporter {
public:
    virtual ~CMqoExporter() = default;

    void Export(CExchangeUi& ui);
    // The import, then the panes repainted when it succeeded.
    void ImportAndRedraw(CExchangeUi& ui);
    // TRUE when a file was read and its objects added.
    BOOL Import(CExchangeUi& ui);
    // The steps after the dialogs.
    BOOL ExportTo(CQuelDoc& doc, const CString& path, const CExportSettings& settings);
    BOOL ImportFrom(CQuelDoc& doc, const CString& path);

    // While the document has a patch or a polygon object; import always.
    BOOL CanExport() const;
    BOOL CanImport() const { return TRUE; }
};
