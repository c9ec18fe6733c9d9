// The undo step a one-point translate records at its press on a 10,000-patch
// object: the positions of the points against a whole copy of the object,
// in time and in the heap the record keeps.
#include "app/undo_buffer.h"
#include "tests/support/model_shapes.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

using SaveFunction = void (CUndoBuffer::*)(CSpatchObj*);

// Each press opens one record; the buffer keeps one, so every press also
// frees the record of the one before, as a full undo list does.
void TimePress(benchmark::State& state, int kind, SaveFunction save) {
    auto obj = qf::test::MakeFlatQuadGrid(100);
    obj->Rebuild();
    obj->UpdatePatchNets();
    CUndoBuffer undo;
    undo.SetMaxLevels(1);
    for (auto _ : state) {
        undo.BeginRecord();
        undo.SetKind(kind);
        (undo.*save)(obj.get());
        benchmark::DoNotOptimize(undo.GetRecord(0));
    }
    undo.Clear();
    const size_t before = mallinfo2().uordblks;
    undo.BeginRecord();
    (undo.*save)(obj.get());
    state.counters["record_bytes"] = static_cast<double>(mallinfo2().uordblks - before);
    state.counters["patches"] = static_cast<double>(obj->CountQuadPatches());
}

void BM_TranslatePressOnePoint(benchmark::State& state) {
    TimePress(state, undoPatchPositions, &CUndoBuffer::SavePatchPositions);
}

void BM_TranslatePressWholeCopy(benchmark::State& state) {
    TimePress(state, undoWholeObject, &CUndoBuffer::SaveWholePatchObject);
}

} // namespace

BENCHMARK(BM_TranslatePressOnePoint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TranslatePressWholeCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
