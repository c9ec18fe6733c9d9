// Importing a Wavefront OBJ file of 100,000 triangles: our whole import
// into a document (reading, checking, the polygon object with its edges and
// normals smoothed within 60 degrees) beside assimp's importer reading the
// same file and smoothing its normals alike, and our reading alone beside
// assimp's without post-processing.
#include "app/quel_doc.h"
#include "formats/obj_exporter.h"
#include "formats/obj_format.h"
#include "platform/base/file_util.h"

#include <assimp/Importer.hpp>
#include <assimp/config.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kColumns = 250;
constexpr int kRows = 200;
constexpr int kFaces = 2 * kColumns * kRows; // 100,000 triangles

// The file, written once per run like an exporter writes it.
const std::string& ObjPath() {
    static const std::string path = [] {
        std::string text = "# a grid of triangles\no grid\n";
        char line[128];
        for (int row = 0; row <= kRows; ++row)
            for (int column = 0; column <= kColumns; ++column) {
                std::snprintf(line, sizeof line, "v %0.4f %0.4f %0.4f\n", column * 1.5, 0.25 * row,
                              -0.5 * row);
                text += line;
            }
        text += "g mesh_grid\n";
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const int a = row * (kColumns + 1) + column + 1;
                const int b = a + kColumns + 1;
                std::snprintf(line, sizeof line, "f %d %d %d\nf %d %d %d\n", a, a + 1, b + 1, a, b + 1, b);
                text += line;
            }
        const std::string file = qf::TempPath("bench_import.obj");
        qf::WriteFileAtomically(file, text);
        return file;
    }();
    return path;
}

void CountFaces(benchmark::State& state) {
    state.SetItemsProcessed(int64_t(state.iterations()) * kFaces);
}

struct ImportDocument {
    ImportDocument() {
        setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1);
        doc = std::make_unique<CQuelDoc>();
        doc->DeleteAllObjects();
    }
    std::unique_ptr<CQuelDoc> doc;
};

void BM_ImportObjIntoDocument(benchmark::State& state) {
    static ImportDocument target;
    const CString path = ObjPath().c_str();
    for (auto _ : state) {
        if (!CObjExporter().ImportFrom(*target.doc, path))
            state.SkipWithError("import failed");
        state.PauseTiming();
        target.doc->DeleteAllPolygonObjects();
        target.doc->m_undoBuffer.Clear();
        state.ResumeTiming();
    }
    CountFaces(state);
}

void BM_ImportObjRead(benchmark::State& state) {
    for (auto _ : state) {
        std::string bytes;
        qf::ReadWholeFile(ObjPath(), bytes);
        benchmark::DoNotOptimize(ReadObjMesh(bytes));
    }
    CountFaces(state);
}

void BM_ImportObjAssimp(benchmark::State& state) {
    for (auto _ : state) {
        Assimp::Importer importer;
        const aiScene* scene = importer.ReadFile(ObjPath(), 0);
        if (!scene || scene->mNumMeshes != 1 || scene->mMeshes[0]->mNumFaces != kFaces)
            state.SkipWithError("assimp did not read the grid");
        benchmark::DoNotOptimize(scene);
    }
    CountFaces(state);
}

// The same with the normals smoothed within 60 degrees, as our import gives
// its polygon object.
void BM_ImportObjAssimpSmoothNormals(benchmark::State& state) {
    for (auto _ : state) {
        Assimp::Importer importer;
        importer.SetPropertyFloat(AI_CONFIG_PP_GSN_MAX_SMOOTHING_ANGLE, 60.0f);
        const aiScene* scene = importer.ReadFile(ObjPath(), aiProcess_GenSmoothNormals);
        if (!scene || scene->mNumMeshes != 1 || !scene->mMeshes[0]->HasNormals())
            state.SkipWithError("assimp did not read the grid");
        benchmark::DoNotOptimize(scene);
    }
    CountFaces(state);
}

BENCHMARK(BM_ImportObjIntoDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportObjRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportObjAssimp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportObjAssimpSmoothNormals)->Unit(benchmark::kMillisecond);

} // namespace
