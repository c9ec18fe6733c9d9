#pragma once
// The program running for real on an empty settings folder, in the language
// chosen at its first start, with a real mouse over its windows.
#include "app/app_state.h"
#include "app/quel_doc.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/probe_wnd.h"
#include "shell/main_frame.h"
#include "shell/quel_app.h"
#include "support/gui_test.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>
#include <memory>
#include <wx/uiaction.h>

class RunningAppGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qf::test::HaveDisplay())
            GTEST_SKIP() << "no display";
    }
    // IDOK at the language question chooses Japanese, IDCANCEL English.
    void Start(int language = IDCANCEL) {
        runner.AnswerModal(language);
        app = std::make_unique<CQuelApp>();
        ASSERT_TRUE(app->InitInstance({"quelaform"}));
        qf::test::PumpUntil([&] { return Frame().GetNativeWindow()->IsShownOnScreen(); });
        qf::test::PumpEvents(200);
    }
    void TearDown() override {
        if (app)
            app->ExitInstance();
        app.reset();
        EXPECT_EQ(runner.GetUnscriptedCount(), 0) << "a box, dialog or menu nobody expected";
        GetAppState() = CQuelAppState();
        SetResourceLanguage(ResourceLanguage::Japanese);
    }

    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CQuelDoc& Doc() { return *app->GetDocument(); }
    CGLPane& Pane(int i) { return Frame().GetView().GetSplitter().GetPane(i).GetFrame().GetGLPane(); }
    // A menu command, as the menu bar or a popup sends it.
    void Command(UINT id) { Frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // A drag with the button from one client point of the pane to another, in four steps.
    void Drag(CGLPane& pane, CPoint from, CPoint to, int button = wxMOUSE_BTN_LEFT) {
        for (int step = 0; step <= 4; ++step) {
            CPoint point(from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4);
            pane.ClientToScreen(&point);
            mouse.Sim().MouseMove(point.x, point.y);
            qf::test::PumpEvents(30);
            if (step == 0)
                mouse.Sim().MouseDown(button);
        }
        mouse.Sim().MouseUp(button);
        qf::test::PumpEvents(50);
    }

    qf::CScriptedModalRunner runner;
    std::unique_ptr<CQuelApp> app;
    qf::test::SimulatedMouse mouse;

private:
    qf::test::IsolatedUserFolders m_folders;
};
