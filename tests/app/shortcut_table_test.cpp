#include "app/shortcut_table.h"
#include "settings_home.h"

#include <algorithm>

using ShortcutTableTest = SettingsHomeTest;

TEST_F(ShortcutTableTest, MissingFileIsWrittenWithTheDefaults) {
    ShortcutSlots slots = DefaultShortcutSlots();
    EXPECT_EQ(slots[0], 16);
    EXPECT_EQ(slots[88], 63);
    EXPECT_EQ(slots[1], -1);
    std::string error;
    ASSERT_TRUE(CShortcutTable(slots).Read(&error)) << error;
    const std::string text = Bytes("quel_shortcut.ini");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 232);
    EXPECT_TRUE(text.starts_with("16\n-1\n69\n64\n"));
    size_t noAction = 0;
    for (size_t at = text.find("-1\n"); at != std::string::npos; at = text.find("-1\n", at + 1))
        ++noAction;
    EXPECT_EQ(noAction, 201u);
    EXPECT_EQ(slots, DefaultShortcutSlots());
}

TEST_F(ShortcutTableTest, ReadingStopsAtTheFirstLineThatIsNoNumber) {
    struct Case {
        const char* name;
        const char* text;
        int lastRead; // slots after it keep their defaults
    } cases[] = {
        {"ten lines", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", 9},
        {"x on line 5, CRLF", "1\r\n2\r\n3\r\n4\r\nx\r\n6\r\n", 3},
        {"number too large", "1\n99999999999\n3\n", 0},
        {"undecodable byte on line 5", "1\n2\n3\n4\n\xFF\n6\n7\n", 3},
    };
    for (const Case& c : cases) {
        qf::test::WriteFileBytes(File("quel_shortcut.ini"), c.text);
        ShortcutSlots slots = DefaultShortcutSlots();
        ASSERT_TRUE(CShortcutTable(slots).Read()) << c.name;
        for (int i = 0; i < kShortcutSlotCount; ++i)
            EXPECT_EQ(slots[i], i <= c.lastRead ? i + 1 : DefaultShortcutSlots()[i])
                << c.name << " slot " << i;
    }
}

TEST_F(ShortcutTableTest, WriteReadWriteIsByteIdentical) {
    ShortcutSlots slots = DefaultShortcutSlots();
    slots[231] = 191;
    slots[0] = -1;
    ASSERT_TRUE(CShortcutTable(slots).Write());
    const std::string first = Bytes("quel_shortcut.ini");
    ShortcutSlots back;
    back.fill(0);
    ASSERT_TRUE(CShortcutTable(back).Read());
    EXPECT_EQ(back, slots);
    ASSERT_TRUE(CShortcutTable(back).Write());
    EXPECT_EQ(Bytes("quel_shortcut.ini"), first);
}
