// The modelling-command pattern: the tests on the current object, the
// repaint rules over the four panes and the enabling rules of menu items.
#include "app/doc_fixture.h"
#include "recording_pane.h"
#include "support/model_shapes.h"
#include "viewport/model_command.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class ModelCommandTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        for (int p = 0; p < kPaneCount; ++p)
            doc->RegisterWindow(panes[p].GetSafeHwnd(), wndGLPane0 + p);
        obj = doc->AddPatchObject();
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
        obj->SetSelected(1);
    }
    // What pane 0 drew for the rule with the panes' surfaces, curves and vertices switches.
    std::string Repaint(RepaintRule rule, int surfaces, int curves, int vertices,
                        bool hadCurvePoint = false) {
        for (int p = 0; p < kPaneCount; ++p) {
            CPaneDisplaySettings& show = doc->m_settings.m_panes[static_cast<size_t>(p)];
            show.m_showSurfaces = surfaces;
            show.m_showCurves = curves;
            show.m_showVertices = vertices;
            panes[p].log.clear();
        }
        RepaintPanes(rule, hadCurvePoint);
        return panes[0].log;
    }

    RecordingPane panes[kPaneCount];
    CSpatchObj* obj = nullptr;
};

} // namespace

TEST_F(ModelCommandTest, RepaintRulesChooseFullRepaintsOrQuickDraws) {
    doc->m_settings.m_manipulatorShown = 0;
    const struct {
        const char* name;
        RepaintRule rule;
        int surfaces, curves, vertices;
        bool hadCurvePoint;
        std::string expected;
    } cases[] = {
        {"R1", repaintAll, 0, 0, 0, false, "full "},
        {"R2 with surfaces", repaintShape, 1, 1, 1, false, "full "},
        {"R2 curves, then vertices", repaintShape, 0, 1, 1, false, "curves vertices "},
        {"R3 points only: nothing", repaintCurves, 0, 0, 1, false, ""},
        {"R3 with curves", repaintCurves, 0, 1, 0, false, "full "},
        {"R4 a curve point was selected", repaintSelection, 0, 1, 1, true, "full "},
        {"R4 otherwise vertices", repaintSelection, 0, 1, 1, false, "vertices "},
        {"R6 curves and vertices", repaintSelectionOnCurve, 0, 1, 1, false, "curves vertices "},
        {"R7 points shown", repaintHiddenPoints, 0, 0, 1, false, "full "},
        {"R7 points hidden: nothing", repaintHiddenPoints, 0, 1, 0, false, ""},
        {"R8 vertices, then curves", repaintShowAgain, 0, 1, 1, false, "vertices curves "},
        {"R9 curves", repaintCurveSelection, 0, 0, 0, false, "curves "},
        {"R10 vertices", repaintNewVertex, 1, 1, 1, false, "vertices "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Repaint(c.rule, c.surfaces, c.curves, c.vertices, c.hadCurvePoint), c.expected) << c.name;

    doc->m_settings.m_manipulatorShown = 1;
    EXPECT_EQ(Repaint(repaintSelectionNoCurveTest, 0, 1, 1), "full ") << "R5 with the manipulator";
    doc->m_settings.m_manipulatorShown = 0;
    doc->m_settings.m_mouseModeLeft = 314;
    EXPECT_EQ(Repaint(repaintCurveSelection, 0, 1, 1), "full ") << "R9 with a control-point tool";
    for (const RecordingPane& pane : panes)
        EXPECT_EQ(pane.log, panes[0].log) << "every pane follows the rule";
}

TEST_F(ModelCommandTest, TestsStopWithoutRecordingAndOnlyOneSpeaks) {
    EXPECT_EQ(TakeCurrentObject(testObject | testEditable), obj);
    EXPECT_EQ(TakeCurrentObject(testSelectedVertex), nullptr) << "no selected vertex";
    obj->GetVertices().GetAtIndex(0)->SetSelected(1);
    EXPECT_EQ(TakeCurrentObject(testSelectedVertex), obj);
    EXPECT_EQ(TakeCurrentObject(testSelectedCurve), nullptr);
    obj->SetEditable(0);
    EXPECT_EQ(TakeCurrentObject(testEditable), nullptr);
    EXPECT_TRUE(boxes.GetRequests().empty());
    obj->SetSelected(0);
    EXPECT_EQ(TakeCurrentObject(testObject), nullptr);
    EXPECT_TRUE(boxes.GetRequests().empty()) << "O stops silently";
    boxes.Answer(IDOK);
    EXPECT_EQ(TakeCurrentObject(testObjectOrMessage), nullptr);
    ASSERT_EQ(boxes.GetRequests().size(), 1u) << "O! says that no object is selected";
    EXPECT_EQ(boxes.GetRequests()[0].text, "unselect obj");
}

TEST_F(ModelCommandTest, EnablingRulesReadTheCurrentObject) {
    obj->GetVertices().GetAtIndex(0)->SetSelected(1);
    const struct {
        UpdateRule rule;
        bool expected;
    } cases[] = {
        {enableWithObject, true},      {enableWithShownSelection, true}, {enableWithOneSelected, true},
        {enableWithCurvePoint, false}, {enableWithVertices, true},       {enableWithInvisibleVertices, false},
        {enableWithAnyObject, true},   {enableWithClipboard, false},     {enableWithoutDrag, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsEnabledByRule(c.rule), c.expected) << c.rule;
    obj->SetEditable(0);
    EXPECT_FALSE(IsEnabledByRule(enableWithEditableSelection));
    obj->SetSelected(0);
    EXPECT_FALSE(IsEnabledByRule(enableWithObject));
    EXPECT_TRUE(IsEnabledByRule(enableWithAnyObject)) << "U12 asks only for a patch object";
}
