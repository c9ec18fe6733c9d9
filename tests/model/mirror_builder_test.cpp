#include "model/mirror_builder.h"
#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

using qf::test::AddCurveThrough;
using qf::test::CheckLinkInvariants;
using qf::test::ExpectVectorNear;

namespace {

// An object with one curve through the given points.
std::unique_ptr<CSpatchObj> CurveObject(const std::vector<CVector3>& points, bool closed = false) {
    auto obj = std::make_unique<CSpatchObj>();
    std::vector<CPatchVertex*> vertices;
    for (const CVector3& p : points)
        vertices.push_back(obj->AddVertex(p.GetX(), p.GetY(), p.GetZ()));
    AddCurveThrough(*obj, vertices, closed);
    obj->UpdateCurveHandles();
    return obj;
}

void SetMirror(CSpatchObj& obj, int mode, std::array<int, 3> axes, int limit = 0, float distance = 0) {
    obj.SetMirrorMode(mode);
    for (int k = 0; k < 3; ++k)
        obj.SetMirrorAxis(k, axes[k]);
    obj.SetMirrorLimit(limit);
    obj.SetMirrorLimitDistance(distance);
}

// The positions of a curve's nodes in order.
std::vector<CVector3> NodePositions(const CCurve* curve) {
    std::vector<CVector3> positions;
    for (const CCurvePoint* node : curve->m_nodes)
        positions.push_back(*node->m_vertex);
    return positions;
}

std::string Describe(const std::vector<CVector3>& points) {
    std::string text;
    for (const CVector3& p : points)
        text += "(" + std::to_string(p.GetX()) + " " + std::to_string(p.GetY()) + ") ";
    return text;
}

CSpatchObj* Mirrored(CSpatchObj& obj) {
    CMirrorBuilder().Build(&obj);
    return obj.GetMirrorCache();
}

} // namespace

TEST(MirrorBuilderTest, SeparatedCopiesAcrossTwoPlanesShareNothing) {
    auto obj = qf::test::MakeFlatQuadGrid(1); // unit square in the XZ plane, from the origin
    for (CPatchVertex* v : obj->GetVertices())
        v->Set(v->GetX() + 1, v->GetY(), v->GetZ() + 1);
    obj->UpdateCurveHandles();
    obj->SetName("half");
    SetMirror(*obj, 1, {1, 0, 1});
    const CSpatchObj* copy = Mirrored(*obj);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetVertices().GetCount(), 16);
    EXPECT_EQ(copy->GetCurves().GetCount(), 16);
    EXPECT_EQ(copy->CountQuadPatches(), 4) << "one patch per quarter";
    EXPECT_EQ(CheckLinkInvariants(*copy), "");
    std::set<std::pair<float, float>> corners;
    for (const CPatchVertex* v : copy->GetVertices()) {
        EXPECT_EQ(v->m_links.GetCount(), 2) << "each point is on its own quarter's two curves only";
        corners.insert({v->GetX(), v->GetZ()});
    }
    EXPECT_EQ(corners.size(), 16u);
    EXPECT_EQ(copy->GetName(), CString("half"));
    EXPECT_EQ(copy->GetMirrorMode(), 0);
    EXPECT_EQ(obj->GetVertices().GetCount(), 4) << "the object itself is unchanged";
}

TEST(MirrorBuilderTest, ConnectedCopyJoinsOpenCurvesByTheirEnds) {
    const struct Case {
        const char* name;
        std::vector<CVector3> curve;
        int limit;
        float distance;
        std::vector<std::vector<CVector3>> expected; // node positions of each curve in order
        std::vector<int> closed;
    } cases[] = {
        {"an arch from the plane to the plane closes through the shared ends",
         {{0, 0, 0}, {1, 1, 0}, {0, 2, 0}},
         0,
         0,
         {{{0, 0, 0}, {1, 1, 0}, {0, 2, 0}, {-1, 1, 0}}},
         {1}},
        {"with the limit off every open curve is joined",
         {{1, 0, 0}, {1, 2, 0}},
         0,
         0,
         {{{1, 0, 0}, {1, 2, 0}, {-1, 2, 0}, {-1, 0, 0}}},
         {1}},
        {"ends beyond the limit are copied twice",
         {{1, 0, 0}, {1, 2, 0}},
         1,
         0.5f,
         {{{1, 0, 0}, {1, 2, 0}}, {{-1, 0, 0}, {-1, 2, 0}}},
         {0, 0}},
        {"only the first end near the plane",
         {{0.25f, 0, 0}, {2, 2, 0}},
         1,
         0.5f,
         {{{-2, 2, 0}, {-0.25f, 0, 0}, {0.25f, 0, 0}, {2, 2, 0}}},
         {0}},
        {"only the last end, which lies on the plane",
         {{2, 0, 0}, {1, 1, 0}, {0, 2, 0}},
         1,
         0.5f,
         {{{2, 0, 0}, {1, 1, 0}, {0, 2, 0}, {-1, 1, 0}, {-2, 0, 0}}},
         {0}},
        {"a curve in the plane stays one curve", {{0, 0, 0}, {0, 1, 1}}, 0, 0, {{{0, 0, 0}, {0, 1, 1}}}, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto obj = CurveObject(c.curve);
        SetMirror(*obj, 2, {1, 0, 0}, c.limit, c.distance);
        const CSpatchObj* copy = Mirrored(*obj);
        ASSERT_NE(copy, nullptr);
        ASSERT_EQ(copy->GetCurves().GetCount(), static_cast<int>(c.expected.size()));
        for (size_t i = 0; i < c.expected.size(); ++i) {
            const CCurve* curve = copy->GetCurves().GetAtIndex(static_cast<int>(i));
            EXPECT_EQ(curve->m_closed, c.closed[i]);
            const std::vector<CVector3> got = NodePositions(curve);
            EXPECT_EQ(got, c.expected[i]) << Describe(got);
        }
        EXPECT_EQ(CheckLinkInvariants(*copy), "");
        int onPlane = 0;
        for (const CVector3& p : c.curve)
            onPlane += p.GetX() == 0.0f ? 1 : 0;
        EXPECT_EQ(copy->GetVertices().GetCount(), 2 * static_cast<int>(c.curve.size()) - onPlane)
            << "points on the plane are shared";
    }
}

TEST(MirrorBuilderTest, ClosedCurvesAreNeverJoined) {
    auto obj = CurveObject({{0.1f, 0, 0}, {1, 0, 0}, {0.5f, 1, 0}}, true);
    SetMirror(*obj, 2, {1, 0, 0});
    const CSpatchObj* copy = Mirrored(*obj);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->GetCurves().GetCount(), 2);
    EXPECT_EQ(copy->GetCurves().GetAtIndex(1)->m_closed, 1);
    EXPECT_EQ(NodePositions(copy->GetCurves().GetAtIndex(1)),
              (std::vector<CVector3>{{-0.1f, 0, 0}, {-1, 0, 0}, {-0.5f, 1, 0}}));
}

TEST(MirrorBuilderTest, MirroredHandlesTraceTheMirroredShape) {
    // Every handle set by hand, so the shape is the same whatever the neighbours.
    auto obj = CurveObject({{0.5f, 0, 0}, {1, 1, 0.5f}, {0.5f, 2, 0}});
    const CVector3 offsets[3][2] = {
        {{0, -1, 0}, {0.8f, 0.1f, 0}}, {{-0.2f, -0.4f, 0.1f}, {0.3f, 0.5f, 0}}, {{0.6f, 0, 0.2f}, {0, 1, 0}}};
    int i = 0;
    for (CCurvePoint* node : obj->GetCurves().GetHead()->m_nodes) {
        node->m_manualIn = node->m_manualOut = 1;
        node->m_offsetIn = offsets[i][0];
        node->m_offsetOut = offsets[i][1];
        ++i;
    }
    obj->UpdateCurveHandles();
    SetMirror(*obj, 2, {1, 0, 0});
    const CSpatchObj* copy = Mirrored(*obj);
    ASSERT_NE(copy, nullptr);
    const CCurve* joined = copy->GetCurves().GetHead();
    ASSERT_EQ(joined->m_nodes.GetCount(), 6);
    const CCurve* source = obj->GetCurves().GetHead();
    auto mirrorX = [](CVector3 p) { return CVector3(-p.GetX(), p.GetY(), p.GetZ()); };
    for (float t : {0.0f, 0.3f, 0.5f, 1.0f}) {
        for (int segment = 0; segment < 2; ++segment) {
            ExpectVectorNear(joined->EvaluateSegment(segment, t), source->EvaluateSegment(segment, t),
                             "copy");
            // The images run back: segment 3 mirrors source segment 1, segment 4 source segment 0.
            ExpectVectorNear(joined->EvaluateSegment(4 - segment, t),
                             mirrorX(source->EvaluateSegment(segment, 1.0f - t)), "image");
        }
    }
}

// An end on the plane is one node shared by the two halves: on each side it
// keeps the handle the source curve uses there, mirrored for the image side.
TEST(MirrorBuilderTest, SharedEndsKeepTheHandleTheSourceUses) {
    const CVector3 offsets[3][2] = {{{0.1f, -0.3f, 0}, {-0.4f, 0.1f, 0}},
                                    {{0.4f, -0.2f, 0}, {-0.3f, 0.3f, 0}},
                                    {{0.5f, -0.2f, 0}, {-0.2f, 0.6f, 0}}};
    auto mirrorX = [](CVector3 p) { return CVector3(-p.GetX(), p.GetY(), p.GetZ()); };
    const struct {
        const char* name;
        std::vector<CVector3> points;
        int limit;
        int firstSegment; // where the source's first segment lies in the joined curve
    } cases[] = {
        {"last end on the plane, first beyond the limit", {{2, 0, 0}, {1, 1, 0}, {0, 2, 0}}, 1, 0},
        {"first end on the plane, last beyond the limit", {{0, 2, 0}, {1, 1, 0}, {2, 0, 0}}, 1, 2},
        {"both ends on the plane", {{0, 0, 0}, {1, 1, 0}, {0, 2, 0}}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto obj = CurveObject(c.points);
        int i = 0;
        for (CCurvePoint* node : obj->GetCurves().GetHead()->m_nodes) {
            node->m_manualIn = node->m_manualOut = 1;
            node->m_offsetIn = offsets[i][0];
            node->m_offsetOut = offsets[i][1];
            ++i;
        }
        obj->UpdateCurveHandles();
        SetMirror(*obj, 2, {1, 0, 0}, c.limit, 0.5f);
        const CSpatchObj* copy = Mirrored(*obj);
        ASSERT_NE(copy, nullptr);
        ASSERT_EQ(copy->GetCurves().GetCount(), 1);
        const CCurve* joined = copy->GetCurves().GetHead();
        ASSERT_EQ(joined->m_nodes.GetCount(), 5 - (c.limit ? 0 : 1));
        const CCurve* source = obj->GetCurves().GetHead();
        for (float t : {0.25f, 0.5f, 0.75f})
            for (int segment = 0; segment < 2; ++segment) {
                const CVector3 expected = source->EvaluateSegment(segment, t);
                const CVector3 shown = joined->EvaluateSegment(c.firstSegment + segment, t);
                const CVector3 image =
                    joined->EvaluateSegment(c.firstSegment == 0 ? 3 - segment : 1 - segment, 1 - t);
                ExpectVectorNear(shown, expected, "the modelled half", 1e-5f);
                ExpectVectorNear(image, mirrorX(expected), "its image", 1e-5f);
            }
    }
}

TEST(MirrorBuilderTest, NothingToMirror) {
    auto obj = CurveObject({{1, 0, 0}, {1, 1, 0}});
    SetMirror(*obj, 2, {0, 0, 0});
    EXPECT_EQ(Mirrored(*obj), nullptr) << "no axis";
    SetMirror(*obj, 3, {1, 0, 0});
    EXPECT_EQ(Mirrored(*obj), nullptr) << "no such mode";
    CMirrorBuilder().Build(nullptr);

    // Freezing without an axis would have deleted the geometry.
    SetMirror(*obj, 1, {0, 0, 0});
    EXPECT_EQ(CMirrorBuilder().Freeze(obj.get()), 0);
    EXPECT_EQ(obj->GetVertices().GetCount(), 2);
    EXPECT_EQ(obj->GetCurves().GetCount(), 1);
    EXPECT_EQ(obj->GetMirrorMode(), 1);
    EXPECT_EQ(CMirrorBuilder().Freeze(nullptr), 0);
}

TEST(MirrorBuilderTest, FreezeKeepsTheShapeThatWasShown) {
    auto obj = CurveObject({{0, 0, 0}, {1, 1, 0}, {0, 2, 0}});
    CPatchVertex* middle = obj->GetVertices().GetAtIndex(1);
    AddCurveThrough(*obj, {obj->GetVertices().GetAtIndex(0), middle});
    obj->UpdateCurveHandles();
    SetMirror(*obj, 2, {1, 0, 0});
    const CSpatchObj* shown = Mirrored(*obj);
    ASSERT_NE(shown, nullptr);
    std::vector<std::vector<CVector3>> before;
    for (const CCurve* curve : shown->GetCurves())
        before.push_back(NodePositions(curve));
    const int points = shown->GetVertices().GetCount();
    const int patches = shown->CountTriPatches();
    EXPECT_GT(patches, 0);

    EXPECT_EQ(CMirrorBuilder().Freeze(obj.get()), 1);
    EXPECT_EQ(obj->GetMirrorMode(), 0);
    EXPECT_EQ(obj->GetMirrorCache(), nullptr);
    std::vector<std::vector<CVector3>> after;
    for (const CCurve* curve : obj->GetCurves())
        after.push_back(NodePositions(curve));
    EXPECT_EQ(after, before);
    EXPECT_EQ(obj->GetVertices().GetCount(), points);
    EXPECT_EQ(obj->CountTriPatches(), patches);
    EXPECT_EQ(obj->GetNeedsRebuild() + obj->GetNetsDirty(), 0) << "ready to draw";
    EXPECT_EQ(CheckLinkInvariants(*obj), "");
}
