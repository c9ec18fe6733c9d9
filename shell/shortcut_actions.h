#pragma once
// The actions a shortcut key slot can hold, what each one runs and the name
// the shortcut dialog shows for it; and the layout of the key slots as the
// dialog's keyboard picture addresses them. No window is touched here.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

#include <span>

inline constexpr int kShortcutActionCount = 192;

// How an action is run.
enum class ShortcutRun {
    nothing,
    leftTool,          // the left button's tool becomes value
    rightTool,         // the right button's tool
    middleTool,        // the middle button's tool
    bothTool,          // the tool of the left+right chord
    sendToFrame,       // WM_COMMAND value through the frame's ordinary routing
    sendToView,        // WM_COMMAND value to the view
    command,           // the handler of command value, whatever its enabled state
    toggleProjection,  // the active pane between parallel and perspective
    curveResolution,   // the active pane's curve resolution becomes value
    surfaceResolution, // its surface resolution
};

struct ShortcutActionRun {
    ShortcutRun run = ShortcutRun::nothing;
    int value = 0;
};

// What the action runs; nothing for a value outside 0..191.
ShortcutActionRun DescribeShortcutAction(int action);

// The English name of the action; "none" for -1 and every value outside 0..191.
CString ShortcutActionName(int action);

// The keys of the dialog's keyboard picture, in its radio group's order.
inline constexpr int kShortcutKeyCount = 58;
inline constexpr int kShortcutModifierCount = 4;
// The slot of key index 0..57 (A-Z, 0-9, F1-F12, Backspace, Delete, Enter,
// Insert, Space, Tab, Down, Left, Right, Up) with modifier 0..3 (none,
// Ctrl, Shift, Ctrl+Shift); -1 outside those ranges.
int ShortcutSlotOfKey(int keyIndex, int modifier);

// An item of the dialog's action menu and the action it binds (-1: "None").
struct ShortcutMenuItem {
    UINT command;
    int action;
};
std::span<const ShortcutMenuItem> ShortcutMenuItems();
