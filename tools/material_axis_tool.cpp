#include "tools/material_axis_tool.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/drag_offset.h"
#include "tools/mouse_tool_controller.h"
#include "tools/rotate_scale_tool.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"
#include "tools/transform_starts.h"

namespace {

enum class AxisTransform { translate, scale, rotate };

// The current slot's axis of the current object while the object is shown
// and editable; null otherwise.
CTransformData* TakeAxis() {
    CSpatchObj* obj = TakeEditableObject();
    return obj ? obj->GetMaterialSlot(obj->GetCurrentSlot()) : nullptr;
}

// The press of all three: the start value kept, the undo step opened, and
// with the manipulator shown its handle under the cursor grabbed. False
// when there is no axis to transform.
bool Begin(CMouseToolController& c, int x, int y, AxisTransform transform) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeEditableObject();
    CTransformData* axis = TakeAxis();
    if (!doc || !obj || !axis)
        return false;
    const CVector3& start = transform == AxisTransform::translate ? axis->m_translation
                            : transform == AxisTransform::scale   ? axis->m_scale
                                                                  : axis->m_rotation;
    c.m_scratch.AddVertex(start.GetX(), start.GetY(), start.GetZ());

    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord();
    switch (transform) {
    case AxisTransform::translate:
        undo.SetDescription("(マテリアル座標) 移動", "(Material Axis) Translate");
        break;
    case AxisTransform::scale:
        undo.SetDescription("(マテリアル座標) 拡大/縮小", "(Material Axis) Scale");
        break;
    case AxisTransform::rotate:
        undo.SetDescription("(マテリアル座標) 回転", "(Material Axis) Rotate");
        break;
    }
    undo.SetKind(undoObjectInfo);
    undo.SaveObjectInfo(obj, 1);

    if (!doc->m_settings.m_manipulatorShown)
        return true;
    CToolPane& pane = c.GetPane();
    const CPoint at(x, y);
    int handle = -1;
    switch (transform) {
    case AxisTransform::translate:
        handle = pane.PickTranslateHandle(axis->m_translation, CVector3(), at);
        break;
    case AxisTransform::scale:
        handle = pane.PickScaleHandle(axis->m_translation, axis->m_rotation, at);
        break;
    case AxisTransform::rotate:
        handle = pane.PickRotateHandle(axis->m_translation, axis->m_rotation, at);
        break;
    }
    const bool freeOthers = transform != AxisTransform::rotate && (c.m_keys & MK_SHIFT);
    pane.GetHandleState().Grab(handle, freeOthers);
    if (handle >= CHandleState::handleX && handle <= CHandleState::handleCentre)
        pane.RepaintNow();
    return true;
}

// Which axes a move or scale changes: those of the grabbed handles (all
// for the centre), else the document's switches.
AxisMask DragAxes(const CHandleState& handles, const CQuelDoc& doc) {
    if (!handles.IsAnyHighlighted())
        return doc.m_axisEnabled;
    const auto& h = handles.m_highlight;
    AxisMask axes{};
    for (size_t axis = 0; axis < 3; ++axis)
        axes[axis] = h[axis] || h[CHandleState::handleCentre] ? 1 : 0;
    return axes;
}

const CVector3* StartValue(const CMouseToolController& c) {
    const CObjList<CPatchVertex>& starts = c.m_scratch.GetVertices();
    return starts.IsEmpty() ? nullptr : starts.GetHead();
}

void Repaint(CMouseToolController& c, const CQuelDoc& doc) {
    c.GetPane().RepaintNow();
    if (doc.m_settings.m_syncRedraw)
        c.RepaintOtherPanes();
}

} // namespace

void BeginAxisTranslate(CMouseToolController& c, int x, int y) {
    ShowTransformFeedback(CVector3(), CTransformBarServices::readoutTranslation);
    if (!Begin(c, x, y, AxisTransform::translate))
        return;
    const CCamera* camera = c.GetCamera();
    const CTransformData* axis = TakeAxis();
    if (camera && axis)
        c.m_dragDepth = TransformPoint(axis->m_translation, camera->GetWorldToCamera()).GetZ();
}

void DragAxisTranslate(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CTransformData* axis = TakeAxis();
    if (!doc || !axis || c.m_scratch.GetVertices().IsEmpty())
        return;
    CDragConstraint constraint;
    constraint.m_axes = DragAxes(c.GetPane().GetHandleState(), *doc);
    const CVector3 w = ViewPlaneDragOffset(c, x, y, c.m_dragDepth, constraint);
    CPatchVertex& start = *c.m_scratch.GetVertices().GetHead();
    SnapStartToPaneGrid(c, start);
    axis->m_translation = start + w;
    Repaint(c, *doc);
}

void BeginAxisScale(CMouseToolController& c, int x, int y) {
    ShowTransformFeedback(CVector3(), CTransformBarServices::readoutScale);
    Begin(c, x, y, AxisTransform::scale);
}

void DragAxisScale(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CTransformData* axis = TakeAxis();
    const CVector3* start = StartValue(c);
    if (!doc || !axis || !start)
        return;
    const float s = DragFactor(c, x, y);
    const AxisMask axes = DragAxes(c.GetPane().GetHandleState(), *doc);
    CVector3 shown(1.0f, 1.0f, 1.0f);
    for (int i = 0; i < 3; ++i) {
        if (!axes[static_cast<size_t>(i)])
            continue;
        shown.Set(i, s);
        axis->m_scale.Set(i, start->Get(i) * s);
    }
    ShowTransformFeedback(shown, CTransformBarServices::readoutScale);
    Repaint(c, *doc);
}

void BeginAxisRotate(CMouseToolController& c, int x, int y) {
    ShowTransformFeedback(CVector3(), CTransformBarServices::readoutRotation);
    Begin(c, x, y, AxisTransform::rotate);
}

void DragAxisRotate(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CTransformData* axis = TakeAxis();
    const CVector3* start = StartValue(c);
    const CCamera* camera = c.GetCamera();
    if (!doc || !axis || !start || !camera)
        return;
    const float a = DragAngle(c, x, y);
    CMatrix4 frame;
    frame.RotateX(start->GetX());
    frame.RotateY(start->GetY());
    frame.RotateZ(start->GetZ());
    const auto& h = c.GetPane().GetHandleState().m_highlight;
    CVector3 angles = *start;
    // No turn leaves the angles as they were, so a drag back to its press changes nothing.
    if (a != 0.0f) {
        if (h[CHandleState::handleCentre] || !c.GetPane().GetHandleState().IsAnyHighlighted()) {
            CMatrix4 m;
            frame.Multiply(m, ViewAxisRotation(*camera, a));
            angles = GetRotationAngles(m);
        } else if (h[CHandleState::handleX]) {
            angles.SetX(start->GetX() + a);
        } else {
            CMatrix4 m;
            if (h[CHandleState::handleY])
                m.RotateY(a);
            else
                m.RotateZ(a);
            m.Multiply(m, frame);
            angles = GetRotationAngles(m);
        }
    }
    axis->m_rotation = angles;
    ShowTransformFeedback(angles, CTransformBarServices::readoutRotation);
    Repaint(c, *doc);
}

void EndAxisTransform(CMouseToolController& c, int, int) {
    CHandleState& handles = c.GetPane().GetHandleState();
    handles.m_rotationCentre = CVector3();
    handles.m_rotateState = CVector3();
    c.m_scratch.DeleteAllVertices();
    if (TakeAxis())
        RedrawAllPanes();
}
