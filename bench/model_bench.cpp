// Patch detection and net building on square curve grids, the work a reader
// of patches does after a topology edit, and the heap the found patches take.
#include "tests/support/model_shapes.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {

// Patches per second of a rebuilt cells x cells grid, checking that the
// rebuild found one patch per cell.
void ReportPatches(benchmark::State& state, const CSpatchObj& obj, int cells) {
    if (obj.CountQuadPatches() != cells * cells)
        state.SkipWithError("the grid did not give one patch per cell");
    state.SetItemsProcessed(state.iterations() * cells * cells);
    state.SetLabel("patches per second");
}

void BM_RebuildAndPatchNets(benchmark::State& state) {
    const int cells = static_cast<int>(state.range(0));
    auto obj = qf::test::MakeFlatQuadGrid(cells);
    for (auto _ : state) {
        obj->Rebuild();
        obj->UpdatePatchNets();
        benchmark::DoNotOptimize(obj->GetPatches().GetHead());
    }
    ReportPatches(state, *obj, cells);
}

// The first rebuild of an object just built, as after opening a document:
// it has no spare patches, and its points, curves and nodes lie where
// building it left them. Each iteration builds a new grid untimed.
void BM_RebuildFreshObject(benchmark::State& state) {
    const int cells = static_cast<int>(state.range(0));
    std::unique_ptr<CSpatchObj> obj;
    for (auto _ : state) {
        state.PauseTiming();
        obj.reset();
        obj = qf::test::MakeFlatQuadGrid(cells);
        state.ResumeTiming();
        obj->Rebuild();
        obj->UpdatePatchNets();
        benchmark::DoNotOptimize(obj->GetPatches().GetHead());
    }
    if (obj)
        ReportPatches(state, *obj, cells);
}

// Heap in use after the patches of a 100 x 100 grid were found and their
// nets built, less the heap of the curve network alone, per patch.
void BM_HeapPerQuadPatch(benchmark::State& state) {
    constexpr int kCells = 100;
    double bytesPerPatch = 0;
    for (auto _ : state) {
        auto obj = qf::test::MakeFlatQuadGrid(kCells);
        const size_t before = mallinfo2().uordblks;
        obj->Rebuild();
        obj->UpdatePatchNets();
        bytesPerPatch = static_cast<double>(mallinfo2().uordblks - before) / (kCells * kCells);
    }
    state.counters["bytes_per_patch"] = bytesPerPatch;
}

} // namespace

BENCHMARK(BM_RebuildAndPatchNets)
    ->Arg(10)
    ->Arg(30)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_RebuildFreshObject)->Arg(30)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HeapPerQuadPatch)->Iterations(1)->Unit(benchmark::kMillisecond);
