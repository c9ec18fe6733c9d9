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

namespace {

// Every patch in list order, its edges in order: the corner's point, then
// the curve, its start and end nodes and the way it runs; five-sided
// patches after a bar.
std::string DescribePatches(const CSpatchObj& obj) {
    std::string text;
    auto edges = [&](const auto& patch, int sides) {
        for (int k = 0; k < sides; ++k) {
            const CNodePair& e = patch.m_edges[k];
            text += std::to_string(patch.GetCorner(k)->m_index) + "c" +
                    std::to_string(patch.m_curves[k]->m_number) + ":" + std::to_string(e.m_start->m_number) +
                    (patch.m_direction[k] ? ">" : "<") + std::to_string(e.m_end->m_number) + " ";
        }
        text += "/ ";
    };
    for (const CPatch* p : obj.GetPatches())
        edges(*p, p->m_sides);
    text += "| ";
    for (const CFivePointPatch* p : obj.GetFivePatches())
        edges(*p, 5);
    return text;
}

// Gives point its links in the reverse order, as an edit that unlinks and
// links again may leave them.
void ReverseLinks(CSpatchObj& obj, CPatchVertex* point) {
    std::vector<std::pair<CCurve*, CCurvePoint*>> links;
    for (const CVertexLink* link : point->m_links)
        links.emplace_back(link->m_curve, link->m_node);
    point->DeleteLinks();
    for (auto it = links.rbegin(); it != links.rend(); ++it) {
        CVertexLink* link = obj.AddVertexLink(point);
        link->m_curve = it->first;
        link->m_node = it->second;
    }
}

// A sheet of 4 x 3 uneven cells: the second row's curve runs backward, two
// cells are split by diagonals, one inner edge is missing, three points
// list their links backward, and a closed curve through two points makes a
// lens that two triangles share; the last curve has no nodes.
std::unique_ptr<CSpatchObj> MakeIrregularSheet() {
    auto obj = std::make_unique<CSpatchObj>();
    std::vector<CPatchVertex*> p;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 5; ++column)
            p.push_back(obj->AddVertex(static_cast<float>(column) + 0.1f * static_cast<float>(row % 2),
                                       0.05f * static_cast<float>(column * row), static_cast<float>(row)));
    auto at = [&](int row, int column) { return p[static_cast<size_t>(row * 5 + column)]; };
    AddCurveThrough(*obj, {at(0, 0), at(0, 1), at(0, 2), at(0, 3), at(0, 4)});
    AddCurveThrough(*obj, {at(1, 4), at(1, 3), at(1, 2), at(1, 1), at(1, 0)});
    AddCurveThrough(*obj, {at(2, 0), at(2, 1), at(2, 2)});
    AddCurveThrough(*obj, {at(2, 3), at(2, 4)});
    AddCurveThrough(*obj, {at(3, 0), at(3, 1), at(3, 2), at(3, 3), at(3, 4)});
    for (int column = 0; column < 5; ++column)
        AddCurveThrough(*obj, {at(0, column), at(1, column), at(2, column), at(3, column)});
    AddCurveThrough(*obj, {at(0, 0), at(1, 1)});
    AddCurveThrough(*obj, {at(2, 4), at(3, 3)});
    AddCurveThrough(*obj, {at(2, 2), at(2, 3)}, true);
    CPatchVertex* apex = obj->AddVertex(2.5f, 0.5f, 2.5f);
    AddCurveThrough(*obj, {at(2, 3), apex, at(2, 2)});
    for (CPatchVertex* point : {at(1, 1), at(2, 2), at(3, 4)})
        ReverseLinks(*obj, point);
    obj->AddCurve();
    obj->UpdateCurveHandles();
    return obj;
}

// A tube of three closed rings of six points, one of them run the other
// way, joined by open curves (one from top to bottom), and capped by a fan
// of spokes from a centre point.
std::unique_ptr<CSpatchObj> MakeCappedTube() {
    auto obj = std::make_unique<CSpatchObj>();
    std::vector<std::vector<CPatchVertex*>> rings;
    for (int level = 0; level < 3; ++level) {
        rings.push_back(AddRing(*obj, 6, static_cast<float>(level)));
        std::vector<CPatchVertex*> ring = rings.back();
        if (level == 1)
            std::reverse(ring.begin(), ring.end());
        AddCurveThrough(*obj, ring, true);
    }
    for (int i = 0; i < 6; ++i) {
        std::vector<CPatchVertex*> side{rings[0][i], rings[1][i], rings[2][i]};
        if (i == 4)
            std::reverse(side.begin(), side.end());
        AddCurveThrough(*obj, side);
    }
    CPatchVertex* centre = obj->AddVertex(0.0f, 2.5f, 0.0f);
    for (int i = 0; i < 6; ++i)
        AddCurveThrough(*obj, {rings[2][i], centre});
    ReverseLinks(*obj, rings[1][2]);
    obj->UpdateCurveHandles();
    return obj;
}

} // namespace

// The patches of uneven shapes come in the same order, with the same first
// corner, the same turn and the same edges whenever the network is the same,
// and a second rebuild, which reuses the first one's patches, changes none.
TEST(PatchSearchTest, UnevenShapesKeepTheirPatchOrderAndTurn) {
    const struct {
        const char* name;
        Builder make;
        const char* patches;
    } cases[] = {
        {"irregular sheet", MakeIrregularSheet,
         "0c0:0>1 1c6:0>1 6c10:1<0 / "
         "6c1:3>4 5c5:1<0 0c10:0>1 / "
         "13c3:0>1 14c11:0>1 18c8:3<2 / "
         "18c11:1<0 14c9:2>3 19c4:4<3 / "
         "12c13:2<1 20c13:1<0 13c12:1<0 / "
         "1c0:1>2 2c7:0>1 7c1:2>3 6c6:1<0 / "
         "2c0:2>3 3c8:0>1 8c1:1>2 7c7:1<0 / "
         "3c0:3>4 4c9:0>1 9c1:0>1 8c8:1<0 / "
         "9c9:1>2 14c3:1<0 13c8:2<1 8c1:1<0 / "
         "8c1:1>2 7c7:1>2 12c12:0>1 13c8:2<1 / "
         "7c7:1>2 12c2:2<1 11c6:2<1 6c1:3<2 / "
         "6c6:1>2 11c2:1<0 10c5:2<1 5c1:4<3 / "
         "15c5:3<2 10c2:0>1 11c6:2>3 16c4:1<0 / "
         "16c6:3<2 11c2:1>2 12c7:2>3 17c4:2<1 / "
         "17c7:3<2 12c12:0<1 13c8:2>3 18c4:3<2 / "
         "| "},
        {"capped tube", MakeCappedTube,
         "12c2:0>1 13c10:0>1 18c9:1<0 / "
         "13c2:1>2 14c11:0>1 18c10:1<0 / "
         "14c2:2>3 15c12:0>1 18c11:1<0 / "
         "15c2:3>4 16c13:0>1 18c12:1<0 / "
         "16c2:4>5 17c14:0>1 18c13:1<0 / "
         "17c2:5>0 12c9:0>1 18c14:1<0 / "
         "0c0:0>1 1c4:0>1 7c1:4>5 6c3:1<0 / "
         "1c0:1>2 2c5:0>1 8c1:3>4 7c4:1<0 / "
         "2c0:2>3 3c6:0>1 9c1:2>3 8c5:1<0 / "
         "3c0:3>4 4c7:2<1 10c1:1>2 9c6:1<0 / "
         "4c0:4>5 5c8:0>1 11c1:0>1 10c7:1>2 / "
         "5c0:5>0 0c3:0>1 6c1:5>0 11c8:1<0 / "
         "11c8:1>2 17c2:5<4 16c7:0>1 10c1:1<0 / "
         "10c7:1<0 16c2:4<3 15c6:2<1 9c1:2<1 / "
         "9c6:1>2 15c2:3<2 14c5:2<1 8c1:3<2 / "
         "8c5:1>2 14c2:2<1 13c4:2<1 7c1:4<3 / "
         "7c4:1>2 13c2:1<0 12c3:2<1 6c1:5<4 / "
         "6c3:1>2 12c2:0<5 17c8:2<1 11c1:0<5 / "
         "| "},
        {"pentagon with a quad and a triangle beside it", MakePentagonWithNeighbours,
         "2c2:0>1 3c6:2<1 7c6:1<0 / "
         "0c0:0>1 1c5:3<2 6c5:2<1 5c5:1<0 / "
         "| 0c4:1<0 4c3:1<0 3c2:1<0 2c1:1<0 1c0:1<0 / "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto obj = c.make();
        obj->Rebuild();
        EXPECT_EQ(DescribePatches(*obj), c.patches);
        obj->Rebuild();
        EXPECT_EQ(DescribePatches(*obj), c.patches) << "after a second rebuild";
    }
}

// The searches on their own, quads first, find and keep what the earlier
// one left in the points' back-lists, in the order they came.
TEST(PatchSearchTest, SearchesOnTheirOwnKeepTheirOrderOnUnevenShapes) {
    auto obj = MakeIrregularSheet();
    obj->FindQuadPatchesCall();
    obj->FindTriPatchesCall();
    EXPECT_EQ(DescribePatches(*obj), "0c0:0>1 1c6:0>1 6c1:3>4 5c5:1<0 / "
                                     "1c0:1>2 2c7:0>1 7c1:2>3 6c6:1<0 / "
                                     "2c0:2>3 3c8:0>1 8c1:1>2 7c7:1<0 / "
                                     "3c0:3>4 4c9:0>1 9c1:0>1 8c8:1<0 / "
                                     "9c1:0>1 8c8:1>2 13c3:0>1 14c9:2<1 / "
                                     "8c1:1>2 7c7:1>2 12c12:0>1 13c8:2<1 / "
                                     "7c1:2>3 6c6:1>2 11c2:1>2 12c7:2<1 / "
                                     "6c1:3>4 5c5:1>2 10c2:0>1 11c6:2<1 / "
                                     "13c3:0>1 14c9:2>3 19c4:4<3 18c8:3<2 / "
                                     "15c4:0>1 16c6:3<2 11c2:1<0 10c5:2>3 / "
                                     "16c4:1>2 17c7:3<2 12c2:2<1 11c6:2>3 / "
                                     "17c4:2>3 18c8:3<2 13c12:1>0 12c7:2>3 / "
                                     "0c0:0>1 1c6:0>1 6c10:1<0 / "
                                     "6c1:3>4 5c5:1<0 0c10:0>1 / "
                                     "13c3:0>1 14c11:0>1 18c8:3<2 / "
                                     "18c4:3>4 19c9:3<2 14c11:0>1 / "
                                     "12c12:0>1 13c13:0>1 20c13:1>2 / "
                                     "| ");
}

// A rebuild that finds fewer or more patches than the last one reuses the
// old patches and gives what a first search gives, numbered in list order.
TEST(PatchSearchTest, RebuildWithFewerOrMorePatchesMatchesAFirstSearch) {
    auto obj = MakeIrregularSheet();
    obj->Rebuild();
    const int all = obj->GetPatches().GetCount();
    for (int visible : {0, 1}) {
        SCOPED_TRACE(visible ? "point shown again" : "point hidden");
        PointsOf(*obj)[7]->m_visible = visible;
        obj->Rebuild();
        auto first = MakeIrregularSheet();
        PointsOf(*first)[7]->m_visible = visible;
        first->Rebuild();
        EXPECT_EQ(DescribePatches(*obj), DescribePatches(*first));
        EXPECT_EQ(obj->GetPatches().GetCount(), visible ? all : all - 4);
        int number = 0;
        for (const CPatch* patch : obj->GetPatches())
            EXPECT_EQ(patch->m_number, number++);
    }
}
