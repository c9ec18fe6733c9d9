#include "mesh/patch_evaluator.h"
#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>

using namespace qf::test;

namespace {

CVector3 At(const PatchNet& net, int row, int column) {
    return GetNetPoint(net, row * 4 + column);
}

// One triangle of a fan: a curved rim edge and two straight spokes from a
// raised centre, so no two handles are alike.
class TriPatchNetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_obj = MakeTriangleFan(3);
        m_obj->Rebuild();
        m_patch = m_obj->GetPatches().GetHead();
        ASSERT_EQ(m_patch->m_sides, 3);
    }

    struct Nets {
        PatchNet sub[3];
    };
    Nets Split(const PatchNet& first) const {
        Nets nets{};
        m_evaluator.BuildTriPatchNets(m_obj.get(), m_patch, first, nets.sub[0], nets.sub[1], nets.sub[2]);
        return nets;
    }
    PatchNet First() const {
        PatchNet net{};
        m_evaluator.BuildTriPatchNet(m_obj.get(), m_patch, net);
        return net;
    }

    std::unique_ptr<CSpatchObj> m_obj;
    CPatch* m_patch = nullptr;
    CPatchEvaluator m_evaluator;
};

void ExpectSameNets(const PatchNet (&a)[3], const PatchNet (&b)[3], const char* what) {
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(a[k], b[k]) << what << ", net " << k;
}

} // namespace

TEST_F(TriPatchNetTest, FirstPassGathersCornersAndHandles) {
    PatchNet net;
    net.fill(9.0f);
    m_evaluator.BuildTriPatchNet(m_obj.get(), m_patch, net);
    for (auto [row, column] : {std::pair{0, 1}, {0, 2}, {0, 3}, {1, 3}})
        EXPECT_EQ(At(net, row, column), CVector3(9, 9, 9)) << row << ", " << column << " is not written";
    EXPECT_EQ(At(net, 0, 0), *m_patch->GetCorner(0));
    EXPECT_EQ(At(net, 3, 0), *m_patch->GetCorner(1));
    EXPECT_EQ(At(net, 3, 3), *m_patch->GetCorner(2));
    EXPECT_EQ(At(net, 1, 1), At(net, 1, 0) + At(net, 1, 2) - At(net, 0, 0));
}

TEST_F(TriPatchNetTest, SplitReadsOnlyTheBoundary) {
    const PatchNet first = First();
    const Nets plain = Split(first);

    PatchNet changed = first;
    for (auto [row, column] : {std::pair{1, 1}, {2, 1}, {2, 2}, {0, 2}})
        SetNetPoint(changed, row * 4 + column, CVector3(5, -5, 5));
    ExpectSameNets(Split(changed).sub, plain.sub, "interior points changed");

    changed = first;
    SetNetPoint(changed, 2 * 4 + 3, At(first, 2, 3) + CVector3(0, 0.25f, 0));
    EXPECT_NE(Split(changed).sub[2], plain.sub[2]) << "an edge handle reaches the nets";

    Nets inPlace{};
    inPlace.sub[0] = first;
    m_evaluator.BuildTriPatchNets(m_obj.get(), m_patch, inPlace.sub[0], inPlace.sub[0], inPlace.sub[1],
                                  inPlace.sub[2]);
    ExpectSameNets(inPlace.sub, plain.sub, "first net given as sub-net 0");

    Nets oneCall{};
    const std::array<PatchNet, 3> slots = m_patch->m_nets;
    m_evaluator.GetTriPatchNets(m_obj.get(), m_patch, oneCall.sub[0], oneCall.sub[1], oneCall.sub[2]);
    ExpectSameNets(oneCall.sub, plain.sub, "both passes in one");
    EXPECT_EQ(m_patch->m_nets, slots) << "the patch's own nets are untouched";

    m_obj->UpdatePatchNets();
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(m_patch->m_nets[k], plain.sub[k]) << "the object's net update gives the same, net " << k;
}

TEST_F(TriPatchNetTest, CentreAndCornerPointsInClosedForm) {
    const PatchNet first = First();
    const Nets nets = Split(first);
    auto n = [&](int row, int column) { return At(first, row, column); };
    const CVector3 t0 = n(0, 0), t1 = n(3, 0), t2 = n(3, 3);
    const CVector3 ha0 = n(1, 0), ha1 = n(2, 0), hb0 = n(3, 1), hb1 = n(3, 2), hc0 = n(2, 3), hc1 = n(1, 2);
    const CVector3 z = (ha0 + ha1 + hb0 + hb1 + hc0 + hc1) * (11.0f / 48) - (t0 + t1 + t2) * (1.0f / 8);
    const CVector3 q0 = (ha0 + hc1) * (13.0f / 32) + (ha1 + hc0) * (3.0f / 16) + (hb0 + hb1) * (3.0f / 32) -
                        t0 * (3.0f / 16) - (t1 + t2) * (3.0f / 32);
    for (int k = 0; k < 3; ++k)
        ExpectVectorNear(At(nets.sub[k], 3, 3), z, "centre of net " + std::to_string(k));
    ExpectVectorNear(At(nets.sub[0], 2, 2), q0, "corner point of net 0");
}

TEST(TriPatchNetShapeTest, FlatAndCollapsedTriangles) {
    auto flat = std::make_unique<CSpatchObj>();
    const std::vector<CPatchVertex*> ring = AddRing(*flat, 3);
    for (int i = 0; i < 3; ++i)
        AddCurveThrough(*flat, {ring[i], ring[(i + 1) % 3]});
    for (CCurve* c : flat->GetCurves())
        for (CCurvePoint* node : c->m_nodes)
            node->m_weight = 1.0f / 3;
    flat->UpdateCurveHandles();
    flat->Rebuild();
    const CPatch* patch = flat->GetPatches().GetHead();
    PatchNet sub[3];
    CPatchEvaluator().GetTriPatchNets(flat.get(), patch, sub[0], sub[1], sub[2]);
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(GetNetPoint(sub[k], i).GetY(), 0.0f, 1e-6f) << "net " << k << " point " << i;
        ExpectVectorNear(At(sub[k], 0, 3), (*patch->GetCorner(k) + *patch->GetCorner((k + 1) % 3)) * 0.5f,
                         "middle of edge " + std::to_string(k));
        EXPECT_EQ(At(sub[k], 3, 3), At(sub[0], 3, 3));
    }

    // Three nodes on one point with every handle there too.
    CPatchVertex point(1.5f, -2, 4);
    CCurvePoint nodes[3];
    CPatch collapsed;
    collapsed.m_sides = 3;
    for (int k = 0; k < 3; ++k) {
        nodes[k].m_vertex = &point;
        nodes[k].m_handleIn = nodes[k].m_handleOut = point;
        collapsed.m_edges[k] = CNodePair{&nodes[k], &nodes[(k + 1) % 3]};
    }
    CPatchEvaluator().GetTriPatchNets(nullptr, &collapsed, sub[0], sub[1], sub[2]);
    for (const PatchNet& net : sub)
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(GetNetPoint(net, i), point);
}
