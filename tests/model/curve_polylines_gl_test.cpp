// A pane draws an object's curves from kept polylines; the pixels must stay
// those of the segments drawn one line strip at a time, whatever changed the
// curves between two paints.
#include "model/curve_polylines.h"
#include "model/mouse_modes.h"
#include "model/spatch_draw.h"
#include "model/spatch_obj.h"
#include "support/allocation_budget.h"
#include "support/gl_fixture.h"
#include "support/model_builders.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <new>
#include <string>

using namespace qf::test;

namespace {

constexpr int kSize = 128;

CPatchDrawSettings Colours() {
    CPatchDrawSettings s;
    s.unselectedObjectColor = 0x808080;
    s.curveColor = 0xFF0000;
    s.invisibleCurveColor = 0x00FFFF;
    s.selectedColor = 0x00FF00;
    s.multiSelectColor = 0xFF00FF;
    return s;
}

// A 4 x 4 grid, swollen so that its curves bend, with one closed curve
// round it and curves crossing at every point (so segments meet and overlap).
std::unique_ptr<CSpatchObj> BentGrid() {
    auto obj = MakeFlatQuadGrid(4);
    for (CPatchVertex* v : obj->GetVertices())
        v->Set(v->GetX() - 2, 0.3f * (v->GetX() - 2) * (v->GetZ() - 2), v->GetZ() - 2);
    const std::vector<CPatchVertex*> points = PointsOf(*obj);
    AddCurveThrough(*obj, {points[0], points[4], points[24], points[20]}, true);
    obj->UpdateCurveHandles();
    return obj;
}

// The curves segment by segment, each its own line strip in its colour, as
// the kept polylines must draw them.
void DrawSegmentBySegment(const CSpatchObj& obj, int steps, const CPatchDrawSettings& settings) {
    const bool byNode = obj.GetSelected() && !IsMultiObjectMode(settings.leftButtonMode);
    CCurveColours colours;
    colours.byNode = byNode;
    colours.all = IsMultiObjectMode(settings.leftButtonMode) && obj.GetMultiSelected()
                      ? settings.multiSelectColor
                      : settings.unselectedObjectColor;
    colours.selected = settings.selectedColor;
    colours.visible = settings.curveColor;
    colours.invisible = settings.invisibleCurveColor;
    ForEachDrawnSegment(obj.GetCurves(), [&](const CCurvePoint& a, const CCurvePoint& b) {
        const CGlColor c = UnpackColor(colours.Of(a, b));
        glColor3f(c.r, c.g, c.b);
        CSpatchObj::DrawBezierSegment(steps, *a.m_vertex, a.m_handleOut, b.m_handleIn, *b.m_vertex);
    });
}

class CurvePolylinesGlTest : public GlFixture {
protected:
    void SetUp() override { MakeSurface(kSize, kSize); }

    void Begin() {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2.6, 2.6, -2.6, 2.6, -20, 20);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(60, 1, 0, 0);
        glRotatef(25, 0, 1, 0);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
    }

    void ExpectSegmentPicture(const CSpatchObj& obj, int steps, const CPatchDrawSettings& settings,
                              const std::string& what) {
        Begin();
        DrawSegmentBySegment(obj, steps, settings);
        const Image expected = Pixels();
        Begin();
        obj.DrawCurves(steps, settings);
        const Image actual = Pixels();
        ASSERT_GT(CountPixelsNot(expected, 0x000000), 0) << what;
        const ImageDiff diff =
            CompareImages(actual, expected, 0, (OutputDir() / ("diff-curves-" + what + ".png")).string());
        EXPECT_EQ(diff.differing, 0) << what;
    }

    ScopedStandInDocument m_scope;
};

} // namespace

TEST_F(CurvePolylinesGlTest, ThePixelsOfTheSegmentsInEveryColouring) {
    auto obj = BentGrid();
    CPatchDrawSettings settings = Colours();
    ExpectSegmentPicture(*obj, 4, settings, "unselected");
    settings.leftButtonMode = mouseModeTranslateMulti;
    obj->SetMultiSelected(1);
    ExpectSegmentPicture(*obj, 4, settings, "multi-object-tool");

    settings = Colours();
    obj->SetSelected(1);
    obj->GetVertices().GetAtIndex(7)->m_visible = 0;
    NodeAt(*obj, 1, 2)->m_selected = 1;
    NodeAt(*obj, 10, 0)->m_selected = 1;
    for (int steps : {4, 1, 7, 20})
        ExpectSegmentPicture(*obj, steps, settings, "selected-steps" + std::to_string(steps));
}

TEST_F(CurvePolylinesGlTest, FollowsEveryChangeBetweenPaints) {
    auto obj = BentGrid();
    obj->SetSelected(1);
    const CPatchDrawSettings settings = Colours();
    ExpectSegmentPicture(*obj, 4, settings, "first");

    CPatchVertex* moved = obj->GetVertices().GetAtIndex(12);
    moved->SetY(1.5f);
    obj->UpdateCurveHandles();
    ExpectSegmentPicture(*obj, 4, settings, "point-moved");

    // A drag that leaves the handles as they were still moves the segments' ends.
    moved->SetX(0.7f);
    ExpectSegmentPicture(*obj, 4, settings, "handles-stale");

    obj->GetVertices().GetAtIndex(6)->m_hidden = 1;
    ExpectSegmentPicture(*obj, 4, settings, "point-hidden");
    obj->GetVertices().GetAtIndex(6)->m_hidden = 0;

    NodeAt(*obj, 3, 1)->m_selected = 1;
    ASSERT_EQ(obj->DeleteSelectedSegment(), 1);
    obj->UpdateCurveHandles();
    ExpectSegmentPicture(*obj, 4, settings, "segment-deleted");

    // Another pane at another resolution, then the first one again.
    ExpectSegmentPicture(*obj, 10, settings, "second-pane");
    ExpectSegmentPicture(*obj, 4, settings, "first-pane-again");
}

TEST_F(CurvePolylinesGlTest, EvaluatesOnlyTheSegmentsThatChanged) {
    auto obj = BentGrid();
    CCurvePolylines polylines(4);
    CCurveColours colours;
    Begin();
    polylines.Draw(obj->GetCurves(), colours);
    const int segments = polylines.CountSegments();
    EXPECT_EQ(segments, 2 * 4 * 5 + 4);
    EXPECT_EQ(polylines.CountEvaluated(), segments);
    polylines.Draw(obj->GetCurves(), colours);
    EXPECT_EQ(polylines.CountEvaluated(), 0) << "nothing changed";

    // The middle point's four segments, and the handles of its neighbours'
    // segments that lean on it.
    obj->GetVertices().GetAtIndex(12)->SetY(1.0f);
    obj->UpdateCurveHandles();
    polylines.Draw(obj->GetCurves(), colours);
    EXPECT_GE(polylines.CountEvaluated(), 4);
    EXPECT_LE(polylines.CountEvaluated(), 8);
}

TEST_F(CurvePolylinesGlTest, LeavesTheLastSegmentsColourAndNoArrays) {
    auto obj = BentGrid();
    obj->SetSelected(1);
    NodeAt(*obj, 10, 3)->m_selected = 1; // the last curve's last segment
    Begin();
    obj->DrawCurves(4, Colours());
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.0f);
    EXPECT_FLOAT_EQ(colour[1], 1.0f) << "the selected colour, green";
    EXPECT_FLOAT_EQ(colour[2], 0.0f);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_MAP1_VERTEX_3));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A paint that runs out of memory at any one allocation leaves the kept
// polylines and the vertex arrays so that the next paint is right again.
TEST_F(CurvePolylinesGlTest, APaintThatRunsOutOfMemoryLeavesTheNextOneRight) {
    const CPatchDrawSettings settings = Colours();
    for (long long n = 1;; ++n) {
        SCOPED_TRACE("allocation " + std::to_string(n));
        // Fewer segments kept than the paint that runs out draws.
        auto obj = MakeFlatQuadGrid(1);
        Begin();
        obj->DrawCurves(4, settings);
        obj->AppendGeometry(BentGrid().get(), 0);
        bool refused = false;
        {
            const AllocationFailure failure(n);
            try {
                Begin();
                obj->DrawCurves(4, settings);
            } catch (const std::bad_alloc&) {
            }
            refused = failure.HasRefused();
        }
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
        ExpectSegmentPicture(*obj, 4, settings, "after-shortage");
        if (!refused || HasFailure())
            break;
    }
}
