#include "model/vector3.h"

#include "model/camera.h"
#include "model/matrix4.h"
#include "model/model_document.h"

#include <cmath>

namespace {

constexpr double kPi = 3.1415927;

double ToDegrees(double radians) {
    return radians * 180.0 / kPi;
}

// The direction angle of (a, b) in [0, 360): the first-quadrant angle of
// (|a|, |b|) placed by the signs; a and b are both non-zero.
double QuadrantAngle(double a, double b) {
    const double base = ToDegrees(std::atan2(std::fabs(b), std::fabs(a)));
    if (a > 0.0)
        return b > 0.0 ? base : 360.0 - base;
    return b > 0.0 ? 180.0 - base : 180.0 + base;
}

CVector3 Rotated(const CVector3& v, void (CMatrix4::*rotate)(float), float degrees) {
    CMatrix4 m;
    (m.*rotate)(degrees);
    return TransformPoint(v, m);
}

} // namespace

float CVector3::GetElevation() const {
    if (m_y == 0.0f)
        return 0.0f;
    if (m_x == 0.0f && m_z == 0.0f)
        return m_y < 0.0f ? 90.0f : -90.0f;
    const double horizontal = std::sqrt(static_cast<double>(m_x) * m_x + static_cast<double>(m_z) * m_z);
    return static_cast<float>(-ToDegrees(std::atan(m_y / horizontal)));
}

float CVector3::GetAzimuth() const {
    if (m_x == 0.0f)
        return m_z < 0.0f ? 180.0f : 0.0f;
    if (m_z == 0.0f)
        return m_x < 0.0f ? 270.0f : 90.0f;
    return static_cast<float>(ToDegrees(std::atan2(m_x, m_z)));
}

CVector3 CVector3::Transform(const CMatrix4& m) const {
    return TransformPoint(*this, m);
}

CVector3 CVector3::ToCameraSpace(int view) const {
    const CCamera* camera = GetPaneCamera(view);
    return camera ? TransformPoint(*this, camera->GetWorldToCamera()) : *this;
}

CIntPair CVector3::ProjectToScreen(int view) const {
    const CCamera* camera = GetPaneCamera(view);
    if (!camera)
        return CIntPair{-10, -10};
    const CVector3 viewPoint = TransformPoint(*this, camera->GetWorldToCamera());
    return ProjectViewPoint(*camera, GetModelDoc()->GetNearDistance(), viewPoint);
}

CVector3 CVector3::GetDirectionAngles(const CVector3& dir) {
    const double x = dir.m_x;
    const double y = dir.m_y;
    double rz = 0.0;
    double ry = 0.0;
    CVector3 v = dir;
    if (y == 0.0) {
        rz = 0.0;
    } else if (x == 0.0) {
        rz = y > 0.0 ? 90.0 : 270.0;
    } else {
        rz = QuadrantAngle(x, y);
    }
    // A direction along Y needs no turn about Y.
    const bool alongY = y != 0.0 && x == 0.0 && dir.m_z == 0.0;
    if (!alongY) {
        v = Rotated(dir, &CMatrix4::RotateZ, static_cast<float>(-rz));
        const double vx = v.m_x;
        const double vz = v.m_z;
        if (vx == 0.0 && vz == 0.0)
            ry = 0.0;
        else if (vx == 0.0)
            ry = vz > 0.0 ? 270.0 : 90.0;
        else if (vz == 0.0)
            ry = vx > 0.0 ? 0.0 : 180.0;
        else
            ry = QuadrantAngle(vx, -vz);
    }
    v = Rotated(v, &CMatrix4::RotateY, static_cast<float>(-ry));
    const double vy = v.m_y;
    const double vz = v.m_z;
    double rx = 0.0;
    if (vz == 0.0) {
        rx = vy < 0.0 ? 180.0 : 0.0;
    } else if (vy == 0.0) {
        rx = vz > 0.0 ? 90.0 : 270.0;
    } else {
        const double base = ToDegrees(std::atan2(std::fabs(vy), std::fabs(vz)));
        if (vz > 0.0)
            rx = vy > 0.0 ? 90.0 - base : 90.0 + base;
        else
            rx = vy < 0.0 ? 270.0 - base : 270.0 + base;
    }
    return CVector3(static_cast<float>(rx), static_cast<float>(ry), static_cast<float>(rz));
}

CVector3 TransformPoint(const CVector3& p, const CMatrix4& m) {
    const double x = p.GetX(), y = p.GetY(), z = p.GetZ();
    double out[3];
    for (int j = 0; j < 3; ++j)
        out[j] = x * m.Get(0, j) + y * m.Get(1, j) + z * m.Get(2, j) + m.Get(3, j);
    return CVector3(static_cast<float>(out[0]), static_cast<float>(out[1]), static_cast<float>(out[2]));
}
