#pragma once
// CSptExporter: File > Export > sPatch and File > Import > sPatch. Built on
// the stack by the document's command handler and used once.
//
// Export writes the first eight patch objects of the document as the layers
// of a version-2 file, whatever their switches; the user is told which
// objects the format had no room for. Import reads a version-1 file as one
// object, or a version-2 file as one object per layer that holds points
// (coloured from the import settings, optionally centred on the origin), as
// one undo step; a file with another extension, header or a damaged body is
// refused with a message and changes nothing.
#include "formats/exchange_ui.h"

class CQuelDoc;

class CSptExporter {
public:
    virtual ~CSptExporter() = default;

    void Export(CExchangeUi& ui);
    void Import(CExchangeUi& ui);
    // The steps after the dialogs. TRUE when the file was written (read).
    BOOL ExportTo(CQuelDoc& doc, const CString& path);
    BOOL ImportFrom(CQuelDoc& doc, const CString& path, const CSptImportSettings& settings);

    // While the document has a patch object; import always.
    BOOL CanExport() const;
    BOOL CanImport() const { return TRUE; }
};
