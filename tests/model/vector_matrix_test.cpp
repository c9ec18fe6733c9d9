#include "model/matrix4.h"
#include "model/vector3.h"
#include "support/model_builders.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

using qf::test::ExpectVectorNear;

TEST(VectorTest, ProductsAndDegenerateNormals) {
    const CVector3 a(1, 2, 3), b(4, -5, 6);
    EXPECT_DOUBLE_EQ(DotProduct(a, b), 12);
    ExpectVectorNear(CrossProduct(a, b), CVector3(27, 6, -13));
    // (q - r) x (q - p): counter-clockwise seen from +Z gives +Z.
    ExpectVectorNear(TriangleNormal(CVector3(0, 0, 0), CVector3(1, 0, 0), CVector3(0, 1, 0)),
                     CVector3(0, 0, 1));
    ExpectVectorNear(TriangleNormal(CVector3(0, 0, 0), CVector3(1, 1, 1), CVector3(2, 2, 2)), CVector3(),
                     "collinear");
    CVector3 zero;
    EXPECT_TRUE(zero.Normalize() == CVector3()) << "no NaN from a zero vector";
    ExpectVectorNear(CVector3(0, 3, 4).Normalize(), CVector3(0, 0.6f, 0.8f));
}

TEST(VectorTest, ElevationAndAzimuthQuadrants) {
    struct Case {
        const char* name;
        CVector3 v;
        float elevation, azimuth;
    };
    const Case cases[] = {
        {"straight up", {0, 5, 0}, -90, 0},        {"straight down", {0, -5, 0}, 90, 0},
        {"level", {3, 0, 4}, 0, 36.869898f},       {"up at 45 degrees", {1, 1, 0}, -45, 90},
        {"down at 45 degrees", {0, -1, 1}, 45, 0}, {"minus X", {-1, 0, 0}, 0, 270},
        {"minus Z", {0, 0, -1}, 0, 180},           {"zero", {0, 0, 0}, 0, 0},
        {"both negative", {-1, 0, -1}, 0, -135},   {"second quadrant", {1, 2, -1}, -54.735610f, 135},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.v.GetElevation(), c.elevation, 1e-4) << c.name;
        EXPECT_NEAR(c.v.GetAzimuth(), c.azimuth, 1e-4) << c.name;
    }
}

TEST(VectorTest, DirectionAnglesTurnXOntoTheDirection) {
    const CVector3 directions[] = {{1, 0, 0},  {-1, 0, 0},  {0, 1, 0},     {0, -1, 0},  {0, 0, 1},
                                   {0, 0, -1}, {1, 1, 1},   {-1, 2, 0.5f}, {-1, -2, 3}, {2, -1, -3},
                                   {0, 3, -4}, {-3, 0, -4}, {1, -1, 0}};
    for (const CVector3& dir : directions) {
        const CVector3 angles = CVector3::GetDirectionAngles(dir);
        for (float a : {angles.GetX(), angles.GetY(), angles.GetZ()}) {
            EXPECT_GE(a, 0.0f);
            EXPECT_LT(a, 360.0f);
        }
        CMatrix4 m;
        m.RotateY(angles.GetY());
        m.RotateZ(angles.GetZ());
        ExpectVectorNear(TransformPoint(CVector3(1, 0, 0), m), CVector3(dir).Normalize(), "", 1e-4f);
    }
    const CVector3 minusX = CVector3::GetDirectionAngles(CVector3(-1, 0, 0));
    EXPECT_EQ(minusX.GetZ(), 0.0f) << "y == 0 gives no turn about Z, even for negative x";
    EXPECT_FLOAT_EQ(minusX.GetY(), 180.0f);
    ExpectVectorNear(CVector3::GetDirectionAngles(CVector3(0, -1, 0)), CVector3(180, 0, 270),
                     "straight down");
}

TEST(MatrixTest, RowVectorChainsPostMultiply) {
    struct Case {
        const char* name;
        void (*build)(CMatrix4&);
        CVector3 from, to;
    };
    const Case cases[] = {
        // (1,0,0) moved to (2,2,3), then a quarter turn about Z.
        {"translate then rotate",
         [](CMatrix4& m) { m.Translate(1, 2, 3), m.RotateZ(90); },
         {1, 0, 0},
         {-2, 2, 3}},
        {"rotate then translate",
         [](CMatrix4& m) { m.RotateZ(90), m.Translate(1, 2, 3); },
         {1, 0, 0},
         {1, 3, 3}},
        {"scale, turn about X, move",
         [](CMatrix4& m) { m.Scale(2, 3, 4), m.RotateX(90), m.TranslateBy(CVector3(0, 0, 10)); },
         {1, 1, 1},
         {2, -4, 13}},
        {"X turns Y to Z", [](CMatrix4& m) { m.RotateX(90); }, {0, 1, 0}, {0, 0, 1}},
        {"Y turns X to -Z", [](CMatrix4& m) { m.RotateY(90); }, {1, 0, 0}, {0, 0, -1}},
        {"Y turns Z to X", [](CMatrix4& m) { m.RotateY(90); }, {0, 0, 1}, {1, 0, 0}},
        {"the origin lands on the translation", [](CMatrix4& m) { m.Translate(7, -8, 9); }, {}, {7, -8, 9}},
    };
    for (const Case& c : cases) {
        CMatrix4 m;
        c.build(m);
        ExpectVectorNear(TransformPoint(c.from, m), c.to, c.name);
    }
    CMatrix4 a, b, expected;
    a.Translate(1, 2, 3);
    b.RotateZ(45);
    a.Multiply(expected, b);
    a.Multiply(a, b);
    EXPECT_EQ(a.Get(3, 0), expected.Get(3, 0)) << "multiplying into itself";
    EXPECT_EQ(a.Get(4, 0), 0.0f) << "an index outside the matrix";
}

TEST(MatrixTest, RotationAngleConversion) {
    // The full turn is the float 6.2831855, so a quarter turn leaves the
    // cosine at -4.37e-8 rather than the exact double's 6e-17.
    CMatrix4 quarter;
    quarter.RotateZ(90);
    EXPECT_FLOAT_EQ(quarter.Get(0, 0), -4.371139e-08f);
    EXPECT_FLOAT_EQ(quarter.Get(1, 0), -1.0f);
    CMatrix4 thirty;
    thirty.RotateX(30);
    EXPECT_NEAR(thirty.Get(1, 1), std::sqrt(3.0) / 2, 1e-7);
    EXPECT_NEAR(thirty.Get(2, 1), -0.5, 1e-7);

    CMatrix4 m;
    m.Translate(1.5f, 2.5f, 3.5f);
    m.RotateX(33);
    CMatrix4 same = m;
    same.RotateY(0);
    same.RotateZ(0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const float x = m.Get(r, c), y = same.Get(r, c);
            EXPECT_EQ(std::memcmp(&x, &y, sizeof x), 0) << "a zero angle leaves the matrix bit-identical";
        }
}
