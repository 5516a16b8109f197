#include "platform/gdi/DcInternal.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace zorvy {

namespace {

// On/off lengths of the styled one-pixel pens.
const std::vector<int>& StylePattern(int style) {
    static const std::vector<int> solid, dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6},
        dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH:
        return dash;
    case PS_DOT:
        return dot;
    case PS_DASHDOT:
        return dashDot;
    case PS_DASHDOTDOT:
        return dashDotDot;
    default:
        return solid;
    }
}

bool PenDraws(const TDeviceContext& dc) {
    return dc.state.pen && dc.state.pen->logPen.lopnStyle != PS_NULL && dc.Bitmap();
}

int PenWidth(const TDeviceContext& dc) {
    return std::max(1, dc.state.pen->logPen.lopnWidth);
}

// The rows and columns a drawing can reach: the visible pixels, with a margin for wide pens.
TRect Reach(TDeviceContext& dc, int margin) {
    TRect box = dc.Visible().Box();
    InflateRect(box, margin, margin);
    return box;
}

// A one-pixel line from a to b without its last pixel; styled pens continue their pattern across the
// segments of one figure through patternPos. Steps along the longer axis are computed directly, so
// only the steps inside the visible box are visited, however long the line.
void CosmeticLine(TDeviceContext& dc, TPoint a, TPoint b, int& patternPos) {
    const LOGPEN& pen = dc.state.pen->logPen;
    uint32_t value = DrawnPixel(dc, pen.lopnColor);
    uint32_t gap = DrawnPixel(dc, dc.state.bkColor);
    const std::vector<int>& pattern = StylePattern(pen.lopnStyle);
    int period = 0;
    for (int n : pattern)
        period += n;
    int64_t dx = int64_t(b.X) - a.X, dy = int64_t(b.Y) - a.Y;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1, minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    int64_t majorStart = xMajor ? a.X : a.Y, minorStart = xMajor ? a.Y : a.X;
    TRect box = Reach(dc, 1);
    int64_t lo = xMajor ? box.Left : box.Top, hi = (xMajor ? box.Right : box.Bottom) - 1;
    // Steps k whose major coordinate majorStart + majorSign * k lies within [lo, hi].
    int64_t first = 0, last = steps - 1;
    if (majorSign > 0) {
        first = std::max(first, lo - majorStart);
        last = std::min(last, hi - majorStart);
    } else {
        first = std::max(first, majorStart - hi);
        last = std::min(last, majorStart - lo);
    }
    for (int64_t k = first; k <= last; ++k) {
        int64_t m = majorStart + majorSign * k;
        int64_t n = minorStart + minorSign * (steps ? (2 * k * minor + steps) / (2 * steps) : 0);
        int x = int(xMajor ? m : n), y = int(xMajor ? n : m);
        bool on = true;
        if (period) {
            int pos = int((patternPos + k) % period), i = 0;
            while (pos >= pattern[size_t(i)])
                pos -= pattern[size_t(i++)];
            on = i % 2 == 0;
        }
        if (on)
            PlotPixel(dc, x, y, value);
        else if (dc.state.bkMode == OPAQUE)
            PlotPixel(dc, x, y, gap);
    }
    patternPos = int((patternPos + steps) % std::max(period, 1));
}

// Limits the segment a-b to the box (both ends move along the segment); false when nothing is left.
bool ClipSegment(TPoint& a, TPoint& b, const TRect& box) {
    double t0 = 0, t1 = 1, dx = double(b.X) - a.X, dy = double(b.Y) - a.Y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {double(a.X) - box.Left, double(box.Right) - a.X, double(a.Y) - box.Top,
                         double(box.Bottom) - a.Y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
    TPoint c{int(std::lround(a.X + t0 * dx)), int(std::lround(a.Y + t0 * dy))};
    TPoint d{int(std::lround(a.X + t1 * dx)), int(std::lround(a.Y + t1 * dy))};
    a = c;
    b = d;
    return true;
}

// A wide pen: the segment's body with round ends.
TRegion WideSegment(TPoint a, TPoint b, int width) {
    double half = width / 2.0;
    TRect capA{int(std::lround(a.X - half + 0.5)), int(std::lround(a.Y - half + 0.5)), 0, 0};
    capA.Right = capA.Left + width;
    capA.Bottom = capA.Top + width;
    TRegion region = TRegion::Ellipse(capA);
    TRect capB = capA;
    OffsetRect(capB, b.X - a.X, b.Y - a.Y);
    region = region.Union(TRegion::Ellipse(capB));
    double lx = b.X - a.X, ly = b.Y - a.Y, len = std::hypot(lx, ly);
    if (len > 0) {
        double nx = -ly / len * half, ny = lx / len * half;
        double cx = 0.5, cy = 0.5; // pixel centres
        TPoint quad[4] = {{int(std::lround(a.X + cx + nx)), int(std::lround(a.Y + cy + ny))},
                          {int(std::lround(b.X + cx + nx)), int(std::lround(b.Y + cy + ny))},
                          {int(std::lround(b.X + cx - nx)), int(std::lround(b.Y + cy - ny))},
                          {int(std::lround(a.X + cx - nx)), int(std::lround(a.Y + cy - ny))}};
        region = region.Union(TRegion::Polygon(quad, WINDING));
    }
    return region;
}

void PenSegments(TDeviceContext& dc, const TPoint* points, int count, bool close) {
    if (!PenDraws(dc) || count < 2) return;
    int width = PenWidth(dc);
    std::vector<TPoint> s(points, points + count);
    for (TPoint& p : s)
        p = dc.ToSurface(p);
    if (close) s.push_back(s.front());
    if (width <= 1) {
        int patternPos = 0;
        for (size_t i = 0; i + 1 < s.size(); ++i)
            CosmeticLine(dc, s[i], s[i + 1], patternPos);
        return;
    }
    TRegion body;
    TRect reach = Reach(dc, width + 2);
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        TPoint a = s[i], b = s[i + 1];
        if (ClipSegment(a, b, reach)) body = body.Union(WideSegment(a, b, width));
    }
    HBRUSH brush = CreateSolidBrush(dc.state.pen->logPen.lopnColor);
    FillSurfaceRegion(dc, body, brush, true);
    DeleteObject(brush);
}

void RecordFigure(TDeviceContext& dc, const TPoint* points, int count, bool close) {
    for (int i = 0; i < count; ++i) {
        TPoint p = dc.ToSurface(points[i]);
        if (i == 0)
            PathMoveTo(dc, p.X, p.Y);
        else
            PathLineTo(dc, p.X, p.Y);
    }
    if (close) PathClose(dc);
}

TRect Normalized(int left, int top, int right, int bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// Fills the shape with the brush and draws its outline (the pen width inside the shape's edge).
void FillAndOutline(TDeviceContext& dc, const TRegion& shape, const TRegion& inner) {
    FillSurfaceRegion(dc, PenDraws(dc) ? inner : shape, dc.state.brush.get(), true);
    if (!PenDraws(dc)) return;
    HBRUSH brush = CreateSolidBrush(dc.state.pen->logPen.lopnColor);
    FillSurfaceRegion(dc, shape.Subtract(inner), brush, true);
    DeleteObject(brush);
}

TRect Deflated(TRect r, int by) {
    InflateRect(r, -by, -by);
    return r;
}

} // namespace

bool MoveToEx(HDC dc, int x, int y, TPoint* old) {
    if (!dc) return false;
    if (old) *old = dc->state.position;
    dc->state.position = {x, y};
    if (dc->pathOpen) {
        TPoint p = dc->ToSurface(TPoint{x, y});
        PathMoveTo(*dc, p.X, p.Y);
    }
    return true;
}

bool GetCurrentPositionEx(HDC dc, TPoint& position) {
    if (!dc) return false;
    position = dc->state.position;
    return true;
}

bool LineTo(HDC dc, int x, int y) {
    if (!dc) return false;
    TPoint segment[2] = {dc->state.position, {x, y}};
    dc->state.position = {x, y};
    if (dc->pathOpen) {
        TPoint p = dc->ToSurface(segment[1]);
        PathLineTo(*dc, p.X, p.Y);
        return true;
    }
    PenSegments(*dc, segment, 2, false);
    return true;
}

bool Polyline(HDC dc, const TPoint* points, int count) {
    if (!dc || !points || count < 2) return false;
    if (dc->pathOpen)
        RecordFigure(*dc, points, count, false);
    else
        PenSegments(*dc, points, count, false);
    return true;
}

bool PolyPolyline(HDC dc, const TPoint* points, const int* counts, int polylineCount) {
    if (!dc || !points || !counts || polylineCount <= 0) return false;
    for (int i = 0; i < polylineCount; ++i) {
        if (counts[i] >= 2) Polyline(dc, points, counts[i]);
        points += std::max(counts[i], 0);
    }
    return true;
}

bool Polygon(HDC dc, const TPoint* points, int count) {
    if (!dc || !points || count < 2) return false;
    if (dc->pathOpen) {
        RecordFigure(*dc, points, count, true);
        return true;
    }
    std::vector<TPoint> s(points, points + count);
    for (TPoint& p : s)
        p = dc->ToSurface(p);
    TRect rows = dc->Visible().Box();
    int counts[1] = {count};
    FillSurfaceRegion(*dc, TRegion::PolyPolygonRows(s, counts, dc->state.polyFillMode, rows.Top, rows.Bottom),
                      dc->state.brush.get(), true);
    PenSegments(*dc, points, count, true);
    return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
    if (!dc) return false;
    TRect r = Normalized(left, top, right, bottom);
    if (dc->pathOpen) {
        TPoint corners[4] = {{r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
        RecordFigure(*dc, corners, 4, true);
        return true;
    }
    TRect s = dc->ToSurface(r);
    int w = PenDraws(*dc) ? PenWidth(*dc) : 0;
    FillAndOutline(*dc, TRegion(s).Intersect(dc->Visible().Box()),
                   TRegion(Deflated(s, w)).Intersect(dc->Visible().Box()));
    return true;
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    if (!dc) return false;
    TRect s = dc->ToSurface(Normalized(left, top, right, bottom));
    int w = PenDraws(*dc) ? PenWidth(*dc) : 0;
    TRect rows = dc->Visible().Box();
    FillAndOutline(*dc, TRegion::RoundRectRows(s, ellipseWidth, ellipseHeight, rows.Top, rows.Bottom),
                   TRegion::RoundRectRows(Deflated(s, w), ellipseWidth - 2 * w, ellipseHeight - 2 * w,
                                          rows.Top, rows.Bottom));
    return true;
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
    if (!dc) return false;
    TRect r = Normalized(left, top, right, bottom);
    if (dc->pathOpen) {
        // Four cubic arcs approximate the ellipse.
        TRect s = dc->ToSurface(r);
        double cx = (s.Left + s.Right) / 2.0, cy = (s.Top + s.Bottom) / 2.0;
        double rx = (s.Right - s.Left) / 2.0, ry = (s.Bottom - s.Top) / 2.0, k = 0.5522847498;
        PathMoveTo(*dc, cx + rx, cy);
        const double pts[4][6] = {{cx + rx, cy + k * ry, cx + k * rx, cy + ry, cx, cy + ry},
                                  {cx - k * rx, cy + ry, cx - rx, cy + k * ry, cx - rx, cy},
                                  {cx - rx, cy - k * ry, cx - k * rx, cy - ry, cx, cy - ry},
                                  {cx + k * rx, cy - ry, cx + rx, cy - k * ry, cx + rx, cy}};
        for (const auto& c : pts)
            dc->path.push_back({TPathOp::Curve, {c[0], c[2], c[4]}, {c[1], c[3], c[5]}});
        PathClose(*dc);
        return true;
    }
    TRect s = dc->ToSurface(r);
    int w = PenDraws(*dc) ? PenWidth(*dc) : 0;
    TRect rows = dc->Visible().Box();
    FillAndOutline(*dc, TRegion::RoundRectRows(s, INT32_MAX, INT32_MAX, rows.Top, rows.Bottom),
                   TRegion::RoundRectRows(Deflated(s, w), INT32_MAX, INT32_MAX, rows.Top, rows.Bottom));
    return true;
}

} // namespace zorvy
