#include "model/base_obj.h"
#include "model/spatch_obj.h"
#include "support/gl_fixture.h"
#include "support/model_builders.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

using qf::test::Image;
using qf::test::ScopedStandInDocument;

namespace {

constexpr int kSize = 64;

// The pixel colour (0xRRGGBB) at GL coordinates x, y.
uint32_t At(const Image& image, int x, int y) {
    return image.At(x, kSize - 1 - y);
}

// Whether a pixel within one of (x, y) is drawn in colour.
bool LitNear(const Image& image, float x, float y, uint32_t colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = static_cast<int>(std::floor(x)) + dx;
            const int py = static_cast<int>(std::floor(y)) + dy;
            if (px >= 0 && px < kSize && py >= 0 && py < kSize && At(image, px, py) == colour)
                return true;
        }
    return false;
}

class DrawingGlTest : public qf::test::GlFixture {
protected:
    // A pane whose GL units are its pixels, cleared to black.
    void SetUp() override { MakePixelSurface(kSize, kSize); }

    ScopedStandInDocument m_scope;
};

const CVector3 kP0(8, 8, 0), kP1(8, 56, 0), kP2(56, 56, 0), kP3(56, 8, 0);

// Every drawn pixel lies on the arch and the arch is drawn from end to end.
void ExpectArch(const Image& image) {
    std::vector<CVector3> curve;
    for (int i = 0; i <= 400; ++i)
        curve.push_back(BezierPoint(kP0, kP1, kP2, kP3, static_cast<float>(i) / 400));
    for (int i = 0; i <= 400; i += 20)
        EXPECT_TRUE(LitNear(image, curve[i].GetX(), curve[i].GetY(), 0xFFFFFF)) << "t = " << i / 400.0;
    int drawn = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (At(image, x, y) == 0)
                continue;
            ++drawn;
            float nearest = 1e9f;
            for (const CVector3& p : curve)
                nearest = std::min(nearest, (p - CVector3(x + 0.5f, y + 0.5f, 0)).Length());
            EXPECT_LT(nearest, 1.5f) << "stray pixel at " << x << ", " << y;
        }
    EXPECT_GT(drawn, 60);
}

} // namespace

TEST_F(DrawingGlTest, BezierSegmentByCurveType) {
    glColor3f(1, 1, 1);
    glEnable(GL_MAP1_VERTEX_3);
    for (int curveType : {0, 1}) {
        m_scope.doc.curveType = curveType;
        glClear(GL_COLOR_BUFFER_BIT);
        CSpatchObj::DrawBezierSegment(16, kP0, kP1, kP2, kP3);
        SCOPED_TRACE(curveType ? "evaluators" : "line strip");
        ExpectArch(Pixels());
        EXPECT_EQ(At(Pixels(), 32, 24), 0u) << "inside the arch stays empty";

        glClear(GL_COLOR_BUFFER_BIT);
        CSpatchObj::DrawBezierSegment(0, kP0, kP1, kP2, kP3);
        CSpatchObj::DrawBezierSegment(-3, kP0, kP1, kP2, kP3);
        EXPECT_TRUE(LitNear(Pixels(), 32, 8, 0xFFFFFF)) << "no steps draw the chord";
        EXPECT_FALSE(LitNear(Pixels(), 32, 50, 0xFFFFFF));
    }
    glDisable(GL_MAP1_VERTEX_3);
}

TEST_F(DrawingGlTest, MaterialAxisGizmoShapes) {
    struct Case {
        const char* name;
        int shape;
        std::vector<std::pair<float, float>> lit, dark;
    };
    // The slot sits at (32, 32) scaled 20, turned a quarter about Z; the view looks down -Z.
    const Case cases[] = {
        {"sphere: one circle faces the view, two are edge-on",
         0,
         {{32, 52}, {46.1f, 46.1f}, {40, 32}},
         {{40, 40}}},
        {"cylinder: rims edge-on 10 either side, a side line at y 52",
         2,
         {{42, 20}, {22, 44}, {32, 52}},
         {{28, 40}}},
        {"plane: the axes from the corner (42, 22)", 4, {{42, 44}, {20, 22}, {26, 42}}, {{32, 32}}},
        {"torus: small circles facing the view at 20 either side",
         8,
         {{32, 57}, {37, 52}, {27, 12}},
         {{20, 32}}},
        {"axes with both corner strips", -1, {{32, 58}, {6, 32}, {22, 52}}, {{42, 20}}},
        {"an unknown shape draws nothing", 7, {}, {{32, 32}, {32, 52}}},
    };
    CBaseObj obj;
    obj.SetCurrentSlot(2);
    CTransformData* slot = obj.GetMaterialSlot(2);
    slot->m_translation = CVector3(32, 32, 0);
    slot->m_scale = CVector3(20, 20, 20);
    slot->m_rotation = CVector3(0, 0, 90);
    for (const Case& c : cases) {
        m_scope.doc.materialAxisShape = c.shape;
        glClear(GL_COLOR_BUFFER_BIT);
        obj.DrawMaterialAxis();
        const Image image = Pixels();
        for (auto [x, y] : c.lit)
            EXPECT_TRUE(LitNear(image, x, y, 0xFFFF00)) << c.name << ": nothing at " << x << ", " << y;
        for (auto [x, y] : c.dark)
            EXPECT_FALSE(LitNear(image, x, y, 0xFFFF00)) << c.name << ": drawn at " << x << ", " << y;
        GLfloat width = 0;
        glGetFloatv(GL_LINE_WIDTH, &width);
        EXPECT_EQ(width, 1.0f) << c.name;
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1) << c.name << ": every push is popped";
    }
    EXPECT_EQ(qf::test::CountPixelsNot(Pixels(), 0x000000), 0);
}
