// The search for the closed cycles of curve segments that become patches, and
// the pass that orients the patches found alike.
#include "model/spatch_obj.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

// The curve network in the shape the search walks, in arrays, so that the
// walks read no point, curve or node: every node with the point it sits on,
// and for every point its links in order, each with the nodes one step
// forward and backward along the link's curve and the points they sit on.
// Building it numbers the curves and their nodes (the search finds a node's
// neighbours by its number), then the points and their links, and can
// empty the points' patch back-lists on the same walk.
class SearchGraph {
public:
    // A patch edge by index: the curve, the node it starts from and whether
    // it runs forward to the next node (1) or back to the previous one (0).
    struct Edge {
        int curve;
        int node;
        int forward;
    };
    struct Curve {
        CCurve* curve;
        int firstNode;
        int nodeCount;
    };

    SearchGraph(CObjList<CPatchVertex>& vertices, CObjList<CCurve>& curves, bool emptyBackLists) {
        NumberCurves(curves);
        // Each link tells the point of its node, so the nodes need not be read
        // for it; a node no link of its point names is looked up below.
        m_nodePoints.assign(m_nodes.size(), -1);
        m_stepNodes.reserve(m_nodes.size());
        m_stepCurves.reserve(m_nodes.size());
        m_points.reserve(vertices.GetCount());
        m_flags.reserve(vertices.GetCount());
        m_first.reserve(static_cast<size_t>(vertices.GetCount()) + 1);
        for (CPatchVertex* v : vertices) {
            if (emptyBackLists && !(v->m_patches.IsEmpty() && v->m_fivePatches.IsEmpty()))
                v->RemoveAllPatches();
            const auto index = static_cast<int>(m_points.size());
            v->m_index = index;
            m_points.push_back(v);
            m_flags.push_back(
                static_cast<char>((v->m_visible ? kVisible : 0) | (v->m_fivePoint ? kFivePoint : 0)));
            m_first.push_back(static_cast<int>(m_stepNodes.size()));
            int k = 0;
            for (CVertexLink* link : v->m_links) {
                link->m_index = k++;
                const Curve* curve = CurveOf(link->m_curve);
                const int at = curve ? NodeIndex(*curve, link->m_node) : -1;
                m_stepCurves.push_back(at < 0 ? -1 : static_cast<int>(curve - m_curves.data()));
                m_stepNodes.push_back(at);
                if (at >= 0 && link->m_node->m_vertex == v)
                    m_nodePoints[static_cast<size_t>(at)] = index;
            }
        }
        m_first.push_back(static_cast<int>(m_stepNodes.size()));
        m_ends.assign(m_stepNodes.size(), {-1, -1});
        for (size_t n = 0; n < m_nodes.size(); ++n)
            if (m_nodePoints[n] < 0)
                m_nodePoints[n] = PointOf(m_nodes[n]);
        for (size_t i = 0; i < m_stepNodes.size(); ++i) {
            const int at = m_stepNodes[i];
            if (at < 0)
                continue;
            const Curve& curve = m_curves[static_cast<size_t>(m_stepCurves[i])];
            for (int forward = 0; forward < 2; ++forward) {
                const int end = Step(curve, at, forward != 0);
                m_ends[i][forward] = end < 0 ? -1 : m_nodePoints[static_cast<size_t>(end)];
            }
        }
    }

    const std::vector<Curve>& Curves() const { return m_curves; }
    CCurvePoint* Node(int n) const { return m_nodes[static_cast<size_t>(n)]; }
    // The index of the point node n sits on; -1 for none.
    int NodePoint(int n) const { return m_nodePoints[static_cast<size_t>(n)]; }
    // The node one step from node n of curve c, forward to the next or
    // backward to the previous; a closed curve wraps round. -1 where an open
    // curve ends.
    static int Step(const Curve& c, int n, bool forward) {
        int j = n - c.firstNode + (forward ? 1 : -1);
        if (j < 0 || j >= c.nodeCount) {
            if (!c.curve->m_closed)
                return -1;
            j = (j + c.nodeCount) % c.nodeCount;
        }
        return c.firstNode + j;
    }
    CPatchVertex* Point(int index) const { return m_points[static_cast<size_t>(index)]; }
    // The index of one of the object's points; -1 for none or another's.
    int IndexOf(const CPatchVertex* v) const {
        const int i = v ? v->m_index : -1;
        return i >= 0 && i < static_cast<int>(m_points.size()) && m_points[static_cast<size_t>(i)] == v ? i
                                                                                                        : -1;
    }
    bool Visible(int point) const { return (m_flags[static_cast<size_t>(point)] & kVisible) != 0; }
    bool FivePoint(int point) const { return (m_flags[static_cast<size_t>(point)] & kFivePoint) != 0; }
    // The steps from a point are numbered FirstStep(point) up to
    // FirstStep(point + 1); each leads to the points StepEnds gives,
    // backward and forward (-1 where there is none).
    int FirstStep(int point) const { return m_first[static_cast<size_t>(point)]; }
    const std::array<int, 2>& StepEnds(int step) const { return m_ends[static_cast<size_t>(step)]; }
    // The edge that step takes, forward or backward along its curve; only
    // for a step StepEnds gives an end for.
    Edge StepEdge(int step, int forward) const {
        return Edge{m_stepCurves[static_cast<size_t>(step)], m_stepNodes[static_cast<size_t>(step)], forward};
    }
    // The same edge run the other way: from its end node back to its start.
    Edge Reversed(const Edge& edge) const {
        const Curve& c = m_curves[static_cast<size_t>(edge.curve)];
        return Edge{edge.curve, Step(c, edge.node, edge.forward != 0), edge.forward ? 0 : 1};
    }
    // Edge slot i of a patch or patch record, from edge.
    template <class P> void SetEdge(P& record, int i, const Edge& edge) const {
        const Curve& c = m_curves[static_cast<size_t>(edge.curve)];
        record.m_edges[i] = CNodePair{Node(edge.node), Node(Step(c, edge.node, edge.forward != 0))};
        record.m_curves[i] = c.curve;
        record.m_direction[i] = edge.forward;
    }

private:
    static constexpr char kVisible = 1;
    static constexpr char kFivePoint = 2;

    // Numbers the curves and their nodes and lists the nodes curve by curve.
    // The node lists of several curves are walked side by side: on a large
    // object each step of a list may wait for memory, and the steps of
    // different lists do not wait for each other.
    void NumberCurves(CObjList<CCurve>& curves) {
        m_curves.reserve(static_cast<size_t>(curves.GetCount()));
        int number = 0;
        int nodes = 0;
        for (CCurve* curve : curves) {
            curve->m_number = number++;
            m_curves.push_back(Curve{curve, nodes, curve->m_nodes.GetCount()});
            nodes += curve->m_nodes.GetCount();
        }
        m_nodes.resize(static_cast<size_t>(nodes));
        constexpr size_t kSideBySide = 8;
        for (size_t c0 = 0; c0 < m_curves.size(); c0 += kSideBySide) {
            const size_t count = std::min(kSideBySide, m_curves.size() - c0);
            std::array<POSITION, kSideBySide> at{};
            for (size_t k = 0; k < count; ++k)
                at[k] = m_curves[c0 + k].curve->m_nodes.GetHeadPosition();
            for (int i = 0;; ++i) {
                bool any = false;
                for (size_t k = 0; k < count; ++k) {
                    if (!at[k])
                        continue;
                    const Curve& c = m_curves[c0 + k];
                    CCurvePoint* node = c.curve->m_nodes.GetNext(at[k]);
                    node->m_number = i;
                    m_nodes[static_cast<size_t>(c.firstNode + i)] = node;
                    any = true;
                }
                if (!any)
                    break;
            }
        }
    }

    // The index of the point node sits on; -1 for none or a point that is
    // not one of this object's.
    int PointOf(const CCurvePoint* node) const { return node ? IndexOf(node->m_vertex) : -1; }
    // The curve's entry; null for a curve that is not where its number says.
    const Curve* CurveOf(const CCurve* curve) const {
        const int c = curve ? curve->m_number : -1;
        if (c < 0 || c >= static_cast<int>(m_curves.size()) ||
            m_curves[static_cast<size_t>(c)].curve != curve)
            return nullptr;
        return &m_curves[static_cast<size_t>(c)];
    }
    // The index of node on curve c, -1 when it is not where its number says.
    int NodeIndex(const Curve& c, const CCurvePoint* node) const {
        const int i = node ? node->m_number : -1;
        if (i < 0 || i >= c.nodeCount || m_nodes[static_cast<size_t>(c.firstNode + i)] != node)
            return -1;
        return c.firstNode + i;
    }

    std::vector<CPatchVertex*> m_points;
    std::vector<char> m_flags;
    std::vector<Curve> m_curves;
    std::vector<CCurvePoint*> m_nodes;
    std::vector<int> m_nodePoints;
    std::vector<int> m_first;
    // The ends of the steps, which the search reads at every turn, apart from
    // their curves and start nodes, which only a found cycle reads.
    std::vector<std::array<int, 2>> m_ends;
    std::vector<int> m_stepCurves;
    std::vector<int> m_stepNodes;
};

// The edges of a path or cycle, in order.
using EdgeList = std::array<SearchGraph::Edge, 5>;

// A depth-first walk that starts with every curve segment taken forward and
// extends the path along the curves through each point reached; a path that
// returns to its start after `sides` edges is offered to the rules with its
// edges and the points it passed. Rules decide which points a path may
// pass, which backward steps are pruned and what a found cycle gives.
template <class Rules> class CycleSearch {
public:
    CycleSearch(const SearchGraph& graph, int sides, Rules& rules)
        : m_graph(graph), m_sides(sides), m_rules(rules) {}

    void Run() {
        for (const SearchGraph::Curve& c : m_graph.Curves())
            for (int n = c.firstNode; n < c.firstNode + c.nodeCount; ++n) {
                const int start = m_graph.NodePoint(n);
                const int next = start < 0 ? -1 : SearchGraph::Step(c, n, true);
                const int end = next < 0 ? -1 : m_graph.NodePoint(next);
                if (end < 0 || !m_rules.MayPass(start))
                    continue;
                m_points[0] = start;
                m_edges[0] = SearchGraph::Edge{static_cast<int>(&c - m_graph.Curves().data()), n, 1};
                Extend(1, end);
            }
    }

private:
    // Takes edge i from point at, the end of edge i-1.
    void Extend(int i, int at) {
        if (!m_rules.MayPass(at))
            return;
        m_points[i] = at;
        for (int step = m_graph.FirstStep(at); step < m_graph.FirstStep(at + 1); ++step) {
            const bool forwardTaken = TryStep(i, step, 1);
            if (!m_rules.SkipBackward(i, m_edges[1].forward, forwardTaken))
                TryStep(i, step, 0);
        }
    }

    // Whether the step existed and was not an immediate return.
    bool TryStep(int i, int step, int forward) {
        const int end = m_graph.StepEnds(step)[forward];
        if (end < 0 || end == m_points[i - 1])
            return false;
        m_edges[i] = m_graph.StepEdge(step, forward);
        if (i < m_sides - 1)
            Extend(i + 1, end);
        else if (end == m_points[0])
            m_rules.Register(m_edges, m_points);
        return true;
    }

    const SearchGraph& m_graph;
    const int m_sides;
    Rules& m_rules;
    std::array<int, 5> m_points{}; // the start point of each edge
    EdgeList m_edges{};            // the first forward along its curve, the rest as stepped
};

// The corners of a patch or cycle, in order, by point index.
using CornerList = std::array<int, 5>;

// The edges of a three- or four-sided cycle, kept until its patch is made:
// the patches are made only once every cycle is found and turned, in one
// pass in list order, so that a large object's patches are each written once.
using CycleEdges = std::array<SearchGraph::Edge, 4>;

// The edge slots of a three- or four-sided patch, filled before the patch is
// written.
struct EdgeSlots {
    std::array<CNodePair, 4> m_edges{};
    std::array<CCurve*, 4> m_curves{};
    std::array<int, 4> m_direction{};
};

// Whether b runs through the same points as a in the same or the reverse
// cyclic order, from any start.
bool SameCycle(const CornerList& a, const CornerList& b, int n) {
    for (int start = 0; start < n; ++start) {
        bool forward = true;
        bool backward = true;
        for (int j = 0; j < n; ++j) {
            forward = forward && a[j] == b[(start + j) % n];
            backward = backward && a[j] == b[(start - j + n) % n];
        }
        if (forward || backward)
            return true;
    }
    return false;
}

// Whether each of the first m points of some is among the first n of all.
bool AllAmong(const CornerList& some, int m, const CornerList& all, int n) {
    for (int i = 0; i < m; ++i) {
        bool found = false;
        for (int j = 0; j < n && !found; ++j)
            found = some[i] == all[j];
        if (!found)
            return false;
    }
    return true;
}

bool OnOneCurve(const EdgeList& edges, int sides) {
    for (int k = 1; k < sides; ++k)
        if (edges[k].curve != edges[0].curve)
            return false;
    return true;
}

bool AllVisible(const SearchGraph& graph, const CornerList& corners, int n) {
    for (int k = 0; k < n; ++k)
        if (!graph.Visible(corners[k]))
            return false;
    return true;
}

// The patches found so far with their corners, and the patches at each
// control point by point index, three- or four-sided and five-sided apart,
// each in the order they were attached: the back-lists the duplicate tests
// and the orientation walk read, kept in arrays instead of in the points.
class PatchIndex {
public:
    // One patch: its corners and the walk's marks. The object's patches are
    // kept apart, so that the walk reads small entries only.
    struct Entry {
        CornerList corners;
        int8_t sides;
        bool visited;
        bool turned; // a patch still to be made runs the other way
    };

    // Room is made for about one patch per point, as a quad mesh has, so
    // that the arrays of a large object are not copied as they grow; the
    // five-sided lists are made with the first five-sided patch.
    explicit PatchIndex(size_t points)
        : m_points(points), m_first{std::vector<int>(points, -1), {}}, m_last{std::vector<int>(points, -1),
                                                                              {}} {
        m_entries[0].reserve(points);
        m_patches.reserve(points);
        m_cycles.reserve(points);
        m_links.reserve(4 * points);
    }

    // Attaches a patch to each of its corners (-1 for none): a three- or
    // four-sided patch, null for one still to be made, or else a five-sided one.
    void Add(CPatch* patch, CFivePointPatch* five, const CornerList& corners, int sides) {
        const bool isFive = five != nullptr;
        if (isFive)
            m_fives.push_back(five);
        else
            m_patches.push_back(patch);
        if (m_first[isFive].empty()) {
            m_first[isFive].assign(m_points, -1);
            m_last[isFive].assign(m_points, -1);
        }
        std::vector<Entry>& entries = m_entries[isFive];
        const auto number = static_cast<int>(entries.size());
        entries.push_back(Entry{corners, static_cast<int8_t>(sides), false, false});
        for (int k = 0; k < sides; ++k) {
            const int point = corners[k];
            if (point < 0 || static_cast<size_t>(point) >= m_first[isFive].size())
                continue;
            const auto link = static_cast<int>(m_links.size());
            m_links.push_back(Link{number, -1});
            int& last = m_last[isFive][static_cast<size_t>(point)];
            (last < 0 ? m_first[isFive][static_cast<size_t>(point)]
                      : m_links[static_cast<size_t>(last)].next) = link;
            last = link;
        }
    }

    // A three- or four-sided cycle whose patch is made later, by MakePatches.
    void AddCycle(const CycleEdges& edges, const CornerList& corners, int sides) {
        m_cycles.push_back(edges);
        Add(nullptr, nullptr, corners, sides);
    }

    // Makes the patches of the cycles, in the order found, at the end of the
    // object's list, taking spare ones first; numbers them on from first
    // unless first is negative.
    void MakePatches(const SearchGraph& graph, CSpatchObj& obj, CObjList<CPatch>& spare, int first) {
        // Spare patches are taken in order. When the object has none of its
        // own, its list becomes the spare list, so that the list keeps its
        // elements and the surplus goes back.
        CObjList<CPatch>& list = obj.GetPatches();
        POSITION reuse = nullptr;
        if (list.IsEmpty() && !spare.IsEmpty()) {
            list = std::move(spare);
            reuse = list.GetHeadPosition();
        }
        const std::vector<Entry>& entries = m_entries[0];
        size_t cycle = 0;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (m_patches[i])
                continue;
            const Entry& e = entries[i];
            CPatch* patch = m_patches[i] = reuse ? list.GetNext(reuse) : NewPatch(list, spare);
            // The patch is written once, turned already: edge k of a turned
            // patch is edge -1-k run the other way.
            const CycleEdges& edges = m_cycles[cycle++];
            EdgeSlots slots;
            for (int k = 0; k < e.sides; ++k)
                graph.SetEdge(slots, k,
                              e.turned ? graph.Reversed(edges[static_cast<size_t>(e.sides - 1 - k)])
                                       : edges[static_cast<size_t>(k)]);
            patch->m_sides = e.sides;
            patch->m_edges = slots.m_edges;
            patch->m_curves = slots.m_curves;
            patch->m_direction = slots.m_direction;
            if (first >= 0)
                patch->m_number = first++;
        }
        while (reuse) {
            const POSITION surplus = reuse;
            list.GetNext(reuse);
            spare.AddTail(list.Extract(surplus));
        }
        m_cycles.clear();
    }

    std::vector<Entry>& Patches(bool fives) { return m_entries[fives]; }
    // The object's patch of entry i; null while it is still to be made.
    CPatch* PatchOf(size_t i) const { return m_patches[i]; }
    CFivePointPatch* FiveOf(size_t i) const { return m_fives[i]; }
    // fn(patch number) for each patch of the kind at point, in attachment
    // order, until fn returns true; whether it did.
    template <class Fn> bool AnyAt(int point, bool fives, Fn fn) const {
        if (point < 0 || static_cast<size_t>(point) >= m_first[fives].size())
            return false;
        for (int link = m_first[fives][static_cast<size_t>(point)]; link >= 0;
             link = m_links[static_cast<size_t>(link)].next)
            if (fn(m_links[static_cast<size_t>(link)].patch))
                return true;
        return false;
    }

private:
    struct Link {
        int patch;
        int next;
    };

    // A fresh patch at the end of list, made from a spare one when there is
    // one. A spare patch keeps its old nets: the rebuild marks the nets
    // dirty, and the next net update writes every net it reads.
    static CPatch* NewPatch(CObjList<CPatch>& list, CObjList<CPatch>& spare) {
        if (spare.IsEmpty())
            return list.Emplace();
        CObjList<CPatch>::Extracted patch = spare.Extract(spare.GetHeadPosition());
        CPatch* fresh = patch.get();
        list.AddTail(std::move(patch));
        return fresh;
    }

    std::vector<CycleEdges> m_cycles; // of the entries without a patch, in order
    size_t m_points;
    std::array<std::vector<Entry>, 2> m_entries; // three- or four-sided, five-sided
    std::vector<CPatch*> m_patches;              // of the three- or four-sided entries
    std::vector<CFivePointPatch*> m_fives;       // of the five-sided ones
    std::array<std::vector<int>, 2> m_first;
    std::array<std::vector<int>, 2> m_last;
    std::vector<Link> m_links;
};

// Registers the three- or four-sided cycles: a cycle on one curve or with an
// invisible corner is no patch unless the object allows hidden corners, and a
// cycle is dropped when a patch at its first corner already covers it.
class PolygonRules {
public:
    PolygonRules(const CSpatchObj& obj, const SearchGraph& graph, int sides, PatchIndex& index)
        : m_obj(obj), m_graph(graph), m_sides(sides), m_index(index) {}

    bool MayPass(int) const { return true; }

    // A quad path whose second edge ran forward and whose third could run
    // forward along a curve is not tried backward along the same curve; every
    // four-cycle is still met from one of its edges.
    bool SkipBackward(int depth, int secondEdgeDirection, bool forwardTaken) const {
        return m_sides == 4 && depth == 2 && secondEdgeDirection == 1 && forwardTaken;
    }

    // Kept out of line: the recursive steps of the search stay small.
    [[gnu::noinline]] void Register(const EdgeList& edges, const CornerList& corners) {
        if (!m_obj.GetAllowHiddenCorners() &&
            (OnOneCurve(edges, m_sides) || !AllVisible(m_graph, corners, m_sides)))
            return;
        const std::vector<PatchIndex::Entry>& found = m_index.Patches(false);
        if (m_index.AnyAt(corners[0], false, [&](int other) { return Covers(found[other], corners); }))
            return;
        m_index.AddCycle(CycleEdges{edges[0], edges[1], edges[2], edges[3]}, corners, m_sides);
    }

private:
    // A triangle covers a triangle through the same points in either order; a
    // quad is covered by a triangle on three of its corners or by a quad
    // through the same points in either order.
    bool Covers(const PatchIndex::Entry& other, const CornerList& corners) const {
        if (m_sides == 3)
            return other.sides == 3 && SameCycle(corners, other.corners, 3);
        if (other.sides == 3)
            return AllAmong(other.corners, 3, corners, 4);
        return other.sides == 4 && SameCycle(corners, other.corners, 4);
    }

    const CSpatchObj& m_obj;
    const SearchGraph& m_graph;
    const int m_sides;
    PatchIndex& m_index;
};

// Registers the five-cycles through flagged points: never on one curve or
// through a point twice, visible corners unless hidden ones are allowed, and
// not where a patch at the first corner has all its corners among the five.
class FivePointRules {
public:
    FivePointRules(CSpatchObj& obj, const SearchGraph& graph, PatchIndex& index)
        : m_obj(obj), m_graph(graph), m_index(index) {}

    bool MayPass(int point) const { return m_graph.FivePoint(point); }
    bool SkipBackward(int, int, bool) const { return false; }

    void Register(const EdgeList& edges, const CornerList& corners) {
        if (OnOneCurve(edges, 5))
            return;
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j)
                if (corners[i] == corners[j])
                    return;
        if (!m_obj.GetAllowHiddenCorners() && !AllVisible(m_graph, corners, 5))
            return;
        for (bool fives : {false, true}) {
            const std::vector<PatchIndex::Entry>& found = m_index.Patches(fives);
            if (m_index.AnyAt(corners[0], fives, [&](int other) {
                    return AllAmong(found[other].corners, found[other].sides, corners, 5);
                }))
                return;
        }
        CFivePointPatch* patch = m_obj.GetFivePatches().Emplace();
        for (int k = 0; k < 5; ++k)
            m_graph.SetEdge(*patch, k, edges[static_cast<size_t>(k)]);
        m_index.Add(nullptr, patch, corners, 5);
    }

private:
    CSpatchObj& m_obj;
    const SearchGraph& m_graph;
    PatchIndex& m_index;
};

// The orientation walk: depth-first from each unvisited three- or four-sided
// patch, turning every edge neighbour to run along the shared edge the other
// way. The recursion is kept on an explicit stack, so that large connected
// surfaces cannot exhaust the call stack.
class OrientationWalk {
public:
    explicit OrientationWalk(PatchIndex& index) : m_index(index) {}

    // patch: its number among its kind (the five-sided ones when five).
    void Visit(int patch, bool five) {
        if (StateOf(Ref{patch, five}).visited)
            return;
        StateOf(Ref{patch, five}).visited = true;
        m_stack.push_back(Frame{Ref{patch, five}});
        while (!m_stack.empty()) {
            Frame& frame = m_stack.back();
            if (frame.corner >= StateOf(frame.ref).sides) {
                m_stack.pop_back();
                continue;
            }
            if (Ref next; NextNeighbour(frame, next)) {
                StateOf(next).visited = true;
                m_stack.push_back(Frame{next});
            }
        }
    }

private:
    struct Ref {
        int patch = 0;
        bool five = false;
    };

    // Where the visit of a patch stands: the corner whose lists are read,
    // which of its two lists, and how many of its patches were looked at.
    struct Frame {
        Ref ref;
        int corner = 0;
        bool fiveList = false;
        int seen = 0;
    };

    PatchIndex::Entry& StateOf(const Ref& r) { return m_index.Patches(r.five)[static_cast<size_t>(r.patch)]; }

    // Turns a patch round: its edges, and its corners as the walk keeps them
    // (corner k of the turned patch is corner -k of the patch as it was).
    void Reverse(const Ref& r) {
        PatchIndex::Entry& e = StateOf(r);
        const auto i = static_cast<size_t>(r.patch);
        if (r.five)
            m_index.FiveOf(i)->Reverse();
        else if (CPatch* patch = m_index.PatchOf(i))
            patch->Reverse();
        else
            e.turned = !e.turned;
        const CornerList corners = e.corners;
        for (int k = 0; k < e.sides; ++k)
            e.corners[k] = corners[(e.sides - k) % e.sides];
    }

    // Advances the frame to the next unvisited patch at its corner that shares
    // an edge there, turned to agree; false when the frame moved on without one.
    bool NextNeighbour(Frame& frame, Ref& found) {
        const PatchIndex::Entry& self = StateOf(frame.ref);
        const int i = frame.corner;
        const int here = self.corners[i];
        if (here < 0) {
            NextCorner(frame);
            return false;
        }
        const int nextCorner = self.corners[(i + 1) % self.sides];
        const int previousCorner = self.corners[(i + self.sides - 1) % self.sides];
        int skip = frame.seen;
        const bool any = m_index.AnyAt(here, frame.fiveList, [&](int patch) {
            if (skip > 0) {
                --skip;
                return false;
            }
            ++frame.seen;
            const Ref q{patch, frame.fiveList};
            PatchIndex::Entry& other = StateOf(q);
            if (other.visited)
                return false;
            int j = 0;
            while (j < other.sides && other.corners[j] != here)
                ++j;
            if (j == other.sides)
                return false;
            const int after = other.corners[(j + 1) % other.sides];
            if (after == nextCorner)
                Reverse(q);
            else if (after != previousCorner)
                return false;
            found = q;
            return true;
        });
        if (any)
            return true;
        if (frame.fiveList)
            NextCorner(frame);
        else {
            frame.fiveList = true;
            frame.seen = 0;
        }
        return false;
    }

    static void NextCorner(Frame& frame) {
        ++frame.corner;
        frame.fiveList = false;
        frame.seen = 0;
    }

    PatchIndex& m_index;
    std::vector<Frame> m_stack;
};

} // namespace

void CSpatchObj::SearchPatches() {
    const SearchGraph graph(m_vertices, m_curves, true);
    PatchIndex index(static_cast<size_t>(m_vertices.GetCount()));
    for (int sides : {3, 4}) {
        PolygonRules rules(*this, graph, sides, index);
        CycleSearch<PolygonRules>(graph, sides, rules).Run();
    }
    DeleteFivePointPatches();
    if (m_fivePointOn) {
        FivePointRules rules(*this, graph, index);
        CycleSearch<FivePointRules>(graph, 5, rules).Run();
    }
    // Orientation: depth-first from each patch in list order; five-sided
    // patches that touch no three- or four-sided one agree among themselves
    // too, or a closed shape of them alone would face both ways.
    OrientationWalk walk(index);
    for (bool fives : {false, true})
        for (size_t i = 0; i < index.Patches(fives).size(); ++i)
            walk.Visit(static_cast<int>(i), fives);
    // The patch list was emptied for the search: the patches are numbered
    // from 0 as they are made.
    index.MakePatches(graph, *this, m_sparePatches, 0);
    int number = 0;
    for (CFivePointPatch* patch : m_fivePatches)
        patch->m_number = number++;
}

void CSpatchObj::SearchPatchesOfSides(int sides) {
    const SearchGraph graph(m_vertices, m_curves, false);
    // The patches earlier searches left in the points' back-lists take part
    // in the duplicate tests, in the order they were found.
    PatchIndex index(static_cast<size_t>(m_vertices.GetCount()));
    for (CPatch* patch : m_patches) {
        const CPatchVertex* first = patch->GetCorner(0);
        if (!first || !first->m_patches.Find(patch))
            continue;
        CornerList corners{};
        for (int k = 0; k < patch->m_sides; ++k)
            corners[k] = graph.IndexOf(patch->GetCorner(k));
        index.Add(patch, nullptr, corners, patch->m_sides);
    }
    const size_t before = index.Patches(false).size();
    PolygonRules rules(*this, graph, sides, index);
    CycleSearch<PolygonRules>(graph, sides, rules).Run();
    index.MakePatches(graph, *this, m_sparePatches, -1);
    const std::vector<PatchIndex::Entry>& found = index.Patches(false);
    for (size_t i = before; i < found.size(); ++i)
        for (int k = 0; k < found[i].sides; ++k)
            graph.Point(found[i].corners[k])->m_patches.AddTail(index.PatchOf(i));
    ++m_netsGeneration;
}

void CSpatchObj::FindTriPatchesCall() {
    SearchPatchesOfSides(3);
}

void CSpatchObj::FindQuadPatchesCall() {
    SearchPatchesOfSides(4);
}

void CSpatchObj::RebuildVertexLinks() {
    for (CPatchVertex* v : m_vertices)
        v->DeleteLinks();
    for (CCurve* curve : m_curves)
        for (CCurvePoint* node : curve->m_nodes) {
            if (CVertexLink* link = AddVertexLink(node->m_vertex)) {
                link->m_curve = curve;
                link->m_node = node;
            }
        }
}

int CSpatchObj::CountTriPatches() const {
    int n = 0;
    for (const CPatch* patch : m_patches)
        n += patch->m_sides == 3;
    return n;
}

int CSpatchObj::CountQuadPatches() const {
    int n = 0;
    for (const CPatch* patch : m_patches)
        n += patch->m_sides == 4;
    return n;
}
