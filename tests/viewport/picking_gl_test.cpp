// Picking in select mode on OSMesa. In the front pane (pane 2) 200 pixels
// span 7.2794 units, 27.47 pixels a unit, so world (x, y) lies at pixel
// (100 + 27.47 x, 75 - 27.47 y); the manipulator's axes are 40 pixels long.
#include "app/app_state.h"
#include "tools/tool_pane.h"
#include "viewport/gl_picker.h"
#include "viewport/scene_gl_fixture.h"

namespace {

constexpr int kFront = 2;
constexpr int kTop = 0;

class PickingGlTest : public SceneGlTest {
protected:
    int PickVertex(CSpatchObj* obj, CPoint point) {
        CGLPicker picker(obj);
        picker.SetPane(surface, kFront);
        picker.m_point = point;
        return picker.PickVertex();
    }
    CCurveSegment PickSegment(CSpatchObj* obj, CPoint point) {
        CGLPicker picker(obj);
        picker.SetPane(surface, kFront);
        picker.m_point = point;
        return picker.PickCurveSegment();
    }
};

} // namespace

// Two points on one pixel: the nearer wins, at equal depth the earlier;
// hidden points are never picked.
TEST_F(PickingGlTest, PickVertexTakesTheNearestPointUnderThePointer) {
    CSpatchObj* obj = doc->AddPatchObject();
    obj->AddVertex(0, 0, 2);
    obj->AddVertex(0, 0, 0);
    obj->AddVertex(1, 0, 0);
    obj->AddVertex(1, 0, 0);
    obj->AddVertex(2, 0, 0)->m_hidden = 1;
    EXPECT_EQ(PickVertex(obj, CPoint(100, 75)), 1) << "nearer to the eye at z = -10";
    EXPECT_EQ(PickVertex(obj, CPoint(126, 76)), 2) << "equal depth: the earlier";
    EXPECT_EQ(PickVertex(obj, CPoint(155, 75)), -1) << "hidden";
    EXPECT_EQ(PickVertex(obj, CPoint(30, 30)), -1) << "nothing there";
    EXPECT_EQ(PickVertex(nullptr, CPoint(100, 75)), -1);
}

// Three two-point curves, upright at x = -2, 1 and 2: segments 0, 1 and 2.
TEST_F(PickingGlTest, PickCurveSegmentFindsTheSegmentAndKeepsNumbersPastHiddenOnes) {
    CSpatchObj* obj = doc->AddPatchObject();
    for (const float x : {-2.0f, 1.0f, 2.0f})
        qf::test::AddCurveThrough(*obj, {obj->AddVertex(x, -1, 0), obj->AddVertex(x, 1, 0)});
    obj->UpdateCurveHandles();
    const CCurve* second = obj->GetCurves().GetAtIndex(1);

    const CCurveSegment hit = PickSegment(obj, CPoint(127, 75));
    EXPECT_EQ(hit.m_curve, second);
    EXPECT_EQ(hit.m_point, second->m_nodes.GetHead());
    EXPECT_EQ(GetAppState().m_statusText, "1 / 1");

    second->m_nodes.GetHead()->m_vertex->m_hidden = 1;
    EXPECT_EQ(PickSegment(obj, CPoint(127, 75)).m_curve, nullptr);
    EXPECT_EQ(PickSegment(obj, CPoint(155, 60)).m_curve, obj->GetCurves().GetAtIndex(2));
    EXPECT_EQ(GetAppState().m_statusText, "2 / 1") << "the hidden segment keeps its number";
}

// The handles of each manipulator at the origin, in the front pane (no Z
// handle) and the top pane (no Y handle, +z up the screen).
TEST_F(PickingGlTest, ManipulatorPicksNameTheHandleUnderThePointer) {
    const struct {
        const char* name;
        int pane;
        ManipulatorKind kind;
        CPoint point;
        int expected;
    } cases[] = {
        {"translate: X cone", kFront, ManipulatorKind::translate, {144, 75}, CHandleState::handleX},
        {"translate: Y cone", kFront, ManipulatorKind::translate, {100, 31}, CHandleState::handleY},
        {"translate: centre", kFront, ManipulatorKind::translate, {100, 75}, CHandleState::handleCentre},
        {"translate: Z cone, top view", kTop, ManipulatorKind::translate, {100, 31}, CHandleState::handleZ},
        {"translate: along the middle of an axis", kFront, ManipulatorKind::translate, {120, 75}, -1},
        {"scale: X cube", kFront, ManipulatorKind::scale, {140, 75}, CHandleState::handleX},
        {"rotate: Y ring seen edge on", kFront, ManipulatorKind::rotate, {120, 75}, CHandleState::handleY},
        {"rotate: X ring seen edge on", kFront, ManipulatorKind::rotate, {100, 55}, CHandleState::handleX},
        {"rotate: centre ring", kFront, ManipulatorKind::rotate, {152, 75}, CHandleState::handleCentre},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc->m_cameras[static_cast<size_t>(c.pane)].SetPreset(c.pane);
        EXPECT_EQ(
            PickManipulatorHandle(*doc, c.pane, *view, nullptr, c.kind, CVector3(), CVector3(), c.point),
            c.expected);
    }
}

// In a 40 x 30 pane the X axis is 8 pixels long: the pick box at its
// middle covers the cone and the centre, and the centre, drawn last, wins.
TEST_F(PickingGlTest, TheLastHandleHitWins) {
    UseSurface(40, 30);
    const auto pick = [this](CPoint point) {
        return PickManipulatorHandle(*doc, kFront, *view, nullptr, ManipulatorKind::translate, CVector3(),
                                     CVector3(), point);
    };
    EXPECT_EQ(pick(CPoint(24, 15)), CHandleState::handleCentre);
    EXPECT_EQ(pick(CPoint(29, 15)), CHandleState::handleX);
}
