// Saving and opening a large document against plain buffered stdio writing
// the same bytes field by field, and against having them whole (mapped) and
// decoding each field from memory, as a C program would; opening it in a fresh process,
// as a user's first open does, against the same read in a fresh process.
#include "app/quel_doc.h"
#include "bench/large_document.h"
#include "bench/sum_fields.h"
#include "platform/base/archive.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using qf::bench::LargeDocumentPath;
using qf::bench::MakeLargeDocument;

constexpr int kObjects = 1000;

std::string DocumentBytes(CQuelDoc& doc) {
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBytes();
}

void CountBytes(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void BM_DocumentSave(benchmark::State& state) {
    const auto doc = MakeLargeDocument();
    for (auto _ : state)
        if (!doc->OnSaveDocument(LargeDocumentPath().c_str()))
            state.SkipWithError("save failed");
    CountBytes(state, DocumentBytes(*doc).size());
    state.counters["objects"] = benchmark::Counter(kObjects, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_DocumentOpen(benchmark::State& state) {
    const auto doc = MakeLargeDocument();
    if (!doc->OnSaveDocument(LargeDocumentPath().c_str()))
        state.SkipWithError("save failed");
    for (auto _ : state)
        if (!doc->OnOpenDocument(LargeDocumentPath().c_str()))
            state.SkipWithError("open failed");
    CountBytes(state, DocumentBytes(*doc).size());
    state.counters["objects"] = benchmark::Counter(kObjects, benchmark::Counter::kIsIterationInvariantRate);
}

// The same bytes, one buffered fwrite per 4-byte field.
void BM_RawFieldWrite(benchmark::State& state) {
    const std::string bytes = DocumentBytes(*MakeLargeDocument());
    for (auto _ : state) {
        FILE* f = std::fopen(LargeDocumentPath().c_str(), "wb");
        for (size_t at = 0; at + 4 <= bytes.size(); at += 4)
            std::fwrite(bytes.data() + at, 4, 1, f);
        std::fwrite(bytes.data() + bytes.size() / 4 * 4, bytes.size() % 4, 1, f);
        std::fclose(f);
    }
    CountBytes(state, bytes.size());
}

// The same bytes had whole in one go, then decoded field by field from memory.
void BM_RawFieldRead(benchmark::State& state) {
    const std::string bytes = DocumentBytes(*MakeLargeDocument());
    if (!CArchive(bytes).SaveFile(LargeDocumentPath()))
        state.SkipWithError("save failed");
    for (auto _ : state) {
        const qf::bench::MappedFile file(LargeDocumentPath());
        if (file.Size() != bytes.size())
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(qf::bench::SumFields(file.Bytes(), file.Size()));
    }
    CountBytes(state, bytes.size());
}

void BM_DocumentOpenFreshProcess(benchmark::State& state) {
    qf::bench::TimeInChild(state, "open");
}

void BM_RawFieldReadFreshProcess(benchmark::State& state) {
    qf::bench::TimeInChild(state, "read");
}

} // namespace

BENCHMARK(BM_DocumentSave)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawFieldWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DocumentOpen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawFieldRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DocumentOpenFreshProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_RawFieldReadFreshProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
