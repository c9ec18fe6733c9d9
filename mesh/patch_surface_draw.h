#pragma once
// The surfaces of a patch object in a pane: the patches' nets evaluated as
// OpenGL's evaluators would and kept between paints (surface_grid.h), or
// the object's display mesh when its polygonize option is on. An object with a mirror set up draws its
// mirrored copy (which holds the modelled part too) instead of itself.
#include "model/spatch_draw.h"

#include <vector>

class CPatchMesh;
class CSpatchObj;

// Draws into the current OpenGL context at the pane's surface resolution
// grid (three- and five-sided patches use half of it per corner part).
// Rebuilds patches, nets, the mirrored copy and the display mesh as needed;
// a surface opacity of 0 draws nothing. The GL state it changes is restored.
// When the memory for what it builds cannot be had (std::bad_alloc, or
// std::length_error for a size that does not fit), nothing is drawn, what was
// half built is let go and the object is marked short of memory
// (CSpatchObj::GetSurfaceShortage); an object so marked is not drawn.
void DrawPatchSurfaces(CSpatchObj& object, int grid, const CPatchDrawSettings& settings);

// The object's cached display mesh, built first when there is none: the
// object's division as resolution, its crease angle when smoothing is on
// (else 0, flat), its subdivision settings, processed, with corner normals.
CPatchMesh* GetDisplayMesh(CSpatchObj& object);
// Builds that mesh into mesh, whatever it held, keeping its arrays' room.
void BuildDisplayMesh(CPatchMesh& mesh, CSpatchObj& object);

// Does beforehand, for each object changed since it was last drawn, the work
// DrawPatchSurfaces would do before drawing it at resolution grid (patches,
// nets, the surface grid and, when withNormals, its normals, or the display
// mesh); objects with a mirror get their patches and nets only. Large sets of objects are worked on side
// by side: each object's caches are its own, so the results are the same.
// An object whose surfaces run out of memory is marked as DrawPatchSurfaces
// marks it, without keeping the others from being prepared.
// threads 0 leaves the number of threads to the size of the objects.
void PreparePatchSurfaces(const std::vector<CSpatchObj*>& objects, int grid, bool withNormals,
                          int threads = 0);
