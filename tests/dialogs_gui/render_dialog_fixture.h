#pragma once
// The render and document dialogs opened for real in both languages: the
// language switch, clicks and typing through DialogInput, list choices as
// the list would announce them, and screenshots under test-output.
#include "app/app_state.h"
#include "platform/ui/controls.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/dialog_input.h"
#include "support/gui_modal.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

class RenderDialogGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qf::test::HaveDisplay())
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
    static CString Text(const CDialog& dialog, int id) { return qf::test::DialogInput::Text(dialog, id); }
    static bool Enabled(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    static CComboBox& List(CDialog& dialog, int id) {
        return dynamic_cast<CComboBox&>(*dialog.GetDlgItem(id));
    }
    // The user picks entry `index` of the drop-down list.
    static void Choose(CDialog& dialog, int id, int index) {
        CComboBox& list = List(dialog, id);
        list.SetCurSel(index);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                           static_cast<LPARAM>(HandleToParam(list.GetSafeHwnd())));
        qf::test::PumpEvents(30);
    }
    void Click(CDialog& dialog, int id, CPoint at = CPoint(5, 5)) { user.Click(dialog, id, at); }
    void Type(CDialog& dialog, int id, const char* text) { user.Type(dialog, id, text); }
    // Leaves the field the way the Tab key does.
    void Leave() { user.Key(WXK_TAB); }
    void Shoot(CDialog& dialog, const std::string& name, bool english) {
        qf::test::PumpEvents(150);
        EXPECT_FALSE(qf::test::SaveScreenPicture(dialog, name + (english ? "_en.png" : "_ja.png")).empty());
    }
    // Runs the dialog for real with the steps inside its modal loop.
    int Run(CDialog& dialog, std::function<void()> steps) {
        runner->AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
        return qf::test::RunModalWithSteps(dialog, std::move(steps));
    }

    std::optional<qf::CScriptedModalRunner> runner;
    qf::test::DialogInput user;
};
