#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>
#include <vector>

using qf::test::AddCurveThrough;
using qf::test::AddRing;
using qf::test::CheckLinkInvariants;
using qf::test::ExpectVectorNear;
using qf::test::NodeAt;
using qf::test::PointsOf;

namespace {

// Two closed four-point rings, not connected: the first at y = 0, the second at y = 3.
struct TwoRings {
    TwoRings() {
        first = AddRing(obj, 4, 0.0f);
        second = AddRing(obj, 4, 3.0f);
        AddCurveThrough(obj, first, true);
        AddCurveThrough(obj, second, true);
        obj.UpdateCurveHandles();
    }
    CSpatchObj obj;
    std::vector<CPatchVertex*> first;
    std::vector<CPatchVertex*> second;
};

} // namespace

TEST(SelectionCopyTest, CopiesExactlyTheConnectedPiecesOfTheSelection) {
    TwoRings rings;
    rings.first[2]->SetSelected(1);
    rings.first[1]->m_visible = 0;
    rings.first[3]->m_hidden = 1;
    // A hidden point of the other piece cannot be selected; it must not come along.
    rings.second[0]->m_hidden = 1;
    CSpatchObj clipboard;
    clipboard.AddVertex(7, 7, 7);
    rings.obj.CopySelectionTo(&clipboard);
    ASSERT_EQ(clipboard.GetVertices().GetCount(), 4);
    ASSERT_EQ(clipboard.GetCurves().GetCount(), 1);
    EXPECT_EQ(clipboard.GetCurves().GetHead()->m_closed, 1);
    const std::vector<CPatchVertex*> copy = PointsOf(clipboard);
    for (int i = 0; i < 4; ++i)
        ExpectVectorNear(*copy[i], *rings.first[i], "point " + std::to_string(i));
    EXPECT_EQ(clipboard.CountSelectedVertices(), 0);
    EXPECT_EQ(copy[1]->m_visible, 0) << "the patch-corner switch travels with the copy";
    EXPECT_EQ(copy[3]->m_hidden, 1) << "a hidden point of the piece is copied, still hidden";
    EXPECT_EQ(CheckLinkInvariants(clipboard), "");
    EXPECT_EQ(rings.obj.GetVertices().GetCount(), 8) << "the source is not changed";
    EXPECT_EQ(rings.first[2]->m_selected, 1);
    EXPECT_EQ(rings.second[0]->m_hidden, 1);

    rings.obj.SelectAllVertices(0);
    rings.obj.CopySelectionTo(&clipboard);
    EXPECT_TRUE(clipboard.GetVertices().IsEmpty()) << "nothing selected, nothing copied";
    EXPECT_TRUE(clipboard.GetCurves().IsEmpty());

    rings.first[0]->SetSelected(1);
    rings.obj.CopySelectionTo(&rings.obj);
    EXPECT_EQ(rings.obj.GetVertices().GetCount(), 8) << "copying into itself changes nothing";
}

TEST(SelectionCopyTest, CircleSweptAlongAnOpenCurveMakesRingsAndRails) {
    CSpatchObj obj;
    std::vector<CPatchVertex*> path = {obj.AddVertex(0, 0, 0), obj.AddVertex(2, 0, 0),
                                       obj.AddVertex(4, 0, 0)};
    AddCurveThrough(obj, path);
    obj.UpdateCurveHandles();
    EXPECT_EQ(obj.ExtrudeCircleAlongCurve(0.5f), 0) << "no selected curve";
    EXPECT_EQ(obj.GetCurves().GetCount(), 1);

    NodeAt(obj, 0, 1)->m_selected = 1;
    ASSERT_EQ(obj.ExtrudeCircleAlongCurve(0.5f), 1);
    EXPECT_EQ(obj.GetVertices().GetCount(), 3 + 12);
    ASSERT_EQ(obj.GetCurves().GetCount(), 1 + 4 + 3);
    for (int k = 1; k <= 4; ++k) {
        const CCurve* rail = obj.GetCurves().GetAtIndex(k);
        EXPECT_EQ(rail->m_closed, 0);
        EXPECT_EQ(rail->m_nodes.GetCount(), 3);
    }
    for (int r = 0; r < 3; ++r) {
        const CCurve* ring = obj.GetCurves().GetAtIndex(5 + r);
        EXPECT_EQ(ring->m_closed, 1);
        ASSERT_EQ(ring->m_nodes.GetCount(), 4);
        for (const CCurvePoint* node : ring->m_nodes) {
            EXPECT_FLOAT_EQ(node->m_weight, 0.385938f);
            EXPECT_NEAR(node->m_vertex->GetX(), path[r]->GetX(), 1e-5f) << "ring " << r << " is across X";
            EXPECT_NEAR((*node->m_vertex - *path[r]).Length(), 0.5f, 1e-5f);
        }
    }
    ExpectVectorNear(*NodeAt(obj, 5, 0)->m_vertex, CVector3(0, 0.5f, 0), "circle point 0 stays on top");
    EXPECT_EQ(CheckLinkInvariants(obj), "");
    obj.Rebuild();
    EXPECT_EQ(obj.CountQuadPatches(), 8);
}

TEST(SelectionCopyTest, SweepAlongAClosedCurveClosesTheTube) {
    CSpatchObj obj;
    AddCurveThrough(obj, AddRing(obj, 4), true)->m_nodes.GetHead()->m_selected = 1;
    obj.UpdateCurveHandles();
    ASSERT_EQ(obj.ExtrudeCircleAlongCurve(0.25f), 1);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(obj.GetCurves().GetAtIndex(k)->m_closed, 1);
    obj.Rebuild();
    EXPECT_EQ(obj.CountQuadPatches(), 16);

    // A single node has no direction: its ring lies in the XY plane.
    CSpatchObj dot;
    AddCurveThrough(dot, {dot.AddVertex(1, 1, 1)})->m_nodes.GetHead()->m_selected = 1;
    ASSERT_EQ(dot.ExtrudeCircleAlongCurve(1.0f), 1);
    for (const CCurvePoint* node : dot.GetCurves().GetTail()->m_nodes)
        EXPECT_FLOAT_EQ(node->m_vertex->GetZ(), 1.0f);
}
