#pragma once
// The customisable key bindings: one action number per fixed key slot, kept
// in quel_shortcut.ini in the settings folder as 232 decimal lines in slot
// order.
#include <array>
#include <string>

inline constexpr int kShortcutSlotCount = 232;

// Action number of each key slot; -1 for a slot without action.
using ShortcutSlots = std::array<int, kShortcutSlotCount>;

// Every slot -1 except the built-in bindings.
ShortcutSlots DefaultShortcutSlots();

// Reads and writes a slot table that the caller owns.
class CShortcutTable {
public:
    explicit CShortcutTable(ShortcutSlots& slots) : m_slots(slots) {}

    // Reads the file into the slots in order; reading stops at the end of the
    // file or at the first line that is not a number, and the remaining slots
    // keep their values. A missing file is written at once from the slots.
    // False (slots kept) when the file cannot be read or written.
    bool Read(std::string* error = nullptr);
    // Replaces the file with the slots.
    bool Write(std::string* error = nullptr) const;

private:
    ShortcutSlots& m_slots;
};
