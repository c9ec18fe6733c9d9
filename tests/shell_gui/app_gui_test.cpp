// The application started for real in this process: the language of the
// first and second start, a document from the command line saved under
// another name through the file dialog, files dropped on the frame, the
// question before a modified document is closed, and the File and Edit
// menus as they open.
#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/select_resource_type_dlg.h"
#include "platform/base/file_util.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/shell_services.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "shell/about_dlg.h"
#include "shell/doc_commands.h"
#include "shell/main_frame.h"
#include "shell/quel_app.h"
#include "support/doc_bytes.h"
#include "support/gui_test.h"
#include "support/scoped_env.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/window.h>

using qf::test::PumpEvents;

namespace {

// Each test starts with an empty settings folder and an empty desktop data folder.
class AppGuiTest : public ::testing::Test {
protected:
    void TearDown() override {
        app.reset();
        GetAppState() = CQuelAppState();
        SetResourceLanguage(ResourceLanguage::Japanese);
    }

    // Starts the application; the language dialog, expected while no
    // language file exists, gets `language`.
    bool Start(std::vector<CString> arguments = {"quelaform"}, int language = IDCANCEL) {
        languageAsked = false;
        if (!qf::FileExists(Path("quel_resource_type.ini")))
            runner.AnswerModal([this, language](qf::CModalWindow& window) {
                languageAsked = dynamic_cast<CSelectResourceTypeDlg*>(&window) != nullptr;
                return language;
            });
        app = std::make_unique<CQuelApp>();
        const bool started = app->InitInstance(arguments);
        PumpEvents(100);
        return started;
    }
    void Stop() {
        app->ExitInstance();
        app.reset();
        EXPECT_EQ(runner.GetUnscriptedCount(), 0) << "a box or dialog nobody expected";
    }
    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CString MenuTitle(int position) {
        CString text;
        Frame().GetMenu()->GetMenuString(static_cast<UINT>(position), text, MF_BYPOSITION);
        return text;
    }
    std::string Path(const char* name) const { return m_folders.Settings().File(name); }

    qf::CScriptedModalRunner runner;
    std::unique_ptr<CQuelApp> app;
    bool languageAsked = false;

private:
    qf::test::IsolatedUserFolders m_folders;
};

} // namespace

TEST_F(AppGuiTest, FirstStartAsksTheLanguageAndTheSecondDoesNot) {
    ASSERT_TRUE(Start({"quelaform"}, IDCANCEL));
    EXPECT_TRUE(languageAsked) << "no quel_resource_type.ini yet";
    EXPECT_EQ(IsEnglish(), 1);
    EXPECT_EQ(MenuTitle(0), "&File");
    EXPECT_TRUE(qf::FileExists(qf::JoinPath(std::getenv("XDG_DATA_HOME"), "applications/quelaform.desktop")));
    Stop();
    EXPECT_EQ(qf::test::ReadFileBytes(Path("quel_resource_type.ini")).rfind("english", 0), 0u);

    const int modalCount = runner.GetModalCount();
    ASSERT_TRUE(Start({"quelaform"}, IDOK));
    EXPECT_EQ(runner.GetModalCount(), modalCount) << "the file answers";
    EXPECT_EQ(MenuTitle(8), "&Help");
    Stop();

    std::filesystem::remove(Path("quel_resource_type.ini"));
    ASSERT_TRUE(Start({"quelaform"}, IDOK));
    EXPECT_TRUE(languageAsked);
    EXPECT_EQ(IsEnglish(), 0);
    EXPECT_EQ(MenuTitle(0), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(MenuTitle(6), "ウィンドウ(&W)");
    Stop();
    EXPECT_EQ(qf::test::ReadFileBytes(Path("quel_resource_type.ini")).rfind("japanese", 0), 0u);
}

TEST_F(AppGuiTest, CommandLineDocumentSavedAsAnotherNameKeepsItsBytes) {
    ASSERT_TRUE(Start());
    qf::test::FillEveryKindOfContent(*app->GetDocument());
    const std::string original = Path("scene.qfm");
    ASSERT_TRUE(app->GetDocument()->OnSaveDocument(original.c_str()));
    Stop();

    ASSERT_TRUE(Start({"quelaform", original.c_str()}));
    EXPECT_EQ(app->GetDocumentCommands()->GetPathName(), original.c_str());
    const std::string copy = Path("copy.qfm");
    runner.AnswerModal([&](qf::CModalWindow& window) {
        auto& dialog = dynamic_cast<CFileDialog&>(window);
        EXPECT_FALSE(dialog.IsOpenDialog());
        EXPECT_TRUE(dialog.AcceptPath(Path("copy").c_str())) << "the extension is added";
        return IDOK;
    });
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_SAVE_AS, 0), 0);
    CString title;
    Frame().GetWindowText(title);
    EXPECT_EQ(title, "copy.qfm - quelaForm");
    Stop();
    const std::string bytes = qf::test::ReadFileBytes(copy);
    EXPECT_TRUE(qf::test::SameDocumentBytes(qf::test::ReadFileBytes(original), bytes));

    ASSERT_TRUE(Start({"quelaform", copy.c_str()}));
    EXPECT_TRUE(qf::test::SameDocumentBytes(bytes, qf::test::DocumentBytes(*app->GetDocument())));
    EXPECT_EQ(app->GetRecentFiles()[0], copy.c_str());
    EXPECT_EQ(app->GetRecentFiles()[1], original.c_str());

    // A file dropped on the frame opens in its place.
    const std::vector<CString> dropped = {original.c_str()};
    Frame().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(&dropped), 0);
    EXPECT_EQ(app->GetDocumentCommands()->GetPathName(), original.c_str());
    Stop();
}

// A command-line document that cannot be opened is reported, and the user
// goes on with a new document in the main window.
TEST_F(AppGuiTest, UnopenableCommandLineDocumentIsReportedThenANewOneStarts) {
    const std::string damaged = Path("damaged.qfm");
    qf::test::WriteFileBytes(damaged, "not a document");
    for (const std::string& path : {damaged, Path("missing.qfm")}) {
        const size_t asked = runner.GetRequests().size();
        runner.Answer(IDOK);
        ASSERT_TRUE(Start({"quelaform", path.c_str()})) << path;
        ASSERT_EQ(runner.GetRequests().size(), asked + 1) << "one message for " << path;
        EXPECT_NE(runner.GetRequests().back().text.Find(std::filesystem::path(path).filename().c_str()), -1)
            << runner.GetRequests().back().text.GetString();
        EXPECT_TRUE(Frame().IsWindowVisible());
        EXPECT_TRUE(app->GetDocumentCommands()->GetPathName().IsEmpty());
        CString title;
        Frame().GetWindowText(title);
        EXPECT_EQ(title, "Untitled - quelaForm");
        Stop();
    }
}

TEST_F(AppGuiTest, ClosingAModifiedDocumentAsksFirst) {
    ASSERT_TRUE(Start());
    app->GetDocument()->SetModifiedFlag();
    runner.Answer(IDCANCEL);
    Frame().SendMessage(WM_CLOSE);
    EXPECT_TRUE(IsWindow(Frame().GetSafeHwnd())) << "Cancel keeps the window";
    runner.Answer(IDNO);
    Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsWindow(Frame().GetSafeHwnd())) << "No closes without saving";
    EXPECT_NE(runner.GetRequests().back().text.Find("Untitled"), -1);
    Stop();
}

TEST_F(AppGuiTest, MenusShowTheUndoStepAndTheRecentFiles) {
    ASSERT_TRUE(Start());
    CQuelDoc& doc = *app->GetDocument();
    app->GetRecentFiles().Add("/tmp/a.qfm");
    doc.m_undoBuffer.BeginRecord();
    doc.m_undoBuffer.SetDescription("(パッチ) 移動", "(Patch) Translate");
    CMenu* menu = Frame().GetMenu();
    Frame().SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    CString text;
    menu->GetMenuString(ID_EDIT_UNDO, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&Undo (Patch) Translate");
    menu->GetMenuString(ID_FILE_MRU_FILE1, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&1 /tmp/a.qfm");
    EXPECT_EQ(menu->GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED, 0u);
    Stop();
}

TEST_F(AppGuiTest, PaneUnderThePointerBecomesTheActiveOne) {
    ASSERT_TRUE(Start());
    qf::test::PumpUntil([&] { return Frame().GetNativeWindow()->IsShownOnScreen(); });
    PumpEvents(200);
    CViewSplitter& splitter = Frame().GetView().GetSplitter();
    wxUIActionSimulator mouse;
    for (const int pane : {3, 1}) {
        CPoint point(40, 40);
        splitter.GetPane(pane).GetFrame().GetGLPane().ClientToScreen(&point);
        mouse.MouseMove(point.x, point.y);
        qf::test::PumpUntil([&] { return app->GetDocument()->m_activePane == pane; }, 2000);
        EXPECT_EQ(app->GetDocument()->m_activePane, pane);
    }
    Stop();
}

TEST_F(AppGuiTest, AboutBoxShowsTheVersionOfTheBuild) {
    ASSERT_TRUE(Start());
    CAboutDlg* about = nullptr;
    CString shown;
    runner.AnswerModal([&](qf::CModalWindow& window) {
        about = dynamic_cast<CAboutDlg*>(&window);
        return window.RunModalLoop();
    });
    wxTheApp->CallAfter([&] {
        PumpEvents(50);
        ASSERT_NE(about, nullptr);
        about->GetDlgItemText(1063, shown);
        about->EndDialog(IDOK);
    });
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_APP_ABOUT, 0), 0);
    EXPECT_EQ(shown, CVersionInfo().GetFileVersion());
    EXPECT_FALSE(shown.IsEmpty());
    Stop();
}

TEST_F(AppGuiTest, InsertMergesTheChosenPartsOfAnotherDocument) {
    ASSERT_TRUE(Start());
    CQuelDoc& doc = *app->GetDocument();
    qf::test::FillEveryKindOfContent(doc);
    const std::string other = Path("other.qfm");
    ASSERT_TRUE(doc.OnSaveDocument(other.c_str()));
    const int objects = doc.m_objects.GetCount();
    runner.AnswerModal([&](qf::CModalWindow& window) {
        dynamic_cast<CFileDialog&>(window).AcceptPath(other.c_str());
        return IDOK;
    });
    runner.AnswerModal(IDOK); // every part, as the insert dialog starts
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_INSERT, 0), 0);
    EXPECT_EQ(doc.m_objects.GetCount(), 2 * objects);
    EXPECT_TRUE(doc.m_undoBuffer.CanUndo());
    Stop();
}

// In Japanese the status bar, the prompts of the menus and the About box
// are Japanese.
TEST_F(AppGuiTest, JapaneseStatusBarPromptsAndAboutBox) {
    ASSERT_TRUE(Start({"quelaform"}, IDOK));
    ASSERT_TRUE(qf::test::PumpUntil([&] { return Frame().GetNativeWindow()->IsShownOnScreen(); }));
    PumpEvents(200);
    CStatusBar& status = Frame().GetStatusBarWindow();
    EXPECT_EQ(status.GetPaneText(0), "レディ");
    EXPECT_FALSE(qf::test::SaveScreenPicture(status, "status_bar_ja.png").empty());

    // The Help menu opened from the keyboard; Up wraps round to its last item.
    qf::test::SimulatedMouse keys;
    keys.MoveTo(Frame().GetView(), CPoint(40, 40));
    keys.Sim().Char('h', wxMOD_ALT);
    PumpEvents(300);
    keys.Sim().Char(WXK_UP);
    PumpEvents(300);
    EXPECT_EQ(status.GetPaneText(0), "バージョン情報を表示") << "the prompt of バージョン情報(&A)...";
    EXPECT_FALSE(qf::test::SaveScreenPicture(status, "status_bar_prompt_ja.png").empty());
    // Escape closes the menu, and once more leaves the menu bar.
    for (int i = 0; i < 2; ++i) {
        keys.Sim().Char(WXK_ESCAPE);
        PumpEvents(300);
    }
    EXPECT_EQ(status.GetPaneText(0), "レディ") << "the menu closed";

    CString caption;
    CString label;
    runner.AnswerModal([&](qf::CModalWindow& window) {
        auto& about = dynamic_cast<CAboutDlg&>(window);
        wxTheApp->CallAfter([&] {
            PumpEvents(200);
            about.GetWindowText(caption);
            about.GetDlgItemText(1061, label);
            EXPECT_FALSE(qf::test::SaveScreenPicture(about, "about_ja.png").empty());
            about.EndDialog(IDOK);
        });
        return window.RunModalLoop();
    });
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_APP_ABOUT, 0), 0);
    EXPECT_EQ(caption, "バージョン情報(quelaForm)");
    EXPECT_EQ(label, "quelaForm バージョン");
    Stop();
}

// File > Open starts where the user was: in the current document's folder,
// and for a new document in the folder of the newest recent file.
TEST_F(AppGuiTest, OpenStartsInTheFolderOfTheDocument) {
    ASSERT_TRUE(Start());
    const std::filesystem::path scenes = std::filesystem::path(Path("scenes")) / "robots";
    std::filesystem::create_directories(scenes);
    const std::string scene = (scenes / "arm.qfm").string();
    ASSERT_TRUE(app->GetDocument()->OnSaveDocument(scene.c_str()));
    Stop();

    ASSERT_TRUE(Start({"quelaform", scene.c_str()}));
    const auto proposedFolder = [&] {
        CString folder = "(no dialog)";
        runner.AnswerModal([&](qf::CModalWindow& window) {
            auto& dialog = dynamic_cast<CFileDialog&>(window);
            EXPECT_TRUE(dialog.IsOpenDialog());
            folder = dialog.m_ofn.lpstrInitialDir;
            return IDCANCEL;
        });
        Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_OPEN, 0), 0);
        return std::string(folder.GetString());
    };
    EXPECT_EQ(proposedFolder(), scenes.string());
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_NEW, 0), 0);
    EXPECT_EQ(proposedFolder(), scenes.string()) << "the folder of the newest recent file";
    Stop();
}
