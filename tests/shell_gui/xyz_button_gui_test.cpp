// The transform bar's vector buttons: the rows and what they show, and the
// buttons on screen, active or not, tall enough or too low for their rows.
#include "platform/ui/screen_image.h"
#include "platform/ui/sys_color.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "shell/xyz_button.h"

#include <array>
#include <gtest/gtest.h>

using qf::test::PumpEvents;

TEST(XyzButtonTest, ThreeRowsShowTheComponentsOrPlaceholders) {
    const XyzRows rows = XyzRowLayout(76);
    EXPECT_EQ(rows.height, 20);
    EXPECT_EQ(rows.tops[0], 4);
    EXPECT_EQ(rows.tops[1], 28);
    EXPECT_EQ(rows.tops[2], 52);
    EXPECT_LT(XyzRowLayout(10).height, 0) << "too low: rows of negative height";

    const CVector3 value(1.5f, -2.0f, 0.1234f);
    EXPECT_EQ(XyzRowValue(value, TRUE, 0), "1.500");
    EXPECT_EQ(XyzRowValue(value, TRUE, 1), "-2.000");
    EXPECT_EQ(XyzRowValue(value, TRUE, 2), "0.123");
    EXPECT_EQ(XyzRowValue(CVector3(), TRUE, 2), "0.000");
    EXPECT_EQ(XyzRowValue(value, FALSE, 1), " . . . ");
}

TEST(XyzButtonGuiTest, TheActiveButtonIsHighlightedAndAClickReachesTheBar) {
    if (!qf::test::HaveDisplay())
        GTEST_SKIP() << "no display";
    qf::test::ProbeFrame bar;
    std::array<CXyzButton, 3> buttons;
    const char* captions[] = {"Trans", "Rot", "Scale"};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(buttons[static_cast<size_t>(i)].Create(captions[i], WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                                           CRect(10 + i * 110, 10, 110 + i * 110, 140), &bar,
                                                           static_cast<UINT>(1500 + i)));
    buttons[0].m_active = TRUE;
    buttons[0].m_value = CVector3(1.25f, 0.0f, -3.5f);
    CXyzButton low;
    ASSERT_TRUE(
        low.Create("Low", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 150, 110, 160), &bar, 1503));
    for (CXyzButton& button : buttons)
        button.RedrawWindow();
    low.RedrawWindow();
    PumpEvents(100);
    EXPECT_FALSE(qf::test::SaveScreenPicture(bar, "xyz_buttons.png").empty());
    EXPECT_EQ(CaptureClientImage(buttons[0]).At(1, 1), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(CaptureClientImage(buttons[1]).At(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(CaptureClientImage(low).At(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT))
        << "a button too low still paints";

    qf::test::SimulatedMouse mouse;
    bar.ClearLog();
    mouse.MoveTo(buttons[1], CPoint(50, 40));
    mouse.Down();
    mouse.Up();
    const auto commands = bar.Received(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(1501, BN_CLICKED));
}
