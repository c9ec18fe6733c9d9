#pragma once
// How a pane's camera becomes the OpenGL viewport, projection and view, and
// what a pane draws to show where it looks: the reference grids, the world
// axes at the origin and the small axis indicator in its lower left corner.
// Everything here needs only a current GL context.
//
// World coordinates are left-handed: the view transform negates z of the
// eye, target and up vector and then mirrors z, so that with x to the right
// and y up, +z points into the screen of a front view.
#include "model/camera.h"
#include "platform/base/win_types.h"

#include <vector>

class CGlSurface;
struct CPaneDisplaySettings;

// The pane size the projection uses: a zero dimension (a minimised or hidden
// pane) counts as 1, so the aspect and the view extents stay finite.
CSize PaneViewportSize(int width, int height);
// Width over height of that size.
double PaneAspect(CSize paneSize);
// The vertical field of view, in degrees, of a camera whose view angle spans
// the width of a pane of that aspect.
double VerticalFieldOfView(float angle, double aspect);

// The smaller (larger) of each component; the first vector wins ties.
CVector3 ComponentMin(const CVector3& a, const CVector3& b);
CVector3 ComponentMax(const CVector3& a, const CVector3& b);

class CViewCamera {
public:
    // The window's size is the viewport; without a window the camera's own
    // viewport width and height are used.
    explicit CViewCamera(const CGlSurface* window = nullptr) : m_window(window) {}

    // SetViewport, then SetProjection. Every drawing of a pane starts here.
    void Apply(CCamera& camera, double nearPlane, double farPlane) const;
    // The projection matrix mode with the identity, and the viewport of the whole pane.
    void SetViewport(const CCamera& camera) const;
    // Perspective or parallel projection and the view transform. From now on
    // the camera's angle spans the pane's width.
    void SetProjection(CCamera& camera, double nearPlane, double farPlane) const;
    // The pane's size, zero dimensions counting as 1.
    CSize GetViewportSize(const CCamera& camera) const;

    // Red, green and blue lines from the origin along x, y and z, scaled;
    // lighting off, line width back to 1 after.
    static void DrawOriginAxes(float scale, float lineWidth);
    // The world axes as seen from the camera, in a 30 x 30 pixel square 5
    // pixels from the lower left corner. The viewport stays set to it.
    static void DrawAxisIndicator(const CVector3& eye, const CVector3& target, float roll);

private:
    const CGlSurface* m_window;
};

// The grids a pane can draw: one that follows an axis-aligned camera, or
// one of the three planes through the origin.
enum class GridPlane { top, front, side, planeXY, planeXZ, planeYZ };

// Which grids a pane shows: its camera's own grid when it looks along an
// axis with its grid switched on, else each plane grid switched on.
std::vector<GridPlane> ChooseGrids(const CPaneDisplaySettings& pane, const CCamera& camera);

// Where the lines of a grid go, in its plane's two axes: lines of constant
// a run from bLeft to bRight for a = aTop, aTop - spacing, ... down to aMin;
// lines of constant b run from aTop to aBottom for b = bLeft, bLeft +
// spacing, ... up to bMax.
struct CGridLayout {
    float spacing;
    float aTop, aBottom, aMin;
    float bLeft, bRight, bMax;
};
// The layout of a grid of the camera in a pane of that size: the visible
// area at the target's distance plus one cell each side, the spacing (1 when
// it is 0 or below) doubled until at most 30 cells span the larger extent,
// the ends snapped to the spacing.
CGridLayout LayOutGrid(GridPlane plane, const CCamera& camera, CSize paneSize, float spacing);

class CGridPainter {
public:
    // The factor of the grid colour for the two axis lines of a grid.
    float m_axisDim = 0.5f;

    // The pane's grids in the grid colour (packed 0x00BBGGRR).
    void DrawGrids(const CPaneDisplaySettings& pane, COLORREF gridColor, const CCamera& camera,
                   CSize paneSize) const;
    void DrawGrid(GridPlane plane, COLORREF gridColor, const CCamera& camera, CSize paneSize,
                  float spacing) const;
};
