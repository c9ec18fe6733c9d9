#include "mesh/surface_grid.h"
#include "model/gl_scope.h"
#include "model/piece_indices.h"
#include "model/quad_net_eval.h"
#include "model/recent_by_key.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The triangles of one net of this size: row by row, each cell as the two
// triangles of a strip running along the row through (i, j) and (i, j + 1),
// the triangles and their order glEvalMesh2 gives.
const CPieceIndices& NetTriangles(int size) {
    static std::map<int, CPieceIndices> patterns;
    auto found = patterns.find(size);
    if (found != patterns.end())
        return found->second;
    const int side = size + 1;
    std::vector<GLuint> triangles;
    triangles.reserve(static_cast<size_t>(size) * size * 6);
    for (int j = 0; j < size; ++j)
        for (int i = 0; i < size; ++i) {
            const auto a = static_cast<GLuint>(j * side + i);
            const GLuint b = a + 1;
            const GLuint c = a + static_cast<GLuint>(side);
            const GLuint d = c + 1;
            triangles.insert(triangles.end(), {a, c, b, b, c, d});
        }
    return patterns.emplace(size, CPieceIndices(triangles, side * side)).first->second;
}

// The weights of the parameters i / n, i = 0..n, four a parameter.
std::vector<float> GridWeights(int n) {
    std::vector<float> weights(static_cast<size_t>(n + 1) * 4);
    const float step = 1.0f / static_cast<float>(n);
    for (int i = 0; i <= n; ++i)
        QuadNetWeights(static_cast<float>(i) * step, &weights[static_cast<size_t>(i) * 4]);
    return weights;
}

// The derivative of the cubic through p0..p3 (stride apart) at the quadratic
// weights b, less its factor 3. Written on the differences of neighbouring
// points, so that it is exactly zero where they coincide.
float Slope(const float* p, int stride, const float b[3]) {
    return b[0] * (p[stride] - p[0]) + b[1] * (p[2 * stride] - p[stride]) +
           b[2] * (p[3 * stride] - p[2 * stride]);
}

void QuadraticWeights(float u, float b[3]) {
    const float v = 1.0f - u;
    b[0] = v * v;
    b[1] = 2.0f * v * u;
    b[2] = u * u;
}

// The unit normal of net at every grid point: the cross product of the
// derivatives along s (a row) and along t (a column), as the evaluators'
// automatic normals; zero where the surface is degenerate.
void NetNormals(const PatchNet& net, int n, const std::vector<float>& weights, float* out) {
    const float step = 1.0f / static_cast<float>(n);
    for (int j = 0; j <= n; ++j) {
        const float t = static_cast<float>(j) * step;
        float bt[3];
        QuadraticWeights(t, bt);
        // Each column's point and slope along t at this row.
        float column[12], columnSlope[12];
        QuadNetColumns(net, &weights[static_cast<size_t>(j) * 4], column);
        for (int c = 0; c < 4; ++c)
            for (int axis = 0; axis < 3; ++axis)
                columnSlope[c * 3 + axis] = Slope(&net[c * 3 + axis], 12, bt);
        for (int i = 0; i <= n; ++i) {
            const float s = static_cast<float>(i) * step;
            float bs[3];
            QuadraticWeights(s, bs);
            const float* ws = &weights[static_cast<size_t>(i) * 4];
            float ds[3], dt[3];
            for (int axis = 0; axis < 3; ++axis) {
                ds[axis] = Slope(&column[axis], 3, bs);
                dt[axis] = ws[0] * columnSlope[axis] + ws[1] * columnSlope[3 + axis] +
                           ws[2] * columnSlope[6 + axis] + ws[3] * columnSlope[9 + axis];
            }
            float normal[3] = {ds[1] * dt[2] - ds[2] * dt[1], ds[2] * dt[0] - ds[0] * dt[2],
                               ds[0] * dt[1] - ds[1] * dt[0]};
            const float length =
                std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
            if (length > 0.0f)
                for (float& x : normal)
                    x /= length;
            out = std::copy(normal, normal + 3, out);
        }
    }
}

bool AnyCornerHidden(const CPatch& patch) {
    for (int k = 0; k < patch.m_sides; ++k) {
        const CPatchVertex* corner = patch.GetCorner(k);
        if (!corner || corner->m_hidden)
            return true;
    }
    return false;
}

std::vector<const CPatchVertex*> HiddenVertices(const CSpatchObj& object) {
    std::vector<const CPatchVertex*> hidden;
    for (const CPatchVertex* v : object.GetVertices())
        if (v->m_hidden)
            hidden.push_back(v);
    return hidden;
}

} // namespace

void CSurfaceGrid::AddNet(const PatchNet& net, int size, const std::vector<float>& weights, int patch) {
    const int side = size + 1;
    const auto first = static_cast<int32_t>(m_positions.size() / 3);
    m_nets.push_back(Net{first, size, patch});
    m_positions.resize(m_positions.size() + static_cast<size_t>(side) * side * 3);
    float* out = &m_positions[static_cast<size_t>(first) * 3];
    for (int j = 0; j < side; ++j) {
        float columns[12];
        QuadNetColumns(net, &weights[static_cast<size_t>(j) * 4], columns);
        for (int i = 0; i < side; ++i, out += 3)
            QuadNetPoint(columns, &weights[static_cast<size_t>(i) * 4], out);
    }
}

void CSurfaceGrid::Build(const CSpatchObj& object, int grid) {
    // Current only once whole: a build that runs out of memory leaves a grid
    // that the next paint builds again, with nothing to draw meanwhile.
    m_grid = -1;
    m_nets.clear();
    m_positions.clear();
    m_normals.clear();
    m_runs.clear();
    // Triangles and five-sided patches are drawn in one part per corner,
    // each at half the grid, so that they match the density of a quad.
    const int half = grid / 2;
    const std::vector<float> full = GridWeights(std::max(grid, 1));
    const std::vector<float> halves = GridWeights(std::max(half, 1));
    int index = 0;
    for (const CPatch* patch : object.GetPatches()) {
        if (patch->m_sides == 4 && grid >= 1)
            AddNet(patch->Net(0), grid, full, index);
        else if (patch->m_sides == 3 && half >= 1)
            for (int k = 0; k < patch->NetCount(); ++k)
                AddNet(patch->Net(k), half, halves, index);
        ++index;
    }
    if (half >= 1)
        for (const CFivePointPatch* patch : object.GetFivePatches())
            for (int k = 0; k < patch->NetCount(); ++k)
                AddNet(patch->Net(k), half, halves, -1);
    UpdateRuns(object);
    m_grid = grid;
    m_netsGeneration = object.GetNetsGeneration();
}

bool CSurfaceGrid::IsCurrent(const CSpatchObj& object, int grid) const {
    return m_grid == grid && m_netsGeneration == object.GetNetsGeneration();
}

void CSurfaceGrid::UpdateRuns(const CSpatchObj& object) {
    // Made apart and traded in: the runs and the hidden points they were
    // made for always go together.
    std::vector<const CPatchVertex*> hidden = HiddenVertices(object);
    std::vector<char> shown;
    shown.reserve(static_cast<size_t>(object.GetPatches().GetCount()));
    for (const CPatch* patch : object.GetPatches())
        shown.push_back(AnyCornerHidden(*patch) ? 0 : 1);
    std::vector<Run> runs;
    for (size_t k = 0; k < m_nets.size(); ++k) {
        const Net& net = m_nets[k];
        if (net.patch >= 0 && !shown[static_cast<size_t>(net.patch)])
            continue;
        if (!runs.empty()) {
            Run& last = runs.back();
            if (static_cast<size_t>(last.firstNet + last.count) == k &&
                m_nets[last.firstNet].size == net.size) {
                ++last.count;
                continue;
            }
        }
        runs.push_back(Run{static_cast<int32_t>(k), 1});
    }
    m_hidden.swap(hidden);
    m_runs.swap(runs);
}

void CSurfaceGrid::ComputeNormals(const CSpatchObj& object) {
    // Kept only once all are there: the normals are present or absent.
    std::vector<float> normals(m_positions.size());
    const int half = m_grid / 2;
    const std::vector<float> full = GridWeights(std::max(m_grid, 1));
    const std::vector<float> halves = GridWeights(std::max(half, 1));
    auto net = m_nets.begin();
    auto add = [&](const PatchNet& source) {
        NetNormals(source, net->size, net->size == m_grid ? full : halves,
                   &normals[static_cast<size_t>(net->first) * 3]);
        ++net;
    };
    for (const CPatch* patch : object.GetPatches()) {
        if (patch->m_sides == 4 && m_grid >= 1)
            add(patch->Net(0));
        else if (patch->m_sides == 3 && half >= 1)
            for (int k = 0; k < patch->NetCount(); ++k)
                add(patch->Net(k));
    }
    if (half >= 1)
        for (const CFivePointPatch* patch : object.GetFivePatches())
            for (const PatchNet& source : patch->m_nets)
                add(source);
    m_normals.swap(normals);
}

int CSurfaceGrid::CountDrawnNets() const {
    int count = 0;
    for (const Run& run : m_runs)
        count += run.count;
    return count;
}

void CSurfaceGrid::PrepareNormals(const CSpatchObj& object) {
    if (m_normals.empty())
        ComputeNormals(object);
}

void CSurfaceGrid::Draw(const CSpatchObj& object, bool withNormals) {
    if (HiddenVertices(object) != m_hidden)
        UpdateRuns(object);
    if (m_runs.empty())
        return;
    if (withNormals)
        PrepareNormals(object);
    // Arrays leave the current normal undefined; the evaluators kept it.
    GLfloat currentNormal[3];
    glGetFloatv(GL_CURRENT_NORMAL, currentNormal);
    {
        const GlClientArrayScope arrays;
        glEnableClientState(GL_VERTEX_ARRAY);
        if (withNormals)
            glEnableClientState(GL_NORMAL_ARRAY);
        for (const Run& run : m_runs) {
            const Net& first = m_nets[static_cast<size_t>(run.firstNet)];
            const size_t at = static_cast<size_t>(first.first) * 3;
            NetTriangles(first.size)
                .Draw(GL_TRIANGLES, &m_positions[at], withNormals ? &m_normals[at] : nullptr, nullptr,
                      run.count);
        }
    }
    glNormal3fv(currentNormal);
}

CSurfaceGrid& CSurfaceGrids::Get(const CSpatchObj& object, int grid) {
    constexpr size_t kPanes = 4;
    CSurfaceGrid& found = TakeMostRecent(
        m_grids, kPanes, grid, [](const CSurfaceGrid& g) { return g.GetResolution(); },
        [] { return CSurfaceGrid(); });
    if (!found.IsCurrent(object, grid))
        found.Build(object, grid);
    return found;
}
