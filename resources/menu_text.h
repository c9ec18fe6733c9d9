#pragma once
// Menus whose structure is the same in both sets, written once with the
// Japanese and English text of each entry; each set takes its language's.
#include "resources/resource_format.h"

#include <algorithm>
#include <array>
#include <cstddef>

struct MenuText {
    MenuEntryKind kind;
    UINT id;
    const char* japanese;
    const char* english;
    UINT state;
};

// An item with one text for both sets, or its Japanese and English texts.
constexpr MenuText Item(UINT id, const char* text, UINT state = 0) {
    return {MenuEntryKind::Item, id, text, text, state};
}
constexpr MenuText Item(UINT id, const char* japanese, const char* english, UINT state = 0) {
    return {MenuEntryKind::Item, id, japanese, english, state};
}
constexpr MenuText Separator() {
    return {MenuEntryKind::Separator, 0, "", "", 0};
}
constexpr MenuText Popup(const char* text) {
    return {MenuEntryKind::Popup, 0, text, text, 0};
}
constexpr MenuText Popup(const char* japanese, const char* english) {
    return {MenuEntryKind::Popup, 0, japanese, english, 0};
}
constexpr MenuText End() {
    return {MenuEntryKind::End, 0, "", "", 0};
}

// The parts one after the other.
template <std::size_t... N> constexpr std::array<MenuText, (N + ...)> Concat(const MenuText (&... parts)[N]) {
    std::array<MenuText, (N + ...)> all{};
    std::size_t next = 0;
    ((std::copy(std::begin(parts), std::end(parts), all.begin() + next), next += N), ...);
    return all;
}

// The menu's entries in one language.
template <std::size_t N>
constexpr std::array<MenuEntry, N> InLanguage(const std::array<MenuText, N>& texts,
                                              ResourceLanguage language) {
    std::array<MenuEntry, N> entries{};
    for (std::size_t i = 0; i < N; ++i) {
        const MenuText& t = texts[i];
        entries[i] = {t.kind, t.id, language == ResourceLanguage::English ? t.english : t.japanese, t.state};
    }
    return entries;
}
