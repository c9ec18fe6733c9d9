// The dialogs built on the number fields, spins and group headers, opened
// for real in both languages and driven with the mouse and keys: Connect
// Curve, the undo depth, paste along a curve and the export settings.
#include "app/app_state.h"
#include "dialogs/connect_dlg.h"
#include "dialogs/export_setting_dlg.h"
#include "dialogs/paste_along_curve_dlg.h"
#include "dialogs/undo_setting_dlg.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/dialog_input.h"
#include "support/gui_modal.h"

#include <gtest/gtest.h>
#include <string>

using namespace qf::test;

namespace {

int RunForReal(qf::CModalWindow& window) {
    return window.RunModalLoop();
}

class ValueDialogsGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay())
            GTEST_SKIP() << "no display";
        runner.emplace();
    }
    void TearDown() override { UseLanguage(false); }

    static void UseLanguage(bool english) {
        GetAppState().m_english = english ? 1 : 0;
        SetResourceLanguage(english ? ResourceLanguage::English : ResourceLanguage::Japanese);
    }
    static CString Caption(const CDialog& dialog) {
        CString text;
        dialog.GetWindowText(text);
        return text;
    }
    static CRect PlaceOf(const CWnd& wnd) {
        CRect r;
        wnd.GetRectInParent(&r);
        return r;
    }
    void Shoot(CDialog& dialog, const std::string& name, bool english) {
        PumpEvents(150);
        EXPECT_FALSE(SaveScreenPicture(dialog, name + (english ? "_en.png" : "_ja.png")).empty());
    }

    void Click(CDialog& dialog, int id, CPoint at = CPoint(5, 5)) { user.Click(dialog, id, at); }
    void Type(CDialog& dialog, int id, const char* text) { user.Type(dialog, id, text); }
    void PressEnter() { user.Key(WXK_RETURN); }
    static CString Text(const CDialog& dialog, int id) { return DialogInput::Text(dialog, id); }

    std::optional<qf::CScriptedModalRunner> runner;
    DialogInput user;
    SimulatedMouse& mouse = user.Mouse();
};

} // namespace

TEST_F(ValueDialogsGuiTest, UndoDepthStepsWithItsSpinAndTakesATypedDepthOnEnter) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        runner->AnswerModal(RunForReal);
        CUndoSettingDlg dialog;
        dialog.m_depth = 30;
        const int result = RunModalWithSteps(dialog, [&] {
            EXPECT_EQ(Caption(dialog), english ? "Undo Setting" : "\"元に戻す\"の最大回数");
            EXPECT_EQ(Text(dialog, 1063), "30");
            Click(dialog, 1475, CPoint(4, 3));
            EXPECT_EQ(Text(dialog, 1063), "31") << "the spin's upper half steps up";
            Shoot(dialog, "undo_setting", english);
            Type(dialog, 1063, english ? "250" : "0");
            PressEnter();
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_depth, english ? 200 : 0) << "typed, clamped to 0..200, kept by Enter";
    }
}

TEST_F(ValueDialogsGuiTest, ConnectTakesTheAngleFromItsSpinAndTheSelectedOnlyBox) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        runner->AnswerModal(RunForReal);
        CConnectDlg dialog;
        const int result = RunModalWithSteps(dialog, [&] {
            EXPECT_EQ(Caption(dialog), "Connect");
            EXPECT_EQ(Text(dialog, 1063), "89.500");
            EXPECT_EQ(Text(dialog, 1422), english ? "Only Select Part" : "選択部のみ");
            // Pressing the spin's upper half and dragging up: 10 steps of 0.001 per pixel.
            CWnd& spin = *dialog.GetDlgItem(1475);
            mouse.MoveTo(spin, CPoint(4, 3));
            mouse.Down();
            mouse.MoveTo(spin, CPoint(4, -1));
            mouse.MoveTo(spin, CPoint(4, -21));
            mouse.Up();
            EXPECT_EQ(Text(dialog, 1063), "89.700");
            Click(dialog, 1422);
            Shoot(dialog, "connect", english);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_NEAR(dialog.m_angle, 89.7f, 1e-4);
        EXPECT_EQ(dialog.m_selectedOnly, 1);
    }

    // Typed beyond the range, cancelled: the caller's values stay.
    runner->AnswerModal(RunForReal);
    CConnectDlg dialog;
    const int result = RunModalWithSteps(dialog, [&] {
        Type(dialog, 1063, "500");
        Click(dialog, 1422);
        EXPECT_EQ(Text(dialog, 1063), "180.000") << "clamped when the field was left";
        mouse.Sim().Char(WXK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ValueDialogsGuiTest, PasteAlongCurveOffersOnlyPastingOnThePoints) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        runner->AnswerModal(RunForReal);
        CPasteAlongCurveDlg dialog;
        const int result = RunModalWithSteps(dialog, [&] {
            EXPECT_EQ(Caption(dialog), english ? "Paste(select curve)" : "選択したカーブに沿って貼り付け");
            EXPECT_EQ(Text(dialog, 1578), english ? "Paste(subdivide curve)" : "分割数を指定して貼り付け");
            EXPECT_EQ(dialog.IsDlgButtonChecked(1577), BST_CHECKED);
            EXPECT_FALSE(dialog.GetDlgItem(1578)->IsWindowEnabled());
            EXPECT_FALSE(dialog.GetDlgItem(1058)->IsWindowEnabled()) << "the count is for the other mode";
            EXPECT_FALSE(dialog.GetDlgItem(1060)->IsWindowEnabled()) << "and its spin with it";
            EXPECT_EQ(Text(dialog, 1058), "2");
            Click(dialog, 1578);
            EXPECT_EQ(dialog.IsDlgButtonChecked(1578), BST_UNCHECKED);
            Shoot(dialog, "paste_along_curve", english);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_mode, CPasteAlongCurveDlg::pasteOnPoints);
        EXPECT_EQ(dialog.m_subdivision, 2);
    }
}

TEST_F(ValueDialogsGuiTest, ExportSettingsEnableWhatTheModeUses) {
    const struct {
        int mode;
        bool subdivision, scale, radios, check;
    } modes[] = {
        {CExportSettingDlg::modeScope, false, false, true, false},
        {CExportSettingDlg::modeScopeAndSurfaces, false, false, true, true},
        {CExportSettingDlg::modeSubdivisionAndScale, true, true, false, false},
        {CExportSettingDlg::modeSubdivisionAndScope, true, false, true, false},
        {CExportSettingDlg::modeSubdivision, true, false, false, false},
    };
    for (const auto& m : modes) {
        runner->AnswerModal(RunForReal);
        CExportSettingDlg dialog;
        dialog.m_mode = m.mode;
        RunModalWithSteps(dialog, [&] {
            EXPECT_EQ(dialog.GetDlgItem(1065)->IsWindowEnabled() != FALSE, m.subdivision) << m.mode;
            EXPECT_EQ(dialog.GetDlgItem(1477)->IsWindowEnabled() != FALSE, m.subdivision) << m.mode;
            EXPECT_EQ(dialog.GetDlgItem(1709)->IsWindowEnabled() != FALSE, m.scale) << m.mode;
            EXPECT_EQ(dialog.GetDlgItem(1708)->IsWindowEnabled() != FALSE, m.scale) << m.mode;
            EXPECT_EQ(dialog.GetDlgItem(1577)->IsWindowEnabled() != FALSE, m.radios) << m.mode;
            EXPECT_EQ(dialog.GetDlgItem(1578)->IsWindowEnabled() != FALSE, m.radios) << m.mode;
            EXPECT_EQ(dialog.GetDlgItem(1347)->IsWindowEnabled() != FALSE, m.check) << m.mode;
            mouse.Sim().Char(WXK_ESCAPE);
        });
    }
}

TEST_F(ValueDialogsGuiTest, ExportSettingsTakeEvenSubdivisionsAndFoldTheirGroups) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        runner->AnswerModal(RunForReal);
        CExportSettingDlg dialog;
        dialog.m_mode = CExportSettingDlg::modeSubdivisionAndScale;
        const int result = RunModalWithSteps(dialog, [&] {
            EXPECT_EQ(Caption(dialog), english ? "Export Setting" : "エクスポート設定");
            EXPECT_EQ(Text(dialog, 1481), english ? "Scale" : "スケール");
            EXPECT_EQ(Text(dialog, 1577),
                      english ? "Export Only Select Object" : "選択中のオブジェクトのみエクスポートする");
            EXPECT_EQ(Text(dialog, 1709), "1.000");
            Shoot(dialog, "export_setting", english);

            // The scale group reaches down to OK; folding it shrinks the dialog.
            CRect before;
            dialog.GetWindowRect(&before);

            const int okTop = PlaceOf(*dialog.GetDlgItem(IDOK)).top;
            const int folded = okTop - PlaceOf(*dialog.GetDlgItem(1481)).top - 20;
            Click(dialog, 1481, CPoint(40, 8));
            CRect after;
            dialog.GetWindowRect(&after);
            EXPECT_EQ(after.Height(), before.Height() - folded);
            EXPECT_EQ(PlaceOf(*dialog.GetDlgItem(IDOK)).top, okTop - folded);
            EXPECT_FALSE(dialog.GetDlgItem(1709)->IsWindowVisible());
            Shoot(dialog, "export_setting_folded", english);
            Click(dialog, 1481, CPoint(40, 8));
            dialog.GetWindowRect(&after);
            EXPECT_EQ(after.Height(), before.Height());
            EXPECT_TRUE(dialog.GetDlgItem(1709)->IsWindowVisible());

            Type(dialog, 1065, "7");
            Type(dialog, 1709, "2.5");
            EXPECT_EQ(Text(dialog, 1065), "6") << "an odd subdivision goes down to the even one";
            PressEnter();
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_subdivision, 6);
        EXPECT_FLOAT_EQ(dialog.m_scale, 2.5f) << "typed just before Enter";
    }
}
