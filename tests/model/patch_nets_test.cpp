#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>
#include <map>

using namespace qf::test;

namespace {

// Arches every two-node curve with manual handles that rise out of the
// chord, so shared edges are curved in space.
void BendStraightCurves(CSpatchObj& obj) {
    const CVector3 lift(0.1f, 0.4f, -0.2f);
    for (CCurve* curve : obj.GetCurves()) {
        if (curve->m_nodes.GetCount() != 2)
            continue;
        CCurvePoint* a = curve->m_nodes.GetHead();
        CCurvePoint* b = curve->m_nodes.GetTail();
        a->m_manualOut = b->m_manualIn = 1;
        a->m_offsetOut = (*b->m_vertex - *a->m_vertex) * 0.3f + lift;
        b->m_offsetIn = (*a->m_vertex - *b->m_vertex) * 0.3f + lift;
    }
    obj.UpdateCurveHandles();
}

// The surface point of a patch on its edge k at parameter w from the edge's
// start: a quad's single net along its border, or for a patch drawn from one
// net per corner the first half of edge k in net k (row 0) and the second
// half in net k+1 (column 0, run back from its corner).
CVector3 EdgePoint(const CSpatchObj& obj, const CPatch* quadOrTri, const CFivePointPatch* five, int k,
                   float w) {
    CVector3 p;
    if (quadOrTri && quadOrTri->m_sides == 4) {
        const float st[4][2] = {{w, 0}, {1, w}, {1 - w, 1}, {0, 1 - w}};
        obj.EvaluateTriPatchNet(p, st[k][0], st[k][1], 0, quadOrTri);
        return p;
    }
    const int sides = five ? 5 : 3;
    const int net = w <= 0.5f ? k : (k + 1) % sides;
    const float s = w <= 0.5f ? 2 * w : 0;
    const float t = w <= 0.5f ? 0 : 2 * (1 - w);
    if (five)
        obj.EvaluateFivePatchNet(p, s, t, net, five);
    else
        obj.EvaluateTriPatchNet(p, s, t, net, quadOrTri);
    return p;
}

// Where two patches share a curve segment they give the same points at the
// same parameter; unless the nets were smoothed, every patch edge also
// follows its curve segment. Returns the number of shared segments compared.
int ExpectEdgesMeet(const CSpatchObj& obj, bool followCurves) {
    // Points of each segment (by its first node) as each patch gives them.
    std::map<const CCurvePoint*, std::vector<std::vector<CVector3>>> bySegment;
    auto sample = [&](const CPatch* patch, const CFivePointPatch* five, int k) {
        const CNodePair& edge = patch ? patch->m_edges[k] : five->m_edges[k];
        const int forward = patch ? patch->m_direction[k] : five->m_direction[k];
        const CCurvePoint* first = forward ? edge.m_start : edge.m_end;
        const CCurve* curve = patch ? patch->m_curves[k] : five->m_curves[k];
        std::vector<CVector3>& points = bySegment[first].emplace_back();
        for (int i = 0; i <= 16; ++i) {
            const float u = i / 16.0f;
            points.push_back(EdgePoint(obj, patch, five, k, forward ? u : 1 - u));
            if (followCurves)
                ExpectVectorNear(points.back(), curve->EvaluateSegment(first->m_number, u),
                                 "edge on its curve", 1e-4f);
        }
    };
    for (const CPatch* p : obj.GetPatches())
        for (int k = 0; k < p->m_sides; ++k)
            sample(p, nullptr, k);
    for (const CFivePointPatch* p : obj.GetFivePatches())
        for (int k = 0; k < 5; ++k)
            sample(nullptr, p, k);
    int shared = 0;
    for (const auto& [first, sides] : bySegment) {
        if (sides.size() < 2)
            continue;
        ++shared;
        for (size_t i = 0; i <= 16; ++i)
            ExpectVectorNear(sides[1][i], sides[0][i], "neighbours meet", 1e-4f);
    }
    return shared;
}

// Column 3 of net k is row 3 of net k+1, point for point.
template <class Patch> void ExpectSeamsClosed(const Patch& patch) {
    const int count = patch.NetCount();
    for (int k = 0; k < count; ++k)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(GetNetPoint(patch.Net(k), i * 4 + 3), GetNetPoint(patch.Net((k + 1) % count), 12 + i))
                << "net " << k << " row " << i;
}

} // namespace

TEST(PatchNetsTest, NeighbouringNetsMeetWithoutGaps) {
    struct Case {
        const char* name;
        std::unique_ptr<CSpatchObj> obj;
        int shared;
    };
    auto bumpyGrid = MakeFlatQuadGrid(3);
    for (CPatchVertex* v : bumpyGrid->GetVertices())
        v->SetY(0.3f * std::sin(v->GetX() * 2.0f) * std::cos(v->GetZ()));
    Case cases[] = {
        {"fan of five triangles", MakeTriangleFan(5), 5},
        {"pentagon with a quad and a triangle", MakePentagonWithNeighbours(), 2},
        {"bumpy grid", std::move(bumpyGrid), 12},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int smoothing : {0, 1}) {
            SCOPED_TRACE(smoothing ? "smoothed" : "not smoothed");
            BendStraightCurves(*c.obj);
            c.obj->SetSmoothing(smoothing);
            c.obj->Rebuild();
            c.obj->UpdatePatchNets();
            EXPECT_EQ(ExpectEdgesMeet(*c.obj, smoothing == 0), c.shared);
            for (const CPatch* p : c.obj->GetPatches())
                if (p->m_sides == 3)
                    ExpectSeamsClosed(*p);
            for (const CFivePointPatch* p : c.obj->GetFivePatches())
                ExpectSeamsClosed(*p);
        }
    }
}

TEST(PatchNetsTest, NetsAreBuiltOnlyWhenDirty) {
    auto obj = MakeTriangleFan(3);
    obj->Rebuild();
    obj->UpdatePatchNets();
    EXPECT_EQ(obj->GetNetsDirty(), 0);
    CPatch* patch = obj->GetPatches().GetHead();
    const PatchNet built = patch->Net(1);
    // A net overwritten by hand survives a second update: it did no work.
    patch->Net(1).fill(7.0f);
    obj->UpdatePatchNets();
    EXPECT_EQ(patch->Net(1)[0], 7.0f);
    obj->UpdateCurveHandles();
    obj->UpdatePatchNets();
    EXPECT_EQ(patch->Net(1), built) << "a geometry edit marks the nets for rebuilding";
}

TEST(PatchNetsTest, SmoothingPutsTheNetsAroundAPointOnOnePlane) {
    // A sharp point on a bent grid: the handles at it point straight at its
    // neighbours, so the four patches round it start out with a crease.
    auto obj = MakeFlatQuadGrid(2);
    const CPatchVertex* centre = PointsOf(*obj)[4];
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(0.2f * v->GetX() * v->GetX() - 0.3f * v->GetZ());
    for (CCurve* c : obj->GetCurves())
        for (CCurvePoint* node : c->m_nodes)
            node->m_sharp = node->m_vertex == centre;
    obj->UpdateCurveHandles();
    obj->SetSmoothing(1);
    obj->Rebuild();
    obj->UpdatePatchNets();
    // The net point next to the centre along each shared edge, and the
    // interior points beside it, now lie on its tangent plane.
    const CVector3 n = centre->m_normal;
    ASSERT_NEAR(n.Length(), 1.0f, 1e-5f);
    int onPlane = 0;
    for (const CPatch* p : obj->GetPatches()) {
        for (int i = 0; i < 16; ++i) {
            const CVector3 q = GetNetPoint(p->Net(0), i);
            if ((q - *centre).Length() < 0.55f && !(q == *centre)) {
                EXPECT_NEAR(DotProduct(n, q - *centre), 0.0, 1e-5)
                    << "patch " << p->m_number << " point " << i;
                ++onPlane;
            }
        }
    }
    EXPECT_EQ(onPlane, 12) << "two edge points and one interior point in each of four patches";
    for (const CPatchVertex* v : obj->GetVertices())
        EXPECT_TRUE(v->m_patches.IsEmpty());
    for (const CCurve* c : obj->GetCurves())
        for (const CCurvePoint* node : c->m_nodes)
            EXPECT_TRUE(node->m_patches.IsEmpty());
}

// Round every inner point of a 3 x 3 grid: the middle cell has all four
// corners there, so each of its corners is smoothed along the edge that
// leaves it and the edge that arrives at it.
TEST(PatchNetsTest, SmoothingReachesEveryCornerOfAQuadBothWays) {
    auto obj = MakeFlatQuadGrid(3);
    const std::vector<CPatchVertex*> points = PointsOf(*obj);
    const std::vector<const CPatchVertex*> inner = {points[5], points[6], points[9], points[10]};
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(0.05f * v->GetX() * v->GetX() - 0.1f * v->GetZ() + 0.04f * v->GetX() * v->GetZ());
    for (CCurve* c : obj->GetCurves())
        for (CCurvePoint* node : c->m_nodes)
            node->m_sharp = 1;
    obj->UpdateCurveHandles();
    obj->SetSmoothing(1);
    obj->Rebuild();
    obj->UpdatePatchNets();
    for (const CPatchVertex* centre : inner) {
        const CVector3 n = centre->m_normal;
        ASSERT_NEAR(n.Length(), 1.0f, 1e-5f);
        int onPlane = 0;
        for (const CPatch* p : obj->GetPatches())
            for (int i = 0; i < 16; ++i) {
                const CVector3 q = GetNetPoint(p->Net(0), i);
                if ((q - *centre).Length() < 0.55f && !(q == *centre)) {
                    EXPECT_NEAR(DotProduct(n, q - *centre), 0.0, 1e-5)
                        << "point " << centre->m_index << ", patch " << p->m_number << " net point " << i;
                    ++onPlane;
                }
            }
        EXPECT_EQ(onPlane, 12) << "point " << centre->m_index;
    }
}

TEST(PatchNetsTest, FiveSidedCornerPointsMoveOntoThePlaneThroughTheCentre) {
    // Corner k's arriving handle sits on the corner and its leaving handle
    // on the wanted corner point.
    auto build = [](const std::array<CVector3, 5>& cornerPoints, std::array<CPatchVertex, 5>& points,
                    std::array<CCurvePoint, 5>& nodes, CFivePointPatch& patch) {
        for (int k = 0; k < 5; ++k) {
            points[k].Set(static_cast<float>(k), 1.0f, static_cast<float>(k * k % 3));
            nodes[k].m_vertex = &points[k];
            nodes[k].m_handleIn = points[k];
            nodes[k].m_handleOut = cornerPoints[k];
            patch.m_edges[k] = CNodePair{&nodes[k], &nodes[(k + 1) % 5]};
            patch.m_direction[k] = 1;
        }
        patch.BuildNets(nullptr);
    };
    std::array<CPatchVertex, 5> points;
    std::array<CCurvePoint, 5> nodes;
    CFivePointPatch patch;
    const std::array<CVector3, 5> bent = {CVector3(0, 0, 0), CVector3(2, 0.5f, 0), CVector3(3, -0.4f, 2),
                                          CVector3(1, 0.8f, 3), CVector3(-1, 0.1f, 1.5f)};
    build(bent, points, nodes, patch);
    const CVector3 centre = (bent[0] + bent[1] + bent[2] + bent[3] + bent[4]) * 0.2f;
    const CVector3 n = CFivePointPatch::CornerNormal(bent[0], bent[1], bent[2], bent[3], bent[4]);
    ASSERT_NEAR(n.Length(), 1.0f, 1e-6f);
    for (int k = 0; k < 5; ++k) {
        ExpectVectorNear(GetNetPoint(patch.m_nets[k], 15), centre, "centre");
        EXPECT_NEAR(DotProduct(n, GetNetPoint(patch.m_nets[k], 10) - centre), 0.0, 1e-6)
            << "corner point " << k;
    }

    // When the normals of the two triangles cancel the points stay put.
    const std::array<CVector3, 5> folded = {CVector3(0, 0, 0), CVector3(1, 0, 0), CVector3(1, 0, 1),
                                            CVector3(0, 0, 1), CVector3(1, 0, 2)};
    build(folded, points, nodes, patch);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(GetNetPoint(patch.m_nets[k], 10), folded[k]);
}

TEST(PatchNetsTest, FlatSquareNetEvaluationAndMirrorCache) {
    auto obj = MakeFlatQuadGrid(1);
    obj->Rebuild();
    obj->UpdatePatchNets();
    const CPatch* quad = obj->GetPatches().GetHead();
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(GetNetPoint(quad->Net(0), i).GetY(), 0.0f) << "point " << i << " on the plane";
    const int corners[4] = {0, 3, 15, 12};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(GetNetPoint(quad->Net(0), corners[k]), *quad->GetCorner(k));
    CVector3 p(5, 5, 5);
    obj->EvaluateTriPatchNet(p, 0, 0, 1, quad);
    EXPECT_EQ(p, CVector3(5, 5, 5)) << "a quad has no second net";
    obj->EvaluateTriPatchNet(p, 1, 1, 0, quad);
    EXPECT_EQ(p, *quad->GetCorner(2));

    obj->SetMirrorMode(1);
    obj->SetMirrorAxis(0, 1);
    obj->SetMirrorCache(std::make_unique<CSpatchObj>());
    EXPECT_EQ(obj->CheckMirrorCache(), 0) << "nothing changed since the copy was made";
    EXPECT_NE(obj->GetMirrorCache(), nullptr);
    obj->SetNetsDirty(1);
    EXPECT_EQ(obj->CheckMirrorCache(), 1) << "the nets changed after the copy";
    EXPECT_EQ(obj->GetMirrorCache(), nullptr);
}
