#include "viewport/gl_pane.h"

#include "app/doc_helpers.h"
#include "app/memory_shortage.h"
#include "app/quel_doc.h"
#include "model/mouse_modes.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dc.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "platform/ui/shell_services.h"
#include "platform/ui/sys_color.h"
#include "resources/resource_tables.h"
#include "tools/camera_drag.h"
#include "viewport/gl_picker.h"

#include <GL/gl.h>

namespace {

// A wheel step moves the eye by this share of its distance to the target.
constexpr int kZoomStepPercent = 15;

} // namespace

CGLPane::CGLPane() {
    m_mouseTool.SetWindow(this);
    // For the toolkit's own repaints (see OnPaint).
    SetKeepPicture(true);
}

void CGLPane::SetPaneIndex(int index) {
    m_paneIndex = index;
    m_mouseTool.SetPaneIndex(index);
}

BOOL CGLPane::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CGlWnd::PreCreateWindow(cs);
}

void CGLPane::OnSize(UINT type, int cx, int cy) {
    if (CQuelDoc* doc = GetDoc()) {
        CCamera& camera = doc->m_cameras[static_cast<size_t>(m_paneIndex)];
        camera.m_viewportWidth = cx;
        camera.m_viewportHeight = cy;
    }
    CGlWnd::OnSize(type, cx, cy);
}

void CGLPane::OnPaint() {
    CPaintDC dc(this);
    // The toolkit repaints a pane on its own as the pane and its parents are
    // shown and exposed, several times at start-up; when nothing asked for a
    // new picture, the one kept from the last paint serves, and a scene that
    // takes long to draw is not drawn again.
    if (!IsPaintAsked() && ShowKeptPicture())
        return;
    if (!MakeCurrent())
        return;
    ++m_pictureCount;
    m_picturePostedRepaints = PostedRepaintCount();
    if (CQuelDoc* doc = GetDoc()) {
        CPaneScene(*doc, m_paneIndex, m_camera, &m_handleState).Paint();
        // The user is told after the paint, not in it.
        if (HasUntoldSurfaceShortage(*doc))
            PostMessage(WM_DOC_NOTIFY, 0, notifySurfaceShortage);
    } else {
        const CGlColor face = UnpackColor(GetSysColor(COLOR_3DFACE));
        glClearColor(face.r, face.g, face.b, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    glFlush();
    SwapBuffers();
}

BOOL CGLPane::OnMouseWheel(UINT flags, short delta, CPoint screenPoint) {
    if (CQuelDoc* doc = GetDoc())
        Zoom(*doc, delta);
    return CGlWnd::OnMouseWheel(flags, delta, screenPoint);
}

void CGLPane::Zoom(CQuelDoc& doc, short delta) {
    // Rolling the wheel forward brings the eye nearer.
    int step = delta > 0 ? -kZoomStepPercent : kZoomStepPercent;
    if (doc.m_settings.m_zoomReverse)
        step = -step;
    const double factor = 1.0 + step * 0.01;
    if (ZoomCamera(doc.m_cameras[static_cast<size_t>(m_paneIndex)], factor, doc.m_openGLSetting.near_plane))
        RedrawNow();
}

BOOL CGLPane::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    CGlWnd::OnSetCursor(window, hitTest, message);
    SetCursor(LoadStandardCursor(IDC_ARROW));
    CQuelDoc* doc = GetDoc();
    if (window == this && ::GetActiveWindow() && CWnd::GetFocus() != this && doc &&
        !doc->m_pluginExportBusy) {
        SetActivePane(m_paneIndex);
        SetFocus();
    }
    return TRUE;
}

void CGLPane::OnContextMenu(CWnd*, CPoint) {}

void CGLPane::OnLButtonDown(UINT flags, CPoint point) {
    m_mouseTool.OnLButtonDown(point.x, point.y, flags);
    CGlWnd::OnLButtonDown(flags, point);
}

void CGLPane::OnLButtonUp(UINT flags, CPoint point) {
    m_mouseTool.OnLButtonUp(point.x, point.y, flags);
    CGlWnd::OnLButtonUp(flags, point);
}

void CGLPane::OnRButtonDown(UINT flags, CPoint point) {
    m_mouseTool.OnRButtonDown(point.x, point.y, flags);
    CGlWnd::OnRButtonDown(flags, point);
}

void CGLPane::OnRButtonUp(UINT flags, CPoint point) {
    m_mouseTool.OnRButtonUp(point.x, point.y, flags);
    CGlWnd::OnRButtonUp(flags, point);
}

void CGLPane::OnMButtonDown(UINT flags, CPoint point) {
    m_mouseTool.OnMButtonDown(point.x, point.y, flags);
    CGlWnd::OnMButtonDown(flags, point);
}

void CGLPane::OnMButtonUp(UINT flags, CPoint point) {
    m_mouseTool.OnMButtonUp(point.x, point.y, flags);
    CGlWnd::OnMButtonUp(flags, point);
}

void CGLPane::OnMouseMove(UINT flags, CPoint point) {
    m_mouseTool.OnMouseMove(point.x, point.y, flags);
    CGlWnd::OnMouseMove(flags, point);
}

void CGLPane::CaptureMouse() {
    SetCapture();
}

void CGLPane::ReleaseMouse() {
    ::ReleaseCapture();
}

CSize CGLPane::GetClientSize() const {
    return CSize(GetWidth(), GetHeight());
}

void CGLPane::OpenPaneMenu(CPoint client) {
    CMenu menu;
    if (!menu.LoadMenu(IsEnglish() ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return;
    ClientToScreen(&client);
    CWnd* owner = AfxGetMainWnd();
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, client.x, client.y, owner ? owner : this);
}

int CGLPane::PickHandle(ManipulatorKind kind, const CVector3& position, const CVector3& rotation,
                        CPoint client) {
    CQuelDoc* doc = GetDoc();
    if (!doc || !MakeCurrent())
        return -1;
    return PickManipulatorHandle(*doc, m_paneIndex, m_camera, &m_handleState, kind, position, rotation,
                                 client);
}

int CGLPane::PickTranslateHandle(const CVector3& position, const CVector3& rotation, CPoint client) {
    return PickHandle(ManipulatorKind::translate, position, rotation, client);
}

int CGLPane::PickScaleHandle(const CVector3& position, const CVector3& rotation, CPoint client) {
    return PickHandle(ManipulatorKind::scale, position, rotation, client);
}

int CGLPane::PickRotateHandle(const CVector3& position, const CVector3& rotation, CPoint client) {
    return PickHandle(ManipulatorKind::rotate, position, rotation, client);
}

int CGLPane::PickVertex(CPoint client) {
    CGLPicker picker(GetSelectedObject());
    picker.SetPane(this, m_paneIndex);
    picker.m_point = client;
    return picker.PickVertex();
}

CCurvePoint* CGLPane::PickCurveSegment(CPoint client) {
    CGLPicker picker(GetSelectedObject());
    picker.SetPane(this, m_paneIndex);
    picker.m_point = client;
    return picker.PickCurveSegment().m_point;
}

LRESULT CGLPane::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DOC_NOTIFY)
        return CGlWnd::WindowProc(message, wParam, lParam);
    switch (static_cast<int>(lParam)) {
    case notifyRepaintPanes:
        // A request posted before the pane last drew its whole picture is
        // shown in it already.
        if (wParam == 0 || wParam > m_picturePostedRepaints)
            RedrawNow();
        break;
    case notifyInvalidateOtherPanes:
        Invalidate();
        break;
    case notifyStepTakenBack:
        m_mouseTool.AbandonLeftDrag();
        break;
    case notifySurfaceShortage:
        if (CQuelDoc* doc = GetDoc())
            ReportSurfaceShortages(*doc);
        break;
    case notifyDrawFivePointVertices:
    case notifyDrawInvisibleVertices:
        if (GetSelectedObject()) {
            const bool fivePoint = lParam == notifyDrawFivePointVertices;
            DrawOverCurrentPicture([this, fivePoint] {
                CQuelDoc* doc = GetDoc();
                const CSpatchObj* obj = GetSelectedObject();
                if (!doc || !obj)
                    return;
                CPaneScene(*doc, m_paneIndex, m_camera).ApplyCamera();
                if (fivePoint)
                    obj->DrawFivePointVertices();
                else
                    obj->DrawInvisibleVertices();
            });
        }
        break;
    default:
        break;
    }
    return 0;
}

BOOL CGLPane::IsManipulatorShown() const {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !doc->m_settings.m_manipulatorShown)
        return FALSE;
    return IsManipulatorMode(doc->m_settings.m_mouseModeLeft);
}

template <class Draw> void CGLPane::DrawOverPicture(Draw draw) {
    if (IsManipulatorShown()) {
        RedrawNow();
        return;
    }
    DrawOverCurrentPicture([this, draw] {
        if (CQuelDoc* doc = GetDoc()) {
            CPaneScene(*doc, m_paneIndex, m_camera).ApplyCamera();
            draw(*doc);
        }
    });
}

void CGLPane::QuickDrawVertices() {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !doc->m_settings.m_panes[static_cast<size_t>(m_paneIndex)].m_showVertices)
        return;
    DrawOverPicture([](CQuelDoc& d) {
        for (const CSpatchObj* obj : d.m_objects)
            if (obj->IsShownEffective())
                obj->DrawVertices(MakePatchDrawSettings(d, *obj));
    });
}

void CGLPane::QuickDrawCurves() {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !doc->m_settings.m_panes[static_cast<size_t>(m_paneIndex)].m_showCurves)
        return;
    const int pane = m_paneIndex;
    DrawOverPicture([pane](CQuelDoc& d) {
        const int steps = d.m_settings.m_panes[static_cast<size_t>(pane)].m_curveResolution;
        for (const CSpatchObj* obj : d.m_objects)
            if (obj->IsShownEffective())
                obj->DrawCurves(steps, MakePatchDrawSettings(d, *obj));
    });
}

void CGLPane::RedrawGrid() {
    const int pane = m_paneIndex;
    DrawOverPicture([this, pane](CQuelDoc& d) {
        const CCamera& camera = d.m_cameras[static_cast<size_t>(pane)];
        CGridPainter().DrawGrids(d.m_settings.m_panes[static_cast<size_t>(pane)], d.m_settings.m_gridColor,
                                 camera, m_camera.GetViewportSize(camera));
    });
}

void CGLPane::RedrawCoordinateAxes() {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !doc->m_settings.m_panes[static_cast<size_t>(m_paneIndex)].m_showAxes)
        return;
    DrawOverPicture([](CQuelDoc&) { CViewCamera::DrawOriginAxes(3.0f, 2.0f); });
}

void CGLPane::RedrawLights() {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !IsLightMode(doc->m_settings.m_mouseModeLeft))
        return;
    DrawOverPicture([](CQuelDoc& d) {
        for (const CLightData* light : d.m_lights)
            light->DrawHandles(d.m_settings.m_vertexSize, d.m_settings.m_selectVertexColor,
                               d.m_settings.m_unselectVertexColor);
    });
}

void CGLPane::RedrawControlPoints() {
    const CQuelDoc* doc = GetDoc();
    const CSpatchObj* obj = GetSelectedObject();
    if (!doc || !IsControlPointMode(doc->m_settings.m_mouseModeLeft) || !obj || !obj->GetSelectedCurve())
        return;
    DrawOverPicture([](CQuelDoc&) {
        if (const CSpatchObj* selected = GetSelectedObject())
            selected->DrawSelectedCurveHandles();
    });
}

void CGLPane::BuildDisplayList() {
    CQuelDoc* doc = GetDoc();
    if (doc && MakeCurrent())
        CPaneScene(*doc, m_paneIndex, m_camera).CompileObjects();
}

void CGLPane::RedrawAll() {
    CQuelDoc* doc = GetDoc();
    if (!doc || !doc->m_openGLSetting.use_displaylist || !MakeCurrent()) {
        RedrawNow();
        return;
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    CPaneScene(*doc, m_paneIndex, m_camera, &m_handleState).DrawScene(CPaneScene::objectsFromList);
    glFlush();
    SwapBuffers();
}

void CGLPane::DeleteDisplayList() {
    if (!MakeCurrent())
        return;
    CPaneScene::DeleteCompiledObjects();
    glFlush();
}
