#pragma once
// The keyboard focus across modal dialogs. When a modal dialog closes, GTK
// gives the focus back to the widget of the owner's window that had it, if
// that is still there and shown. When it went away (a panel refreshed or
// replaced while the dialog was open, or by the dialog's command just
// after), GTK gives the focus to nothing, and the window would hear no keys
// until a click. Every modal dialog the toolkit shows (ours, message boxes,
// and the system's file, colour, font and folder dialogs) passes one hook,
// which checks when the dialog closes, and once more when the program is
// next idle, and then gives such a window the focus on its default window:
// the main frame's CFrameWnd::FocusDefaultWindow (the active pane), another
// window's first control.
// platform/ui only.

// Installs the hook once; every window's creation calls it.
void InstallModalFocusKeeper();
