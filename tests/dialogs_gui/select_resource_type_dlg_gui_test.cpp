#include "dialogs/select_resource_type_dlg.h"
#include "dialogs_gui/window_manager.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/screen_image.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/gui_modal.h"
#include "support/run_program.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <vector>
#include <wx/dialog.h>

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

namespace {

// The pixels of a title bar that stand out from the bar's own colour in
// their row: the caption's letters, the icon and the buttons.
int TitleBarInk(const qf::test::FramedWindow& framed) {
    const CPixelImage bar =
        CaptureScreenArea(CRect(framed.outer.left, framed.outer.top, framed.outer.right, framed.client.top));
    int ink = 0;
    for (int y = 0; y < bar.height; ++y) {
        std::vector<COLORREF> row;
        for (int x = 0; x < bar.width; ++x)
            row.push_back(bar.At(x, y));
        std::vector<int> brightness;
        for (const COLORREF c : row)
            brightness.push_back(GetRValue(c) + GetGValue(c) + GetBValue(c));
        std::vector<int> sorted = brightness;
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2),
                         sorted.end());
        const int background = sorted[sorted.size() / 2];
        for (const int b : brightness)
            ink += std::abs(b - background) > 120 ? 1 : 0;
    }
    return ink;
}

} // namespace

// Under a window manager the dialog is a plain fixed-size dialog whose title
// shows whole: its title bar carries as much ink as that of a wide window
// with the same title, and the manager offers neither to maximise nor to
// resize it.
TEST(SelectResourceTypeGuiTest, UnderAWindowManagerItsTitleShowsWhole) {
    if (!qf::test::IsOnPath("openbox"))
        GTEST_SKIP() << "openbox is not installed (scripts/install-deps installs it): "
                        "no window manager to show the dialog under";
    const qf::test::WindowManager manager;
    ASSERT_TRUE(manager.Running()) << "openbox did not take the display";
    const std::string title = "Select Resource Type";
    int wideInk = 0;
    {
        wxDialog wide(nullptr, wxID_ANY, wxString::FromUTF8(title), wxDefaultPosition, wxDefaultSize,
                      wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
        wide.SetClientSize(600, 60);
        wide.Show();
        const qf::test::FramedWindow framed = manager.WaitForFramed(title);
        ASSERT_NE(framed.window, 0u) << "the wide window was not framed";
        EXPECT_TRUE(manager.Activate(framed));
        wideInk = TitleBarInk(framed);
    }
    PumpEvents(200);

    qf::test::FramedWindow framed;
    int ink = 0;
    const int result = Answer([&](CSelectResourceTypeDlg& d, auto& mouse) {
        framed = manager.WaitForFramed(title);
        ASSERT_NE(framed.window, 0u) << "the dialog was not framed";
        EXPECT_TRUE(manager.Activate(framed));
        ink = TitleBarInk(framed);
        const std::string path = (qf::test::OutputDir() / "select_resource_type_wm.png").string();
        EXPECT_TRUE(qf::test::SavePng(path, qf::test::ToTestImage(CaptureScreenArea(framed.outer))));
        Click(*d.GetDlgItem(IDCANCEL), mouse);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_GT(wideInk, 0);
    EXPECT_GE(ink, wideInk * 97 / 100)
        << "the title is cut: " << ink << " of " << wideInk << " pixels of ink";
    const auto allowed = [&](const char* action) {
        return std::find(framed.allowedActions.begin(), framed.allowedActions.end(), action) !=
               framed.allowedActions.end();
    };
    EXPECT_TRUE(allowed("_NET_WM_ACTION_CLOSE"));
    EXPECT_FALSE(allowed("_NET_WM_ACTION_MAXIMIZE_HORZ") || allowed("_NET_WM_ACTION_MAXIMIZE_VERT"));
    EXPECT_FALSE(allowed("_NET_WM_ACTION_RESIZE"));
}
