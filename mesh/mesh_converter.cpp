#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "model/quad_net_eval.h"
#include "model/spatch_obj.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// The largest resolution whose r x r points of one patch an int can count.
constexpr int kMaxGridResolution = 46340;

void Put(CFloat3& to, const CVector3& p) {
    to.Set(p.GetX(), p.GetY(), p.GetZ());
}

int32_t IndexOf(const CPatchVertex* v) {
    return v ? v->m_index : -1;
}

CMeshFace QuadFace(int32_t a, int32_t b, int32_t c, int32_t d) {
    CMeshFace quad;
    quad.count = 4;
    quad.vertex = {a, b, c, d};
    return quad;
}

// fn(start node, end node) for every segment of every curve in order: one
// from each node to the next and, on a closed curve, from the last to the first.
template <class Fn> void ForEachSegment(CSpatchObj& object, Fn fn) {
    for (CCurve* curve : object.GetCurves()) {
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            CCurvePoint* node = curve->m_nodes.GetNext(pos);
            CCurvePoint* next = pos               ? curve->m_nodes.GetAt(pos)
                                : curve->m_closed ? curve->m_nodes.GetHead()
                                                  : nullptr;
            if (next)
                fn(*node, *next);
        }
    }
}

struct Segment {
    CCurvePoint* start;
    CCurvePoint* end;
};

// The segments in ForEachSegment's order, gathered in one walk of the
// curves' lists so that the passes over them need not walk them again.
std::vector<Segment> GatherSegments(CSpatchObj& object) {
    std::vector<Segment> segments;
    size_t nodes = 0;
    for (const CCurve* curve : object.GetCurves())
        nodes += static_cast<size_t>(curve->m_nodes.GetCount());
    segments.reserve(nodes); // a curve has at most one segment per node
    ForEachSegment(object, [&](CCurvePoint& a, CCurvePoint& b) { segments.push_back(Segment{&a, &b}); });
    return segments;
}

// The point at t of the segment from a to b; zero when a node has no point.
CVector3 SegmentPoint(const CCurvePoint& a, const CCurvePoint& b, float t) {
    if (!a.m_vertex || !b.m_vertex)
        return CVector3();
    return BezierPoint(*a.m_vertex, a.m_handleOut, b.m_handleIn, *b.m_vertex, t);
}

// The control points as the first mesh vertices, numbered by list position.
int AddControlPoints(CSpatchObj& object, CMeshVertexArray& vertices) {
    int i = 0;
    for (CPatchVertex* v : object.GetVertices()) {
        v->m_index = i;
        Put(vertices[i++], *v);
    }
    return i;
}

// The node at which the curve segment of a patch side starts: its start
// node when the side runs along the curve, else its end node.
template <class Patch> const CCurvePoint* SegmentStart(const Patch& patch, int side) {
    const CNodePair& edge = patch.m_edges[side];
    return patch.m_direction[side] ? edge.m_start : edge.m_end;
}

// Whether every side of the patch has its corner and its curve segment; the
// builders pass over a patch that does not.
template <class Patch> bool IsComplete(const Patch& patch, int sides) {
    for (int k = 0; k < sides; ++k)
        if (!patch.GetCorner(k) || !SegmentStart(patch, k))
            return false;
    return true;
}

bool IsTriangle(const CPatch& p) {
    return p.m_sides == 3 && IsComplete(p, 3);
}

bool IsQuad(const CPatch& p) {
    return p.m_sides == 4 && IsComplete(p, 4);
}

bool IsFive(const CFivePointPatch& p) {
    return IsComplete(p, 5);
}

struct PatchCounts {
    int triangles = 0, quads = 0, fives = 0;
};

PatchCounts CountPatches(const CSpatchObj& object) {
    PatchCounts c;
    for (const CPatch* p : object.GetPatches()) {
        c.triangles += IsTriangle(*p) ? 1 : 0;
        c.quads += IsQuad(*p) ? 1 : 0;
    }
    for (const CFivePointPatch* p : object.GetFivePatches())
        c.fives += IsFive(*p) ? 1 : 0;
    return c;
}

// The mesh points along one patch side at resolution r: distance 0 is the
// side's start corner, r its end corner, and 1..r-1 the points sampled on
// its curve segment, counted from the start corner whichever way the side
// runs along the curve.
class PatchSide {
public:
    template <class Patch>
    PatchSide(const Patch& patch, int side, int sides, int r)
        : PatchSide(IndexOf(patch.GetCorner(side)), IndexOf(patch.GetCorner((side + 1) % sides)), patch, side,
                    r) {}
    // The same with the corners' mesh indices known.
    template <class Patch>
    PatchSide(int32_t start, int32_t end, const Patch& patch, int side, int r)
        : m_r(r), m_start(start), m_end(end) {
        const CCurvePoint* node = SegmentStart(patch, side);
        m_first = node ? node->m_number : 0;
        m_forward = patch.m_direction[side] != 0;
    }

    int32_t At(int d) const {
        if (d <= 0)
            return m_start;
        if (d >= m_r)
            return m_end;
        return m_first + (m_forward ? d : m_r - d) - 1;
    }

private:
    int m_r;
    int32_t m_start, m_end, m_first;
    bool m_forward;
};

// The centre-and-midpoint quads of one patch: (corner k, midpoint k, centre,
// midpoint k-1).
template <class Patch> void AddCentreQuads(std::vector<CMeshFace>& quads, const Patch& patch, int sides) {
    for (int k = 0; k < sides; ++k) {
        const int previous = (k + sides - 1) % sides;
        quads.push_back(QuadFace(IndexOf(patch.GetCorner(k)), SegmentStart(patch, k)->m_number,
                                 patch.m_number, SegmentStart(patch, previous)->m_number));
    }
}

// Vertices of a three- or five-sided patch at grid resolution r = 2h: its
// centre, then (h-1)^2 interior points per corner part, then h-1 spoke
// points per part (from the side's midpoint towards the centre).
struct SplitPatchLayout {
    int32_t centre;
    int sides;
    int h;

    int32_t Interior(int k, int a, int b) const {
        return centre + 1 + k * (h - 1) * (h - 1) + (a - 1) * (h - 1) + (b - 1);
    }
    int32_t Spoke(int k, int b) const {
        return centre + 1 + sides * (h - 1) * (h - 1) + k * (h - 1) + (b - 1);
    }
};

// The points of a three- or five-sided patch: eval(out, s, t, part).
template <class Eval>
void AddSplitPatchPoints(CMeshVertexArray& vertices, int& next, int sides, int h, const CVector3& centre,
                         Eval eval) {
    Put(vertices[next++], centre);
    const float step = 1.0f / static_cast<float>(h);
    CVector3 p;
    for (int k = 0; k < sides; ++k)
        for (int a = 1; a < h; ++a)
            for (int b = 1; b < h; ++b) {
                eval(p, a * step, b * step, k);
                Put(vertices[next++], p);
            }
    for (int k = 0; k < sides; ++k)
        for (int b = 1; b < h; ++b) {
            eval(p, 1.0f, b * step, k);
            Put(vertices[next++], p);
        }
}

// The h x h quads of each corner part of a three- or five-sided patch.
template <class Patch>
void AddSplitPatchQuads(std::vector<CMeshFace>& quads, const Patch& patch, int sides, int r,
                        const SplitPatchLayout& layout) {
    const int h = r / 2;
    for (int k = 0; k < sides; ++k) {
        const int previous = (k + sides - 1) % sides;
        const PatchSide side(patch, k, sides, r);
        const PatchSide before(patch, previous, sides, r);
        auto grid = [&](int a, int b) -> int32_t {
            if (b == 0)
                return side.At(a);
            if (a == 0)
                return before.At(r - b);
            if (a == h && b == h)
                return layout.centre;
            if (a == h)
                return layout.Spoke(k, b);
            if (b == h)
                return layout.Spoke(previous, a);
            return layout.Interior(k, a, b);
        };
        for (int a = 0; a < h; ++a)
            for (int b = 0; b < h; ++b)
                quads.push_back(QuadFace(grid(a, b), grid(a + 1, b), grid(a + 1, b + 1), grid(a, b + 1)));
    }
}

// A complete three- or four-sided patch with its corners, each read once.
struct GridPatch {
    CPatch* patch;
    std::array<const CPatchVertex*, 4> corners;
};

// The patch's corners when it is complete (see IsComplete).
bool ReadCorners(const CPatch& p, std::array<const CPatchVertex*, 4>& corners) {
    for (int k = 0; k < p.m_sides; ++k) {
        corners[k] = p.GetCorner(k);
        if (!corners[k] || !SegmentStart(p, k))
            return false;
    }
    return true;
}

// The r x r quads of a four-sided patch whose interior points start at its
// number: grid point (i, j) is corner 0 at (0, 0), runs along side 0 with i
// and along side 3 (backwards) with j. grid is scratch space.
void AddGridQuads(std::vector<CMeshFace>& quads, const GridPatch& patch, int r, std::vector<int32_t>& grid) {
    const CPatch& p = *patch.patch;
    const int side = r + 1;
    grid.resize(static_cast<size_t>(side) * side);
    auto at = [&](int i, int j) -> int32_t& { return grid[static_cast<size_t>(i) * side + j]; };
    int32_t corner[4];
    for (int k = 0; k < 4; ++k)
        corner[k] = IndexOf(patch.corners[k]);
    const PatchSide sides[4] = {{corner[0], corner[1], p, 0, r},
                                {corner[1], corner[2], p, 1, r},
                                {corner[2], corner[3], p, 2, r},
                                {corner[3], corner[0], p, 3, r}};
    for (int d = 0; d <= r; ++d) {
        at(d, 0) = sides[0].At(d);
        at(r, d) = sides[1].At(d);
        at(r - d, r) = sides[2].At(d);
        at(0, r - d) = sides[3].At(d);
    }
    int32_t interior = p.m_number;
    for (int i = 1; i < r; ++i)
        for (int j = 1; j < r; ++j)
            at(i, j) = interior++;
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < r; ++j)
            quads.push_back(QuadFace(at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)));
}

// The patches and segments lie all over the heap, and the loops over them
// wait on memory at every one for the nodes and points they name: those a
// few items on are asked for early, so that fetching them overlaps the work.
constexpr size_t kPatchesAhead = 4;
constexpr size_t kSegmentsAhead = 8;

void PrefetchSides(const std::vector<GridPatch>& patches, size_t k) {
    if (k >= patches.size())
        return;
    const CPatch& p = *patches[k].patch;
    for (int side = 0; side < p.m_sides; ++side)
        __builtin_prefetch(SegmentStart(p, side));
}

void PrefetchSegment(const std::vector<Segment>& segments, size_t s) {
    if (s >= segments.size())
        return;
    __builtin_prefetch(segments[s].start->m_vertex);
    __builtin_prefetch(segments[s].end->m_vertex);
}

// The points of curve segments at t = d / r for d = 1 .. r-1, with the
// weights of each t worked out once: the points BezierPoint gives.
class CSegmentSampler {
public:
    explicit CSegmentSampler(int r) : m_r(r), m_weights(static_cast<size_t>(r) * 4) {
        const float step = 1.0f / static_cast<float>(r);
        for (int d = 1; d < r; ++d) {
            const double s = d * step;
            const double u = 1.0 - s;
            double* w = &m_weights[static_cast<size_t>(d) * 4];
            w[0] = u * u * u;
            w[1] = 3.0 * s * u * u;
            w[2] = 3.0 * s * s * u;
            w[3] = s * s * s;
        }
    }

    // The points at d / r for d = 1 .. r-1 of the segment from a to b into
    // out[0 .. r-2]; zero when a node has no point. The four control points
    // are read once for all of them.
    void Points(const CCurvePoint& a, const CCurvePoint& b, CFloat3* out) const {
        if (!a.m_vertex || !b.m_vertex) {
            for (int d = 1; d < m_r; ++d)
                out[d - 1].Set(0.0f, 0.0f, 0.0f);
            return;
        }
        const CVector3* p[4] = {a.m_vertex, &a.m_handleOut, &b.m_handleIn, b.m_vertex};
        double px[4], py[4], pz[4];
        for (int i = 0; i < 4; ++i) {
            px[i] = p[i]->GetX();
            py[i] = p[i]->GetY();
            pz[i] = p[i]->GetZ();
        }
        for (int d = 1; d < m_r; ++d) {
            const double* w = &m_weights[static_cast<size_t>(d) * 4];
            double x = 0.0, y = 0.0, z = 0.0;
            for (int i = 0; i < 4; ++i) {
                x += w[i] * px[i];
                y += w[i] * py[i];
                z += w[i] * pz[i];
            }
            out[d - 1].Set(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
        }
    }

private:
    int m_r;
    std::vector<double> m_weights;
};

// The interior points of a four-sided patch's net at resolution r, (i / r,
// j / r) for i, j = 1 .. r-1 with i outer, with the weights of each
// parameter and the column sums of each j worked out once: the points
// CSpatchObj::EvaluateQuadNet gives.
class CNetSampler {
public:
    explicit CNetSampler(int r) : m_r(r), m_weights(static_cast<size_t>(r + 1) * 4) {
        const float step = 1.0f / static_cast<float>(r);
        for (int i = 0; i <= r; ++i)
            QuadNetWeights(i * step, &m_weights[static_cast<size_t>(i) * 4]);
    }

    void Interior(const PatchNet& net, CFloat3* out) {
        std::vector<float>& columns = m_columns;
        columns.resize(static_cast<size_t>(m_r + 1) * 12);
        for (int j = 1; j < m_r; ++j)
            QuadNetColumns(net, &m_weights[static_cast<size_t>(j) * 4],
                           &columns[static_cast<size_t>(j) * 12]);
        for (int i = 1; i < m_r; ++i)
            for (int j = 1; j < m_r; ++j, ++out) {
                float p[3];
                QuadNetPoint(&columns[static_cast<size_t>(j) * 12], &m_weights[static_cast<size_t>(i) * 4],
                             p);
                out->Set(p[0], p[1], p[2]);
            }
    }

private:
    int m_r;
    std::vector<float> m_weights;
    std::vector<float> m_columns;
};

} // namespace

void CMeshConverter::BuildMesh(CPatchMesh* mesh, CSpatchObj* object, int resolution) const {
    if (!mesh || !object)
        return;
    if (object->GetNeedsRebuild())
        object->Rebuild();
    // Three- and five-sided patches are sampled on their nets.
    object->UpdatePatchNets();
    const int r = std::max(resolution, 1);
    if (r == 1)
        BuildControlNetMesh(*mesh, *object);
    else if (r < 4)
        BuildCentreMesh(*mesh, *object);
    else
        BuildGridMesh(*mesh, *object, r - r % 2);
}

void CMeshConverter::BuildControlNetMesh(CPatchMesh& mesh, CSpatchObj& object) const {
    CMeshProcessor processor(&mesh);
    mesh.m_vertices.Resize(object.GetVertices().GetCount());
    AddControlPoints(object, mesh.m_vertices);
    const PatchCounts counts = CountPatches(object);
    std::vector<CMeshFace>& triangles = mesh.m_faces.m_triangles;
    std::vector<CMeshFace>& quads = mesh.m_faces.m_quads;
    mesh.m_faces.FreeTriangles();
    mesh.m_faces.FreeQuads();
    triangles.reserve(counts.triangles + counts.fives);
    quads.reserve(counts.quads + counts.fives);
    auto face = [](std::initializer_list<const CPatchVertex*> corners) {
        CMeshFace f;
        f.count = static_cast<int32_t>(corners.size());
        int k = 0;
        for (const CPatchVertex* c : corners)
            f.vertex[k++] = IndexOf(c);
        return f;
    };
    for (const CPatch* p : object.GetPatches()) {
        if (IsTriangle(*p))
            triangles.push_back(face({p->GetCorner(0), p->GetCorner(1), p->GetCorner(2)}));
        else if (IsQuad(*p))
            quads.push_back(face({p->GetCorner(0), p->GetCorner(1), p->GetCorner(2), p->GetCorner(3)}));
    }
    for (const CFivePointPatch* p : object.GetFivePatches()) {
        if (!IsFive(*p))
            continue;
        triangles.push_back(face({p->GetCorner(0), p->GetCorner(1), p->GetCorner(2)}));
        quads.push_back(face({p->GetCorner(2), p->GetCorner(3), p->GetCorner(4), p->GetCorner(0)}));
    }
    processor.BuildEdges();
    processor.BuildAdjacency();
}

void CMeshConverter::BuildCentreMesh(CPatchMesh& mesh, CSpatchObj& object) const {
    const PatchCounts counts = CountPatches(object);
    const std::vector<Segment> segments = GatherSegments(object);
    const int total = object.GetVertices().GetCount() + counts.triangles + counts.quads + counts.fives +
                      static_cast<int>(segments.size());
    if (total == 0)
        return;
    mesh.m_vertices.Resize(total);
    int next = AddControlPoints(object, mesh.m_vertices);
    for (CPatch* p : object.GetPatches()) {
        if (!IsTriangle(*p) && !IsQuad(*p))
            continue;
        // Every kind from its (smoothed) net, so that smoothing shows alike.
        const CVector3 centre =
            p->m_sides == 4 ? CSpatchObj::EvaluateQuadNet(p->Net(0), 0.5f, 0.5f) : GetNetPoint(p->Net(0), 15);
        p->m_number = next;
        Put(mesh.m_vertices[next++], centre);
    }
    for (CFivePointPatch* p : object.GetFivePatches()) {
        if (!IsFive(*p))
            continue;
        p->m_number = next;
        Put(mesh.m_vertices[next++], GetNetPoint(p->Net(0), 15));
    }
    for (const Segment& segment : segments) {
        segment.start->m_number = next;
        Put(mesh.m_vertices[next++], SegmentPoint(*segment.start, *segment.end, 0.5f));
    }

    mesh.m_edges.Free();
    std::vector<CMeshFace>& quads = mesh.m_faces.m_quads;
    mesh.m_faces.FreeQuads();
    quads.reserve(3 * counts.triangles + 4 * counts.quads + 5 * counts.fives);
    for (const CPatch* p : object.GetPatches())
        if (IsTriangle(*p) || IsQuad(*p))
            AddCentreQuads(quads, *p, p->m_sides);
    for (const CFivePointPatch* p : object.GetFivePatches())
        if (IsFive(*p))
            AddCentreQuads(quads, *p, 5);
    mesh.m_edgesBuilt = 0;
    CMeshProcessor(&mesh).BuildAdjacency();
}

void CMeshConverter::BuildGridMesh(CPatchMesh& mesh, CSpatchObj& object, int r) const {
    const int h = r / 2;
    // The complete patches, sorted once; the rest contribute nothing.
    std::vector<GridPatch> patches;
    patches.reserve(static_cast<size_t>(object.GetPatches().GetCount()));
    std::vector<CFivePointPatch*> fives;
    PatchCounts counts;
    for (CPatch* p : object.GetPatches()) {
        GridPatch patch{p, {}};
        if ((p->m_sides != 3 && p->m_sides != 4) || !ReadCorners(*p, patch.corners))
            continue;
        ++(p->m_sides == 4 ? counts.quads : counts.triangles);
        patches.push_back(patch);
    }
    for (CFivePointPatch* p : object.GetFivePatches())
        if (IsFive(*p))
            fives.push_back(p);
    counts.fives = static_cast<int>(fives.size());
    const std::vector<Segment> segmentList = GatherSegments(object);
    const auto segments = static_cast<int>(segmentList.size());
    // Points are indexed by int: a grid whose points would not fit in one
    // builds nothing rather than wrap round and write past its array.
    if (r > kMaxGridResolution)
        return;
    const int64_t wideInterior =
        int64_t{counts.quads} * (r - 1) * (r - 1) +
        (3 * int64_t{counts.triangles} + 5 * int64_t{counts.fives}) * ((h - 1) * (h - 1) + (h - 1)) +
        counts.triangles + counts.fives;
    const int64_t wideTotal = object.GetVertices().GetCount() + wideInterior + int64_t{r - 1} * segments;
    const int64_t quadCount = int64_t{r} * r * counts.quads +
                              int64_t{h} * h * (3 * int64_t{counts.triangles} + 5 * int64_t{counts.fives});
    constexpr int64_t kMostIndices = std::numeric_limits<int32_t>::max();
    if (wideTotal == 0 || wideTotal > kMostIndices || quadCount > kMostIndices)
        return;
    const auto interior = static_cast<int>(wideInterior);
    const auto total = static_cast<int>(wideTotal);
    CMeshVertexArray& vertices = mesh.m_vertices;
    vertices.Resize(total);
    int next = AddControlPoints(object, vertices);
    // The segments' points come after every patch's own; their numbers are
    // known now, so each patch gives its points and its quads in one visit.
    const int firstSegmentPoint = next + interior;
    for (int segment = 0; segment < segments; ++segment)
        segmentList[segment].start->m_number = firstSegmentPoint + (r - 1) * segment;

    std::vector<CMeshFace>& quads = mesh.m_faces.m_quads;
    mesh.m_faces.FreeQuads();
    quads.reserve(static_cast<size_t>(quadCount));
    CNetSampler sampler(r);
    std::vector<int32_t> grid;
    for (size_t k = 0; k < patches.size(); ++k) {
        PrefetchSides(patches, k + kPatchesAhead);
        const GridPatch& patch = patches[k];
        CPatch* p = patch.patch;
        p->m_number = next;
        if (p->m_sides == 3) {
            AddSplitPatchPoints(
                vertices, next, 3, h, GetNetPoint(p->Net(0), 15),
                [&](CVector3& out, float s, float t, int k) { object.EvaluateTriPatchNet(out, s, t, k, p); });
            AddSplitPatchQuads(quads, *p, 3, r, SplitPatchLayout{p->m_number, 3, h});
            continue;
        }
        // The net smoothing has shaped, as for the other kinds.
        sampler.Interior(p->Net(0), &vertices[next]);
        next += (r - 1) * (r - 1);
        AddGridQuads(quads, patch, r, grid);
    }
    for (CFivePointPatch* p : fives) {
        p->m_number = next;
        AddSplitPatchPoints(
            vertices, next, 5, h, GetNetPoint(p->Net(0), 15),
            [&](CVector3& out, float s, float t, int k) { object.EvaluateFivePatchNet(out, s, t, k, p); });
        AddSplitPatchQuads(quads, *p, 5, r, SplitPatchLayout{p->m_number, 5, h});
    }

    const CSegmentSampler segmentSampler(r);
    std::vector<CMeshEdge>& edges = mesh.m_edges.m_edges;
    edges.clear();
    edges.reserve(static_cast<size_t>(r) * segments);
    for (size_t s = 0; s < segmentList.size(); ++s) {
        PrefetchSegment(segmentList, s + kSegmentsAhead);
        const CCurvePoint& a = *segmentList[s].start;
        const CCurvePoint& b = *segmentList[s].end;
        segmentSampler.Points(a, b, &vertices[next]);
        int32_t previous = IndexOf(a.m_vertex);
        for (int d = 1; d < r; ++d) {
            edges.push_back(CMeshEdge{previous, next});
            previous = next++;
        }
        edges.push_back(CMeshEdge{previous, IndexOf(b.m_vertex)});
    }
    mesh.m_edgesBuilt = 0;
}

void CMeshConverter::MeshToCurves(const CPatchMesh* mesh, CSpatchObj* object) const {
    if (!mesh || !object || mesh->m_vertices.GetCount() < 1)
        return;
    std::vector<CPatchVertex*> points;
    points.reserve(mesh->m_vertices.GetCount());
    for (const CFloat3& p : mesh->m_vertices.m_positions)
        points.push_back(object->AddVertex(p.x, p.y, p.z));
    const auto count = static_cast<int32_t>(points.size());
    for (const CMeshEdge& edge : mesh->m_edges.m_edges) {
        if (edge.a < 0 || edge.b < 0 || edge.a >= count || edge.b >= count)
            continue;
        CCurve* curve = object->AddCurve();
        for (CPatchVertex* v : {points[edge.a], points[edge.b]}) {
            CCurvePoint* node = object->AddCurvePoint(curve);
            node->m_vertex = v;
            CVertexLink* link = object->AddVertexLink(v);
            link->m_curve = curve;
            link->m_node = node;
        }
    }
    object->UpdateCurveHandles();
    object->SetNeedsRebuild(1);
}
