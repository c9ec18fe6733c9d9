// Model > Translate with its real dialog: the numbers typed into the window
// move the selected points when OK is pressed, as one undo step.
#include "app/doc_fixture.h"
#include "dialogs/numeric_transform_dlg.h"
#include "platform_ui_gui/probe_wnd.h"
#include "support/command_probe.h"
#include "support/doc_bytes.h"
#include "support/gui_modal.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"
#include "viewport/quel_view.h"

#include <gtest/gtest.h>

using qf::test::PumpEvents;

class NumericTransformGuiTest : public DocTest {};

TEST_F(NumericTransformGuiTest, TypedNumbersMoveTheSelectedPointsOnOk) {
    qf::test::ProbeFrame frame;
    CQuelView view(doc.get());
    ASSERT_TRUE(view.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &frame, 1));
    CSpatchObj* obj = doc->AddPatchObject();
    obj->SetName("patch_obj_00");
    obj->AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
    obj->SetSelected(1);
    obj->GetVertices().GetAtIndex(1)->SetSelected(1);
    obj->GetVertices().GetAtIndex(3)->SetSelected(1);
    const std::string before = qf::test::DocumentBytes(*doc);

    qf::test::SimulatedMouse mouse;
    boxes.AnswerModal(qf::test::RealDialogWithSteps<CNumericTransformDlg>([&](CNumericTransformDlg& dialog) {
        for (const auto& [id, text] : {std::pair{1063, "0.5"}, std::pair{1462, "2"}, std::pair{1464, "-1"}}) {
            auto* edit = dynamic_cast<CEdit*>(dialog.GetDlgItem(id));
            mouse.MoveTo(*edit, CPoint(8, 6));
            mouse.Down();
            mouse.Up();
            edit->SetSel(0, -1);
            mouse.Sim().Text(text);
            PumpEvents(50);
        }
        mouse.MoveTo(*dialog.GetDlgItem(IDOK), CPoint(10, 8));
        mouse.Down();
        mouse.Up();
    }));
    qf::test::RunCommand(view, 30118);
    EXPECT_EQ(boxes.GetModalCount(), 1);

    qf::test::ExpectVectorNear(*obj->GetVertices().GetAtIndex(1), {1.5f, 2, -1}, "point 1");
    qf::test::ExpectVectorNear(*obj->GetVertices().GetAtIndex(3), {1.5f, 2, 0}, "point 3");
    qf::test::ExpectVectorNear(*obj->GetVertices().GetAtIndex(0), {0, 0, 0}, "unselected");
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
    view.DestroyWindow();
}
