#pragma once
// What the desktop offers the program's windows: files dropped on a window,
// the icon a frame shows, opening a file with the application the desktop
// chose for it, and which of the program's windows is the active one.
#include "platform/ui/wnd.h"

#include <vector>

#include <functional>

// Sent to a window that accepts dropped files: wParam points to the
// std::vector<CString> of their paths, in the order they were dropped.
constexpr UINT WM_DROPFILES = 0x0233;

// Files dropped on the window, or on a child of it that takes none itself,
// arrive as WM_DROPFILES.
void DragAcceptFiles(CWnd& window, BOOL accept = TRUE);

// The frame shows the icon resource; FALSE when there is none.
BOOL SetWindowIcon(CWnd& frame, UINT iconId);

// Opens the file with the desktop's application for its type, through
// xdg-open; FALSE when xdg-open could not be started. xdg-open finds the
// application after it started: when it ends in failure, failed() runs
// later on this thread with its exit status (3: no application for the
// type; 4: the application failed; -1: it did not end normally).
BOOL ShellOpenFile(const CString& path, std::function<void(int exitStatus)> failed = {});

// Whether a window manager runs that shows a window full screen when asked,
// and gives it back its place and size when it leaves full screen.
bool WindowManagerShowsFullScreen();

// The program's top-level window that has the keyboard focus (where focus
// follows the pointer, the one under it), or null when another application
// is active.
CWnd* GetActiveWindow();
