#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>

using qf::test::AddCurveThrough;
using qf::test::MakeFlatQuadGrid;

using qf::test::ExpectVectorNear;

namespace {

// A curve through the points with its handles derived; returns its nodes.
std::vector<CCurvePoint*> CurveThrough(CSpatchObj& obj, const std::vector<CVector3>& points, bool closed) {
    std::vector<CPatchVertex*> vertices;
    for (const CVector3& p : points)
        vertices.push_back(obj.AddVertex(p.GetX(), p.GetY(), p.GetZ()));
    std::vector<CCurvePoint*> nodes;
    for (CCurvePoint* node : AddCurveThrough(obj, vertices, closed)->m_nodes)
        nodes.push_back(node);
    obj.UpdateCurveHandles();
    return nodes;
}

} // namespace

TEST(CurveHandleTest, SmoothSharpAndEndNodes) {
    const CVector3 a(0, 0, 0), b(1, 0, 0), c(3, 2, 0);
    CSpatchObj obj;
    const auto n = CurveThrough(obj, {a, b, c}, false);
    // The inner node's handles lie on the chord a-c, each 0.3 of the distance to its neighbour.
    const CVector3 chord = CVector3(c - a).Normalize();
    ExpectVectorNear(n[1]->m_handleIn, b - chord * (0.3f * (a - b).Length()), "smooth incoming");
    ExpectVectorNear(n[1]->m_handleOut, b + chord * (0.3f * (c - b).Length()), "smooth outgoing");
    ExpectVectorNear(n[0]->m_handleOut, a + (b - a) * 0.3f, "an open start points at the next point");
    ExpectVectorNear(n[2]->m_handleIn, c + (b - c) * 0.3f, "an open end points at the previous point");
    ExpectVectorNear(n[0]->m_handleIn, a - CVector3(b - c).Normalize() * (0.3f * (c - a).Length()),
                     "an unused end handle still sees the wrapped neighbour");

    n[1]->m_sharp = 1;
    n[1]->m_weight = 0.5f;
    n[1]->m_manualIn = 1;
    n[1]->m_offsetIn = CVector3(0, 0, 2);
    obj.UpdateCurveHandles();
    ExpectVectorNear(n[1]->m_handleIn, b + CVector3(0, 0, 2), "a manual handle wins");
    ExpectVectorNear(n[1]->m_handleOut, b + (c - b) * 0.5f,
                     "sharp: straight at the next point, by the weight");

    CSpatchObj shapes;
    const auto square = CurveThrough(shapes, {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}}, true);
    ExpectVectorNear(square[0]->m_handleOut, CVector3(1, -1, 0).Normalize() * 0.6f,
                     "a closed curve's first node is smooth");
    const auto pair = CurveThrough(shapes, {{0, 0, 0}, {4, 0, 0}}, true);
    ExpectVectorNear(pair[0]->m_handleIn, CVector3(1.2f, 0, 0), "prev and next coincide: the sharp rule");
    const auto doubled = CurveThrough(shapes, {{0, 0, 0}, {1, 1, 0}, {1, 1, 0}, {3, 0, 0}}, false);
    ExpectVectorNear(doubled[1]->m_handleOut, CVector3(1, 1, 0), "a zero-length segment has no handle");
}

TEST(CurveHandleTest, WeightAndSharpChooseTheirNodes) {
    // Curves: 0 row z=0 (v0 v1), 1 row z=1 (v2 v3), 2 column x=0 (v0 v2), 3 column x=1 (v1 v3).
    auto grid = MakeFlatQuadGrid(1);
    auto node = [&](int curve, int i) { return grid->GetCurves().GetAtIndex(curve)->m_nodes.GetAtIndex(i); };
    auto vertex = [&](int i) { return grid->GetVertices().GetAtIndex(i); };
    vertex(0)->SetSelected(1);
    vertex(1)->SetSelected(1);
    grid->AddWeight(0.1f);
    for (auto [curve, i] : {std::pair{0, 0}, {0, 1}, {2, 0}, {3, 0}})
        EXPECT_FLOAT_EQ(node(curve, i)->m_weight, 0.4f) << "no selected node: every node on a selected point";
    EXPECT_FLOAT_EQ(node(1, 0)->m_weight, 0.3f);
    ExpectVectorNear(node(0, 0)->m_handleOut, CVector3(0.4f, 0, 0), "handles follow the weight");

    node(3, 1)->m_selected = 1;
    grid->SetSharp(1);
    EXPECT_EQ(node(3, 0)->m_sharp + node(0, 0)->m_sharp, 0) << "the first selected point is not on curve 3";
    node(0, 1)->m_selected = 1;
    node(0, 0)->m_manualOut = 1;
    grid->SetSharp(1);
    EXPECT_EQ(node(0, 0)->m_sharp, 1) << "curve 0 is now the selected curve";
    EXPECT_FLOAT_EQ(node(0, 0)->m_weight, 0.3f);
    EXPECT_EQ(node(0, 0)->m_manualOut, 0) << "sharpening drops the manual handle";
    EXPECT_EQ(node(0, 1)->m_sharp + node(2, 0)->m_sharp, 0)
        << "not the first selected point, or not this curve";

    grid->SelectAllVertices(0);
    vertex(3)->SetX(5);
    grid->SetNetsDirty(0);
    grid->AddWeight(1.0f);
    EXPECT_FLOAT_EQ(node(1, 1)->m_weight, 0.3f) << "nothing selected changes no weight";
    ExpectVectorNear(node(1, 0)->m_handleOut, CVector3(1.5f, 0, 1), "but the handles are recomputed");
    EXPECT_EQ(grid->GetNetsDirty(), 1);
}
