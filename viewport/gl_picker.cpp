#include "viewport/gl_picker.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/gl_surface.h"
#include "viewport/pane_scene.h"
#include "viewport/view_camera.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <vector>

namespace {

// The pick box, in pixels each way.
constexpr double kPickSize = 10.0;
// The object picks see from very near to very far.
constexpr double kPickNear = 0.5;
constexpr double kPickFar = 10000.0;
// Every pick has one name on the stack: a hit record is {1, min depth, max depth, name}.
constexpr size_t kRecordSize = 4;

// The pane camera narrowed to the pick box around point.
void LoadPickProjection(const CViewCamera& view, CCamera& camera, CPoint point, double nearPlane,
                        double farPlane) {
    view.SetViewport(camera);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluPickMatrix(point.x, viewport[3] - point.y, kPickSize, kPickSize, viewport);
    view.SetProjection(camera, nearPlane, farPlane);
}

// Hit records of a finished selection; none when the buffer overflowed (-1).
struct CHits {
    const std::vector<GLuint>& buffer;
    GLint count;

    template <class Fn> void ForEach(Fn fn) const {
        size_t at = 0;
        for (GLint i = 0; i < count && at + 3 <= buffer.size(); ++i) {
            const GLuint names = buffer[at];
            if (names == 0 || at + 3 + names > buffer.size())
                break;
            fn(buffer[at + 2], buffer[at + 3 + names - 1]);
            at += 3 + names;
        }
    }
};

// The name of the hit with the smallest greatest depth; the earlier one at equal depth.
int NearestName(const CHits& hits) {
    int best = -1;
    GLuint bestDepth = 0;
    hits.ForEach([&](GLuint maxDepth, GLuint name) {
        if (best < 0 || maxDepth < bestDepth) {
            best = static_cast<int>(name);
            bestDepth = maxDepth;
        }
    });
    return best;
}

// Select mode for the object picks: buffer sized by the caller, the pane's
// camera narrowed to the pointer, one name on the stack.
class CObjectPick {
public:
    CObjectPick(CGlSurface& surface, CQuelDoc& doc, int pane, CPoint point, size_t records)
        : m_buffer(std::max<size_t>(records, 1) * kRecordSize) {
        if (!surface.MakeCurrent())
            return;
        m_started = true;
        glDisable(GL_LIGHTING);
        glSelectBuffer(static_cast<GLsizei>(m_buffer.size()), m_buffer.data());
        glRenderMode(GL_SELECT);
        glInitNames();
        const CViewCamera view(&surface);
        LoadPickProjection(view, doc.m_cameras[static_cast<size_t>(pane)], point, kPickNear, kPickFar);
        glPushMatrix();
        glPushName(0);
    }
    // A pick left by an exception (no memory for its drawing) still gives
    // the pane's context back in render mode, as it was.
    ~CObjectPick() {
        if (m_started)
            Finish();
    }
    CObjectPick(const CObjectPick&) = delete;
    CObjectPick& operator=(const CObjectPick&) = delete;
    bool IsStarted() const { return m_started; }
    // Back to render mode; the hits found.
    CHits Finish() {
        m_started = false;
        glPopName();
        glPopMatrix();
        glFlush();
        return CHits{m_buffer, glRenderMode(GL_RENDER)};
    }

private:
    std::vector<GLuint> m_buffer;
    bool m_started = false;
};

// Every segment of the object with its running number, one number per
// segment over all curves in list order: from each node to the next, and
// from the last to the first on a closed curve.
template <class Fn> void ForEachSegment(CSpatchObj& obj, Fn fn) {
    int number = 0;
    for (CCurve* curve : obj.GetCurves()) {
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            CCurvePoint* start = curve->m_nodes.GetNext(pos);
            CCurvePoint* end = pos               ? curve->m_nodes.GetAt(pos)
                               : curve->m_closed ? curve->m_nodes.GetHead()
                                                 : nullptr;
            if (end)
                fn(number++, *curve, *start, *end);
        }
    }
}

} // namespace

void CGLPicker::SetPane(CGlSurface* surface, int paneIndex) {
    m_surface = surface;
    m_paneIndex = paneIndex;
}

int CGLPicker::PickVertex() {
    CQuelDoc* doc = GetDoc();
    if (!m_object || !m_surface || !doc || m_object->GetVertices().IsEmpty() || m_paneIndex < 0 ||
        m_paneIndex >= kPaneCount)
        return -1;
    CObjectPick pick(*m_surface, *doc, m_paneIndex, m_point,
                     static_cast<size_t>(m_object->GetVertices().GetCount()));
    if (!pick.IsStarted())
        return -1;
    GLuint index = 0;
    for (const CPatchVertex* v : m_object->GetVertices()) {
        if (!v->m_hidden) {
            glLoadName(index);
            glBegin(GL_POINTS);
            glVertex3f(v->GetX(), v->GetY(), v->GetZ());
            glEnd();
        }
        ++index;
    }
    return NearestName(pick.Finish());
}

CCurveSegment CGLPicker::PickCurveSegment() {
    CQuelDoc* doc = GetDoc();
    if (!m_object || !m_surface || !doc || m_paneIndex < 0 || m_paneIndex >= kPaneCount)
        return {};
    size_t nodes = 0;
    for (const CCurve* curve : m_object->GetCurves())
        nodes += static_cast<size_t>(curve->m_nodes.GetCount());
    if (nodes == 0)
        return {};
    CObjectPick pick(*m_surface, *doc, m_paneIndex, m_point, nodes);
    if (!pick.IsStarted())
        return {};
    const int steps = doc->m_settings.m_panes[static_cast<size_t>(m_paneIndex)].m_curveResolution;
    glEnable(GL_MAP1_VERTEX_3);
    ForEachSegment(*m_object, [steps](int number, CCurve&, CCurvePoint& start, CCurvePoint& end) {
        if (!start.m_vertex || !end.m_vertex || start.m_vertex->m_hidden || end.m_vertex->m_hidden)
            return;
        glLoadName(static_cast<GLuint>(number));
        CSpatchObj::DrawBezierSegment(steps, *start.m_vertex, start.m_handleOut, end.m_handleIn,
                                      *end.m_vertex);
    });
    glDisable(GL_MAP1_VERTEX_3);
    const CHits hits = pick.Finish();
    const int picked = NearestName(hits);
    if (picked < 0)
        return {};
    CCurveSegment segment;
    ForEachSegment(*m_object, [&](int number, CCurve& curve, CCurvePoint& start, CCurvePoint&) {
        if (number == picked)
            segment = {&curve, &start};
    });
    SetStatusText(IntToString(picked) + " / " + IntToString(hits.count));
    return segment;
}

int PickManipulatorHandle(CQuelDoc& doc, int pane, const CViewCamera& view, const CHandleState* handles,
                          ManipulatorKind kind, const CVector3& position, const CVector3& rotation,
                          CPoint point) {
    if (pane < 0 || pane >= kPaneCount)
        return -1;
    // One record for each of the four names.
    std::vector<GLuint> buffer(4 * kRecordSize);
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    LoadPickProjection(view, doc.m_cameras[static_cast<size_t>(pane)], point, doc.m_openGLSetting.near_plane,
                       doc.m_openGLSetting.far_plane);
    CPaneScene(doc, pane, view, handles).DrawHandles(kind, position, rotation, true);
    const CHits hits{buffer, glRenderMode(GL_RENDER)};
    int last = -1;
    hits.ForEach([&last](GLuint, GLuint name) { last = static_cast<int>(name); });
    return last;
}
