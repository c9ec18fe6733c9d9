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

// Runs the child with these arguments and returns the seconds it reports,
// or a negative number when it failed.
double RunChild(const std::string& mode, const std::string& argument) {
    const std::string child =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "quelaform_bench_child").string();
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv{const_cast<char*>(child.c_str()), const_cast<char*>(mode.c_str()),
                            const_cast<char*>(argument.c_str()), nullptr};
    pid_t pid = 0;
    const int started = posix_spawn(&pid, child.c_str(), &actions, nullptr, argv.data(), environ);
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

} // namespace qf::bench
