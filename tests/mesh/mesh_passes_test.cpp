#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "support/mesh_builders.h"
#include "support/model_builders.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace qf::test;

namespace {

const MeshShape kUnitQuad{{F3(0, 0, 0), F3(1, 0, 0), F3(1, 1, 0), F3(0, 1, 0)}, {{0, 1, 2, 3}}};

std::vector<int32_t> Corners(const CMeshFace& face) {
    return {face.vertex.begin(), face.vertex.begin() + face.count};
}

void ExpectPoint(const CFloat3& p, float x, float y, float z, const char* what = "") {
    EXPECT_NEAR(p.x, x, 1e-5f) << what;
    EXPECT_NEAR(p.y, y, 1e-5f) << what;
    EXPECT_NEAR(p.z, z, 1e-5f) << what;
}

// The mesh after Process on a mesh of shape with the settings set by adjust.
template <class Adjust> std::unique_ptr<CPatchMesh> Processed(const MeshShape& shape, Adjust adjust) {
    auto mesh = MakeMesh(shape);
    adjust(*mesh);
    CMeshProcessor(mesh.get()).Process();
    return mesh;
}

} // namespace

TEST(MeshPassesTest, SegmentCountGivesTheNumberOfSubdivisionSteps) {
    // One quad has 4 quads after one step, 16 after two, and so on.
    const struct {
        int segments, quads;
    } cases[] = {{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 16}, {7, 16}, {8, 64}, {16, 256}, {100, 256}};
    for (const auto& c : cases) {
        auto mesh = Processed(kUnitQuad, [&](CPatchMesh& m) {
            m.m_subdivide = 1;
            m.m_subdivisionSegments = c.segments;
        });
        EXPECT_EQ(mesh->m_faces.QuadCount(), c.quads) << c.segments;
        EXPECT_EQ(mesh->m_subdivide, 0);
        EXPECT_EQ(mesh->m_subdivisionSegments, 2);
        EXPECT_EQ(mesh->m_edgesBuilt + mesh->m_vertexEdgesBuilt + mesh->m_vertexFacesBuilt, 3);
    }
    auto untouched = Processed(kUnitQuad, [](CPatchMesh&) {});
    EXPECT_EQ(untouched->m_faces.QuadCount(), 1);
    EXPECT_EQ(untouched->m_edgesBuilt, 0) << "nothing on: nothing rebuilt";
}

TEST(MeshPassesTest, OneSubdivisionStep) {
    CPatchMesh out;
    auto quad = MakeMesh(kUnitQuad);
    CMeshProcessor(&out).Subdivide(*quad);
    EXPECT_EQ(out.m_vertices.GetCount(), 9);
    EXPECT_EQ(out.m_faces.QuadCount(), 4);
    EXPECT_EQ(out.m_edges.GetCount(), 12);
    // A corner has two edges and one face: 0.75 v + 0.25 x the mean of its neighbours.
    ExpectPoint(out.m_vertices[0], 0.125f, 0.125f, 0, "corner");
    ExpectPoint(out.m_vertices[2], 0.875f, 0.875f, 0, "opposite corner");
    ExpectPoint(out.m_vertices[4], 0.5f, 0, 0, "a border edge point is the midpoint");
    ExpectPoint(out.m_vertices[8], 0.5f, 0.5f, 0, "face point");
    EXPECT_EQ(Corners(out.m_faces.m_quads[0]), (std::vector<int32_t>{0, 4, 8, 7}));

    // Where two border faces meet, a point with three edges and two faces
    // keeps 0.93 of itself and takes 0.07 of the mean of its neighbours.
    auto strip = MakeMesh({{F3(0, 0, 0), F3(1, 0, 0), F3(2, 0, 0), F3(0, 1, 0), F3(1, 1, 0), F3(2, 1, 0)},
                           {{0, 1, 4, 3}, {1, 2, 5, 4}}});
    CMeshProcessor(&out).Subdivide(*strip);
    ExpectPoint(out.m_vertices[1], 1.0f, 0.07f / 3.0f, 0, "border point between the two quads");
    ExpectPoint(out.m_vertices[4], 1.0f, 1.0f - 0.07f / 3.0f, 0, "and its partner on the other border");

    auto triangle = MakeMesh({{F3(0, 0, 0), F3(1, 0, 0), F3(0, 1, 0)}, {{0, 1, 2}, {0, 1}}});
    triangle->m_faces.m_triangles[0].material = 5;
    CMeshProcessor(&out).Subdivide(*triangle);
    EXPECT_EQ(out.m_vertices.GetCount(), 7);
    EXPECT_EQ(out.m_faces.QuadCount(), 3);
    EXPECT_EQ(out.m_faces.TriangleCount(), 0);
    EXPECT_EQ(out.m_faces.m_quads[2].material, 5) << "children keep the parent's record";
    ASSERT_EQ(out.m_faces.LineCount(), 2) << "the line is split at its edge point";
    EXPECT_EQ(Corners(out.m_faces.m_lines[1]), (std::vector<int32_t>{3, 1}));
}

TEST(MeshPassesTest, SubdividedPatchMeshStaysClosed) {
    auto box = MakeClosedBox();
    CPatchMesh mesh;
    CMeshConverter().BuildMesh(&mesh, box.get(), 2);
    ASSERT_EQ(CheckClosedSurface(mesh), "");
    mesh.m_subdivide = 1;
    CMeshProcessor(&mesh).Process();
    EXPECT_EQ(mesh.m_faces.QuadCount(), 24 * 4);
    EXPECT_EQ(CheckClosedSurface(mesh), "");
    // Nothing leaves the box, and its corners are rounded off.
    for (int v = 0; v < mesh.m_vertices.GetCount(); ++v) {
        const CFloat3& p = mesh.m_vertices[v];
        const float extent = std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
        EXPECT_LE(extent, 1.0f);
        if (v < 8)
            EXPECT_LT(extent, 0.9f) << "corner " << v;
    }
}

TEST(MeshPassesTest, RevolveSweepsTheLinesRoundTheAxis) {
    auto mesh = Processed({{F3(1, 0, 0), F3(1, 1, 0)}, {{0, 1}}}, [](CPatchMesh& m) {
        m.m_revolve = 1;
        m.m_revolveAxis = 1;
        m.m_revolveSegments = 4;
    });
    EXPECT_EQ(mesh->m_vertices.GetCount(), 8);
    EXPECT_EQ(mesh->m_faces.QuadCount(), 4);
    EXPECT_EQ(mesh->m_faces.LineCount(), 0);
    EXPECT_EQ(mesh->m_revolve, 0);
    // Ring copies of the first point at 90 degree steps about Y.
    ExpectPoint(mesh->m_vertices[2], 0, 0, -1, "90");
    ExpectPoint(mesh->m_vertices[3], -1, 0, 0, "180");
    ExpectPoint(mesh->m_vertices[4], 0, 0, 1, "270");
    EXPECT_EQ(Corners(mesh->m_faces.m_quads[0]), (std::vector<int32_t>{0, 1, 5, 2}));
    EXPECT_EQ(Corners(mesh->m_faces.m_quads[3]), (std::vector<int32_t>{4, 7, 1, 0}))
        << "the last closes the ring";

    auto onAxis = Processed({{F3(0, 2, 0), F3(1, 0, 3)}, {{0, 1}}}, [](CPatchMesh& m) {
        m.m_revolve = 1;
        m.m_revolveSegments = 6;
    });
    for (int j = 1; j < 6; ++j)
        ExpectPoint(onAxis->m_vertices[1 + j], 0, 2, 0, "a point on the axis stays there");
    ExpectPoint(onAxis->m_vertices[1], std::sqrt(10.0f), 0, 0, "moved onto the profile plane");

    for (int segments : {0, 1}) {
        auto none = Processed({{F3(1, 0, 0), F3(1, 1, 0)}, {{0, 1}}}, [&](CPatchMesh& m) {
            m.m_revolve = 1;
            m.m_revolveSegments = segments;
        });
        EXPECT_EQ(none->m_faces.LineCount(), 1) << segments << " segments sweep nothing";
    }
}

TEST(MeshPassesTest, SeparatedMirrorReversesTheCopies) {
    auto mesh = Processed(kUnitQuad, [](CPatchMesh& m) {
        m.m_meshMirrorMode = 1;
        m.m_meshMirrorAxis = {1, 1, 0};
    });
    EXPECT_EQ(mesh->m_vertices.GetCount(), 16);
    EXPECT_EQ(mesh->m_faces.QuadCount(), 4);
    EXPECT_EQ(mesh->m_meshMirrorMode, 0);
    EXPECT_EQ(Corners(mesh->m_faces.m_quads[1]), (std::vector<int32_t>{7, 6, 5, 4}));
    ExpectPoint(mesh->m_vertices[5], -1, 0, 0);
}

TEST(MeshPassesTest, ConnectedMirrorJoinsTheBorderToItsImage) {
    const struct {
        const char* name;
        MeshShape shape;
        int limit;
        float distance;
        int vertices, triangles, quads;
    } cases[] = {
        {"two points on the plane are shared; a triangle at each side with one end on it and a quad at x = 1",
         kUnitQuad, 0, 100, 6, 2, 3},
        {"with the limit at 0.5 no side qualifies", kUnitQuad, 1, 0.5f, 6, 0, 2},
        {"a gap near the plane is closed by one quad",
         {{F3(0.01f, 0, 0), F3(1, 0, 0), F3(1, 1, 0), F3(0.01f, 1, 0)}, {{0, 1, 2, 3}}},
         1,
         0.05f,
         8,
         0,
         3},
        {"without the limit every border side is joined",
         {{F3(0.01f, 0, 0), F3(1, 0, 0), F3(1, 1, 0), F3(0.01f, 1, 0)}, {{0, 1, 2, 3}}},
         0,
         0.05f,
         8,
         0,
         6},
        {"an interior edge is never joined",
         {{F3(0, 0, 0), F3(1, 0, 0), F3(1, 1, 0), F3(0, 1, 0), F3(2, 0, 0), F3(2, 1, 0)},
          {{0, 1, 2, 3}, {1, 4, 5, 2}}},
         1,
         1.5f,
         10,
         2,
         4},
    };
    for (const auto& c : cases) {
        auto mesh = Processed(c.shape, [&](CPatchMesh& m) {
            m.m_meshMirrorMode = 2;
            m.m_mirrorDistanceLimit = c.limit;
            m.m_mirrorDistance = c.distance;
        });
        EXPECT_EQ(mesh->m_vertices.GetCount(), c.vertices) << c.name;
        EXPECT_EQ(mesh->m_faces.TriangleCount(), c.triangles) << c.name;
        EXPECT_EQ(mesh->m_faces.QuadCount(), c.quads) << c.name;
    }

    CPatchMesh out;
    auto quad = MakeMesh(kUnitQuad);
    quad->m_meshMirrorMode = 2;
    CMeshProcessor(&out).Mirror(*quad, 0);
    EXPECT_EQ(Corners(out.m_faces.m_quads[1]), (std::vector<int32_t>{3, 5, 4, 0}))
        << "the image runs the other way round; points on the plane stay themselves";
    EXPECT_EQ(Corners(out.m_faces.m_quads[2]), (std::vector<int32_t>{2, 1, 4, 5}))
        << "the joining quad at x = 1";
    std::set<std::pair<int, int>> joins;
    for (int e = out.m_edges.GetCount() - 2; e < out.m_edges.GetCount(); ++e)
        joins.insert({out.m_edges[e].a, out.m_edges[e].b});
    EXPECT_EQ(joins, (std::set<std::pair<int, int>>{{1, 4}, {2, 5}}));
}

TEST(MeshPassesTest, UnknownMirrorModeCopiesTheInput) {
    auto mesh = Processed(kUnitQuad, [](CPatchMesh& m) { m.m_meshMirrorMode = 7; });
    EXPECT_EQ(mesh->m_faces.QuadCount(), 1) << "the mesh is not emptied";
    EXPECT_EQ(mesh->m_vertices.GetCount(), 4);
    EXPECT_EQ(mesh->m_meshMirrorMode, 0);
}

TEST(MeshPassesTest, TextureCoordinatesTravelWithTheirFaces) {
    const CCornerUVs square{CFloatFlag{0, 0}, CFloatFlag{1, 0}, CFloatFlag{1, 1}, CFloatFlag{0, 1}};
    auto textured = [&] {
        auto mesh = MakeMesh(kUnitQuad);
        mesh->m_faces.m_quadUVs = {square};
        return mesh;
    };
    CPatchMesh out;
    auto quad = textured();
    quad->m_meshMirrorMode = 1;
    CMeshProcessor(&out).Mirror(*quad, 0);
    ASSERT_EQ(out.m_faces.m_quadUVs.size(), 2u);
    EXPECT_EQ(out.m_faces.m_quadUVs[1][0].u, 0.0f) << "the image's first corner is the source's last";
    EXPECT_EQ(out.m_faces.m_quadUVs[1][0].v, 1.0f);

    quad = textured();
    quad->m_meshMirrorMode = 2;
    CMeshProcessor(&out).Mirror(*quad, 0);
    EXPECT_EQ(out.m_faces.m_quadUVs.size(), 3u) << "the joining quad takes the record of the face it joins";
    EXPECT_TRUE(out.m_faces.m_triangleUVs.empty()) << "joining triangles bring none";

    quad = textured();
    CMeshProcessor(&out).Subdivide(*quad);
    ASSERT_EQ(out.m_faces.m_quadUVs.size(), 4u);
    EXPECT_EQ(out.m_faces.m_quadUVs[3][2].u, 1.0f) << "children keep their parent's coordinates";

    auto plain = MakeMesh(kUnitQuad);
    CMeshProcessor(&out).Subdivide(*plain);
    EXPECT_TRUE(out.m_faces.m_quadUVs.empty()) << "a mesh without coordinates gets none";

    CMeshFaceArrays mixed;
    mixed.ReserveMixed(2);
    mixed.m_mixed[0].count = 4;
    mixed.m_mixedUVs = {CCornerUVs{}, square};
    mixed.SortByKind();
    ASSERT_EQ(mixed.m_triangleUVs.size(), 1u);
    EXPECT_EQ(mixed.m_triangleUVs[0][1].u, 1.0f);
    EXPECT_EQ(mixed.m_quadUVs.size(), 1u);
}
