#pragma once
// The maps behind the typed transforms of the Model and Multi Object menus:
// where Shift Position moves a bounding box, how Align Points sets
// coordinates, the copies of an array, and which objects a multi-object
// transform moves. Free of windows and dialogs; the view's commands ask the
// values and record the undo step.
#include "model/vector3.h"

#include <array>
#include <vector>

class CQuelDoc;
class CSpatchObj;

// The offset that puts the box's centre (action 0), minimum (1) or maximum
// (2) at 0; the components of axes not in use are 0.
CVector3 ShiftPositionOffset(int action, const CVector3& maxCorner, const CVector3& minCorner,
                             const std::array<int, 3>& useAxis);

// Sets the applied coordinates of every selected point to those of position.
void AlignSelectedVertices(CSpatchObj& obj, const CVector3& position, const std::array<int, 3>& apply);

// Copy i of count (from 1) is source scaled about its own centre by
// 1 + i * (scale - 1) per axis, moved by i * translate and turned about the
// world origin by i * rotate degrees; each copy is appended to target
// unselected. target's own points are not touched.
struct CArraySteps {
    int count = 0;
    CVector3 rotate;
    CVector3 scale{1.0f, 1.0f, 1.0f};
    CVector3 translate;
};
void AppendArrayCopies(CSpatchObj& target, CSpatchObj& source, const CArraySteps& steps);

// The patch objects a multi-object transform moves, in list order: chosen
// in the multi-object window, editable and with at least one point; and
// their common bounding box.
struct CObjectGroup {
    std::vector<CSpatchObj*> m_objects;
    CVector3 m_max;
    CVector3 m_min;
    CVector3 GetCenter() const { return (m_max + m_min) / 2.0f; }
};
CObjectGroup CollectMultiSelectedObjects(CQuelDoc& doc);
