#pragma once
// CWndLayout: the window-layout file quel_wnd.ini in the settings folder,
// which remembers from one run to the next which bars of the main frame are
// shown and on which side the side bar stands. Five lines in a fixed order,
// each a key word and one or two numbers; the numbers, taken by position,
// decide. What a short or damaged file holds before the damage is taken; the
// rest keeps the start layout.
#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <vector>

struct WindowLayout {
    int toolWindow = 1;    // the tool bar with the tool dialog bar
    int dialogWindow = 1;  // the side bar
    int dialogOnRight = 1; // the side bar's side
    int statusWindow = 1;  // the mouse-status bar
    int menuWindow = 0;    // command bar 1 (left)
    int menuWindow2 = 0;   // command bar 2 (right)
};

// The file's text for a layout.
std::string FormatWindowLayout(const WindowLayout& layout);
// The layout a file's text gives: the values read up to the first one that is
// missing or not a number; the others keep their defaults.
WindowLayout ParseWindowLayout(const std::string& text);
// The frame's bar commands that turn the initial layout into `layout`, in
// the order they run: each toggles a bar (or puts the side bar on the left)
// from the state the frame starts in.
std::vector<UINT> WindowLayoutCommands(const WindowLayout& layout);

class CWndLayout {
public:
    virtual ~CWndLayout() = default;
    // The file's layout; nothing when it is missing or cannot be read.
    std::optional<WindowLayout> Read() const;
    // Creates or replaces the file; false when it cannot be written.
    bool Write(const WindowLayout& layout) const;
    static std::string FilePath();
};
