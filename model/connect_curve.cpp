#include "model/connect_curve.h"

#include "model/curve_links.h"
#include "model/spatch_obj.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One link of the joint point, as a possible curve end.
struct CurveEnd {
    CCurve* m_curve;
    CCurvePoint* m_node;
    int m_end = -1; // -1 not known, 0 the curve's first node, 1 its last
    bool m_used = false;
    bool m_second = false; // the later link of a pair
    int m_partner = -1;
};

// The angle in radians between u and v; 0 when either is the zero vector.
float AngleBetween(const CVector3& u, const CVector3& v) {
    const double lengths = static_cast<double>(u.Length()) * v.Length();
    if (lengths == 0.0)
        return 0.0f;
    // Rounding may push a straight or opposite pair just past +-1.
    return static_cast<float>(std::acos(std::clamp(DotProduct(u, v) / lengths, -1.0, 1.0)));
}

class Joint {
public:
    Joint(CSpatchObj& obj, CPatchVertex& point) : m_obj(obj), m_point(point) {
        for (CVertexLink* link : point.m_links)
            m_ends.push_back({link->m_curve, link->m_node});
        const size_t k = m_ends.size();
        m_angles.assign(k * k, -1.0f);
    }

    // Pairs the ends and joins each pair; the number of pairs joined.
    int Connect(float threshold) {
        PairClosingCurves();
        PairBestAngles(threshold);
        int joined = 0;
        for (const CurveEnd& end : m_ends)
            if (end.m_used && !end.m_second && Join(end, m_ends[end.m_partner]))
                ++joined;
        return joined;
    }

private:
    float& Angle(int i, int j) { return m_angles[i * m_ends.size() + j]; }

    // Whether link i may still be paired as the end of an open curve.
    bool IsFreeEnd(int i) {
        CurveEnd& e = m_ends[i];
        if (e.m_used || e.m_curve->m_closed)
            return false;
        if (e.m_end < 0) {
            if (e.m_curve->m_nodes.GetCount() < 2)
                return false;
            if (IsFirstNode(*e.m_curve, e.m_node))
                e.m_end = 0;
            else if (IsLastNode(*e.m_curve, e.m_node))
                e.m_end = 1;
            else
                return false;
        }
        return true;
    }

    // The point next to the joint on end i's curve.
    const CVector3& Neighbour(int i) const {
        const CurveEnd& e = m_ends[i];
        const CObjList<CCurvePoint>& nodes = e.m_curve->m_nodes;
        return *nodes.GetAtIndex(e.m_end == 0 ? 1 : nodes.GetCount() - 2)->m_vertex;
    }

    void Pair(int i, int j) {
        const int low = std::min(i, j);
        const int high = std::max(i, j);
        m_ends[low].m_used = m_ends[high].m_used = true;
        m_ends[low].m_partner = high;
        m_ends[high].m_partner = low;
        m_ends[high].m_second = true;
    }

    // Measures the angle of every two ends; a curve with both ends here is
    // paired at once.
    void PairClosingCurves() {
        const int k = static_cast<int>(m_ends.size());
        for (int i = 0; i < k; ++i) {
            if (!IsFreeEnd(i))
                continue;
            const CVector3 toI = Neighbour(i) - m_point;
            for (int j = i + 1; j < k; ++j) {
                if (!IsFreeEnd(j))
                    continue;
                if (m_ends[j].m_curve == m_ends[i].m_curve) {
                    Pair(i, j);
                    break;
                }
                Angle(i, j) = Angle(j, i) = AngleBetween(toI, Neighbour(j) - m_point);
            }
        }
    }

    bool IsCandidate(int i) const { return !m_ends[i].m_used && m_ends[i].m_end >= 0; }

    // Pairs two ends when each makes its largest angle with the other and
    // that angle reaches the threshold.
    void PairBestAngles(float threshold) {
        const int k = static_cast<int>(m_ends.size());
        for (int i = 0; i < k;) {
            if (!IsCandidate(i)) {
                ++i;
                continue;
            }
            int best = -1;
            for (int j = 0; j < k; ++j)
                if (j != i && IsCandidate(j) && (best < 0 || Angle(i, j) > Angle(i, best)))
                    best = j;
            if (best >= 0 && Angle(i, best) >= threshold) {
                float largest = -1.0f;
                for (int m = 0; m < k; ++m)
                    if (m != best && IsCandidate(m))
                        largest = std::max(largest, Angle(best, m));
                if (largest == Angle(i, best)) {
                    Pair(i, best);
                    // Ends passed over between the partner and i may pair now.
                    if (best < i) {
                        i = best + 1;
                        continue;
                    }
                }
            }
            ++i;
        }
    }

    // Appends copies of the nodes of curve, in order or reversed (then with
    // their handles exchanged), leaving out skipFirst nodes at the start of
    // that order.
    static void CopyNodes(CCurve* into, const CCurve& curve, bool reversed, int skipFirst) {
        std::vector<const CCurvePoint*> nodes;
        for (const CCurvePoint* node : curve.m_nodes)
            nodes.push_back(node);
        if (reversed)
            std::reverse(nodes.begin(), nodes.end());
        for (size_t i = static_cast<size_t>(skipFirst); i < nodes.size(); ++i) {
            CCurvePoint* copy = into->m_nodes.Emplace();
            copy->CopyFrom(*nodes[i]);
            if (reversed)
                copy->SwapHandles();
            LinkNode(copy->m_vertex, into, copy);
        }
    }

    // Replaces the curves of the two ends by one curve through the joint.
    bool Join(const CurveEnd& a, const CurveEnd& b) {
        CCurve* joined = nullptr;
        if (a.m_curve == b.m_curve) {
            if (a.m_end + b.m_end != 1)
                return false;
            joined = m_obj.AddCurve();
            joined->m_closed = 1;
            CopyNodes(joined, *a.m_curve, false, 1);
        } else {
            // a's curve runs into the joint, b's runs out of it.
            joined = m_obj.AddCurve();
            CopyNodes(joined, *a.m_curve, a.m_end == 0, 0);
            CopyNodes(joined, *b.m_curve, b.m_end == 1, 1);
        }
        m_obj.RemoveCurve(a.m_curve);
        m_obj.RemoveCurve(b.m_curve);
        return true;
    }

    CSpatchObj& m_obj;
    CPatchVertex& m_point;
    std::vector<CurveEnd> m_ends;
    std::vector<float> m_angles; // k x k, -1 where not measured
};

} // namespace

int CConnectCurve::Connect(CSpatchObj* obj, float angleDegrees, int selectedOnly) {
    if (!obj)
        return 0;
    const float threshold = angleDegrees / 180.0f * 3.1415927f;
    int joined = 0;
    for (CPatchVertex* v : obj->GetVertices())
        if (!selectedOnly || v->m_selected)
            joined += Joint(*obj, *v).Connect(threshold);
    if (joined == 0)
        return 0;
    obj->UpdateCurveHandles();
    obj->Rebuild();
    obj->UpdatePatchNets();
    return 1;
}
