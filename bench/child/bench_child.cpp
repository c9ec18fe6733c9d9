// The benchmarks' fresh process: opens the large document, reads its bytes
// field by field, or opens it and draws the first frame of four off-screen
// panes, and prints the seconds that took. A fresh process starts with an
// empty heap, as the program does when a user opens a file.
//   quelaform_bench_child open PATH | read PATH | surfaces PATH | curves PATH
#include "app/quel_doc.h"
#include "bench/osmesa_pane.h"
#include "tests/support/recording_windows.h"
#include "viewport/pane_scene.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

int RawRead(const char* path) {
    const auto start = Clock::now();
    FILE* f = std::fopen(path, "rb");
    if (!f)
        return 1;
    uint32_t field = 0, sum = 0;
    while (std::fread(&field, 4, 1, f) == 1)
        sum += field;
    std::fclose(f);
    std::printf("%.9f %u\n", Seconds(start), sum);
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
    if (std::strcmp(mode, "surfaces") == 0 || std::strcmp(mode, "curves") == 0)
        return FirstFrame(argv[2], std::strcmp(mode, "surfaces") == 0);
    return 2;
}
