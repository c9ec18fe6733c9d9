#pragma once
// CMeshProcessor: every operation on one target CPatchMesh. It keeps only
// the pointer to its target and lives on its caller's stack; with no target
// every operation does nothing. A pass that reads one mesh and writes another
// (revolve, mirror, subdivide) is called on a processor whose target is the
// output and clears it first. Nothing is reported: sizes below 1 leave arrays
// empty, a face side whose corners are one vertex has no edge, inputs whose
// settings leave nothing to do are copied unchanged.
#include "mesh/patch_mesh.h"

class CVector3;

class CMeshProcessor {
public:
    CMeshProcessor() = default;
    explicit CMeshProcessor(CPatchMesh* mesh) : m_mesh(mesh) {}
    virtual ~CMeshProcessor() = default;
    void SetMesh(CPatchMesh* mesh) { m_mesh = mesh; }

    // Frees the geometry, edges, faces and normals and clears the built
    // flags; settings and base attributes stay.
    void ClearMesh();
    // ClearMesh that keeps the arrays' room, for a rebuild into them.
    void EmptyMesh();
    // The name, the pass settings and the base attributes of source.
    void CopySettings(const CPatchMesh& source);
    // Positions, edges and line, triangle and quad faces of source (whose
    // edge table is built first when missing), then both incidence lists.
    void CopyMeshFrom(CPatchMesh& source);

    // The edge table: lines first, then every triangle and quad side, each
    // pair of vertices once in the direction first met.
    void BuildEdges();
    // The edges at every vertex (builds the edge table when needed).
    void BuildVertexEdgeLists();
    // The lines, triangles and quads at every vertex.
    void BuildVertexFaceLists();
    void BuildAdjacency();

    // Revolve, mirror across each mirror axis, then subdivision, on the
    // target's own settings, which they consume: afterwards revolve, mirror
    // mode and subdivide are 0 and the segment count is 2.
    void Process();
    // One pass from input into the target (a pass into its own input does
    // nothing). A mirror mode other than 1 or 2 copies the input.
    void Revolve(CPatchMesh& input);
    void Mirror(CPatchMesh& input, int axis);
    void Subdivide(CPatchMesh& input);

    // One unit (or zero) normal per triangle and quad from its first three
    // corners.
    void ComputeFaceNormals();
    // Face normals, then per face corner the average of the face's normal and
    // those of the faces round the corner's vertex within the crease angle.
    void ComputeCornerNormals();
    // Triangles and quads with their corner normals, corners in reverse
    // order, into the current OpenGL context; line faces are not drawn. The
    // caller sets winding, colour and material and runs ComputeCornerNormals
    // after the last change of geometry (faces whose corner normals do not
    // match are not drawn).
    void Draw() const;

private:
    void ClearBuiltFlags();
    void SeparatedMirror(CPatchMesh& input, int axis);
    void ConnectedMirror(CPatchMesh& input, int axis);

    CPatchMesh* m_mesh = nullptr;
};

// The unit normal of (p1 - p2) x (p1 - p0); zero when that is zero.
CFloat3 MeshTriangleNormal(const CFloat3& p0, const CFloat3& p1, const CFloat3& p2);
CVector3 ToVector(const CFloat3& p);
