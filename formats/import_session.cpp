#include "formats/import_session.h"

#include "app/doc_file.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_text.h"
#include "formats/format_error.h"
#include "mesh/polygon_obj.h"
#include "platform/base/codepage.h"
#include "platform/base/file_util.h"
#include "platform/base/modal_runner.h"

CImportSession::CImportSession(CQuelDoc& doc)
    : m_doc(doc), m_firstNew(doc.m_objects.GetCount()), m_firstNewPolygon(doc.m_polygonObjects.GetCount()) {
    m_doc.m_undoBuffer.BeginRecord();
    m_doc.m_undoBuffer.SetDescription("(ファイル) インポート", "(File) Import");
    m_doc.m_undoBuffer.SetKind(undoImport);
    m_doc.m_undoBuffer.SaveScene();
    m_doc.SetModifiedFlag();
}

CSpatchObj* CImportSession::Add(std::unique_ptr<CSpatchObj> obj) {
    obj->Rebuild();
    return m_doc.AddPatchObject(std::move(obj));
}

CPolygonObj* CImportSession::Add(std::unique_ptr<CPolygonObj> obj) {
    CPolygonObj* added = obj.get();
    m_doc.m_polygonObjects.AddTail(std::move(obj));
    return added;
}

void CImportSession::Finish() {
    if (auto* page = m_doc.FindWindowService<CObjectPageServices>(wndObjectPage)) {
        for (POSITION p = m_doc.m_objects.FindIndex(m_firstNew); p;)
            page->AddObjectTreeItem(m_doc.m_objects.GetNext(p));
        for (POSITION p = m_doc.m_polygonObjects.FindIndex(m_firstNewPolygon); p;)
            page->AddPolygonItem(m_doc.m_polygonObjects.GetNext(p));
    }
    RefreshMultiObjectList();
    SendToRegisteredWindows(notifySceneMerged);
    m_doc.RedrawPanes();
}

CString UniqueImportName(const CString& base, const char* separator) {
    std::string safe;
    const CString name = qf::Cp932ToUtf8(Cp932Name(base), safe) ? CString(safe) : CString('_');
    if (!IsNameInUse(name))
        return name;
    for (int n = 1;; ++n) {
        CString candidate;
        candidate.Format("%s%s%02d", name.GetString(), separator, n);
        if (!IsNameInUse(candidate))
            return candidate;
    }
}

bool ReadImportFile(const CString& path, std::string& bytes) {
    std::string reason;
    if (qf::ReadWholeFile(path.str(), bytes, &reason))
        return true;
    ReportFileProblem(fileUnreadable, path, reason);
    return false;
}

namespace {

void ReportImportRefused(const CString& path, const CString& english, const CString& japanese) {
    const int inEnglish = IsEnglish();
    CString text;
    if (inEnglish)
        text.Format("The file \"%s\" could not be imported: %s. Nothing was changed.", path.GetString(),
                    english.GetString());
    else
        text.Format("ファイル「%s」をインポートできませんでした: %s。何も変更していません。",
                    path.GetString(), japanese.GetString());
    MessageBox(MessageOwner(), text, inEnglish ? "error" : "エラー", MB_OK | MB_ICONERROR);
}

} // namespace

void ReportImportDamaged(const CString& path, const CFormatError& error) {
    ReportImportRefused(path, error.Describe(1), error.Describe(0));
}

void ReportImportOutOfMemory(const CString& path) {
    ReportImportRefused(path, "there is not enough memory for what it holds",
                        "内容に対してメモリが足りません");
}
