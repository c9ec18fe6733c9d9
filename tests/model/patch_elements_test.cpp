#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>

using qf::test::AddCurveThrough;
using qf::test::MakeFlatQuadGrid;

using qf::test::ExpectVectorNear;

namespace {

void SetEdge(CPatch& patch, int i, const CSpatchObj& obj, int curve, int start, int end, int direction) {
    const CCurve* c = obj.GetCurves().GetAtIndex(curve);
    patch.m_edges[i] = {c->m_nodes.GetAtIndex(start), c->m_nodes.GetAtIndex(end)};
    patch.m_curves[i] = obj.GetCurves().GetAtIndex(curve);
    patch.m_direction[i] = direction;
}

} // namespace

TEST(PatchElementsTest, HiddenPointsAndLinks) {
    CSpatchObj obj;
    CPatchVertex* a = obj.AddVertex(1, 2, 3);
    CPatchVertex* b = obj.AddVertex(4, 5, 6);
    a->m_hidden = 1;
    a->SetSelected(1);
    EXPECT_EQ(a->m_selected, 0) << "a hidden point is never selected";
    EXPECT_EQ(obj.AddVertexLink(nullptr), nullptr);
    EXPECT_EQ(obj.AddCurvePoint(nullptr), nullptr);
    CCurve* first = AddCurveThrough(obj, {a, b});
    CCurve* second = AddCurveThrough(obj, {b, a});
    a->RemoveLinkToNode(second->m_nodes.GetTail());
    ASSERT_EQ(a->m_links.GetCount(), 1);
    EXPECT_EQ(a->m_links.GetHead()->m_curve, first) << "only the link to that node goes";
    b->SetSelected(1);
    a->m_fivePoint = 1;
    b->CopyFlags(*a);
    EXPECT_EQ(b->m_hidden + b->m_fivePoint, 2);
    EXPECT_EQ(b->m_selected, 1) << "the selection does not travel with the flags";
    EXPECT_TRUE(*b == CVector3(4, 5, 6)) << "nor the position";
}

TEST(PatchElementsTest, SegmentEvaluation) {
    CSpatchObj obj;
    CPatchVertex* a = obj.AddVertex(0, 0, 0);
    CPatchVertex* b = obj.AddVertex(3, 0, 0);
    CCurve* curve = AddCurveThrough(obj, {a, b, obj.AddVertex(3, 3, 0)});
    obj.UpdateCurveHandles();
    ExpectVectorNear(curve->EvaluateSegment(0, 0.0f), *a, "start of the first segment");
    ExpectVectorNear(curve->EvaluateSegment(0, 1.0f), *b, "end of the first segment");
    ExpectVectorNear(curve->EvaluateSegment(2, 1.0f), *a, "the last node runs on to node 0");
    ExpectVectorNear(curve->EvaluateSegment(3, 0.5f), CVector3(), "no node 3");
    const CVector3 mid =
        (*a + *b) * 0.125f +
        (curve->m_nodes.GetHead()->m_handleOut + curve->m_nodes.GetAtIndex(1)->m_handleIn) * 0.375f;
    ExpectVectorNear(curve->EvaluateSegment(0, 0.5f), mid, "Bernstein weights at one half");
}

TEST(PatchElementsTest, QuadNetAndReversal) {
    // The one cell of the grid: v0 -> v1 along row 0, on to v3 along column 1,
    // back to v2 against row 1's node order and down column 0 against its order.
    auto grid = MakeFlatQuadGrid(1);
    CPatch cell;
    cell.m_sides = 4;
    SetEdge(cell, 0, *grid, 0, 0, 1, 1);
    SetEdge(cell, 1, *grid, 3, 0, 1, 1);
    SetEdge(cell, 2, *grid, 1, 1, 0, 0);
    SetEdge(cell, 3, *grid, 2, 1, 0, 0);
    PatchNet net{};
    cell.BuildNet(net);
    // Straight two-node curves put their handles at 0.3 and 0.7 of each side.
    const float u[4] = {0.0f, 0.3f, 0.7f, 1.0f};
    for (int i = 0; i < 16; ++i)
        ExpectVectorNear(GetNetPoint(net, i), CVector3(u[i % 4], 0, u[i / 4]), "P" + std::to_string(i));

    // Reversed, the corners run the other way round, which transposes the net.
    CPatch reversed = cell;
    reversed.Reverse();
    EXPECT_EQ(reversed.GetCorner(1), cell.GetCorner(3));
    PatchNet transposed{};
    reversed.BuildNet(transposed);
    for (int i = 0; i < 16; ++i)
        ExpectVectorNear(GetNetPoint(transposed, i), GetNetPoint(net, (i % 4) * 4 + i / 4),
                         "P" + std::to_string(i));
    reversed.Reverse();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(reversed.m_edges[i].m_start, cell.m_edges[i].m_start);
        EXPECT_EQ(reversed.m_curves[i], cell.m_curves[i]);
        EXPECT_EQ(reversed.m_direction[i], cell.m_direction[i]);
    }
}

TEST(PatchElementsTest, TriangleNetCollapsesOntoTheThirdCorner) {
    CSpatchObj obj;
    CPatchVertex* a = obj.AddVertex(0, 0, 0);
    CPatchVertex* b = obj.AddVertex(1, 0, 0);
    CPatchVertex* c = obj.AddVertex(0, 0, 1);
    AddCurveThrough(obj, {a, b});
    AddCurveThrough(obj, {b, c});
    AddCurveThrough(obj, {c, a});
    obj.UpdateCurveHandles();
    CPatch triangle;
    triangle.m_sides = 3;
    for (int i = 0; i < 3; ++i)
        SetEdge(triangle, i, obj, i, 0, 1, 1);
    PatchNet net{};
    triangle.BuildNet(net);
    const CVector3 expected[16] = {
        {0, 0, 0},       {0.3f, 0, 0},    {0.7f, 0, 0}, {1, 0, 0},       {0, 0, 0.3f},    {0.3f, 0, 0.3f},
        {0.4f, 0, 0.3f}, {0.7f, 0, 0.3f}, {0, 0, 0.7f}, {0.3f, 0, 0.4f}, {0.3f, 0, 0.4f}, {0.3f, 0, 0.7f},
        {0, 0, 1},       {0, 0, 1},       {0, 0, 1},    {0, 0, 1},
    };
    for (int i = 0; i < 16; ++i)
        ExpectVectorNear(GetNetPoint(net, i), expected[i], "P" + std::to_string(i));

    triangle.m_edges[1].m_end = nullptr;
    net[0] = 42.0f;
    triangle.BuildNet(net);
    EXPECT_EQ(net[0], 42.0f) << "an unset edge leaves the net alone";
}

TEST(PatchElementsTest, FiveSidedReverseAndClear) {
    CSpatchObj obj;
    std::vector<CPatchVertex*> corners;
    for (int i = 0; i < 5; ++i)
        corners.push_back(obj.AddVertex(static_cast<float>(i), 0, 0));
    CCurve* ring = AddCurveThrough(obj, corners, true);
    CFivePointPatch patch;
    for (int i = 0; i < 5; ++i) {
        patch.m_edges[i] = {ring->m_nodes.GetAtIndex(i), ring->m_nodes.GetAtIndex((i + 1) % 5)};
        patch.m_direction[i] = 1;
    }
    patch.Reverse();
    EXPECT_EQ(patch.GetCorner(0), corners[0]);
    EXPECT_EQ(patch.GetCorner(1), corners[4]);
    EXPECT_EQ(patch.m_direction[0], 0);
    patch.Reverse();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(patch.GetCorner(i), corners[i]);
    patch.Clear();
    EXPECT_EQ(patch.GetCorner(0), nullptr);
}
