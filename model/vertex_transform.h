#pragma once
// Affine maps of a patch object's control points that carry its curves with
// them: each chosen point moves by the point matrix, and the manual handle
// offsets of the nodes on it, which are directions, turn and stretch by the
// handle matrix (the same map without its translations). Automatic handles
// follow from the points when the handles are updated, which every function
// here does last.
#include "model/matrix4.h"

class CSpatchObj;

struct CVertexMap {
    CMatrix4 m_points;
    CMatrix4 m_handles;
};

// T(-centre) * RotateX(x) * RotateY(y) * RotateZ(z) * T(centre), degrees.
CVertexMap RotationAbout(const CVector3& centre, const CVector3& degrees);
// T(-centre) * Scale(x, y, z) * T(centre).
CVertexMap ScalingAbout(const CVector3& centre, const CVector3& factors);

enum class VertexChoice { selected, all };

void TransformVertices(CSpatchObj& obj, const CVertexMap& map, VertexChoice which);
void MoveVertices(CSpatchObj& obj, const CVector3& offset, VertexChoice which);
