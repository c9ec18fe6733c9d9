#pragma once
// Keyboard state in Windows terms, as shortcut slots and tools store and test
// it: virtual-key codes and GetKeyState.
// Letters and main-keyboard digits are their upper-case ASCII codes.
#include "platform/base/win_types.h"

constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_NUMPAD0 = 0x60; // to VK_NUMPAD0 + 9
constexpr int VK_F1 = 0x70;      // to VK_F1 + 11 (F12)

// Negative while the key is down, as of the input event being handled.
SHORT GetKeyState(int virtualKey);
// Every keyboard and mouse event records the keys it carries here; tests
// set the state they need directly.
void SetKeyState(int virtualKey, bool down);

class wxKeyEvent;

// The virtual key of a wx key code, 0 for keys the program does not know.
int VirtualKeyFromWx(int wxKeyCode);
// The virtual key of a key pressed or released: by its key code, or else by
// the letter or digit on the physical key, so that the 9 key is 9 with Shift
// too, whatever character the layout gives it.
int VirtualKeyOfEvent(const wxKeyEvent& event);
