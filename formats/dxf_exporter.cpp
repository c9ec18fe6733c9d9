#include "formats/dxf_exporter.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_framework.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

constexpr CFileChoice kDxfFile{"dxf", "*.dxf", "AutoCad(*.dxf)|*.dxf||"};

bool IsLayerCharacter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '$' ||
           c == '-' || c == '_';
}

void WriteCorner(CExportText& text, const CFloat3& p, int corner) {
    text << '1';
    text.Int(corner) << '\n';
    text.Fixed(p.x, 4) << "\n2";
    text.Int(corner) << '\n';
    text.Fixed(p.y, 4) << "\n3";
    text.Int(corner) << '\n';
    text.Fixed(p.z, 4) << '\n';
}

} // namespace

std::string DxfLayerName(const CString& name) {
    const std::string& text = name.str();
    if (text.empty())
        return "0";
    std::string layer;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLayerCharacter(c)) {
            layer += static_cast<char>(c);
            continue;
        }
        layer += '_';
        // One "_" for a whole UTF-8 character.
        while (c >= 0xC0 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80)
            ++i;
    }
    return layer;
}

const std::string& CDxfLayerNames::For(const CString& name) {
    if (const auto it = m_layers.find(name.str()); it != m_layers.end())
        return it->second;
    const std::string base = DxfLayerName(name);
    std::string layer = base;
    for (int n = 2; !m_taken.insert(Folded(layer)).second; ++n)
        layer = base + "_" + std::to_string(n);
    return m_layers.emplace(name.str(), layer).first->second;
}

std::string CDxfLayerNames::Folded(const std::string& layer) {
    std::string folded = layer;
    for (char& c : folded)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return folded;
}

BOOL CDxfExporter::CanExport() const {
    return DocumentHasPatchObjects();
}

void CDxfExporter::Export(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CExportSettings settings;
    CString path;
    if (!doc || !ui.AskExportSettings(exportModeSubdivision, settings) || !ui.AskSavePath(kDxfFile, path))
        return;
    ExportTo(*doc, path, settings.subdivision);
}

BOOL CDxfExporter::ExportTo(CQuelDoc& doc, const CString& path, int subdivision) {
    CBusyCursor busy;
    CExportText text;
    text << "0\nSECTION\n2\nENTITIES\n";
    CDxfLayerNames layers;
    for (CSpatchObj* obj : ExportablePatchObjects(doc)) {
        const std::unique_ptr<CPatchMesh> mesh = BuildExportMesh(*obj, subdivision);
        WriteFaces(text, *mesh, layers.For(mesh->GetName()));
    }
    text << "0\nENDSEC\n0\nEOF\n";
    return SaveExportFile(text, path);
}

void CDxfExporter::WriteFaces(CExportText& text, const CPatchMesh& mesh, const std::string& layer) {
    const auto& positions = mesh.m_vertices.m_positions;
    for (const auto* faces : {&mesh.m_faces.m_triangles, &mesh.m_faces.m_quads})
        for (const CMeshFace& face : *faces) {
            text << "0\n3DFACE\n8\n" << layer << "\n62\n1\n";
            for (int corner = 0; corner < 4; ++corner)
                WriteCorner(text, positions[face.vertex[std::min(corner, face.count - 1)]], corner);
        }
}
