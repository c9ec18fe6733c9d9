// The operations every mesh pass shares: clearing, copying, the edge table
// and the per-vertex incidence lists.
#include "mesh/mesh_processor.h"
#include "mesh/mesh_incidence.h"

#include <utility>

namespace {

// The edge table in the making, with the edges met so far at each vertex
// to find repeats; every side is offered at most once per end, which bounds
// each vertex's list.
class EdgeCollector {
public:
    EdgeCollector(int vertexCount, const std::vector<int32_t>& bounds) : m_vertexCount(vertexCount) {
        m_start.resize(vertexCount);
        int32_t total = 0;
        for (int v = 0; v < vertexCount; ++v) {
            m_start[v] = total;
            total += bounds[v];
        }
        m_fill = m_start;
        m_atVertex.resize(total);
    }

    void Add(int32_t a, int32_t b) {
        if (a == b || !InRange(a) || !InRange(b))
            return;
        for (int32_t i = m_start[a]; i < m_fill[a]; ++i) {
            const CMeshEdge& e = m_edges[m_atVertex[i]];
            if ((e.a == a && e.b == b) || (e.a == b && e.b == a))
                return;
        }
        const auto index = static_cast<int32_t>(m_edges.size());
        m_edges.push_back(CMeshEdge{a, b});
        m_atVertex[m_fill[a]++] = index;
        m_atVertex[m_fill[b]++] = index;
    }

    std::vector<CMeshEdge> Take() { return std::move(m_edges); }

private:
    bool InRange(int32_t v) const { return v >= 0 && v < m_vertexCount; }

    int m_vertexCount;
    std::vector<int32_t> m_start, m_fill, m_atVertex;
    std::vector<CMeshEdge> m_edges;
};

template <class Fn> void ForEachSide(const std::vector<CMeshFace>& faces, int corners, Fn fn) {
    for (const CMeshFace& face : faces)
        for (int k = 0; k < corners; ++k)
            fn(face.vertex[k], face.vertex[(k + 1) % corners]);
}

} // namespace

void CMeshProcessor::ClearMesh() {
    if (!m_mesh)
        return;
    m_mesh->m_vertices = {};
    m_mesh->m_edges = {};
    m_mesh->m_faces = {};
    ClearBuiltFlags();
}

void CMeshProcessor::EmptyMesh() {
    if (!m_mesh)
        return;
    m_mesh->m_vertices.Resize(0);
    m_mesh->m_edges.m_edges.clear();
    m_mesh->m_faces.FreeAll();
    ClearBuiltFlags();
}

void CMeshProcessor::ClearBuiltFlags() {
    m_mesh->m_edgesBuilt = 0;
    m_mesh->m_vertexEdgesBuilt = 0;
    m_mesh->m_vertexFacesBuilt = 0;
}

void CMeshProcessor::CopySettings(const CPatchMesh& source) {
    if (!m_mesh)
        return;
    CPatchMesh& t = *m_mesh;
    t.m_meshMirrorMode = source.m_meshMirrorMode;
    t.m_mirrorDistanceLimit = source.m_mirrorDistanceLimit;
    t.m_meshMirrorAxis = source.m_meshMirrorAxis;
    t.m_mirrorDistance = source.m_mirrorDistance;
    t.m_shading = source.m_shading;
    t.m_creaseAngle = source.m_creaseAngle;
    t.m_subdivide = source.m_subdivide;
    t.m_subdivisionSegments = source.m_subdivisionSegments;
    t.m_revolve = source.m_revolve;
    t.m_revolveAxis = source.m_revolveAxis;
    t.m_revolveSegments = source.m_revolveSegments;
    t.CopyAttributes(source); // the name too
}

void CMeshProcessor::CopyMeshFrom(CPatchMesh& source) {
    if (!m_mesh)
        return;
    if (!source.m_edgesBuilt)
        CMeshProcessor(&source).BuildEdges();
    if (&source != m_mesh) {
        ClearMesh();
        CPatchMesh& t = *m_mesh;
        t.m_edgesBuilt = source.m_edgesBuilt;
        t.m_vertices.m_positions = source.m_vertices.m_positions;
        t.m_edges.m_edges = source.m_edges.m_edges;
        t.m_faces.m_lines = source.m_faces.m_lines;
        t.m_faces.m_triangles = source.m_faces.m_triangles;
        t.m_faces.m_quads = source.m_faces.m_quads;
        t.m_faces.m_lineUVs = source.m_faces.m_lineUVs;
        t.m_faces.m_triangleUVs = source.m_faces.m_triangleUVs;
        t.m_faces.m_quadUVs = source.m_faces.m_quadUVs;
    }
    BuildVertexEdgeLists();
    BuildVertexFaceLists();
}

void CMeshProcessor::BuildEdges() {
    if (!m_mesh)
        return;
    CPatchMesh& mesh = *m_mesh;
    mesh.m_edgesBuilt = 1;
    mesh.m_vertexEdgesBuilt = 0;
    mesh.m_vertexFacesBuilt = 0;
    mesh.m_edges.Free();
    const int n = mesh.m_vertices.GetCount();
    if (n < 2)
        return;
    const CMeshFaceArrays& faces = mesh.m_faces;
    std::vector<int32_t> bounds(n, 0);
    auto count = [&](int32_t a, int32_t b) {
        if (a == b || a < 0 || b < 0 || a >= n || b >= n)
            return;
        ++bounds[a];
        ++bounds[b];
    };
    for (const CMeshFace& line : faces.m_lines)
        count(line.vertex[0], line.vertex[1]);
    ForEachSide(faces.m_triangles, 3, count);
    ForEachSide(faces.m_quads, 4, count);

    EdgeCollector edges(n, bounds);
    auto add = [&](int32_t a, int32_t b) { edges.Add(a, b); };
    for (const CMeshFace& line : faces.m_lines)
        add(line.vertex[0], line.vertex[1]);
    ForEachSide(faces.m_triangles, 3, add);
    ForEachSide(faces.m_quads, 4, add);
    mesh.m_edges.m_edges = edges.Take();
}

void CMeshProcessor::BuildVertexEdgeLists() {
    if (!m_mesh)
        return;
    if (!m_mesh->m_edgesBuilt)
        BuildEdges();
    CPatchMesh& mesh = *m_mesh;
    mesh.m_vertexEdgesBuilt = 1;
    const std::vector<CMeshEdge>& edges = mesh.m_edges.m_edges;
    FillIncidence(mesh.m_vertices.m_edgeLinks, mesh.m_vertices.GetCount(), [&](auto place) {
        for (size_t e = 0; e < edges.size(); ++e) {
            place(edges[e].a, static_cast<int32_t>(e));
            place(edges[e].b, static_cast<int32_t>(e));
        }
    });
}

void CMeshProcessor::BuildVertexFaceLists() {
    if (!m_mesh)
        return;
    CPatchMesh& mesh = *m_mesh;
    mesh.m_vertexFacesBuilt = 1;
    const int n = mesh.m_vertices.GetCount();
    FillFaceIncidence(mesh.m_vertices.m_lineLinks, n, mesh.m_faces.m_lines, 2);
    FillFaceIncidence(mesh.m_vertices.m_triangleLinks, n, mesh.m_faces.m_triangles, 3);
    FillFaceIncidence(mesh.m_vertices.m_quadLinks, n, mesh.m_faces.m_quads, 4);
}

void CMeshProcessor::BuildAdjacency() {
    BuildVertexEdgeLists();
    BuildVertexFaceLists();
}
