#include "platform/ui/window_showing.h"

#include "platform/ui/gtk_functions.h"

#include <algorithm>
#include <wx/window.h>

bool IsPlacedOnScreen(const wxWindow& window) {
    using GetMapped = int (*)(void*);
    const auto mapped = GtkFunction<GetMapped>("gtk_widget_get_mapped");
    void* widget = window.GetHandle();
    return window.IsShownOnScreen() && widget && (!mapped || mapped(widget));
}

void SizeBeforeFirstShow(wxWindow& window) {
    using GetRealized = int (*)(void*);
    using GetSize = void (*)(void*, int*, int*);
    using GetPreferredSize = void (*)(void*, GtkSize*, GtkSize*);
    using SetAllocation = void (*)(void*, const GtkRect*);
    const auto realized = GtkFunction<GetRealized>("gtk_widget_get_realized");
    const auto comingSize = GtkFunction<GetSize>("gtk_window_get_size");
    const auto preferredSize = GtkFunction<GetPreferredSize>("gtk_widget_get_preferred_size");
    const auto setAllocation = GtkFunction<SetAllocation>("gtk_widget_set_allocation");
    void* widget = window.GetHandle();
    if (!window.IsTopLevel() || !widget || !realized || !comingSize || !preferredSize || !setAllocation ||
        realized(widget))
        return;
    int width = 0;
    int height = 0;
    comingSize(widget, &width, &height);
    GtkSize minimum{};
    preferredSize(widget, &minimum, nullptr);
    // GTK creates the window at this size; the first real layout follows
    // when it shows it.
    const GtkRect allocation{0, 0, std::max(width, minimum.width), std::max(height, minimum.height)};
    setAllocation(widget, &allocation);
}
