#include "model/camera.h"
#include "model/spatch_draw.h"
#include "model/spatch_obj.h"
#include "support/gl_fixture.h"
#include "support/model_builders.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using qf::test::AddCurveThrough;
using qf::test::Image;
using qf::test::ScopedStandInDocument;

namespace {

constexpr int kSize = 64;

// A square of four straight curves in the XY plane through the centres of
// pixels: points 0..3 at pixels (16, 16), (48, 16), (48, 48), (16, 48),
// curve k from point k to point k+1.
std::unique_ptr<CSpatchObj> PixelSquare() {
    auto obj = std::make_unique<CSpatchObj>();
    const float corners[4][2] = {{16.5f, 16.5f}, {48.5f, 16.5f}, {48.5f, 48.5f}, {16.5f, 48.5f}};
    std::vector<CPatchVertex*> points;
    for (const auto& c : corners)
        points.push_back(obj->AddVertex(c[0], c[1], 0));
    for (int k = 0; k < 4; ++k)
        AddCurveThrough(*obj, {points[k], points[(k + 1) % 4]});
    obj->UpdateCurveHandles();
    return obj;
}

// Distinct pure colours, packed 0x00BBGGRR, and as the picture reads them.
CPatchDrawSettings Colours() {
    CPatchDrawSettings s;
    s.unselectedObjectColor = 0x808080;
    s.curveColor = 0xFF0000;          // blue
    s.invisibleCurveColor = 0x00FFFF; // yellow
    s.selectedColor = 0x00FF00;       // green
    s.pointColor = 0x0000FF;          // red
    s.multiSelectColor = 0xFF00FF;    // magenta
    s.vertexPointSize = 5.0f;
    return s;
}
constexpr uint32_t kGrey = 0x808080, kBlue = 0x0000FF, kYellow = 0xFFFF00, kGreen = 0x00FF00, kRed = 0xFF0000,
                   kMagenta = 0xFF00FF;

uint32_t At(const Image& image, int x, int y) {
    return image.At(x, kSize - 1 - y);
}

class PatchDrawingGlTest : public qf::test::GlFixture {
protected:
    void SetUp() override {
        MakePixelSurface(kSize, kSize);
        m_obj = PixelSquare();
    }
    Image Draw(const CPatchDrawSettings& settings) {
        glClear(GL_COLOR_BUFFER_BIT);
        m_obj->DrawCurves(4, settings);
        m_obj->DrawVertices(settings);
        return Pixels();
    }

    ScopedStandInDocument m_scope;
    std::unique_ptr<CSpatchObj> m_obj;
};

} // namespace

TEST_F(PatchDrawingGlTest, CurveAndPointColoursFollowTheSelection) {
    const CPatchDrawSettings settings = Colours();
    Image image = Draw(settings);
    EXPECT_EQ(At(image, 32, 16), kGrey) << "an unselected object's curves";
    EXPECT_EQ(At(image, 16, 16), kGrey) << "and no control points";

    m_obj->SetSelected(1);
    CPatchVertex* p1 = m_obj->GetVertices().GetAtIndex(1);
    m_obj->GetVertices().GetAtIndex(2)->m_visible = 0;
    m_obj->GetCurves().GetAtIndex(3)->m_nodes.GetHead()->m_selected = 1;
    p1->SetSelected(1);
    image = Draw(settings);
    EXPECT_EQ(At(image, 32, 16), kBlue) << "between two visible points";
    EXPECT_EQ(At(image, 48, 32), kYellow) << "towards the invisible point";
    EXPECT_EQ(At(image, 32, 48), kYellow) << "from the invisible point";
    EXPECT_EQ(At(image, 16, 32), kGreen) << "the segment of a selected node";
    EXPECT_EQ(At(image, 16, 16), kRed) << "control point";
    EXPECT_EQ(At(image, 50, 18), kGreen) << "selected control point, 5 pixels wide";

    m_obj->GetVertices().GetAtIndex(0)->m_hidden = 1;
    image = Draw(settings);
    EXPECT_EQ(At(image, 16, 16), 0u) << "a hidden point is not drawn";
    EXPECT_EQ(At(image, 24, 16), 0u) << "nor the segments at it";
    EXPECT_EQ(At(image, 16, 24), 0u);
    EXPECT_EQ(At(image, 48, 24), kYellow);
}

TEST_F(PatchDrawingGlTest, ToolModesChangeWhatIsDrawn) {
    CPatchDrawSettings settings = Colours();
    m_obj->SetSelected(1);
    settings.leftButtonMode = 800;
    Image image = Draw(settings);
    EXPECT_EQ(At(image, 16, 16), kBlue) << "the light tools hide the control points";
    settings.leftButtonMode = 311;
    image = Draw(settings);
    EXPECT_EQ(At(image, 32, 16), kGrey) << "multi-object tools colour by object";
    m_obj->SetMultiSelected(1);
    image = Draw(settings);
    EXPECT_EQ(At(image, 32, 16), kMagenta);
    EXPECT_EQ(At(image, 16, 16), kRed);
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
    EXPECT_FALSE(glIsEnabled(GL_MAP1_VERTEX_3));
}

TEST(PatchProjectionTest, ControlPointsProjectLikeTheVectorRule) {
    ScopedStandInDocument scope;
    for (int projection : {0, 1}) {
        CCamera& camera = scope.doc.cameras[0];
        camera.m_projection = projection;
        camera.m_eye = CVector3(2, 3, -12);
        camera.m_viewportWidth = 160;
        camera.m_viewportHeight = 90;
        auto obj = qf::test::MakeFlatQuadGrid(2);
        obj->AddVertex(2, 3, -20); // behind the eye
        obj->ProjectVertices(camera);
        for (const CPatchVertex* v : obj->GetVertices()) {
            const CIntPair expected = v->ProjectToScreen(0);
            EXPECT_EQ(v->m_screenX, expected.m_x) << projection;
            EXPECT_EQ(v->m_screenY, expected.m_y) << projection;
            qf::test::ExpectVectorNear(v->m_viewPos, v->ToCameraSpace(0), "camera space", 1e-4f);
        }
        if (projection == 0)
            EXPECT_EQ(obj->GetVertices().GetTail()->m_screenX, -10);
    }
}
