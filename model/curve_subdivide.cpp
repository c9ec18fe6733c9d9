// Around the selected curve and its nodes: dividing its segments, merging one
// control point into another, and drawing the selected node's handles.
#include "model/curve_links.h"
#include "model/model_document.h"
#include "model/spatch_obj.h"

#include <GL/gl.h>
#include <algorithm>
#include <vector>

namespace {

// Inserts count - 1 points on the segment p0..p3 of curve, after the node at
// pos and in order along it; the last node inserted.
CCurvePoint* DivideSegment(CSpatchObj& obj, CCurve* curve, POSITION pos, int count, const CVector3& p0,
                           const CVector3& p1, const CVector3& p2, const CVector3& p3) {
    CCurvePoint* node = nullptr;
    for (int i = 1; i < count; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(count);
        const CVector3 q = BezierPoint(p0, p1, p2, p3, t);
        node = InsertLinkedNode(curve, pos, obj.AddVertex(q.GetX(), q.GetY(), q.GetZ()));
        pos = curve->m_nodes.Find(node, pos);
    }
    return node;
}

// The selected segment becomes the last piece of the divided one, unless the
// point itself is selected (then the node stands for the point).
void PassSelectionOn(CCurvePoint* start, CCurvePoint* last) {
    if (start->m_selected && !start->m_vertex->m_selected) {
        start->m_selected = 0;
        last->m_selected = 1;
    }
}

} // namespace

int CSpatchObj::SubdivideSelectedCurve(int count, int onlySelectedPart) {
    CCurve* curve = GetSelectedCurve();
    if (!curve)
        return 0;
    const int n = std::max(count, 2);
    CObjList<CCurvePoint>& nodes = curve->m_nodes;
    if (onlySelectedPart) {
        CCurvePoint* start = GetSelectedCurvePoint();
        POSITION pos = nodes.Find(start);
        POSITION after = pos;
        nodes.GetNext(after);
        if (!after && !curve->m_closed)
            return 0;
        CCurvePoint* end = after ? nodes.GetAt(after) : nodes.GetHead();
        const CVector3 p1 = start->m_manualOut ? *start->m_vertex + start->m_offsetOut : start->m_handleOut;
        const CVector3 p2 = end->m_manualIn ? *end->m_vertex + end->m_offsetIn : end->m_handleIn;
        if (start->m_manualOut)
            start->m_manualIn = start->m_manualOut = 0;
        if (end->m_manualIn)
            end->m_manualIn = end->m_manualOut = 0;
        PassSelectionOn(start, DivideSegment(*this, curve, pos, n, *start->m_vertex, p1, p2, *end->m_vertex));
    } else {
        std::vector<CCurvePoint*> original;
        for (CCurvePoint* node : nodes)
            original.push_back(node);
        const size_t segments = curve->m_closed ? original.size() : original.size() - 1;
        for (size_t i = 0; i < segments; ++i) {
            CCurvePoint* start = original[i];
            const CCurvePoint* end = original[(i + 1) % original.size()];
            PassSelectionOn(start, DivideSegment(*this, curve, nodes.Find(start), n, *start->m_vertex,
                                                 start->m_handleOut, end->m_handleIn, *end->m_vertex));
        }
        for (CCurvePoint* node : nodes)
            node->m_manualIn = node->m_manualOut = 0;
    }
    UpdateCurveHandles();
    SetNeedsRebuild(1);
    return 1;
}

int CSpatchObj::ConnectVertices(CPatchVertex* target, CPatchVertex* merged) {
    // Merging a point into itself would delete it.
    if (!target || !merged || target == merged || m_vertices.IndexOf(target) < 0 ||
        m_vertices.IndexOf(merged) < 0)
        return 0;
    target->Set(merged->GetX(), merged->GetY(), merged->GetZ());

    // A two-node curve between the two points would shrink to nothing.
    for (bool found = true; found;) {
        found = false;
        for (const CVertexLink* mine : target->m_links) {
            CCurve* curve = mine->m_curve;
            if (curve->m_nodes.GetCount() != 2)
                continue;
            for (const CVertexLink* theirs : merged->m_links)
                if (theirs->m_curve == curve)
                    found = true;
            if (found) {
                RemoveCurve(curve);
                break;
            }
        }
    }

    // Curve ends meeting at the two points become one curve.
    for (const CVertexLink* mine : target->m_links) {
        CCurve* a = mine->m_curve;
        if (!IsOpenEnd(*a, mine->m_node))
            continue;
        const bool aFirst = IsFirstNode(*a, mine->m_node);
        for (const CVertexLink* theirs : merged->m_links) {
            CCurve* b = theirs->m_curve;
            CCurvePoint* bNode = theirs->m_node;
            if (!IsOpenEnd(*b, bNode))
                continue;
            const bool bFirst = IsFirstNode(*b, bNode);
            if (a == b) {
                a->m_closed = 1;
                UnlinkNode(bNode);
                a->m_nodes.Remove(bNode);
                break;
            }
            // B's other nodes, in the order they continue A from the joint.
            std::vector<CCurvePoint*> sources;
            for (CCurvePoint* node : b->m_nodes)
                if (node != bNode)
                    sources.push_back(node);
            if (!bFirst)
                std::reverse(sources.begin(), sources.end());
            // Nodes that reverse their direction exchange their handles.
            const bool swap = aFirst == bFirst;
            for (CCurvePoint* source : sources) {
                auto copy = std::make_unique<CCurvePoint>();
                copy->m_vertex = source->m_vertex;
                CopyShape(*copy, *source);
                if (swap)
                    copy->SwapHandles();
                for (CVertexLink* link : source->m_vertex->m_links)
                    if (link->m_node == source) {
                        link->m_curve = a;
                        link->m_node = copy.get();
                    }
                if (aFirst)
                    a->m_nodes.AddHead(std::move(copy));
                else
                    a->m_nodes.AddTail(std::move(copy));
            }
            RemoveCurve(b);
            break;
        }
    }

    // Two neighbouring nodes on the two points would leave a segment of no
    // length: the merged point's node goes.
    for (CCurve* curve : m_curves) {
        CObjList<CCurvePoint>& nodes = curve->m_nodes;
        for (POSITION pos = nodes.GetHeadPosition(); pos;) {
            const POSITION at = pos;
            CCurvePoint* node = nodes.GetNext(pos);
            if (node->m_vertex != merged)
                continue;
            POSITION before = at;
            nodes.GetPrev(before);
            const CCurvePoint* previous = before            ? nodes.GetAt(before)
                                          : curve->m_closed ? nodes.GetTail()
                                                            : nullptr;
            const CCurvePoint* next = pos ? nodes.GetAt(pos) : curve->m_closed ? nodes.GetHead() : nullptr;
            if ((previous && previous->m_vertex == target) || (next && next->m_vertex == target)) {
                UnlinkNode(node);
                nodes.RemoveAt(at);
            }
        }
    }

    for (CCurve* curve : m_curves)
        for (CCurvePoint* node : curve->m_nodes)
            if (node->m_vertex == merged)
                LinkNode(target, curve, node);
    m_vertices.Remove(merged);
    NumberVertices();
    SetNeedsRebuild(1);
    UpdateCurveHandles();
    return 1;
}

void CSpatchObj::DrawSelectedCurveHandles() const {
    const CCurve* curve = GetSelectedCurve();
    const CCurvePoint* selected = GetSelectedCurvePoint();
    if (!GetSelected() || !curve || !selected)
        return;
    const CObjList<CCurvePoint>& nodes = curve->m_nodes;
    const bool open = !curve->m_closed;
    const CCurvePoint* node = selected;
    bool drawIn = true;
    bool drawOut = true;
    if (selected->m_vertex->m_selected) {
        drawIn = !(open && IsFirstNode(*curve, selected));
    } else {
        POSITION pos = nodes.Find(selected);
        nodes.GetNext(pos);
        node = pos ? nodes.GetAt(pos) : nodes.GetHead();
        drawOut = !(open && IsLastNode(*curve, node));
    }
    const CModelDocument* doc = GetModelDoc();
    const float size = doc ? doc->GetVertexPointSize() : 4.0f;
    const CVector3& at = *node->m_vertex;
    auto draw = [&](const CVector3& handle, int marker) {
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_LINES);
        glVertex3f(at.GetX(), at.GetY(), at.GetZ());
        glVertex3f(handle.GetX(), handle.GetY(), handle.GetZ());
        glEnd();
        glPointSize(size);
        // The marker names the handle being dragged.
        if (node->m_auxWord == marker)
            glColor3f(0.0f, 0.0f, 1.0f);
        else
            glColor3f(1.0f, 0.0f, 0.0f);
        glBegin(GL_POINTS);
        glVertex3f(handle.GetX(), handle.GetY(), handle.GetZ());
        glEnd();
        glPointSize(1.0f);
    };
    if (drawIn)
        draw(node->m_handleIn, 0);
    if (drawOut)
        draw(node->m_handleOut, 1);
}
