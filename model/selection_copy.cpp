// Copying the selected pieces of a patch object into another one (Copy, Cut
// and Clone), and sweeping a circle along the selected curve.
#include "model/curve_links.h"
#include "model/matrix4.h"
#include "model/spatch_obj.h"

#include <array>

void CSpatchObj::CopySelectionTo(CSpatchObj* target) {
    if (!target || target == this)
        return;
    target->DeleteAllVertices();
    target->DeleteAllCurves();
    target->DeleteAllPatches();
    target->AppendGeometry(this, 0);
    // The copy's points match ours one to one in list order. Hidden points
    // are shown for the moment: they could not be selected, so those outside
    // the chosen pieces would escape the deletion below.
    POSITION pos = m_vertices.GetHeadPosition();
    for (CPatchVertex* copy : target->m_vertices) {
        copy->m_hidden = 0;
        copy->SetSelected(m_vertices.GetNext(pos)->m_selected);
    }
    target->SelectConnectedVertices();
    target->InvertVertexSelection();
    pos = m_vertices.GetHeadPosition();
    for (CPatchVertex* copy : target->m_vertices) {
        const CPatchVertex* source = m_vertices.GetNext(pos);
        copy->m_visible = source->m_visible;
        copy->m_hidden = source->m_hidden;
    }
    target->DeleteSelectedVertices();
    target->UpdateCurveHandles();
    target->SetNeedsRebuild(1);
    target->SelectAllCurvePoints(0);
}

int CSpatchObj::ExtrudeCircleAlongCurve(float radius) {
    const CCurve* path = GetSelectedCurve();
    if (!path)
        return 0;
    std::array<CCurve*, 4> rails;
    for (CCurve*& rail : rails) {
        rail = AddCurve();
        rail->m_closed = path->m_closed;
    }
    const CObjList<CCurvePoint>& nodes = path->m_nodes;
    // A closed curve of two nodes has no distinct neighbours on both sides.
    const bool hasEnds = !path->m_closed || nodes.GetCount() == 2;
    const CCurvePoint* prev = nodes.GetTail();
    for (POSITION pos = nodes.GetHeadPosition(); pos;) {
        const bool first = pos == nodes.GetHeadPosition();
        const CCurvePoint* cur = nodes.GetNext(pos);
        const CCurvePoint* next = pos ? nodes.GetAt(pos) : nodes.GetHead();
        const CVector3& at = *cur->m_vertex;
        CVector3 direction = *next->m_vertex - *prev->m_vertex;
        if (hasEnds && first)
            direction = *next->m_vertex - at;
        if (hasEnds && !pos)
            direction = at - *prev->m_vertex;
        CMatrix4 m;
        m.RotateX(direction.GetElevation());
        m.RotateY(direction.GetAzimuth());
        m.TranslateBy(at);
        const std::array<CVector3, 4> circle{CVector3(0.0f, radius, 0.0f), CVector3(radius, 0.0f, 0.0f),
                                             CVector3(0.0f, -radius, 0.0f), CVector3(-radius, 0.0f, 0.0f)};
        CCurve* ring = AddCurve();
        ring->m_closed = 1;
        for (int k = 0; k < 4; ++k) {
            const CVector3 p = TransformPoint(circle[k], m);
            CPatchVertex* v = AddVertex(p.GetX(), p.GetY(), p.GetZ());
            AddLinkedNode(ring, v)->m_weight = 0.385938f;
            CopyShape(*AddLinkedNode(rails[k], v), *cur);
        }
        prev = cur;
    }
    UpdateCurveHandles();
    SetNeedsRebuild(1);
    return 1;
}
