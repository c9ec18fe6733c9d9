// The shortcut actions' table: what each action runs and is called, the key
// slots the dialog's keyboard addresses, and the dialog's action menu.
#include "platform/ui/resource_lookup.h"
#include "resources/resource_tables.h"
#include "shell/shortcut_actions.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

struct NameCase {
    int action;
    const char* name;
};

} // namespace

TEST(ShortcutActionsTest, NamesFollowTheirButtonModeAndResolution) {
    const NameCase cases[] = {
        {0, "(camera) rotate1 (left button)"},
        {10, "(camera) look_at Z (left button)"},
        {11, "(patch) select (left button)"},
        {18, "(patch) noise (left button)"},
        {20, "(POV-Ray) render select part"},
        {24, "(camera) zoom (right button)"},
        {32, "popup menu (right button)"},
        {35, "(camera) translate (middle button)"},
        {52, "(camera) look_at X (left + right button)"},
        {54, "(camera) look_at Z (left + right button)"},
        {63, "Full Screen"},
        {85, "set curve subdivision level"},
        {132, "set curve resolution 1"},
        {137, "set curve resolution 6"},
        {151, "set curve resolution 20"},
        {152, "set surface resolution 1"},
        {171, "set surface resolution 20"},
        {191, "(patch) Magnet"},
        {-1, "none"},
        {192, "none"},
        {500, "none"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(ShortcutActionName(c.action), c.name) << c.action;
    for (int action = 0; action < kShortcutActionCount; ++action)
        EXPECT_NE(ShortcutActionName(action), "none") << action;
}

TEST(ShortcutActionsTest, EachButtonBlockReachesTheElevenCameraModesAndNoMore) {
    const std::pair<int, ShortcutRun> blocks[] = {{0, ShortcutRun::leftTool},
                                                  {21, ShortcutRun::rightTool},
                                                  {33, ShortcutRun::middleTool},
                                                  {44, ShortcutRun::bothTool}};
    for (const auto& [first, run] : blocks)
        for (int mode = 0; mode <= 10; ++mode) {
            const ShortcutActionRun what = DescribeShortcutAction(first + mode);
            EXPECT_EQ(what.run, run) << first + mode;
            EXPECT_EQ(what.value, mode) << "never the dolly (11)";
        }
    EXPECT_EQ(DescribeShortcutAction(32).run, ShortcutRun::rightTool);
    EXPECT_EQ(DescribeShortcutAction(32).value, -1) << "the popup menu";
}

TEST(ShortcutActionsTest, OnlyOddResolutionActionsSetAResolution) {
    for (int action = 132; action <= 171; ++action) {
        const ShortcutActionRun what = DescribeShortcutAction(action);
        if (action % 2 == 0) {
            EXPECT_EQ(what.run, ShortcutRun::nothing) << action;
            continue;
        }
        EXPECT_EQ(what.run, action < 152 ? ShortcutRun::curveResolution : ShortcutRun::surfaceResolution);
        EXPECT_EQ(what.value, action < 152 ? action - 131 : action - 151) << action;
    }
    EXPECT_EQ(DescribeShortcutAction(141).value, 10);
    for (const int nothing : {-1, 85, 90, 192, 1000})
        EXPECT_EQ(DescribeShortcutAction(nothing).run, ShortcutRun::nothing) << nothing;
}

// The slot the dialog computes for each key and modifier is the slot whose
// accelerator is that key with that modifier.
TEST(ShortcutActionsTest, DialogSlotsMatchTheKeysOfTheAcceleratorTable) {
    std::vector<WORD> keys;
    for (int i = 0; i < 26; ++i)
        keys.push_back(static_cast<WORD>('A' + i));
    for (int i = 0; i < 10; ++i)
        keys.push_back(static_cast<WORD>('0' + i));
    for (int i = 0; i < 12; ++i)
        keys.push_back(static_cast<WORD>(0x70 + i));
    for (const WORD key : {0x08, 0x2E, 0x0D, 0x2D, 0x20, 0x09, 0x28, 0x25, 0x27, 0x26})
        keys.push_back(key);
    ASSERT_EQ(keys.size(), static_cast<size_t>(kShortcutKeyCount));
    const std::span<const AccelEntry> table = ShortcutSlotAccelerators();
    std::set<int> slots;
    for (int modifier = 0; modifier < kShortcutModifierCount; ++modifier)
        for (int k = 0; k < kShortcutKeyCount; ++k) {
            const int slot = ShortcutSlotOfKey(k, modifier);
            ASSERT_GE(slot, 0);
            ASSERT_LT(slot, kShortcutSlotKeys);
            slots.insert(slot);
            const AccelEntry& entry = table[static_cast<size_t>(slot)];
            EXPECT_EQ(entry.key, keys[static_cast<size_t>(k)]) << "key " << k << " modifier " << modifier;
            EXPECT_EQ((entry.flags & FCONTROL) != 0, (modifier & 1) != 0) << slot;
            EXPECT_EQ((entry.flags & FSHIFT) != 0, (modifier & 2) != 0) << slot;
        }
    EXPECT_EQ(slots.size(), static_cast<size_t>(kShortcutSlotKeys)) << "every slot once";
    EXPECT_EQ(ShortcutSlotOfKey(55, 3), 219) << "Ctrl+Shift+Left";
    EXPECT_EQ(ShortcutSlotOfKey(25, 1), 51) << "Ctrl+Z, the zoom of the right button";
    EXPECT_EQ(ShortcutSlotOfKey(58, 0), -1);
    EXPECT_EQ(ShortcutSlotOfKey(0, 4), -1);
}

// Every command item of the action menu binds exactly one action, but
// "Setting", which belongs to the main frame; each action at most once.
TEST(ShortcutActionsTest, EveryItemOfTheActionMenuBindsItsAction) {
    std::map<UINT, int> bound;
    for (const ShortcutMenuItem& item : ShortcutMenuItems())
        EXPECT_TRUE(bound.emplace(item.command, item.action).second) << item.command;
    const MenuResource* menu = FindMenuResource(189);
    ASSERT_NE(menu, nullptr);
    std::set<UINT> items;
    for (const MenuEntry& entry : menu->entries)
        if (entry.kind == MenuEntryKind::Item && entry.id != 30045)
            items.insert(entry.id);
    EXPECT_EQ(items.size(), bound.size());
    for (const UINT id : items)
        EXPECT_TRUE(bound.count(id)) << id;
    std::set<int> actions;
    for (const auto& [command, action] : bound)
        EXPECT_TRUE(actions.insert(action).second) << "action " << action << " twice";
    const std::pair<UINT, int> samples[] = {{30474, 24},  {30603, 137}, {30637, 171}, {30512, 125},
                                            {30513, 126}, {30505, -1},  {30482, 32},  {30394, 57}};
    for (const auto& [command, action] : samples)
        EXPECT_EQ(bound[command], action) << command;
}
