#include "tools/view_plane.h"

#include <algorithm>
#include <cmath>

namespace {

CSize UsableSize(CSize size) {
    return CSize(std::max(size.cx, 1), std::max(size.cy, 1));
}

} // namespace

CViewHalfExtent GetViewHalfExtent(const CCamera& camera, CSize paneSize, float depth) {
    const CSize size = UsableSize(paneSize);
    if (camera.IsParallel())
        depth = (camera.m_eye - camera.m_target).Length();
    const float t = static_cast<float>(std::tan(camera.m_angle / 2.0 / 180.0 * 3.1415927) * depth);
    if (camera.m_angleSpansWidth)
        return {t, static_cast<float>(size.cy) * t / static_cast<float>(size.cx)};
    return {static_cast<float>(size.cx) * t / static_cast<float>(size.cy), t};
}

CVector3 PixelDeltaToViewPlane(const CCamera& camera, CSize paneSize, int dx, int dy, float depth) {
    const CSize size = UsableSize(paneSize);
    const CViewHalfExtent half = GetViewHalfExtent(camera, size, depth);
    return CVector3(2.0f * half.halfWidth * static_cast<float>(dx) / static_cast<float>(size.cx),
                    2.0f * half.halfHeight * static_cast<float>(dy) / static_cast<float>(size.cy), 0.0f);
}

CVector3 PixelToViewPlane(const CCamera& camera, CSize paneSize, int x, int y, float depth) {
    const CSize size = UsableSize(paneSize);
    const CViewHalfExtent half = GetViewHalfExtent(camera, size, depth);
    // A pane one pixel wide or high has no half to divide by; take one pixel.
    const int cx = std::max(size.cx / 2, 1);
    const int cy = std::max(size.cy / 2, 1);
    return CVector3(static_cast<float>(x - cx) * half.halfWidth / static_cast<float>(cx),
                    static_cast<float>(cy - y) * half.halfHeight / static_cast<float>(cy), depth);
}

CVector3 PixelToWorld(const CCamera& camera, CSize paneSize, int x, int y, float depth) {
    return TransformPoint(PixelToViewPlane(camera, paneSize, x, y, depth), camera.GetCameraToWorld());
}

CVector3 ViewToWorldDirection(const CCamera& camera, const CVector3& direction) {
    CMatrix4 rotation;
    rotation.RotateZ(camera.m_roll);
    rotation.RotateX(camera.GetPitch());
    rotation.RotateY(camera.GetYaw());
    return TransformPoint(direction, rotation);
}

void KeepInFixedViewPlane(const CCamera& camera, CVector3& offset) {
    if (camera.IsTopView())
        offset.SetY(0.0f);
    if (camera.IsFrontView())
        offset.SetZ(0.0f);
    if (camera.IsSideView())
        offset.SetX(0.0f);
}
