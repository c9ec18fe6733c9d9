#include "viewport/underlay_draw.h"

#include "app/underlay_image.h"
#include "model/camera.h"
#include "model/gl_scope.h"
#include "viewport/view_camera.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>

int UnderlayForCamera(const CCamera& camera) {
    if (camera.IsTopView())
        return 0;
    if (camera.IsFrontView())
        return 1;
    if (camera.IsSideView())
        return 2;
    return 3;
}

void DrawUnderlay(const CUnderlayImage& image, int which, const CCamera& camera, CSize viewport,
                  double nearPlane, double farPlane) {
    if (!image.IsTextureReady() || image.GetTexels().empty())
        return;
    const CSize size = PaneViewportSize(viewport.cx, viewport.cy);
    const double aspect = PaneAspect(size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, size.cx, size.cy);
    const double fov =
        camera.m_angleSpansWidth ? VerticalFieldOfView(camera.m_angle, aspect) : camera.m_angle;
    const double d = (camera.m_eye - camera.m_target).Length();
    if (camera.m_projection == CCamera::perspective) {
        gluPerspective(fov, aspect, nearPlane, farPlane);
    } else {
        double h = std::tan(fov / 2.0 / 180.0 * M_PI) * d;
        if (h == 0.0 || h > 1000.0)
            h = 1.0;
        glOrtho(-aspect * h, aspect * h, -h, h, nearPlane, farPlane);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, d, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);

    GlAttribScope state(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_DEPTH_BUFFER_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glEnable(GL_TEXTURE_2D);
    const int texture = image.GetTextureSize();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, texture, texture, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.GetTexels().data());

    GlMatrixScope matrix;
    const CVector3& eye = camera.m_eye;
    const CVector3& offset = image.m_offset;
    const CVector3& scale = image.m_scale;
    switch (which) {
    case 0:
        glTranslatef(-eye.GetX(), -eye.GetZ(), 0.0f);
        glTranslatef(offset.GetX(), offset.GetZ(), 0.0f);
        glScalef(scale.GetX(), scale.GetZ(), 1.0f);
        break;
    case 1:
        glTranslatef(-eye.GetX(), -eye.GetY(), 0.0f);
        glTranslatef(offset.GetX(), offset.GetY(), 0.0f);
        glScalef(scale.GetX(), scale.GetY(), 1.0f);
        break;
    case 2:
        glTranslatef(-eye.GetZ(), -eye.GetY(), 0.0f);
        glTranslatef(offset.GetZ(), offset.GetY(), 0.0f);
        glScalef(scale.GetZ(), scale.GetY(), 1.0f);
        break;
    default:
        glTranslatef(offset.GetX(), offset.GetY(), 0.0f);
        glScalef(scale.GetX(), scale.GetY(), 1.0f);
        break;
    }
    const float longer = static_cast<float>(std::max(image.GetWidth(), image.GetHeight()));
    glScalef(image.GetWidth() / longer, image.GetHeight() / longer, 1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-10.0f, -10.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(10.0f, -10.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(10.0f, 10.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-10.0f, 10.0f, 0.0f);
    glEnd();
}
