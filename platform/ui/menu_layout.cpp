#include "platform/ui/menu_layout.h"

#include <dlfcn.h>
#include <memory>
#include <wx/menu.h>

namespace {

// wx hides GTK and this project does not build against GTK's headers; the
// running program has GTK loaded, so its functions are looked up by name.
template <class Fn> Fn Gtk(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_DEFAULT, name));
}

struct GtkAllocation {
    int x, y, width, height;
};

} // namespace

void CallBeforeShowing(wxMenu& menu, std::function<void()> opening) {
    using Handler = void (*)(void*, void*);
    using Destroy = void (*)(void*, void*);
    using Connect = unsigned long (*)(void*, const char*, Handler, void*, Destroy, int);
    const auto connect = Gtk<Connect>("g_signal_connect_data");
    if (!menu.m_menu || !connect)
        return;
    // GLib owns the function from here and frees it with the menu.
    auto call = std::make_unique<std::function<void()>>(std::move(opening));
    connect(
        menu.m_menu, "show", [](void*, void* data) { (*static_cast<std::function<void()>*>(data))(); },
        call.release(), [](void* data, void*) { delete static_cast<std::function<void()>*>(data); }, 0);
}

CShownMenuLayout GetShownMenuLayout(const wxMenu& menu) {
    using GetToplevel = void* (*)(void*);
    using GetAllocation = void (*)(void*, GtkAllocation*);
    using Translate = int (*)(void*, void*, int, int, int*, int*);
    const auto toplevelOf = Gtk<GetToplevel>("gtk_widget_get_toplevel");
    const auto allocationOf = Gtk<GetAllocation>("gtk_widget_get_allocation");
    const auto translate = Gtk<Translate>("gtk_widget_translate_coordinates");
    CShownMenuLayout layout;
    if (!menu.m_menu || !toplevelOf || !allocationOf || !translate)
        return layout;
    void* window = toplevelOf(menu.m_menu);
    GtkAllocation a{};
    allocationOf(window, &a);
    layout.window = CSize(a.width, a.height);
    for (const wxMenuItem* item : menu.GetMenuItems()) {
        void* widget = item->GetMenuItem();
        int x = 0, y = 0;
        if (!widget || !translate(widget, window, 0, 0, &x, &y))
            continue;
        allocationOf(widget, &a);
        layout.items.emplace_back(x, y, x + a.width, y + a.height);
    }
    return layout;
}
