#pragma once
// Building blocks of the material panels' templates: number fields with
// their spins and sliders, labels, group headers, swatches, and the pattern
// section that the noise-pattern and colour-map panels share.
#include "resources/resource_format.h"

#include <array>

namespace material_items {

constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kField = kTab | ES_AUTOHSCROLL;
constexpr DWORD kShownPath = kField | ES_READONLY;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX;
constexpr DWORD kFirstRadio = kTab | WS_GROUP | BS_AUTORADIOBUTTON;
constexpr DWORD kRadio = WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kList = kTab | CBS_DROPDOWNLIST;
constexpr DWORD kTree =
    kTab | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
constexpr short kWidth = 140;

constexpr DialogItemTemplate Header(UINT id, const char* caption, short y) {
    return {DialogControl::Button, id, caption, 0, y, kWidth, 13, kDrawn};
}
// Labels take ids from 1900 on, each once in its dialog.
constexpr DialogItemTemplate Label(UINT id, const char* text, short x, short y, short cx = 60,
                                   short cy = 10) {
    return {DialogControl::Static, id, text, x, y, cx, cy, WS_VISIBLE};
}
constexpr DialogItemTemplate Check(UINT id, const char* text, short x, short y, short cx = 120) {
    return {DialogControl::Button, id, text, x, y, cx, 12, kCheck};
}
constexpr DialogItemTemplate Radio(UINT id, const char* text, short x, short y, bool first = false,
                                   short cx = 62) {
    return {DialogControl::Button, id, text, x, y, cx, 12, first ? kFirstRadio : kRadio};
}
// A number field at x with its spin right of it.
constexpr DialogItemTemplate Number(UINT id, short x, short y) {
    return {DialogControl::Edit, id, "", x, y, 40, 13, kField};
}
constexpr DialogItemTemplate Spin(UINT id, short x, short y) {
    return {DialogControl::Button, id, "", static_cast<short>(x + 40), y, 9, 13, kDrawn};
}
// The slider right of a number field and spin at x.
constexpr DialogItemTemplate Meter(UINT id, short x, short y) {
    return {DialogControl::Button,
            id,
            "",
            static_cast<short>(x + 53),
            static_cast<short>(y + 2),
            static_cast<short>(kWidth - 6 - (x + 53)),
            9,
            kDrawn};
}
constexpr DialogItemTemplate Swatch(UINT id, short x, short y) {
    return {DialogControl::Button, id, "", x, y, 24, 12, kDrawn};
}
constexpr DialogItemTemplate NameButton(UINT id, short y) {
    return {DialogControl::Button, id, ". . .", 112, y, 22, 13, kTab};
}
constexpr DialogItemTemplate ShownText(UINT id, short y) {
    return {DialogControl::Edit, id, "", 8, y, 102, 13, kShownPath};
}
constexpr DialogItemTemplate Choice(UINT id, short x, short y, short cx) {
    return {DialogControl::ComboBox, id, "", x, y, cx, 16, kList};
}

// The pattern list and the pattern's numbers, labels above them, from y
// down; the labels take ids from firstLabel on.
constexpr std::array<DialogItemTemplate, 30> PatternItems(short y, UINT firstLabel) {
    const auto at = [y](int offset) { return static_cast<short>(y + offset); };
    const auto label = [firstLabel](int n) { return firstLabel + static_cast<UINT>(n); };
    return {{
        Label(label(0), "pattern", 8, at(2), 40),
        Choice(1052, 50, at(0), 84),
        Label(label(1), "Bump depth", 8, at(18)),
        Number(1054, 8, at(28)),
        Spin(1352, 8, at(28)),
        Meter(1357, 8, at(28)),
        Label(label(2), "Agate Turbulence", 8, at(44), 80),
        Number(1061, 8, at(54)),
        Spin(1359, 8, at(54)),
        Meter(1364, 8, at(54)),
        Label(label(3), "Mandel Iterations", 8, at(70), 80),
        Number(1074, 8, at(80)),
        Spin(1367, 8, at(80)),
        Meter(1371, 8, at(80)),
        Label(label(4), "Number of Arms", 8, at(96), 80),
        Number(1135, 8, at(106)),
        Spin(1376, 8, at(106)),
        Meter(1380, 8, at(106)),
        Label(label(5), "Quilted Control0", 8, at(122), 80),
        Number(1154, 8, at(132)),
        Spin(1384, 8, at(132)),
        Meter(1387, 8, at(132)),
        Label(label(6), "Quilted Control1", 8, at(148), 80),
        Number(1163, 8, at(158)),
        Spin(1390, 8, at(158)),
        Meter(1393, 8, at(158)),
        Label(label(7), "Gradient", 8, at(176), 40),
        Check(1214, "X", 50, at(175), 26),
        Check(1272, "Y", 78, at(175), 26),
        Check(1276, "Z", 106, at(175), 26),
    }};
}
// How far the pattern section reaches below its top.
constexpr short kPatternItemsHeight = 190;

} // namespace material_items
