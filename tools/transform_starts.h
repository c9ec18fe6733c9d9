#pragma once
// The start copies of a transform drag and the matrices it applies to them.
// A drag that measures from its press keeps, at the press, the positions of
// the points it moves and the manual handle offsets of the curve nodes on
// them; every event then sets each point and handle anew from its copy, so
// a drag brought back to its press restores everything exactly.
#include "model/matrix4.h"
#include "model/vector3.h"

#include <array>

class CCamera;
class CSpatchObj;

using AxisMask = std::array<int, 3>;

// Which points of an object a drag moves.
enum class MovedPoints { selected, all };

// Appends to `starts` a copy of each moved point of obj, in list order, and
// to one new curve of `starts` a node per link of those points holding the
// linked node's two handle offsets.
void CopyPointStarts(CSpatchObj& starts, const CSpatchObj& obj, MovedPoints which);
// Each moved point of obj from its copy through `points`, and each manual
// handle of the nodes on it from its saved offset through `offsets`, on the
// axes of the mask. Copies pair with the moved points in list order.
void TransformFromStarts(const CSpatchObj& starts, CSpatchObj& obj, MovedPoints which, const CMatrix4& points,
                         const CMatrix4& offsets, const AxisMask& axes);

// The matrix that takes a point about centre through `transform`; exactly
// the identity when `transform` is.
CMatrix4 AboutCentre(const CVector3& centre, const CMatrix4& transform);
// A turn by degrees about the camera's viewing axis; exactly none for 0.
CMatrix4 ViewAxisRotation(const CCamera& camera, float degrees);
