// The pane's setting dialogs opened for real by their commands in both
// languages: numbers typed into their fields are clamped to the ranges, OK
// applies what they show, Cancel nothing. Screenshots of each.
#include "app/doc_fixture.h"
#include "dialogs/viewport_setting_dlgs.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "shell/pane_commands.h"
#include "support/command_probe.h"
#include "support/dialog_input.h"
#include "support/gui_modal.h"

#include <gtest/gtest.h>

using qf::test::RealDialogWithSteps;

namespace {

class PaneSettingDialogsGuiTest : public DocTest {
protected:
    void SetUp() override {
        if (!qf::test::HaveDisplay())
            GTEST_SKIP() << "no display";
        DocTest::SetUp();
        doc->m_activePane = 2;
        doc->m_cameras[2].SetPreset(CCamera::presetFront);
    }
    void TearDown() override {
        SetResourceLanguage(ResourceLanguage::Japanese);
        DocTest::TearDown();
    }
    // Runs the command in each language, the dialog driven by steps.
    template <class Dialog> void InBothLanguages(UINT command, std::function<void(Dialog&, bool)> steps) {
        for (const bool english : {false, true}) {
            SCOPED_TRACE(english ? "English" : "Japanese");
            SetResourceLanguage(english ? ResourceLanguage::English : ResourceLanguage::Japanese);
            GetAppState().m_english = english ? 1 : 0;
            boxes.AnswerModal(
                RealDialogWithSteps<Dialog>([steps, english](Dialog& d) { steps(d, english); }));
            qf::test::RunCommand(commands, command);
        }
    }
    static CString Caption(CDialog& dialog) {
        CString text;
        dialog.GetWindowText(text);
        return text;
    }
    static void Shoot(CDialog& dialog, const char* name, bool english) {
        qf::test::PumpEvents(100);
        EXPECT_FALSE(
            qf::test::SaveScreenPicture(dialog, std::string(name) + (english ? "_en.png" : "_ja.png"))
                .empty());
    }

    CPaneCommands commands;
    qf::test::DialogInput user;
};

} // namespace

// Mended: the angle cannot go to 0 or below, which has no projection.
TEST_F(PaneSettingDialogsGuiTest, CameraDialogClampsTypedNumbersAndAppliesThemOnOk) {
    CCamera& camera = doc->m_cameras[2];
    InBothLanguages<CCameraSettingDlg>(30045, [&](CCameraSettingDlg& d, bool english) {
        EXPECT_EQ(Caption(d), "Camera Setting") << "English texts in both sets";
        EXPECT_EQ(d.GetLocationEdit(1).GetFloat(), english ? 5.0f : 0.0f) << "the pane's eye";
        EXPECT_EQ(d.GetLocationEdit(2).GetFloat(), -10.0f);
        user.Type(d, 1482, "2000");
        user.Type(d, 1495, "180");
        EXPECT_EQ(d.GetLocationEdit(0).GetFloat(), 1000.0f) << "clamped on leaving the field";
        user.Type(d, 1487, "5");
        Shoot(d, "camera_setting", english);
        if (english) {
            user.Type(d, 1495, "0");
            user.Click(d, IDOK);
        } else {
            user.Key(WXK_RETURN);
        }
    });
    EXPECT_TRUE(camera.m_eye == CVector3(1000, 5, -10)) << "the typed numbers, Enter taking the last one";
    EXPECT_EQ(camera.m_angle, 1.0f) << "0 became the smallest angle";
    EXPECT_EQ(doc->m_viewHistory[2].m_backCount, 2);

    boxes.AnswerModal(RealDialogWithSteps<CCameraSettingDlg>([&](CCameraSettingDlg& d) {
        user.Type(d, 1482, "7");
        user.Click(d, IDCANCEL);
    }));
    qf::test::RunCommand(commands, 30045);
    EXPECT_EQ(camera.m_eye.GetX(), 1000.0f) << "Cancel changes nothing";
    EXPECT_EQ(doc->m_viewHistory[2].m_backCount, 2);
}

TEST_F(PaneSettingDialogsGuiTest, GridDialogSetsTheActivePaneWhenAllPanesIsOff) {
    InBothLanguages<CGridSettingDlg>(30081, [&](CGridSettingDlg& d, bool english) {
        EXPECT_EQ(Caption(d), english ? "Grid Setting" : "グリッド設定");
        EXPECT_EQ(user.Text(d, 1340), english ? "Change All Windows" : "全てのウィンドウの設定を変更する");
        EXPECT_EQ(d.IsDlgButtonChecked(1340), BST_CHECKED);
        user.Type(d, 1363, english ? "0.25" : "500");
        user.Type(d, 1370, "30");
        user.Click(d, 1335);
        if (english)
            user.Click(d, 1340);
        Shoot(d, "grid_setting", english);
        user.Click(d, IDOK);
    });
    const CPaneDisplaySettings& active = doc->m_settings.m_panes[2];
    EXPECT_EQ(active.m_gridSpacing, 0.25f);
    EXPECT_EQ(active.m_gridCount, 30);
    EXPECT_EQ(active.m_gridLock, (std::array<int, 3>{0, 0, 0})) << "Y ticked twice";
    EXPECT_EQ(doc->m_settings.m_panes[0].m_gridSpacing, 100.0f)
        << "500 clamped, for all panes the first time";
    EXPECT_EQ(doc->m_settings.m_panes[0].m_gridLock, (std::array<int, 3>{0, 1, 0}));
}

TEST_F(PaneSettingDialogsGuiTest, ViewDialogShowsHalfTheResolutionAndStoresItDoubled) {
    doc->m_settings.m_panes[2].m_curveResolution = 7;
    InBothLanguages<CViewSettingDlg>(30734, [&](CViewSettingDlg& d, bool english) {
        EXPECT_EQ(Caption(d), "Setting");
        EXPECT_EQ(user.Text(d, 1496), english ? "Resolution(Curve,Surface)" : "カーブ、面の分割数");
        EXPECT_EQ(d.GetResolutionEdit().GetInt(), english ? 5 : 3);
        if (!english)
            user.Type(d, 1063, "5");
        user.Type(d, 1462, "0");
        user.Click(d, 1431);
        Shoot(d, "view_setting", english);
        user.Click(d, IDOK);
    });
    const CPaneDisplaySettings& show = doc->m_settings.m_panes[2];
    EXPECT_EQ(show.m_curveResolution, 10);
    EXPECT_EQ(show.m_surfaceResolution, 10);
    EXPECT_EQ(show.m_gridSpacing, 1.0f) << "the spacing starts at 1";
    EXPECT_EQ(show.m_gridLock, (std::array<int, 3>{0, 0, 0})) << "Z ticked twice";
}

TEST_F(PaneSettingDialogsGuiTest, OpenGLDialogShowsTheSeeThroughSwitchInverted) {
    COpenGLSetting& gl = doc->m_openGLSetting;
    gl.draw_alpha_surface_with_light = 0;
    gl.surface_type = 0;
    InBothLanguages<COpenGLSettingDlg>(30594, [&](COpenGLSettingDlg& d, bool english) {
        EXPECT_EQ(Caption(d), english ? "OpenGL Setting" : "OpenGL設定");
        EXPECT_EQ(user.Text(d, 1431),
                  english ? "Draw See-through Surface without Lighting" : "半透明の面はライト無効");
        EXPECT_EQ(d.IsDlgButtonChecked(1431), english ? BST_UNCHECKED : BST_CHECKED);
        if (!english) {
            user.Click(d, 1431);
            user.Click(d, 1580);
        }
        Shoot(d, "opengl_setting", english);
        user.Click(d, english ? IDCANCEL : IDOK);
    });
    EXPECT_EQ(gl.draw_alpha_surface_with_light, 1);
    EXPECT_EQ(gl.surface_type, 1);
}
