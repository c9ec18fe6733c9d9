#include "viewport/pane_scene.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "viewport/underlay_draw.h"

#include <GL/gl.h>

namespace {

// The display list of the objects; each pane's context has its own.
constexpr GLuint kObjectsList = 1;

} // namespace

void CPaneScene::Paint() {
    const COLORREF background = m_doc.m_useRenderBgColor ? m_doc.m_renderBgColor : m_doc.m_settings.m_bgColor;
    glClearColor(GetRValue(background) / 255.0f, GetGValue(background) / 255.0f,
                 GetBValue(background) / 255.0f, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (m_doc.m_settings.m_panes[static_cast<size_t>(m_pane)].m_showUnderlay) {
        const CCamera& camera = m_doc.m_cameras[static_cast<size_t>(m_pane)];
        const int which = UnderlayForCamera(camera);
        DrawUnderlay(m_doc.m_underlays[static_cast<size_t>(which)], which, camera,
                     m_view.GetViewportSize(camera), m_doc.m_openGLSetting.near_plane,
                     m_doc.m_openGLSetting.far_plane);
    }
    DrawScene();
}

void CPaneScene::DrawScene(ObjectsSource objects) {
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    ApplyCamera();
    const CCamera& camera = m_doc.m_cameras[static_cast<size_t>(m_pane)];
    CGridPainter().DrawGrids(m_doc.m_settings.m_panes[static_cast<size_t>(m_pane)],
                             m_doc.m_settings.m_gridColor, camera, m_view.GetViewportSize(camera));
    if (objects == drawObjects)
        DrawObjects();
    else if (glIsList(kObjectsList))
        glCallList(kObjectsList);
    DrawManipulator();
    CViewCamera::DrawAxisIndicator(camera.m_eye, camera.m_target, camera.m_roll);
}

void CPaneScene::ApplyCamera() {
    m_view.Apply(m_doc.m_cameras[static_cast<size_t>(m_pane)], m_doc.m_openGLSetting.near_plane,
                 m_doc.m_openGLSetting.far_plane);
}

void CPaneScene::CompileObjects() {
    DeleteCompiledObjects();
    glNewList(kObjectsList, GL_COMPILE);
    DrawObjects();
    glEndList();
}

void CPaneScene::DeleteCompiledObjects() {
    if (glIsList(kObjectsList))
        glDeleteLists(kObjectsList, 1);
}

CPatchDrawSettings MakePatchDrawSettings(const CQuelDoc& doc, const CBaseObj& obj) {
    CPatchDrawSettings s;
    s.unselectedObjectColor = doc.m_settings.m_unselectObjColor;
    s.curveColor = doc.m_settings.m_selectObjColor;
    s.invisibleCurveColor = doc.m_settings.m_invisibleColor;
    s.selectedColor = doc.m_settings.m_selectVertexColor;
    s.pointColor = doc.m_settings.m_unselectVertexColor;
    s.vertexPointSize = doc.m_settings.m_vertexSize;
    s.leftButtonMode = doc.m_settings.m_mouseModeLeft;
    s.drawCurveOnSurface = doc.m_openGLSetting.draw_curve_on_surface;
    s.drawAlphaSurfaceWithLight = doc.m_openGLSetting.draw_alpha_surface_with_light;
    s.surfaceColor = GetObjectWireColor(&obj);
    s.surfaceAlpha = GetObjectSurfaceAlpha(&obj);
    return s;
}
