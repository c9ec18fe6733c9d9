#include "formats/mdl_exporter.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_framework.h"
#include "formats/import_session.h"
#include "formats/mdl_format.h"
#include "platform/base/modal_runner.h"

#include <filesystem>
#include <vector>

namespace {

constexpr CFileChoice kMdlSaveFile{"mdl", "*.mdl", "AnimationMaster(*.mdl)|*.mdl||"};
constexpr CFileChoice kMdlOpenFile{"mdl", "*.mdl", "AnimationMaster file(*.mdl)|*.mdl||"};

} // namespace

BOOL CMdlExporter::CanExport() const {
    return DocumentHasPatchObjects();
}

void CMdlExporter::Export(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CMdlSettings settings;
    CString path;
    if (!doc || !ui.AskMdlSettings(settings) || !ui.AskSavePath(kMdlSaveFile, path))
        return;
    ExportTo(*doc, path, settings);
}

BOOL CMdlExporter::ExportTo(CQuelDoc& doc, const CString& path, const CMdlSettings& settings) {
    CBusyCursor busy;
    std::vector<CSpatchObj*> objects;
    for (CSpatchObj* obj : doc.m_objects)
        objects.push_back(obj);
    CExportText text;
    WriteMdlDocument(text, objects, settings);
    return SaveExportFile(text, path);
}

void CMdlExporter::Import(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CString path;
    if (!doc || !ui.AskOpenPath(kMdlOpenFile, path))
        return;
    ImportFrom(*doc, path);
}

BOOL CMdlExporter::ImportFrom(CQuelDoc& doc, const CString& path) {
    const std::filesystem::path file(path.str());
    if (file.extension() != ".mdl" && file.extension() != ".MDL") {
        ShowFormatError("Not AnimationMaster File", "AnimationMasterのファイルではありません");
        return FALSE;
    }
    CBusyCursor busy;
    std::string bytes;
    if (!ReadImportFile(path, bytes))
        return FALSE;
    CTokenScanner scanner(bytes);
    std::unique_ptr<CSpatchObj> obj;
    MdlHeader header = mdlCannotLoad;
    const bool read = ReadForImport(path, [&] {
        header = ReadMdlHeader(scanner);
        if (header == mdlHeaderOk)
            obj = ReadMdlSplines(scanner);
    });
    if (!read)
        return FALSE;
    switch (header) {
    case mdlNotAModel:
        ShowFormatError("Not AnimationMaster File", "AnimationMasterのファイルではありません");
        return FALSE;
    case mdlCannotLoad:
        ShowFormatError("Fail To Load This File", "読み込みに失敗しました");
        return FALSE;
    case mdlHeaderOk:
        break;
    }
    CImportSession session(doc);
    obj->SetName(UniqueImportName(CString(file.stem().string()), "_"));
    session.Add(std::move(obj));
    session.Finish();
    return TRUE;
}
