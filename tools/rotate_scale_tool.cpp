#include "tools/rotate_scale_tool.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/drag_offset.h"
#include "tools/mouse_tool_controller.h"
#include "tools/status_text.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"
#include "tools/transform_starts.h"

#include <array>
#include <cmath>

namespace {

enum class Transform { rotate, scale };

// The current object while it has the two selected points a turn or scale needs.
CSpatchObj* TakeTransformableObject() {
    CSpatchObj* obj = TakeObjectWithSelection();
    return obj && obj->CountSelectedVertices() >= 2 ? obj : nullptr;
}

void Begin(CMouseToolController& c, int x, int y, Transform transform) {
    const bool rotate = transform == Transform::rotate;
    if (rotate)
        ShowTransformFeedback(CVector3(), CTransformBarServices::readoutRotation);
    else
        ShowTransformFeedback(CVector3(1.0f, 1.0f, 1.0f), CTransformBarServices::readoutScale);
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeTransformableObject();
    if (!doc || !obj)
        return;
    CToolPane& pane = c.GetPane();
    CHandleState& handles = pane.GetHandleState();
    const CVector3 centre = obj->GetSelectedCenter();
    bool handlePicked = false;
    if (doc->m_settings.m_manipulatorShown) {
        const CPoint at(x, y);
        const int handle = rotate ? pane.PickRotateHandle(centre, handles.m_rotateState, at)
                                  : pane.PickScaleHandle(centre, CVector3(), at);
        handlePicked = handle >= CHandleState::handleX && handle <= CHandleState::handleCentre;
        handles.Grab(handle, !rotate && (c.m_keys & MK_SHIFT) != 0);
    }
    CopyPointStarts(c.m_scratch, *obj, MovedPoints::selected);
    if (rotate) {
        handles.m_rotationCentre = centre;
        handles.m_rotating = 1;
    } else {
        c.m_scaleCentre = centre;
    }
    if (handlePicked)
        pane.RepaintNow();

    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord();
    if (rotate)
        undo.SetDescription("(パッチ) 回転", "(Patch) Rotate");
    else
        undo.SetDescription("(パッチ) 拡大/縮小", "(Patch) Scale");
    undo.SetKind(undoPatchGeometry);
    undo.SavePatchGeometry(obj);
}

// The step's end: handles follow where the pane shows them, and the pane repaints.
void FinishStep(CMouseToolController& c, CSpatchObj& obj, const CQuelDoc& doc, const CString& status) {
    const CPaneDisplaySettings& show = doc.m_settings.m_panes[static_cast<size_t>(c.GetPaneIndex())];
    if (show.m_showCurves || show.m_showSurfaces)
        obj.UpdateCurveHandles();
    obj.SetNetsDirty(1);
    obj.InvalidateCaches();
    SetStatusText(status);
    c.GetPane().RepaintNow();
    if (doc.m_settings.m_syncRedraw)
        c.RepaintOtherPanes();
}

double Degrees(double radians) {
    return radians * 180.0 / 3.14159265358979;
}

// Within [0, 360); a hair below a full turn, which the read-out would show
// as 360, is no turn.
double InFullTurn(double degrees) {
    constexpr double kShownPrecision = 5e-5;
    double d = std::fmod(degrees, 360.0);
    if (d < 0.0)
        d += 360.0;
    return d >= 360.0 - kShownPrecision ? 0.0 : d;
}

} // namespace

CVector3 GetRotationAngles(const CMatrix4& rotation) {
    const CVector3 turnedX = TransformPoint(CVector3(1.0f, 0.0f, 0.0f), rotation);
    const CVector3 turnedY = TransformPoint(CVector3(0.0f, 1.0f, 0.0f), rotation);
    const CVector3 angles = CVector3::GetDirectionAngles(turnedX);
    // What is left of the turned Y axis once the turns about Z and Y are
    // taken back is the turn about X.
    CMatrix4 back;
    back.RotateZ(-angles.GetZ());
    back.RotateY(-angles.GetY());
    const CVector3 rest = TransformPoint(turnedY, back);
    const double aboutX = std::abs(rest.GetY()) + std::abs(rest.GetZ()) > 0.0f
                              ? InFullTurn(Degrees(std::atan2(rest.GetZ(), rest.GetY())))
                              : 0.0;
    return CVector3(static_cast<float>(aboutX), static_cast<float>(InFullTurn(angles.GetY())),
                    static_cast<float>(InFullTurn(angles.GetZ())));
}

void BeginRotate(CMouseToolController& c, int x, int y) {
    Begin(c, x, y, Transform::rotate);
}

void BeginScale(CMouseToolController& c, int x, int y) {
    Begin(c, x, y, Transform::scale);
}

void DragRotate(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeTransformableObject();
    const CCamera* camera = c.GetCamera();
    if (!doc || !obj || !camera)
        return;
    const float a = DragAngle(c, x, y);

    CHandleState& handles = c.GetPane().GetHandleState();
    const auto& h = handles.m_highlight;
    const bool handlePicked = handles.IsAnyHighlighted();
    CMatrix4 r;
    if (handlePicked && !h[CHandleState::handleCentre]) {
        if (h[CHandleState::handleX])
            r.RotateX(a);
        else if (h[CHandleState::handleY])
            r.RotateY(a);
        else
            r.RotateZ(a);
    } else {
        r = ViewAxisRotation(*camera, a);
    }
    handles.m_rotateState = CVector3(a, a, a);
    const CVector3 angles = GetRotationAngles(r);
    ShowTransformFeedback(angles, CTransformBarServices::readoutRotation);

    const AxisMask axes = handlePicked ? AxisMask{1, 1, 1} : doc->m_axisEnabled;
    TransformFromStarts(c.m_scratch, *obj, MovedPoints::selected, AboutCentre(handles.m_rotationCentre, r), r,
                        axes);
    FinishStep(c, *obj, *doc, "Rotate " + FormatFloat(a, 4) + " < " + FormatVector(angles) + " >");
}

void DragScale(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeTransformableObject();
    if (!doc || !obj)
        return;
    const float f = DragFactor(c, x, y);

    const CHandleState& handles = c.GetPane().GetHandleState();
    const auto& h = handles.m_highlight;
    AxisMask axes = doc->m_axisEnabled;
    if (handles.IsAnyHighlighted())
        for (size_t axis = 0; axis < 3; ++axis)
            axes[axis] = h[axis] || h[CHandleState::handleCentre] ? 1 : 0;
    const CVector3 shown(axes[0] ? f : 1.0f, axes[1] ? f : 1.0f, axes[2] ? f : 1.0f);
    ShowTransformFeedback(shown, CTransformBarServices::readoutScale);

    CMatrix4 s;
    s.Scale(f, f, f);
    TransformFromStarts(c.m_scratch, *obj, MovedPoints::selected, AboutCentre(c.m_scaleCentre, s), s, axes);
    FinishStep(c, *obj, *doc, "Scale < " + FormatVector(shown) + " >");
}

void EndRotateScale(CMouseToolController& c, int, int) {
    CHandleState& handles = c.GetPane().GetHandleState();
    handles.m_rotating = 0;
    handles.m_rotateState = CVector3();
    CSpatchObj* obj = TakeTransformableObject();
    if (!obj)
        return;
    c.m_scratch.DeleteAllVertices();
    c.m_scratch.DeleteAllCurves();
    obj->UpdateCurveHandles();
    SendToRegisteredWindows(notifyHideStatusText);
    RedrawAllPanes();
}
