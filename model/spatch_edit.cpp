// The object-level edits of the view's modelling commands: deleting points
// and segments, the selection commands, lathe, extrude, flips, point
// visibility and the star primitive.
#include "model/curve_links.h"
#include "model/matrix4.h"
#include "model/mouse_mode_setter.h"
#include "model/spatch_obj.h"

#include <algorithm>
#include <deque>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

// Clears every node's selection; whether one was selected.
bool ClearNodeSelection(CObjList<CCurve>& curves) {
    bool any = false;
    for (CCurve* curve : curves)
        for (CCurvePoint* node : curve->m_nodes) {
            any = any || node->m_selected;
            node->m_selected = 0;
        }
    return any;
}

// SetSelected, reporting whether the flag changed.
bool Select(CPatchVertex& v, int selected) {
    const int before = v.m_selected;
    v.SetSelected(selected);
    return v.m_selected != before;
}

bool AllPointsSelected(const CCurve& curve) {
    for (const CCurvePoint* node : curve.m_nodes)
        if (!node->m_vertex || !node->m_vertex->m_selected)
            return false;
    return true;
}

// The curve lathe and extrude work on: the selected curve, else the first
// curve of two or more nodes whose points are all selected.
CCurve* FindProfile(const CSpatchObj& obj) {
    if (CCurve* selected = obj.GetSelectedCurve())
        return selected;
    for (CCurve* curve : obj.GetCurves())
        if (curve->m_nodes.GetCount() >= 2 && AllPointsSelected(*curve))
            return curve;
    return nullptr;
}

// Mirrors the selected points and their manual handles through the plane
// where the axis component is 0.
template <class Negate> int FlipSelected(CSpatchObj& obj, Negate negate) {
    bool any = false;
    for (CPatchVertex* v : obj.GetVertices()) {
        if (!v->m_selected)
            continue;
        any = true;
        negate(*v);
        for (CVertexLink* link : v->m_links) {
            negate(link->m_node->m_offsetIn);
            negate(link->m_node->m_offsetOut);
        }
    }
    if (!any)
        return 0;
    obj.UpdateCurveHandles();
    return 1;
}

} // namespace

int CSpatchObj::DeleteSelectedVertices() {
    if (CountSelectedVertices() == 0)
        return 0;
    for (CCurve* curve : m_curves)
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            const POSITION at = pos;
            const CCurvePoint* node = curve->m_nodes.GetNext(pos);
            if (node->m_vertex && node->m_vertex->m_selected)
                curve->m_nodes.RemoveAt(at);
        }
    for (POSITION pos = m_vertices.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CPatchVertex* v = m_vertices.GetNext(pos);
        if (v->m_selected) {
            m_vertices.RemoveAt(at);
            continue;
        }
        for (POSITION linkPos = v->m_links.GetHeadPosition(); linkPos;) {
            const POSITION linkAt = linkPos;
            if (v->m_links.GetNext(linkPos)->m_curve->m_nodes.GetCount() < 2)
                v->m_links.RemoveAt(linkAt);
        }
    }
    for (POSITION pos = m_curves.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        if (m_curves.GetNext(pos)->m_nodes.GetCount() < 2)
            m_curves.RemoveAt(at);
    }
    SetNeedsRebuild(1);
    UpdateCurveHandles();
    SelectAllCurvePoints(0);
    return 1;
}

int CSpatchObj::DeleteSelectedSegment() {
    CCurve* curve = GetSelectedCurve();
    CCurvePoint* node = GetSelectedCurvePoint();
    if (!curve || !node || curve->m_nodes.GetCount() < 2)
        return 0;
    CObjList<CCurvePoint>& nodes = curve->m_nodes;
    const int count = nodes.GetCount();
    if (curve->m_closed) {
        // Rotate the node order so that the removed segment is the wrap-around one.
        while (nodes.GetTail() != node)
            nodes.MoveBefore(nodes.GetHeadPosition(), nullptr);
        curve->m_closed = 0;
    } else if (IsLastNode(*curve, node)) {
        return 0;
    } else if (count == 2) {
        RemoveCurve(curve);
    } else if (IsFirstNode(*curve, node)) {
        UnlinkNode(node);
        nodes.RemoveHead();
    } else {
        POSITION pos = nodes.Find(node);
        nodes.GetNext(pos);
        if (nodes.GetAt(pos) == nodes.GetTail()) {
            UnlinkNode(nodes.GetTail());
            nodes.RemoveTail();
        } else {
            // The nodes after the removed segment move to a new curve; their
            // links follow them.
            CCurve* rest = AddCurve();
            while (pos) {
                const POSITION at = pos;
                CCurvePoint* old = nodes.GetNext(pos);
                CCurvePoint* copy = AddCurvePoint(rest);
                copy->CopyFrom(*old);
                copy->m_selected = 0;
                for (CVertexLink* link : old->m_vertex->m_links)
                    if (link->m_node == old) {
                        link->m_curve = rest;
                        link->m_node = copy;
                    }
                nodes.RemoveAt(at);
            }
        }
    }
    UpdateCurveHandles();
    SetNeedsRebuild(1);
    SelectAllCurvePoints(0);
    return 1;
}

int CSpatchObj::SelectNextCurveAtVertex() {
    if (CountSelectedVertices() != 1)
        return 0;
    CPatchVertex* vertex = nullptr;
    for (CPatchVertex* v : m_vertices)
        if (v->m_selected)
            vertex = v;
    // The segments leaving and arriving at the point, by their start nodes.
    std::vector<CCurvePoint*> candidates;
    for (const CVertexLink* link : vertex->m_links) {
        const CCurve& curve = *link->m_curve;
        CCurvePoint* node = link->m_node;
        if (curve.m_closed || !IsLastNode(curve, node))
            candidates.push_back(node);
        POSITION pos = curve.m_nodes.Find(node);
        curve.m_nodes.GetPrev(pos);
        if (pos)
            candidates.push_back(curve.m_nodes.GetAt(pos));
        else if (curve.m_closed)
            candidates.push_back(curve.m_nodes.GetTail());
    }
    if (candidates.empty())
        return 0;
    size_t next = 0;
    for (size_t i = 0; i < candidates.size(); ++i)
        if (candidates[i]->m_selected) {
            next = (i + 1) % candidates.size();
            break;
        }
    // A node selected elsewhere would keep another curve the selected one.
    SelectAllCurvePoints(0);
    candidates[next]->m_selected = 1;
    return 1;
}

int CSpatchObj::SelectVerticesOnCurve(CCurve* curve) {
    if (!curve || m_curves.IndexOf(curve) < 0)
        return 0;
    bool changed = false;
    for (CCurvePoint* node : curve->m_nodes)
        if (node->m_vertex && Select(*node->m_vertex, 1))
            changed = true;
    return (ClearNodeSelection(m_curves) || changed) ? 1 : 0;
}

int CSpatchObj::SelectConnectedVertices() {
    if (m_curves.IsEmpty())
        return 0;
    std::unordered_set<const CCurve*> markedCurves;
    std::unordered_set<CPatchVertex*> marked;
    std::deque<CPatchVertex*> pending;
    for (CPatchVertex* v : m_vertices)
        if (v->m_selected) {
            marked.insert(v);
            pending.push_back(v);
        }
    while (!pending.empty()) {
        const CPatchVertex* v = pending.front();
        pending.pop_front();
        for (const CVertexLink* link : v->m_links) {
            if (!markedCurves.insert(link->m_curve).second)
                continue;
            for (CCurvePoint* node : link->m_curve->m_nodes)
                if (node->m_vertex && marked.insert(node->m_vertex).second)
                    pending.push_back(node->m_vertex);
        }
    }
    bool changed = false;
    for (CPatchVertex* v : marked)
        if (Select(*v, 1))
            changed = true;
    return (ClearNodeSelection(m_curves) || changed) ? 1 : 0;
}

int CSpatchObj::InvertVertexSelection() {
    bool changed = false;
    for (CPatchVertex* v : m_vertices)
        if (Select(*v, v->m_selected ? 0 : 1))
            changed = true;
    return (ClearNodeSelection(m_curves) || changed) ? 1 : 0;
}

int CSpatchObj::CreateLathe(int divisions) {
    const CCurve* profile = FindProfile(*this);
    if (!profile)
        return 0;
    const int n = std::max(divisions, 3);
    std::vector<CCurve*> copies;
    for (int k = 1; k < n; ++k) {
        CCurve* copy = AddCurve();
        copy->m_closed = profile->m_closed;
        copies.push_back(copy);
    }
    for (const CCurvePoint* source : profile->m_nodes) {
        CPatchVertex* v = source->m_vertex;
        v->SetZ(0.0f);
        CCurve* ring = AddCurve();
        ring->m_closed = 1;
        AddLinkedNode(ring, v);
        for (int k = 1; k < n; ++k) {
            CMatrix4 m;
            m.RotateY(360.0f / static_cast<float>(n) * static_cast<float>(k));
            const CVector3 p = TransformPoint(*v, m);
            CPatchVertex* w = AddVertex(p.GetX(), p.GetY(), p.GetZ());
            w->SetSelected(1);
            AddLinkedNode(ring, w);
            CCurvePoint* node = AddLinkedNode(copies[k - 1], w);
            CopyShape(*node, *source);
            node->m_offsetIn = TransformPoint(source->m_offsetIn, m);
            node->m_offsetOut = TransformPoint(source->m_offsetOut, m);
        }
    }
    UpdateCurveHandles();
    SetNeedsRebuild(1);
    SelectAllCurvePoints(0);
    return 1;
}

int CSpatchObj::Extrude(CMouseModeSetter& modes) {
    CCurve* profile = FindProfile(*this);
    if (!profile)
        return 0;
    for (CPatchVertex* v : m_vertices)
        v->SetSelected(0);
    CCurve* copy = AddCurve();
    copy->m_closed = profile->m_closed;
    for (const CCurvePoint* source : profile->m_nodes) {
        CPatchVertex* v = source->m_vertex;
        CPatchVertex* w = AddVertex(v->GetX(), v->GetY(), v->GetZ());
        w->SetSelected(1);
        CopyShape(*AddLinkedNode(copy, w), *source);
        // Join w to v: extend the first open curve that ends at v, else add a segment.
        bool joined = false;
        for (const CVertexLink* link : v->m_links) {
            CCurve* curve = link->m_curve;
            if (curve == profile || curve->m_closed)
                continue;
            if (curve->m_nodes.GetHead()->m_vertex == v) {
                AddLinkedNode(curve, w, true);
                joined = true;
                break;
            }
            if (curve->m_nodes.GetTail()->m_vertex == v) {
                AddLinkedNode(curve, w);
                joined = true;
                break;
            }
        }
        if (!joined) {
            CCurve* segment = AddCurve();
            AddLinkedNode(segment, v);
            AddLinkedNode(segment, w);
        }
    }
    UpdateCurveHandles();
    SetNeedsRebuild(1);
    modes.SetLeftMouseMode(mouseModeTranslate);
    SelectAllCurvePoints(0);
    return 1;
}

int CSpatchObj::FlipX() {
    return FlipSelected(*this, [](CVector3& p) { p.SetX(-p.GetX()); });
}

int CSpatchObj::FlipY() {
    return FlipSelected(*this, [](CVector3& p) { p.SetY(-p.GetY()); });
}

int CSpatchObj::FlipZ() {
    return FlipSelected(*this, [](CVector3& p) { p.SetZ(-p.GetZ()); });
}

int CSpatchObj::ToggleVisibleSelected() {
    bool any = false;
    for (CPatchVertex* v : m_vertices)
        if (v->m_selected) {
            v->m_visible = v->m_visible ? 0 : 1;
            any = true;
        }
    if (!any)
        return 0;
    SetNeedsRebuild(1);
    return 1;
}

int CSpatchObj::HideSelectedTemporarily() {
    bool any = false;
    for (CPatchVertex* v : m_vertices)
        if (v->m_selected) {
            v->m_hidden = 1;
            v->m_selected = 0;
            any = true;
        }
    return (ClearNodeSelection(m_curves) || any) ? 1 : 0;
}

int CSpatchObj::ShowAllTemporarilyHidden() {
    bool any = false;
    for (CPatchVertex* v : m_vertices) {
        any = any || v->m_hidden;
        v->m_hidden = 0;
    }
    return any ? 1 : 0;
}

int CSpatchObj::AddStarShape(float r1, float r2) {
    CSpatchObj star;
    CCurve* curve = star.AddCurve();
    curve->m_closed = 1;
    for (int i = 0; i < 5; ++i)
        for (const auto& [radius, degrees] : {std::pair{r1, i * 360 / 5}, std::pair{r2, i * 360 / 5 + 36}}) {
            CMatrix4 m;
            m.RotateZ(static_cast<float>(degrees));
            const CVector3 p = TransformPoint(CVector3(0.0f, radius, 0.0f), m);
            AddLinkedNode(curve, star.AddVertex(p.GetX(), p.GetY(), p.GetZ()))->m_sharp = 1;
        }
    const int before = m_vertices.GetCount();
    AppendGeometry(&star, 0);
    SetNeedsRebuild(1);
    UpdateCurveHandles();
    int index = 0;
    for (CPatchVertex* v : m_vertices)
        v->SetSelected(index++ < before ? 0 : 1);
    return 1;
}

int CSpatchObj::RemoveCurve(CCurve* curve) {
    const POSITION pos = curve ? m_curves.Find(curve) : nullptr;
    if (!pos)
        return 0;
    for (CCurvePoint* node : curve->m_nodes)
        UnlinkNode(node);
    m_curves.RemoveAt(pos);
    return 1;
}
