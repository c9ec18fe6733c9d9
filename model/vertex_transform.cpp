#include "model/vertex_transform.h"

#include "model/spatch_obj.h"

namespace {

template <class Fn> void ForEachChosen(CSpatchObj& obj, VertexChoice which, Fn fn) {
    for (CPatchVertex* v : obj.GetVertices())
        if (which == VertexChoice::all || v->m_selected)
            fn(*v);
}

CMatrix4 CentredAt(const CVector3& centre, const CMatrix4& inner) {
    CMatrix4 m;
    m.Translate(-centre.GetX(), -centre.GetY(), -centre.GetZ());
    m.Multiply(m, inner);
    m.TranslateBy(centre);
    return m;
}

} // namespace

CVertexMap RotationAbout(const CVector3& centre, const CVector3& degrees) {
    CVertexMap map;
    map.m_handles.RotateX(degrees.GetX());
    map.m_handles.RotateY(degrees.GetY());
    map.m_handles.RotateZ(degrees.GetZ());
    map.m_points = CentredAt(centre, map.m_handles);
    return map;
}

CVertexMap ScalingAbout(const CVector3& centre, const CVector3& factors) {
    CVertexMap map;
    map.m_handles.Scale(factors.GetX(), factors.GetY(), factors.GetZ());
    map.m_points = CentredAt(centre, map.m_handles);
    return map;
}

void TransformVertices(CSpatchObj& obj, const CVertexMap& map, VertexChoice which) {
    ForEachChosen(obj, which, [&](CPatchVertex& v) {
        static_cast<CVector3&>(v) = v.Transform(map.m_points);
        for (CVertexLink* link : v.m_links) {
            CCurvePoint* node = link->m_node;
            if (!node)
                continue;
            if (node->m_manualIn)
                node->m_offsetIn = node->m_offsetIn.Transform(map.m_handles);
            if (node->m_manualOut)
                node->m_offsetOut = node->m_offsetOut.Transform(map.m_handles);
        }
    });
    obj.UpdateCurveHandles();
}

void MoveVertices(CSpatchObj& obj, const CVector3& offset, VertexChoice which) {
    ForEachChosen(obj, which, [&](CPatchVertex& v) { v += offset; });
    obj.UpdateCurveHandles();
}
