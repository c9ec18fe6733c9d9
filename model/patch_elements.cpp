#include "model/patch_elements.h"

#include <algorithm>

namespace {

// Edge i takes edge sides-1-i run the other way.
template <size_t N>
void ReverseEdges(std::array<CNodePair, N>& edges, std::array<CCurve*, N>& curves,
                  std::array<int, N>& direction, int sides) {
    std::reverse(edges.begin(), edges.begin() + sides);
    std::reverse(curves.begin(), curves.begin() + sides);
    std::reverse(direction.begin(), direction.begin() + sides);
    for (int i = 0; i < sides; ++i) {
        std::swap(edges[i].m_start, edges[i].m_end);
        direction[i] = direction[i] ? 0 : 1;
    }
}

// p = a + b - c, the fourth corner of a parallelogram.
CVector3 Parallelogram(const CVector3& a, const CVector3& b, const CVector3& c) {
    return a + b - c;
}

} // namespace

CVector3 GetNetPoint(const PatchNet& net, int index) {
    return CVector3(net[index * 3], net[index * 3 + 1], net[index * 3 + 2]);
}

void SetNetPoint(PatchNet& net, int index, const CVector3& point) {
    net[index * 3] = point.GetX();
    net[index * 3 + 1] = point.GetY();
    net[index * 3 + 2] = point.GetZ();
}

void CPatchVertex::RemoveAllPatches() {
    m_patches.RemoveAll();
    m_fivePatches.RemoveAll();
}

void CPatchVertex::RemoveLinkToNode(const CCurvePoint* node) {
    for (POSITION pos = m_links.GetHeadPosition(); pos;) {
        POSITION at = pos;
        if (m_links.GetNext(pos)->m_node == node)
            m_links.RemoveAt(at);
    }
}

void CPatchVertex::CopyFlags(const CPatchVertex& other) {
    m_hidden = other.m_hidden;
    m_visible = other.m_visible;
    m_auxFlag = other.m_auxFlag;
    m_color = other.m_color;
    m_ownColor = other.m_ownColor;
    m_markerValues = other.m_markerValues;
    m_markerFlag = other.m_markerFlag;
    m_fivePoint = other.m_fivePoint;
}

void CCurvePoint::CopyFrom(const CCurvePoint& other) {
    m_sharp = other.m_sharp;
    m_selected = other.m_selected;
    m_weight = other.m_weight;
    m_vertex = other.m_vertex;
    m_manualIn = other.m_manualIn;
    m_manualOut = other.m_manualOut;
    m_offsetIn = other.m_offsetIn;
    m_offsetOut = other.m_offsetOut;
}

void CCurvePoint::SwapHandles() {
    std::swap(m_manualIn, m_manualOut);
    std::swap(m_offsetIn, m_offsetOut);
}

CVector3 BezierPoint(const CVector3& p0, const CVector3& p1, const CVector3& p2, const CVector3& p3,
                     float t) {
    const double s = t;
    const double u = 1.0 - s;
    const double w[4] = {u * u * u, 3.0 * s * u * u, 3.0 * s * s * u, s * s * s};
    const CVector3* p[4] = {&p0, &p1, &p2, &p3};
    double x = 0.0, y = 0.0, z = 0.0;
    for (int i = 0; i < 4; ++i) {
        x += w[i] * p[i]->GetX();
        y += w[i] * p[i]->GetY();
        z += w[i] * p[i]->GetZ();
    }
    return CVector3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

CVector3 CCurve::EvaluateSegment(int i, float t) const {
    POSITION pos = m_nodes.FindIndex(i);
    if (!pos)
        return CVector3();
    const CCurvePoint* a = m_nodes.GetNext(pos);
    const CCurvePoint* b = pos ? m_nodes.GetAt(pos) : m_nodes.GetHead();
    if (!a->m_vertex || !b->m_vertex)
        return CVector3();
    return BezierPoint(*a->m_vertex, a->m_handleOut, b->m_handleIn, *b->m_vertex, t);
}

CVector3 EvaluateNet(const PatchNet& net, float s, float t) {
    // Cubic Bernstein weights of u.
    auto weights = [](double u) {
        const double v = 1.0 - u;
        return std::array<double, 4>{v * v * v, 3.0 * u * v * v, 3.0 * u * u * v, u * u * u};
    };
    const std::array<double, 4> row = weights(t);
    const std::array<double, 4> column = weights(s);
    double sum[3] = {0.0, 0.0, 0.0};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int axis = 0; axis < 3; ++axis)
                sum[axis] += row[r] * column[c] * net[(r * 4 + c) * 3 + axis];
    return CVector3(static_cast<float>(sum[0]), static_cast<float>(sum[1]), static_cast<float>(sum[2]));
}

const CVector3& EdgeStartHandle(const CNodePair& edge, int direction) {
    return direction ? edge.m_start->m_handleOut : edge.m_start->m_handleIn;
}

const CVector3& EdgeEndHandle(const CNodePair& edge, int direction) {
    return direction ? edge.m_end->m_handleIn : edge.m_end->m_handleOut;
}

void CPatch::BuildNet(PatchNet& net) const {
    if (m_sides != 3 && m_sides != 4)
        return;
    for (int i = 0; i < m_sides; ++i)
        if (!m_edges[i].m_start || !m_edges[i].m_end || !m_edges[i].m_start->m_vertex)
            return;
    std::array<CVector3, 16> p;
    // Each edge gives its start corner and the two handles next to its ends;
    // a triangle's third edge runs down the collapsed side from P12 to P0.
    static constexpr int quadSlots[4][3] = {{0, 1, 2}, {3, 7, 11}, {15, 14, 13}, {12, 8, 4}};
    static constexpr int triSlots[3][3] = {{0, 1, 2}, {3, 7, 11}, {12, 8, 4}};
    const auto& slots = m_sides == 4 ? quadSlots : triSlots;
    for (int i = 0; i < m_sides; ++i) {
        const CNodePair& edge = m_edges[i];
        p[slots[i][0]] = *edge.m_start->m_vertex;
        p[slots[i][1]] = EdgeStartHandle(edge, m_direction[i]);
        p[slots[i][2]] = EdgeEndHandle(edge, m_direction[i]);
    }
    p[5] = Parallelogram(p[4], p[1], p[0]);
    p[6] = Parallelogram(p[7], p[2], p[3]);
    if (m_sides == 4) {
        p[9] = Parallelogram(p[8], p[13], p[12]);
        p[10] = Parallelogram(p[11], p[14], p[15]);
    } else {
        p[13] = p[14] = p[15] = p[12];
        p[9] = Parallelogram(p[11], p[8], p[12]);
        p[10] = p[9];
    }
    for (int i = 0; i < 16; ++i)
        SetNetPoint(net, i, p[i]);
}

CPatch::CPatch(const CPatch& other)
    : m_sides(other.m_sides), m_number(other.m_number), m_edges(other.m_edges), m_curves(other.m_curves),
      m_direction(other.m_direction), m_net(other.m_net),
      m_triangleNets(other.m_triangleNets ? std::make_unique<std::array<PatchNet, 2>>(*other.m_triangleNets)
                                          : nullptr) {}

CPatch& CPatch::operator=(const CPatch& other) {
    if (this != &other)
        *this = CPatch(other);
    return *this;
}

PatchNet& CPatch::Net(int k) {
    if (k <= 0)
        return m_net;
    if (!m_triangleNets)
        m_triangleNets = std::make_unique<std::array<PatchNet, 2>>();
    return (*m_triangleNets)[k > 2 ? 1 : k - 1];
}

const PatchNet& CPatch::Net(int k) const {
    static const PatchNet none{};
    if (k <= 0)
        return m_net;
    return m_triangleNets ? (*m_triangleNets)[k > 2 ? 1 : k - 1] : none;
}

void CPatch::Reverse() {
    if (m_sides == 3 || m_sides == 4)
        ReverseEdges(m_edges, m_curves, m_direction, m_sides);
}

void CFivePointPatch::Reverse() {
    ReverseEdges(m_edges, m_curves, m_direction, 5);
}
