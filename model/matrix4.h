#pragma once
// 4x4 float matrix in the row-vector convention: a point is a row vector on
// the left (p' = p * M), translation lives in row 3, and every compound
// operation post-multiplies (this = this * T). Rotations take degrees.
#include "model/vector3.h"

class CMatrix4 {
public:
    CMatrix4() { SetIdentity(); }

    CMatrix4& Copy(const CMatrix4& m) { return *this = m; }
    void SetIdentity();

    // Element at row, column (0..3); 0 for an index outside the matrix.
    float Get(int row, int column) const;
    // Does nothing for an index outside the matrix.
    void Set(int row, int column, float value);

    // out = this * other; out may be this or other.
    void Multiply(CMatrix4& out, const CMatrix4& other) const;

    void Translate(float x, float y, float z);
    void TranslateBy(const CVector3& v) { Translate(v.GetX(), v.GetY(), v.GetZ()); }
    void Scale(float sx, float sy, float sz);
    // An angle of exactly 0 leaves the matrix bit-identical.
    void RotateX(float degrees);
    void RotateY(float degrees);
    void RotateZ(float degrees);

private:
    void PostMultiply(const CMatrix4& t) { Multiply(*this, t); }

    float m_m[4][4];
};
