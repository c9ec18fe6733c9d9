// The Select menu: each command changes the point selection of the current
// object (Show All the temporary hiding of every object) and redraws only as
// much as the change needs. None records an undo step.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "viewport/model_command.h"
#include "viewport/quel_view.h"

namespace {

bool HasCurvePoint(const CSpatchObj& obj) {
    return obj.GetSelectedCurve() != nullptr;
}

} // namespace

void CQuelView::MapSelectCommands(Map& map) {
    map.OnCommand(30005, &CQuelView::OnSelectAll)
        .OnCommand(30006, &CQuelView::DeselectAllPoints)
        .OnCommand(30007, &CQuelView::OnInvertSelection)
        .OnCommand(30008, &CQuelView::SelectConnectedPoints)
        .OnCommand(30009, &CQuelView::OnSelectOnCurve)
        .OnCommand(30048, &CQuelView::OnSelectInvisible)
        .OnCommand(30013, &CQuelView::OnHideSelection)
        .OnCommand(30014, &CQuelView::OnShowAllHidden)
        .OnCommand(30213, &CQuelView::SelectCurve)
        .OnCommand(30740, &CQuelView::OnSelectFivePoint);
}

void CQuelView::OnSelectAll() {
    CSpatchObj* obj = TakeCurrentObject(testObjectOrMessage);
    if (!obj || obj->CountSelectedVertices() == obj->GetVertices().GetCount())
        return;
    const bool hadCurvePoint = HasCurvePoint(*obj);
    obj->SelectAllVertices(1);
    RepaintPanes(repaintSelection, hadCurvePoint);
}

void CQuelView::DeselectAllPoints() {
    CSpatchObj* obj = TakeCurrentObject(testObjectOrMessage | testSelectedVertex);
    if (!obj)
        return;
    const bool hadCurvePoint = HasCurvePoint(*obj);
    obj->SelectAllVertices(0);
    RepaintPanes(repaintSelection, hadCurvePoint);
}

void CQuelView::OnInvertSelection() {
    CSpatchObj* obj = TakeCurrentObject(testObjectOrMessage);
    if (!obj || obj->GetVertices().IsEmpty())
        return;
    const bool hadCurvePoint = HasCurvePoint(*obj);
    obj->InvertVertexSelection();
    RepaintPanes(repaintSelection, hadCurvePoint);
}

void CQuelView::SelectConnectedPoints() {
    CSpatchObj* obj = TakeCurrentObject(testObjectOrMessage | testSelectedVertex);
    if (!obj)
        return;
    const bool hadCurvePoint = HasCurvePoint(*obj);
    obj->SelectConnectedVertices();
    RepaintPanes(repaintSelection, hadCurvePoint);
}

void CQuelView::OnSelectOnCurve() {
    CSpatchObj* obj = TakeCurrentObject(testObjectOrMessage | testSelectedCurve);
    if (!obj)
        return;
    obj->SelectVerticesOnCurve(obj->GetSelectedCurve());
    RepaintPanes(repaintSelectionOnCurve);
}

void CQuelView::OnSelectInvisible() {
    CSpatchObj* obj = TakeCurrentObject(testObjectOrMessage);
    if (!obj || obj->GetVertices().IsEmpty())
        return;
    obj->SelectVisibleVertices();
    RepaintPanes(repaintSelectionNoCurveTest);
}

void CQuelView::OnHideSelection() {
    CSpatchObj* obj = TakeCurrentObject(testObjectOrMessage | testSelectedVertex);
    if (!obj)
        return;
    obj->HideSelectedTemporarily();
    RepaintPanes(repaintHiddenPoints);
}

void CQuelView::OnShowAllHidden() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    for (CSpatchObj* obj : doc->m_objects)
        obj->ShowAllTemporarilyHidden();
    RepaintPanes(repaintShowAgain);
}

void CQuelView::SelectCurve() {
    CSpatchObj* obj = TakeCurrentObject(testObject);
    if (!obj)
        return;
    obj->SelectNextCurveAtVertex();
    RepaintPanes(repaintCurveSelection);
}

void CQuelView::OnSelectFivePoint() {
    CSpatchObj* obj = TakeCurrentObject(testObjectOrMessage);
    if (!obj)
        return;
    const bool hadCurvePoint = HasCurvePoint(*obj);
    obj->SelectByFivePointFlag(1);
    RepaintPanes(repaintSelection, hadCurvePoint);
}
