// Redrawing the four panes of a 10,000-patch object on OSMesa (llvmpipe):
// each pane's scene as the pane paints it, beside the same patches drawn
// straight with glMap2f and glEvalMesh2 in one loop through the same cameras,
// the evaluator path without our drawing around it; and the panes' default
// view of curves and control points beside the same polylines and points
// drawn from one array each. Items are patches drawn, four per patch and
// redraw.
#include "app/quel_doc.h"
#include "bench/large_document.h"
#include "bench/osmesa_pane.h"
#include "platform/base/file_util.h"
#include "tests/support/model_shapes.h"
#include "tests/support/recording_windows.h"
#include "viewport/pane_scene.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kCells = 100; // 100 x 100 four-sided patches

// What the panes show of the object.
enum class Show { surfaces, everything, curvesAndPoints };

// A gently swelling 10 x 10 unit grid of 100 x 100 patches round the
// origin, selected, in the four preset panes.
struct PaneScene {
    explicit PaneScene(Show what) {
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
            show.m_showSurfaces = what != Show::curvesAndPoints ? 1 : 0;
            show.m_showCurves = what != Show::surfaces ? 1 : 0;
            show.m_showVertices = what != Show::surfaces ? 1 : 0;
        }
        surface.MakeCurrent();
    }
    ~PaneScene() {
        doc.reset();
        window.reset();
    }

    // A bare loop's pane: cleared, depth tested, seen through the pane's camera.
    void BeginBarePane(const CViewCamera& view, int pane) {
        glClearColor(0.9f, 0.9f, 0.8f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        view.Apply(doc->m_cameras[static_cast<size_t>(pane)], 5.0, 5000.0);
    }

    std::unique_ptr<CQuelDoc> doc;
    std::unique_ptr<qf::test::RecordingMainWindow> window;
    CSpatchObj* object = nullptr;
    BenchPaneSurface surface;
};

void CountPatches(benchmark::State& state, const CSpatchObj& object) {
    state.SetItemsProcessed(int64_t(state.iterations()) * kPaneCount * object.GetPatches().GetCount());
    state.SetLabel("patches per second");
}

void RedrawPanes(benchmark::State& state, Show what) {
    PaneScene scene(what);
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
    RedrawPanes(state, Show::surfaces);
}
BENCHMARK(BM_FourPaneRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with the panes' default curves and control points on top.
void BM_FourPaneRedrawWithCurvesAndPoints(benchmark::State& state) {
    RedrawPanes(state, Show::everything);
}
BENCHMARK(BM_FourPaneRedrawWithCurvesAndPoints)->Unit(benchmark::kMillisecond)->UseRealTime();

// The panes' default view: curves and control points, no surfaces.
void BM_FourPaneDefaultView(benchmark::State& state) {
    RedrawPanes(state, Show::curvesAndPoints);
}
BENCHMARK(BM_FourPaneDefaultView)->Unit(benchmark::kMillisecond)->UseRealTime();

// The patches' nets through the evaluators in one loop, each pane cleared
// and seen through its camera, at the panes' surface resolution.
void BM_FourPaneBareEvalMesh(benchmark::State& state) {
    PaneScene scene(Show::surfaces);
    const CViewCamera view(&scene.surface);
    std::vector<PatchNet> nets;
    for (const CPatch* patch : scene.object->GetPatches())
        nets.push_back(patch->Net(0));
    const int grid = scene.doc->m_settings.m_panes[0].m_surfaceResolution;
    for (auto _ : state) {
        for (int p = 0; p < kPaneCount; ++p) {
            scene.BeginBarePane(view, p);
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
BENCHMARK(BM_FourPaneBareEvalMesh)->Unit(benchmark::kMillisecond)->UseRealTime();

// The default view's curve segments, each as the same polyline of the
// panes' curve resolution, and the control points, from one array each, in
// one draw call each, through the same cameras.
void BM_FourPaneBarePolylines(benchmark::State& state) {
    PaneScene scene(Show::curvesAndPoints);
    const CViewCamera view(&scene.surface);
    const int steps = scene.doc->m_settings.m_panes[0].m_curveResolution;
    const float step = 1.0f / static_cast<float>(steps);
    std::vector<float> lines, points;
    auto put = [](std::vector<float>& to, const CVector3& p) {
        to.insert(to.end(), {p.GetX(), p.GetY(), p.GetZ()});
    };
    for (const CCurve* curve : scene.object->GetCurves())
        for (POSITION pos = curve->m_nodes.GetHeadPosition(); pos;) {
            const CCurvePoint* a = curve->m_nodes.GetNext(pos);
            if (!pos)
                break;
            const CCurvePoint* b = curve->m_nodes.GetAt(pos);
            CVector3 previous = *a->m_vertex;
            for (float t = step; t < 1.0f && t + step > t; t += step) {
                const CVector3 p = BezierPoint(*a->m_vertex, a->m_handleOut, b->m_handleIn, *b->m_vertex, t);
                put(lines, previous);
                put(lines, p);
                previous = p;
            }
            put(lines, previous);
            put(lines, *b->m_vertex);
        }
    for (const CPatchVertex* v : scene.object->GetVertices())
        put(points, *v);
    for (auto _ : state) {
        for (int p = 0; p < kPaneCount; ++p) {
            scene.BeginBarePane(view, p);
            glEnableClientState(GL_VERTEX_ARRAY);
            glColor3f(0.2f, 0.4f, 0.4f);
            glVertexPointer(3, GL_FLOAT, 0, lines.data());
            glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(lines.size() / 3));
            glPointSize(4.0f);
            glColor3f(1.0f, 0.0f, 0.0f);
            glVertexPointer(3, GL_FLOAT, 0, points.data());
            glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(points.size() / 3));
            glPointSize(1.0f);
            glDisableClientState(GL_VERTEX_ARRAY);
            glFinish();
        }
    }
    CountPatches(state, *scene.object);
}
BENCHMARK(BM_FourPaneBarePolylines)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first frame after opening the large document in a fresh process: the
// open and one paint of each of four panes, each pane in a context of its
// own, with the panes' surfaces switched on or left off.
void BM_FirstFrameSurfacesOn(benchmark::State& state) {
    qf::bench::TimeInChild(state, "surfaces");
}
BENCHMARK(BM_FirstFrameSurfacesOn)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

void BM_FirstFrameSurfacesOff(benchmark::State& state) {
    qf::bench::TimeInChild(state, "curves");
}
BENCHMARK(BM_FirstFrameSurfacesOff)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace
