// The pane menus' commands on a document with four recording panes: the
// mouse-button tools, what the active pane shows and how it is redrawn,
// its camera with the view history, and which panes the grid and OpenGL
// dialogs repaint (the dialogs themselves run for real in the gui tests).
#include "app/doc_fixture.h"
#include "dialogs/viewport_setting_dlgs.h"
#include "shell/pane_commands.h"
#include "support/command_probe.h"
#include "support/model_builders.h"
#include "viewport/recording_pane.h"

#include <gtest/gtest.h>

using qf::test::IsItemChecked;
using qf::test::IsItemEnabled;

namespace {

constexpr UINT kShowVertices = 30027;
constexpr UINT kShowCurves = 30031;
constexpr UINT kShowSurfaces = 30034;
constexpr UINT kShowGrid = 30193;
constexpr UINT kShowAxes = 30077;
constexpr UINT kLighting = 30038;
constexpr UINT kTop = 30020;
constexpr UINT kFront = 30022;
constexpr UINT kOrtho = 30016;
constexpr UINT kPerspective = 30018;
constexpr UINT kViewUndo = 30571;
constexpr UINT kViewRedo = 30572;

class PaneCommandsTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        for (int p = 0; p < kPaneCount; ++p) {
            panes.push_back(std::make_unique<RecordingPane>());
            doc->RegisterWindow(panes.back()->GetSafeHwnd(), wndGLPane0 + p);
            doc->m_cameras[static_cast<size_t>(p)].SetPreset(p);
        }
        doc->m_activePane = 2; // the front view
    }
    void Run(UINT id) { qf::test::RunCommand(commands, id); }
    RecordingPane& Active() { return *panes[2]; }
    CCamera& Camera() { return doc->m_cameras[2]; }
    const CViewHistory& History() { return doc->m_viewHistory[2]; }
    // The user confirms the next dialog, of class Dialog, after changing it.
    template <class Dialog>
    void Answer(
        int result, std::function<void(Dialog&)> change = [](Dialog&) {}) {
        boxes.AnswerModal([result, change](qf::CModalWindow& window) {
            change(dynamic_cast<Dialog&>(window));
            return result;
        });
    }

    CPaneCommands commands;
    std::vector<std::unique_ptr<RecordingPane>> panes;
};

} // namespace

// Each button keeps its own tool; the item of the button's tool is checked.
TEST_F(PaneCommandsTest, EachMouseButtonGetsItsOwnCameraTool) {
    Run(30026); // left: zoom
    Run(30195); // right: zoom
    Run(30168); // middle: pan
    Run(30529); // left+right: pan
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeCameraZoom);
    EXPECT_EQ(doc->m_settings.m_mouseModeRight, mouseModeCameraZoom);
    EXPECT_EQ(doc->m_settings.m_mouseModeMiddle, mouseModeCameraPan);
    EXPECT_EQ(doc->m_settings.m_mouseModeBoth, mouseModeCameraPan);
    Run(30200);
    EXPECT_EQ(doc->m_settings.m_mouseModeRight, mouseModePopupMenu) << "the right button shows the menu";
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeCameraZoom) << "the left one keeps its tool";
    EXPECT_TRUE(IsItemChecked(commands, 30026));
    EXPECT_TRUE(IsItemChecked(commands, 30200));
    EXPECT_FALSE(IsItemChecked(commands, 30195));
    EXPECT_TRUE(IsItemChecked(commands, 30168));
    EXPECT_FALSE(IsItemChecked(commands, 30176));
}

// Switched on, points, curves, axes and grids are drawn over the picture;
// switched off, the pane repaints; each item shows the active pane's flag.
TEST_F(PaneCommandsTest, DisplaySwitchesToggleTheActivePaneAndRedrawWhatChanged) {
    const struct {
        UINT id;
        int CPaneDisplaySettings::*flag;
        const char* drawnWhenOn;
    } cases[] = {
        {kShowVertices, &CPaneDisplaySettings::m_showVertices, "vertices "},
        {kShowCurves, &CPaneDisplaySettings::m_showCurves, "curves "},
        {kShowAxes, &CPaneDisplaySettings::m_showAxes, "axes "},
        {kShowGrid, &CPaneDisplaySettings::m_showGrid, "grid "},
        {30112, &CPaneDisplaySettings::m_showGridXY, "grid "},
        {kShowSurfaces, &CPaneDisplaySettings::m_showSurfaces, "full "},
        {30581, &CPaneDisplaySettings::m_showUnderlay, "full "},
    };
    CPaneDisplaySettings& show = doc->m_settings.m_panes[2];
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        show.*c.flag = 0;
        Active().log.clear();
        Run(c.id);
        EXPECT_EQ(show.*c.flag, 1);
        EXPECT_TRUE(IsItemChecked(commands, c.id));
        EXPECT_EQ(Active().log, c.drawnWhenOn);
        Active().log.clear();
        Run(c.id);
        EXPECT_EQ(show.*c.flag, 0);
        EXPECT_FALSE(IsItemChecked(commands, c.id));
        EXPECT_EQ(Active().log, "full ");
        EXPECT_EQ(panes[0]->log + panes[1]->log + panes[3]->log, "") << "only the active pane";
    }
}

// The preview lighting and its light source repaint only a shaded pane;
// the polygon display is always grey.
TEST_F(PaneCommandsTest, LightingChangesRepaintOnlyWhatShowsThem) {
    CPaneDisplaySettings& show = doc->m_settings.m_panes[2];
    show.m_showSurfaces = 0;
    Run(kLighting);
    EXPECT_EQ(show.m_useLighting, 1);
    EXPECT_EQ(Active().log, "") << "no surfaces to shade";
    show.m_showSurfaces = 1;
    Run(kLighting);
    EXPECT_EQ(Active().log, "full ");

    Active().log.clear();
    Run(30639);
    EXPECT_EQ(doc->m_lightSource[2], 1);
    EXPECT_EQ(Active().log, "") << "lighting is off";
    EXPECT_TRUE(IsItemChecked(commands, 30639));
    EXPECT_FALSE(IsItemChecked(commands, 30638));
    Run(kLighting);
    Active().log.clear();
    Run(30640);
    EXPECT_EQ(doc->m_lightSource[2], 2);
    EXPECT_EQ(Active().log, "full ");

    EXPECT_FALSE(IsItemEnabled(commands, 30736));
}

TEST_F(PaneCommandsTest, GridLockAndTheDocumentWideSwitches) {
    std::array<int, 3>& lock = doc->m_settings.m_panes[2].m_gridLock;
    Run(30542);
    EXPECT_EQ(lock, (std::array<int, 3>{1, 1, 1}));
    Run(30545);
    EXPECT_EQ(lock, (std::array<int, 3>{1, 0, 1}));
    EXPECT_FALSE(IsItemChecked(commands, 30545));
    EXPECT_TRUE(IsItemChecked(commands, 30546));
    EXPECT_FALSE(IsItemChecked(commands, 30542)) << "All and None are never checked";
    Run(30543);
    EXPECT_EQ(lock, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(doc->m_settings.m_panes[1].m_gridLock, (std::array<int, 3>{0, 0, 0})) << "only the active pane";

    const int rotate = doc->m_disableRotate;
    Run(30727);
    EXPECT_EQ(doc->m_disableRotate, !rotate);
    Run(30588);
    EXPECT_EQ(doc->m_settings.m_syncRedraw, 1);
    EXPECT_TRUE(IsItemChecked(commands, 30588));
    EXPECT_EQ(Active().log, "") << "neither redraws";
}

// Every camera change records the camera before it; Top on a top view
// changes nothing. View Undo and Redo step through the history and are
// grey at its ends.
TEST_F(PaneCommandsTest, CameraCommandsStepThroughTheViewHistory) {
    EXPECT_FALSE(IsItemEnabled(commands, kViewUndo));
    EXPECT_FALSE(IsItemEnabled(commands, kViewRedo));
    EXPECT_TRUE(IsItemChecked(commands, kFront));
    EXPECT_TRUE(IsItemChecked(commands, kOrtho));
    Run(kFront);
    EXPECT_EQ(History().m_backCount, 0) << "already a front view";
    EXPECT_EQ(Active().log, "");

    const CCamera front = Camera();
    Run(kTop);
    EXPECT_TRUE(Camera().IsTopView());
    EXPECT_TRUE(IsItemChecked(commands, kTop));
    EXPECT_FALSE(IsItemChecked(commands, kFront));
    Run(kPerspective);
    EXPECT_EQ(Camera().m_projection, CCamera::perspective);
    EXPECT_TRUE(IsItemChecked(commands, kPerspective));
    EXPECT_FALSE(IsItemChecked(commands, kOrtho));
    EXPECT_EQ(History().m_backCount, 2);
    EXPECT_EQ(Active().log, "full full ");
    EXPECT_TRUE(IsItemEnabled(commands, kViewUndo));

    Run(kViewUndo);
    EXPECT_TRUE(Camera().IsTopView()) << "back to the parallel top view";
    Run(kViewUndo);
    EXPECT_TRUE(Camera().m_eye == front.m_eye);
    EXPECT_FALSE(IsItemEnabled(commands, kViewUndo));
    EXPECT_TRUE(IsItemEnabled(commands, kViewRedo));
    Run(kViewRedo);
    Run(kViewRedo);
    EXPECT_EQ(Camera().m_projection, CCamera::perspective);
    EXPECT_FALSE(IsItemEnabled(commands, kViewRedo));

    commands.ToggleProjection();
    EXPECT_EQ(Camera().m_projection, CCamera::parallel);
    EXPECT_EQ(History().m_forwardCount, 0) << "a new change ends the redo steps";
}

// A memo camera keeps the view it saved; loading it is a camera change.
TEST_F(PaneCommandsTest, MemoCamerasStoreAndRecallTheView) {
    Camera().m_eye = CVector3(1, 2, -9);
    Run(30085); // camera 2, save
    EXPECT_TRUE(doc->m_memoCameras[1].m_eye == CVector3(1, 2, -9));
    EXPECT_EQ(Active().log, "") << "saving redraws nothing";
    EXPECT_EQ(History().m_backCount, 0);

    Camera().SetPreset(CCamera::presetFront);
    Run(30086); // camera 2, load
    EXPECT_TRUE(Camera().m_eye == CVector3(1, 2, -9));
    EXPECT_EQ(History().m_backCount, 1);
    Run(kViewUndo);
    EXPECT_TRUE(Camera().IsFrontView());
}

TEST_F(PaneCommandsTest, LookAtTheSelectionNeedsSelectedPoints) {
    CSpatchObj* obj = doc->AddPatchObject();
    obj->SetSelected(1);
    obj->AddVertex(2, 4, 0);
    CPatchVertex* p = obj->AddVertex(4, 6, 0);
    EXPECT_FALSE(IsItemEnabled(commands, 30082));
    EXPECT_FALSE(IsItemEnabled(commands, 30091));
    EXPECT_FALSE(IsItemEnabled(commands, 30092));
    p->SetSelected(1);
    ASSERT_TRUE(IsItemEnabled(commands, 30082));
    Run(30082);
    EXPECT_TRUE(Camera().m_target == CVector3(4, 6, 0));
    EXPECT_EQ(History().m_backCount, 1);
}

// The grid goes to the active pane, or to every pane; each pane that shows
// a grid repaints.
TEST_F(PaneCommandsTest, GridDialogSetsTheActivePaneOrAll) {
    for (auto& pane : doc->m_settings.m_panes)
        pane.m_showGrid = 0;
    doc->m_settings.m_panes[1].m_showGridXZ = 1;
    doc->m_settings.m_panes[2].m_showGrid = 1;
    Answer<CGridSettingDlg>(IDOK, [](CGridSettingDlg& d) {
        d.m_size = 0.5f;
        d.m_count = 20;
        d.m_lock = {1, 0, 0};
        d.m_allPanes = 0;
    });
    Run(30081);
    EXPECT_EQ(doc->m_settings.m_panes[2].m_gridSpacing, 0.5f);
    EXPECT_EQ(doc->m_settings.m_panes[2].m_gridCount, 20);
    EXPECT_EQ(doc->m_settings.m_panes[2].m_gridLock, (std::array<int, 3>{1, 0, 0}));
    EXPECT_EQ(doc->m_settings.m_panes[1].m_gridSpacing, 1.0f) << "only the active pane";
    EXPECT_EQ(Active().log, "full ");

    Answer<CGridSettingDlg>(IDOK, [](CGridSettingDlg& d) { d.m_count = 7; });
    Run(30081);
    for (const auto& pane : doc->m_settings.m_panes)
        EXPECT_EQ(pane.m_gridCount, 7);
    EXPECT_EQ(panes[1]->log, "full ") << "it shows a grid";
    EXPECT_EQ(panes[0]->log, "") << "it shows none";

    Answer<CGridSettingDlg>(IDCANCEL, [](CGridSettingDlg& d) { d.m_count = 99; });
    Run(30081);
    EXPECT_EQ(doc->m_settings.m_panes[2].m_gridCount, 7);
}

// The see-through box says "without lighting": the stored switch inverted.
TEST_F(PaneCommandsTest, OpenGLDialogStoresItsOptionsAndRepaintsEveryPane) {
    COpenGLSetting& gl = doc->m_openGLSetting;
    gl.draw_alpha_surface_with_light = 0;
    gl.curve_type = 1;
    Answer<COpenGLSettingDlg>(IDOK, [](COpenGLSettingDlg& d) {
        EXPECT_EQ(d.m_seeThroughUnlit, 1);
        EXPECT_EQ(d.m_curveType, 1);
        d.m_seeThroughUnlit = 0;
        d.m_surfaceType = 1;
        d.m_useDisplayList = 0;
    });
    Run(30594);
    EXPECT_EQ(gl.draw_alpha_surface_with_light, 1);
    EXPECT_EQ(gl.surface_type, 1);
    EXPECT_EQ(gl.use_displaylist, 0);
    for (const auto& pane : panes)
        EXPECT_EQ(pane->log, "full ");

    Answer<COpenGLSettingDlg>(IDCANCEL, [](COpenGLSettingDlg& d) { d.m_curveType = 0; });
    Run(30594);
    EXPECT_EQ(gl.curve_type, 1);
}
