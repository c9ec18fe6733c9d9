#include "tools/camera_drag.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/mouse_tool_controller.h"
#include "tools/status_text.h"
#include "tools/tool_pane.h"
#include "tools/view_plane.h"

#include <algorithm>

namespace {

// The eye keeps this far beyond the near plane while zooming in.
constexpr double kZoomMargin = 1.2;
// Nearer than this the line from eye to target loses its direction to the
// rounding of the coordinates, and a zoom out by a share of nothing stays put.
constexpr double kMinEyeDistance = 0.1;
// The rotate drags stop just short of straight up or down: there the heading
// would be lost, and the next step would turn the view half round.
constexpr double kMaxElevation = 89.9;
// Eye and target are rounded to four decimals after every step.
constexpr double kRoundingStep = 1e-4;
constexpr float kMinViewAngle = 1.0f;
constexpr float kMaxViewAngle = 175.0f;
// Degrees per pixel of the rotate drags, before the rotation speed.
constexpr double kDegreesPerPixel = 0.1;

// The offset of this event from the previous one, y counted upwards.
CPoint StepOf(const CMouseToolController& c, int x, int y) {
    return CPoint(x - c.m_lastPoint.x, c.m_lastPoint.y - y);
}

CPoint Negated(CPoint p) {
    return CPoint(-p.x, -p.y);
}

// One event of a camera drag: the document, this pane's camera (null
// without a document) and the event's offset, negated when the document's
// reverse setting says so.
struct CCameraStep {
    const CQuelDoc* doc = nullptr;
    CCamera* camera = nullptr;
    CPoint d;
};

// The step of this event; the camera before the first change of a drag goes
// onto the view history.
CCameraStep TakeStep(CMouseToolController& c, int x, int y, int CCoreSettings::*reverse = nullptr) {
    CCameraStep step;
    step.doc = GetDoc();
    step.camera = step.doc ? c.GetCamera() : nullptr;
    if (!step.camera)
        return step;
    if (!c.m_moved)
        c.PushViewHistory();
    step.d = StepOf(c, x, y);
    if (reverse && step.doc->m_settings.*reverse)
        step.d = Negated(step.d);
    return step;
}

// The end of every step: the camera in the status text, the pane redrawn.
void ShowStep(CMouseToolController& c, CCamera& camera, bool round) {
    if (round)
        camera.RoundCoordinates();
    SetStatusText("Location < " + FormatVector(camera.m_eye) + " > Look_at < " +
                  FormatVector(camera.m_target) + " > Angle " + FormatFloat(camera.m_angle, 4));
    c.GetPane().RedrawAll();
}

bool RotationLocked(const CQuelDoc& doc, const CCamera& camera) {
    return doc.m_disableRotate && (camera.IsTopView() || camera.IsFrontView() || camera.IsSideView());
}

// point turned about centre: its heading by turn and its elevation by tilt
// degrees, the elevation stopping just short of straight up or down.
CVector3 Orbit(const CVector3& point, const CVector3& centre, double turn, double tilt) {
    const CVector3 d = point - centre;
    const float azimuth = d.GetAzimuth();
    const float elevation = d.GetElevation();
    const float tilted = static_cast<float>(std::clamp(elevation + tilt, -kMaxElevation, kMaxElevation));
    CMatrix4 m;
    m.TranslateBy(centre * -1.0f);
    m.RotateY(-azimuth);
    m.RotateX(-elevation);
    m.RotateX(tilted);
    m.RotateY(static_cast<float>(azimuth + turn));
    m.TranslateBy(centre);
    return TransformPoint(point, m);
}

void AddToCoordinate(CVector3& point, int axis, float delta) {
    switch (axis) {
    case 0:
        point.SetX(point.GetX() + delta);
        break;
    case 1:
        point.SetY(point.GetY() + delta);
        break;
    case 2:
        point.SetZ(point.GetZ() + delta);
        break;
    default:
        break;
    }
}

// Rotate 1 moves the eye about the target, rotate 2 the target about the
// eye; rotate 2 counts dy downwards.
void Rotate(CMouseToolController& c, int x, int y, bool moveEye) {
    const CQuelDoc* doc = GetDoc();
    const CCamera* current = c.GetCamera();
    if (!doc || !current || RotationLocked(*doc, *current))
        return;
    CCameraStep step = TakeStep(c, x, y, &CCoreSettings::m_rotateReverse);
    CCamera& camera = *step.camera;
    if (!moveEye)
        step.d.y = -step.d.y;
    const double factor = kDegreesPerPixel * doc->m_settings.m_cameraRotateSpeed;
    if (moveEye)
        camera.m_eye = Orbit(camera.m_eye, camera.m_target, step.d.x * factor, step.d.y * factor);
    else
        camera.m_target = Orbit(camera.m_target, camera.m_eye, step.d.x * factor, step.d.y * factor);
    ShowStep(c, camera, true);
}

void MoveCoordinate(CMouseToolController& c, int axis, int x, int y, bool eye) {
    const CCameraStep step = TakeStep(c, x, y);
    if (!step.camera)
        return;
    const auto delta = static_cast<float>(step.d.y + step.d.x * 0.1);
    AddToCoordinate(eye ? step.camera->m_eye : step.camera->m_target, axis, delta);
    ShowStep(c, *step.camera, true);
}

} // namespace

void BeginCameraDrag(CMouseToolController& c, int, int) {
    const CQuelDoc* doc = GetDoc();
    if (doc && doc->m_openGLSetting.use_displaylist)
        c.GetPane().BuildDisplayList();
}

void EndCameraDrag(CMouseToolController& c, int, int) {
    c.GetPane().DeleteDisplayList();
    SendToRegisteredWindows(notifyHideStatusText);
}

void DragOrbitEye(CMouseToolController& c, int x, int y) {
    Rotate(c, x, y, true);
}

void DragTurnTarget(CMouseToolController& c, int x, int y) {
    Rotate(c, x, y, false);
}

void DragPan(CMouseToolController& c, int x, int y) {
    const CCameraStep step = TakeStep(c, x, y, &CCoreSettings::m_moveReverse);
    if (!step.camera)
        return;
    CCamera& camera = *step.camera;
    const float distance = (camera.m_eye - camera.m_target).Length();
    const CVector3 plane = PixelDeltaToViewPlane(camera, c.GetPaneSize(), step.d.x, step.d.y, distance);
    // The scene follows the cursor, so the camera moves the other way.
    CVector3 w = ViewToWorldDirection(camera, plane) * -1.0f;
    KeepInFixedViewPlane(camera, w);
    camera.m_eye += w;
    camera.m_target += w;
    ShowStep(c, camera, true);
}

bool ZoomCamera(CCamera& camera, double factor, double nearDistance) {
    CVector3 v = camera.m_eye - camera.m_target;
    const double distance = v.Length();
    double wanted = distance * factor;
    // Once inside the limit every step goes, so the eye can always back out.
    const double limit = nearDistance + kZoomMargin;
    if (wanted < limit && distance > limit)
        return false;
    wanted = std::max(wanted, kMinEyeDistance);
    // A step in that the rounding would undo is no step.
    if (factor < 1.0 && wanted > distance - kRoundingStep / 2)
        return false;
    // An eye on the target backs out the way a new perspective pane looks.
    const CVector3 direction = distance > 0.0 ? v * static_cast<float>(1.0 / distance) : CVector3(0, 0, -1);
    camera.m_eye = camera.m_target + direction * static_cast<float>(wanted);
    camera.RoundCoordinates();
    return true;
}

void DragZoom(CMouseToolController& c, int x, int y) {
    const CCameraStep step = TakeStep(c, x, y, &CCoreSettings::m_zoomReverse);
    if (!step.camera)
        return;
    const double factor = 1.0 + (step.d.x + step.d.y) * 0.01;
    if (ZoomCamera(*step.camera, factor, step.doc->m_openGLSetting.near_plane))
        ShowStep(c, *step.camera, true);
}

void DragViewAngle(CMouseToolController& c, int x, int y) {
    const CCameraStep step = TakeStep(c, x, y);
    if (!step.camera)
        return;
    const double angle = step.camera->m_angle + step.d.y + step.d.x * 0.1;
    step.camera->m_angle = static_cast<float>(std::clamp<double>(angle, kMinViewAngle, kMaxViewAngle));
    ShowStep(c, *step.camera, false);
}

void DragDolly(CMouseToolController& c, int x, int y) {
    const CCameraStep step = TakeStep(c, x, y, &CCoreSettings::m_zoomReverse);
    if (!step.camera)
        return;
    CVector3 u = step.camera->m_target - step.camera->m_eye;
    u.Normalize();
    u *= static_cast<float>(step.d.x + step.d.y);
    step.camera->m_eye += u;
    step.camera->m_target += u;
    ShowStep(c, *step.camera, true);
}

void DragLocation(CMouseToolController& c, int axis, int x, int y) {
    MoveCoordinate(c, axis, x, y, true);
}

void DragLookAt(CMouseToolController& c, int axis, int x, int y) {
    MoveCoordinate(c, axis, x, y, false);
}
