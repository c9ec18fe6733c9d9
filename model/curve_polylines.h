#pragma once
// The curves of a patch object as a pane draws them, kept between paints:
// every drawn segment's polyline at one resolution in one vertex array, drawn
// as lines with one call per run of segments of one colour (and per 65,536
// points) instead of a begin/end pair per segment. The pixels are those of
// the segments' line strips.
//
// Each paint walks the segments as drawing them always did and compares
// each one's four control points with those its polyline was made from, so
// only the segments that changed are evaluated again, whatever changed them.
#include "model/patch_elements.h"

#include <cstdint>
#include <vector>

// Every curve segment that may be drawn: both ends on shown control points
// and not a one-node loop. fn(start node, end node).
template <class Fn> void ForEachDrawnSegment(const CObjList<CCurve>& curves, Fn fn) {
    for (const CCurve* curve : curves) {
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            const CCurvePoint* a = curve->m_nodes.GetNext(pos);
            const CCurvePoint* b = pos               ? curve->m_nodes.GetAt(pos)
                                   : curve->m_closed ? curve->m_nodes.GetHead()
                                                     : nullptr;
            if (!b || a == b || !a->m_vertex || !b->m_vertex || a->m_vertex->m_hidden ||
                b->m_vertex->m_hidden)
                continue;
            fn(*a, *b);
        }
    }
}

// How segments are coloured (packed 0x00BBGGRR): all alike, or each by its
// start node and its two control points.
struct CCurveColours {
    bool byNode = false;
    uint32_t all = 0;
    uint32_t selected = 0;  // the start node is selected
    uint32_t visible = 0;   // both control points may be patch corners
    uint32_t invisible = 0; // one of them may not

    uint32_t Of(const CCurvePoint& start, const CCurvePoint& end) const {
        if (!byNode)
            return all;
        if (start.m_selected)
            return selected;
        return start.m_vertex->m_visible == 1 && end.m_vertex->m_visible == 1 ? visible : invisible;
    }
};

class CCurvePolylines {
public:
    explicit CCurvePolylines(int steps);

    int GetSteps() const { return m_steps; }
    // Draws every segment with both ends on shown control points that is not
    // a one-node loop, in curve and node order, at this resolution and in its
    // colour. The current colour is left as the last segment's (as the
    // colours' `all` when they are alike). Needs a current context.
    void Draw(const CObjList<CCurve>& curves, const CCurveColours& colours);
    // Segments drawn by the last Draw, and how many it evaluated again.
    int CountSegments() const { return m_count; }
    int CountEvaluated() const { return m_evaluated; }

private:
    // Brings segment i's polyline up to date with its control points.
    void Update(int i, const CVector3& p0, const CVector3& p1, const CVector3& p2, const CVector3& p3);

    int m_steps;
    int m_pointsPerSegment;
    int m_count = 0;
    int m_evaluated = 0;
    std::vector<CVector3> m_controlPoints; // four per segment
    std::vector<float> m_points;           // x, y, z per polyline point
    // Consecutive segments of one colour, from the last Draw.
    struct Run {
        int first;
        int count;
        uint32_t colour;
    };
    std::vector<Run> m_runs;
};
