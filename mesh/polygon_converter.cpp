#include "mesh/polygon_converter.h"
#include "mesh/polygon_obj.h"
#include "model/spatch_obj.h"

#include <algorithm>
#include <vector>

namespace {

// The interior points of a three-sided patch at resolutions 2 to 4, as
// (s, t) on its collapsed quad net, and its faces: corners q0..q2 as -1..-3,
// side sample j of side k as 10k + j, interior point i as 100 + i.
struct FanLayout {
    std::vector<std::pair<float, float>> points;
    std::vector<std::vector<int>> faces;
};

constexpr int Q0 = -1, Q1 = -2, Q2 = -3;
constexpr int E(int side, int sample) {
    return 10 * side + sample;
}
constexpr int M(int i) {
    return 100 + i;
}

const FanLayout& TriangleFan(int r) {
    static const FanLayout fans[3] = {
        {{{0.5f, 0.5f}},
         {{Q0, E(0, 0), M(0), E(2, 0)}, {E(0, 0), Q1, E(1, 0), M(0)}, {E(1, 0), Q2, E(2, 0), M(0)}}},
        {{{0.3f, 0.3f}, {0.7f, 0.3f}, {0.5f, 0.7f}},
         {{Q0, E(0, 0), M(0), E(2, 1)},
          {E(0, 0), E(0, 1), M(1), M(0)},
          {E(0, 1), Q1, E(1, 0), M(1)},
          {E(1, 0), E(1, 1), M(2), M(1)},
          {E(1, 1), Q2, E(2, 0), M(2)},
          {E(2, 1), M(0), M(2), E(2, 0)},
          {M(0), M(1), M(2)}}},
        {{{0.25f, 0.25f},
          {0.5f, 0.25f},
          {0.25f, 0.5f},
          {0.5f, 0.5f},
          {0.75f, 0.25f},
          {0.75f, 0.5f},
          {0.5f, 0.75f}},
         {{Q0, E(0, 0), M(0), E(2, 2)},
          {E(0, 0), E(0, 1), M(1), M(0)},
          {E(0, 1), E(0, 2), M(4), M(1)},
          {E(0, 2), Q1, E(1, 0), M(4)},
          {E(2, 2), M(0), M(2), E(2, 1)},
          {M(0), M(1), M(3), M(2)},
          {M(1), M(4), M(5), M(3)},
          {M(4), E(1, 0), E(1, 1), M(5)},
          {E(2, 1), M(2), M(6), E(2, 0)},
          {M(2), M(3), M(5), M(6)},
          {E(1, 1), E(1, 2), M(6), M(5)},
          {E(2, 0), M(6), E(1, 2), Q2}}},
    };
    return fans[r - 2];
}

// Adds a line, triangle or quad through the vertices at the given positions.
void AddFace(CPolygonObj& target, const std::vector<int>& v) {
    CPolyFace* face = target.AddFace();
    if (v.size() == 2)
        target.SetLineFace(face, v[0], v[1]);
    else if (v.size() == 3)
        target.SetTriFace(face, v[0], v[1], v[2]);
    else
        target.SetQuadFace(face, v[0], v[1], v[2], v[3]);
}

int AddVertex(CPolygonObj& target, const CVector3& p) {
    target.AddVertex(p.GetX(), p.GetY(), p.GetZ());
    return target.GetVertices().GetCount() - 1;
}

class Converter {
public:
    Converter(CPolygonObj& target, CSpatchObj& source, int r) : m_target(target), m_source(source), m_r(r) {}

    void Run() {
        for (CPatchVertex* v : m_source.GetVertices())
            v->m_index = AddVertex(m_target, *v);
        for (CCurve* curve : m_source.GetCurves())
            AddCurve(*curve);
        for (CPatch* patch : m_source.GetPatches()) {
            if (!IsComplete(*patch))
                continue;
            if (patch->m_sides == 4)
                AddQuadPatch(*patch);
            else if (patch->m_sides == 3)
                AddTrianglePatch(*patch);
        }
    }

private:
    static bool IsComplete(const CPatch& patch) {
        if (patch.m_sides != 3 && patch.m_sides != 4)
            return false;
        for (int k = 0; k < patch.m_sides; ++k)
            if (!patch.GetCorner(k) || !patch.m_edges[k].m_end || !patch.m_curves[k])
                return false;
        return true;
    }

    void AddCurve(CCurve& curve) {
        curve.m_number = m_target.GetVertices().GetCount();
        int segment = 0;
        for (POSITION pos = curve.m_nodes.GetHeadPosition(); pos;) {
            CCurvePoint* node = curve.m_nodes.GetNext(pos);
            CCurvePoint* next = pos              ? curve.m_nodes.GetAt(pos)
                                : curve.m_closed ? curve.m_nodes.GetHead()
                                                 : nullptr;
            if (!next)
                break;
            node->m_number = segment++;
            // Every segment owns r - 1 samples, so that patch sides find theirs
            // by segment number; one without both points gets no faces.
            const bool whole = node->m_vertex && next->m_vertex;
            const CVector3 p0 = whole ? *node->m_vertex : CVector3();
            const CVector3 p3 = whole ? *next->m_vertex : CVector3();
            const int from = whole ? node->m_vertex->m_index : -1;
            const int to = whole ? next->m_vertex->m_index : -1;
            if (m_r == 1 && whole)
                AddFace(m_target, {from, to});
            int previous = from;
            for (int k = 1; k < m_r; ++k) {
                const float t = static_cast<float>(k) / static_cast<float>(m_r);
                const int sample =
                    AddVertex(m_target, BezierPoint(p0, node->m_handleOut, next->m_handleIn, p3, t));
                if (whole && k == 1)
                    AddFace(m_target, {from, sample});
                if (whole && k == m_r - 1)
                    AddFace(m_target, {sample, to});
                if (whole && k >= 2)
                    AddFace(m_target, {previous, sample});
                previous = sample;
            }
        }
    }

    // Sample j (0..r-2) of side k, counted from the side's start corner.
    int SideSample(const CPatch& patch, int k, int j) const {
        const int forward = patch.m_direction[k];
        const CNodePair& edge = patch.m_edges[k];
        const int segment = (forward ? edge.m_start : edge.m_end)->m_number;
        const int first = patch.m_curves[k]->m_number + segment * (m_r - 1);
        return first + (forward ? j : m_r - 2 - j);
    }

    int Corner(const CPatch& patch, int k) const { return patch.GetCorner(k)->m_index; }

    void AddQuadPatch(const CPatch& patch) {
        const int r = m_r;
        if (r == 1) {
            AddFace(m_target, {Corner(patch, 0), Corner(patch, 1), Corner(patch, 2), Corner(patch, 3)});
            return;
        }
        PatchNet net{};
        patch.BuildNet(net);
        std::vector<std::vector<int>> g(r + 1, std::vector<int>(r + 1));
        for (int a = 1; a < r; ++a)
            for (int b = 1; b < r; ++b)
                g[a][b] = AddVertex(m_target, CSpatchObj::EvaluateQuadNet(net, static_cast<float>(a) / r,
                                                                          static_cast<float>(b) / r));
        g[0][0] = Corner(patch, 0);
        g[r][0] = Corner(patch, 1);
        g[r][r] = Corner(patch, 2);
        g[0][r] = Corner(patch, 3);
        for (int i = 1; i < r; ++i) {
            g[i][0] = SideSample(patch, 0, i - 1);
            g[r][i] = SideSample(patch, 1, i - 1);
            g[i][r] = SideSample(patch, 2, r - 1 - i);
            g[0][i] = SideSample(patch, 3, r - 1 - i);
        }
        for (int a = 0; a < r; ++a)
            for (int b = 0; b < r; ++b)
                AddFace(m_target, {g[a][b], g[a][b + 1], g[a + 1][b + 1], g[a + 1][b]});
    }

    void AddTrianglePatch(const CPatch& patch) {
        if (m_r == 1) {
            AddFace(m_target, {Corner(patch, 0), Corner(patch, 1), Corner(patch, 2)});
            return;
        }
        const FanLayout& fan = TriangleFan(m_r);
        std::vector<int> interior;
        for (const auto& [s, t] : fan.points) {
            CVector3 p;
            m_source.EvaluateQuadPatch(p, &patch, s, t);
            interior.push_back(AddVertex(m_target, p));
        }
        for (const std::vector<int>& face : fan.faces) {
            std::vector<int> corners;
            for (int code : face)
                corners.push_back(code < 0      ? Corner(patch, -code - 1)
                                  : code >= 100 ? interior[code - 100]
                                                : SideSample(patch, code / 10, code % 10));
            AddFace(m_target, corners);
        }
    }

    CPolygonObj& m_target;
    CSpatchObj& m_source;
    int m_r;
};

} // namespace

void CPolygonConverter::Convert(CPolygonObj* target, CSpatchObj* source, int resolution) const {
    if (!target || !source)
        return;
    if (source->GetNeedsRebuild())
        source->Rebuild();
    Converter(*target, *source, std::clamp(resolution, 1, 4)).Run();
}

std::unique_ptr<CPolygonObj> MakePolygonObject(CSpatchObj& source, int resolution) {
    auto target = std::make_unique<CPolygonObj>();
    CPolygonConverter().Convert(target.get(), &source, resolution);
    target->BuildTopology();
    target->UnifyFaceOrientation();
    target->ComputeNormals();
    target->ClearAdjacency();
    target->SetName(source.GetName());
    target->SetColor(source.GetColor());
    return target;
}
