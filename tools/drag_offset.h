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

// The nearest multiple of spacing, halves away from zero. A spacing of 0 or
// below snaps nothing: the value comes back unchanged.
float SnapToGrid(float value, float spacing);
