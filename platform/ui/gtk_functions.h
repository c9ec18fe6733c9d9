#pragma once
// wx hides GTK and this project does not build against GTK's headers; the
// running program has GTK loaded, so its functions are looked up by name.
// platform/ui only.
#include <dlfcn.h>

template <class Fn> Fn GtkFunction(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_DEFAULT, name));
}

// GtkAllocation, GdkRectangle and GtkRequisition as GTK lays them out.
struct GtkRect {
    int x, y, width, height;
};
struct GtkSize {
    int width, height;
};
