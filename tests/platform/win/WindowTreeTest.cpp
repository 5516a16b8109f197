#include "RecordingWindows.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class WindowTree : public ::testing::Test, public TWindowTest {};

TEST_F(WindowTree, ParentChildOwnerAndZOrder) {
    HWND top = TopLevel(100, 100, 300, 200);
    HWND a = Child(top, 0, 0, 50, 50);
    HWND b = Child(top, 10, 10, 50, 50);
    HWND owned = CreateWindowEx(0, "Rec", "popup", WS_POPUP, 0, 0, 10, 10, b, 0);
    ASSERT_TRUE(top && a && b && owned);

    EXPECT_EQ(GetParent(a), top);
    EXPECT_EQ(GetParent(owned), top) << "an owned window's owner is the top-level ancestor";
    EXPECT_EQ(GetWindow(owned, GW_OWNER), top);
    EXPECT_TRUE(IsChild(top, a));
    EXPECT_FALSE(IsChild(top, owned));
    // The window created last is in front.
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
}

TEST_F(WindowTree, TopmostWindowsStayInFront) {
    HWND normal = TopLevel(0, 0, 10, 10);
    HWND topmost = CreateWindowEx(WS_EX_TOPMOST, "Rec", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, 0, 0);
    HWND later = TopLevel(0, 0, 10, 10);
    EXPECT_EQ(GetTopWindow(0), topmost);
    EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), later);
    EXPECT_EQ(GetWindow(later, GW_HWNDNEXT), normal);
}

TEST_F(WindowTree, DestroyNotifiesParentFirstThenChildrenLastAndTakesOwnedWindows) {
    HWND top = TopLevel(0, 0, 100, 100);
    HWND child = Child(top, 0, 0, 10, 10);
    HWND grandchild = Child(child, 0, 0, 5, 5);
    HWND owned = CreateWindowEx(0, "Rec", "", WS_POPUP, 0, 0, 10, 10, top, 0);
    Log().clear();
    ASSERT_TRUE(DestroyWindow(top));

    std::vector<std::pair<HWND, UINT>> order;
    for (const auto& r : Log())
        if (r.msg == WM_DESTROY || r.msg == WM_NCDESTROY) order.emplace_back(r.hwnd, r.msg);
    const std::vector<std::pair<HWND, UINT>> expected = {
        {owned, WM_DESTROY},      {owned, WM_NCDESTROY},      {top, WM_DESTROY},     {child, WM_DESTROY},
        {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    for (HWND h : {top, child, grandchild, owned})
        EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(DestroyWindow(top)) << "a stale handle is refused, not dereferenced";
    EXPECT_EQ(SendMessage(top, WM_USER), 0);
    EXPECT_FALSE(PostMessage(top, WM_USER));
}

TEST_F(WindowTree, TheSystemsStaticClassNeedsNoRegistration) {
    HWND anchor = CreateWindowEx(WS_EX_TOPMOST, "STATIC", "", WS_POPUP, 10, 10, 28, 28, 0, 0);
    ASSERT_NE(anchor, 0u);
    EXPECT_EQ(GetClassName(anchor), "STATIC");
}

TEST_F(WindowTree, RefusedCreationAndBadArguments) {
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, 0, 0), 0u);
    EXPECT_EQ(CreateWindowEx(0, "Rec", "", WS_CHILD, 0, 0, 1, 1, 0, 0), 0u) << "a child needs a parent";
    EXPECT_EQ(CreateWindowEx(0, "Rec", "", WS_CHILD, 0, 0, 1, 1, 0xDEAD, 0), 0u);

    RegisterClass({"Refuses", 0, [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                       return m == WM_CREATE ? -1 : DefWindowProc(h, m, w, l);
                   }});
    EXPECT_EQ(CreateWindowEx(0, "Refuses", "", WS_POPUP, 0, 0, 1, 1, 0, 0), 0u);
    EXPECT_EQ(GetTopWindow(0), 0u) << "the refused window left nothing behind";

    HWND top = TopLevel(0, 0, 10, 10);
    HWND child = Child(top, 0, 0, 5, 5);
    EXPECT_EQ(SetParent(top, child), 0u) << "a window cannot become its own descendant's child";
}

TEST_F(WindowTree, ClientAreaFrameAndCoordinateMapping) {
    HWND top = TopLevel(100, 50, 300, 200);
    HWND bordered = CreateWindowEx(WS_EX_CLIENTEDGE, "Rec", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 30,
                                   100, 80, top, 0);
    TRect client, window;
    ASSERT_TRUE(GetClientRect(bordered, client));
    EXPECT_EQ(client, Rect(0, 0, 94, 74)) << "1-pixel border plus 2-pixel client edge on each side";
    GetWindowRect(bordered, window);
    EXPECT_EQ(window, Rect(120, 80, 220, 160));

    TPoint p{0, 0};
    ClientToScreen(bordered, p);
    EXPECT_EQ(p, Point(123, 83));
    ScreenToClient(top, p);
    EXPECT_EQ(p, Point(23, 33));
    TPoint pts[2] = {{0, 0}, {5, 5}};
    MapWindowPoints(bordered, top, pts, 2);
    EXPECT_EQ(pts[0], Point(23, 33));
    EXPECT_EQ(pts[1], Point(28, 38));
    TPoint q{10, 10};
    MapWindowPoints(top, 0, &q, 1);
    EXPECT_EQ(q, Point(110, 60));
}

TEST_F(WindowTree, WindowFromPointSkipsHiddenDisabledTransparentAndOutsideTheRegion) {
    HWND top = TopLevel(0, 0, 200, 200);
    HWND a = Child(top, 0, 0, 100, 100);
    HWND hidden = Child(top, 0, 0, 50, 50);
    ShowWindow(hidden, SW_HIDE);
    EXPECT_EQ(WindowFromPoint({10, 10}), a);

    HWND disabled = Child(top, 0, 0, 50, 50);
    EnableWindow(disabled, false);
    EXPECT_EQ(WindowFromPoint({10, 10}), a) << "a disabled child lets the window below take the point";

    HWND glass = Child(top, 0, 0, 60, 60);
    Handlers()[glass] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCHITTEST) return HTTRANSPARENT;
        return std::nullopt;
    };
    EXPECT_EQ(WindowFromPoint({10, 10}), a);

    HWND round = Child(top, 120, 0, 80, 80);
    TRegion ellipse = TRegion::Ellipse(Rect(0, 0, 80, 80));
    SetWindowRgn(round, &ellipse, true);
    EXPECT_EQ(WindowFromPoint({160, 40}), round);
    EXPECT_EQ(WindowFromPoint({121, 1}), top) << "the corner lies outside the elliptic region";
    EXPECT_EQ(WindowFromPoint({500, 500}), 0u);
}

TEST_F(WindowTree, ShowHideSizeAndTextMessages) {
    HWND top = TopLevel(0, 0, 100, 100);
    HWND child = CreateWindowEx(0, "Rec", "", WS_CHILD, 0, 0, 10, 10, top, 0);
    EXPECT_FALSE(IsWindowVisible(child));
    Log().clear();
    EXPECT_FALSE(ShowWindow(child, SW_SHOWNA));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(child, SW_HIDE));
    EXPECT_EQ(MessagesOf(child, {WM_SHOWWINDOW}).size(), 2u);

    Log().clear();
    MoveWindow(child, 5, 5, 40, 30, true);
    auto msgs = MessagesOf(child, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE});
    EXPECT_EQ(msgs, (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    auto size =
        std::find_if(Log().begin(), Log().end(), [&](const TRecorded& r) { return r.msg == WM_SIZE; });
    EXPECT_EQ(LoWord(static_cast<std::uintptr_t>(size->lParam)), 40);
    EXPECT_EQ(HiWord(static_cast<std::uintptr_t>(size->lParam)), 30);

    SetWindowText(top, "标题");
    EXPECT_EQ(GetWindowText(top), "标题");
    EXPECT_EQ(display->NativeWindow(top)->desc.caption, "标题");
}

TEST_F(WindowTree, WindowProcedureReplacementCallsTheOldOne) {
    HWND top = TopLevel(0, 0, 10, 10);
    static WNDPROC old = nullptr;
    static int seen = 0;
    seen = 0;
    old = SetWindowProc(top, [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) ++seen;
        return CallWindowProc(old, h, m, w, l);
    });
    Log().clear();
    SendMessage(top, WM_USER, 1, 2);
    EXPECT_EQ(seen, 1);
    ASSERT_EQ(MessagesOf(top, {WM_USER}).size(), 1u) << "the original procedure still got the message";
    SetWindowProc(top, old);
    SendMessage(top, WM_USER);
    EXPECT_EQ(seen, 1);
}

TEST_F(WindowTree, LayeredAttributesReachTheDisplay) {
    HWND popup = CreateWindowEx(WS_EX_LAYERED, "Rec", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, 0, 0);
    ASSERT_TRUE(SetLayeredWindowAttributes(popup, RGB(255, 0, 255), 180, LWA_ALPHA | LWA_COLORKEY));
    EXPECT_EQ(display->NativeWindow(popup)->alpha, 180);
    EXPECT_EQ(display->NativeWindow(popup)->colorKey, RGB(255, 0, 255));
    HWND plain = TopLevel(0, 0, 10, 10);
    EXPECT_FALSE(SetLayeredWindowAttributes(plain, 0, 10, LWA_ALPHA))
        << "only layered windows take attributes";
}

} // namespace
} // namespace zorvy::test
