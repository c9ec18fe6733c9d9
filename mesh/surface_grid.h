#pragma once
// The evaluated surfaces of a patch object, kept between paints so that a
// pane draws them as OpenGL vertex arrays instead of running the evaluators
// on every patch at every paint.
//
// CSurfaceGrid holds every net the evaluators would draw at one pane
// resolution, sampled on the same (n + 1) x (n + 1) grid, and draws the
// triangles glEvalMesh2 makes of it in the order it makes them: the picture
// is the evaluators' one. Normals are worked out on the first lit paint.
// The grid is bound to the object's nets (their generation): when the nets
// are rebuilt it must be built again; a change of which control points are
// hidden only changes which patches it draws.
#include "model/spatch_obj.h"

#include <cstdint>
#include <vector>

class CSurfaceGrid {
public:
    // Samples every drawn net of object at resolution grid: the single net of
    // each four-sided patch at grid, the nets of three- and five-sided
    // patches at grid / 2; nets at a resolution below 1 are left out. The
    // object's nets must be up to date.
    void Build(const CSpatchObj& object, int grid);
    // Whether the grid was built at this resolution from the nets object has now.
    bool IsCurrent(const CSpatchObj& object, int grid) const;
    // Draws the triangles of every patch whose corners are all shown (five-
    // sided patches always), in the current colour, with a normal per point
    // when withNormals is set. Needs a current context; changes no state.
    void Draw(const CSpatchObj& object, bool withNormals);
    // Works out the normals a lit Draw would, when they are missing.
    void PrepareNormals(const CSpatchObj& object);

    int GetResolution() const { return m_grid; }
    // Evaluated nets, and how many are drawn after the last Draw.
    int CountNets() const { return static_cast<int>(m_nets.size()); }
    int CountDrawnNets() const;

private:
    // One evaluated net: its first point in the arrays, its size n (it has
    // (n + 1)^2 points) and the three- or four-sided patch it belongs to by
    // list position (-1 for five-sided patches, which are always drawn).
    struct Net {
        int32_t first;
        int32_t size;
        int32_t patch;
    };
    // Consecutive drawn nets of one size.
    struct Run {
        int32_t firstNet;
        int32_t count;
    };

    // Samples net at the parameters whose weights are given (GridWeights).
    void AddNet(const PatchNet& net, int size, const std::vector<float>& weights, int patch);
    void ComputeNormals(const CSpatchObj& object);
    // Which nets are drawn, from the hidden flags of the patches' corners.
    void UpdateRuns(const CSpatchObj& object);

    int m_grid = -1;
    unsigned m_netsGeneration = 0;
    std::vector<Net> m_nets;
    std::vector<float> m_positions; // x, y, z per point
    std::vector<float> m_normals;   // empty until a lit paint asks for them
    std::vector<Run> m_runs;
    // The hidden control points the runs were made for, in list order.
    std::vector<const CPatchVertex*> m_hidden;
};

// The object's grids at the resolutions its panes use, owned by the object.
class CSurfaceGrids : public CDrawCache {
public:
    // The grid at this resolution, built first when it is missing or stale.
    CSurfaceGrid& Get(const CSpatchObj& object, int grid);

private:
    std::vector<CSurfaceGrid> m_grids; // the most recently used last
};
