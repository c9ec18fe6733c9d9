#pragma once
// The OpenGL window of one viewport pane. It paints its pane of the scene
// from the document on every WM_PAINT through its own context, zooms the
// pane's camera with the wheel, makes its pane the active one when the
// pointer comes over it, hands its mouse buttons to its mouse-tool
// controller, answers the document's update message, and offers quick
// redraws that draw over the current picture and a display list for camera
// drags. Pane i is registered under wndGLPane0 + i.
#include "platform/ui/gl_wnd.h"
#include "platform/ui/screen_image.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"
#include "viewport/model_command.h"
#include "viewport/pane_scene.h"
#include "viewport/serviced_window.h"

class CQuelDoc;

class CGLPane : public CServicedWindow<CGlWnd>, public CPaneQuickDraws, public CToolPane {
public:
    CGLPane();
    const char* GetRuntimeClassName() const override { return "CGLPane"; }

    // Before the window is made.
    void SetPaneIndex(int index);
    int GetPaneIndex() const { return m_paneIndex; }
    const CViewCamera& GetViewCamera() const { return m_camera; }
    CMouseToolController& GetMouseTool() { return m_mouseTool; }

    // Each draws over the current picture with the pane camera, or repaints
    // the whole pane instead while the manipulator is shown.
    // The control points of the shown patch objects, when the pane shows points.
    void QuickDrawVertices() override;
    // Their curves, when the pane shows curves.
    void QuickDrawCurves() override;
    void RedrawGrid() override;
    // The world axes, when the pane shows them.
    void RedrawCoordinateAxes() override;
    // The lights' handles, while a light tool is on the left button.
    void RedrawLights() override;
    // The handles of the current object's selected curve, while a
    // control-point tool is on the left button.
    void RedrawControlPoints() override;
    // How many times the pane has drawn its scene; a repaint shown from the
    // kept picture does not count.
    int GetPictureCount() const { return m_pictureCount; }
    // The pane's own picture as it paints it, read from its back buffer
    // (gl_pane_picture.cpp): a window lying over the pane is not in it.
    // Empty before the pane can draw.
    CPixelImage ReadPicture();

    // The document shows the manipulator and the left button has an object
    // or material-axis transform tool.
    BOOL IsManipulatorShown() const;

    // The camera-drag display list (only when the OpenGL settings use display
    // lists): the object drawing is compiled once at the start of a drag,
    // redrawn from the list at every step, and deleted at the end.
    void BuildDisplayList() override;
    void RedrawAll() override;
    void DeleteDisplayList() override;

    // What the mouse tools ask of their pane.
    void CaptureMouse() override;
    void ReleaseMouse() override;
    CSize GetClientSize() const override;
    void RepaintNow() override { RedrawNow(); }
    // The first submenu of the pane popup menus, owned by the main window.
    void OpenPaneMenu(CPoint client) override;
    int PickTranslateHandle(const CVector3& position, const CVector3& rotation, CPoint client) override;
    // The manipulator handle under a client point (0 X, 1 Y, 2 Z, 3 centre, -1 none).
    int PickScaleHandle(const CVector3& position, const CVector3& rotation, CPoint client) override;
    int PickRotateHandle(const CVector3& position, const CVector3& rotation, CPoint client) override;
    int PickVertex(CPoint client) override;
    CCurvePoint* PickCurveSegment(CPoint client) override;
    void ShowOverlay(const CPixelOverlay& overlay) override { SetPixelOverlay(overlay); }
    CHandleState& GetHandleState() override { return m_handleState; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnContextMenu(CWnd* window, CPoint screenPoint) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnMButtonDown(UINT flags, CPoint point) override;
    void OnMButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The document's camera of this pane zoomed one wheel step.
    void Zoom(CQuelDoc& doc, short delta);
    // Draws over the current picture with the pane camera applied, or
    // repaints the pane while the manipulator is shown.
    template <class Draw> void DrawOverPicture(Draw draw);
    int PickHandle(ManipulatorKind kind, const CVector3& position, const CVector3& rotation, CPoint client);

    int m_paneIndex = 1;
    int m_pictureCount = 0;
    // PostedRepaintCount() when the pane last drew its whole picture.
    WPARAM m_picturePostedRepaints = 0;
    CViewCamera m_camera{this};
    CHandleState m_handleState;
    CMouseToolController m_mouseTool;
};
