#include "mesh/patch_surface_draw.h"
#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "mesh/patch_mesh.h"
#include "mesh/surface_grid.h"
#include "model/gl_scope.h"
#include "model/mirror_builder.h"
#include "model/spatch_obj.h"
#include "platform/base/parallel_for.h"

#include <GL/gl.h>
#include <memory>
#include <mutex>
#include <new>
#include <stdexcept>

namespace {

// Below this many control points in all, the objects are prepared on the
// calling thread: starting threads would cost more than they save.
constexpr size_t kPrepareSideBySidePoints = 20000;

CSurfaceGrids& SurfaceGridsOf(CSpatchObj& object) {
    auto* grids = dynamic_cast<CSurfaceGrids*>(object.GetSurfaceCache());
    if (!grids) {
        auto made = std::make_unique<CSurfaceGrids>();
        grids = made.get();
        object.SetSurfaceCache(std::move(made));
    }
    return *grids;
}

void UpdatePatches(CSpatchObj& object) {
    if (object.GetNeedsRebuild())
        object.Rebuild();
    if (object.GetNetsDirty())
        object.UpdatePatchNets();
}

// The surfaces as the evaluators would draw them, from the object's
// evaluated grid at this resolution, kept between paints.
void DrawEvaluated(CSpatchObj& object, int grid) {
    glFrontFace(GL_CCW);
    // Lit panes ask for the evaluators' automatic normals.
    SurfaceGridsOf(object).Get(object, grid).Draw(object, glIsEnabled(GL_AUTO_NORMAL) == GL_TRUE);
}

// Whether the object's patches, nets and drawn surfaces are built (or could
// not be for want of memory); a grid at another resolution, or normals still
// missing, are left to the drawing.
bool IsPrepared(const CSpatchObj& object) {
    if (object.GetSurfaceShortage() != CSpatchObj::surfacesBuildable)
        return true;
    if (object.GetNeedsRebuild() || object.GetNetsDirty())
        return false;
    if (object.GetMirrorMode() != 0)
        return true;
    return object.GetPolygonize() ? object.GetMeshCache() != nullptr : object.GetSurfaceCache() != nullptr;
}

// The arrays of the display mesh an edit dropped last, kept for the next
// build of the same object: building into them spares faulting in and
// zeroing megabytes afresh. One mesh's worth at most is kept.
class SpareMeshArrays {
public:
    static SpareMeshArrays& Get() {
        static auto* spare = new SpareMeshArrays; // outlives every object
        return *spare;
    }

    void Keep(const CSpatchObj* owner, CPatchMesh& mesh) {
        std::lock_guard lock(m_mutex);
        m_owner = owner;
        m_vertices = std::move(mesh.m_vertices);
        m_edges = std::move(mesh.m_edges);
        m_faces = std::move(mesh.m_faces);
    }

    // Gives the memory back, wherever it came from.
    void Drop() {
        std::lock_guard lock(m_mutex);
        m_owner = nullptr;
        m_vertices = CMeshVertexArray();
        m_edges = CMeshEdgeArray();
        m_faces = CMeshFaceArrays();
    }

    // Moves them into mesh when they came from owner's display mesh.
    void Give(const CSpatchObj* owner, CPatchMesh& mesh) {
        std::lock_guard lock(m_mutex);
        if (m_owner != owner)
            return;
        m_owner = nullptr;
        mesh.m_vertices = std::move(m_vertices);
        mesh.m_edges = std::move(m_edges);
        mesh.m_faces = std::move(m_faces);
    }

private:
    std::mutex m_mutex;
    const CSpatchObj* m_owner = nullptr; // compared, never followed
    CMeshVertexArray m_vertices;
    CMeshEdgeArray m_edges;
    CMeshFaceArrays m_faces;
};

// The mesh an object caches for drawing, whose arrays outlive it as spares.
class DisplayMesh final : public CPatchMesh {
public:
    explicit DisplayMesh(const CSpatchObj& owner) : m_owner(&owner) {}
    ~DisplayMesh() override { SpareMeshArrays::Get().Keep(m_owner, *this); }

private:
    const CSpatchObj* m_owner;
};

// Runs build, which builds (and may draw) what the object's surfaces are
// drawn from, unless the memory for them was found wanting before. When it
// runs out of memory, what it half built goes with the object's other
// surface caches, and the object is marked short of memory until it changes.
template <class Build> void BuildSurfaces(CSpatchObj& object, Build build) {
    if (object.GetSurfaceShortage() != CSpatchObj::surfacesBuildable)
        return;
    try {
        build();
        return;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    object.SetSurfaceCache(nullptr);
    object.SetMeshCache(nullptr);
    if (CSpatchObj* copy = object.GetMirrorCache())
        copy->SetMeshCache(nullptr);
    SpareMeshArrays::Get().Drop();
    object.SetSurfaceShortage(CSpatchObj::surfacesShort);
}

void PrepareOne(CSpatchObj& object, int grid, bool withNormals) {
    BuildSurfaces(object, [&] {
        UpdatePatches(object);
        if (object.GetMirrorMode() != 0)
            return; // the mirrored copy is made and drawn in its place
        if (object.GetPolygonize()) {
            GetDisplayMesh(object);
            return;
        }
        CSurfaceGrid& surface = SurfaceGridsOf(object).Get(object, grid);
        if (withNormals)
            surface.PrepareNormals(object);
    });
}

// DrawPatchSurfaces once the memory for the object's surfaces is known to
// be there or is tried for.
void DrawSurfacesOf(CSpatchObj& object, int grid, const CPatchDrawSettings& settings);

} // namespace

void BuildDisplayMesh(CPatchMesh& mesh, CSpatchObj& object) {
    CMeshProcessor processor(&mesh);
    processor.EmptyMesh();
    CMeshConverter().BuildMesh(&mesh, &object, object.GetDivision());
    mesh.m_shading = 1;
    mesh.m_creaseAngle = object.GetSmoothOn() == 1 ? object.GetSmoothAngle() : 0.0f;
    mesh.m_subdivide = object.GetSubdivisionOn();
    mesh.m_subdivisionSegments = object.GetSubdivisionCount();
    processor.Process();
    processor.ComputeCornerNormals();
}

CPatchMesh* GetDisplayMesh(CSpatchObj& object) {
    if (auto* cached = dynamic_cast<CPatchMesh*>(object.GetMeshCache()))
        return cached;
    auto mesh = std::make_unique<DisplayMesh>(object);
    SpareMeshArrays::Get().Give(&object, *mesh);
    BuildDisplayMesh(*mesh, object);
    CPatchMesh* result = mesh.get();
    object.SetMeshCache(std::move(mesh));
    object.SetMeshDirty(0);
    return result;
}

void DrawPatchSurfaces(CSpatchObj& object, int grid, const CPatchDrawSettings& settings) {
    if (settings.surfaceAlpha > 0)
        BuildSurfaces(object, [&] { DrawSurfacesOf(object, grid, settings); });
}

namespace {

void DrawSurfacesOf(CSpatchObj& object, int grid, const CPatchDrawSettings& settings) {
    const int alpha = settings.surfaceAlpha;
    UpdatePatches(object);

    if (CSpatchObj* copy = object.GetMirrorCache())
        copy->SetMirrorMode(0);
    if (object.GetMirrorMode() != 0) {
        if (!object.GetMirrorCache())
            CMirrorBuilder().Build(&object);
        if (CSpatchObj* copy = object.GetMirrorCache()) {
            copy->CopySettings(&object);
            copy->SetSelected(object.GetSelected());
            copy->SetMirrorMode(0);
            DrawSurfacesOf(*copy, grid, settings);
            return;
        }
    }

    GlAttribScope state(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT);
    const CGlColor colour = UnpackColor(settings.surfaceColor);
    if (settings.drawCurveOnSurface) {
        // Curves drawn afterwards stay in front of the surface they lie on.
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1.0f, 1.0f);
    } else {
        glDisable(GL_POLYGON_OFFSET_FILL);
    }
    float opacity = 1.0f;
    if (alpha != 100) {
        if (!settings.drawAlphaSurfaceWithLight)
            glDisable(GL_LIGHTING);
        glEnable(GL_BLEND);
        glDepthMask(GL_FALSE);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        opacity = static_cast<float>(alpha * 0.01);
    }
    glColor4f(colour.r, colour.g, colour.b, opacity);
    if (object.GetPolygonize()) {
        glFrontFace(GL_CCW);
        CMeshProcessor(GetDisplayMesh(object)).Draw();
    } else {
        DrawEvaluated(object, grid);
    }
}

} // namespace

void PreparePatchSurfaces(const std::vector<CSpatchObj*>& objects, int grid, bool withNormals, int threads) {
    // Every pane's paint comes here; once the objects are ready, nothing is
    // left to start threads for.
    std::vector<CSpatchObj*> pending;
    size_t points = 0;
    for (CSpatchObj* object : objects)
        if (!IsPrepared(*object)) {
            pending.push_back(object);
            points += static_cast<size_t>(object->GetVertices().GetCount());
        }
    if (threads <= 0)
        threads = points >= kPrepareSideBySidePoints ? qf::WorkerThreads() : 1;
    qf::ParallelFor(pending.size(), threads, [&](size_t i) { PrepareOne(*pending[i], grid, withNormals); });
}
