// Display-mesh building on a 100 x 100 patch object at resolutions 4 and 8,
// beside the fastest plain code for the same mesh (bench/bare_mesh.h) and
// for its points alone, the compute limit of the sampling. Items are the points the mesh holds, each
// evaluated (or copied) once by either side: about 16 a patch at
// resolution 4, as the patches share their sides' points.
#include "bench/bare_mesh.h"
#include "bench/large_document.h"
#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "mesh/patch_mesh.h"
#include "mesh/patch_surface_draw.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

using qf::bench::kMeshGridCells;
using qf::bench::MakeSwellGrid;

std::unique_ptr<CSpatchObj> ReadyGrid() {
    auto obj = MakeSwellGrid();
    obj->Rebuild();
    obj->UpdatePatchNets();
    return obj;
}

// The number of points of the grid's mesh at resolution r.
int MeshPoints(int r) {
    CPatchMesh mesh;
    CMeshConverter().BuildMesh(&mesh, ReadyGrid().get(), r);
    return mesh.m_vertices.GetCount();
}

void SetSamples(benchmark::State& state, int r) {
    state.SetItemsProcessed(state.iterations() * MeshPoints(r));
    state.SetLabel("mesh points per second");
}

// The bare loop's points alone into one flat array, checked against the
// mesh's: the limit of the evaluation, without the quads and edges.
void BM_BareNetEvaluation(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    const qf::bench::BareMeshInput in = qf::bench::GatherBareMeshInput(*obj);
    const qf::bench::BareMeshWeights weights(r);
    std::vector<CFloat3> out(static_cast<size_t>(in.PointCount(r)));
    for (auto _ : state) {
        qf::bench::BareMeshPoints(in, weights, out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    CPatchMesh mesh;
    CMeshConverter().BuildMesh(&mesh, obj.get(), r);
    if (!qf::bench::SamePoints(out, mesh.m_vertices.m_positions))
        state.SkipWithError("the bare loop's points are not the mesh's");
    SetSamples(state, r);
}

// The bare loops' whole mesh (points, quads, edges), and with normals the
// smooth-shaded mesh's face normals, vertex quad lists and corner normals,
// each checked against the product's.
void BareMesh(benchmark::State& state, bool withNormals) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    const qf::bench::BareMeshInput in = qf::bench::GatherBareMeshInput(*obj);
    if (!in.onlyQuads) {
        state.SkipWithError("the bare loops take four-sided patches only");
        return;
    }
    const qf::bench::BareMeshWeights weights(r);
    qf::bench::BareMeshOutput out(in, r);
    qf::bench::BareNormalsOutput normals(out);
    CPatchMesh mesh;
    CMeshConverter().BuildMesh(&mesh, obj.get(), r);
    for (auto _ : state) {
        qf::bench::BareMeshBuild(in, weights, out);
        if (withNormals)
            qf::bench::BareCornerNormals(out, mesh.m_creaseAngle, normals);
        benchmark::DoNotOptimize(out.points.data());
        benchmark::DoNotOptimize(normals.cornerNormals.data());
        benchmark::ClobberMemory();
    }
    if (withNormals)
        CMeshProcessor(&mesh).ComputeCornerNormals();
    if (!qf::bench::SameMesh(out, mesh, withNormals ? &normals : nullptr))
        state.SkipWithError("the bare loops' mesh is not the product's");
    SetSamples(state, r);
}

void BM_BareMeshBuild(benchmark::State& state) {
    BareMesh(state, false);
}

void BM_BareMeshWithNormals(benchmark::State& state) {
    BareMesh(state, true);
}

void BM_DisplayMeshBuild(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    for (auto _ : state) {
        CPatchMesh mesh;
        CMeshConverter().BuildMesh(&mesh, obj.get(), r);
        benchmark::DoNotOptimize(mesh.m_faces.m_quads.data());
    }
    CPatchMesh check;
    CMeshConverter().BuildMesh(&check, obj.get(), r);
    if (check.m_faces.QuadCount() != kMeshGridCells * kMeshGridCells * r * r)
        state.SkipWithError("the mesh does not have r x r quads per patch");
    SetSamples(state, r);
}

// Building as the pane does for a polygonized object: the mesh, the
// (empty) processing passes and the corner normals.
void BM_DisplayMeshWithNormals(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    for (auto _ : state) {
        CPatchMesh mesh;
        CMeshConverter().BuildMesh(&mesh, obj.get(), r);
        CMeshProcessor processor(&mesh);
        processor.Process();
        processor.ComputeCornerNormals();
        benchmark::DoNotOptimize(mesh.m_faces.m_quadCornerNormals.data());
    }
    SetSamples(state, r);
}

// The same build into the arrays of the mesh an edit dropped, as the pane
// rebuilds a polygonized object's display mesh after each edit.
void BM_DisplayMeshRebuildWithNormals(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    obj->SetDivision(r);
    obj->SetSmoothOn(1);
    obj->SetSmoothAngle(CPatchMesh().m_creaseAngle); // as in the fresh build above
    CPatchMesh mesh;
    BuildDisplayMesh(mesh, *obj);
    for (auto _ : state) {
        BuildDisplayMesh(mesh, *obj);
        benchmark::DoNotOptimize(mesh.m_faces.m_quadCornerNormals.data());
    }
    SetSamples(state, r);
}

// The corner normals alone (with the vertex face lists they build) on a
// copy of the built mesh, to tell their share of the build above.
void BM_CornerNormals(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    CPatchMesh built;
    CMeshConverter().BuildMesh(&built, obj.get(), r);
    for (auto _ : state) {
        state.PauseTiming();
        auto mesh = std::make_unique<CPatchMesh>();
        mesh->m_vertices.m_positions = built.m_vertices.m_positions;
        mesh->m_edges.m_edges = built.m_edges.m_edges;
        mesh->m_faces.m_quads = built.m_faces.m_quads;
        state.ResumeTiming();
        CMeshProcessor(mesh.get()).ComputeCornerNormals();
        benchmark::DoNotOptimize(mesh->m_faces.m_quadCornerNormals.data());
        state.PauseTiming();
        mesh.reset();
        state.ResumeTiming();
    }
    SetSamples(state, r);
}

// The first build after opening the grid's document in a fresh process,
// beside the bare loop's first run there: a fresh heap on both sides.
void BM_DisplayMeshFreshProcess(benchmark::State& state) {
    qf::bench::TimeMeshInChild(state, "mesh", MeshPoints(4));
}

void BM_BareMeshFreshProcess(benchmark::State& state) {
    qf::bench::TimeMeshInChild(state, "baremesh", MeshPoints(4));
}

} // namespace

BENCHMARK(BM_BareNetEvaluation)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareMeshBuild)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareMeshWithNormals)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DisplayMeshBuild)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DisplayMeshWithNormals)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DisplayMeshRebuildWithNormals)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CornerNormals)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DisplayMeshFreshProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_BareMeshFreshProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
