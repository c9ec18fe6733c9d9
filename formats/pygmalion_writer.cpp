#include "formats/pygmalion_writer.h"

#include "formats/export_framework.h"
#include "model/spatch_obj.h"

#include <vector>

namespace {

// Segment numbers: every node of a curve gets the running counter, which
// moves on after each node but the last of an open curve. A segment runs
// from its node to the next one, the closing one from the last to the first.
class CSegmentNumbers {
public:
    explicit CSegmentNumbers(const CSpatchObj& obj) {
        int counter = 0;
        for (const CCurve* curve : obj.GetCurves()) {
            m_first.push_back(counter);
            const int count = curve->m_nodes.GetCount();
            counter += curve->m_closed ? count : std::max(count - 1, 0);
        }
        m_total = counter;
    }
    // Needs the curves numbered.
    int Of(const CCurve* curve, const CCurvePoint* node) const {
        return m_first[curve->m_number] + node->m_number;
    }
    int Total() const { return m_total; }

private:
    std::vector<int> m_first;
    int m_total = 0;
};

void WriteCameras(CExportText& text) {
    text << "normal\ncamera \n0.000000 0.000000 0.000000\n20.000000 10.000000 90.000000\n320 240 60.000000\n"
            "xy\ncamera \n0.100000\n0.000000 0.000000 10.000000\n320 240 60.000000\n"
            "yz\ncamera \n0.100000\n10.000000 0.000000 0.000000\n320 240 60.000000\n"
            "xz\ncamera \n0.100000\n0.000000 10.000000 0.000000\n320 240 60.000000\n";
}

// The segments that end at the node, in the file's order: for the first
// node the closing segment before its own, else its own before the one of
// the node before it.
void AddSegmentEnds(const CSegmentNumbers& segments, const CVertexLink& link, std::vector<int>& ends) {
    const CCurve* curve = link.m_curve;
    const CCurvePoint* node = link.m_node;
    const int count = curve->m_nodes.GetCount();
    const int index = node->m_number;
    const int own = segments.Of(curve, node);
    const bool last = index == count - 1;
    if (index == 0) {
        if (curve->m_closed)
            ends.push_back(segments.Of(curve, curve->m_nodes.GetTail()));
        if (!last || curve->m_closed)
            ends.push_back(own);
        return;
    }
    if (!last || curve->m_closed)
        ends.push_back(own);
    ends.push_back(own - 1);
}

void WritePoints(CExportText& text, const CSpatchObj& obj, const CSegmentNumbers& segments) {
    std::vector<int> ends;
    for (const CPatchVertex* v : obj.GetVertices()) {
        ends.clear();
        for (const CVertexLink* link : v->m_links)
            AddSegmentEnds(segments, *link, ends);
        text.Fixed(v->GetX(), 6) << ' ';
        text.Fixed(v->GetY(), 6) << ' ';
        text.Fixed(-v->GetZ(), 6) << ' ';
        text.Int(static_cast<long>(ends.size())) << ' ';
        text.Int(v->m_patches.GetCount()) << " 0.500000\n";
        for (int segment : ends)
            text.Int(segment) << ' ';
        for (const CPatch* patch : v->m_patches)
            text.Int(patch->m_number) << ' ';
        text << '\n';
    }
}

void WriteSegment(CExportText& text, const CPatchVertex* start, const CPatchVertex* end) {
    std::vector<int> patches;
    for (const CPatch* patch : start->m_patches)
        for (int k = 0; k < patch->m_sides; ++k)
            if (patch->GetCorner(k) == end)
                patches.push_back(patch->m_number);
    text.Int(start->m_index) << ' ';
    text.Int(end->m_index) << ' ';
    text.Int(static_cast<long>(patches.size())) << " 0.500000\n";
    for (int patch : patches)
        text.Int(patch) << ' ';
    text << '\n';
}

void WriteSegments(CExportText& text, const CSpatchObj& obj) {
    for (const CCurve* curve : obj.GetCurves()) {
        const CCurvePoint* previous = nullptr;
        for (const CCurvePoint* node : curve->m_nodes) {
            if (previous)
                WriteSegment(text, previous->m_vertex, node->m_vertex);
            previous = node;
        }
        if (curve->m_closed && previous)
            WriteSegment(text, previous->m_vertex, curve->m_nodes.GetHead()->m_vertex);
    }
}

// The segment of a patch edge: the closing one when the edge joins the
// first and the last node of a curve of more than two nodes, else the
// smaller number of its two nodes.
int EdgeSegment(const CSegmentNumbers& segments, const CPatch& patch, int k) {
    const CCurve* curve = patch.m_curves[k];
    const CCurvePoint* a = patch.m_edges[k].m_start;
    const CCurvePoint* b = patch.m_edges[k].m_end;
    const int last = curve->m_nodes.GetCount() - 1;
    if (last > 1 && ((a->m_number == 0 && b->m_number == last) || (a->m_number == last && b->m_number == 0)))
        return segments.Of(curve, curve->m_nodes.GetTail());
    return std::min(segments.Of(curve, a), segments.Of(curve, b));
}

void WritePatches(CExportText& text, const CSpatchObj& obj, const CSegmentNumbers& segments) {
    for (const CPatch* patch : obj.GetPatches()) {
        if (patch->m_sides != 3 && patch->m_sides != 4)
            continue;
        text << "0 ";
        text.Int(patch->m_sides) << '\n';
        for (int k = 0; k < patch->m_sides; ++k) {
            text.Int(EdgeSegment(segments, *patch, k));
            text << (k + 1 < patch->m_sides ? ' ' : '\n');
        }
        for (int k = 0; k < patch->m_sides; ++k) {
            text.Int(patch->GetCorner(k)->m_index);
            text << (k + 1 < patch->m_sides ? ' ' : '\n');
        }
    }
}

} // namespace

void WritePygmalion(CExportText& text, CSpatchObj& obj, int createAllSurfaces) {
    CSpatchObj work;
    work.AppendGeometry(&obj, 0);
    work.SetAllowHiddenCorners(createAllSurfaces ? 1 : obj.GetAllowHiddenCorners());
    work.RemoveAllPatches();
    work.DeleteAllPatches();
    work.FindTriPatchesCall();
    work.FindQuadPatchesCall();
    work.NumberPatches();
    const CSegmentNumbers segments(work);

    text << "PYG\nversion1.0\n# comment line \n";
    text.Int(work.GetVertices().GetCount()) << ' ';
    text.Int(segments.Total()) << ' ';
    text.Int(work.GetPatches().GetCount()) << " 4 0\n";
    WriteCameras(text);
    WritePoints(text, work, segments);
    WriteSegments(text, work);
    WritePatches(text, work, segments);
    work.RemoveAllPatches();
}

bool SavePygmalion(CSpatchObj& obj, int createAllSurfaces, const CString& path) {
    CBusyCursor busy;
    CExportText text;
    WritePygmalion(text, obj, createAllSurfaces);
    return SaveExportFile(text, path);
}
