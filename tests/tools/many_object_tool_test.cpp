// The many-object drags in the front pane, where x runs right and y up, the
// origin is pixel (100, 50) and 200 pixels span 7.2794 units (20 pixels
// right are 0.72794 along x, 10 up 0.36397 along y). Two objects are
// chosen for the multi-object tools: a small one with its box centre at
// (1, 0, 0) and a big one centred at (-2, 4, 0), so they turn and scale
// about (-0.5, 2, 0), the mean of the two centres.
#include "app/mouse_mode.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"
#include "tools/many_object_tool.h"
#include "tools/tool_fixture.h"

#include <gtest/gtest.h>

using qf::test::ExpectVectorNear;

namespace {

class ManyObjectToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        small = AddObject("small", {{0, 0, 0}, {2, 0, 0}});
        big = AddObject("big", {{-4, 2, 0}, {0, 6, 0}, {-4, 6, 0}});
        // The current object is not chosen: it stays put.
        current = AddObject("current", {{5, 5, 0}, {6, 5, 0}});
        current->SetSelected(1);
        small->SetMultiSelected(1);
        big->SetMultiSelected(1);
    }
    CSpatchObj* AddObject(const char* name, std::initializer_list<CVector3> at) {
        CSpatchObj* obj = doc->AddPatchObject();
        obj->SetName(name);
        std::vector<CPatchVertex*> points;
        for (const CVector3& p : at)
            points.push_back(obj->AddVertex(p.GetX(), p.GetY(), p.GetZ()));
        qf::test::AddCurveThrough(*obj, points);
        obj->UpdateCurveHandles();
        return obj;
    }
    static CVector3 Point(const CSpatchObj* obj, int i) { return *obj->GetVertices().GetAtIndex(i); }
    std::vector<CVector3> AllPoints() const {
        std::vector<CVector3> out;
        for (const CSpatchObj* obj : doc->m_objects)
            for (const CPatchVertex* v : obj->GetVertices())
                out.push_back(*v);
        return out;
    }
    void Drag(int mode, CPoint to, UINT keys = 0) {
        doc->m_settings.m_mouseModeLeft = mode;
        LeftDrag(CPoint(100, 50), to, keys);
    }

    CSpatchObj* small = nullptr;
    CSpatchObj* big = nullptr;
    CSpatchObj* current = nullptr;
};

} // namespace

// Worked by hand: a quarter turn counter-clockwise about (-0.5, 2) takes an
// offset (dx, dy) from the pivot to (-dy, dx).
TEST_F(ManyObjectToolTest, RotateTurnsTheChosenObjectsAboutTheMeanOfTheirBoxCentres) {
    Drag(mouseModeRotateMulti, CPoint(190, 50));
    ExpectVectorNear(Point(small, 0), {1.5f, 2.5f, 0});
    ExpectVectorNear(Point(small, 1), {1.5f, 4.5f, 0});
    ExpectVectorNear(Point(big, 0), {-0.5f, -1.5f, 0});
    ExpectVectorNear(Point(big, 1), {-4.5f, 2.5f, 0});
    ExpectVectorNear(Point(current, 0), {5, 5, 0}, "chosen only as the current object");
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(NewestStep()->m_kind, undoManyObjects);
    EXPECT_EQ(NewestStep()->m_english, "(Patch) Rotate Many Objects");
    EXPECT_EQ(NewestStep()->m_objects.GetCount(), 2);

    doc->m_undoBuffer.Undo();
    ExpectVectorNear(Point(small, 1), {2, 0, 0}, "undone");
    ExpectVectorNear(Point(big, 1), {0, 6, 0});

    // Shift: 44 degrees are none, 89 are 45.
    Drag(mouseModeRotateMulti, CPoint(144, 50), MK_SHIFT);
    ExpectVectorNear(Point(small, 1), {2, 0, 0});
    Drag(mouseModeRotateMulti, CPoint(189, 50), MK_SHIFT);
    ExpectVectorNear(Point(small, 1),
                     {-0.5f + 2.5f * 0.707107f + 2 * 0.707107f, 2 + 2.5f * 0.707107f - 2 * 0.707107f, 0});
}

// Every event starts again from the start copies: back at the press point
// every point is where it was, to the bit, whatever the drag did between.
TEST_F(ManyObjectToolTest, DraggingBackToThePressRestoresEveryPointExactly) {
    UsePane(1);
    for (const int mode : {mouseModeTranslateMulti, mouseModeScaleMulti, mouseModeRotateMulti}) {
        SCOPED_TRACE(mode);
        doc->m_settings.m_mouseModeLeft = mode;
        const std::vector<CVector3> before = AllPoints();
        controller.OnLButtonDown(100, 50, 0);
        controller.OnMouseMove(137, 21, MK_LBUTTON);
        EXPECT_FALSE(Point(big, 0) == before[2]);
        controller.OnMouseMove(100, 50, MK_LBUTTON);
        controller.OnLButtonUp(100, 50, 0);
        const std::vector<CVector3> after = AllPoints();
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_TRUE(after[i] == before[i]) << i;
    }
}

TEST_F(ManyObjectToolTest, TranslateMovesEveryPointByTheViewPlaneOffsetOnTheEnabledAxes) {
    Drag(mouseModeTranslateMulti, CPoint(120, 40));
    ExpectVectorNear(Point(small, 1), {2.72794f, 0.36397f, 0}, "", 1e-4f);
    ExpectVectorNear(Point(big, 2), {-3.27206f, 6.36397f, 0}, "", 1e-4f);
    EXPECT_EQ(NewestStep()->m_english, "(Patch) Translate Many Objects");
    doc->m_undoBuffer.Undo();
    ExpectVectorNear(Point(big, 2), {-4, 6, 0});

    doc->m_axisEnabled = {0, 1, 1};
    Drag(mouseModeTranslateMulti, CPoint(120, 40));
    ExpectVectorNear(Point(small, 1), {2, 0.36397f, 0}, "x switched off", 1e-4f);
}

// 100 pixels right double every offset from the pivot, 100 left put every
// point on it; the switched-off x keeps its coordinates.
TEST_F(ManyObjectToolTest, ScaleAboutTheMeanCentreFromFactorZeroToTwo) {
    Drag(mouseModeScaleMulti, CPoint(200, 50));
    ExpectVectorNear(Point(small, 0), {0.5f, -2, 0});
    ExpectVectorNear(Point(big, 1), {0.5f, 10, 0});
    doc->m_undoBuffer.Undo();
    Drag(mouseModeScaleMulti, CPoint(0, 50));
    for (const CSpatchObj* obj : {small, big})
        for (const CPatchVertex* v : obj->GetVertices())
            ExpectVectorNear(*v, {-0.5f, 2, 0}, "factor 0");
    doc->m_undoBuffer.Undo();
    doc->m_axisEnabled = {0, 1, 1};
    Drag(mouseModeScaleMulti, CPoint(200, 50));
    ExpectVectorNear(Point(small, 1), {2, -2, 0});
}

// Neither a drag without a chosen object nor one whose press another tool
// handled can take old positions from any undo step: the start copies
// belong to the press that took them.
TEST_F(ManyObjectToolTest, ADragWithoutItsOwnPressMovesNothing) {
    small->SetMultiSelected(0);
    big->SetMultiSelected(0);
    Drag(mouseModeRotateMulti, CPoint(190, 50));
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);

    small->SetMultiSelected(1);
    doc->m_undoBuffer.BeginRecord("(パッチ) 移動", "(Patch) Translate", undoPatchPositions);
    doc->m_undoBuffer.SavePatchPositions(small);
    small->GetVertices().GetHead()->Set(7, 7, 7);
    doc->m_settings.m_mouseModeLeft = mouseModeCameraLocationX;
    controller.OnLButtonDown(100, 50, 0);
    doc->m_settings.m_mouseModeLeft = mouseModeRotateMulti;
    controller.OnMouseMove(190, 50, MK_LBUTTON);
    controller.OnLButtonUp(190, 50, 0);
    ExpectVectorNear(Point(small, 0), {7, 7, 7}, "not the positions of the unrelated step");
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
}
