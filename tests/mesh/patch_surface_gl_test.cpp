#include "mesh/patch_mesh.h"
#include "mesh/patch_surface_draw.h"
#include "model/spatch_obj.h"
#include "support/gl_fixture.h"
#include "support/model_builders.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using namespace qf::test;

namespace {

constexpr int kSize = 128;

// A 2 x 2 grid of patches centred on the origin in the XZ plane, its middle
// point raised so the surface is curved.
std::unique_ptr<CSpatchObj> RaisedGrid() {
    auto obj = MakeFlatQuadGrid(2);
    for (CPatchVertex* v : obj->GetVertices())
        v->Set(v->GetX() - 1, v->GetY(), v->GetZ() - 1);
    obj->GetVertices().GetAtIndex(4)->SetY(0.6f);
    obj->UpdateCurveHandles();
    return obj;
}

CPatchDrawSettings Settings() {
    CPatchDrawSettings s;
    s.surfaceColor = 0x00C8C8; // yellow
    s.curveColor = 0xFF0000;   // blue
    s.pointColor = 0x0000FF;   // red
    s.selectedColor = 0x00FF00;
    s.vertexPointSize = 5.0f;
    return s;
}

class PatchSurfaceGlTest : public GlFixture {
protected:
    // Looking down the Y axis at the square from -3 to 3, lit from both
    // sides, so that a surface shows whichever way its patches face.
    void SetUp() override {
        MakeSurface(kSize, kSize);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-3, 3, -3, 3, -20, 20);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const GLfloat front[] = {0.4f, 0.5f, 1.0f, 0.0f};
        const GLfloat back[] = {-0.4f, -0.5f, -1.0f, 0.0f};
        glLightfv(GL_LIGHT0, GL_POSITION, front);
        const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
        glLightfv(GL_LIGHT1, GL_POSITION, back);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
        glRotatef(90, 1, 0, 0);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_LIGHT1);
        glEnable(GL_COLOR_MATERIAL);
        glEnable(GL_AUTO_NORMAL);
        glEnable(GL_NORMALIZE);
    }

    // The pixel colour at world (x, 0, z) seen from above.
    uint32_t At(float x, float z) const {
        const int px = static_cast<int>((x + 3.0f) / 6.0f * kSize);
        const int py = static_cast<int>((3.0f - z) / 6.0f * kSize);
        return Pixels().At(px, kSize - 1 - py);
    }

    // Curves and points as the pane draws them after the surfaces.
    void DrawWire(const CSpatchObj& obj, const CPatchDrawSettings& settings) {
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        obj.DrawCurves(8, settings);
        obj.DrawVertices(settings);
    }

    ScopedStandInDocument m_scope;
};

bool IsDark(uint32_t rgb) {
    return rgb == 0;
}

// Lit by the surface colour: red and green present, no blue.
bool IsSurface(uint32_t rgb) {
    return ((rgb >> 16) & 0xFF) > 40 && ((rgb >> 8) & 0xFF) > 40 && (rgb & 0xFF) == 0;
}

} // namespace

TEST_F(PatchSurfaceGlTest, EvaluatedSurfacesCurvesAndPoints) {
    auto obj = RaisedGrid();
    obj->SetSelected(1);
    obj->GetVertices().GetAtIndex(8)->SetSelected(1);
    const CPatchDrawSettings settings = Settings();
    DrawPatchSurfaces(*obj, 8, settings);
    DrawWire(*obj, settings);
    EXPECT_EQ(obj->CountQuadPatches(), 4) << "patches found while drawing";
    for (auto [x, z] : {std::pair{-0.5f, -0.5f}, {0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, 0.5f}})
        EXPECT_TRUE(IsSurface(At(x, z))) << "patch centre " << x << ", " << z << ": " << std::hex << At(x, z);
    EXPECT_TRUE(IsDark(At(-2, -2))) << "outside the grid";
    EXPECT_EQ(At(-0.5f, -1), 0x0000FFu) << "a curve";
    EXPECT_EQ(At(-1, -1), 0xFF0000u) << "a control point";
    EXPECT_EQ(At(1, 1), 0x00FF00u) << "the selected control point";
    ExpectMatchesReference("meshes/evaluated.png");

    // A hidden corner takes its patch away; the other curves stay.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    obj->GetVertices().GetAtIndex(0)->m_hidden = 1;
    DrawPatchSurfaces(*obj, 8, settings);
    DrawWire(*obj, settings);
    EXPECT_TRUE(IsDark(At(-0.6f, -0.6f))) << "the patch at the hidden corner";
    EXPECT_TRUE(IsSurface(At(0.5f, 0.5f)));
    EXPECT_EQ(At(0.5f, -1), 0x0000FFu);
    EXPECT_TRUE(IsDark(At(-0.5f, -1))) << "nor the segments at it";
}

TEST_F(PatchSurfaceGlTest, SeeThroughSurfaces) {
    auto obj = RaisedGrid();
    CPatchDrawSettings settings = Settings();
    settings.surfaceAlpha = 0;
    DrawPatchSurfaces(*obj, 8, settings);
    EXPECT_EQ(CountPixelsNot(Pixels(), 0x000000), 0) << "opacity 0 draws no surface";

    settings.surfaceAlpha = 50;
    DrawPatchSurfaces(*obj, 8, settings);
    const uint32_t half = At(0.5f, 0.5f);
    EXPECT_NEAR((half >> 16) & 0xFF, 100, 2)
        << "half of the unlit surface colour over black: " << std::hex << half;
    EXPECT_NEAR((half >> 8) & 0xFF, 100, 2);
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_EQ(depthWrites, GL_TRUE) << "depth writes are back on";
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "the pane's lighting is restored";
    ExpectMatchesReference("meshes/see_through.png");
}

TEST_F(PatchSurfaceGlTest, ConnectedMirrorDrawsOnlyTheCopy) {
    // One patch from the plane x = 0 to the right; its curves along X join
    // their images at the plane, so the copy is one surface of two patches.
    auto obj = MakeFlatQuadGrid(1);
    for (CPatchVertex* v : obj->GetVertices())
        v->Set(v->GetX() * 1.5f, 0, v->GetZ() * 2 - 1);
    obj->UpdateCurveHandles();
    obj->SetMirrorMode(2);
    obj->SetMirrorAxis(0, 1);
    obj->SetMirrorLimit(1);
    obj->SetMirrorLimitDistance(0.1f);
    CPatchDrawSettings settings = Settings();
    settings.surfaceAlpha = 50;
    DrawPatchSurfaces(*obj, 8, settings);
    ASSERT_NE(obj->GetMirrorCache(), nullptr);
    EXPECT_EQ(obj->GetMirrorCache()->CountQuadPatches(), 2);
    EXPECT_EQ(obj->GetMirrorCache()->GetVertices().GetCount(), 6) << "the points on the plane are shared";
    const uint32_t right = At(1, 0.5f), left = At(-1, 0.5f);
    EXPECT_TRUE(IsSurface(right)) << std::hex << right;
    EXPECT_EQ(left, right) << "one see-through layer on either side: the object itself is not drawn too";
    EXPECT_EQ(At(0.1f, 0), right);
    EXPECT_EQ(At(-0.1f, 0), right);
    EXPECT_TRUE(IsDark(At(-2, 0)));
    ExpectMatchesReference("meshes/mirror.png");
}

TEST_F(PatchSurfaceGlTest, PolygonizedSurfacesComeFromTheDisplayMesh) {
    auto obj = RaisedGrid();
    obj->SetPolygonize(1);
    obj->SetDivision(4);
    obj->SetSmoothOn(1);
    obj->SetSmoothAngle(60.0f);
    const CPatchDrawSettings settings = Settings();
    DrawPatchSurfaces(*obj, 8, settings);
    const auto* mesh = dynamic_cast<const CPatchMesh*>(obj->GetMeshCache());
    ASSERT_NE(mesh, nullptr) << "the display mesh is cached";
    EXPECT_EQ(mesh->m_faces.QuadCount(), 4 * 16);
    EXPECT_EQ(mesh->m_creaseAngle, 60.0f);
    EXPECT_EQ(mesh->m_faces.m_quadCornerNormals.size(), 4u * 64u);
    EXPECT_EQ(obj->GetMeshDirty(), 0);
    for (auto [x, z] : {std::pair{-0.5f, -0.5f}, {0.5f, 0.5f}, {0.0f, 0.0f}})
        EXPECT_TRUE(IsSurface(At(x, z))) << x << ", " << z;
    EXPECT_TRUE(IsDark(At(2, 2)));
    ExpectMatchesReference("meshes/polygonized.png");

    const CPatchMesh* before = mesh;
    DrawPatchSurfaces(*obj, 8, settings);
    EXPECT_EQ(obj->GetMeshCache(), before) << "kept between paints";
    obj->GetVertices().GetAtIndex(4)->SetY(0.2f);
    obj->UpdateCurveHandles();
    EXPECT_EQ(obj->GetMeshCache(), nullptr) << "an edit drops it";
}

// Objects prepared side by side before the paint must draw exactly what
// objects prepared one by one while drawing do: plain, lit, polygonized and
// mirrored alike, with every cache left ready for the paint.
TEST_F(PatchSurfaceGlTest, SurfacesPreparedSideBySideDrawTheSamePicture) {
    auto makeSet = [] {
        std::vector<std::unique_ptr<CSpatchObj>> set;
        for (int i = 0; i < 8; ++i) {
            auto obj = RaisedGrid();
            for (CPatchVertex* v : obj->GetVertices())
                v->Set(v->GetX() * 0.5f + static_cast<float>(i % 4) - 1.5f, v->GetY() * (1 + i * 0.1f),
                       v->GetZ() * 0.5f + static_cast<float>(i / 4) - 0.5f);
            obj->UpdateCurveHandles();
            set.push_back(std::move(obj));
        }
        set[5]->SetPolygonize(1);
        set[6]->SetMirrorMode(2);
        set[6]->SetMirrorAxis(0, 1);
        return set;
    };
    const CPatchDrawSettings settings = Settings();
    auto draw = [&](std::vector<std::unique_ptr<CSpatchObj>>& set) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        for (auto& obj : set)
            DrawPatchSurfaces(*obj, 8, settings);
        return Pixels();
    };
    auto plain = makeSet();
    const Image expected = draw(plain);
    ASSERT_GT(CountPixelsNot(expected, 0x000000), kSize * kSize / 8);

    for (const int threads : {1, 4}) {
        auto prepared = makeSet();
        std::vector<CSpatchObj*> objects;
        for (auto& obj : prepared)
            objects.push_back(obj.get());
        PreparePatchSurfaces(objects, 8, true, threads);
        for (size_t i = 0; i < prepared.size(); ++i) {
            const CSpatchObj& obj = *prepared[i];
            EXPECT_FALSE(obj.GetNeedsRebuild()) << i;
            EXPECT_FALSE(obj.GetNetsDirty()) << i;
            EXPECT_EQ(obj.GetPatches().GetCount(), plain[i]->GetPatches().GetCount()) << i;
            if (i == 5)
                EXPECT_NE(obj.GetMeshCache(), nullptr) << "the display mesh is built";
            else if (i != 6)
                EXPECT_NE(obj.GetSurfaceCache(), nullptr) << i << ": the surface grid is built";
        }
        const ImageDiff diff = CompareImages(draw(prepared), expected, 0, "");
        EXPECT_TRUE(diff.sizeMatches);
        EXPECT_EQ(diff.differing, 0) << threads << " threads";
    }
}
