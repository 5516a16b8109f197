#include "RecordingWindows.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/Hooks.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class MessageQueue : public ::testing::Test, public TWindowTest {};

TEST_F(MessageQueue, PeekFiltersByWindowAndRangeAndKeepsOrder) {
    HWND a = TopLevel(0, 0, 10, 10);
    HWND b = TopLevel(0, 0, 10, 10);
    HWND aChild = Child(a, 0, 0, 5, 5);
    FlushPainting();
    PostMessage(a, WM_USER + 1);
    PostMessage(b, WM_USER + 2);
    PostMessage(aChild, WM_USER + 3);
    PostMessage(a, WM_APP + 4);

    MSG m;
    ASSERT_TRUE(PeekMessage(m, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, WM_USER + 2);
    ASSERT_TRUE(PeekMessage(m, a, WM_USER, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(m.message, WM_USER + 1);
    ASSERT_TRUE(PeekMessage(m, a, WM_USER, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(m.message, WM_USER + 3) << "the window filter takes the window's children too";
    EXPECT_FALSE(PeekMessage(m, a, WM_USER, WM_USER + 10, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(m, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_USER + 2);
    ASSERT_TRUE(PeekMessage(m, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_APP + 4);
    EXPECT_FALSE(PeekMessage(m, 0, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, QuitComesAfterPostedMessagesAndGetMessageReportsIt) {
    HWND a = TopLevel(0, 0, 10, 10);
    FlushPainting();
    PostQuitMessage(7);
    PostMessage(a, WM_USER);
    MSG m;
    ASSERT_TRUE(GetMessage(m, 0, 0, 0));
    EXPECT_EQ(m.message, WM_USER);
    EXPECT_FALSE(GetMessage(m, 0, 0, 0));
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(m.wParam, 7u);
    EXPECT_TRUE(QueueIsEmpty());
}

TEST_F(MessageQueue, WaitingWithNothingToWaitForIsAnErrorNotAHang) {
    MSG m;
    EXPECT_THROW(GetMessage(m, 0, 0, 0), EInvalidOperation);
}

TEST_F(MessageQueue, DispatchToADestroyedWindowDoesNothing) {
    HWND a = TopLevel(0, 0, 10, 10);
    PostMessage(a, WM_USER);
    DestroyWindow(a);
    Log().clear();
    Pump();
    EXPECT_TRUE(Log().empty());
}

TEST_F(MessageQueue, TranslateMessageMakesControlCharacters) {
    HWND a = TopLevel(0, 0, 10, 10);
    SetFocus(a);
    FlushPainting();
    Log().clear();
    display->PressKey(VK_RETURN);
    display->TypeText("a中");
    InjectKey(VK_CONTROL, true);
    display->PressKey('C');
    InjectKey(VK_CONTROL, false);
    Pump();
    std::vector<WPARAM> chars;
    for (const auto& r : Log())
        if (r.msg == WM_CHAR) chars.push_back(r.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{13, 'a', 0x4E2D, 3}));
}

TEST_F(MessageQueue, HooksSeeSentMessagesRewriteRetrievedOnesAndDiscardMouse) {
    HWND a = TopLevel(0, 0, 50, 50);
    FlushPainting();
    std::vector<std::string> calls;
    HHOOK older = SetWindowsHookEx(WH_CALLWNDPROC, [&](int code, WPARAM w, LPARAM l) -> LRESULT {
        auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
        if (cwp->message == WM_USER) calls.push_back("older");
        return CallNextHookEx(0, code, w, l);
    });
    HHOOK newer = 0;
    newer = SetWindowsHookEx(WH_CALLWNDPROC, [&](int code, WPARAM w, LPARAM l) -> LRESULT {
        auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
        if (cwp->message == WM_USER) calls.push_back("newer");
        return CallNextHookEx(newer, code, w, l);
    });
    SendMessage(a, WM_USER);
    EXPECT_EQ(calls, (std::vector<std::string>{"newer", "older"}));
    UnhookWindowsHookEx(newer);
    UnhookWindowsHookEx(older);

    HHOOK get = SetWindowsHookEx(WH_GETMESSAGE, [](int, WPARAM remove, LPARAM l) -> LRESULT {
        auto* msg = reinterpret_cast<MSG*>(l);
        if (remove == PM_REMOVE && msg->message == WM_USER + 1) msg->message = WM_NULL;
        return 0;
    });
    PostMessage(a, WM_USER + 1);
    MSG m;
    ASSERT_TRUE(PeekMessage(m, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_NULL);
    UnhookWindowsHookEx(get);

    HHOOK mouse = SetWindowsHookEx(WH_MOUSE, [&](int, WPARAM msg, LPARAM l) -> LRESULT {
        auto* data = reinterpret_cast<MOUSEHOOKSTRUCT*>(l);
        return msg == WM_LBUTTONDOWN && data->hwnd == a ? 1 : 0;
    });
    Log().clear();
    display->Click(a, 5, 5);
    Pump();
    EXPECT_EQ(MessagesOf(a, {WM_LBUTTONDOWN, WM_LBUTTONUP}), std::vector<UINT>{WM_LBUTTONUP});
    EXPECT_FALSE(GetKeyState(VK_LBUTTON) & 0x8000) << "the key state follows discarded presses too";
    UnhookWindowsHookEx(mouse);
}

class Timers : public ::testing::Test, public TWindowTest {};

std::vector<WPARAM> PumpTimers() {
    std::vector<WPARAM> ids;
    MSG m;
    while (PeekMessage(m, 0, 0, 0, PM_REMOVE)) {
        if (m.message == WM_TIMER) ids.push_back(m.wParam);
        DispatchMessage(m);
    }
    return ids;
}

TEST_F(Timers, FireOnTheVirtualClockOncePerPollHoweverLate) {
    HWND a = TopLevel(0, 0, 10, 10);
    FlushPainting();
    SetTimer(a, 1, 100);
    auto& clock = display->Clock();
    clock.Advance(99);
    EXPECT_TRUE(PumpTimers().empty());
    clock.Advance(1);
    EXPECT_EQ(PumpTimers(), std::vector<WPARAM>{1});
    EXPECT_TRUE(PumpTimers().empty());
    clock.Advance(1000);
    EXPECT_EQ(PumpTimers(), std::vector<WPARAM>{1}) << "a late timer comes once, not ten times";
    EXPECT_TRUE(KillTimer(a, 1));
    clock.Advance(1000);
    EXPECT_TRUE(PumpTimers().empty());
    EXPECT_FALSE(KillTimer(a, 1));
}

TEST_F(Timers, AStaleTimerMessageIsDroppedAtDispatch) {
    HWND a = TopLevel(0, 0, 10, 10);
    FlushPainting();
    SetTimer(a, 5, 50);
    display->Clock().Advance(50);
    MSG stale;
    ASSERT_TRUE(PeekMessage(stale, 0, 0, 0, PM_REMOVE));
    ASSERT_EQ(stale.message, WM_TIMER);
    KillTimer(a, 5);
    Log().clear();
    DispatchMessage(stale);
    EXPECT_TRUE(MessagesOf(a, {WM_TIMER}).empty());

    // Set again with the same id: the message of the earlier timer is still stale.
    SetTimer(a, 6, 50);
    display->Clock().Advance(50);
    ASSERT_TRUE(PeekMessage(stale, 0, 0, 0, PM_REMOVE));
    SetTimer(a, 6, 50);
    DispatchMessage(stale);
    EXPECT_TRUE(MessagesOf(a, {WM_TIMER}).empty());
    display->Clock().Advance(50);
    PumpTimers();
    EXPECT_EQ(MessagesOf(a, {WM_TIMER}).size(), 1u);
}

TEST_F(Timers, ThreadTimersCallTheirProcedureAndDieWithTheirWindow) {
    int calls = 0;
    const auto id = SetTimer(0, 0, 10, [&](HWND, UINT, std::uintptr_t, std::uint64_t) { ++calls; });
    EXPECT_NE(id, 0u);
    display->Clock().Advance(10);
    PumpTimers();
    EXPECT_EQ(calls, 1);
    KillTimer(0, id);

    HWND a = TopLevel(0, 0, 10, 10);
    SetTimer(a, 1, 10);
    DestroyWindow(a);
    display->Clock().Advance(10);
    EXPECT_TRUE(PumpTimers().empty());
    EXPECT_EQ(SetTimer(a, 1, 10), 0u) << "no timer for a handle that is not a window";
}

TEST_F(Timers, GetMessageWaitsForTheNextTimerOnTheVirtualClock) {
    HWND a = TopLevel(0, 0, 10, 10);
    FlushPainting();
    const auto start = display->Clock().Milliseconds();
    SetTimer(a, 1, 250);
    MSG m;
    ASSERT_TRUE(GetMessage(m, 0, 0, 0));
    EXPECT_EQ(m.message, WM_TIMER);
    EXPECT_EQ(display->Clock().Milliseconds(), start + 250);
}

} // namespace
} // namespace zorvy::test
