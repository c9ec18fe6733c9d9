// Display-mesh building on a 100 x 100 patch object at resolutions 4 and 8,
// beside the bare evaluation of the same bicubic nets at the same parameters
// into a flat array, the compute limit of the sampling: once recomputing the
// Bernstein weights per sample in a function of its own, once with the
// weights of every sample worked out beforehand; both written here, apart
// from the product's evaluation. Items are surface
// samples: (r + 1)^2 per patch for all of them.
#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "mesh/patch_mesh.h"
#include "tests/support/model_shapes.h"

#include <benchmark/benchmark.h>
#include <memory>
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

// One point of a net as a plain loop would get it: the Bernstein weights of
// both parameters worked out for every point, in a function of its own.
[[gnu::noinline]] CVector3 EvaluateRecomputingWeights(const PatchNet& net, float s, float t) {
    const float us = 1.0f - s;
    const float ut = 1.0f - t;
    const float ws[4] = {us * us * us, 3.0f * us * us * s, 3.0f * us * s * s, s * s * s};
    const float wt[4] = {ut * ut * ut, 3.0f * ut * ut * t, 3.0f * ut * t * t, t * t * t};
    float out[3] = {0.0f, 0.0f, 0.0f};
    for (int column = 0; column < 4; ++column)
        for (int axis = 0; axis < 3; ++axis) {
            float q = 0.0f;
            for (int row = 0; row < 4; ++row)
                q += wt[row] * net[(row * 4 + column) * 3 + axis];
            out[axis] += ws[column] * q;
        }
    return CVector3(out[0], out[1], out[2]);
}

void BM_BareNetEvaluation(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    std::vector<PatchNet> nets;
    for (const CPatch* p : obj->GetPatches())
        nets.push_back(p->Net(0));
    std::vector<float> out(nets.size() * (r + 1) * (r + 1) * 3);
    const float step = 1.0f / static_cast<float>(r);
    for (auto _ : state) {
        float* o = out.data();
        for (const PatchNet& net : nets)
            for (int i = 0; i <= r; ++i)
                for (int j = 0; j <= r; ++j) {
                    const CVector3 p = EvaluateRecomputingWeights(net, i * step, j * step);
                    *o++ = p.GetX();
                    *o++ = p.GetY();
                    *o++ = p.GetZ();
                }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    SetSamples(state, r);
}

// The tight loop: the 16 weights of each of the (r + 1)^2 samples computed
// once, then every net weighted into one flat array.
void BM_BareNetEvaluationPrecomputed(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    auto obj = ReadyGrid();
    std::vector<PatchNet> nets;
    for (const CPatch* p : obj->GetPatches())
        nets.push_back(p->Net(0));
    const int samples = (r + 1) * (r + 1);
    std::vector<float> weights(static_cast<size_t>(samples) * 16);
    auto bernstein = [](int k, float u) {
        const float v = 1.0f - u;
        const float b[4] = {v * v * v, 3 * u * v * v, 3 * u * u * v, u * u * u};
        return b[k];
    };
    for (int i = 0; i <= r; ++i)
        for (int j = 0; j <= r; ++j)
            for (int row = 0; row < 4; ++row)
                for (int column = 0; column < 4; ++column)
                    weights[static_cast<size_t>((i * (r + 1) + j) * 16 + row * 4 + column)] =
                        bernstein(row, static_cast<float>(j) / r) *
                        bernstein(column, static_cast<float>(i) / r);
    std::vector<float> out(nets.size() * samples * 3);
    for (auto _ : state) {
        float* o = out.data();
        for (const PatchNet& net : nets)
            for (int sample = 0; sample < samples; ++sample) {
                const float* w = &weights[static_cast<size_t>(sample) * 16];
                float x = 0, y = 0, z = 0;
                for (int k = 0; k < 16; ++k) {
                    x += w[k] * net[k * 3];
                    y += w[k] * net[k * 3 + 1];
                    z += w[k] * net[k * 3 + 2];
                }
                *o++ = x;
                *o++ = y;
                *o++ = z;
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

} // namespace

BENCHMARK(BM_BareNetEvaluation)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareNetEvaluationPrecomputed)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DisplayMeshBuild)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DisplayMeshWithNormals)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CornerNormals)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();
