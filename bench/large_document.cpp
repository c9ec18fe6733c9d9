// The large benchmark document and the fresh child process that opens it.
#include "bench/large_document.h"
#include "platform/base/file_util.h"
#include "tests/support/model_shapes.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace qf::bench {

namespace {

constexpr int kObjects = 1000;
constexpr int kGridCells = 24;

// Runs the child program with these arguments and returns the seconds it
// reports, or a negative number when it failed. A child that needs windows
// runs under xvfb-run when there is no display.
double RunChild(const std::string& mode, const std::string& argument,
                const char* program = "quelaform_bench_child", bool needsDisplay = false) {
    const std::string child =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / program).string();
    const char* display = std::getenv("DISPLAY");
    const bool virtualDisplay = needsDisplay && (!display || !*display);
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv{const_cast<char*>(child.c_str()), const_cast<char*>(mode.c_str()),
                            const_cast<char*>(argument.c_str()), nullptr};
    if (virtualDisplay)
        argv.insert(argv.begin(), {const_cast<char*>("xvfb-run"), const_cast<char*>("-a")});
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    if (started != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::strtod(text.c_str(), nullptr);
}

} // namespace

std::unique_ptr<CQuelDoc> MakeLargeDocument() {
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

const std::string& LargeDocumentPath() {
    static const std::string path = qf::TempPath("bench_document.qfm");
    return path;
}

bool SaveLargeDocument() {
    static const bool saved = MakeLargeDocument()->OnSaveDocument(LargeDocumentPath().c_str());
    return saved;
}

void TimeInChild(benchmark::State& state, const char* mode) {
    if (!SaveLargeDocument()) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        const double seconds = RunChild(mode, LargeDocumentPath());
        if (seconds < 0) {
            state.SkipWithError("the child process failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

std::unique_ptr<CSpatchObj> MakeSwellGrid() {
    auto obj = qf::test::MakeFlatQuadGrid(kMeshGridCells);
    const float middle = 0.5f * kMeshGridCells;
    for (CPatchVertex* v : obj->GetVertices())
        v->SetY(0.002f * (v->GetX() - middle) * (v->GetZ() - middle));
    obj->UpdateCurveHandles();
    return obj;
}

const std::string& SavedMeshDocument() {
    static const std::string path = [] {
        setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1);
        CQuelDoc doc;
        doc.AddPatchObject(MakeSwellGrid())->SetName("swell");
        const std::string saved = qf::TempPath("bench_mesh.qfm");
        return doc.OnSaveDocument(saved.c_str()) ? saved : std::string();
    }();
    return path;
}

void TimeMeshInChild(benchmark::State& state, const char* mode, int64_t points) {
    if (SavedMeshDocument().empty()) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        const double seconds = RunChild(mode, SavedMeshDocument());
        if (seconds < 0) {
            state.SkipWithError("the child process failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * points);
}

bool SaveObjectTreeDocument() {
    static const bool saved = [] {
        setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1);
        CQuelDoc doc;
        const auto grid = qf::test::MakeFlatQuadGrid(4);
        for (int f = 0; f < kTreeFolders; ++f) {
            CFolderObj* folder = doc.AddFolder();
            folder->SetName("folder" + std::to_string(f));
            for (int i = 0; i < kObjectsPerFolder; ++i) {
                CSpatchObj* obj = doc.AddPatchObject();
                obj->SetName("object" + std::to_string(f) + "_" + std::to_string(i));
                obj->AppendGeometry(grid.get(), 0);
                doc.m_tree.MoveIntoFolder(obj, folder);
            }
        }
        return doc.OnSaveDocument(ObjectTreeDocumentPath().c_str()) != FALSE;
    }();
    return saved;
}

const std::string& ObjectTreeDocumentPath() {
    static const std::string path = qf::TempPath("bench_object_tree.qfm");
    return path;
}

void TimeInGuiChild(benchmark::State& state, const char* mode) {
    if (!SaveObjectTreeDocument()) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        const double seconds = RunChild(mode, ObjectTreeDocumentPath(), "quelaform_bench_gui", true);
        if (seconds < 0) {
            state.SkipWithError("the window child failed (no display and no xvfb-run?)");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kTreeFolders * kObjectsPerFolder);
}

} // namespace qf::bench
