#include "dialogs/select_resource_type_dlg.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/gui_modal.h"

#include <functional>
#include <gtest/gtest.h>

using qf::test::PumpEvents;

namespace {

// Opens the language dialog for real and does what the user does.
int Answer(const std::function<void(CSelectResourceTypeDlg&, qf::test::SimulatedMouse&)>& user) {
    qf::CScriptedModalRunner runner;
    runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
    CSelectResourceTypeDlg dialog;
    qf::test::SimulatedMouse mouse;
    return qf::test::RunModalWithSteps(dialog, [&] { user(dialog, mouse); });
}

void Click(CWnd& button, qf::test::SimulatedMouse& mouse) {
    mouse.MoveTo(button, CPoint(10, 8));
    mouse.Down();
    mouse.Up();
}

} // namespace

TEST(SelectResourceTypeGuiTest, JapaneseIsOkEverythingElseCancel) {
    EXPECT_EQ(Answer([](CSelectResourceTypeDlg& d, auto& mouse) { Click(*d.GetDlgItem(IDOK), mouse); }),
              IDOK);
    EXPECT_EQ(Answer([](CSelectResourceTypeDlg& d, auto& mouse) { Click(*d.GetDlgItem(IDCANCEL), mouse); }),
              IDCANCEL);
    EXPECT_EQ(Answer([](CSelectResourceTypeDlg& d, auto& mouse) {
                  mouse.MoveTo(d, CPoint(5, 5));
                  mouse.Sim().Char(WXK_ESCAPE);
                  PumpEvents(50);
              }),
              IDCANCEL);
    EXPECT_EQ(Answer([](CSelectResourceTypeDlg& d, auto&) { d.GetNativeWindow()->Close(); }), IDCANCEL)
        << "the close box chooses English";
}

TEST(SelectResourceTypeGuiTest, ShowsTheSameTextsInBothSets) {
    for (const auto language : {ResourceLanguage::Japanese, ResourceLanguage::English}) {
        SetResourceLanguage(language);
        const int result = Answer([&](CSelectResourceTypeDlg& d, auto& mouse) {
            PumpEvents(300);
            CString japanese, english;
            d.GetDlgItemText(IDOK, japanese);
            d.GetDlgItemText(IDCANCEL, english);
            EXPECT_EQ(japanese, "Japanese");
            EXPECT_EQ(english, "English");
            const bool ja = language == ResourceLanguage::Japanese;
            EXPECT_FALSE(qf::test::SaveScreenPicture(d, ja ? "select_resource_type_ja.png"
                                                           : "select_resource_type_en.png")
                             .empty());
            Click(*d.GetDlgItem(IDCANCEL), mouse);
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    SetResourceLanguage(ResourceLanguage::Japanese);
}
