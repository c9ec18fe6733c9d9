#include "tools/transform_starts.h"

#include "model/camera.h"
#include "model/spatch_obj.h"

namespace {

bool IsMoved(const CPatchVertex& v, MovedPoints which) {
    return which == MovedPoints::all || v.m_selected;
}

void SetAxes(CVector3& target, const CVector3& value, const AxisMask& axes) {
    if (axes[0])
        target.SetX(value.GetX());
    if (axes[1])
        target.SetY(value.GetY());
    if (axes[2])
        target.SetZ(value.GetZ());
}

} // namespace

void CopyPointStarts(CSpatchObj& starts, const CSpatchObj& obj, MovedPoints which) {
    CCurve* saved = starts.AddCurve();
    for (const CPatchVertex* v : obj.GetVertices()) {
        if (!IsMoved(*v, which))
            continue;
        starts.AddVertex(v->GetX(), v->GetY(), v->GetZ())->m_selected = 1;
        for (const CVertexLink* link : v->m_links) {
            CCurvePoint* copy = starts.AddCurvePoint(saved);
            if (link->m_node) {
                copy->m_offsetIn = link->m_node->m_offsetIn;
                copy->m_offsetOut = link->m_node->m_offsetOut;
            }
        }
    }
}

void TransformFromStarts(const CSpatchObj& starts, CSpatchObj& obj, MovedPoints which, const CMatrix4& points,
                         const CMatrix4& offsets, const AxisMask& axes) {
    const CObjList<CPatchVertex>& copies = starts.GetVertices();
    const CCurve* saved = starts.GetCurves().IsEmpty() ? nullptr : starts.GetCurves().GetHead();
    POSITION start = copies.GetHeadPosition();
    POSITION node = saved ? saved->m_nodes.GetHeadPosition() : nullptr;
    for (CPatchVertex* v : obj.GetVertices()) {
        if (!IsMoved(*v, which))
            continue;
        if (!start)
            break;
        SetAxes(*v, TransformPoint(*copies.GetNext(start), points), axes);
        for (CVertexLink* link : v->m_links) {
            if (!node)
                break;
            const CCurvePoint* offset = saved->m_nodes.GetNext(node);
            CCurvePoint* live = link->m_node;
            if (!live)
                continue;
            if (live->m_manualIn)
                SetAxes(live->m_offsetIn, TransformPoint(offset->m_offsetIn, offsets), axes);
            if (live->m_manualOut)
                SetAxes(live->m_offsetOut, TransformPoint(offset->m_offsetOut, offsets), axes);
        }
    }
}

CMatrix4 AboutCentre(const CVector3& centre, const CMatrix4& transform) {
    CMatrix4 m;
    m.TranslateBy(centre * -1.0f);
    m.Multiply(m, transform);
    m.TranslateBy(centre);
    return m;
}

CMatrix4 ViewAxisRotation(const CCamera& camera, float degrees) {
    // No turn is exactly none, so a drag back to its press restores every point.
    if (degrees == 0.0f)
        return CMatrix4();
    const float yaw = camera.GetYaw();
    const float pitch = camera.GetPitch();
    CMatrix4 r;
    r.RotateY(-yaw);
    r.RotateX(-pitch);
    r.RotateZ(-camera.m_roll);
    r.RotateZ(degrees);
    r.RotateZ(camera.m_roll);
    r.RotateX(pitch);
    r.RotateY(yaw);
    return r;
}
