#include "model/camera.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>
#include <string>

using qf::test::ExpectVectorNear;

namespace {

CCamera Looking(const CVector3& eye, const CVector3& target) {
    CCamera camera;
    camera.m_eye = eye;
    camera.m_target = target;
    return camera;
}

} // namespace

TEST(CameraRecordTest, PitchAndYawForTheAxisCases) {
    struct Case {
        const char* name;
        CVector3 eye;
        float pitch, yaw;
    } cases[] = {
        {"straight down", {0, 10, 0}, 90, 0},
        {"straight up", {0, -10, 0}, -90, 0},
        {"from the front", {0, 0, -10}, 0, 0},
        {"from behind", {0, 0, 10}, 0, 180},
        {"from +X", {10, 0, 0}, 0, 270},
        {"from -X", {-10, 0, 0}, 0, 90},
        {"down at 45 degrees", {0, 10, -10}, 45, 0},
    };
    for (const Case& c : cases) {
        const CCamera camera = Looking(c.eye, CVector3());
        EXPECT_NEAR(camera.GetPitch(), c.pitch, 1e-4) << c.name;
        EXPECT_NEAR(camera.GetYaw(), c.yaw, 1e-4) << c.name;
    }
}

TEST(CameraRecordTest, CameraToWorldInvertsWorldToCamera) {
    CCamera camera = Looking(CVector3(3, 4, -12), CVector3(1, -2, 5));
    camera.m_roll = 25;
    const CMatrix4 toWorld = camera.GetCameraToWorld();
    const CMatrix4 toCamera = camera.GetWorldToCamera();
    for (const CVector3& p : {CVector3(0, 0, 0), CVector3(1, 2, 3), CVector3(-7, 0.5f, 9)})
        ExpectVectorNear(TransformPoint(TransformPoint(p, toCamera), toWorld), p, "round trip", 1e-4f);
    ExpectVectorNear(TransformPoint(CVector3(), toWorld), camera.m_eye, "camera origin");
    // The target lies straight ahead on the camera's +Z.
    const CVector3 ahead = TransformPoint(camera.m_target, toCamera);
    EXPECT_NEAR(ahead.GetX(), 0, 1e-4);
    EXPECT_NEAR(ahead.GetY(), 0, 1e-4);
    EXPECT_NEAR(ahead.GetZ(), (camera.m_target - camera.m_eye).Length(), 1e-4);
}

TEST(CameraRecordTest, UpVectorIsTheCameraYInTheWorld) {
    ExpectVectorNear(Looking(CVector3(0, 0, -10), CVector3()).GetUpVector(), CVector3(0, 1, 0), "level");
    for (float roll : {0.0f, 30.0f, 90.0f}) {
        for (const CVector3& eye : {CVector3(0, 10, 0), CVector3(4, -3, 9), CVector3(-6, 2, -1)}) {
            CCamera camera = Looking(eye, CVector3(1, 1, 1));
            camera.m_roll = roll;
            const CVector3 expected = TransformPoint(CVector3(0, 1, 0), camera.GetCameraToWorld()) - eye;
            ExpectVectorNear(camera.GetUpVector(), expected, "roll " + std::to_string(roll));
            EXPECT_NEAR(DotProduct(camera.GetUpVector(), camera.m_target - eye), 0, 1e-4);
        }
    }
}

TEST(CameraRecordTest, PresetsAndAxisViews) {
    CCamera camera;
    camera.m_roll = 12;
    camera.m_angle = 70;
    camera.m_target = CVector3(1, 1, 1);
    camera.SetPreset(CCamera::presetTop);
    EXPECT_TRUE(camera.IsTopView());
    EXPECT_FALSE(camera.IsFrontView());
    EXPECT_EQ(camera.m_target, CVector3());
    EXPECT_EQ(camera.m_roll, 0);
    EXPECT_EQ(camera.m_angle, 40);

    camera.SetPreset(CCamera::presetPerspective);
    EXPECT_FALSE(camera.IsTopView()) << "perspective is never an axis view";
    EXPECT_EQ(camera.m_eye, CVector3(0, 5, -20));
    EXPECT_EQ(camera.m_aspect, 1.3333334f);

    camera.SetPreset(CCamera::presetFront);
    EXPECT_TRUE(camera.IsFrontView());
    camera.SetPreset(CCamera::presetSide);
    EXPECT_TRUE(camera.IsSideView());
    EXPECT_EQ(camera.m_eye, CVector3(10, 0, 0));

    const CVector3 before = camera.m_eye;
    camera.SetPreset(7);
    EXPECT_EQ(camera.m_eye, before) << "an unknown preset changes nothing";
}

TEST(CameraRecordTest, AxisViewsKeepTargetAndDistance) {
    CCamera camera = Looking(CVector3(3, 4, 0), CVector3(0, 0, 0));
    camera.SetTopView();
    EXPECT_TRUE(camera.IsParallel());
    EXPECT_EQ(camera.m_eye, CVector3(0, 5, 0));
    camera.SetFrontView();
    EXPECT_EQ(camera.m_eye, CVector3(0, 0, -5));
    camera.m_target = CVector3(1, 2, 3);
    camera.m_eye = camera.m_target;
    camera.SetSideView();
    EXPECT_EQ(camera.m_eye, CVector3(11, 2, 3)) << "eye on the target: 10 to the side";
    camera.m_eye = camera.m_target;
    camera.SetTopView();
    EXPECT_EQ(camera.m_eye, CVector3(1, 12, 3));
}

TEST(CameraRecordTest, AssignmentCopiesTheViewOnly) {
    CCamera source = Looking(CVector3(1, 2, 3), CVector3(4, 5, 6));
    source.m_roll = 15;
    source.m_angle = 55;
    source.m_projection = CCamera::parallel;
    source.m_aspect = 2;
    source.m_angleSpansWidth = 1;
    source.m_viewportWidth = 800;
    CCamera pane;
    pane.m_viewportWidth = 320;
    pane = source;
    EXPECT_EQ(pane.m_eye, source.m_eye);
    EXPECT_EQ(pane.m_target, source.m_target);
    EXPECT_EQ(pane.m_roll, 15);
    EXPECT_EQ(pane.m_angle, 55);
    EXPECT_TRUE(pane.IsParallel());
    EXPECT_EQ(pane.m_aspect, CCamera().m_aspect);
    EXPECT_EQ(pane.m_angleSpansWidth, 0);
    EXPECT_EQ(pane.m_viewportWidth, 320);
    const CCamera copy(source);
    EXPECT_EQ(copy.m_viewportWidth, 800) << "a copy is the whole camera";
}

TEST(CameraRecordTest, ScreenDeltaToWorld) {
    CCamera camera;
    // tan(20 degrees) * 10 = 3.6397: the visible height at depth 10.
    const CVector3 d = camera.ScreenDeltaToWorld(100, 50, 10, 200, 100);
    EXPECT_NEAR(d.GetX(), 100 * 2 * 3.63970 * 2 / 200, 1e-3);
    EXPECT_NEAR(d.GetY(), 50 * 2 * 3.63970 / 100, 1e-3);
    EXPECT_EQ(d.GetZ(), 0);
    camera.m_angleSpansWidth = 1;
    EXPECT_NEAR(camera.ScreenDeltaToWorld(100, 0, 10, 200, 100).GetX(), 3.63970, 1e-3);
    EXPECT_EQ(camera.ScreenDeltaToWorld(5, 5, 10, 200, 0), CVector3()) << "pane of zero height";
    EXPECT_EQ(camera.ScreenDeltaToWorld(5, 5, 0, 200, 100), CVector3()) << "zero depth";
}

TEST(CameraRecordTest, RoundCoordinatesKeepsFourDecimals) {
    CCamera camera = Looking(CVector3(1.234567f, -2.00004f, 3), CVector3(0.00006f, 7.77777f, -1e-6f));
    camera.RoundCoordinates();
    EXPECT_EQ(camera.m_eye, CVector3(1.2346f, -2.0f, 3));
    EXPECT_EQ(camera.m_target.GetX(), 0.0001f);
    EXPECT_EQ(camera.m_target.GetY(), 7.7778f);
    EXPECT_EQ(camera.m_target.GetZ(), 0.0f);
}
