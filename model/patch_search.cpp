// The search for the closed cycles of curve segments that become patches, and
// the pass that orients the patches found alike.
#include "model/spatch_obj.h"

#include <array>
#include <vector>

namespace {

// The nodes of every curve by curve and node number, so that a step along a
// curve reaches the neighbouring node at once.
class CurveNodeTable {
public:
    explicit CurveNodeTable(const CObjList<CCurve>& curves) {
        m_curves.reserve(curves.GetCount());
        m_nodes.reserve(curves.GetCount());
        for (CCurve* curve : curves) {
            m_curves.push_back(curve);
            std::vector<CCurvePoint*>& nodes = m_nodes.emplace_back();
            nodes.reserve(curve->m_nodes.GetCount());
            for (CCurvePoint* node : curve->m_nodes)
                nodes.push_back(node);
        }
    }

    // The node one step from node along curve, forward to the next or
    // backward to the previous; a closed curve wraps round. Null where an open
    // curve ends, for a node whose point is unset, and for a node or curve
    // whose number does not match its place.
    CCurvePoint* Step(const CCurve* curve, const CCurvePoint* node, bool forward) const {
        if (!curve || !node)
            return nullptr;
        const int c = curve->m_number;
        if (c < 0 || c >= static_cast<int>(m_curves.size()) || m_curves[c] != curve)
            return nullptr;
        const std::vector<CCurvePoint*>& nodes = m_nodes[c];
        const int count = static_cast<int>(nodes.size());
        const int i = node->m_number;
        if (i < 0 || i >= count || nodes[i] != node)
            return nullptr;
        int j = forward ? i + 1 : i - 1;
        if (j < 0 || j >= count) {
            if (!curve->m_closed)
                return nullptr;
            j = (j + count) % count;
        }
        return nodes[j]->m_vertex ? nodes[j] : nullptr;
    }

private:
    std::vector<CCurve*> m_curves;
    std::vector<std::vector<CCurvePoint*>> m_nodes;
};

// The curve network in the shape the search walks: for every control point,
// by index, its links in order, each with the nodes one step forward and one
// step backward along the link's curve and the points they sit on.
class SearchGraph {
public:
    struct LinkStep {
        CCurve* curve;
        CCurvePoint* node;
        CCurvePoint* ends[2]; // backward, forward; null where there is no step
        int endPoints[2];     // their points' indices, -1 where there is no step
    };

    SearchGraph(const CObjList<CPatchVertex>& vertices, const CObjList<CCurve>& curves) : m_nodes(curves) {
        size_t links = 0;
        m_points.reserve(vertices.GetCount());
        for (CPatchVertex* v : vertices) {
            m_points.push_back(v);
            links += v->m_links.GetCount();
        }
        m_first.reserve(m_points.size() + 1);
        m_steps.reserve(links);
        for (CPatchVertex* v : vertices) {
            m_first.push_back(static_cast<int>(m_steps.size()));
            for (CVertexLink* link : v->m_links) {
                LinkStep& step = m_steps.emplace_back(LinkStep{link->m_curve, link->m_node, {}, {-1, -1}});
                for (int forward = 0; forward < 2; ++forward) {
                    CCurvePoint* end = m_nodes.Step(link->m_curve, link->m_node, forward);
                    step.endPoints[forward] = PointOf(end);
                    step.ends[forward] = step.endPoints[forward] < 0 ? nullptr : end;
                }
            }
        }
        m_first.push_back(static_cast<int>(m_steps.size()));
    }

    const CurveNodeTable& Nodes() const { return m_nodes; }
    CPatchVertex* Point(int index) const { return m_points[index]; }
    // The index of the point node sits on; -1 for none or a point whose
    // number does not match its place.
    int PointOf(const CCurvePoint* node) const {
        if (!node || !node->m_vertex)
            return -1;
        const int i = node->m_vertex->m_index;
        return i >= 0 && i < static_cast<int>(m_points.size()) && m_points[i] == node->m_vertex ? i : -1;
    }
    const LinkStep* StepsBegin(int point) const { return m_steps.data() + m_first[point]; }
    const LinkStep* StepsEnd(int point) const { return m_steps.data() + m_first[point + 1]; }

private:
    CurveNodeTable m_nodes;
    std::vector<CPatchVertex*> m_points;
    std::vector<int> m_first;
    std::vector<LinkStep> m_steps;
};

// A depth-first walk that starts with every curve segment taken forward and
// extends the path along the curves through each point reached; a path that
// returns to its start after `sides` edges is offered to the rules. Record is
// the patch type whose edge slots hold the path. Rules decide which points a
// path may pass, which backward steps are pruned and what a found cycle gives.
template <class Record, class Rules> class CycleSearch {
public:
    CycleSearch(const SearchGraph& graph, int sides, Rules& rules)
        : m_graph(graph), m_sides(sides), m_rules(rules) {}

    void Run(const CObjList<CCurve>& curves) {
        for (CCurve* curve : curves)
            for (CCurvePoint* node : curve->m_nodes) {
                const int start = m_graph.PointOf(node);
                CCurvePoint* next = m_graph.Nodes().Step(curve, node, true);
                const int end = m_graph.PointOf(next);
                if (start < 0 || end < 0 || !m_rules.MayPass(*m_graph.Point(start)))
                    continue;
                m_startPoints[0] = start;
                SetEdge(0, curve, node, next, 1);
                Extend(1, end);
            }
    }

private:
    void SetEdge(int i, CCurve* curve, CCurvePoint* start, CCurvePoint* end, int direction) {
        m_record.m_edges[i] = CNodePair{start, end};
        m_record.m_curves[i] = curve;
        m_record.m_direction[i] = direction;
    }

    // Takes edge i from point at, the end of edge i-1.
    void Extend(int i, int at) {
        if (!m_rules.MayPass(*m_graph.Point(at)))
            return;
        m_startPoints[i] = at;
        for (const auto* step = m_graph.StepsBegin(at); step != m_graph.StepsEnd(at); ++step) {
            const bool forwardTaken = TryStep(i, *step, 1);
            if (!m_rules.SkipBackward(i, m_record, forwardTaken))
                TryStep(i, *step, 0);
        }
    }

    // Whether the step existed and was not an immediate return.
    bool TryStep(int i, const SearchGraph::LinkStep& step, int forward) {
        const int end = step.endPoints[forward];
        if (end < 0 || end == m_startPoints[i - 1])
            return false;
        SetEdge(i, step.curve, step.node, step.ends[forward], forward);
        if (i < m_sides - 1)
            Extend(i + 1, end);
        else if (end == m_startPoints[0])
            m_rules.Register(m_record);
        return true;
    }

    const SearchGraph& m_graph;
    const int m_sides;
    Rules& m_rules;
    Record m_record{};
    std::array<int, 5> m_startPoints{};
};

// The corners of a patch or cycle, in order.
using CornerList = std::array<CPatchVertex*, 5>;

template <class P> CornerList CornersOf(const P& patch, int sides) {
    CornerList corners{};
    for (int k = 0; k < sides; ++k)
        corners[k] = patch.m_edges[k].m_start ? patch.m_edges[k].m_start->m_vertex : nullptr;
    return corners;
}

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

template <class P> bool OnOneCurve(const P& record, int sides) {
    for (int k = 1; k < sides; ++k)
        if (record.m_curves[k] != record.m_curves[0])
            return false;
    return true;
}

bool AllVisible(const CornerList& corners, int n) {
    for (int k = 0; k < n; ++k)
        if (!corners[k]->m_visible)
            return false;
    return true;
}

// Registers the three- or four-sided cycles: a cycle on one curve or with an
// invisible corner is no patch unless the object allows hidden corners, and a
// cycle is dropped when a patch at its first corner already covers it.
class PolygonRules {
public:
    PolygonRules(CSpatchObj& obj, int sides, CObjList<CPatch>& spare)
        : m_obj(obj), m_sides(sides), m_spare(spare) {}

    bool MayPass(const CPatchVertex&) const { return true; }

    // A quad path whose second edge ran forward and whose third could run
    // forward along a curve is not tried backward along the same curve; every
    // four-cycle is still met from one of its edges.
    bool SkipBackward(int depth, const CPatch& record, bool forwardTaken) const {
        return m_sides == 4 && depth == 2 && record.m_direction[1] == 1 && forwardTaken;
    }

    void Register(const CPatch& record) {
        const CornerList corners = CornersOf(record, m_sides);
        if (!m_obj.GetAllowHiddenCorners() && (OnOneCurve(record, m_sides) || !AllVisible(corners, m_sides)))
            return;
        for (const CPatch* other : corners[0]->m_patches)
            if (Covers(*other, corners))
                return;
        CPatch* patch = NewPatch();
        patch->m_sides = m_sides;
        for (int k = 0; k < m_sides; ++k) {
            patch->m_edges[k] = record.m_edges[k];
            patch->m_curves[k] = record.m_curves[k];
            patch->m_direction[k] = record.m_direction[k];
        }
        for (int k = 0; k < m_sides; ++k)
            corners[k]->m_patches.AddTail(patch);
    }

private:
    // A fresh patch at the end of the object's list, made from a spare one
    // when there is one. A spare patch keeps its old nets: the rebuild marks
    // the nets dirty, and the next net update writes every net it reads.
    CPatch* NewPatch() {
        if (m_spare.IsEmpty())
            return m_obj.GetPatches().Emplace();
        std::unique_ptr<CPatch> patch = m_spare.Detach(m_spare.GetHeadPosition());
        patch->m_edges = {};
        patch->m_curves = {};
        patch->m_direction = {};
        CPatch* fresh = patch.get();
        m_obj.GetPatches().AddTail(std::move(patch));
        return fresh;
    }

    // A triangle covers a triangle through the same points in either order; a
    // quad is covered by a triangle on three of its corners or by a quad
    // through the same points in either order.
    bool Covers(const CPatch& other, const CornerList& corners) const {
        const CornerList theirs = CornersOf(other, other.m_sides);
        if (m_sides == 3)
            return other.m_sides == 3 && SameCycle(corners, theirs, 3);
        if (other.m_sides == 3)
            return AllAmong(theirs, 3, corners, 4);
        return other.m_sides == 4 && SameCycle(corners, theirs, 4);
    }

    CSpatchObj& m_obj;
    const int m_sides;
    CObjList<CPatch>& m_spare;
};

// Registers the five-cycles through flagged points: never on one curve or
// through a point twice, visible corners unless hidden ones are allowed, and
// not where a patch at the first corner has all its corners among the five.
class FivePointRules {
public:
    explicit FivePointRules(CSpatchObj& obj) : m_obj(obj) {}

    bool MayPass(const CPatchVertex& v) const { return v.m_fivePoint != 0; }
    bool SkipBackward(int, const CFivePointPatch&, bool) const { return false; }

    void Register(const CFivePointPatch& record) {
        const CornerList corners = CornersOf(record, 5);
        if (OnOneCurve(record, 5))
            return;
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j)
                if (corners[i] == corners[j])
                    return;
        if (!m_obj.GetAllowHiddenCorners() && !AllVisible(corners, 5))
            return;
        CPatchVertex* first = corners[0];
        for (const CPatch* other : first->m_patches)
            if (AllAmong(CornersOf(*other, other->m_sides), other->m_sides, corners, 5))
                return;
        for (const CFivePointPatch* other : first->m_fivePatches)
            if (AllAmong(CornersOf(*other, 5), 5, corners, 5))
                return;
        CFivePointPatch* patch = m_obj.GetFivePatches().Emplace();
        patch->CopyFrom(record);
        for (int k = 0; k < 5; ++k)
            corners[k]->m_fivePatches.AddTail(patch);
    }

private:
    CSpatchObj& m_obj;
};

// Either kind of patch, for the orientation walk.
struct PatchRef {
    CPatch* patch = nullptr;
    CFivePointPatch* five = nullptr;

    void Reverse() const { patch ? patch->Reverse() : five->Reverse(); }
};

// The orientation walk: depth-first from each unvisited three- or four-sided
// patch, turning every edge neighbour to run along the shared edge the other
// way. The recursion is kept on an explicit stack, so that large connected
// surfaces cannot exhaust the call stack.
class OrientationWalk {
public:
    // Patches are numbered in list order, each kind from 0.
    OrientationWalk(const CObjList<CPatch>& patches, const CObjList<CFivePointPatch>& fivePatches) {
        m_patches.reserve(patches.GetCount());
        for (const CPatch* p : patches)
            m_patches.push_back(State{CornersOf(*p, p->m_sides), p->m_sides});
        m_fivePatches.reserve(fivePatches.GetCount());
        for (const CFivePointPatch* p : fivePatches)
            m_fivePatches.push_back(State{CornersOf(*p, 5), 5});
    }

    void Visit(PatchRef start) {
        if (StateOf(start).visited)
            return;
        StateOf(start).visited = true;
        m_stack.push_back(Frame{start});
        while (!m_stack.empty()) {
            Frame& frame = m_stack.back();
            if (frame.corner >= StateOf(frame.ref).sides) {
                m_stack.pop_back();
                continue;
            }
            if (PatchRef next; NextNeighbour(frame, next)) {
                StateOf(next).visited = true;
                m_stack.push_back(Frame{next});
            }
        }
    }

private:
    // A patch's corners as the walk last left them, kept together so that
    // comparing neighbours does not chase each patch's nodes.
    struct State {
        CornerList corners;
        int sides;
        bool visited = false;
    };

    // Where the visit of a patch stands: the corner whose back-lists are read,
    // which of its two lists, and the place in it.
    struct Frame {
        PatchRef ref;
        int corner = 0;
        bool fiveList = false;
        bool started = false;
        POSITION pos = nullptr;
    };

    State& StateOf(const PatchRef& r) {
        return r.patch ? m_patches[r.patch->m_number] : m_fivePatches[r.five->m_number];
    }

    // Advances the frame to the next unvisited patch at its corner that shares
    // an edge there, turned to agree; false when the frame moved on without one.
    bool NextNeighbour(Frame& frame, PatchRef& found) {
        const State& self = StateOf(frame.ref);
        const int i = frame.corner;
        CPatchVertex* here = self.corners[i];
        if (!here) {
            NextCorner(frame);
            return false;
        }
        const CPatchVertex* nextCorner = self.corners[(i + 1) % self.sides];
        const CPatchVertex* previousCorner = self.corners[(i + self.sides - 1) % self.sides];
        if (!frame.started) {
            frame.pos =
                frame.fiveList ? here->m_fivePatches.GetHeadPosition() : here->m_patches.GetHeadPosition();
            frame.started = true;
        }
        while (frame.pos) {
            const PatchRef q = frame.fiveList ? PatchRef{nullptr, here->m_fivePatches.GetNext(frame.pos)}
                                              : PatchRef{here->m_patches.GetNext(frame.pos), nullptr};
            State& other = StateOf(q);
            if (other.visited)
                continue;
            int j = 0;
            while (j < other.sides && other.corners[j] != here)
                ++j;
            if (j == other.sides)
                continue;
            const CPatchVertex* after = other.corners[(j + 1) % other.sides];
            if (after == nextCorner) {
                q.Reverse();
                other.corners = q.patch ? CornersOf(*q.patch, other.sides) : CornersOf(*q.five, 5);
            } else if (after != previousCorner) {
                continue;
            }
            found = q;
            return true;
        }
        if (frame.fiveList)
            NextCorner(frame);
        else {
            frame.fiveList = true;
            frame.started = false;
        }
        return false;
    }

    static void NextCorner(Frame& frame) {
        ++frame.corner;
        frame.fiveList = false;
        frame.started = false;
    }

    std::vector<State> m_patches;
    std::vector<State> m_fivePatches;
    std::vector<Frame> m_stack;
};

} // namespace

void CSpatchObj::FindTriPatches() {
    PolygonRules rules(*this, 3, m_sparePatches);
    const SearchGraph graph(m_vertices, m_curves);
    CycleSearch<CPatch, PolygonRules>(graph, 3, rules).Run(m_curves);
}

void CSpatchObj::FindQuadPatches() {
    PolygonRules rules(*this, 4, m_sparePatches);
    const SearchGraph graph(m_vertices, m_curves);
    CycleSearch<CPatch, PolygonRules>(graph, 4, rules).Run(m_curves);
}

void CSpatchObj::FindFivePointPatches() {
    DeleteFivePointPatches();
    if (!m_fivePointOn)
        return;
    FivePointRules rules(*this);
    const SearchGraph graph(m_vertices, m_curves);
    CycleSearch<CFivePointPatch, FivePointRules>(graph, 5, rules).Run(m_curves);
}

void CSpatchObj::FindTriPatchesCall() {
    NumberCurves();
    NumberVertices();
    FindTriPatches();
    ++m_netsGeneration;
}

void CSpatchObj::FindQuadPatchesCall() {
    NumberCurves();
    NumberVertices();
    FindQuadPatches();
    ++m_netsGeneration;
}

void CSpatchObj::UnifyOrientation() {
    if (m_patches.IsEmpty() && m_fivePatches.IsEmpty())
        return;
    NumberPatches();
    OrientationWalk walk(m_patches, m_fivePatches);
    for (CPatch* patch : m_patches)
        walk.Visit(PatchRef{patch, nullptr});
    // Five-sided patches that touch no three- or four-sided one agree among
    // themselves too, or a closed shape of them alone would face both ways.
    for (CFivePointPatch* five : m_fivePatches)
        walk.Visit(PatchRef{nullptr, five});
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
