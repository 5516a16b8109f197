#pragma once
// Integer geometry of the drawing layer: points, sizes and rectangles that exclude their right and
// bottom edges, with the rectangle routines every painter uses.
#include <cstdint>

namespace zorvy {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) {
    return {x, y};
}
inline TSize Size(int cx, int cy) {
    return {cx, cy};
}
TRect Rect(int left, int top, int right, int bottom);
TRect Bounds(int left, int top, int width, int height);

// Each returns false and leaves an empty result where the platform's routine of that name does.
bool IsRectEmpty(const TRect& r);
bool EqualRect(const TRect& a, const TRect& b);
bool PtInRect(const TRect& r, TPoint p);
void InflateRect(TRect& r, int dx, int dy);
void OffsetRect(TRect& r, int dx, int dy);
bool IntersectRect(TRect& dest, const TRect& a, const TRect& b);
bool UnionRect(TRect& dest, const TRect& a, const TRect& b);
void SetRect(TRect& r, int left, int top, int right, int bottom);
void SetRectEmpty(TRect& r);

} // namespace zorvy
