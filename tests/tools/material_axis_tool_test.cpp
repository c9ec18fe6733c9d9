// The material-axis drags in the front pane (20 pixels right are 0.72794
// units, 10 up 0.36397) on the current slot of the current object, whose
// axis starts at (0.5, 0.5, 0.5), turned (10, 20, 30), scaled (1, 2, 3).
#include "app/mouse_mode.h"
#include "support/model_builders.h"
#include "tools/rotate_scale_tool.h"
#include "tools/tool_fixture.h"

#include <gtest/gtest.h>

using qf::test::ExpectVectorNear;

namespace {

constexpr float kRight20 = 0.72794f;
constexpr float kUp10 = 0.36397f;

class MaterialAxisToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        obj = doc->AddPatchObject();
        obj->SetName("textured");
        obj->SetSelected(1);
        obj->AddVertex(0, 0, 0);
        obj->SetCurrentSlot(2);
        axis = obj->GetMaterialSlot(2);
        axis->m_translation.Set(0.5f, 0.5f, 0.5f);
        axis->m_rotation.Set(10, 20, 30);
        axis->m_scale.Set(1, 2, 3);
        doc->m_settings.m_manipulatorShown = 1;
    }
    void Drag(int mode, int handle, CPoint to, UINT pressKeys = 0) {
        doc->m_settings.m_mouseModeLeft = mode;
        standIn.handleUnderCursor = handle;
        controller.OnLButtonDown(100, 50, pressKeys);
        controller.OnMouseMove(to.x, to.y, MK_LBUTTON);
        controller.OnLButtonUp(to.x, to.y, 0);
    }

    CSpatchObj* obj = nullptr;
    CTransformData* axis = nullptr;
};

// The angles (x, y, z) of a frame turned X, then Y, then Z, as a matrix.
CMatrix4 Frame(const CVector3& angles) {
    CMatrix4 m;
    m.RotateX(angles.GetX());
    m.RotateY(angles.GetY());
    m.RotateZ(angles.GetZ());
    return m;
}

} // namespace

// Shift on the X handle frees Y and Z: the move keeps x; without a handle
// the document's switches rule. One drag is one undo step of the object.
TEST_F(MaterialAxisToolTest, TranslateFollowsTheGrabbedHandleOrTheAxisSwitches) {
    Drag(mouseModeAxisTranslate, CHandleState::handleX, CPoint(120, 40), MK_SHIFT);
    ExpectVectorNear(axis->m_translation, {0.5f, 0.5f + kUp10, 0.5f}, "in the Y-Z plane", 1e-4f);
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(NewestStep()->m_kind, undoObjectInfo);
    EXPECT_EQ(NewestStep()->m_english, "(Material Axis) Translate");
    doc->m_undoBuffer.Undo();
    ExpectVectorNear(axis->m_translation, {0.5f, 0.5f, 0.5f}, "undone");

    Drag(mouseModeAxisTranslate, CHandleState::handleX, CPoint(120, 40));
    ExpectVectorNear(axis->m_translation, {0.5f + kRight20, 0.5f, 0.5f}, "along X", 1e-4f);

    doc->m_settings.m_manipulatorShown = 0;
    doc->m_axisEnabled = {0, 1, 1};
    axis->m_translation.Set(0.5f, 0.5f, 0.5f);
    Drag(mouseModeAxisTranslate, CHandleState::handleX, CPoint(120, 40));
    ExpectVectorNear(axis->m_translation, {0.5f, 0.5f + kUp10, 0.5f}, "no handle: x switched off", 1e-4f);
    EXPECT_EQ(standIn.Count("repaint"), 3 + 2) << "a picked handle repaints at the press too";
}

// Mended: a grid spacing of 0 cuts nothing and snaps nothing.
TEST_F(MaterialAxisToolTest, TranslateStartsFromTheGridWhereLocked) {
    doc->m_settings.m_panes[2].m_gridLock = {1, 1, 0};
    Drag(mouseModeAxisTranslate, -1, CPoint(120, 20));
    ExpectVectorNear(axis->m_translation, {1, 1, 0.5f}, "0 + 1 on x, 0 + 1 on y");
    doc->m_settings.m_panes[2].m_gridSpacing = 0.0f;
    axis->m_translation.Set(0.5f, 0.5f, 0.5f);
    Drag(mouseModeAxisTranslate, -1, CPoint(120, 50));
    ExpectVectorNear(axis->m_translation, {0.5f + kRight20, 0.5f, 0.5f}, "", 1e-4f);
}

TEST_F(MaterialAxisToolTest, ScaleMultipliesTheAxesThatTakePart) {
    Drag(mouseModeAxisScale, -1, CPoint(0, 50));
    ExpectVectorNear(axis->m_scale, {0, 0, 0}, "100 pixels left");
    EXPECT_EQ(NewestStep()->m_english, "(Material Axis) Scale");
    doc->m_undoBuffer.Undo();
    Drag(mouseModeAxisScale, CHandleState::handleY, CPoint(150, 50));
    ExpectVectorNear(axis->m_scale, {1, 3, 3}, "the Y handle alone");
    axis->m_scale.Set(1, 2, 3);
    Drag(mouseModeAxisScale, CHandleState::handleY, CPoint(200, 50), MK_SHIFT);
    ExpectVectorNear(axis->m_scale, {2, 2, 6}, "Shift on Y: the other two");
}

// The X handle adds the angle to the X angle; the centre turns the frame
// about the viewing axis, which from the front is Z; Y turns the frame
// about the world's Y axis.
TEST_F(MaterialAxisToolTest, RotateTurnsTheFrameAboutTheHandlesAxis) {
    Drag(mouseModeAxisRotate, CHandleState::handleX, CPoint(115, 50));
    ExpectVectorNear(axis->m_rotation, {25, 20, 30});
    EXPECT_EQ(NewestStep()->m_english, "(Material Axis) Rotate");

    axis->m_rotation.Set(0, 0, 0);
    Drag(mouseModeAxisRotate, CHandleState::handleCentre, CPoint(115, 50));
    ExpectVectorNear(axis->m_rotation, {0, 0, 15}, "", 1e-4f);

    axis->m_rotation.Set(10, 20, 30);
    Drag(mouseModeAxisRotate, CHandleState::handleY, CPoint(125, 50));
    CMatrix4 expected;
    expected.RotateY(25);
    expected.Multiply(expected, Frame({10, 20, 30}));
    const CMatrix4 turned = Frame(axis->m_rotation);
    for (const CVector3& unit : {CVector3(1, 0, 0), CVector3(0, 1, 0), CVector3(0, 0, 1)})
        ExpectVectorNear(TransformPoint(unit, turned), TransformPoint(unit, expected), "the frame", 1e-4f);
    EXPECT_FALSE(standIn.handles.IsAnyHighlighted());

    // Back at the press the angles are the start's, to the bit.
    const CVector3 before = axis->m_rotation;
    doc->m_settings.m_mouseModeLeft = mouseModeAxisRotate;
    standIn.handleUnderCursor = CHandleState::handleCentre;
    controller.OnLButtonDown(100, 50, 0);
    controller.OnMouseMove(140, 20, MK_LBUTTON);
    controller.OnMouseMove(100, 50, MK_LBUTTON);
    controller.OnLButtonUp(100, 50, 0);
    EXPECT_TRUE(axis->m_rotation == before);
}

TEST_F(MaterialAxisToolTest, AHiddenObjectsAxisStaysPut) {
    obj->SetShow(0);
    Drag(mouseModeAxisTranslate, -1, CPoint(120, 40));
    ExpectVectorNear(axis->m_translation, {0.5f, 0.5f, 0.5f});
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
}
