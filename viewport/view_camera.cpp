#include "viewport/view_camera.h"

#include "app/core_settings.h"
#include "model/gl_scope.h"
#include "model/spatch_draw.h"
#include "platform/base/gl_surface.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kPi = 3.1415927;

double ToRadians(double degrees) {
    return degrees / 180.0 * kPi;
}

// The plane grids reach this far beyond the visible area, which they
// measure at the target while the plane itself may lie nearer or farther.
constexpr float kPlaneGridMargin = 1.5f;
// No grid has more cells than this across its larger extent.
constexpr float kMaxCells = 30.0f;

// A grid's two axes: lines of constant a and lines of constant b, in the
// plane where the third axis holds `level`.
struct GridFrame {
    int a, b, fixed; // 0 x, 1 y, 2 z
    float centreA, centreB, level;
    bool followsCamera; // the grid of an axis-aligned view, else a plane through the origin
};

GridFrame FrameOf(GridPlane plane, const CCamera& camera) {
    const CVector3& e = camera.m_eye;
    const CVector3& t = camera.m_target;
    switch (plane) {
    case GridPlane::top:
        return {2, 0, 1, e.GetZ(), e.GetX(), t.GetY(), true};
    case GridPlane::front:
        return {1, 0, 2, e.GetY(), e.GetX(), t.GetZ(), true};
    case GridPlane::side:
        return {1, 2, 0, e.GetY(), e.GetZ(), t.GetX(), true};
    case GridPlane::planeXY:
        return {1, 0, 2, t.GetY(), t.GetX(), 0.0f, false};
    case GridPlane::planeXZ:
        return {2, 0, 1, t.GetZ(), t.GetX(), 0.0f, false};
    case GridPlane::planeYZ:
        break;
    }
    return {1, 2, 0, t.GetY(), t.GetZ(), 0.0f, false};
}

void GridVertex(const GridFrame& frame, float a, float b) {
    float xyz[3];
    xyz[frame.a] = a;
    xyz[frame.b] = b;
    xyz[frame.fixed] = frame.level;
    glVertex3f(xyz[0], xyz[1], xyz[2]);
}

float Snap(float value, float spacing) {
    return std::trunc(value / spacing) * spacing;
}

// How many lines fit from `from` by `step` while still inside `limit`;
// none when the numbers are not finite.
long LineCount(float from, float limit, float step) {
    const float span = (from - limit) / step;
    if (!std::isfinite(span) || span < 0.0f)
        return 0;
    return static_cast<long>(std::floor(span)) + 1;
}

} // namespace

CSize PaneViewportSize(int width, int height) {
    return CSize(std::max(width, 1), std::max(height, 1));
}

double PaneAspect(CSize paneSize) {
    const CSize size = PaneViewportSize(paneSize.cx, paneSize.cy);
    return static_cast<double>(size.cx) / size.cy;
}

double VerticalFieldOfView(float angle, double aspect) {
    return 2.0 * std::atan(std::tan(ToRadians(angle) / 2.0) / aspect) / kPi * 180.0;
}

CVector3 ComponentMin(const CVector3& a, const CVector3& b) {
    return CVector3(b.GetX() < a.GetX() ? b.GetX() : a.GetX(), b.GetY() < a.GetY() ? b.GetY() : a.GetY(),
                    b.GetZ() < a.GetZ() ? b.GetZ() : a.GetZ());
}

CVector3 ComponentMax(const CVector3& a, const CVector3& b) {
    return CVector3(b.GetX() > a.GetX() ? b.GetX() : a.GetX(), b.GetY() > a.GetY() ? b.GetY() : a.GetY(),
                    b.GetZ() > a.GetZ() ? b.GetZ() : a.GetZ());
}

CSize CViewCamera::GetViewportSize(const CCamera& camera) const {
    if (m_window)
        return PaneViewportSize(m_window->GetWidth(), m_window->GetHeight());
    return PaneViewportSize(camera.m_viewportWidth, camera.m_viewportHeight);
}

void CViewCamera::Apply(CCamera& camera, double nearPlane, double farPlane) const {
    SetViewport(camera);
    SetProjection(camera, nearPlane, farPlane);
}

void CViewCamera::SetViewport(const CCamera& camera) const {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const CSize size = GetViewportSize(camera);
    glViewport(0, 0, size.cx, size.cy);
}

void CViewCamera::SetProjection(CCamera& camera, double nearPlane, double farPlane) const {
    const CVector3 up = camera.GetUpVector();
    camera.m_angleSpansWidth = 1;
    const double aspect = PaneAspect(GetViewportSize(camera));
    const double fovy = VerticalFieldOfView(camera.m_angle, aspect);
    const bool known =
        camera.m_projection == CCamera::perspective || camera.m_projection == CCamera::parallel;
    if (camera.m_projection == CCamera::perspective) {
        gluPerspective(fovy, aspect, nearPlane, farPlane);
    } else if (camera.m_projection == CCamera::parallel) {
        const double h = std::tan(ToRadians(fovy) / 2.0) * (camera.m_eye - camera.m_target).Length();
        // The eye of a parallel view only sets its zoom: the scene is seen
        // whole along the axis, also what lies nearer to the eye or behind it.
        glOrtho(-aspect * h, aspect * h, -h, h, -farPlane, farPlane);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (known) {
        const CVector3& e = camera.m_eye;
        const CVector3& t = camera.m_target;
        gluLookAt(e.GetX(), e.GetY(), -e.GetZ(), t.GetX(), t.GetY(), -t.GetZ(), up.GetX(), up.GetY(),
                  -up.GetZ());
    }
    glScalef(1.0f, 1.0f, -1.0f);
}

void CViewCamera::DrawOriginAxes(float scale, float lineWidth) {
    glDisable(GL_LIGHTING);
    GlMatrixScope matrix;
    glLineWidth(lineWidth);
    glScalef(scale, scale, scale);
    glBegin(GL_LINES);
    glColor3f(1.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(1.0f, 0.0f, 0.0f);
    glColor3f(0.0f, 1.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 1.0f, 0.0f);
    glColor3f(0.0f, 0.0f, 1.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 1.0f);
    glEnd();
    glLineWidth(1.0f);
}

void CViewCamera::DrawAxisIndicator(const CVector3& eye, const CVector3& target, float roll) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(5, 5, 30, 30);
    glOrtho(-1.0, 1.0, -1.0, 1.0, 0.5, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    const CVector3 d = target - eye;
    GlMatrixScope matrix;
    glRotatef(roll, 0.0f, 0.0f, 1.0f);
    glRotatef(d.GetElevation(), 1.0f, 0.0f, 0.0f);
    glRotatef(d.GetAzimuth(), 0.0f, 1.0f, 0.0f);
    glScalef(1.0f, 1.0f, -1.0f);
    DrawOriginAxes(1.0f, 1.0f);
}

std::vector<GridPlane> ChooseGrids(const CPaneDisplaySettings& pane, const CCamera& camera) {
    if (pane.m_showGrid) {
        if (camera.IsTopView())
            return {GridPlane::top};
        if (camera.IsFrontView())
            return {GridPlane::front};
        if (camera.IsSideView())
            return {GridPlane::side};
    }
    std::vector<GridPlane> grids;
    if (pane.m_showGridXY)
        grids.push_back(GridPlane::planeXY);
    if (pane.m_showGridXZ)
        grids.push_back(GridPlane::planeXZ);
    if (pane.m_showGridYZ)
        grids.push_back(GridPlane::planeYZ);
    return grids;
}

CGridLayout LayOutGrid(GridPlane plane, const CCamera& camera, CSize paneSize, float spacing) {
    const GridFrame frame = FrameOf(plane, camera);
    const CSize size = PaneViewportSize(paneSize.cx, paneSize.cy);
    const CVector3 visible = camera.ScreenDeltaToWorld(
        size.cx, size.cy, (camera.m_target - camera.m_eye).Length(), size.cx, size.cy);
    // Screen width runs along b, screen height along a.
    float extentA = visible.GetY();
    float extentB = visible.GetX();
    if (!frame.followsCamera) {
        extentA = extentB = std::max(extentA, extentB) * kPlaneGridMargin;
    }
    float s = spacing > 0.0f && std::isfinite(spacing) ? spacing : 1.0f;
    const float larger = std::max(extentA, extentB);
    while (larger / s > kMaxCells)
        s *= 2.0f;

    float aMax = frame.centreA + extentA / 2.0f + s;
    float aMin = frame.centreA - extentA / 2.0f - s;
    float bMax = frame.centreB + extentB / 2.0f + s;
    float bMin = frame.centreB - extentB / 2.0f - s;
    if (aMax < aMin)
        std::swap(aMax, aMin);
    if (bMax < bMin)
        std::swap(bMax, bMin);
    return {s, Snap(aMax, s), Snap(aMin, s), aMin, Snap(bMin, s), Snap(bMax, s), bMax};
}

void CGridPainter::DrawGrids(const CPaneDisplaySettings& pane, COLORREF gridColor, const CCamera& camera,
                             CSize paneSize) const {
    for (const GridPlane plane : ChooseGrids(pane, camera))
        DrawGrid(plane, gridColor, camera, paneSize, pane.m_gridSpacing);
}

void CGridPainter::DrawGrid(GridPlane plane, COLORREF gridColor, const CCamera& camera, CSize paneSize,
                            float spacing) const {
    const GridFrame frame = FrameOf(plane, camera);
    const CGridLayout g = LayOutGrid(plane, camera, paneSize, spacing);
    const CGlColor colour = UnpackColor(gridColor);
    glColor3f(colour.r, colour.g, colour.b);
    glBegin(GL_LINES);
    const long rows = LineCount(g.aTop, g.aMin, g.spacing);
    for (long i = 0; i < rows; ++i) {
        const float a = g.aTop - static_cast<float>(i) * g.spacing;
        GridVertex(frame, a, g.bLeft);
        GridVertex(frame, a, g.bRight);
    }
    const long columns = LineCount(g.bMax, g.bLeft, g.spacing);
    for (long i = 0; i < columns; ++i) {
        const float bValue = g.bLeft + static_cast<float>(i) * g.spacing;
        GridVertex(frame, g.aTop, bValue);
        GridVertex(frame, g.aBottom, bValue);
    }
    glEnd();

    glColor3f(colour.r * m_axisDim, colour.g * m_axisDim, colour.b * m_axisDim);
    glBegin(GL_LINES);
    if (frame.followsCamera || (g.bLeft <= 0.0f && 0.0f <= g.bRight)) {
        GridVertex(frame, g.aTop, 0.0f);
        GridVertex(frame, g.aBottom, 0.0f);
    }
    if (frame.followsCamera || (g.aBottom <= 0.0f && 0.0f <= g.aTop)) {
        GridVertex(frame, 0.0f, g.bLeft);
        GridVertex(frame, 0.0f, g.bRight);
    }
    glEnd();
}
