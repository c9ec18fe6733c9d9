// The free-hand stroke in the front pane (the origin at pixel (100, 50),
// 27.475 pixels a unit) and the top pane, on the plane through the camera
// target (z = 0 in front, y = 0 from the top).
#include "app/mouse_mode.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"
#include "tools/tool_fixture.h"

#include <gtest/gtest.h>

using qf::test::ExpectVectorNear;

namespace {

class FreeHandToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        doc->m_settings.m_mouseModeLeft = mouseModeFreeHand;
        obj = doc->AddPatchObject();
        obj->SetName("drawing");
        obj->SetSelected(1);
        // A curve of its own that the stroke must leave alone.
        qf::test::AddCurveThrough(*obj, {obj->AddVertex(-3, -1, 0), obj->AddVertex(-2, -1, 0)});
    }
    // The stroke's curve, the last one, as its nodes' positions.
    std::vector<CVector3> Stroke() const {
        std::vector<CVector3> out;
        for (const CCurvePoint* node : obj->GetCurves().GetTail()->m_nodes)
            out.push_back(*node->m_vertex);
        return out;
    }
    void Stroke(std::initializer_list<CPoint> path) {
        const CPoint first = *path.begin();
        controller.OnLButtonDown(first.x, first.y, 0);
        for (const CPoint& p : path)
            controller.OnMouseMove(p.x, p.y, MK_LBUTTON);
        const CPoint last = *std::prev(path.end());
        controller.OnLButtonUp(last.x, last.y, 0);
    }

    CSpatchObj* obj = nullptr;
};

} // namespace

// With the grid locked on every axis each point lands on the grid; moves
// that stay in one grid cell add nothing after its first point.
TEST_F(FreeHandToolTest, AStrokeOnTheGridGivesOneOpenCurveOfGridPoints) {
    doc->m_settings.m_panes[2].m_gridLock = {1, 1, 1};
    // (0, 0); (0.98, 0) -> (1, 0); (1.09, 0) -> (1, 0) again; (2.00, 0.98) -> (2, 1).
    Stroke({{100, 50}, {127, 50}, {130, 50}, {155, 23}});
    ASSERT_EQ(obj->GetCurves().GetCount(), 2);
    const std::vector<CVector3> stroke = Stroke();
    ASSERT_EQ(stroke.size(), 3u);
    ExpectVectorNear(stroke[0], {0, 0, 0});
    ExpectVectorNear(stroke[1], {1, 0, 0});
    ExpectVectorNear(stroke[2], {2, 1, 0});
    EXPECT_FALSE(obj->GetCurves().GetTail()->m_closed);
    EXPECT_EQ(obj->GetVertices().GetCount(), 5);
    EXPECT_EQ(qf::test::CheckLinkInvariants(*obj), "");
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(NewestStep()->m_english, "(Patch) Free Hand");
    EXPECT_EQ(NewestStep()->m_kind, undoWholeObject);
    doc->m_undoBuffer.Undo();
    EXPECT_EQ(obj->GetCurves().GetCount(), 1);
    EXPECT_EQ(obj->GetVertices().GetCount(), 2);
}

// Slow moves still add points, each once the cursor is 0.1 units (2.75
// pixels) from the previous one.
TEST_F(FreeHandToolTest, PointsComeEveryTenthOfAUnit) {
    Stroke({{100, 50}, {101, 50}, {102, 50}, {103, 50}, {104, 50}, {105, 50}, {106, 50}});
    const std::vector<CVector3> stroke = Stroke();
    ASSERT_EQ(stroke.size(), 3u) << "at 0, 3 and 6 pixels";
    EXPECT_NEAR(stroke[1].GetX(), 3 / 27.475f, 1e-4f);
    EXPECT_NEAR(stroke[2].GetX(), 6 / 27.475f, 1e-4f);
}

// A click leaves no point, but its step; taking the stroke's point back
// goes by identity, whatever stands at the end of the point list.
TEST_F(FreeHandToolTest, AClickLeavesNoPoint) {
    Stroke({{100, 50}, {101, 51}});
    EXPECT_EQ(obj->GetCurves().GetCount(), 1);
    EXPECT_EQ(obj->GetVertices().GetCount(), 2);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(qf::test::CheckLinkInvariants(*obj), "");

    controller.OnLButtonDown(150, 20, 0);
    CPatchVertex* later = obj->AddVertex(9, 9, 9);
    controller.OnLButtonUp(150, 20, 0);
    ASSERT_EQ(obj->GetVertices().GetCount(), 3);
    EXPECT_EQ(obj->GetVertices().GetTail(), later);
    EXPECT_EQ(obj->GetCurves().GetCount(), 1);
}

TEST_F(FreeHandToolTest, FromTheTopTheStrokeLiesInTheHorizontalPlaneThroughTheTarget) {
    UsePane(0);
    Camera().m_target.Set(0, 2, 0);
    Camera().m_eye.Set(0, 12, 0);
    Stroke({{100, 50}, {140, 20}, {180, 80}});
    for (const CVector3& p : Stroke())
        EXPECT_FLOAT_EQ(p.GetY(), 2.0f);
}

TEST_F(FreeHandToolTest, AHiddenOrLockedObjectTakesNoStroke) {
    for (const bool hidden : {true, false}) {
        obj->SetShow(hidden ? 0 : 1);
        obj->SetEditable(hidden ? 1 : 0);
        Stroke({{100, 50}, {150, 50}});
        EXPECT_EQ(obj->GetCurves().GetCount(), 1);
        EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    }
}
