#pragma once
// A side-bar style panel holding one of every custom control, hosted by a
// frame that keeps a level bar beside it as the side-bar pages do, for the
// controls' gui tests and their screenshots.
#include "app/doc_helpers.h"
#include "controls/color_button.h"
#include "controls/drop_button.h"
#include "controls/level_bar.h"
#include "controls/menu_button.h"
#include "controls/my_edit.h"
#include "controls/pane_buttons.h"
#include "controls/quel_group.h"
#include "controls/quel_meter.h"
#include "controls/quel_scroll.h"
#include "controls/quel_spin.h"
#include "controls/tab_strip.h"
#include "platform/ui/cursor.h"
#include "platform_ui_gui/probe_wnd.h"
#include "resources/resource_tables.h"

#include <array>
#include <memory>
#include <vector>

namespace qf::test {

enum TestPanelId : UINT {
    idNumbersGroup = 100,
    idAngleLabel = 101,
    idAngle = 102,
    idAngleSpin = 103,
    idLevelLabel = 104,
    idLevel = 105,
    idLevelSpin = 106,
    idMeter = 107,
    idSwatchGroup = 110,
    idColour = 111,
    idTabs = 112,
    idButtonsGroup = 120,
    idMenu = 121,
    idLetter = 122,
    idLine0 = 123,
    idDrop = 126,
    idLast = 127,
};

constexpr DWORD kDrawn = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kField = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DialogItemTemplate kPanelItems[] = {
    {DialogControl::Button, idNumbersGroup, "数値", 0, 2, 200, 13, kDrawn},
    {DialogControl::Static, idAngleLabel, "角度", 6, 22, 40, 10, WS_VISIBLE},
    {DialogControl::Edit, idAngle, "", 50, 20, 50, 13, kField},
    {DialogControl::Button, idAngleSpin, "", 101, 20, 9, 13, kDrawn},
    {DialogControl::Static, idLevelLabel, "レベル", 6, 39, 40, 10, WS_VISIBLE},
    {DialogControl::Edit, idLevel, "", 50, 37, 50, 13, kField},
    {DialogControl::Button, idLevelSpin, "", 101, 37, 9, 13, kDrawn},
    {DialogControl::Button, idMeter, "", 3, 55, 67, 9, kDrawn},
    {DialogControl::Button, idSwatchGroup, "色とタブ", 0, 72, 200, 13, kDrawn},
    {DialogControl::Button, idColour, "", 6, 90, 30, 14, kDrawn},
    {DialogControl::Button, idTabs, "", 40, 88, 150, 18, kDrawn},
    {DialogControl::Button, idButtonsGroup, "ボタン", 0, 112, 200, 13, kDrawn},
    {DialogControl::Button, idMenu, "表示", 6, 131, 36, 10, kDrawn},
    {DialogControl::Button, idLetter, "", 46, 130, 8, 8, kDrawn},
    {DialogControl::Button, idLine0, "", 60, 130, 10, 10, kDrawn},
    {DialogControl::Button, idLine0 + 1, "", 72, 130, 10, 10, kDrawn},
    {DialogControl::Button, idLine0 + 2, "", 84, 130, 10, 10, kDrawn},
    {DialogControl::Button, idDrop, "モード", 100, 126, 60, 20, kDrawn},
    {DialogControl::Static, idLast, "", 6, 280, 40, 10, WS_VISIBLE},
};
// Taller than what the host shows, so that it scrolls.
constexpr DialogTemplate kPanelTemplate{950, "", 200, 300, WS_CHILD, kPanelItems};

class TestPanel : public CQuelScroll {
public:
    TestPanel() { UseTemplate(kPanelTemplate); }

    CQuelGroup numbersGroup, swatchGroup, buttonsGroup;
    CMyEdit angle, level;
    CQuelSpin angleSpin, levelSpin;
    CQuelMeter meter;
    CColorButton colour;
    CTabStrip tabs;
    CMenuButton menu;
    CTextButton letter;
    std::array<CLineButton, 3> lines;
    CDropButton drop;

    // Every WM_COMMAND the panel received (wParam, and whether a control sent it).
    struct Command {
        UINT id;
        UINT code;
        bool fromControl;
    };
    std::vector<Command> commands;
    // Runs of the panel's own handler of the colour swatch's id.
    int colourCommits = 0;
    int Count(UINT id, UINT code, bool fromControl) const {
        int n = 0;
        for (const Command& c : commands)
            n += c.id == id && c.code == code && c.fromControl == fromControl;
        return n;
    }

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, idNumbersGroup, numbersGroup);
        DDX_Control(dx, idSwatchGroup, swatchGroup);
        DDX_Control(dx, idButtonsGroup, buttonsGroup);
        DDX_Control(dx, idAngle, angle);
        DDX_Control(dx, idAngleSpin, angleSpin);
        DDX_Control(dx, idLevel, level);
        DDX_Control(dx, idLevelSpin, levelSpin);
        DDX_Control(dx, idMeter, meter);
        DDX_Control(dx, idColour, colour);
        DDX_Control(dx, idTabs, tabs);
        DDX_Control(dx, idMenu, menu);
        DDX_Control(dx, idLetter, letter);
        for (UINT i = 0; i < 3; ++i)
            DDX_Control(dx, static_cast<int>(idLine0 + i), lines[i]);
        DDX_Control(dx, idDrop, drop);
    }

    BOOL OnInitDialog() override {
        CQuelScroll::OnInitDialog();
        const bool english = IsEnglish() != 0;
        numbersGroup.Init();
        swatchGroup.Init();
        buttonsGroup.Init();
        angle.SetSpin(&angleSpin);
        angle.SetFloatMode(TRUE);
        angle.SetRangeF(0.0f, 180.0f);
        angle.SetFloat(89.5f);
        angleSpin.SetDragStepF(10.0f);
        level.SetSpin(&levelSpin);
        level.SetMeter(&meter);
        level.SetRange(0, 10);
        level.SetInt(3);
        colour.SetColor(RGB(200, 60, 40));
        for (const char* tab :
             english ? std::array{"Patch", "Light", "Render"} : std::array{"パッチ", "ライト", "レンダー"})
            tabs.AddItem(tab);
        menu.SetMenu(english ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA, 1);
        letter.SetPaneIndex(0);
        for (int i = 0; i < 3; ++i)
            lines[static_cast<size_t>(i)].SetShape(i);
        drop.SetChecked(TRUE);
        if (english) {
            numbersGroup.SetWindowText("Numbers");
            swatchGroup.SetWindowText("Colour and tabs");
            buttonsGroup.SetWindowText("Buttons");
            SetDlgItemText(idAngleLabel, "Angle");
            SetDlgItemText(idLevelLabel, "Level");
            menu.SetWindowText("Show");
            drop.SetWindowText("Mode");
        }
        return TRUE;
    }

    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMapFor<TestPanel>(CQuelScroll::GetCommandMap())
                                          .OnBnClicked(idColour, &TestPanel::OnColour);
        return map;
    }
    void OnColour() { ++colourCommits; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND)
            commands.push_back({LOWORD(wParam), HIWORD(wParam), lParam != 0});
        return CQuelScroll::WindowProc(message, wParam, lParam);
    }
};

// A frame holding the panel at (10, 10) with the given visible height, and a
// level bar beside it that follows the panel's scroll notifications.
class PanelHost {
public:
    explicit PanelHost(int visibleHeight) : frame(&log, CRect(40, 40, 520, 560)) {
        frame.onMessage = [this](UINT message, WPARAM, LPARAM) {
            if (message == WM_VSCROLL && panel.GetNativeWindow()) {
                ++scrollNotifications;
                GetCursorPos(&cursorAtNotification);
                levelBar.SetTotal(panel.GetContentHeight());
                levelBar.SetPage(panel.UpdateScrollLimit());
                levelBar.SetPos(panel.GetScrollOffset());
            }
        };
        panel.Create(kPanelTemplate.id, &frame);
        CRect made;
        panel.GetClientRect(&made);
        panel.MoveWindow(10, 10, made.Width(), visibleHeight);
        panel.ShowWindow(SW_SHOW);
        levelBar.Create("", WS_CHILD | WS_VISIBLE,
                        CRect(made.Width() + 14, 10, made.Width() + 18, 10 + visibleHeight), &frame, 200);
        frame.SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
        scrollNotifications = 0;
        PumpEvents(100);
    }

    std::vector<ProbeMessage> log;
    ProbeFrame frame;
    TestPanel panel;
    CLevelBar levelBar;
    int scrollNotifications = 0;
    // Where the pointer stood when the panel last told of a scroll.
    CPoint cursorAtNotification;
};

} // namespace qf::test
