#pragma once
// The surfaces of a patch object in a pane: the patches' nets evaluated as
// OpenGL's evaluators would and kept between paints (surface_grid.h), or
// the object's display mesh when its polygonize option is on. An object with a mirror set up draws its
// mirrored copy (which holds the modelled part too) instead of itself.
#include "model/spatch_draw.h"

class CPatchMesh;
class CSpatchObj;

// Draws into the current OpenGL context at the pane's surface resolution
// grid (three- and five-sided patches use half of it per corner part).
// Rebuilds patches, nets, the mirrored copy and the display mesh as needed;
// a surface opacity of 0 draws nothing. The GL state it changes is restored.
void DrawPatchSurfaces(CSpatchObj& object, int grid, const CPatchDrawSettings& settings);

// The object's cached display mesh, built first when there is none: the
// object's division as resolution, its crease angle when smoothing is on
// (else 0, flat), its subdivision settings, processed, with corner normals.
CPatchMesh* GetDisplayMesh(CSpatchObj& object);
