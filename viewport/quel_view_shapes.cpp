// The Insert submenu: a ready-made shape merged into the current object as
// its only selection, so that it can be moved at once.
#include "app/quel_doc.h"
#include "viewport/model_command.h"
#include "viewport/quel_view.h"

void CQuelView::MapShapeCommands(Map& map) {
    map.OnCommand(30055, &CQuelView::OnStar);
}

void CQuelView::OnStar() {
    CSpatchObj* obj = TakeCurrentObject(testObject | testEditable);
    if (!obj)
        return;
    RecordUndoStep(obj, {"(パッチ) 星型作成", "(Patch) Create Star"}, undoWholeObject);
    obj->AddStarShape(2.0f, 1.0f);
    RepaintPanes(repaintAll);
}
