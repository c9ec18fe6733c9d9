// Main of the *_gui test programs. Every run gets its own settings and
// desktop data folders.
// With a display, wx starts on X11 (GL canvases need it) and a failed wx
// assertion fails the running test instead of opening a dialog.
#include "platform/ui/toolkit_app.h"
#include "support/gui_test.h"
#include "support/scoped_env.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

namespace {

class CTestApp : public CToolkitApp {
public:
    // No command line of its own: gtest has taken its flags.
    bool OnInit() override { return true; }
};

bool g_haveDisplay = false;

void FailOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assertion in " << function.utf8_str().data() << ": " << condition.utf8_str().data() << " "
        << message.utf8_str().data();
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(CTestApp);

namespace qf::test {

bool HaveDisplay() {
    return g_haveDisplay;
}

void PumpEvents(int milliseconds) {
    if (!g_haveDisplay)
        return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do {
        wxYield();
        wxTheApp->ProcessPendingEvents();
        if (milliseconds > 0)
            wxMilliSleep(5);
    } while (std::chrono::steady_clock::now() < end);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    while (!done() && std::chrono::steady_clock::now() < end)
        PumpEvents(5);
    return done();
}

} // namespace qf::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const qf::test::IsolatedUserFolders folders;

    const char* display = std::getenv("DISPLAY");
    if (display && *display) {
        setenv("GDK_BACKEND", "x11", 1);
        wxSetAssertHandler(FailOnAssert);
        if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
            std::fprintf(stderr, "wx could not start on display %s\n", display);
            return 1;
        }
        g_haveDisplay = true;
    }
    const int result = RUN_ALL_TESTS();
    if (g_haveDisplay) {
        wxTheApp->OnExit();
        wxEntryCleanup();
    }
    return result;
}
