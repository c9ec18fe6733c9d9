#include "model/tri_patch_net.h"

#include <array>

namespace {

using Row = std::array<CVector3, 4>;
using Halves = std::array<CVector3, 7>;

CVector3 At(const PatchNet& net, int row, int column) {
    return GetNetPoint(net, row * 4 + column);
}

void Put(PatchNet& net, int row, int column, const CVector3& p) {
    SetNetPoint(net, row * 4 + column, p);
}

// The cubic p0..p3 split at 1/2 by de Casteljau: x0..x3 is the first half,
// x3..x6 the second.
Halves Halve(const Row& p) {
    return {p[0],
            (p[0] + p[1]) / 2.0f,
            ((p[0] + p[1] * 2.0f) + p[2]) / 4.0f,
            (p[0] + (p[1] + p[2]) * 3.0f + p[3]) / 8.0f,
            ((p[1] + p[2] * 2.0f) + p[3]) / 4.0f,
            (p[2] + p[3]) / 2.0f,
            p[3]};
}

} // namespace

bool BuildTriPatchFirstNet(const CPatch& patch, PatchNet& net) {
    if (patch.m_sides != 3)
        return false;
    for (int k = 0; k < 3; ++k) {
        const CNodePair& edge = patch.m_edges[k];
        if (!edge.m_start || !edge.m_end || !edge.m_start->m_vertex)
            return false;
    }
    auto corner = [&](int k) -> const CVector3& { return *patch.m_edges[k].m_start->m_vertex; };
    auto startHandle = [&](int k) { return EdgeStartHandle(patch.m_edges[k], patch.m_direction[k]); };
    auto endHandle = [&](int k) { return EdgeEndHandle(patch.m_edges[k], patch.m_direction[k]); };
    const CVector3 t0 = corner(0), t1 = corner(1), t2 = corner(2);
    const CVector3 ha0 = startHandle(0), ha1 = endHandle(0);
    const CVector3 hb0 = startHandle(1), hb1 = endHandle(1);
    const CVector3 hc0 = startHandle(2), hc1 = endHandle(2);
    Put(net, 0, 0, t0);
    Put(net, 1, 0, ha0);
    Put(net, 2, 0, ha1);
    Put(net, 3, 0, t1);
    Put(net, 3, 1, hb0);
    Put(net, 3, 2, hb1);
    Put(net, 3, 3, t2);
    Put(net, 2, 3, hc0);
    Put(net, 1, 2, hc1);
    Put(net, 1, 1, ha0 + hc1 - t0);
    Put(net, 2, 1, ha1 + hb0 - t1);
    Put(net, 2, 2, hb1 + hc0 - t2);
    return true;
}

void SplitTriPatchNet(const PatchNet& first, PatchNet& sub0, PatchNet& sub1, PatchNet& sub2) {
    auto n = [&](int row, int column) { return At(first, row, column); };
    const std::array<Row, 3> edges = {Row{n(0, 0), n(1, 0), n(2, 0), n(3, 0)},
                                      Row{n(3, 0), n(3, 1), n(3, 2), n(3, 3)},
                                      Row{n(3, 3), n(2, 3), n(1, 2), n(0, 0)}};
    // The handles of the neighbouring edges next to each edge's start and end.
    const std::array<CVector3, 3> before = {n(1, 2), n(2, 0), n(3, 2)};
    const std::array<CVector3, 3> after = {n(3, 1), n(2, 3), n(1, 0)};

    // Each edge gives a strip: its own row and an inner row one handle in;
    // both are halved, and H runs halfway between them.
    std::array<Halves, 3> outer, half;
    for (int e = 0; e < 3; ++e) {
        const Row& b = edges[e];
        outer[e] = Halve(b);
        const Halves inner =
            Halve({before[e], before[e] + (b[1] - b[0]), after[e] + (b[2] - b[3]), after[e]});
        for (int j = 0; j < 7; ++j)
            half[e][j] = outer[e][j] + (inner[j] - outer[e][j]) / 2.0f;
    }

    // Corner k leaves along edge k and is reached along edge k-1.
    auto outOf = [](int k) { return k; };
    auto into = [](int k) { return (k + 2) % 3; };
    std::array<CVector3, 3> q;
    for (int k = 0; k < 3; ++k) {
        const Halves& hOut = half[outOf(k)];
        const Halves& hIn = half[into(k)];
        const CVector3 base = k == 0 ? hOut[1] : hIn[5];
        q[k] = base + ((hOut[2] - hOut[1]) + (hIn[4] - hIn[5])) * 0.75f;
    }
    const CVector3 centre = ((q[0] + q[1]) + q[2]) / 3.0f;

    PatchNet* const subs[3] = {&sub0, &sub1, &sub2};
    for (int k = 0; k < 3; ++k) {
        PatchNet& net = *subs[k];
        const Halves& oOut = outer[outOf(k)];
        const Halves& hOut = half[outOf(k)];
        const Halves& oIn = outer[into(k)];
        const Halves& hIn = half[into(k)];
        const CVector3& next = q[(k + 1) % 3];
        const CVector3& previous = q[(k + 2) % 3];
        for (int column = 0; column < 4; ++column) {
            Put(net, 0, column, oOut[column]);
            Put(net, 1, column, hOut[column]);
        }
        Put(net, 2, 0, oIn[4]);
        Put(net, 2, 1, hIn[4]);
        Put(net, 2, 2, q[k]);
        Put(net, 2, 3, (q[k] + next) / 2.0f);
        Put(net, 3, 0, oIn[3]);
        Put(net, 3, 1, hIn[3]);
        Put(net, 3, 2, (previous + q[k]) / 2.0f);
        Put(net, 3, 3, centre);
    }
}
