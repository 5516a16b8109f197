#pragma once
// Shared by the system classes (not part of the API): how their window procedures answer WM_PAINT.
#include "platform/win/Painting.h"

namespace zorvy {

// Paints into the DC that wParam hands over (a parent drawing the control into its own DC), or else
// between BeginPaint and EndPaint; answers 0, WM_PAINT's result.
template <typename Paint> LRESULT PaintSystemClass(HWND hwnd, WPARAM wParam, Paint paint) {
    if (wParam) {
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, ps);
    paint(dc);
    EndPaint(hwnd, ps);
    return 0;
}

} // namespace zorvy
