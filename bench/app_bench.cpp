// Saving and opening a large document against plain buffered stdio writing
// and reading the same bytes field by field, as a C program would.
#include "app/quel_doc.h"
#include "platform/base/archive.h"
#include "platform/base/file_util.h"
#include "tests/support/model_shapes.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// 1,000 patch objects of 25 x 25 points, about 50 MB.
constexpr int kObjects = 1000;
constexpr int kGridCells = 24;

const std::string& Path() {
    static const std::string path = qf::TempPath("bench_document.qfm");
    return path;
}

// A document of kObjects grids, each with a manual handle. Its settings
// files live in a private folder so the benchmark never touches the user's.
std::unique_ptr<CQuelDoc> MakeDocument() {
    setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1);
    auto doc = std::make_unique<CQuelDoc>();
    const auto grid = qf::test::MakeFlatQuadGrid(kGridCells);
    for (int i = 0; i < kObjects; ++i) {
        CSpatchObj* obj = doc->AddPatchObject();
        obj->SetName("grid" + std::to_string(i));
        obj->AppendGeometry(grid.get(), 0);
        CCurvePoint* node = obj->GetCurves().GetHead()->m_nodes.GetHead();
        node->m_manualOut = 1;
        node->m_offsetOut = CVector3(0.5f, 0.5f, 0.0f);
    }
    return doc;
}

std::string DocumentBytes(CQuelDoc& doc) {
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBytes();
}

void CountBytes(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void BM_DocumentSave(benchmark::State& state) {
    const auto doc = MakeDocument();
    for (auto _ : state)
        if (!doc->OnSaveDocument(Path().c_str()))
            state.SkipWithError("save failed");
    CountBytes(state, DocumentBytes(*doc).size());
    state.counters["objects"] = benchmark::Counter(kObjects, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_DocumentOpen(benchmark::State& state) {
    const auto doc = MakeDocument();
    if (!doc->OnSaveDocument(Path().c_str()))
        state.SkipWithError("save failed");
    for (auto _ : state)
        if (!doc->OnOpenDocument(Path().c_str()))
            state.SkipWithError("open failed");
    CountBytes(state, DocumentBytes(*doc).size());
    state.counters["objects"] = benchmark::Counter(kObjects, benchmark::Counter::kIsIterationInvariantRate);
}

// The same bytes, one buffered fwrite per 4-byte field.
void BM_RawFieldWrite(benchmark::State& state) {
    const std::string bytes = DocumentBytes(*MakeDocument());
    for (auto _ : state) {
        FILE* f = std::fopen(Path().c_str(), "wb");
        for (size_t at = 0; at + 4 <= bytes.size(); at += 4)
            std::fwrite(bytes.data() + at, 4, 1, f);
        std::fwrite(bytes.data() + bytes.size() / 4 * 4, bytes.size() % 4, 1, f);
        std::fclose(f);
    }
    CountBytes(state, bytes.size());
}

// The same bytes, one buffered fread per 4-byte field.
void BM_RawFieldRead(benchmark::State& state) {
    const std::string bytes = DocumentBytes(*MakeDocument());
    if (!CArchive(bytes).SaveFile(Path()))
        state.SkipWithError("save failed");
    for (auto _ : state) {
        FILE* f = std::fopen(Path().c_str(), "rb");
        uint32_t field = 0, sum = 0;
        while (std::fread(&field, 4, 1, f) == 1)
            sum += field;
        std::fclose(f);
        benchmark::DoNotOptimize(sum);
    }
    CountBytes(state, bytes.size());
}

} // namespace

BENCHMARK(BM_DocumentSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawFieldWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawFieldRead)->Unit(benchmark::kMillisecond);
