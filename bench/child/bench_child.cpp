// The benchmarks' fresh process: opens the large document, reads its bytes
// and decodes their fields, or opens it and draws the first frame of four
// off-screen panes; or opens the mesh document and builds its object's
// display mesh, or the same mesh with the bare loops; and prints the
// seconds that took. A fresh process starts with an empty heap, as the
// program does when a user opens a file.
//   quelaform_bench_child open PATH | read PATH | surfaces PATH | curves PATH
//                         | mesh PATH | baremesh PATH
#include "app/quel_doc.h"
#include "bench/bare_mesh.h"
#include "bench/osmesa_pane.h"
#include "bench/sum_fields.h"
#include "mesh/mesh_converter.h"
#include "tests/support/recording_windows.h"
#include "viewport/pane_scene.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// The file's bytes had whole in one go, then every 4-byte field decoded from memory.
int RawRead(const char* path) {
    const auto start = Clock::now();
    const qf::bench::MappedFile file(path);
    if (!file.Bytes())
        return 1;
    const uint32_t sum = qf::bench::SumFields(file.Bytes(), file.Size());
    std::printf("%.9f %u\n", Seconds(start), sum);
    return 0;
}

// The first display mesh of the document's first object at resolution 4,
// by the product or by the bare loop, after opening it: the object rebuilt
// and its nets made beforehand, as the warm benchmarks have them.
int MeshBuild(const char* path, bool bare) {
    CQuelDoc doc;
    if (!doc.OnOpenDocument(path) || doc.m_objects.IsEmpty())
        return 1;
    CSpatchObj& obj = *doc.m_objects.GetHead();
    obj.Rebuild();
    obj.UpdatePatchNets();
    constexpr int r = 4;
    double seconds = 0;
    if (bare) {
        const qf::bench::BareMeshInput in = qf::bench::GatherBareMeshInput(obj);
        const auto start = Clock::now();
        const qf::bench::BareMeshWeights weights(r);
        qf::bench::BareMeshOutput out(in, r);
        qf::bench::BareMeshBuild(in, weights, out);
        seconds = Seconds(start);
        // The arrays are freed unread: keep the compiler from dropping their writing.
        asm volatile("" : : "r"(out.points.data()), "r"(out.quads.data()), "r"(out.edges.data()) : "memory");
    } else {
        const auto start = Clock::now();
        CPatchMesh mesh;
        CMeshConverter().BuildMesh(&mesh, &obj, r);
        seconds = Seconds(start);
    }
    std::printf("%.9f\n", seconds);
    return 0;
}

int Open(const char* path) {
    CQuelDoc doc;
    const auto start = Clock::now();
    if (!doc.OnOpenDocument(path))
        return 1;
    std::printf("%.9f\n", Seconds(start));
    return 0;
}

// The document opened and its four panes painted once, each in a context of
// its own as the program's panes are.
int FirstFrame(const char* path, bool surfaces) {
    std::array<BenchPaneSurface, 4> panes;
    CQuelDoc doc;
    qf::test::RecordingMainWindow window(&doc);
    const auto start = Clock::now();
    if (!doc.OnOpenDocument(path))
        return 1;
    for (int p = 0; p < 4; ++p) {
        doc.m_settings.m_panes[static_cast<size_t>(p)].m_showSurfaces = surfaces ? 1 : 0;
        if (!panes[static_cast<size_t>(p)].MakeCurrent())
            return 1;
        const CViewCamera view(&panes[static_cast<size_t>(p)]);
        CPaneScene(doc, p, view).Paint();
        glFinish();
    }
    std::printf("%.9f\n", Seconds(start));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const char* mode = argv[1];
    if (std::strcmp(mode, "read") == 0)
        return RawRead(argv[2]);
    if (std::strcmp(mode, "open") == 0)
        return Open(argv[2]);
    if (std::strcmp(mode, "mesh") == 0 || std::strcmp(mode, "baremesh") == 0)
        return MeshBuild(argv[2], std::strcmp(mode, "baremesh") == 0);
    if (std::strcmp(mode, "surfaces") == 0 || std::strcmp(mode, "curves") == 0)
        return FirstFrame(argv[2], std::strcmp(mode, "surfaces") == 0);
    return 2;
}
