// The Insert submenu: a ready-made shape merged into the current object as
// its only selection, so that it can be moved at once. The shapes are files
// of the Clip Shapes folder; the star is made here.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "viewport/clip_shape.h"
#include "viewport/model_command.h"
#include "viewport/quel_view.h"

#include <algorithm>
#include <iterator>

namespace {

struct ClipShape {
    UINT id;
    const char* file;
    CommandTexts texts;
};

constexpr ClipShape kClipShapes[] = {
    {30046, "cube", {"(パッチ) ボックス作成", "(Patch) Create Box"}},
    {30044, "circle (4 pts)", {"(パッチ) 円(4)作成", "(Patch) Create Circle(4)"}},
    {30079, "circle (8 pts)", {"(パッチ) 円(8)作成", "(Patch) Create Circle(8)"}},
    {30041, "cone", {"(パッチ) 円錐作成", "(Patch) Create Cone"}},
    {30039, "cylinder", {"(パッチ) 円柱作成", "(Patch) Create Cylinder"}},
    {30049, "grid", {"(パッチ) 平面作成", "(Patch) Create Plane"}},
    {30037, "sphere", {"(パッチ) 球作成", "(Patch) Create Sphere"}},
    {30052, "square", {"(パッチ) 四角作成", "(Patch) Create Square"}},
};

// A shape file that exists but cannot be used: what is wrong, and that nothing changed.
void ReportDamagedShape(HWND owner, const CString& path, const CString& why) {
    CString text;
    if (IsEnglish())
        text.Format("The shape file \"%s\" cannot be used: %s. Nothing was changed.", path.GetString(),
                    why.GetString());
    else
        text.Format("形状ファイル「%s」を使用できません: %s。何も変更していません。", path.GetString(),
                    why.GetString());
    MessageBox(owner, text, IsEnglish() ? "error" : "エラー", MB_OK | MB_ICONERROR);
}

} // namespace

void CQuelView::MapShapeCommands(Map& map) {
    for (const ClipShape& shape : kClipShapes)
        map.OnCommandRange(shape.id, shape.id, &CQuelView::OnClipShape);
    map.OnCommand(30055, &CQuelView::OnStar);
}

void CQuelView::OnClipShape(UINT id) {
    const auto* shape = std::find_if(std::begin(kClipShapes), std::end(kClipShapes),
                                     [id](const ClipShape& s) { return s.id == id; });
    if (shape == std::end(kClipShapes) || !TakeCurrentObject(testObject | testEditable))
        return;
    InsertClipShape(qf::JoinPath(ClipShapesFolder(), shape->file).c_str(), shape->texts);
}

BOOL CQuelView::InsertClipShape(const CString& path, const CommandTexts& texts) {
    CSpatchObj* obj = TakeCurrentObject(testObject | testEditable);
    if (!obj)
        return FALSE;
    SetBusyCursor(TRUE);
    CSpatchObj shape;
    CString why;
    const ClipShapeRead read = ReadClipShape(path.str(), shape, why);
    SetBusyCursor(FALSE);
    if (read == ClipShapeRead::missing) {
        ShowMessage(msgCreateFailed);
        return FALSE;
    }
    if (read == ClipShapeRead::damaged) {
        ReportDamagedShape(GetSafeHwnd(), path, why);
        return FALSE;
    }
    RecordUndoStep(obj, texts, undoWholeObject);
    const int first = obj->GetVertices().GetCount();
    obj->AppendGeometry(&shape, 0);
    SelectAppendedVertices(*obj, first);
    RepaintPanes(repaintAll);
    return TRUE;
}

void CQuelView::OnStar() {
    CSpatchObj* obj = TakeCurrentObject(testObject | testEditable);
    if (!obj)
        return;
    RecordUndoStep(obj, {"(パッチ) 星型作成", "(Patch) Create Star"}, undoWholeObject);
    obj->AddStarShape(2.0f, 1.0f);
    RepaintPanes(repaintAll);
}
