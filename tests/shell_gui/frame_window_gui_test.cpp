// The main frame of the running program: full screen toggled back and forth
// while GTK delivers its resizes late, the window given back as it was under
// a window manager and without one, and the File menu laid out the same
// each time it opens, whatever the recent-file list did in between.
#include "app/app_state.h"
#include "app/quel_doc.h"
#include "dialogs_gui/window_manager.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/menu_layout.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/probe_wnd.h"
#include "resources/command_ids.h"
#include "resources/resource_tables.h"
#include "shell/main_frame.h"
#include "shell/quel_app.h"
#include "support/command_probe.h"
#include "support/gui_test.h"
#include "support/run_program.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/menu.h>

using qf::test::PumpEvents;
using qf::test::PumpUntil;

namespace {

class FrameWindowGuiTest : public ::testing::Test {
protected:
    void SetUp() override { StartApp(); }
    void StartApp() {
        runner.AnswerModal([](qf::CModalWindow&) { return IDCANCEL; });
        app = std::make_unique<CQuelApp>();
        ASSERT_TRUE(app->InitInstance({"quelaform"}));
        ASSERT_TRUE(PumpUntil([&] { return Frame().GetNativeWindow()->IsShownOnScreen(); }));
        PumpEvents(200);
    }
    void TearDown() override {
        if (app)
            app->ExitInstance();
        app.reset();
        GetAppState() = CQuelAppState();
        SetResourceLanguage(ResourceLanguage::Japanese);
    }
    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CRect FrameRect() {
        CRect r;
        Frame().GetWindowRect(&r);
        return r;
    }
    bool CoversTheScreen() {
        const wxRect screen = wxDisplay(0u).GetGeometry();
        CRect client;
        Frame().GetClientRect(&client);
        return client.Width() == screen.width && client.Height() == screen.height;
    }
    // Full screen on or off, as the menu turns it, once the frame followed.
    void ToggleFullScreen(bool full) {
        Frame().SendMessage(WM_COMMAND, ID_WINDOW_FULL_SCREEN, 0);
        PumpEvents(300);
        PumpUntil([&] { return CoversTheScreen() == full; });
        PumpEvents(300);
    }

    qf::test::IsolatedUserFolders folders;
    qf::CScriptedModalRunner runner;
    std::unique_ptr<CQuelApp> app;
};

} // namespace

// The resizes of going full screen arrive after the command returned; they
// must not end it. Each press turns the mode over, in step with the frame,
// with or without a window manager. A frame taken out of full screen from
// outside (the window manager restoring it) leaves the mode.
TEST_F(FrameWindowGuiTest, FullScreenTogglesInStepEveryTime) {
    for (int round = 1; round <= 4; ++round) {
        SCOPED_TRACE("press " + std::to_string(round));
        const bool full = round % 2 == 1;
        ToggleFullScreen(full);
        EXPECT_EQ(Frame().IsFullScreen() != 0, full);
        EXPECT_EQ(Frame().IsShownFullScreen() != 0, full);
        EXPECT_EQ(Frame().GetMenu() == nullptr, full) << "the menu bar goes with full screen";
        EXPECT_EQ(CoversTheScreen(), full);
    }
    ToggleFullScreen(true);
    static_cast<wxFrame*>(Frame().GetNativeWindow())->ShowFullScreen(false);
    PumpEvents(300);
    PumpUntil([&] { return !CoversTheScreen(); });
    PumpEvents(300);
    EXPECT_EQ(Frame().IsFullScreen(), 0) << "restored from outside";
    EXPECT_NE(Frame().GetMenu(), nullptr);
}

// Full screen and back gives the window back at exactly its size and place,
// time after time, with or without a window manager framing it.
TEST_F(FrameWindowGuiTest, LeavingFullScreenRestoresTheWindowExactly) {
    const auto roundTrips = [&](const char* under) {
        const CRect before = FrameRect();
        for (int trip = 1; trip <= 2; ++trip) {
            ToggleFullScreen(true);
            ToggleFullScreen(false);
            EXPECT_EQ(FrameRect(), before) << under << ", round trip " << trip;
        }
    };
    roundTrips("without a window manager");
    if (!qf::test::IsOnPath("openbox"))
        GTEST_SKIP() << "openbox is not installed (scripts/install-deps installs it)";
    // Started again under the manager, as on a desktop: it frames the window
    // from the first.
    app->ExitInstance();
    app.reset();
    const qf::test::WindowManager manager;
    ASSERT_TRUE(manager.Running()) << "openbox did not take the display";
    ASSERT_NO_FATAL_FAILURE(StartApp());
    const std::string title = static_cast<wxFrame*>(Frame().GetNativeWindow())->GetTitle().utf8_string();
    const qf::test::FramedWindow framed = manager.WaitForFramed(title);
    ASSERT_NE(framed.window, 0u) << "the frame was not framed";
    roundTrips("under a window manager");
    EXPECT_EQ(manager.WaitForFramed(title).outer, framed.outer) << "the frame as the window manager drew it";
}

// Opening the File menu runs its update handlers, which put the recent files
// in; the menu must show its items where they were the time before.
TEST_F(FrameWindowGuiTest, FileMenuKeepsItsLayoutAsTheRecentListChanges) {
    wxMenu* file = static_cast<wxFrame*>(Frame().GetNativeWindow())->GetMenuBar()->GetMenu(0);
    qf::test::SimulatedMouse keys;
    CWnd& pane = Frame().GetView().GetSplitter().GetPane(1).GetFrame().GetGLPane();
    keys.MoveTo(pane, CPoint(20, 20));
    auto open = [&] {
        pane.SetFocus();
        PumpEvents(100);
        keys.Sim().Char('f', wxMOD_ALT);
        PumpEvents(400);
        const CShownMenuLayout layout = GetShownMenuLayout(*file);
        keys.Sim().Char(WXK_ESCAPE);
        PumpEvents(200);
        return layout;
    };
    for (const char* path : {"/tmp/a.qfm", "/tmp/b.qfm", "/tmp/c.qfm"})
        app->GetRecentFiles().Add(path);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "three recent files" : "a fourth one added");
        const CShownMenuLayout first = open();
        const CShownMenuLayout second = open();
        ASSERT_EQ(first.items.size(), static_cast<size_t>(file->GetMenuItemCount()));
        EXPECT_EQ(first.items, second.items) << "the same rows both times";
        EXPECT_EQ(first.window, second.window);
        for (const CRect& item : first.items) {
            EXPECT_GE(item.top, 0);
            EXPECT_LE(item.bottom, first.window.cy) << "no item hides below the end";
        }
        app->GetRecentFiles().Add("/tmp/d.qfm");
    }
}

// Until a command has a handler, its items are grey; every item left enabled
// in the main menus and the pane menu does something when chosen.
TEST_F(FrameWindowGuiTest, OnlyItemsWhoseCommandsAreHandledStayEnabled) {
    int enabled = 0, greyed = 0;
    for (const UINT menuId : {UINT{IDR_MAINFRAME_EN}, UINT{IDR_PANE_MENU_EN}}) {
        CMenu bar;
        ASSERT_TRUE(bar.LoadMenu(menuId));
        for (int i = 0; i < bar.GetMenuItemCount(); ++i) {
            CMenu* popup = bar.GetSubMenu(i);
            ASSERT_NE(popup, nullptr);
            Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), i);
            for (int k = 0; k < popup->GetMenuItemCount(); ++k) {
                const UINT id = popup->GetMenuItemID(k);
                if (id == 0 || id == static_cast<UINT>(-1))
                    continue;
                const bool grey = (popup->GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) != 0;
                qf::test::ItemState probe(id);
                if (!grey)
                    EXPECT_TRUE(probe.HasCommandHandler(&Frame()))
                        << "item " << id << " is enabled but does nothing";
                ++(grey ? greyed : enabled);
            }
        }
    }
    EXPECT_GT(enabled, 10);
    EXPECT_GT(greyed, 10);
    EXPECT_TRUE(qf::test::IsItemEnabled(Frame(), ID_FILE_OPEN));
    EXPECT_TRUE(qf::test::IsItemEnabled(Frame(), ID_WINDOW_FULL_SCREEN));
}
