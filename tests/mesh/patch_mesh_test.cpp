#include "mesh/mesh_processor.h"
#include "mesh/patch_mesh.h"
#include "support/mesh_builders.h"

#include <gtest/gtest.h>
#include <vector>

using namespace qf::test;

namespace {

std::vector<std::pair<int, int>> EdgesOf(const CPatchMesh& mesh) {
    std::vector<std::pair<int, int>> edges;
    for (const CMeshEdge& e : mesh.m_edges.m_edges)
        edges.emplace_back(e.a, e.b);
    return edges;
}

std::vector<int32_t> List(std::span<const int32_t> items) {
    return {items.begin(), items.end()};
}

const MeshShape kQuadBesideTriangle{{F3(0, 0, 0), F3(1, 0, 0), F3(1, 1, 0), F3(0, 1, 0), F3(2, 0, 0)},
                                    {{0, 1, 2, 3}, {2, 1, 4}}};

} // namespace

TEST(PatchMeshTest, EdgeTableOrderAndDirection) {
    const struct {
        const char* name;
        MeshShape shape;
        std::vector<std::pair<int, int>> edges;
    } cases[] = {
        {"triangles before quads; a shared side keeps the triangle's direction",
         kQuadBesideTriangle,
         {{2, 1}, {1, 4}, {4, 2}, {0, 1}, {2, 3}, {3, 0}}},
        {"lines first, in their own direction",
         {{F3(0, 0, 0), F3(1, 0, 0), F3(0, 1, 0)}, {{0, 1, 2}, {1, 0}}},
         {{1, 0}, {1, 2}, {2, 0}}},
        {"a line from a vertex to itself has no edge",
         {{F3(0, 0, 0), F3(1, 0, 0)}, {{1, 1}, {0, 1}}},
         {{0, 1}}},
        {"one vertex gives no edges", {{F3(0, 0, 0)}, {{0, 0}}}, {}},
    };
    for (const auto& c : cases) {
        auto mesh = MakeMesh(c.shape);
        mesh->m_vertexFacesBuilt = 1;
        CMeshProcessor(mesh.get()).BuildEdges();
        EXPECT_EQ(EdgesOf(*mesh), c.edges) << c.name;
        EXPECT_EQ(mesh->m_edgesBuilt, 1) << c.name;
        EXPECT_EQ(mesh->m_vertexFacesBuilt, 0) << c.name << ": the lists no longer match";
    }
}

TEST(PatchMeshTest, IncidenceListsFollowEdgeAndFaceOrder) {
    auto mesh = MakeMesh(kQuadBesideTriangle);
    CMeshProcessor(mesh.get()).BuildAdjacency();
    EXPECT_EQ(mesh->m_vertexEdgesBuilt + mesh->m_vertexFacesBuilt + mesh->m_edgesBuilt, 3);
    const CMeshVertexLinks at1 = mesh->m_vertices.GetLinks(1);
    EXPECT_EQ(List(at1.edges), (std::vector<int32_t>{0, 1, 3}));
    EXPECT_EQ(List(at1.triangles), (std::vector<int32_t>{0}));
    EXPECT_EQ(List(at1.quads), (std::vector<int32_t>{0}));
    EXPECT_TRUE(mesh->m_vertices.GetLinks(4).quads.empty());
    EXPECT_TRUE(mesh->m_vertices.GetLinks(99).edges.empty()) << "no vertex, no links";

    auto twice = MakeMesh({{F3(0, 0, 0), F3(1, 0, 0), F3(1, 1, 0)}, {{0, 1, 0, 2}}});
    CMeshProcessor(twice.get()).BuildVertexFaceLists();
    EXPECT_EQ(List(twice->m_vertices.GetLinks(0).quads), (std::vector<int32_t>{0, 0}))
        << "a face naming a vertex twice is listed twice";
}

TEST(PatchMeshTest, CopyBuildsWhatTheSourceLacks) {
    auto source = MakeMesh(kQuadBesideTriangle);
    source->m_faces.m_quads[0].material = 3;
    source->m_creaseAngle = 12.0f;
    CPatchMesh copy;
    CMeshProcessor(&copy).CopyMeshFrom(*source);
    EXPECT_EQ(source->m_edgesBuilt, 1) << "the source's edges are built for the copy";
    EXPECT_EQ(copy.m_edgesBuilt + copy.m_vertexEdgesBuilt + copy.m_vertexFacesBuilt, 3);
    EXPECT_EQ(copy.m_edges.GetCount(), 6);
    EXPECT_EQ(copy.m_faces.m_quads[0].material, 3);
    EXPECT_EQ(copy.m_creaseAngle, 89.5f) << "settings are not geometry";
    CMeshProcessor(&copy).CopySettings(*source);
    EXPECT_EQ(copy.m_creaseAngle, 12.0f);

    CMeshProcessor(&copy).ClearMesh();
    EXPECT_EQ(copy.m_vertices.GetCount() + copy.m_edges.GetCount() + copy.m_faces.QuadCount(), 0);
    EXPECT_EQ(copy.m_edgesBuilt + copy.m_vertexEdgesBuilt + copy.m_vertexFacesBuilt, 0);
    CMeshProcessor().ClearMesh(); // no target: nothing
}

TEST(PatchMeshTest, MixedFacesAreSortedByKind) {
    CMeshFaceArrays faces;
    faces.ReserveMixed(4);
    const int counts[] = {4, 3, 2, 5};
    for (int i = 0; i < 4; ++i) {
        faces.m_mixed[i].count = counts[i];
        faces.m_mixed[i].material = i;
    }
    faces.SortByKind();
    EXPECT_TRUE(faces.m_mixed.empty());
    ASSERT_EQ(faces.QuadCount() + faces.TriangleCount() + faces.LineCount(), 3) << "five corners are dropped";
    EXPECT_EQ(faces.m_quads[0].material, 0);
    EXPECT_EQ(faces.m_triangles[0].material, 1);
    EXPECT_EQ(faces.m_lines[0].material, 2);
    faces.ReserveQuads(-2);
    EXPECT_EQ(faces.QuadCount(), 0);
}

TEST(PatchMeshTest, NeedsProcessing) {
    auto lines = MakeMesh({{F3(1, 0, 0), F3(1, 1, 0)}, {{0, 1}}});
    auto quad = MakeMesh(kQuadBesideTriangle);
    lines->m_revolve = 1;
    EXPECT_EQ(lines->NeedsProcessing(), 1);
    quad->m_revolve = 1;
    EXPECT_EQ(quad->NeedsProcessing(), 0) << "revolve without line faces";
    quad->m_meshMirrorMode = 2;
    quad->m_meshMirrorAxis = {0, 0, 0};
    EXPECT_EQ(quad->NeedsProcessing(), 0) << "mirror without an axis";
    quad->m_meshMirrorAxis[2] = 1;
    EXPECT_EQ(quad->NeedsProcessing(), 1);
    lines->m_revolve = 0;
    lines->m_subdivide = 1;
    EXPECT_EQ(lines->NeedsProcessing(), 0) << "nothing to subdivide";
}
