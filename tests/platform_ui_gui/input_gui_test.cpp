#include "probe_wnd.h"

#include "platform/ui/cursor.h"
#include "platform/ui/input.h"
#include "support/gui_test.h"

#include <gtest/gtest.h>
#include <wx/window.h>

using qf::test::ProbeFrame;
using qf::test::ProbeMessage;
using qf::test::ProbeWnd;
using qf::test::PumpEvents;
using qf::test::PumpUntil;

namespace {

CPoint PointOf(const ProbeMessage& m) {
    return CPoint(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
}

const std::initializer_list<UINT> buttonMessages = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                                    WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU};

struct TwoWindows : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(a.Create("", WS_CHILD | WS_VISIBLE, CRect(20, 20, 220, 170), &frame, 1));
        ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE, CRect(260, 20, 460, 170), &frame, 2));
        PumpEvents(50);
    }
    void TearDown() override { ReleaseCapture(); }
    std::vector<ProbeMessage> log;
    ProbeFrame frame{&log};
    ProbeWnd a{"a", &log}, b{"b", &log};
    qf::test::SimulatedMouse mouse;
};

using MouseGuiTest = TwoWindows;

} // namespace

TEST_F(MouseGuiTest, ClickReachesTheWindowUnderThePointerInClientPixels) {
    mouse.MoveTo(b, CPoint(15, 25));
    log.clear();
    mouse.Down();
    mouse.Up();
    EXPECT_TRUE(a.MessagesAmong(buttonMessages).empty());
    ASSERT_EQ(b.MessagesAmong({WM_LBUTTONDOWN, WM_LBUTTONUP}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    const auto down = b.Received(WM_LBUTTONDOWN)[0];
    EXPECT_EQ(PointOf(down), CPoint(15, 25));
    EXPECT_TRUE(down.wParam & MK_LBUTTON);
    EXPECT_FALSE(b.Received(WM_LBUTTONUP)[0].wParam & MK_LBUTTON);

    // The cursor is chosen before the button message, for the window itself.
    const auto cursor = b.Received(WM_SETCURSOR);
    ASSERT_FALSE(cursor.empty());
    EXPECT_EQ(HandleFromParam(cursor.back().wParam), b.GetSafeHwnd());
    EXPECT_EQ(LOWORD(cursor.back().lParam), HTCLIENT);
    const auto asked = frame.Received(WM_SETCURSOR);
    ASSERT_FALSE(asked.empty()) << "unhandled, the parent is asked";
    EXPECT_EQ(HandleFromParam(asked.back().wParam), b.GetSafeHwnd());
}

TEST_F(MouseGuiTest, CapturedDragReportsPointsOutsideAsNegative) {
    mouse.MoveTo(b, CPoint(10, 10));
    b.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_LBUTTONDOWN)
            b.SetCapture();
        if (message == WM_LBUTTONUP)
            ReleaseCapture();
    };
    log.clear();
    mouse.Down();
    mouse.MoveTo(b, CPoint(-30, -8)); // over window a
    mouse.Up();
    EXPECT_TRUE(a.MessagesAmong({WM_MOUSEMOVE, WM_LBUTTONUP}).empty())
        << "the capture holder gets everything";
    ASSERT_FALSE(b.Received(WM_MOUSEMOVE).empty());
    EXPECT_EQ(PointOf(b.Received(WM_MOUSEMOVE).back()), CPoint(-30, -8));
    EXPECT_EQ(PointOf(b.Received(WM_LBUTTONUP).back()), CPoint(-30, -8));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(MouseGuiTest, DoubleClickArrivesAsTheClassAsksForIt) {
    mouse.MoveTo(a, CPoint(30, 30));
    log.clear();
    mouse.DoubleClick();
    EXPECT_EQ(a.MessagesAmong({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));

    ProbeWnd plain("plain", &log);
    plain.classStyle = CS_HREDRAW | CS_VREDRAW; // no CS_DBLCLKS
    ASSERT_TRUE(plain.Create("", WS_CHILD | WS_VISIBLE, CRect(20, 200, 220, 300), &frame, 3));
    PumpEvents(30);
    mouse.MoveTo(plain, CPoint(30, 30));
    log.clear();
    mouse.DoubleClick();
    EXPECT_EQ(plain.MessagesAmong({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(MouseGuiTest, RightReleaseOpensOneContextMenuAtTheScreenPoint) {
    mouse.MoveTo(a, CPoint(40, 50));
    log.clear();
    mouse.Down(wxMOUSE_BTN_RIGHT);
    mouse.Up(wxMOUSE_BTN_RIGHT);
    EXPECT_EQ(a.MessagesAmong(buttonMessages),
              (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}));
    CPoint screen(40, 50);
    a.ClientToScreen(&screen);
    const auto menu = a.Received(WM_CONTEXTMENU);
    ASSERT_EQ(menu.size(), 1u);
    EXPECT_EQ(PointOf(menu[0]), screen);
    EXPECT_EQ(HandleFromParam(menu[0].wParam), a.GetSafeHwnd());
    EXPECT_EQ(frame.Received(WM_CONTEXTMENU).size(), 1u) << "unhandled, it goes on to the parent";
}

TEST_F(MouseGuiTest, ShiftHeldDuringAClickIsSeenByGetKeyState) {
    mouse.MoveTo(a, CPoint(10, 10));
    SHORT shiftInHandler = 0;
    a.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
            shiftInHandler = GetKeyState(VK_SHIFT);
    };
    mouse.Sim().KeyDown(WXK_SHIFT);
    PumpEvents(30);
    mouse.Down();
    mouse.Up();
    mouse.Sim().KeyUp(WXK_SHIFT);
    PumpEvents(30);
    EXPECT_LT(shiftInHandler, 0);
    EXPECT_TRUE(a.Received(WM_LBUTTONDOWN).back().wParam & MK_SHIFT);

    mouse.Down(); // within the double-click time: arrives as WM_LBUTTONDBLCLK
    mouse.Up();
    EXPECT_GE(shiftInHandler, 0) << "released shift still reads as held";
}

TEST_F(MouseGuiTest, WheelStepsAreOneHundredTwentyAndPassToTheParent) {
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    wheel.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    wheel.SetPosition(wxPoint(5, 6));
    a.GetNativeWindow()->GetEventHandler()->ProcessEvent(wheel);
    ASSERT_EQ(a.Received(WM_MOUSEWHEEL).size(), 1u);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(a.Received(WM_MOUSEWHEEL)[0].wParam), -WHEEL_DELTA);
    CPoint screen(5, 6);
    a.ClientToScreen(&screen);
    EXPECT_EQ(PointOf(a.Received(WM_MOUSEWHEEL)[0]), screen);
    EXPECT_EQ(frame.Received(WM_MOUSEWHEEL).size(), 1u);
}

TEST_F(MouseGuiTest, KeysArriveAsKeyDownCharAndKeyUp) {
    a.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &a; }));
    log.clear();
    mouse.Sim().Char('q');
    PumpEvents(50);
    EXPECT_EQ(a.MessagesAmong({WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
              (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(a.Received(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>('Q'));
    EXPECT_EQ(a.Received(WM_CHAR)[0].wParam, static_cast<WPARAM>('q'));
}

TEST_F(MouseGuiTest, TheCursorChosenInSetCursorIsShownOverTheWindow) {
    RegisterCursor(133, {" XX ", "X..X", "X..X", " XX "}, CPoint(1, 1));
    ASSERT_NE(LoadCursor(133), nullptr);
    EXPECT_EQ(LoadCursor(134), nullptr);
    a.onSetCursor = [&](CWnd* window, UINT, UINT) {
        if (window != &a)
            return FALSE;
        SetCursor(LoadCursor(133));
        return TRUE;
    };
    mouse.MoveTo(a, CPoint(50, 50));
    mouse.MoveTo(a, CPoint(52, 50));
    EXPECT_EQ(GetCursor(), LoadCursor(133));
    EXPECT_TRUE(a.GetNativeWindow()->GetCursor().IsOk());
    EXPECT_FALSE(a.GetNativeWindow()->GetCursor().IsSameAs(*wxSTANDARD_CURSOR));

    mouse.MoveTo(b, CPoint(50, 50));
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_ARROW)) << "the default gives the arrow";
}
