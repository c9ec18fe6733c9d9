#include "model/spatch_obj.h"
#include "support/gl_fixture.h"
#include "support/model_builders.h"

#include <GL/gl.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using qf::test::AddCurveThrough;
using qf::test::CheckLinkInvariants;
using qf::test::ExpectVectorNear;
using qf::test::NodeAt;
using qf::test::PointsAlong;

namespace {

std::vector<CPatchVertex*> AddRow(CSpatchObj& obj, int count, float y = 0.0f) {
    std::vector<CPatchVertex*> points;
    for (int i = 0; i < count; ++i)
        points.push_back(obj.AddVertex(static_cast<float>(i), y, static_cast<float>(i % 2)));
    return points;
}

// Two open three-point curves, at y = 0 and y = 1.
struct TwoRows {
    TwoRows() : a(AddRow(obj, 3, 0.0f)), b(AddRow(obj, 3, 1.0f)) {
        AddCurveThrough(obj, a);
        AddCurveThrough(obj, b);
    }
    CSpatchObj obj;
    std::vector<CPatchVertex*> a;
    std::vector<CPatchVertex*> b;
};

} // namespace

TEST(CurveSubdivideTest, WholeCurveDividesEverySegment) {
    struct Case {
        const char* name;
        bool closed;
        int count;
        int nodes;
    };
    for (const Case& c :
         {Case{"closed, 3 pieces", true, 3, 12}, Case{"open, 3 pieces", false, 3, 10},
          Case{"count 1 counts as 2", false, 1, 7}, Case{"count 0 counts as 2", true, 0, 8}}) {
        CSpatchObj obj;
        CCurve* curve = AddCurveThrough(obj, AddRow(obj, 4), c.closed);
        CCurvePoint* second = curve->m_nodes.GetAtIndex(1);
        second->m_manualOut = 1;
        second->m_offsetOut.Set(0.2f, 0.6f, -0.3f);
        second->m_selected = 1;
        obj.UpdateCurveHandles();
        // Each segment's new points lie on it as it was, evenly in t.
        const int pieces = std::max(c.count, 2);
        const int segments = curve->m_nodes.GetCount() - (c.closed ? 0 : 1);
        std::vector<CVector3> expected;
        for (int k = 0; k < segments; ++k)
            for (int i = 0; i < pieces; ++i)
                expected.push_back(
                    curve->EvaluateSegment(k, static_cast<float>(i) / static_cast<float>(pieces)));
        if (!c.closed)
            expected.push_back(*curve->m_nodes.GetTail()->m_vertex);
        EXPECT_EQ(obj.SubdivideSelectedCurve(c.count, 0), 1) << c.name;
        EXPECT_EQ(curve->m_nodes.GetCount(), c.nodes) << c.name;
        ASSERT_EQ(expected.size(), static_cast<size_t>(c.nodes)) << c.name;
        int i = 0;
        for (const CCurvePoint* node : curve->m_nodes)
            ExpectVectorNear(*node->m_vertex, expected[static_cast<size_t>(i++)], c.name, 1e-5f);
        EXPECT_EQ(second->m_manualOut, 0) << c.name << ": every node becomes automatic";
        EXPECT_EQ(second->m_selected, 0) << c.name << ": the selection moves to the last piece";
        EXPECT_EQ(CheckLinkInvariants(obj), "") << c.name;
    }
}

TEST(CurveSubdivideTest, SelectedPartOnlyKeepsDividingTheLastPiece) {
    CSpatchObj obj;
    CCurve* curve = AddCurveThrough(obj, AddRow(obj, 3));
    obj.UpdateCurveHandles();
    CCurvePoint* start = curve->m_nodes.GetHead();
    start->m_selected = 1;
    // The new points lie on the segment as it was.
    const CVector3 third = curve->EvaluateSegment(0, 1.0f / 3.0f);
    const CVector3 twoThirds = curve->EvaluateSegment(0, 2.0f / 3.0f);
    ASSERT_EQ(obj.SubdivideSelectedCurve(3, 1), 1);
    ASSERT_EQ(curve->m_nodes.GetCount(), 5);
    ExpectVectorNear(*curve->m_nodes.GetAtIndex(1)->m_vertex, third, "t = 1/3");
    ExpectVectorNear(*curve->m_nodes.GetAtIndex(2)->m_vertex, twoThirds, "t = 2/3");
    EXPECT_EQ(obj.GetSelectedCurvePoint(), curve->m_nodes.GetAtIndex(2));
    ASSERT_EQ(obj.SubdivideSelectedCurve(2, 1), 1);
    EXPECT_EQ(curve->m_nodes.GetCount(), 6);
    EXPECT_EQ(obj.GetSelectedCurvePoint(), curve->m_nodes.GetAtIndex(3)) << "the last piece again";
    EXPECT_EQ(CheckLinkInvariants(obj), "");

    // With its point selected, the node stays where it is.
    CSpatchObj pinned;
    CCurve* line = AddCurveThrough(pinned, AddRow(pinned, 2));
    line->m_nodes.GetHead()->m_selected = 1;
    line->m_nodes.GetHead()->m_vertex->SetSelected(1);
    ASSERT_EQ(pinned.SubdivideSelectedCurve(2, 1), 1);
    EXPECT_EQ(pinned.GetSelectedCurvePoint(), line->m_nodes.GetHead());

    // The last node of an open curve starts no segment.
    line->m_nodes.GetHead()->m_selected = 0;
    line->m_nodes.GetTail()->m_selected = 1;
    EXPECT_EQ(pinned.SubdivideSelectedCurve(2, 1), 0);
    EXPECT_EQ(line->m_nodes.GetCount(), 3);
    EXPECT_EQ(pinned.SubdivideSelectedCurve(2, 0) + pinned.GetVertices().GetCount(), 1 + 5);
    CSpatchObj none;
    EXPECT_EQ(none.SubdivideSelectedCurve(2, 0), 0) << "no selected curve";
}

TEST(CurveSubdivideTest, MergingPointsKeepsAndJoinsTheirCurves) {
    {
        // A point merged into itself used to be deleted.
        CSpatchObj obj;
        std::vector<CPatchVertex*> p = AddRow(obj, 3);
        AddCurveThrough(obj, p);
        EXPECT_EQ(obj.ConnectVertices(p[0], p[0]), 0);
        EXPECT_EQ(obj.GetVertices().GetCount(), 3);
        CSpatchObj other;
        EXPECT_EQ(obj.ConnectVertices(p[0], other.AddVertex(0, 0, 0)), 0) << "a point of another object";
        EXPECT_EQ(obj.GetVertices().GetCount(), 3);
        EXPECT_EQ(CheckLinkInvariants(obj), "");
    }
    {
        CSpatchObj obj;
        std::vector<CPatchVertex*> p = AddRow(obj, 4);
        AddCurveThrough(obj, p);
        ASSERT_EQ(obj.ConnectVertices(p[0], p[3]), 1);
        ASSERT_EQ(obj.GetCurves().GetCount(), 1);
        EXPECT_EQ(obj.GetCurves().GetHead()->m_closed, 1) << "the two ends of one curve close it";
        EXPECT_EQ(PointsAlong(*obj.GetCurves().GetHead()), (std::vector<CPatchVertex*>{p[0], p[1], p[2]}));
        ExpectVectorNear(*p[0], CVector3(3, 0, 1), "the target moves onto the merged point");
        EXPECT_EQ(CheckLinkInvariants(obj), "");
    }
    {
        TwoRows rows;
        auto& [obj, a, b] = rows;
        NodeAt(obj, 1, 1)->m_manualIn = 1;
        NodeAt(obj, 1, 1)->m_offsetIn.Set(0, 0, 1);
        ASSERT_EQ(obj.ConnectVertices(a[2], b[0]), 1);
        ASSERT_EQ(obj.GetCurves().GetCount(), 1) << "the second curve is gone";
        EXPECT_EQ(PointsAlong(*obj.GetCurves().GetHead()),
                  (std::vector<CPatchVertex*>{a[0], a[1], a[2], b[1], b[2]}));
        EXPECT_EQ(NodeAt(obj, 0, 3)->m_manualIn, 1) << "appended in order, handles as they were";
        EXPECT_EQ(obj.GetVertices().GetCount(), 5);
        EXPECT_EQ(CheckLinkInvariants(obj), "");
    }
    {
        CSpatchObj obj;
        std::vector<CPatchVertex*> p = AddRow(obj, 2);
        AddCurveThrough(obj, p);
        ASSERT_EQ(obj.ConnectVertices(p[0], p[1]), 1);
        EXPECT_TRUE(obj.GetCurves().IsEmpty()) << "a segment between the two points shrinks away";
        EXPECT_TRUE(p[0]->m_links.IsEmpty());
    }
    {
        // Neighbours on one curve: the segment between them goes with the
        // merged point's node, leaving no segment of no length.
        auto grid = qf::test::MakeFlatQuadGrid(3);
        const std::vector<CPatchVertex*> p = qf::test::PointsOf(*grid);
        ASSERT_EQ(grid->ConnectVertices(p[5], p[6]), 1); // (1, 1) onto (2, 1)
        EXPECT_EQ(grid->GetVertices().GetCount(), 15);
        EXPECT_EQ(PointsAlong(*grid->GetCurves().GetAtIndex(1)),
                  (std::vector<CPatchVertex*>{p[4], p[5], p[7]}));
        for (const CCurve* curve : grid->GetCurves()) {
            const std::vector<CPatchVertex*> along = PointsAlong(*curve);
            for (size_t i = 0; i + 1 < along.size(); ++i)
                EXPECT_NE(along[i], along[i + 1]) << "a segment of no length";
        }
        EXPECT_EQ(CheckLinkInvariants(*grid), "");
        grid->Rebuild();
        EXPECT_EQ(grid->CountQuadPatches(), 7);
        EXPECT_EQ(grid->CountTriPatches(), 2) << "the two cells beside the weld become triangles";
    }
    {
        // Points inside curves only hand their nodes over.
        TwoRows rows;
        auto& [obj, a, b] = rows;
        ASSERT_EQ(obj.ConnectVertices(a[1], b[1]), 1);
        EXPECT_EQ(obj.GetCurves().GetCount(), 2);
        EXPECT_EQ(NodeAt(obj, 1, 1)->m_vertex, a[1]);
        EXPECT_EQ(a[1]->m_links.GetCount(), 2);
        EXPECT_EQ(CheckLinkInvariants(obj), "");
    }
}

class CurveHandlesGlTest : public qf::test::GlFixture {
protected:
    void SetUp() override { MakePixelSurface(64, 64); }
};

TEST_F(CurveHandlesGlTest, SelectedNodeShowsItsHandles) {
    qf::test::ScopedStandInDocument scope;
    CSpatchObj obj;
    std::vector<CPatchVertex*> p = {obj.AddVertex(10.5f, 32.5f, 0), obj.AddVertex(54.5f, 32.5f, 0)};
    CCurve* curve = AddCurveThrough(obj, p);
    CCurvePoint* first = curve->m_nodes.GetHead();
    first->m_manualOut = 1;
    first->m_offsetOut.Set(0, 20, 0);
    obj.UpdateCurveHandles();
    first->m_selected = 1;
    p[0]->SetSelected(1);
    obj.DrawSelectedCurveHandles();
    EXPECT_EQ(CountPixelsNot(Pixels(), 0x000000), 0) << "an unselected object shows no handles";

    obj.SetSelected(1);
    first->m_auxWord = 1;
    obj.DrawSelectedCurveHandles();
    const qf::test::Image image = Pixels();
    EXPECT_EQ(image.At(10, 63 - 52), 0x0000FFu) << "the dragged outgoing handle is blue";
    EXPECT_EQ(image.At(10, 63 - 40), 0xFFFFFFu) << "the handle line is white";
    int red = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            red += image.At(x, y) == 0xFF0000u;
    EXPECT_EQ(red, 0) << "the first node of an open curve shows no incoming handle";
}
