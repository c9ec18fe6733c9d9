#include "platform/ui/sys_color.h"

#include "platform/ui/dc.h"

#include <array>

namespace {

constexpr int tableSize = COLOR_3DLIGHT + 1;

constexpr std::array<COLORREF, tableSize> ClassicColours() {
    std::array<COLORREF, tableSize> c{};
    c[COLOR_ACTIVECAPTION] = RGB(10, 36, 106);
    c[COLOR_WINDOW] = RGB(255, 255, 255);
    c[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
    c[COLOR_HIGHLIGHT] = RGB(10, 36, 106);
    c[COLOR_BTNFACE] = RGB(212, 208, 200);
    c[COLOR_BTNSHADOW] = RGB(128, 128, 128);
    c[COLOR_GRAYTEXT] = RGB(128, 128, 128);
    c[COLOR_BTNTEXT] = RGB(0, 0, 0);
    c[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
    c[COLOR_3DDKSHADOW] = RGB(64, 64, 64);
    c[COLOR_3DLIGHT] = RGB(212, 208, 200);
    return c;
}

constexpr std::array<COLORREF, tableSize> colours = ClassicColours();

} // namespace

COLORREF GetSysColor(int index) {
    return index >= 0 && index < tableSize ? colours[static_cast<size_t>(index)] : 0;
}

CBrush* GetSysColorBrush(int index) {
    static std::array<CBrush, tableSize> brushes = [] {
        std::array<CBrush, tableSize> b;
        for (int i = 0; i < tableSize; ++i)
            b[static_cast<size_t>(i)].CreateSolidBrush(colours[static_cast<size_t>(i)]);
        return b;
    }();
    return &brushes[static_cast<size_t>(index >= 0 && index < tableSize ? index : 0)];
}
