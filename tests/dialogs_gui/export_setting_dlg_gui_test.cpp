// The export settings as the DXF export opens them (the scale it ignores is
// greyed) in both languages, and OK taking a number still being typed.
#include "app/app_state.h"
#include "dialogs/export_setting_dlg.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/dialog_input.h"
#include "support/gui_modal.h"

#include <gtest/gtest.h>

using namespace qf::test;

namespace {

class ExportSettingDlgGuiTest : public ::testing::Test {
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

    qf::CScriptedModalRunner runner;
    DialogInput user;
};

} // namespace

TEST_F(ExportSettingDlgGuiTest, OkTakesTheNumbersStillBeingTypedAndDxfGreysTheScale) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
        CExportSettingDlg dialog;
        dialog.m_mode = CExportSettingDlg::modeSubdivision;
        int committedAtOk = 0;
        const int result = RunModalWithSteps(dialog, [&] {
            EXPECT_TRUE(dialog.GetDlgItem(1065)->IsWindowEnabled());
            EXPECT_FALSE(dialog.GetDlgItem(1709)->IsWindowEnabled()) << "DXF writes unscaled";
            EXPECT_FALSE(dialog.GetDlgItem(1708)->IsWindowEnabled());
            EXPECT_FALSE(dialog.GetDlgItem(1577)->IsWindowEnabled());
            PumpEvents(150);
            EXPECT_FALSE(
                SaveScreenPicture(dialog, english ? "export_setting_dxf_en.png" : "export_setting_dxf_ja.png")
                    .empty());
            user.Type(dialog, 1065, "5");
            ASSERT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(1065));
            // OK chosen without the field losing the focus first.
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            committedAtOk = dialog.m_subdivision;
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(committedAtOk, 4) << "an odd subdivision goes down to the even one, at OK";
        EXPECT_EQ(dialog.m_subdivision, 4);
        EXPECT_FLOAT_EQ(dialog.m_scale, 1.0f);
    }
}
