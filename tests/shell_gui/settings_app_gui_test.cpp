// The settings pages in the running program: the side bar's "etc." tab shows
// the settings tree; the colour page repaints the panes in the new colour,
// the mouse page gives the right button its tool, and both survive a
// restart in quel.ini.
#include "app/app_state.h"
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "scene_page_fixture.h"
#include "shell/main_frame.h"
#include "shell/quel_app.h"
#include "support/scoped_env.h"

using qf::test::PumpEvents;
using qf::test::PumpUntil;

namespace {

class SettingsAppGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qf::test::HaveDisplay())
            GTEST_SKIP() << "no display";
        Start();
    }
    void TearDown() override {
        Stop();
        GetAppState() = CQuelAppState();
        SetResourceLanguage(ResourceLanguage::Japanese);
    }
    void Start() {
        if (!qf::FileExists(qf::SettingsPath("quel_resource_type.ini")))
            runner.AnswerModal(IDCANCEL); // the language: English
        app = std::make_unique<CQuelApp>();
        ASSERT_TRUE(app->InitInstance({"quelaform"}));
        ASSERT_TRUE(PumpUntil([&] { return app->GetMainFrame()->GetNativeWindow()->IsShownOnScreen(); }));
        PumpEvents(200);
    }
    void Stop() {
        if (app)
            app->ExitInstance();
        app.reset();
    }
    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CScenePage& ScenePage() { return Frame().GetSideBar().GetPanelHost().GetScenePage(); }
    CGLPane& Pane(int i) { return Frame().GetView().GetSplitter().GetPane(i).GetFrame().GetGLPane(); }
    // Clicks the side bar's "etc." tab.
    void OpenSettingsTab() {
        CTabCtrl& tabs = Frame().GetSideBar().GetPanelHost().GetTabCtrl();
        CRect tab;
        ASSERT_TRUE(tabs.GetItemRect(CPanelTabDlg::tabScene, &tab));
        mouse.MoveTo(tabs, CPoint((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
        mouse.Down();
        mouse.Up();
        PumpEvents(100);
        ASSERT_TRUE(ScenePage().IsWindowVisible());
    }
    template <class Page> Page& Show(const char* leaf) {
        ClickSettingsItem(mouse, ScenePage().GetTree(), leaf);
        auto* page = dynamic_cast<Page*>(ScenePage().GetCurrentPage());
        EXPECT_TRUE(page) << leaf;
        return *page;
    }

    qf::test::IsolatedUserFolders folders;
    qf::CScriptedModalRunner runner;
    std::unique_ptr<CQuelApp> app;
    qf::test::SimulatedMouse mouse;
};

} // namespace

TEST_F(SettingsAppGuiTest, PreferencesShowInThePanesAndSurviveARestart) {
    OpenSettingsTab();
    CColorSettingPage& colors = Show<CColorSettingPage>("Color Setting");
    constexpr COLORREF kNavy = RGB(20, 30, 120);
    runner.AnswerModal([](qf::CModalWindow& window) {
        dynamic_cast<CColorDialog&>(window).SetColor(kNavy);
        return IDOK;
    });
    mouse.MoveTo(*colors.GetDlgItem(1059), CPoint(5, 5));
    mouse.Down();
    mouse.Up();
    PumpEvents(200);
    for (int pane = 0; pane < kPaneCount; ++pane) {
        const CPixelImage picture = Pane(pane).ReadPicture();
        ASSERT_GT(picture.width, 4) << pane;
        EXPECT_EQ(picture.At(2, picture.height - 3), kNavy)
            << "pane " << pane << " painted in the new colour";
    }
    EXPECT_FALSE(qf::test::SaveScreenPicture(Frame(), "settings_in_the_program_en.png").empty());

    CMouseSettingPage& mousePage = Show<CMouseSettingPage>("Mouse Setting");
    Choose(mousePage, 1145, 7);
    CQuelDoc& doc = *app->GetDocument();
    EXPECT_EQ(doc.m_settings.m_mouseModeRight, mouseModeCameraZoom);
    CEtcSettingPage& etc = Show<CEtcSettingPage>("Etc. Setting");
    qf::test::DialogInput user;
    user.Type(etc, 1464, "24");
    user.Key(WXK_TAB);
    EXPECT_EQ(doc.m_settings.m_latheCount, 24);

    Stop();
    EXPECT_TRUE(qf::FileExists(qf::SettingsPath("quel.ini")));
    Start();
    const CQuelDoc& again = *app->GetDocument();
    EXPECT_EQ(again.m_settings.m_bgColor, kNavy);
    EXPECT_EQ(again.m_settings.m_mouseModeRight, mouseModeCameraZoom);
    EXPECT_EQ(again.m_settings.m_latheCount, 24);
    OpenSettingsTab();
    CMouseSettingPage& shown = Show<CMouseSettingPage>("Mouse Setting");
    CString right;
    shown.GetList(CMouseButtonPageServices::buttonRight).GetWindowText(right);
    EXPECT_EQ(right, "(Camera) Zoom");
    EXPECT_EQ(runner.GetUnscriptedCount(), 0);
}
