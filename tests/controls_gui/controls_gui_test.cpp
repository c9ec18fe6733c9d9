// The custom controls on screen, driven with real input: the panel that
// scrolls by dragging its background, group headers, number fields with
// their spins and slider, the colour swatch, the tab strip and the bar
// buttons; and one panel with every control photographed in both languages.
#include "app/app_state.h"
#include "controls_gui/test_panel.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/cursor.h"
#include "platform/ui/menu.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/screen_image.h"
#include "platform/ui/sys_color.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/gui_modal.h"

#include <chrono>
#include <gtest/gtest.h>

using namespace qf::test;

namespace {

CRect PlaceOf(const CWnd& wnd) {
    CRect r;
    wnd.GetRectInParent(&r);
    return r;
}

void Click(SimulatedMouse& mouse, const CWnd& wnd, CPoint at) {
    mouse.MoveTo(wnd, at);
    mouse.Down();
    mouse.Up();
}

class ControlsGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay())
            GTEST_SKIP() << "no display";
    }
    void TearDown() override {
        GetAppState().m_english = 1;
        SetResourceLanguage(ResourceLanguage::Japanese);
    }
};

} // namespace

TEST_F(ControlsGuiTest, OnePanelHoldsEveryControlInEitherLanguage) {
    for (const bool english : {false, true}) {
        GetAppState().m_english = english ? 1 : 0;
        SetResourceLanguage(english ? ResourceLanguage::English : ResourceLanguage::Japanese);
        PanelHost host(420);
        TestPanel& panel = host.panel;
        CString caption;
        panel.numbersGroup.GetWindowText(caption);
        EXPECT_EQ(caption, english ? "Numbers" : "数値");
        EXPECT_EQ(panel.tabs.GetItemCount(), 3);
        CString text;
        panel.angle.GetWindowText(text);
        EXPECT_EQ(text, "89.500");
        EXPECT_EQ(panel.levelSpin.GetPos(), 3) << "the field moved its buddies";
        EXPECT_EQ(panel.meter.GetPos(), 3);
        EXPECT_EQ(PlaceOf(panel.numbersGroup).Height(), 20) << "a header is 20 pixels high";
        CRect client;
        panel.GetClientRect(&client);
        EXPECT_EQ(PlaceOf(panel.swatchGroup).Width(), client.Width()) << "across the whole panel";
        PumpEvents(200);
        EXPECT_FALSE(
            SaveScreenPicture(host.frame, english ? "controls_panel_en.png" : "controls_panel_ja.png")
                .empty());
    }
}

TEST_F(ControlsGuiTest, APanelDraggedByItsBackgroundScrollsAndWrapsTheCursor) {
    PanelHost host(150);
    TestPanel& panel = host.panel;
    const int content = panel.GetContentHeight();
    ASSERT_EQ(content, DialogUnitsToPixels(CRect(0, 0, 200, 300)).Height());
    const int groupTop = PlaceOf(panel.swatchGroup).top;
    CRect screen;
    panel.GetWindowRect(&screen);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_LT(screen.top, 100) << "the panel stands near the screen's top";

    SimulatedMouse mouse;
    mouse.MoveTo(panel, CPoint(280, 100));
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_PANEL_HAND)) << "an open hand over the background";
    mouse.Down();
    EXPECT_TRUE(panel.IsDragging());
    ASSERT_NE(LoadCursor(IDC_PANEL_DRAG), nullptr);
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_PANEL_DRAG)) << "the gripping hand while dragging";
    mouse.MoveTo(panel, CPoint(280, 40));
    EXPECT_EQ(panel.GetScrollOffset(), 60);
    // Up past the screen's top edge: the cursor continues from the bottom.
    mouse.Sim().MouseMove(screen.left + 280, 2);
    PumpEvents(60);
    EXPECT_EQ(host.cursorAtNotification.y, screenHeight - 5) << "wrapped to the bottom";
    const int beforeWrap = panel.GetScrollOffset();
    EXPECT_EQ(beforeWrap, 60 + (40 + screen.top - 2));
    mouse.Sim().MouseMove(screen.left + 280, screenHeight - 5 - 30);
    PumpEvents(60);
    EXPECT_EQ(panel.GetScrollOffset(), beforeWrap + 30) << "no jump across the wrap";
    EXPECT_EQ(PlaceOf(panel.swatchGroup).top, groupTop - panel.GetScrollOffset())
        << "the controls moved along";
    EXPECT_EQ(host.levelBar.GetPos(), panel.GetScrollOffset());
    EXPECT_GE(host.scrollNotifications, 3);

    // Far up: the content's bottom stops at the client's bottom.
    for (int i = 0; i < 6; ++i) {
        mouse.Sim().MouseMove(screen.left + 280, 600 - i * 60);
        PumpEvents(30);
    }
    EXPECT_EQ(panel.GetScrollOffset(), content - 150);
    mouse.Up();
    EXPECT_FALSE(panel.IsDragging());

    // Dragging down past the top stops with the content's top at the client top.
    mouse.MoveTo(panel, CPoint(280, 10));
    mouse.Down();
    for (int y = 100; y <= 900; y += 200)
        mouse.MoveTo(panel, CPoint(280, y));
    mouse.Up();
    EXPECT_EQ(panel.GetScrollOffset(), 0);
    EXPECT_EQ(PlaceOf(panel.swatchGroup).top, groupTop);
}

TEST_F(ControlsGuiTest, GrowingAScrolledPanelAndEnterOrEscapeInIt) {
    PanelHost host(150);
    TestPanel& panel = host.panel;
    const int content = panel.GetContentHeight();
    SimulatedMouse mouse;
    for (int drag = 0; drag < 2; ++drag) {
        mouse.MoveTo(panel, CPoint(295, 140));
        mouse.Down();
        for (int y = 120; y >= -40; y -= 40)
            mouse.MoveTo(panel, CPoint(295, y));
        mouse.Up();
    }
    ASSERT_EQ(panel.GetScrollOffset(), content - 150);
    CRect r;
    panel.GetClientRect(&r);
    panel.MoveWindow(10, 10, r.Width(), 200);
    EXPECT_EQ(panel.GetScrollOffset(), content - 200) << "the content follows: no empty band below it";
    panel.MoveWindow(10, 10, r.Width(), content + 40);
    EXPECT_EQ(panel.GetScrollOffset(), 0) << "the whole content fits again";

    Click(mouse, panel.level, CPoint(10, 8));
    for (const int key : {WXK_RETURN, WXK_ESCAPE}) {
        mouse.Sim().Char(key);
        PumpEvents(50);
    }
    EXPECT_TRUE(panel.IsWindowVisible()) << "Enter and Escape leave the panel open";
    EXPECT_EQ(panel.level.GetInt(), 3);
}

TEST_F(ControlsGuiTest, AGroupHeaderFoldsAndTheControlsBelowMoveUp) {
    PanelHost host(420);
    TestPanel& panel = host.panel;
    const int content = panel.GetContentHeight();
    const int extent = panel.numbersGroup.GetExtent();
    ASSERT_EQ(extent, PlaceOf(panel.swatchGroup).top - PlaceOf(panel.numbersGroup).top);
    EXPECT_EQ(panel.numbersGroup.GetMemberCount(), 7) << "two labels, two fields, two spins, the slider";
    const int swatchTop = PlaceOf(panel.swatchGroup).top;
    const int colourTop = PlaceOf(panel.colour).top;
    SimulatedMouse mouse;

    Click(mouse, panel.numbersGroup, CPoint(60, 10));
    EXPECT_FALSE(panel.numbersGroup.IsExpanded());
    EXPECT_FALSE(panel.angle.IsWindowVisible());
    EXPECT_FALSE(panel.meter.IsWindowVisible());
    EXPECT_EQ(PlaceOf(panel.swatchGroup).top, swatchTop - (extent - 20));
    EXPECT_EQ(PlaceOf(panel.colour).top, colourTop - (extent - 20));
    EXPECT_EQ(panel.GetContentHeight(), content - (extent - 20));
    EXPECT_EQ(host.scrollNotifications, 1) << "the page was told";
    EXPECT_EQ(panel.Count(idNumbersGroup, 0, false), 1) << "WM_COMMAND (header id, 0)";
    EXPECT_EQ(panel.Count(idNumbersGroup, BN_CLICKED, true), 1) << "then the ordinary click";
    PumpEvents(100);
    EXPECT_FALSE(SaveScreenPicture(host.frame, "controls_group_folded.png").empty());

    Click(mouse, panel.numbersGroup, CPoint(60, 10));
    EXPECT_TRUE(panel.numbersGroup.IsExpanded());
    EXPECT_TRUE(panel.angle.IsWindowVisible());
    EXPECT_EQ(PlaceOf(panel.swatchGroup).top, swatchTop);
    EXPECT_EQ(panel.GetContentHeight(), content);

    // A double click folds and unfolds: each release toggles, the second press is ignored.
    mouse.MoveTo(panel.buttonsGroup, CPoint(60, 10));
    mouse.DoubleClick();
    PumpEvents(100);
    EXPECT_TRUE(panel.buttonsGroup.IsExpanded());
    EXPECT_EQ(panel.Count(idButtonsGroup, 0, false), 2);
    EXPECT_TRUE(panel.drop.IsWindowVisible());
}

TEST_F(ControlsGuiTest, ANumberFieldTakesDigitsClampsAndCommitsOnce) {
    PanelHost host(420);
    TestPanel& panel = host.panel;
    SimulatedMouse mouse;
    Click(mouse, panel.level, CPoint(10, 8));
    panel.level.SetSel(0, -1);
    mouse.Sim().Text("5a.0");
    PumpEvents(60);
    CString typed;
    panel.level.GetWindowText(typed);
    EXPECT_EQ(typed, "50") << "a letter and a decimal point are dropped in integer mode";
    panel.commands.clear();
    Click(mouse, panel.angle, CPoint(10, 8));
    CString shown;
    panel.level.GetWindowText(shown);
    EXPECT_EQ(shown, "10");
    EXPECT_EQ(panel.level.GetInt(), 10);
    EXPECT_EQ(panel.Count(idLevel, EN_KILLFOCUS, true), 1);
    EXPECT_EQ(panel.meter.GetPos(), 10) << "the slider follows";

    // Leaving a field that was not changed tells nobody; neither does text that is no number.
    panel.commands.clear();
    Click(mouse, panel.level, CPoint(10, 8));
    Click(mouse, panel.angle, CPoint(10, 8));
    panel.level.SetWindowText("12abc");
    Click(mouse, panel.level, CPoint(10, 8));
    Click(mouse, panel.angle, CPoint(10, 8));
    EXPECT_EQ(panel.Count(idLevel, EN_KILLFOCUS, true), 0);
    panel.level.GetWindowText(shown);
    EXPECT_EQ(shown, "10") << "the stored value is shown again";

    // The panel showing its stored values again while the user types leaves
    // his entry alone; leaving the field commits it over the value set.
    Click(mouse, panel.level, CPoint(10, 8));
    panel.level.SetSel(0, -1);
    mouse.Sim().Text("7");
    PumpEvents(60);
    panel.commands.clear();
    panel.level.SetInt(2);
    panel.level.GetWindowText(shown);
    EXPECT_EQ(shown, "7");
    EXPECT_EQ(panel.meter.GetPos(), 2) << "the buddies show the value set";
    Click(mouse, panel.angle, CPoint(10, 8));
    EXPECT_EQ(panel.level.GetInt(), 7);
    EXPECT_EQ(panel.Count(idLevel, EN_KILLFOCUS, true), 1);

    // Disabling the field disables its buddies.
    panel.level.EnableWindow(FALSE);
    EXPECT_FALSE(panel.levelSpin.IsWindowEnabled());
    EXPECT_FALSE(panel.meter.IsWindowEnabled());
}

TEST_F(ControlsGuiTest, ASpinClickStepsOnceAndHoldingRepeatsAfter500msThenEvery100ms) {
    PanelHost host(420);
    TestPanel& panel = host.panel;
    SimulatedMouse mouse;
    panel.commands.clear();
    Click(mouse, panel.levelSpin, CPoint(6, 3));
    PumpEvents(50);
    EXPECT_EQ(panel.level.GetInt(), 4);
    EXPECT_EQ(panel.Count(idLevelSpin, 0, false), 1) << "one posted WM_COMMAND";
    EXPECT_EQ(panel.Count(idLevel, EN_KILLFOCUS, true), 1) << "one buddy update";

    // Holding the lower half: the value goes down once per repeat and once more on release.
    panel.level.SetInt(10);
    std::vector<double> repeats;
    panel.commands.clear();
    host.frame.ClearLog();
    mouse.MoveTo(panel.levelSpin, CPoint(6, 15));
    const auto pressed = std::chrono::steady_clock::now();
    mouse.Down();
    size_t seen = 0;
    while (std::chrono::steady_clock::now() - pressed < std::chrono::milliseconds(820)) {
        PumpEvents(5);
        for (; seen < panel.commands.size(); ++seen)
            if (panel.commands[seen].id == idLevelSpin && !panel.commands[seen].fromControl)
                repeats.push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pressed)
                        .count());
    }
    mouse.Up();
    PumpEvents(50);
    ASSERT_GE(repeats.size(), 2u);
    EXPECT_GE(repeats[0], 450.0) << "the first repeat comes 500 ms after the press";
    EXPECT_LE(repeats[0], 700.0);
    for (size_t i = 1; i < repeats.size(); ++i) {
        EXPECT_GE(repeats[i] - repeats[i - 1], 60.0) << i;
        EXPECT_LE(repeats[i] - repeats[i - 1], 220.0) << i;
    }
    EXPECT_EQ(panel.level.GetInt(), 10 - static_cast<int>(repeats.size()) - 1);
}

TEST_F(ControlsGuiTest, DraggingOutOfASpinHalfChangesTheValueByThePixel) {
    PanelHost host(420);
    TestPanel& panel = host.panel;
    panel.level.SetRange(0, 100);
    panel.level.SetInt(5);
    SimulatedMouse mouse;
    mouse.MoveTo(panel.levelSpin, CPoint(6, 3));
    mouse.Down();
    mouse.MoveTo(panel.levelSpin, CPoint(6, -2));
    EXPECT_TRUE(panel.levelSpin.IsDragging());
    mouse.MoveTo(panel.levelSpin, CPoint(6, -12));
    mouse.Up();
    EXPECT_EQ(panel.level.GetInt(), 15);

    // A float spin drags by its drag step (10 float steps of 0.001 per pixel).
    mouse.MoveTo(panel.angleSpin, CPoint(6, 3));
    mouse.Down();
    mouse.MoveTo(panel.angleSpin, CPoint(6, -2));
    mouse.MoveTo(panel.angleSpin, CPoint(6, -22));
    mouse.Up();
    EXPECT_NEAR(panel.angle.GetFloat(), 89.7f, 1e-4);
}

TEST_F(ControlsGuiTest, ASliderClickAt55Of100Gives5Or5Point5) {
    PanelHost host(420);
    TestPanel& panel = host.panel;
    const CRect place = PlaceOf(panel.meter);
    panel.meter.MoveWindow(place.left, place.top, 100, place.Height());
    SimulatedMouse mouse;
    panel.commands.clear();
    Click(mouse, panel.meter, CPoint(55, 5));
    EXPECT_EQ(panel.level.GetInt(), 5);
    CString shown;
    panel.level.GetWindowText(shown);
    EXPECT_EQ(shown, "5");
    EXPECT_EQ(panel.Count(idMeter, 0, false), 1) << "sent on the press only";
    EXPECT_EQ(panel.levelSpin.GetPos(), 5);

    panel.level.SetFloatMode(TRUE);
    panel.level.SetRangeF(0.0f, 10.0f);
    panel.level.SetDecimals(1);
    Click(mouse, panel.meter, CPoint(55, 5));
    EXPECT_FLOAT_EQ(panel.level.GetFloat(), 5.5f);
    panel.level.GetWindowText(shown);
    EXPECT_EQ(shown, "5.5");

    // Dragging left of the slider gives the minimum, one WM_COMMAND per move.
    panel.commands.clear();
    mouse.MoveTo(panel.meter, CPoint(80, 5));
    mouse.Down();
    mouse.MoveTo(panel.meter, CPoint(30, 5));
    mouse.MoveTo(panel.meter, CPoint(-20, 5));
    mouse.Up();
    EXPECT_FLOAT_EQ(panel.level.GetFloat(), 0.0f);
    EXPECT_EQ(panel.Count(idMeter, 0, false), 3);
}

TEST_F(ControlsGuiTest, TheColourSwatchCommitsOnlyAnAcceptedColour) {
    PanelHost host(420);
    TestPanel& panel = host.panel;
    qf::CScriptedModalRunner runner;
    SimulatedMouse mouse;
    panel.commands.clear();
    runner.AnswerModal(IDCANCEL);
    Click(mouse, panel.colour, CPoint(8, 8));
    EXPECT_EQ(panel.colour.GetColor(), RGB(200, 60, 40));
    EXPECT_EQ(panel.colourCommits, 0)
        << "Cancel commits nothing, and the click itself never reaches the panel";
    runner.AnswerModal([](qf::CModalWindow& window) {
        auto& dialog = dynamic_cast<CColorDialog&>(window);
        EXPECT_EQ(dialog.GetColor(), RGB(200, 60, 40)) << "opens with the swatch's colour";
        EXPECT_TRUE(dialog.m_cc.Flags & CC_FULLOPEN);
        dialog.SetColor(RGB(10, 20, 30));
        return IDOK;
    });
    Click(mouse, panel.colour, CPoint(8, 8));
    EXPECT_EQ(panel.colour.GetColor(), RGB(10, 20, 30));
    EXPECT_EQ(panel.Count(idColour, 0, false), 1);
    EXPECT_EQ(panel.colourCommits, 1);
}

TEST_F(ControlsGuiTest, TheTabStripTellsOnlyAChangeOfTab) {
    PanelHost host(420);
    TestPanel& panel = host.panel;
    const auto middleOf = [&](int tab) {
        const TabPlace place = panel.tabs.GetItemPlace(tab);
        return CPoint(place.x + place.width / 2, 12);
    };
    SimulatedMouse mouse;
    panel.commands.clear();
    Click(mouse, panel.tabs, middleOf(0));
    EXPECT_EQ(panel.Count(idTabs, BN_CLICKED, true), 0) << "the current tab";
    Click(mouse, panel.tabs, middleOf(2));
    EXPECT_EQ(panel.Count(idTabs, BN_CLICKED, true), 1);
    EXPECT_EQ(panel.tabs.GetCurSel(), 2);
    mouse.MoveTo(panel.tabs, middleOf(1));
    mouse.Down();
    mouse.MoveTo(panel.tabs, middleOf(0));
    mouse.Up();
    EXPECT_EQ(panel.tabs.GetCurSel(), 2) << "pressed on one tab, released over another";
    EXPECT_EQ(panel.Count(idTabs, BN_CLICKED, true), 1);

    // A strip without tabs draws its base line and no current tab.
    CTabStrip empty;
    ASSERT_TRUE(
        empty.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 470, 210, 495), &host.frame, 300));
    empty.RedrawWindow();
    PumpEvents(50);
    const CPixelImage picture = CaptureClientImage(empty);
    EXPECT_EQ(picture.At(40, 10), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(picture.At(40, 25 - 2), RGB(0, 0, 0)) << "the base line, 2 pixels above the bottom";
}

TEST_F(ControlsGuiTest, TheDropButtonSendsItsCommandOrOpensTheMenuOfTheLanguage) {
    PanelHost host(420);
    TestPanel& panel = host.panel;
    ProbeWnd target("target");
    target.Create("", WS_CHILD, CRect(0, 0, 4, 4), &host.frame, 300);
    panel.drop.SetTarget(&target);
    panel.drop.SetPopupMode(FALSE);
    panel.drop.SetCommand(30517);
    SimulatedMouse mouse;
    Click(mouse, panel.drop, CPoint(20, 10));
    const std::vector<ProbeMessage> sent = target.Received(WM_COMMAND);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].wParam, MAKEWPARAM(30517, 0));
    EXPECT_EQ(sent[0].lParam, 0);
    EXPECT_EQ(panel.Count(idDrop, BN_CLICKED, true), 1);
    panel.drop.SetActive(FALSE);
    Click(mouse, panel.drop, CPoint(20, 10));
    EXPECT_EQ(target.Received(WM_COMMAND).size(), 1u) << "an inactive button only redraws";

    qf::CScriptedModalRunner runner;
    panel.drop.SetActive(TRUE);
    panel.drop.SetPopupMode(TRUE);
    for (const int english : {0, 1}) {
        GetAppState().m_english = english;
        runner.AnswerModal([english, &panel](qf::CModalWindow& window) {
            auto& popup = dynamic_cast<CPopupMenuRun&>(window);
            CMenu expected;
            expected.LoadMenu(english ? 140 : 103);
            CString first;
            CString wanted;
            popup.GetMenu().GetMenuString(0, first, MF_BYPOSITION);
            expected.GetSubMenu(0)->GetMenuString(0, wanted, MF_BYPOSITION);
            EXPECT_EQ(first, wanted) << "menu " << (english ? 140 : 103) << ", submenu 0";
            CRect r;
            panel.drop.GetWindowRect(&r);
            EXPECT_EQ(popup.GetPoint(), CPoint(r.right, r.top + 5)) << "at the right edge";
            return 0;
        });
        Click(mouse, panel.drop, CPoint(20, 10));
    }
    EXPECT_EQ(runner.GetModalCount(), 2);
}
