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
        m_first.fill(9.0f);
        m_evaluator.BuildTriPatchNet(m_obj.get(), m_patch, m_first);
    }

    std::array<PatchNet, 3> Split(const PatchNet& first) const {
        std::array<PatchNet, 3> subs{};
        m_evaluator.BuildTriPatchNets(m_obj.get(), m_patch, first, subs[0], subs[1], subs[2]);
        return subs;
    }

    std::unique_ptr<CSpatchObj> m_obj;
    CPatch* m_patch = nullptr;
    CPatchEvaluator m_evaluator;
    PatchNet m_first;
};

} // namespace

TEST_F(TriPatchNetTest, SplitReadsOnlyTheBoundaryOfTheFirstNet) {
    for (auto [row, column] : {std::pair{0, 1}, {0, 2}, {0, 3}, {1, 3}})
        EXPECT_EQ(At(m_first, row, column), CVector3(9, 9, 9)) << row << ", " << column << " is not written";
    const std::array<PatchNet, 3> plain = Split(m_first);

    PatchNet changed = m_first;
    for (auto [row, column] : {std::pair{1, 1}, {2, 1}, {2, 2}, {0, 2}})
        SetNetPoint(changed, row * 4 + column, CVector3(5, -5, 5));
    EXPECT_EQ(Split(changed), plain) << "interior points changed";
    SetNetPoint(changed, 2 * 4 + 3, At(m_first, 2, 3) + CVector3(0, 0.25f, 0));
    EXPECT_NE(Split(changed)[2], plain[2]) << "an edge handle reaches the nets";

    std::array<PatchNet, 3> inPlace{m_first};
    m_evaluator.BuildTriPatchNets(m_obj.get(), m_patch, inPlace[0], inPlace[0], inPlace[1], inPlace[2]);
    EXPECT_EQ(inPlace, plain) << "the first net given as sub-net 0";

    std::array<PatchNet, 3> oneCall{};
    auto netsOf = [](const CPatch& patch) {
        return std::array<PatchNet, 3>{patch.Net(0), patch.Net(1), patch.Net(2)};
    };
    const std::array<PatchNet, 3> slots = netsOf(*m_patch);
    m_evaluator.GetTriPatchNets(m_obj.get(), m_patch, oneCall[0], oneCall[1], oneCall[2]);
    EXPECT_EQ(oneCall, plain) << "both passes in one";
    EXPECT_EQ(netsOf(*m_patch), slots) << "the patch's own nets are untouched";
    m_obj->UpdatePatchNets();
    EXPECT_EQ(netsOf(*m_patch), plain) << "the object's net update gives the same";
}

TEST_F(TriPatchNetTest, CentreAndCornerPointsInClosedForm) {
    const std::array<PatchNet, 3> subs = Split(m_first);
    auto n = [&](int row, int column) { return At(m_first, row, column); };
    const CVector3 t0 = n(0, 0), t1 = n(3, 0), t2 = n(3, 3);
    const CVector3 ha0 = n(1, 0), ha1 = n(2, 0), hb0 = n(3, 1), hb1 = n(3, 2), hc0 = n(2, 3), hc1 = n(1, 2);
    EXPECT_EQ(t0, *m_patch->GetCorner(0));
    const CVector3 z = (ha0 + ha1 + hb0 + hb1 + hc0 + hc1) * (11.0f / 48) - (t0 + t1 + t2) * (1.0f / 8);
    const CVector3 q0 = (ha0 + hc1) * (13.0f / 32) + (ha1 + hc0) * (3.0f / 16) + (hb0 + hb1) * (3.0f / 32) -
                        t0 * (3.0f / 16) - (t1 + t2) * (3.0f / 32);
    for (int k = 0; k < 3; ++k)
        ExpectVectorNear(At(subs[k], 3, 3), z, "centre of net " + std::to_string(k));
    ExpectVectorNear(At(subs[0], 2, 2), q0, "corner point of net 0");
    ExpectVectorNear(At(subs[1], 0, 3), (t1 + hb0 * 3 + hb1 * 3 + t2) / 8, "middle of edge 1");
}
