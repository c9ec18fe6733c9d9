// The camera drags by given pixel offsets, computed here from the heading
// and elevation they turn, the view extent they pan across and the factor
// they zoom by; the view history they fill and walk.
#include "app/mouse_mode.h"
#include "model/camera.h"
#include "support/model_builders.h"
#include "tools/camera_drag.h"
#include "tools/tool_fixture.h"
#include "tools/view_history.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

using qf::test::ExpectVectorNear;

namespace {

constexpr double kDegree = 3.14159265358979 / 180.0;

// The point at distance r from centre with that heading and elevation
// (elevation negative upwards, as the camera measures it).
CVector3 AtAngles(const CVector3& centre, double r, double azimuth, double elevation) {
    const double a = azimuth * kDegree, e = elevation * kDegree;
    return centre + CVector3(static_cast<float>(r * std::cos(e) * std::sin(a)),
                             static_cast<float>(-r * std::sin(e)),
                             static_cast<float>(r * std::cos(e) * std::cos(a)));
}

class CameraDragTest : public ToolTest {
protected:
    // One drag with the left button in mode, of (dx, dy) pixels, dy downwards.
    void Drag(int mode, int dx, int dy) {
        doc->m_settings.m_mouseModeLeft = mode;
        LeftDrag(CPoint(100, 50), CPoint(100 + dx, 50 + dy));
    }
};

} // namespace

// Pane 1's perspective camera looks from (0, 5, -20); the rotation speed is 5,
// so a pixel turns 0.5 degrees. Pane 0 looks down from (0, 10, 0) in parallel:
// its 200 pixels span 2 tan 20° x 10 = 7.2794 units.
TEST_F(CameraDragTest, DragsMoveTheCameraByTheirPixelOffsets) {
    const double r = std::sqrt(425.0);
    const double e0 = -std::atan(5.0 / 20.0) / kDegree;
    const struct {
        const char* name;
        int pane, mode, dx, dy;
        CVector3 eye, target;
    } cases[] = {
        {"orbit right 18 px: heading 180 + 9",
         1,
         mouseModeCameraRotate1,
         18,
         0,
         AtAngles({}, r, 189.0, e0),
         {}},
        {"orbit with the mouse 10 px up: elevation + 5",
         1,
         mouseModeCameraRotate1,
         0,
         -10,
         AtAngles({}, r, 180.0, e0 + 5.0),
         {}},
        {"orbit stops just short of straight above",
         1,
         mouseModeCameraRotate1,
         0,
         400,
         AtAngles({}, r, 180.0, -89.9),
         {}},
        {"turn the target right 18 px",
         1,
         mouseModeCameraRotate2,
         18,
         0,
         {0, 5, -20},
         AtAngles({0, 5, -20}, r, 9.0, -e0)},
        {"pan 20 px right, top", 0, mouseModeCameraPan, 20, 0, {-0.7279f, 10, 0}, {-0.7279f, 0, 0}},
        {"pan 10 px up, top", 0, mouseModeCameraPan, 0, -10, {0, 10, -0.364f}, {0, 0, -0.364f}},
        {"zoom 10 px right: 10 % out", 1, mouseModeCameraZoom, 10, 0, {0, 5.5f, -22}, {}},
        {"zoom 20 px down: 20 % in", 1, mouseModeCameraZoom, 0, 20, {0, 4, -16}, {}},
        {"dolly 5 px up", 1, mouseModeCameraDolly, 0, -5, AtAngles({}, r - 5.0, 180.0, e0),
         AtAngles({}, 5.0, 0.0, -e0)},
        {"location y 10 px up, 10 right", 1, mouseModeCameraLocationY, 10, -10, {0, 16, -20}, {}},
        {"look-at x 10 px right", 1, mouseModeCameraLookAtX, 10, 0, {0, 5, -20}, {1, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UsePane(c.pane);
        Drag(c.mode, c.dx, c.dy);
        ExpectVectorNear(Camera().m_eye, c.eye, "", 2e-4f);
        ExpectVectorNear(Camera().m_target, c.target, "", 2e-4f);
    }
}

TEST_F(CameraDragTest, EachStepCountsFromTheLastPointAndTheFirstMoveRecordsTheView) {
    UsePane(1);
    doc->m_settings.m_mouseModeLeft = mouseModeCameraDolly;
    controller.OnLButtonDown(10, 10, 0);
    controller.OnMouseMove(10, 8, MK_LBUTTON);
    controller.OnMouseMove(10, 5, MK_LBUTTON);
    controller.OnLButtonUp(10, 5, 0);
    EXPECT_NEAR((Camera().m_eye - CVector3(0, 5, -20)).Length(), 5.0f, 1e-3) << "2 + 3 pixels";
    EXPECT_EQ(doc->m_viewHistory[1].m_backCount, 1) << "one entry per drag";
    ExpectVectorNear(doc->m_viewHistory[1].m_back[0].m_eye, {0, 5, -20});
    EXPECT_EQ(standIn.log, (std::vector<std::string>{"capture", "list", "redraw-all", "redraw-all", "release",
                                                     "drop-list"}));
    EXPECT_EQ(GetAppState().m_statusText,
              "Location < 0.0000, 3.7873, -15.1493 > Look_at < 0.0000, -1.2127, 4.8507 > Angle 40.0000");
}

// The eye at near + 1.3 may not come nearer than near + 1.2 (6.2); from
// inside every step goes, so it can back out. A fixed view does not rotate
// while the lock is on, and then records no view either.
TEST_F(CameraDragTest, ZoomStopsShortOfTheNearPlaneAndFixedViewsStayUnrotated) {
    Drag(mouseModeCameraRotate1, 30, 30);
    ExpectVectorNear(Camera().m_eye, {0, 10, 0});
    EXPECT_EQ(doc->m_viewHistory[0].m_backCount, 0);
    doc->m_disableRotate = 0;
    Drag(mouseModeCameraRotate1, 0, -10);
    EXPECT_FALSE(Camera().IsTopView());

    UsePane(1);
    for (const auto& [from, dx, to] :
         {std::tuple{-6.3f, -10, -6.3f}, {-6.0f, -10, -5.4f}, {-5.4f, 20, -6.48f}}) {
        Camera().m_eye.Set(0, 0, from);
        Drag(mouseModeCameraZoom, dx, 0);
        EXPECT_FLOAT_EQ(Camera().m_eye.GetZ(), to) << from << " by " << dx;
    }
}

// Over the pole and back the view keeps its heading: the eye comes down on
// the side it went up from, for the eye orbiting the target and the target
// turning about the eye alike.
TEST_F(CameraDragTest, OrbitingOverThePoleKeepsTheHeading) {
    const double r = std::sqrt(425.0);
    UsePane(1);
    Drag(mouseModeCameraRotate1, 0, 400);
    Drag(mouseModeCameraRotate1, 0, 100);
    Drag(mouseModeCameraRotate1, 0, -10);
    ExpectVectorNear(Camera().m_eye, AtAngles({}, r, 180.0, -84.9), "", 2e-3f);

    Camera().m_eye.Set(0, 5, -20);
    Camera().m_target.Set(0, 0, 0);
    Drag(mouseModeCameraRotate2, 0, 400);
    Drag(mouseModeCameraRotate2, 0, 100);
    Drag(mouseModeCameraRotate2, 0, -10);
    ExpectVectorNear(Camera().m_target, AtAngles({0, 5, -20}, r, 0.0, 84.9), "", 2e-3f);
}

// Near the target the eye stops at 0.1 from it and never passes through; a
// zoom out always moves it, even from on the target, by drag and by wheel.
TEST_F(CameraDragTest, ZoomNearTheTargetNeverTrapsTheEye) {
    UsePane(1);
    const struct {
        const char* name;
        float from;
        double factor;
        bool moves;
        float to;
    } cases[] = {
        {"in from 1 by 95 %", -1.0f, 0.05, true, -0.1f},
        {"in past the target", -1.0f, -0.5, true, -0.1f},
        {"in from the least distance", -0.1f, 0.5, false, -0.1f},
        {"out from a hair's breadth", -0.0003f, 1.15, true, -0.1f},
        {"out from 0.1", -0.1f, 1.15, true, -0.115f},
        {"out from on the target", 0.0f, 1.15, true, -0.1f},
    };
    for (const auto& c : cases) {
        CCamera camera;
        camera.m_target.Set(0, 0, 0);
        camera.m_eye.Set(0, 0, c.from);
        EXPECT_EQ(ZoomCamera(camera, c.factor, 5.0), c.moves) << c.name;
        ExpectVectorNear(camera.m_eye, {0, 0, c.to}, c.name, 1e-4f);
    }
    // A long drag out of a trapped eye: every step moves it.
    Camera().m_eye.Set(0, 0, -0.0003f);
    Camera().m_target.Set(0, 0, 0);
    doc->m_settings.m_mouseModeLeft = mouseModeCameraZoom;
    controller.OnLButtonDown(100, 50, 0);
    for (int x = 101; x <= 110; ++x)
        controller.OnMouseMove(x, 50, MK_LBUTTON);
    controller.OnLButtonUp(110, 50, 0);
    EXPECT_NEAR(Camera().m_eye.GetZ(), -0.1 * std::pow(1.01, 9), 1e-3);
}

// Eleven drags keep the ten cameras before the last ten drags; ten undos go
// back to the camera before the second drag and an eleventh does nothing.
TEST_F(CameraDragTest, ViewHistoryKeepsTenEntriesAndRedoesWhatWasUndone) {
    UsePane(1);
    for (int i = 1; i <= 11; ++i) {
        Camera().m_eye.Set(static_cast<float>(i), 5, -20);
        Drag(mouseModeCameraLocationY, 0, -1);
    }
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(UndoViewHistory(*doc, 1));
    ExpectVectorNear(Camera().m_eye, {2, 5, -20}, "before the second drag");
    EXPECT_FALSE(UndoViewHistory(*doc, 1));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(RedoViewHistory(*doc, 1));
    ExpectVectorNear(Camera().m_eye, {11, 6, -20}, "after the last drag");
    EXPECT_FALSE(RedoViewHistory(*doc, 1));

    // Undo, undo, redo is the camera after the first undo; a new drag drops the redo steps.
    UndoViewHistory(*doc, 1);
    const CVector3 afterFirstUndo = Camera().m_eye;
    UndoViewHistory(*doc, 1);
    RedoViewHistory(*doc, 1);
    ExpectVectorNear(Camera().m_eye, afterFirstUndo);
    Drag(mouseModeCameraLocationY, 0, -1);
    EXPECT_FALSE(RedoViewHistory(*doc, 1));
    EXPECT_EQ(doc->m_viewHistory[0].m_backCount, 0) << "the other panes keep their own";
}
