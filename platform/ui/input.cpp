#include "platform/ui/input.h"

#include <array>
#include <cctype>
#include <wx/defs.h>
#include <wx/event.h>
#include <wx/utils.h>
// After the wx headers: X11 defines macros that collide with names in them.
#include <X11/XKBlib.h>

namespace {

std::array<bool, 256>& KeysDown() {
    static std::array<bool, 256> keys{};
    return keys;
}

// wx names a key by the character it gives now, which for a shifted digit
// is punctuation ('(' for Shift+9 on a US keyboard) and which some layouts
// put on their digit keys unshifted. The key itself carries its letter or
// digit on one of its levels in one of the layout's groups.
int VirtualKeyOfPhysicalKey(unsigned keycode) {
    auto* display = static_cast<Display*>(wxGetDisplay());
    if (!display || keycode < 8 || keycode > 255)
        return 0;
    for (int group = 0; group < XkbNumKbdGroups; ++group)
        for (int level = 0; level < 2; ++level) {
            const KeySym symbol = XkbKeycodeToKeysym(display, static_cast<KeyCode>(keycode), group, level);
            if (symbol < 0x80 && std::isalnum(static_cast<int>(symbol)))
                return VirtualKeyFromWx(static_cast<int>(symbol));
        }
    return 0;
}

} // namespace

SHORT GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255)
        return 0;
    return KeysDown()[virtualKey] ? static_cast<SHORT>(0x8000) : 0;
}

void SetKeyState(int virtualKey, bool down) {
    if (virtualKey > 0 && virtualKey <= 255)
        KeysDown()[virtualKey] = down;
}

int VirtualKeyFromWx(int code) {
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return code;
    if (code >= 'a' && code <= 'z')
        return code - 'a' + 'A';
    if (code >= WXK_F1 && code <= WXK_F12)
        return VK_F1 + (code - WXK_F1);
    if (code >= WXK_NUMPAD0 && code <= WXK_NUMPAD9)
        return VK_NUMPAD0 + (code - WXK_NUMPAD0);
    switch (code) {
    case WXK_BACK:
        return VK_BACK;
    case WXK_TAB:
        return VK_TAB;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return VK_RETURN;
    case WXK_SHIFT:
        return VK_SHIFT;
    case WXK_CONTROL:
        return VK_CONTROL;
    case WXK_ALT:
        return VK_MENU;
    case WXK_ESCAPE:
        return VK_ESCAPE;
    case WXK_SPACE:
        return VK_SPACE;
    case WXK_PAGEUP:
        return VK_PRIOR;
    case WXK_PAGEDOWN:
        return VK_NEXT;
    case WXK_END:
        return VK_END;
    case WXK_HOME:
        return VK_HOME;
    case WXK_LEFT:
        return VK_LEFT;
    case WXK_UP:
        return VK_UP;
    case WXK_RIGHT:
        return VK_RIGHT;
    case WXK_DOWN:
        return VK_DOWN;
    case WXK_INSERT:
        return VK_INSERT;
    case WXK_DELETE:
        return VK_DELETE;
    default:
        return 0;
    }
}

int VirtualKeyOfEvent(const wxKeyEvent& event) {
    const int key = VirtualKeyFromWx(event.GetKeyCode());
    // On GTK the raw flags are the hardware key code.
    return key ? key : VirtualKeyOfPhysicalKey(event.GetRawKeyFlags());
}
