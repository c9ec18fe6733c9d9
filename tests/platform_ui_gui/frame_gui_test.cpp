// The main frame on screen: its bars and their layout, the tool bar's
// update handlers and clicks, the menu bar, accelerators from real keys,
// popups chosen with the keyboard, full screen.
#include "probe_wnd.h"

#include "platform/ui/common_dialogs.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/input.h"
#include "platform/ui/resource_lookup.h"
#include "resources/resource_tables.h"
#include "support/gui_test.h"

#include <gtest/gtest.h>
#include <string>
#include <wx/app.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

using qf::test::PumpEvents;
using qf::test::PumpUntil;
using qf::test::SimulatedMouse;

namespace {

using Log = std::vector<std::string>;

constexpr DWORD kBar = WS_CHILD;
constexpr DialogItemTemplate kBottomItems[] = {
    {DialogControl::Edit, 1063, "", 4, 4, 80, 12, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL},
};
constexpr DialogTemplate kTopBar{111, "", 300, 20, kBar, {}};
constexpr DialogTemplate kRightBar{113, "", 80, 200, kBar, {}};
constexpr DialogTemplate kLeftBar{101, "", 30, 200, kBar, {}};
constexpr DialogTemplate kBottomBar{115, "", 300, 20, kBar, kBottomItems};

class TestView : public CView {
public:
    explicit TestView(Log* log) : m_log(log) {}
    void OnSlot(UINT id) { m_log->push_back("slot " + std::to_string(id)); }

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map =
            CommandMapFor<TestView>(CView::GetCommandMap()).OnCommandRange(30215, 30726, &TestView::OnSlot);
        return map;
    }

private:
    Log* m_log;
};

class TestFrame : public CFrameWnd {
public:
    explicit TestFrame(Log* log) : m_log(log) {}
    void OnNew() { m_log->push_back("new"); }
    void OnOpen() { m_log->push_back("open"); }
    void OnUpdateOpen(CCmdUI* ui) { ui->Enable(openEnabled); }
    void OnUpdateUndo(CCmdUI* ui) { ui->SetCheck(undoChecked); }

    BOOL openEnabled = FALSE;
    int undoChecked = 1;
    int initMenus = 0;
    std::vector<UINT> codes;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        codes.push_back(HIWORD(wParam));
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    void OnInitMenu(CMenu* menu) override {
        ++initMenus;
        // As the main frame does with Edit > Undo.
        menu->ModifyMenu(57643, MF_BYCOMMAND | MF_STRING, 57643, "元に戻す(&U) 移動");
        CFrameWnd::OnInitMenu(menu);
    }
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMapFor<TestFrame>(CFrameWnd::GetCommandMap())
                                          .OnCommand(57600, &TestFrame::OnNew)
                                          .OnCommand(57601, &TestFrame::OnOpen)
                                          .OnUpdateCommandUI(57601, &TestFrame::OnUpdateOpen)
                                          .OnUpdateCommandUI(57643, &TestFrame::OnUpdateUndo);
        return map;
    }

private:
    Log* m_log;
};

CRect RectIn(const CWnd& parent, const CWnd& child) {
    CRect r;
    child.GetWindowRect(&r);
    parent.ScreenToClient(&r);
    return r;
}

struct MainFrame : ::testing::Test {
    Log log;
    TestFrame frame{&log};
    TestView view{&log};
    CStatusBar status;
    CToolBar tools;
    CDialogBar top, right, left, bottom;

    void SetUp() override {
        SetResourceLanguage(ResourceLanguage::Japanese);
        ASSERT_TRUE(frame.Create("frame", WS_VISIBLE, CRect(40, 40, 840, 640), nullptr, 0));
        const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                   ID_INDICATOR_SCRL};
        ASSERT_TRUE(status.Create(&frame));
        ASSERT_TRUE(status.SetIndicators(indicators, 5));
        top.UseTemplate(kTopBar);
        ASSERT_TRUE(top.Create(&frame, 111, CBRS_TOP, 111));
        ASSERT_TRUE(tools.Create(&frame));
        ASSERT_TRUE(tools.LoadToolBar(103));
        right.UseTemplate(kRightBar);
        ASSERT_TRUE(right.Create(&frame, 113, CBRS_RIGHT, 113));
        left.UseTemplate(kLeftBar);
        ASSERT_TRUE(left.Create(&frame, 101, CBRS_LEFT, 101));
        bottom.UseTemplate(kBottomBar);
        ASSERT_TRUE(bottom.Create(&frame, 115, CBRS_BOTTOM, 115));
        tools.SetBarStyle(tools.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
        ASSERT_TRUE(view.Create("", WS_CHILD | WS_VISIBLE, CRect(), &frame, AFX_IDW_PANE_FIRST));
        frame.SetActiveView(&view);
        frame.LoadAccelTable(IDR_MAINFRAME_JA);
        frame.RecalcLayout();
        static_cast<wxFrame*>(frame.GetNativeWindow())->Raise();
        ASSERT_TRUE(PumpUntil([&] { return frame.GetNativeWindow()->IsShownOnScreen(); }));
        PumpEvents(100);
    }
    void TearDown() override { frame.DestroyWindow(); }

    wxToolBar& NativeTools() { return *static_cast<wxToolBar*>(tools.GetNativeWindow()); }
    // What GTK tells wx when the pointer enters a button and when it clicks
    // it (GTK's tool bar does not say where its buttons are, so a real
    // click cannot be aimed); a click toggles a check button first.
    void PointAt(int position) {
        wxCommandEvent enter(wxEVT_TOOL_ENTER, NativeTools().GetId());
        enter.SetEventObject(&NativeTools());
        enter.SetInt(NativeTools().GetToolByPos(position)->GetId());
        NativeTools().ProcessWindowEvent(enter);
    }
    void Click(int position) {
        wxToolBarToolBase* tool = NativeTools().GetToolByPos(position);
        if (!tool->IsEnabled())
            return;
        NativeTools().ToggleTool(tool->GetId(), !tool->IsToggled());
        wxCommandEvent click(wxEVT_TOOL, tool->GetId());
        click.SetEventObject(&NativeTools());
        click.SetInt(tool->IsToggled());
        NativeTools().ProcessWindowEvent(click);
    }
};

using FrameGuiTest = MainFrame;

} // namespace

TEST_F(FrameGuiTest, BarsTakeTheirSidesInTheOrderTheyWereMade) {
    CRect client;
    frame.GetClientRect(&client);
    const CRect statusRect = RectIn(frame, status);
    EXPECT_EQ(statusRect.bottom, client.bottom);
    EXPECT_EQ(statusRect.Width(), client.Width());
    const CRect topRect = RectIn(frame, top);
    EXPECT_EQ(topRect, CRect(0, 0, client.Width(), 30)) << "20 dialog units high";
    const CRect toolRect = RectIn(frame, tools);
    EXPECT_EQ(toolRect.top, topRect.bottom) << "the tool bar, made later, stands below";
    const CRect rightRect = RectIn(frame, right);
    EXPECT_EQ(rightRect, CRect(client.right - 120, toolRect.bottom, client.right, statusRect.top));
    const CRect leftRect = RectIn(frame, left);
    EXPECT_EQ(leftRect, CRect(0, toolRect.bottom, 45, statusRect.top));
    const CRect bottomRect = RectIn(frame, bottom);
    EXPECT_EQ(bottomRect, CRect(45, statusRect.top - 30, rightRect.left, statusRect.top));
    EXPECT_EQ(RectIn(frame, view), CRect(45, toolRect.bottom, rightRect.left, bottomRect.top))
        << "the pane fills what the bars leave";

    frame.ShowControlBar(&right, FALSE, FALSE);
    EXPECT_FALSE(right.IsWindowVisible());
    EXPECT_EQ(RectIn(frame, view).right, client.right);
    frame.ShowControlBar(&right, TRUE, FALSE);
    EXPECT_EQ(RectIn(frame, view).right, rightRect.left);
}

TEST_F(FrameGuiTest, ToolBarButtonsFollowTheirUpdateHandlersAndSendCommands) {
    frame.OnIdleUpdateCmdUI();
    EXPECT_EQ(tools.GetCount(), 8);
    EXPECT_EQ(tools.GetItemID(1), 57601u);
    EXPECT_EQ(tools.GetItemID(3), 0u) << "a separator";
    EXPECT_FALSE(tools.IsButtonEnabled(57601));
    EXPECT_FALSE(NativeTools().GetToolByPos(1)->IsEnabled());
    EXPECT_TRUE(tools.IsButtonEnabled(57600)) << "no handler: enabled";
    EXPECT_TRUE(tools.IsButtonChecked(57643));
    EXPECT_TRUE(NativeTools().GetToolByPos(8)->IsToggled());
    EXPECT_EQ(NativeTools().GetToolByPos(1)->GetShortHelp(), wxString::FromUTF8("開く"));

    PointAt(1);
    EXPECT_EQ(status.GetPaneText(0), "ファイルを開く") << "the pointed-at button's prompt";
    Click(1);
    EXPECT_TRUE(log.empty()) << "a disabled button sends nothing";

    frame.openEnabled = TRUE;
    frame.undoChecked = 0;
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(NativeTools().GetToolByPos(1)->IsEnabled()) << "updated while idle";
    EXPECT_FALSE(NativeTools().GetToolByPos(8)->IsToggled());
    Click(0);
    Click(1);
    EXPECT_EQ(log, (Log{"new", "open"}));
    EXPECT_FALSE(NativeTools().GetToolByPos(0)->IsToggled()) << "a plain button does not stay down";
    EXPECT_EQ(frame.codes, (std::vector<UINT>{0, 0}));
}

TEST_F(FrameGuiTest, StatusBarShowsReadyAndItsIndicators) {
    EXPECT_EQ(status.GetPaneText(0), "レディ");
    EXPECT_EQ(status.CommandToIndex(ID_INDICATOR_CAPS), 2);
    EXPECT_EQ(status.GetPaneText(2), "") << "Caps Lock is off";
    frame.SetMessageText("drag start [cube]");
    EXPECT_EQ(status.GetPaneText(0), "drag start [cube]");
}

TEST_F(FrameGuiTest, MenuBarOpensWithItsUpdateHandlersAndNeverShowsShortcuts) {
    CMenu file, bar;
    file.CreatePopupMenu();
    file.AppendMenu(MF_STRING, 57600, "新規(&N)\tCtrl+N");
    file.AppendMenu(MF_STRING, 57601, "開く(&O)");
    file.AppendMenu(MF_SEPARATOR);
    file.AppendMenu(MF_STRING, 57643, "元に戻す(&U)");
    bar.CreateMenu();
    bar.AppendMenu(MF_POPUP, file, "ﾌｧｲﾙ(&F)");
    file.DestroyMenu();
    frame.SetMenu(&bar);
    bar.Detach();
    auto& native = *static_cast<wxFrame*>(frame.GetNativeWindow());
    ASSERT_NE(native.GetMenuBar(), nullptr);
    ASSERT_EQ(native.GetMenuBar()->GetMenuCount(), 1u);
    EXPECT_EQ(native.GetMenuBar()->GetMenuLabel(0), wxString::FromUTF8("ﾌｧｲﾙ(&F)"));
    wxMenu* menu = native.GetMenuBar()->GetMenu(0);
    wxMenuItem* newItem = menu->FindItemByPosition(0);
    EXPECT_EQ(newItem->GetAccel(), nullptr) << "wx must not take a shortcut from the label";
    EXPECT_EQ(newItem->GetItemLabel(), wxString::FromUTF8("新規(&N)"));

    wxMenuEvent open(wxEVT_MENU_OPEN, 0, menu);
    native.ProcessWindowEvent(open);
    // The menu may have been filled anew: its items are fetched again.
    newItem = menu->FindItemByPosition(0);
    EXPECT_EQ(frame.initMenus, 1);
    EXPECT_FALSE(menu->FindItemByPosition(1)->IsEnabled()) << "greyed by its update handler";
    EXPECT_TRUE(newItem->IsEnabled()) << "no handler: enabled";
    wxMenuItem* undo = menu->FindItemByPosition(3);
    EXPECT_TRUE(undo->IsChecked());
    EXPECT_EQ(undo->GetItemLabel(), wxString::FromUTF8("元に戻す(&U) 移動")) << "changed at WM_INITMENU";

    wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, newItem->GetId(), menu);
    native.ProcessWindowEvent(highlight);
    EXPECT_EQ(status.GetPaneText(0), "新規作成");
    wxMenuEvent close(wxEVT_MENU_CLOSE, 0, menu);
    native.ProcessWindowEvent(close);
    EXPECT_EQ(status.GetPaneText(0), "レディ");

    wxCommandEvent choose(wxEVT_MENU, newItem->GetId());
    native.ProcessWindowEvent(choose);
    EXPECT_EQ(log, Log{"new"});
    EXPECT_EQ(frame.codes, std::vector<UINT>{0});

    frame.SetMenu(nullptr);
    EXPECT_EQ(native.GetMenuBar(), nullptr);
    EXPECT_EQ(frame.GetMenu(), nullptr);
}

TEST_F(FrameGuiTest, TheRealMenuBarOpensFromItsMnemonicEachTimeUpToDate) {
    CMenu file, bar;
    file.CreatePopupMenu();
    file.AppendMenu(MF_STRING, 57600, "&New");
    file.AppendMenu(MF_STRING, 57643, "&Undo");
    bar.CreateMenu();
    bar.AppendMenu(MF_POPUP, file, "&File");
    frame.SetMenu(&bar);
    PumpEvents(100);
    SimulatedMouse keys;
    keys.MoveTo(view, CPoint(20, 20));
    view.SetFocus();
    wxMenu* menu = static_cast<wxFrame*>(frame.GetNativeWindow())->GetMenuBar()->GetMenu(0);
    // The check mark comes and goes, so the menu is filled anew while GTK opens it.
    for (const int check : {1, 0, 1}) {
        frame.undoChecked = check;
        keys.Sim().Char('f', wxMOD_ALT);
        PumpEvents(200);
        EXPECT_EQ(menu->FindItemByPosition(1)->IsCheckable() && menu->FindItemByPosition(1)->IsChecked(),
                  check == 1);
        keys.Sim().Char(WXK_RETURN);
        PumpEvents(200);
    }
    EXPECT_EQ(frame.initMenus, 3);
    EXPECT_EQ(log, (Log{"new", "new", "new"})) << "Enter chose the first item each time";
    EXPECT_EQ(status.GetPaneText(0), "レディ") << "the prompt goes when the menu closes";
}

TEST_F(FrameGuiTest, KeysBecomeSlotCommandsUnlessTheFocusIsInABar) {
    SimulatedMouse keys;
    keys.MoveTo(view, CPoint(20, 20));
    view.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &view; }));
    keys.Sim().Char('a');
    keys.Sim().Char('1', wxMOD_SHIFT);
    keys.Sim().Char(WXK_F10, wxMOD_CONTROL | wxMOD_SHIFT);
    keys.Sim().Char(WXK_DOWN);
    PumpEvents(100);
    EXPECT_EQ(log, (Log{"slot 30215", "slot 30369", "slot 30705", "slot 30311"}));
    EXPECT_EQ(frame.codes, (std::vector<UINT>(4, kAcceleratorCode)));

    log.clear();
    CWnd* field = bottom.GetDlgItem(1063);
    keys.MoveTo(*field, CPoint(5, 5));
    field->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == field; }));
    keys.Sim().Char('a');
    keys.Sim().Char('7');
    PumpEvents(100);
    EXPECT_TRUE(log.empty()) << "the bar's field takes its keys";
    CString typed;
    field->GetWindowText(typed);
    EXPECT_EQ(typed, "a7");
}

TEST_F(FrameGuiTest, PopupChoiceWithTheKeyboardGoesToItsOwner) {
    CWxModalRunner runner;
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, 57601, "greyed by the frame");
    popup.AppendMenu(MF_STRING, 57600, "new");
    frame.openEnabled = FALSE;
    SimulatedMouse keys;
    wxTheApp->CallAfter([&] {
        PumpEvents(200);
        keys.Sim().Char(WXK_DOWN);
        keys.Sim().Char(WXK_RETURN);
    });
    CPoint at(300, 300);
    view.ClientToScreen(&at);
    EXPECT_TRUE(popup.TrackPopupMenu(TPM_RIGHTALIGN | TPM_RIGHTBUTTON, at.x, at.y, &frame));
    EXPECT_EQ(log, Log{"new"}) << "the grey first item is skipped";
}

TEST_F(FrameGuiTest, FullScreenComesAndGoesWithTheFrameStyleAndKeepsTheKeys) {
    CRect windowed;
    frame.GetWindowRect(&windowed);
    frame.ModifyStyle(WS_CAPTION | WS_THICKFRAME, 0);
    const wxRect screen = wxDisplay(0u).GetGeometry();
    ASSERT_TRUE(PumpUntil([&] {
        CRect r;
        frame.GetWindowRect(&r);
        return r == CRect(screen.x, screen.y, screen.GetRight() + 1, screen.GetBottom() + 1);
    })) << "the frame covers the screen";
    // Without caption or menu bar the keys still reach the frame's commands.
    frame.SetMenu(nullptr);
    SimulatedMouse keys;
    keys.MoveTo(view, CPoint(20, 20));
    view.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &view; }));
    keys.Sim().Char(WXK_F5);
    PumpEvents(100);
    EXPECT_EQ(log, (Log{"slot 30301"}));
    frame.ModifyStyle(0, WS_CAPTION | WS_THICKFRAME);
    EXPECT_TRUE(PumpUntil([&] {
        CRect r;
        frame.GetWindowRect(&r);
        return r == windowed;
    })) << "and returns to its window";
}
