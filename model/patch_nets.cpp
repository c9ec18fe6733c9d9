// The lazily built control nets of a patch object's patches, their smoothing
// across shared edges, and their evaluation.
#include "model/spatch_obj.h"
#include "model/tri_patch_net.h"

#include <vector>

namespace {

struct NetSlot {
    int row;
    int column;
};

// The first-net slots next to each corner, by side count (quad corners at
// (0,0), (0,3), (3,3), (3,0); triangle corners at (0,0), (3,0), (3,3)): the
// interior point, the handle of the edge leaving the corner and the handle
// of the edge arriving at it.
constexpr NetSlot kQuadInterior[4] = {{1, 1}, {1, 2}, {2, 2}, {2, 1}};
constexpr NetSlot kQuadLeaving[4] = {{0, 1}, {1, 3}, {3, 2}, {2, 0}};
constexpr NetSlot kQuadArriving[4] = {{1, 0}, {0, 2}, {2, 3}, {3, 1}};
constexpr NetSlot kTriInterior[3] = {{1, 1}, {2, 1}, {2, 2}};
constexpr NetSlot kTriLeaving[3] = {{1, 0}, {3, 1}, {2, 3}};
constexpr NetSlot kTriArriving[3] = {{1, 2}, {2, 0}, {3, 2}};

NetSlot InteriorSlot(int sides, int corner) {
    return sides == 4 ? kQuadInterior[corner] : kTriInterior[corner];
}

NetSlot EdgeSlot(int sides, int corner, bool leaving) {
    if (sides == 4)
        return leaving ? kQuadLeaving[corner] : kQuadArriving[corner];
    return leaving ? kTriLeaving[corner] : kTriArriving[corner];
}

CVector3 Get(const PatchNet& net, NetSlot slot) {
    return GetNetPoint(net, slot.row * 4 + slot.column);
}

void Put(PatchNet& net, NetSlot slot, const CVector3& p) {
    SetNetPoint(net, slot.row * 4 + slot.column, p);
}

// The first corner of patch at v; -1 when there is none.
int CornerIndex(const CPatch& patch, const CPatchVertex* v) {
    for (int k = 0; k < patch.m_sides; ++k)
        if (patch.GetCorner(k) == v)
            return k;
    return -1;
}

// The tangent plane n . p + d = 0 at a control point; n is zero where the
// point has fewer than two patches.
struct TangentPlane {
    CVector3 normal;
    float offset = 0.0f;

    CVector3 Project(const CVector3& q) const {
        const double nn = DotProduct(normal, normal);
        return q - normal * static_cast<float>((DotProduct(normal, q) + offset) / nn);
    }
};

// How one patch meets the segment from V0 to V1: its corners at both ends and
// whether it runs from V0 to V1 itself.
struct SegmentSide {
    CPatch* patch;
    int corner[2];
    bool sameWay;
};

bool FindSegmentSide(CPatch* patch, const CPatchVertex* v0, const CPatchVertex* v1, SegmentSide& side) {
    const int sides = patch->m_sides;
    const int e = CornerIndex(*patch, v0);
    if (e < 0)
        return false;
    side.patch = patch;
    side.sameWay = patch->GetCorner((e + 1) % sides) == v1;
    side.corner[0] = e;
    side.corner[1] = side.sameWay ? (e + 1) % sides : (e + sides - 1) % sides;
    return true;
}

} // namespace

void CSpatchObj::UpdatePatchNets() {
    if (!m_netsDirty)
        return;
    m_netsDirty = 0;
    ++m_netsGeneration;
    // The triangles are split after smoothing; a list of them spares a
    // second walk over the patches of a large quad mesh.
    std::vector<CPatch*> triangles;
    for (CPatch* patch : m_patches) {
        if (patch->m_sides != 3) {
            patch->BuildNet(patch->Net(0));
        } else {
            BuildTriPatchFirstNet(*patch, patch->Net(0));
            triangles.push_back(patch);
        }
    }
    for (CFivePointPatch* patch : m_fivePatches)
        patch->BuildNets(this);
    if (m_smoothing)
        SmoothPatchNets();
    for (CPatch* patch : triangles)
        SplitTriPatchNet(patch->Net(0), patch->Net(0), patch->Net(1), patch->Net(2));
}

// Makes the surface smooth across the edges two patches share: at every point
// with two or more patches the net points next to it are moved onto one
// tangent plane, and the two patches take one common handle for each end of
// the shared edge.
void CSpatchObj::SmoothPatchNets() {
    if (m_vertices.IsEmpty())
        return;
    NumberVertices();
    for (CPatch* patch : m_patches) {
        if (patch->m_sides != 3 && patch->m_sides != 4)
            continue;
        for (int k = 0; k < patch->m_sides; ++k) {
            const CNodePair& edge = patch->m_edges[k];
            if (!edge.m_start || !edge.m_end || !edge.m_start->m_vertex)
                continue;
            edge.m_start->m_vertex->m_patches.AddTail(patch);
            (patch->m_direction[k] ? edge.m_start : edge.m_end)->m_patches.AddTail(patch);
        }
    }

    std::vector<TangentPlane> planes(m_vertices.GetCount());
    for (CPatchVertex* v : m_vertices) {
        if (v->m_patches.GetCount() < 2)
            continue;
        CVector3 sum;
        for (const CPatch* patch : v->m_patches) {
            const int j = CornerIndex(*patch, v);
            if (j < 0)
                continue;
            const int previous = (j + patch->m_sides - 1) % patch->m_sides;
            const CVector3& a = EdgeEndHandle(patch->m_edges[previous], patch->m_direction[previous]);
            const CVector3& b = EdgeStartHandle(patch->m_edges[j], patch->m_direction[j]);
            sum += TriangleNormal(a, *v, b);
        }
        v->m_normal = sum.Normalize();
        planes[v->m_index] = TangentPlane{sum, static_cast<float>(-DotProduct(sum, *v))};
    }

    const CVector3 zero;
    for (CCurve* curve : m_curves) {
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            CCurvePoint* node = curve->m_nodes.GetNext(pos);
            CCurvePoint* next = pos               ? curve->m_nodes.GetAt(pos)
                                : curve->m_closed ? curve->m_nodes.GetHead()
                                                  : nullptr;
            if (!next || node->m_patches.GetCount() != 2 || !node->m_vertex || !next->m_vertex)
                continue;
            SegmentSide sides[2];
            if (!FindSegmentSide(node->m_patches.GetHead(), node->m_vertex, next->m_vertex, sides[0]) ||
                !FindSegmentSide(node->m_patches.GetTail(), node->m_vertex, next->m_vertex, sides[1]))
                continue;
            const CPatchVertex* ends[2] = {node->m_vertex, next->m_vertex};
            const CVector3* handles[2] = {&node->m_handleOut, &next->m_handleIn};
            for (int m = 0; m < 2; ++m) {
                const TangentPlane& plane = planes[ends[m]->m_index];
                if (plane.normal == zero)
                    continue;
                CVector3 q[2];
                for (int x = 0; x < 2; ++x) {
                    const SegmentSide& side = sides[x];
                    const NetSlot slot = InteriorSlot(side.patch->m_sides, side.corner[m]);
                    q[x] = plane.Project(Get(side.patch->Net(0), slot));
                    Put(side.patch->Net(0), slot, q[x]);
                }
                const float la = (q[0] - *handles[m]).Length();
                const float lb = (q[1] - *handles[m]).Length();
                const CVector3 common =
                    la + lb == 0.0f ? (q[0] + q[1]) * 0.5f : q[0] + (q[1] - q[0]) * (la / (la + lb));
                for (const SegmentSide& side : sides) {
                    // Seen from this end's corner the segment leaves it when
                    // the patch runs from V0 to V1 at V0, or against it at V1.
                    const bool leaving = side.sameWay == (m == 0);
                    Put(side.patch->Net(0), EdgeSlot(side.patch->m_sides, side.corner[m], leaving), common);
                }
            }
        }
    }

    RemoveAllPatches();
    for (CCurve* curve : m_curves)
        for (CCurvePoint* node : curve->m_nodes)
            node->m_patches.RemoveAll();
}

void CSpatchObj::EvaluateTriPatchNet(CVector3& out, float s, float t, int k, const CPatch* patch) const {
    if (!patch || k < 0 || k >= patch->NetCount())
        return;
    out = EvaluateNet(patch->Net(k), s, t);
}

void CSpatchObj::EvaluateFivePatchNet(CVector3& out, float s, float t, int k,
                                      const CFivePointPatch* patch) const {
    if (!patch || k < 0 || k >= 5)
        return;
    out = EvaluateNet(patch->m_nets[k], s, t);
}

int CSpatchObj::CheckMirrorCache() {
    if (!m_needsRebuild && !m_netsDirty && m_mirrorCache && !m_mirrorDirty) {
        SetMirrorDirty(0);
        return 0;
    }
    SetMirrorDirty(1);
    return 1;
}
