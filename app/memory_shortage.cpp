#include "app/memory_shortage.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/modal_runner.h"

#include <vector>

namespace {

struct Text {
    const char* english;
    const char* japanese;
};

const char* InLanguage(const Text& text) {
    return IsEnglish() ? text.english : text.japanese;
}

} // namespace

bool HasUntoldSurfaceShortage(const CQuelDoc& doc) {
    for (const CSpatchObj* obj : doc.m_objects)
        if (obj->GetSurfaceShortage() == CSpatchObj::surfacesShort)
            return true;
    return false;
}

void ReportSurfaceShortages(CQuelDoc& doc) {
    // All are marked told first: the boxes' loops repaint the panes.
    std::vector<CSpatchObj*> untold;
    for (CSpatchObj* obj : doc.m_objects)
        if (obj->GetSurfaceShortage() == CSpatchObj::surfacesShort) {
            obj->SetSurfaceShortage(CSpatchObj::surfacesShortTold);
            untold.push_back(obj);
        }
    for (const CSpatchObj* obj : untold) {
        CString text;
        text.Format(
            InLanguage({"There is not enough memory to show the surfaces of \"%s\"; it is shown by its "
                        "curves alone.",
                        "メモリが足りないため「%s」の面を表示できません。カーブだけを表示しています。"}),
            obj->GetName().GetString());
        if (obj->GetPolygonize())
            text += InLanguage({" Lower subdivide values under Convert Polygon or Subdivision Surface need "
                                "less memory.",
                                "ポリゴン化やサブディビジョンサーフェースの分割数を下げると、必要なメモリが"
                                "減ります。"});
        MessageBox(MessageOwner(), text, "quelaForm", MB_OK | MB_ICONWARNING);
    }
}
