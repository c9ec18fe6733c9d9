#include "model/curve_polylines.h"
#include "model/gl_scope.h"
#include "model/piece_indices.h"
#include "model/spatch_draw.h"

#include <GL/gl.h>
#include <map>

namespace {

int CountPolylinePoints(int steps) {
    int count = 0;
    const CVector3 zero;
    ForEachPolylinePoint(steps, zero, zero, zero, zero, [&count](const CVector3&) { ++count; });
    return count;
}

// The lines of one polyline of this many points: (0, 1), (1, 2), ...
const CPieceIndices& PolylineLines(int points) {
    static std::map<int, CPieceIndices> patterns;
    auto found = patterns.find(points);
    if (found != patterns.end())
        return found->second;
    std::vector<GLuint> lines;
    for (int k = 0; k + 1 < points; ++k)
        lines.insert(lines.end(), {static_cast<GLuint>(k), static_cast<GLuint>(k + 1)});
    return patterns.emplace(points, CPieceIndices(lines, points)).first->second;
}

} // namespace

CCurvePolylines::CCurvePolylines(int steps)
    : m_steps(steps), m_pointsPerSegment(CountPolylinePoints(steps)) {}

void CCurvePolylines::Update(int i, const CVector3& p0, const CVector3& p1, const CVector3& p2,
                             const CVector3& p3) {
    const auto at = static_cast<size_t>(i) * 4;
    if (at < m_controlPoints.size()) {
        const CVector3* kept = &m_controlPoints[at];
        if (kept[0] == p0 && kept[1] == p1 && kept[2] == p2 && kept[3] == p3)
            return;
    } else {
        // The polyline's room first: control points kept without it would
        // pass for an evaluated segment at the next paint.
        m_points.resize((static_cast<size_t>(i) + 1) * static_cast<size_t>(m_pointsPerSegment) * 3);
        m_controlPoints.resize(at + 4);
    }
    CVector3* kept = &m_controlPoints[at];
    kept[0] = p0;
    kept[1] = p1;
    kept[2] = p2;
    kept[3] = p3;
    float* out = &m_points[static_cast<size_t>(i) * static_cast<size_t>(m_pointsPerSegment) * 3];
    ForEachPolylinePoint(m_steps, p0, p1, p2, p3, [&out](const CVector3& p) {
        *out++ = p.GetX();
        *out++ = p.GetY();
        *out++ = p.GetZ();
    });
    ++m_evaluated;
}

void CCurvePolylines::Draw(const CObjList<CCurve>& curves, const CCurveColours& colours) {
    m_count = 0;
    m_evaluated = 0;
    m_runs.clear();
    ForEachDrawnSegment(curves, [&](const CCurvePoint& a, const CCurvePoint& b) {
        Update(m_count, *a.m_vertex, a.m_handleOut, b.m_handleIn, *b.m_vertex);
        const uint32_t colour = colours.Of(a, b);
        if (m_runs.empty() || m_runs.back().colour != colour)
            m_runs.push_back(Run{m_count, 0, colour});
        ++m_runs.back().count;
        ++m_count;
    });
    // Both only shrink or stay here.
    m_controlPoints.resize(static_cast<size_t>(m_count) * 4);
    m_points.resize(static_cast<size_t>(m_count) * static_cast<size_t>(m_pointsPerSegment) * 3);
    if (!colours.byNode) {
        const CGlColor c = UnpackColor(colours.all);
        glColor3f(c.r, c.g, c.b);
    }
    if (m_count == 0)
        return;
    // One call for each run of segments of one colour, in their order.
    const CPieceIndices& lines = PolylineLines(m_pointsPerSegment);
    const GlClientArrayScope arrays;
    glEnableClientState(GL_VERTEX_ARRAY);
    for (const Run& run : m_runs) {
        const CGlColor c = UnpackColor(run.colour);
        glColor3f(c.r, c.g, c.b);
        lines.Draw(GL_LINES,
                   &m_points[static_cast<size_t>(run.first) * static_cast<size_t>(m_pointsPerSegment) * 3],
                   nullptr, nullptr, run.count);
    }
}
