#pragma once
// CXFileExporter: File > Export > DirectX (.x, "xof 0302txt 0064"). No
// surface is evaluated: the control points become the mesh's vertices and
// every three- or four-sided patch two faces over its corners, once each way
// round, so the net shows from both sides. Each object gets one material in
// its colour. Scope 0 writes the selected patch object; scope 1 every patch
// object, whatever its export switches, as one mesh. When the chosen objects
// have no such patch there is nothing a reader would take: the user is told
// and nothing is written.
#include "formats/exchange_ui.h"

#include <vector>

class CExportText;
class CQuelDoc;
class CSpatchObj;

class CXFileExporter {
public:
    virtual ~CXFileExporter() = default;

    void Export(CExchangeUi& ui);
    // The step after the dialogs; TRUE when the file was written.
    BOOL ExportTo(CQuelDoc& doc, const CString& path, int scope);
    // While the document has a patch object.
    BOOL CanExport() const;

    // The file's text for the objects as one mesh (scope 1 layout, or with
    // one object and singleObject the scope 0 layout).
    static void WriteFile(CExportText& text, const std::vector<CSpatchObj*>& objects, bool singleObject);
};
