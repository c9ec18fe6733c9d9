#include "dialogs_gui/window_manager.h"

#include "support/gui_test.h"
#include "support/run_program.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <wx/utils.h>
// After the wx headers: X11 defines macros that collide with names in them.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

extern char** environ;

namespace qf::test {

namespace {

Display* XDisplay() {
    return static_cast<Display*>(wxGetDisplay());
}

// A property's data as Xlib hands it out: 32-bit items come as longs.
struct Property {
    int format = 0;
    unsigned long count = 0;
    std::vector<unsigned char> bytes;
};

Property ReadProperty(Window window, const char* name, Atom type) {
    Display* display = XDisplay();
    Atom actualType = None;
    Property property;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type,
                           &actualType, &property.format, &property.count, &after, &data) == Success &&
        data) {
        const size_t itemSize =
            property.format == 32 ? sizeof(long) : static_cast<size_t>(property.format / 8);
        property.bytes.assign(data, data + property.count * itemSize);
    }
    if (data)
        XFree(data);
    return property;
}

// The values of a 32-bit property (windows, atoms or cardinals).
std::vector<unsigned long> LongsOf(Window window, const char* name, Atom type) {
    const Property property = ReadProperty(window, name, type);
    if (property.format != 32)
        return {};
    const auto* longs = reinterpret_cast<const unsigned long*>(property.bytes.data());
    return std::vector<unsigned long>(longs, longs + property.count);
}

std::string TitleOf(Window window) {
    const Property property =
        ReadProperty(window, "_NET_WM_NAME", XInternAtom(XDisplay(), "UTF8_STRING", False));
    return std::string(property.bytes.begin(), property.bytes.end());
}

// Windows may go while they are looked at: the X errors that brings are
// ignored while the object lives instead of ending the program.
class IgnoredXErrors {
public:
    IgnoredXErrors() {
        XSync(XDisplay(), False);
        m_previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~IgnoredXErrors() {
        XSync(XDisplay(), False);
        XSetErrorHandler(m_previous);
    }
    IgnoredXErrors(const IgnoredXErrors&) = delete;
    IgnoredXErrors& operator=(const IgnoredXErrors&) = delete;

private:
    XErrorHandler m_previous = nullptr;
};

bool WindowManagerRuns() {
    Display* display = XDisplay();
    return !LongsOf(DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
}

} // namespace

WindowManager::WindowManager() {
    if (!IsOnPath("openbox") || !XDisplay() || WindowManagerRuns())
        return;
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e)
        environment.emplace_back(*e);
    environment.push_back("XDG_CONFIG_HOME=" + m_folders.File("config"));
    environment.push_back("XDG_CACHE_HOME=" + m_folders.File("cache"));
    environment.push_back("XDG_DATA_HOME=" + m_folders.File("data"));
    std::vector<char*> envp;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    // It runs the start-up command once it manages the display; before that,
    // a window mapped now may go unmanaged.
    const std::string ready = m_folders.File("ready");
    std::string program = "openbox";
    std::string noSession = "--sm-disable";
    std::string startup = "--startup";
    std::string touchReady = "touch '" + ready + "'";
    char* argv[] = {program.data(), noSession.data(), startup.data(), touchReady.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string log = m_folders.File("openbox.log");
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    const int started = posix_spawnp(&m_pid, "openbox", &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) {
        m_pid = -1;
        return;
    }
    m_running = PumpUntil([&] { return std::filesystem::exists(ready); }, 10000) && WindowManagerRuns();
}

WindowManager::~WindowManager() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
    // The windows it framed go back to the root window.
    PumpUntil([] { return !WindowManagerRuns(); }, 2000);
    PumpEvents(100);
}

FramedWindow WindowManager::WaitForFramed(const std::string& title, int timeoutMilliseconds) const {
    FramedWindow found;
    if (!m_running)
        return found;
    Display* display = XDisplay();
    const Window root = DefaultRootWindow(display);
    const IgnoredXErrors quiet;
    PumpUntil(
        [&] {
            const std::vector<unsigned long> clients = LongsOf(root, "_NET_CLIENT_LIST", XA_WINDOW);
            for (auto it = clients.rbegin(); it != clients.rend(); ++it)
                if (TitleOf(*it) == title && LongsOf(*it, "_NET_FRAME_EXTENTS", XA_CARDINAL).size() == 4) {
                    found.window = *it;
                    return true;
                }
            return false;
        },
        timeoutMilliseconds);
    if (!found.window)
        return found;
    PumpEvents(300); // the frame drawn, the window placed
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, found.window, &attributes);
    int x = 0;
    int y = 0;
    Window child = None;
    XTranslateCoordinates(display, found.window, root, 0, 0, &x, &y, &child);
    found.client = CRect(x, y, x + attributes.width, y + attributes.height);
    const std::vector<unsigned long> extents = LongsOf(found.window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    const auto extent = [&](size_t i) { return static_cast<int>(extents[i]); };
    found.outer = CRect(found.client.left - extent(0), found.client.top - extent(2),
                        found.client.right + extent(1), found.client.bottom + extent(3));
    for (const unsigned long atom : LongsOf(found.window, "_NET_WM_ALLOWED_ACTIONS", XA_ATOM)) {
        if (char* name = XGetAtomName(display, atom)) {
            found.allowedActions.emplace_back(name);
            XFree(name);
        }
    }
    return found;
}

bool WindowManager::Activate(const FramedWindow& framed) const {
    if (!m_running || !framed.window)
        return false;
    Display* display = XDisplay();
    const Window root = DefaultRootWindow(display);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = framed.window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // from a pager: obeyed at once
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
    const bool active = PumpUntil([&] {
        const std::vector<unsigned long> current = LongsOf(root, "_NET_ACTIVE_WINDOW", XA_WINDOW);
        return !current.empty() && current[0] == framed.window;
    });
    PumpEvents(200); // the title bar drawn anew
    return active;
}

} // namespace qf::test
