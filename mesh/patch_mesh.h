#pragma once
// CPatchMesh: the indexed polygon mesh through which a patch object is drawn
// as polygons and written by the polygon exporters: vertex positions, an
// edge table, line, triangle and quad faces (and the mixed faces an importer
// reads), per-vertex incidence lists, face and corner normals, and the
// settings of the processing passes (revolve, mirror, subdivision, crease
// angle). CMeshProcessor (mesh_processor.h) carries every operation on it.
#include "model/base_obj.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// A plain x, y, z record for positions and normals; undefined until set.
struct CFloat3 {
    float x, y, z;

    void Set(float ax, float ay, float az) {
        x = ax;
        y = ay;
        z = az;
    }
};

// Leaves the elements a vector grows by default-initialized (for plain
// records, unset) instead of zeroed, for arrays filled whole right after
// they are sized: zeroing megabytes that are then overwritten costs as much
// as the filling.
template <class T> struct CUnsetAllocator : std::allocator<T> {
    using value_type = T;
    template <class U> struct rebind { using other = CUnsetAllocator<U>; };
    CUnsetAllocator() = default;
    template <class U> CUnsetAllocator(const CUnsetAllocator<U>&) noexcept {}

    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        std::construct_at(p, std::forward<Args>(args)...);
    }
};

// Face and corner normals: unset until the normals are worked out.
using CNormalArray = std::vector<CFloat3, CUnsetAllocator<CFloat3>>;

// Texture coordinates of one face corner.
struct CFloatFlag {
    float u = 1.0f;
    float v = 0.0f;
};

// An undirected edge, kept in the direction in which it was first met.
struct CMeshEdge {
    int32_t a = 0;
    int32_t b = 0;
};

struct CMeshFace {
    int32_t count = 3; // corners: 2 line, 3 triangle, 4 quad
    std::array<int32_t, 4> vertex{};
    int32_t material = -1; // -1 none
};

// The texture coordinates of a face's corners.
using CCornerUVs = std::array<CFloatFlag, 4>;

// One byte per item of a list, unset until filled.
using CItemBytes = std::vector<uint8_t, CUnsetAllocator<uint8_t>>;

// Items about each vertex (edge or face indices), all in one array: those of
// vertex v are items[offsets[v]] up to items[offsets[v + 1]].
struct CMeshIncidence {
    std::vector<int32_t> offsets;
    // Sized to the counted items, then each placed: unset in between.
    std::vector<int32_t, CUnsetAllocator<int32_t>> items;
    // Face lists' room for the corner normal pass, which keeps here the
    // corner (0..3) at which each item's face names the vertex.
    CItemBytes corners;

    std::span<const int32_t> Of(int v) const {
        return {items.data() + offsets[v], static_cast<size_t>(offsets[v + 1] - offsets[v])};
    }
    void Free() {
        offsets.clear();
        items.clear();
        corners.clear();
    }
};

// The edges ending at one vertex and the lines, triangles and quads that have
// it as a corner (a face naming the vertex twice is listed twice).
struct CMeshVertexLinks {
    std::span<const int32_t> edges;
    std::span<const int32_t> lines;
    std::span<const int32_t> triangles;
    std::span<const int32_t> quads;
};

class CMeshVertexArray {
public:
    // Empties everything, then holds n undefined positions with empty lists;
    // n below 1 leaves the array empty. The arrays keep their room, so that
    // a rebuild of the same mesh does not fault in megabytes afresh.
    void Resize(int n);
    int GetCount() const { return static_cast<int>(m_positions.size()); }
    CFloat3& operator[](int i) { return m_positions[i]; }
    const CFloat3& operator[](int i) const { return m_positions[i]; }
    // Valid while the mesh's matching built flags are set.
    CMeshVertexLinks GetLinks(int v) const;

    std::vector<CFloat3> m_positions;
    CMeshIncidence m_edgeLinks;
    CMeshIncidence m_lineLinks;
    CMeshIncidence m_triangleLinks;
    CMeshIncidence m_quadLinks;
};

class CMeshEdgeArray {
public:
    // Frees, then holds n edges (0, 0); nothing for n below 1.
    void Allocate(int n);
    void Free() { m_edges = {}; }
    int GetCount() const { return static_cast<int>(m_edges.size()); }
    CMeshEdge& operator[](int i) { return m_edges[i]; }
    const CMeshEdge& operator[](int i) const { return m_edges[i]; }

    std::vector<CMeshEdge> m_edges;
};

class CMeshFaceArrays {
public:
    // Each empties its array, then holds n default faces; nothing for n below
    // 1 (texture coordinates are emptied with their faces). Like the vertex
    // array, the face and normal arrays keep their room for a rebuild.
    void ReserveMixed(int n) { Reserve(m_mixed, m_mixedUVs, n); }
    void ReserveLines(int n) { Reserve(m_lines, m_lineUVs, n); }
    void ReserveTriangles(int n) { Reserve(m_triangles, m_triangleUVs, n); }
    void ReserveQuads(int n) { Reserve(m_quads, m_quadUVs, n); }
    void FreeMixed() { ReserveMixed(0); }
    void FreeLines() { ReserveLines(0); }
    void FreeTriangles() { ReserveTriangles(0); }
    void FreeQuads() { ReserveQuads(0); }
    // Empties the faces of every kind and the normals.
    void FreeAll();
    // Distributes the mixed faces into lines, triangles and quads in their
    // order (other corner counts are dropped) and frees the mixed array.
    void SortByKind();
    // One normal per triangle and per quad; three corner normals per triangle
    // (corner k of triangle t at 3t + k) and four per quad (4q + k); all
    // unset, for the normal passes to fill.
    void AllocateFaceNormals();
    void AllocateCornerNormals();

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    int TriangleCount() const { return static_cast<int>(m_triangles.size()); }
    int QuadCount() const { return static_cast<int>(m_quads.size()); }

    std::vector<CMeshFace> m_mixed;
    std::vector<CMeshFace> m_lines;
    std::vector<CMeshFace> m_triangles;
    std::vector<CMeshFace> m_quads;
    // Texture coordinates, which only imported meshes have: each array is
    // empty (every corner (1, 0)) or holds one set per face of its kind, and
    // the passes carry them with the faces.
    std::vector<CCornerUVs> m_mixedUVs;
    std::vector<CCornerUVs> m_lineUVs;
    std::vector<CCornerUVs> m_triangleUVs;
    std::vector<CCornerUVs> m_quadUVs;
    CNormalArray m_triangleNormals;
    CNormalArray m_quadNormals;
    CNormalArray m_triangleCornerNormals;
    CNormalArray m_quadCornerNormals;

private:
    static void Reserve(std::vector<CMeshFace>& faces, std::vector<CCornerUVs>& uvs, int n);
};

class CPatchMesh : public CBaseObj {
public:
    CPatchMesh() = default;

    // 1 when a processing pass has work: revolve with line faces, a mirror
    // with an axis and triangles or quads, subdivision with triangles or quads.
    int NeedsProcessing() const;

    // The settings of the passes; the mesh's own, not the base object's mirror.
    int m_shading = 1;             // 1 smooth shading
    float m_creaseAngle = 89.5f;   // degrees; 0 means flat to the scene writers
    int m_subdivide = 0;           // run subdivision steps
    int m_subdivisionSegments = 2; // 2, 4, 8, 16: one to four steps
    int m_meshMirrorMode = 0;      // 0 none, 1 separated copy, 2 joined copy
    int m_mirrorDistanceLimit = 0; // join only near the plane
    std::array<int, 3> m_meshMirrorAxis{1, 0, 0};
    float m_mirrorDistance = 100.0f;
    int m_revolve = 0;     // sweep the line faces round an axis
    int m_revolveAxis = 1; // 0 X, 1 Y, 2 Z
    int m_revolveSegments = 12;

    CMeshVertexArray m_vertices;
    CMeshEdgeArray m_edges;
    CMeshFaceArrays m_faces;
    int m_edgesBuilt = 0;       // the edge table matches the faces
    int m_vertexEdgesBuilt = 0; // the vertices' edge lists are valid
    int m_vertexFacesBuilt = 0; // the vertices' face lists are valid
};
