// Typed transforms of the selected points, the array of clipboard copies,
// the transforms of several objects about their common centre, and Freeze.
#include "dialogs/align_points_dlg.h"
#include "dialogs/array_dlg.h"
#include "dialogs/numeric_transform_dlg.h"
#include "dialogs/shift_position_dlg.h"
#include "model/mirror_builder.h"
#include "view_command_fixture.h"
#include "viewport/model_commands.h"

using qf::test::ExpectVectorNear;

namespace {

class ViewNumericTest : public ViewCommandTest {
protected:
    // An open curve along X from (0, 0, 0) to (2, 0, 0) through (1, 0, 0),
    // and a lone point at (0, 5, 0).
    void SetUp() override {
        ViewCommandTest::SetUp();
        std::vector<CPatchVertex*> row;
        for (int i = 0; i < 3; ++i)
            row.push_back(obj->AddVertex(static_cast<float>(i), 0.0f, 0.0f));
        qf::test::AddCurveThrough(*obj, row);
        obj->AddVertex(0.0f, 5.0f, 0.0f);
        obj->UpdateCurveHandles();
    }
    CVector3 At(int i) const { return *Point(i); }
    // The numeric dialog answers values after checking its mode and preset.
    void AnswerNumbers(int mode, float preset, const CVector3& values) {
        Confirm<CNumericTransformDlg>([=](CNumericTransformDlg& d) {
            EXPECT_EQ(d.m_mode, mode);
            EXPECT_EQ(d.m_x, preset);
            EXPECT_EQ(d.m_z, preset);
            d.m_x = values.GetX(), d.m_y = values.GetY(), d.m_z = values.GetZ();
        });
    }
    // A second object: a unit square in the XY plane at x = 4..5.
    CSpatchObj* AddSquareObject() {
        CSpatchObj* other = doc->AddPatchObject();
        other->SetName("patch_obj_01");
        std::vector<CPatchVertex*> ring;
        for (const CVector3& p : {CVector3(4, 0, 0), CVector3(5, 0, 0), CVector3(5, 1, 0), CVector3(4, 1, 0)})
            ring.push_back(other->AddVertex(p.GetX(), p.GetY(), p.GetZ()));
        qf::test::AddCurveThrough(*other, ring, true);
        other->UpdateCurveHandles();
        return other;
    }
};

} // namespace

TEST_F(ViewNumericTest, ShiftPositionMovesTheChosenAxesOfTheBox) {
    Select({0, 1, 2, 3});
    Confirm<CShiftPositionDlg>([](CShiftPositionDlg& d) {
        EXPECT_EQ(d.m_max, (std::array<float, 3>{2, 5, 0}));
        EXPECT_EQ(d.m_min, (std::array<float, 3>{0, 0, 0}));
        EXPECT_EQ(d.m_size, (std::array<float, 3>{2, 5, 0}));
        d.m_action = CShiftPositionDlg::maximumToZero;
        d.m_use = {1, 0, 0};
    });
    Run(30114);
    ExpectVectorNear(At(0), {-2, 0, 0}, "x only, maximum to 0");
    ExpectVectorNear(At(3), {-2, 5, 0});

    Confirm<CShiftPositionDlg>([](CShiftPositionDlg& d) {
        d.m_action = CShiftPositionDlg::centreToZero;
        d.m_use = {0, 1, 1};
    });
    Run(30114);
    ExpectVectorNear(At(0), {-2, -2.5f, 0}, "the centre's y to 0");
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 2);
}

TEST_F(ViewNumericTest, AlignPointsSetsTheAppliedCoordinates) {
    Select({1, 3});
    Confirm<CAlignPointsDlg>([](CAlignPointsDlg& d) {
        EXPECT_EQ(d.m_max, (std::array<float, 3>{1, 5, 0}));
        EXPECT_EQ(d.m_min, (std::array<float, 3>{0, 0, 0}));
        EXPECT_EQ(d.m_position, (std::array<float, 3>{0.5f, 2.5f, 0}));
        EXPECT_EQ(d.m_apply, (std::array<int, 3>{1, 0, 0}));
        d.m_apply = {0, 1, 0};
        d.m_position = {9, 7, 9};
    });
    Run(30116);
    ExpectVectorNear(At(1), {1, 7, 0});
    ExpectVectorNear(At(3), {0, 7, 0});
    ExpectVectorNear(At(0), {0, 0, 0}, "unselected");
}

TEST_F(ViewNumericTest, TranslateRotateAndScaleWorkAboutTheSelectionsBox) {
    Select({0, 1, 2});
    AnswerNumbers(CNumericTransformDlg::modeTranslate, 0.0f, {1, 2, 3});
    Run(30118);
    ExpectVectorNear(At(0), {1, 2, 3});
    ExpectVectorNear(At(3), {0, 5, 0}, "unselected");
    doc->m_undoBuffer.Undo();

    // A manual handle along the curve turns with the curve.
    CCurvePoint* first = obj->GetCurves().GetHead()->m_nodes.GetHead();
    first->m_manualOut = 1;
    first->m_offsetOut = {0.5f, 0, 0};
    AnswerNumbers(CNumericTransformDlg::modeRotate, 0.0f, {0, 0, 90});
    Run(30122);
    ExpectVectorNear(At(1), {1, 0, 0}, "the centre of the box stays");
    EXPECT_NEAR(At(0).GetX(), 1.0f, 1e-5f);
    EXPECT_NEAR(std::abs(At(0).GetY()), 1.0f, 1e-5f);
    ExpectVectorNear(At(2), {1, -At(0).GetY(), 0}, "the other end turned the other way");
    ExpectVectorNear(first->m_offsetOut, (At(2) - At(0)) * 0.25f, "the handle still points along the curve");
    doc->m_undoBuffer.Undo();
    ExpectVectorNear(first->m_offsetOut, {0.5f, 0, 0}, "undo gives the handle back");

    AnswerNumbers(CNumericTransformDlg::modeScale, 1.0f, {2, 1, 1});
    Run(30124);
    ExpectVectorNear(At(0), {-1, 0, 0});
    ExpectVectorNear(At(2), {3, 0, 0});
    ExpectVectorNear(first->m_offsetOut, {1, 0, 0}, "the handle stretches with the curve");
}

TEST_F(ViewNumericTest, ArrayAddsCopiesOfTheClipboardStepByStep) {
    // The clipboard: a unit square cell from (0, 0, 0) to (1, 0, 1).
    doc->m_clipboardObject.AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
    EXPECT_TRUE(Enabled(30577));
    Confirm<CArrayDlg>([](CArrayDlg& d) {
        EXPECT_EQ(d.m_count, 5);
        d.m_count = 3;
        d.m_translate = {1, 0, 0};
        d.m_scale = {2, 1, 1};
    });
    Run(30577);
    ASSERT_EQ(obj->GetVertices().GetCount(), 4 + 3 * 4);
    EXPECT_EQ(obj->CountSelectedVertices(), 0) << "the copies come unselected";
    for (int copy = 1; copy <= 3; ++copy) {
        CSpatchObj part;
        for (int i = 0; i < 4; ++i) {
            const CVector3 p = At(4 * copy + i);
            part.AddVertex(p.GetX(), p.GetY(), p.GetZ());
        }
        CVector3 maxCorner, minCorner;
        part.GetBounds(maxCorner, minCorner);
        const std::string name = "copy " + std::to_string(copy);
        EXPECT_NEAR(maxCorner.GetX() - minCorner.GetX(), 1.0f + static_cast<float>(copy), 1e-5f) << name;
        ExpectVectorNear(part.GetCenter(), {0.5f + static_cast<float>(copy), 0, 0.5f}, name);
    }
    ExpectVectorNear(At(0), {0, 0, 0}, "the object's own points stay");

    doc->m_clipboardObject.DeleteAllCurves();
    doc->m_clipboardObject.DeleteAllVertices();
    EXPECT_FALSE(Enabled(30577));
    Run(30577);
    EXPECT_EQ(boxes.GetModalCount(), 1) << "an empty clipboard asks nothing";
}

TEST_F(ViewNumericTest, ManyObjectsTurnAboutTheirCommonCentreInOneStep) {
    CSpatchObj* square = AddSquareObject();
    EXPECT_FALSE(Enabled(30662)) << "nothing chosen in the multi-object window";
    obj->SetMultiSelected(1);
    square->SetMultiSelected(1);
    CSpatchObj* locked = AddSquareObject();
    locked->SetName("locked");
    locked->SetMultiSelected(1);
    locked->SetEditable(0);
    doc->AddPatchObject()->SetMultiSelected(1); // no points
    EXPECT_TRUE(Enabled(30662));
    const std::string before = qf::test::DocumentBytes(*doc);

    // The common box runs from (0, 0, 0) to (5, 5, 0): the centre is (2.5, 2.5, 0).
    AnswerNumbers(CNumericTransformDlg::modeRotate, 0.0f, {0, 0, 180});
    Run(30662);
    ExpectVectorNear(At(0), {5, 5, 0}, "turned about the common centre");
    ExpectVectorNear(*square->GetVertices().GetHead(), {1, 5, 0});
    ExpectVectorNear(*locked->GetVertices().GetHead(), {4, 0, 0}, "a locked object stays");
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_objects.GetCount(), 2) << "only the moved objects are saved";
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));

    AnswerNumbers(CNumericTransformDlg::modeScale, 1.0f, {1, 2, 1});
    Run(30661);
    ExpectVectorNear(At(3), {0, 7.5f, 0}, "y doubled about the common centre");
    ExpectVectorNear(*square->GetVertices().GetHead(), {4, -2.5f, 0});

    Confirm<CShiftPositionDlg>([](CShiftPositionDlg& d) {
        EXPECT_EQ(d.m_max, (std::array<float, 3>{5, 7.5f, 0}));
        EXPECT_EQ(d.m_min, (std::array<float, 3>{0, -2.5f, 0}));
    });
    Run(30659);
    ExpectVectorNear(At(3), {-2.5f, 5.0f, 0}, "the common centre at the origin");
    ExpectVectorNear(*square->GetVertices().GetHead(), {1.5f, -5.0f, 0}, "the objects keep their places");
}

TEST_F(ViewNumericTest, ManyObjectTransformsThatChangeNothingRecordNothing) {
    obj->SetMultiSelected(1);
    Drawn();
    AnswerNumbers(CNumericTransformDlg::modeTranslate, 0.0f, {0, 0, 0});
    Run(30660);
    AnswerNumbers(CNumericTransformDlg::modeRotate, 0.0f, {0, 0, 0});
    Run(30662);
    AnswerNumbers(CNumericTransformDlg::modeScale, 1.0f, {1, 1, 1});
    Run(30661);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    EXPECT_EQ(Drawn(), "");

    AnswerNumbers(CNumericTransformDlg::modeTranslate, 0.0f, {0, 0, 1});
    Run(30660);
    ExpectVectorNear(At(3), {0, 5, 1}, "every point moves, selected or not");
    EXPECT_EQ(Drawn(), "full ");
}

TEST_F(ViewNumericTest, FreezeKeepsTheMirroredShapeAndUndoBringsTheMirrorBack) {
    EXPECT_FALSE(CModelCommands().CanFreeze());
    obj->SetMirrorMode(1);
    for (int axis = 0; axis < 3; ++axis)
        obj->SetMirrorAxis(axis, 0);
    EXPECT_TRUE(CModelCommands().CanFreeze());
    CModelCommands().Freeze();
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0) << "a mirror without an axis has nothing to freeze";
    EXPECT_EQ(obj->GetMirrorMode(), 1);

    obj->SetMirrorAxis(0, 1);
    obj->SetEditable(0);
    const std::string locked = qf::test::DocumentBytes(*doc);
    EXPECT_FALSE(CModelCommands().CanFreeze());
    CModelCommands().Freeze();
    EXPECT_EQ(qf::test::DocumentBytes(*doc), locked) << "a locked object stays as it is";
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    obj->SetEditable(1);
    const std::string before = qf::test::DocumentBytes(*doc);
    CModelCommands().Freeze();
    EXPECT_EQ(obj->GetVertices().GetCount(), 8) << "both halves are the object's own";
    EXPECT_EQ(obj->GetMirrorMode(), 0);
    ExpectOneStepThatUndoes(before);
    EXPECT_EQ(obj->GetMirrorMode(), 1);
}
