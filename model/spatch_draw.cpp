// A patch object's control points and curves in a pane, and the projection
// of its control points into pane pixels for the mouse tools.
#include "model/spatch_draw.h"
#include "model/camera.h"
#include "model/model_document.h"
#include "model/mouse_modes.h"
#include "model/spatch_obj.h"

#include <GL/gl.h>

namespace {

// Near-plane distance of the OpenGL settings when no document is open.
constexpr double kDefaultNearDistance = 5.0;

void SetGlColor(uint32_t packed) {
    const CGlColor c = UnpackColor(packed);
    glColor3f(c.r, c.g, c.b);
}

// Every curve segment that may be drawn: both ends on shown control points
// and not a one-node loop. fn(start node, end node).
template <class Fn> void ForEachDrawnSegment(const CObjList<CCurve>& curves, Fn fn) {
    for (const CCurve* curve : curves) {
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            const CCurvePoint* a = curve->m_nodes.GetNext(pos);
            const CCurvePoint* b = pos               ? curve->m_nodes.GetAt(pos)
                                   : curve->m_closed ? curve->m_nodes.GetHead()
                                                     : nullptr;
            if (!b || a == b || !a->m_vertex || !b->m_vertex || a->m_vertex->m_hidden ||
                b->m_vertex->m_hidden)
                continue;
            fn(*a, *b);
        }
    }
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
    glPointSize(settings.vertexPointSize);
    glBegin(GL_POINTS);
    SetGlColor(settings.pointColor);
    bool anySelected = false;
    for (const CPatchVertex* v : m_vertices) {
        if (v->m_hidden)
            continue;
        if (v->m_selected) {
            anySelected = true;
            continue;
        }
        glVertex3f(v->GetX(), v->GetY(), v->GetZ());
    }
    if (anySelected) {
        SetGlColor(settings.selectedColor);
        for (const CPatchVertex* v : m_vertices)
            if (!v->m_hidden && v->m_selected)
                glVertex3f(v->GetX(), v->GetY(), v->GetZ());
    }
    glEnd();
    glPointSize(1.0f);
}

void CSpatchObj::DrawCurves(int steps, const CPatchDrawSettings& settings) const {
    glEnable(GL_MAP1_VERTEX_3);
    const bool multiMode = IsMultiObjectMode(settings.leftButtonMode);
    auto draw = [steps](const CCurvePoint& a, const CCurvePoint& b) {
        DrawBezierSegment(steps, *a.m_vertex, a.m_handleOut, b.m_handleIn, *b.m_vertex);
    };
    if (GetSelected() && !multiMode) {
        ForEachDrawnSegment(m_curves, [&](const CCurvePoint& a, const CCurvePoint& b) {
            SetGlColor(a.m_selected ? settings.selectedColor
                       : a.m_vertex->m_visible == 1 && b.m_vertex->m_visible == 1
                           ? settings.curveColor
                           : settings.invisibleCurveColor);
            draw(a, b);
        });
    } else {
        SetGlColor(multiMode && GetMultiSelected() ? settings.multiSelectColor
                                                   : settings.unselectedObjectColor);
        ForEachDrawnSegment(m_curves, draw);
    }
    glDisable(GL_MAP1_VERTEX_3);
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
