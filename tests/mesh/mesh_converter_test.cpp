#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "support/mesh_builders.h"
#include "support/model_builders.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

using namespace qf::test;

namespace {

std::unique_ptr<CPatchMesh> Built(CSpatchObj& obj, int resolution) {
    auto mesh = std::make_unique<CPatchMesh>();
    CMeshConverter().BuildMesh(mesh.get(), &obj, resolution);
    return mesh;
}

int DistinctPositions(const CPatchMesh& mesh) {
    std::set<std::tuple<float, float, float>> positions;
    for (const CFloat3& p : mesh.m_vertices.m_positions)
        positions.insert({p.x, p.y, p.z});
    return static_cast<int>(positions.size());
}

// One triangle: three points, three straight curves.
std::unique_ptr<CSpatchObj> MakeTriangle() {
    auto obj = std::make_unique<CSpatchObj>();
    CPatchVertex* a = obj->AddVertex(0, 0, 0);
    CPatchVertex* b = obj->AddVertex(2, 0, 0);
    CPatchVertex* c = obj->AddVertex(0, 0, 2);
    AddCurveThrough(*obj, {a, b});
    AddCurveThrough(*obj, {b, c});
    AddCurveThrough(*obj, {c, a});
    obj->UpdateCurveHandles();
    return obj;
}

} // namespace

// A resolution too fine for an int to count the points builds nothing.
TEST(MeshConverterTest, FlatQuadPatchAtEachResolution) {
    const struct {
        int resolution, vertices, quads, edges;
    } cases[] = {
        {-5, 4, 1, 4},   {0, 4, 1, 4},    {1, 4, 1, 4},    {2, 9, 4, 12},    {3, 9, 4, 12},
        {4, 25, 16, 16}, {5, 25, 16, 16}, {8, 81, 64, 32}, {65536, 0, 0, 0}, {2147483647, 0, 0, 0},
    };
    for (const auto& c : cases) {
        auto obj = MakeFlatQuadGrid(1);
        auto mesh = Built(*obj, c.resolution);
        EXPECT_EQ(mesh->m_vertices.GetCount(), c.vertices) << c.resolution;
        EXPECT_EQ(mesh->m_faces.QuadCount(), c.quads) << c.resolution;
        EXPECT_EQ(mesh->m_edges.GetCount(), c.edges) << c.resolution << ": curve edges at 4 and above";
        EXPECT_EQ(mesh->m_faces.TriangleCount() + mesh->m_faces.LineCount(), 0);
        EXPECT_EQ(DistinctPositions(*mesh), c.vertices) << c.resolution << ": no point made twice";
        EXPECT_EQ(CheckSurface(*mesh, false), "") << c.resolution;
    }
    auto obj = MakeFlatQuadGrid(1);
    auto centre = Built(*obj, 2);
    // Corner k, the midpoint of side k, the centre, the midpoint of side k-1.
    const CPatch* patch = obj->GetPatches().GetHead();
    for (int k = 0; k < 4; ++k) {
        const CMeshFace& quad = centre->m_faces.m_quads[k];
        EXPECT_EQ(quad.vertex[0], patch->GetCorner(k)->m_index);
        EXPECT_EQ(quad.vertex[2], 4) << "the centre follows the control points";
    }
    EXPECT_EQ(centre->m_faces.m_quads[1].vertex[3], centre->m_faces.m_quads[0].vertex[1]);
    EXPECT_EQ(centre->m_edgesBuilt + centre->m_vertexEdgesBuilt + centre->m_vertexFacesBuilt, 3);
    const CFloat3& middle = centre->m_vertices[4];
    EXPECT_NEAR(middle.x, 0.5f, 1e-6f);
    EXPECT_NEAR(middle.z, 0.5f, 1e-6f);
}

TEST(MeshConverterTest, GridPointsLieOnThePatchAndSeamsAreShared) {
    auto obj = MakeFlatQuadGrid(2);
    // Lift the middle point so that the surface is curved.
    obj->GetVertices().GetAtIndex(4)->SetY(1.0f);
    obj->UpdateCurveHandles();
    auto mesh = Built(*obj, 4);
    EXPECT_EQ(mesh->m_vertices.GetCount(), 9 + 4 * 9 + 12 * 3);
    EXPECT_EQ(DistinctPositions(*mesh), mesh->m_vertices.GetCount())
        << "patches share the points of their curves";
    EXPECT_EQ(CheckSurface(*mesh, false), "") << "every inner side is run both ways once";
    for (const CPatch* p : obj->GetPatches()) {
        CVector3 expected;
        obj->EvaluateQuadPatch(expected, p, 0.25f, 0.75f);
        const CFloat3& got = mesh->m_vertices[p->m_number + 2]; // i = 1, j = 3 of the 3 x 3 interior
        EXPECT_EQ(got.x, expected.GetX());
        EXPECT_EQ(got.y, expected.GetY());
        EXPECT_EQ(got.z, expected.GetZ());
    }
    // Each segment's first point index sits in the node that starts it.
    for (const CCurve* curve : obj->GetCurves()) {
        const CCurvePoint* first = curve->m_nodes.GetHead();
        const CCurvePoint* second = curve->m_nodes.GetAtIndex(1);
        const CVector3 expected = curve->EvaluateSegment(0, 0.25f);
        const CFloat3& got = mesh->m_vertices[first->m_number];
        EXPECT_NEAR(got.x, expected.GetX(), 1e-6f);
        EXPECT_NEAR(got.y, expected.GetY(), 1e-6f);
        EXPECT_EQ(second->m_number, first->m_number + 3);
        EXPECT_EQ(curve->m_nodes.GetTail()->m_number, 2)
            << "the last node starts no segment and keeps its place";
    }
}

// With smoothing on, quads are sampled on their smoothed nets as the other
// kinds are, so the polygonized surface keeps the smoothed shape.
TEST(MeshConverterTest, QuadsFollowTheSmoothedNets) {
    auto obj = MakeFlatQuadGrid(2);
    obj->GetVertices().GetAtIndex(4)->SetY(1.0f);
    // A corner in the middle row: its handles no longer share one plane
    // with the column's, which smoothing evens out.
    obj->GetCurves().GetAtIndex(1)->m_nodes.GetAtIndex(1)->m_sharp = 1;
    obj->SetSmoothing(1);
    obj->UpdateCurveHandles();
    for (int resolution : {2, 4}) {
        SCOPED_TRACE(resolution);
        auto mesh = Built(*obj, resolution);
        float largestChange = 0.0f;
        for (const CPatch* p : obj->GetPatches()) {
            const float s = resolution == 2 ? 0.5f : 0.25f;
            const float t = resolution == 2 ? 0.5f : 0.75f;
            const CVector3 expected = CSpatchObj::EvaluateQuadNet(p->Net(0), s, t);
            const CFloat3& got = mesh->m_vertices[p->m_number + (resolution == 2 ? 0 : 2)];
            EXPECT_NEAR(got.x, expected.GetX(), 1e-6f);
            EXPECT_NEAR(got.y, expected.GetY(), 1e-6f);
            EXPECT_NEAR(got.z, expected.GetZ(), 1e-6f);
            CVector3 unsmoothed;
            obj->EvaluateQuadPatch(unsmoothed, p, s, t);
            largestChange = std::max(largestChange, (expected - unsmoothed).Length());
        }
        EXPECT_GT(largestChange, 1e-3f) << "smoothing changes this surface";
    }
}

TEST(MeshConverterTest, ThreeAndFiveSidedPatches) {
    auto triangle = MakeTriangle();
    auto mesh = Built(*triangle, 4);
    EXPECT_EQ(mesh->m_vertices.GetCount(), 3 + 3 * 3 + 1 + 3 + 3)
        << "corners, curve points, centre, interior, spokes";
    EXPECT_EQ(mesh->m_faces.QuadCount(), 12);
    EXPECT_EQ(CheckSurface(*mesh, false), "");
    EXPECT_EQ(DistinctPositions(*mesh), mesh->m_vertices.GetCount());

    auto pentagon = MakeFlaggedPentagon();
    auto net = Built(*pentagon, 1);
    ASSERT_EQ(net->m_faces.TriangleCount(), 1);
    ASSERT_EQ(net->m_faces.QuadCount(), 1);
    const auto& t = net->m_faces.m_triangles[0].vertex;
    const auto& q = net->m_faces.m_quads[0].vertex;
    EXPECT_EQ(t[2], q[0]) << "triangle and quad share the diagonal from corner 2 to corner 0";
    EXPECT_EQ(t[0], q[3]);
    auto grid = Built(*pentagon, 4);
    EXPECT_EQ(grid->m_faces.QuadCount(), 20);
    EXPECT_EQ(grid->m_vertices.GetCount(), 5 + 5 * 3 + 1 + 5 + 5);
    EXPECT_EQ(CheckSurface(*grid, false), "");
}

TEST(MeshConverterTest, CurvesWithoutPatches) {
    for (bool closed : {false, true}) {
        auto obj = std::make_unique<CSpatchObj>();
        AddCurveThrough(*obj, {obj->AddVertex(0, 0, 0), obj->AddVertex(1, 0, 0), obj->AddVertex(1, 1, 0)},
                        closed);
        obj->UpdateCurveHandles();
        auto mesh = Built(*obj, 2);
        EXPECT_EQ(mesh->m_vertices.GetCount(), closed ? 6 : 5) << "a segment per node, one fewer when open";
        EXPECT_EQ(mesh->m_faces.QuadCount(), 0);
    }
    CSpatchObj empty;
    CPatchMesh mesh;
    mesh.m_vertices.Resize(2);
    CMeshConverter().BuildMesh(&mesh, &empty, 4);
    EXPECT_EQ(mesh.m_vertices.GetCount(), 2) << "nothing to build leaves the mesh alone";
}

TEST(MeshConverterTest, MeshBackToCurves) {
    auto mesh = MakeMesh({{F3(0, 0, 0), F3(1, 0, 0), F3(0, 1, 0)}, {{0, 1, 2}}});
    CMeshProcessor(mesh.get()).BuildEdges();
    mesh->m_edges.m_edges.push_back(CMeshEdge{0, 7}); // damaged: no vertex 7
    CSpatchObj obj;
    CMeshConverter().MeshToCurves(mesh.get(), &obj);
    EXPECT_EQ(obj.GetVertices().GetCount(), 3);
    EXPECT_EQ(obj.GetCurves().GetCount(), 3);
    EXPECT_EQ(CheckLinkInvariants(obj), "");
    obj.Rebuild();
    EXPECT_EQ(obj.CountTriPatches(), 1) << "the three edges enclose a patch again";
}

// Every point of a curved grid mesh where the surface has it: curve points
// exactly as the segment's Bezier gives them, each quad's corners on its
// patch at (i / r, j / r), and the curve edges chained through the points.
TEST(MeshConverterTest, GridMeshPointsAndQuadsOnTheSurface) {
    auto obj = MakeFlatQuadGrid(3);
    int n = 0;
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(n++ % 3 == 1 ? 0.7f : 0.1f * v->GetX() - 0.05f * v->GetZ());
    obj->UpdateCurveHandles();
    for (int r : {4, 6}) {
        SCOPED_TRACE(r);
        auto mesh = Built(*obj, r);
        EXPECT_EQ(CheckSurface(*mesh, false), "");
        int i = 0;
        for (const CPatchVertex* v : obj->GetVertices()) {
            const CFloat3& got = mesh->m_vertices[i++];
            EXPECT_TRUE(got.x == v->GetX() && got.y == v->GetY() && got.z == v->GetZ())
                << "control point " << i;
        }
        const float step = 1.0f / static_cast<float>(r);
        size_t edge = 0;
        for (const CCurve* curve : obj->GetCurves())
            for (int k = 0; k + 1 < curve->m_nodes.GetCount(); ++k) {
                const CCurvePoint* a = curve->m_nodes.GetAtIndex(k);
                const CCurvePoint* b = curve->m_nodes.GetAtIndex(k + 1);
                int32_t previous = a->m_vertex->m_index;
                for (int d = 1; d < r; ++d) {
                    const CVector3 expected =
                        BezierPoint(*a->m_vertex, a->m_handleOut, b->m_handleIn, *b->m_vertex, d * step);
                    const CFloat3& got = mesh->m_vertices[a->m_number + d - 1];
                    ASSERT_TRUE(got.x == expected.GetX() && got.y == expected.GetY() &&
                                got.z == expected.GetZ())
                        << "segment point " << d;
                    ASSERT_LT(edge, mesh->m_edges.m_edges.size());
                    EXPECT_EQ(mesh->m_edges[static_cast<int>(edge)].a, previous);
                    EXPECT_EQ(mesh->m_edges[static_cast<int>(edge++)].b, a->m_number + d - 1);
                    previous = a->m_number + d - 1;
                }
                EXPECT_EQ(mesh->m_edges[static_cast<int>(edge++)].b, b->m_vertex->m_index);
            }
        EXPECT_EQ(edge, mesh->m_edges.m_edges.size());
        int quad = 0;
        for (const CPatch* p : obj->GetPatches())
            for (int a = 0; a < r; ++a)
                for (int b = 0; b < r; ++b) {
                    const CMeshFace& face = mesh->m_faces.m_quads[quad++];
                    const int at[4][2] = {{a, b}, {a + 1, b}, {a + 1, b + 1}, {a, b + 1}};
                    for (int k = 0; k < 4; ++k) {
                        const CVector3 expected =
                            CSpatchObj::EvaluateQuadNet(p->Net(0), at[k][0] * step, at[k][1] * step);
                        const CFloat3& got = mesh->m_vertices[face.vertex[k]];
                        EXPECT_NEAR(got.x, expected.GetX(), 1e-5f) << "quad " << quad << " corner " << k;
                        EXPECT_NEAR(got.y, expected.GetY(), 1e-5f) << "quad " << quad << " corner " << k;
                        EXPECT_NEAR(got.z, expected.GetZ(), 1e-5f) << "quad " << quad << " corner " << k;
                    }
                }
        EXPECT_EQ(quad, mesh->m_faces.QuadCount());
    }
}
