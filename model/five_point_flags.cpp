// The per-point flags that five-sided patches and the document's vertex
// record use: the fivePoint flag, the marker values and the own colour.
#include "model/model_document.h"
#include "model/spatch_obj.h"
#include "platform/base/archive.h"

#include <GL/gl.h>
#include <vector>

namespace {

// Lighting, point size and colour as they were before the points were drawn.
class GlPointStateScope {
public:
    GlPointStateScope() { glPushAttrib(GL_ENABLE_BIT | GL_POINT_BIT | GL_CURRENT_BIT); }
    ~GlPointStateScope() { glPopAttrib(); }
    GlPointStateScope(const GlPointStateScope&) = delete;
    GlPointStateScope& operator=(const GlPointStateScope&) = delete;
};

// The points that pass marked in red, two pixels larger, then the others in yellow.
template <class Pred> void DrawMarkedVertices(const CObjList<CPatchVertex>& vertices, Pred marked) {
    const CModelDocument* doc = GetModelDoc();
    const float size = doc ? doc->GetVertexPointSize() : 4.0f;
    GlPointStateScope state;
    glDisable(GL_LIGHTING);
    for (const bool red : {true, false}) {
        glPointSize(red ? size + 2.0f : size);
        glColor3f(1.0f, red ? 0.0f : 1.0f, 0.0f);
        glBegin(GL_POINTS);
        for (const CPatchVertex* v : vertices)
            if (marked(*v) == red)
                glVertex3f(v->GetX(), v->GetY(), v->GetZ());
        glEnd();
    }
}

template <class Pred> int CountWhere(const CObjList<CPatchVertex>& vertices, Pred pred) {
    int n = 0;
    for (const CPatchVertex* v : vertices)
        n += pred(*v) ? 1 : 0;
    return n;
}

bool HasFivePoint(const CPatchVertex& v) {
    return v.m_fivePoint != 0;
}
bool HasMarker(const CPatchVertex& v) {
    return v.m_markerFlag != 0;
}
bool HasOwnColor(const CPatchVertex& v) {
    return v.m_ownColor != 0;
}

} // namespace

void CSpatchObj::SetFivePointFlag(int op) {
    if (op == fivePointSet || op == fivePointClear || op == fivePointInvert)
        for (CPatchVertex* v : m_vertices) {
            if (!v->m_selected)
                continue;
            v->m_fivePoint = op == fivePointSet ? 1 : op == fivePointClear ? 0 : !v->m_fivePoint;
        }
    SetNeedsRebuild(1);
}

void CSpatchObj::SelectByFivePointFlag(int v) {
    for (CPatchVertex* vertex : m_vertices)
        if (vertex->m_fivePoint == v)
            vertex->SetSelected(1);
    SelectAllCurvePoints(0);
}

void CSpatchObj::DrawFivePointVertices() const {
    DrawMarkedVertices(m_vertices, HasFivePoint);
}

void CSpatchObj::DrawInvisibleVertices() const {
    DrawMarkedVertices(m_vertices, [](const CPatchVertex& v) { return v.m_visible == 0; });
}

int CSpatchObj::CountFivePointVertices() const {
    return CountWhere(m_vertices, HasFivePoint);
}

int CSpatchObj::CountMarkedVertices() const {
    return CountWhere(m_vertices, HasMarker);
}

int CSpatchObj::CountColouredVertices() const {
    return CountWhere(m_vertices, HasOwnColor);
}

void CSpatchObj::WriteVertexFlags(CArchive& ar) const {
    ar << int32_t(CountFivePointVertices());
    int32_t index = 0;
    for (const CPatchVertex* v : m_vertices) {
        if (HasFivePoint(*v))
            ar << index;
        ++index;
    }
    ar << int32_t(CountMarkedVertices());
    index = 0;
    for (const CPatchVertex* v : m_vertices) {
        if (HasMarker(*v))
            ar << index << int32_t(v->m_markerValues[0]) << int32_t(v->m_markerValues[1]);
        ++index;
    }
    ar << int32_t(CountColouredVertices());
    index = 0;
    for (const CPatchVertex* v : m_vertices) {
        if (HasOwnColor(*v))
            ar << index << v->m_color;
        ++index;
    }
}

void CSpatchObj::ReadVertexFlags(CArchive& ar) {
    ApplyVertexFlags(ReadVertexFlagRecord(ar));
}

CVertexFlagRecord CSpatchObj::ReadVertexFlagRecord(CArchive& ar) const {
    // No list can name more points than the object has; a larger count, or
    // one the rest of the stream cannot hold, is a damaged record.
    const int pointCount = m_vertices.GetCount();
    CVertexFlagRecord record;
    record.fivePoints.resize(ar.ReadCount(pointCount, 4));
    for (int32_t& index : record.fivePoints)
        ar >> index;
    record.markers.resize(ar.ReadCount(pointCount, 12));
    for (CVertexFlagRecord::Marker& marker : record.markers)
        ar >> marker.index >> marker.values[0] >> marker.values[1];
    record.colours.resize(ar.ReadCount(pointCount, 8));
    for (CVertexFlagRecord::Colour& colour : record.colours)
        ar >> colour.index >> colour.colour;
    return record;
}

void CSpatchObj::ApplyVertexFlags(const CVertexFlagRecord& record) {
    const int pointCount = m_vertices.GetCount();
    std::vector<CPatchVertex*> points;
    points.reserve(pointCount);
    for (CPatchVertex* v : m_vertices) {
        v->m_fivePoint = 0;
        v->m_markerFlag = 0;
        v->m_ownColor = 0;
        points.push_back(v);
    }
    // An index beyond the list names no point and is skipped.
    auto point = [&](int32_t index) { return index >= 0 && index < pointCount ? points[index] : nullptr; };
    for (int32_t index : record.fivePoints)
        if (CPatchVertex* v = point(index))
            v->m_fivePoint = 1;
    for (const CVertexFlagRecord::Marker& marker : record.markers)
        if (CPatchVertex* v = point(marker.index)) {
            v->m_markerFlag = 1;
            v->m_markerValues = {marker.values[0], marker.values[1]};
        }
    for (const CVertexFlagRecord::Colour& colour : record.colours)
        if (CPatchVertex* v = point(colour.index)) {
            v->m_ownColor = 1;
            v->m_color = colour.colour;
        }
}
