// Archive throughput against plain buffered stdio on the same bytes.
#include "platform/base/archive.h"
#include "platform/base/file_util.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// About 100 MB: per record four ints, three floats and a short name.
constexpr int kRecords = 3'000'000;

CString NameOf(int i) {
    CString s;
    s.Format("patch_obj_%02d", i % 100);
    return s;
}

void StoreRecords(CArchive& ar) {
    const CString names[4] = {NameOf(0), NameOf(1), "パッチ", NameOf(3)};
    for (int i = 0; i < kRecords; ++i) {
        ar << int32_t(i) << int32_t(i * 3) << int32_t(1) << int32_t(-1);
        ar << float(i) * 0.5f << 1.25f << -3.0f;
        ar << names[i & 3];
    }
}

void LoadRecords(CArchive& ar) {
    int32_t n;
    float f;
    CString s;
    for (int i = 0; i < kRecords; ++i) {
        ar >> n >> n >> n >> n >> f >> f >> f >> s;
        benchmark::DoNotOptimize(s);
    }
}

const std::string& Path() {
    static const std::string path = qf::TempPath("bench.qfm");
    return path;
}

const std::string& Bytes() {
    static const std::string bytes = [] {
        CArchive ar;
        StoreRecords(ar);
        return ar.GetBytes();
    }();
    return bytes;
}

void BM_ArchiveSave(benchmark::State& state) {
    for (auto _ : state) {
        CArchive ar;
        StoreRecords(ar);
        if (!ar.SaveFile(Path()))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Bytes().size()));
}

// The same bytes written with one buffered fwrite per field, as a C program would.
void BM_RawFwrite(benchmark::State& state) {
    const std::string& bytes = Bytes();
    for (auto _ : state) {
        FILE* f = std::fopen(Path().c_str(), "wb");
        const int32_t ints[4] = {1, 2, 3, -1};
        const float floats[3] = {0.5f, 1.25f, -3.0f};
        for (int i = 0; i < kRecords; ++i) {
            std::fwrite(ints, sizeof ints, 1, f);
            std::fwrite(floats, sizeof floats, 1, f);
            const char name[] = "\x0cpatch_obj_00";
            std::fwrite(name, 13, 1, f);
        }
        std::fclose(f);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

void BM_ArchiveLoad(benchmark::State& state) {
    CArchive saved;
    StoreRecords(saved);
    saved.SaveFile(Path());
    for (auto _ : state) {
        CArchive ar = CArchive::LoadFile(Path());
        LoadRecords(ar);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Bytes().size()));
}

void BM_RawFread(benchmark::State& state) {
    CArchive saved;
    StoreRecords(saved);
    saved.SaveFile(Path());
    for (auto _ : state) {
        FILE* f = std::fopen(Path().c_str(), "rb");
        int32_t ints[4];
        float floats[3];
        unsigned char len;
        char name[256];
        for (int i = 0; i < kRecords; ++i) {
            if (std::fread(ints, sizeof ints, 1, f) != 1 || std::fread(floats, sizeof floats, 1, f) != 1 ||
                std::fread(&len, 1, 1, f) != 1 || std::fread(name, len, 1, f) != 1)
                break;
            benchmark::DoNotOptimize(name);
        }
        std::fclose(f);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Bytes().size()));
}

} // namespace

BENCHMARK(BM_ArchiveSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawFwrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArchiveLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawFread)->Unit(benchmark::kMillisecond);
