// The light tools in the front pane (the origin at pixel (100, 50), 27.475
// pixels a unit; 20 pixels right are 0.72794 units, 10 up 0.36397): a point
// light at (1, 1, 0), pixel (127, 23), and a spot light at (-2, 0, 0),
// pixel (45, 50), pointing at (0, -1, 0), pixel (100, 77).
#include "app/light_data.h"
#include "app/mouse_mode.h"
#include "support/model_builders.h"
#include "tools/light_tool.h"
#include "tools/tool_fixture.h"

#include <gtest/gtest.h>

using qf::test::ExpectVectorNear;

namespace {

constexpr float kRight20 = 0.72794f;
constexpr float kUp10 = 0.36397f;

class LightToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(2);
        panel = &Register(wndLightPanel);
        point = AddLight("point", lightPoint, {1, 1, 0});
        spot = AddLight("spot", lightSpot, {-2, 0, 0});
        spot->m_pointAt.Set(0, -1, 0);
        // Right on the press below: a point light's target is no handle.
        point->m_pointAt.Set(3, -1, 0);
    }
    CLightData* AddLight(const char* name, int type, const CVector3& at) {
        CLightData* light = doc->AddLight();
        light->m_name = name;
        light->m_type = type;
        light->m_location = at;
        return light;
    }
    std::vector<int> Flags() const {
        return {point->m_locationSelected, point->m_pointAtSelected, spot->m_locationSelected,
                spot->m_pointAtSelected};
    }
    void Drag(int mode, CPoint from, CPoint to, UINT keys = 0) {
        doc->m_settings.m_mouseModeLeft = mode;
        LeftDrag(from, to, keys);
    }

    qf::test::RecordingDocWindow* panel = nullptr;
    CLightData* point = nullptr;
    CLightData* spot = nullptr;
};

} // namespace

// However far away, a press grabs the nearest handle: from (182, 77) the
// spot's target is 82 pixels off, the point light's location 109, its
// own unused target (3, -1) none at all.
TEST_F(LightToolTest, APressGrabsTheNearestHandleAndTheDragMovesIt) {
    Drag(mouseModeLightTranslate, CPoint(182, 77), CPoint(202, 67));
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 0, 1}));
    ExpectVectorNear(spot->m_pointAt, {kRight20, -1 + kUp10, 0}, "", 1e-4f);
    ExpectVectorNear(point->m_pointAt, {3, -1, 0});
    ExpectVectorNear(spot->m_location, {-2, 0, 0});
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    EXPECT_EQ(NewestStep()->m_kind, undoLightPosition);
    EXPECT_EQ(NewestStep()->m_english, "(Light) Translate Light");
    EXPECT_EQ(panel->calls, (qf::test::CallLog{"Refresh"})) << "the panel follows each step";
    EXPECT_TRUE(controller.m_scratch.GetVertices().IsEmpty());

    doc->m_undoBuffer.Undo();
    ExpectVectorNear(spot->m_pointAt, {0, -1, 0});
}

// With one handle selected the press still grabs the nearest one; with two
// both move by the same offset and nothing is picked.
TEST_F(LightToolTest, OneSelectedHandleIsDroppedTwoMoveTogether) {
    point->m_locationSelected = 1;
    Drag(mouseModeLightTranslate, CPoint(46, 52), CPoint(66, 42));
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 1, 0}));
    ExpectVectorNear(spot->m_location, {-2 + kRight20, kUp10, 0}, "", 1e-4f);
    ExpectVectorNear(point->m_location, {1, 1, 0});

    point->m_locationSelected = 1;
    Drag(mouseModeLightTranslate, CPoint(190, 90), CPoint(210, 80));
    EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 1, 0}));
    ExpectVectorNear(point->m_location, {1 + kRight20, 1 + kUp10, 0}, "", 1e-4f);
    ExpectVectorNear(spot->m_location, {-2 + 2 * kRight20, 2 * kUp10, 0}, "", 1e-4f);
    EXPECT_EQ(NewestStep()->m_lights.GetCount(), 2);
}

// Grid lock: a single handle starts cut towards zero to the grid and moves
// by the rounded offset, so it lands on the grid; several keep their
// offsets from it. Mended: a spacing of 0 snaps nothing and divides by nothing.
TEST_F(LightToolTest, GridLockLandsASingleHandleOnTheGrid) {
    doc->m_settings.m_panes[2].m_gridLock = {1, 1, 1};
    point->m_location.Set(1.3f, 0.6f, 0);
    spot->m_location.Set(-2.2f, 0.4f, 0);
    // 20 pixels right, 30 up: 0.728 and 1.092 units, rounded to 1 and 1.
    Drag(mouseModeLightTranslate, CPoint(136, 34), CPoint(156, 4));
    ExpectVectorNear(point->m_location, {2, 1, 0});

    spot->m_locationSelected = 1;
    Drag(mouseModeLightTranslate, CPoint(136, 34), CPoint(156, 4));
    ExpectVectorNear(point->m_location, {3, 2, 0});
    ExpectVectorNear(spot->m_location, {-1.2f, 1.4f, 0});

    doc->m_settings.m_panes[2].m_gridSpacing = 0.0f;
    spot->m_locationSelected = 0;
    Drag(mouseModeLightTranslate, CPoint(182, 0), CPoint(202, -30));
    ExpectVectorNear(point->m_location, {3 + kRight20, 2 + 3 * kUp10, 0}, "", 1e-4f);
}

// Handles nearer than the near distance (5) are never grabbed; with none
// left the press records nothing.
TEST_F(LightToolTest, HandlesBeforeTheNearPlaneTakeNoPart) {
    spot->m_type = lightPoint;
    spot->m_location.Set(0, 0, -6);
    point->m_location.Set(0, 0, -7);
    point->m_locationSelected = 1;
    Drag(mouseModeLightTranslate, CPoint(100, 50), CPoint(120, 50));
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 0, 0})) << "the press dropped the selection";

    doc->m_settings.m_vertexSelectOption = 0;
    Drag(mouseModeLightSelect, CPoint(0, 0), CPoint(200, 100));
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 0, 0}));
}

// The rectangle applies the selection option to the handles inside it,
// left and top edges in, right and bottom out; a click selects nothing.
TEST_F(LightToolTest, TheRectangleSelectsDeselectsOrTogglesTheHandlesInside) {
    doc->m_settings.m_vertexSelectOption = 0;
    Drag(mouseModeLightSelect, CPoint(45, 23), CPoint(128, 78));
    EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 1, 1}));
    EXPECT_EQ(standIn.overlay.size(), 0u) << "the frame goes at the release";
    EXPECT_EQ(standIn.Count("repaint"), 1);

    doc->m_settings.m_vertexSelectOption = 2;
    Drag(mouseModeLightSelect, CPoint(128, 78), CPoint(90, 40));
    EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 1, 0})) << "only the spot's target inside, toggled";
    doc->m_settings.m_vertexSelectOption = 1;
    Drag(mouseModeLightSelect, CPoint(0, 0), CPoint(127, 100));
    EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 0, 0})) << "the point light lies on the right edge";

    doc->m_settings.m_vertexSelectOption = 0;
    Drag(mouseModeLightSelect, CPoint(127, 23), CPoint(127, 23));
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 0, 0})) << "one selected handle is dropped, a click adds none";
}

TEST_F(LightToolTest, TheSelectFrameFollowsTheCursor) {
    doc->m_settings.m_mouseModeLeft = mouseModeLightSelect;
    controller.OnLButtonDown(10, 20, 0);
    EXPECT_TRUE(standIn.overlay.empty());
    controller.OnMouseMove(40, 5, MK_LBUTTON);
    ASSERT_EQ(standIn.overlay.size(), 1u);
    EXPECT_EQ(standIn.overlay[0].m_points,
              (std::vector<CPoint>{CPoint(10, 5), CPoint(39, 5), CPoint(39, 19), CPoint(10, 19)}));
    EXPECT_TRUE(standIn.overlay[0].m_closed);
    controller.OnLButtonUp(40, 5, 0);
    EXPECT_TRUE(standIn.overlay.empty());
}
