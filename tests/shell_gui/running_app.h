#pragma once
// quelaForm started in this process as a user starts it (empty settings and
// desktop folders, the language chosen at the first start), with real mouse
// input and scripts for the dialogs, boxes and popup menus it opens.
#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/menu.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "shell/main_frame.h"
#include "shell/quel_app.h"
#include "support/gui_modal.h"
#include "support/gui_test.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <wx/app.h>

namespace qf::test {

class RunningAppGuiTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (app)
            Stop();
        GetAppState() = CQuelAppState();
        SetResourceLanguage(ResourceLanguage::Japanese);
    }

    void Start(ResourceLanguage language = ResourceLanguage::English) {
        // The language chosen at the first start.
        WriteFileBytes((m_home.path() / "quel_resource_type.ini").string(),
                       language == ResourceLanguage::Japanese ? "japanese\n" : "english\n");
        app = std::make_unique<CQuelApp>();
        ASSERT_TRUE(app->InitInstance({"quelaform"}));
        PumpUntil([&] { return Frame().GetNativeWindow()->IsShownOnScreen(); });
        PumpEvents(200);
    }
    void Stop() {
        // A modified document would ask to be saved.
        Doc().SetModifiedFlag(FALSE);
        app->ExitInstance();
        app.reset();
        EXPECT_EQ(runner.GetUnscriptedCount(), 0) << "a box, dialog or menu nobody expected";
    }

    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CQuelDoc& Doc() { return *app->GetDocument(); }
    CObjectPage& Page() { return Frame().GetSideBar().GetPanelHost().GetObjectPage(); }
    CWnd& PageItem(int id) { return *Page().GetDlgItem(id); }

    // A real click in the middle of a control (or at a point of it).
    void Click(CWnd& control, std::optional<CPoint> at = std::nullopt) {
        CRect client;
        control.GetClientRect(&client);
        mouse.MoveTo(control, at.value_or(CPoint(client.Width() / 2, client.Height() / 2)));
        mouse.Down();
        mouse.Up();
        PumpEvents(50);
    }
    // A menu command, as the menu bar sends it.
    void Command(UINT id) {
        Frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
        PumpEvents(50);
    }

    // A point over the tool-bar button whose prompt the status bar shows:
    // GTK does not say where its tool-bar buttons are, so the pointer goes
    // along the bar until the prompt appears.
    std::optional<CPoint> ToolBarPointWithPrompt(const CString& prompt) {
        CRect client;
        Frame().GetToolBar().GetClientRect(&client);
        for (int x = 4; x < client.Width(); x += 6) {
            mouse.MoveTo(Frame().GetToolBar(), CPoint(x, client.Height() / 2));
            if (Frame().GetStatusBarWindow().GetPaneText(0) == prompt)
                return CPoint(x, client.Height() / 2);
        }
        return std::nullopt;
    }

    // The next popup menu chooses the item with the command.
    void ChooseFromNextMenu(UINT id) {
        runner.AnswerModal([id](qf::CModalWindow& window) {
            auto& menu = dynamic_cast<CPopupMenuRun&>(window);
            const int chosen = menu.Choose(id);
            EXPECT_EQ(chosen, static_cast<int>(id)) << "the menu offers the command";
            return chosen;
        });
    }
    // The next modal dialog runs for real: steps is the user's part, run
    // inside its modal loop; a dialog the steps left open ends with kStillOpen.
    void RunNextDialog(std::function<void(CDialog&)> steps) {
        runner.AnswerModal([steps](qf::CModalWindow& window) {
            auto& dialog = dynamic_cast<CDialog&>(window);
            wxTheApp->CallAfter([&dialog, steps] {
                PumpEvents(100);
                steps(dialog);
                PumpEvents(50);
                if (dialog.GetNativeWindow())
                    dialog.EndDialog(kStillOpen);
            });
            return dialog.RunModalLoop();
        });
    }

    qf::CScriptedModalRunner runner;
    std::unique_ptr<CQuelApp> app;
    SimulatedMouse mouse;

private:
    TempDir m_home;
    TempDir m_data;
    ScopedEnv m_homeEnv{"QUELAFORM_HOME", m_home.path().string()};
    ScopedEnv m_dataEnv{"XDG_DATA_HOME", m_data.path().string()};
};

} // namespace qf::test
