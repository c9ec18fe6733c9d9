#pragma once
// The camera of one viewport pane: eye, target, roll, view angle, projection
// kind and the pane's size in pixels, with the world-to-camera transform and
// the projection of camera-space points to pane pixels.
#include "model/matrix4.h"
#include "model/vector3.h"

class CCamera {
public:
    enum Projection { perspective = 0, parallel = 1 };

    CCamera() { Reset(); }

    void Reset();
    bool IsParallel() const { return m_projection != perspective; }

    // Elevation and heading of the eye-to-target direction, in degrees.
    float GetPitch() const { return (m_target - m_eye).GetElevation(); }
    float GetYaw() const { return (m_target - m_eye).GetAzimuth(); }

    CMatrix4 GetWorldToCamera() const;

    int m_projection;
    float m_roll;        // degrees about the viewing direction
    float m_angle;       // full opening angle, degrees
    int m_viewportWidth; // pane size in pixels, written by the pane
    int m_viewportHeight;
    float m_aspect;
    int m_angleSpansWidth; // 1: the view angle spans the width, 0: the height
    CVector3 m_target;
    CVector3 m_eye;
};

// The pane pixel of a camera-space point: perspective cameras divide by depth
// at the near distance, parallel ones show the extent at the eye's distance.
// (-10, -10) when the point is nearer than the near plane or the pane or view
// extent is empty.
CIntPair ProjectViewPoint(const CCamera& camera, double nearDistance, const CVector3& viewPoint);
