// What a pane draws of the scene on OSMesa: see-through objects over the
// opaque ones behind them whatever their order, and the lights of the
// shaded preview.
#include "viewport/pane_scene.h"
#include "viewport/scene_gl_fixture.h"

#include <GL/gl.h>

namespace {

constexpr int kFront = 2;

class SceneDrawingGlTest : public SceneGlTest {
protected:
    void SetUp() override {
        SceneGlTest::SetUp();
        CPaneDisplaySettings& show = doc->m_settings.m_panes[kFront];
        show.m_showSurfaces = 1;
        show.m_showCurves = 0;
        show.m_showVertices = 0;
        show.m_showGrid = 0;
        show.m_showAxes = 0;
    }
    uint32_t Centre() const { return Pixels().At(kWidth / 2, kHeight / 2); }
};

int Red(uint32_t rgb) {
    return static_cast<int>(rgb >> 16 & 0xFF);
}
int Blue(uint32_t rgb) {
    return static_cast<int>(rgb & 0xFF);
}

} // namespace

// A half see-through red square listed before, and standing in front of, an
// opaque blue one: the blue is drawn first, so the red blends over it.
TEST_F(SceneDrawingGlTest, SeeThroughObjectsAreDrawnAfterTheOpaqueOnes) {
    CSpatchObj* glass = AddSquare("glass", 0.0f);
    glass->SetColor(0x0000FF);
    glass->SetSeeThrough(1);
    glass->SetSeeThroughAmount(50);
    AddSquare("wall", 3.0f)->SetColor(0xFF0000);
    CPaneScene(*doc, kFront, *view).Paint();
    EXPECT_NEAR(Red(Centre()), 128, 8);
    EXPECT_NEAR(Blue(Centre()), 128, 8);

    glass->SetSeeThroughAmount(0);
    CPaneScene(*doc, kFront, *view).Paint();
    EXPECT_EQ(Centre(), 0x0000FFu) << "a fully see-through surface is not drawn";
}

// Ten lights with the scene's lights chosen: the first eight become
// GL_LIGHT0 to GL_LIGHT7 in list order; with the selected light chosen and
// none selected, nothing lights the surfaces.
TEST_F(SceneDrawingGlTest, LightingTakesAtMostEightSceneLights) {
    doc->m_settings.m_panes[kFront].m_useLighting = 1;
    for (int i = 0; i < 10; ++i) {
        CLightData* light = doc->AddLight();
        light->m_location.Set(static_cast<float>(i), 1, 2);
        light->m_color = 0x0000FF;
    }
    doc->m_lightSource[kFront] = 1;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    CPaneScene scene(*doc, kFront, *view);
    while (glGetError() != GL_NO_ERROR) {
    }
    scene.SetupLighting(false);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "no light beyond GL_LIGHT7 was asked for";
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(glIsEnabled(static_cast<GLenum>(GL_LIGHT0 + i))) << i;
    GLfloat position[4], diffuse[4];
    glGetLightfv(GL_LIGHT7, GL_POSITION, position);
    glGetLightfv(GL_LIGHT7, GL_DIFFUSE, diffuse);
    EXPECT_FLOAT_EQ(position[0], 7.0f) << "the eighth light";
    EXPECT_FLOAT_EQ(diffuse[0], 0.6f) << "its red at 60 %";
    EXPECT_FLOAT_EQ(diffuse[2], 0.0f);

    for (int i = 0; i < 8; ++i)
        glDisable(static_cast<GLenum>(GL_LIGHT0 + i));
    doc->m_lightSource[kFront] = 2;
    scene.SetupLighting(false);
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(glIsEnabled(static_cast<GLenum>(GL_LIGHT0 + i))) << i;

    // Forced, as for the manipulator's heads: the two default lights in white.
    scene.SetupLighting(true);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
    glGetLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    EXPECT_FLOAT_EQ(diffuse[2], 0.6f);
}
