// The knife: the plane through a line dragged in a pane and the viewing
// direction cuts the curve segments it crosses near that line.
#include "model/camera.h"
#include "model/curve_links.h"
#include "model/curve_tool.h"
#include "model/model_document.h"
#include "model/spatch_obj.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace {

// A point a cut went through, and where it projects in the pane: a new point,
// or a control point the plane passes through, which is used as it is.
struct KnifeCut {
    CPatchVertex* m_vertex;
    int m_sx;
    int m_sy;
    bool m_new;
};

bool AnyNew(const std::vector<KnifeCut>& cuts) {
    return std::any_of(cuts.begin(), cuts.end(), [](const KnifeCut& c) { return c.m_new; });
}

// Where in its sample interval a crossing lies, as a share of the interval,
// for it still to count as the control point at that end.
constexpr double kOnControlPoint = 1e-4;

// The truncated pixel number of v, when it is one.
std::optional<int> PixelOf(double v) {
    const double truncated = std::trunc(v);
    if (!std::isfinite(truncated) || std::fabs(truncated) > std::numeric_limits<int>::max() / 2)
        return std::nullopt;
    return static_cast<int>(truncated);
}

// The cutting pass shared by the three variants.
class KnifePass {
public:
    KnifePass(const CCamera& camera, int w, int h, int x0, int y0, int x1, int y1)
        : m_camera(camera), m_w(w), m_h(h), m_x0(x0), m_y0(y0), m_x1(x1), m_y1(y1) {}

    // Sets up the cutting plane; false when the pane or the view is empty.
    bool Prepare() {
        if (m_w <= 0 || m_h <= 0)
            return false;
        m_dist = (m_camera.m_eye - m_camera.m_target).Length();
        if (m_dist == 0.0f)
            return false;
        const CVector3 extent = m_camera.ScreenDeltaToWorld(m_w, m_h, m_dist, m_w, m_h);
        m_hw = extent.GetX() / 2.0;
        m_hh = extent.GetY() / 2.0;
        if (!(m_hw > 0.0 && m_hh > 0.0))
            return false;
        auto onPane = [&](int x, int y) {
            return CVector3(static_cast<float>(-m_hw + 2.0 * m_hw * x / m_w),
                            static_cast<float>(m_hh - 2.0 * m_hh * y / m_h), m_dist);
        };
        CVector3 a = onPane(m_x0, m_y0);
        CVector3 b = onPane(m_x1, m_y1);
        CVector3 c;
        if (m_camera.IsParallel()) {
            c = (a + b) * 0.5f;
            c.SetZ(0.0f);
        }
        const CMatrix4 toWorld = m_camera.GetCameraToWorld();
        a = TransformPoint(a, toWorld);
        b = TransformPoint(b, toWorld);
        c = TransformPoint(c, toWorld);
        m_normal = TriangleNormal(a, b, c);
        m_offset = -DotProduct(m_normal, a);
        m_toCamera = m_camera.GetWorldToCamera();
        const CModelDocument* doc = GetModelDoc();
        m_near = doc ? doc->GetNearDistance() : 0.0;
        return true;
    }

    // Cuts every segment of obj at most once, in curve order; the points cut
    // in the order they were found, each control point once.
    std::vector<KnifeCut> Cut(CSpatchObj& obj) {
        std::vector<KnifeCut> cuts;
        for (CCurve* curve : obj.GetCurves()) {
            CObjList<CCurvePoint>& nodes = curve->m_nodes;
            for (POSITION pos = nodes.GetHeadPosition(); pos;) {
                const POSITION at = pos;
                const CCurvePoint* p = nodes.GetNext(pos);
                if (!pos && !curve->m_closed)
                    break;
                const CCurvePoint* q = pos ? nodes.GetAt(pos) : nodes.GetHead();
                if (p->m_vertex->m_hidden || q->m_vertex->m_hidden)
                    continue;
                CVector3 point;
                KnifeCut cut{};
                const Crossing crossing = FindCrossing(*p, *q, point, cut);
                if (crossing == Crossing::none)
                    continue;
                if (crossing == Crossing::between) {
                    cut.m_vertex = obj.AddVertex(point.GetX(), point.GetY(), point.GetZ());
                    cut.m_new = true;
                    InsertLinkedNode(curve, at, cut.m_vertex);
                } else {
                    // A crossing on a control point is that point: a new one
                    // there would make a segment of no length.
                    cut.m_vertex = crossing == Crossing::atStart ? p->m_vertex : q->m_vertex;
                    if (std::any_of(cuts.begin(), cuts.end(),
                                    [&](const KnifeCut& c) { return c.m_vertex == cut.m_vertex; }))
                        continue;
                }
                cuts.push_back(cut);
            }
        }
        return cuts;
    }

private:
    double Distance(const CVector3& p) const { return DotProduct(m_normal, p) + m_offset; }

    enum class Crossing { none, between, atStart, atEnd };

    // The first sampled crossing of the segment p..q with the plane that
    // projects into the widened drag rectangle.
    Crossing FindCrossing(const CCurvePoint& p, const CCurvePoint& q, CVector3& point, KnifeCut& cut) const {
        CVector3 prev = *p.m_vertex;
        for (int i = 0; i <= 5; ++i) {
            const CVector3 cur = BezierPoint(*p.m_vertex, p.m_handleOut, q.m_handleIn, *q.m_vertex,
                                             static_cast<float>(i) / 5.0f);
            const double s0 = Distance(prev);
            const double s1 = Distance(cur);
            const double span = std::fabs(s0) + std::fabs(s1);
            // Both samples on the plane give no position; the next interval
            // starts on the plane and cuts there.
            if (((s0 >= 0.0 && s1 <= 0.0) || (s0 <= 0.0 && s1 >= 0.0)) && span > 0.0) {
                const double r = std::fabs(s0) / span;
                const CVector3 x = prev + (cur - prev) * static_cast<float>(r);
                if (Project(x, cut.m_sx, cut.m_sy) && InRectangle(cut.m_sx, cut.m_sy)) {
                    point = x;
                    if (i == 1 && r <= kOnControlPoint)
                        return Crossing::atStart;
                    if (i == 5 && r >= 1.0 - kOnControlPoint)
                        return Crossing::atEnd;
                    return Crossing::between;
                }
            }
            prev = cur;
        }
        return Crossing::none;
    }

    bool Project(const CVector3& world, int& sx, int& sy) const {
        const CVector3 view = TransformPoint(world, m_toCamera);
        double xc = view.GetX();
        double yc = view.GetY();
        const double zc = view.GetZ();
        if (zc < m_near)
            return false;
        if (!m_camera.IsParallel()) {
            // Nothing at or behind the eye can be seen, whatever the near distance.
            if (zc <= 0.0)
                return false;
            xc *= m_dist / zc;
            yc *= m_dist / zc;
        }
        const std::optional<int> x = PixelOf(m_w / 2.0 + xc / m_hw * (m_w / 2.0));
        const std::optional<int> y = PixelOf(m_h / 2.0 - yc / m_hh * (m_h / 2.0));
        if (!x || !y)
            return false;
        sx = *x;
        sy = *y;
        return true;
    }

    bool InRectangle(int x, int y) const {
        const int left = std::min(m_x0, m_x1) - 3;
        const int top = std::min(m_y0, m_y1) - 3;
        const int right = std::max(m_x0, m_x1) + 3;
        const int bottom = std::max(m_y0, m_y1) + 3;
        return left <= x && x < right && top <= y && y < bottom;
    }

    const CCamera& m_camera;
    int m_w, m_h, m_x0, m_y0, m_x1, m_y1;
    float m_dist = 0.0f;
    double m_hw = 0.0;
    double m_hh = 0.0;
    CVector3 m_normal;
    double m_offset = 0.0;
    CMatrix4 m_toCamera;
    double m_near = 0.0;
};

// The open curves that the joins of cut patches build, by the new point at
// each of their ends.
class OpenEnds {
public:
    struct End {
        CCurve* m_curve = nullptr;
        int m_first = 1; // 1: the point is the curve's first node, 0 its last
    };

    OpenEnds(CSpatchObj& obj, const std::vector<KnifeCut>& cuts) : m_obj(obj) {
        for (const KnifeCut& cut : cuts)
            m_ends.emplace(cut.m_vertex, End{});
    }

    // Whether the cut went through the point.
    bool IsCut(const CPatchVertex* v) const { return m_ends.count(v) != 0; }

    // Joins new points a and b with a segment; the weights are those of new
    // nodes made for them.
    void Join(CPatchVertex* a, float weightA, CPatchVertex* b, float weightB) {
        End& ea = At(a);
        End& eb = At(b);
        if (!ea.m_curve && !eb.m_curve) {
            CCurve* curve = m_obj.AddCurve();
            AddNode(curve, a, weightA, false);
            AddNode(curve, b, weightB, false);
            ea = {curve, 1};
            eb = {curve, 0};
        } else if (!ea.m_curve || !eb.m_curve) {
            End& open = ea.m_curve ? ea : eb;
            End& loose = ea.m_curve ? eb : ea;
            AddNode(open.m_curve, ea.m_curve ? b : a, ea.m_curve ? weightB : weightA, open.m_first != 0);
            loose = open;
            open = End{};
        } else if (ea.m_curve == eb.m_curve) {
            ea.m_curve->m_closed = 1;
            ea = eb = End{};
        } else {
            Merge(ea, eb);
        }
    }

private:
    End& At(const CPatchVertex* v) { return m_ends.at(v); }

    void AddNode(CCurve* curve, CPatchVertex* v, float weight, bool atHead) {
        auto node = std::make_unique<CCurvePoint>();
        node->m_vertex = v;
        node->m_weight = weight;
        if (atHead)
            curve->m_nodes.AddHead(std::move(node));
        else
            curve->m_nodes.AddTail(std::move(node));
    }

    // Moves the points of b's curve onto a's end of a's curve so that the
    // chain runs on through b, and deletes b's curve.
    void Merge(End& ea, End& eb) {
        CCurve* target = ea.m_curve;
        CCurve* source = eb.m_curve;
        const bool prepend = ea.m_first != 0;
        // The chain runs from b outward; the join curves' nodes are all new
        // and automatic, so their direction needs no handle exchange.
        std::vector<const CCurvePoint*> chain;
        for (const CCurvePoint* node : source->m_nodes)
            chain.push_back(node);
        if (eb.m_first == 0)
            std::reverse(chain.begin(), chain.end());
        for (const CCurvePoint* node : chain) {
            auto copy = std::make_unique<CCurvePoint>();
            copy->CopyFrom(*node);
            if (prepend)
                target->m_nodes.AddHead(std::move(copy));
            else
                target->m_nodes.AddTail(std::move(copy));
        }
        const CPatchVertex* farEnd = chain.back()->m_vertex;
        m_obj.GetCurves().Remove(source);
        if (IsCut(farEnd))
            At(farEnd) = {target, prepend ? 1 : 0};
        ea = eb = End{};
    }

    CSpatchObj& m_obj;
    std::unordered_map<const CPatchVertex*, End> m_ends;
};

// The node that follows edge k's start along the edge's direction.
const CCurvePoint* FollowingNode(const CPatch& patch, int k) {
    const CObjList<CCurvePoint>& nodes = patch.m_curves[k]->m_nodes;
    POSITION pos = nodes.Find(patch.m_edges[k].m_start);
    if (!pos)
        return nullptr;
    if (patch.m_direction[k]) {
        nodes.GetNext(pos);
        return pos ? nodes.GetAt(pos) : nodes.GetHead();
    }
    nodes.GetPrev(pos);
    return pos ? nodes.GetAt(pos) : nodes.GetTail();
}

// Joins the two points where the cut crossed every three- or four-sided
// patch it crossed twice: new points inside its edges, or its corners. Two
// points on one edge are already joined by it. True when anything was joined.
bool SplitCutPatches(CSpatchObj& obj, const std::vector<KnifeCut>& cuts) {
    OpenEnds ends(obj, cuts);
    obj.NumberVertices();
    obj.NumberCurves();
    bool joined = false;
    for (const CPatch* patch : obj.GetPatches()) {
        const int sides = patch->m_sides;
        if (sides != 3 && sides != 4)
            continue;
        // Corner k at place 2k, the inside of edge k at 2k + 1.
        std::vector<std::pair<int, CPatchVertex*>> crossed;
        for (int k = 0; k < sides; ++k) {
            CPatchVertex* corner = patch->m_edges[k].m_start->m_vertex;
            if (ends.IsCut(corner))
                crossed.emplace_back(2 * k, corner);
            const CCurvePoint* following = FollowingNode(*patch, k);
            if (following && following != patch->m_edges[k].m_end && ends.IsCut(following->m_vertex))
                crossed.emplace_back(2 * k + 1, following->m_vertex);
        }
        if (crossed.size() != 2 || crossed[0].second == crossed[1].second)
            continue;
        const int a = crossed[0].first;
        const int b = crossed[1].first;
        // Neighbouring places share an edge, and so do the first and last.
        if (b - a <= 1 || (b - a == 2 && a % 2 == 0) || (a == 0 && b >= 2 * sides - 2))
            continue;
        auto startWeight = [&](int k) { return patch->m_edges[k].m_start->m_weight; };
        auto endWeight = [&](int k) { return patch->m_edges[k].m_end->m_weight; };
        float weightA = CCurvePoint().m_weight;
        float weightB = weightA;
        // Across a quad, the new segment takes the mean shape of the two
        // edges it runs between.
        if (sides == 4 && a == 1 && b == 5) {
            weightA = (startWeight(1) + endWeight(3)) * 0.5f;
            weightB = (endWeight(1) + startWeight(3)) * 0.5f;
        } else if (sides == 4 && a == 3 && b == 7) {
            weightA = (endWeight(0) + startWeight(2)) * 0.5f;
            weightB = (startWeight(0) + endWeight(2)) * 0.5f;
        }
        ends.Join(crossed[0].second, weightA, crossed[1].second, weightB);
        joined = true;
    }
    obj.RebuildVertexLinks();
    return joined;
}

// One open curve through the points cut, nearest to the press point first;
// true when it was laid.
bool LayCurveThroughCuts(CSpatchObj& obj, const std::vector<KnifeCut>& cuts, int x0, int y0) {
    if (cuts.size() < 2)
        return false;
    std::multimap<int, CPatchVertex*> ordered;
    for (const KnifeCut& cut : cuts)
        ordered.emplace(std::abs(x0 - cut.m_sx) + std::abs(y0 - cut.m_sy), cut.m_vertex);
    CCurve* curve = obj.AddCurve();
    for (const auto& [key, vertex] : ordered)
        AddLinkedNode(curve, vertex);
    return true;
}

} // namespace

int CCurveTool::KnifeCutCurves(const CCamera& camera, int paneWidth, int paneHeight, int x0, int y0, int x1,
                               int y1) {
    KnifePass pass(camera, paneWidth, paneHeight, x0, y0, x1, y1);
    if (!m_obj || !pass.Prepare() || m_obj->GetCurves().IsEmpty() || !AnyNew(pass.Cut(*m_obj)))
        return 0;
    m_obj->UpdateCurveHandles();
    m_obj->SetNeedsRebuild(1);
    return 1;
}

int CCurveTool::KnifeCutPatches(const CCamera& camera, int paneWidth, int paneHeight, int x0, int y0, int x1,
                                int y1) {
    KnifePass pass(camera, paneWidth, paneHeight, x0, y0, x1, y1);
    if (!m_obj || !pass.Prepare() || m_obj->GetCurves().IsEmpty())
        return 0;
    // The patches must be current to tell which of them a cut crosses.
    if (m_obj->GetNeedsRebuild())
        m_obj->Rebuild();
    const std::vector<KnifeCut> cuts = pass.Cut(*m_obj);
    if (cuts.empty() || (!SplitCutPatches(*m_obj, cuts) && !AnyNew(cuts)))
        return 0;
    m_obj->UpdateCurveHandles();
    m_obj->SetNeedsRebuild(1);
    return 1;
}

int CCurveTool::KnifeCutWithCurve(const CCamera& camera, int paneWidth, int paneHeight, int x0, int y0,
                                  int x1, int y1) {
    KnifePass pass(camera, paneWidth, paneHeight, x0, y0, x1, y1);
    if (!m_obj || !pass.Prepare() || m_obj->GetCurves().IsEmpty())
        return 0;
    const std::vector<KnifeCut> cuts = pass.Cut(*m_obj);
    if (!LayCurveThroughCuts(*m_obj, cuts, x0, y0) && !AnyNew(cuts))
        return 0;
    m_obj->UpdateCurveHandles();
    m_obj->SetNeedsRebuild(1);
    return 1;
}
