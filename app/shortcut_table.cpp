#include "app/shortcut_table.h"

#include "app/settings_text.h"
#include "platform/base/file_util.h"

namespace {

std::string FilePath() {
    return qf::SettingsPath("quel_shortcut.ini");
}

} // namespace

ShortcutSlots DefaultShortcutSlots() {
    struct Binding {
        int slot;
        int action;
    };
    static constexpr Binding kDefaults[] = {
        {0, 16},  {2, 69},  {3, 64},  {4, 66},  {5, 67},  {6, 11},  {17, 15}, {18, 14},
        {19, 13}, {21, 65}, {23, 72}, {24, 73}, {25, 74}, {26, 25}, {28, 61}, {39, 57},
        {40, 58}, {43, 21}, {44, 59}, {45, 23}, {47, 62}, {49, 60}, {51, 24}, {79, 71},
        {80, 68}, {83, 70}, {84, 77}, {85, 76}, {86, 78}, {87, 75}, {88, 63},
    };
    ShortcutSlots slots;
    slots.fill(-1);
    for (const Binding& b : kDefaults)
        slots[b.slot] = b.action;
    return slots;
}

bool CShortcutTable::Read(std::string* error) {
    auto parse = [this](qf::CTextFileReader& file) {
        for (int& slot : m_slots)
            if (!file.ReadInt(slot))
                break;
    };
    return ReadSettingsFile(FilePath(), parse, error, [this](std::string* why) { return Write(why); });
}

bool CShortcutTable::Write(std::string* error) const {
    qf::CTextFileWriter file(FilePath());
    for (int action : m_slots)
        file.Printf("%d\n", action);
    return CloseSettingsFile(file, error);
}
