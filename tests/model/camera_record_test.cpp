#include "model/camera.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>
#include <string>

using qf::test::ExpectVectorNear;

namespace {

CCamera Looking(const CVector3& eye, const CVector3& target = CVector3(), float roll = 0) {
    CCamera camera;
    camera.m_eye = eye;
    camera.m_target = target;
    camera.m_roll = roll;
    return camera;
}

} // namespace

TEST(CameraRecordTest, AnglesAndMatrices) {
    struct Case {
        const char* name;
        CVector3 eye;
        float pitch, yaw;
    } cases[] = {
        {"straight down", {0, 10, 0}, 90, 0},  {"straight up", {0, -10, 0}, -90, 0},
        {"from the front", {0, 0, -10}, 0, 0}, {"from behind", {0, 0, 10}, 0, 180},
        {"from +X", {10, 0, 0}, 0, 270},       {"down at 45 degrees", {0, 10, -10}, 45, 0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(Looking(c.eye).GetPitch(), c.pitch, 1e-4) << c.name;
        EXPECT_NEAR(Looking(c.eye).GetYaw(), c.yaw, 1e-4) << c.name;
    }
    for (float roll : {0.0f, 30.0f}) {
        const CCamera camera = Looking(CVector3(4, -3, 9), CVector3(1, 1, 1), roll);
        const CMatrix4 toWorld = camera.GetCameraToWorld();
        const CVector3 p(1, 2, 3);
        ExpectVectorNear(TransformPoint(TransformPoint(p, camera.GetWorldToCamera()), toWorld), p, "inverse",
                         1e-4f);
        ExpectVectorNear(camera.GetUpVector(), TransformPoint(CVector3(0, 1, 0), toWorld) - camera.m_eye,
                         "up is the camera's Y in the world, roll " + std::to_string(roll));
    }
}

TEST(CameraRecordTest, PresetsAndAxisViews) {
    CCamera camera = Looking(CVector3(3, 4, 0), CVector3(1, 1, 1), 12);
    camera.SetPreset(CCamera::presetTop);
    EXPECT_TRUE(camera.IsTopView());
    EXPECT_EQ(camera.m_target, CVector3());
    EXPECT_EQ(camera.m_roll, 0);
    camera.SetPreset(CCamera::presetPerspective);
    EXPECT_FALSE(camera.IsTopView()) << "perspective is never an axis view";
    EXPECT_EQ(camera.m_aspect, 1.3333334f);
    camera.SetPreset(CCamera::presetFront);
    EXPECT_TRUE(camera.IsFrontView());
    camera.SetPreset(CCamera::presetSide);
    EXPECT_TRUE(camera.IsSideView());
    camera.SetPreset(7);
    EXPECT_EQ(camera.m_eye, CVector3(10, 0, 0)) << "an unknown preset changes nothing";

    camera = Looking(CVector3(3, 4, 0));
    camera.SetFrontView();
    EXPECT_EQ(camera.m_eye, CVector3(0, 0, -5)) << "the distance is kept";
    camera.m_target = camera.m_eye = CVector3(1, 2, 3);
    camera.SetTopView();
    EXPECT_EQ(camera.m_eye, CVector3(1, 12, 3)) << "eye on the target: 10 away";
}

TEST(CameraRecordTest, AssignmentCopiesTheViewOnly) {
    CCamera source = Looking(CVector3(1, 2, 3), CVector3(4, 5, 6), 15);
    source.m_angle = 55;
    source.m_projection = CCamera::parallel;
    source.m_aspect = 2;
    source.m_angleSpansWidth = 1;
    source.m_viewportWidth = 800;
    CCamera pane;
    pane = source;
    EXPECT_EQ(pane.m_eye, source.m_eye);
    EXPECT_EQ(pane.m_target, source.m_target);
    EXPECT_EQ(pane.m_roll, 15);
    EXPECT_EQ(pane.m_angle, 55);
    EXPECT_TRUE(pane.IsParallel());
    EXPECT_EQ(pane.m_aspect, CCamera().m_aspect);
    EXPECT_EQ(pane.m_angleSpansWidth, 0);
    EXPECT_EQ(pane.m_viewportWidth, 10);
    EXPECT_EQ(CCamera(source).m_viewportWidth, 800) << "a copy is the whole camera";
}

TEST(CameraRecordTest, DragOffsetsAndRounding) {
    CCamera camera;
    // tan(20 degrees) * 10 = 3.6397: half the visible height at depth 10.
    const CVector3 d = camera.ScreenDeltaToWorld(100, 50, 10, 200, 100);
    EXPECT_NEAR(d.GetX(), 7.2794, 1e-3);
    EXPECT_NEAR(d.GetY(), 3.6397, 1e-3);
    camera.m_angleSpansWidth = 1;
    EXPECT_NEAR(camera.ScreenDeltaToWorld(100, 0, 10, 200, 100).GetX(), 3.6397, 1e-3);
    EXPECT_EQ(camera.ScreenDeltaToWorld(5, 5, 10, 200, 0), CVector3()) << "pane of zero height";
    EXPECT_EQ(camera.ScreenDeltaToWorld(5, 5, 0, 200, 100), CVector3()) << "zero depth";

    camera = Looking(CVector3(1.234567f, -2.00004f, 3), CVector3(0.00006f, 7.77777f, -1e-6f));
    camera.RoundCoordinates();
    EXPECT_EQ(camera.m_eye, CVector3(1.2346f, -2.0f, 3));
    EXPECT_EQ(camera.m_target, CVector3(0.0001f, 7.7778f, 0));
}
