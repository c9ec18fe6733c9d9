// The window-layout file and the tool bars the tool tabs load, apart from
// any window: what a file of each shape turns into, the commands that bring
// the bars there, and the button sets with their pictures and tips.
#include "platform/base/file_util.h"
#include "platform/ui/resource_lookup.h"
#include "resources/command_ids.h"
#include "shell/tool_dialog_bar.h"
#include "shell/window_layout.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Commands = std::vector<UINT>;

} // namespace

TEST(WindowLayoutTest, FilesOfEachShapeGiveWhatTheyHoldBeforeAnyDamage) {
    struct Case {
        const char* name;
        std::string text;
        WindowLayout expected;
    };
    const Case cases[] = {
        {"as written",
         "Tool_Window 0\nDialog_Window 1 0\nStatus_Window 1\nMenu_Window 1\nMenu_Window2 0\n",
         {0, 1, 0, 1, 1, 0}},
        {"written on Windows",
         "Tool_Window 1\r\nDialog_Window 0 1\r\nStatus_Window 0\r\nMenu_Window 0\r\nMenu_Window2 1\r\n",
         {1, 0, 1, 0, 0, 1}},
        {"lines in another order: the numbers decide",
         "Menu_Window2 0\nStatus_Window 1 1\nTool_Window 0\nDialog_Window 1\nMenu_Window 1\n",
         {0, 1, 1, 0, 1, 1}},
        {"blank lines between the lines",
         "Tool_Window 0\n\nDialog_Window 0 0\n\r\n\nStatus_Window 0\nMenu_Window 1\n\nMenu_Window2 1\n",
         {0, 0, 0, 0, 1, 1}},
        {"a key word longer than its buffer",
         std::string(300, 'K') + " 0\nD 1 1\nS 1\nM 0\nM2 0\n",
         {0, 1, 1, 1, 0, 0}},
        {"only the first lines", "Tool_Window 0\nDialog_Window 1 0\nStatus_Window 0\n", {0, 1, 0, 0, 0, 0}},
        {"a value that is not a number",
         "Tool_Window 0\nDialog_Window 0 x\nStatus_Window 0\nMenu_Window 1\nMenu_Window2 1\n",
         {0, 0, 1, 1, 0, 0}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        const WindowLayout layout = ParseWindowLayout(c.text);
        const WindowLayout& e = c.expected;
        EXPECT_EQ(layout.toolWindow, e.toolWindow) << c.name;
        EXPECT_EQ(layout.dialogWindow, e.dialogWindow) << c.name;
        EXPECT_EQ(layout.dialogOnRight, e.dialogOnRight) << c.name;
        EXPECT_EQ(layout.statusWindow, e.statusWindow) << c.name;
        EXPECT_EQ(layout.menuWindow, e.menuWindow) << c.name;
        EXPECT_EQ(layout.menuWindow2, e.menuWindow2) << c.name;
    }
}

TEST(WindowLayoutTest, TheCommandsToggleOnlyWhatDiffersFromTheStart) {
    EXPECT_EQ(WindowLayoutCommands(WindowLayout{}), Commands{}) << "the initial layout needs nothing";
    EXPECT_EQ(WindowLayoutCommands({0, 0, 0, 0, 1, 1}),
              (Commands{ID_WINDOW_TOOL, ID_LAYOUT_DIALOG_LEFT, ID_WINDOW_DIALOG, ID_WINDOW_STATUS,
                        ID_WINDOW_MENU_LEFT, ID_WINDOW_MENU_RIGHT}))
        << "the side bar goes left before it is hidden, so it shows there later";
    EXPECT_EQ(WindowLayoutCommands({2, 2, 2, 2, 2, 2}), Commands{})
        << "another value keeps the first bars shown and the command bars hidden";
}

TEST(WindowLayoutTest, TheFileWrittenReadsBackAndADamagedOneGivesWhatItHolds) {
    qf::test::TempDir home;
    qf::test::ScopedEnv env("QUELAFORM_HOME", home.path().string());
    EXPECT_FALSE(CWndLayout().Read()) << "no file yet";
    const WindowLayout layout{0, 1, 0, 0, 1, 0};
    ASSERT_TRUE(CWndLayout().Write(layout));
    std::string bytes;
    ASSERT_TRUE(qf::ReadWholeFile(CWndLayout::FilePath(), bytes));
    EXPECT_EQ(bytes, "Tool_Window 0\nDialog_Window 1 0\nStatus_Window 0\nMenu_Window 1\nMenu_Window2 0\n");
    const std::optional<WindowLayout> back = CWndLayout().Read();
    ASSERT_TRUE(back);
    EXPECT_EQ(WindowLayoutCommands(*back), WindowLayoutCommands(layout));

    qf::test::WriteFileBytes(CWndLayout::FilePath(), "Tool_Window 0\nDialog_Win");
    EXPECT_EQ(WindowLayoutCommands(CWndLayout().Read().value()), Commands{ID_WINDOW_TOOL})
        << "a file cut short gives its first line";
}

// Each tab loads a bar of its own, whose buttons show a tip but for those
// that have none.
TEST(ToolTabsTest, EveryTabLoadsItsBarWithTheTipsOfItsButtons) {
    const std::vector<UINT> untipped = {30729, 30578, 30579, 30580, 30583, 30584, 30585, 30586, 30733};
    std::vector<UINT> bars;
    for (int tab = 0; tab < kToolTabCount; ++tab) {
        const ToolBarResource* bar = FindToolBarResource(ToolTabToolBar(tab));
        ASSERT_TRUE(bar) << ToolTabCaption(tab, true);
        bars.push_back(bar->id);
        for (const UINT id : bar->buttons) {
            if (id == 0)
                continue;
            const bool tipped = std::find(untipped.begin(), untipped.end(), id) == untipped.end();
            EXPECT_EQ(CommandToolTip(id).IsEmpty(), !tipped) << id;
        }
    }
    std::sort(bars.begin(), bars.end());
    EXPECT_EQ(std::unique(bars.begin(), bars.end()), bars.end()) << "seven different sets";
    EXPECT_EQ(ToolTabToolBar(kToolTabCount), 0u);
    EXPECT_STREQ(ToolTabCaption(3, false), "複数オブジェクト");
}
