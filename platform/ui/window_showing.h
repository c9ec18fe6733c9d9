#pragma once
// A window's first showing, where wx and GTK see it differently.
// platform/ui only.
class wxWindow;

// Whether GTK has placed the window on screen. wx counts a top-level window
// as shown from Show() on, while it still waits for the window manager's
// border sizes before GTK shows it; screen positions and hit tests inside
// it hold only once GTK has placed it.
bool IsPlacedOnScreen(const wxWindow& window);

// Gives a top-level window that GTK has not created yet the size it is about
// to get. Otherwise wx has GTK create it 2 pixels wide while it waits for the
// window manager, and GTK lays the contents out at that width, narrower than
// a menu bar, before the real size comes. Nothing for other windows.
void SizeBeforeFirstShow(wxWindow& window);
