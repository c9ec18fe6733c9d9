#include "mesh/polygon_obj.h"
#include "support/model_builders.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using qf::test::ExpectVectorNear;

namespace {

struct Face {
    std::vector<int> corners; // 2, 3 or 4 vertex positions
};

std::unique_ptr<CPolygonObj> MakePolygon(const std::vector<CVector3>& points,
                                         const std::vector<Face>& faces) {
    auto obj = std::make_unique<CPolygonObj>();
    for (const CVector3& p : points)
        obj->AddVertex(p.GetX(), p.GetY(), p.GetZ());
    for (const Face& f : faces) {
        CPolyFace* face = obj->AddFace();
        const std::vector<int>& c = f.corners;
        if (c.size() == 2)
            obj->SetLineFace(face, c[0], c[1]);
        else if (c.size() == 3)
            obj->SetTriFace(face, c[0], c[1], c[2]);
        else
            obj->SetQuadFace(face, c[0], c[1], c[2], c[3]);
    }
    return obj;
}

// The unit cube round the origin; faces 1, 3 and 4 wound inwards.
std::unique_ptr<CPolygonObj> MakeMixedCube() {
    std::vector<CVector3> points;
    for (int i = 0; i < 8; ++i)
        points.emplace_back(i & 1 ? 0.5f : -0.5f, i & 2 ? 0.5f : -0.5f, i & 4 ? 0.5f : -0.5f);
    return MakePolygon(points, {{{0, 2, 3, 1}},   // z = -0.5, outward
                                {{4, 6, 7, 5}},   // z = +0.5, inward
                                {{0, 1, 5, 4}},   // y = -0.5, outward
                                {{2, 6, 7, 3}},   // y = +0.5, inward
                                {{0, 2, 6, 4}},   // x = -0.5, inward
                                {{1, 5, 7, 3}}}); // x = +0.5, outward
}

CVector3 Centre(const CPolyFace* face) {
    CVector3 sum;
    for (int i = 0; i < face->m_count; ++i)
        sum += *face->m_vertices[i];
    return sum / static_cast<float>(face->m_count);
}

// Corner positions of every face, as text: "0 1 2 | 3 4".
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

// Whether face runs from a straight to b.
bool Runs(const CPolyFace* face, const CPolyVertex* a, const CPolyVertex* b) {
    for (int j = 0; j < face->m_count; ++j)
        if (face->m_vertices[j] == a && face->m_vertices[(j + 1) % face->m_count] == b)
            return true;
    return false;
}

// Every edge shared by two surface faces is run in opposite directions.
int CountConsistentlyOrientedEdges(const CPolygonObj& obj) {
    int opposite = 0;
    for (const CPolyEdge* edge : obj.GetEdges()) {
        if (edge->m_faces.GetCount() != 2)
            continue;
        const CPolyFace* f = edge->m_faces.GetHead();
        const CPolyFace* g = edge->m_faces.GetTail();
        const bool fForward = Runs(f, edge->m_a, edge->m_b);
        const bool gForward = Runs(g, edge->m_a, edge->m_b);
        opposite += fForward != gForward ? 1 : 0;
    }
    return opposite;
}

} // namespace

TEST(PolygonObjTest, CubeTopology) {
    auto cube = MakeMixedCube();
    cube->BuildTopology();
    EXPECT_EQ(cube->IsAdjacencyBuilt(), 1);
    EXPECT_EQ(cube->GetEdges().GetCount(), 12);
    EXPECT_EQ(cube->GetFaces().GetCount(), 6) << "a closed cube has no wire edges";
    for (const CPolyEdge* edge : cube->GetEdges())
        EXPECT_EQ(edge->m_faces.GetCount(), 2);
    for (const CPolyVertex* v : cube->GetVertices()) {
        EXPECT_EQ(v->m_edges.GetCount(), 3);
        EXPECT_EQ(v->m_faces.GetCount(), 3);
    }
    for (const CPolyFace* face : cube->GetFaces())
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(face->m_edges[i]->Joins(face->m_vertices[i], face->m_vertices[(i + 1) % 4]));

    cube->ClearAdjacency();
    EXPECT_EQ(cube->IsAdjacencyBuilt(), 0);
    EXPECT_TRUE(cube->GetVertices().GetHead()->m_edges.IsEmpty());
    EXPECT_TRUE(cube->GetEdges().GetHead()->m_faces.IsEmpty());
    EXPECT_NE(cube->GetFaces().GetHead()->m_edges[0], nullptr) << "faces keep their edges";
    cube->LinkAdjacency();
    EXPECT_EQ(cube->GetVertices().GetHead()->m_edges.GetCount(), 3);
}

TEST(PolygonObjTest, LineFacesBecomeOneLinePerWireEdge) {
    const std::vector<CVector3> points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 2, 2}};
    struct Case {
        const char* name;
        std::vector<Face> faces;
        const char* result;
        int edges;
    } cases[] = {
        {"lines only, repeats vanish, order of first use",
         {{{2, 3}}, {{0, 1}}, {{3, 2}}, {{1, 0}}, {{1, 4}}},
         "2 3 | 0 1 | 1 4",
         3},
        {"a line on a triangle's edge vanishes, wire edges follow the surfaces",
         {{{0, 1}}, {{3, 4}}, {{0, 1, 2}}, {{2, 0}}},
         "0 1 2 | 3 4",
         4},
        {"quad with a dangling line", {{{0, 1, 2, 3}}, {{2, 4}}}, "0 1 2 3 | 2 4", 5},
    };
    for (const Case& c : cases) {
        auto obj = MakePolygon(points, c.faces);
        obj->BuildTopology();
        EXPECT_EQ(FaceList(*obj), c.result) << c.name;
        EXPECT_EQ(obj->GetEdges().GetCount(), c.edges) << c.name;
        for (const CPolyVertex* v : obj->GetVertices())
            for (const CPolyFace* f : v->m_faces)
                EXPECT_FALSE(f->IsLine()) << c.name << ": lines stay out of the adjacency";
        obj->BuildTopology();
        EXPECT_EQ(FaceList(*obj), c.result) << c.name << ", built twice";
        EXPECT_EQ(obj->GetEdges().GetCount(), c.edges) << c.name << ", built twice";
    }
    auto lines = MakePolygon(points, {{{0, 1}}, {{1, 2}}});
    lines->BuildTopology();
    lines->ComputeNormals();
    for (const CPolyFace* f : lines->GetFaces())
        EXPECT_EQ(f->m_normals[0], CVector3()) << "lines get no normals";
}

TEST(PolygonObjTest, FaceIndicesOutsideTheVertexListDeleteTheFace) {
    auto obj = MakePolygon({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{{0, 1, 2}}});
    CPolyFace* face = obj->AddFace();
    EXPECT_EQ(obj->SetQuadFace(face, 0, 1, 2, 4), 0);
    EXPECT_EQ(obj->GetFaces().GetCount(), 1);
    EXPECT_EQ(obj->SetLineFace(obj->AddFace(), -1, 0), 0);
    EXPECT_EQ(obj->GetFaces().GetCount(), 1);
    obj->AddVertex(9, 9, 9, 0); // prepended: now position 0
    EXPECT_EQ(obj->SetTriFace(obj->AddFace(), 0, 1, 4), 1);
    EXPECT_EQ(*obj->GetFaces().GetTail()->m_vertices[0], CVector3(9, 9, 9));
    obj->AddFace(); // never completed
    obj->BuildTopology();
    EXPECT_EQ(FaceList(*obj), "1 2 3 | 0 1 4") << "the incomplete face is dropped";
}

TEST(PolygonObjTest, OrientationFollowsTheFirstFace) {
    const std::vector<CVector3> points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
    auto same = MakePolygon(points, {{{0, 1, 2}}, {{1, 3, 2}}});
    same->UnifyFaceOrientation();
    EXPECT_EQ(FaceList(*same), "0 1 2 | 1 3 2") << "already opposite on the shared edge";

    auto clash = MakePolygon(points, {{{0, 1, 2}}, {{1, 2, 3}}});
    clash->BuildTopology();
    clash->UnifyFaceOrientation();
    EXPECT_EQ(FaceList(*clash), "0 1 2 | 1 3 2") << "the second face is flipped";

    auto cube = MakeMixedCube();
    cube->BuildTopology();
    EXPECT_LT(CountConsistentlyOrientedEdges(*cube), 12);
    cube->UnifyFaceOrientation();
    EXPECT_EQ(CountConsistentlyOrientedEdges(*cube), 12);
    cube->ComputeNormals();
    for (const CPolyFace* face : cube->GetFaces()) {
        const CVector3 outward = Centre(face) * 2.0f;
        for (int i = 0; i < 4; ++i)
            ExpectVectorNear(face->m_normals[i], outward, "cube faces follow the first, outward face");
    }
}

TEST(PolygonObjTest, LargeGridIsOrientedWithoutDeepRecursion) {
    const int n = 250;
    auto grid = std::make_unique<CPolygonObj>();
    for (int row = 0; row <= n; ++row)
        for (int column = 0; column <= n; ++column)
            grid->AddVertex(static_cast<float>(column), 0, static_cast<float>(row));
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column) {
            const int a = row * (n + 1) + column;
            const int b = a + 1, c = a + n + 2, d = a + n + 1;
            if ((row + column) % 2)
                grid->SetQuadFace(grid->AddFace(), a, b, c, d);
            else
                grid->SetQuadFace(grid->AddFace(), a, d, c, b);
        }
    grid->BuildTopology();
    grid->UnifyFaceOrientation();
    EXPECT_EQ(CountConsistentlyOrientedEdges(*grid), 2 * n * (n - 1));
    grid->ComputeNormals();
    const CVector3 first = grid->GetFaces().GetHead()->m_normals[0];
    EXPECT_NEAR(std::fabs(first.GetY()), 1.0f, 1e-6);
    for (const CPolyFace* face : grid->GetFaces())
        ASSERT_EQ(face->m_normals[2], first);
}

TEST(PolygonObjTest, NonManifoldInputGetsASensibleResult) {
    // Three triangles on the edge 0-1 (two running it 0 to 1), a bowtie that
    // touches them at vertex 2 only, and a wire line.
    const std::vector<CVector3> points = {{0, 0, 0},    {1, 0, 0}, {0.5f, 1, 0}, {0.5f, -1, 0},
                                          {0.5f, 0, 1}, {0, 2, 0}, {1, 2, 0},    {3, 3, 3}};
    auto obj = MakePolygon(points, {{{0, 1, 2}}, {{0, 1, 3}}, {{1, 0, 4}}, {{2, 5, 6}}, {{6, 7}}});
    obj->BuildTopology();
    EXPECT_EQ(obj->GetFaces().GetCount(), 5);
    obj->UnifyFaceOrientation();
    // No choice suits every pair of three faces on one edge: each face is
    // turned against the face the walk reached it from.
    EXPECT_EQ(FaceList(*obj), "0 1 2 | 0 3 1 | 1 4 0 | 2 5 6 | 6 7");
    obj->ComputeNormals();
    for (const CPolyFace* face : obj->GetFaces()) {
        if (face->IsLine())
            continue;
        for (int i = 0; i < face->m_count; ++i)
            EXPECT_NEAR(face->m_normals[i].Length(), 1.0f, 1e-5) << FaceList(*obj);
    }
    obj->ClearAdjacency();

    // A strip whose ends are joined with a half twist has no consistent
    // orientation; the walk still visits each face once and stops.
    std::vector<CVector3> strip;
    const int segments = 12;
    for (int i = 0; i < segments; ++i) {
        const double t = 2 * 3.14159265 * i / segments;
        const double twist = t / 2;
        const double r = 3;
        for (double w : {-0.5, 0.5})
            strip.emplace_back(static_cast<float>((r + w * std::cos(twist)) * std::cos(t)),
                               static_cast<float>(w * std::sin(twist)),
                               static_cast<float>((r + w * std::cos(twist)) * std::sin(t)));
    }
    std::vector<Face> quads;
    for (int i = 0; i < segments; ++i) {
        const int a = 2 * i, b = 2 * i + 1;
        const int next = (i + 1) % segments;
        const bool last = next == 0;
        quads.push_back({{a, b, last ? 2 * next : 2 * next + 1, last ? 2 * next + 1 : 2 * next}});
    }
    auto mobius = MakePolygon(strip, quads);
    mobius->BuildTopology();
    mobius->UnifyFaceOrientation();
    mobius->ComputeNormals();
    EXPECT_EQ(CountConsistentlyOrientedEdges(*mobius), segments - 1);
}

TEST(PolygonObjTest, QuadNormalTakesTheBetterSplit) {
    struct Case {
        const char* name;
        CVector3 p0, p1, p2, p3, normal;
    } cases[] = {
        {"flat square: a tie", {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}},
        {"corner 3 raised: the p0-p2 split agrees better",
         {0, 0, 0},
         {4, 0, 0},
         {4, 4, 0},
         {0, 4, 1},
         {0.11957316f, -0.11957316f, 0.98559856f}},
        {"corner 2 raised: the p1-p3 split agrees better",
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
    EXPECT_NEAR(AngleBetween(CVector3(2, 0, 0), CVector3(0, 0, 3)), 3.14159265 / 2, 1e-7);
    EXPECT_EQ(AngleBetween(CVector3(1, 0, 0), CVector3(-5, 0, 0)), 3.1415927);
    EXPECT_EQ(AngleBetween(CVector3(1, 1, 0), CVector3(3, 3, 0)), 0.0);
}

TEST(PolygonObjTest, CornerNormalsAreSmoothedWithinTheAngle) {
    // Two triangles on the edge 0-1, their normals `degrees` apart.
    auto hinge = [](float degrees) {
        const double a = degrees * 3.14159265 / 180;
        return MakePolygon({{0, 0, 0},
                            {1, 0, 0},
                            {0.5f, -1, 0},
                            {0.5f, static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a))}},
                           {{{0, 1, 2}}, {{1, 0, 3}}});
    };
    for (float degrees : {59.0f, 61.0f}) {
        auto obj = hinge(degrees);
        obj->BuildTopology();
        obj->ComputeNormals();
        obj->ClearAdjacency();
        const CPolyFace* first = obj->GetFaces().GetHead();
        const CPolyFace* second = obj->GetFaces().GetAtIndex(1);
        const CVector3 own =
            TriangleNormal(*first->m_vertices[0], *first->m_vertices[1], *first->m_vertices[2]);
        const double turned = AngleBetween(first->m_normals[0], own) * 180 / 3.14159265;
        if (degrees < 60) {
            EXPECT_NEAR(turned, degrees / 2, 1e-3) << "shared corner halfway between the faces";
            ExpectVectorNear(first->m_normals[0], second->m_normals[1], "the shared corner agrees");
        } else {
            EXPECT_NEAR(turned, 0, 1e-3) << "beyond the angle the face normal stays";
        }
        ExpectVectorNear(first->m_normals[2], own, "the unshared corner");
    }

    auto cube = MakeMixedCube();
    cube->BuildTopology();
    cube->UnifyFaceOrientation();
    cube->SetSmoothingAngle(100);
    cube->ComputeNormals();
    for (const CPolyFace* face : cube->GetFaces())
        for (int i = 0; i < 4; ++i)
            ExpectVectorNear(face->m_normals[i], *face->m_vertices[i] * (2 / std::sqrt(3.0f)),
                             "a corner of three faces points along the diagonal");
    cube->SetSmooth(0);
    cube->ComputeNormals();
    for (const CPolyFace* face : cube->GetFaces())
        ExpectVectorNear(face->m_normals[3], Centre(face) * 2.0f, "flat: the face normal");
}
