#pragma once
// What the mouse tools ask of the pane they work in. The OpenGL pane
// implements it over its window; tests drive whole drags through a stand-in.
// Nothing here knows a window system: a tool sees client pixels, the pane's
// size and the few drawing and input services below.
#include "model/vector3.h"
#include "platform/base/pixel_overlay.h"
#include "platform/base/win_types.h"

#include <array>

class CCurvePoint;

// The manipulator handles a pane draws highlighted: X, Y, Z and the centre.
// The transform drags set them at their press and read them as their
// constraint; every left release clears them. The rotate drag keeps its
// current angle beside them for the rotate handles, and the centre it turns
// about, where the handles stay while it runs.
struct CHandleState {
    enum Handle { handleX = 0, handleY, handleZ, handleCentre, handleCount };

    bool IsAnyHighlighted() const { return m_highlight != std::array<int, handleCount>{}; }
    void ClearHighlight() { m_highlight.fill(0); }
    // A picked handle becomes the constraint: with freeOtherAxes an axis
    // handle frees the other two axes instead of its own.
    void Grab(int handle, bool freeOtherAxes);

    std::array<int, handleCount> m_highlight{};
    CVector3 m_rotateState;
    int m_rotating = 0;
    CVector3 m_rotationCentre;
};

class CToolPane {
public:
    virtual ~CToolPane() = default;

    // The mouse stays with the pane from an accepted press to its release.
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    // The client size in pixels.
    virtual CSize GetClientSize() const = 0;

    // Paints the whole pane now.
    virtual void RepaintNow() = 0;
    // Draw over the current picture (or repaint while the manipulator is
    // shown): the control points, the curves, and the selected curve's handles.
    virtual void QuickDrawVertices() = 0;
    virtual void QuickDrawCurves() = 0;
    virtual void RedrawControlPoints() = 0;
    // The lights' handles over the picture, while a light tool is on the left button.
    virtual void RedrawLights() = 0;
    // Lines over the picture, shown until the next call; an empty overlay
    // removes them.
    virtual void ShowOverlay(const CPixelOverlay& overlay) = 0;
    // The camera drags: the objects compiled once at the press, the pane
    // redrawn from them at every step, the list dropped at the release.
    virtual void BuildDisplayList() = 0;
    virtual void RedrawAll() = 0;
    virtual void DeleteDisplayList() = 0;

    // Opens the pane menu at a client point.
    virtual void OpenPaneMenu(CPoint client) = 0;
    // The translate manipulator's handle under a client point, the
    // manipulator standing at position with rotation (degrees about x, y, z):
    // CHandleState::Handle, or -1.
    virtual int PickTranslateHandle(const CVector3& position, const CVector3& rotation, CPoint client) = 0;
    virtual int PickScaleHandle(const CVector3& position, const CVector3& rotation, CPoint client) = 0;
    virtual int PickRotateHandle(const CVector3& position, const CVector3& rotation, CPoint client) = 0;
    // The index of the current object's control point drawn under a client
    // point (the nearest when several are), -1 for none.
    virtual int PickVertex(CPoint client) = 0;
    // The node that starts the current object's curve segment drawn under a
    // client point (the nearest when several are), null for none.
    virtual CCurvePoint* PickCurveSegment(CPoint client) = 0;
    virtual CHandleState& GetHandleState() = 0;
};
