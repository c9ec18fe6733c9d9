#pragma once
// The fastest plain code for the points of a display mesh of four-sided
// patches at resolution r, written apart from the product's evaluation: the
// control points copied, the (r - 1)^2 interior points of each bicubic net
// in the separable form (the row weights summed into four column points once
// per row, then the column weights), and the r - 1 inner points of each curve
// segment, all with their weights worked out once. The points come in the
// mesh's own order, so the two can be compared point for point.
#include "mesh/patch_mesh.h"
#include "model/spatch_obj.h"

#include <array>
#include <cmath>
#include <vector>

namespace qf::bench {

// What the loop reads, gathered beforehand into flat arrays.
struct BareMeshInput {
    std::vector<CFloat3> points;
    std::vector<PatchNet> nets;
    // Start point, its out handle, the end's in handle, the end point.
    std::vector<std::array<float, 12>> segments;

    int PointCount(int r) const {
        return static_cast<int>(points.size() + nets.size() * (r - 1) * (r - 1) + segments.size() * (r - 1));
    }
};

// The object's control points, the nets of its four-sided patches and its
// curve segments, in the order the display mesh lists their points. The
// object is rebuilt with its nets up to date.
inline BareMeshInput GatherBareMeshInput(CSpatchObj& object) {
    BareMeshInput in;
    for (const CPatchVertex* v : object.GetVertices())
        in.points.push_back(CFloat3{v->GetX(), v->GetY(), v->GetZ()});
    for (const CPatch* p : object.GetPatches())
        if (p->m_sides == 4)
            in.nets.push_back(p->Net(0));
    for (const CCurve* curve : object.GetCurves())
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            const CCurvePoint* a = curve->m_nodes.GetNext(pos);
            const CCurvePoint* b = pos               ? curve->m_nodes.GetAt(pos)
                                   : curve->m_closed ? curve->m_nodes.GetHead()
                                                     : nullptr;
            if (!b)
                continue;
            std::array<float, 12> s{};
            const CVector3* p[4] = {a->m_vertex, &a->m_handleOut, &b->m_handleIn, b->m_vertex};
            for (int i = 0; i < 4; ++i) {
                s[i * 3] = p[i]->GetX();
                s[i * 3 + 1] = p[i]->GetY();
                s[i * 3 + 2] = p[i]->GetZ();
            }
            in.segments.push_back(s);
        }
    return in;
}

// The Bernstein weights of d / r for d = 0 .. r: in single precision for the
// nets, in double for the curve segments (as their points are kept).
class BareMeshWeights {
public:
    explicit BareMeshWeights(int r) : r(r), net(static_cast<size_t>(r + 1) * 4), curve(net.size()) {
        const float step = 1.0f / static_cast<float>(r);
        for (int d = 0; d <= r; ++d) {
            const float u = d * step, v = 1.0f - u;
            float* w = &net[static_cast<size_t>(d) * 4];
            w[0] = v * v * v;
            w[1] = 3.0f * v * v * u;
            w[2] = 3.0f * v * u * u;
            w[3] = u * u * u;
            const double s = u, t = 1.0 - s;
            double* c = &curve[static_cast<size_t>(d) * 4];
            c[0] = t * t * t;
            c[1] = 3.0 * s * t * t;
            c[2] = 3.0 * s * s * t;
            c[3] = s * s * s;
        }
    }
    int r;
    std::vector<float> net;
    std::vector<double> curve;
};

// Writes in.PointCount(r) points from out; r is below 64.
inline void BareMeshPoints(const BareMeshInput& in, const BareMeshWeights& weights, CFloat3* out) {
    const int r = weights.r;
    const float* wn = weights.net.data();
    const double* wc = weights.curve.data();
    for (const CFloat3& p : in.points)
        *out++ = p;
    constexpr int kMaxR = 64;
    float columns[kMaxR][12];
    for (const PatchNet& net : in.nets) {
        for (int j = 1; j < r; ++j) {
            const float* wt = wn + j * 4;
            for (int k = 0; k < 12; ++k)
                columns[j][k] =
                    wt[0] * net[k] + wt[1] * net[12 + k] + wt[2] * net[24 + k] + wt[3] * net[36 + k];
        }
        for (int i = 1; i < r; ++i) {
            const float* ws = wn + i * 4;
            for (int j = 1; j < r; ++j, ++out) {
                const float* q = columns[j];
                out->x = ws[0] * q[0] + ws[1] * q[3] + ws[2] * q[6] + ws[3] * q[9];
                out->y = ws[0] * q[1] + ws[1] * q[4] + ws[2] * q[7] + ws[3] * q[10];
                out->z = ws[0] * q[2] + ws[1] * q[5] + ws[2] * q[8] + ws[3] * q[11];
            }
        }
    }
    for (const std::array<float, 12>& s : in.segments)
        for (int d = 1; d < r; ++d, ++out) {
            const double* w = wc + d * 4;
            out->x = static_cast<float>(w[0] * s[0] + w[1] * s[3] + w[2] * s[6] + w[3] * s[9]);
            out->y = static_cast<float>(w[0] * s[1] + w[1] * s[4] + w[2] * s[7] + w[3] * s[10]);
            out->z = static_cast<float>(w[0] * s[2] + w[1] * s[5] + w[2] * s[8] + w[3] * s[11]);
        }
}

// Whether the bare points are the mesh's to within rounding.
inline bool SamePoints(const std::vector<CFloat3>& bare, const CMeshVertexArray& mesh) {
    if (static_cast<int>(bare.size()) != mesh.GetCount())
        return false;
    auto near = [](float a, float b) { return std::fabs(a - b) <= 1e-4f * (1.0f + std::fabs(a)); };
    for (int i = 0; i < mesh.GetCount(); ++i)
        if (!near(bare[i].x, mesh[i].x) || !near(bare[i].y, mesh[i].y) || !near(bare[i].z, mesh[i].z))
            return false;
    return true;
}

} // namespace qf::bench
