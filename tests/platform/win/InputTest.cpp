#include "RecordingWindows.h"
#include "platform/win/VirtualKeys.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class Input : public ::testing::Test, public TWindowTest {};

const std::vector<UINT> Buttons = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};

TEST_F(Input, ClicksBecomeDoubleClicksOnlyWithinTimeDistanceAndClassStyle) {
    struct Case {
        const char* cls;
        std::uint64_t gapMs;
        int dx;
        std::vector<UINT> expected;
    };
    const std::vector<Case> cases = {
        {"Rec", 100, 0, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
        {"Rec", 600, 0, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {"Rec", 100, 10, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {"RecNoDbl", 100, 0, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
    };
    for (const auto& c : cases) {
        HWND top = TopLevel(0, 0, 200, 200, WS_POPUP, c.cls);
        Pump();
        Log().clear();
        display->Click(top, 20, 20);
        display->Clock().Advance(c.gapMs);
        display->Click(top, 20 + c.dx, 20);
        Pump();
        EXPECT_EQ(MessagesOf(top, Buttons), c.expected) << c.cls << " gap " << c.gapMs << " dx " << c.dx;
        DestroyWindow(top);
    }
}

TEST_F(Input, ATripleClickIsDoubleThenSingle) {
    HWND top = TopLevel(0, 0, 100, 100);
    Pump();
    Log().clear();
    for (int i = 0; i < 3; ++i)
        display->Click(top, 5, 5);
    Pump();
    EXPECT_EQ(MessagesOf(top, Buttons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                                           WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(Input, MouseMessagesCarryClientCoordinatesAndKeyFlags) {
    HWND top = TopLevel(100, 100, 200, 200);
    HWND child = Child(top, 30, 40, 50, 50);
    Pump();
    Log().clear();
    display->PressMouse(child, 7, 9);
    Pump();
    auto it =
        std::find_if(Log().begin(), Log().end(), [](const TRecorded& r) { return r.msg == WM_LBUTTONDOWN; });
    ASSERT_NE(it, Log().end());
    EXPECT_EQ(it->hwnd, child);
    EXPECT_EQ(GetXLParam(it->lParam), 7);
    EXPECT_EQ(GetYLParam(it->lParam), 9);
    EXPECT_TRUE(it->wParam & MK_LBUTTON);
    EXPECT_TRUE(GetKeyState(VK_LBUTTON) & 0x8000);
    display->ReleaseMouse(child, 7, 9);
    Pump();
    EXPECT_FALSE(GetKeyState(VK_LBUTTON) & 0x8000);
}

TEST_F(Input, FocusChangesSendKillThenSetWithTheOtherWindow) {
    HWND top = TopLevel(0, 0, 100, 100);
    HWND a = Child(top, 0, 0, 10, 10);
    HWND b = Child(top, 20, 0, 10, 10);
    SetFocus(a);
    Log().clear();
    EXPECT_EQ(SetFocus(b), a);
    std::vector<TRecorded> focus;
    for (const auto& r : Log())
        if (r.msg == WM_KILLFOCUS || r.msg == WM_SETFOCUS) focus.push_back(r);
    ASSERT_EQ(focus.size(), 2u);
    EXPECT_EQ(focus[0].hwnd, a);
    EXPECT_EQ(focus[0].msg, WM_KILLFOCUS);
    EXPECT_EQ(focus[0].wParam, b);
    EXPECT_EQ(focus[1].hwnd, b);
    EXPECT_EQ(focus[1].msg, WM_SETFOCUS);
    EXPECT_EQ(focus[1].wParam, a);

    EnableWindow(b, false);
    EXPECT_EQ(GetFocus(), 0u) << "disabling the focused window takes the focus away";
    EXPECT_EQ(SetFocus(b), 0u) << "a disabled window cannot take the focus";
    SetFocus(a);
    DestroyWindow(a);
    EXPECT_EQ(GetFocus(), 0u);
}

TEST_F(Input, AKillFocusHandlerMayRedirectTheFocus) {
    HWND top = TopLevel(0, 0, 100, 100);
    HWND a = Child(top, 0, 0, 10, 10);
    HWND b = Child(top, 20, 0, 10, 10);
    HWND c = Child(top, 40, 0, 10, 10);
    SetFocus(a);
    Handlers()[a] = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_KILLFOCUS) {
            Handlers().erase(a);
            SetFocus(c);
        }
        return std::nullopt;
    };
    Log().clear();
    SetFocus(b);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_TRUE(MessagesOf(b, {WM_SETFOCUS}).empty())
        << "the window that lost the race never hears it had the focus";
}

TEST_F(Input, ClickingAnInactiveWindowActivatesItAndMovesTheFocus) {
    HWND first = TopLevel(0, 0, 100, 100);
    HWND second = TopLevel(300, 0, 100, 100);
    EXPECT_EQ(GetActiveWindow(), second);
    Pump();
    Log().clear();
    display->Click(first, 10, 10);
    Pump();
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), first);
    EXPECT_EQ(MessagesOf(second, {WM_NCACTIVATE, WM_ACTIVATE}),
              (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE}));
    auto order = MessagesOf(first, {WM_MOUSEACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_LBUTTONDOWN});
    EXPECT_EQ(order, (std::vector<UINT>{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_LBUTTONDOWN}));

    InjectApplicationActive(false);
    EXPECT_EQ(GetActiveWindow(), 0u);
    EXPECT_EQ(GetFocus(), 0u);
    EXPECT_EQ(MessagesOf(first, {WM_ACTIVATEAPP}).back(), WM_ACTIVATEAPP);
}

TEST_F(Input, CaptureRoutesTheMouseAndReportsItsLoss) {
    HWND top = TopLevel(0, 0, 300, 300);
    HWND a = Child(top, 0, 0, 50, 50);
    HWND b = Child(top, 100, 100, 50, 50);
    Pump();
    SetCapture(a);
    Log().clear();
    display->MoveMouse(b, 10, 10);
    Pump();
    ASSERT_EQ(MessagesOf(a, {WM_MOUSEMOVE}).size(), 1u);
    EXPECT_TRUE(MessagesOf(b, {WM_MOUSEMOVE}).empty());
    const auto& move =
        *std::find_if(Log().begin(), Log().end(), [](const TRecorded& r) { return r.msg == WM_MOUSEMOVE; });
    EXPECT_EQ(GetXLParam(move.lParam), 110) << "coordinates are relative to the capturing window";

    Log().clear();
    SetCapture(b);
    ASSERT_EQ(MessagesOf(a, {WM_CAPTURECHANGED}).size(), 1u);
    EXPECT_EQ(Log().front().lParam, static_cast<LPARAM>(b));
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(GetCapture(), 0u) << "hiding the capturing window releases the capture";
    EXPECT_EQ(MessagesOf(b, {WM_CAPTURECHANGED}).size(), 1u);
}

TEST_F(Input, ADisabledWindowBeepsInsteadOfTakingTheClick) {
    HWND top = TopLevel(0, 0, 100, 100);
    EnableWindow(top, false);
    Pump();
    Log().clear();
    const int before = MessageBeepCount();
    display->Click(top, 5, 5);
    Pump();
    EXPECT_TRUE(MessagesOf(top, Buttons).empty());
    EXPECT_EQ(MessageBeepCount(), before + 1);
}

TEST_F(Input, KeysGoToTheFocusedWindowAndAltMakesSystemKeys) {
    HWND top = TopLevel(0, 0, 100, 100);
    HWND edit = Child(top, 0, 0, 10, 10);
    SetFocus(edit);
    Pump();
    Log().clear();
    display->PressKey('A');
    InjectKey(VK_MENU, true);
    InjectKey('F', true);
    InjectKey('F', false);
    InjectKey(VK_MENU, false);
    Pump();
    EXPECT_EQ(MessagesOf(edit, {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR}),
              (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP,
                                 WM_SYSKEYUP}));
}

TEST_F(Input, AHeldKeyRepeatsWithThePreviousStateBitSet) {
    HWND top = TopLevel(0, 0, 100, 100);
    SetFocus(top);
    Pump();
    Log().clear();
    InjectKey('A', true);
    InjectKey('A', true);
    InjectKey('A', false);
    Pump();
    std::vector<bool> repeats;
    for (const auto& r : Log())
        if (r.msg == WM_KEYDOWN) repeats.push_back((r.lParam & 0x40000000) != 0);
    EXPECT_EQ(repeats, (std::vector<bool>{false, true}));
}

TEST_F(Input, AltF4ClosesTheTopLevelWindow) {
    HWND top = TopLevel(0, 0, 100, 100);
    HWND child = Child(top, 0, 0, 10, 10);
    SetFocus(child);
    Pump();
    InjectKey(VK_MENU, true);
    InjectKey(VK_F4, true);
    Pump();
    EXPECT_FALSE(IsWindow(top));
    InjectKey(VK_F4, false);
    InjectKey(VK_MENU, false);
}

} // namespace
} // namespace zorvy::test
