#include "formats/obj_exporter.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_framework.h"
#include "formats/import_session.h"
#include "formats/obj_format.h"
#include "mesh/polygon_obj.h"
#include "platform/base/codepage.h"
#include "platform/base/modal_runner.h"

#include <filesystem>

namespace {

constexpr CFileChoice kObjSaveFile{"obj", "*.obj", "Wavefront(*.obj)|*.obj||"};
constexpr CFileChoice kObjOpenFile{"obj", "*.obj", "obj file(*.obj)|*.obj||"};

} // namespace

BOOL CObjExporter::CanExport() const {
    return GetDoc() && GetSelectedObject();
}

void CObjExporter::Export(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CExportSettings settings;
    CString path;
    if (!doc || !ui.AskExportSettings(exportModeSubdivisionAndScope, settings) ||
        !ui.AskSavePath(kObjSaveFile, path))
        return;
    ExportTo(*doc, path, settings);
}

BOOL CObjExporter::ExportTo(CQuelDoc& doc, const CString& path, const CExportSettings& settings) {
    CSpatchObj* selected = GetSelectedObject();
    if (!selected) {
        ShowMessage(msgNoObject);
        return FALSE;
    }
    CBusyCursor busy;
    std::unique_ptr<CSpatchObj> merged;
    CSpatchObj* source = selected;
    if (settings.scope == exportScopeAll) {
        merged = std::make_unique<CSpatchObj>();
        merged->SetName(selected->GetName());
        merged->SetColor(selected->GetColor());
        for (CSpatchObj* obj : doc.m_objects)
            merged->AppendGeometry(obj, 0);
        source = merged.get();
    }
    CExportText text;
    text << "# exported by quelaForm\n\n";
    WriteObjMesh(text, *BuildExportMesh(*source, settings.subdivision));
    return SaveExportFile(text, path);
}

void CObjExporter::Import(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CString path;
    if (!doc || !ui.AskOpenPath(kObjOpenFile, path))
        return;
    ImportFrom(*doc, path);
}

BOOL CObjExporter::ImportFrom(CQuelDoc& doc, const CString& path) {
    const std::filesystem::path file(path.str());
    if (file.extension() != ".obj" && file.extension() != ".OBJ") {
        ShowFormatError("Not Wavefront File", "Wavefrontのファイルではありません");
        return FALSE;
    }
    CBusyCursor busy;
    std::string bytes;
    if (!ReadImportFile(path, bytes))
        return FALSE;
    std::string name;
    std::unique_ptr<CPolygonObj> obj;
    const bool read = ReadForImport(path, [&] {
        const CObjMesh mesh = ReadObjMesh(bytes);
        if (mesh.name.empty() || !qf::Cp932ToUtf8(mesh.name, name))
            name = file.stem().string();
        obj = ObjMeshToPolygonObject(mesh);
    });
    if (!read)
        return FALSE;
    CImportSession session(doc);
    obj->SetName(UniqueImportName(CString(name), " _"));
    session.Add(std::move(obj));
    session.Finish();
    return TRUE;
}
