#include "model/camera.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>

using qf::test::ScopedStandInDocument;

namespace {

// A 200 x 100 pane with a 40 degree view angle looking at the origin.
CCamera PaneCamera(int projection, const CVector3& eye, int spansWidth) {
    CCamera camera;
    camera.m_projection = projection;
    camera.m_eye = eye;
    camera.m_viewportWidth = 200;
    camera.m_viewportHeight = 100;
    camera.m_angleSpansWidth = spansWidth;
    return camera;
}

} // namespace

TEST(CameraTest, WorldToCameraPutsTheTargetAheadOnZ) {
    ScopedStandInDocument scope;
    CCamera& camera = scope.doc.cameras[2];
    for (const CVector3& eye :
         {CVector3(0, 10, 0), CVector3(10, 0, 0), CVector3(-3, 4, 12), CVector3(6, -8, 0)}) {
        camera.m_eye = eye;
        const CVector3 p = CVector3(0, 0, 0).ToCameraSpace(2);
        EXPECT_NEAR(p.GetX(), 0, 1e-5);
        EXPECT_NEAR(p.GetY(), 0, 1e-5);
        EXPECT_NEAR(p.GetZ(), eye.Length(), 1e-4);
    }
    camera.m_eye = CVector3(10, 0, 0);
    EXPECT_NEAR(CVector3(0, 0, 1).ToCameraSpace(2).GetX(), 1, 1e-5) << "from +X, world +Z lies to the right";
    camera.m_eye = CVector3(0, 0, -10);
    camera.m_roll = 90;
    EXPECT_NEAR(CVector3(1, 0, 0).ToCameraSpace(2).GetY(), -1, 1e-5) << "a quarter roll turns +X to -Y";
}

TEST(CameraTest, ProjectsKnownPointsForBothKindsAndSpans) {
    ScopedStandInDocument scope;
    struct Case {
        const char* name;
        CCamera camera;
        CVector3 point;
        int x, y;
    };
    // tan(20 degrees) = 0.36397: the half height is 1.81985 at the near
    // distance 5 and 3.63970 at the top camera's distance 10.
    const CVector3 front(0, 0, -10), top(0, 10, 0);
    const Case cases[] = {
        {"perspective centre", PaneCamera(0, front, 0), {0, 0, 0}, 100, 50},
        {"perspective, height span, +X", PaneCamera(0, front, 0), {1, 0, 0}, 113, 50},
        {"perspective, height span, +Y", PaneCamera(0, front, 0), {0, 1, 0}, 100, 37},
        {"perspective, width span, +X", PaneCamera(0, front, 1), {1, 0, 0}, 127, 50},
        {"perspective, width span, +Y", PaneCamera(0, front, 1), {0, 1, 0}, 100, 23},
        // -13.7 pixels truncate toward zero on both axes.
        {"perspective, farther point", PaneCamera(0, front, 0), {-2, -2, 10}, 87, 63},
        {"parallel, height span, +X", PaneCamera(1, top, 0), {1, 0, 0}, 113, 50},
        {"parallel top view, +Z is up", PaneCamera(1, top, 0), {0, 0, 1}, 100, 37},
        {"parallel, width span, +X", PaneCamera(1, top, 1), {1, 0, 0}, 127, 50},
        {"parallel ignores depth", PaneCamera(1, top, 0), {1, -50, 0}, 113, 50},
        {"parallel, nearer than the near plane", PaneCamera(1, top, 0), {1, 8, 0}, 113, 50},
        {"parallel, behind the eye", PaneCamera(1, top, 0), {1, 12, 0}, 113, 50},
    };
    for (const Case& c : cases) {
        // Assignment takes the view only; the pane keeps its own size and span.
        CCamera& pane = scope.doc.cameras[1];
        pane = c.camera;
        pane.m_viewportWidth = c.camera.m_viewportWidth;
        pane.m_viewportHeight = c.camera.m_viewportHeight;
        pane.m_angleSpansWidth = c.camera.m_angleSpansWidth;
        const CIntPair pixel = c.point.ProjectToScreen(1);
        EXPECT_EQ(pixel.m_x, c.x) << c.name;
        EXPECT_EQ(pixel.m_y, c.y) << c.name;
    }
}

TEST(CameraTest, PointsThatCannotBeShownGiveMinusTen) {
    struct Case {
        const char* name;
        int width, height, projection;
        CVector3 eye;
        double nearDistance;
        CVector3 point;
        int view;
    };
    const Case cases[] = {
        {"behind the near plane, perspective", 200, 100, 0, {0, 0, -10}, 5, {0, 0, -6}, 3},
        {"pane of zero width", 0, 100, 0, {0, 0, -10}, 5, {0, 0, 0}, 3},
        {"pane of zero height", 200, 0, 1, {0, 10, 0}, 5, {0, 0, 0}, 3},
        {"near distance 0 in perspective", 200, 100, 0, {0, 0, -10}, 0, {0, 0, 0}, 3},
        {"parallel eye on the target", 200, 100, 1, {0, 0, 0}, 0, {0, 0, 1}, 3},
        {"beyond every pixel number", 200, 100, 0, {0, 0, -10}, 5, {1e30f, 0, 0}, 3},
        {"no pane 4", 200, 100, 0, {0, 0, -10}, 5, {0, 0, 0}, 4},
        {"no pane -1", 200, 100, 0, {0, 0, -10}, 5, {0, 0, 0}, -1},
    };
    const CVector3 p(1, 2, 3);
    EXPECT_EQ(p.ProjectToScreen(0).m_x, -10) << "no document";
    EXPECT_TRUE(p.ToCameraSpace(0) == p) << "no document";
    ScopedStandInDocument scope;
    for (const Case& c : cases) {
        scope.doc.cameras[3] = PaneCamera(c.projection, c.eye, 0);
        scope.doc.cameras[3].m_viewportWidth = c.width;
        scope.doc.cameras[3].m_viewportHeight = c.height;
        scope.doc.nearDistance = c.nearDistance;
        const CIntPair pixel = c.point.ProjectToScreen(c.view);
        EXPECT_TRUE(pixel.m_x == -10 && pixel.m_y == -10) << c.name;
    }
    EXPECT_TRUE(p.ToCameraSpace(4) == p) << "no pane 4";
}
