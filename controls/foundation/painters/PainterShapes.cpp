// The painters' shared shapes: arrow triangles, plus and minus signs, group chevrons, sort triangles,
// close crosses and header arrow marks; the painter-kind mapping and the skin registry.
#include "controls/foundation/painters/Painter.h"

#include "controls/foundation/graphics/BrushCache.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Drawing.h"

#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <limits>

namespace zorvy {

namespace {
int Half(int v) {
    return MulDiv(v, 1, 2); // halves away from zero
}
int Midpoint(int a, int b) {
    const long long s = static_cast<long long>(a) + b;
    return static_cast<int>(s >= 0 ? s / 2 : -((-s + 1) / 2));
}
} // namespace

TcxLookAndFeelKind PaintStyleToLookAndFeelKind(TcxPaintStyle style) {
    switch (style) {
    case psFlat:
        return lfFlat;
    case psUltraFlat:
        return lfUltraFlat;
    case psOffice11:
        return lfOffice11;
    default:
        return lfStandard;
    }
}

TcxArrowDir ScrollArrowDirection(bool horizontal, TcxScrollPart part) {
    if (horizontal) return part == spLineUp ? arLeft : arRight;
    return part == spLineUp ? arUp : arDown;
}

void TcxCustomLookAndFeelPainter::ComputeArrowTriangle(const TRect& rect, TPoint (&p)[3],
                                                       TcxArrowDir direction, bool proportional, int size) {
    TRect r = rect;
    if (proportional) {
        const int d = r.Width() - r.Height();
        if (d <= 0)
            InflateRect(r, 0, d / 2);
        else
            InflateRect(r, -(d / 2), 0);
    }
    if (size == 0)
        size =
            (direction == arUp || direction == arDown) ? (r.Width() - 1) / 4 + 1 : (r.Height() - 1) / 4 + 1;
    const int w = 2 * size - 1;
    switch (direction) {
    case arUp:
    case arDown: {
        const int x0 = (r.Left + r.Right - w) / 2, y0 = Half(r.Top + r.Bottom - size);
        const int apexX = (r.Left + r.Right - 1) / 2;
        if (direction == arUp) {
            p[1] = {apexX, y0};
            p[0] = {x0, y0 + size - 1};
            p[2] = {x0 + w - 1, y0 + size - 1};
        } else {
            p[2] = {x0, y0};
            p[0] = {x0 + w - 1, y0};
            p[1] = {apexX, y0 + size - 1};
        }
        break;
    }
    case arLeft: {
        const int y1 = Half(r.Top + r.Bottom - w);
        p[1] = {(r.Left + r.Right - size) / 2, (r.Top + r.Bottom) / 2};
        p[2] = {p[1].X + size - 1, y1};
        p[0] = {p[1].X + size - 1, y1 + w - 1};
        break;
    }
    case arRight: {
        const int x1 = (r.Left + r.Right - size) / 2, y1 = Half(r.Top + r.Bottom - w);
        p[0] = {x1, y1};
        p[1] = {x1 + size - 1, (r.Top + r.Bottom) / 2};
        p[2] = {x1, y1 + w - 1};
        break;
    }
    }
}

namespace {

long long FloorQuotient(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Widens [lo, hi] by the pixels that the one-pixel line from a to b (both ends included) sets on row
// y. The line steps along its longer axis and rounds the other one, as the platform's lines do.
void WidenByEdgeOnRow(TPoint a, TPoint b, int y, int& lo, int& hi) {
    const long long dx = static_cast<long long>(b.X) - a.X, dy = static_cast<long long>(b.Y) - a.Y;
    const long long ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const long long steps = std::max(ax, ay);
    const long long j = (static_cast<long long>(y) - a.Y) * sy; // rows from a towards b
    if (j < 0 || j > ay) return;
    long long first = 0, last = steps;
    if (steps == 0) {
        first = last = 0;
    } else if (ax < ay) {
        // One pixel per row: step j, its column rounded.
        first = last = (2 * j * ax + steps) / (2 * steps);
    } else if (ay > 0) {
        // The steps k whose rounded row (2 k ay + steps) div (2 steps) is j.
        first = std::max(0LL, -FloorQuotient(-(2 * steps * j - steps), 2 * ay));
        last = std::min(steps, -FloorQuotient(-(2 * steps * j + steps), 2 * ay) - 1);
        if (first > last) return;
    }
    const long long x1 = a.X + sx * first, x2 = a.X + sx * last;
    lo = static_cast<int>(std::min<long long>(lo, std::min(x1, x2)));
    hi = static_cast<int>(std::max<long long>(hi, std::max(x1, x2)));
}

} // namespace

// A triangle with its outline in the same colour is solid from the outline's leftmost to its rightmost
// pixel on every row; filling those runs with a cached brush needs no path, region or canvas state.
void TcxCustomLookAndFeelPainter::FillTriangle(TcxCanvas* canvas, const TPoint (&p)[3], TColor color) {
    const HDC dc = canvas->DeviceContext();
    TRect clip;
    if (GetClipBox(dc, clip) == NULLREGION) return;
    const int top = std::max(std::min({p[0].Y, p[1].Y, p[2].Y}), clip.Top);
    const int bottom = std::min(std::max({p[0].Y, p[1].Y, p[2].Y}), clip.Bottom - 1);
    const HBRUSH brush = SolidBrushFromCacheForCanvas(canvas, color);
    for (int y = top; y <= bottom; ++y) {
        int lo = std::numeric_limits<int>::max(), hi = std::numeric_limits<int>::min();
        for (int i = 0; i < 3; ++i) WidenByEdgeOnRow(p[i], p[(i + 1) % 3], y, lo, hi);
        if (lo <= hi) FillRect(dc, Rect(lo, y, hi + 1, y + 1), brush);
    }
}

void TcxCustomLookAndFeelPainter::DrawExpandSign(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                 TColor color) {
    const int cx = Midpoint(r.Left, r.Right), cy = Midpoint(r.Top, r.Bottom);
    const int h = (r.Width() - 4) / 2;
    canvas->FillRectSolid(Rect(cx - h, cy, cx + h + 1, cy + 1), color);
    if (!expanded) canvas->FillRectSolid(Rect(cx, cy - h, cx + 1, cy + h + 1), color);
}

void TcxCustomLookAndFeelPainter::DrawGroupChevrons(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                    TcxButtonState state) const {
    const int x0 = (r.Left + r.Right - 7) / 2, y0 = (r.Top + r.Bottom - 8) / 2;
    canvas->CurrentPen()->SetColor(GetButtonGlyphColor(state, clDefault));
    const int d = expanded ? 1 : -1;
    for (int y : {y0, y0 + 1, y0 + 4, y0 + 5}) {
        const int row = y + (expanded ? 3 : 0);
        int f = (y - y0) & 1;
        if (!expanded) f = 1 - f;
        const TPoint line[3] = {
            {x0 + f, row - d * f}, {x0 + 3, row - 3 * d}, {x0 + 7 - f, row + (1 - f) * d}};
        canvas->PaintPolyline(line);
    }
}

void TcxCustomLookAndFeelPainter::DrawSortTriangle(TcxCanvas* canvas, const TRect& r, TColor dark,
                                                   TColor light, bool ascending) const {
    const TPoint size = GetSortingMarkSize();
    const int w = size.X, h = size.Y;
    const int d = ascending ? 1 : -1;
    const int cx = (r.Left + r.Right) / 2 - (w % 2 == 0 ? 1 : 0);
    const int e = ascending ? (r.Top + r.Bottom - h) / 2 : (r.Top + r.Bottom + h) / 2 - 1;
    const int f = w / 2, g = f - (w % 2 == 0 ? 1 : 0);
    TPen* pen = canvas->CurrentPen();
    pen->SetColor(light);
    canvas->MoveToPoint(cx + f, e + (h - 2) * d);
    canvas->LineToPoint(cx + f - g, e);
    canvas->LineToPoint(cx + f, e + (h - 1) * d);
    if (!ascending) pen->SetColor(dark);
    canvas->LineToPoint(cx - g, e + (h - 1) * d);
    if (ascending) pen->SetColor(dark);
    canvas->LineToPoint(cx, e);
    canvas->LineToPoint(cx - g, e + (h - (w & 1)) * d);
}

void TcxCustomLookAndFeelPainter::DrawCloseCross(TcxCanvas* canvas, const TRect& r, TColor color,
                                                 TcxButtonState glyphState) const {
    int n = GetFilterCloseButtonExtent().X / 2;
    if (n % 2 == 0) --n;
    canvas->CurrentPen()->SetColor(color);
    for (int k = 0; k < 2; ++k) {
        TPoint p = {k + (r.Left + r.Right - n) / 2, (r.Top + r.Bottom - n) / 2};
        if (glyphState == cxbsPressed) p = {p.X + 1, p.Y + 1};
        canvas->MoveToPoint(p.X, p.Y);
        canvas->LineToPoint(p.X + n, p.Y + n);
        canvas->MoveToPoint(p.X, p.Y + n - 1);
        canvas->LineToPoint(p.X + n, p.Y - 1);
    }
}

void TcxCustomLookAndFeelPainter::DrawHeaderArrowMarks(TcxCanvas* canvas, const TRect& r, int which,
                                                       int distance, TColor color) {
    const int cx = (r.Left + r.Right) / 2;
    TPoint p[3];
    if (which & 1) {
        ComputeArrowTriangle(Rect(cx - 3, r.Top + distance, cx + 4, r.Top + distance + 4), p, arUp, false, 4);
        FillTriangle(canvas, p, color);
    }
    if (which & 2) {
        ComputeArrowTriangle(Rect(cx - 3, r.Bottom - distance - 4, cx + 4, r.Bottom - distance), p, arDown,
                             false, 4);
        FillTriangle(canvas, p, color);
    }
}

int TcxExtendedStylePainters::FindSkinIndex(const std::string& name,
                                            const TcxExtendedStylePainterInfo** item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (AnsiSameText(items_[i].Name, name)) {
            if (item) *item = &items_[i];
            return static_cast<int>(i);
        }
    return -1;
}

bool TcxExtendedStylePainters::FindPainterClass(const std::string& name,
                                                TcxLookAndFeelPainterClass& painter) const {
    const TcxExtendedStylePainterInfo* item = nullptr;
    if (FindSkinIndex(name, &item) < 0) return false;
    painter = item->Painter;
    return true;
}

TcxExtendedStylePainters& ExtendedStylePaintersList() {
    static TcxExtendedStylePainters list;
    return list;
}

} // namespace zorvy
