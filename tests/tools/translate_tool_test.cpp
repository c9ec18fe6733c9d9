// The translate drag in the front pane: 200 pixels span 2 tan 20° x 10 =
// 7.2794 units, so 20 pixels right are 0.72794 along x and 10 pixels up
// 0.36397 along y. One drag, one undo step. Then the handle drags of the
// control-point tools.
#include "app/mouse_mode.h"
#include "support/doc_bytes.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"
#include "tools/drag_offset.h"
#include "tools/tool_fixture.h"
#include "tools/translate_tool.h"

#include <gtest/gtest.h>

using qf::test::ExpectVectorNear;

namespace {

constexpr float kRight20 = 0.72794f;
constexpr float kUp10 = 0.36397f;

class TranslateToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        GetTranslateFlags() = CTranslateFlags();
        obj = doc->AddPatchObject();
        obj->SetName("shape");
        obj->SetSelected(1);
        // (0, 0) is pixel (100, 50), (1, 0) pixel (127, 50), (0, 1) pixel (100, 23);
        // two curves, 0-1 and 2-3.
        points = {obj->AddVertex(0, 0, 0), obj->AddVertex(1, 0, 0), obj->AddVertex(0, 1, 0),
                  obj->AddVertex(3, 1, 0)};
        qf::test::AddCurveThrough(*obj, {points[0], points[1]});
        qf::test::AddCurveThrough(*obj, {points[2], points[3]});
        obj->UpdateCurveHandles();
    }
    void Select(std::initializer_list<int> which) {
        obj->SelectAllVertices(0);
        for (int i : which)
            points[static_cast<size_t>(i)]->SetSelected(1);
    }

    CSpatchObj* obj = nullptr;
    std::vector<CPatchVertex*> points;
};

} // namespace

TEST_F(TranslateToolTest, ADragMovesTheSelectedPointsByItsWorldOffsetAsOneUndoStep) {
    Select({0, 1});
    LeftDrag(CPoint(150, 80), CPoint(170, 70));
    ExpectVectorNear(*points[0], {kRight20, kUp10, 0}, "", 1e-4f);
    ExpectVectorNear(*points[1], {1 + kRight20, kUp10, 0}, "", 1e-4f);
    ExpectVectorNear(*points[2], {0, 1, 0}, "unselected");
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(NewestStep()->m_kind, undoPatchPositions);
    EXPECT_EQ(NewestStep()->m_english, "(Patch) Translate");
    EXPECT_TRUE(controller.m_scratch.GetVertices().IsEmpty());

    doc->m_undoBuffer.Undo();
    ExpectVectorNear(*points[0], {0, 0, 0});
    ExpectVectorNear(*points[1], {1, 0, 0});
}

// Shift keeps the larger screen motion (equal ones move vertically); a
// grabbed axis handle keeps its axis, Shift on it the plane across it.
TEST_F(TranslateToolTest, ShiftAndGrabbedHandlesConstrainTheMove) {
    const struct {
        const char* name;
        UINT keys;
        int handle;
        CPoint to;
        CVector3 moved;
    } cases[] = {
        {"Shift", MK_SHIFT, -1, {170, 70}, {kRight20, 0, 0}},
        {"Shift, equal motion", MK_SHIFT, -1, {160, 70}, {0, kUp10, 0}},
        {"X handle", 0, CHandleState::handleX, {170, 70}, {kRight20, 0, 0}},
        {"Shift, X handle", MK_SHIFT, CHandleState::handleX, {170, 70}, {0, kUp10, 0}},
        {"centre handle", MK_SHIFT, CHandleState::handleCentre, {170, 70}, {kRight20, kUp10, 0}},
    };
    Select({0, 1});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        standIn.handleUnderCursor = c.handle;
        LeftDrag(CPoint(150, 80), c.to, c.keys);
        ExpectVectorNear(*points[0], c.moved, "", 1e-4f);
        EXPECT_FALSE(standIn.handles.IsAnyHighlighted()) << "the release clears them";
        doc->m_undoBuffer.Undo();
    }
}

// A press near one point grabs it alone; its step keeps the positions, and
// becomes the whole object as it was at the press when a right press joins it.
TEST_F(TranslateToolTest, OnePointDragKeepsPositionsOrTheJoinItMade) {
    Select({3});
    LeftDrag(CPoint(128, 48), CPoint(148, 38));
    EXPECT_EQ(obj->CountSelectedVertices(), 1);
    ExpectVectorNear(*points[1], {1 + kRight20, kUp10, 0}, "the point nearest the press", 1e-4f);
    ExpectVectorNear(*points[3], {3, 1, 0});
    EXPECT_EQ(NewestStep()->m_kind, undoPatchPositions);

    // Dragged onto point 2's pixel, the right button joins them and ends the drag.
    controller.OnLButtonDown(100, 50, 0);
    controller.OnMouseMove(100, 23, MK_LBUTTON);
    controller.OnRButtonDown(100, 23, MK_LBUTTON);
    EXPECT_EQ(obj->GetVertices().GetCount(), 3);
    EXPECT_EQ(NewestStep()->m_kind, undoWholeObject);
    controller.OnMouseMove(120, 10, MK_LBUTTON | MK_RBUTTON);
    controller.OnLButtonUp(120, 10, MK_RBUTTON);
    controller.OnRButtonUp(120, 10, 0);
    EXPECT_EQ(standIn.Count("menu 120 10"), 0);
    ExpectVectorNear(*points[0], {0, 1, 0}, "the drag ended with the join");
    doc->m_undoBuffer.Undo();
    EXPECT_EQ(obj->GetVertices().GetCount(), 4) << "the join is undone with the move";
}

// Undoing a one-point drag, with or without its join, gives back the file
// as it was before the press, flags that are neither 0 nor 1 included.
TEST_F(TranslateToolTest, UndoingAOnePointDragGivesBackTheSameFile) {
    points[2]->m_fivePoint = 1;
    points[3]->m_visible = 2;
    Select({1});
    const std::string before = qf::test::DocumentBytes(*doc);

    LeftDrag(CPoint(127, 50), CPoint(147, 40));
    ASSERT_EQ(NewestStep()->m_kind, undoPatchPositions);
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc))) << "positions only";

    controller.OnLButtonDown(127, 50, 0);
    controller.OnMouseMove(100, 23, MK_LBUTTON);
    controller.OnRButtonDown(100, 23, MK_LBUTTON);
    controller.OnLButtonUp(100, 23, MK_RBUTTON);
    controller.OnRButtonUp(100, 23, 0);
    ASSERT_EQ(NewestStep()->m_kind, undoWholeObject);
    ASSERT_EQ(obj->GetVertices().GetCount(), 3);
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc))) << "with the join";
}

// Mended: the scratch copies go at every press, so a drag whose release ran
// another tool's end (the mode changed while dragging) leaves nothing that
// the next drag would pair with the wrong points.
TEST_F(TranslateToolTest, EveryPressStartsWithEmptyScratchCopies) {
    Select({0, 1});
    controller.OnLButtonDown(150, 80, 0);
    doc->m_settings.m_mouseModeLeft = mouseModeCameraLocationX;
    controller.OnLButtonUp(150, 80, 0);
    ASSERT_EQ(controller.m_scratch.GetVertices().GetCount(), 2) << "the camera end kept them";

    doc->m_settings.m_mouseModeLeft = mouseModeTranslate;
    Select({1, 2});
    LeftDrag(CPoint(150, 80), CPoint(170, 80));
    ExpectVectorNear(*points[1], {1 + kRight20, 0, 0}, "", 1e-4f);
    ExpectVectorNear(*points[2], {kRight20, 1, 0}, "", 1e-4f);
}

// Mended: a release changes no step that its own press did not make.
TEST_F(TranslateToolTest, AReleaseWithoutItsPressLeavesOtherStepsWhole) {
    Select({0});
    doc->m_undoBuffer.BeginRecord();
    doc->m_undoBuffer.SetKind(undoWholeObject);
    doc->m_undoBuffer.SaveWholePatchObject(obj);
    doc->m_settings.m_mouseModeLeft = mouseModeCameraLocationX;
    controller.OnLButtonDown(10, 10, 0);
    doc->m_settings.m_mouseModeLeft = mouseModeTranslate;
    controller.OnLButtonUp(10, 10, 0);
    EXPECT_EQ(NewestStep()->m_kind, undoWholeObject);
}

// Grid lock snaps the offset to the spacing, halves away from zero, and a
// single point starts from the grid. Mended: a spacing of 0 or below snaps nothing.
TEST_F(TranslateToolTest, GridLockSnapsOffsetsButNeverDividesByANonPositiveSpacing) {
    EXPECT_EQ(SnapToGrid(0.49f, 1.0f), 0.0f);
    EXPECT_EQ(SnapToGrid(-0.5f, 1.0f), -1.0f);
    EXPECT_EQ(SnapToGrid(1.5f, 1.0f), 2.0f);
    EXPECT_EQ(SnapToGrid(0.3f, 0.0f), 0.3f);
    EXPECT_EQ(SnapToGrid(0.3f, -1.0f), 0.3f);

    CPaneDisplaySettings& show = doc->m_settings.m_panes[2];
    show.m_gridLock = {1, 1, 1};
    points[3]->Set(2.7f, 1, 0);
    Select({3});
    // 20 pixels right, 30 up: 0.72794 and 1.0919 units.
    LeftDrag(CPoint(182, 23), CPoint(202, -7));
    ExpectVectorNear(*points[3], {3, 2, 0}, "start 2, offset 1 on x; 1 + 1 on y");

    show.m_gridSpacing = 0.0f;
    LeftDrag(CPoint(182, 23), CPoint(202, 23));
    EXPECT_NEAR(points[3]->GetX(), 3 + kRight20, 1e-4f);
}

// The handle drags in the front pane: a closed square curve with its first
// point and node selected, so that node's two handles are the targets.
TEST_F(TranslateToolTest, HandleDragsTurnTheOtherHandleOnlyForSmoothNodes) {
    auto square = std::make_unique<CSpatchObj>();
    CPatchVertex* a = square->AddVertex(0, 0, 0);
    qf::test::AddCurveThrough(
        *square, {a, square->AddVertex(2, 0, 0), square->AddVertex(2, 2, 0), square->AddVertex(0, 2, 0)},
        true);
    doc->DeleteAllObjects();
    obj = doc->AddPatchObject();
    obj->SetName("square");
    obj->SetSelected(1);
    obj->AppendGeometry(square.get(), 0);
    CCurvePoint* node = qf::test::NodeAt(*obj, 0, 0);
    node->m_vertex->SetSelected(1);
    node->m_selected = 1;

    for (const int mode : {mouseModeTranslateCP, mouseModeTranslateCP2}) {
        SCOPED_TRACE(mode);
        node->m_manualIn = node->m_manualOut = 0;
        obj->UpdateCurveHandles();
        const CVector3 in = node->m_handleIn - *node->m_vertex;
        doc->m_settings.m_mouseModeLeft = mode;
        const CIntPair out = ProjectViewPoint(Camera(), doc->m_openGLSetting.near_plane,
                                              TransformPoint(node->m_handleOut, Camera().GetWorldToCamera()));
        LeftDrag(CPoint(out.m_x, out.m_y), CPoint(out.m_x, out.m_y - 10));
        EXPECT_EQ(node->m_auxWord, 1) << "the out-handle was nearer";
        const CVector3 dragged = node->m_offsetOut;
        if (mode == mouseModeTranslateCP) {
            CVector3 opposite = dragged * -1.0f;
            opposite.Normalize();
            ExpectVectorNear(node->m_offsetIn, opposite * in.Length(), "smooth", 1e-5f);
        } else {
            ExpectVectorNear(node->m_offsetIn, in, "corner");
        }
        EXPECT_EQ(NewestStep()->m_kind, undoPatchCurves);
    }
}
