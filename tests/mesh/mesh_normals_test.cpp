#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "mesh/patch_surface_draw.h"
#include "mesh/polygon_obj.h"
#include "support/mesh_builders.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

namespace {

// The corner normal rule written out corner by corner, as a reference for
// the vertex-by-vertex computation: own normal first, then every other face
// at the vertex within the crease angle (angle from AngleBetween, 0 for a
// zero normal), triangles before quads, each in list order.
CFloat3 ReferenceCorner(const CPatchMesh& mesh, bool quad, size_t face, int32_t v) {
    const auto& f = mesh.m_faces;
    const CFloat3 own = quad ? f.m_quadNormals[face] : f.m_triangleNormals[face];
    if (v < 0 || v >= mesh.m_vertices.GetCount())
        return own;
    float x = own.x, y = own.y, z = own.z;
    int count = 1;
    auto gather = [&](const CMeshIncidence& links, const CNormalArray& normals, bool ofQuads) {
        for (int32_t g : links.Of(v)) {
            if (ofQuads == quad && static_cast<size_t>(g) == face)
                continue;
            const double degrees = AngleBetween(ToVector(own), ToVector(normals[g])) / 3.1415927 * 180.0;
            if (degrees <= mesh.m_creaseAngle) {
                x += normals[g].x;
                y += normals[g].y;
                z += normals[g].z;
                ++count;
            }
        }
    };
    gather(mesh.m_vertices.m_triangleLinks, f.m_triangleNormals, false);
    gather(mesh.m_vertices.m_quadLinks, f.m_quadNormals, true);
    if (x == 0.0f && y == 0.0f && z == 0.0f)
        return own;
    const auto c = static_cast<float>(count);
    return CFloat3{x / c, y / c, z / c};
}

void ExpectReferenceCorners(const CPatchMesh& mesh, const std::string& what) {
    const auto& f = mesh.m_faces;
    for (size_t t = 0; t < f.m_triangles.size(); ++t)
        for (int k = 0; k < 3; ++k) {
            const CFloat3 expected = ReferenceCorner(mesh, false, t, f.m_triangles[t].vertex[k]);
            const CFloat3& actual = f.m_triangleCornerNormals[3 * t + k];
            ASSERT_TRUE(actual.x == expected.x && actual.y == expected.y && actual.z == expected.z)
                << what << ": triangle " << t << " corner " << k;
        }
    for (size_t q = 0; q < f.m_quads.size(); ++q)
        for (int k = 0; k < 4; ++k) {
            const CFloat3 expected = ReferenceCorner(mesh, true, q, f.m_quads[q].vertex[k]);
            const CFloat3& actual = f.m_quadCornerNormals[4 * q + k];
            ASSERT_TRUE(actual.x == expected.x && actual.y == expected.y && actual.z == expected.z)
                << what << ": quad " << q << " corner " << k;
        }
}

// The face normal from the vector arithmetic: (p1 - p2) x (p1 - p0), unit
// or zero; a face with a corner outside the mesh among its first three has
// no normal to take and gets zero.
CFloat3 ReferenceFaceNormal(const CPatchMesh& mesh, const CMeshFace& face) {
    const int n = mesh.m_vertices.GetCount();
    for (int k = 0; k < 3; ++k)
        if (face.vertex[k] < 0 || face.vertex[k] >= n)
            return CFloat3{0.0f, 0.0f, 0.0f};
    const CVector3 p0 = ToVector(mesh.m_vertices[face.vertex[0]]);
    const CVector3 p1 = ToVector(mesh.m_vertices[face.vertex[1]]);
    const CVector3 p2 = ToVector(mesh.m_vertices[face.vertex[2]]);
    CVector3 normal = CrossProduct(p1 - p2, p1 - p0);
    normal.Normalize();
    return CFloat3{normal.GetX(), normal.GetY(), normal.GetZ()};
}

// Face and corner normals to the bit, and the vertex face lists left as a
// fresh build makes them.
void ExpectReferenceNormals(const CPatchMesh& mesh, const std::string& what, bool freshLists = true) {
    const auto& f = mesh.m_faces;
    auto same = [](const CFloat3& a, const CFloat3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; };
    ASSERT_EQ(f.m_triangleNormals.size(), f.m_triangles.size()) << what;
    ASSERT_EQ(f.m_quadNormals.size(), f.m_quads.size()) << what;
    for (size_t t = 0; t < f.m_triangles.size(); ++t)
        ASSERT_TRUE(same(f.m_triangleNormals[t], ReferenceFaceNormal(mesh, f.m_triangles[t])))
            << what << ": triangle " << t;
    for (size_t q = 0; q < f.m_quads.size(); ++q)
        ASSERT_TRUE(same(f.m_quadNormals[q], ReferenceFaceNormal(mesh, f.m_quads[q])))
            << what << ": quad " << q;
    ASSERT_EQ(mesh.m_vertexFacesBuilt, 1) << what;
    if (!freshLists) {
        ExpectReferenceCorners(mesh, what);
        return;
    }
    CPatchMesh fresh;
    fresh.m_vertices.m_positions = mesh.m_vertices.m_positions;
    fresh.m_faces = f;
    CMeshProcessor(&fresh).BuildVertexFaceLists();
    for (auto lists : {&CMeshVertexArray::m_lineLinks, &CMeshVertexArray::m_triangleLinks,
                       &CMeshVertexArray::m_quadLinks}) {
        EXPECT_EQ((mesh.m_vertices.*lists).offsets, (fresh.m_vertices.*lists).offsets) << what;
        EXPECT_EQ((mesh.m_vertices.*lists).items, (fresh.m_vertices.*lists).items) << what;
    }
    ExpectReferenceCorners(mesh, what);
}

} // namespace

// Every corner normal to the last bit, on meshes made to sit on the crease
// limit: folds of exactly 90 degrees, faces a hair off parallel, a zero
// normal, a face naming a vertex twice and a fan of more faces than usual.
TEST(MeshNormalsTest, CornerNormalsMatchTheRuleToTheBit) {
    MeshShape shape;
    auto add = [&](float x, float y, float z) {
        shape.positions.push_back(F3(x, y, z));
        return static_cast<int32_t>(shape.positions.size() - 1);
    };
    // A box's six sides: 90-degree folds everywhere.
    std::vector<int32_t> box;
    for (int i = 0; i < 8; ++i)
        box.push_back(add(i & 1 ? 1.0f : -1.0f, i & 2 ? 1.0f : -1.0f, i & 4 ? 1.0f : -1.0f));
    for (const auto& q : std::vector<std::vector<int>>{
             {0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}})
        shape.faces.push_back({box[q[0]], box[q[1]], box[q[2]], box[q[3]]});
    // A fan of twelve triangles round a raised centre, one of them nearly
    // flat against its neighbour, and a strip of quads a hair off parallel.
    const int32_t centre = add(5, 0.3f, 0);
    std::vector<int32_t> rim;
    for (int i = 0; i < 12; ++i)
        rim.push_back(add(5 + std::cos(i * 0.5236f), 0.0f, std::sin(i * 0.5236f)));
    for (int i = 0; i < 12; ++i)
        shape.faces.push_back({centre, rim[(i + 1) % 12], rim[i]});
    int32_t a = add(10, 0, 0), b = add(10, 0, 1);
    for (int i = 1; i <= 4; ++i) {
        const int32_t c = add(10 + i, 1e-7f * i, 1), d = add(10 + i, 0, 0);
        shape.faces.push_back({a, b, c, d});
        a = d;
        b = c;
    }
    // Quads folded against a flat one by a hair less, exactly and a hair more
    // than 30 degrees, tested against creases a hair either side.
    for (int i = 0; i < 5; ++i) {
        const double fold = (30.0 + (i - 2) * 2e-6) * 3.14159265358979 / 180.0;
        const float x0 = 20.0f + 3.0f * i;
        const int32_t p = add(x0 - 1, 0, 0), q = add(x0, 0, 0), r = add(x0, 1, 0), s = add(x0 - 1, 1, 0);
        const auto c = static_cast<float>(std::cos(fold)), sn = static_cast<float>(std::sin(fold));
        const int32_t t = add(x0 + c, 0, sn), u = add(x0 + c, 1, sn);
        shape.faces.push_back({p, q, r, s});
        shape.faces.push_back({q, t, u, r});
    }
    // A zero-area triangle and a quad that names one vertex twice.
    shape.faces.push_back({rim[0], rim[0], rim[1]});
    shape.faces.push_back({rim[3], rim[4], rim[4], centre});

    // Faces so small that their normals lose bits to underflow (not of unit
    // length), beside full-sized ones round the same vertex.
    const int32_t o = add(0, 0, 0), ox = add(1, 0, 0), oz = add(0, 0, 1);
    const int32_t t1 = add(3e-22f, 1e-22f, 0), t2 = add(0, 2e-22f, 1.5e-22f), t3 = add(-2e-22f, 0, 5e-22f);
    shape.faces.push_back({o, oz, ox});
    shape.faces.push_back({o, t1, t2});
    shape.faces.push_back({o, t2, t3});
    shape.faces.push_back({ox, o, oz, t3});
    // Corners naming no vertex of the mesh: the last one, or one of the
    // three a face normal is taken from (which leaves it zero).
    shape.faces.push_back({o, ox, oz, 100000});
    shape.faces.push_back({oz, ox, o, -7});
    shape.faces.push_back({ox, 100000, oz});
    shape.faces.push_back({-1, o, ox, oz});

    // A fan of more faces than a vertex usually has, every other one raised.
    const int32_t hub = add(40, 0, 0);
    std::vector<int32_t> ring;
    for (int i = 0; i < 70; ++i)
        ring.push_back(add(40 + std::cos(i * 0.0898f), i % 2 ? 0.2f : 0.0f, std::sin(i * 0.0898f)));
    for (int i = 0; i < 70; ++i)
        shape.faces.push_back({hub, ring[(i + 1) % 70], ring[i]});

    // Lists as the faces give them, built beforehand, or built beforehand
    // and then reordered (which the sums follow).
    enum class Lists { none, built, reordered };
    for (float crease :
         {89.5f, 90.0f, 90.00001f, 0.0f, 30.0f, 29.999998f, 30.000002f, 180.0f, 200.0f, -1.0f}) {
        for (Lists lists : {Lists::none, Lists::built, Lists::reordered}) {
            auto mesh = MakeMesh(shape);
            mesh->m_creaseAngle = crease;
            CMeshProcessor processor(mesh.get());
            if (lists != Lists::none)
                processor.BuildVertexFaceLists();
            if (lists == Lists::reordered)
                for (CMeshIncidence* incidence :
                     {&mesh->m_vertices.m_triangleLinks, &mesh->m_vertices.m_quadLinks})
                    for (size_t v = 0; v + 1 < incidence->offsets.size(); ++v)
                        std::reverse(incidence->items.begin() + incidence->offsets[v],
                                     incidence->items.begin() + incidence->offsets[v + 1]);
            processor.ComputeCornerNormals();
            ExpectReferenceNormals(
                *mesh, "crease " + std::to_string(crease) + " lists " + std::to_string(int(lists)),
                lists != Lists::reordered);
        }
    }
}

// A polygonized patch grid as the panes build it, swelled and pinched so
// that some of its corners lie across the crease and most do not.
TEST(MeshNormalsTest, DisplayMeshCornerNormalsMatchTheRule) {
    auto obj = MakeFlatQuadGrid(4);
    int i = 0;
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(i++ % 7 == 3 ? 0.8f : 0.05f * v->GetX() * v->GetZ());
    obj->UpdateCurveHandles();
    for (int resolution : {4, 6}) {
        for (float crease : {89.5f, 20.0f, 5.0f}) {
            CPatchMesh mesh;
            CMeshConverter().BuildMesh(&mesh, obj.get(), resolution);
            mesh.m_creaseAngle = crease;
            CMeshProcessor processor(&mesh);
            processor.Process();
            processor.ComputeCornerNormals();
            ASSERT_EQ(mesh.m_faces.QuadCount(), 16 * resolution * resolution);
            const std::string what =
                "resolution " + std::to_string(resolution) + ", crease " + std::to_string(crease);
            ExpectReferenceNormals(mesh, what);
            int averaged = 0;
            for (size_t c = 0; c < mesh.m_faces.m_quadCornerNormals.size(); ++c) {
                const CFloat3& corner = mesh.m_faces.m_quadCornerNormals[c];
                const CFloat3& face = mesh.m_faces.m_quadNormals[c / 4];
                averaged += corner.x != face.x || corner.y != face.y || corner.z != face.z ? 1 : 0;
            }
            EXPECT_GT(averaged, 0) << what;
            if (crease < 10.0f) {
                EXPECT_LT(averaged, mesh.m_faces.QuadCount() * 4) << what << ": some corners stay sharp";
            }
        }
    }
}

// A display mesh of tens of thousands of points, which is walked in runs
// side by side, gives every corner the normal the rule gives it.
TEST(MeshNormalsTest, LargeMeshesWalkedInRunsMatchTheRule) {
    auto obj = MakeFlatQuadGrid(48);
    int i = 0;
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(i++ % 11 == 5 ? 0.9f : 0.002f * v->GetX() * v->GetZ());
    obj->UpdateCurveHandles();
    CPatchMesh mesh;
    CMeshConverter().BuildMesh(&mesh, obj.get(), 4);
    ASSERT_GT(mesh.m_vertices.GetCount(), 2 * 16384);
    mesh.m_creaseAngle = 20.0f;
    CMeshProcessor processor(&mesh);
    processor.Process();
    processor.ComputeCornerNormals();
    ExpectReferenceNormals(mesh, "48 x 48 patches at resolution 4");
}

// A display mesh built into arrays that held another mesh (lines,
// triangles, a finer grid, normals, lists) is the one a fresh build makes,
// whether the pane rebuilds it after an edit or a caller builds it anew.
TEST(MeshNormalsTest, DisplayMeshRebuiltIntoKeptArraysIsAFreshOne) {
    auto obj = MakeFlatQuadGrid(3);
    int i = 0;
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(i++ % 5 == 2 ? 0.7f : 0.1f * v->GetX());
    obj->UpdateCurveHandles();
    obj->SetPolygonize(1);
    obj->SetSmoothOn(1);
    obj->SetSmoothAngle(30.0f);
    obj->SetDivision(4);
    CPatchMesh fresh;
    BuildDisplayMesh(fresh, *obj);
    auto expectFresh = [&](const CPatchMesh& mesh, const std::string& what) {
        ExpectReferenceNormals(mesh, what);
        auto same = [](const CNormalArray& a, const CNormalArray& b) {
            return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto& p, auto& q) {
                       return p.x == q.x && p.y == q.y && p.z == q.z;
                   });
        };
        EXPECT_TRUE(same(mesh.m_faces.m_quadCornerNormals, fresh.m_faces.m_quadCornerNormals)) << what;
        EXPECT_EQ(mesh.m_vertices.GetCount(), fresh.m_vertices.GetCount()) << what;
        EXPECT_EQ(mesh.m_faces.LineCount() + mesh.m_faces.TriangleCount(), 0) << what;
        EXPECT_EQ(mesh.m_edges.GetCount(), fresh.m_edges.GetCount()) << what;
        EXPECT_TRUE(mesh.m_vertices.m_edgeLinks.offsets.empty()) << what;
    };

    auto kept = MakeMesh({{F3(0, 0, 0), F3(1, 0, 0), F3(1, 1, 0), F3(0, 1, 0), F3(2, 0, 0)},
                          {{0, 1}, {1, 4, 2}, {0, 1, 2, 3}}});
    CMeshProcessor(kept.get()).BuildAdjacency();
    CMeshProcessor(kept.get()).ComputeCornerNormals();
    BuildDisplayMesh(*kept, *obj);
    expectFresh(*kept, "built over a small mixed mesh");

    obj->SetDivision(8);
    GetDisplayMesh(*obj);
    obj->SetDivision(4);
    obj->InvalidateMesh(); // the dropped finer mesh's arrays are rebuilt into
    const CPatchMesh* rebuilt = GetDisplayMesh(*obj);
    ASSERT_NE(rebuilt, nullptr);
    expectFresh(*rebuilt, "rebuilt after an edit");
}
