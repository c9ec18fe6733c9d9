#pragma once
// The large document of the open and first-frame benchmarks, and the child
// process that opens it in a fresh process, as a user's first open does.
#include "app/quel_doc.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

namespace qf::bench {

// 1,000 patch objects of 24 x 24 cells (576,000 patches, about 48 MB
// saved), each with a manual handle. Its settings files live in a private
// folder so the benchmark never touches the user's.
std::unique_ptr<CQuelDoc> MakeLargeDocument();
// Where the benchmarks keep its file.
const std::string& LargeDocumentPath();
// Saves it there once per run; false when saving failed.
bool SaveLargeDocument();

// Each iteration times the mode's work on the saved document inside a new
// child process (quelaform_bench_child).
void TimeInChild(benchmark::State& state, const char* mode);

// 10,000 patch objects of 4 x 4 cells in 100 folders of 100, saved once per run.
constexpr int kTreeFolders = 100;
constexpr int kObjectsPerFolder = 100;
bool SaveObjectTreeDocument();
const std::string& ObjectTreeDocumentPath();
// A 100 x 100 cell grid with a gentle swell, so that its surface is not a
// plane: the object of the display-mesh benchmarks.
constexpr int kMeshGridCells = 100;
std::unique_ptr<CSpatchObj> MakeSwellGrid();
// A document of that one object, saved once per run; its path, empty when
// saving failed.
const std::string& SavedMeshDocument();
// Times the mode in the child on that document; items are the mesh's points.
void TimeMeshInChild(benchmark::State& state, const char* mode, int64_t points);

// The same with the window child (quelaform_bench_gui) on the object-tree document.
void TimeInGuiChild(benchmark::State& state, const char* mode);

} // namespace qf::bench
