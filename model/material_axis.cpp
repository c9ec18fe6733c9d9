// The material-axis gizmo of a scene object.
#include "model/base_obj.h"
#include "model/gl_scope.h"
#include "model/model_document.h"

#include <GL/gl.h>
#include <cmath>

namespace {

// The shape a document starts with, used when there is none.
constexpr int kDefaultShape = axisShapePlane;

// The unit circle in the XZ plane, 20 points.
void DrawCircle() {
    const float step = 2.0f * 3.1416f / 20.0f;
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < 20; ++i) {
        const float a = step * static_cast<float>(i);
        glVertex3f(std::cos(a), 0.0f, std::sin(a));
    }
    glEnd();
}

void DrawCircleAt(float x, float y, float z, float scale) {
    GlMatrixScope matrix;
    glTranslatef(x, y, z);
    glScalef(scale, scale, scale);
    DrawCircle();
}

void DrawCircleTurned(float x, float y, float z, float scale, float ax, float ay, float az) {
    GlMatrixScope matrix;
    glTranslatef(x, y, z);
    glRotatef(90.0f, ax, ay, az);
    glScalef(scale, scale, scale);
    DrawCircle();
}

void DrawStrip(const float (*points)[3], int count) {
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i < count; ++i)
        glVertex3fv(points[i]);
    glEnd();
}

// The three axes of length 1.3 with their arrow heads and the corner strip of
// the XY square.
void DrawAxes() {
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(1.3f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 1.3f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 1.3f);
    glEnd();
    const float square[3][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    DrawStrip(square, 3);
    const float arrows[3][3][3] = {
        {{1.1f, 0.2f, 0.0f}, {1.3f, 0.0f, 0.0f}, {1.1f, -0.2f, 0.0f}},
        {{0.2f, 1.1f, 0.0f}, {0.0f, 1.3f, 0.0f}, {-0.2f, 1.1f, 0.0f}},
        {{0.2f, 0.0f, 1.1f}, {0.0f, 0.0f, 1.3f}, {-0.2f, 0.0f, 1.1f}},
    };
    for (const auto& arrow : arrows)
        DrawStrip(arrow, 3);
}

void DrawShape(int shape) {
    switch (shape) {
    case axisShapeAxesOnly: {
        DrawAxes();
        const float side[3][3] = {{0, 0, 1}, {0, 1, 1}, {0, 1, 0}};
        DrawStrip(side, 3);
        break;
    }
    case axisShapeSphere:
        DrawCircle();
        DrawCircleTurned(0, 0, 0, 1.0f, 0, 0, 1);
        DrawCircleTurned(0, 0, 0, 1.0f, 1, 0, 0);
        break;
    case axisShapeCylinder: {
        glTranslatef(0.0f, -0.5f, 0.0f);
        DrawCircleAt(0, 1, 0, 1.0f);
        DrawCircle();
        const float lines[4][2][3] = {{{1, 0, 0}, {1, 1, 0}},
                                      {{0, 0, 1}, {0, 1, 1}},
                                      {{-1, 0, 0}, {-1, 1, 0}},
                                      {{0, 0, -1}, {0, 1, -1}}};
        glBegin(GL_LINES);
        for (const auto& line : lines) {
            glVertex3fv(line[0]);
            glVertex3fv(line[1]);
        }
        glEnd();
        break;
    }
    case axisShapePlane:
        glTranslatef(-0.5f, -0.5f, 0.0f);
        DrawAxes();
        break;
    case axisShapeTorus:
        DrawCircleAt(0, 0, 0, 0.75f);
        DrawCircleAt(0, 0, 0, 1.25f);
        DrawCircleTurned(1, 0, 0, 0.25f, 1, 0, 0);
        DrawCircleTurned(-1, 0, 0, 0.25f, 1, 0, 0);
        DrawCircleTurned(0, 0, 1, 0.25f, 0, 0, 1);
        DrawCircleTurned(0, 0, -1, 0.25f, 0, 0, 1);
        DrawCircleAt(0, 0.25f, 0, 1.0f);
        DrawCircleAt(0, -0.25f, 0, 1.0f);
        break;
    default:
        break;
    }
}

} // namespace

void CBaseObj::DrawMaterialAxis() const {
    const CModelDocument* doc = GetModelDoc();
    const int shape = doc ? doc->GetMaterialAxisShape() : kDefaultShape;
    const CTransformData& slot = m_materialSlots[m_currentSlot];
    glColor3f(1.0f, 1.0f, 0.0f);
    glLineWidth(2.0f);
    {
        GlMatrixScope matrix;
        glTranslatef(slot.m_translation.GetX(), slot.m_translation.GetY(), slot.m_translation.GetZ());
        glRotatef(slot.m_rotation.GetZ(), 0.0f, 0.0f, 1.0f);
        glRotatef(slot.m_rotation.GetY(), 0.0f, 1.0f, 0.0f);
        glRotatef(slot.m_rotation.GetX(), 1.0f, 0.0f, 0.0f);
        glScalef(slot.m_scale.GetX(), slot.m_scale.GetY(), slot.m_scale.GetZ());
        DrawShape(shape);
    }
    glLineWidth(1.0f);
}
