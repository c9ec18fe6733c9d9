// Exporting a 10,000-patch object to DirectX, DXF and Metasequoia, each
// beside a bare fprintf loop that writes the same numbers as a C program
// would; importing a Metasequoia file of 100,000 faces beside a bare parse
// of the same numbers with the C library's strtof and strtol.
#include "app/quel_doc.h"
#include "formats/dxf_exporter.h"
#include "formats/export_framework.h"
#include "formats/mqo_exporter.h"
#include "formats/mqo_format.h"
#include "formats/xfile_exporter.h"
#include "platform/base/file_util.h"
#include "tests/support/model_shapes.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kGridCells = 100;   // 100 x 100 four-sided patches
constexpr int kImportCells = 316; // 316 x 316 = 99,856 quads

struct GridDocument {
    GridDocument() {
        setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1);
        doc = std::make_unique<CQuelDoc>();
        doc->DeleteAllObjects();
        object = doc->AddPatchObject(qf::test::MakeFlatQuadGrid(kGridCells));
        object->Rebuild();
        mesh = BuildExportMesh(*object, 1);
    }
    std::unique_ptr<CQuelDoc> doc;
    CSpatchObj* object = nullptr;
    std::unique_ptr<CPatchMesh> mesh;
};

GridDocument& Grid() {
    static GridDocument grid;
    return grid;
}

void CountPatches(benchmark::State& state) {
    state.SetItemsProcessed(int64_t(state.iterations()) * Grid().object->GetPatches().GetCount());
}

// A bare loop: opens path, runs write on the stream, closes it.
template <class Write> void BareLoop(benchmark::State& state, const char* name, Write write) {
    const std::string path = qf::TempPath(name);
    for (auto _ : state) {
        FILE* file = std::fopen(path.c_str(), "w");
        if (!file) {
            state.SkipWithError("cannot open");
            break;
        }
        write(file);
        std::fclose(file);
    }
    CountPatches(state);
}

void BM_ExportDirectX(benchmark::State& state) {
    GridDocument& grid = Grid();
    const CString path = qf::TempPath("bench.x").c_str();
    for (auto _ : state)
        if (!CXFileExporter().ExportTo(*grid.doc, path, exportScopeAll))
            state.SkipWithError("export failed");
    CountPatches(state);
}

void BM_ExportDirectXBareFprintf(benchmark::State& state) {
    CSpatchObj& obj = *Grid().object;
    BareLoop(state, "bench_bare.x", [&](FILE* file) {
        std::fprintf(file, "Mesh {\n %d;\n", obj.GetVertices().GetCount());
        for (const CPatchVertex* v : obj.GetVertices())
            std::fprintf(file, " %0.5f;%0.5f;%0.5f;,\n", v->GetX(), v->GetY(), v->GetZ());
        std::fprintf(file, " %d;\n", 2 * obj.GetPatches().GetCount());
        obj.NumberVertices();
        for (const CPatch* p : obj.GetPatches()) {
            const int a = p->GetCorner(0)->m_index, b = p->GetCorner(1)->m_index;
            const int c = p->GetCorner(2)->m_index, d = p->GetCorner(3)->m_index;
            std::fprintf(file, " 4;%d,%d,%d,%d;,\n", a, b, c, d);
            std::fprintf(file, " 4;%d,%d,%d,%d;,\n", a, d, c, b);
        }
        for (int i = 0; i < obj.GetPatches().GetCount(); ++i)
            std::fprintf(file, "  %d,\n  %d,\n", 0, 0);
    });
}

void BM_ExportDxf(benchmark::State& state) {
    GridDocument& grid = Grid();
    const CString path = qf::TempPath("bench.dxf").c_str();
    for (auto _ : state)
        if (!CDxfExporter().ExportTo(*grid.doc, path, 1))
            state.SkipWithError("export failed");
    CountPatches(state);
}

void BM_ExportDxfBareFprintf(benchmark::State& state) {
    const CPatchMesh& mesh = *Grid().mesh;
    BareLoop(state, "bench_bare.dxf", [&](FILE* file) {
        std::fprintf(file, "0\nSECTION\n2\nENTITIES\n");
        for (const CMeshFace& face : mesh.m_faces.m_quads) {
            std::fprintf(file, "0\n3DFACE\n8\n%s\n62\n1\n", "grid");
            for (int i = 0; i < 4; ++i) {
                const CFloat3& p = mesh.m_vertices[face.vertex[i]];
                std::fprintf(file, "1%d\n%0.4f\n2%d\n%0.4f\n3%d\n%0.4f\n", i, p.x, i, p.y, i, p.z);
            }
        }
        std::fprintf(file, "0\nENDSEC\n0\nEOF\n");
    });
}

void BM_ExportMetasequoia(benchmark::State& state) {
    GridDocument& grid = Grid();
    const CString path = qf::TempPath("bench.mqo").c_str();
    for (auto _ : state)
        if (!CMqoExporter().ExportTo(*grid.doc, path, CExportSettings()))
            state.SkipWithError("export failed");
    CountPatches(state);
}

void BM_ExportMetasequoiaBareFprintf(benchmark::State& state) {
    const CPatchMesh& mesh = *Grid().mesh;
    BareLoop(state, "bench_bare.mqo", [&](FILE* file) {
        std::fprintf(file, "Object \"%s\" {\n\tvertex %d {\n", "grid", mesh.m_vertices.GetCount());
        for (const CFloat3& p : mesh.m_vertices.m_positions)
            std::fprintf(file, "\t\t%0.4f %0.4f %0.4f\n", p.x, p.y, -p.z);
        std::fprintf(file, "\t}\n\tface %d {\n", mesh.m_faces.QuadCount());
        for (const CMeshFace& f : mesh.m_faces.m_quads)
            std::fprintf(file, "\t\t4 V(%d %d %d %d) M(%d)\n", f.vertex[0], f.vertex[1], f.vertex[2],
                         f.vertex[3], 0);
        std::fprintf(file, "\t}\n}\n");
    });
}

// A Metasequoia document of one object of kImportCells squared quads.
const std::string& ImportText() {
    static const std::string text = [] {
        const int side = kImportCells + 1;
        std::string out = "Metasequoia Document\nFormat Text Ver 1.0\n\nObject \"grid\" {\n\tvertex ";
        out += std::to_string(side * side) + " {\n";
        char line[128];
        for (int row = 0; row < side; ++row)
            for (int column = 0; column < side; ++column) {
                std::snprintf(line, sizeof line, "\t\t%0.4f %0.4f %0.4f\n", column * 1.5, 0.25 * row,
                              -0.5 * row);
                out += line;
            }
        out += "\t}\n\tface " + std::to_string(kImportCells * kImportCells) + " {\n";
        for (int row = 0; row < kImportCells; ++row)
            for (int column = 0; column < kImportCells; ++column) {
                const int a = row * side + column;
                std::snprintf(line, sizeof line, "\t\t4 V(%d %d %d %d) M(0)\n", a, a + 1, a + side + 1,
                              a + side);
                out += line;
            }
        out += "\t}\n}\nEof";
        return out;
    }();
    return text;
}

void CountFaces(benchmark::State& state) {
    state.SetItemsProcessed(int64_t(state.iterations()) * kImportCells * kImportCells);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(ImportText().size()));
}

// Reading the file whole and checking it into meshes: what stands between
// the file and the document.
void BM_ImportMetasequoiaRead(benchmark::State& state) {
    const std::string path = qf::TempPath("bench_import.mqo");
    qf::WriteFileAtomically(path, ImportText());
    for (auto _ : state) {
        std::string bytes;
        qf::ReadWholeFile(path, bytes);
        CTokenScanner scanner(bytes);
        if (!ReadMqoHeader(scanner))
            state.SkipWithError("no header");
        benchmark::DoNotOptimize(ReadMqoObjects(scanner));
    }
    CountFaces(state);
}

// The same numbers taken from the file with strtof and strtol, trusting every count.
void BM_ImportMetasequoiaBareParse(benchmark::State& state) {
    const std::string path = qf::TempPath("bench_import_bare.mqo");
    qf::WriteFileAtomically(path, ImportText());
    for (auto _ : state) {
        std::string bytes;
        qf::ReadWholeFile(path, bytes);
        const char* p = std::strstr(bytes.c_str(), "vertex ") + 7;
        char* end = nullptr;
        const long vertices = std::strtol(p, &end, 10);
        std::vector<float> xyz(3 * vertices);
        p = std::strchr(end, '{') + 1;
        for (float& v : xyz) {
            v = std::strtof(p, &end);
            p = end;
        }
        p = std::strstr(p, "face ") + 5;
        const long faces = std::strtol(p, &end, 10);
        std::vector<int> corners(4 * faces);
        p = std::strchr(end, '{') + 1;
        for (long f = 0; f < faces; ++f) {
            const long n = std::strtol(p, &end, 10);
            p = std::strchr(end, '(') + 1;
            for (long k = 0; k < n; ++k) {
                corners[4 * f + k] = static_cast<int>(std::strtol(p, &end, 10));
                p = end;
            }
            p = std::strchr(p, '\n') + 1;
        }
        benchmark::DoNotOptimize(xyz.data());
        benchmark::DoNotOptimize(corners.data());
    }
    CountFaces(state);
}

// The whole import into a document: reading, control points and curves,
// and the search for the patches.
void BM_ImportMetasequoiaIntoDocument(benchmark::State& state) {
    const std::string path = qf::TempPath("bench_import_doc.mqo");
    qf::WriteFileAtomically(path, ImportText());
    GridDocument& grid = Grid();
    for (auto _ : state) {
        if (!CMqoExporter().ImportFrom(*grid.doc, path.c_str()))
            state.SkipWithError("import failed");
        state.PauseTiming();
        grid.doc->DeleteObject(grid.doc->m_objects.GetTail());
        grid.doc->m_undoBuffer.Clear();
        state.ResumeTiming();
    }
    CountFaces(state);
}

BENCHMARK(BM_ExportDirectX)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportDirectXBareFprintf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportDxf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportDxfBareFprintf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportMetasequoia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportMetasequoiaBareFprintf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportMetasequoiaRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportMetasequoiaBareParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportMetasequoiaIntoDocument)->Unit(benchmark::kMillisecond);

} // namespace
