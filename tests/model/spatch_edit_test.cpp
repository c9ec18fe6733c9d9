#include "model/matrix4.h"
#include "model/mouse_mode_setter.h"
#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>
#include <vector>

using qf::test::AddCurveThrough;
using qf::test::CheckLinkInvariants;
using qf::test::ExpectVectorNear;
using qf::test::MakeFlatQuadGrid;
using qf::test::NodeAt;
using qf::test::PointsAlong;
using qf::test::PointsOf;

namespace {

// Remembers the tools an edit hands the left button.
class RecordingModes : public CMouseModeSetter {
public:
    void SetLeftMouseMode(int mode) override { m_modes.push_back(mode); }
    std::vector<int> m_modes;
};

// A polyline of count points along X at height y.
std::vector<CPatchVertex*> AddRow(CSpatchObj& obj, int count, float y = 0.0f, float x0 = 1.0f) {
    std::vector<CPatchVertex*> points;
    for (int i = 0; i < count; ++i)
        points.push_back(obj.AddVertex(x0 + static_cast<float>(i), y, 0.0f));
    return points;
}

void ExpectNoShortCurves(const CSpatchObj& obj) {
    for (const CCurve* curve : obj.GetCurves())
        EXPECT_GE(curve->m_nodes.GetCount(), 2) << "a curve of fewer than two nodes was left behind";
}

} // namespace

TEST(PatchEditTest, DeletingPointsRejoinsOrDropsTheirCurves) {
    {
        CSpatchObj obj;
        std::vector<CPatchVertex*> p = AddRow(obj, 2);
        AddCurveThrough(obj, p);
        p[0]->SetSelected(1);
        EXPECT_EQ(obj.DeleteSelectedVertices(), 1);
        EXPECT_EQ(obj.GetCurves().GetCount(), 0) << "a two-node curve goes with either point";
        ASSERT_EQ(obj.GetVertices().GetCount(), 1);
        EXPECT_EQ(obj.GetVertices().GetHead(), p[1]);
        EXPECT_TRUE(p[1]->m_links.IsEmpty());
    }
    auto grid = MakeFlatQuadGrid(2);
    std::vector<CPatchVertex*> p = PointsOf(*grid);
    p[4]->SetSelected(1);
    EXPECT_EQ(grid->DeleteSelectedVertices(), 1);
    EXPECT_EQ(grid->GetVertices().GetCount(), 8);
    ASSERT_EQ(grid->GetCurves().GetCount(), 6);
    EXPECT_EQ(PointsAlong(*grid->GetCurves().GetAtIndex(1)), (std::vector<CPatchVertex*>{p[3], p[5]}));
    EXPECT_EQ(PointsAlong(*grid->GetCurves().GetAtIndex(4)), (std::vector<CPatchVertex*>{p[1], p[7]}));
    EXPECT_EQ(CheckLinkInvariants(*grid), "");
    EXPECT_EQ(grid->DeleteSelectedVertices(), 0) << "nothing selected";
}

TEST(PatchEditTest, DeletingASegmentOpensOrSplitsItsCurve) {
    struct Case {
        const char* name;
        int count;
        bool closed;
        int selected;
        int result;
        std::vector<std::vector<int>> curves; // point indices along each remaining curve
    };
    const std::vector<Case> cases = {
        {"closed, last node: opens in place", 4, true, 3, 1, {{0, 1, 2, 3}}},
        {"closed, second node: turned to end there", 4, true, 1, 1, {{2, 3, 0, 1}}},
        {"open, two nodes: curve deleted", 2, false, 0, 1, {}},
        {"open, first node: first node dropped", 4, false, 0, 1, {{1, 2, 3}}},
        {"open, second-to-last node: last node dropped", 4, false, 2, 1, {{0, 1, 2}}},
        {"open, inside: split in two", 5, false, 1, 1, {{0, 1}, {2, 3, 4}}},
        {"open, last node: no segment", 3, false, 2, 0, {{0, 1, 2}}},
    };
    for (const Case& c : cases) {
        CSpatchObj obj;
        std::vector<CPatchVertex*> p = AddRow(obj, c.count);
        AddCurveThrough(obj, p, c.closed);
        NodeAt(obj, 0, c.selected)->m_selected = 1;
        EXPECT_EQ(obj.DeleteSelectedSegment(), c.result) << c.name;
        ASSERT_EQ(obj.GetCurves().GetCount(), static_cast<int>(c.curves.size())) << c.name;
        for (size_t i = 0; i < c.curves.size(); ++i) {
            std::vector<CPatchVertex*> expected;
            for (int index : c.curves[i])
                expected.push_back(p[index]);
            EXPECT_EQ(PointsAlong(*obj.GetCurves().GetAtIndex(static_cast<int>(i))), expected) << c.name;
            EXPECT_EQ(obj.GetCurves().GetAtIndex(static_cast<int>(i))->m_closed, 0) << c.name;
        }
        EXPECT_EQ(obj.GetVertices().GetCount(), c.count) << c.name << ": no point is deleted";
        EXPECT_EQ(CheckLinkInvariants(obj), "") << c.name;
        if (c.result)
            EXPECT_EQ(obj.GetSelectedCurve(), nullptr) << c.name;
    }
}

TEST(PatchEditTest, SelectingTheNextCurveCyclesTheSegmentsAtAPoint) {
    auto grid = MakeFlatQuadGrid(2);
    std::vector<CPatchVertex*> p = PointsOf(*grid);
    p[4]->SetSelected(1);
    // Row 1 (curve 1) and column 1 (curve 4) pass the centre as their node 1:
    // out along the row, in from point 3, out along the column, in from point 1.
    const std::vector<std::pair<int, int>> expected = {{1, 1}, {1, 0}, {4, 1}, {4, 0}, {1, 1}};
    for (const auto& [curve, node] : expected) {
        EXPECT_EQ(grid->SelectNextCurveAtVertex(), 1);
        EXPECT_EQ(grid->GetSelectedCurve(), grid->GetCurves().GetAtIndex(curve));
        EXPECT_EQ(grid->GetSelectedCurvePoint(), NodeAt(*grid, curve, node));
    }
    // At the end of an open curve only the segment arriving there counts.
    grid->SelectAllVertices(0);
    p[2]->SetSelected(1);
    EXPECT_EQ(grid->SelectNextCurveAtVertex(), 1);
    EXPECT_EQ(grid->GetSelectedCurvePoint(), NodeAt(*grid, 0, 1));
    p[0]->SetSelected(1);
    EXPECT_EQ(grid->SelectNextCurveAtVertex(), 0) << "two points selected";
}

TEST(PatchEditTest, SelectionGrowsOverConnectedCurvesOnly) {
    CSpatchObj obj;
    std::vector<CPatchVertex*> a = AddRow(obj, 3, 0.0f);
    std::vector<CPatchVertex*> b = AddRow(obj, 3, 5.0f);
    AddCurveThrough(obj, {a[0], a[1]});
    AddCurveThrough(obj, {a[1], a[2]});
    AddCurveThrough(obj, b, true);
    a[0]->SetSelected(1);
    b[0]->m_hidden = 1;
    NodeAt(obj, 2, 0)->m_selected = 1;
    EXPECT_EQ(obj.SelectConnectedVertices(), 1);
    EXPECT_EQ(a[2]->m_selected, 1) << "reached over two curves";
    EXPECT_EQ(b[1]->m_selected, 0);
    EXPECT_EQ(obj.GetSelectedCurve(), nullptr);
    EXPECT_EQ(obj.InvertVertexSelection(), 1);
    EXPECT_EQ(obj.CountSelectedVertices(), 2) << "the hidden point stays unselected";
    obj.SelectAllVertices(0);
    EXPECT_EQ(obj.SelectVerticesOnCurve(obj.GetCurves().GetAtIndex(1)), 1);
    EXPECT_EQ(a[1]->m_selected + a[2]->m_selected, 2);

    CSpatchObj loose;
    loose.AddVertex(0, 0, 0)->SetSelected(1);
    EXPECT_EQ(loose.SelectConnectedVertices(), 0) << "no curves";
}

TEST(PatchEditTest, LatheRevolvesTheProfileInAtLeastThreeSteps) {
    CSpatchObj obj;
    std::vector<CPatchVertex*> p = {obj.AddVertex(1, 0, 0.5f), obj.AddVertex(1, 1, 0),
                                    obj.AddVertex(1, 2, 0)};
    CCurve* profile = AddCurveThrough(obj, p);
    CCurvePoint* manual = profile->m_nodes.GetAtIndex(1);
    manual->m_manualOut = 1;
    manual->m_offsetOut.Set(0.0f, 0.5f, 0.0f);
    manual->m_offsetIn.Set(0.5f, 0.0f, 0.0f);
    EXPECT_EQ(obj.CreateLathe(2), 0) << "no profile: no node and no fully selected curve";
    for (CPatchVertex* v : p)
        v->SetSelected(1);
    ASSERT_EQ(obj.CreateLathe(2), 1);
    EXPECT_EQ(p[0]->GetZ(), 0.0f) << "the profile is flattened onto z = 0";
    EXPECT_EQ(obj.GetVertices().GetCount(), 9) << "a division of 2 still builds three steps";
    ASSERT_EQ(obj.GetCurves().GetCount(), 1 + 2 + 3);
    const CCurve* firstCopy = obj.GetCurves().GetAtIndex(1);
    CMatrix4 turn;
    turn.RotateY(120.0f);
    ExpectVectorNear(*firstCopy->m_nodes.GetHead()->m_vertex, TransformPoint(CVector3(1, 0, 0), turn),
                     "the first copy a third of a turn on");
    EXPECT_NEAR(firstCopy->m_nodes.GetHead()->m_vertex->GetX(), -0.5f, 1e-5f);
    ExpectVectorNear(firstCopy->m_nodes.GetAtIndex(1)->m_offsetIn, TransformPoint(CVector3(0.5f, 0, 0), turn),
                     "manual offsets turn with the copy");
    EXPECT_EQ(firstCopy->m_nodes.GetAtIndex(1)->m_manualOut, 1);
    const CCurve* ring = obj.GetCurves().GetAtIndex(3);
    EXPECT_EQ(ring->m_closed, 1);
    EXPECT_EQ(ring->m_nodes.GetCount(), 3);
    EXPECT_EQ(obj.CountSelectedVertices(), 9) << "new points selected, the profile's kept";
    EXPECT_EQ(CheckLinkInvariants(obj), "");
    obj.Rebuild();
    EXPECT_EQ(obj.CountQuadPatches(), 6);
}

TEST(PatchEditTest, ExtrudeJoinsTheCopyAndHandsOverTheTranslateTool) {
    CSpatchObj obj;
    std::vector<CPatchVertex*> p = AddRow(obj, 3);
    AddCurveThrough(obj, p)->m_nodes.GetHead()->m_sharp = 1;
    RecordingModes modes;
    EXPECT_EQ(obj.Extrude(modes), 0);
    EXPECT_TRUE(modes.m_modes.empty()) << "a failed extrude keeps the tool";
    for (CPatchVertex* v : p)
        v->SetSelected(1);
    ASSERT_EQ(obj.Extrude(modes), 1);
    EXPECT_EQ(modes.m_modes, std::vector<int>{mouseModeTranslate});
    EXPECT_EQ(obj.GetVertices().GetCount(), 6);
    EXPECT_EQ(obj.GetCurves().GetCount(), 1 + 1 + 3) << "profile, copy and one segment per point";
    EXPECT_EQ(NodeAt(obj, 1, 0)->m_sharp, 1) << "the copy keeps the profile's node settings";
    EXPECT_EQ(p[0]->m_selected + p[1]->m_selected + p[2]->m_selected, 0);
    EXPECT_EQ(obj.CountSelectedVertices(), 3);
    obj.Rebuild();
    EXPECT_EQ(obj.CountQuadPatches(), 2);

    // Open curves ending at the profile's ends grow instead of new segments.
    CSpatchObj walled;
    std::vector<CPatchVertex*> q = AddRow(walled, 3);
    AddCurveThrough(walled, q);
    CPatchVertex* left = walled.AddVertex(1, -1, 0);
    CPatchVertex* right = walled.AddVertex(3, -1, 0);
    AddCurveThrough(walled, {left, q[0]});
    AddCurveThrough(walled, {q[2], right});
    NodeAt(walled, 0, 0)->m_selected = 1;
    ASSERT_EQ(walled.Extrude(modes), 1);
    ASSERT_EQ(walled.GetCurves().GetCount(), 3 + 1 + 1);
    EXPECT_EQ(walled.GetCurves().GetAtIndex(1)->m_nodes.GetCount(), 3) << "appended at its last node";
    EXPECT_EQ(walled.GetCurves().GetAtIndex(2)->m_nodes.GetHead()->m_vertex->m_selected, 1)
        << "prepended at its first node";
    EXPECT_EQ(CheckLinkInvariants(walled), "");
}

TEST(PatchEditTest, FlipsMirrorOnlySelectedPointsAndTheirHandles) {
    CSpatchObj obj;
    std::vector<CPatchVertex*> p = {obj.AddVertex(1, 2, 3), obj.AddVertex(4, 5, 6)};
    AddCurveThrough(obj, p);
    for (int i = 0; i < 2; ++i) {
        NodeAt(obj, 0, i)->m_offsetIn.Set(1, 1, 1);
        NodeAt(obj, 0, i)->m_offsetOut.Set(2, 2, 2);
    }
    EXPECT_EQ(obj.FlipY(), 0);
    p[0]->SetSelected(1);
    EXPECT_EQ(obj.FlipY(), 1);
    ExpectVectorNear(*p[0], CVector3(1, -2, 3));
    ExpectVectorNear(NodeAt(obj, 0, 0)->m_offsetOut, CVector3(2, -2, 2));
    ExpectVectorNear(NodeAt(obj, 0, 1)->m_offsetIn, CVector3(1, 1, 1), "unselected point's handle");
    EXPECT_EQ(obj.FlipX() + obj.FlipZ(), 2);
    ExpectVectorNear(*p[0], CVector3(-1, -2, -3));
    ExpectVectorNear(*p[1], CVector3(4, 5, 6));
}

TEST(PatchEditTest, HidingAndVisibilityFollowTheSelection) {
    auto grid = MakeFlatQuadGrid(1);
    std::vector<CPatchVertex*> p = PointsOf(*grid);
    EXPECT_EQ(grid->ToggleVisibleSelected() + grid->HideSelectedTemporarily(), 0);
    p[0]->SetSelected(1);
    p[1]->SetSelected(1);
    grid->SetNeedsRebuild(0);
    EXPECT_EQ(grid->ToggleVisibleSelected(), 1);
    EXPECT_EQ(p[0]->m_visible + p[1]->m_visible, 0);
    EXPECT_EQ(grid->GetNeedsRebuild(), 1);
    EXPECT_EQ(grid->HideSelectedTemporarily(), 1);
    EXPECT_EQ(grid->CountHiddenVertices(), 2);
    grid->SelectAllVertices(1);
    EXPECT_EQ(grid->CountSelectedVertices(), 2) << "hidden points cannot be selected";
    EXPECT_EQ(grid->ShowAllTemporarilyHidden(), 1);
    EXPECT_EQ(grid->CountHiddenVertices(), 0);
    EXPECT_EQ(grid->ShowAllTemporarilyHidden(), 0);
}

TEST(PatchEditTest, StarAlternatesOuterAndInnerSharpPoints) {
    CSpatchObj obj;
    obj.AddVertex(9, 9, 9)->SetSelected(1);
    EXPECT_EQ(obj.AddStarShape(2.0f, 1.0f), 1);
    ASSERT_EQ(obj.GetVertices().GetCount(), 11);
    ASSERT_EQ(obj.GetCurves().GetCount(), 1);
    const CCurve* star = obj.GetCurves().GetHead();
    EXPECT_EQ(star->m_closed, 1);
    ASSERT_EQ(star->m_nodes.GetCount(), 10);
    int i = 0;
    for (const CCurvePoint* node : star->m_nodes) {
        EXPECT_EQ(node->m_sharp, 1);
        EXPECT_NEAR(node->m_vertex->Length(), i % 2 ? 1.0f : 2.0f, 1e-5f) << "point " << i;
        EXPECT_EQ(node->m_vertex->GetZ(), 0.0f);
        ++i;
    }
    ExpectVectorNear(*star->m_nodes.GetHead()->m_vertex, CVector3(0, 2, 0));
    CMatrix4 m;
    m.RotateZ(36.0f);
    ExpectVectorNear(*star->m_nodes.GetAtIndex(1)->m_vertex, TransformPoint(CVector3(0, 1, 0), m));
    EXPECT_EQ(obj.GetVertices().GetHead()->m_selected, 0);
    EXPECT_EQ(obj.CountSelectedVertices(), 10);
    EXPECT_EQ(CheckLinkInvariants(obj), "");
}
