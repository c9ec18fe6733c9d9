#include "formats/mqo_exporter.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_framework.h"
#include "formats/import_session.h"
#include "formats/mqo_format.h"
#include "platform/base/modal_runner.h"

namespace {

constexpr CFileChoice kMqoFile{"mqo", "*.mqo", "Metasequoia(*.mqo)|*.mqo||"};
constexpr const char* kDefaultName = "metaseq_obj_01";

} // namespace

BOOL CMqoExporter::CanExport() const {
    const CQuelDoc* doc = GetDoc();
    return doc && (!doc->m_objects.IsEmpty() || !doc->m_polygonObjects.IsEmpty());
}

void CMqoExporter::Export(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CExportSettings settings;
    CString path;
    if (!doc || !ui.AskExportSettings(exportModeSubdivisionAndScale, settings) ||
        !ui.AskSavePath(kMqoFile, path))
        return;
    ExportTo(*doc, path, settings);
}

BOOL CMqoExporter::ExportTo(CQuelDoc& doc, const CString& path, const CExportSettings& settings) {
    CBusyCursor busy;
    CExportText text;
    WriteMqoDocument(text, ExportablePatchObjects(doc), ExportablePolygonObjects(doc), settings.subdivision,
                     settings.scale);
    return SaveExportFile(text, path);
}

void CMqoExporter::ImportAndRedraw(CExchangeUi& ui) {
    if (Import(ui))
        PostToRegisteredWindows(notifyRepaintPanes);
}

BOOL CMqoExporter::Import(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    if (!doc) {
        MessageBox(MessageOwner(), "読み込みに失敗しました", "エラー", MB_OK);
        return FALSE;
    }
    CString path;
    if (!ui.AskOpenPath(kMqoFile, path))
        return FALSE;
    return ImportFrom(*doc, path);
}

BOOL CMqoExporter::ImportFrom(CQuelDoc& doc, const CString& path) {
    CBusyCursor busy;
    std::string bytes;
    if (!ReadImportFile(path, bytes))
        return FALSE;
    CTokenScanner scanner(bytes);
    if (!ReadMqoHeader(scanner)) {
        ShowFormatError("This file isn't mqo file", "これはメタセコイアのファイルではありません");
        return FALSE;
    }
    // Every object is built before the first reaches the document.
    std::vector<std::pair<std::unique_ptr<CSpatchObj>, CString>> built;
    const bool read = ReadForImport(path, [&] {
        std::vector<std::unique_ptr<CMqoObject>> objects = ReadMqoObjects(scanner);
        for (auto& object : objects) {
            std::unique_ptr<CSpatchObj> obj = MqoObjectToPatchObject(*object);
            if (object->hasColor)
                obj->SetColor(object->color);
            built.emplace_back(std::move(obj), object->name.IsEmpty() ? CString(kDefaultName) : object->name);
            object.reset();
        }
    });
    if (!read)
        return FALSE;
    CImportSession session(doc);
    for (auto& [obj, name] : built) {
        obj->SetName(UniqueImportName(name, " _"));
        session.Add(std::move(obj));
    }
    session.Finish();
    return TRUE;
}
