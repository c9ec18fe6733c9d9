#include "model/connect_curve.h"
#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>
#include <vector>

using qf::test::AddCurveThrough;
using qf::test::CheckLinkInvariants;
using qf::test::ExpectVectorNear;
using qf::test::PointsAlong;

namespace {

// Open curves a-joint and joint-b (the second from the joint outward, or
// towards it when reversed), so the ends meet at the joint.
struct TwoCurves {
    TwoCurves(const CVector3& a, const CVector3& b, bool reversed = false) {
        start = obj.AddVertex(a.GetX(), a.GetY(), a.GetZ());
        joint = obj.AddVertex(0, 0, 0);
        end = obj.AddVertex(b.GetX(), b.GetY(), b.GetZ());
        AddCurveThrough(obj, {start, joint});
        if (reversed)
            AddCurveThrough(obj, {end, joint});
        else
            AddCurveThrough(obj, {joint, end});
        obj.UpdateCurveHandles();
    }
    CSpatchObj obj;
    CPatchVertex* start;
    CPatchVertex* joint;
    CPatchVertex* end;
};

} // namespace

TEST(ConnectCurveTest, EndsJoinWithinTheAngleLimit) {
    struct Case {
        const char* name;
        CVector3 b;
        float angle;
        int joined;
    };
    const std::vector<Case> cases = {
        {"straight on, default limit", CVector3(1, 0, 0), 89.5f, 1},
        {"right angle, limit 90", CVector3(0, 1, 0), 90.0f, 1},
        {"right angle, limit 90.5", CVector3(0, 1, 0), 90.5f, 0},
        // Rounding puts the cosine of these just below -1, where acos has no value.
        {"straight on, cosine rounded past -1", CVector3(0.1f, 0.3f, 0.1f), 89.5f, 1},
    };
    for (const Case& c : cases) {
        for (bool reversed : {false, true}) {
            const CVector3 a = c.b.GetY() == 1.0f ? CVector3(-1, 0, 0) : c.b * -3.0f;
            TwoCurves t(a, c.b, reversed);
            EXPECT_EQ(CConnectCurve().Connect(&t.obj, c.angle, 0), c.joined) << c.name;
            if (!c.joined) {
                EXPECT_EQ(t.obj.GetCurves().GetCount(), 2) << c.name;
                continue;
            }
            ASSERT_EQ(t.obj.GetCurves().GetCount(), 1) << c.name;
            EXPECT_EQ(PointsAlong(*t.obj.GetCurves().GetHead()),
                      (std::vector<CPatchVertex*>{t.start, t.joint, t.end}))
                << c.name << (reversed ? ", second curve reversed" : "");
            EXPECT_EQ(CheckLinkInvariants(t.obj), "") << c.name;
        }
    }
}

TEST(ConnectCurveTest, ThreeEndsJoinOnlyTheBestPair) {
    CSpatchObj obj;
    CPatchVertex* joint = obj.AddVertex(0, 0, 0);
    CPatchVertex* left = obj.AddVertex(-1, 0, 0);
    CPatchVertex* up = obj.AddVertex(0, 1, 0);
    CPatchVertex* right = obj.AddVertex(1, 0.1f, 0);
    AddCurveThrough(obj, {joint, up});
    AddCurveThrough(obj, {left, joint});
    AddCurveThrough(obj, {joint, right});
    ASSERT_EQ(CConnectCurve().Connect(&obj, 45.0f, 0), 1);
    ASSERT_EQ(obj.GetCurves().GetCount(), 2);
    EXPECT_EQ(PointsAlong(*obj.GetCurves().GetHead()), (std::vector<CPatchVertex*>{joint, up})) << "stays";
    EXPECT_EQ(PointsAlong(*obj.GetCurves().GetTail()), (std::vector<CPatchVertex*>{left, joint, right}));
    EXPECT_EQ(CheckLinkInvariants(obj), "");
    EXPECT_EQ(obj.GetNeedsRebuild(), 0) << "the patches are rebuilt at once";
}

TEST(ConnectCurveTest, BothEndsOnOnePointCloseTheCurve) {
    CSpatchObj obj;
    CPatchVertex* joint = obj.AddVertex(0, 0, 0);
    CPatchVertex* a = obj.AddVertex(1, 0, 0);
    CPatchVertex* b = obj.AddVertex(1, 1, 0);
    AddCurveThrough(obj, {joint, a, b, joint});
    ASSERT_EQ(CConnectCurve().Connect(&obj, 180.0f, 0), 1) << "whatever the angle";
    ASSERT_EQ(obj.GetCurves().GetCount(), 1);
    EXPECT_EQ(obj.GetCurves().GetHead()->m_closed, 1);
    EXPECT_EQ(PointsAlong(*obj.GetCurves().GetHead()), (std::vector<CPatchVertex*>{a, b, joint}));
    EXPECT_EQ(CheckLinkInvariants(obj), "");
}

TEST(ConnectCurveTest, UnselectedOrInnerPointsNeverJoin) {
    TwoCurves t(CVector3(-1, 0, 0), CVector3(1, 0, 0));
    EXPECT_EQ(CConnectCurve().Connect(&t.obj, 89.5f, 1), 0) << "the joint is not selected";
    t.joint->SetSelected(1);
    EXPECT_EQ(CConnectCurve().Connect(&t.obj, 89.5f, 1), 1);

    // A curve that runs on through the point is not an end there.
    CSpatchObj obj;
    CPatchVertex* joint = obj.AddVertex(0, 0, 0);
    CPatchVertex* a = obj.AddVertex(-1, 0, 0);
    CPatchVertex* b = obj.AddVertex(1, 0, 0);
    CPatchVertex* c = obj.AddVertex(2, 0, 0);
    AddCurveThrough(obj, {a, joint, b});
    AddCurveThrough(obj, {joint, c});
    EXPECT_EQ(CConnectCurve().Connect(&obj, 0.0f, 0), 0);
    EXPECT_EQ(obj.GetCurves().GetCount(), 2);
    EXPECT_EQ(CConnectCurve().Connect(nullptr, 0.0f, 0), 0);
}

TEST(ConnectCurveTest, ACurveAlsoPassingThroughTheJointLeavesNoStaleLink) {
    CSpatchObj obj;
    CPatchVertex* joint = obj.AddVertex(0, 0, 0);
    CPatchVertex* back = obj.AddVertex(-1, 0, 0);
    CPatchVertex* loop = obj.AddVertex(-1, 1, 0);
    CPatchVertex* beyond = obj.AddVertex(0, 2, 0);
    CPatchVertex* ahead = obj.AddVertex(1, 0, 0);
    // Ends at the joint and runs through it once more further on.
    AddCurveThrough(obj, {joint, back, loop, joint, beyond});
    AddCurveThrough(obj, {joint, ahead});
    obj.UpdateCurveHandles();
    ASSERT_EQ(CConnectCurve().Connect(&obj, 89.5f, 0), 1);
    ASSERT_EQ(obj.GetCurves().GetCount(), 1);
    EXPECT_EQ(PointsAlong(*obj.GetCurves().GetHead()),
              (std::vector<CPatchVertex*>{beyond, joint, loop, back, joint, ahead}));
    EXPECT_EQ(CheckLinkInvariants(obj), "");
    EXPECT_EQ(joint->m_links.GetCount(), 2);
}

TEST(ConnectCurveTest, ReversedPiecesKeepTheirShape) {
    // Both curves run out of the joint, so the first is taken backwards; its
    // manual handle must turn round with it.
    CSpatchObj obj;
    CPatchVertex* joint = obj.AddVertex(0, 0, 0);
    CPatchVertex* mid = obj.AddVertex(-1, 0, 0);
    CPatchVertex* far = obj.AddVertex(-2, 0, 0);
    CPatchVertex* out = obj.AddVertex(1, 0, 0);
    CCurve* first = AddCurveThrough(obj, {joint, mid, far});
    AddCurveThrough(obj, {joint, out});
    CCurvePoint* bent = first->m_nodes.GetAtIndex(1);
    bent->m_manualOut = 1;
    bent->m_offsetOut.Set(0, 0.5f, 0);
    obj.UpdateCurveHandles();
    const CVector3 before = first->EvaluateSegment(1, 0.25f);
    ASSERT_EQ(CConnectCurve().Connect(&obj, 89.5f, 0), 1);
    const CCurve* joined = obj.GetCurves().GetHead();
    ASSERT_EQ(PointsAlong(*joined), (std::vector<CPatchVertex*>{far, mid, joint, out}));
    ExpectVectorNear(joined->EvaluateSegment(0, 0.75f), before, "the bent segment, run the other way");
}
