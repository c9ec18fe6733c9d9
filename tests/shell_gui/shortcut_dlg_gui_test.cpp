// The shortcut dialog opened from Help in the running program, in both
// languages: keys and modifiers clicked for real name the slot's action, the
// action menu binds at once, actions that would do nothing are grey, and a
// binding made there works at the next key press and after a restart.
#include "platform_ui_gui/screen_picture.h"
#include "resources/command_ids.h"
#include "shell_gui/shortcut_fixture.h"

#include <wx/dialog.h>

using qf::test::PumpEvents;

namespace {

constexpr UINT kField = 1063;
constexpr UINT kEdit = 1475;
constexpr UINT kNoModifier = 1613;
constexpr UINT kCtrl = 1614;
constexpr UINT kCtrlShift = 1710;
constexpr UINT kKeyG = 1583;
constexpr UINT kKeyH = 1584;
constexpr UINT kKeyI = 1585;
constexpr UINT kKeyZ = 1602;
constexpr UINT kKeyLeft = 1635;

class ShortcutDlgGuiTest : public qf::test::ShortcutGuiTest {
protected:
    CString Field(CDialog& dialog) {
        CString text;
        dialog.GetDlgItem(kField)->GetWindowText(text);
        return text;
    }
    // Clicks the buttons in order; returns what the field shows then.
    CString ClickKeys(CDialog& dialog, std::initializer_list<UINT> ids) {
        for (const UINT id : ids)
            Click(*dialog.GetDlgItem(static_cast<int>(id)));
        return Field(dialog);
    }
    // The action menu's item chosen for the current key.
    void Bind(CDialog& dialog, UINT item) {
        ChooseFromNextMenu(item);
        Click(*dialog.GetDlgItem(kEdit));
    }
    void BindAndRestart(ResourceLanguage language, const char* caption, const char* pictureName);
};

void ShortcutDlgGuiTest::BindAndRestart(ResourceLanguage language, const char* caption,
                                        const char* pictureName) {
    Start(language);
    FocusPane();
    std::array<int, kShortcutSlotCount>& slots = Doc().m_shortcutSlots;
    slots[7] = 85;  // H: as a file may hold it
    slots[8] = 500; // I: no action
    RunNextDialog([&](CDialog& dialog) {
        CString title;
        dialog.GetWindowText(title);
        EXPECT_EQ(title, caption);
        EXPECT_EQ(Field(dialog), "(patch) add point (left button)") << "A without modifier first";
        qf::test::SaveScreenPicture(dialog, std::string(pictureName) + "_open.png");

        EXPECT_EQ(ClickKeys(dialog, {kCtrlShift, kKeyLeft}), "none");
        Bind(dialog, 30474); // Mouse > mouse_R > (Camera)Zoom
        EXPECT_EQ(slots[219], 24) << "Ctrl+Shift+Left";
        EXPECT_EQ(Field(dialog), "(camera) zoom (right button)");
        EXPECT_EQ(ClickKeys(dialog, {kCtrl, kKeyZ}), "(camera) zoom (right button)") << "the Ctrl+Z slot";
        EXPECT_EQ(slots[51], 24);

        // A bound key shows its action; binding another one replaces it,
        // and one action may stand on two keys.
        EXPECT_EQ(ClickKeys(dialog, {kNoModifier, kKeyG}), "(patch) select (left button)");
        Bind(dialog, 30463); // (Patch)Translate
        EXPECT_EQ(Field(dialog), "(patch) translate (left button)");
        EXPECT_EQ(slots[6], 13);
        EXPECT_EQ(slots[19], 13) << "T keeps it too";

        EXPECT_EQ(ClickKeys(dialog, {kKeyH}), "set curve subdivision level");
        EXPECT_EQ(ClickKeys(dialog, {kKeyI}), "none");
        Bind(dialog, 30603); // Show > Set Curve Custom > 3
        EXPECT_EQ(slots[8], 137);
        EXPECT_EQ(Field(dialog), "set curve resolution 6");
        Bind(dialog, 30505); // None
        EXPECT_EQ(slots[8], -1);
        EXPECT_EQ(Field(dialog), "none");

        // Redo does nothing in this program: its item is grey and cannot bind.
        runner.AnswerModal([](qf::CModalWindow& window) {
            auto& menu = dynamic_cast<CPopupMenuRun&>(window);
            EXPECT_EQ(menu.Choose(30398), 0) << "Redo is grey";
            EXPECT_EQ(menu.Choose(30397), 30397) << "Undo is not";
            return 0;
        });
        Click(*dialog.GetDlgItem(kEdit));
        EXPECT_EQ(slots[8], -1);

        ClickKeys(dialog, {kCtrlShift, kKeyLeft});
        qf::test::SaveScreenPicture(dialog, std::string(pictureName) + "_bound.png");
        dialog.GetDlgItem(kKeyLeft)->SetFocus();
        PumpEvents(30);
        mouse.Sim().Char(WXK_ESCAPE);
        PumpEvents(100);
        EXPECT_FALSE(static_cast<wxDialog*>(dialog.GetNativeWindow())->IsModal()) << "Escape closes it";
    });
    Command(ID_HELP_EDIT_SHORTCUT);
    EXPECT_EQ(slots[219], 24) << "Escape keeps what was bound";

    Press(WXK_LEFT, wxMOD_CONTROL | wxMOD_SHIFT);
    EXPECT_EQ(Doc().m_settings.m_mouseModeRight, 3) << "Ctrl+Shift+Left chooses zoom";
    Press('G');
    EXPECT_EQ(Doc().m_settings.m_mouseModeLeft, 303) << "G now translates";
    Stop();

    Start(language);
    EXPECT_EQ(Doc().m_shortcutSlots[219], 24) << "the binding came back from the file";
    Doc().m_settings.m_mouseModeRight = 0;
    FocusPane();
    Press(WXK_LEFT, wxMOD_CONTROL | wxMOD_SHIFT);
    EXPECT_EQ(Doc().m_settings.m_mouseModeRight, 3);
}

} // namespace

TEST_F(ShortcutDlgGuiTest, BindingsMadeInTheJapaneseDialogWorkAndSurviveARestart) {
    BindAndRestart(ResourceLanguage::Japanese, "ショートカットのカスタマイズ", "shortcut_dlg_ja");
}

TEST_F(ShortcutDlgGuiTest, BindingsMadeInTheEnglishDialogWorkAndSurviveARestart) {
    BindAndRestart(ResourceLanguage::English, "Edit ShortCut Key", "shortcut_dlg_en");
}
