#pragma once
// CMeshConverter: a patch object as an indexed mesh at a resolution, and a
// mesh back as control points and two-point curves. Stateless; build one on
// the stack.
//
// Resolution below 1 counts as 1, which gives the control net as faces (a
// five-sided patch as one triangle and one quad); 2 and 3 give one centre
// point per patch and quads through it and the side midpoints; 4 and above
// (an odd value lowered by one) give an evaluated grid, r x r quads on a
// four-sided patch and (r/2) x (r/2) on each corner's part of a three- or
// five-sided one. Points on curves are shared by every patch that meets
// there, so joined patches give a closed mesh. The builders write the
// mesh's vertices, edges and faces but not its line faces, settings or
// attributes; an object without points and curves leaves the mesh as it was
// at resolutions 2 and above. As scratch they overwrite the number field of
// every patch and of every node that starts a curve segment with the mesh
// index of its first generated point.
class CPatchMesh;
class CSpatchObj;

class CMeshConverter {
public:
    virtual ~CMeshConverter() = default;

    // Rebuilds the object's patches and nets first when they are out of date.
    void BuildMesh(CPatchMesh* mesh, CSpatchObj* object, int resolution) const;
    // Appends the mesh's vertices as control points and each of its edges as
    // an open two-point curve.
    void MeshToCurves(const CPatchMesh* mesh, CSpatchObj* object) const;

    void BuildControlNetMesh(CPatchMesh& mesh, CSpatchObj& object) const;
    void BuildCentreMesh(CPatchMesh& mesh, CSpatchObj& object) const;
    // r is even and at least 4.
    void BuildGridMesh(CPatchMesh& mesh, CSpatchObj& object, int r) const;
};
