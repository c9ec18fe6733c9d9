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

// The patches found so far with their corners, and the patches at each
// control point by point index, three- or four-sided and five-sided apart,
// each in the order they were attached: the back-lists the duplicate tests
// and the orientation walk read, kept in arrays instead of in the points.
class PatchIndex {
public:
    // One patch: the object's patch, its corners and their point indices.
    struct Entry {
        CPatch* patch;
        CFivePointPatch* five;
        CornerList corners;
        std::array<int, 5> points;
        int sides;
        bool visited;
    };

    explicit PatchIndex(size_t points)
        : m_first{std::vector<int>(points, -1), std::vector<int>(points, -1)},
          m_last{std::vector<int>(points, -1), std::vector<int>(points, -1)} {}

    // Attaches a patch to each of its corners; corners must be numbered
    // points of the object.
    void Add(CPatch* patch, CFivePointPatch* five, const CornerList& corners, int sides) {
        const bool isFive = five != nullptr;
        std::vector<Entry>& entries = m_entries[isFive];
        const auto number = static_cast<int>(entries.size());
        Entry& entry = entries.emplace_back(Entry{patch, five, corners, {}, sides, false});
        for (int k = 0; k < sides; ++k) {
            const int point = corners[k] ? corners[k]->m_index : -1;
            entry.points[k] = point;
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

    std::vector<Entry>& Patches(bool fives) { return m_entries[fives]; }
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
    std::array<std::vector<Entry>, 2> m_entries; // three- or four-sided, five-sided
    std::array<std::vector<int>, 2> m_first;
    std::array<std::vector<int>, 2> m_last;
    std::vector<Link> m_links;
};

// Registers the three- or four-sided cycles: a cycle on one curve or with an
// invisible corner is no patch unless the object allows hidden corners, and a
// cycle is dropped when a patch at its first corner already covers it.
class PolygonRules {
public:
    PolygonRules(CSpatchObj& obj, int sides, CObjList<CPatch>& spare, PatchIndex& index)
        : m_obj(obj), m_sides(sides), m_spare(spare), m_index(index) {}

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
        const std::vector<PatchIndex::Entry>& found = m_index.Patches(false);
        if (m_index.AnyAt(corners[0]->m_index, false,
                          [&](int other) { return Covers(found[other], corners); }))
            return;
        CPatch* patch = NewPatch();
        patch->m_sides = m_sides;
        for (int k = 0; k < m_sides; ++k) {
            patch->m_edges[k] = record.m_edges[k];
            patch->m_curves[k] = record.m_curves[k];
            patch->m_direction[k] = record.m_direction[k];
        }
        m_index.Add(patch, nullptr, corners, m_sides);
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
    bool Covers(const PatchIndex::Entry& other, const CornerList& corners) const {
        if (m_sides == 3)
            return other.sides == 3 && SameCycle(corners, other.corners, 3);
        if (other.sides == 3)
            return AllAmong(other.corners, 3, corners, 4);
        return other.sides == 4 && SameCycle(corners, other.corners, 4);
    }

    CSpatchObj& m_obj;
    const int m_sides;
    CObjList<CPatch>& m_spare;
    PatchIndex& m_index;
};

// Registers the five-cycles through flagged points: never on one curve or
// through a point twice, visible corners unless hidden ones are allowed, and
// not where a patch at the first corner has all its corners among the five.
class FivePointRules {
public:
    FivePointRules(CSpatchObj& obj, PatchIndex& index) : m_obj(obj), m_index(index) {}

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
        const int first = corners[0]->m_index;
        for (bool fives : {false, true}) {
            const std::vector<PatchIndex::Entry>& found = m_index.Patches(fives);
            if (m_index.AnyAt(first, fives, [&](int other) {
                    return AllAmong(found[other].corners, found[other].sides, corners, 5);
                }))
                return;
        }
        CFivePointPatch* patch = m_obj.GetFivePatches().Emplace();
        patch->CopyFrom(record);
        m_index.Add(nullptr, patch, corners, 5);
    }

private:
    CSpatchObj& m_obj;
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
    void Reverse(PatchIndex::Entry& e) {
        e.patch ? e.patch->Reverse() : e.five->Reverse();
        const CornerList corners = e.corners;
        const std::array<int, 5> points = e.points;
        for (int k = 0; k < e.sides; ++k) {
            e.corners[k] = corners[(e.sides - k) % e.sides];
            e.points[k] = points[(e.sides - k) % e.sides];
        }
    }

    // Advances the frame to the next unvisited patch at its corner that shares
    // an edge there, turned to agree; false when the frame moved on without one.
    bool NextNeighbour(Frame& frame, Ref& found) {
        const PatchIndex::Entry& self = StateOf(frame.ref);
        const int i = frame.corner;
        CPatchVertex* here = self.corners[i];
        if (!here) {
            NextCorner(frame);
            return false;
        }
        const CPatchVertex* nextCorner = self.corners[(i + 1) % self.sides];
        const CPatchVertex* previousCorner = self.corners[(i + self.sides - 1) % self.sides];
        int skip = frame.seen;
        const bool any = m_index.AnyAt(self.points[i], frame.fiveList, [&](int patch) {
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
            const CPatchVertex* after = other.corners[(j + 1) % other.sides];
            if (after == nextCorner)
                Reverse(other);
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
    const SearchGraph graph(m_vertices, m_curves);
    PatchIndex index(static_cast<size_t>(m_vertices.GetCount()));
    for (int sides : {3, 4}) {
        PolygonRules rules(*this, sides, m_sparePatches, index);
        CycleSearch<CPatch, PolygonRules>(graph, sides, rules).Run(m_curves);
    }
    DeleteFivePointPatches();
    if (m_fivePointOn) {
        FivePointRules rules(*this, index);
        CycleSearch<CFivePointPatch, FivePointRules>(graph, 5, rules).Run(m_curves);
    }
    // Orientation: depth-first from each patch in list order; five-sided
    // patches that touch no three- or four-sided one agree among themselves
    // too, or a closed shape of them alone would face both ways.
    if (m_patches.IsEmpty() && m_fivePatches.IsEmpty())
        return;
    NumberPatches();
    OrientationWalk walk(index);
    for (bool fives : {false, true})
        for (size_t i = 0; i < index.Patches(fives).size(); ++i)
            walk.Visit(static_cast<int>(i), fives);
}

void CSpatchObj::SearchPatchesOfSides(int sides) {
    NumberCurves();
    NumberVertices();
    // The patches earlier searches left in the points' back-lists take part
    // in the duplicate tests, in the order they were found.
    PatchIndex index(static_cast<size_t>(m_vertices.GetCount()));
    for (CPatch* patch : m_patches) {
        const CornerList corners = CornersOf(*patch, patch->m_sides);
        if (corners[0] && corners[0]->m_patches.Find(patch))
            index.Add(patch, nullptr, corners, patch->m_sides);
    }
    const size_t before = index.Patches(false).size();
    const SearchGraph graph(m_vertices, m_curves);
    PolygonRules rules(*this, sides, m_sparePatches, index);
    CycleSearch<CPatch, PolygonRules>(graph, sides, rules).Run(m_curves);
    const std::vector<PatchIndex::Entry>& found = index.Patches(false);
    for (size_t i = before; i < found.size(); ++i)
        for (int k = 0; k < found[i].sides; ++k)
            found[i].corners[k]->m_patches.AddTail(found[i].patch);
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
