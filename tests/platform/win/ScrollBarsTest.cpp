#include "platform/win/ScrollBars.h"
#include "RecordingWindows.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

struct TScrollNote {
    UINT msg;
    int code;
    int pos;
    LPARAM from;
};

class ScrollBars : public ::testing::Test, public TWindowTest {
  protected:
    std::vector<TScrollNote> notes;

    // A window whose scroll handler moves its own vertical bar as a list would: lines by 1, pages by
    // the page, the thumb where it is dragged.
    void ScrollsItself(HWND hwnd) {
        Handlers()[hwnd] = [this](HWND h, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (msg != WM_VSCROLL && msg != WM_HSCROLL) return std::nullopt;
            const int code = LoWord(wParam);
            notes.push_back({msg, code, HiWord(wParam), lParam});
            if (lParam) return 0;
            SCROLLINFO si;
            GetScrollInfo(h, SB_VERT, si);
            int pos = si.nPos;
            if (code == SB_LINEDOWN) pos += 1;
            if (code == SB_LINEUP) pos -= 1;
            if (code == SB_PAGEDOWN) pos += static_cast<int>(si.nPage);
            if (code == SB_PAGEUP) pos -= static_cast<int>(si.nPage);
            if (code == SB_THUMBTRACK) {
                trackPosSeen = si.nTrackPos;
                pos = si.nTrackPos;
            }
            SetScrollPos(h, SB_VERT, pos, true);
            return 0;
        };
    }
    std::vector<int> Codes() const {
        std::vector<int> out;
        for (const auto& n : notes)
            out.push_back(n.code);
        return out;
    }
    // A 100 x 217 window with a vertical bar 0..99, page 10: the bar is 17 x 217 at x 83, its arrows 17
    // long, its track 183, its thumb 183 * 10 / 100 = 18 long over 165 pixels for positions 0..90.
    HWND ListLike() {
        HWND top = TopLevel(0, 0, 400, 400);
        HWND w = Child(top, 10, 10, 100, 217, WS_VSCROLL);
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = 99;
        si.nPage = 10;
        si.nPos = 0;
        SetScrollInfo(w, SB_VERT, si, true);
        ScrollsItself(w);
        Pump();
        return w;
    }
    // Ends a press after `ms` of virtual time, while the tracking loop waits.
    void ReleaseAfter(HWND hwnd, UINT ms, int x, int y) {
        TPoint p{x, y};
        ClientToScreen(hwnd, p);
        SetTimer(0, 0, ms, [p](HWND, UINT, std::uintptr_t id, std::uint64_t) {
            KillTimer(0, id);
            InjectMouseButton(TInputButton::Left, false, p);
        });
    }
    int trackPosSeen = -1;
};

TEST_F(ScrollBars, ThePositionStaysWithinTheRangeLessThePage) {
    struct Case {
        int min, max;
        UINT page;
        int pos;
        int expectedPos;
        UINT expectedPage;
    };
    const Case cases[] = {
        {0, 100, 10, 95, 91, 10}, {0, 100, 0, 150, 100, 0},  {0, 100, 0, -5, 0, 0},
        {0, 9, 20, 5, 0, 10},     {-50, 50, 25, 40, 26, 25}, {5, 5, 0, 9, 5, 0},
    };
    HWND top = TopLevel(0, 0, 100, 100);
    HWND bar = CreateWindowEx(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 17, top, 0);
    ASSERT_NE(bar, 0u);
    for (const auto& c : cases) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = c.min, si.nMax = c.max, si.nPage = c.page, si.nPos = c.pos;
        EXPECT_EQ(SetScrollInfo(bar, SB_CTL, si, false), c.expectedPos);
        SCROLLINFO out;
        ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, out));
        EXPECT_EQ(out.nPos, c.expectedPos)
            << c.min << ".." << c.max << " page " << c.page << " pos " << c.pos;
        EXPECT_EQ(out.nPage, c.expectedPage);
        EXPECT_EQ(SendMessage(bar, SBM_GETPOS), c.expectedPos);
    }
}

TEST_F(ScrollBars, AWindowsOwnBarShowsWhileItsRangeExceedsThePage) {
    HWND top = TopLevel(0, 0, 300, 300);
    HWND w = Child(top, 0, 0, 200, 100);
    TRect r;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = 0, si.nMax = 49, si.nPage = 20;
    SetScrollInfo(w, SB_VERT, si, true);
    GetClientRect(w, r);
    EXPECT_EQ(r.Width(), 200 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_TRUE(GetWindowStyle(w) & WS_VSCROLL);

    si.nPage = 50; // the whole range fits
    SetScrollInfo(w, SB_VERT, si, true);
    GetClientRect(w, r);
    EXPECT_EQ(r.Width(), 200);
    SCROLLBARINFO info;
    ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, info));
    EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);

    si.fMask |= SIF_DISABLENOSCROLL; // stays, disabled
    SetScrollInfo(w, SB_VERT, si, true);
    ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, info));
    EXPECT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_TRUE(info.rgstate[3] & STATE_SYSTEM_INVISIBLE) << "no thumb";

    ShowScrollBar(w, SB_BOTH, true);
    GetClientRect(w, r);
    EXPECT_EQ(r, Rect(0, 0, 200 - GetSystemMetrics(SM_CXVSCROLL), 100 - GetSystemMetrics(SM_CYHSCROLL)));
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MakeLParam(195, 50)), HTVSCROLL);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MakeLParam(50, 95)), HTHSCROLL);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MakeLParam(195, 95)), HTGROWBOX);
}

TEST_F(ScrollBars, TheThumbLiesInProportionToThePosition) {
    HWND w = ListLike();
    TPoint origin{0, 0};
    ClientToScreen(w, origin);
    struct Case {
        int pos, top;
    };
    // 17 + pos * 165 / 90, rounded down.
    for (const Case& c : {Case{0, 17}, Case{45, 99}, Case{90, 182}, Case{30, 72}}) {
        SetScrollPos(w, SB_VERT, c.pos, false);
        SCROLLBARINFO info;
        ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, info));
        EXPECT_EQ(info.rcScrollBar, Bounds(origin.X + 83, origin.Y, 17, 217));
        EXPECT_EQ(info.dxyLineButton, 17);
        EXPECT_EQ(info.xyThumbTop, c.top) << c.pos;
        EXPECT_EQ(info.xyThumbBottom, c.top + 18) << c.pos;
    }
}

TEST_F(ScrollBars, ClicksOnArrowsAndTrackSendTheirCodesThenEndScroll) {
    HWND w = ListLike();
    SetScrollPos(w, SB_VERT, 45, true);
    struct Case {
        int y;
        std::vector<int> codes;
        int pos;
    };
    const Case cases[] = {
        {5, {SB_LINEUP, SB_ENDSCROLL}, 44},
        {210, {SB_LINEDOWN, SB_ENDSCROLL}, 45},
        {30, {SB_PAGEUP, SB_ENDSCROLL}, 35},
        {190, {SB_PAGEDOWN, SB_ENDSCROLL}, 45},
    };
    for (const auto& c : cases) {
        notes.clear();
        display->Click(w, 90, c.y);
        Pump();
        EXPECT_EQ(Codes(), c.codes) << "y " << c.y;
        EXPECT_EQ(GetScrollPos(w, SB_VERT), c.pos) << "y " << c.y;
        for (const auto& n : notes)
            EXPECT_EQ(n.from, 0) << "the window's own bar names no window";
    }
}

TEST_F(ScrollBars, AHeldArrowRepeatsAndAHeldTrackStopsUnderTheMouse) {
    HWND w = ListLike();
    // Pressed at 0, repeated at 400, 450, 500, 550 and 600 ms, released at 625.
    display->PressMouse(w, 90, 210);
    ReleaseAfter(w, 625, 90, 210);
    Pump();
    EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN,
                                         SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 6);

    // From 0, pages of 10 until the thumb covers y 150: at 70 it spans 145..163.
    SetScrollPos(w, SB_VERT, 0, true);
    notes.clear();
    display->PressMouse(w, 90, 150);
    ReleaseAfter(w, 900, 90, 150);
    Pump();
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 70);
    const std::vector<int> codes = Codes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), SB_PAGEDOWN), 7);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
}

TEST_F(ScrollBars, DraggingTheThumbTracksThenSetsThePosition) {
    HWND w = ListLike();
    // The thumb spans 17..35; taken at 20 and moved 82 down its start lies at 99: 82 * 90 / 165 = 44.7.
    display->PressMouse(w, 90, 20);
    display->MoveMouse(w, 90, 102);
    display->ReleaseMouse(w, 90, 102);
    Pump();
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].code, SB_THUMBTRACK);
    EXPECT_EQ(notes[0].pos, 45);
    EXPECT_EQ(trackPosSeen, 45) << "the track position is readable while dragging";
    EXPECT_EQ(notes[1].code, SB_THUMBPOSITION);
    EXPECT_EQ(notes[1].pos, 45);
    EXPECT_EQ(notes[2].code, SB_ENDSCROLL);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 45);
    EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(ScrollBars, AScrollBarControlTellsItsParentAndNamesItself) {
    HWND top = TopLevel(0, 0, 300, 300);
    HWND parent = Child(top, 0, 0, 300, 300);
    HWND bar = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 0, 200, 17, parent, 0);
    ScrollsItself(parent);
    SendMessage(bar, SBM_SETRANGE, 0, 100);
    SendMessage(bar, SBM_SETPOS, 50, 1);
    int min = -1, max = -1;
    SendMessage(bar, SBM_GETRANGE, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 100);
    display->Click(bar, 195, 8);
    Pump();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].msg, WM_HSCROLL);
    EXPECT_EQ(notes[0].code, SB_LINEDOWN);
    EXPECT_EQ(notes[0].from, static_cast<LPARAM>(bar));

    struct Key {
        std::uint16_t vk;
        int code;
    };
    SetFocus(bar);
    for (const Key k : {Key{VK_LEFT, SB_LINEUP}, Key{VK_RIGHT, SB_LINEDOWN}, Key{VK_PRIOR, SB_PAGEUP},
                        Key{VK_NEXT, SB_PAGEDOWN}, Key{VK_HOME, SB_TOP}, Key{VK_END, SB_BOTTOM}}) {
        notes.clear();
        display->PressKey(k.vk);
        Pump();
        ASSERT_EQ(notes.size(), 2u) << k.vk;
        EXPECT_EQ(notes[0].code, k.code);
        EXPECT_EQ(notes[1].code, SB_ENDSCROLL);
    }

    EXPECT_TRUE(EnableScrollBar(bar, SB_CTL, ESB_DISABLE_RTDN));
    notes.clear();
    display->Click(bar, 195, 8);
    Pump();
    EXPECT_TRUE(notes.empty()) << "a disabled arrow does nothing";
}

} // namespace
} // namespace zorvy::test
