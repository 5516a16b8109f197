#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBarInternal.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowState.h"

namespace zorvy {
namespace {

void PaintFrame(HWND hwnd, TWindow& w) {
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    TRect r = Rect(0, 0, w.windowRect.Width(), w.windowRect.Height());
    if (w.style & WS_BORDER) {
        FrameRect(dc, r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(r, -1, -1);
    }
    if (w.style & (WS_DLGFRAME | WS_THICKFRAME)) {
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        TRect inner = w.clientRect;
        TRegion ring = TRegion(r).Subtract(TRegion(inner));
        for (const auto& band : ring.Rects())
            FillRect(dc, band, GetSysColorBrush(COLOR_BTNFACE));
        r = inner;
        InflateRect(r, (w.exStyle & WS_EX_CLIENTEDGE) ? 2 : 0, (w.exStyle & WS_EX_CLIENTEDGE) ? 2 : 0);
    }
    if (w.exStyle & WS_EX_CLIENTEDGE) DrawEdge(dc, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (w.exStyle & WS_EX_STATICEDGE) DrawEdge(dc, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    ReleaseDC(hwnd, dc);
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindow* w = FindWindowState(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE:
        if (lParam) w->text = reinterpret_cast<CREATESTRUCT*>(lParam)->text;
        return 1;
    case WM_NCCALCSIZE: {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        if (!params) return 0;
        const int b = FrameWidth(*w);
        TRect& r = params->rgrc[0];
        r.Left += b, r.Top += b, r.Right -= b, r.Bottom -= b;
        if (r.Right < r.Left) r.Right = r.Left;
        if (r.Bottom < r.Top) r.Bottom = r.Top;
        ReserveScrollBars(*w, r);
        return 0;
    }
    case WM_NCHITTEST: {
        TPoint p{GetXLParam(lParam), GetYLParam(lParam)};
        TRect wr;
        GetWindowRect(hwnd, wr);
        if (!PtInRect(wr, p)) return HTNOWHERE;
        if (const LRESULT bar = HitTestOwnScrollBars(hwnd, p); bar != HTNOWHERE) return bar;
        ScreenToClient(hwnd, p);
        TRect cr;
        GetClientRect(hwnd, cr);
        return PtInRect(cr, p) ? HTCLIENT : HTBORDER;
    }
    case WM_NCPAINT:
        PaintFrame(hwnd, *w);
        PaintOwnScrollBars(hwnd);
        return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam == static_cast<WPARAM>(HTVSCROLL) || wParam == static_cast<WPARAM>(HTHSCROLL))
            TrackScrollBar(hwnd, wParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT : SB_HORZ,
                           {GetXLParam(lParam), GetYLParam(lParam)});
        return 0;
    case WM_ERASEBKGND: {
        if (w->classBackground == clNone) return 0;
        HDC dc = reinterpret_cast<HDC>(wParam);
        TRect r;
        GetClientRect(hwnd, r);
        HBRUSH brush = CreateSolidBrush(ColorToRGB(w->classBackground));
        FillRect(dc, r, brush);
        DeleteObject(brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, ps);
        EndPaint(hwnd, ps);
        return 0;
    }
    case WM_PRINTCLIENT:
    case WM_PRINT:
        return 0;
    case WM_SETTEXT:
        w->text = lParam ? *reinterpret_cast<const std::string*>(lParam) : std::string();
        if (w->hasNative && GetDisplayBackend()) GetDisplayBackend()->SetNativeWindowCaption(hwnd, w->text);
        return 1;
    case WM_GETTEXT:
        if (lParam) *reinterpret_cast<std::string*>(lParam) = w->text;
        return static_cast<LRESULT>(w->text.size());
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_SETREDRAW:
        // While off, nothing of the window is invalidated; the caller repaints once it is back on.
        w->redrawOff = wParam == 0;
        return 0;
    case WM_SETFONT:
        w->font = static_cast<std::intptr_t>(wParam);
        return 0;
    case WM_GETFONT:
        return w->font;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETCURSOR: {
        if (w->parent && SendMessage(w->parent, WM_SETCURSOR, wParam, lParam)) return 1;
        if (!(w = FindWindowState(hwnd))) return 0;
        if (LoWord(static_cast<std::uintptr_t>(lParam)) == HTCLIENT) {
            SetCursor(w->classCursor ? w->classCursor : LoadCursor(IDC_ARROW));
            return 1;
        }
        SetCursor(LoadCursor(IDC_ARROW));
        return 0;
    }
    case WM_MOUSEACTIVATE:
        if (w->parent) {
            const LRESULT r = SendMessage(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        if (LoWord(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(hwnd);
        return 0;
    case WM_NCACTIVATE:
        return 1;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        return w->parent ? SendMessage(w->parent, msg, wParam, lParam) : 0;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!pos) return 0;
        const TRect wr = w->windowRect, cr = w->clientRect;
        const WPARAM kind = (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        if (!(pos->flags & SWP_NOMOVE))
            SendMessage(hwnd, WM_MOVE, 0, MakeLParam(wr.Left + cr.Left, wr.Top + cr.Top));
        if (!(pos->flags & SWP_NOSIZE) && IsWindow(hwnd))
            SendMessage(hwnd, WM_SIZE, kind, MakeLParam(cr.Width(), cr.Height()));
        return 0;
    }
    case WM_RBUTTONUP: {
        TPoint p{GetXLParam(lParam), GetYLParam(lParam)};
        ClientToScreen(hwnd, p);
        SendMessage(hwnd, WM_CONTEXTMENU, hwnd, MakeLParam(p.X, p.Y));
        return 0;
    }
    case WM_KEYUP:
        // The menu key asks for the context menu at the keyboard's place: (-1, -1).
        if (wParam == VK_APPS) SendMessage(hwnd, WM_CONTEXTMENU, hwnd, MakeLParam(-1, -1));
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (lParam & KF_ALTDOWN_LPARAM)) {
            SendMessage(TopLevelOf(w)->handle, WM_CLOSE);
            return 0;
        }
        if (wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000))
            SendMessage(hwnd, WM_CONTEXTMENU, hwnd, MakeLParam(-1, -1));
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    default:
        return 0;
    }
}

} // namespace zorvy
