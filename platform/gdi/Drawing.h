#pragma once
// Shapes, pixels and paths on a device context. Pixel-exact integer geometry: rectangles exclude their
// right and bottom edges, pens of width 0 or 1 draw aliased one-pixel lines that leave out their last
// point, and shapes are filled with the brush and outlined with the pen of the context.
#include "platform/gdi/DeviceContext.h"

namespace zorvy {

bool FillRect(HDC dc, const TRect& r, HBRUSH brush);
// A one-pixel border of r in the brush.
bool FrameRect(HDC dc, const TRect& r, HBRUSH brush);
bool InvertRect(HDC dc, const TRect& r);
// The dotted focus rectangle, drawn by inverting every other pixel of its border: drawing it twice
// leaves the pixels as they were.
bool DrawFocusRect(HDC dc, const TRect& r);

// Edge kinds and border flags of DrawEdge.
enum : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    BDR_OUTER = 0x3,
    BDR_INNER = 0xC,
    EDGE_RAISED = 0x5,
    EDGE_SUNKEN = 0xA,
    EDGE_ETCHED = 0x6,
    EDGE_BUMP = 0x9,
};
enum : unsigned {
    BF_LEFT = 0x1,
    BF_TOP = 0x2,
    BF_RIGHT = 0x4,
    BF_BOTTOM = 0x8,
    BF_TOPLEFT = 0x3,
    BF_BOTTOMRIGHT = 0xC,
    BF_RECT = 0xF,
    BF_MIDDLE = 0x800,
    BF_SOFT = 0x1000,
    BF_ADJUST = 0x2000,
    BF_FLAT = 0x4000,
    BF_MONO = 0x8000,
};
// Draws the 3D edge in the system colours; with BF_ADJUST, r shrinks by the edge drawn.
bool DrawEdge(HDC dc, TRect& r, unsigned edge, unsigned flags);

bool MoveToEx(HDC dc, int x, int y, TPoint* old);
bool GetCurrentPositionEx(HDC dc, TPoint& position);
bool LineTo(HDC dc, int x, int y);
bool Polyline(HDC dc, const TPoint* points, int count);
bool PolyPolyline(HDC dc, const TPoint* points, const int* counts, int polylineCount);
int SetPolyFillMode(HDC dc, int mode); // ALTERNATE or WINDING
int GetPolyFillMode(HDC dc);
bool Polygon(HDC dc, const TPoint* points, int count);
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
// Answers the colour set, CLR_INVALID outside the surface or the clip region.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);

// Regions in logical coordinates of the context.
bool FillRgn(HDC dc, HRGN rgn, HBRUSH brush);
// A border of width x height pixels along the inside of the region's edges.
bool FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height);

// Paths: between BeginPath and EndPath, lines, shapes and text outlines are recorded instead of drawn.
bool BeginPath(HDC dc);
bool EndPath(HDC dc);
bool AbortPath(HDC dc);
bool CloseFigure(HDC dc);
// Each of these uses up the path.
bool StrokePath(HDC dc);
bool FillPath(HDC dc);
bool StrokeAndFillPath(HDC dc);
// Combines the path's pixels (under the poly fill mode) into the clip region with an RGN_ mode.
bool SelectClipPath(HDC dc, int mode);
// The path's pixels as a region in device coordinates; null when there is no closed path.
HRGN PathToRegion(HDC dc);

} // namespace zorvy
