#pragma once
// The OpenGL window of one viewport pane. It paints its pane of the scene
// from the document on every WM_PAINT through its own context, zooms the
// pane's camera with the wheel, makes its pane the active one when the
// pointer comes over it, answers the document's update message, and offers
// quick redraws that draw over the current picture and a display list for
// camera drags. Pane i is registered under wndGLPane0 + i.
#include "platform/ui/gl_wnd.h"
#include "viewport/model_command.h"
#include "viewport/pane_scene.h"
#include "viewport/serviced_window.h"

class CQuelDoc;

class CGLPane : public CServicedWindow<CGlWnd>, public CPaneQuickDraws {
public:
    const char* GetRuntimeClassName() const override { return "CGLPane"; }

    // Before the window is made.
    void SetPaneIndex(int index) { m_paneIndex = index; }
    int GetPaneIndex() const { return m_paneIndex; }
    const CViewCamera& GetViewCamera() const { return m_camera; }

    // Each draws over the current picture with the pane camera, or repaints
    // the whole pane instead while the manipulator is shown.
    // The control points of the shown patch objects, when the pane shows points.
    void QuickDrawVertices() override;
    // Their curves, when the pane shows curves.
    void QuickDrawCurves() override;
    void RedrawGrid();
    // The world axes, when the pane shows them.
    void RedrawCoordinateAxes();
    // The lights' handles, while a light tool is on the left button.
    void RedrawLights();
    // The handles of the current object's selected curve, while a
    // control-point tool is on the left button.
    void RedrawControlPoints() override;
    // The document shows the manipulator and the left button has an object
    // or material-axis transform tool.
    BOOL IsManipulatorShown() const;

    // The camera-drag display list (only when the OpenGL settings use display
    // lists): the object drawing is compiled once at the start of a drag,
    // redrawn from the list at every step, and deleted at the end.
    void BuildDisplayList();
    void RedrawAll();
    void DeleteDisplayList();

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnContextMenu(CWnd* window, CPoint screenPoint) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The document's camera of this pane zoomed one wheel step.
    void Zoom(CQuelDoc& doc, short delta);
    // Draws over the current picture with the pane camera applied, or
    // repaints the pane while the manipulator is shown.
    template <class Draw> void DrawOverPicture(Draw draw);

    int m_paneIndex = 1;
    CViewCamera m_camera{this};
};
