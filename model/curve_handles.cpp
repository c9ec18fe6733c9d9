// The handle rule of curve nodes and the drawing of one curve segment.
#include "model/model_document.h"
#include "model/spatch_obj.h"

#include <GL/gl.h>
#include <algorithm>

namespace {

void Vertex(const CVector3& p) {
    glVertex3f(p.GetX(), p.GetY(), p.GetZ());
}

// Handles of node along the chord d from its previous to its next point when
// smooth, else pointing straight at the neighbour; manual offsets win.
void SetHandles(CCurvePoint& node, const CVector3& prev, const CVector3& next, bool hasPrev, bool hasNext) {
    const CVector3& p = *node.m_vertex;
    const CVector3 a = prev - p;
    const CVector3 b = next - p;
    const CVector3 d = next - prev;
    const float la = a.Length();
    const float lb = b.Length();
    const float ld = d.Length();
    const bool smooth = !node.m_sharp && ld != 0.0f;
    if (node.m_manualIn)
        node.m_handleIn = p + node.m_offsetIn;
    else if (smooth && hasNext && la != 0.0f)
        node.m_handleIn = p - d * static_cast<float>(static_cast<double>(node.m_weight) * la / ld);
    else
        node.m_handleIn = p + a * node.m_weight;
    if (node.m_manualOut)
        node.m_handleOut = p + node.m_offsetOut;
    else if (smooth && hasPrev && lb != 0.0f)
        node.m_handleOut = p + d * static_cast<float>(static_cast<double>(node.m_weight) * lb / ld);
    else
        node.m_handleOut = p + b * node.m_weight;
}

} // namespace

void CSpatchObj::UpdateCurveHandles() {
    DeriveCurveHandles();
    SetNetsDirty(1);
    InvalidateCaches();
}

void CSpatchObj::DeriveCurveHandles() {
    // The nodes are walked in place, with nothing allocated: an edit or an
    // undo that ends here cannot be left half done by it.
    for (CCurve* curve : m_curves) {
        const CObjList<CCurvePoint>& nodes = curve->m_nodes;
        const int count = nodes.GetCount();
        const bool open = !curve->m_closed;
        // Neighbours wrap round even on an open curve; the end handles that
        // no segment uses are computed all the same.
        const CCurvePoint* prev = nodes.GetTail();
        int i = 0;
        for (POSITION pos = nodes.GetHeadPosition(); pos; ++i) {
            CCurvePoint* node = nodes.GetNext(pos);
            const CCurvePoint* next = pos ? nodes.GetAt(pos) : nodes.GetHead();
            if (node->m_vertex && prev->m_vertex && next->m_vertex)
                SetHandles(*node, *prev->m_vertex, *next->m_vertex, !(open && i == 0),
                           !(open && i == count - 1));
            prev = node;
        }
    }
}

template <class Fn> void CSpatchObj::ForEachChosenNode(Fn fn) {
    if (const CCurve* selected = GetSelectedCurve()) {
        const CPatchVertex* first = nullptr;
        for (const CPatchVertex* v : m_vertices)
            if (v->m_selected) {
                first = v;
                break;
            }
        if (!first)
            return;
        for (CCurvePoint* node : selected->m_nodes)
            if (node->m_vertex == first)
                fn(*node);
        return;
    }
    for (CCurve* curve : m_curves)
        for (CCurvePoint* node : curve->m_nodes)
            if (node->m_vertex && node->m_vertex->m_selected)
                fn(*node);
}

void CSpatchObj::AddWeight(float delta) {
    ForEachChosenNode([delta](CCurvePoint& node) { node.m_weight += delta; });
    UpdateCurveHandles();
}

void CSpatchObj::SetSharp(int v) {
    ForEachChosenNode([v](CCurvePoint& node) {
        node.m_sharp = v;
        node.m_weight = 0.3f;
        node.m_manualIn = 0;
        node.m_manualOut = 0;
    });
    UpdateCurveHandles();
}

void CSpatchObj::DrawBezierSegment(int steps, const CVector3& p0, const CVector3& p1, const CVector3& p2,
                                   const CVector3& p3) {
    const CModelDocument* doc = GetModelDoc();
    const int curveType = doc ? doc->GetCurveType() : 0;
    steps = std::max(steps, 1);
    if (curveType == 1) {
        const float points[12] = {p0.GetX(), p0.GetY(), p0.GetZ(), p1.GetX(), p1.GetY(), p1.GetZ(),
                                  p2.GetX(), p2.GetY(), p2.GetZ(), p3.GetX(), p3.GetY(), p3.GetZ()};
        glMap1f(GL_MAP1_VERTEX_3, 0.0f, 1.0f, 3, 4, points);
        glBegin(GL_LINE_STRIP);
        for (int i = 0; i <= steps; ++i)
            glEvalCoord1f(static_cast<float>(i) / static_cast<float>(steps));
        glEnd();
        return;
    }
    glBegin(GL_LINE_STRIP);
    ForEachPolylinePoint(steps, p0, p1, p2, p3, Vertex);
    glEnd();
}
