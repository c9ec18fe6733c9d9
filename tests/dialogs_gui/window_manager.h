#pragma once
// A real window manager, openbox, on the test's display for the life of the
// object (xvfb-run starts none), and what it says about the windows it
// frames. Tests that need one skip when openbox is not installed.
#include "platform/base/win_types.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

#include <memory>
#include <string>
#include <vector>

namespace qf::test {

// A top-level window as the window manager framed it.
struct FramedWindow {
    unsigned long window = 0;                // the X window; 0: none was found
    CRect client;                            // screen coordinates
    CRect outer;                             // the client with the frame round it
    std::vector<std::string> allowedActions; // _NET_WM_ACTION_* names
};

class WindowManager {
public:
    // Starts openbox when it is on PATH and waits until it runs the display.
    WindowManager();
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    bool Running() const { return m_running; }
    // The newest managed window titled `title`, once it has its frame.
    FramedWindow WaitForFramed(const std::string& title, int timeoutMilliseconds = 5000) const;
    // Asks the manager to make the window the active one, as a task bar
    // would, and waits until it is (title bars look different when not).
    bool Activate(const FramedWindow& framed) const;
    // Asks the manager to maximize the window, as its title bar's button
    // does, and waits until it is.
    bool Maximize(const FramedWindow& framed) const;
    // Asks the manager to close the window, as its title bar's button does.
    void Close(const FramedWindow& framed) const;

private:
    TempDir m_folders; // openbox's own settings and cache, off the real home
    std::unique_ptr<StartedProgram> m_openbox;
    bool m_running = false;
};

} // namespace qf::test
