// Redrawing the four panes of a 10,000-patch object on OSMesa (llvmpipe):
// each pane's scene as the pane paints it, beside the same patches drawn
// straight with glMap2f and glEvalMesh2 in one loop through the same cameras,
// the evaluator path without our drawing around it. Items are patches drawn,
// four per patch and redraw.
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "platform/base/gl_surface.h"
#include "tests/support/model_shapes.h"
#include "tests/support/recording_windows.h"
#include "viewport/pane_scene.h"

#include <GL/gl.h>
#include <GL/osmesa.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kCells = 100; // 100 x 100 four-sided patches
constexpr int kPaneWidth = 512;
constexpr int kPaneHeight = 384;

class BenchSurface : public CGlSurface {
public:
    BenchSurface() : m_pixels(static_cast<size_t>(kPaneWidth) * kPaneHeight * 4) {
        m_context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    }
    ~BenchSurface() override { OSMesaDestroyContext(m_context); }
    BenchSurface(const BenchSurface&) = delete;
    BenchSurface& operator=(const BenchSurface&) = delete;

    bool MakeCurrent() override {
        return m_context &&
               OSMesaMakeCurrent(m_context, m_pixels.data(), GL_UNSIGNED_BYTE, kPaneWidth, kPaneHeight);
    }
    void SwapBuffers() override { glFinish(); }
    int GetWidth() const override { return kPaneWidth; }
    int GetHeight() const override { return kPaneHeight; }

private:
    OSMesaContext m_context = nullptr;
    std::vector<unsigned char> m_pixels;
};

// A gently swelling 10 x 10 unit grid of 100 x 100 patches round the
// origin, selected, in the four preset panes.
struct PaneScene {
    explicit PaneScene(bool surfacesOnly) {
        setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1);
        doc = std::make_unique<CQuelDoc>();
        window = std::make_unique<qf::test::RecordingMainWindow>(doc.get());
        object = doc->AddPatchObject();
        object->SetSelected(1);
        object->AppendGeometry(qf::test::MakeFlatQuadGrid(kCells).get(), 0);
        for (CPatchVertex* v : object->GetVertices()) {
            const float x = v->GetX() - kCells / 2, z = v->GetZ() - kCells / 2;
            v->Set(x * 0.1f, 0.0002f * x * z, z * 0.1f);
        }
        object->UpdateCurveHandles();
        object->Rebuild();
        object->UpdatePatchNets();
        for (int p = 0; p < kPaneCount; ++p) {
            doc->m_cameras[static_cast<size_t>(p)].SetPreset(p);
            CPaneDisplaySettings& show = doc->m_settings.m_panes[static_cast<size_t>(p)];
            show.m_showSurfaces = 1;
            show.m_showCurves = surfacesOnly ? 0 : 1;
            show.m_showVertices = surfacesOnly ? 0 : 1;
        }
        surface.MakeCurrent();
    }
    ~PaneScene() {
        doc.reset();
        window.reset();
    }

    std::unique_ptr<CQuelDoc> doc;
    std::unique_ptr<qf::test::RecordingMainWindow> window;
    CSpatchObj* object = nullptr;
    BenchSurface surface;
};

void CountPatches(benchmark::State& state, const CSpatchObj& object) {
    state.SetItemsProcessed(int64_t(state.iterations()) * kPaneCount * object.GetPatches().GetCount());
    state.SetLabel("patches per second");
}

void RedrawPanes(benchmark::State& state, bool surfacesOnly) {
    PaneScene scene(surfacesOnly);
    const CViewCamera view(&scene.surface);
    for (auto _ : state) {
        for (int p = 0; p < kPaneCount; ++p) {
            CPaneScene(*scene.doc, p, view).Paint();
            glFinish();
        }
    }
    CountPatches(state, *scene.object);
}

// The four panes as they paint: background, grids, axes, the object and
// the corner indicator; surfaces only, as the bare loop draws them.
void BM_FourPaneRedraw(benchmark::State& state) {
    RedrawPanes(state, true);
}
BENCHMARK(BM_FourPaneRedraw)->Unit(benchmark::kMillisecond);

// The same with the panes' default curves and control points on top.
void BM_FourPaneRedrawWithCurvesAndPoints(benchmark::State& state) {
    RedrawPanes(state, false);
}
BENCHMARK(BM_FourPaneRedrawWithCurvesAndPoints)->Unit(benchmark::kMillisecond);

// The patches' nets through the evaluators in one loop, each pane cleared
// and seen through its camera, at the panes' surface resolution.
void BM_FourPaneBareEvalMesh(benchmark::State& state) {
    PaneScene scene(true);
    const CViewCamera view(&scene.surface);
    std::vector<PatchNet> nets;
    for (const CPatch* patch : scene.object->GetPatches())
        nets.push_back(patch->m_nets[0]);
    const int grid = scene.doc->m_settings.m_panes[0].m_surfaceResolution;
    for (auto _ : state) {
        for (int p = 0; p < kPaneCount; ++p) {
            glClearColor(0.9f, 0.9f, 0.8f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glEnable(GL_DEPTH_TEST);
            view.Apply(scene.doc->m_cameras[static_cast<size_t>(p)], 5.0, 5000.0);
            glColor3f(0.8f, 0.8f, 0.0f);
            glEnable(GL_MAP2_VERTEX_3);
            glMapGrid2f(grid, 0.0f, 1.0f, grid, 0.0f, 1.0f);
            for (const PatchNet& net : nets) {
                glMap2f(GL_MAP2_VERTEX_3, 0.0f, 1.0f, 3, 4, 0.0f, 1.0f, 12, 4, net.data());
                glEvalMesh2(GL_FILL, 0, grid, 0, grid);
            }
            glDisable(GL_MAP2_VERTEX_3);
            glFinish();
        }
    }
    CountPatches(state, *scene.object);
}
BENCHMARK(BM_FourPaneBareEvalMesh)->Unit(benchmark::kMillisecond);

} // namespace
