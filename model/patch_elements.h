#pragma once
// The records of a patch object's curve network: control points, the curves
// through them with their nodes, the links from a control point to the nodes
// on it, and the three-, four- and five-sided patches found in the network.
// A patch edge is one segment of one curve between consecutive nodes; its
// direction flag is 1 when it runs to the next node of its curve, 0 when it
// runs to the previous one. Corner k is the control point of edge k's start
// node, and edge k ends at corner k+1 (the last edge at corner 0).
#include "model/vector3.h"
#include "platform/base/obj_list.h"

#include <array>
#include <cstdint>
#include <memory>

class CCurve;
class CCurvePoint;
class CPatch;
class CFivePointPatch;
class CSpatchObj;

// A bicubic control net: 16 points row by row (index = row * 4 + column),
// each as x, y, z, the layout OpenGL evaluators read.
using PatchNet = std::array<float, 48>;

CVector3 GetNetPoint(const PatchNet& net, int index);
void SetNetPoint(PatchNet& net, int index, const CVector3& point);
// The point at (s, t) of the bicubic Bezier surface of net: s runs along a
// row (column index), t down a column (row index).
CVector3 EvaluateNet(const PatchNet& net, float s, float t);

// The same net as 16 vectors.
struct CControlNet {
    std::array<CVector3, 16> m_points;
};

// One link per curve node lying on a control point: the curve and the node.
class CVertexLink {
public:
    int m_index = 0; // number of the link within its control point
    CCurve* m_curve = nullptr;
    CCurvePoint* m_node = nullptr;
    // The node's manual handles at the time geometry was appended.
    int m_manualIn = 0;
    int m_manualOut = 0;
    CVector3 m_offsetIn;
    CVector3 m_offsetOut;
};

// A control point; its x, y, z are the position.
class CPatchVertex : public CVector3 {
public:
    CPatchVertex() = default;
    CPatchVertex(float x, float y, float z) : CVector3(x, y, z) {}

    // A hidden control point is never selected.
    void SetSelected(int v) { m_selected = m_hidden ? 0 : v; }
    // Empties both patch back-lists.
    void RemoveAllPatches();
    void DeleteLinks() { m_links.RemoveAll(); }
    void RemoveLinkToNode(const CCurvePoint* node);
    // Copies the flags and colour that travel with a copied point; not the
    // position, not the selection.
    void CopyFlags(const CPatchVertex& other);

    int m_selected = 0;
    int m_hidden = 0;  // not drawn, not pickable, never selected
    int m_visible = 1; // 0: may not be a patch corner unless the object allows it
    int m_auxFlag = 0;
    CVector3 m_auxVector;
    CVector3 m_normal;
    int m_index = 0; // position in the object's list, set by numbering
    // Owned: one link per node on this point, deleted with the point.
    CObjList<CVertexLink> m_links;
    int m_ownColor = 0;
    uint32_t m_color = 0x00FFFFFF; // packed 0x00BBGGRR
    CVector3 m_viewPos;            // camera-space position from the last projection
    int m_screenX = 0;             // pane pixel from the last projection
    int m_screenY = 0;
    int m_fivePoint = 0; // may be a corner of a five-sided patch
    std::array<int, 2> m_markerValues{0, 0};
    int m_markerFlag = 0;
    // Patches with this point as a corner; filled only while patches are
    // searched and smoothed, empty otherwise.
    CRefList<CPatch> m_patches;
    CRefList<CFivePointPatch> m_fivePatches;
};

// A node of a curve: the control point it sits on and its two Bezier handles
// on this curve. A selected node stands for the segment that starts at it.
class CCurvePoint {
public:
    // Copies the node's settings and control point; not the handles, not the number.
    void CopyFrom(const CCurvePoint& other);
    // Exchanges the manual handles, for a curve whose node order is reversed.
    void SwapHandles();

    int m_sharp = 0;
    int m_selected = 0;
    float m_weight = 0.3f;
    CVector3 m_handleIn; // absolute positions, derived from the neighbours
    CVector3 m_handleOut;
    CPatchVertex* m_vertex = nullptr; // not owned
    int m_number = 0;                 // position in its curve, set by numbering
    int m_manualIn = 0;               // 1: the handle is the point + offset
    int m_manualOut = 0;
    CVector3 m_offsetIn;
    CVector3 m_offsetOut;
    int m_auxWord = -1;
    // Patches whose edge starts its segment at this node; filled only while
    // nets are smoothed.
    CRefList<CPatch> m_patches;
};

// A chain of cubic Bezier segments, one from each node to the next and, on a
// closed curve, from the last node back to the first.
class CCurve {
public:
    // The point at t (0..1) of the segment starting at node i; the successor
    // of the last node is node 0. The zero vector when node i does not exist.
    CVector3 EvaluateSegment(int i, float t) const;

    int m_closed = 0;
    // Owned: the nodes in curve order, deleted with the curve.
    CObjList<CCurvePoint> m_nodes;
    int m_number = 0;    // position in the object's list, set by numbering
    int m_curveWord = 0; // kept with the curve in the document file, not interpreted
};

// The point at t of the cubic Bezier segment p0..p3.
CVector3 BezierPoint(const CVector3& p0, const CVector3& p1, const CVector3& p2, const CVector3& p3, float t);

// The polyline a segment is drawn as at steps (at least 1): p0, the points
// at t = 1 / steps, 2 / steps, ... below 1, and p3; fn(point) for each in
// order. The parameter advances in float for as long as it still moves, so
// every segment of one steps count has the same number of points.
template <class Fn>
void ForEachPolylinePoint(int steps, const CVector3& p0, const CVector3& p1, const CVector3& p2,
                          const CVector3& p3, Fn fn) {
    fn(p0);
    const float step = 1.0f / static_cast<float>(steps < 1 ? 1 : steps);
    for (float t = step; t < 1.0f && t + step > t; t += step)
        fn(BezierPoint(p0, p1, p2, p3, t));
    fn(p3);
}

struct CNodePair {
    CCurvePoint* m_start = nullptr;
    CCurvePoint* m_end = nullptr;
};

// The control point of edge i's start node among the first `sides` edges.
template <size_t N> CPatchVertex* CornerOf(const std::array<CNodePair, N>& edges, int sides, int i) {
    if (i < 0 || i >= sides || !edges[i].m_start)
        return nullptr;
    return edges[i].m_start->m_vertex;
}

// The inner control points of a patch edge, next to its start and its end:
// the start node's handleOut and the end node's handleIn when the edge runs
// along its curve (direction 1), handleIn and handleOut when it runs against it.
const CVector3& EdgeStartHandle(const CNodePair& edge, int direction);
const CVector3& EdgeEndHandle(const CNodePair& edge, int direction);

// A three- or four-sided patch. A quad is drawn from one net; a triangle
// from three, one per corner. Only a triangle carries the two extra nets, so
// the many quads of a large model stay small.
class CPatch {
public:
    CPatch() = default;
    CPatch(const CPatch& other);
    CPatch& operator=(const CPatch& other);
    CPatch(CPatch&&) noexcept = default;
    CPatch& operator=(CPatch&&) noexcept = default;

    // The nets the patch is drawn from: one for a quad, three for a triangle.
    int NetCount() const { return m_sides == 3 ? 3 : 1; }
    // Net k (0 .. 2); a triangle's second and third nets are made when first
    // asked for.
    PatchNet& Net(int k);
    // The same to read; a net never made reads as all zero.
    const PatchNet& Net(int k) const;

    // The control point of edge i's start node; null for an edge the patch
    // does not have. Inline: the mesh builders ask it for every corner.
    CPatchVertex* GetCorner(int i) const { return CornerOf(m_edges, m_sides, i); }
    // Fills net from the edges and the nodes' handles; a triangle gives the
    // quad net with its last row collapsed onto the third corner. A patch
    // with another side count or an unset edge leaves net untouched.
    void BuildNet(PatchNet& net) const;
    // Runs the edges the other way round; twice restores the patch.
    void Reverse();

    int m_sides = 0;
    int m_number = 0;
    std::array<CNodePair, 4> m_edges{};
    std::array<CCurve*, 4> m_curves{};
    std::array<int, 4> m_direction{};

private:
    PatchNet m_net{};
    std::unique_ptr<std::array<PatchNet, 2>> m_triangleNets; // nets 1 and 2
};

// A five-sided patch, drawn from five nets, one per corner.
class CFivePointPatch {
public:
    // Its five nets, as CPatch gives its own.
    int NetCount() const { return 5; }
    PatchNet& Net(int k) { return m_nets[static_cast<size_t>(k)]; }
    const PatchNet& Net(int k) const { return m_nets[static_cast<size_t>(k)]; }
    CPatchVertex* GetCorner(int i) const { return CornerOf(m_edges, 5, i); }
    // Zeroes every field.
    void Clear() { *this = CFivePointPatch(); }
    void CopyFrom(const CFivePointPatch& other) { *this = other; }
    void Reverse();
    // Net k covers corner k, the middle points of the edges leaving and
    // entering it and the patch centre; neighbouring nets share their borders
    // point for point. Reads only the edges and the nodes and points they name
    // (the object is not read); a patch with an unset edge keeps its nets.
    void BuildNets(const CSpatchObj* object);
    // The unit normal of the triangles (q0, q1, q2) and (q2, q3, q4) together;
    // the zero vector when they cancel.
    static CVector3 CornerNormal(const CVector3& q0, const CVector3& q1, const CVector3& q2,
                                 const CVector3& q3, const CVector3& q4);
    static void SetNetPoint(int row, int column, PatchNet& net, const CVector3& point);

    std::array<CNodePair, 5> m_edges{};
    std::array<CCurve*, 5> m_curves{};
    std::array<CNodePair, 5> m_auxPairs{};
    int m_auxWord = 0;
    int m_number = 0;
    std::array<int, 5> m_direction{};
    std::array<PatchNet, 5> m_nets{};
};
