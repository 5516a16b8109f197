#include "platform/gdi/Geometry.h"

#include <algorithm>

namespace zorvy {

TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

bool IsRectEmpty(const TRect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

bool EqualRect(const TRect& a, const TRect& b) {
    return a == b;
}

bool PtInRect(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

void InflateRect(TRect& r, int dx, int dy) {
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}

void OffsetRect(TRect& r, int dx, int dy) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

bool IntersectRect(TRect& dest, const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (IsRectEmpty(r)) {
        dest = {};
        return false;
    }
    dest = r;
    return true;
}

bool UnionRect(TRect& dest, const TRect& a, const TRect& b) {
    if (IsRectEmpty(a)) {
        dest = IsRectEmpty(b) ? TRect{} : b;
    } else if (IsRectEmpty(b)) {
        dest = a;
    } else {
        dest = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                std::max(a.Bottom, b.Bottom)};
    }
    return !IsRectEmpty(dest);
}

void SetRect(TRect& r, int left, int top, int right, int bottom) {
    r = {left, top, right, bottom};
}

void SetRectEmpty(TRect& r) {
    r = {};
}

} // namespace zorvy
