#pragma once
// Invalidation and painting. Each top-level window owns a back buffer holding its whole window; its
// child windows paint into that buffer through contexts clipped to their visible part (siblings in
// front and, with WS_CLIPCHILDREN, their own children are cut out). Painted areas are shown on the
// display when the queue runs idle.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Region.h"
#include "platform/win/Handles.h"

namespace zorvy {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    bool fErase = false; // WM_ERASEBKGND was not handled, the painter must erase
    TRect rcPaint;       // client coordinates
};

bool InvalidateRect(HWND hwnd, const TRect* r, bool erase);
bool InvalidateRgn(HWND hwnd, const TRegion* rgn, bool erase);
bool InvalidateRgn(HWND hwnd, HRGN rgn, bool erase);
bool ValidateRect(HWND hwnd, const TRect* r);
bool ValidateRgn(HWND hwnd, const TRegion* rgn);
// The update region in client coordinates; false when there is nothing to paint.
bool GetUpdateRect(HWND hwnd, TRect* r);
bool GetUpdateRgn(HWND hwnd, TRegion& rgn);
// Sends WM_PAINT at once when the window has something to paint.
bool UpdateWindow(HWND hwnd);
bool RedrawWindow(HWND hwnd, const TRect* r, const TRegion* rgn, UINT flags);

HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps);
bool EndPaint(HWND hwnd, const PAINTSTRUCT& ps);
// Contexts outside painting: the client area, or the whole window including its frame; 0 gives a
// context of the screen (for measuring), which ReleaseDC frees as any other.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);

// Moves the client pixels (and with SW_SCROLLCHILDREN the child windows) by dx, dy; the uncovered area
// is reported in updateRgn / updateRect and, with SW_INVALIDATE, invalidated (erased with SW_ERASE).
int ScrollWindowEx(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip, TRegion* updateRgn,
                   TRect* updateRect, UINT flags);

// The window's visible region in its client coordinates (or window coordinates with `frame`).
TRegion GetVisibleRegion(HWND hwnd, bool frame = false);
// Paints everything pending (every window with an update region) and shows it on the display.
void FlushPainting();
// Hands the painted areas of every top-level window to the display.
void PresentPendingWindows();
// A copy of the window's pixels as painted so far (the whole window, frame included).
HBITMAP CaptureWindowImage(HWND hwnd);

} // namespace zorvy
