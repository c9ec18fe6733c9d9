// The rotate, scale, weight and noise drags in the front pane, where x runs
// right and y up and 200 pixels span 7.2794 units. Each drag is one undo step.
#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "support/doc_bytes.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"
#include "tools/rotate_scale_tool.h"
#include "tools/tool_fixture.h"

#include <gtest/gtest.h>

using qf::test::ExpectVectorNear;

namespace {

// Three points on a line through the origin, (-1, 0, 0), (1, 0, 0) and
// (3, 0, 0), on one open curve whose middle node has manual handles.
class TransformToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        obj = doc->AddPatchObject();
        obj->SetName("line");
        obj->SetSelected(1);
        points = {obj->AddVertex(-1, 0, 0), obj->AddVertex(1, 0, 0), obj->AddVertex(3, 0, 0)};
        CCurve* curve = qf::test::AddCurveThrough(*obj, points);
        middle = curve->m_nodes.GetAtIndex(1);
        middle->m_manualIn = middle->m_manualOut = 1;
        middle->m_offsetIn = CVector3(-0.5f, 0, 0);
        middle->m_offsetOut = CVector3(0.5f, 0, 0);
        obj->UpdateCurveHandles();
    }
    void Select(std::initializer_list<int> which) {
        obj->SelectAllVertices(0);
        for (int i : which)
            points[static_cast<size_t>(i)]->SetSelected(1);
    }
    int Steps() const { return doc->m_undoBuffer.GetRecordCount(); }
    std::vector<CVector3> Positions() const {
        std::vector<CVector3> out;
        for (const CPatchVertex* p : points)
            out.push_back(*p);
        return out;
    }
    // A drag from (100, 50) by (dx, dy) pixels (dy up) in `moves` equal steps.
    void DragBy(int dx, int dy, UINT keys = 0, int moves = 1) {
        controller.OnLButtonDown(100, 50, keys);
        for (int m = 1; m <= moves; ++m)
            controller.OnMouseMove(100 + dx * m / moves, 50 - dy * m / moves, keys | MK_LBUTTON);
        controller.OnLButtonUp(100 + dx, 50 - dy, keys);
    }

    CSpatchObj* obj = nullptr;
    std::vector<CPatchVertex*> points;
    CCurvePoint* middle = nullptr;
};

} // namespace

// About the centre (0, 0, 0) of points 0 and 1 and the front view's axis:
// 100 pixels turn by 100 degrees, with Shift by 90, and 44 with Shift by 0.
TEST_F(TransformToolTest, RotateTurnsByTheDragAndShiftSnapsTo45Degrees) {
    doc->m_settings.m_mouseModeLeft = mouseModeRotate;
    Select({0, 1});
    DragBy(100, 0, MK_SHIFT);
    ExpectVectorNear(*points[1], {0, 1, 0}, "a quarter turn counter-clockwise on screen");
    ExpectVectorNear(*points[0], {0, -1, 0});
    ExpectVectorNear(*points[2], {3, 0, 0}, "not selected");
    ExpectVectorNear(middle->m_offsetOut, {0, 0.5f, 0}, "manual handles turn with their point");
    ExpectVectorNear(middle->m_offsetIn, {0, -0.5f, 0});
    ASSERT_EQ(Steps(), 1);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_english, "(Patch) Rotate");
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_kind, undoPatchGeometry);
    doc->m_undoBuffer.Undo();
    ExpectVectorNear(*points[1], {1, 0, 0}, "undone");
    ExpectVectorNear(middle->m_offsetOut, {0.5f, 0, 0});

    DragBy(44, 0, MK_SHIFT);
    ExpectVectorNear(*points[1], {1, 0, 0}, "44 degrees snap to 0");
    DragBy(60, 40);
    ExpectVectorNear(*points[1], {-0.173648f, 0.984808f, 0}, "100 degrees, right and up counting alike");
    EXPECT_FALSE(controller.GetPane().GetHandleState().m_rotating) << "the release ends the turn";
}

// Every event starts again from the press copies: back at the press point
// every point is where it was, to the bit.
TEST_F(TransformToolTest, DraggingBackToThePressRestoresEveryPointExactly) {
    UsePane(1); // the perspective pane turns about a slanted axis
    Select({0, 1, 2});
    for (const int mode : {mouseModeRotate, mouseModeScale}) {
        SCOPED_TRACE(mode);
        doc->m_settings.m_mouseModeLeft = mode;
        const std::vector<CVector3> before = Positions();
        controller.OnLButtonDown(100, 50, 0);
        controller.OnMouseMove(137, 21, MK_LBUTTON);
        EXPECT_FALSE(*points[2] == before[2]);
        controller.OnMouseMove(100, 50, MK_LBUTTON);
        controller.OnLButtonUp(100, 50, 0);
        for (size_t i = 0; i < points.size(); ++i)
            EXPECT_TRUE(*points[i] == before[i]) << i;
    }
}

// A picked X handle turns about X through the centre and writes every
// coordinate, even of a switched-off axis.
TEST_F(TransformToolTest, RotateAboutAPickedAxisHandleIgnoresTheAxisSwitches) {
    doc->m_settings.m_mouseModeLeft = mouseModeRotate;
    doc->m_settings.m_manipulatorShown = 1;
    doc->m_axisEnabled = {1, 0, 0};
    points[0]->Set(-1, 0, 0);
    points[1]->Set(1, 2, 0);
    Select({0, 1});
    standIn.handleUnderCursor = CHandleState::handleX;
    DragBy(90, 0);
    // About the line y = 1, z = 0 through the centre (0, 1, 0).
    ExpectVectorNear(*points[1], {1, 1, 1});
    ExpectVectorNear(*points[0], {-1, 1, -1});
    EXPECT_EQ(standIn.Count("repaint"), 2) << "the picked handle lights up, then the move";

    standIn.handleUnderCursor = -1;
    doc->m_undoBuffer.Undo();
    DragBy(90, 0);
    ExpectVectorNear(*points[1], {-1, 2, 0}, "without a handle: about the view axis, only x written", 1e-5f);
}

// 250 pixels scale by 3.5, with Shift by 3; far down-left by 0; a
// switched-off axis keeps its coordinate.
TEST_F(TransformToolTest, ScaleByTheDragAboutTheCentreWithWholeFactorsUnderShift) {
    doc->m_settings.m_mouseModeLeft = mouseModeScale;
    Select({0, 1});
    DragBy(150, 100, MK_SHIFT);
    ExpectVectorNear(*points[0], {-3, 0, 0});
    ExpectVectorNear(*points[1], {3, 0, 0});
    ExpectVectorNear(middle->m_offsetOut, {1.5f, 0, 0}, "handles scale with the points");
    doc->m_undoBuffer.Undo();

    DragBy(150, 100);
    ExpectVectorNear(*points[1], {3.5f, 0, 0});
    doc->m_undoBuffer.Undo();

    points[1]->Set(1, 2, 0);
    DragBy(-300, -300);
    ExpectVectorNear(*points[0], {0, 1, 0}, "every enabled coordinate collapses onto the centre");
    ExpectVectorNear(*points[1], {0, 1, 0});
    doc->m_undoBuffer.Undo();

    doc->m_axisEnabled = {0, 1, 1};
    DragBy(100, 0);
    ExpectVectorNear(*points[1], {1, 3, 0}, "x off: y doubles about the centre's 1");
    EXPECT_EQ(GetAppState().m_statusText, "Scale < 1.0000, 2.0000, 2.0000 >");
}

TEST_F(TransformToolTest, OneSelectedPointIsNeitherTurnedNorScaled) {
    Select({1});
    for (const int mode : {mouseModeRotate, mouseModeScale}) {
        doc->m_settings.m_mouseModeLeft = mode;
        DragBy(100, 0);
        ExpectVectorNear(*points[1], {1, 0, 0});
    }
    EXPECT_EQ(Steps(), 0);
}

// +0.01 per pixel up, +0.001 per pixel right, summed over the events, with no limit.
TEST_F(TransformToolTest, WeightGrowsAHundredthPerPixelUpAndATenthOfThatToTheRight) {
    doc->m_settings.m_mouseModeLeft = mouseModeCurveWeight;
    Select({1});
    DragBy(0, 100, 0, 7);
    EXPECT_NEAR(middle->m_weight, 0.3f + 1.0f, 1e-5f);
    ASSERT_EQ(Steps(), 1);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_kind, undoPatchCurves);
    DragBy(100, 0, 0, 3);
    EXPECT_NEAR(middle->m_weight, 1.3f + 0.1f, 1e-5f);
    DragBy(0, -300);
    EXPECT_NEAR(middle->m_weight, -1.6f, 1e-5f) << "no limit below";
    doc->m_undoBuffer.Undo();
    doc->m_undoBuffer.Undo();
    doc->m_undoBuffer.Undo();
    EXPECT_NEAR(middle->m_weight, 0.3f, 1e-6f);

    obj->SelectAllVertices(0);
    DragBy(0, 100);
    EXPECT_EQ(Steps(), 3) << "no selection, no new step (the undone ones stay for redo)";
    EXPECT_NEAR(middle->m_weight, 0.3f, 1e-6f);
}

// The noise directions are fixed per selected point: the same net motion
// gives the same shape however many events carry it, and undo gives back
// the document's bytes.
TEST_F(TransformToolTest, NoiseIsReproducibleAndUndoesToTheSameDocument) {
    doc->m_settings.m_mouseModeLeft = mouseModeNoise;
    Select({0, 2});
    const std::string before = qf::test::DocumentBytes(*doc);
    DragBy(30, 20, 0, 1);
    const std::vector<CVector3> once = Positions();
    EXPECT_FALSE(once[0] == CVector3(-1, 0, 0));
    ExpectVectorNear(once[1], {1, 0, 0}, "not selected");
    ASSERT_EQ(Steps(), 1);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_english, "(Patch) Noise");
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));

    DragBy(30, 20, 0, 10);
    for (size_t i = 0; i < points.size(); ++i)
        ExpectVectorNear(*points[i], once[i], "ten events", 1e-5f);
    doc->m_undoBuffer.Undo();

    // Ten pixels right move as far as one up.
    DragBy(10, 0);
    const CVector3 right = *points[0] - CVector3(-1, 0, 0);
    doc->m_undoBuffer.Undo();
    DragBy(0, 1);
    ExpectVectorNear(*points[0] - CVector3(-1, 0, 0), right, "", 1e-6f);
    doc->m_undoBuffer.Undo();

    doc->m_axisEnabled = {0, 1, 1};
    DragBy(30, 20);
    EXPECT_EQ(points[0]->GetX(), -1.0f) << "x switched off";
    EXPECT_NEAR(points[0]->GetY(), once[0].GetY(), 1e-6f) << "the other axes move as before";
    EXPECT_NEAR(points[2]->GetZ(), once[2].GetZ(), 1e-6f);
}

TEST_F(TransformToolTest, RotationAnglesOfTheReadout) {
    const struct {
        const char* name;
        void (CMatrix4::*turn)(float);
        CVector3 angles;
    } cases[] = {
        {"about X", &CMatrix4::RotateX, {30, 0, 0}},
        {"about Y", &CMatrix4::RotateY, {0, 30, 0}},
        {"about Z", &CMatrix4::RotateZ, {0, 0, 30}},
    };
    for (const auto& c : cases) {
        CMatrix4 r;
        (r.*c.turn)(30.0f);
        ExpectVectorNear(GetRotationAngles(r), c.angles, c.name, 1e-3f);
    }
    ExpectVectorNear(GetRotationAngles(CMatrix4()), {0, 0, 0}, "none");
    // The top view's turn about its viewing axis, as the status text shows it.
    CMatrix4 aboutY;
    aboutY.RotateX(-90.0f);
    aboutY.RotateZ(60.0f);
    aboutY.RotateX(90.0f);
    const CVector3 shown = GetRotationAngles(aboutY);
    EXPECT_EQ(FormatFloat(shown.GetX(), 4) + " " + FormatFloat(shown.GetZ(), 4), "0.0000 0.0000")
        << "never 360.0000";
}
