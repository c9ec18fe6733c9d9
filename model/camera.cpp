#include "model/camera.h"

#include "platform/base/c_locale.h"

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

CCamera& CCamera::operator=(const CCamera& other) {
    m_eye = other.m_eye;
    m_target = other.m_target;
    m_roll = other.m_roll;
    m_angle = other.m_angle;
    m_projection = other.m_projection;
    return *this;
}

void CCamera::SetPreset(int preset) {
    switch (preset) {
    case presetTop:
        m_eye.Set(0.0f, 10.0f, 0.0f);
        m_projection = parallel;
        break;
    case presetPerspective:
        m_eye.Set(0.0f, 5.0f, -20.0f);
        m_projection = perspective;
        m_aspect = std::bit_cast<float>(std::uint32_t{0x3FAAAAAB});
        break;
    case presetFront:
        m_eye.Set(0.0f, 0.0f, -10.0f);
        m_projection = parallel;
        break;
    case presetSide:
        m_eye.Set(10.0f, 0.0f, 0.0f);
        m_projection = parallel;
        break;
    default:
        return;
    }
    m_target.Set(0.0f, 0.0f, 0.0f);
    m_angle = 40.0f;
    m_roll = 0.0f;
}

CMatrix4 CCamera::GetCameraToWorld() const {
    CMatrix4 m;
    m.RotateZ(m_roll);
    m.RotateX(GetPitch());
    m.RotateY(GetYaw());
    m.TranslateBy(m_eye);
    return m;
}

CMatrix4 CCamera::GetWorldToCamera() const {
    CMatrix4 m;
    m.Translate(-m_eye.GetX(), -m_eye.GetY(), -m_eye.GetZ());
    m.RotateY(-GetYaw());
    m.RotateX(-GetPitch());
    m.RotateZ(-m_roll);
    return m;
}

CVector3 CCamera::GetUpVector() const {
    const CVector3 d = m_target - m_eye;
    CMatrix4 m;
    m.RotateZ(m_roll);
    m.RotateX(d.GetElevation());
    m.RotateY(d.GetAzimuth());
    return TransformPoint(CVector3(0.0f, 1.0f, 0.0f), m);
}

bool CCamera::IsTopView() const {
    return IsParallel() && m_eye.GetX() == m_target.GetX() && m_eye.GetZ() == m_target.GetZ();
}

bool CCamera::IsFrontView() const {
    return IsParallel() && m_eye.GetX() == m_target.GetX() && m_eye.GetY() == m_target.GetY();
}

bool CCamera::IsSideView() const {
    return IsParallel() && m_eye.GetY() == m_target.GetY() && m_eye.GetZ() == m_target.GetZ();
}

void CCamera::PlaceEyeAlong(const CVector3& axis) {
    float r = (m_eye - m_target).Length();
    if (r == 0.0f)
        r = 10.0f;
    m_eye = m_target + axis * r;
    m_projection = parallel;
}

void CCamera::SetTopView() {
    PlaceEyeAlong(CVector3(0.0f, 1.0f, 0.0f));
}

void CCamera::SetFrontView() {
    PlaceEyeAlong(CVector3(0.0f, 0.0f, -1.0f));
}

void CCamera::SetSideView() {
    PlaceEyeAlong(CVector3(1.0f, 0.0f, 0.0f));
}

CVector3 CCamera::ScreenDeltaToWorld(int dx, int dy, float depth, int paneWidth, int paneHeight) const {
    if (paneWidth <= 0 || paneHeight <= 0 || depth == 0.0f)
        return CVector3();
    const double w = paneWidth;
    const double h = paneHeight;
    const double t = std::tan(static_cast<double>(m_angle / 2.0f) / 180.0 * 3.1415927f) * depth;
    double halfW, halfH;
    if (m_angleSpansWidth) {
        halfW = t;
        halfH = t * h / w;
    } else {
        halfH = t;
        halfW = t * w / h;
    }
    return CVector3(static_cast<float>(dx * 2.0 * halfW / w), static_cast<float>(dy * 2.0 * halfH / h), 0.0f);
}

namespace {

float RoundTo4Decimals(float v) {
    float rounded = v;
    qf::ParseFloat(qf::FormatC("%0.4f", v), rounded);
    return rounded;
}

CVector3 RoundTo4Decimals(const CVector3& v) {
    return CVector3(RoundTo4Decimals(v.GetX()), RoundTo4Decimals(v.GetY()), RoundTo4Decimals(v.GetZ()));
}

} // namespace

void CCamera::RoundCoordinates() {
    m_eye = RoundTo4Decimals(m_eye);
    m_target = RoundTo4Decimals(m_target);
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
    // A parallel view shows the scene whole along its axis, as its panes draw it.
    if (!camera.IsParallel() && z < nearDistance)
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
