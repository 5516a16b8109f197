// The SCROLLBAR window class: a stand-alone bar (SBS_HORZ or SBS_VERT) over its client area that
// tells its parent of every scroll request (WM_HSCROLL / WM_VSCROLL with lParam its own window).
#include "platform/gdi/Drawing.h"
#include "platform/win/ClassPainting.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBarInternal.h"
#include "platform/win/SystemClasses.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {
namespace {

void PaintScrollBar(HWND hwnd, HDC dc) {
    TScrollBarData* d = ScrollBarData(hwnd, SB_CTL);
    TRect r;
    GetClientRect(hwnd, r);
    const bool vertical = (GetWindowStyle(hwnd) & SBS_VERT) != 0;
    const bool enabled = ScrollBarEnabled(hwnd, *d);
    if (HWND parent = GetParent(hwnd))
        SendMessage(parent, WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(dc), hwnd);
    PaintScrollBar(dc, LayoutScrollBar(r, vertical, *d, enabled), *d, enabled);
}

void KeyScroll(HWND hwnd, WPARAM vk) {
    const bool vertical = (GetWindowStyle(hwnd) & SBS_VERT) != 0;
    int code = -1;
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        code = SB_LINEUP;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        code = SB_LINEDOWN;
        break;
    case VK_PRIOR:
        code = SB_PAGEUP;
        break;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        break;
    case VK_HOME:
        code = SB_TOP;
        break;
    case VK_END:
        code = SB_BOTTOM;
        break;
    default:
        return;
    }
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    const UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
    SendMessage(parent, msg, static_cast<WPARAM>(code), static_cast<LPARAM>(hwnd));
    SendMessage(parent, msg, SB_ENDSCROLL, static_cast<LPARAM>(hwnd));
}

} // namespace

LRESULT ScrollBarClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        ScrollBarData(hwnd, SB_CTL);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintSystemClass(hwnd, wParam, [&](HDC dc) { PaintScrollBar(hwnd, dc); });
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        TPoint p{GetXLParam(lParam), GetYLParam(lParam)};
        ClientToScreen(hwnd, p);
        TrackScrollBar(hwnd, SB_CTL, p);
        return 0;
    }
    case WM_KEYDOWN:
        KeyScroll(hwnd, wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, false);
        return 0;
    case SBM_SETSCROLLINFO:
        return lParam ? SetScrollInfo(hwnd, SB_CTL, *reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0)
                      : 0;
    case SBM_GETSCROLLINFO:
        return lParam && GetScrollInfo(hwnd, SB_CTL, *reinterpret_cast<SCROLLINFO*>(lParam)) ? 1 : 0;
    case SBM_SETPOS:
        return SetScrollPos(hwnd, SB_CTL, static_cast<int>(wParam), lParam != 0);
    case SBM_GETPOS:
        return GetScrollPos(hwnd, SB_CTL);
    case SBM_SETRANGE:
        return SetScrollRange(hwnd, SB_CTL, static_cast<int>(wParam), static_cast<int>(lParam), true) ? 1 : 0;
    case SBM_GETRANGE: {
        int min = 0, max = 0;
        GetScrollRange(hwnd, SB_CTL, min, max);
        if (wParam) *reinterpret_cast<int*>(wParam) = min;
        if (lParam) *reinterpret_cast<int*>(lParam) = max;
        return 0;
    }
    case SBM_ENABLE_ARROWS:
        return EnableScrollBar(hwnd, SB_CTL, static_cast<UINT>(wParam)) ? 1 : 0;
    case SBM_GETSCROLLBARINFO:
        return lParam && GetScrollBarInfo(hwnd, OBJID_CLIENT, *reinterpret_cast<SCROLLBARINFO*>(lParam)) ? 1
                                                                                                         : 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace zorvy
