#include "formats/vrml_exporter.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_framework.h"

namespace {

constexpr CFileChoice kVrmlFile{"wrl", "*.wrl", "VRML2.0(*.wrl)|*.wrl||"};

void WriteIndices(CExportText& text, const std::vector<CMeshFace>& faces) {
    for (const CMeshFace& face : faces) {
        text << "\t\t\t\t";
        for (int k = 0; k < face.count; ++k) {
            text.Int(face.vertex[k]);
            text << ", ";
        }
        text << "-1,\n";
    }
}

} // namespace

void CVrmlExporter::Export(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CExportSettings settings;
    CString path;
    if (!doc || !ui.AskExportSettings(exportModeSubdivisionAndScale, settings) ||
        !ui.AskSavePath(kVrmlFile, path))
        return;
    ExportTo(*doc, path, settings);
}

BOOL CVrmlExporter::ExportTo(CQuelDoc& doc, const CString& path, const CExportSettings& settings) {
    CBusyCursor busy;
    CExportText text;
    // A reader takes the file only with its character set named.
    text << "#VRML V2.0 utf8\n\nDirectionalLight { direction -1 -3 -1 }\n";
    for (CSpatchObj* obj : ExportablePatchObjects(doc))
        WriteShape(text, *BuildExportMesh(*obj, settings.subdivision), settings.scale);
    return SaveExportFile(text, path);
}

void CVrmlExporter::WriteShape(CExportText& text, const CPatchMesh& mesh, float scale) {
    // A line break in a name would end the comment early.
    std::string name = mesh.GetName().str();
    for (char& c : name)
        if (c == '\n' || c == '\r')
            c = ' ';
    const uint32_t color = mesh.GetColor();
    text << "# " << name << "\nTransform {\n\tchildren [\n\tShape {\n\t\tappearance Appearance {\n"
         << "\t\t\tmaterial Material {\n\t\t\t\tdiffuseColor ";
    text.Fixed(ColorChannel(color, 0), 4) << ' ';
    text.Fixed(ColorChannel(color, 1), 4) << ' ';
    text.Fixed(ColorChannel(color, 2), 4) << "\n";
    text << "\t\t\t\tspecularColor 0 0 0\n\t\t\t}\n\t\t}\n\n\t\tgeometry IndexedFaceSet {\n\t\t\tccw FALSE\n"
         << "\t\t\tcoord Coordinate {\n\t\t\t\tpoint [\n";
    for (const CFloat3& p : mesh.m_vertices.m_positions) {
        text << "\t\t\t\t\t";
        text.Fixed(p.x * scale, 4) << ' ';
        text.Fixed(p.y * scale, 4) << ' ';
        text.Fixed(p.z * scale, 4) << ",\n";
    }
    text << "\t\t\t\t]\n\t\t\t}\n\t\t\tcoordIndex [\n";
    WriteIndices(text, mesh.m_faces.m_triangles);
    WriteIndices(text, mesh.m_faces.m_quads);
    text << "\t\t\t]\n\t\t}\n\t}\n\t]\n}\n";
}
