#include "model/camera.h"
#include "model/curve_tool.h"
#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using qf::test::AddCurveThrough;
using qf::test::CheckLinkInvariants;
using qf::test::MakeFlatQuadGrid;
using qf::test::NodeAt;
using qf::test::PointsAlong;
using qf::test::PointsOf;
using qf::test::ScopedStandInDocument;

namespace {

constexpr int kPane = 200;

// A camera of a kPane x kPane pane, eye above (or in front of) the target.
CCamera MakeCamera(int projection, const CVector3& eye, const CVector3& target) {
    CCamera camera;
    camera.m_projection = projection;
    camera.m_eye = eye;
    camera.m_target = target;
    camera.m_viewportWidth = camera.m_viewportHeight = kPane;
    return camera;
}

// Looking straight down on the middle of a 3 x 3 grid.
CCamera TopOfGrid(int projection = CCamera::parallel) {
    return MakeCamera(projection, CVector3(1.5f, 10, 1.5f), CVector3(1.5f, 0, 1.5f));
}

// A knife drag between the pixels where two world points show.
struct Drag {
    Drag(const CCamera& camera, const CVector3& from, const CVector3& to, double nearDistance = 5.0) {
        const CIntPair a =
            ProjectViewPoint(camera, nearDistance, TransformPoint(from, camera.GetWorldToCamera()));
        const CIntPair b =
            ProjectViewPoint(camera, nearDistance, TransformPoint(to, camera.GetWorldToCamera()));
        x0 = a.m_x;
        y0 = a.m_y;
        x1 = b.m_x;
        y1 = b.m_y;
    }
    Drag(int ax, int ay, int bx, int by) : x0(ax), y0(ay), x1(bx), y1(by) {}
    int x0, y0, x1, y1;
};

// Across column 1 of the grid (x = 1.5), from beyond row 0 to beyond row 3.
Drag AcrossColumnOne(const CCamera& camera) {
    return Drag(camera, CVector3(1.5f, 0, -0.5f), CVector3(1.5f, 0, 3.5f));
}

// Whether points are the four corners of the main diagonal of a 3 x 3 grid, in order.
bool OnADiagonal(const CSpatchObj& grid, std::vector<CPatchVertex*> points) {
    const std::vector<CPatchVertex*> all = PointsOf(grid);
    if (!points.empty() && points.front()->GetZ() > points.back()->GetZ())
        std::reverse(points.begin(), points.end());
    return points == std::vector<CPatchVertex*>{all[0], all[5], all[10], all[15]};
}

std::vector<CPatchVertex*> NewPoints(const CSpatchObj& obj, int before) {
    std::vector<CPatchVertex*> points = PointsOf(obj);
    return std::vector<CPatchVertex*>(points.begin() + before, points.end());
}

} // namespace

TEST(CurveToolTest, SelectedCurveIsDeletedSharpenedOrSmoothed) {
    auto grid = MakeFlatQuadGrid(2);
    CCurveTool tool(grid.get());
    EXPECT_EQ(tool.DeleteSelectedCurve() + tool.SharpenCrossingCurves() + tool.SmoothCrossingCurves(), 0)
        << "no selected curve";
    EXPECT_EQ(CCurveTool(nullptr).SharpenCrossingCurves(), 0);

    NodeAt(*grid, 1, 0)->m_selected = 1;
    ASSERT_EQ(tool.SharpenCrossingCurves(), 1);
    for (int column = 3; column <= 5; ++column)
        EXPECT_EQ(NodeAt(*grid, column, 1)->m_sharp, 1) << "column " << column << " where it crosses row 1";
    EXPECT_EQ(NodeAt(*grid, 3, 0)->m_sharp, 0) << "not where it crosses row 0";
    EXPECT_EQ(NodeAt(*grid, 1, 1)->m_sharp, 0) << "the selected curve itself";
    ASSERT_EQ(tool.SmoothCrossingCurves(), 1);
    EXPECT_EQ(NodeAt(*grid, 4, 1)->m_sharp, 0);

    grid->Rebuild();
    ASSERT_EQ(grid->CountQuadPatches(), 4);
    ASSERT_EQ(tool.DeleteSelectedCurve(), 1);
    EXPECT_EQ(grid->GetCurves().GetCount(), 5);
    EXPECT_EQ(grid->GetVertices().GetCount(), 9) << "its points stay";
    EXPECT_EQ(CheckLinkInvariants(*grid), "");
    grid->Rebuild();
    EXPECT_EQ(grid->CountQuadPatches(), 0) << "the cells it bounded are gone";
}

TEST(KnifeTest, CutsOnlyWhereTheDragCrossesVisibleSegments) {
    ScopedStandInDocument scope;
    for (int projection : {CCamera::parallel, CCamera::perspective}) {
        auto grid = MakeFlatQuadGrid(3);
        const CCamera camera = TopOfGrid(projection);
        const Drag drag = AcrossColumnOne(camera);
        ASSERT_EQ(
            CCurveTool(grid.get()).KnifeCutCurves(camera, kPane, kPane, drag.x0, drag.y0, drag.x1, drag.y1),
            1)
            << "projection " << projection;
        const std::vector<CPatchVertex*> cuts = NewPoints(*grid, 16);
        ASSERT_EQ(cuts.size(), 4u) << "one cut on each row, none along the columns";
        for (int row = 0; row < 4; ++row) {
            const CCurve* curve = grid->GetCurves().GetAtIndex(row);
            ASSERT_EQ(curve->m_nodes.GetCount(), 5);
            EXPECT_EQ(curve->m_nodes.GetAtIndex(2)->m_vertex, cuts[row])
                << "inserted between x = 1 and x = 2";
            EXPECT_NEAR(cuts[row]->GetX(), 1.5f, 1e-3f);
            EXPECT_NEAR(cuts[row]->GetZ(), static_cast<float>(row), 1e-4f);
        }
        EXPECT_EQ(CheckLinkInvariants(*grid), "");
        EXPECT_EQ(grid->GetNeedsRebuild(), 1);
    }

    auto grid = MakeFlatQuadGrid(3);
    const CCamera camera = TopOfGrid();
    const Drag drag = AcrossColumnOne(camera);
    CCurveTool tool(grid.get());
    EXPECT_EQ(tool.KnifeCutCurves(camera, kPane, kPane, drag.x0, drag.y0, drag.x0, drag.y0), 0) << "no drag";
    EXPECT_EQ(tool.KnifeCutCurves(camera, 0, kPane, drag.x0, drag.y0, drag.x1, drag.y1), 0) << "empty pane";
    CCamera blind = camera;
    blind.m_eye = blind.m_target;
    EXPECT_EQ(tool.KnifeCutCurves(blind, kPane, kPane, drag.x0, drag.y0, drag.x1, drag.y1), 0);
    const Drag aside(camera, CVector3(1.5f, 0, 5), CVector3(1.5f, 0, 6));
    EXPECT_EQ(tool.KnifeCutCurves(camera, kPane, kPane, aside.x0, aside.y0, aside.x1, aside.y1), 0)
        << "the plane crosses the rows, but away from the drag";
    EXPECT_EQ(grid->GetVertices().GetCount(), 16);

    PointsOf(*grid)[2]->m_hidden = 1;
    ASSERT_EQ(tool.KnifeCutCurves(camera, kPane, kPane, drag.x0, drag.y0, drag.x1, drag.y1), 1);
    EXPECT_EQ(grid->GetVertices().GetCount(), 16 + 3) << "a segment at a hidden point is never cut";
    EXPECT_EQ(grid->GetCurves().GetHead()->m_nodes.GetCount(), 4);
}

TEST(KnifeTest, NothingBehindThePerspectiveEyeIsCut) {
    ScopedStandInDocument scope;
    // A near distance below zero must not let points behind the eye through,
    // where their projection comes out mirrored onto the drag.
    scope.doc.nearDistance = -100.0;
    auto grid = MakeFlatQuadGrid(3);
    AddCurveThrough(*grid, {grid->AddVertex(1, 20, 1.5f), grid->AddVertex(2, 20, 1.5f)});
    grid->UpdateCurveHandles();
    const CCamera camera = TopOfGrid(CCamera::perspective);
    const Drag drag = AcrossColumnOne(camera);
    ASSERT_EQ(CCurveTool(grid.get()).KnifeCutCurves(camera, kPane, kPane, drag.x0, drag.y0, drag.x1, drag.y1),
              1);
    EXPECT_EQ(grid->GetVertices().GetCount(), 18 + 4) << "the four rows only";
    EXPECT_EQ(grid->GetCurves().GetTail()->m_nodes.GetCount(), 2);
}

TEST(KnifeTest, ClosedCurveIsCutAfterItsLastPoint) {
    ScopedStandInDocument scope;
    CSpatchObj obj;
    std::vector<CPatchVertex*> square = {obj.AddVertex(0, 0, 0), obj.AddVertex(3, 0, 0),
                                         obj.AddVertex(3, 0, 3), obj.AddVertex(0, 0, 3)};
    AddCurveThrough(obj, square, true);
    obj.UpdateCurveHandles();
    const CCamera camera = TopOfGrid();
    // Only the closing segment from (0, 0, 3) back to (0, 0, 0) crosses z = 1.5 near x = 0.
    const Drag drag(camera, CVector3(-0.5f, 0, 1.5f), CVector3(0.5f, 0, 1.5f));
    ASSERT_EQ(CCurveTool(&obj).KnifeCutCurves(camera, kPane, kPane, drag.x0, drag.y0, drag.x1, drag.y1), 1);
    const std::vector<CPatchVertex*> along = PointsAlong(*obj.GetCurves().GetHead());
    ASSERT_EQ(along.size(), 5u);
    EXPECT_EQ(along[0], square[0]);
    EXPECT_NEAR(along[4]->GetZ(), 1.5f, 1e-3f) << "the new point comes last, before the wrap";
}

TEST(KnifeTest, CuttingPatchesSplitsEveryCrossedCell) {
    ScopedStandInDocument scope;
    auto grid = MakeFlatQuadGrid(3);
    // The columns at x = 1 and x = 2 bound the cut cells.
    for (int column = 5; column <= 6; ++column)
        for (CCurvePoint* node : grid->GetCurves().GetAtIndex(column)->m_nodes)
            node->m_weight = column == 5 ? 0.5f : 0.7f;
    grid->UpdateCurveHandles();
    const CCamera camera = TopOfGrid();
    const Drag drag = AcrossColumnOne(camera);
    ASSERT_EQ(
        CCurveTool(grid.get()).KnifeCutPatches(camera, kPane, kPane, drag.x0, drag.y0, drag.x1, drag.y1), 1);
    ASSERT_EQ(grid->GetCurves().GetCount(), 8 + 1) << "the pieces of the three cells grow into one curve";
    const CCurve* split = grid->GetCurves().GetTail();
    EXPECT_EQ(split->m_closed, 0);
    std::vector<CPatchVertex*> along = PointsAlong(*split);
    ASSERT_EQ(along.size(), 4u);
    if (along.front()->GetZ() > along.back()->GetZ())
        std::reverse(along.begin(), along.end());
    EXPECT_EQ(along, NewPoints(*grid, 16)) << "through the cuts, row by row";
    for (const CCurvePoint* node : split->m_nodes)
        EXPECT_FLOAT_EQ(node->m_weight, 0.6f) << "the mean of the two sides it runs between";
    EXPECT_EQ(CheckLinkInvariants(*grid), "");
    grid->Rebuild();
    EXPECT_EQ(grid->CountQuadPatches(), 12);

    // Round a ring of four cells the pieces close up.
    CSpatchObj tube;
    std::vector<CPatchVertex*> profile = {tube.AddVertex(1, 0, 0), tube.AddVertex(1, 1, 0)};
    AddCurveThrough(tube, profile);
    for (CPatchVertex* v : profile)
        v->SetSelected(1);
    ASSERT_EQ(tube.CreateLathe(4), 1);
    const CCamera front = MakeCamera(CCamera::parallel, CVector3(0, 0.5f, -10), CVector3(0, 0.5f, 0));
    const Drag across(front, CVector3(-2, 0.5f, 0), CVector3(2, 0.5f, 0));
    ASSERT_EQ(
        CCurveTool(&tube).KnifeCutPatches(front, kPane, kPane, across.x0, across.y0, across.x1, across.y1),
        1);
    const CCurve* ring = tube.GetCurves().GetTail();
    EXPECT_EQ(ring->m_closed, 1);
    EXPECT_EQ(ring->m_nodes.GetCount(), 4);
    EXPECT_EQ(CheckLinkInvariants(tube), "");
    tube.Rebuild();
    EXPECT_EQ(tube.CountQuadPatches(), 8);
}

TEST(KnifeTest, CuttingWithACurveOrdersTheCutsFromThePress) {
    ScopedStandInDocument scope;
    auto grid = MakeFlatQuadGrid(3);
    const CCamera camera = TopOfGrid();
    // Pressed beyond row 3, so row 3 is cut nearest the press.
    const Drag drag(camera, CVector3(1.5f, 0, 3.5f), CVector3(1.5f, 0, -0.5f));
    ASSERT_EQ(
        CCurveTool(grid.get()).KnifeCutWithCurve(camera, kPane, kPane, drag.x0, drag.y0, drag.x1, drag.y1),
        1);
    ASSERT_EQ(grid->GetCurves().GetCount(), 9);
    std::vector<CPatchVertex*> cuts = NewPoints(*grid, 16);
    std::reverse(cuts.begin(), cuts.end());
    EXPECT_EQ(PointsAlong(*grid->GetCurves().GetTail()), cuts);
    EXPECT_EQ(CheckLinkInvariants(*grid), "");

    auto single = MakeFlatQuadGrid(3);
    const Drag once(camera, CVector3(1.5f, 0, -0.5f), CVector3(1.5f, 0, 0.5f));
    EXPECT_EQ(
        CCurveTool(single.get()).KnifeCutWithCurve(camera, kPane, kPane, once.x0, once.y0, once.x1, once.y1),
        1)
        << "a single cut still counts";
    EXPECT_EQ(single->GetVertices().GetCount(), 17);
    EXPECT_EQ(single->GetCurves().GetCount(), 8) << "but lays no curve";
}

// A cut through a control point uses that point: no second point on top of
// it, so no segment of no length and no patch of no width.
TEST(KnifeTest, CutsThroughControlPointsUseThem) {
    ScopedStandInDocument scope;
    // Through the pane's middle pixel, which shows x = 1 exactly: the column
    // line x = 1, where every crossing is a grid point.
    const CCamera camera = MakeCamera(CCamera::parallel, CVector3(1, 10, 1.5f), CVector3(1, 0, 1.5f));
    const Drag line(kPane / 2, 0, kPane / 2, kPane - 1);
    auto along = MakeFlatQuadGrid(3);
    EXPECT_EQ(
        CCurveTool(along.get()).KnifeCutCurves(camera, kPane, kPane, line.x0, line.y0, line.x1, line.y1), 0)
        << "nothing new";
    EXPECT_EQ(along->GetVertices().GetCount(), 16);
    along->Rebuild();
    EXPECT_EQ(along->CountQuadPatches(), 9);
    EXPECT_EQ(
        CCurveTool(along.get()).KnifeCutPatches(camera, kPane, kPane, line.x0, line.y0, line.x1, line.y1), 0)
        << "a cut along an edge joins nothing";

    // The same line through a grid turned 45 degrees: through the corners of
    // its diagonal cells, and through no edge.
    auto turned = [] {
        auto grid = MakeFlatQuadGrid(3);
        for (CPatchVertex* v : PointsOf(*grid))
            v->Set(1.0f + (v->GetX() - v->GetZ()) * 0.5f, 0.0f, (v->GetX() + v->GetZ()) * 0.5f);
        grid->UpdateCurveHandles();
        return grid;
    };
    auto split = turned();
    split->Rebuild();
    ASSERT_EQ(
        CCurveTool(split.get()).KnifeCutPatches(camera, kPane, kPane, line.x0, line.y0, line.x1, line.y1), 1);
    EXPECT_EQ(split->GetVertices().GetCount(), 16);
    ASSERT_EQ(split->GetCurves().GetCount(), 9);
    const std::vector<CPatchVertex*> joined = PointsAlong(*split->GetCurves().GetTail());
    EXPECT_TRUE(OnADiagonal(*split, joined));
    EXPECT_EQ(CheckLinkInvariants(*split), "");
    split->Rebuild();
    EXPECT_EQ(split->CountQuadPatches(), 6);
    EXPECT_EQ(split->CountTriPatches(), 6) << "each diagonal cell split corner to corner";

    auto laid = turned();
    ASSERT_EQ(
        CCurveTool(laid.get()).KnifeCutWithCurve(camera, kPane, kPane, line.x0, line.y0, line.x1, line.y1),
        1);
    EXPECT_EQ(laid->GetVertices().GetCount(), 16);
    EXPECT_TRUE(OnADiagonal(*laid, PointsAlong(*laid->GetCurves().GetTail())));
    EXPECT_EQ(CheckLinkInvariants(*laid), "");
}

// The pieces that cut cells start grow into one curve whatever order the
// patches come in and whichever way the curves run: every way two pieces
// can meet is merged into one unbroken chain.
TEST(KnifeTest, CutPiecesMergeInAnyPatchOrder) {
    ScopedStandInDocument scope;
    const CCamera camera = TopOfGrid();
    const Drag drag = AcrossColumnOne(camera);
    std::vector<int> order = {0, 1, 2};
    int tried = 0;
    for (int reversed = 0; reversed < 2; ++reversed) {
        do {
            SCOPED_TRACE(std::to_string(reversed) + ": " + std::to_string(order[0]) +
                         std::to_string(order[1]) + std::to_string(order[2]));
            auto grid = MakeFlatQuadGrid(3);
            // The rows run from x = 3 back to x = 0 when reversed.
            for (int row = 0; reversed && row < 4; ++row) {
                CObjList<CCurvePoint>& nodes = grid->GetCurves().GetAtIndex(row)->m_nodes;
                for (int i = 1; i < nodes.GetCount(); ++i)
                    nodes.AddHead(nodes.Detach(nodes.FindIndex(i)));
            }
            grid->UpdateCurveHandles();
            grid->Rebuild();
            // Column 1's three cells first, in the order tried.
            CObjList<CPatch>& patches = grid->GetPatches();
            std::vector<CPatch*> column;
            for (CPatch* patch : patches)
                if (std::all_of(patch->m_edges.begin(), patch->m_edges.begin() + 4, [](const CNodePair& e) {
                        const float x = e.m_start->m_vertex->GetX();
                        return x == 1.0f || x == 2.0f;
                    }))
                    column.push_back(patch);
            ASSERT_EQ(column.size(), 3u);
            std::sort(column.begin(), column.end(), [](const CPatch* a, const CPatch* b) {
                return a->m_edges[0].m_start->m_vertex->GetZ() + a->m_edges[2].m_start->m_vertex->GetZ() <
                       b->m_edges[0].m_start->m_vertex->GetZ() + b->m_edges[2].m_start->m_vertex->GetZ();
            });
            for (int i = 2; i >= 0; --i)
                patches.AddHead(patches.Detach(column[static_cast<size_t>(order[static_cast<size_t>(i)])]));

            ASSERT_EQ(CCurveTool(grid.get())
                          .KnifeCutPatches(camera, kPane, kPane, drag.x0, drag.y0, drag.x1, drag.y1),
                      1);
            ASSERT_EQ(grid->GetCurves().GetCount(), 9) << "one curve";
            std::vector<CPatchVertex*> along = PointsAlong(*grid->GetCurves().GetTail());
            ASSERT_EQ(along.size(), 4u);
            if (along.front()->GetZ() > along.back()->GetZ())
                std::reverse(along.begin(), along.end());
            for (int i = 0; i < 4; ++i)
                EXPECT_FLOAT_EQ(along[static_cast<size_t>(i)]->GetZ(), static_cast<float>(i))
                    << "in row order";
            EXPECT_EQ(CheckLinkInvariants(*grid), "");
            grid->Rebuild();
            EXPECT_EQ(grid->CountQuadPatches(), 12);
            ++tried;
        } while (std::next_permutation(order.begin(), order.end()));
    }
    EXPECT_EQ(tried, 12);
}
