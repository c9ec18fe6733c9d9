// The AnimationMaster export settings and the plug-in options, opened for
// real in both languages and driven with the mouse and keys.
#include "app/app_state.h"
#include "dialogs/mdl_setting_dlg.h"
#include "dialogs/plugin_option_dlg.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/dialog_input.h"
#include "support/gui_modal.h"

#include <gtest/gtest.h>

using namespace qf::test;

namespace {

class ExchangeOptionDlgsGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay())
            GTEST_SKIP() << "no display";
    }
    void TearDown() override { UseLanguage(false); }
    static void UseLanguage(bool english) {
        GetAppState().m_english = english ? 1 : 0;
        SetResourceLanguage(english ? ResourceLanguage::English : ResourceLanguage::Japanese);
    }
    static const char* Picture(bool english, const char* name) {
        static std::string file;
        file = std::string(name) + (english ? "_en.png" : "_ja.png");
        return file.c_str();
    }

    qf::CScriptedModalRunner runner;
    DialogInput user;
};

} // namespace

TEST_F(ExchangeOptionDlgsGuiTest, AnimationMasterMagnitudesOpenOnlyInCustomModeAndAreTypedInHundredths) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
        CMdlSettingDlg dialog;
        const int result = RunModalWithSteps(dialog, [&] {
            EXPECT_EQ(DialogInput::Text(dialog, 1577), "Original") << "English in both languages";
            EXPECT_EQ(DialogInput::Text(dialog, 1063), "166") << "1.67 shown in hundredths, truncated";
            EXPECT_EQ(DialogInput::Text(dialog, 1462), "0");
            EXPECT_FALSE(dialog.GetDlgItem(1063)->IsWindowEnabled());
            EXPECT_FALSE(dialog.GetDlgItem(1462)->IsWindowEnabled());
            user.Click(dialog, 1578);
            EXPECT_TRUE(dialog.GetDlgItem(1063)->IsWindowEnabled());
            EXPECT_TRUE(dialog.GetDlgItem(1462)->IsWindowEnabled());
            PumpEvents(150);
            EXPECT_FALSE(SaveScreenPicture(dialog, Picture(english, "mdl_setting")).empty());
            user.Type(dialog, 1462, "-25");
            user.Type(dialog, 1063, "900");
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_magnitudeMode, mdlMagnitudeCustom);
        EXPECT_FLOAT_EQ(dialog.m_peakMagnitude, -0.25f);
        EXPECT_FLOAT_EQ(dialog.m_roundMagnitude, 5.0f) << "900 is clamped to 500";
    }

    runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
    CMdlSettingDlg untouched;
    RunModalWithSteps(untouched, [&] {
        user.Click(untouched, 1578);
        untouched.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_FLOAT_EQ(untouched.m_roundMagnitude, 1.67f) << "a field left as shown keeps the exact value";
}

TEST_F(ExchangeOptionDlgsGuiTest, PluginOptionsOfferTheResolutionOnlyWhenThePluginDoes) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
        CPluginOptionDlg fixed;
        fixed.m_resolution = 1;
        RunModalWithSteps(fixed, [&] {
            EXPECT_EQ(DialogInput::Text(fixed, 1422),
                      english ? "Not Export Objects Over 8" : "オブジェクトを８つまでしか出力しない");
            EXPECT_EQ(DialogInput::Text(fixed, 1496), english ? "Resolution" : "分割数");
            for (int id : {1577, 1578, 1579})
                EXPECT_FALSE(fixed.GetDlgItem(id)->IsWindowEnabled()) << id;
            EXPECT_EQ(fixed.IsDlgButtonChecked(1578), BST_CHECKED) << "the plug-in's preference";
            EXPECT_EQ(fixed.IsDlgButtonChecked(1422), BST_CHECKED);
            user.Click(fixed, 1422);
            fixed.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        EXPECT_FALSE(fixed.m_atMostEight);
        EXPECT_EQ(fixed.m_resolution, 1);

        runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
        CPluginOptionDlg offered;
        offered.m_resolutionOffered = TRUE;
        const int result = RunModalWithSteps(offered, [&] {
            EXPECT_TRUE(offered.GetDlgItem(1579)->IsWindowEnabled());
            EXPECT_EQ(offered.GetDlgItem(IDCANCEL), nullptr) << "OK alone";
            user.Click(offered, 1579);
            PumpEvents(150);
            EXPECT_FALSE(SaveScreenPicture(offered, Picture(english, "plugin_option")).empty());
            offered.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_TRUE(offered.m_atMostEight);
        EXPECT_EQ(offered.m_resolution, 2);
    }
}
