#include "platform/ui/menu_layout.h"

#include "platform/ui/gtk_functions.h"

#include <memory>
#include <wx/menu.h>

void CallBeforeShowing(wxMenu& menu, std::function<void()> opening) {
    using Handler = void (*)(void*, void*);
    using Destroy = void (*)(void*, void*);
    using Connect = unsigned long (*)(void*, const char*, Handler, void*, Destroy, int);
    const auto connect = GtkFunction<Connect>("g_signal_connect_data");
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
    using GetAllocation = void (*)(void*, GtkRect*);
    using Translate = int (*)(void*, void*, int, int, int*, int*);
    const auto toplevelOf = GtkFunction<GetToplevel>("gtk_widget_get_toplevel");
    const auto allocationOf = GtkFunction<GetAllocation>("gtk_widget_get_allocation");
    const auto translate = GtkFunction<Translate>("gtk_widget_translate_coordinates");
    CShownMenuLayout layout;
    if (!menu.m_menu || !toplevelOf || !allocationOf || !translate)
        return layout;
    void* window = toplevelOf(menu.m_menu);
    GtkRect a{};
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
