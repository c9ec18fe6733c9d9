#pragma once
// Picking with OpenGL's selection mode: what lies under the pointer in a
// pane, found by drawing the candidates under names into a 10 x 10 pixel pick
// box centred on the pointer. Nothing reaches the visible picture.
#include "platform/base/win_types.h"
#include "viewport/pane_scene.h"

class CCamera;
class CCurve;
class CCurvePoint;
class CGlSurface;
class CQuelDoc;
class CSpatchObj;
struct CHandleState;

// A curve segment: its curve and the node it starts at; both null for none.
struct CCurveSegment {
    CCurve* m_curve = nullptr;
    CCurvePoint* m_point = nullptr;
};

// Picks a control point or a curve segment of one patch object in one pane
// of the current document; made on the stack by a tool. Each pick makes the
// pane's context current and leaves it current. When several lie
// under the pointer the nearest wins (the smallest greatest depth of its
// hit), and at equal depth the earlier one.
class CGLPicker {
public:
    // A null object picks nothing.
    explicit CGLPicker(CSpatchObj* object) : m_object(object) {}

    // The pane whose camera and size are used, drawn into through surface.
    void SetPane(CGlSurface* surface, int paneIndex);

    // The index of the control point under the pointer in the object's list;
    // hidden points are never picked. -1 when none (also without a pane, a
    // document or any point).
    int PickVertex();
    // The segment under the pointer, drawn at the pane's curve resolution;
    // a segment with a hidden end is never picked. Shows the segment's number
    // and the hit count in the status text.
    CCurveSegment PickCurveSegment();

    // The pointer in the pane's client pixels, y from the top.
    CPoint m_point;

private:
    CSpatchObj* m_object;
    CGlSurface* m_surface = nullptr;
    int m_paneIndex = 0;
};

// The manipulator handle under the client point (x, y) when the manipulator
// stands at position with rotation (degrees about x, y, z): 0 X, 1 Y, 2 Z,
// 3 the centre, or -1. The last hit wins, so the centre, drawn last, wins
// over a head it overlaps. Needs the pane's context current.
int PickManipulatorHandle(CQuelDoc& doc, int pane, const CViewCamera& view, const CHandleState* handles,
                          ManipulatorKind kind, const CVector3& position, const CVector3& rotation,
                          CPoint point);
