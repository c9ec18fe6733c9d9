// The rectangle and lasso selections in the front pane, where (0, 0) is
// pixel (100, 50), (1, 0) pixel (127, 50) and (0, 1) pixel (100, 23); and
// the vertex-information tool that names the point under the cursor.
#include "app/mouse_mode.h"
#include "support/recording_window.h"
#include "tools/select_area_tool.h"
#include "tools/tool_fixture.h"

#include <gtest/gtest.h>

namespace {

class SelectAreaToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        obj = doc->AddPatchObject();
        obj->SetName("points");
        obj->SetSelected(1);
        points = {obj->AddVertex(0, 0, 0), obj->AddVertex(1, 0, 0), obj->AddVertex(0, 1, 0),
                  obj->AddVertex(0, 0, -12)}; // behind the eye at z = -10
    }
    std::string Selected() const {
        std::string s;
        for (const CPatchVertex* p : points)
            s += p->m_selected ? '1' : '0';
        return s;
    }
    void Lasso(const std::vector<CPoint>& outline) {
        controller.OnLButtonDown(outline.front().x, outline.front().y, 0);
        for (size_t i = 1; i < outline.size(); ++i)
            controller.OnMouseMove(outline[i].x, outline[i].y, MK_LBUTTON);
        controller.OnLButtonUp(outline.back().x, outline.back().y, 0);
    }

    CSpatchObj* obj = nullptr;
    std::vector<CPatchVertex*> points;
};

} // namespace

// Left and top edges are inside, right and bottom edges outside; the
// document's option selects, deselects or toggles; a point behind the
// camera is never touched, nor a hidden one selected. Selecting is not
// editing: a locked object's points are selected all the same.
TEST_F(SelectAreaToolTest, RectangleAppliesTheSelectionOptionToThePointsInside) {
    obj->SetEditable(0);
    doc->m_settings.m_mouseModeLeft = mouseModeSelect;
    doc->m_settings.m_vertexSelectOption = 0;
    LeftDrag(CPoint(127, 51), CPoint(100, 23));
    EXPECT_EQ(Selected(), "1010") << "(1, 0) lies on the right edge";
    EXPECT_EQ(standIn.overlay.size(), 0u) << "the frame is gone after the release";

    doc->m_settings.m_vertexSelectOption = 1;
    LeftDrag(CPoint(90, 40), CPoint(101, 51));
    EXPECT_EQ(Selected(), "0010");

    doc->m_settings.m_vertexSelectOption = 2;
    points[1]->m_hidden = 1;
    LeftDrag(CPoint(-50, -50), CPoint(300, 300));
    EXPECT_EQ(Selected(), "1010")
        << "the single selection dropped at the press, then all toggled on; hidden stays unselected; "
           "behind the eye untouched";
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
}

// The frame follows the cursor while dragging; a click selects nothing but
// drops a single selected point first.
TEST_F(SelectAreaToolTest, RectangleShowsItsFrameAndAClickOnlyDropsASingleSelection) {
    doc->m_settings.m_mouseModeLeft = mouseModeSelect;
    points[2]->SetSelected(1);
    controller.OnLButtonDown(90, 40, 0);
    EXPECT_EQ(Selected(), "0000");
    controller.OnMouseMove(60, 70, MK_LBUTTON);
    ASSERT_EQ(standIn.overlay.size(), 1u);
    const CPixelStroke& frame = standIn.overlay[0];
    EXPECT_EQ(frame.m_style, CPixelStroke::inverted);
    EXPECT_TRUE(frame.m_closed);
    EXPECT_EQ(frame.m_points.front(), CPoint(60, 40));
    EXPECT_EQ(frame.m_points[2], CPoint(89, 69)) << "its inner pixels";
    controller.OnMouseMove(90, 40, MK_LBUTTON);
    EXPECT_TRUE(standIn.overlay.empty()) << "an empty rectangle shows nothing";
    controller.OnLButtonUp(90, 40, 0);
    EXPECT_EQ(Selected(), "0000");
}

TEST_F(SelectAreaToolTest, WindingRuleOfTheLassoOutline) {
    const std::vector<CPoint> square = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
    // A star drawn in one stroke: its middle is wound twice.
    const std::vector<CPoint> star = {{50, 0}, {79, 90}, {2, 34}, {97, 34}, {20, 90}};
    const struct {
        const char* name;
        const std::vector<CPoint>& outline;
        CPoint pixel;
        bool inside;
    } cases[] = {
        {"inside", square, {15, 15}, true},
        {"outside", square, {25, 15}, false},
        {"on the left edge", square, {10, 15}, true},
        {"on the top edge", square, {15, 10}, true},
        {"on the right edge", square, {20, 15}, false},
        {"on the bottom edge", square, {15, 20}, false},
        {"the crossed middle of a star", star, {50, 50}, true},
        {"a point of the star", star, {50, 15}, true},
        {"between the star's points", star, {20, 20}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsInsideOutline(c.outline, c.pixel), c.inside) << c.name;
        std::vector<CPoint> reversed(c.outline.rbegin(), c.outline.rend());
        EXPECT_EQ(IsInsideOutline(reversed, c.pixel), c.inside) << c.name << ", drawn the other way";
    }
}

// The lasso shows its dotted outline while dragging and selects what it
// encloses at the release. Mended: an outline of one or two points encloses
// nothing, even when a point lies right under it. A locked object's points
// are selected too.
TEST_F(SelectAreaToolTest, LassoSelectsWhatItsOutlineEncloses) {
    obj->SetEditable(0);
    doc->m_settings.m_mouseModeLeft = mouseModeLasso;
    doc->m_settings.m_vertexSelectOption = 0;
    controller.OnLButtonDown(90, 30, 0);
    controller.OnMouseMove(140, 40, MK_LBUTTON);
    ASSERT_EQ(standIn.overlay.size(), 1u);
    EXPECT_EQ(standIn.overlay[0].m_style, CPixelStroke::dotted);
    EXPECT_EQ(standIn.overlay[0].m_points.size(), 2u);
    controller.OnMouseMove(140, 60, MK_LBUTTON);
    controller.OnMouseMove(90, 60, MK_LBUTTON);
    controller.OnLButtonUp(90, 60, 0);
    EXPECT_EQ(Selected(), "1100") << "(0, 1) lies outside the slanted top edge";
    EXPECT_TRUE(standIn.overlay.empty());
    EXPECT_TRUE(controller.m_stroke.empty());

    obj->SelectAllVertices(0);
    Lasso({{100, 50}});
    Lasso({{100, 49}, {100, 51}});
    EXPECT_EQ(Selected(), "0000");
}

// Hovering names the point under the cursor and draws it selected in every
// pane for the moment, leaving the selection as it was.
TEST_F(SelectAreaToolTest, VertexInformationNamesThePointUnderTheCursor) {
    struct PaneWindow : qf::test::RecordingWindow, StandInPane {
        void QuickDrawVertices() override {
            StandInPane::QuickDrawVertices();
            drawnSelected = shown ? shown->m_selected : -1;
        }
        const CPatchVertex* shown = nullptr;
        int drawnSelected = -1;
    };
    PaneWindow other;
    other.shown = points[2];
    doc->RegisterWindow(other.GetSafeHwnd(), wndGLPane0 + 1);
    doc->m_settings.m_mouseModeLeft = mouseModeDebug;
    standIn.vertexUnderCursor = 2;
    other.log.clear();
    controller.OnMouseMove(100, 23, 0);
    EXPECT_EQ(GetAppState().m_statusText, "(100,23)vertex : 2");
    EXPECT_EQ(other.Count("vertices"), 1);
    EXPECT_EQ(other.drawnSelected, 1) << "drawn as selected";
    EXPECT_EQ(points[2]->m_selected, 0) << "the selection is unchanged";

    standIn.vertexUnderCursor = -1;
    controller.OnMouseMove(5, 6, 0);
    EXPECT_EQ(GetAppState().m_statusText, "(5,6)vertex : -1");
    EXPECT_EQ(other.Count("vertices"), 1) << "nothing to draw";

    controller.OnLButtonDown(5, 6, 0);
    controller.OnMouseMove(100, 23, MK_LBUTTON);
    controller.OnLButtonUp(100, 23, 0);
    EXPECT_EQ(standIn.Count("pick 100 23"), 1) << "a held button picks nothing";
}
