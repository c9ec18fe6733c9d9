// The program itself, started as a user starts it under a window manager,
// writes nothing on its error output: no GTK criticals and no complaints
// about windows measured before they are on screen, in either language,
// whether it is closed at once or maximized, changed and closed with a
// "No" to the save question. Each run opens the document information
// window too, the one dialog with tabs.
#include "dialogs_gui/window_manager.h"
#include "platform_ui_gui/probe_wnd.h"
#include "support/gui_test.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <wx/utils.h>
// After the wx headers: X11 defines macros that collide with names in them.
#include <X11/Xlib.h>

namespace qf::test {
namespace {

struct Language {
    const char* word; // in quel_resource_type.ini
    const char* title;
};
constexpr Language kLanguages[] = {{"english", "Untitled - quelaForm"}, {"japanese", "無題 - quelaForm"}};

constexpr int kStartMilliseconds = 60000;

// wx's simulated pointer takes the scale of a window of this process, which
// has none here: the pointer is moved on the screen itself.
void MovePointer(CPoint to) {
    Display* display = static_cast<Display*>(wxGetDisplay());
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, to.x, to.y);
    XFlush(display);
    PumpEvents(50);
}

TEST(ProgramOutputGuiTest, StartAndCloseWriteNothingOnTheErrorOutput) {
    const WindowManager manager;
    if (!manager.Running())
        GTEST_SKIP() << "openbox is not installed (scripts/install-deps installs it)";
    SimulatedMouse input;
    for (const Language& language : kLanguages)
        for (const bool maximized : {false, true}) {
            SCOPED_TRACE(std::string(language.word) +
                         (maximized ? ", maximized and changed" : ", closed at once"));
            const TempDir run;
            std::filesystem::create_directories(run.path() / "home");
            std::filesystem::create_directories(run.path() / "data");
            WriteFileBytes(run.File("home/quel_resource_type.ini"), std::string(language.word) + "\n");
            const std::string errors = run.File("errors.txt");
            StartedProgram program(
                {QF_PROGRAM}, errors,
                {"QUELAFORM_HOME=" + run.File("home"), "XDG_DATA_HOME=" + run.File("data")});
            ASSERT_TRUE(program.Started());
            FramedWindow frame = manager.WaitForFramed(language.title, kStartMilliseconds);
            ASSERT_NE(frame.window, 0u) << ReadFileBytes(errors);
            if (maximized) {
                ASSERT_TRUE(manager.Maximize(frame));
                frame = manager.WaitForFramed(language.title);
            }
            // D opens the document information window.
            ASSERT_TRUE(manager.Activate(frame));
            input.Sim().Char('d');
            const FramedWindow information = manager.WaitForFramed("Document");
            ASSERT_NE(information.window, 0u) << "D opens the document information";
            manager.Close(information);
            PumpEvents(300);
            if (maximized) {
                ASSERT_TRUE(manager.Activate(frame));
                // The add-point tool puts a point in the top-left pane.
                input.Sim().Char('a');
                MovePointer(CPoint(frame.client.left + frame.client.Width() / 4,
                                   frame.client.top + frame.client.Height() / 3));
                input.Sim().MouseClick();
                PumpEvents(300);
            }
            manager.Close(frame);
            if (maximized) {
                const FramedWindow question = manager.WaitForFramed("quelaForm");
                ASSERT_NE(question.window, 0u) << "the changed document asks to be saved";
                ASSERT_TRUE(manager.Activate(question));
                input.Sim().Char('n', wxMOD_ALT);
            }
            ASSERT_TRUE(PumpUntil([&] { return program.HasEnded(); }, kStartMilliseconds));
            EXPECT_EQ(program.Wait(), 0);
            const std::string output = ReadFileBytes(errors);
            EXPECT_EQ(output.find("Gtk-CRITICAL"), std::string::npos) << output;
            EXPECT_EQ(output.find("ClientToScreen"), std::string::npos) << output;
        }
}

} // namespace
} // namespace qf::test
