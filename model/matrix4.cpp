#include "model/matrix4.h"

#include <cmath>

namespace {

bool InRange(int row, int column) {
    return row >= 0 && row < 4 && column >= 0 && column < 4;
}

// Angle conversion of the rotations: the full turn as a single-precision
// constant, the division in double.
double RotationRadians(float degrees) {
    return static_cast<double>(6.2831855f) / (360.0 / degrees);
}

// A rotation matrix whose 2x2 block sits at rows and columns a, b:
// m[a][a] = cos, m[a][b] = sin, m[b][a] = -sin, m[b][b] = cos.
CMatrix4 PlaneRotation(int a, int b, float degrees) {
    const double r = RotationRadians(degrees);
    const float c = static_cast<float>(std::cos(r));
    const float s = static_cast<float>(std::sin(r));
    CMatrix4 t;
    t.Set(a, a, c);
    t.Set(a, b, s);
    t.Set(b, a, -s);
    t.Set(b, b, c);
    return t;
}

} // namespace

void CMatrix4::SetIdentity() {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            m_m[i][j] = i == j ? 1.0f : 0.0f;
}

float CMatrix4::Get(int row, int column) const {
    return InRange(row, column) ? m_m[row][column] : 0.0f;
}

void CMatrix4::Set(int row, int column, float value) {
    if (InRange(row, column))
        m_m[row][column] = value;
}

void CMatrix4::Multiply(CMatrix4& out, const CMatrix4& other) const {
    float result[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += m_m[i][k] * other.m_m[k][j];
            result[i][j] = sum;
        }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out.m_m[i][j] = result[i][j];
}

void CMatrix4::Translate(float x, float y, float z) {
    CMatrix4 t;
    t.m_m[3][0] = x;
    t.m_m[3][1] = y;
    t.m_m[3][2] = z;
    PostMultiply(t);
}

void CMatrix4::Scale(float sx, float sy, float sz) {
    CMatrix4 t;
    t.m_m[0][0] = sx;
    t.m_m[1][1] = sy;
    t.m_m[2][2] = sz;
    PostMultiply(t);
}

void CMatrix4::RotateX(float degrees) {
    if (degrees != 0.0f)
        PostMultiply(PlaneRotation(1, 2, degrees));
}

// About Y the sine sits below the diagonal: m00 = cos, m02 = -sin, m20 = sin.
void CMatrix4::RotateY(float degrees) {
    if (degrees != 0.0f)
        PostMultiply(PlaneRotation(2, 0, degrees));
}

void CMatrix4::RotateZ(float degrees) {
    if (degrees != 0.0f)
        PostMultiply(PlaneRotation(0, 1, degrees));
}
