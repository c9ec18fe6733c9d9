// The settings pages' rules without windows: reordering the include files,
// the ambient colour between numbers and swatch, the mouse page's tools.
#include "dialogs/settings_rules.h"
#include "model/mouse_modes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::vector<CString> Files(std::initializer_list<const char*> names) {
    return {names.begin(), names.end()};
}

} // namespace

TEST(SettingsRulesTest, IncludeFilesMoveOnlyWhereANeighbourIs) {
    const struct {
        const char* name;
        int (*move)(std::vector<CString>&, int);
        int index;
        int expected;
        std::vector<CString> after;
    } cases[] = {
        {"up from the middle", MoveEntryUp, 1, 0, Files({"b", "a", "c"})},
        {"up from the last", MoveEntryUp, 2, 1, Files({"a", "c", "b"})},
        {"up from the first", MoveEntryUp, 0, -1, Files({"a", "b", "c"})},
        {"down from the first", MoveEntryDown, 0, 1, Files({"b", "a", "c"})},
        {"down from the last", MoveEntryDown, 2, -1, Files({"a", "b", "c"})},
        {"nothing selected, up", MoveEntryUp, -1, -1, Files({"a", "b", "c"})},
        {"nothing selected, down", MoveEntryDown, -1, -1, Files({"a", "b", "c"})},
        {"past the end", MoveEntryUp, 3, -1, Files({"a", "b", "c"})},
    };
    for (const auto& c : cases) {
        std::vector<CString> list = Files({"a", "b", "c"});
        EXPECT_EQ(c.move(list, c.index), c.expected) << c.name;
        EXPECT_EQ(list, c.after) << c.name;
    }
    std::vector<CString> one = Files({"only"});
    EXPECT_EQ(MoveEntryDown(one, 0), -1);
    EXPECT_EQ(MoveEntryUp(one, 0), -1);
    EXPECT_TRUE(RemoveEntry(one, 0));
    EXPECT_TRUE(one.empty());
    EXPECT_FALSE(RemoveEntry(one, 0)) << "nothing left to delete";
}

TEST(SettingsRulesTest, AmbientSwatchTruncatesAndEveryByteComesBack) {
    EXPECT_EQ(AmbientSwatchColor(0.5f, 0.5f, 0.5f), RGB(127, 127, 127));
    EXPECT_EQ(AmbientSwatchColor(1.0f, 0.0f, 0.2f), RGB(255, 0, 51));
    EXPECT_EQ(AmbientSwatchColor(1.5f, -0.5f, 0.999f), RGB(255, 0, 254)) << "kept within the bytes";
    const std::array<float, 3> ambient = AmbientFromColor(RGB(255, 0, 51));
    EXPECT_FLOAT_EQ(ambient[0], 1.0f) << "red from the lowest byte";
    EXPECT_FLOAT_EQ(ambient[1], 0.0f);
    EXPECT_FLOAT_EQ(ambient[2], 0.2f);
    for (int byte = 0; byte < 256; ++byte) {
        const std::array<float, 3> a = AmbientFromColor(RGB(byte, byte, byte));
        EXPECT_EQ(AmbientSwatchColor(a[0], a[1], a[2]), RGB(byte, byte, byte)) << byte;
    }
}

TEST(SettingsRulesTest, EveryButtonOffersEachCameraToolOnceTheRightOneAlsoThePopupMenu) {
    for (const bool english : {false, true}) {
        const std::vector<MouseToolChoice> right = MouseToolChoices(english, true);
        const std::vector<MouseToolChoice> middle = MouseToolChoices(english, false);
        ASSERT_EQ(right.size(), 12U);
        ASSERT_EQ(middle.size(), 11U);
        EXPECT_EQ(right.back().mode, mouseModePopupMenu);
        EXPECT_STREQ(right.back().text, english ? "Popup Menu" : "ポップアップメニューのみ");
        for (int mode = mouseModeCameraRotate1; mode <= mouseModeCameraLookAtZ; ++mode)
            EXPECT_EQ(
                std::count_if(middle.begin(), middle.end(), [mode](const auto& c) { return c.mode == mode; }),
                1)
                << mode;
    }
    EXPECT_STREQ(MouseToolChoices(false, false)[7].text, "(カメラ) ズーム");
    EXPECT_STREQ(MouseToolChoices(true, false)[7].text, "(Camera) Zoom");
}

TEST(SettingsRulesTest, AFileLiesInTheFolderBeforeItsName) {
    EXPECT_EQ(FolderOf("/usr/local/bin/megapov"), "/usr/local/bin");
    EXPECT_EQ(FolderOf("megapov"), "");
    EXPECT_EQ(FolderOf(""), "");
}
