#pragma once
// Patch objects built from curves for tests and benchmarks: grids, fans and
// pentagons. Header-only and free of the test framework, so a benchmark can
// build the same shapes.
#include "model/spatch_obj.h"

#include <cmath>
#include <memory>
#include <vector>

namespace qf::test {

// A curve through the given points in order, with its nodes and the links
// from each point back to its node. Handles are not updated.
inline CCurve* AddCurveThrough(CSpatchObj& obj, const std::vector<CPatchVertex*>& points,
                               bool closed = false) {
    CCurve* curve = obj.AddCurve();
    curve->m_closed = closed ? 1 : 0;
    for (CPatchVertex* point : points) {
        CCurvePoint* node = obj.AddCurvePoint(curve);
        node->m_vertex = point;
        CVertexLink* link = obj.AddVertexLink(point);
        link->m_curve = curve;
        link->m_node = node;
    }
    return curve;
}

// n x n unit cells in the XZ plane (y = 0), points row by row from (0, 0, 0)
// with x running fastest; n + 1 open curves along X, then n + 1 along Z.
// Handles are up to date.
inline std::unique_ptr<CSpatchObj> MakeFlatQuadGrid(int n) {
    auto obj = std::make_unique<CSpatchObj>();
    const int side = n + 1;
    std::vector<CPatchVertex*> points;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
            points.push_back(obj->AddVertex(static_cast<float>(column), 0.0f, static_cast<float>(row)));
    auto addLine = [&](int first, int stride) {
        std::vector<CPatchVertex*> line;
        for (int i = 0; i < side; ++i)
            line.push_back(points[first + i * stride]);
        AddCurveThrough(*obj, line);
    };
    for (int row = 0; row < side; ++row)
        addLine(row * side, 1);
    for (int column = 0; column < side; ++column)
        addLine(column, side);
    obj->UpdateCurveHandles();
    return obj;
}

// The object's control points in list order.
inline std::vector<CPatchVertex*> PointsOf(const CSpatchObj& obj) {
    std::vector<CPatchVertex*> points;
    for (CPatchVertex* v : obj.GetVertices())
        points.push_back(v);
    return points;
}

// The control points along curve, in node order.
inline std::vector<CPatchVertex*> PointsAlong(const CCurve& curve) {
    std::vector<CPatchVertex*> points;
    for (const CCurvePoint* node : curve.m_nodes)
        points.push_back(node->m_vertex);
    return points;
}

// Node index of curve index of obj; null when either does not exist.
inline CCurvePoint* NodeAt(const CSpatchObj& obj, int curve, int node) {
    const CCurve* c = obj.GetCurves().GetAtIndex(curve);
    return c ? c->m_nodes.GetAtIndex(node) : nullptr;
}

// n points on the unit circle in the XZ plane at height y, counter-clockwise
// seen from above, starting on +X.
inline std::vector<CPatchVertex*> AddRing(CSpatchObj& obj, int n, float y = 0.0f) {
    std::vector<CPatchVertex*> ring;
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * 3.14159265358979 * i / n;
        ring.push_back(obj.AddVertex(static_cast<float>(std::cos(a)), y, static_cast<float>(-std::sin(a))));
    }
    return ring;
}

// n triangles round a centre raised to height 0.5: a closed rim curve through
// n points of the unit circle (points 1..n; the centre is point 0) and one
// straight spoke from the centre to each. Handles are up to date.
inline std::unique_ptr<CSpatchObj> MakeTriangleFan(int n) {
    auto obj = std::make_unique<CSpatchObj>();
    CPatchVertex* centre = obj->AddVertex(0.0f, 0.5f, 0.0f);
    const std::vector<CPatchVertex*> rim = AddRing(*obj, n);
    AddCurveThrough(*obj, rim, true);
    for (CPatchVertex* point : rim)
        AddCurveThrough(*obj, {centre, point});
    obj->UpdateCurveHandles();
    return obj;
}

// A regular pentagon in the XZ plane, one straight curve per side, its five
// points flagged for five-sided patches and the object's fivePointOn set.
// Handles are up to date.
inline std::unique_ptr<CSpatchObj> MakeFlaggedPentagon() {
    auto obj = std::make_unique<CSpatchObj>();
    const std::vector<CPatchVertex*> ring = AddRing(*obj, 5);
    for (int i = 0; i < 5; ++i) {
        ring[i]->m_fivePoint = 1;
        AddCurveThrough(*obj, {ring[i], ring[(i + 1) % 5]});
    }
    obj->SetFivePointOn(1);
    obj->UpdateCurveHandles();
    return obj;
}

// The flagged pentagon with a quad on its side from point 0 to point 1 and a
// triangle on its side from point 2 to point 3, built outward from unflagged
// points 5, 6 (the quad) and 7 (the triangle's apex).
inline std::unique_ptr<CSpatchObj> MakePentagonWithNeighbours() {
    auto obj = MakeFlaggedPentagon();
    const std::vector<CPatchVertex*> ring = PointsOf(*obj);
    auto outward = [&](const CVector3& p) { return obj->AddVertex(p.GetX() * 2, p.GetY(), p.GetZ() * 2); };
    CPatchVertex* a = outward(*ring[0]);
    CPatchVertex* b = outward(*ring[1]);
    CPatchVertex* apex = outward((*ring[2] + *ring[3]) * 0.5f);
    AddCurveThrough(*obj, {ring[0], a, b, ring[1]});
    AddCurveThrough(*obj, {ring[2], apex, ring[3]});
    obj->UpdateCurveHandles();
    return obj;
}

} // namespace qf::test
