#pragma once
// Internal to the window system: the state, layout, painting and mouse tracking shared by a window's
// own scroll bars and the SCROLLBAR class.
#include "platform/gdi/DeviceContext.h"
#include "platform/win/ScrollBars.h"

namespace zorvy {

struct TWindow;

enum class TScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct TScrollBarData {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool tracking = false;
    UINT disabledArrows = ESB_ENABLE_BOTH;
    TScrollPart pressed = TScrollPart::None; // held down and under the mouse
};

// The bars of one window: SB_HORZ, SB_VERT, SB_CTL.
struct TScrollBars {
    TScrollBarData bars[3];
};

// Where the parts of a bar lie. Offsets run along the bar from its top or left edge.
struct TScrollLayout {
    TRect bar;
    bool vertical = false;
    int length = 0;     // along the bar
    int arrow = 0;      // length of each arrow button
    int thumbStart = 0; // 0 and 0 when there is no thumb
    int thumbEnd = 0;
};

// The bar's data, made on first use; nullptr for a handle that is not a window.
TScrollBarData* ScrollBarData(HWND hwnd, int bar);
// The largest position the range and page allow.
int MaxScrollPos(const TScrollBarData& d);
TScrollLayout LayoutScrollBar(const TRect& bar, bool vertical, const TScrollBarData& d, bool enabled);
TScrollPart HitScrollPart(const TScrollLayout& layout, TPoint p);
// The position for a thumb whose start lies at `thumbStart`.
int PositionFromThumb(const TScrollLayout& layout, const TScrollBarData& d, int thumbStart);
void PaintScrollBar(HDC dc, const TScrollLayout& layout, const TScrollBarData& d, bool enabled);

bool ScrollBarEnabled(HWND hwnd, const TScrollBarData& d);
void RepaintScrollBar(HWND hwnd, int bar);
// Where the bar lies on the screen and whether it runs vertically; false when it is not shown.
bool ScreenScrollBarRect(HWND hwnd, int bar, TRect& out, bool& vertical);

// A window's own bars, in window coordinates; false when the bar is not shown.
bool OwnScrollBarRect(const TWindow& w, int bar, TRect& out);
// The client rectangle (window coordinates) leaves room for the shown bars.
void ReserveScrollBars(const TWindow& w, TRect& client);
void PaintOwnScrollBars(HWND hwnd);
// HTHSCROLL, HTVSCROLL, HTGROWBOX (the corner between two bars) or HTNOWHERE; screen point.
LRESULT HitTestOwnScrollBars(HWND hwnd, TPoint screen);

// Runs the press of a bar until the button is released: sends the scroll codes (with auto-repeat on
// the arrows and the track, thumb tracking on the thumb) and SB_ENDSCROLL at the end.
void TrackScrollBar(HWND hwnd, int bar, TPoint screen);

} // namespace zorvy
