#include "platform/ui/shell_services.h"

#include "platform/base/process.h"
#include "platform/ui/native_window.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/ui_style.h"

#include <algorithm>
#include <wx/app.h>
#include <wx/dnd.h>
#include <wx/icon.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/window.h>
// After the wx headers: X11 defines macros that collide with names in them.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

class CDropTarget : public wxFileDropTarget {
public:
    explicit CDropTarget(HWND window) : m_window(window) {}

    bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) override {
        bool taken = false;
        RunFromEventLoop([&] {
            std::vector<CString> paths;
            for (const wxString& name : names)
                paths.emplace_back(name.utf8_str().data());
            CWnd* window = CWnd::FromHandle(m_window);
            if (!window || paths.empty())
                return;
            window->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(&paths), 0);
            taken = true;
        });
        return taken;
    }

private:
    HWND m_window;
};

} // namespace

void DragAcceptFiles(CWnd& window, BOOL accept) {
    if (wxWindow* native = window.GetNativeWindow())
        native->SetDropTarget(accept ? MakeOwnedByWx<CDropTarget>(window.GetSafeHwnd()) : nullptr);
}

BOOL SetWindowIcon(CWnd& frame, UINT iconId) {
    const IconResource* icon = FindIconResource(iconId);
    auto* native = dynamic_cast<wxTopLevelWindow*>(frame.GetNativeWindow());
    if (!icon || !native)
        return FALSE;
    wxIcon image;
    image.CopyFromBitmap(PixelArtBitmap(icon->image));
    native->SetIcon(image);
    return TRUE;
}

BOOL ShellOpenFile(const CString& path, std::function<void(int exitStatus)> failed) {
    // The status arrives on the thread that collects it; failed() runs on ours.
    auto ended = [failed = std::move(failed)](int status) {
        if (status != 0 && failed && wxTheApp)
            wxTheApp->CallAfter([failed, status] { RunFromEventLoop([&] { failed(status); }); });
    };
    return qf::StartProcess({"xdg-open", path.str()}, nullptr, ended) ? TRUE : FALSE;
}

namespace {

// The window that is a child of the root and holds `window`.
Window TopLevelXWindow(Display* display, Window window) {
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    while (window != None && XQueryTree(display, window, &root, &parent, &children, &count)) {
        if (children)
            XFree(children);
        if (parent == root || parent == None)
            return window;
        window = parent;
    }
    return None;
}

// Without a window manager GTK never marks a window active, although the X
// input focus follows the pointer (PointerRoot, or the root window once a
// focused window died) or stays on the window it was set to: the program's
// frame under the pointer is the active one when it holds the focus that way.
wxWindow* FocusWithoutWindowManager() {
    auto* display = static_cast<Display*>(wxGetDisplay());
    wxPoint unused;
    wxWindow* under = wxFindWindowAtPointer(unused);
    if (!display || !under)
        return nullptr;
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    const Window root = DefaultRootWindow(display);
    Window rootReturn = None;
    Window pointerTop = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned keys = 0;
    XQueryPointer(display, root, &rootReturn, &pointerTop, &rootX, &rootY, &x, &y, &keys);
    const bool focusHere = focus == PointerRoot || focus == root ||
                           (pointerTop != None && TopLevelXWindow(display, focus) == pointerTop);
    return focusHere ? wxGetTopLevelParent(under) : nullptr;
}

} // namespace

CWnd* GetActiveWindow() {
    // wx answers with the focused window itself, which may be one of the
    // toolkit's own (a notebook's page): the top-level window above it is the active one.
    wxWindow* active = wxGetActiveWindow();
    return CWnd::FromNative(active ? wxGetTopLevelParent(active) : FocusWithoutWindowManager());
}

bool WindowManagerShowsFullScreen() {
    auto* display = static_cast<Display*>(wxGetDisplay());
    if (!display)
        return false;
    // The root's list of supported hints outlives a window manager that ended;
    // its check window goes with it.
    const auto atoms = [display](const char* name, Atom type) {
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        std::vector<Atom> values;
        if (XGetWindowProperty(display, DefaultRootWindow(display), XInternAtom(display, name, False), 0,
                               4096, False, type, &actualType, &format, &count, &after, &data) == Success &&
            data && format == 32) {
            const auto* longs = reinterpret_cast<const unsigned long*>(data);
            values.assign(longs, longs + count);
        }
        if (data)
            XFree(data);
        return values;
    };
    const std::vector<Atom> supported = atoms("_NET_SUPPORTED", XA_ATOM);
    return !atoms("_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty() &&
           std::find(supported.begin(), supported.end(),
                     XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False)) != supported.end();
}
