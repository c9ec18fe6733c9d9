// The main and pane menus of both resource sets: the same items in the same
// places, and the submenus where the program looks for them.
#include "platform/ui/menu.h"
#include "platform/ui/resource_lookup.h"
#include "resources/command_ids.h"
#include "resources/resource_tables.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The menu's shape: each entry's kind and command id, in order.
std::vector<std::pair<MenuEntryKind, UINT>> Shape(UINT id) {
    std::vector<std::pair<MenuEntryKind, UINT>> shape;
    if (const MenuResource* menu = FindMenuResource(id))
        for (const MenuEntry& entry : menu->entries)
            shape.emplace_back(entry.kind, entry.id);
    return shape;
}

bool SubmenuHas(CMenu& menu, int position, UINT command) {
    CMenu* sub = menu.GetSubMenu(position);
    return sub && sub->GetMenuState(command, MF_BYCOMMAND) != 0xFFFFFFFF;
}

} // namespace

TEST(MainMenusTest, JapaneseAndEnglishSetsHoldTheSameItemsInTheSamePlaces) {
    const std::pair<UINT, UINT> pairs[] = {{IDR_MAINFRAME_JA, IDR_MAINFRAME_EN},
                                           {IDR_POLYGON_MENU_JA, IDR_POLYGON_MENU_EN},
                                           {IDR_PANE_MENU_JA, IDR_PANE_MENU_EN}};
    for (const auto& [japanese, english] : pairs) {
        EXPECT_FALSE(Shape(japanese).empty()) << japanese;
        EXPECT_EQ(Shape(japanese), Shape(english)) << japanese << " and " << english;
    }
}

TEST(MainMenusTest, SubmenusStandWhereTheProgramLooksForThem) {
    CMenu main;
    ASSERT_TRUE(main.LoadMenu(IDR_MAINFRAME_EN));
    EXPECT_EQ(main.GetMenuItemCount(), 9)
        << "File, Edit, Select, Model, Multi Object, Display, Window, Layout, Help";
    const struct {
        int position;
        UINT command;
    } mainCases[] = {{0, ID_FILE_MRU_FILE1},
                     {0, ID_FILE_INSERT},
                     {1, ID_EDIT_UNDO},
                     {2, 30005},
                     {3, 30037},
                     {4, 30660},
                     {5, 30738},
                     {6, ID_WINDOW_FULL_SCREEN},
                     {7, 30019},
                     {8, ID_APP_ABOUT}};
    for (const auto& c : mainCases)
        EXPECT_TRUE(SubmenuHas(main, c.position, c.command)) << c.position << ": " << c.command;
    CString text;
    main.GetSubMenu(0)->GetMenuString(ID_FILE_MRU_FILE1, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "Recent File");
    bool plugIns = false;
    for (int i = 0; i < main.GetSubMenu(0)->GetMenuItemCount(); ++i)
        if (main.GetSubMenu(0)->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION) &&
            text == "sPatch Plug-in")
            plugIns = main.GetSubMenu(0)->GetSubMenu(i) != nullptr;
    EXPECT_TRUE(plugIns) << "the plug-in submenu is found by its text";

    CMenu pane;
    ASSERT_TRUE(pane.LoadMenu(IDR_PANE_MENU_JA));
    const struct {
        int position;
        UINT command;
    } paneCases[] = {{0, 30067},  {1, 30571},  {2, 30734},  {3, 30638},  {8, 30165}, {9, 30157},
                     {10, 30200}, {11, 30521}, {12, 30185}, {13, 30105}, {15, 30576}};
    for (const auto& c : paneCases)
        EXPECT_TRUE(SubmenuHas(pane, c.position, c.command)) << c.position << ": " << c.command;
}
