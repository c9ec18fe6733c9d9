#pragma once
// The polygon object: explicit vertices and faces (lines, triangles and
// quadrilaterals) instead of control points and patches. Edges and the
// adjacency between vertices, edges and faces are derived from the faces;
// face orientation can be made consistent and per-corner normals are
// smoothed across neighbouring faces within a smoothing angle.
//
// Producers fill vertices and faces (AddVertex, AddFace, Set...Face), then run
// BuildTopology, optionally UnifyFaceOrientation, ComputeNormals and
// ClearAdjacency. Degenerate faces get a zero normal; nothing is reported.
#include "model/base_obj.h"
#include "model/vector3.h"
#include "platform/base/obj_list.h"

#include <cstdint>
#include <vector>

class CArchive;
class CPolyEdge;
class CPolyFace;
struct CPatchDrawSettings;

class CPolyVertex : public CVector3 {
public:
    CPolyVertex(float x, float y, float z) : CVector3(x, y, z) {}

    // Filled while the object's adjacency is linked; not owned.
    CRefList<CPolyEdge> m_edges; // incident edges
    CRefList<CPolyFace> m_faces; // incident triangles and quads, once per corner at this vertex
    int m_index = 0;             // running number written by NumberVertices
    uint32_t m_color = 0xFFFFFF;
    float m_value = 0.0f; // carried with the vertex, not interpreted
};

// An undirected edge: (a, b) and (b, a) are the same edge.
class CPolyEdge {
public:
    bool Joins(const CPolyVertex* p, const CPolyVertex* q) const {
        return (m_a == p && m_b == q) || (m_a == q && m_b == p);
    }

    // The triangles and quads using the edge while adjacency is linked; empty
    // for a wire edge. Not owned.
    CRefList<CPolyFace> m_faces;
    CPolyVertex* m_a = nullptr;
    CPolyVertex* m_b = nullptr;
};

class CPolyFace {
public:
    enum { line = 2, triangle = 3, quad = 4 };

    bool IsLine() const { return m_count == line; }
    // Reverses the corner order (edges follow); normals and texture
    // coordinates keep their slots. A line is unchanged.
    void Flip();

    int m_index = 0; // running number written by NumberFaces
    int m_count = triangle;
    CPolyVertex* m_vertices[4] = {};
    // Edge i joins corner i and corner (i + 1) mod count; a line uses edge 0.
    CPolyEdge* m_edges[4] = {};
    CVector3 m_normals[4];
    int m_hasTexCoords = 0;
    float m_u[4] = {};
    float m_v[4] = {};
};

// The unit normal of a quadrilateral from whichever diagonal split has the
// better agreeing halves (a tie takes the p1-p3 split); zero when degenerate.
CVector3 QuadNormal(const CVector3& p0, const CVector3& p1, const CVector3& p2, const CVector3& p3);
// The angle between a and b in radians; 0 when either is zero.
double AngleBetween(const CVector3& a, const CVector3& b);

class CPolygonObj : public CBaseObj {
public:
    CPolygonObj() = default;

    int GetObjType() const override { return objTypePolygon; }

    // The object owns its vertices, edges and faces; pointers into the lists
    // stay valid until BuildTopology or the object's end (line faces also
    // until BuildTopology, which replaces them).
    const CObjList<CPolyVertex>& GetVertices() const { return m_vertices; }
    const CObjList<CPolyEdge>& GetEdges() const { return m_edges; }
    const CObjList<CPolyFace>& GetFaces() const { return m_faces; }

    CPolyVertex* AddVertex(float x, float y, float z, int atTail = 1);
    // A new triangle with no corners yet; a Set...Face call completes it.
    CPolyFace* AddFace(int atTail = 1);
    // Make face a line, triangle or quad through the vertices at the given
    // list positions. An index outside the vertex list deletes the face
    // instead: the result is then 0 and the face must not be used again.
    int SetLineFace(CPolyFace* face, int i0, int i1);
    int SetTriFace(CPolyFace* face, int i0, int i1, int i2);
    int SetQuadFace(CPolyFace* face, int i0, int i1, int i2, int i3);

    void NumberVertices();
    void NumberFaces();

    // Derives the edges from the faces and links the adjacency. Line faces
    // on an edge of a triangle or quad, or repeating another line, vanish;
    // every edge no triangle or quad uses gets exactly one line face, after
    // the other faces. Edges from an earlier run are replaced; faces whose
    // corners were never set are dropped.
    void BuildTopology();
    // Fills the incident and adjacent lists from the faces' edges; nothing
    // when they are linked already.
    void LinkAdjacency();
    // Empties the incident and adjacent lists; faces keep their edges.
    void ClearAdjacency();
    // Flips faces so that neighbours run their shared edges in opposite
    // directions; each connected group follows its first face in list order.
    void UnifyFaceOrientation();
    // Face normals in every corner, then, when smoothing is on, each corner
    // averaged with the corners of the faces round its vertex whose face
    // normals lie within the smoothing angle.
    void ComputeNormals();
    int IsAdjacencyBuilt() const { return m_adjacencyBuilt; }

    // Drawing into the current OpenGL context of a pane; nothing for an object
    // that is not shown. The faces, the edges as lines, and the points of a
    // selected object with the pane's settings.
    void Draw();
    void DrawEdges() const;
    void DrawVertices(const CPatchDrawSettings& settings) const;
    // The object's record in the document file; reading throws
    // CArchiveException on a damaged record.
    int Write(CArchive& ar);
    int Load(CArchive& ar);

    int GetSmooth() const { return m_smooth; }
    void SetSmooth(int v) { m_smooth = v; }
    float GetSmoothingAngle() const { return m_smoothingAngle; } // degrees
    void SetSmoothingAngle(float v) { m_smoothingAngle = v; }
    int GetCullBackFaces() const { return m_cullBackFaces; }
    void SetCullBackFaces(int v) { m_cullBackFaces = v; }
    // Carried with the object and stored, not interpreted.
    // (i = 0..2; 0 and nothing for another index).
    int GetExtraWord(int i) const;
    void SetExtraWord(int i, int v);

private:
    // The vertex at list position i; null outside the list.
    CPolyVertex* VertexAt(int i);
    int SetFace(CPolyFace* face, const int* indices, int count);
    CPolyEdge* FindOrAddEdge(CPolyVertex* a, CPolyVertex* b);

    int m_extraWords[3] = {0, 0, 0};
    int m_smooth = 1;
    float m_smoothingAngle = 60.0f;
    int m_cullBackFaces = 1;
    int m_adjacencyBuilt = 0;
    CObjList<CPolyVertex> m_vertices;
    CObjList<CPolyEdge> m_edges;
    CObjList<CPolyFace> m_faces;
    // Vertices by list position, rebuilt when the list has changed shape.
    std::vector<CPolyVertex*> m_vertexTable;
};
