#include "mesh/polygon_obj.h"
#include "support/model_builders.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using qf::test::ExpectVectorNear;
using Corners = std::vector<int>;

namespace {

std::unique_ptr<CPolygonObj> MakePolygon(const std::vector<CVector3>& points,
                                         const std::vector<Corners>& faces) {
    auto obj = std::make_unique<CPolygonObj>();
    for (const CVector3& p : points)
        obj->AddVertex(p.GetX(), p.GetY(), p.GetZ());
    for (const Corners& c : faces) {
        CPolyFace* face = obj->AddFace();
        if (c.size() == 2)
            obj->SetLineFace(face, c[0], c[1]);
        else if (c.size() == 3)
            obj->SetTriFace(face, c[0], c[1], c[2]);
        else
            obj->SetQuadFace(face, c[0], c[1], c[2], c[3]);
    }
    return obj;
}

// The unit cube round the origin, built and linked; three faces wound inwards.
std::unique_ptr<CPolygonObj> MakeMixedCube() {
    std::vector<CVector3> points;
    for (int i = 0; i < 8; ++i)
        points.emplace_back(i & 1 ? 0.5f : -0.5f, i & 2 ? 0.5f : -0.5f, i & 4 ? 0.5f : -0.5f);
    auto cube = MakePolygon(
        points, {{0, 2, 3, 1}, {4, 6, 7, 5}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 2, 6, 4}, {1, 5, 7, 3}});
    cube->BuildTopology();
    return cube;
}

// Twice the centre of a cube face: its outward unit normal.
CVector3 Outward(const CPolyFace* face) {
    return (*face->m_vertices[0] + *face->m_vertices[2]);
}

// Corner positions of every face: "0 1 2 | 3 4".
std::string FaceList(CPolygonObj& obj) {
    obj.NumberVertices();
    std::string text;
    for (const CPolyFace* face : obj.GetFaces()) {
        text += text.empty() ? "" : " | ";
        for (int i = 0; i < face->m_count; ++i)
            text += (i ? " " : "") + std::to_string(face->m_vertices[i]->m_index);
    }
    return text;
}

// Edges that their two faces run in opposite directions.
int CountAgreeingEdges(const CPolygonObj& obj) {
    auto runs = [](const CPolyFace* f, const CPolyVertex* a, const CPolyVertex* b) {
        for (int j = 0; j < f->m_count; ++j)
            if (f->m_vertices[j] == a && f->m_vertices[(j + 1) % f->m_count] == b)
                return true;
        return false;
    };
    int agreeing = 0;
    for (const CPolyEdge* e : obj.GetEdges())
        if (e->m_faces.GetCount() == 2)
            agreeing +=
                runs(e->m_faces.GetHead(), e->m_a, e->m_b) != runs(e->m_faces.GetTail(), e->m_a, e->m_b);
    return agreeing;
}

} // namespace

TEST(PolygonObjTest, TopologyOfACube) {
    auto cube = MakeMixedCube();
    EXPECT_EQ(cube->IsAdjacencyBuilt(), 1);
    EXPECT_EQ(cube->GetEdges().GetCount(), 12);
    EXPECT_EQ(cube->GetFaces().GetCount(), 6) << "a closed cube has no wire edges";
    for (const CPolyEdge* edge : cube->GetEdges())
        EXPECT_EQ(edge->m_faces.GetCount(), 2);
    for (const CPolyVertex* v : cube->GetVertices())
        EXPECT_TRUE(v->m_edges.GetCount() == 3 && v->m_faces.GetCount() == 3);
    for (const CPolyFace* face : cube->GetFaces())
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(face->m_edges[i]->Joins(face->m_vertices[i], face->m_vertices[(i + 1) % 4]));
    cube->ClearAdjacency();
    EXPECT_EQ(cube->IsAdjacencyBuilt(), 0);
    EXPECT_TRUE(cube->GetVertices().GetHead()->m_edges.IsEmpty());
    EXPECT_TRUE(cube->GetEdges().GetHead()->m_faces.IsEmpty());
    EXPECT_NE(cube->GetFaces().GetHead()->m_edges[0], nullptr) << "faces keep their edges";
}

TEST(PolygonObjTest, LineFacesBecomeOneLinePerWireEdge) {
    const std::vector<CVector3> points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 2, 2}};
    struct Case {
        const char* name;
        std::vector<Corners> faces;
        const char* result;
    } cases[] = {
        {"lines only: repeats vanish, order of first use",
         {{2, 3}, {0, 1}, {3, 2}, {1, 0}, {1, 4}},
         "2 3 | 0 1 | 1 4"},
        {"lines on surface edges vanish; wire edges follow",
         {{0, 1}, {3, 4}, {0, 1, 2}, {2, 0}},
         "0 1 2 | 3 4"},
        {"a bad index deletes the face", {{0, 1, 2, 5}, {0, 1, 2}}, "0 1 2"},
    };
    for (const Case& c : cases) {
        auto obj = MakePolygon(points, c.faces);
        obj->BuildTopology();
        EXPECT_EQ(FaceList(*obj), c.result) << c.name;
        for (const CPolyVertex* v : obj->GetVertices())
            for (const CPolyFace* f : v->m_faces)
                EXPECT_FALSE(f->IsLine()) << c.name << ": lines stay out of the adjacency";
        const int edges = obj->GetEdges().GetCount();
        obj->BuildTopology();
        EXPECT_EQ(FaceList(*obj), c.result) << c.name << ", built twice";
        EXPECT_EQ(obj->GetEdges().GetCount(), edges) << c.name << ", built twice";
    }
    auto obj = MakePolygon(points, {{0, 1}});
    EXPECT_EQ(obj->SetQuadFace(obj->AddFace(), 0, 1, 2, 5), 0);
    EXPECT_EQ(obj->GetFaces().GetCount(), 1) << "the face with an index equal to the count is gone";
    obj->AddVertex(9, 9, 9, 0);
    obj->AddFace(); // never completed
    EXPECT_EQ(obj->SetTriFace(obj->AddFace(), 0, 1, 2), 1);
    EXPECT_EQ(*obj->GetFaces().GetTail()->m_vertices[0], CVector3(9, 9, 9)) << "positions follow a prepend";
    obj->BuildTopology();
    EXPECT_EQ(FaceList(*obj), "0 1 2") << "the incomplete face and the line on the triangle are gone";
}

TEST(PolygonObjTest, OrientationFollowsTheFirstFace) {
    const std::vector<CVector3> points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
    for (const auto& [second, result] :
         {std::pair{Corners{1, 3, 2}, "0 1 2 | 1 3 2"}, {Corners{1, 2, 3}, "0 1 2 | 1 3 2"}}) {
        auto obj = MakePolygon(points, {{0, 1, 2}, second});
        obj->BuildTopology();
        obj->UnifyFaceOrientation();
        EXPECT_EQ(FaceList(*obj), result);
    }
    auto cube = MakeMixedCube();
    EXPECT_LT(CountAgreeingEdges(*cube), 12);
    cube->UnifyFaceOrientation();
    EXPECT_EQ(CountAgreeingEdges(*cube), 12);
    cube->ComputeNormals();
    for (const CPolyFace* face : cube->GetFaces())
        for (int i = 0; i < 4; ++i)
            ExpectVectorNear(face->m_normals[i], Outward(face), "outward like the first face");

    // A grid of alternately wound quads, deep enough to overflow a recursive walk.
    const int n = 250;
    auto grid = std::make_unique<CPolygonObj>();
    for (int v = 0; v < (n + 1) * (n + 1); ++v)
        grid->AddVertex(static_cast<float>(v % (n + 1)), 0, static_cast<float>(v / (n + 1)));
    for (int a = 0; a < n * (n + 1); ++a)
        if (a % (n + 1) != n) {
            const int b = a + 1, c = a + n + 2, d = a + n + 1;
            const bool flipped = a % 2;
            grid->SetQuadFace(grid->AddFace(), a, flipped ? d : b, c, flipped ? b : d);
        }
    grid->BuildTopology();
    grid->UnifyFaceOrientation();
    EXPECT_EQ(CountAgreeingEdges(*grid), 2 * n * (n - 1));
}

TEST(PolygonObjTest, NonManifoldInputGetsASensibleResult) {
    // Three triangles on the edge 0-1, a triangle touching them at vertex 2
    // only, and a wire line.
    auto obj = MakePolygon(
        {{0, 0, 0}, {1, 0, 0}, {0.5f, 1, 0}, {0.5f, -1, 0}, {0.5f, 0, 1}, {0, 2, 0}, {1, 2, 0}, {3, 3, 3}},
        {{0, 1, 2}, {0, 1, 3}, {1, 0, 4}, {2, 5, 6}, {6, 7}});
    obj->BuildTopology();
    obj->UnifyFaceOrientation();
    // No choice suits every pair of faces on one edge: each face is turned
    // against the face the walk reached it from.
    EXPECT_EQ(FaceList(*obj), "0 1 2 | 0 3 1 | 1 4 0 | 2 5 6 | 6 7");
    obj->ComputeNormals();
    for (const CPolyFace* face : obj->GetFaces())
        for (int i = 0; i < (face->IsLine() ? 0 : face->m_count); ++i)
            EXPECT_NEAR(face->m_normals[i].Length(), 1.0f, 1e-5);
}

TEST(PolygonObjTest, QuadNormalTakesTheBetterSplit) {
    struct Case {
        const char* name;
        CVector3 p0, p1, p2, p3, normal;
    } cases[] = {
        {"flat: a tie", {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}},
        {"corner 3 raised: p0-p2 agrees better",
         {0, 0, 0},
         {4, 0, 0},
         {4, 4, 0},
         {0, 4, 1},
         {0.11957316f, -0.11957316f, 0.98559856f}},
        {"corner 2 raised: p1-p3 agrees better",
         {0, 0, 0},
         {4, 0, 0},
         {4, 4, 3},
         {0, 4, 0},
         {-0.28018104f, -0.28018104f, 0.91814877f}},
        {"degenerate", {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {0, 0, 0}},
    };
    for (const Case& c : cases)
        ExpectVectorNear(QuadNormal(c.p0, c.p1, c.p2, c.p3), c.normal, c.name);
    EXPECT_EQ(AngleBetween(CVector3(), CVector3(1, 0, 0)), 0.0);
    EXPECT_EQ(AngleBetween(CVector3(1, 0, 0), CVector3(-5, 0, 0)), 3.1415927);
    EXPECT_EQ(AngleBetween(CVector3(1, 1, 0), CVector3(3, 3, 0)), 0.0);
}

TEST(PolygonObjTest, CornerNormalsAreSmoothedWithinTheAngle) {
    // Two triangles on the edge 0-1 whose normals are `degrees` apart.
    for (float degrees : {59.0f, 61.0f}) {
        const double a = degrees * 3.14159265 / 180;
        auto obj =
            MakePolygon({{0, 0, 0}, {1, 0, 0}, {0.5f, -1, 0}, {0.5f, float(std::cos(a)), float(std::sin(a))}},
                        {{0, 1, 2}, {1, 0, 3}});
        obj->BuildTopology();
        obj->ComputeNormals();
        const CPolyFace* first = obj->GetFaces().GetHead();
        const CVector3 own =
            TriangleNormal(*first->m_vertices[0], *first->m_vertices[1], *first->m_vertices[2]);
        const double turned = AngleBetween(first->m_normals[0], own) * 180 / 3.14159265;
        EXPECT_NEAR(turned, degrees < 60 ? degrees / 2 : 0, 1e-3) << degrees << ": the shared corner";
        ExpectVectorNear(first->m_normals[2], own, "the unshared corner keeps the face normal");
    }
    auto cube = MakeMixedCube();
    cube->UnifyFaceOrientation();
    cube->SetSmoothingAngle(100);
    cube->ComputeNormals();
    for (const CPolyFace* face : cube->GetFaces())
        ExpectVectorNear(face->m_normals[1], *face->m_vertices[1] * (2 / std::sqrt(3.0f)),
                         "along the diagonal");
    cube->SetSmooth(0);
    cube->ComputeNormals();
    for (const CPolyFace* face : cube->GetFaces())
        ExpectVectorNear(face->m_normals[3], Outward(face), "flat: the face normal");
}
