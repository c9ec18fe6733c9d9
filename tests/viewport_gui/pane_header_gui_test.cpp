// The header bar of a pane on screen: its menu buttons light up under the
// pointer and open their pane's menus with that pane made active, the
// layout buttons turn blue while pressed and keep their commands, the letter
// shows the active pane, and the texts follow the interface language.
#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "platform/ui/menu.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/screen_image.h"
#include "platform_ui_gui/screen_picture.h"
#include "resources/resource_tables.h"
#include "viewport_gui/splitter_fixture.h"

#include <gtest/gtest.h>

using qf::test::PumpEvents;

namespace {

class PaneHeaderGuiTest : public SplitterGuiTest {
protected:
    CPaneHeaderDialog& Header(int pane) { return splitter.GetPane(pane).GetFrame().GetHeader(); }
    void Click(const CWnd& button) {
        mouse.MoveTo(button, CPoint(4, 4));
        mouse.Down();
        mouse.Up();
    }
    // The first item's text of the submenu a popup showed, and of the one expected.
    static CString FirstItem(CMenu& menu) {
        CString text;
        menu.GetMenuString(0, text, MF_BYPOSITION);
        return text;
    }
    static CString FirstItemOf(UINT menuId, int submenu) {
        CMenu menu;
        menu.LoadMenu(menuId);
        return FirstItem(*menu.GetSubMenu(submenu));
    }
    // The colour at the middle of the right edge's inner side.
    static COLORREF FillOf(CWnd& letter) {
        const CPixelImage image = CaptureClientImage(letter);
        const size_t i = (static_cast<size_t>(image.height / 2) * image.width + image.width - 3) * 3;
        return RGB(image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]);
    }
};

} // namespace

TEST_F(PaneHeaderGuiTest, MenuButtonsLightUpUnderThePointerAndOpenTheMenuOfTheirPane) {
    CMenuButton& show = Header(2).GetMenuButton(1);
    EXPECT_FALSE(show.IsHot());
    mouse.MoveTo(show, CPoint(4, 6));
    mouse.MoveTo(show, CPoint(8, 6));
    EXPECT_TRUE(show.IsHot()) << "lit under the pointer";
    EXPECT_FALSE(qf::test::SaveScreenPicture(Header(2), "pane_header_lit.png").empty());
    mouse.MoveTo(splitter, CPoint(100, 250));
    EXPECT_FALSE(show.IsHot()) << "and dark again outside";

    SetActivePane(0);
    qf::CScriptedModalRunner runner;
    runner.AnswerModal([&](qf::CModalWindow& window) {
        auto& popup = dynamic_cast<CPopupMenuRun&>(window);
        EXPECT_EQ(doc->m_activePane, 2) << "the pane is made active before its menu opens";
        EXPECT_EQ(FirstItem(popup.GetMenu()),
                  FirstItemOf(IsEnglish() ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA, 2))
            << "the show menu";
        CRect r;
        show.GetWindowRect(&r);
        EXPECT_EQ(popup.GetPoint(), CPoint(r.left, r.bottom)) << "under the button";
        return 0;
    });
    Click(show);
    EXPECT_EQ(runner.GetModalCount(), 1);
}

TEST_F(PaneHeaderGuiTest, LayoutButtonsTurnBlueWhilePressedAndKeepTheirCommands) {
    CLineButton& column = Header(1).GetLayoutButton(0);
    mouse.MoveTo(column, CPoint(4, 4));
    mouse.Down();
    EXPECT_EQ(column.GetPenColor(), RGB(0, 0, 255));
    mouse.Up();
    EXPECT_EQ(column.GetPenColor(), RGB(0, 0, 0));
    EXPECT_EQ(Pane(1), XYWH(201, 0, 199, 300)) << "pane 1 takes its column";
    EXPECT_FALSE(splitter.GetPane(3).IsWindowVisible());

    Click(Header(1).GetLayoutButton(2));
    EXPECT_EQ(Pane(1), XYWH(0, 0, 400, 300)) << "then the whole area";
    Click(Header(1).GetLayoutButton(2));
    for (int i = 0; i < kPaneCount; ++i)
        EXPECT_TRUE(splitter.GetPane(i).IsWindowVisible()) << i;

    Click(Header(2).GetLayoutButton(1));
    EXPECT_EQ(Pane(2), XYWH(0, 151, 400, 149)) << "pane 2 takes its row";
    EXPECT_FALSE(splitter.GetPane(3).IsWindowVisible());
}

TEST_F(PaneHeaderGuiTest, TheLetterOfTheActivePaneIsPink) {
    SetActivePane(1);
    PumpEvents(50);
    EXPECT_EQ(FillOf(Header(1).GetLetter()), RGB(240, 180, 210));
    EXPECT_EQ(FillOf(Header(0).GetLetter()), RGB(180, 220, 210));
    SetActivePane(0);
    PumpEvents(50);
    EXPECT_EQ(FillOf(Header(0).GetLetter()), RGB(240, 180, 210)) << "redrawn when the active pane changes";
    EXPECT_EQ(FillOf(Header(1).GetLetter()), RGB(180, 220, 210));
}

TEST_F(PaneHeaderGuiTest, TheMenuButtonsSpeakTheInterfaceLanguage) {
    const int language = GetAppState().m_english;
    for (const int english : {0, 1}) {
        GetAppState().m_english = english;
        CPaneHeaderDialog header;
        header.SetPaneIndex(3);
        ASSERT_TRUE(header.Create(CPaneHeaderDialog::IDD, &*frame));
        header.MoveWindow(0, 320, 400, 15);
        header.ShowWindow(SW_SHOW);
        PumpEvents(100);
        CString text;
        header.GetMenuButton(0).GetWindowText(text);
        EXPECT_EQ(text, english ? "View" : "視点");
        header.GetMenuButton(2).GetWindowText(text);
        EXPECT_EQ(text, english ? "Light" : "ライト");
        EXPECT_FALSE(
            qf::test::SaveScreenPicture(header, english ? "pane_header_en.png" : "pane_header_ja.png")
                .empty());
        qf::CScriptedModalRunner runner;
        runner.AnswerModal([&](qf::CModalWindow& window) {
            auto& popup = dynamic_cast<CPopupMenuRun&>(window);
            EXPECT_EQ(FirstItem(popup.GetMenu()),
                      FirstItemOf(english ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA, 1));
            return 0;
        });
        Click(header.GetMenuButton(0));
        EXPECT_EQ(runner.GetModalCount(), 1);
    }
    GetAppState().m_english = language;
}
