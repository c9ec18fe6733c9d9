#include "tools/many_object_tool.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/drag_offset.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"
#include "tools/transform_starts.h"

#include <algorithm>
#include <limits>

namespace {

enum class ManyTransform { translate, scale, rotate };

// Opens the drag's undo step and keeps the start copies: positions for a
// move, positions and handle offsets for the others.
void RecordTargets(CQuelDoc& doc, CMouseToolController& c, const std::vector<CSpatchObj*>& targets,
                   ManyTransform transform) {
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord();
    switch (transform) {
    case ManyTransform::translate:
        undo.SetDescription("(パッチ) 複数オブジェクトを移動", "(Patch) Translate Many Objects");
        break;
    case ManyTransform::scale:
        undo.SetDescription("(パッチ) 複数オブジェクトを拡大/縮小", "(Patch) Scale Many Objects");
        break;
    case ManyTransform::rotate:
        undo.SetDescription("(パッチ) 複数オブジェクトを回転", "(Patch) Rotate Many Objects");
        break;
    }
    undo.SetKind(undoManyObjects);
    for (CSpatchObj* obj : targets) {
        if (transform == ManyTransform::translate)
            undo.SavePatchPositions(obj);
        else
            undo.SavePatchGeometry(obj);
        CSpatchObj* starts = c.m_objectStarts.Emplace();
        starts->SetName(obj->GetName());
        CopyPointStarts(*starts, *obj, MovedPoints::all);
    }
}

// The mean of the start copies' box centres.
CVector3 StartsPivot(const CMouseToolController& c) {
    CVector3 sum;
    int count = 0;
    for (const CSpatchObj* starts : c.m_objectStarts) {
        sum = sum + starts->GetCenter();
        ++count;
    }
    return count ? sum / static_cast<float>(count) : sum;
}

// Every live object of a start copy, from its copy through the matrices,
// then the pane shows it (the other panes at their next paint when they
// follow the drag).
void ApplyFromStarts(CMouseToolController& c, const CQuelDoc& doc, const CMatrix4& points,
                     const CMatrix4& offsets, const AxisMask& axes) {
    for (const CSpatchObj* starts : c.m_objectStarts) {
        CSpatchObj* obj = FindObjectByName(starts->GetName());
        if (!obj || !obj->IsEditable())
            continue;
        TransformFromStarts(*starts, *obj, MovedPoints::all, points, offsets, axes);
        obj->UpdateCurveHandles();
        obj->SetNetsDirty(1);
        obj->InvalidateCaches();
    }
    c.GetPane().RepaintNow();
    if (doc.m_settings.m_syncRedraw)
        PostToRegisteredWindows(notifyInvalidateOtherPanes,
                                doc.FindRegisteredWindow(wndGLPane0 + c.GetPaneIndex()));
}

void Begin(CMouseToolController& c, ManyTransform transform) {
    CQuelDoc* doc = GetDoc();
    const std::vector<CSpatchObj*> targets = ManyObjectTargets();
    if (!doc || targets.empty())
        return;
    RecordTargets(*doc, c, targets, transform);
}

} // namespace

std::vector<CSpatchObj*> ManyObjectTargets() {
    std::vector<CSpatchObj*> targets;
    if (CQuelDoc* doc = GetDoc())
        for (CSpatchObj* obj : doc->m_objects)
            if (obj->GetMultiSelected() && obj->IsEditable() && !obj->GetVertices().IsEmpty())
                targets.push_back(obj);
    return targets;
}

void BeginTranslateMany(CMouseToolController& c, int, int) {
    ShowTransformFeedback(CVector3(), CTransformBarServices::readoutTranslation);
    const CCamera* camera = c.GetCamera();
    if (!camera)
        return;
    Begin(c, ManyTransform::translate);
    float nearest = std::numeric_limits<float>::max();
    float farthest = std::numeric_limits<float>::lowest();
    for (CSpatchObj* obj : ManyObjectTargets()) {
        obj->TransformVerticesToView(*camera);
        for (const CPatchVertex* v : obj->GetVertices()) {
            nearest = std::min(nearest, v->m_viewPos.GetZ());
            farthest = std::max(farthest, v->m_viewPos.GetZ());
        }
    }
    c.m_dragDepth = (nearest + farthest) / 2.0f;
}

void DragTranslateMany(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    if (!doc || ManyObjectTargets().empty())
        return;
    CMatrix4 move;
    move.TranslateBy(ViewPlaneDragOffset(c, x, y, c.m_dragDepth, DocumentAxisConstraint()));
    ApplyFromStarts(c, *doc, move, CMatrix4(), AxisMask{1, 1, 1});
}

void BeginScaleMany(CMouseToolController& c, int, int) {
    ShowTransformFeedback(CVector3(1.0f, 1.0f, 1.0f), CTransformBarServices::readoutScale);
    Begin(c, ManyTransform::scale);
}

void DragScaleMany(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    if (!doc || ManyObjectTargets().empty())
        return;
    const float s = DragFactor(c, x, y);
    const AxisMask& axes = doc->m_axisEnabled;
    ShowTransformFeedback(CVector3(axes[0] ? s : 1.0f, axes[1] ? s : 1.0f, axes[2] ? s : 1.0f),
                          CTransformBarServices::readoutScale);
    CMatrix4 scale;
    scale.Scale(s, s, s);
    ApplyFromStarts(c, *doc, AboutCentre(StartsPivot(c), scale), scale, axes);
}

void BeginRotateMany(CMouseToolController& c, int, int) {
    ShowTransformFeedback(CVector3(), CTransformBarServices::readoutRotation);
    Begin(c, ManyTransform::rotate);
}

void DragRotateMany(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    const CCamera* camera = c.GetCamera();
    if (!doc || !camera || ManyObjectTargets().empty())
        return;
    const float a = DragAngle(c, x, y);
    const CMatrix4 r = ViewAxisRotation(*camera, a);
    CVector3 shown;
    if (camera->IsTopView())
        shown = CVector3(0.0f, a, 0.0f);
    else if (camera->IsFrontView())
        shown = CVector3(0.0f, 0.0f, a);
    else if (camera->IsSideView())
        shown = CVector3(a, 0.0f, 0.0f);
    ShowTransformFeedback(shown, CTransformBarServices::readoutRotation);
    ApplyFromStarts(c, *doc, AboutCentre(StartsPivot(c), r), r, doc->m_axisEnabled);
}

void EndManyObjects(CMouseToolController& c, int, int) {
    c.m_objectStarts.RemoveAll();
    if (!ManyObjectTargets().empty())
        RedrawAllPanes();
}
