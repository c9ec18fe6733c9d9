#include "probe_wnd.h"

#include "platform/ui/wnd.h"
#include "support/gui_test.h"

#include <gtest/gtest.h>
#include <memory>
#include <wx/window.h>

using qf::test::ProbeFrame;
using qf::test::ProbeMessage;
using qf::test::ProbeWnd;
using qf::test::PumpEvents;
using qf::test::PumpUntil;

namespace {

std::vector<std::string> Order(const std::vector<ProbeMessage>& log, UINT message) {
    std::vector<std::string> out;
    for (const auto& m : log)
        if (m.message == message)
            out.push_back(m.window);
    return out;
}

} // namespace

TEST(WndGuiTest, CreateRunsOnCreateAtOnceThenReportsTheSize) {
    std::vector<ProbeMessage> log;
    ProbeFrame frame(&log);
    ProbeWnd child("child", &log);
    CREATESTRUCT seen;
    child.onMessage = [&](UINT message, WPARAM, LPARAM lParam) {
        if (message == WM_CREATE)
            seen = *reinterpret_cast<LPCREATESTRUCT>(lParam);
    };
    log.clear();
    ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 20, 110, 70), &frame, 1468));

    EXPECT_EQ(child.MessagesAmong({WM_CREATE, WM_SIZE}), (std::vector<UINT>{WM_CREATE, WM_SIZE}));
    EXPECT_EQ(seen.id, 1468u);
    EXPECT_EQ(seen.parent, &frame);
    EXPECT_EQ(CRect(seen.x, seen.y, seen.x + seen.cx, seen.y + seen.cy), CRect(10, 20, 110, 70));
    const auto size = child.Received(WM_SIZE).front();
    EXPECT_EQ(LOWORD(size.lParam), 100);
    EXPECT_EQ(HIWORD(size.lParam), 50);
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 100, 50));
    EXPECT_EQ(child.GetDlgCtrlID(), 1468);
    EXPECT_EQ(child.GetParent(), &frame);
    EXPECT_TRUE(child.IsWindowVisible());
}

TEST(WndGuiTest, MinusOneFromOnCreateFailsAndDestroysTheWindow) {
    ProbeFrame frame;
    ProbeWnd child("child");
    child.createResult = -1;
    HWND during;
    child.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_CREATE)
            during = child.GetSafeHwnd();
    };
    EXPECT_FALSE(child.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 3));
    EXPECT_TRUE(during) << "the handle exists while WM_CREATE runs";
    EXPECT_FALSE(IsWindow(during));
    EXPECT_EQ(child.Received(WM_DESTROY).size(), 1u);
    EXPECT_EQ(frame.GetWindow(GW_CHILD), nullptr) << "no native window may stay behind";
    EXPECT_EQ(child.GetNativeWindow(), nullptr);

    child.createResult = 0;
    EXPECT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 3))
        << "a second try works";
}

TEST(WndGuiTest, DestroyTellsTheParentFirstThenTheChildrenAndKillsAllHandles) {
    std::vector<ProbeMessage> log;
    ProbeFrame frame(&log);
    ProbeWnd parent("parent", &log), first("first", &log), second("second", &log),
        grandchild("grandchild", &log);
    ASSERT_TRUE(parent.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &frame, 1));
    ASSERT_TRUE(first.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 2));
    ASSERT_TRUE(grandchild.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &first, 3));
    ASSERT_TRUE(second.Create("", WS_CHILD | WS_VISIBLE, CRect(60, 0, 110, 50), &parent, 4));
    const HWND handles[] = {parent.GetSafeHwnd(), first.GetSafeHwnd(), second.GetSafeHwnd(),
                            grandchild.GetSafeHwnd()};
    bool childAliveDuringParentsDestroy = false;
    parent.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_DESTROY)
            childAliveDuringParentsDestroy = IsWindow(first.GetSafeHwnd());
    };

    EXPECT_TRUE(parent.DestroyWindow());
    EXPECT_EQ(Order(log, WM_DESTROY), (std::vector<std::string>{"parent", "first", "grandchild", "second"}));
    EXPECT_TRUE(childAliveDuringParentsDestroy);
    for (const HWND h : handles) {
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(SendMessage(h, WM_USER), 0);
    }
    EXPECT_FALSE(parent.DestroyWindow()) << "destroying twice";
    EXPECT_EQ(frame.GetWindow(GW_CHILD), nullptr);
}

TEST(WndGuiTest, ClosingTheFrameDestroysItsChildren) {
    std::vector<ProbeMessage> log;
    auto frame = std::make_unique<ProbeFrame>(&log);
    ProbeWnd child("child", &log);
    ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), frame.get(), 1));
    frame->GetNativeWindow()->Close(true);
    EXPECT_EQ(Order(log, WM_DESTROY), (std::vector<std::string>{"frame", "child"}));
    EXPECT_FALSE(IsWindow(child.GetSafeHwnd()));
    PumpEvents(20);
}

TEST(WndGuiTest, ChildrenComeInCreationOrder) {
    ProbeFrame frame;
    ProbeWnd a("a"), b("b"), c("c");
    ASSERT_TRUE(a.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 5));
    ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 20, 10, 30), &frame, 7));
    ASSERT_TRUE(c.Create("", WS_CHILD, CRect(0, 40, 10, 50), &frame, 5));
    EXPECT_EQ(frame.GetWindow(GW_CHILD), &a);
    EXPECT_EQ(a.GetWindow(GW_HWNDNEXT), &b);
    EXPECT_EQ(b.GetWindow(GW_HWNDNEXT), &c);
    EXPECT_EQ(c.GetWindow(GW_HWNDNEXT), nullptr);
    EXPECT_EQ(frame.GetDlgItem(7), &b);
    EXPECT_EQ(frame.GetDlgItem(5), &a) << "the first child with the id";
    EXPECT_EQ(frame.GetDlgItem(6), nullptr);
    EXPECT_FALSE(c.IsWindowVisible()) << "created without WS_VISIBLE";
    EXPECT_STREQ(a.GetRuntimeClassName(), "CWnd");
}

TEST(WndGuiTest, MoveReportsANewSizeBeforeReturningAndGeometryMapsToTheScreen) {
    ProbeFrame frame;
    ProbeWnd child("child");
    ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &frame, 1));
    child.ClearLog();

    child.MoveWindow(30, 40, 200, 100);
    ASSERT_EQ(child.Received(WM_SIZE).size(), 1u);
    EXPECT_EQ(child.Received(WM_SIZE)[0].lParam, MAKELPARAM(200, 100));
    child.MoveWindow(35, 45, 200, 100);
    EXPECT_EQ(child.Received(WM_SIZE).size(), 1u) << "a move alone is no resize";

    CRect window;
    child.GetWindowRect(&window);
    CPoint origin(35, 45);
    frame.ClientToScreen(&origin);
    EXPECT_EQ(window, CRect(origin, CSize(200, 100)));
    CPoint p(5, 6);
    child.ClientToScreen(&p);
    EXPECT_EQ(p, CPoint(origin.x + 5, origin.y + 6));
    child.ScreenToClient(&p);
    EXPECT_EQ(p, CPoint(5, 6));

    child.SetWindowPos(nullptr, 0, 0, 80, 90, SWP_NOMOVE | SWP_NOZORDER);
    child.GetWindowRect(&window);
    EXPECT_EQ(window, CRect(origin, CSize(80, 90)));
}

TEST(WndGuiTest, VisibilityFollowsTheParentsAndEnablingTellsTheWindowOnce) {
    ProbeFrame frame;
    ProbeWnd parent("parent"), child("child");
    ASSERT_TRUE(parent.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 1));
    ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 2));

    EXPECT_TRUE(parent.ShowWindow(SW_HIDE));
    EXPECT_FALSE(parent.ShowWindow(SW_HIDE));
    EXPECT_FALSE(child.IsWindowVisible()) << "a child of a hidden window is not visible";
    parent.ShowWindow(SW_SHOWNORMAL);
    EXPECT_TRUE(child.IsWindowVisible());

    EXPECT_FALSE(child.EnableWindow(FALSE)) << "it was enabled";
    EXPECT_TRUE(child.EnableWindow(FALSE)) << "it was disabled";
    EXPECT_FALSE(child.IsWindowEnabled());
    ASSERT_EQ(child.Received(WM_ENABLE).size(), 1u) << "WM_ENABLE only when the state changes";
    EXPECT_EQ(child.Received(WM_ENABLE)[0].wParam, 0u);
    child.EnableWindow(TRUE);
    EXPECT_EQ(child.Received(WM_ENABLE).back().wParam, 1u);
}

TEST(WndGuiTest, PostedMessagesRunAfterTheCurrentHandlerThroughTheEventLoop) {
    std::vector<ProbeMessage> log;
    ProbeFrame frame(&log);
    ProbeWnd sender("sender", &log), target("target", &log), dies("dies", &log);
    for (ProbeWnd* w : {&sender, &target, &dies})
        ASSERT_TRUE(w->Create("", WS_CHILD, CRect(0, 0, 10, 10), &frame, 1));
    bool sentArrivedInside = false, postedArrivedInside = false;
    sender.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message != WM_USER)
            return;
        target.PostMessage(WM_USER + 200, 0, 6);
        dies.PostMessage(WM_USER + 200, 0, 6);
        target.SendMessage(WM_USER + 200, 0, 100);
        sentArrivedInside = target.Received(WM_USER + 200).size() == 1;
        postedArrivedInside = target.Received(WM_USER + 200).size() > 1;
    };
    sender.SendMessage(WM_USER);
    dies.DestroyWindow();
    EXPECT_TRUE(sentArrivedInside);
    EXPECT_FALSE(postedArrivedInside);

    EXPECT_TRUE(PumpUntil([&] { return target.Received(WM_USER + 200).size() == 2; }));
    EXPECT_EQ(target.Received(WM_USER + 200)[1].lParam, 6);
    PumpEvents(30);
    EXPECT_TRUE(dies.Received(WM_USER + 200).empty()) << "a posted message reached a destroyed window";
}

TEST(WndGuiTest, RedrawNowPaintsBeforeReturningAndErasesOnlyWhenAsked) {
    ProbeFrame frame;
    ProbeWnd w("w");
    ASSERT_TRUE(w.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 60), &frame, 1));
    PumpEvents(50);
    w.ClearLog();

    w.Invalidate(FALSE);
    EXPECT_TRUE(w.MessagesAmong({WM_PAINT}).empty()) << "invalidating alone paints later";
    w.UpdateWindow();
    EXPECT_EQ(w.MessagesAmong({WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_PAINT}));

    w.ClearLog();
    w.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(w.MessagesAmong({WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_PAINT}));

    w.ClearLog();
    w.RedrawWindow();
    EXPECT_EQ(w.MessagesAmong({WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
    EXPECT_NE(w.Received(WM_ERASEBKGND)[0].wParam, 0u) << "the erase message carries the DC";
}

TEST(WndGuiTest, TimersDeliverTheirIdsAndStopWhenTheWindowDies) {
    ProbeFrame frame;
    ProbeWnd w("w");
    ASSERT_TRUE(w.Create("", WS_CHILD, CRect(0, 0, 10, 10), &frame, 1));
    const auto count = [&](WPARAM id) {
        int n = 0;
        for (const auto& m : w.Received(WM_TIMER))
            n += m.wParam == id;
        return n;
    };
    EXPECT_EQ(w.SetTimer(1, 20), 1u);
    w.SetTimer(2, 30);
    EXPECT_TRUE(PumpUntil([&] { return count(1) >= 2 && count(2) >= 2; }));
    EXPECT_TRUE(w.KillTimer(1));
    EXPECT_FALSE(w.KillTimer(1));
    PumpEvents(30); // a tick already queued may still arrive, as it would on Windows
    const int ones = count(1);
    PumpEvents(120);
    EXPECT_EQ(count(1), ones) << "a killed timer went on";
    EXPECT_GT(count(2), 2);

    w.DestroyWindow();
    ASSERT_TRUE(w.Create("", WS_CHILD, CRect(0, 0, 10, 10), &frame, 1));
    w.ClearLog();
    PumpEvents(150);
    EXPECT_TRUE(w.Received(WM_TIMER).empty()) << "a timer outlived its window";
}

TEST(WndGuiTest, OneWindowHoldsTheCapture) {
    ProbeFrame frame;
    ProbeWnd a("a"), b("b");
    ASSERT_TRUE(a.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
    ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE, CRect(60, 0, 110, 50), &frame, 2));

    EXPECT_EQ(a.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), &a);
    EXPECT_EQ(a.SetCapture(), &a) << "taking it again changes nothing";
    EXPECT_EQ(b.SetCapture(), &a);
    EXPECT_EQ(CWnd::GetCapture(), &b);
    EXPECT_FALSE(a.GetNativeWindow()->HasCapture()) << "the previous holder lost it";
    EXPECT_TRUE(b.GetNativeWindow()->HasCapture());
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_FALSE(b.GetNativeWindow()->HasCapture());

    a.SetCapture();
    a.DestroyWindow();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

TEST(WndGuiTest, KillFocusNamesTheWindowThatGetsTheFocus) {
    ProbeFrame frame;
    ProbeWnd a("a"), b("b");
    ASSERT_TRUE(a.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
    ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE, CRect(60, 0, 110, 50), &frame, 2));
    a.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &a; }));

    EXPECT_EQ(b.SetFocus(), &a);
    ASSERT_TRUE(
        PumpUntil([&] { return !a.Received(WM_KILLFOCUS).empty() && !b.Received(WM_SETFOCUS).empty(); }));
    EXPECT_EQ(HandleFromParam(a.Received(WM_KILLFOCUS).back().wParam), b.GetSafeHwnd());
    EXPECT_EQ(HandleFromParam(b.Received(WM_SETFOCUS).back().wParam), a.GetSafeHwnd());
    EXPECT_EQ(CWnd::GetFocus(), &b);
}
