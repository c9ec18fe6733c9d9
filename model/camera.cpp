#include "model/camera.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

void CCamera::Reset() {
    m_projection = perspective;
    m_roll = 0.0f;
    m_angle = 40.0f;
    m_viewportWidth = 10;
    m_viewportHeight = 10;
    m_aspect = std::bit_cast<float>(std::uint32_t{0x3FAAAA8F});
    m_angleSpansWidth = 0;
    m_target.Set(0.0f, 0.0f, 0.0f);
    m_eye.Set(0.0f, 0.0f, -10.0f);
}

CMatrix4 CCamera::GetWorldToCamera() const {
    CMatrix4 m;
    m.Translate(-m_eye.GetX(), -m_eye.GetY(), -m_eye.GetZ());
    m.RotateY(-GetYaw());
    m.RotateX(-GetPitch());
    m.RotateZ(-m_roll);
    return m;
}

namespace {

constexpr CIntPair kNotShown{-10, -10};

// Half the pane size plus the truncated offset, when it fits a pixel number.
bool PanePixel(int size, double offset, int& pixel) {
    const double value = std::trunc(offset);
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<int>::max() / 2)
        return false;
    pixel = size / 2 + static_cast<int>(value);
    return true;
}

} // namespace

CIntPair ProjectViewPoint(const CCamera& camera, double nearDistance, const CVector3& viewPoint) {
    const int w = camera.m_viewportWidth;
    const int h = camera.m_viewportHeight;
    if (w <= 0 || h <= 0)
        return kNotShown;
    const double d = camera.IsParallel() ? (camera.m_eye - camera.m_target).Length() : nearDistance;
    const double t = std::tan(camera.m_angle / 2.0 * 3.1415927 / 180.0);
    double halfW, halfH;
    if (camera.m_angleSpansWidth) {
        halfW = t * d;
        halfH = halfW * h / w;
    } else {
        halfH = t * d;
        halfW = halfH * w / h;
    }
    if (!(halfW > 0.0 && halfH > 0.0))
        return kNotShown;
    const double z = viewPoint.GetZ();
    if (z < nearDistance)
        return kNotShown;
    double x = viewPoint.GetX();
    double y = viewPoint.GetY();
    if (!camera.IsParallel()) {
        x = x * nearDistance / z;
        y = y * nearDistance / z;
    }
    CIntPair pixel;
    if (!PanePixel(w, w * x / 2.0 / halfW, pixel.m_x) || !PanePixel(h, -(h * y / 2.0 / halfH), pixel.m_y))
        return kNotShown;
    return pixel;
}
