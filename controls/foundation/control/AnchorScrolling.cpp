// Middle-button anchor scrolling of a TcxControl: a round anchor window at the pointer, and a modal
// loop that scrolls towards the pointer, faster the farther it is from the anchor, until a click,
// Esc, a lost capture or a quit request ends it.
#include "controls/foundation/control/Control.h"

#include "controls/foundation/services/ControlUnit.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Region.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <cstdlib>

namespace zorvy {
namespace {

constexpr const char* AnchorWindowClass = "ZorvyAnchorScrollWindow";
constexpr int AnchorSize = 28;
constexpr UINT AnchorTickMs = 20;

LRESULT AnchorWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// The anchor picture: a disc with an arrow towards each side the content can scroll to
// ("CX_VERSCROLLBITMAP", "CX_HORSCROLLBITMAP", "CX_FULLSCROLLBITMAP").
void DrawAnchorBitmap(TBitmap& bitmap, bool horizontal, bool vertical) {
    bitmap.SetSize(AnchorSize, AnchorSize);
    TCanvas* c = bitmap.GetCanvas();
    c->GetBrush()->SetColor(clWindow);
    c->FillRect(Rect(0, 0, AnchorSize, AnchorSize));
    c->GetBrush()->SetColor(clWindowText);
    c->GetPen()->SetColor(clWindowText);
    const int m = AnchorSize / 2;
    c->Ellipse(m - 2, m - 2, m + 2, m + 2);
    if (vertical) {
        const TPoint up[] = {{m, 3}, {m - 4, 8}, {m + 4, 8}};
        const TPoint down[] = {{m, AnchorSize - 4}, {m - 4, AnchorSize - 9}, {m + 4, AnchorSize - 9}};
        c->Polygon(up);
        c->Polygon(down);
    }
    if (horizontal) {
        const TPoint left[] = {{3, m}, {8, m - 4}, {8, m + 4}};
        const TPoint right[] = {{AnchorSize - 4, m}, {AnchorSize - 9, m - 4}, {AnchorSize - 9, m + 4}};
        c->Polygon(left);
        c->Polygon(right);
    }
}

} // namespace

void TcxControl::RunAnchorScrolling() {
    const bool hShown = HorzScrollBarShown(), vShown = VertScrollBarShown();
    if ((!hShown && !vShown) || !HandleAllocated()) return;
    TWeakLink<TcxControl> self(this);
    scrollingContent_ = true;
    bool moved = false;
    TPoint anchor;
    GetCursorPos(anchor);

    TBitmap bitmap;
    DrawAnchorBitmap(bitmap, hShown, vShown);
    TWindowClass cls;
    if (!GetClassInfo(AnchorWindowClass, cls)) RegisterClass({AnchorWindowClass, 0, &AnchorWindowProc, 0, clNone});
    const HWND window = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, AnchorWindowClass, "",
                                       WS_POPUP, anchor.X - AnchorSize / 2, anchor.Y - AnchorSize / 2, AnchorSize,
                                       AnchorSize, 0, 0);
    HRGN ellipse = CreateEllipticRgn(0, 0, AnchorSize + 1, AnchorSize + 1);
    if (window) {
        SetWindowRgn(window, &ellipse->region, false);
        ShowWindow(window, SW_SHOWNA);
        HDC dc = GetDC(window);
        BitBlt(dc, 0, 0, AnchorSize, AnchorSize, bitmap.GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
        TBrush frame;
        frame.SetColor(clWindowText);
        FrameRgn(dc, ellipse, frame.GetHandle(), 1, 1);
        ReleaseDC(window, dc);
        ValidateRect(window, nullptr);
    }
    DeleteObject(ellipse);

    int direction = 0, speed = 0, ticks = 0;
    auto setCursor = [&] {
        static constexpr TCursor directed[] = {0, crcxLeftScroll, crcxRightScroll, crcxUpScroll, crcxDownScroll};
        const TCursor cursor = direction != 0 ? directed[direction]
                               : hShown && vShown ? crcxFullScroll
                               : hShown           ? crcxHorScroll
                                                  : crcxVerScroll;
        if (Screen) SetCursor(Screen->GetCursorHandle(cursor));
    };
    auto follow = [&](TPoint p) {
        // The neutral zone spans the whole screen across a direction that cannot scroll.
        const int half = AnchorSize / 2;
        const bool neutralX = !hShown || std::abs(p.X - anchor.X) <= half;
        const bool neutralY = !vShown || std::abs(p.Y - anchor.Y) <= half;
        if (neutralX && neutralY) {
            direction = speed = 0;
            return;
        }
        moved = true;
        const int dx = p.X - anchor.X, dy = p.Y - anchor.Y;
        int distance;
        if (!hShown || (vShown && std::abs(dy) >= std::abs(dx))) {
            direction = dy < 0 ? 3 : 4;
            distance = std::abs(dy);
        } else {
            direction = dx < 0 ? 1 : 2;
            distance = std::abs(dx);
        }
        speed = std::min((distance - half) / 5 + 1, 12);
    };
    setCursor();
    const std::uintptr_t timer = SetTimer(0, 0, AnchorTickMs);
    SetCapture(handle_);
    TPoint last = anchor;
    auto finish = [&] {
        if (self && handle_ && GetCapture() == handle_) ReleaseCapture();
        KillTimer(0, timer);
        if (window) DestroyWindow(window);
        if (self) scrollingContent_ = false;
    };
    try {
        while (self && GetCapture() == handle_) {
            MSG msg;
            if (!GetMessage(msg, 0, 0, 0)) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (msg.message == WM_PAINT && msg.hwnd == window) {
                ValidateRect(window, nullptr);
                continue;
            }
            if (msg.message == WM_TIMER && msg.hwnd == 0 && static_cast<std::uintptr_t>(msg.wParam) == timer) {
                ++ticks;
                if (ticks % (13 - speed) == 0) ScrollContentInDirection(direction);
                continue;
            }
            const bool button = (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MOUSEWHEEL) ||
                                (msg.message >= WM_NCLBUTTONDOWN && msg.message <= WM_NCMBUTTONDBLCLK);
            bool done = false;
            if (msg.message == WM_MBUTTONUP) {
                // Press and release without moving keeps the mode until the next click.
                done = moved;
            } else if (button) {
                break; // ends the mode without reaching anyone
            } else if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_ESCAPE) {
                done = true;
            } else if (msg.message == WM_MOUSEMOVE && (msg.pt.X != last.X || msg.pt.Y != last.Y)) {
                last = msg.pt;
                follow(msg.pt);
                setCursor();
            }
            TranslateMessage(msg);
            DispatchMessage(msg);
            if (done) break;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

} // namespace zorvy
