// Display-mesh building on a 100 x 100 patch object at resolutions 4 and 8,
// beside the bare evaluation of the same bicubic nets at the same parameters
// into a flat array, the compute limit of the sampling. Items are surface
// samples: (r + 1)^2 per patch for all three.
#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "mesh/patch_mesh.h"
#include "tests/support/model_shapes.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kCells = 100;

std::unique_ptr<CSpatchObj> ReadyGrid() {
    auto obj = qf::test::MakeFlatQuadGrid(kCells);
    // A gentle swell, so the surface is not a plane.
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(0.002f * (v->GetX() - 50) * (v->GetZ() - 50));
    obj->UpdateCurveHandles();
    obj->Rebuild();
    obj->UpdatePatchNets();
    return obj;
}

void SetSamples(benchmark::State& state, int r) {
    state.SetItemsProcessed(state.iterations() * kCells * kCells * (r + 1) * (r + 1));
    state.SetLabel("surface samples per second");
}

void BM_BareNetEvaluation(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    std::vector<PatchNet> nets;
    for (const CPatch* p : obj->GetPatches())
        nets.push_back(p->m_nets[0]);
    std::vector<float> out(nets.size() * (r + 1) * (r + 1) * 3);
    const float step = 1.0f / static_cast<float>(r);
    for (auto _ : state) {
        float* o = out.data();
        for (const PatchNet& net : nets)
            for (int i = 0; i <= r; ++i)
                for (int j = 0; j <= r; ++j) {
                    const CVector3 p = CSpatchObj::EvaluateQuadNet(net, i * step, j * step);
                    *o++ = p.GetX();
                    *o++ = p.GetY();
                    *o++ = p.GetZ();
                }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    SetSamples(state, r);
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
    if (check.m_faces.QuadCount() != kCells * kCells * r * r)
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

} // namespace

BENCHMARK(BM_BareNetEvaluation)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisplayMeshBuild)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisplayMeshWithNormals)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
