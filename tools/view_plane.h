#pragma once
// Pixels of a pane turned into lengths in its camera's view plane, and a
// camera-space direction turned into world axes. The pane size is in pixels;
// an empty dimension counts as one pixel.
#include "model/camera.h"
#include "platform/base/win_types.h"

struct CViewHalfExtent {
    float halfWidth;
    float halfHeight;
};

// Half the width and height, in world units, of what the pane shows at the
// depth; a parallel camera shows the same at every depth, that of its eye
// to its target.
CViewHalfExtent GetViewHalfExtent(const CCamera& camera, CSize paneSize, float depth);
// A pixel offset (dy up) at the depth as a camera-plane offset (x right, y up, z 0).
CVector3 PixelDeltaToViewPlane(const CCamera& camera, CSize paneSize, int dx, int dy, float depth);
// A pane pixel (x right, y down) as the camera-space point at the depth
// that shows there (x right, y up, z the depth), measured from the pixel
// at the integer half of the pane's width and height.
CVector3 PixelToViewPlane(const CCamera& camera, CSize paneSize, int x, int y, float depth);
// The same point in world space.
CVector3 PixelToWorld(const CCamera& camera, CSize paneSize, int x, int y, float depth);
// A camera-space direction in world axes: turned by the roll, the pitch and
// the yaw, without the eye's translation.
CVector3 ViewToWorldDirection(const CCamera& camera, const CVector3& direction);
// A world offset kept in the plane of a top, front or side view: its part
// along the viewing axis dropped, so nothing drifts in depth.
void KeepInFixedViewPlane(const CCamera& camera, CVector3& offset);
