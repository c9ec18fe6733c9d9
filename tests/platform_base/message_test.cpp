#include "platform/base/message.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using qf::test::RecordingWindow;

namespace {

std::vector<UINT> Messages(const RecordingWindow& w) {
    std::vector<UINT> out;
    for (const auto& m : w.received)
        out.push_back(m.message);
    return out;
}

// Leaves no posted message behind for the next test.
struct QueueGuard {
    ~QueueGuard() {
        while (DispatchPostedMessages() > 0) {
        }
        SetPostedMessageWakeup(nullptr);
    }
};

} // namespace

TEST(MessageTest, DeadHandleStaysComparableAndNeverNamesItsSuccessor) {
    auto first = std::make_unique<RecordingWindow>();
    const HWND old = first->GetSafeHwnd();
    const HWND copy = old;
    EXPECT_TRUE(IsWindow(old));
    EXPECT_EQ(copy, old);

    first->Destroy();
    EXPECT_FALSE(IsWindow(old));
    EXPECT_FALSE(first->GetSafeHwnd());
    EXPECT_EQ(copy, old) << "a dead handle is still a value";

    RecordingWindow successor; // takes the freed slot
    EXPECT_EQ(successor.GetSafeHwnd().index, old.index);
    EXPECT_NE(successor.GetSafeHwnd(), old);
    EXPECT_EQ(SendMessage(old, WM_USER, 1, 2), 0);
    EXPECT_TRUE(successor.received.empty()) << "a message to the dead window reached the new one";
    EXPECT_EQ(CMessageTarget::FromHandle(old), nullptr);
    EXPECT_EQ(CMessageTarget::FromHandle(successor.GetSafeHwnd()), &successor);

    first.reset();
    EXPECT_FALSE(IsWindow(HWND{}));
    EXPECT_EQ(SendMessage(HWND{}, WM_USER), 0);
}

TEST(MessageTest, TargetDeletedWhileAliveLosesItsHandle) {
    HWND h;
    {
        RecordingWindow w;
        h = w.GetSafeHwnd();
    }
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(PostMessage(h, WM_USER));
}

TEST(MessageTest, SendRunsNestedAndReturnsTheHandlersResult) {
    RecordingWindow outer, inner;
    inner.result = 42;
    std::vector<std::string> log;
    LRESULT seenByOuter = 0;
    outer.onMessage = [&](UINT, WPARAM, LPARAM) {
        log.push_back("outer begins");
        seenByOuter = SendMessage(inner.GetSafeHwnd(), WM_USER + 200, 7, 6);
        log.push_back("outer ends");
    };
    inner.onMessage = [&](UINT, WPARAM w, LPARAM l) {
        log.push_back("inner " + std::to_string(w) + "," + std::to_string(l));
        if (w == 7) // re-entrant: the inner handler sends to itself
            SendMessage(inner.GetSafeHwnd(), WM_USER + 200, 8, 0);
    };
    outer.result = 5;

    EXPECT_EQ(SendMessage(outer.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(1001, 0), 0), 5);
    EXPECT_EQ(seenByOuter, 42);
    EXPECT_EQ(log, (std::vector<std::string>{"outer begins", "inner 7,6", "inner 8,0", "outer ends"}));
}

TEST(MessageTest, PostRunsAfterTheCurrentHandlerInOrder) {
    QueueGuard guard;
    RecordingWindow sender, a, b;
    std::vector<std::string> log;
    sender.onMessage = [&](UINT, WPARAM, LPARAM) {
        EXPECT_TRUE(PostMessage(a.GetSafeHwnd(), WM_USER + 200, 0, 6));
        EXPECT_TRUE(PostMessage(b.GetSafeHwnd(), WM_USER + 200, 0, 200));
        EXPECT_TRUE(PostMessage(a.GetSafeHwnd(), WM_USER + 200, 0, 300));
        log.push_back("sender done");
    };
    a.onMessage = [&](UINT, WPARAM, LPARAM l) {
        log.push_back("a " + std::to_string(l));
        if (l == 6) // posted from a posted message: waits for the next round
            PostMessage(b.GetSafeHwnd(), WM_USER + 200, 0, 999);
    };
    b.onMessage = [&](UINT, WPARAM, LPARAM l) { log.push_back("b " + std::to_string(l)); };

    SendMessage(sender.GetSafeHwnd(), WM_USER);
    EXPECT_EQ(log, (std::vector<std::string>{"sender done"}));
    EXPECT_TRUE(a.received.empty());

    EXPECT_EQ(DispatchPostedMessages(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"sender done", "a 6", "b 200", "a 300"}));
    EXPECT_EQ(DispatchPostedMessages(), 1);
    EXPECT_EQ(log.back(), "b 999");
    EXPECT_EQ(DispatchPostedMessages(), 0);
}

TEST(MessageTest, PostedMessageNeverReachesAWindowThatDied) {
    QueueGuard guard;
    RecordingWindow keeps;
    auto dies = std::make_unique<RecordingWindow>();
    const HWND dead = dies->GetSafeHwnd();
    EXPECT_TRUE(PostMessage(dead, WM_USER + 200, 0, 6));
    EXPECT_TRUE(PostMessage(keeps.GetSafeHwnd(), WM_USER + 200, 0, 6));
    dies->Destroy();
    RecordingWindow successor; // same slot, new generation
    EXPECT_FALSE(PostMessage(dead, WM_USER + 200, 0, 7)) << "posting to a dead window must fail";

    DispatchPostedMessages();
    EXPECT_TRUE(dies->received.empty());
    EXPECT_TRUE(successor.received.empty());
    EXPECT_EQ(Messages(keeps), (std::vector<UINT>{WM_USER + 200}));
}

TEST(MessageTest, WakeupAsksForARoundWhenTheQueueFills) {
    QueueGuard guard;
    int wakeups = 0;
    SetPostedMessageWakeup([&] { ++wakeups; });
    RecordingWindow w;
    PostMessage(w.GetSafeHwnd(), WM_USER);
    PostMessage(w.GetSafeHwnd(), WM_USER);
    EXPECT_EQ(wakeups, 1) << "one round serves every message already queued";

    w.onMessage = [&](UINT, WPARAM wParam, LPARAM) {
        if (wParam == 0)
            PostMessage(w.GetSafeHwnd(), WM_USER, 1);
    };
    DispatchPostedMessages();
    EXPECT_EQ(wakeups, 2) << "what the round posted needs another round";
    DispatchPostedMessages();
    EXPECT_EQ(wakeups, 2);
    EXPECT_EQ(w.received.size(), 4u);
}

TEST(MessageTest, ParametersCarryHandlesAndSignedPoints) {
    RecordingWindow w;
    const HWND h = w.GetSafeHwnd();
    EXPECT_EQ(HandleFromParam(HandleToParam(h)), h);
    EXPECT_EQ(HandleFromParam(static_cast<WPARAM>(static_cast<LPARAM>(HandleToParam(h)))), h);

    const LPARAM outside = MAKELPARAM(static_cast<unsigned>(-15), static_cast<unsigned>(-5));
    EXPECT_EQ(GET_X_LPARAM(outside), -15);
    EXPECT_EQ(GET_Y_LPARAM(outside), -5);
    EXPECT_EQ(GET_X_LPARAM(MAKELPARAM(32767, 0)), 32767);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(MAKEWPARAM(MK_SHIFT, static_cast<unsigned>(-WHEEL_DELTA))),
              -WHEEL_DELTA);

    const WPARAM command = MAKEWPARAM(1468, 0);
    EXPECT_EQ(LOWORD(command), 1468);
    EXPECT_EQ(HIWORD(command), 0);
}
