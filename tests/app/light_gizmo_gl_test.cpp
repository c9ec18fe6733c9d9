#include "app/light_data.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using qf::test::Image;

namespace {

constexpr int kSize = 64;

// Drawn pixels of colour rgb (0xRRGGBB), as GL coordinates (origin in the
// middle of the picture, one unit a pixel).
std::vector<std::pair<int, int>> PixelsOf(const Image& image, uint32_t rgb) {
    std::vector<std::pair<int, int>> found;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (image.At(x, kSize - 1 - y) == rgb)
                found.emplace_back(x - kSize / 2, y - kSize / 2);
    return found;
}

bool LitNear(const Image& image, int x, int y, uint32_t rgb) {
    for (const auto& [px, py] : PixelsOf(image, rgb))
        if (std::abs(px - x) <= 1 && std::abs(py - y) <= 1)
            return true;
    return false;
}

class LightGizmoGlTest : public qf::test::GlFixture {
protected:
    void SetUp() override {
        MakeSurface(kSize, kSize);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-kSize / 2, kSize / 2, -kSize / 2, kSize / 2, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
};

} // namespace

TEST_F(LightGizmoGlTest, PointGizmoIsAStarAtTheLocationInTheLightsColour) {
    glScalef(10, 10, 10);
    CLightData light;
    light.m_location = CVector3(0.5f, 0.5f, 0);
    light.m_color = 0x00FFFF; // yellow
    light.Draw();
    const Image image = Pixels();
    EXPECT_TRUE(LitNear(image, 15, 5, 0xFFFF00));  // end of the X axis line
    EXPECT_TRUE(LitNear(image, 5, -5, 0xFFFF00));  // end of the Y axis line
    EXPECT_TRUE(LitNear(image, 10, 10, 0xFFFF00)); // the diagonals
    for (const auto& [x, y] : PixelsOf(image, 0xFFFF00))
        EXPECT_LE(std::hypot(x - 5, y - 5), 11) << x << ", " << y;
    EXPECT_EQ(qf::test::CountPixelsNot(image, 0x000000) - static_cast<int>(PixelsOf(image, 0xFFFF00).size()),
              0);
}

TEST_F(LightGizmoGlTest, AreaGizmoOfSizeOneDrawsOneLine) {
    CLightData light;
    light.m_type = lightArea;
    light.m_location = CVector3(-20, -20, 0);
    light.m_areaAxis1 = CVector3(40, 0, 0);
    light.m_areaAxis2 = CVector3(0, 40, 0);
    light.m_areaSize1 = 3;
    light.m_areaSize2 = 1;
    light.Draw();
    const Image image = Pixels();
    // One line along axis 1 at the start of axis 2, three along axis 2.
    for (int x : {-15, 0, 15})
        EXPECT_TRUE(LitNear(image, x, -20, 0xFFFFFF)) << "the single line at x " << x;
    for (int x : {-10, 10})
        EXPECT_FALSE(LitNear(image, x, 19, 0xFFFFFF)) << "no line at the far end of axis 2";
    for (int x : {-20, 0, 19})
        EXPECT_TRUE(LitNear(image, x, 5, 0xFFFFFF)) << "line along axis 2 at x " << x;
}

TEST_F(LightGizmoGlTest, SpotAndCylinderGizmosPointAtTheTarget) {
    for (int type : {lightSpot, lightCylinder}) {
        glClear(GL_COLOR_BUFFER_BIT);
        CLightData light;
        light.m_type = type;
        light.m_location = CVector3(-20, 0, 0);
        light.m_pointAt = CVector3(20, 0, 0);
        light.m_radius = 10;
        light.m_falloff = 20;
        light.Draw();
        const Image image = Pixels();
        EXPECT_TRUE(LitNear(image, 0, 0, 0xFFFFFF)) << type << ": the line to the target";
        // The falloff rim at the target: tan(20 degrees) * 40 = 14.6 off the axis.
        EXPECT_TRUE(LitNear(image, 20, 14, 0xFFFFFF)) << type;
        EXPECT_TRUE(LitNear(image, 20, -14, 0xFFFFFF)) << type;
        // The spot's cone meets at the light; the cylinder has a rim there too.
        EXPECT_EQ(LitNear(image, -20, 14, 0xFFFFFF), type == lightCylinder) << type;
    }
}

TEST_F(LightGizmoGlTest, TargetOnTheLocationCollapsesTheCone) {
    glScalef(20, 20, 20);
    CLightData light;
    light.m_type = lightSpot;
    light.m_location = CVector3(0.5f, 0.5f, 0);
    light.m_pointAt = light.m_location;
    light.Draw();
    const auto drawn = PixelsOf(Pixels(), 0xFFFFFF);
    EXPECT_FALSE(drawn.empty()) << "the lamp is still drawn";
    for (const auto& [x, y] : drawn)
        EXPECT_LE(std::hypot(x - 10, y - 10), 6) << x << ", " << y;
}

TEST_F(LightGizmoGlTest, HandlesShowTheirSelection) {
    CLightData light;
    light.m_location = CVector3(-10, 0, 0);
    light.m_pointAt = CVector3(10, 0, 0);
    light.m_pointAtSelected = 1;
    light.DrawHandles(5, 0x00FF00, 0x0000FF);
    Image image = Pixels();
    EXPECT_TRUE(LitNear(image, -10, 0, 0xFF0000)) << "a point light shows its location only";
    EXPECT_TRUE(PixelsOf(image, 0x00FF00).empty());

    light.m_type = lightSpot;
    light.DrawHandles(5, 0x00FF00, 0x0000FF);
    image = Pixels();
    EXPECT_TRUE(LitNear(image, -10, 0, 0xFF0000)) << "unselected location";
    EXPECT_TRUE(LitNear(image, 10, 0, 0x00FF00)) << "selected target";
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
}
