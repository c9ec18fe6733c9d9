// Patch detection and net building on square curve grids, the work a reader
// of patches does after a topology edit.
#include "tests/support/model_shapes.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RebuildAndPatchNets(benchmark::State& state) {
    const int cells = static_cast<int>(state.range(0));
    auto obj = qf::test::MakeFlatQuadGrid(cells);
    for (auto _ : state) {
        obj->Rebuild();
        obj->UpdatePatchNets();
        benchmark::DoNotOptimize(obj->GetPatches().GetHead());
    }
    if (obj->CountQuadPatches() != cells * cells)
        state.SkipWithError("the grid did not give one patch per cell");
    state.SetItemsProcessed(state.iterations() * cells * cells);
    state.SetLabel("patches per second");
}

} // namespace

BENCHMARK(BM_RebuildAndPatchNets)->Arg(10)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
