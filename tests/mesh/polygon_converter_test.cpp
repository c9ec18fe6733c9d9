#include "mesh/polygon_converter.h"
#include "mesh/polygon_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

using namespace qf::test;

namespace {

struct FaceCounts {
    int lines = 0, triangles = 0, quads = 0;
};

FaceCounts CountFaces(const CPolygonObj& obj) {
    FaceCounts c;
    for (const CPolyFace* f : obj.GetFaces())
        (f->m_count == 2 ? c.lines : f->m_count == 3 ? c.triangles : c.quads) += 1;
    return c;
}

int DistinctPositions(const CPolygonObj& obj) {
    std::set<std::tuple<float, float, float>> positions;
    for (const CPolyVertex* v : obj.GetVertices())
        positions.insert({v->GetX(), v->GetY(), v->GetZ()});
    return static_cast<int>(positions.size());
}

// Converted and given its topology, as both callers do.
std::unique_ptr<CPolygonObj> Converted(CSpatchObj& source, int resolution) {
    auto target = std::make_unique<CPolygonObj>();
    CPolygonConverter().Convert(target.get(), &source, resolution);
    target->BuildTopology();
    return target;
}

} // namespace

TEST(PolygonConverterTest, OneQuadPatchAtResolutionsOneToFour) {
    const struct {
        int resolution, vertices, quads;
    } cases[] = {{-3, 4, 1}, {0, 4, 1}, {1, 4, 1}, {2, 9, 4}, {3, 16, 9}, {4, 25, 16}, {7, 25, 16}};
    for (const auto& c : cases) {
        auto patch = MakeFlatQuadGrid(1);
        auto obj = Converted(*patch, c.resolution);
        const FaceCounts faces = CountFaces(*obj);
        EXPECT_EQ(obj->GetVertices().GetCount(), c.vertices) << c.resolution;
        EXPECT_EQ(faces.quads, c.quads) << c.resolution;
        EXPECT_EQ(faces.lines + faces.triangles, 0)
            << c.resolution << ": the curves' lines lie on patch edges";
        EXPECT_EQ(DistinctPositions(*obj), c.vertices) << c.resolution;
    }
}

TEST(PolygonConverterTest, SeamsShareTheirSamples) {
    auto patches = MakeFlatQuadGrid(2);
    patches->GetVertices().GetAtIndex(4)->SetY(0.5f);
    patches->UpdateCurveHandles();
    auto obj = Converted(*patches, 4);
    EXPECT_EQ(obj->GetVertices().GetCount(), 9 + 12 * 3 + 4 * 9);
    EXPECT_EQ(DistinctPositions(*obj), obj->GetVertices().GetCount()) << "no point twice along a seam";
    EXPECT_EQ(CountFaces(*obj).quads, 64);
    // Every inner edge of a 8 x 8 grid of quads joins two of them.
    int inner = 0;
    obj->LinkAdjacency();
    for (const CPolyEdge* e : obj->GetEdges())
        inner += e->m_faces.GetCount() == 2 ? 1 : 0;
    EXPECT_EQ(inner, 2 * 8 * 7);
}

TEST(PolygonConverterTest, TrianglesAndWireCurves) {
    auto fan = MakeTriangleFan(3);
    fan->Rebuild();
    ASSERT_EQ(fan->CountTriPatches(), 3);
    auto obj = Converted(*fan, 3);
    const FaceCounts faces = CountFaces(*obj);
    EXPECT_EQ(faces.quads, 3 * 6);
    EXPECT_EQ(faces.triangles, 3);
    EXPECT_EQ(faces.lines, 0);
    EXPECT_EQ(obj->GetVertices().GetCount(), 4 + 6 * 2 + 3 * 3);
    EXPECT_EQ(DistinctPositions(*obj), obj->GetVertices().GetCount());

    // The interior points of the first patch follow its curve samples.
    const CPatch* first = fan->GetPatches().GetHead();
    CVector3 expected;
    fan->EvaluateQuadPatch(expected, first, 0.7f, 0.3f);
    const CPolyVertex* m1 = obj->GetVertices().GetAtIndex(4 + 12 + 1);
    ExpectVectorNear(*m1, expected, "m1 at (0.7, 0.3)", 0.0f);

    auto wire = std::make_unique<CSpatchObj>();
    AddCurveThrough(*wire, {wire->AddVertex(0, 0, 0), wire->AddVertex(1, 0, 0), wire->AddVertex(1, 1, 0)});
    wire->UpdateCurveHandles();
    auto lines = Converted(*wire, 3);
    EXPECT_EQ(CountFaces(*lines).lines, 6) << "three lines per segment stay as wire edges";
    EXPECT_EQ(lines->GetVertices().GetCount(), 3 + 2 * 2);
}

TEST(PolygonConverterTest, ConversionTakesNameAndColour) {
    auto patch = MakeFlatQuadGrid(2);
    patch->SetName("wing");
    patch->SetColor(0x123456);
    std::unique_ptr<CPolygonObj> obj = MakePolygonObject(*patch, 4);
    EXPECT_EQ(obj->GetName(), CString("wing"));
    EXPECT_EQ(obj->GetColor(), 0x123456u);
    EXPECT_EQ(obj->IsAdjacencyBuilt(), 0);
    int up = 0, down = 0;
    for (const CPolyFace* f : obj->GetFaces()) {
        up += f->m_normals[0].GetY() > 0.99f ? 1 : 0;
        down += f->m_normals[0].GetY() < -0.99f ? 1 : 0;
    }
    EXPECT_EQ(up + down, 64) << "normals computed";
    EXPECT_TRUE(up == 0 || down == 0) << "faces are oriented alike: " << up << " up, " << down << " down";
    CPolygonConverter().Convert(nullptr, patch.get(), 4);
}
