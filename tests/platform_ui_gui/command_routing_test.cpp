// Command routing, update handlers, popup choices, accelerators and scripted
// modal runs, all without a display: the targets are objects whose windows
// were never made, given handles so that messages reach them.
#include "platform/ui/common_dialogs.h"
#include "platform/ui/dialog.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/input.h"
#include "platform/ui/resource_lookup.h"
#include "resources/resource_tables.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

void Note(Log* log, const std::string& what) {
    log->push_back(what);
}

class TestDocument : public CCmdTarget {
public:
    explicit TestDocument(Log* log) : m_log(log) {}
    void OnViewAndDocument() { Note(m_log, "document 100"); }
    void OnDocumentAndFrame() { Note(m_log, "document 101"); }
    void OnUpdateDocument(CCmdUI* ui) { ui->SetText("from the document"); }

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMapFor<TestDocument>(CCmdTarget::GetCommandMap())
                                          .OnCommand(100, &TestDocument::OnViewAndDocument)
                                          .OnCommand(101, &TestDocument::OnDocumentAndFrame)
                                          .OnUpdateCommandUI(101, &TestDocument::OnUpdateDocument);
        return map;
    }

private:
    Log* m_log;
};

class TestView : public CView {
public:
    explicit TestView(Log* log) : m_log(log) {}
    void OnViewCommand() { Note(m_log, "view 100"); }

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map =
            CommandMapFor<TestView>(CView::GetCommandMap()).OnCommand(100, &TestView::OnViewCommand);
        return map;
    }

private:
    Log* m_log;
};

class TestApp : public CWinApp {
public:
    explicit TestApp(Log* log) : m_log(log) {}
    void OnFrameAndApp() { Note(m_log, "app 102"); }
    void OnAppOnly() { Note(m_log, "app 103"); }

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMapFor<TestApp>(CWinApp::GetCommandMap())
                                          .OnCommand(102, &TestApp::OnFrameAndApp)
                                          .OnCommand(103, &TestApp::OnAppOnly);
        return map;
    }

private:
    Log* m_log;
};

// A frame like the main frame: what routing leaves of a menu command from
// 200 up goes to a plug-in host, here a list.
class TestFrame : public CFrameWnd {
public:
    explicit TestFrame(Log* log) : m_log(log) { OpenHandle(); }

    void OnFrame100() { Note(m_log, "frame 100"); }
    void OnFrame101() { Note(m_log, "frame 101"); }
    void OnFrame102() { Note(m_log, "frame 102"); }
    void OnLetterSlot(UINT id) { Note(m_log, "slot " + std::to_string(id)); }
    void OnUpdateGrey(CCmdUI* ui) { ui->Enable(FALSE); }
    void OnUpdateCheck(CCmdUI* ui) { ui->SetCheck(1); }
    void OnUpdateEnable(CCmdUI* ui) { ui->Enable(TRUE); }

    std::vector<UINT> plugInIds;
    std::vector<UINT> codes;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        codes.push_back(HIWORD(wParam));
        if (CFrameWnd::OnCommand(wParam, lParam))
            return TRUE;
        if (HIWORD(wParam) == 0 && TakesUnhandledCommand(LOWORD(wParam))) {
            plugInIds.push_back(LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }
    BOOL TakesUnhandledCommand(UINT id) const override { return id >= 200; }
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMapFor<TestFrame>(CFrameWnd::GetCommandMap())
                                          .OnCommand(100, &TestFrame::OnFrame100)
                                          .OnCommand(101, &TestFrame::OnFrame101)
                                          .OnCommand(102, &TestFrame::OnFrame102)
                                          .OnCommandRange(30215, 30240, &TestFrame::OnLetterSlot)
                                          .OnUpdateCommandUI(110, &TestFrame::OnUpdateGrey)
                                          .OnUpdateCommandUI(111, &TestFrame::OnUpdateCheck)
                                          .OnUpdateCommandUIRange(112, 113, &TestFrame::OnUpdateEnable);
        return map;
    }

private:
    Log* m_log;
};

// A dialog or side-bar page that opens its own popup.
class TestPage : public CDialog {
public:
    TestPage(CWnd* owner, Log* log) : CDialog(0, owner), m_log(log) { OpenHandle(); }
    void OnCreatePatch() { Note(m_log, "page 30573"); }
    void OnUpdateCreatePatch(CCmdUI* ui) { ui->SetCheck(1); }
    void OnButton() { Note(m_log, "page button 1020"); }

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMapFor<TestPage>(CDialog::GetCommandMap())
                                          .OnCommand(30573, &TestPage::OnCreatePatch)
                                          .OnUpdateCommandUI(30573, &TestPage::OnUpdateCreatePatch)
                                          .OnBnClicked(1020, &TestPage::OnButton);
        return map;
    }

private:
    Log* m_log;
};

struct Routing : ::testing::Test {
    Log log;
    TestDocument document{&log};
    TestView view{&log};
    TestApp app{&log};
    TestFrame frame{&log};

    Routing() {
        view.SetDocumentTarget(&document);
        frame.SetActiveView(&view);
        app.m_pMainWnd = &frame;
    }
    void Menu(UINT id) { frame.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

// Choose an item of the next popup for the user.
int Choosing(UINT id, qf::CModalWindow& window) {
    return dynamic_cast<CPopupMenuRun&>(window).Choose(id);
}

} // namespace

TEST_F(Routing, MenuCommandsGoViewDocumentFrameApplication) {
    const std::pair<UINT, const char*> cases[] = {
        {100, "view 100"},     // view and document and frame: the view first
        {101, "document 101"}, // document and frame: the document
        {102, "frame 102"},    // frame and application: the frame
        {103, "app 103"},      // the application alone
    };
    for (const auto& [id, handler] : cases) {
        log.clear();
        Menu(id);
        EXPECT_EQ(log, Log{handler}) << id;
    }
    log.clear();
    Menu(104);
    EXPECT_TRUE(log.empty());
    view.SetDocumentTarget(nullptr);
    Menu(101);
    EXPECT_EQ(log, Log{"frame 101"}) << "without a document the frame's handler runs";
}

TEST_F(Routing, UpdateHandlersSetTheirItemsAndTheFallbackGreysUnhandledOnes) {
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 110, "greyed by its handler");
    popup.AppendMenu(MF_STRING, 111, "checked by its handler");
    popup.AppendMenu(MF_STRING | MF_GRAYED, 112, "enabled by its handler");
    popup.AppendMenu(MF_STRING | MF_GRAYED, 120, "grey without a handler");
    popup.AppendMenu(MF_STRING, 121, "greyed: nothing would handle it");
    popup.AppendMenu(MF_STRING, 103, "enabled: the application handles it");
    popup.AppendMenu(MF_STRING | MF_GRAYED, 102, "kept grey though the frame handles it");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, 101, "renamed by the document");
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(&popup), 0);

    EXPECT_EQ(popup.GetMenuState(110, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(popup.GetMenuState(111, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(popup.GetMenuState(112, MF_BYCOMMAND), 0u);
    EXPECT_EQ(popup.GetMenuState(120, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(popup.GetMenuState(121, MF_BYCOMMAND), MF_GRAYED) << "the fallback greys what nobody handles";
    EXPECT_EQ(popup.GetMenuState(103, MF_BYCOMMAND), 0u) << "a command handler anywhere on the route will do";
    EXPECT_EQ(popup.GetMenuState(102, MF_BYCOMMAND), MF_GRAYED) << "the fallback never enables";
    CString text;
    popup.GetMenuString(101, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "from the document") << "update handlers are routed like the commands";
    EXPECT_TRUE(log.empty()) << "updating runs no command";
}

TEST_F(Routing, PopupChoicesGoToTheWindowThatOpenedThem) {
    TestPage page(&frame, &log);
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, 30573, "patch object");
    popup.AppendMenu(MF_STRING, 100, "left to the owner");
    popup.AppendMenu(MF_STRING | MF_GRAYED, 30728, "grey");
    qf::CScriptedModalRunner runner;
    UINT stateSeen = 0;
    runner.AnswerModal([&](qf::CModalWindow& window) {
        stateSeen = dynamic_cast<CPopupMenuRun&>(window).GetMenu().GetMenuState(30573, MF_BYCOMMAND);
        return Choosing(30573, window);
    });
    runner.AnswerModal([](qf::CModalWindow& window) { return Choosing(100, window); });
    runner.AnswerModal([](qf::CModalWindow& window) { return Choosing(30728, window); });

    EXPECT_TRUE(popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 10, 10, &page));
    EXPECT_EQ(stateSeen, MF_CHECKED) << "the owner's update handlers ran before the popup showed";
    EXPECT_EQ(log, Log{"page 30573"}) << "the page, not the frame, handles its popup's choice";
    log.clear();
    EXPECT_TRUE(popup.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &page));
    EXPECT_EQ(log, Log{"view 100"}) << "what the page does not handle goes on to its owner's routing";
    log.clear();
    EXPECT_FALSE(popup.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &page)) << "a grey item cannot be chosen";
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(popup.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &page)) << "dismissed: no script left";
    EXPECT_EQ(runner.GetUnscriptedCount(), 1);

    // A control of the page is no menu: nothing it sends goes up.
    page.SendMessage(WM_COMMAND, MAKEWPARAM(1020, BN_CLICKED),
                     static_cast<LPARAM>(HandleToParam(page.GetSafeHwnd())));
    page.SendMessage(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED),
                     static_cast<LPARAM>(HandleToParam(page.GetSafeHwnd())));
    EXPECT_EQ(log, Log{"page button 1020"});
}

TEST_F(Routing, UnhandledMenuIdsReachTheFrameFallbackButAcceleratorsNever) {
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, 250, "plug-in 50");
    qf::CScriptedModalRunner runner;
    runner.AnswerModal([](qf::CModalWindow& window) { return Choosing(250, window); });
    popup.TrackPopupMenu(TPM_LEFTALIGN, 0, 0, &frame);
    Menu(230);
    Menu(150);
    EXPECT_EQ(frame.plugInIds, (std::vector<UINT>{250, 230})) << "ids below 200 are no plug-ins";

    frame.LoadAccelTable(IDR_MAINFRAME_JA);
    frame.codes.clear();
    EXPECT_TRUE(frame.TranslateAccelerator('A', true, false, &view)) << "Ctrl+A sends 30267";
    EXPECT_EQ(frame.codes, std::vector<UINT>{kAcceleratorCode});
    EXPECT_EQ(frame.plugInIds.size(), 2u) << "an unhandled accelerator command is no plug-in";
    EXPECT_TRUE(frame.TranslateAccelerator('C', false, false, &view));
    EXPECT_EQ(log, Log{"slot 30217"}) << "accelerators reach the ordinary command handlers";
}

TEST_F(Routing, AcceleratorsKeepOffWhileTheFocusIsInADialog) {
    TestPage page(&frame, &log);
    frame.LoadAccelTable(IDR_MAINFRAME_EN);
    EXPECT_FALSE(frame.TranslateAccelerator('1', false, false, &page)) << "a number field needs its digits";
    EXPECT_FALSE(frame.TranslateAccelerator('B', false, false, &page));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(frame.TranslateAccelerator('B', false, false, &view));
    EXPECT_TRUE(frame.TranslateAccelerator('Z', false, false, nullptr)) << "no focus: the frame's keys";
    EXPECT_EQ(log, (Log{"slot 30216", "slot 30240"}));
    EXPECT_FALSE(frame.TranslateAccelerator(VK_ESCAPE, false, false, &view)) << "not in the table";
}

TEST(AcceleratorTableTest, ModifiersMustMatchExactly) {
    CAcceleratorTable table;
    ASSERT_TRUE(table.Load(IDR_MAINFRAME_JA));
    EXPECT_EQ(table.Translate('A', false, false), 30215u);
    EXPECT_EQ(table.Translate('A', true, false), 30267u);
    EXPECT_EQ(table.Translate('A', false, true), 30241u);
    EXPECT_EQ(table.Translate('A', true, true), 30679u);
    EXPECT_EQ(table.Translate(VK_F1 + 4, false, false), 30301u);
    EXPECT_EQ(table.Translate(VK_NUMPAD0, false, false), 0u) << "the numeric pad has no slots";
    EXPECT_FALSE(table.Load(999));
}

TEST(MenuTest, ResourceMenusLoadInEitherLanguageWithTheirNesting) {
    for (const auto language : {ResourceLanguage::Japanese, ResourceLanguage::English}) {
        SetResourceLanguage(language);
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(189));
        ASSERT_EQ(menu.GetMenuItemCount(), 1);
        CMenu* actions = menu.GetSubMenu(0);
        ASSERT_NE(actions, nullptr);
        CString text;
        menu.GetMenuString(0, text, MF_BYPOSITION);
        EXPECT_EQ(text, "shortcut");
        ASSERT_EQ(actions->GetMenuItemCount(), 5);
        EXPECT_EQ(actions->GetMenuItemID(0), 0xFFFFFFFFu) << "a popup";
        EXPECT_EQ(actions->GetMenuState(3, MF_BYPOSITION), MF_SEPARATOR);
        EXPECT_EQ(actions->GetMenuItemID(4), 30505u);
        menu.GetMenuString(30045, text, MF_BYCOMMAND);
        EXPECT_EQ(text, "Setting") << "found by command deep in the sub-menus";
        EXPECT_EQ(menu.GetMenuString(30001, text, MF_BYCOMMAND), 0);
    }
    SetResourceLanguage(ResourceLanguage::Japanese);
    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(9999));
}

TEST(MenuTest, ItemsChangeByCommandAndByPosition) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(189));
    CMenu* actions = menu.GetSubMenu(0);
    CMenu* mouse = actions->GetSubMenu(2);
    ASSERT_NE(mouse, nullptr);

    EXPECT_TRUE(menu.ModifyMenu(30482, MF_BYCOMMAND | MF_STRING, 30482, "Popup Menu (R)"));
    CString text;
    mouse->GetSubMenu(2)->GetMenuString(30482, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "Popup Menu (R)");
    EXPECT_EQ(menu.CheckMenuItem(30482, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu.CheckMenuItem(30482, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(menu.EnableMenuItem(30482, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(menu.GetMenuState(30482, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(menu.EnableMenuItem(77777, MF_BYCOMMAND | MF_GRAYED), 0xFFFFFFFFu);

    // Items come and go around a sub-menu; its object stays the same.
    EXPECT_TRUE(actions->InsertMenu(0, MF_BYPOSITION | MF_STRING, 200, "plug-in"));
    EXPECT_TRUE(actions->InsertMenu(30505, MF_BYCOMMAND | MF_STRING, 201, "before None"));
    EXPECT_EQ(actions->GetMenuItemID(0), 200u);
    EXPECT_EQ(actions->GetSubMenu(3), mouse);
    EXPECT_EQ(actions->GetMenuItemID(5), 201u);
    EXPECT_EQ(actions->GetMenuItemID(6), 30505u);
    EXPECT_TRUE(actions->DeleteMenu(0, MF_BYPOSITION));
    EXPECT_TRUE(menu.DeleteMenu(201, MF_BYCOMMAND));
    EXPECT_FALSE(menu.DeleteMenu(201, MF_BYCOMMAND));
    EXPECT_EQ(actions->GetSubMenu(2), mouse);
    EXPECT_EQ(actions->GetMenuItemCount(), 5);

    // A popup appended to two menus is one popup.
    CMenu shared, first, second;
    shared.CreatePopupMenu();
    shared.AppendMenu(MF_STRING, 300, "one");
    first.CreateMenu();
    second.CreateMenu();
    first.AppendMenu(MF_POPUP, shared, "&A");
    second.AppendMenu(MF_POPUP, shared, "&B");
    shared.DestroyMenu();
    first.GetSubMenu(0)->ModifyMenu(0, MF_BYPOSITION | MF_STRING, 301, "changed");
    EXPECT_EQ(second.GetSubMenu(0)->GetMenuItemID(0), 301u);
}

TEST(ScriptedModalTest, DialogsRunThroughTheRunnerWithoutADisplay) {
    class NameDialog : public CDialog {
    public:
        NameDialog() : CDialog(120) {}
        CString m_name = "old";
    };
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "no runner: not shown, nothing changes";
    {
        qf::CScriptedModalRunner runner;
        runner.AnswerModal([](qf::CModalWindow& window) {
            dynamic_cast<NameDialog&>(window).m_name = "new";
            return IDOK;
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_name, "new");
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(runner.GetModalCount(), 2);
        EXPECT_EQ(runner.GetUnscriptedCount(), 1);
    }
    EXPECT_EQ(dialog.GetNativeWindow(), nullptr) << "no window was made";
}

TEST(FileDialogTest, FiltersDefaultExtensionAndReplacing) {
    const CFileDialog open(TRUE, "exe", "*.exe", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                           "exeﾌｧｲﾙ(*.exe)|*.exe||");
    ASSERT_EQ(open.GetFilters().size(), 1u);
    EXPECT_EQ(open.GetFilters()[0].first, "exeﾌｧｲﾙ(*.exe)");
    EXPECT_EQ(open.GetFilters()[0].second, "*.exe");
    const CFileDialog two(FALSE, nullptr, nullptr, 0, "POV-Ray(*.pov)|*.pov|All(*.*)|*.*||");
    EXPECT_EQ(two.GetFilters().size(), 2u);

    qf::test::TempDir dir;
    const CString existing = (dir.path() / "scene.pov").string();
    std::ofstream(existing.str()) << "old";
    qf::CScriptedModalRunner runner;
    runner.Answer(IDNO);
    runner.Answer(IDYES);
    CFileDialog save(FALSE, "pov", nullptr, OFN_OVERWRITEPROMPT, "POV-Ray(*.pov)|*.pov||");
    EXPECT_FALSE(save.AcceptPath((dir.path() / "scene").string()))
        << "the extension is added, the file exists";
    EXPECT_TRUE(save.GetPathName().IsEmpty());
    ASSERT_EQ(runner.GetRequests().size(), 1u);
    EXPECT_EQ(runner.GetRequests()[0].type, MB_YESNO | MB_ICONWARNING);
    EXPECT_GE(runner.GetRequests()[0].text.Find(existing.GetString()), 0);
    EXPECT_TRUE(save.AcceptPath(existing));
    EXPECT_EQ(save.GetPathName(), existing);
    EXPECT_EQ(save.GetFileName(), "scene.pov");
    EXPECT_EQ(save.GetFileExt(), "pov");
    EXPECT_TRUE(save.AcceptPath((dir.path() / "new.inc").string()))
        << "a name with its own extension keeps it";
    EXPECT_EQ(save.GetFileExt(), "inc");

    CFileDialog reopen(TRUE, "pov", nullptr, OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(reopen.AcceptPath(existing)) << "opening never asks about replacing";
    EXPECT_EQ(runner.GetRequests().size(), 2u);
}
