#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>

using namespace qf::test;

namespace {

CVector3 At(const PatchNet& net, int row, int column) {
    return GetNetPoint(net, row * 4 + column);
}

// A five-sided patch whose corner points (the parallelogram points of the
// handles at each corner) are given: at corner k the arriving edge's handle
// sits on the corner itself and the leaving edge's handle on the wanted point.
struct HandPatch {
    explicit HandPatch(const std::array<CVector3, 5>& cornerPoints) {
        for (int k = 0; k < 5; ++k) {
            points[k].Set(static_cast<float>(k), 1.0f, static_cast<float>(k * k % 3));
            nodes[k].m_vertex = &points[k];
            nodes[k].m_handleIn = points[k];
            nodes[k].m_handleOut = cornerPoints[k];
        }
        for (int k = 0; k < 5; ++k) {
            patch.m_edges[k] = CNodePair{&nodes[k], &nodes[(k + 1) % 5]};
            patch.m_direction[k] = 1;
        }
        patch.BuildNets(nullptr);
    }

    std::array<CPatchVertex, 5> points;
    std::array<CCurvePoint, 5> nodes;
    CFivePointPatch patch;
};

} // namespace

TEST(FivePointPatchNetTest, RegularPentagonLiesInItsPlane) {
    auto obj = MakeFlaggedPentagon();
    for (CCurve* c : obj->GetCurves())
        for (CCurvePoint* node : c->m_nodes)
            node->m_weight = 1.0f / 3;
    obj->UpdateCurveHandles();
    obj->Rebuild();
    obj->UpdatePatchNets();
    ASSERT_EQ(obj->CountFivePointPatches(), 1);
    const CFivePointPatch* patch = obj->GetFivePatches().GetHead();
    for (int k = 0; k < 5; ++k) {
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(GetNetPoint(patch->m_nets[k], i).GetY(), 0.0f, 1e-6f)
                << "net " << k << " point " << i;
        EXPECT_EQ(At(patch->m_nets[k], 0, 0), *patch->GetCorner(k));
        ExpectVectorNear(At(patch->m_nets[k], 3, 3), CVector3(), "the centre");
    }
}

TEST(FivePointPatchNetTest, CornerPointsMoveOntoThePlaneThroughTheCentre) {
    const std::array<CVector3, 5> bent = {CVector3(0, 0, 0), CVector3(2, 0.5f, 0), CVector3(3, -0.4f, 2),
                                          CVector3(1, 0.8f, 3), CVector3(-1, 0.1f, 1.5f)};
    HandPatch hand(bent);
    const CVector3 centre = (bent[0] + bent[1] + bent[2] + bent[3] + bent[4]) * 0.2f;
    const CVector3 n = CFivePointPatch::CornerNormal(bent[0], bent[1], bent[2], bent[3], bent[4]);
    ASSERT_NEAR(n.Length(), 1.0f, 1e-6f);
    for (int k = 0; k < 5; ++k) {
        const PatchNet& net = hand.patch.m_nets[k];
        ExpectVectorNear(At(net, 3, 3), centre, "centre");
        EXPECT_NEAR(DotProduct(n, At(net, 2, 2) - centre), 0.0, 1e-6) << "corner point " << k;
        EXPECT_GT(DotProduct(n, bent[k] - centre) * DotProduct(n, bent[k] - centre), 1e-4)
            << "it had to move";
    }

    // Normals of the two triangles that cancel leave the points where they are.
    const std::array<CVector3, 5> folded = {CVector3(0, 0, 0), CVector3(1, 0, 0), CVector3(1, 0, 1),
                                            CVector3(0, 0, 1), CVector3(1, 0, 2)};
    EXPECT_EQ(CFivePointPatch::CornerNormal(folded[0], folded[1], folded[2], folded[3], folded[4]),
              CVector3());
    HandPatch flat(folded);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(At(flat.patch.m_nets[k], 2, 2), folded[k]);
}

TEST(FivePointPatchNetTest, DirectionFlagChoosesTheHandles) {
    HandPatch hand(
        {CVector3(0, 0, 0), CVector3(2, 0, 0), CVector3(3, 0, 2), CVector3(1, 0, 3), CVector3(-1, 0, 1)});
    ExpectVectorNear(At(hand.patch.m_nets[0], 0, 1), (hand.points[0] + hand.nodes[0].m_handleOut) * 0.5f,
                     "forward");
    hand.patch.m_direction[0] = 0;
    hand.patch.BuildNets(nullptr);
    ExpectVectorNear(At(hand.patch.m_nets[0], 0, 1), (hand.points[0] + hand.nodes[0].m_handleIn) * 0.5f,
                     "backward");
    ExpectVectorNear(At(hand.patch.m_nets[1], 1, 0), (hand.points[1] + hand.nodes[1].m_handleOut) * 0.5f,
                     "the end handle swaps too");
}
