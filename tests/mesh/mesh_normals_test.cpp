#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "support/mesh_builders.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace qf::test;

namespace {

void ExpectNormal(const CFloat3& n, float x, float y, float z, const std::string& what) {
    EXPECT_NEAR(n.x, x, 1e-5f) << what;
    EXPECT_NEAR(n.y, y, 1e-5f) << what;
    EXPECT_NEAR(n.z, z, 1e-5f) << what;
}

float Length(const CFloat3& n) {
    return std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
}

// Two unit quads along the Y axis: one in the XY plane (normal +Z), one
// folded into the YZ plane (normal +X), meeting at 90 degrees.
const MeshShape kFold{{F3(1, 0, 0), F3(0, 0, 0), F3(0, 1, 0), F3(1, 1, 0), F3(0, 0, 1), F3(0, 1, 1)},
                     {{0, 3, 2, 1}, {1, 2, 5, 4}}};

} // namespace

TEST(MeshNormalsTest, TriangleNormalRule) {
    ExpectNormal(MeshTriangleNormal(F3(0, 0, 0), F3(1, 0, 0), F3(0, 1, 0)), 0, 0, 1, "counter-clockwise");
    ExpectNormal(MeshTriangleNormal(F3(0, 0, 0), F3(1, 1, 1), F3(2, 2, 2)), 0, 0, 0, "collinear");
}

TEST(MeshNormalsTest, CornerNormalsAverageWithinTheCreaseAngle) {
    const struct {
        const char* name;
        float crease;
        float foldX, foldZ; // corner normal of the first quad on the fold
    } cases[] = {
        {"89.5 keeps the fold sharp", 89.5f, 0, 1},
        {"91 averages across it", 91.0f, 0.5f, 0.5f},
        {"0 averages only equal normals", 0.0f, 0, 1},
    };
    for (const auto& c : cases) {
        auto mesh = MakeMesh(kFold);
        mesh->m_creaseAngle = c.crease;
        CMeshProcessor(mesh.get()).ComputeCornerNormals();
        const auto& normals = mesh->m_faces.m_quadCornerNormals;
        ASSERT_EQ(normals.size(), 8u);
        ExpectNormal(mesh->m_faces.m_quadNormals[1], 1, 0, 0, "face normal of the folded quad");
        ExpectNormal(normals[3], c.foldX, 0, c.foldZ, c.name); // quad 0, corner 3: vertex 1 on the fold
        ExpectNormal(normals[0], 0, 0, 1, "away from the fold");
    }
    auto mesh = MakeMesh(kFold);
    mesh->m_creaseAngle = 91.0f;
    CMeshProcessor(mesh.get()).ComputeCornerNormals();
    EXPECT_NEAR(Length(mesh->m_faces.m_quadCornerNormals[3]), 0.7071f, 1e-4f) << "averages are not rescaled";
}

TEST(MeshNormalsTest, DegenerateAndWarpedFaces) {
    // A degenerate triangle (normal zero) at vertex 0 beside two quads.
    auto mesh = MakeMesh(
        {{F3(0, 0, 0), F3(1, 0, 0), F3(1, 1, 0), F3(0, 1, 0), F3(-1, 0, 0), F3(2, 0, 0), F3(0, 0, 1)},
         {{0, 5, 0}, {0, 1, 2, 3}, {0, 3, 4, 6}}});
    mesh->m_creaseAngle = 10.0f;
    CMeshProcessor(mesh.get()).ComputeCornerNormals();
    ExpectNormal(mesh->m_faces.m_triangleNormals[0], 0, 0, 0, "degenerate");
    const CFloat3 q0 = mesh->m_faces.m_quadNormals[0];
    const CFloat3 q1 = mesh->m_faces.m_quadNormals[1];
    const CFloat3 expected{(q0.x + q1.x) / 3, (q0.y + q1.y) / 3, (q0.z + q1.z) / 3};
    ExpectNormal(mesh->m_faces.m_triangleCornerNormals[0], expected.x, expected.y, expected.z,
                 "a zero normal is within any angle of its neighbours");

    auto warped = MakeMesh({{F3(0, 0, 0), F3(1, 0, 0), F3(1, 1, 0), F3(0, 1, 5)}, {{0, 1, 2, 3}}});
    CMeshProcessor(warped.get()).ComputeFaceNormals();
    ExpectNormal(warped->m_faces.m_quadNormals[0], 0, 0, 1, "from the first three corners only");
}

TEST(MeshNormalsTest, FlatGridAndBoxCorners) {
    auto grid = MakeFlatQuadGrid(3);
    CPatchMesh flat;
    CMeshConverter().BuildMesh(&flat, grid.get(), 4);
    CMeshProcessor(&flat).ComputeCornerNormals();
    const CFloat3 n = flat.m_faces.m_quadNormals[0];
    EXPECT_NEAR(std::fabs(n.y), 1.0f, 1e-6f);
    for (const CFloat3& c : flat.m_faces.m_quadCornerNormals)
        ExpectNormal(c, n.x, n.y, n.z, "every corner of a flat grid");

    // On a box the crease angle decides whether its edges stay sharp.
    for (float crease : {89.5f, 91.0f}) {
        auto box = MakeClosedBox();
        CPatchMesh mesh;
        CMeshConverter().BuildMesh(&mesh, box.get(), 4);
        mesh.m_creaseAngle = crease;
        CMeshProcessor(&mesh).ComputeCornerNormals();
        int sharp = 0, averaged = 0;
        for (int q = 0; q < mesh.m_faces.QuadCount(); ++q)
            for (int k = 0; k < 4; ++k) {
                const CFloat3& c = mesh.m_faces.m_quadCornerNormals[4 * q + k];
                const CFloat3& f = mesh.m_faces.m_quadNormals[q];
                const bool same = std::fabs(c.x - f.x) + std::fabs(c.y - f.y) + std::fabs(c.z - f.z) < 1e-5f;
                (same ? sharp : averaged) += 1;
            }
        // 96 quads; the corners on the 12 box edges (excluding the 8 box
        // corners) belong to 2 x 12 x 3 x 2 quad corners, the box corners to
        // 8 x 3.
        if (crease < 90.0f) {
            EXPECT_EQ(averaged, 0) << "at 89.5 every corner keeps its face normal";
        } else {
            EXPECT_EQ(averaged, 12 * 3 * 2 * 2 + 8 * 3)
                << "at 91 every corner on an edge of the box is averaged";
            EXPECT_EQ(sharp, 96 * 4 - averaged);
        }
    }
}
