#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace qf::test;

namespace {

using Builder = std::function<std::unique_ptr<CSpatchObj>()>;

std::unique_ptr<CSpatchObj> Polygon(int n, bool closedCurve) {
    auto obj = std::make_unique<CSpatchObj>();
    const std::vector<CPatchVertex*> ring = AddRing(*obj, n);
    if (closedCurve)
        AddCurveThrough(*obj, ring, true);
    else
        for (int i = 0; i < n; ++i)
            AddCurveThrough(*obj, {ring[i], ring[(i + 1) % n]});
    return obj;
}

// Applies change to what make builds.
Builder With(Builder make, std::function<void(CSpatchObj&)> change) {
    return [=] {
        auto obj = make();
        change(*obj);
        return obj;
    };
}

void AllowHidden(CSpatchObj& obj) {
    obj.SetAllowHiddenCorners(1);
}

// A closed dodecahedron: twelve five-sided faces, one straight curve per
// edge, every point flagged. No face touches a three- or four-sided patch.
std::unique_ptr<CSpatchObj> MakeDodecahedron() {
    auto obj = std::make_unique<CSpatchObj>();
    const float phi = (1.0f + std::sqrt(5.0f)) / 2.0f;
    std::vector<CVector3> corners;
    for (float x : {-1.0f, 1.0f})
        for (float y : {-1.0f, 1.0f})
            for (float z : {-1.0f, 1.0f})
                corners.emplace_back(x, y, z);
    for (float a : {-1.0f / phi, 1.0f / phi})
        for (float b : {-phi, phi}) {
            corners.emplace_back(0.0f, a, b);
            corners.emplace_back(a, b, 0.0f);
            corners.emplace_back(b, 0.0f, a);
        }
    std::vector<CPatchVertex*> points;
    for (const CVector3& c : corners) {
        points.push_back(obj->AddVertex(c.GetX(), c.GetY(), c.GetZ()));
        points.back()->m_fivePoint = 1;
    }
    for (size_t i = 0; i < points.size(); ++i)
        for (size_t j = i + 1; j < points.size(); ++j)
            if (std::fabs((*points[i] - *points[j]).Length() - 2.0f / phi) < 1e-3f)
                AddCurveThrough(*obj, {points[i], points[j]});
    obj->SetFivePointOn(1);
    return obj;
}

struct DetectCase {
    const char* name;
    Builder make;
    int tri, quad, five;
};

} // namespace

TEST(PatchSearchTest, FindsEveryCycleOnceAndOrientsAlike) {
    const DetectCase cases[] = {
        {"grid of 3 x 3 cells", [] { return MakeFlatQuadGrid(3); }, 0, 9, 0},
        {"fan of six", [] { return MakeTriangleFan(6); }, 6, 0, 0},
        {"closed curve through three points", [] { return Polygon(3, true); }, 0, 0, 0},
        {"closed curve through three points, hidden corners allowed",
         With([] { return Polygon(3, true); }, AllowHidden), 1, 0, 0},
        {"two curves joining the same two points", [] { return Polygon(2, false); }, 0, 0, 0},
        {"a triangle drawn twice, once by three curves and once by a closed one",
         With([] { return Polygon(3, false); },
              [](CSpatchObj& obj) { AddCurveThrough(obj, PointsOf(obj), true); }),
         1, 0, 0},
        {"square with a diagonal: no quad round the triangles",
         With([] { return Polygon(4, false); },
              [](CSpatchObj& obj) {
                  AddCurveThrough(obj, {PointsOf(obj)[0], PointsOf(obj)[2]});
              }),
         2, 0, 0},
        {"square with an invisible corner",
         With([] { return Polygon(4, false); }, [](CSpatchObj& obj) { PointsOf(obj)[2]->m_visible = 0; }), 0,
         0, 0},
        {"square with an invisible corner, hidden corners allowed",
         With([] { return Polygon(4, false); },
              [](CSpatchObj& obj) {
                  PointsOf(obj)[2]->m_visible = 0;
                  AllowHidden(obj);
              }),
         0, 1, 0},
        {"hexagon of six curves", [] { return Polygon(6, false); }, 0, 0, 0},
        {"flagged pentagon", [] { return MakeFlaggedPentagon(); }, 0, 0, 1},
        {"flagged pentagon with one corner unflagged",
         With(MakeFlaggedPentagon, [](CSpatchObj& obj) { PointsOf(obj)[3]->m_fivePoint = 0; }), 0, 0, 0},
        {"flagged pentagon, five-sided patches off",
         With(MakeFlaggedPentagon, [](CSpatchObj& obj) { obj.SetFivePointOn(0); }), 0, 0, 0},
        {"flagged pentagon with a chord: a triangle and a quad instead",
         With(MakeFlaggedPentagon,
              [](CSpatchObj& obj) {
                  AddCurveThrough(obj, {PointsOf(obj)[0], PointsOf(obj)[2]});
              }),
         1, 1, 0},
        {"flagged triangle with a flagged tail: no five-cycle through a point twice",
         With([] { return Polygon(3, false); },
              [](CSpatchObj& obj) {
                  CPatchVertex* tail = obj.AddVertex(3, 0, 0);
                  AddCurveThrough(obj, {tail, PointsOf(obj)[0]});
                  for (CPatchVertex* v : obj.GetVertices())
                      v->m_fivePoint = 1;
                  obj.SetFivePointOn(1);
                  AllowHidden(obj);
              }),
         1, 0, 0},
        {"pentagon with a quad and a triangle beside it", MakePentagonWithNeighbours, 1, 1, 1},
        {"closed dodecahedron of five-sided patches alone", MakeDodecahedron, 0, 0, 12},
    };
    for (const DetectCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto obj = c.make();
        obj->UpdateCurveHandles();
        obj->Rebuild();
        EXPECT_EQ(obj->CountTriPatches(), c.tri);
        EXPECT_EQ(obj->CountQuadPatches(), c.quad);
        EXPECT_EQ(obj->CountFivePointPatches(), c.five);
        EXPECT_EQ(obj->CountTriPatches() + obj->CountQuadPatches(), obj->GetPatches().GetCount());
        EXPECT_EQ(CheckPatchOrientation(*obj), "");
        EXPECT_EQ(obj->GetNeedsRebuild(), 0);
        EXPECT_EQ(obj->GetNetsDirty(), 1);
        for (const CPatchVertex* v : obj->GetVertices())
            EXPECT_TRUE(v->m_patches.IsEmpty() && v->m_fivePatches.IsEmpty()) << "back-lists emptied";
    }
}

TEST(PatchSearchTest, SearchesOnTheirOwnAndLinksRebuilt) {
    auto obj = MakeTriangleFan(4);
    for (CPatchVertex* v : obj->GetVertices())
        v->DeleteLinks();
    obj->RebuildVertexLinks();
    EXPECT_EQ(CheckLinkInvariants(*obj), "");

    obj->FindTriPatchesCall();
    obj->FindQuadPatchesCall();
    EXPECT_EQ(obj->CountTriPatches(), 4);
    EXPECT_EQ(obj->CountQuadPatches(), 0) << "the triangles found first keep the quads out";
    EXPECT_EQ(PointsOf(*obj)[0]->m_patches.GetCount(), 4) << "the centre's back-list is left for the caller";
    obj->RemoveAllPatches();
    EXPECT_TRUE(PointsOf(*obj)[0]->m_patches.IsEmpty());
}
