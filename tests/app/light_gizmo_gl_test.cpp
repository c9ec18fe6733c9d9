#include "app/light_data.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kSize = 64;

// A pane whose GL units are pixels, the origin in its middle, cleared to black.
class LightGizmoGlTest : public qf::test::GlFixture {
protected:
    void SetUp() override {
        MakePixelSurface(kSize, kSize);
        glTranslatef(kSize / 2, kSize / 2, 0);
    }
    // Whether a pixel within one of GL position (x, y) has colour rgb (0xRRGGBB).
    bool LitNear(int x, int y, uint32_t rgb = 0xFFFFFF) const {
        const qf::test::Image image = Pixels();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.At(x + dx + kSize / 2, kSize / 2 - 1 - (y + dy)) == rgb)
                    return true;
        return false;
    }
};

} // namespace

TEST_F(LightGizmoGlTest, AreaGizmoOfSizeOneDrawsOneLine) {
    CLightData light{.m_location = {-20, -20, 0}, .m_type = lightArea};
    light.m_areaAxis1 = CVector3(40, 0, 0);
    light.m_areaAxis2 = CVector3(0, 40, 0);
    light.m_areaSize1 = 3;
    light.m_areaSize2 = 1;
    light.Draw();
    for (int x : {-15, 0, 15})
        EXPECT_TRUE(LitNear(x, -20)) << "the single line along axis 1, x " << x;
    for (int x : {-10, 10})
        EXPECT_FALSE(LitNear(x, 19)) << "nothing at the far end of axis 2";
    for (int x : {-20, 0, 19})
        EXPECT_TRUE(LitNear(x, 5)) << "three lines along axis 2, x " << x;
}

TEST_F(LightGizmoGlTest, SpotAndCylinderGizmosReachTheTarget) {
    for (int type : {lightSpot, lightCylinder}) {
        glClear(GL_COLOR_BUFFER_BIT);
        CLightData light{.m_location = {-20, 0, 0}, .m_pointAt = {20, 0, 0}, .m_type = type};
        light.m_radius = 10;
        light.m_falloff = 20;
        light.Draw();
        EXPECT_TRUE(LitNear(0, 0)) << type << ": the line to the target";
        // The falloff rim at the target: tan(20 degrees) * 40 = 14.6 off the axis.
        EXPECT_TRUE(LitNear(20, 14)) << type;
        EXPECT_TRUE(LitNear(20, -14)) << type;
        EXPECT_EQ(LitNear(-20, 14), type == lightCylinder)
            << type << ": only the cylinder has a rim at the light";
    }
    glClear(GL_COLOR_BUFFER_BIT);
    CLightData collapsed{.m_location = {10, 10, 0}, .m_pointAt = {10, 10, 0}, .m_type = lightSpot};
    collapsed.Draw();
    EXPECT_EQ(qf::test::CountPixelsNot(Pixels(), 0x000000), 0)
        << "a target on the light collapses the cone; the lamp is smaller than a pixel";
}

TEST_F(LightGizmoGlTest, HandlesShowTheirSelection) {
    CLightData light{.m_location = {-10, 0, 0}, .m_pointAt = {10, 0, 0}, .m_pointAtSelected = 1};
    light.DrawHandles(5, 0x00FF00, 0x0000FF);
    EXPECT_TRUE(LitNear(-10, 0, 0xFF0000));
    EXPECT_FALSE(LitNear(10, 0, 0x00FF00)) << "a point light shows its location only";
    light.m_type = lightSpot;
    light.DrawHandles(5, 0x00FF00, 0x0000FF);
    EXPECT_TRUE(LitNear(10, 0, 0x00FF00)) << "the selected target";
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
}
