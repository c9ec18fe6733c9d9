// A patch object's control points and curves in a pane, and the projection
// of its control points into pane pixels for the mouse tools.
#include "model/spatch_draw.h"
#include "model/camera.h"
#include "model/curve_polylines.h"
#include "model/model_document.h"
#include "model/mouse_modes.h"
#include "model/recent_by_key.h"
#include "model/spatch_obj.h"

#include <GL/gl.h>
#include <vector>

namespace {

// Near-plane distance of the OpenGL settings when no document is open.
constexpr double kDefaultNearDistance = 5.0;

void SetGlColor(uint32_t packed) {
    const CGlColor c = UnpackColor(packed);
    glColor3f(c.r, c.g, c.b);
}

} // namespace

CGlColor UnpackColor(uint32_t packed) {
    return CGlColor{static_cast<float>((packed & 0xFF) / 255.0),
                    static_cast<float>(((packed >> 8) & 0xFF) / 255.0),
                    static_cast<float>(((packed >> 16) & 0xFF) / 255.0)};
}

void CSpatchObj::DrawVertices(const CPatchDrawSettings& settings) const {
    if (!GetSelected())
        return;
    if (IsLightMode(settings.leftButtonMode))
        return;
    // The shown points, unselected ones first, from one array.
    std::vector<float> points;
    points.reserve(static_cast<size_t>(m_vertices.GetCount()) * 3);
    auto put = [&points](const CPatchVertex& v) {
        points.insert(points.end(), {v.GetX(), v.GetY(), v.GetZ()});
    };
    for (const CPatchVertex* v : m_vertices)
        if (!v->m_hidden && !v->m_selected)
            put(*v);
    const auto unselected = static_cast<GLsizei>(points.size() / 3);
    for (const CPatchVertex* v : m_vertices)
        if (!v->m_hidden && v->m_selected)
            put(*v);
    const auto selected = static_cast<GLsizei>(points.size() / 3) - unselected;
    glPointSize(settings.vertexPointSize);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, points.data());
    SetGlColor(settings.pointColor);
    glDrawArrays(GL_POINTS, 0, unselected);
    if (selected > 0) {
        SetGlColor(settings.selectedColor);
        glDrawArrays(GL_POINTS, unselected, selected);
    }
    glPopClientAttrib();
    glPointSize(1.0f);
}

void CSpatchObj::DrawCurves(int steps, const CPatchDrawSettings& settings) const {
    glEnable(GL_MAP1_VERTEX_3);
    const bool multiMode = IsMultiObjectMode(settings.leftButtonMode);
    CCurveColours colours;
    colours.byNode = GetSelected() && !multiMode;
    colours.all =
        multiMode && GetMultiSelected() ? settings.multiSelectColor : settings.unselectedObjectColor;
    colours.selected = settings.selectedColor;
    colours.visible = settings.curveColor;
    colours.invisible = settings.invisibleCurveColor;
    const CModelDocument* doc = GetModelDoc();
    if (doc && doc->GetCurveType() == 1) {
        // The evaluator type draws segment by segment.
        if (!colours.byNode)
            SetGlColor(colours.all);
        ForEachDrawnSegment(m_curves, [&](const CCurvePoint& a, const CCurvePoint& b) {
            if (colours.byNode)
                SetGlColor(colours.Of(a, b));
            DrawBezierSegment(steps, *a.m_vertex, a.m_handleOut, b.m_handleIn, *b.m_vertex);
        });
    } else {
        CurvePolylines(steps).Draw(m_curves, colours);
    }
    glDisable(GL_MAP1_VERTEX_3);
}

CCurvePolylines& CSpatchObj::CurvePolylines(int steps) const {
    constexpr size_t kPanes = 4;
    return TakeMostRecent(
        m_curvePolylines, kPanes, steps, [](const CCurvePolylines& p) { return p.GetSteps(); },
        [steps] { return CCurvePolylines(steps); });
}

void CSpatchObj::TransformVerticesToView(const CCamera& camera) {
    const CMatrix4 toCamera = camera.GetWorldToCamera();
    for (CPatchVertex* v : m_vertices)
        v->m_viewPos = TransformPoint(*v, toCamera);
}

void CSpatchObj::ProjectVertices(const CCamera& camera) {
    TransformVerticesToView(camera);
    const CModelDocument* doc = GetModelDoc();
    const double nearDistance = doc ? doc->GetNearDistance() : kDefaultNearDistance;
    for (CPatchVertex* v : m_vertices) {
        const CIntPair pixel = ProjectViewPoint(camera, nearDistance, v->m_viewPos);
        v->m_screenX = pixel.m_x;
        v->m_screenY = pixel.m_y;
    }
}
