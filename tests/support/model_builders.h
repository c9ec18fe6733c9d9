#pragma once
// The shapes of model_shapes.h, a stand-in for the document the model reads
// its cameras and display settings from, and checks of vectors, of the link
// invariants and of the patches' orientation.
// Everything is inline: a test executable lists the model library before the
// support library, so these helpers are compiled into the tests themselves.
#include "model/camera.h"
#include "model/model_document.h"
#include "model/spatch_obj.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace qf::test {

// The document as the model sees it, with every value public.
class StandInDocument : public CModelDocument {
public:
    const CCamera& GetPaneCamera(int view) const override { return cameras[view]; }
    double GetNearDistance() const override { return nearDistance; }
    int GetCurveType() const override { return curveType; }
    float GetVertexPointSize() const override { return vertexPointSize; }
    int GetMaterialAxisShape() const override { return materialAxisShape; }

    CCamera cameras[kPaneCount];
    double nearDistance = 5.0;
    int curveType = 0;
    float vertexPointSize = 4.0f;
    int materialAxisShape = 4;
};

namespace detail {
inline StandInDocument* g_standIn = nullptr;
inline CModelDocument* CurrentStandIn() {
    return g_standIn;
}
} // namespace detail

// Makes a stand-in the current document for the life of the scope.
class ScopedStandInDocument {
public:
    ScopedStandInDocument() {
        detail::g_standIn = &doc;
        SetModelDocumentAccessor(detail::CurrentStandIn);
    }
    ~ScopedStandInDocument() {
        SetModelDocumentAccessor(nullptr);
        detail::g_standIn = nullptr;
    }
    ScopedStandInDocument(const ScopedStandInDocument&) = delete;
    ScopedStandInDocument& operator=(const ScopedStandInDocument&) = delete;

    StandInDocument doc;
};

// Empty when no two patches run along a shared edge the same way, that is
// when edge-connected patches are oriented alike; otherwise the first edge
// used twice in one direction.
inline std::string CheckPatchOrientation(const CSpatchObj& obj) {
    std::set<std::pair<const CPatchVertex*, const CPatchVertex*>> used;
    auto walk = [&](auto corner, int sides) -> std::string {
        for (int k = 0; k < sides; ++k)
            if (!used.insert({corner(k), corner((k + 1) % sides)}).second)
                return "the edge from point " + std::to_string(corner(k)->m_index) + " to point " +
                       std::to_string(corner((k + 1) % sides)->m_index) + " is run the same way twice";
        return {};
    };
    for (const CPatch* p : obj.GetPatches())
        if (std::string fault = walk([p](int k) { return p->GetCorner(k); }, p->m_sides); !fault.empty())
            return fault;
    for (const CFivePointPatch* p : obj.GetFivePatches())
        if (std::string fault = walk([p](int k) { return p->GetCorner(k); }, 5); !fault.empty())
            return fault;
    return {};
}

// Each component within tolerance, naming what is compared when it fails.
inline void ExpectVectorNear(const CVector3& actual, const CVector3& expected, const std::string& what = "",
                             float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.GetX(), expected.GetX(), tolerance) << what << " (x)";
    EXPECT_NEAR(actual.GetY(), expected.GetY(), tolerance) << what << " (y)";
    EXPECT_NEAR(actual.GetZ(), expected.GetZ(), tolerance) << what << " (z)";
}

// Empty when every node's point is in the object and holds exactly one link
// to that curve and node, and every link names a node on its point;
// otherwise what is wrong first.
inline std::string CheckLinkInvariants(const CSpatchObj& obj) {
    const auto& vertices = obj.GetVertices();
    int curveIndex = 0;
    for (const CCurve* curve : obj.GetCurves()) {
        int nodeIndex = 0;
        for (const CCurvePoint* node : curve->m_nodes) {
            const std::string where =
                "curve " + std::to_string(curveIndex) + " node " + std::to_string(nodeIndex);
            if (!node->m_vertex || vertices.IndexOf(node->m_vertex) < 0)
                return where + ": its point is not in the object";
            int links = 0;
            for (const CVertexLink* link : node->m_vertex->m_links)
                if (link->m_curve == curve && link->m_node == node)
                    ++links;
            if (links != 1)
                return where + ": " + std::to_string(links) + " links on its point";
            ++nodeIndex;
        }
        ++curveIndex;
    }
    int vertexIndex = 0;
    for (const CPatchVertex* v : vertices) {
        for (const CVertexLink* link : v->m_links)
            if (!link->m_node || link->m_node->m_vertex != v || !link->m_curve ||
                link->m_curve->m_nodes.IndexOf(link->m_node) < 0)
                return "point " + std::to_string(vertexIndex) + ": a link names a node elsewhere";
        ++vertexIndex;
    }
    return {};
}

} // namespace qf::test
