#pragma once
// CVrmlExporter: File > Export > VRML2.0. Its menu item stays disabled.
// Writes every exportable patch object as a VRML 2.0 shape in the object's
// colour: its mesh at the chosen subdivision, times the chosen scale, as
// an indexed face set.
#include "formats/exchange_ui.h"

class CExportText;
class CPatchMesh;
class CQuelDoc;

class CVrmlExporter {
public:
    virtual ~CVrmlExporter() = default;

    void Export(CExchangeUi& ui);
    // The step after the dialogs; TRUE when the file was written.
    BOOL ExportTo(CQuelDoc& doc, const CString& path, const CExportSettings& settings);
    BOOL CanExport() const { return FALSE; }

    // One object's Transform node, from the mesh's name, colour, vertices and faces.
    static void WriteShape(CExportText& text, const CPatchMesh& mesh, float scale);
};
