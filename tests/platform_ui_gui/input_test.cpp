#include "platform/ui/input.h"

#include <gtest/gtest.h>
#include <wx/defs.h>

TEST(InputTest, WxKeysMapToTheDesignsVirtualKeys) {
    struct Case {
        const char* name;
        int wxCode;
        int expected;
    };
    const Case cases[] = {
        {"letters are upper case", 'q', 'Q'},
        {"main-keyboard digit", '7', '7'},
        {"keypad digit is not a main digit", WXK_NUMPAD7, VK_NUMPAD0 + 7},
        {"last function key", WXK_F12, VK_F1 + 11},
        {"keypad enter is enter", WXK_NUMPAD_ENTER, VK_RETURN},
        {"backspace", WXK_BACK, VK_BACK},
        {"insert", WXK_INSERT, VK_INSERT},
        {"unknown key", WXK_SCROLL, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyFromWx(c.wxCode), c.expected) << c.name;
}

TEST(InputTest, KeyStateIsNegativeWhileDown) {
    SetKeyState(VK_SHIFT, true);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    SetKeyState(VK_SHIFT, false);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetKeyState(-1), 0);
    EXPECT_EQ(GetKeyState(4096), 0);
}
