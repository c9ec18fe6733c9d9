#pragma once
// The rotate (mode 305) and scale (mode 304) tools turn or scale the selected
// control points of the current object about the centre of the selection,
// with the manual handle offsets of their curve nodes. They need two
// selected points or more. Both measure from the press point, each event
// recomputing every point from its start copy: rotate by (dx + dy) degrees
// (Shift: whole multiples of 45 towards zero), scale by 1 + (dx + dy) / 100,
// never below 0 (Shift: a whole factor towards zero). A picked manipulator
// handle constrains the drag (rotate about that axis; scale along the
// picked axes, Shift on an axis handle the other two); without one the
// rotation turns about the pane's viewing axis and only the coordinates of
// the document's enabled axes change. One drag is one undo step.
#include "model/matrix4.h"
#include "model/vector3.h"

class CMouseToolController;

// The angles about X, Y and Z (degrees, each in [0, 360)) of a rotation,
// for the transform bar's rotate read-out.
CVector3 GetRotationAngles(const CMatrix4& rotation);

void BeginRotate(CMouseToolController& c, int x, int y);
void DragRotate(CMouseToolController& c, int x, int y);
void BeginScale(CMouseToolController& c, int x, int y);
void DragScale(CMouseToolController& c, int x, int y);
// The release of both.
void EndRotateScale(CMouseToolController& c, int x, int y);
