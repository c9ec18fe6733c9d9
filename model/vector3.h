#pragma once
// The value type of all geometry: control points, handles, normals, camera
// eye and target. Components are computed in double and stored as float.
// The members are declared z, y, x; every interface names them x, y, z, so
// the declared order never shows outside the class.
#include <cmath>

class CMatrix4;

// A pixel pair: a pane position found by projection or picking.
struct CIntPair {
    int m_x = 0;
    int m_y = 0;
};

class CVector3 {
public:
    CVector3() = default;
    CVector3(float x, float y, float z) : m_z(z), m_y(y), m_x(x) {}

    CVector3& Copy(const CVector3& v) { return *this = v; }
    void Set(float x, float y, float z) {
        m_x = x;
        m_y = y;
        m_z = z;
    }
    void SetX(float x) { m_x = x; }
    void SetY(float y) { m_y = y; }
    void SetZ(float z) { m_z = z; }
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    float GetZ() const { return m_z; }
    // Component 0 (x), 1 (y) or 2 (z); any other index is z.
    float Get(int axis) const { return axis == 0 ? m_x : axis == 1 ? m_y : m_z; }
    void Set(int axis, float value) { (axis == 0 ? m_x : axis == 1 ? m_y : m_z) = value; }

    void Add(const CVector3& v);
    void Scale(float f);
    CVector3& DivideBy(float f);
    CVector3& SetZero() {
        Set(0.0f, 0.0f, 0.0f);
        return *this;
    }

    // 0 when the squared length is not positive.
    float Length() const;
    // A zero vector stays zero instead of becoming NaN.
    CVector3& Normalize();

    // Degrees below the horizontal XZ plane (negative upwards); 0 for y == 0,
    // +-90 straight down / up.
    float GetElevation() const;
    // Degrees of heading in the XZ plane from +Z towards +X.
    float GetAzimuth() const;

    CVector3 Transform(const CMatrix4& m) const;

    // This world point in the camera space of viewport pane view (0..3) of the
    // current document; the point itself when there is no such camera.
    CVector3 ToCameraSpace(int view) const;
    // The pane pixel of this world point for viewport pane view (0..3);
    // (-10, -10) when the point is behind the near plane or cannot be shown.
    CIntPair ProjectToScreen(int view) const;

    // Angles about X, Y and Z (in x, y, z of the result, degrees in [0, 360))
    // that the rotate tools apply to turn a frame towards dir. dir must not be
    // the zero vector.
    static CVector3 GetDirectionAngles(const CVector3& dir);

    bool operator==(const CVector3& v) const { return m_x == v.m_x && m_y == v.m_y && m_z == v.m_z; }

private:
    float m_z = 0.0f;
    float m_y = 0.0f;
    float m_x = 0.0f;
};

// The arithmetic is inline: the large-model loops call it millions of times.
// Float arithmetic rounds exactly as the double computation stored as float.
inline CVector3 operator+(const CVector3& a, const CVector3& b) {
    return CVector3(a.GetX() + b.GetX(), a.GetY() + b.GetY(), a.GetZ() + b.GetZ());
}
inline CVector3 operator-(const CVector3& a, const CVector3& b) {
    return CVector3(a.GetX() - b.GetX(), a.GetY() - b.GetY(), a.GetZ() - b.GetZ());
}
inline CVector3 operator*(const CVector3& v, float f) {
    return CVector3(v.GetX() * f, v.GetY() * f, v.GetZ() * f);
}
inline CVector3 operator*(float f, const CVector3& v) {
    return v * f;
}
inline CVector3 operator/(const CVector3& v, float f) {
    return CVector3(v.GetX() / f, v.GetY() / f, v.GetZ() / f);
}
inline CVector3& operator+=(CVector3& a, const CVector3& b) {
    return a = a + b;
}
inline CVector3& operator*=(CVector3& a, float f) {
    return a = a * f;
}

inline double DotProduct(const CVector3& a, const CVector3& b) {
    return static_cast<double>(a.GetX()) * b.GetX() + static_cast<double>(a.GetY()) * b.GetY() +
           static_cast<double>(a.GetZ()) * b.GetZ();
}
inline CVector3 CrossProduct(const CVector3& a, const CVector3& b) {
    const double ax = a.GetX(), ay = a.GetY(), az = a.GetZ();
    const double bx = b.GetX(), by = b.GetY(), bz = b.GetZ();
    return CVector3(static_cast<float>(ay * bz - az * by), static_cast<float>(az * bx - ax * bz),
                    static_cast<float>(ax * by - ay * bx));
}

inline void CVector3::Add(const CVector3& v) {
    *this += v;
}
inline void CVector3::Scale(float f) {
    *this *= f;
}
inline CVector3& CVector3::DivideBy(float f) {
    return *this = *this / f;
}
inline float CVector3::Length() const {
    const double sum = DotProduct(*this, *this);
    return sum > 0.0 ? static_cast<float>(std::sqrt(sum)) : 0.0f;
}
inline CVector3& CVector3::Normalize() {
    const float length = Length();
    return length > 0.0f ? DivideBy(length) : SetZero();
}
// Unit normal of (q - r) x (q - p); the zero vector for collinear points.
inline CVector3 TriangleNormal(const CVector3& p, const CVector3& q, const CVector3& r) {
    CVector3 n = CrossProduct(q - r, q - p);
    return n.Normalize();
}
// Row vector p times m, translation from row 3, no division by w.
CVector3 TransformPoint(const CVector3& p, const CMatrix4& m);
