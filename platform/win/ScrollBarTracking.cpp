// The press of a scroll bar: a loop of its own, as long as the button is held, that repeats the
// arrow and page steps on a timer and drags the thumb.
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/ScrollBarInternal.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {
namespace {

constexpr std::uintptr_t RepeatTimer = 0xFFFFFF01;
constexpr UINT FirstRepeatDelay = 400;
constexpr UINT RepeatInterval = 50;

int CodeOf(TScrollPart part) {
    switch (part) {
    case TScrollPart::LineUp:
        return SB_LINEUP;
    case TScrollPart::LineDown:
        return SB_LINEDOWN;
    case TScrollPart::PageUp:
        return SB_PAGEUP;
    case TScrollPart::PageDown:
        return SB_PAGEDOWN;
    default:
        return SB_THUMBTRACK;
    }
}

} // namespace

void TrackScrollBar(HWND hwnd, int bar, TPoint screen) {
    TScrollBarData* d = ScrollBarData(hwnd, bar);
    TRect rect;
    bool vertical = false;
    if (!d || !ScreenScrollBarRect(hwnd, bar, rect, vertical) || !ScrollBarEnabled(hwnd, *d)) return;
    auto layout = [&] {
        ScreenScrollBarRect(hwnd, bar, rect, vertical);
        return LayoutScrollBar(rect, vertical, *d, ScrollBarEnabled(hwnd, *d));
    };
    TScrollLayout l = layout();
    const TScrollPart part = HitScrollPart(l, screen);
    if (part == TScrollPart::None) return;
    if ((part == TScrollPart::LineUp && (d->disabledArrows & ESB_DISABLE_LTUP)) ||
        (part == TScrollPart::LineDown && (d->disabledArrows & ESB_DISABLE_RTDN)))
        return;

    const HWND target = bar == SB_CTL ? GetParent(hwnd) : hwnd;
    const LPARAM source = bar == SB_CTL ? static_cast<LPARAM>(hwnd) : 0;
    const UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
    // The position rides in the high word (all of it, above the low 16 bits a reader takes).
    auto notify = [&](int code, int pos) {
        if (IsWindow(target))
            SendMessage(target, msg,
                        (static_cast<WPARAM>(static_cast<std::uint32_t>(pos)) << 16) |
                            static_cast<WPARAM>(code),
                        source);
    };
    auto along = [&](TPoint p) { return vertical ? p.Y - rect.Top : p.X - rect.Left; };
    const int grab = along(screen) - l.thumbStart;

    SetCapture(hwnd);
    d->pressed = part;
    if (part == TScrollPart::Thumb) {
        d->tracking = true;
        d->trackPos = d->pos;
        RepaintScrollBar(hwnd, bar);
    } else {
        RepaintScrollBar(hwnd, bar);
        notify(CodeOf(part), 0);
        SetTimer(hwnd, RepeatTimer, FirstRepeatDelay);
    }
    TPoint mouse = screen;
    bool cancelled = false;
    while (IsWindow(hwnd) && GetCapture() == hwnd) {
        MSG m;
        if (!PeekMessage(m, 0, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (!(d = ScrollBarData(hwnd, bar))) break;
        if (m.hwnd == hwnd && m.message == WM_TIMER && m.wParam == RepeatTimer) {
            l = layout();
            // A page step repeats until the thumb reaches the mouse, an arrow while the mouse is on it.
            if (HitScrollPart(l, mouse) == part) notify(CodeOf(part), 0);
            SetTimer(hwnd, RepeatTimer, RepeatInterval);
            continue;
        }
        if (m.hwnd == hwnd && m.message == WM_MOUSEMOVE) {
            mouse = {GetXLParam(m.lParam), GetYLParam(m.lParam)};
            ClientToScreen(hwnd, mouse);
            l = layout();
            if (part == TScrollPart::Thumb) {
                const int pos = PositionFromThumb(l, *d, along(mouse) - grab);
                if (pos != d->trackPos) {
                    d->trackPos = pos;
                    RepaintScrollBar(hwnd, bar);
                    notify(SB_THUMBTRACK, pos);
                }
            } else {
                const TScrollPart shown = HitScrollPart(l, mouse) == part ? part : TScrollPart::None;
                if (shown != d->pressed) {
                    d->pressed = shown;
                    RepaintScrollBar(hwnd, bar);
                }
            }
            continue;
        }
        if (m.hwnd == hwnd && m.message == WM_LBUTTONUP) break;
        if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
            cancelled = true;
            break;
        }
        if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) continue;
        TranslateMessage(m);
        DispatchMessage(m);
    }
    if (!IsWindow(hwnd)) return;
    KillTimer(hwnd, RepeatTimer);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!(d = ScrollBarData(hwnd, bar))) return;
    d->pressed = TScrollPart::None;
    if (part == TScrollPart::Thumb) {
        // Escape puts the thumb back where it was picked up.
        notify(SB_THUMBPOSITION, cancelled ? d->pos : d->trackPos);
        if ((d = ScrollBarData(hwnd, bar))) d->tracking = false;
    }
    notify(SB_ENDSCROLL, 0);
    if (IsWindow(hwnd)) RepaintScrollBar(hwnd, bar);
}

} // namespace zorvy
