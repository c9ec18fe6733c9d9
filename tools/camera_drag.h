#pragma once
// The camera drags (modes 0 to 11) on the pane's camera in the document.
// Each event moves by its difference to the previous one (dx right, dy up).
// A drag records no undo step: its first move pushes the camera onto the
// pane's view history. Every step rounds eye and target to four decimals
// (the view angle drag excepted), shows the camera in the status text and
// redraws only its own pane, from the display list the press built.
class CCamera;
class CMouseToolController;

// Press and release of a camera mode: the pane's display list (when the
// OpenGL settings use one), dropped again at the release, which also tells
// the registered windows a drag ended.
void BeginCameraDrag(CMouseToolController& c, int x, int y);
void EndCameraDrag(CMouseToolController& c, int x, int y);

// Rotate 1: the eye orbits the target, 0.1 degree per pixel times the
// rotation speed, the elevation kept just within +-90 so the heading survives. Rotate 2: the target turns
// about the eye, dy counted downwards. Both do nothing at all in a top,
// front or side view while the fixed-view rotation lock is on.
void DragOrbitEye(CMouseToolController& c, int x, int y);
void DragTurnTarget(CMouseToolController& c, int x, int y);
// Eye and target together in the view plane at the target's distance; a
// fixed view never drifts along its viewing axis.
void DragPan(CMouseToolController& c, int x, int y);
// The eye along its line to the target by (dx + dy) %, through ZoomCamera.
void DragZoom(CMouseToolController& c, int x, int y);
// The eye to factor times its distance from the target, rounded to four
// decimals. False, changing nothing, for a step that would bring it nearer
// than the near distance + 1.2 while it is still farther, or nearer than
// 0.1 from the target; any step out goes, to at least 0.1 (from an eye on
// the target, backwards along z).
bool ZoomCamera(CCamera& camera, double factor, double nearDistance);
// The view angle by dy + dx / 10 degrees, within 1 and 175.
void DragViewAngle(CMouseToolController& c, int x, int y);
// Eye and target together along the viewing direction, a unit per pixel.
void DragDolly(CMouseToolController& c, int x, int y);
// One coordinate (axis 0 x, 1 y, 2 z) of the eye or the target by dy + dx / 10.
void DragLocation(CMouseToolController& c, int axis, int x, int y);
void DragLookAt(CMouseToolController& c, int axis, int x, int y);
