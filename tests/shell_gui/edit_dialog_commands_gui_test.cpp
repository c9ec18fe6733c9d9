// The commands that ask a number first, with their real windows driven to OK:
// Model > Connect Curve, Edit > Paste (Around Select Curve) and Edit > Undo
// Setting, each with its effect and its one undo step; and File > Export >
// Pygmalion's export settings window on the command's own path.
#include "dialogs/connect_dlg.h"
#include "dialogs/export_setting_dlg.h"
#include "dialogs/paste_along_curve_dlg.h"
#include "dialogs/undo_setting_dlg.h"
#include "platform/ui/common_dialogs.h"
#include "shell/pygmalion_export.h"
#include "shell_gui/edit_dialog_fixture.h"
#include "support/dialog_input.h"
#include "support/doc_bytes.h"
#include "support/gui_modal.h"
#include "viewport/quel_view.h"

#include <gtest/gtest.h>

using qf::test::RealDialogWithSteps;

namespace {

class EditDialogCommandsGuiTest : public EditDialogCommandsTest {
protected:
    void SetUp() override {
        if (!qf::test::HaveDisplay())
            GTEST_SKIP() << "no display";
        EditDialogCommandsTest::SetUp();
    }
    int Records() const { return doc->m_undoBuffer.GetRecordCount(); }

    qf::test::DialogInput user;
};

} // namespace

TEST_F(EditDialogCommandsGuiTest, ConnectCurveJoinsAtTheSelectedPointAsOneStep) {
    CQuelView view(doc.get());
    Point(5)->SetSelected(1);
    const std::string before = qf::test::DocumentBytes(*doc);
    boxes.AnswerModal(RealDialogWithSteps<CConnectDlg>([&](CConnectDlg& dialog) {
        EXPECT_EQ(user.Text(dialog, 1063), "89.500");
        user.Click(dialog, 1422);
        user.Click(dialog, IDOK);
    }));
    qf::test::RunCommand(view, ID_MODEL_CONNECT_CURVE);
    EXPECT_EQ(obj->GetCurves().GetCount(), 5) << "only the selected joint joined its two curves";
    EXPECT_EQ(Records(), 1);
    Run(ID_EDIT_UNDO);
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
}

TEST_F(EditDialogCommandsGuiTest, PasteAlongCurvePastesOnEveryPointAsOneStep) {
    CopyCellAndSelectBend();
    const std::string before = qf::test::DocumentBytes(*doc);
    boxes.AnswerModal(RealDialogWithSteps<CPasteAlongCurveDlg>([&](CPasteAlongCurveDlg& dialog) {
        EXPECT_EQ(dialog.IsDlgButtonChecked(1577), BST_CHECKED);
        user.Click(dialog, IDOK);
    }));
    Run(ID_EDIT_PASTE_ALONG_CURVE);
    EXPECT_EQ(obj->GetVertices().GetCount(), 7 + 2 * 4) << "a copy on each of the curve's two points";
    EXPECT_EQ(Records(), 1);
    Run(ID_EDIT_UNDO);
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
}

TEST_F(EditDialogCommandsGuiTest, UndoSettingLowersTheDepthDownToZero) {
    Point(0)->SetSelected(1);
    for (UINT command : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_PASTE})
        Run(command);
    ASSERT_EQ(Records(), 3);
    boxes.AnswerModal(RealDialogWithSteps<CUndoSettingDlg>([&](CUndoSettingDlg& dialog) {
        EXPECT_EQ(user.Text(dialog, 1063), "15");
        user.Type(dialog, 1063, "1");
        user.Key(WXK_RETURN);
    }));
    Run(ID_EDIT_UNDO_SETTING);
    EXPECT_EQ(doc->m_undoBuffer.GetMaxLevels(), 1);
    ASSERT_EQ(Records(), 1) << "the oldest steps went at once";
    EXPECT_STREQ(doc->m_undoBuffer.GetRecord(0)->m_english, "(Edit) Paste");

    // A depth of 0 reaches the undo manager, which then keeps nothing.
    boxes.AnswerModal(RealDialogWithSteps<CUndoSettingDlg>([&](CUndoSettingDlg& dialog) {
        user.Type(dialog, 1063, "0");
        user.Click(dialog, IDOK);
    }));
    Run(ID_EDIT_UNDO_SETTING);
    EXPECT_EQ(doc->m_undoBuffer.GetMaxLevels(), 0);
    EXPECT_EQ(Records(), 0);
    obj->SelectAllVertices(1);
    const int points = obj->GetVertices().GetCount();
    Run(ID_EDIT_CUT);
    EXPECT_EQ(Records(), 0);
    Run(ID_EDIT_UNDO);
    EXPECT_LT(obj->GetVertices().GetCount(), points) << "nothing to undo, nothing undone";
}

TEST_F(EditDialogCommandsGuiTest, PygmalionExportAsksThroughTheRealSettingsWindow) {
    doc->AddPatchObject()->AppendGeometry(qf::test::MakeFlatQuadGrid(2).get(), 0);
    boxes.AnswerModal(RealDialogWithSteps<CExportSettingDlg>([&](CExportSettingDlg& dialog) {
        EXPECT_FALSE(dialog.GetDlgItem(1065)->IsWindowEnabled()) << "the format uses no subdivision";
        EXPECT_TRUE(dialog.GetDlgItem(1347)->IsWindowEnabled());
        user.Click(dialog, 1578);
        user.Click(dialog, 1347);
        user.Click(dialog, IDOK);
    }));
    boxes.AnswerModal([this](qf::CModalWindow& window) {
        return dynamic_cast<CFileDialog&>(window).AcceptPath(File("all.pyg").c_str()) ? IDOK : IDCANCEL;
    });
    const std::optional<CPygmalionExportTarget> target = ChoosePygmalionExport(*doc);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->object, target->merged.get()) << "every object";
    EXPECT_EQ(target->object->GetVertices().GetCount(), 7 + 9);
    EXPECT_EQ(doc->m_pygmalionFill, 1);
}
