#pragma once
// The world offset of an edit drag: the cursor's motion since the press,
// turned into the view plane at a depth and into world axes by the pane
// camera, constrained per axis, snapped to the pane's grid where its grid
// lock is on, kept in the plane of a fixed view, and shown in the transform
// bar's translate read-out. The light, control-point and material-axis
// tools share it; the translate tool chooses its own constraint.
#include "model/vector3.h"

#include <array>

class CMouseToolController;

struct CDragConstraint {
    // 0 or 1 per axis x, y, z: what the offset keeps of each axis.
    std::array<int, 3> m_axes{1, 1, 1};
    // With Shift held, only the larger of the horizontal and vertical motion counts.
    bool m_shiftKeepsDominant = true;
};

// The offset of a drag of the controller's left button to (x, y).
CVector3 ViewPlaneDragOffset(CMouseToolController& c, int x, int y, float depth,
                             const CDragConstraint& constraint);
// The document's transform axis switches with the Shift rule: the usual constraint.
CDragConstraint DocumentAxisConstraint();

// dx + dy of the cursor since the left press, dy upwards: what the
// one-dimensional drags turn into angles and factors.
int PixelsFromPress(const CMouseToolController& c, int x, int y);
// A rotate drag's turn: a degree a pixel; with Shift whole multiples of 45
// towards zero.
float DragAngle(const CMouseToolController& c, int x, int y);
// A scale drag's factor: 1 and a hundredth a pixel, never below 0; with
// Shift a whole factor towards zero.
float DragFactor(const CMouseToolController& c, int x, int y);

// The nearest multiple of spacing, halves away from zero. A spacing of 0 or
// below snaps nothing: the value comes back unchanged.
float SnapToGrid(float value, float spacing);
// A point snapped so on each axis whose grid lock is on in the
// controller's pane.
CVector3 SnapToPaneGrid(const CMouseToolController& c, const CVector3& p);
// The start of a single dragged point or handle: on each locked axis cut
// towards zero to a multiple of the pane's grid spacing (none at a spacing
// of 0 or below), so that the snapped offset lands it on the grid.
void SnapStartToPaneGrid(const CMouseToolController& c, CVector3& start);
