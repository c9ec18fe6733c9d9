// The manipulator of the object and material-axis transform tools: three
// axes with cone (translate) or cube (scale) heads and a centre cube, or
// three rings (rotate). The picks draw the same handles in select mode.
#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "model/gl_scope.h"
#include "tools/tool_pane.h"
#include "tools/view_plane.h"
#include "viewport/pane_scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.1415927;
constexpr float kHandleShare = 2.0f / 5.0f; // of the larger half extent of the view
constexpr float kConeHeight = 0.3f;
constexpr float kConeRadius = 0.06f;
constexpr int kConeSegments = 20;
constexpr float kCubeHalf = 0.1f;
constexpr int kRingSegments = 40;
constexpr float kCentreRingScale = 1.3f;
constexpr COLORREF kYellow = 0x00FFFF;
constexpr COLORREF kAxisColours[3] = {0x0000FF, 0x00FF00, 0xFF0000};

// Names exist only in select mode; outside it the name stack is empty.
void LoadName(bool picking, int name) {
    if (picking)
        glLoadName(static_cast<GLuint>(name));
}

void SetColour(COLORREF colour) {
    const CGlColor c = UnpackColor(colour);
    glColor3f(c.r, c.g, c.b);
}

// The handles' scale at position: two fifths of the larger half extent of
// the view there; 0 (nothing drawn) at the eye itself.
float HandleSize(const CCamera& camera, CSize paneSize, const CVector3& position) {
    const float distance = (position - camera.m_eye).Length();
    if (distance == 0.0f)
        return 0.0f;
    const CViewHalfExtent half = GetViewHalfExtent(camera, paneSize, distance);
    return std::max(half.halfWidth, half.halfHeight) * kHandleShare;
}

// The axis the camera looks along, whose handle would be a dot: 0 x in a
// side view, 1 y in a top view, 2 z in a front view; -1 for other views.
int AxisAlongView(const CCamera& camera) {
    if (camera.IsSideView())
        return 0;
    if (camera.IsTopView())
        return 1;
    if (camera.IsFrontView())
        return 2;
    return -1;
}

// Turns +x onto the given axis.
void TurnXOnto(int axis) {
    if (axis == 1)
        glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
    else if (axis == 2)
        glRotatef(-90.0f, 0.0f, 1.0f, 0.0f);
}

// A cone on +x: its base at x = 1, its tip kConeHeight farther out.
void DrawConeHead() {
    const float tip = 1.0f + kConeHeight;
    // Side faces lean outward by the cone's slope.
    const float slope = kConeRadius / kConeHeight;
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < kConeSegments; ++i) {
        const double a0 = 2.0 * kPi * i / kConeSegments;
        const double a1 = 2.0 * kPi * (i + 1) / kConeSegments;
        const double mid = (a0 + a1) / 2.0;
        glNormal3f(slope, static_cast<float>(std::cos(mid)), static_cast<float>(std::sin(mid)));
        glVertex3f(tip, 0.0f, 0.0f);
        glVertex3f(1.0f, static_cast<float>(kConeRadius * std::cos(a0)),
                   static_cast<float>(kConeRadius * std::sin(a0)));
        glVertex3f(1.0f, static_cast<float>(kConeRadius * std::cos(a1)),
                   static_cast<float>(kConeRadius * std::sin(a1)));
        glNormal3f(-1.0f, 0.0f, 0.0f);
        glVertex3f(1.0f, 0.0f, 0.0f);
        glVertex3f(1.0f, static_cast<float>(kConeRadius * std::cos(a1)),
                   static_cast<float>(kConeRadius * std::sin(a1)));
        glVertex3f(1.0f, static_cast<float>(kConeRadius * std::cos(a0)),
                   static_cast<float>(kConeRadius * std::sin(a0)));
    }
    glEnd();
}

// An axis-aligned cube of half size kCubeHalf around (cx, 0, 0).
void DrawCube(float cx) {
    static constexpr float faces[6][3] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                          {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
    glBegin(GL_QUADS);
    for (const auto& n : faces) {
        glNormal3f(n[0], n[1], n[2]);
        // Two axes across the face, u and v, from the two zero components.
        const int normalAxis = n[0] != 0 ? 0 : n[1] != 0 ? 1 : 2;
        const int u = (normalAxis + 1) % 3;
        const int v = (normalAxis + 2) % 3;
        static constexpr float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (const auto& corner : corners) {
            float p[3] = {0, 0, 0};
            p[normalAxis] = n[normalAxis] * kCubeHalf;
            p[u] = corner[0] * kCubeHalf;
            p[v] = corner[1] * kCubeHalf;
            glVertex3f(cx + p[0], p[1], p[2]);
        }
    }
    glEnd();
}

// The unit circle in the X-Z plane.
void DrawRing() {
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < kRingSegments; ++i) {
        const double a = 2.0 * kPi * i / kRingSegments;
        glVertex3f(static_cast<float>(std::cos(a)), 0.0f, static_cast<float>(std::sin(a)));
    }
    glEnd();
}

} // namespace

bool CPaneScene::IsHighlighted(int handle) const {
    return m_handles && (m_handles->m_highlight[static_cast<size_t>(handle)] ||
                         m_handles->m_highlight[CHandleState::handleCentre]);
}

void CPaneScene::DrawManipulator() {
    // Which handles each transform tool shows: at the centre of at least so
    // many selected points, or at the selected material slot's axis.
    static constexpr struct {
        int mode;
        ManipulatorKind kind;
        int minSelected; // 0: at the material axis
        bool turnedByAxis;
    } kTools[] = {
        {mouseModeTranslate, ManipulatorKind::translate, 1, false},
        {mouseModeScale, ManipulatorKind::scale, 2, false},
        {mouseModeRotate, ManipulatorKind::rotate, 2, false},
        {mouseModeAxisTranslate, ManipulatorKind::translate, 0, false},
        {mouseModeAxisScale, ManipulatorKind::scale, 0, true},
        {mouseModeAxisRotate, ManipulatorKind::rotate, 0, true},
    };
    CSpatchObj* obj = GetSelectedObject();
    if (!m_doc.m_settings.m_manipulatorShown || !obj)
        return;
    for (const auto& tool : kTools) {
        if (tool.mode != m_doc.m_settings.m_mouseModeLeft)
            continue;
        const CTransformData* axis = obj->GetMaterialSlot(obj->GetCurrentSlot());
        if (tool.minSelected ? obj->CountSelectedVertices() < tool.minSelected : !axis)
            return;
        glClear(GL_DEPTH_BUFFER_BIT);
        CVector3 position = tool.minSelected ? obj->GetSelectedCenter() : axis->m_translation;
        // A running rotate drag keeps its handles where it turns about.
        if (tool.mode == mouseModeRotate && m_handles && m_handles->m_rotating)
            position = m_handles->m_rotationCentre;
        DrawHandles(tool.kind, position, tool.turnedByAxis ? axis->m_rotation : CVector3(), false);
        return;
    }
}

void CPaneScene::DrawHandles(ManipulatorKind kind, const CVector3& position, const CVector3& rotation,
                             bool picking) {
    switch (kind) {
    case ManipulatorKind::translate:
        DrawTranslateHandles(position, rotation, picking);
        break;
    case ManipulatorKind::scale:
        DrawScaleHandles(position, rotation, picking);
        break;
    case ManipulatorKind::rotate:
        DrawRotateHandles(position, rotation, picking);
        break;
    }
}

void CPaneScene::DrawTranslateHandles(const CVector3& position, const CVector3& rotation, bool picking) {
    DrawAxisHandles(position, rotation, picking, true);
}

void CPaneScene::DrawScaleHandles(const CVector3& position, const CVector3& rotation, bool picking) {
    DrawAxisHandles(position, rotation, picking, false);
}

void CPaneScene::DrawAxisHandles(const CVector3& position, const CVector3& rotation, bool picking,
                                 bool cones) {
    const CCamera& camera = m_doc.m_cameras[static_cast<size_t>(m_pane)];
    const float size = HandleSize(camera, m_view.GetViewportSize(camera), position);
    if (size == 0.0f)
        return;
    const int leftOut = AxisAlongView(camera);
    GlAttribScope state(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    GlMatrixScope matrix;
    glTranslatef(position.GetX(), position.GetY(), position.GetZ());
    // The translate handles take the y and x angles negated, the scale handles as they are.
    const float sign = cones ? -1.0f : 1.0f;
    glRotatef(rotation.GetZ(), 0.0f, 0.0f, 1.0f);
    glRotatef(sign * rotation.GetY(), 0.0f, 1.0f, 0.0f);
    glRotatef(sign * rotation.GetX(), 1.0f, 0.0f, 0.0f);
    glScalef(size, size, size);
    if (!picking) {
        glDisable(GL_LIGHTING);
        glBegin(GL_LINES);
        for (int axis = 0; axis < 3; ++axis) {
            if (axis == leftOut)
                continue;
            const float end[3] = {axis == 0 ? 1.0f : 0.0f, axis == 1 ? 1.0f : 0.0f, axis == 2 ? 1.0f : 0.0f};
            if (IsHighlighted(axis))
                glColor3f(1.0f, 1.0f, 0.0f);
            else
                glColor3f(end[0], end[1], end[2]);
            glVertex3f(0.0f, 0.0f, 0.0f);
            glVertex3fv(end);
        }
        glEnd();
        SetupLighting(true);
        glEnable(GL_COLOR_MATERIAL);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_NORMALIZE);
    }
    for (int axis = 0; axis < 3; ++axis) {
        if (axis == leftOut)
            continue;
        LoadName(picking, axis);
        SetColour(IsHighlighted(axis) ? kYellow : kAxisColours[axis]);
        GlMatrixScope head;
        TurnXOnto(axis);
        if (cones)
            DrawConeHead();
        else
            DrawCube(1.0f);
    }
    LoadName(picking, CHandleState::handleCentre);
    SetColour(kYellow);
    DrawCube(0.0f);
}

void CPaneScene::DrawRotateHandles(const CVector3& position, const CVector3& rotation, bool picking) {
    const CCamera& camera = m_doc.m_cameras[static_cast<size_t>(m_pane)];
    const float size = HandleSize(camera, m_view.GetViewportSize(camera), position);
    if (size == 0.0f)
        return;
    const int leftOut = AxisAlongView(camera);
    const float yaw = camera.GetYaw();
    const float pitch = camera.GetPitch();
    GlAttribScope state(GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    {
        // A frame facing the viewer: the grey ring and the centre ring, and
        // the clip plane that keeps only the near halves of the axis rings.
        GlMatrixScope facing;
        glTranslatef(position.GetX(), position.GetY(), position.GetZ());
        glRotatef(yaw, 0.0f, 1.0f, 0.0f);
        glRotatef(pitch, 1.0f, 0.0f, 0.0f);
        {
            GlMatrixScope rings;
            glScalef(size, size, size);
            glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
            if (!picking) {
                glColor3f(0.5f, 0.5f, 0.5f);
                DrawRing();
            }
            LoadName(picking, CHandleState::handleCentre);
            glColor3f(1.0f, 1.0f, 0.0f);
            glScalef(kCentreRingScale, kCentreRingScale, kCentreRingScale);
            DrawRing();
        }
        const GLdouble nearHalf[] = {0.0, 0.0, -1.0, 0.1};
        glClipPlane(GL_CLIP_PLANE0, nearHalf);
        glEnable(GL_CLIP_PLANE0);
    }
    GlMatrixScope matrix;
    glTranslatef(position.GetX(), position.GetY(), position.GetZ());
    glRotatef(rotation.GetZ(), 0.0f, 0.0f, 1.0f);
    glRotatef(rotation.GetY(), 0.0f, 1.0f, 0.0f);
    glRotatef(rotation.GetX(), 1.0f, 0.0f, 0.0f);
    // A running rotate drag shows its angle on the handle it turns.
    const CVector3 turn = m_handles ? m_handles->m_rotateState : CVector3();
    if (!(turn == CVector3()) && m_handles) {
        const auto& h = m_handles->m_highlight;
        if (h[CHandleState::handleX])
            glRotatef(turn.GetX(), 1.0f, 0.0f, 0.0f);
        if (h[CHandleState::handleY])
            glRotatef(turn.GetY(), 0.0f, 1.0f, 0.0f);
        if (h[CHandleState::handleZ])
            glRotatef(turn.GetZ(), 0.0f, 0.0f, 1.0f);
        if (h[CHandleState::handleCentre]) {
            glRotatef(yaw, 0.0f, 1.0f, 0.0f);
            glRotatef(pitch, 1.0f, 0.0f, 0.0f);
            glRotatef(turn.GetX(), 0.0f, 0.0f, 1.0f);
            glRotatef(-pitch, 1.0f, 0.0f, 0.0f);
            glRotatef(-yaw, 0.0f, 1.0f, 0.0f);
        }
    }
    glScalef(size, size, size);
    for (int axis = 0; axis < 3; ++axis) {
        if (axis == leftOut)
            continue;
        LoadName(picking, axis);
        SetColour(IsHighlighted(axis) ? kYellow : kAxisColours[axis]);
        GlMatrixScope ring;
        // The ring of an axis lies across it.
        if (axis == 0)
            glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
        else if (axis == 2)
            glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        DrawRing();
    }
}
