// Scroll-bar state, layout and painting, and the scroll-bar functions of the window system.
#include "platform/gdi/Drawing.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBarInternal.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/WindowState.h"

#include <algorithm>

namespace zorvy {
namespace {

constexpr int MinThumbLength = 8;

bool IsOwnBar(int bar) {
    return bar == SB_HORZ || bar == SB_VERT;
}

bool Scrollable(const TScrollBarData& d) {
    if (d.page == 0) return d.max > d.min;
    return static_cast<std::int64_t>(d.page) <= static_cast<std::int64_t>(d.max) - d.min;
}

std::uint32_t OwnStyleBit(int bar) {
    return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
}

void SetOwnBarShown(HWND hwnd, int bar, bool show) {
    const std::uint32_t style = GetWindowStyle(hwnd);
    const std::uint32_t wanted = show ? (style | OwnStyleBit(bar)) : (style & ~OwnStyleBit(bar));
    if (wanted == style) return;
    SetWindowStyle(hwnd, wanted);
    SetWindowPos(hwnd, 0, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool IsVerticalControl(HWND hwnd) {
    return (GetWindowStyle(hwnd) & SBS_VERT) != 0;
}

} // namespace

bool ScrollBarEnabled(HWND hwnd, const TScrollBarData& d) {
    return IsWindowEnabled(hwnd) && d.disabledArrows != ESB_DISABLE_BOTH;
}

void RepaintScrollBar(HWND hwnd, int bar) {
    if (bar == SB_CTL)
        InvalidateRect(hwnd, nullptr, false);
    else
        PaintOwnScrollBars(hwnd);
}

bool ScreenScrollBarRect(HWND hwnd, int bar, TRect& out, bool& vertical) {
    TWindow* w = FindWindowState(hwnd);
    if (!w) return false;
    if (bar == SB_CTL) {
        out = Rect(0, 0, w->clientRect.Width(), w->clientRect.Height());
        const TPoint o = ClientOrigin(*w);
        OffsetRect(out, o.X, o.Y);
        vertical = IsVerticalControl(hwnd);
        return true;
    }
    if (!OwnScrollBarRect(*w, bar, out)) return false;
    const TPoint o = WindowOrigin(*w);
    OffsetRect(out, o.X, o.Y);
    vertical = bar == SB_VERT;
    return true;
}

TScrollBarData* ScrollBarData(HWND hwnd, int bar) {
    TWindow* w = FindWindowState(hwnd);
    if (!w || bar < SB_HORZ || bar > SB_CTL) return nullptr;
    if (!w->scrollBars) w->scrollBars = std::make_shared<TScrollBars>();
    return &w->scrollBars->bars[bar];
}

int MaxScrollPos(const TScrollBarData& d) {
    const std::int64_t top = static_cast<std::int64_t>(d.max) - std::max<std::int64_t>(d.page, 1) + 1;
    return static_cast<int>(std::max<std::int64_t>(top, d.min));
}

TScrollLayout LayoutScrollBar(const TRect& bar, bool vertical, const TScrollBarData& d, bool enabled) {
    TScrollLayout l;
    l.bar = bar;
    l.vertical = vertical;
    l.length = vertical ? bar.Height() : bar.Width();
    const int thickness = vertical ? bar.Width() : bar.Height();
    l.arrow = std::min(thickness, l.length / 2);
    const int track = l.length - 2 * l.arrow;
    const std::int64_t range = static_cast<std::int64_t>(d.max) - d.min + 1;
    if (!enabled || track <= 0 || range <= 0 || !Scrollable(d)) return l;
    int thumb = d.page ? static_cast<int>(std::max<std::int64_t>(
                             track * static_cast<std::int64_t>(d.page) / range, MinThumbLength))
                       : GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    if (thumb > track) return l;
    const int maxPos = MaxScrollPos(d);
    const int pos = std::clamp(d.tracking ? d.trackPos : d.pos, d.min, maxPos);
    const int span = track - thumb;
    const std::int64_t offset = maxPos > d.min ? static_cast<std::int64_t>(pos - d.min) * span /
                                                     (static_cast<std::int64_t>(maxPos) - d.min)
                                               : 0;
    l.thumbStart = l.arrow + static_cast<int>(offset);
    l.thumbEnd = l.thumbStart + thumb;
    return l;
}

TScrollPart HitScrollPart(const TScrollLayout& l, TPoint p) {
    if (!PtInRect(l.bar, p)) return TScrollPart::None;
    const int along = l.vertical ? p.Y - l.bar.Top : p.X - l.bar.Left;
    if (along < l.arrow) return TScrollPart::LineUp;
    if (along >= l.length - l.arrow) return TScrollPart::LineDown;
    if (l.thumbEnd == 0) return TScrollPart::None;
    if (along < l.thumbStart) return TScrollPart::PageUp;
    if (along < l.thumbEnd) return TScrollPart::Thumb;
    return TScrollPart::PageDown;
}

int PositionFromThumb(const TScrollLayout& l, const TScrollBarData& d, int thumbStart) {
    const int track = l.length - 2 * l.arrow;
    const int span = track - (l.thumbEnd - l.thumbStart);
    if (span <= 0 || l.thumbEnd == 0) return d.min;
    const std::int64_t offset = std::clamp(thumbStart - l.arrow, 0, span);
    const std::int64_t spread = static_cast<std::int64_t>(MaxScrollPos(d)) - d.min;
    return d.min + static_cast<int>((offset * spread + span / 2) / span);
}

void PaintScrollBar(HDC dc, const TScrollLayout& l, const TScrollBarData& d, bool enabled) {
    const TRect& b = l.bar;
    if (IsRectEmpty(b)) return;
    auto segment = [&](int from, int to) {
        return l.vertical ? Rect(b.Left, b.Top + from, b.Right, b.Top + to)
                          : Rect(b.Left + from, b.Top, b.Left + to, b.Bottom);
    };
    auto arrow = [&](int from, int to, unsigned kind, UINT disabledBit, TScrollPart part) {
        unsigned state = kind;
        if (!enabled || (d.disabledArrows & disabledBit)) state |= DFCS_INACTIVE;
        if (d.pressed == part) state |= DFCS_PUSHED | DFCS_FLAT;
        DrawFrameControl(dc, segment(from, to), DFC_SCROLL, state);
    };
    arrow(0, l.arrow, l.vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT, ESB_DISABLE_LTUP, TScrollPart::LineUp);
    arrow(l.length - l.arrow, l.length, l.vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT, ESB_DISABLE_RTDN,
          TScrollPart::LineDown);
    const int trackStart = l.arrow, trackEnd = l.length - l.arrow;
    if (trackEnd <= trackStart) return;
    HBRUSH track = GetSysColorBrush(COLOR_SCROLLBAR);
    HBRUSH pressed = GetSysColorBrush(COLOR_BTNSHADOW);
    if (l.thumbEnd == 0) {
        FillRect(dc, segment(trackStart, trackEnd), track);
        return;
    }
    FillRect(dc, segment(trackStart, l.thumbStart), d.pressed == TScrollPart::PageUp ? pressed : track);
    FillRect(dc, segment(l.thumbEnd, trackEnd), d.pressed == TScrollPart::PageDown ? pressed : track);
    TRect thumb = segment(l.thumbStart, l.thumbEnd);
    FillRect(dc, thumb, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, thumb, EDGE_RAISED, BF_RECT);
}

bool OwnScrollBarRect(const TWindow& w, int bar, TRect& out) {
    if (!(w.style & OwnStyleBit(bar))) return false;
    const TRect& c = w.clientRect;
    if (bar == SB_VERT) {
        out = Rect(c.Right, c.Top, c.Right + GetSystemMetrics(SM_CXVSCROLL), c.Bottom);
    } else {
        out = Rect(c.Left, c.Bottom, c.Right, c.Bottom + GetSystemMetrics(SM_CYHSCROLL));
    }
    // A window too small for its bar leaves no room for it.
    return out.Right <= w.windowRect.Width() && out.Bottom <= w.windowRect.Height();
}

void ReserveScrollBars(const TWindow& w, TRect& client) {
    if ((w.style & WS_VSCROLL) && client.Width() >= GetSystemMetrics(SM_CXVSCROLL))
        client.Right -= GetSystemMetrics(SM_CXVSCROLL);
    if ((w.style & WS_HSCROLL) && client.Height() >= GetSystemMetrics(SM_CYHSCROLL))
        client.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
}

void PaintOwnScrollBars(HWND hwnd) {
    TWindow* w = FindWindowState(hwnd);
    if (!w || !(w->style & (WS_HSCROLL | WS_VSCROLL)) || !(w->style & WS_VISIBLE)) return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    TRect rects[2];
    bool shown[2];
    for (int bar : {SB_HORZ, SB_VERT}) {
        shown[bar] = OwnScrollBarRect(*w, bar, rects[bar]);
        if (!shown[bar]) continue;
        const TScrollBarData& d = *ScrollBarData(hwnd, bar);
        PaintScrollBar(dc, LayoutScrollBar(rects[bar], bar == SB_VERT, d, ScrollBarEnabled(hwnd, d)), d,
                       ScrollBarEnabled(hwnd, d));
    }
    if (shown[SB_HORZ] && shown[SB_VERT])
        FillRect(dc,
                 Rect(rects[SB_VERT].Left, rects[SB_HORZ].Top, rects[SB_VERT].Right, rects[SB_HORZ].Bottom),
                 GetSysColorBrush(COLOR_BTNFACE));
    ReleaseDC(hwnd, dc);
}

LRESULT HitTestOwnScrollBars(HWND hwnd, TPoint screen) {
    TWindow* w = FindWindowState(hwnd);
    if (!w) return HTNOWHERE;
    const TPoint o = WindowOrigin(*w);
    const TPoint p{screen.X - o.X, screen.Y - o.Y};
    TRect h, v;
    const bool hasH = OwnScrollBarRect(*w, SB_HORZ, h), hasV = OwnScrollBarRect(*w, SB_VERT, v);
    if (hasV && PtInRect(v, p)) return HTVSCROLL;
    if (hasH && PtInRect(h, p)) return HTHSCROLL;
    if (hasH && hasV && PtInRect(Rect(v.Left, h.Top, v.Right, h.Bottom), p)) return HTGROWBOX;
    return HTNOWHERE;
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw) {
    TScrollBarData* d = ScrollBarData(hwnd, bar);
    if (!d) return 0;
    if (info.fMask & SIF_RANGE) {
        d->min = info.nMin;
        d->max = info.nMax;
    }
    if (info.fMask & SIF_PAGE) d->page = info.nPage;
    const std::int64_t range = std::max<std::int64_t>(static_cast<std::int64_t>(d->max) - d->min + 1, 0);
    if (d->page > range) d->page = static_cast<UINT>(range);
    if (info.fMask & SIF_POS) d->pos = info.nPos;
    d->pos = std::clamp(d->pos, d->min, MaxScrollPos(*d));
    if (IsOwnBar(bar) && (info.fMask & (SIF_RANGE | SIF_PAGE))) {
        const bool scrollable = Scrollable(*d);
        if (info.fMask & SIF_DISABLENOSCROLL) {
            d->disabledArrows = scrollable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
            SetOwnBarShown(hwnd, bar, true);
        } else {
            SetOwnBarShown(hwnd, bar, scrollable);
        }
    }
    if (redraw) RepaintScrollBar(hwnd, bar);
    return d->pos;
}

bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info) {
    TScrollBarData* d = ScrollBarData(hwnd, bar);
    if (!d) return false;
    if (info.fMask & SIF_RANGE) {
        info.nMin = d->min;
        info.nMax = d->max;
    }
    if (info.fMask & SIF_PAGE) info.nPage = d->page;
    if (info.fMask & SIF_POS) info.nPos = d->pos;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = d->tracking ? d->trackPos : d->pos;
    return true;
}

int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw) {
    TScrollBarData* d = ScrollBarData(hwnd, bar);
    if (!d) return 0;
    const int old = d->pos;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, info, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar) {
    TScrollBarData* d = ScrollBarData(hwnd, bar);
    return d ? d->pos : 0;
}

bool SetScrollRange(HWND hwnd, int bar, int min, int max, bool redraw) {
    if (!ScrollBarData(hwnd, bar)) return false;
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = min;
    info.nMax = max;
    SetScrollInfo(hwnd, bar, info, redraw);
    return true;
}

bool GetScrollRange(HWND hwnd, int bar, int& min, int& max) {
    TScrollBarData* d = ScrollBarData(hwnd, bar);
    if (!d) return false;
    min = d->min;
    max = d->max;
    return true;
}

bool ShowScrollBar(HWND hwnd, int bar, bool show) {
    if (!IsWindow(hwnd)) return false;
    if (bar == SB_CTL) {
        ShowWindow(hwnd, show ? SW_SHOWNA : SW_HIDE);
        return true;
    }
    if (bar == SB_HORZ || bar == SB_BOTH) SetOwnBarShown(hwnd, SB_HORZ, show);
    if (bar == SB_VERT || bar == SB_BOTH) SetOwnBarShown(hwnd, SB_VERT, show);
    return bar >= SB_HORZ && bar <= SB_BOTH;
}

bool EnableScrollBar(HWND hwnd, int bar, UINT arrows) {
    bool changed = false;
    for (int b : {SB_HORZ, SB_VERT, SB_CTL}) {
        if (b != bar && !(bar == SB_BOTH && IsOwnBar(b))) continue;
        TScrollBarData* d = ScrollBarData(hwnd, b);
        if (!d) return false;
        changed |= d->disabledArrows != arrows;
        d->disabledArrows = arrows;
        RepaintScrollBar(hwnd, b);
    }
    return changed;
}

bool GetScrollBarInfo(HWND hwnd, long object, SCROLLBARINFO& info) {
    const int bar = object == OBJID_CLIENT    ? SB_CTL
                    : object == OBJID_HSCROLL ? SB_HORZ
                    : object == OBJID_VSCROLL ? SB_VERT
                                              : -1;
    TScrollBarData* d = bar >= 0 ? ScrollBarData(hwnd, bar) : nullptr;
    if (!d) return false;
    info = SCROLLBARINFO{};
    bool vertical = false;
    if (!ScreenScrollBarRect(hwnd, bar, info.rcScrollBar, vertical)) {
        info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
        return true;
    }
    const bool enabled = ScrollBarEnabled(hwnd, *d);
    const TScrollLayout l = LayoutScrollBar(info.rcScrollBar, vertical, *d, enabled);
    info.dxyLineButton = l.arrow;
    info.xyThumbTop = l.thumbStart;
    info.xyThumbBottom = l.thumbEnd;
    if (!enabled) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    if (IsRectEmpty(info.rcScrollBar)) info.rgstate[0] |= STATE_SYSTEM_OFFSCREEN;
    if (bar == SB_CTL && !IsWindowVisible(hwnd)) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
    if (!enabled || (d->disabledArrows & ESB_DISABLE_LTUP)) info.rgstate[1] |= STATE_SYSTEM_UNAVAILABLE;
    if (!enabled || (d->disabledArrows & ESB_DISABLE_RTDN)) info.rgstate[5] |= STATE_SYSTEM_UNAVAILABLE;
    if (l.thumbEnd == 0) info.rgstate[2] = info.rgstate[3] = info.rgstate[4] = STATE_SYSTEM_INVISIBLE;
    if (d->pressed != TScrollPart::None) info.rgstate[static_cast<int>(d->pressed)] |= STATE_SYSTEM_PRESSED;
    return true;
}

} // namespace zorvy
