// The object page filled with a document of 10,000 objects in folders,
// beside opening that document, each in a fresh process with windows.
#include "bench/large_document.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ObjectTreeDocumentOpen(benchmark::State& state) {
    qf::bench::TimeInGuiChild(state, "open");
}

void BM_ObjectPageFill(benchmark::State& state) {
    qf::bench::TimeInGuiChild(state, "fill");
}

} // namespace

BENCHMARK(BM_ObjectTreeDocumentOpen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_ObjectPageFill)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
