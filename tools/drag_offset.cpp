#include "tools/drag_offset.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/mouse_tool_controller.h"
#include "tools/view_plane.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kDegreesPerPixel = 1.0;
constexpr double kFactorPerPixel = 0.01;
constexpr double kShiftDegrees = 45.0;

} // namespace

int PixelsFromPress(const CMouseToolController& c, int x, int y) {
    return (x - c.m_leftPress.x) + (c.m_leftPress.y - y);
}

float DragAngle(const CMouseToolController& c, int x, int y) {
    double angle = PixelsFromPress(c, x, y) * kDegreesPerPixel;
    if (c.m_keys & MK_SHIFT)
        angle = std::trunc(angle / kShiftDegrees) * kShiftDegrees;
    return static_cast<float>(angle);
}

float DragFactor(const CMouseToolController& c, int x, int y) {
    double factor = std::max(0.0, 1.0 + PixelsFromPress(c, x, y) * kFactorPerPixel);
    if (c.m_keys & MK_SHIFT)
        factor = std::trunc(factor);
    return static_cast<float>(factor);
}

float SnapToGrid(float value, float spacing) {
    if (!(spacing > 0.0f))
        return value;
    const double s = value >= 0.0f ? 1.0 : -1.0;
    return static_cast<float>(std::trunc((value + s * spacing / 2.0) / spacing) * spacing);
}

namespace {

// The grid settings of the controller's pane; null without a document.
const CPaneDisplaySettings* PaneGrid(const CMouseToolController& c) {
    const CQuelDoc* doc = GetDoc();
    return doc ? &doc->m_settings.m_panes[static_cast<size_t>(c.GetPaneIndex())] : nullptr;
}

} // namespace

CVector3 SnapToPaneGrid(const CMouseToolController& c, const CVector3& p) {
    CVector3 snapped = p;
    if (const CPaneDisplaySettings* pane = PaneGrid(c))
        for (int axis = 0; axis < 3; ++axis)
            if (pane->m_gridLock[static_cast<size_t>(axis)])
                snapped.Set(axis, SnapToGrid(p.Get(axis), pane->m_gridSpacing));
    return snapped;
}

void SnapStartToPaneGrid(const CMouseToolController& c, CVector3& start) {
    const CPaneDisplaySettings* pane = PaneGrid(c);
    if (!pane || !(pane->m_gridSpacing > 0.0f))
        return;
    const double spacing = pane->m_gridSpacing;
    for (int axis = 0; axis < 3; ++axis)
        if (pane->m_gridLock[static_cast<size_t>(axis)])
            start.Set(axis, static_cast<float>(std::trunc(start.Get(axis) / spacing) * spacing));
}

CDragConstraint DocumentAxisConstraint() {
    CDragConstraint constraint;
    if (const CQuelDoc* doc = GetDoc())
        constraint.m_axes = doc->m_axisEnabled;
    return constraint;
}

CVector3 ViewPlaneDragOffset(CMouseToolController& c, int x, int y, float depth,
                             const CDragConstraint& constraint) {
    const CQuelDoc* doc = GetDoc();
    const CCamera* camera = c.GetCamera();
    if (!doc || !camera)
        return CVector3();
    int dx = x - c.m_leftPress.x;
    int dy = c.m_leftPress.y - y;
    if (constraint.m_shiftKeepsDominant && (c.m_keys & MK_SHIFT)) {
        if (std::abs(dx) > std::abs(dy))
            dy = 0;
        else
            dx = 0;
    }
    CVector3 w =
        ViewToWorldDirection(*camera, PixelDeltaToViewPlane(*camera, c.GetPaneSize(), dx, dy, depth));
    const CPaneDisplaySettings& pane = doc->m_settings.m_panes[static_cast<size_t>(c.GetPaneIndex())];
    for (int axis = 0; axis < 3; ++axis) {
        float value = w.Get(axis) * static_cast<float>(constraint.m_axes[static_cast<size_t>(axis)]);
        if (pane.m_gridLock[static_cast<size_t>(axis)])
            value = SnapToGrid(value, pane.m_gridSpacing);
        w.Set(axis, value);
    }
    KeepInFixedViewPlane(*camera, w);
    ShowTransformFeedback(w, 1);
    return w;
}
