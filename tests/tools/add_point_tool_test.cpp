// The add-point tool in the front pane: 27.47 pixels a unit, (0, 0) at pixel
// (100, 50), x right and y up. The tool hands each drag to the translate
// tool, which carries the new point to the release.
#include "app/mouse_mode.h"
#include "support/doc_bytes.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"
#include "tools/tool_fixture.h"
#include "tools/view_plane.h"

#include <gtest/gtest.h>

using qf::test::ExpectVectorNear;

namespace {

// 27 pixels in the front pane.
constexpr float k27Pixels = 0.98272f;

class AddPointToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        obj = doc->AddPatchObject();
        obj->SetName("curve");
        obj->SetSelected(1);
        doc->m_settings.m_mouseModeLeft = mouseModeAddPoint;
    }
    // An open curve (0, 0, 0) - (1, 0, 0) - (2, 0, 0) at pixels 100, 127 and 155 on row 50.
    CCurve* OpenCurve() {
        points = {obj->AddVertex(0, 0, 0), obj->AddVertex(1, 0, 0), obj->AddVertex(2, 0, 0)};
        CCurve* curve = qf::test::AddCurveThrough(*obj, points);
        obj->UpdateCurveHandles();
        return curve;
    }
    std::vector<CVector3> NodePositions(const CCurve& curve) const {
        std::vector<CVector3> out;
        for (const CCurvePoint* node : curve.m_nodes)
            out.push_back(*node->m_vertex);
        return out;
    }

    CSpatchObj* obj = nullptr;
    std::vector<CPatchVertex*> points;
};

} // namespace

TEST(ViewPlaneTest, APixelBecomesThePointShownThereAtTheDepth) {
    CCamera front;
    front.SetPreset(CCamera::presetFront);
    front.m_angleSpansWidth = 1;
    const CSize pane(200, 100);
    ExpectVectorNear(PixelToViewPlane(front, pane, 100, 50, 10.0f), {0, 0, 10}, "the middle pixel");
    // Half the width spans tan 20° x 10 = 3.6397 units; half the height 1.81985.
    ExpectVectorNear(PixelToViewPlane(front, pane, 200, 0, 10.0f), {3.6397f, 1.81985f, 10}, "", 1e-4f);
    ExpectVectorNear(PixelToWorld(front, pane, 127, 23, 10.0f), {k27Pixels, k27Pixels, 0}, "", 1e-4f);
    CCamera top;
    top.SetPreset(CCamera::presetTop);
    top.m_angleSpansWidth = 1;
    const CVector3 p = PixelToWorld(top, pane, 127, 23, 10.0f);
    EXPECT_NEAR(p.GetY(), 0.0f, 1e-5f) << "the top view's plane through its target";
    EXPECT_NEAR(std::abs(p.GetX()), k27Pixels, 1e-4f);
    EXPECT_NEAR(std::abs(p.GetZ()), k27Pixels, 1e-4f);
    ExpectVectorNear(PixelToViewPlane(front, CSize(1, 0), 0, 0, 10.0f),
                     PixelToViewPlane(front, CSize(1, 1), 0, 0, 10.0f), "an empty pane divides by nothing");
}

// A press in empty space puts two points under the cursor, joined by a
// curve; the second follows the drag as the translate tool moves it.
TEST_F(AddPointToolTest, APressInEmptySpaceStartsANewCurveThatTheDragPullsOut) {
    controller.OnLButtonDown(127, 23, 0);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeTranslate) << "handed over at the press";
    controller.OnMouseMove(154, 23, MK_LBUTTON);
    controller.OnLButtonUp(154, 23, 0);
    ASSERT_EQ(obj->GetVertices().GetCount(), 2);
    ASSERT_EQ(obj->GetCurves().GetCount(), 1);
    const std::vector<CPatchVertex*> made = qf::test::PointsOf(*obj);
    ExpectVectorNear(*made[0], {k27Pixels, k27Pixels, 0}, "under the press", 1e-4f);
    ExpectVectorNear(*made[1], {2 * k27Pixels, k27Pixels, 0}, "carried 27 pixels right", 1e-4f);
    EXPECT_EQ(made[1]->m_selected, 1);
    EXPECT_EQ(qf::test::CheckLinkInvariants(*obj), "");
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(NewestStep()->m_english, "(Patch) Add Point");
    EXPECT_EQ(NewestStep()->m_kind, undoWholeObject) << "the translate release keeps it whole";
    doc->m_undoBuffer.Undo();
    EXPECT_EQ(doc->m_objects.GetHead()->GetVertices().GetCount(), 0);
}

// With the grid locked the new point lands on the grid; a click without
// moving leaves two coincident points on a zero-length curve. Mended: a
// spacing of 0 or below snaps nothing instead of dividing by it.
TEST_F(AddPointToolTest, GridLockPutsTheNewPointOnTheGridWhenTheSpacingAllows) {
    CPaneDisplaySettings& show = doc->m_settings.m_panes[2];
    show.m_gridLock = {1, 1, 1};
    LeftDrag(CPoint(127, 23), CPoint(127, 23));
    const std::vector<CPatchVertex*> made = qf::test::PointsOf(*obj);
    ASSERT_EQ(made.size(), 2u);
    ExpectVectorNear(*made[0], {1, 1, 0});
    ExpectVectorNear(*made[1], {1, 1, 0});

    show.m_gridSpacing = 0.0f;
    doc->m_settings.m_mouseModeLeft = mouseModeAddPoint;
    LeftDrag(CPoint(127, 77), CPoint(127, 77));
    const CPatchVertex* last = obj->GetVertices().GetTail();
    EXPECT_TRUE(std::isfinite(last->GetX()) && std::isfinite(last->GetY()));
    ExpectVectorNear(*last, {k27Pixels, -k27Pixels, 0}, "", 1e-4f);
}

// From the end point of an open curve: away from the curve extends it by a
// new end node; back along it inserts a node before the end.
TEST_F(AddPointToolTest, DraggingFromAnEndExtendsTheCurveOrInsertsAlongIt) {
    CCurve* curve = OpenCurve();
    controller.OnLButtonDown(155, 50, 0);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeAddPoint) << "nothing happens until the first move";
    controller.OnMouseMove(175, 52, MK_LBUTTON);
    controller.OnMouseMove(182, 50, MK_LBUTTON);
    controller.OnLButtonUp(182, 50, 0);
    ASSERT_EQ(curve->m_nodes.GetCount(), 4);
    const std::vector<CVector3> extended = NodePositions(*curve);
    ExpectVectorNear(extended[3], {2 + k27Pixels, 0, 0}, "a new end node, carried from the press", 1e-4f);
    EXPECT_EQ(qf::test::CheckLinkInvariants(*obj), "");
    doc->m_undoBuffer.Undo();

    curve = doc->m_objects.GetHead()->GetCurves().GetHead();
    doc->m_settings.m_mouseModeLeft = mouseModeAddPoint;
    controller.OnLButtonDown(155, 50, 0);
    controller.OnMouseMove(150, 48, MK_LBUTTON);
    controller.OnMouseMove(140, 45, MK_LBUTTON);
    controller.OnLButtonUp(140, 45, 0);
    const std::vector<CVector3> inserted = NodePositions(*curve);
    ASSERT_EQ(inserted.size(), 4u);
    ExpectVectorNear(inserted[3], {2, 0, 0}, "the end stays the end");
    EXPECT_LT(inserted[2].GetX(), 2.0f) << "the new node sits between the end and its neighbour";
    EXPECT_GT(inserted[2].GetY(), 0.0f);
}

// An isolated point grows a new curve; the new point dragged next to
// another point is joined to it by a right press, and one undo takes the
// whole drag back to the document's bytes.
TEST_F(AddPointToolTest, APointGrowsACurveThatARightPressJoinsToANearPoint) {
    OpenCurve();
    CPatchVertex* lone = obj->AddVertex(0, 2, 0); // pixel (100, -5)
    const std::string before = qf::test::DocumentBytes(*doc);
    controller.OnLButtonDown(100, -5, 0);
    controller.OnMouseMove(110, -5, MK_LBUTTON);
    EXPECT_EQ(obj->GetCurves().GetCount(), 2) << "a new curve from the isolated point";
    controller.OnMouseMove(155, 46, MK_LBUTTON); // next to (2, 0, 0)
    controller.OnRButtonDown(155, 46, MK_LBUTTON);
    controller.OnRButtonUp(155, 46, 0);
    EXPECT_EQ(standIn.Count("menu 155 46"), 0);
    EXPECT_EQ(obj->GetVertices().GetCount(), 4) << "the new point merged into its neighbour";
    EXPECT_EQ(obj->GetCurves().GetCount(), 1) << "the new curve joined the open one at its end";
    EXPECT_EQ(obj->GetCurves().GetHead()->m_nodes.GetCount(), 4);
    EXPECT_EQ(qf::test::CheckLinkInvariants(*obj), "");
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
}

// A press on a point records a step at once, even if the release comes
// without a move; when every neighbour lies before the near distance
// nothing is added, nothing selected, and the tool still turns into translate.
TEST_F(AddPointToolTest, PressesOnPointsThatAddNothing) {
    OpenCurve();
    controller.OnLButtonDown(127, 50, 0);
    controller.OnLButtonUp(127, 50, 0);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(obj->GetVertices().GetCount(), 3);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeAddPoint);

    points[0]->SetZ(-20); // behind the eye at z = -10
    points[2]->SetZ(-20);
    LeftDrag(CPoint(127, 50), CPoint(140, 50));
    EXPECT_EQ(obj->GetVertices().GetCount(), 3);
    EXPECT_EQ(obj->CountSelectedVertices(), 0);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeTranslate);
}

TEST_F(AddPointToolTest, ScreenAngleBetweenTwoDirections) {
    const struct {
        const char* name;
        int x1, y1, x2, y2;
        float angle;
    } cases[] = {
        {"up and right", 0, -5, 5, 0, 90},
        {"up and down", 0, -5, 0, 5, 180},
        {"the same", 3, 4, 3, 4, 0},
        {"up-left and up-right", -5, -5, 5, -5, 90},
        {"left and down-left", -5, 0, -5, 5, 45},
        {"right and left", 7, 0, -7, 0, 180},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(CMouseToolController::GetScreenAngle(10, 10, 10 + c.x1, 10 + c.y1, 10 + c.x2, 10 + c.y2),
                    c.angle, 1e-4f)
            << c.name;
        EXPECT_NEAR(CMouseToolController::GetScreenAngle(10, 10, 10 + c.x2, 10 + c.y2, 10 + c.x1, 10 + c.y1),
                    c.angle, 1e-4f)
            << c.name << ", the other way round";
    }
}
