// The shortcut keys pressed for real in the running program, in both
// languages: the default table's tool, display, view, full-screen and file
// keys, and quel_shortcut.ini written, read back and damaged.
#include "dialogs/document_info_dlg.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/input.h"
#include "resources/command_ids.h"
#include "resources/resource_tables.h"
#include "shell/doc_commands.h"
#include "shell/shortcut_actions.h"
#include "shell_gui/shortcut_fixture.h"

#include <filesystem>

using qf::test::PumpEvents;
using qf::test::PumpUntil;

namespace {

class ShortcutKeysGuiTest : public qf::test::ShortcutGuiTest {
protected:
    void DefaultKeysRunTheirActions();
};

void ShortcutKeysGuiTest::DefaultKeysRunTheirActions() {
    FocusPane();
    CCoreSettings& settings = Doc().m_settings;
    const struct {
        int key;
        int tool;
    } leftTools[] = {{'G', 300}, {'T', 303}, {'S', 304}, {'R', 305}, {'A', 306}};
    for (const auto& k : leftTools) {
        Press(k.key);
        EXPECT_EQ(settings.m_mouseModeLeft, k.tool) << static_cast<char>(k.key);
    }
    const struct {
        int key;
        int mode;
    } rightModes[] = {{'R', 0}, {'T', 2}, {'A', 4}, {'Z', 3}};
    const CString undoText = Doc().m_undoBuffer.GetUndoMenuText();
    for (const auto& k : rightModes) {
        Press(k.key, wxMOD_CONTROL);
        EXPECT_EQ(settings.m_mouseModeRight, k.mode) << "Ctrl+" << static_cast<char>(k.key);
    }
    EXPECT_EQ(Doc().m_undoBuffer.GetUndoMenuText(), undoText) << "Ctrl+Z chooses zoom, it does not undo";
    EXPECT_EQ(settings.m_mouseModeLeft, 306) << "the left button kept its tool";

    // Display switches of the active pane, each key turning its flag over.
    const struct {
        int key;
        int CPaneDisplaySettings::*flag;
    } toggles[] = {{'V', &CPaneDisplaySettings::m_showVertices},
                   {'E', &CPaneDisplaySettings::m_showCurves},
                   {'F', &CPaneDisplaySettings::m_showSurfaces}};
    for (const auto& t : toggles) {
        const int before = ActiveShow().*t.flag;
        Press(t.key);
        EXPECT_NE(ActiveShow().*t.flag, before) << static_cast<char>(t.key);
        Press(t.key);
        EXPECT_EQ(ActiveShow().*t.flag, before) << static_cast<char>(t.key);
    }
    const int xEnabled = Doc().m_axisEnabled[0];
    Press('X');
    EXPECT_NE(Doc().m_axisEnabled[0], xEnabled);

    // The active pane's camera.
    CCamera& camera = Doc().m_cameras[static_cast<size_t>(Doc().m_activePane)];
    Press(WXK_F2);
    EXPECT_TRUE(camera.IsFrontView());
    Press(WXK_F1);
    EXPECT_TRUE(camera.IsTopView());
    Press(WXK_F3);
    EXPECT_TRUE(camera.IsSideView());
    const bool parallel = camera.IsParallel();
    Press(WXK_F4);
    EXPECT_NE(camera.IsParallel(), parallel);

    // D opens the document's information.
    bool informed = false;
    runner.AnswerModal([&](qf::CModalWindow& window) {
        informed = dynamic_cast<CDocumentInfoDlg*>(&window) != nullptr;
        return IDOK;
    });
    Press('D');
    EXPECT_TRUE(informed);

    // F5 goes full screen and back.
    Press(WXK_F5);
    EXPECT_TRUE(PumpUntil([&] { return Frame().IsFullScreen() && Frame().GetMenu() == nullptr; }));
    PumpEvents(300);
    Press(WXK_F5);
    EXPECT_TRUE(PumpUntil([&] { return !Frame().IsFullScreen() && Frame().GetMenu() != nullptr; }));
    PumpEvents(300);

    // The file keys: Ctrl+S of a new scene asks for a name and saves there,
    // Ctrl+O asks for a file to open, Ctrl+N starts a new scene.
    const std::string saved = (std::filesystem::path(qf::SettingsPath("")) / "keys.qfm").string();
    runner.AnswerModal([&](qf::CModalWindow& window) {
        auto& dialog = dynamic_cast<CFileDialog&>(window);
        EXPECT_FALSE(dialog.IsOpenDialog());
        EXPECT_TRUE(dialog.AcceptPath(saved.c_str()));
        return IDOK;
    });
    Press('S', wxMOD_CONTROL);
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(app->GetDocumentCommands()->GetPathName(), saved.c_str());
    bool asked = false;
    runner.AnswerModal([&](qf::CModalWindow& window) {
        asked = dynamic_cast<CFileDialog&>(window).IsOpenDialog();
        return IDCANCEL;
    });
    Press('O', wxMOD_CONTROL);
    EXPECT_TRUE(asked);
    Press('N', wxMOD_CONTROL);
    EXPECT_EQ(app->GetDocumentCommands()->GetPathName(), "") << "a new, untitled scene";
}

} // namespace

TEST_F(ShortcutKeysGuiTest, DefaultKeysRunTheirActionsInJapanese) {
    Start(ResourceLanguage::Japanese);
    DefaultKeysRunTheirActions();
}

TEST_F(ShortcutKeysGuiTest, DefaultKeysRunTheirActionsInEnglish) {
    Start(ResourceLanguage::English);
    DefaultKeysRunTheirActions();
}

// Keys without a binding, or bound to something that does nothing, change
// nothing; a key pressed while a drag holds the mouse is ignored.
TEST_F(ShortcutKeysGuiTest, UnboundKeysAndKeysDuringADragDoNothing) {
    Start();
    FocusPane();
    CCoreSettings& settings = Doc().m_settings;
    const int leftTool = settings.m_mouseModeLeft;
    const CPaneDisplaySettings show = ActiveShow();
    Doc().m_shortcutSlots[7] = 86;  // H: a subdivision level, which runs nothing
    Doc().m_shortcutSlots[8] = 500; // I: no action at all
    for (const int key : {int{'B'}, int{'H'}, int{'I'}, int{WXK_F9}})
        Press(key);
    EXPECT_EQ(settings.m_mouseModeLeft, leftTool);
    EXPECT_EQ(ActiveShow().m_curveResolution, show.m_curveResolution);
    EXPECT_EQ(ActiveShow().m_surfaceResolution, show.m_surfaceResolution);

    Pane(Doc().m_activePane).SetCapture();
    Press('T');
    EXPECT_EQ(settings.m_mouseModeLeft, leftTool) << "ignored during a drag";
    ReleaseCapture();
    Press('T');
    EXPECT_EQ(settings.m_mouseModeLeft, 303);
}

// Every key slot runs its action when its key is pressed for real, the
// shifted digits included, whose characters are not digits.
TEST_F(ShortcutKeysGuiTest, EveryKeySlotRunsItsAction) {
    Start();
    FocusPane();
    CPaneDisplaySettings& show = ActiveShow();
    show.m_showSurfaces = 0;
    constexpr int kSurfaceResolution2 = 153;
    Doc().m_shortcutSlots.fill(kSurfaceResolution2);
    const std::pair<int, int> named[] = {{VK_BACK, WXK_BACK},    {VK_TAB, WXK_TAB},   {VK_RETURN, WXK_RETURN},
                                         {VK_SPACE, WXK_SPACE},  {VK_LEFT, WXK_LEFT}, {VK_UP, WXK_UP},
                                         {VK_RIGHT, WXK_RIGHT},  {VK_DOWN, WXK_DOWN}, {VK_INSERT, WXK_INSERT},
                                         {VK_DELETE, WXK_DELETE}};
    const std::span<const AccelEntry> slots = ShortcutSlotAccelerators();
    for (size_t slot = 0; slot < slots.size(); ++slot) {
        const AccelEntry& entry = slots[slot];
        int key = entry.key >= VK_F1 && entry.key < VK_F1 + 12 ? WXK_F1 + (entry.key - VK_F1) : entry.key;
        for (const auto& [virtualKey, wxKey] : named)
            if (entry.key == virtualKey)
                key = wxKey;
        const int modifiers =
            ((entry.flags & FCONTROL) ? wxMOD_CONTROL : 0) | ((entry.flags & FSHIFT) ? wxMOD_SHIFT : 0);
        show.m_surfaceResolution = 1;
        mouse.Sim().Char(key, modifiers);
        EXPECT_TRUE(PumpUntil([&] { return show.m_surfaceResolution == 2; }, 500)) << "slot " << slot;
    }
}

// The file: written with the defaults at the first start, read at the next,
// a damaged one read up to its first bad line.
TEST_F(ShortcutKeysGuiTest, TheTableComesFromItsFileAndGoesBackAtExit) {
    ASSERT_FALSE(std::filesystem::exists(FilePath()));
    Start();
    std::string text = qf::test::ReadFileBytes(FilePath());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 232);
    size_t none = 0;
    for (size_t at = text.find("-1\n"); at != std::string::npos; at = text.find("-1\n", at + 1))
        ++none;
    EXPECT_EQ(none, 201u);
    Doc().m_shortcutSlots[1] = 13; // B: translate
    Stop();

    Start();
    FocusPane();
    Press('B');
    EXPECT_EQ(Doc().m_settings.m_mouseModeLeft, 303) << "B kept its binding over the restart";
    Stop();

    // Line 2 is damaged: slot 0 is read, slot 1 onwards keep their defaults.
    qf::test::WriteFileBytes(FilePath(), "13\nx\n14\n");
    Start();
    FocusPane();
    EXPECT_EQ(Doc().m_shortcutSlots[0], 13);
    EXPECT_EQ(Doc().m_shortcutSlots[1], -1);
    EXPECT_EQ(Doc().m_shortcutSlots[2], 69);
    Press('A');
    EXPECT_EQ(Doc().m_settings.m_mouseModeLeft, 303) << "A now translates";
    Press('G');
    EXPECT_EQ(Doc().m_settings.m_mouseModeLeft, 300) << "G kept its default";
}

// The keys work from the start, without a click into a pane, and hiding the
// bars for full screen must not leave the keyboard where no key is heard:
// F5 would then never come back.
TEST_F(ShortcutKeysGuiTest, F5LeavesFullScreenAsItEnteredIt) {
    Start();
    for (const bool full : {true, false, true, false}) {
        Press(WXK_F5);
        EXPECT_TRUE(PumpUntil([&] { return (Frame().IsFullScreen() != 0) == full; })) << full;
        PumpEvents(300);
        EXPECT_FALSE(CFrameWnd::IsFocusInDialog(CWnd::GetFocus())) << full;
    }
    EXPECT_NE(Frame().GetMenu(), nullptr);

    // Full screen from the menu while a side-bar field has the keyboard.
    Frame().GetSideBar().GetPanelHost().GetObjectPage().SetFocus();
    PumpEvents(50);
    Command(ID_WINDOW_FULL_SCREEN);
    PumpEvents(300);
    Press(WXK_F5);
    EXPECT_TRUE(PumpUntil([&] { return !Frame().IsFullScreen(); })) << "F5 is heard in full screen";
}

// Every action reaches a command of the program, but Redo, which has none,
// and the left command bar's switch until that bar exists; the actions that
// run nothing are never offered as doing something.
TEST_F(ShortcutKeysGuiTest, EveryActionButRedoReachesItsCommand) {
    Start();
    constexpr int kRedo = 56;
    constexpr int kLeftCommandBar = 131;
    for (int action = 0; action < kShortcutActionCount; ++action) {
        const BOOL available = Frame().IsShortcutActionAvailable(action);
        if (action == kLeftCommandBar)
            continue;
        const bool runsSomething = DescribeShortcutAction(action).run != ShortcutRun::nothing;
        EXPECT_EQ(available != 0, runsSomething && action != kRedo) << ShortcutActionName(action);
    }
}
