// The pane cameras on OSMesa: where the preset cameras put world points, the
// corner axis indicator's directions, a zero-size pane, and one reference
// picture per preset pane (background, grids, world axes, indicator).
#include "app/app_state.h"
#include "app/quel_doc.h"
#include "support/gl_fixture.h"
#include "support/recording_windows.h"
#include "viewport/pane_scene.h"

#include <GL/glu.h>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 150;

CCamera Preset(int preset) {
    CCamera camera;
    camera.SetPreset(preset);
    camera.m_viewportWidth = kWidth;
    camera.m_viewportHeight = kHeight;
    return camera;
}

// Window coordinates (GL: y up from the bottom) of a world point under the current matrices.
CPoint Project(const CVector3& p) {
    GLdouble model[16], projection[16], x, y, z;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(p.GetX(), p.GetY(), p.GetZ(), model, projection, viewport, &x, &y, &z);
    return CPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

class ViewCameraGlTest : public qf::test::GlFixture {
protected:
    void SetUp() override { MakeSurface(kWidth, kHeight); }

    // Whether a pixel within one of GL position (x, y) has the colour 0xRRGGBB.
    bool LitNear(int x, int y, uint32_t rgb) const {
        const qf::test::Image image = Pixels();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.At(x + dx, kHeight - 1 - (y + dy)) == rgb)
                    return true;
        return false;
    }
};

} // namespace

// A parallel view spans 2 tan(20°) x 10 = 7.28 units across its 200 pixels,
// so one unit is 27.5 pixels; the perspective eye sees x = 1 at the origin's
// depth (20.6) 200 / 2 x 1 / (20.6 tan 20°) = 13.3 pixels right of centre.
// World coordinates are left-handed: +z points into a front view, up in a
// top view and right in a side view.
TEST_F(ViewCameraGlTest, PresetCamerasProjectWorldPointsByTheirRules) {
    const struct {
        const char* name;
        int preset;
        CVector3 point;
        CPoint expected;
    } cases[] = {
        {"top, origin", CCamera::presetTop, {0, 0, 0}, {100, 75}},
        {"top, +x right", CCamera::presetTop, {1, 0, 0}, {127, 75}},
        {"top, +z up", CCamera::presetTop, {0, 0, 1}, {100, 102}},
        {"front, +x right", CCamera::presetFront, {1, 0, 0}, {127, 75}},
        {"front, +y up", CCamera::presetFront, {0, 1, 0}, {100, 102}},
        {"side, +z right", CCamera::presetSide, {0, 0, 1}, {127, 75}},
        {"side, +y up", CCamera::presetSide, {0, 1, 0}, {100, 102}},
        {"perspective, origin", CCamera::presetPerspective, {0, 0, 0}, {100, 75}},
        {"perspective, +x right", CCamera::presetPerspective, {1, 0, 0}, {113, 75}},
    };
    for (const auto& c : cases) {
        CCamera camera = Preset(c.preset);
        CViewCamera().Apply(camera, 5.0, 5000.0);
        const CPoint p = Project(c.point);
        EXPECT_NEAR(p.x, c.expected.x, 1) << c.name;
        EXPECT_NEAR(p.y, c.expected.y, 1) << c.name;
        EXPECT_EQ(camera.m_angleSpansWidth, 1) << c.name << ": the angle spans the width from now on";
    }
}

TEST_F(ViewCameraGlTest, AxisIndicatorShowsTheAxesAsTheCameraSeesThem) {
    constexpr uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF;
    const struct {
        const char* name;
        int preset;
        uint32_t right, up;
    } cases[] = {
        {"top", CCamera::presetTop, red, blue},
        {"front", CCamera::presetFront, red, green},
        {"side", CCamera::presetSide, blue, green},
    };
    for (const auto& c : cases) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        const CCamera camera = Preset(c.preset);
        CViewCamera::DrawAxisIndicator(camera.m_eye, camera.m_target, camera.m_roll);
        // The 30 x 30 square 5 pixels from the corner: its centre is (20, 20).
        EXPECT_TRUE(LitNear(30, 20, c.right)) << c.name << ": axis to the right";
        EXPECT_TRUE(LitNear(20, 30, c.up)) << c.name << ": axis upwards";
        EXPECT_FALSE(LitNear(60, 60, red) || LitNear(60, 60, green))
            << c.name << ": nothing outside the square";
    }
}

// Mend: a minimised or hidden pane has a zero width or height; the aspect
// would divide by zero and poison the matrices.
TEST_F(ViewCameraGlTest, ZeroSizePaneCountsEachZeroDimensionAsOne) {
    for (const CSize size : {CSize(0, 0), CSize(120, 0), CSize(0, 80)}) {
        CCamera camera = Preset(CCamera::presetPerspective);
        camera.m_viewportWidth = size.cx;
        camera.m_viewportHeight = size.cy;
        const CViewCamera view;
        EXPECT_EQ(view.GetViewportSize(camera), CSize(std::max(size.cx, 1), std::max(size.cy, 1)));
        view.Apply(camera, 5.0, 5000.0);
        GLfloat projection[16];
        glGetFloatv(GL_PROJECTION_MATRIX, projection);
        for (const GLfloat v : projection)
            EXPECT_TRUE(std::isfinite(v)) << size.cx << " x " << size.cy;
    }
    EXPECT_DOUBLE_EQ(PaneAspect(CSize(120, 0)), 120.0);
    EXPECT_NEAR(VerticalFieldOfView(40.0f, 4.0 / 3.0), 30.54, 0.01) << "a 4:3 pane with a 40 degree angle";
}

// A new document in a settings folder of its own, found through a main window.
class PaneSceneGlTest : public qf::test::GlFixture {
protected:
    void SetUp() override {
        m_oldHome = std::getenv("QUELAFORM_HOME");
        setenv("QUELAFORM_HOME", m_home.path().c_str(), 1);
        m_doc = std::make_unique<CQuelDoc>();
        m_main.emplace(m_doc.get());
        m_doc->OnNewDocument();
    }
    void TearDown() override {
        m_doc.reset();
        m_main.reset();
        GetAppState() = CQuelAppState();
        setenv("QUELAFORM_HOME", m_oldHome.c_str(), 1);
        GlFixture::TearDown();
    }

    qf::test::TempDir m_home;
    std::string m_oldHome;
    std::unique_ptr<CQuelDoc> m_doc;
    std::optional<qf::test::RecordingMainWindow> m_main;
};

// One picture per preset pane of a new document: pane 0 top, 1 perspective
// (its XZ grid), 2 front, 3 side, each with its grid, world axes and indicator.
TEST_F(PaneSceneGlTest, EachPresetPaneMatchesItsReferencePicture) {
    const std::array<const char*, 4> names = {"top", "camera", "front", "side"};
    for (int pane = 0; pane < kPaneCount; ++pane) {
        qf::test::OsMesaSurface& surface = MakeSurface(kWidth, kHeight);
        const CViewCamera view(&surface);
        CPaneScene(*m_doc, pane, view).Paint();
        glFinish();
        ExpectMatchesReference(std::string("viewport/pane_") + names[static_cast<size_t>(pane)] + ".png");
    }
}
