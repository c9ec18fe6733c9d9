// Curve select and the knife in the front pane, whose origin is pixel
// (100, 50) at 27.475 pixels a unit, on a closed square curve through
// (0, 0), (2, 0), (2, 2) and (0, 2).
#include "app/mouse_mode.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"
#include "tools/tool_fixture.h"

#include <gtest/gtest.h>

namespace {

class CurveToolsTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        obj = doc->AddPatchObject();
        obj->SetName("square");
        obj->SetSelected(1);
        qf::test::AddCurveThrough(*obj,
                                  {obj->AddVertex(0, 0, 0), obj->AddVertex(2, 0, 0), obj->AddVertex(2, 2, 0),
                                   obj->AddVertex(0, 2, 0)},
                                  true);
        obj->UpdateCurveHandles();
    }
    void Knife(CPoint from, CPoint to) {
        doc->m_settings.m_mouseModeLeft = mouseModeKnife;
        LeftDrag(from, to);
    }

    CSpatchObj* obj = nullptr;
};

} // namespace

TEST_F(CurveToolsTest, CurveSelectKeepsOnlyTheClickedSegmentSelected) {
    doc->m_settings.m_mouseModeLeft = mouseModeSelectCurve;
    CCurvePoint* second = qf::test::NodeAt(*obj, 0, 1);
    obj->GetVertices().GetHead()->SetSelected(1);
    qf::test::NodeAt(*obj, 0, 3)->m_selected = 1;
    standIn.segmentUnderCursor = second;
    LeftDrag(CPoint(155, 20), CPoint(155, 20));
    EXPECT_EQ(standIn.Count("pick segment 155 20"), 1);
    EXPECT_EQ(obj->CountSelectedVertices(), 1);
    EXPECT_TRUE(second->m_vertex->m_selected);
    EXPECT_EQ(obj->GetSelectedCurvePoint(), second);
    EXPECT_EQ(qf::test::NodeAt(*obj, 0, 3)->m_selected, 0);

    standIn.segmentUnderCursor = nullptr;
    LeftDrag(CPoint(5, 5), CPoint(5, 5));
    EXPECT_EQ(obj->CountSelectedVertices(), 0);
    EXPECT_EQ(second->m_selected, 0) << "empty space deselects everything";
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
}

// The line shows over the pane while it is dragged, with its end points in
// the status text, and goes at the release.
TEST_F(CurveToolsTest, TheKnifeLineFollowsTheCursorOverThePicture) {
    doc->m_settings.m_mouseModeLeft = mouseModeKnife;
    controller.OnLButtonDown(127, 10, 0);
    controller.OnMouseMove(120, 60, MK_LBUTTON);
    controller.OnMouseMove(127, 90, MK_LBUTTON);
    ASSERT_EQ(standIn.overlay.size(), 1u);
    const CPixelStroke& line = standIn.overlay[0];
    EXPECT_EQ(line.m_points, (std::vector<CPoint>{CPoint(127, 10), CPoint(127, 90)}));
    EXPECT_EQ(line.m_style, CPixelStroke::dotted);
    EXPECT_EQ(line.m_colour, RGB(255, 255, 255));
    EXPECT_EQ(GetAppState().m_statusText, "< 127, 10 >  < 127, 90 >");
    controller.OnLButtonUp(127, 90, 0);
    EXPECT_TRUE(standIn.overlay.empty());
}

// A line at x = 0.98 from y = 2.55 down to -1.46 cuts the square's bottom and top edges: one undo step
// that takes the document back to its very bytes.
TEST_F(CurveToolsTest, AKnifeCutIsOneUndoStepBackToTheSameBytes) {
    const std::string before = qf::test::DocumentBytes(*doc);
    Knife(CPoint(127, -20), CPoint(127, 90));
    EXPECT_EQ(obj->GetVertices().GetCount(), 6);
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(NewestStep()->m_kind, undoWholeObject);
    EXPECT_EQ(NewestStep()->m_english, "(Patch) Knife");
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(qf::test::SameDocumentBytes(before, qf::test::DocumentBytes(*doc)));
}

// Mended: a line that cuts nothing leaves no step behind.
TEST_F(CurveToolsTest, AKnifeLineThatCutsNothingRecordsNothing) {
    for (const int mode : {0, 1, 2, 7}) {
        SCOPED_TRACE(mode);
        doc->m_knifeMode = mode;
        Knife(CPoint(10, 10), CPoint(10, 90));
        EXPECT_EQ(obj->GetVertices().GetCount(), 4);
        EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
        EXPECT_TRUE(standIn.overlay.empty());
    }
    doc->m_knifeMode = 2;
    Knife(CPoint(127, -20), CPoint(127, 90));
    EXPECT_EQ(obj->GetCurves().GetCount(), 2) << "the cuts joined by a new curve";
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
}
