// The four-pane splitter on screen: pane places in a 400 x 300 client, the
// divider drag and its limits, the resets, the header's layout buttons and
// the wheel zoom of an OpenGL pane.
#include "viewport_gui/splitter_fixture.h"

#include <gtest/gtest.h>

using qf::test::PumpEvents;

TEST_F(SplitterGuiTest, PanesTakeTheirQuadrantsAndEveryWindowIsRegistered) {
    EXPECT_EQ(Pane(0), XYWH(0, 0, 199, 149));
    EXPECT_EQ(Pane(3), XYWH(201, 151, 199, 149));
    // The header takes 15 pixels above the OpenGL window, which tells its camera its size.
    EXPECT_EQ(PlaceIn(splitter.GetPane(3), GLPane(3)), XYWH(0, 15, 199, 134));
    EXPECT_EQ(doc->m_cameras[3].m_viewportWidth, 199);
    EXPECT_EQ(doc->m_cameras[3].m_viewportHeight, 134);
    for (int i = 0; i < kPaneCount; ++i) {
        EXPECT_EQ(doc->FindRegisteredWindow(wndViewportPane0 + i), splitter.GetPane(i).GetSafeHwnd());
        EXPECT_EQ(doc->FindRegisteredWindow(wndGLPane0 + i), GLPane(i).GetSafeHwnd());
        EXPECT_NE(doc->FindWindowService<CPaneHeaderServices>(wndPaneHeader0 + i), nullptr);
    }
}

TEST_F(SplitterGuiTest, DividerDragStopsAtTheLimitsAndDoubleOrRightClickResets) {
    mouse.MoveTo(splitter, CPoint(199, 150));
    mouse.Down();
    mouse.MoveTo(splitter, CPoint(5, 295));
    EXPECT_FALSE(splitter.GetPane(0).IsWindowVisible()) << "the panes hide while the cross moves";
    mouse.Up();
    EXPECT_FLOAT_EQ(splitter.m_ratioX, 0.2f);
    EXPECT_FLOAT_EQ(splitter.m_ratioY, 0.8f);
    EXPECT_TRUE(splitter.GetPane(0).IsWindowVisible());
    EXPECT_EQ(Pane(0), XYWH(0, 0, 79, 239));

    mouse.MoveTo(splitter, CPoint(80, 240));
    mouse.DoubleClick();
    EXPECT_FLOAT_EQ(splitter.m_ratioX, 0.5f);
    EXPECT_EQ(Pane(0), XYWH(0, 0, 199, 149));

    // The horizontal divider alone moves only the horizontal ratio.
    mouse.MoveTo(splitter, CPoint(50, 150));
    mouse.Down();
    mouse.MoveTo(splitter, CPoint(380, 120));
    mouse.Up();
    EXPECT_FLOAT_EQ(splitter.m_ratioX, 0.5f);
    EXPECT_FLOAT_EQ(splitter.m_ratioY, 0.4f);
    mouse.MoveTo(splitter, CPoint(199, 120));
    mouse.Down(wxMOUSE_BTN_RIGHT);
    mouse.Up(wxMOUSE_BTN_RIGHT);
    EXPECT_FLOAT_EQ(splitter.m_ratioY, 0.5f);
}

TEST_F(SplitterGuiTest, HeaderButtonsWidenTheirPane) {
    CPaneHeaderDialog& header = splitter.GetPane(1).GetFrame().GetHeader();
    header.SendMessage(WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED), 0);
    PumpEvents(50);
    EXPECT_EQ(Pane(1), XYWH(201, 0, 199, 300)) << "pane 1 takes its column";
    EXPECT_FALSE(splitter.GetPane(3).IsWindowVisible());
    header.SendMessage(WM_COMMAND, MAKEWPARAM(1008, BN_CLICKED), 0);
    PumpEvents(50);
    EXPECT_EQ(Pane(1), XYWH(0, 0, 400, 300)) << "and then the whole area";
    EXPECT_FALSE(splitter.GetPane(0).IsWindowVisible());
    header.SendMessage(WM_COMMAND, MAKEWPARAM(1008, BN_CLICKED), 0);
    PumpEvents(50);
    for (int i = 0; i < kPaneCount; ++i)
        EXPECT_TRUE(splitter.GetPane(i).IsWindowVisible()) << i;
}

// A step of 15 % is refused when it would bring the eye nearer than the
// near distance + 1.2 (6.2) while it is still farther; inside, every step goes.
TEST_F(SplitterGuiTest, WheelZoomKeepsTheEyeOffTheNearPlane) {
    CCamera& camera = doc->m_cameras[2];
    const auto wheel = [&](short delta) {
        GLPane(2).SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
        return (camera.m_eye - camera.m_target).Length();
    };
    EXPECT_NEAR(wheel(120), 8.5f, 1e-3);
    EXPECT_NEAR(wheel(120), 7.225f, 1e-3);
    EXPECT_NEAR(wheel(120), 7.225f, 1e-3) << "6.14 would pass the limit";
    camera.m_eye.SetZ(-6.0f);
    EXPECT_NEAR(wheel(120), 5.1f, 1e-3);
    EXPECT_NEAR(wheel(-120), 5.865f, 1e-3);
    doc->m_settings.m_zoomReverse = 1;
    EXPECT_NEAR(wheel(120), 6.7448f, 1e-3) << "reversed, forward moves away";
}
