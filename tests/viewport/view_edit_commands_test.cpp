// The view's edits of the current object: every one leaves exactly one undo
// step that gives the document back byte for byte, changes what its rule
// says, and leaves a locked object, a missing object and a cancelled dialog
// alone.
#include "app/mouse_mode.h"
#include "dialogs/align_points_dlg.h"
#include "dialogs/array_dlg.h"
#include "dialogs/extrude_curve_dlg.h"
#include "dialogs/five_point_patch_dlg.h"
#include "dialogs/numeric_transform_dlg.h"
#include "dialogs/shift_position_dlg.h"
#include "dialogs/subdivide_curve_dlg.h"
#include "dialogs/text_dlg.h"
#include "view_command_fixture.h"

#include <vector>

using qf::test::NodeAt;

namespace {

// A 2 x 2 grid of unit cells in the XZ plane (point r * 3 + c at (c, 0, r);
// curves 0-2 run along X, 3-5 along Z) with its middle point raised to y = 1.
class ViewEditTest : public ViewCommandTest {
protected:
    void SetUp() override {
        ViewCommandTest::SetUp();
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(2).get(), 0);
        Point(4)->SetY(1.0f);
        obj->UpdateCurveHandles();
    }
    void SelectNode(int curve, int node) { NodeAt(*obj, curve, node)->m_selected = 1; }
    void Deselect() {
        obj->SelectAllVertices(0);
        obj->SelectAllCurvePoints(0);
    }
    int Count() const { return obj->GetVertices().GetCount(); }
    CVector3 At(int i) const { return *Point(i); }

    static void UseDejaVu(CTextDlg& d) {
        d.m_fontName = "DejaVu Sans";
        d.m_text = "L";
    }
};

struct EditCase {
    const char* name;
    UINT id;
    std::function<void()> prepare;
};

} // namespace

TEST_F(ViewEditTest, EveryEditLeavesOneStepThatUndoesByteForByte) {
    doc->m_clipboardObject.AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
    auto selectMiddle = [this] { Select({4}); };
    auto selectRow = [this] { Select({0, 1, 2}); };
    auto selectFirstCurve = [this] { SelectNode(0, 0); };
    const EditCase cases[] = {
        {"flip x", 30010, selectMiddle},
        {"flip y", 30011, selectMiddle},
        {"flip z", 30012, selectMiddle},
        {"toggle invisibility", 30015, selectMiddle},
        {"clone", 30185, selectMiddle},
        {"delete edge", 30187, selectFirstCurve},
        {"delete points", 30214, selectMiddle},
        {"extrude", 30183, selectRow},
        {"lathe", 30181, selectRow},
        {"peak", 30189, selectMiddle},
        {"round", 30191, [this] { Select({4}), NodeAt(*obj, 1, 1)->m_sharp = 1; }},
        {"reset cp", 30565,
         [this] {
             Select({4});
             CCurvePoint* node = NodeAt(*obj, 1, 1);
             node->m_manualOut = 1;
             node->m_offsetOut = {0.5f, 0.5f, 0.0f};
             obj->UpdateCurveHandles();
         }},
        {"delete curve", 30595, selectFirstCurve},
        {"peak around", 30596, [this] { SelectNode(1, 0); }},
        {"round around", 30597, [this] { SelectNode(1, 0), NodeAt(*obj, 3, 1)->m_sharp = 1; }},
        {"five-point", 30737, [this] { Select({4}), Confirm<CFivePointPatchDlg>(); }},
        {"subdivide", 30549, [this] { SelectNode(0, 0), Confirm<CSubdivideCurveDlg>(); }},
        {"tube", 30131, [this] { SelectNode(0, 0), Confirm<CExtrudeCurveDlg>(); }},
        {"create point", 30174, [this] { Confirm<CNumericTransformDlg>(); }},
        {"text", 30532, [this] { Confirm<CTextDlg>(UseDejaVu); }},
        {"star", 30055, [] {}},
        {"shift position", 30114, [this] { Select({4}), Confirm<CShiftPositionDlg>(); }},
        {"align points", 30116,
         [this] {
             Select({0, 4}), Confirm<CAlignPointsDlg>();
         }},
        {"translate", 30118,
         [this] { Select({4}), Confirm<CNumericTransformDlg>([](auto& d) { d.m_x = 1; }); }},
        {"rotate", 30122,
         [this] {
             Select({0, 1}), Confirm<CNumericTransformDlg>([](auto& d) { d.m_z = 90; });
         }},
        {"scale", 30124,
         [this] {
             Select({0, 1}), Confirm<CNumericTransformDlg>([](auto& d) { d.m_x = 3; });
         }},
        {"array", 30577, [this] { Confirm<CArrayDlg>(); }},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc->m_undoBuffer.Clear();
        c.prepare();
        const std::string before = qf::test::DocumentBytes(*doc);
        Run(c.id);
        ExpectOneStepThatUndoes(before);
        Deselect();
    }
    EXPECT_EQ(boxes.GetUnscriptedCount(), 0);
    EXPECT_TRUE(boxes.GetRequests().empty());
}

TEST_F(ViewEditTest, EditsChangeWhatTheirRuleSays) {
    Select({5});
    Run(30010);
    qf::test::ExpectVectorNear(At(5), {-2, 0, 1}, "flip x mirrors through x = 0");
    Deselect();

    Select({4});
    Run(30015);
    EXPECT_EQ(Point(4)->m_visible, 0) << "toggle invisibility";

    Run(30189);
    EXPECT_EQ(NodeAt(*obj, 1, 1)->m_sharp, 1) << "peak on the row";
    EXPECT_EQ(NodeAt(*obj, 4, 1)->m_sharp, 1) << "peak on the column";

    Run(30214);
    EXPECT_EQ(Count(), 8) << "delete points";
    EXPECT_EQ(obj->GetCurves().GetAtIndex(1)->m_nodes.GetCount(), 2);
    EXPECT_EQ(qf::test::CheckLinkInvariants(*obj), "");

    Select({0, 1, 2});
    doc->m_settings.m_latheCount = 8;
    Run(30181);
    EXPECT_EQ(Count(), 8 + 3 * 7) << "lathe: seven more copies of the three-point profile";

    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 5);
}

TEST_F(ViewEditTest, CloneAndExtrudeSelectOnlyTheNewPointsAndHandOverTheTranslateTool) {
    doc->m_settings.m_mouseModeLeft = mouseModeSelect;
    Select({4});
    Run(30185);
    ASSERT_EQ(Count(), 18) << "the whole connected piece is copied";
    EXPECT_EQ(obj->CountSelectedVertices(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_FALSE(Point(i)->m_selected) << i;
        EXPECT_TRUE(Point(9 + i)->m_selected) << i;
        qf::test::ExpectVectorNear(At(9 + i), At(i), "copy of " + std::to_string(i));
    }
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeTranslate);
    doc->m_undoBuffer.Undo();

    doc->m_settings.m_mouseModeLeft = mouseModeSelect;
    Deselect();
    Select({0, 1, 2});
    Run(30183);
    ASSERT_EQ(Count(), 12);
    EXPECT_EQ(obj->CountSelectedVertices(), 3);
    EXPECT_TRUE(Point(9)->m_selected && Point(10)->m_selected && Point(11)->m_selected);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeTranslate);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
}

TEST_F(ViewEditTest, ExtrudeAndLatheThatFindNoProfileLeaveNoStep) {
    Select({0, 4});
    for (UINT id : {30183u, 30181u}) {
        Run(id);
        EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0) << id;
        EXPECT_EQ(Drawn(), "") << id;
    }
    EXPECT_EQ(Count(), 9);
}

TEST_F(ViewEditTest, ResetCpDropsManualHandlesOfTheSelectedPoints) {
    for (int curve : {1, 4}) {
        CCurvePoint* node = NodeAt(*obj, curve, 1);
        node->m_manualIn = node->m_manualOut = 1;
    }
    NodeAt(*obj, 1, 0)->m_manualOut = 1;
    Select({4});
    SelectNode(1, 1);
    Run(30565);
    EXPECT_EQ(NodeAt(*obj, 1, 1)->m_manualIn + NodeAt(*obj, 1, 1)->m_manualOut, 0) << "on the selected curve";
    EXPECT_EQ(NodeAt(*obj, 4, 1)->m_manualOut, 1) << "another curve keeps its handles";
    EXPECT_EQ(NodeAt(*obj, 1, 0)->m_manualOut, 1) << "an unselected point keeps its handles";

    obj->SelectAllCurvePoints(0);
    Run(30565);
    EXPECT_EQ(NodeAt(*obj, 4, 1)->m_manualIn + NodeAt(*obj, 4, 1)->m_manualOut, 0)
        << "without a selected curve every curve through the point";
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 2);
}

TEST_F(ViewEditTest, DialogEditsUseTheirValues) {
    Select({4});
    Confirm<CFivePointPatchDlg>([](CFivePointPatchDlg& d) { EXPECT_EQ(d.m_action, 0); });
    Run(30737);
    EXPECT_EQ(Point(4)->m_fivePoint, 1);
    EXPECT_EQ(Drawn(), "") << "the panes repaint when the posted notification arrives";
    Deselect();

    SelectNode(0, 0);
    Confirm<CSubdivideCurveDlg>([](CSubdivideCurveDlg& d) {
        EXPECT_EQ(d.m_count, 3);
        EXPECT_EQ(d.m_onlySelectedPart, 1) << "only the selected part, unlike the dialog's own default";
    });
    Run(30549);
    EXPECT_EQ(obj->GetCurves().GetAtIndex(0)->m_nodes.GetCount(), 5) << "the first segment in three";
    EXPECT_EQ(Count(), 11);

    Deselect();
    SelectNode(0, 0);
    const int curves = obj->GetCurves().GetCount();
    Confirm<CExtrudeCurveDlg>([](CExtrudeCurveDlg& d) { d.m_radius = 0.25f; });
    Run(30131);
    EXPECT_EQ(Count(), 11 + 5 * 4) << "a ring of four at each of the five nodes";
    EXPECT_EQ(obj->GetCurves().GetCount(), curves + 5 + 4) << "five rings and four rails";
    EXPECT_NEAR((At(11) - At(0)).Length(), 0.25f, 1e-5f) << "the ring's radius";

    Drawn();
    Confirm<CNumericTransformDlg>([](CNumericTransformDlg& d) {
        EXPECT_EQ(d.m_mode, CNumericTransformDlg::modeCreatePoint);
        d.m_x = 1, d.m_y = 2, d.m_z = 3;
    });
    Run(30174);
    qf::test::ExpectVectorNear(At(Count() - 1), {1, 2, 3}, "created point");
    EXPECT_EQ(Point(Count() - 1)->m_links.GetCount(), 0);
    EXPECT_EQ(Drawn(), "vertices ") << "a new point needs only the points drawn";
}

TEST_F(ViewEditTest, TextOutlinesTheTextAndRefusesWhatItCannotDraw) {
    const int curves = obj->GetCurves().GetCount();
    Confirm<CTextDlg>([](CTextDlg& d) {
        EXPECT_EQ(d.m_text, "text");
        EXPECT_EQ(d.m_fontName, "");
        EXPECT_EQ(d.m_pointSize, 10);
        d.m_text = "L";
    });
    Run(30532);
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_EQ(boxes.GetRequests()[0].text, "Select Font");

    const auto outline = [&](int pointSize) {
        Confirm<CTextDlg>([pointSize](CTextDlg& d) { UseDejaVu(d), d.m_pointSize = pointSize; });
        Run(30532);
        CVector3 maxCorner, minCorner;
        obj->GetBounds(maxCorner, minCorner);
        doc->m_undoBuffer.Undo();
        return maxCorner.GetY();
    };
    const float sizeOne = outline(1);
    EXPECT_GT(sizeOne, 0.5f) << "the letter stands above the grid";
    EXPECT_EQ(outline(0), sizeOne) << "a size of 0 counts as 1";
    EXPECT_EQ(outline(-5), sizeOne);
    doc->m_undoBuffer.Clear();

    Confirm<CTextDlg>([](CTextDlg& d) { UseDejaVu(d), d.m_text = ""; });
    Run(30532);
    Confirm<CTextDlg>([](CTextDlg& d) { UseDejaVu(d), d.m_text = " "; });
    Run(30532);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0) << "nothing to outline records nothing";
    EXPECT_EQ(obj->GetCurves().GetCount(), curves);
    ASSERT_EQ(boxes.GetRequests().size(), 2u) << "a text of blanks is refused with a message";
    EXPECT_EQ(boxes.GetRequests()[1].text, "fail to create");
}

TEST_F(ViewEditTest, ALockedObjectACancelledDialogOrNoObjectChangesNothing) {
    const std::vector<UINT> edits = {30010, 30011, 30012, 30015, 30185, 30187, 30214, 30183, 30181,
                                     30189, 30191, 30565, 30595, 30596, 30597, 30737, 30549, 30131,
                                     30174, 30532, 30055, 30114, 30116, 30118, 30122, 30124, 30577};
    doc->m_clipboardObject.AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
    Select({0, 1, 2});
    SelectNode(0, 0);
    const std::string before = qf::test::DocumentBytes(*doc);

    obj->SetEditable(0);
    for (UINT id : edits) {
        // Delete Edge's item asks only for a selected curve.
        EXPECT_EQ(Enabled(id), id == 30187) << id;
        Run(id);
    }
    // The shortcut keys call the numeric commands without asking the menu.
    view->OnNumericTranslate();
    view->OnNumericRotate();
    view->OnNumericScale();
    EXPECT_EQ(boxes.GetModalCount(), 0) << "no dialog for a locked object";
    obj->SetEditable(1);

    for (UINT id : {30737u, 30549u, 30131u, 30174u, 30532u, 30114u, 30116u, 30118u, 30122u, 30124u, 30577u}) {
        boxes.AnswerModal(IDCANCEL);
        Run(id);
    }
    EXPECT_EQ(boxes.GetModalCount(), 11);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));

    obj->SetSelected(0);
    const std::string unselected = qf::test::DocumentBytes(*doc);
    for (UINT id : edits)
        Run(id);
    EXPECT_EQ(boxes.GetRequests().size(), 13u) << "the thirteen commands that ask for an object say so";
    EXPECT_EQ(boxes.GetModalCount(), 11);
    EXPECT_TRUE(qf::test::SameDocumentBytes(unselected, qf::test::DocumentBytes(*doc)));
}
