// What a pane draws of the scene's contents, and its lighting.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "mesh/patch_surface_draw.h"
#include "model/mouse_modes.h"
#include "viewport/pane_scene.h"

#include <GL/gl.h>
#include <algorithm>
#include <vector>

namespace {

// OpenGL guarantees this many lights, GL_LIGHT0 to GL_LIGHT7.
constexpr int kMaxLights = 8;
// A cut-off beyond this is no spot light in OpenGL (only 180 is allowed).
constexpr float kMaxSpotCutoff = 90.0f;
constexpr float kNoSpotCutoff = 180.0f;

struct CSurfaceMaterial {
    float alpha;
    float specular;
    float shininess;
};

void SetMaterial(COLORREF colour, const CSurfaceMaterial& m) {
    const CGlColor c = UnpackColor(colour);
    const GLfloat diffuse[] = {c.r, c.g, c.b, m.alpha};
    const GLfloat specular[] = {m.specular, m.specular, m.specular, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.shininess);
}

// Lighting off with every light the set-up may have switched on.
void LightsOff() {
    glDisable(GL_LIGHTING);
    for (int i = 0; i < kMaxLights; ++i)
        glDisable(static_cast<GLenum>(GL_LIGHT0 + i));
}

void LoadLight(int index, const CVector3& location, const CVector3& direction, COLORREF colour,
               float cutoff) {
    const auto id = static_cast<GLenum>(GL_LIGHT0 + index);
    const CGlColor c = UnpackColor(colour);
    const GLfloat ambient[] = {0.1f, 0.1f, 0.1f, 1.0f};
    const GLfloat diffuse[] = {c.r * 0.6f, c.g * 0.6f, c.b * 0.6f, 1.0f};
    const GLfloat specular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat position[] = {location.GetX(), location.GetY(), location.GetZ(), 1.0f};
    const GLfloat spot[] = {direction.GetX(), direction.GetY(), direction.GetZ()};
    glLightfv(id, GL_AMBIENT, ambient);
    glLightfv(id, GL_DIFFUSE, diffuse);
    glLightfv(id, GL_SPECULAR, specular);
    glLightfv(id, GL_POSITION, position);
    glLightfv(id, GL_SPOT_DIRECTION, spot);
    glLightf(id, GL_SPOT_CUTOFF, cutoff);
    glEnable(id);
}

void LoadSceneLight(int index, const CLightData& light) {
    const bool spot = light.m_type == lightSpot || light.m_type == lightCylinder;
    const float cutoff = spot ? std::clamp(light.m_radius, 0.0f, kMaxSpotCutoff) : kNoSpotCutoff;
    LoadLight(index, light.m_location, light.m_pointAt - light.m_location, light.m_color, cutoff);
}

} // namespace

void CPaneScene::SetupLighting(bool force) {
    const CPaneDisplaySettings& show = m_doc.m_settings.m_panes[static_cast<size_t>(m_pane)];
    if (!show.m_useLighting && !force)
        return;
    glEnable(GL_LIGHTING);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
    const int source = m_doc.m_lightSource[static_cast<size_t>(m_pane)];
    if (source != 0 && !m_doc.m_lights.IsEmpty() && !force) {
        if (source == 1) {
            int index = 0;
            for (const CLightData* light : m_doc.m_lights) {
                if (index == kMaxLights)
                    break;
                LoadSceneLight(index++, *light);
            }
        } else if (source == 2) {
            if (const CLightData* light = GetSelectedLight())
                LoadSceneLight(0, *light);
        }
        return;
    }
    for (int i = 0; i < 2; ++i) {
        const CLightData& light = m_doc.m_defaultLights[static_cast<size_t>(i)];
        LoadLight(i, light.m_location, light.m_pointAt - light.m_location, 0xFFFFFF, kNoSpotCutoff);
    }
}

void CPaneScene::DrawObjects() {
    const CPaneDisplaySettings& show = m_doc.m_settings.m_panes[static_cast<size_t>(m_pane)];
    if (show.m_showAxes)
        CViewCamera::DrawOriginAxes(5.0f, 2.0f);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    if (show.m_showSurfaces) {
        std::vector<CSpatchObj*> surfaces;
        for (CSpatchObj* obj : m_doc.m_objects)
            if (obj->IsShownEffective() && GetObjectSurfaceAlpha(obj) > 0)
                surfaces.push_back(obj);
        PreparePatchSurfaces(surfaces, show.m_surfaceResolution, show.m_useLighting != 0);
    }
    // Opaque objects first, so that see-through ones, drawn after them
    // without writing depth, hide nothing behind them.
    bool seeThrough = false;
    for (CSpatchObj* obj : m_doc.m_objects) {
        if (!obj->IsShownEffective())
            continue;
        const int alpha = GetObjectSurfaceAlpha(obj);
        seeThrough = seeThrough || (alpha != 100 && alpha != 0);
        DrawPatchObject(*obj, alpha == 100 ? 100 : 0);
    }
    if (seeThrough) {
        glDepthMask(GL_FALSE);
        for (CSpatchObj* obj : m_doc.m_objects) {
            const int alpha = GetObjectSurfaceAlpha(obj);
            if (obj->IsShownEffective() && alpha != 100 && alpha != 0)
                DrawPatchObject(*obj, alpha);
        }
        glDepthMask(GL_TRUE);
        glDisable(GL_BLEND);
    }
    DrawPolygonObjects();
    const int mode = m_doc.m_settings.m_mouseModeLeft;
    for (const CLightData* light : m_doc.m_lights) {
        light->Draw();
        if (IsLightMode(mode))
            light->DrawHandles(m_doc.m_settings.m_vertexSize, m_doc.m_settings.m_selectVertexColor,
                               m_doc.m_settings.m_unselectVertexColor);
    }
}

void CPaneScene::DrawPatchObject(CSpatchObj& obj, int alpha) {
    const CPaneDisplaySettings& show = m_doc.m_settings.m_panes[static_cast<size_t>(m_pane)];
    const CPatchDrawSettings settings = MakePatchDrawSettings(m_doc, obj);
    if (show.m_showSurfaces && alpha > 0) {
        if (show.m_useLighting) {
            SetupLighting(false);
            glEnable(GL_AUTO_NORMAL);
            const CSurfaceMaterial material =
                alpha == 100
                    ? CSurfaceMaterial{1.0f, m_doc.m_openGLSetting.specular, m_doc.m_openGLSetting.shininess}
                    : CSurfaceMaterial{static_cast<float>(alpha * 0.01), 0.5f, 50.0f};
            SetMaterial(GetObjectWireColor(&obj), material);
        }
        CPatchDrawSettings surface = settings;
        surface.surfaceAlpha = alpha;
        DrawPatchSurfaces(obj, show.m_surfaceResolution, surface);
        glDisable(GL_AUTO_NORMAL);
        LightsOff();
    }
    if (show.m_showCurves)
        obj.DrawCurves(show.m_curveResolution, settings);
    if (show.m_showVertices)
        obj.DrawVertices(settings);
    const int mode = m_doc.m_settings.m_mouseModeLeft;
    if (IsControlPointMode(mode))
        obj.DrawSelectedCurveHandles();
    if (mode >= mouseModeAxisTranslate && mode <= mouseModeAxisRotate && obj.GetSelected())
        obj.DrawMaterialAxis();
}

void CPaneScene::DrawPolygonObjects() {
    const CPaneDisplaySettings& show = m_doc.m_settings.m_panes[static_cast<size_t>(m_pane)];
    glDisable(GL_CULL_FACE);
    for (CPolygonObj* obj : m_doc.m_polygonObjects) {
        if (show.m_showVertices)
            obj->DrawVertices(MakePatchDrawSettings(m_doc, *obj));
        if (show.m_showCurves) {
            glColor3f(0.0f, 0.0f, 1.0f);
            obj->DrawEdges();
        }
        if (show.m_showSurfaces) {
            glColor3f(1.0f, 1.0f, 1.0f);
            if (show.m_useLighting) {
                SetupLighting(false);
                SetMaterial(GetObjectWireColor(obj), CSurfaceMaterial{1.0f, 0.5f, 50.0f});
            }
            obj->Draw();
            LightsOff();
        }
    }
}
