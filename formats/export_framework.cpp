#include "formats/export_framework.h"

#include "app/doc_file.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "mesh/mesh_converter.h"
#include "platform/base/modal_runner.h"

namespace {

template <class T> std::vector<T*> Exportable(const CObjList<T>& list) {
    std::vector<T*> objects;
    for (T* obj : list)
        if (obj->IsExportEffective())
            objects.push_back(obj);
    return objects;
}

} // namespace

std::vector<CSpatchObj*> ExportablePatchObjects(const CQuelDoc& doc) {
    return Exportable(doc.m_objects);
}

std::vector<CPolygonObj*> ExportablePolygonObjects(const CQuelDoc& doc) {
    return Exportable(doc.m_polygonObjects);
}

std::unique_ptr<CPatchMesh> BuildExportMesh(CSpatchObj& obj, int subdivision) {
    auto mesh = std::make_unique<CPatchMesh>();
    CMeshConverter().BuildMesh(mesh.get(), &obj, subdivision);
    mesh->SetName(obj.GetName());
    mesh->SetColor(obj.GetColor());
    return mesh;
}

CBusyCursor::CBusyCursor() {
    SetBusyCursor(TRUE);
}

CBusyCursor::~CBusyCursor() {
    SetBusyCursor(FALSE);
}

bool SaveExportFile(const CExportText& text, const CString& path) {
    std::string error;
    if (text.Save(path, &error))
        return true;
    ReportFileProblem(fileNotSaved, path, error);
    return false;
}

void ReportNothingToExport() {
    if (IsEnglish())
        MessageBox(MessageOwner(), "There is nothing to export: the objects have no patches.", "error",
                   MB_OK | MB_ICONWARNING);
    else
        MessageBox(MessageOwner(), "エクスポートするものがありません。オブジェクトにパッチがありません。",
                   "エラー", MB_OK | MB_ICONWARNING);
}

void ShowFormatError(const char* english, const char* japanese) {
    if (IsEnglish())
        MessageBox(MessageOwner(), english, "error", MB_OK);
    else
        MessageBox(MessageOwner(), japanese, "エラー", MB_OK);
}

BOOL DocumentHasPatchObjects() {
    const CQuelDoc* doc = GetDoc();
    return doc && !doc->m_objects.IsEmpty();
}
