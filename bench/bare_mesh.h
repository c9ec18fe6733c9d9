#pragma once
// The fastest plain code for the display mesh of an object of four-sided
// patches at resolution r, written apart from the product's building: the
// same output (points, quads and curve edges, and for the smooth-shaded
// mesh the face normals, the per-vertex quad lists and the corner normals
// smoothed within the crease angle) from flat arrays gathered beforehand.
// The points are the control points copied, the (r - 1)^2 interior points of
// each bicubic net in the separable form (the row weights summed into four
// column points once per row, then the column weights), and the r - 1 inner
// points of each curve segment, all with their weights worked out once.
// Everything comes in the mesh's own order, so the two can be compared item
// for item. Plain means straight loops and nothing kept between runs; the
// normals' independent passes run on as many threads as the product's.
#include "mesh/patch_mesh.h"
#include "mesh/polygon_obj.h"
#include "model/spatch_obj.h"
#include "platform/base/parallel_for.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <new>
#include <unordered_map>
#include <vector>

namespace qf::bench {

// What the loops read, gathered beforehand into flat arrays.
struct BareMeshInput {
    std::vector<CFloat3> points;
    std::vector<PatchNet> nets;
    // Start point, its out handle, the end's in handle, the end point.
    std::vector<std::array<float, 12>> segments;
    // Each segment's end points as control point numbers.
    std::vector<std::array<int32_t, 2>> segmentEnds;
    // Each patch's corners as control point numbers, and its sides as
    // segment number * 2, + 1 when the side runs along its curve.
    std::vector<std::array<int32_t, 4>> corners;
    std::vector<std::array<int32_t, 4>> sides;
    bool onlyQuads = true;

    int PointCount(int r) const {
        return static_cast<int>(points.size() + nets.size() * (r - 1) * (r - 1) + segments.size() * (r - 1));
    }
};

// The object's control points, the nets and sides of its four-sided patches
// and its curve segments, in the order the display mesh lists them. The
// object is rebuilt with its nets up to date.
inline BareMeshInput GatherBareMeshInput(CSpatchObj& object) {
    BareMeshInput in;
    std::unordered_map<const CPatchVertex*, int32_t> pointNumber;
    for (const CPatchVertex* v : object.GetVertices()) {
        pointNumber[v] = static_cast<int32_t>(in.points.size());
        in.points.push_back(CFloat3{v->GetX(), v->GetY(), v->GetZ()});
    }
    std::unordered_map<const CCurvePoint*, int32_t> segmentNumber;
    for (const CCurve* curve : object.GetCurves())
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            const CCurvePoint* a = curve->m_nodes.GetNext(pos);
            const CCurvePoint* b = pos               ? curve->m_nodes.GetAt(pos)
                                   : curve->m_closed ? curve->m_nodes.GetHead()
                                                     : nullptr;
            if (!b)
                continue;
            segmentNumber[a] = static_cast<int32_t>(in.segments.size());
            std::array<float, 12> s{};
            const CVector3* p[4] = {a->m_vertex, &a->m_handleOut, &b->m_handleIn, b->m_vertex};
            for (int i = 0; i < 4; ++i) {
                s[i * 3] = p[i]->GetX();
                s[i * 3 + 1] = p[i]->GetY();
                s[i * 3 + 2] = p[i]->GetZ();
            }
            in.segments.push_back(s);
            in.segmentEnds.push_back({pointNumber[a->m_vertex], pointNumber[b->m_vertex]});
        }
    for (const CPatch* p : object.GetPatches()) {
        if (p->m_sides != 4) {
            in.onlyQuads = false;
            continue;
        }
        in.nets.push_back(p->Net(0));
        std::array<int32_t, 4> corners{}, sides{};
        for (int k = 0; k < 4; ++k) {
            corners[k] = pointNumber[p->GetCorner(k)];
            const bool along = p->m_direction[k] != 0;
            const CCurvePoint* start = along ? p->m_edges[k].m_start : p->m_edges[k].m_end;
            sides[k] = segmentNumber[start] * 2 + (along ? 1 : 0);
        }
        in.corners.push_back(corners);
        in.sides.push_back(sides);
    }
    in.onlyQuads = in.onlyQuads && object.GetFivePatches().IsEmpty();
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

// An array of plain records left unset until written, as a fresh heap
// hands it out (no zeroing pass before the loops write every item).
template <class T> class BareArray {
public:
    explicit BareArray(size_t n)
        : m_items(static_cast<T*>(std::malloc(std::max<size_t>(n, 1) * sizeof(T)))), m_size(n) {
        if (!m_items)
            throw std::bad_alloc();
    }
    ~BareArray() { std::free(m_items); }
    BareArray(const BareArray&) = delete;
    BareArray& operator=(const BareArray&) = delete;
    T* data() { return m_items; }
    const T* data() const { return m_items; }
    T& operator[](size_t i) { return m_items[i]; }
    const T& operator[](size_t i) const { return m_items[i]; }
    size_t size() const { return m_size; }
    const T* begin() const { return m_items; }
    const T* end() const { return m_items + m_size; }

private:
    T* m_items;
    size_t m_size;
};

// The mesh's arrays, sized once and written whole by each run.
struct BareMeshOutput {
    BareMeshOutput(const BareMeshInput& in, int r)
        : points(static_cast<size_t>(in.PointCount(r))), quads(in.nets.size() * r * r),
          edges(in.segments.size() * r) {}
    BareArray<CFloat3> points;
    BareArray<CMeshFace> quads;
    BareArray<CMeshEdge> edges;
};

// Writes the mesh's points; r is below 64.
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
            for (int c = 0; c < 12; ++c)
                columns[j][c] =
                    wt[0] * net[c] + wt[1] * net[12 + c] + wt[2] * net[24 + c] + wt[3] * net[36 + c];
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
    for (const std::array<float, 12>& c : in.segments)
        for (int d = 1; d < r; ++d, ++out) {
            const double* w = wc + d * 4;
            out->x = static_cast<float>(w[0] * c[0] + w[1] * c[3] + w[2] * c[6] + w[3] * c[9]);
            out->y = static_cast<float>(w[0] * c[1] + w[1] * c[4] + w[2] * c[7] + w[3] * c[10]);
            out->z = static_cast<float>(w[0] * c[2] + w[1] * c[5] + w[2] * c[8] + w[3] * c[11]);
        }
}

// Writes the mesh's quads and curve edges; r is below 64.
inline void BareMeshIndices(const BareMeshInput& in, int r, CMeshFace* quad, CMeshEdge* edge) {
    const auto firstInterior = static_cast<int32_t>(in.points.size());
    const int32_t firstSegmentPoint =
        firstInterior + static_cast<int32_t>(in.nets.size()) * (r - 1) * (r - 1);
    constexpr int kMaxR = 64;
    int32_t grid[kMaxR + 1][kMaxR + 1];
    int32_t interior = firstInterior;
    for (size_t k = 0; k < in.nets.size(); ++k) {
        // Grid point (i, j): corner 0 at (0, 0), along side 0 with i and
        // along side 3 (backwards) with j.
        const std::array<int32_t, 4>& corner = in.corners[k];
        int32_t first[4];
        bool along[4];
        for (int s = 0; s < 4; ++s) {
            first[s] = firstSegmentPoint + (in.sides[k][s] >> 1) * (r - 1) - 1;
            along[s] = (in.sides[k][s] & 1) != 0;
        }
        auto side = [&](int s, int d) { return first[s] + (along[s] ? d : r - d); };
        grid[0][0] = corner[0];
        grid[r][0] = corner[1];
        grid[r][r] = corner[2];
        grid[0][r] = corner[3];
        for (int d = 1; d < r; ++d) {
            grid[d][0] = side(0, d);
            grid[r][d] = side(1, d);
            grid[r - d][r] = side(2, d);
            grid[0][r - d] = side(3, d);
        }
        for (int i = 1; i < r; ++i)
            for (int j = 1; j < r; ++j)
                grid[i][j] = interior++;
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < r; ++j, ++quad)
                *quad = CMeshFace{4, {grid[i][j], grid[i + 1][j], grid[i + 1][j + 1], grid[i][j + 1]}, -1};
    }
    int32_t next = firstSegmentPoint;
    for (const std::array<int32_t, 2>& ends : in.segmentEnds) {
        int32_t previous = ends[0];
        for (int d = 1; d < r; ++d) {
            *edge++ = CMeshEdge{previous, next};
            previous = next++;
        }
        *edge++ = CMeshEdge{previous, ends[1]};
    }
}

// The whole mesh: points, quads and edges.
inline void BareMeshBuild(const BareMeshInput& in, const BareMeshWeights& weights, BareMeshOutput& mesh) {
    BareMeshPoints(in, weights, mesh.points.data());
    BareMeshIndices(in, weights.r, mesh.quads.data(), mesh.edges.data());
}

// The smooth-shaded mesh's own arrays beside the mesh's.
struct BareNormalsOutput {
    explicit BareNormalsOutput(const BareMeshOutput& mesh)
        : faceNormals(mesh.quads.size()), cornerNormals(mesh.quads.size() * 4),
          offsets(mesh.points.size() + 2), quadsAt(mesh.quads.size() * 4), cornerAt(quadsAt.size()) {}
    BareArray<CFloat3> faceNormals;
    BareArray<CFloat3> cornerNormals;
    // The quads at vertex v are quadsAt[offsets[v]] up to quadsAt[offsets[v + 1]],
    // in quad order, each with the corner that names v (one offset more is
    // room for the counting).
    BareArray<int32_t> offsets;
    BareArray<int32_t> quadsAt;
    BareArray<uint8_t> cornerAt;
};

// fn(from, to) over [0, count) in equal runs, one per thread the product
// takes, on the same kept threads.
template <class Fn> void BareSideBySide(size_t count, Fn fn) {
    const auto threads = static_cast<size_t>(qf::WorkerThreads());
    const size_t run = (count + threads - 1) / threads;
    qf::ParallelFor(threads, static_cast<int>(threads),
                    [&](size_t t) { fn(std::min(count, t * run), std::min(count, (t + 1) * run)); });
}

// The face normals from the first three corners, the quads at each vertex,
// and at each corner its face's normal averaged with those of the other
// faces at the vertex within the crease angle (in degrees, below 180), its
// own first, then the others in list order (where all are within, the mean
// of all, summed once: the same to within rounding). The faces of the grids
// this is run on each name a vertex once and have unit normals; pairs whose
// cosine lies too near the limit's to tell take the angle itself, as the
// product's test does, so the answer is the same.
inline void BareCornerNormals(const BareMeshOutput& mesh, float creaseDegrees, BareNormalsOutput& out) {
    const size_t quadCount = mesh.quads.size();
    const CFloat3* p = mesh.points.data();
    CFloat3* normal = out.faceNormals.data();
    BareSideBySide(quadCount, [&](size_t from, size_t to) {
        for (size_t f = from; f < to; ++f) {
            const auto& v = mesh.quads[f].vertex;
            const CFloat3 &p0 = p[v[0]], &p1 = p[v[1]], &p2 = p[v[2]];
            const double ax = p1.x - p2.x, ay = p1.y - p2.y, az = p1.z - p2.z;
            const double bx = p1.x - p0.x, by = p1.y - p0.y, bz = p1.z - p0.z;
            const auto x = static_cast<float>(ay * bz - az * by);
            const auto y = static_cast<float>(az * bx - ax * bz);
            const auto z = static_cast<float>(ax * by - ay * bx);
            const double sum =
                static_cast<double>(x) * x + static_cast<double>(y) * y + static_cast<double>(z) * z;
            const float length = sum > 0.0 ? static_cast<float>(std::sqrt(sum)) : 0.0f;
            normal[f] = length > 0.0f ? CFloat3{x / length, y / length, z / length} : CFloat3{0, 0, 0};
        }
    });
    // Counted two places on, so that placing through offsets[v + 1] leaves
    // it at the end of v's list, the start of the next one.
    const size_t vertexCount = mesh.points.size();
    int32_t* offsets = out.offsets.data();
    std::fill(offsets, offsets + vertexCount + 2, 0);
    for (size_t f = 0; f < quadCount; ++f)
        for (int k = 0; k < 4; ++k)
            ++offsets[mesh.quads[f].vertex[k] + 2];
    for (size_t v = 2; v < vertexCount + 2; ++v)
        offsets[v] += offsets[v - 1];
    int32_t* quadsAt = out.quadsAt.data();
    uint8_t* cornerAt = out.cornerAt.data();
    for (size_t f = 0; f < quadCount; ++f)
        for (int k = 0; k < 4; ++k) {
            const int32_t at = offsets[mesh.quads[f].vertex[k] + 1]++;
            quadsAt[at] = static_cast<int32_t>(f);
            cornerAt[at] = static_cast<uint8_t>(k);
        }

    const double limit = std::cos(creaseDegrees * 3.1415927 / 180.0);
    const auto above = static_cast<float>(limit + 1e-5), below = static_cast<float>(limit - 1e-5);
    auto within = [&](const CFloat3& a, const CFloat3& b) {
        const float cosine = a.x * b.x + a.y * b.y + a.z * b.z;
        if (cosine > above)
            return true;
        if (cosine < below)
            return false;
        return AngleBetween(CVector3(a.x, a.y, a.z), CVector3(b.x, b.y, b.z)) / 3.1415927 * 180.0 <=
               creaseDegrees;
    };
    CFloat3* corners = out.cornerNormals.data();
    BareSideBySide(vertexCount, [&](size_t from, size_t to) {
        // The faces at one vertex, their normals gathered, and which pairs lie
        // within the angle, each pair tested once.
        constexpr int kMost = 32;
        CFloat3 around[kMost];
        uint32_t pairs[kMost];
        for (size_t v = from; v < to; ++v) {
            // The faces of a vertex a few on are fetched while this one is worked.
            constexpr size_t kAhead = 8;
            if (v + kAhead < to)
                for (int32_t i = offsets[v + kAhead]; i < offsets[v + kAhead + 1]; ++i) {
                    __builtin_prefetch(&normal[quadsAt[i]]);
                    __builtin_prefetch(&corners[4 * static_cast<size_t>(quadsAt[i]) + cornerAt[i]], 1);
                }
            const int32_t first = offsets[v];
            const int n = std::min(offsets[v + 1] - first, kMost);
            float x = 0.0f, y = 0.0f, z = 0.0f;
            for (int i = 0; i < n; ++i) {
                around[i] = normal[quadsAt[first + i]];
                pairs[i] = 0;
                x += around[i].x;
                y += around[i].y;
                z += around[i].z;
            }
            bool all = true;
            for (int i = 0; i < n; ++i)
                for (int j = i + 1; j < n; ++j)
                    if (within(around[i], around[j])) {
                        pairs[i] |= 1u << j;
                        pairs[j] |= 1u << i;
                    } else {
                        all = false;
                    }
            auto put = [&](int i, float sx, float sy, float sz, float count) {
                const bool zero = sx == 0.0f && sy == 0.0f && sz == 0.0f;
                corners[4 * static_cast<size_t>(quadsAt[first + i]) + cornerAt[first + i]] =
                    zero ? around[i] : CFloat3{sx / count, sy / count, sz / count};
            };
            // The usual vertex: every face within the angle of every other, so
            // each corner gets the mean of them all.
            if (all) {
                for (int i = 0; i < n; ++i)
                    put(i, x, y, z, static_cast<float>(n));
                continue;
            }
            for (int i = 0; i < n; ++i) {
                float sx = around[i].x, sy = around[i].y, sz = around[i].z, count = 1.0f;
                for (int j = 0; j < n; ++j)
                    if ((pairs[i] >> j) & 1) {
                        sx += around[j].x;
                        sy += around[j].y;
                        sz += around[j].z;
                        count += 1.0f;
                    }
                put(i, sx, sy, sz, count);
            }
        }
    });
}

// Whether the bare points are the mesh's to within rounding.
template <class Bare, class Mesh> bool SamePoints(const Bare& bare, const Mesh& mesh) {
    if (bare.size() != mesh.size())
        return false;
    auto near = [](float a, float b) { return std::fabs(a - b) <= 1e-4f * (1.0f + std::fabs(a)); };
    for (size_t i = 0; i < mesh.size(); ++i)
        if (!near(bare[i].x, mesh[i].x) || !near(bare[i].y, mesh[i].y) || !near(bare[i].z, mesh[i].z))
            return false;
    return true;
}

// Whether the bare loops gave the mesh's points, quads and edges, and where
// normals are given, its face and corner normals.
inline bool SameMesh(const BareMeshOutput& bare, const CPatchMesh& mesh, const BareNormalsOutput* normals) {
    auto sameFace = [](const CMeshFace& a, const CMeshFace& b) {
        return a.count == b.count && a.vertex == b.vertex && a.material == b.material;
    };
    auto sameEdge = [](const CMeshEdge& a, const CMeshEdge& b) { return a.a == b.a && a.b == b.b; };
    if (!SamePoints(bare.points, mesh.m_vertices.m_positions) ||
        !std::equal(bare.quads.begin(), bare.quads.end(), mesh.m_faces.m_quads.begin(),
                    mesh.m_faces.m_quads.end(), sameFace) ||
        !std::equal(bare.edges.begin(), bare.edges.end(), mesh.m_edges.m_edges.begin(),
                    mesh.m_edges.m_edges.end(), sameEdge))
        return false;
    if (!normals)
        return true;
    return SamePoints(normals->faceNormals, mesh.m_faces.m_quadNormals) &&
           SamePoints(normals->cornerNormals, mesh.m_faces.m_quadCornerNormals);
}

} // namespace qf::bench
