// The edit commands that ask a dialog (paste along the selected curve, undo
// depth, Connect Curve), and the undo step of every edit command: one step,
// which gives back the document byte for byte.
#include "dialogs/connect_dlg.h"
#include "dialogs/paste_along_curve_dlg.h"
#include "dialogs/undo_setting_dlg.h"
#include "shell_gui/edit_dialog_fixture.h"
#include "support/doc_bytes.h"
#include "viewport/quel_view.h"

#include <gtest/gtest.h>

using qf::test::IsItemEnabled;
using qf::test::RunCommand;

TEST_F(EditDialogCommandsTest, EveryEditCommandRecordsOneStepThatUndoesByteForByte) {
    CQuelView view(doc.get());
    const std::vector<std::pair<UINT, std::function<void()>>> cases = {
        {ID_EDIT_CUT, [&] { Point(0)->SetSelected(1); }},
        {ID_EDIT_PASTE, [&] { CopyCellAndSelectBend(); }},
        {ID_EDIT_PASTE_AT_SELECTION, [&] { CopyCellAndSelectBend(), Point(5)->SetSelected(1); }},
        {ID_EDIT_PASTE_ALONG_CURVE, [&] { CopyCellAndSelectBend(), Confirm<CPasteAlongCurveDlg>(); }},
        {ID_MODEL_CONNECT_CURVE, [&] { Confirm<CConnectDlg>(); }},
    };
    for (const auto& [command, prepare] : cases) {
        SCOPED_TRACE(command);
        doc->m_undoBuffer.Clear();
        prepare();
        const std::string before = qf::test::DocumentBytes(*doc);
        RunCommand(command == ID_MODEL_CONNECT_CURVE ? static_cast<CCmdTarget&>(view) : *commands, command);
        EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
        EXPECT_NE(qf::test::DocumentBytes(*doc), before) << "the command changed nothing";
        Run(ID_EDIT_UNDO);
        EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
        obj->SelectAllVertices(0);
        obj->SelectAllCurvePoints(0);
    }
    EXPECT_EQ(boxes.GetUnscriptedCount(), 0);
}

TEST_F(EditDialogCommandsTest, PasteAlongCurvePutsOneCopyCentredOnEveryPointOfTheCurve) {
    EXPECT_FALSE(IsItemEnabled(*commands, ID_EDIT_PASTE_ALONG_CURVE)) << "no selected curve";
    CopyCellAndSelectBend();
    Point(6)->SetSelected(1);
    Confirm<CPasteAlongCurveDlg>();
    Run(ID_EDIT_PASTE_ALONG_CURVE);

    ASSERT_EQ(obj->GetVertices().GetCount(), 7 + 2 * 4);
    EXPECT_EQ(obj->CountSelectedVertices(), 8) << "only the pasted points stay selected";
    const CVector3 curvePoints[] = {{4, 0, 0}, {5, 0, 0}};
    for (int copy = 0; copy < 2; ++copy) {
        CVector3 sum;
        for (int i = 7 + copy * 4; i < 11 + copy * 4; ++i)
            sum += *Point(i);
        qf::test::ExpectVectorNear(sum / 4.0f, curvePoints[copy], "copy " + std::to_string(copy));
    }
}

TEST_F(EditDialogCommandsTest, ConnectCurveJoinsByTheDialogsAngleAndPoints) {
    CQuelView view(doc.get());
    const struct {
        float angle;
        int selectedOnly;
        int curvesAfter;
    } cases[] = {{89.5f, 0, 2}, {120.0f, 0, 6}, {89.5f, 1, 5}}; // every joint is a right angle
    Point(5)->SetSelected(1);
    for (const auto& c : cases) {
        Confirm<CConnectDlg>([&](CConnectDlg& d) {
            EXPECT_EQ(d.m_angle, 89.5f);
            d.m_angle = c.angle;
            d.m_selectedOnly = c.selectedOnly;
        });
        RunCommand(view, ID_MODEL_CONNECT_CURVE);
        EXPECT_EQ(obj->GetCurves().GetCount(), c.curvesAfter) << c.angle << " " << c.selectedOnly;
        Run(ID_EDIT_UNDO);
    }
}

TEST_F(EditDialogCommandsTest, ALockedOrMissingObjectOrACancelledDialogChangesNothing) {
    CQuelView view(doc.get());
    CopyCellAndSelectBend();
    boxes.AnswerModal(IDCANCEL);
    Run(ID_EDIT_PASTE_ALONG_CURVE);
    Confirm<CPasteAlongCurveDlg>(
        [](CPasteAlongCurveDlg& d) { d.m_mode = CPasteAlongCurveDlg::pasteAtSubdivisions; });
    Run(ID_EDIT_PASTE_ALONG_CURVE);
    boxes.AnswerModal(IDCANCEL);
    RunCommand(view, ID_MODEL_CONNECT_CURVE);
    ASSERT_EQ(boxes.GetModalCount(), 3);

    obj->SetEditable(0);
    Run(ID_EDIT_PASTE_ALONG_CURVE);
    RunCommand(view, ID_MODEL_CONNECT_CURVE);
    EXPECT_EQ(boxes.GetRequests().size(), 2u) << "not editable, said twice";
    obj->SetSelected(0);
    EXPECT_FALSE(IsItemEnabled(view, ID_MODEL_CONNECT_CURVE));
    RunCommand(view, ID_MODEL_CONNECT_CURVE);
    EXPECT_EQ(boxes.GetModalCount(), 3) << "no dialog for a locked or missing object";
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    EXPECT_EQ(obj->GetVertices().GetCount(), 7);
    EXPECT_EQ(obj->GetCurves().GetCount(), 6);
}

TEST_F(EditDialogCommandsTest, UndoSettingStartsAtTheDepthAndLoweringItDropsTheOldestSteps) {
    Point(0)->SetSelected(1);
    for (UINT command : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_PASTE})
        Run(command);
    Confirm<CUndoSettingDlg>([](CUndoSettingDlg& d) {
        EXPECT_EQ(d.m_depth, CUndoBuffer::defaultMaxLevels);
        d.m_depth = 1;
    });
    Run(ID_EDIT_UNDO_SETTING);
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_STREQ(doc->m_undoBuffer.GetRecord(0)->m_english, "(Edit) Paste");
}
