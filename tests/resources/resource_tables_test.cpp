#include "resources/resource_tables.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

constexpr ResourceLanguage kLanguages[] = {ResourceLanguage::Japanese, ResourceLanguage::English};

std::span<const AccelEntry> ShortcutTable(ResourceLanguage language, UINT id) {
    const AcceleratorResource* table = FindResourceById(GetResourceSet(language).accelerators, id);
    return table ? table->entries : std::span<const AccelEntry>();
}

const DialogItemTemplate* Item(const DialogTemplate& dialog, UINT id) {
    for (const DialogItemTemplate& item : dialog.items)
        if (item.id == id)
            return &item;
    return nullptr;
}

} // namespace

// Each set carries the 232 key slots under the id of its main menu; the
// shortcut dialog finds a slot as base(modifier, key group) + key index.
TEST(ResourceTablesTest, AcceleratorTablesHoldEverySlotInTheOrderTheShortcutDialogComputes) {
    struct Group {
        std::vector<int> keys;
        int base[4]; // none, Ctrl, Shift, Ctrl+Shift
    };
    std::vector<int> letters, digits, functionKeys;
    for (int i = 0; i < 26; ++i)
        letters.push_back('A' + i);
    for (int i = 0; i < 10; ++i)
        digits.push_back('0' + i);
    for (int i = 0; i < 12; ++i)
        functionKeys.push_back(0x70 + i);
    const Group groups[] = {
        {letters, {0, 26, 52, 174}},
        {digits, {144, 154, 164, 222}},
        {functionKeys, {84, 106, 128, 206}},
        {{0x08, 0x2E, 0x0D, 0x2D, 0x20, 0x09}, {78, 100, 122, 200}}, // BS, Delete, Enter, Insert, Space, Tab
        {{0x28, 0x25, 0x27, 0x26}, {96, 118, 140, 218}},             // Down, Left, Right, Up
    };
    for (const auto& [language, id] : {std::pair{ResourceLanguage::Japanese, IDR_MAINFRAME_JA},
                                       std::pair{ResourceLanguage::English, IDR_MAINFRAME_EN}}) {
        const std::span<const AccelEntry> table = ShortcutTable(language, id);
        ASSERT_EQ(table.size(), static_cast<size_t>(kShortcutSlotKeys));
        std::set<int> slotsSeen;
        for (const Group& group : groups)
            for (int modifier = 0; modifier < 4; ++modifier)
                for (size_t k = 0; k < group.keys.size(); ++k) {
                    const int slot = group.base[modifier] + static_cast<int>(k);
                    slotsSeen.insert(slot);
                    const AccelEntry& entry = table[static_cast<size_t>(slot)];
                    EXPECT_EQ(entry.key, group.keys[k]) << "slot " << slot;
                    const BYTE expected = FVIRTKEY | FNOINVERT | ((modifier & 1) ? FCONTROL : 0) |
                                          ((modifier & 2) ? FSHIFT : 0);
                    EXPECT_EQ(entry.flags, expected) << "slot " << slot;
                }
        EXPECT_EQ(slotsSeen.size(), table.size()) << "the groups cover every slot once";
        std::set<WORD> commands;
        for (const AccelEntry& entry : table)
            commands.insert(entry.command);
        EXPECT_EQ(commands.size(), table.size()) << "every slot has a command of its own";
    }
    EXPECT_TRUE(ShortcutTable(ResourceLanguage::Japanese, IDR_MAINFRAME_EN).empty())
        << "each set holds only its own table";
}

TEST(ResourceTablesTest, SlotCommandsFollowTheLayoutTable) {
    struct Case {
        const char* name;
        int slot;
        WORD command;
    };
    const Case cases[] = {
        {"A", 0, 30215},
        {"Z", 25, 30240},
        {"Ctrl+A", 26, 30267},
        {"Shift+Z", 77, 30266},
        {"Backspace", 78, 30313},
        {"Enter", 80, 30293},
        {"Tab", 83, 30295},
        {"F12", 95, 30308},
        {"Right", 98, 30358},
        {"Ctrl+Tab", 105, 30339},
        {"Ctrl+Right", 120, 30354},
        {"Shift+Enter", 124, 30314},
        {"Shift+Up", 143, 30334},
        {"0", 144, 30368},
        {"1", 145, 30359},
        {"Ctrl+0", 154, 30388},
        {"Shift+9", 173, 30377},
        {"Ctrl+Shift+V", 195, 30700},
        {"Ctrl+Shift+W", 196, 30723},
        {"Ctrl+Shift+Enter", 202, 30718},
        {"Ctrl+Shift+F1", 206, 30704},
        {"Ctrl+Shift+F2", 207, 30708},
        {"Ctrl+Shift+F10", 215, 30705},
        {"Ctrl+Shift+Left", 219, 30722},
        {"Ctrl+Shift+0", 222, 30669},
        {"Ctrl+Shift+9", 231, 30678},
    };
    for (const auto& [language, id] : {std::pair{ResourceLanguage::Japanese, IDR_MAINFRAME_JA},
                                       std::pair{ResourceLanguage::English, IDR_MAINFRAME_EN}}) {
        const std::span<const AccelEntry> table = ShortcutTable(language, id);
        ASSERT_EQ(table.size(), static_cast<size_t>(kShortcutSlotKeys));
        for (const Case& c : cases)
            EXPECT_EQ(table[static_cast<size_t>(c.slot)].command, c.command) << c.name;
    }
}

namespace {

// A group box or an etched frame marks the area of the items it holds.
bool IsFrame(const DialogItemTemplate& item) {
    if (item.control == DialogControl::Button)
        return (item.style & BS_TYPEMASK) == BS_GROUPBOX;
    return item.control == DialogControl::Static && (item.style & SS_TYPEMASK) == SS_ETCHEDFRAME;
}

bool Encloses(const DialogItemTemplate& frame, const DialogItemTemplate& item) {
    return IsFrame(frame) && item.x >= frame.x && item.y >= frame.y &&
           item.x + item.cx <= frame.x + frame.cx && item.y + item.cy <= frame.y + frame.cy;
}

} // namespace

// Layout rules every dialog template of both sets keeps: items inside the
// dialog, never on top of one another (but inside the frames that hold
// them), ids unique but for the labels that need none.
TEST(ResourceTablesTest, DialogItemsLieInsideTheirDialogWithoutOverlapping) {
    constexpr UINT kNoId = 0xFFFF;
    for (const ResourceLanguage language : kLanguages)
        for (const DialogTemplate& dialog : GetResourceSet(language).dialogs) {
            std::set<UINT> ids;
            for (size_t i = 0; i < dialog.items.size(); ++i) {
                const DialogItemTemplate& a = dialog.items[i];
                EXPECT_TRUE(a.id == kNoId || ids.insert(a.id).second)
                    << dialog.id << ": id " << a.id << " twice";
                EXPECT_GE(a.x, 0);
                EXPECT_GE(a.y, 0);
                EXPECT_LE(a.x + a.cx, dialog.cx) << dialog.id << ": item " << a.id;
                EXPECT_LE(a.y + a.cy, dialog.cy) << dialog.id << ": item " << a.id;
                for (size_t j = i + 1; j < dialog.items.size(); ++j) {
                    const DialogItemTemplate& b = dialog.items[j];
                    const bool apart = a.x + a.cx <= b.x || b.x + b.cx <= a.x || a.y + a.cy <= b.y ||
                                       b.y + b.cy <= a.y || Encloses(a, b) || Encloses(b, a);
                    EXPECT_TRUE(apart) << dialog.id << ": items " << a.id << " and " << b.id << " overlap";
                }
            }
        }
}

TEST(ResourceTablesTest, InsertSectionsAndLanguageDialogsInBothSets) {
    const UINT boxes[] = {1422, 1426, 1431, 1693, 1695, 1697, 1699, 1701, 1703, 1705, 1706, 1707};
    for (const ResourceLanguage language : kLanguages) {
        const ResourceSet& set = GetResourceSet(language);
        const DialogTemplate* insert = FindResourceById(set.dialogs, 242);
        ASSERT_NE(insert, nullptr);
        EXPECT_STREQ(insert->caption, "Insert quelaForm File");
        ASSERT_EQ(insert->items.size(), 13u) << "twelve boxes and OK, no Cancel";
        for (const UINT id : boxes) {
            const DialogItemTemplate* box = Item(*insert, id);
            ASSERT_NE(box, nullptr) << id;
            EXPECT_EQ(box->style & BS_TYPEMASK, BS_AUTOCHECKBOX) << id;
            EXPECT_EQ((box->style & WS_GROUP) != 0, id == 1422) << "one tab group of boxes";
        }
        const DialogItemTemplate* ok = Item(*insert, 1);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->style & BS_TYPEMASK, BS_DEFPUSHBUTTON);

        const DialogTemplate* language188 = FindResourceById(set.dialogs, 188);
        ASSERT_NE(language188, nullptr);
        EXPECT_STREQ(language188->caption, "Select Resource Type");
        ASSERT_EQ(language188->items.size(), 2u);
        EXPECT_STREQ(Item(*language188, 1)->text, "Japanese");
        EXPECT_STREQ(Item(*language188, 2)->text, "English");
    }
    const auto text = [](ResourceLanguage language, UINT id) {
        return std::string(Item(*FindResourceById(GetResourceSet(language).dialogs, 242), id)->text);
    };
    EXPECT_EQ(text(ResourceLanguage::Japanese, 1422), "オブジェクト情報");
    EXPECT_EQ(text(ResourceLanguage::Japanese, 1697), "デフォルトマテリアル設定");
    EXPECT_EQ(text(ResourceLanguage::Japanese, 1701), "Global Settings");
    EXPECT_EQ(text(ResourceLanguage::English, 1422), "Object Info");
    EXPECT_EQ(text(ResourceLanguage::English, 1707), "Background Image");
}

// Menus are written flat: every popup is closed by its End, and no End
// comes without a popup.
TEST(ResourceTablesTest, MenusAreBalanced) {
    for (const ResourceLanguage language : kLanguages)
        for (const MenuResource& menu : GetResourceSet(language).menus) {
            int depth = 0;
            for (const MenuEntry& entry : menu.entries) {
                if (entry.kind == MenuEntryKind::Popup)
                    ++depth;
                if (entry.kind == MenuEntryKind::End)
                    --depth;
                ASSERT_GE(depth, 0) << "menu " << menu.id;
                if (entry.kind == MenuEntryKind::Item) {
                    EXPECT_EQ(std::strchr(entry.text, '\t'), nullptr) << "no shortcut text: " << entry.text;
                }
            }
            EXPECT_EQ(depth, 0) << "menu " << menu.id;
        }
}

TEST(ResourceTablesTest, StringsAndToolBarsAgreeAcrossTheSets) {
    const ResourceSet& japanese = GetResourceSet(ResourceLanguage::Japanese);
    const ResourceSet& english = GetResourceSet(ResourceLanguage::English);
    for (const StringEntry& entry : japanese.strings)
        EXPECT_NE(FindResourceById(english.strings, entry.id), nullptr)
            << "English lacks string " << entry.id;
    for (const StringEntry& entry : english.strings)
        EXPECT_NE(FindResourceById(japanese.strings, entry.id), nullptr)
            << "Japanese lacks string " << entry.id;

    for (const ResourceLanguage language : kLanguages)
        for (const ToolBarResource& bar : GetResourceSet(language).toolBars) {
            size_t buttons = 0;
            for (const UINT command : bar.buttons) {
                if (command == 0)
                    continue;
                ++buttons;
                const StringEntry* tip = FindResourceById(GetResourceSet(language).strings, command);
                ASSERT_NE(tip, nullptr) << "button " << command << " has no prompt or tool tip";
                EXPECT_NE(std::strchr(tip->text, '\n'), nullptr)
                    << "button " << command << " has no tool tip";
            }
            ASSERT_EQ(bar.images.size(), buttons) << "one picture per button of bar " << bar.id;
            for (const PixelArt& art : bar.images) {
                EXPECT_EQ(art.width, bar.buttonWidth);
                ASSERT_EQ(static_cast<int>(art.rows.size()), bar.buttonHeight);
                for (const char* row : art.rows) {
                    ASSERT_EQ(static_cast<int>(std::strlen(row)), art.width) << row;
                    for (const char* c = row; *c; ++c) {
                        bool transparent = false;
                        PixelArtColour(*c, &transparent);
                        EXPECT_EQ(transparent, *c == '.') << "unknown colour code '" << *c << "'";
                    }
                }
            }
        }
}

TEST(ResourceTablesTest, ThePanelCursorsAreDrawnWithTheirHotSpotOnThem) {
    for (const ResourceLanguage language : kLanguages)
        for (const UINT id : {IDC_PANEL_DRAG, IDC_PANEL_HAND}) {
            const CursorResource* cursor = FindResourceById(GetResourceSet(language).cursors, id);
            ASSERT_NE(cursor, nullptr) << "cursor " << id;
            ASSERT_FALSE(cursor->rows.empty());
            const size_t width = std::strlen(cursor->rows[0]);
            for (const char* row : cursor->rows)
                EXPECT_EQ(std::strlen(row), width) << "cursor " << id << ": " << row;
            EXPECT_LT(static_cast<size_t>(cursor->hotX), width);
            EXPECT_LT(static_cast<size_t>(cursor->hotY), cursor->rows.size());
        }
}

// What the status bar and the tool tips show comes from the set's own table,
// so the Japanese interface reads Japanese throughout: the idle text, the
// prompt and tool tip of every command of a menu or the tool bar, and the
// About box.
TEST(ResourceTablesTest, EveryMenuPromptIsInTheLanguageOfItsSet) {
    const auto japaneseText = [](const char* text) {
        for (const char* c = text; *c; ++c)
            if (static_cast<unsigned char>(*c) >= 0x80)
                return true;
        return false;
    };
    constexpr UINT kFirstStandardCommand = 0xE000;
    for (const ResourceLanguage language : kLanguages) {
        const ResourceSet& set = GetResourceSet(language);
        const bool ja = language == ResourceLanguage::Japanese;
        std::set<UINT> commands;
        for (const MenuResource& menu : set.menus)
            for (const MenuEntry& entry : menu.entries)
                if (entry.kind == MenuEntryKind::Item)
                    commands.insert(entry.id);
        for (const ToolBarResource& bar : set.toolBars)
            commands.insert(bar.buttons.begin(), bar.buttons.end());
        commands.erase(0);
        for (const UINT id : commands) {
            const StringEntry* prompt = FindResourceById(set.strings, id);
            if (id >= kFirstStandardCommand)
                EXPECT_NE(prompt, nullptr) << "standard command " << id << " has no prompt";
            if (prompt)
                EXPECT_EQ(japaneseText(prompt->text), ja) << id << ": " << prompt->text;
        }
        const StringEntry* idle = FindResourceById(set.strings, IDS_IDLE_MESSAGE);
        ASSERT_NE(idle, nullptr);
        EXPECT_EQ(japaneseText(idle->text), ja) << idle->text;
        const DialogTemplate* about = FindResourceById(set.dialogs, 100);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(japaneseText(about->caption), ja) << about->caption;
        EXPECT_EQ(japaneseText(Item(*about, 1061)->text), ja);
    }
}
