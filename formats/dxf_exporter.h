#pragma once
// CDxfExporter: File > Export > DXF. A file of one ENTITIES section: every
// exportable patch object becomes a mesh at the chosen subdivision and each
// of its triangles and quads a 3DFACE (a triangle repeats its third corner)
// on a layer named after the object, colour 1, coordinates unscaled in our
// own axes. Layer names are made valid for every DXF reader and distinct
// for distinct object names.
#include "formats/exchange_ui.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

class CExportText;
class CPatchMesh;
class CQuelDoc;

class CDxfExporter {
public:
    virtual ~CDxfExporter() = default;

    void Export(CExchangeUi& ui);
    // The step after the dialogs; TRUE when the file was written.
    BOOL ExportTo(CQuelDoc& doc, const CString& path, int subdivision);
    // While the document has a patch object.
    BOOL CanExport() const;

    // Every triangle of the mesh, then every quad, on the layer.
    static void WriteFaces(CExportText& text, const CPatchMesh& mesh, const std::string& layer);
};

// The object's name as a layer name of the DXF character set: letters,
// digits, "$", "-" and "_" stay, every other character (blanks, the
// punctuation DXF forbids, text outside ASCII) becomes "_"; an empty name
// is the default layer "0".
std::string DxfLayerName(const CString& name);

// The layers of one file: objects of one name share a layer, and a name
// whose layer name another name already took (DXF compares them without
// case) gets the first free "_2", "_3" ... after it.
class CDxfLayerNames {
public:
    const std::string& For(const CString& name);

private:
    static std::string Folded(const std::string& layer);

    std::unordered_map<std::string, std::string> m_layers; // by object name
    std::unordered_set<std::string> m_taken;               // folded to upper case
};
