#pragma once
// Scroll bars: the bars of a window's non-client area (WS_HSCROLL, WS_VSCROLL) and the SCROLLBAR
// window class (SB_CTL). Both are drawn by the window system and send WM_HSCROLL / WM_VSCROLL with the
// SB_ codes while the user presses their arrows, track or thumb; the window's own bars notify the
// window (lParam 0), a scroll-bar control notifies its parent (lParam its own window).
#include "platform/gdi/Geometry.h"
#include "platform/win/Handles.h"

namespace zorvy {

// SCROLLINFO masks.
constexpr UINT SIF_RANGE = 0x01;
constexpr UINT SIF_PAGE = 0x02;
constexpr UINT SIF_POS = 0x04;
constexpr UINT SIF_DISABLENOSCROLL = 0x08;
constexpr UINT SIF_TRACKPOS = 0x10;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT fMask = SIF_ALL;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// EnableScrollBar arrows.
constexpr UINT ESB_ENABLE_BOTH = 0;
constexpr UINT ESB_DISABLE_LTUP = 1;
constexpr UINT ESB_DISABLE_RTDN = 2;
constexpr UINT ESB_DISABLE_BOTH = 3;

// GetScrollBarInfo objects and states.
constexpr long OBJID_HSCROLL = -6;
constexpr long OBJID_VSCROLL = -5;
constexpr long OBJID_CLIENT = -4;
constexpr std::uint32_t STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr std::uint32_t STATE_SYSTEM_PRESSED = 0x00000008;
constexpr std::uint32_t STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr std::uint32_t STATE_SYSTEM_OFFSCREEN = 0x00010000;

struct SCROLLBARINFO {
    TRect rcScrollBar; // screen coordinates
    int dxyLineButton = 0;
    int xyThumbTop = 0; // from the bar's start, along its length
    int xyThumbBottom = 0;
    // The bar, then its top/left arrow, page-up area, thumb, page-down area, bottom/right arrow.
    std::uint32_t rgstate[6] = {};
};

// bar: SB_HORZ, SB_VERT (the window's own bars) or SB_CTL (a SCROLLBAR window). The position is kept
// inside min .. max - max(page - 1, 0). A window's own bar shows itself while its range exceeds its
// page and hides itself otherwise (with SIF_DISABLENOSCROLL it stays, disabled). Answers the position.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw);
bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info);
int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw); // answers the previous position
int GetScrollPos(HWND hwnd, int bar);
bool SetScrollRange(HWND hwnd, int bar, int min, int max, bool redraw);
bool GetScrollRange(HWND hwnd, int bar, int& min, int& max);
// SB_BOTH is allowed for the window's own bars.
bool ShowScrollBar(HWND hwnd, int bar, bool show);
bool EnableScrollBar(HWND hwnd, int bar, UINT arrows);
bool GetScrollBarInfo(HWND hwnd, long object, SCROLLBARINFO& info);

} // namespace zorvy
