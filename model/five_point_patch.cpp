// The five nets of a five-sided patch.
#include "model/patch_elements.h"

#include <array>

namespace {

constexpr int kSides = 5;

int Wrap(int k) {
    return (k % kSides + kSides) % kSides;
}

} // namespace

CVector3 CFivePointPatch::CornerNormal(const CVector3& q0, const CVector3& q1, const CVector3& q2,
                                       const CVector3& q3, const CVector3& q4) {
    CVector3 sum = TriangleNormal(q0, q1, q2) + TriangleNormal(q2, q3, q4);
    return sum.Normalize();
}

void CFivePointPatch::SetNetPoint(int row, int column, PatchNet& net, const CVector3& point) {
    ::SetNetPoint(net, row * 4 + column, point);
}

void CFivePointPatch::BuildNets(const CSpatchObj*) {
    for (const CNodePair& edge : m_edges)
        if (!edge.m_start || !edge.m_end || !edge.m_start->m_vertex)
            return;
    // Corner k, and the handles of edge k next to its start and its end.
    std::array<CVector3, kSides> v, s, e;
    for (int k = 0; k < kSides; ++k) {
        v[k] = *m_edges[k].m_start->m_vertex;
        s[k] = EdgeStartHandle(m_edges[k], m_direction[k]);
        e[k] = EdgeEndHandle(m_edges[k], m_direction[k]);
    }
    auto V = [&](int k) { return v[Wrap(k)]; };
    auto S = [&](int k) { return s[Wrap(k)]; };
    auto E = [&](int k) { return e[Wrap(k)]; };

    // The parallelogram point of the two handles at each corner, moved onto
    // the plane through the centre that the corner points span best.
    std::array<CVector3, kSides> p;
    for (int k = 0; k < kSides; ++k)
        p[k] = (S(k) + E(k - 1)) - V(k);
    const CVector3 centre = (p[0] + p[1] + p[2] + p[3] + p[4]) * 0.2f;
    const CVector3 n = CornerNormal(p[0], p[1], p[2], p[3], p[4]);
    const double d = -DotProduct(n, centre);
    for (CVector3& point : p)
        point = point - n * static_cast<float>(DotProduct(n, point) + d);

    // The points that two neighbouring nets share are computed once, so the
    // nets meet exactly: the middle of edge k, the point one row in from it,
    // and the point between corner points k and k+1.
    std::array<CVector3, kSides> middle, inner, between;
    for (int k = 0; k < kSides; ++k) {
        middle[k] = (V(k) + S(k) * 3.0f + E(k) * 3.0f + V(k + 1)) / 8.0f;
        inner[k] = (S(k) * 4.0f - V(k) * 2.0f + E(k - 1) * 3.0f + E(k) * 2.0f + S(k + 1)) / 8.0f;
        between[k] = (p[k] + p[Wrap(k + 1)]) * 0.5f;
    }
    for (int k = 0; k < kSides; ++k) {
        PatchNet& net = m_nets[k];
        SetNetPoint(0, 0, net, V(k));
        SetNetPoint(0, 1, net, (V(k) + S(k)) * 0.5f);
        SetNetPoint(0, 2, net, (V(k) + S(k) * 2.0f + E(k)) / 4.0f);
        SetNetPoint(0, 3, net, middle[k]);
        SetNetPoint(1, 0, net, (V(k) + E(k - 1)) * 0.5f);
        SetNetPoint(1, 1, net, (S(k) + E(k - 1)) * 0.5f);
        SetNetPoint(1, 2, net, (S(k) * 5.0f - V(k) * 2.0f + E(k - 1) * 4.0f + E(k)) / 8.0f);
        SetNetPoint(1, 3, net, inner[k]);
        SetNetPoint(2, 0, net, (S(k - 1) + E(k - 1) * 2.0f + V(k)) / 4.0f);
        SetNetPoint(2, 1, net,
                    (E(k - 1) * 3.0f + S(k - 1) * 3.0f - V(k - 1) * 2.0f + E(k - 2) * 2.0f + S(k) * 2.0f) /
                        8.0f);
        SetNetPoint(2, 2, net, p[k]);
        SetNetPoint(2, 3, net, between[k]);
        SetNetPoint(3, 0, net, middle[Wrap(k - 1)]);
        SetNetPoint(3, 1, net, inner[Wrap(k - 1)]);
        SetNetPoint(3, 2, net, between[Wrap(k - 1)]);
        SetNetPoint(3, 3, net, centre);
    }
}
