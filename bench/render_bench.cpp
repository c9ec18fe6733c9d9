// Writing the POV-Ray scene and object include of a 10,000-patch model,
// against a bare loop that fprintf's the same control points to a file.
#include "app/app_state.h"
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "render/pov_files.h"
#include "render/pov_scene_writer.h"
#include "tests/support/model_shapes.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kGridCells = 100; // 100 x 100 four-sided patches

// Makes the document current for the writer while it lives.
class BenchMainWindow : public CMainWindowLink {
public:
    explicit BenchMainWindow(CQuelDoc* doc) : m_doc(doc) { GetAppState().m_mainWindow = this; }
    ~BenchMainWindow() override { GetAppState().m_mainWindow = nullptr; }
    CQuelDoc* GetActiveDocument() override { return m_doc; }
    void SetBusyCursor(BOOL) override {}
    void ReturnFocusToMainWnd() override {}
    std::unique_ptr<CKnifeDialogServices> CreateKnifeDialog() override { return nullptr; }
    std::unique_ptr<CMultiObjectDialogServices> CreateMultiObjectDialog() override { return nullptr; }

private:
    CQuelDoc* m_doc;
};

struct GridScene {
    GridScene() {
        setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1);
        doc = std::make_unique<CQuelDoc>();
        window = std::make_unique<BenchMainWindow>(doc.get());
        object = doc->AddPatchObject();
        object->AppendGeometry(qf::test::MakeFlatQuadGrid(kGridCells).get(), 0);
        object->Rebuild();
        object->UpdatePatchNets();
    }
    ~GridScene() {
        doc.reset();
        window.reset();
    }

    std::unique_ptr<CQuelDoc> doc;
    std::unique_ptr<BenchMainWindow> window;
    CSpatchObj* object = nullptr;
    CRendererInfo info;
    CRenderSetting setting;
};

void CountPatches(benchmark::State& state, const CSpatchObj& object) {
    state.SetItemsProcessed(int64_t(state.iterations()) * object.GetPatches().GetCount());
}

void BM_PovSceneWrite(benchmark::State& state) {
    GridScene scene;
    const CPovOutputFiles files{qf::TempPath("bench_scene.pov"), qf::TempPath("bench_scene_obj.inc"),
                                "bench_scene_obj.inc"};
    for (auto _ : state) {
        CPovSceneWriter writer;
        writer.SetRendererInfo(&scene.info);
        writer.SetRenderSetting(&scene.setting);
        if (!WritePovFiles(writer, files))
            state.SkipWithError("write failed");
    }
    CountPatches(state, *scene.object);
}
BENCHMARK(BM_PovSceneWrite)->Unit(benchmark::kMillisecond);

// What a C program would do: one fprintf per line of the patch blocks.
void BM_PovBareFprintf(benchmark::State& state) {
    GridScene scene;
    const std::string path = qf::TempPath("bench_bare.inc");
    for (auto _ : state) {
        FILE* file = std::fopen(path.c_str(), "w");
        if (!file) {
            state.SkipWithError("cannot open");
            break;
        }
        std::fprintf(file, "#version %s;\n\n", "3.5");
        std::fprintf(file, "#declare quel_obj%d=", 0);
        std::fprintf(file, "union{\n");
        for (const CPatch* patch : scene.object->GetPatches()) {
            std::fprintf(file, "\tbicubic_patch {\n");
            std::fprintf(file, "\t\ttype %d\n", 0);
            std::fprintf(file, "\t\tflatness 0\n\t\tu_steps 4\n\t\tv_steps 4\n");
            const float* p = patch->Net(0).data();
            for (int row = 0; row < 4; ++row, p += 12)
                std::fprintf(
                    file,
                    "\t\t<%0.3f,%0.3f,%0.3f> <%0.3f,%0.3f,%0.3f> <%0.3f,%0.3f,%0.3f> <%0.3f,%0.3f,%0.3f> \n",
                    p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10], p[11]);
            std::fprintf(file, "\t}\n");
        }
        std::fprintf(file, "}\n\n");
        std::fclose(file);
    }
    CountPatches(state, *scene.object);
}
BENCHMARK(BM_PovBareFprintf)->Unit(benchmark::kMillisecond);

} // namespace
