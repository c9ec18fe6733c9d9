#pragma once
// One viewing camera: eye, target, roll, view angle and projection kind, with
// its angles and matrices, the view presets of the four panes, the
// axis-aligned view tests and the conversion of a pixel drag into a world
// offset. The document keeps one per pane plus saved views; the document file
// stores the fields in its own sections.
#include "model/matrix4.h"
#include "model/vector3.h"

class CCamera {
public:
    enum Projection { perspective = 0, parallel = 1 };
    enum Preset { presetTop = 0, presetPerspective = 1, presetFront = 2, presetSide = 3 };

    CCamera() { Reset(); }
    // A copy is the whole camera, pane size included.
    CCamera(const CCamera&) = default;
    // Assignment takes the view only: eye, target, roll, view angle and
    // projection. The pane size, aspect and span flag stay those of the pane
    // this camera belongs to.
    CCamera& operator=(const CCamera& other);

    void Reset();
    // Points the camera at the origin from the pane's standard place; any
    // other number changes nothing.
    void SetPreset(int preset);

    bool IsParallel() const { return m_projection != perspective; }

    // Elevation and heading of the eye-to-target direction, in degrees.
    float GetPitch() const { return (m_target - m_eye).GetElevation(); }
    float GetYaw() const { return (m_target - m_eye).GetAzimuth(); }

    CMatrix4 GetCameraToWorld() const;
    CMatrix4 GetWorldToCamera() const;
    // The camera's up direction in world space.
    CVector3 GetUpVector() const;

    // Parallel projection looking exactly along Y, Z or X.
    bool IsTopView() const;
    bool IsFrontView() const;
    bool IsSideView() const;
    // Parallel views along Y, Z or X that keep the target and the distance
    // (10 when the eye sits on the target).
    void SetTopView();
    void SetFrontView();
    void SetSideView();

    // The world offset, in the camera's own axes, of a drag of (dx, dy) pixels
    // at the given depth in a pane of the given size; zero for an empty pane
    // or a zero depth.
    CVector3 ScreenDeltaToWorld(int dx, int dy, float depth, int paneWidth, int paneHeight) const;

    // Cuts eye and target to four decimals so stored coordinates stay short.
    void RoundCoordinates();

    int m_projection;
    float m_roll;        // degrees about the viewing direction
    float m_angle;       // full opening angle, degrees
    int m_viewportWidth; // pane size in pixels, written by the pane
    int m_viewportHeight;
    float m_aspect;
    int m_angleSpansWidth; // 1: the view angle spans the width, 0: the height
    CVector3 m_target;
    CVector3 m_eye;

private:
    // Parallel projection with the eye at the target plus offset times the
    // current distance (10 when that is 0).
    void PlaceEyeAlong(const CVector3& axis);
};

// The pane pixel of a camera-space point: perspective cameras divide by depth
// at the near distance, parallel ones show the extent at the eye's distance.
// (-10, -10) when the point is nearer than the near plane or the pane or view
// extent is empty.
CIntPair ProjectViewPoint(const CCamera& camera, double nearDistance, const CVector3& viewPoint);
