#include "dialogs_gui/window_manager.h"

#include "support/gui_test.h"
#include "support/run_program.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <wx/utils.h>
// After the wx headers: X11 defines macros that collide with names in them.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

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

// Requests from a pager or task bar are obeyed at once.
constexpr long kFromPager = 2;

// Sends the manager a request about a window, the way pagers and task bars
// ask it (the extended window-manager hints).
void AskManager(Window window, const char* request, std::array<long, 4> data) {
    Display* display = XDisplay();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, request, False);
    event.xclient.format = 32;
    for (size_t i = 0; i < data.size(); ++i)
        event.xclient.data.l[i] = data[i];
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XFlush(display);
}

bool WindowManagerRuns() {
    Display* display = XDisplay();
    const std::vector<unsigned long> check =
        LongsOf(DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (check.empty())
        return false;
    // A manager that ended leaves the root's property behind, but not its
    // own window, which names itself while the manager runs.
    const IgnoredXErrors quiet;
    const std::vector<unsigned long> own = LongsOf(check.front(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    return !own.empty() && own.front() == check.front();
}

} // namespace

WindowManager::WindowManager() {
    if (!IsOnPath("openbox") || !XDisplay() || WindowManagerRuns())
        return;
    // It runs the start-up command once it manages the display; before that,
    // a window mapped now may go unmanaged.
    const std::string ready = m_folders.File("ready");
    m_openbox = std::make_unique<StartedProgram>(
        std::vector<std::string>{"openbox", "--sm-disable", "--startup", "touch '" + ready + "'"},
        m_folders.File("openbox.log"),
        std::vector<std::string>{"XDG_CONFIG_HOME=" + m_folders.File("config"),
                                 "XDG_CACHE_HOME=" + m_folders.File("cache"),
                                 "XDG_DATA_HOME=" + m_folders.File("data")});
    m_running = m_openbox->Started() && PumpUntil([&] { return std::filesystem::exists(ready); }, 10000) &&
                WindowManagerRuns();
}

WindowManager::~WindowManager() {
    if (!m_openbox)
        return;
    m_openbox.reset();
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
    AskManager(framed.window, "_NET_ACTIVE_WINDOW", {kFromPager, CurrentTime});
    const bool active = PumpUntil([&] {
        const std::vector<unsigned long> current =
            LongsOf(DefaultRootWindow(XDisplay()), "_NET_ACTIVE_WINDOW", XA_WINDOW);
        return !current.empty() && current[0] == framed.window;
    });
    PumpEvents(200); // the title bar drawn anew
    return active;
}

bool WindowManager::Maximize(const FramedWindow& framed) const {
    if (!m_running || !framed.window)
        return false;
    Display* display = XDisplay();
    const long vertical = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False));
    const long horizontal = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False));
    constexpr long kAdd = 1;
    AskManager(framed.window, "_NET_WM_STATE", {kAdd, vertical, horizontal, kFromPager});
    const bool maximized = PumpUntil([&] {
        const std::vector<unsigned long> state = LongsOf(framed.window, "_NET_WM_STATE", XA_ATOM);
        const auto has = [&](long atom) {
            return std::find(state.begin(), state.end(), static_cast<unsigned long>(atom)) != state.end();
        };
        return has(vertical) && has(horizontal);
    });
    PumpEvents(300); // the window laid out at its new size
    return maximized;
}

void WindowManager::Close(const FramedWindow& framed) const {
    if (m_running && framed.window)
        AskManager(framed.window, "_NET_CLOSE_WINDOW", {CurrentTime, kFromPager});
}

} // namespace qf::test
