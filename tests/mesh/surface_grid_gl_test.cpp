// The surfaces a pane draws from an object's kept grid must be the picture
// the evaluators give for the same nets, after every kind of change.
#include "mesh/patch_surface_draw.h"
#include "mesh/surface_grid.h"
#include "model/spatch_obj.h"
#include "support/gl_fixture.h"
#include "support/model_builders.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <string>

using namespace qf::test;

namespace {

constexpr int kSize = 160;

// A five-sided patch with a quad and a triangle beside it, bent out of its
// plane so that the lit surfaces shade unevenly.
std::unique_ptr<CSpatchObj> BentPentagon() {
    auto obj = MakePentagonWithNeighbours();
    int i = 0;
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(0.35f * static_cast<float>(i++ % 3) - 0.3f);
    obj->UpdateCurveHandles();
    return obj;
}

// The patches as the evaluators draw them: each quad's net at the grid, each
// net of a triangle or five-sided patch at half of it, patches with a hidden
// corner left out.
void DrawWithEvaluators(CSpatchObj& obj, int grid) {
    if (obj.GetNeedsRebuild())
        obj.Rebuild();
    obj.UpdatePatchNets();
    glEnable(GL_MAP2_VERTEX_3);
    glFrontFace(GL_CCW);
    auto eval = [](const PatchNet& net, int n) {
        glMapGrid2f(n, 0.0f, 1.0f, n, 0.0f, 1.0f);
        glMap2f(GL_MAP2_VERTEX_3, 0.0f, 1.0f, 3, 4, 0.0f, 1.0f, 12, 4, net.data());
        glEvalMesh2(GL_FILL, 0, n, 0, n);
    };
    const int half = grid / 2;
    for (const CPatch* patch : obj.GetPatches()) {
        bool hidden = false;
        for (int k = 0; k < patch->m_sides; ++k)
            hidden = hidden || patch->GetCorner(k)->m_hidden;
        if (hidden)
            continue;
        if (patch->m_sides == 4 && grid >= 1)
            eval(patch->Net(0), grid);
        else if (patch->m_sides == 3 && half >= 1)
            for (int k = 0; k < patch->NetCount(); ++k)
                eval(patch->Net(k), half);
    }
    if (half >= 1)
        for (const CFivePointPatch* patch : obj.GetFivePatches())
            for (const PatchNet& net : patch->m_nets)
                eval(net, half);
    glDisable(GL_MAP2_VERTEX_3);
}

class SurfaceGridGlTest : public GlFixture {
protected:
    void SetUp() override { MakeSurface(kSize, kSize); }

    // Seen from above and a little to the side, lit from both sides when lit.
    void Begin(bool lit) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2.5, 2.5, -2.5, 2.5, -20, 20);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(70, 1, 0, 0);
        glRotatef(20, 0, 0, 1);
        glEnable(GL_DEPTH_TEST);
        glColor3f(0.8f, 0.8f, 0.0f);
        if (lit) {
            const GLfloat direction[] = {0.3f, 1.0f, 0.5f, 0.0f};
            glLightfv(GL_LIGHT0, GL_POSITION, direction);
            glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
            glEnable(GL_LIGHTING);
            glEnable(GL_LIGHT0);
            glEnable(GL_AUTO_NORMAL);
        } else {
            glDisable(GL_LIGHTING);
            glDisable(GL_AUTO_NORMAL);
        }
    }

    // The kept grid's picture of obj against the evaluators' one; without
    // patches both are empty.
    void ExpectEvaluatorPicture(CSpatchObj& obj, int grid, bool lit, const std::string& what) {
        Begin(lit);
        DrawWithEvaluators(obj, grid);
        const Image expected = Pixels();
        Begin(lit);
        CPatchDrawSettings settings;
        settings.surfaceColor = 0x0000CCCC;
        settings.drawCurveOnSurface = 0;
        DrawPatchSurfaces(obj, grid, settings);
        const Image actual = Pixels();
        EXPECT_EQ(CountPixelsNot(expected, 0x000000) > 0, obj.GetPatches().GetCount() > 0) << what;
        const ImageDiff diff = CompareImages(actual, expected, 8,
                                             (OutputDir() / ("diff-surface-grid-" + what + ".png")).string());
        EXPECT_LE(diff.share, 0.002) << what << ": " << diff.differing << " pixels differ";
    }

    ScopedStandInDocument m_scope;
};

} // namespace

TEST_F(SurfaceGridGlTest, ThePictureOfTheEvaluatorsAtEveryResolution) {
    auto obj = BentPentagon();
    obj->Rebuild();
    ASSERT_EQ(obj->CountQuadPatches(), 1);
    ASSERT_EQ(obj->CountTriPatches(), 1);
    ASSERT_EQ(obj->CountFivePointPatches(), 1);
    for (int grid : {4, 7, 10, 1})
        for (bool lit : {false, true})
            ExpectEvaluatorPicture(*obj, grid, lit, "grid" + std::to_string(grid) + (lit ? "-lit" : ""));
}

TEST_F(SurfaceGridGlTest, FollowsEditsHiddenCornersAndPanesOfOtherResolutions) {
    auto obj = BentPentagon();
    ExpectEvaluatorPicture(*obj, 4, true, "before-edits");

    obj->GetVertices().GetAtIndex(5)->SetY(1.2f);
    obj->UpdateCurveHandles();
    ExpectEvaluatorPicture(*obj, 4, true, "moved-point");

    // Hiding changes no net: the quad with the hidden corner goes, the rest stays.
    obj->GetVertices().GetAtIndex(6)->m_hidden = 1;
    ExpectEvaluatorPicture(*obj, 4, false, "hidden-corner");
    obj->GetVertices().GetAtIndex(6)->m_hidden = 0;
    ExpectEvaluatorPicture(*obj, 4, false, "shown-again");

    // Another pane at another resolution, then the first again.
    ExpectEvaluatorPicture(*obj, 8, true, "second-pane");
    ExpectEvaluatorPicture(*obj, 4, true, "first-pane-again");

    // Smoothing rebuilds the nets; deleting the patches leaves nothing to draw.
    obj->SetSmoothing(1);
    ExpectEvaluatorPicture(*obj, 4, true, "smoothed");
    obj->DeleteAllPatches();
    ExpectEvaluatorPicture(*obj, 4, false, "patches-deleted");
}

TEST_F(SurfaceGridGlTest, LeavesTheArraysAndTheCurrentNormalAsItFoundThem) {
    auto obj = BentPentagon();
    Begin(true);
    glNormal3f(0.0f, 0.6f, 0.8f);
    DrawPatchSurfaces(*obj, 4, CPatchDrawSettings());
    GLfloat normal[3];
    glGetFloatv(GL_CURRENT_NORMAL, normal);
    EXPECT_FLOAT_EQ(normal[0], 0.0f);
    EXPECT_FLOAT_EQ(normal[1], 0.6f);
    EXPECT_FLOAT_EQ(normal[2], 0.8f);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    auto* grids = dynamic_cast<CSurfaceGrids*>(obj->GetSurfaceCache());
    ASSERT_NE(grids, nullptr) << "the grid is kept with the object";
    EXPECT_EQ(grids->Get(*obj, 4).CountNets(), 1 + 3 + 5);
    EXPECT_EQ(grids->Get(*obj, 4).CountDrawnNets(), 9);
}
