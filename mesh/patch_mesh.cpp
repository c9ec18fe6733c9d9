#include "mesh/patch_mesh.h"

namespace {

std::span<const int32_t> LinksOf(const CMeshIncidence& incidence, int v) {
    if (v < 0 || v + 1 >= static_cast<int>(incidence.offsets.size()))
        return {};
    return incidence.Of(v);
}

} // namespace

void CMeshVertexArray::Resize(int n) {
    m_positions.clear();
    m_edgeLinks.Free();
    m_lineLinks.Free();
    m_triangleLinks.Free();
    m_quadLinks.Free();
    if (n > 0)
        m_positions.resize(n);
}

CMeshVertexLinks CMeshVertexArray::GetLinks(int v) const {
    return CMeshVertexLinks{LinksOf(m_edgeLinks, v), LinksOf(m_lineLinks, v), LinksOf(m_triangleLinks, v),
                            LinksOf(m_quadLinks, v)};
}

void CMeshEdgeArray::Allocate(int n) {
    m_edges = {};
    if (n > 0)
        m_edges.resize(n);
}

void CMeshFaceArrays::Reserve(std::vector<CMeshFace>& faces, std::vector<CCornerUVs>& uvs, int n) {
    faces.clear();
    uvs.clear();
    if (n > 0)
        faces.resize(n);
}

void CMeshFaceArrays::FreeAll() {
    FreeMixed();
    FreeLines();
    FreeTriangles();
    FreeQuads();
    m_triangleNormals.clear();
    m_quadNormals.clear();
    m_triangleCornerNormals.clear();
    m_quadCornerNormals.clear();
}

void CMeshFaceArrays::SortByKind() {
    FreeLines();
    FreeTriangles();
    FreeQuads();
    const bool withUVs = !m_mixedUVs.empty();
    for (size_t i = 0; i < m_mixed.size(); ++i) {
        const int count = m_mixed[i].count;
        if (count < 2 || count > 4)
            continue;
        std::vector<CMeshFace>& faces = count == 2 ? m_lines : count == 3 ? m_triangles : m_quads;
        std::vector<CCornerUVs>& uvs = count == 2 ? m_lineUVs : count == 3 ? m_triangleUVs : m_quadUVs;
        faces.push_back(m_mixed[i]);
        if (withUVs)
            uvs.push_back(m_mixedUVs[i]);
    }
    // An imported mesh's mixed faces are not needed again.
    m_mixed = {};
    m_mixedUVs = {};
}

void CMeshFaceArrays::AllocateFaceNormals() {
    m_triangleNormals.resize(m_triangles.size());
    m_quadNormals.resize(m_quads.size());
}

void CMeshFaceArrays::AllocateCornerNormals() {
    m_triangleCornerNormals.resize(3 * m_triangles.size());
    m_quadCornerNormals.resize(4 * m_quads.size());
}

int CPatchMesh::NeedsProcessing() const {
    const bool surfaces = m_faces.TriangleCount() + m_faces.QuadCount() > 0;
    const bool anyAxis = m_meshMirrorAxis[0] || m_meshMirrorAxis[1] || m_meshMirrorAxis[2];
    if (m_revolve && m_faces.LineCount() > 0)
        return 1;
    if (m_meshMirrorMode != 0 && surfaces && anyAxis)
        return 1;
    return m_subdivide && surfaces ? 1 : 0;
}
