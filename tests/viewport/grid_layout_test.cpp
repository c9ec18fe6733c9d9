// Which grids a pane draws and where their lines go.
#include "app/core_settings.h"
#include "viewport/view_camera.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

CCamera Preset(int preset) {
    CCamera camera;
    camera.SetPreset(preset);
    camera.m_angleSpansWidth = 1;
    return camera;
}

// A front camera whose view is `width` units wide at the target.
CCamera FrontViewOfWidth(float width) {
    CCamera camera = Preset(CCamera::presetFront);
    camera.m_eye.SetZ(-width / 2.0f / std::tan(20.0f / 180.0f * 3.1415927f));
    return camera;
}

} // namespace

TEST(GridLayoutTest, PaneShowsItsCameraGridElseThePlaneGridsSwitchedOn) {
    CPaneDisplaySettings axisGrid;
    axisGrid.m_showGridXY = 1;
    CPaneDisplaySettings planes;
    planes.m_showGrid = 0;
    planes.m_showGridXY = 1;
    planes.m_showGridXZ = 1;
    const struct {
        const char* name;
        const CPaneDisplaySettings& pane;
        int preset;
        std::vector<GridPlane> expected;
    } cases[] = {
        {"top view with its grid on", axisGrid, CCamera::presetTop, {GridPlane::top}},
        {"front view with its grid on", axisGrid, CCamera::presetFront, {GridPlane::front}},
        {"side view with its grid on", axisGrid, CCamera::presetSide, {GridPlane::side}},
        {"perspective with the XY switch", axisGrid, CCamera::presetPerspective, {GridPlane::planeXY}},
        {"top view with its grid off", planes, CCamera::presetTop, {GridPlane::planeXY, GridPlane::planeXZ}},
        {"perspective with XY and XZ",
         planes,
         CCamera::presetPerspective,
         {GridPlane::planeXY, GridPlane::planeXZ}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseGrids(c.pane, Preset(c.preset)), c.expected) << c.name;
}

TEST(GridLayoutTest, SpacingDoublesUntilAtMostThirtyCellsAcross) {
    const struct {
        const char* name;
        float spacing;
        float expected;
    } cases[] = {
        {"0.1 on a view 10 wide becomes 0.4", 0.1f, 0.4f},
        {"spacing 0 counts as 1", 0.0f, 1.0f},
        {"a negative spacing counts as 1", -2.0f, 1.0f},
        {"2 fits already", 2.0f, 2.0f},
    };
    const CCamera camera = FrontViewOfWidth(10.0f);
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(LayOutGrid(GridPlane::front, camera, CSize(400, 300), c.spacing).spacing, c.expected)
            << c.name;
}

TEST(GridLayoutTest, LinesCoverTheViewPlusACellSnappedToTheSpacing) {
    // 10 x 7.5 units seen from (0, 0) in front: one cell of 0.4 more each side.
    const CGridLayout g = LayOutGrid(GridPlane::front, FrontViewOfWidth(10.0f), CSize(400, 300), 0.1f);
    EXPECT_NEAR(g.aTop, 4.0f, 1e-4) << "trunc((3.75 + 0.4) / 0.4) x 0.4";
    EXPECT_NEAR(g.aBottom, -4.0f, 1e-4);
    EXPECT_NEAR(g.aMin, -4.15f, 1e-4);
    EXPECT_NEAR(g.bLeft, -5.2f, 1e-4);
    EXPECT_NEAR(g.bRight, 5.2f, 1e-4);
    EXPECT_NEAR(g.bMax, 5.4f, 1e-4);
    // The plane grids reach 1.5 times the larger extent, centred on the target.
    const CGridLayout plane = LayOutGrid(GridPlane::planeXY, FrontViewOfWidth(10.0f), CSize(400, 300), 1.0f);
    EXPECT_NEAR(plane.bRight, 8.0f, 1e-4) << "trunc(7.5 + 1)";
    EXPECT_NEAR(plane.aTop, 8.0f, 1e-4);
    // Mend: a pane without size still gives finite lines.
    const CGridLayout empty = LayOutGrid(GridPlane::top, Preset(CCamera::presetTop), CSize(0, 0), 1.0f);
    EXPECT_TRUE(std::isfinite(empty.aTop) && std::isfinite(empty.bRight));
}
