#include "platform/gdi/FrameControls.h"

#include "platform/gdi/DcInternal.h"

#include <algorithm>

namespace zorvy {

namespace {

void Fill(TDeviceContext& dc, const TRegion& surfaceRegion, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillSurfaceRegion(dc, surfaceRegion, brush, false);
    DeleteObject(brush);
}

void Fill(TDeviceContext& dc, const TRect& surfaceRect, COLORREF color) {
    Fill(dc, TRegion(surfaceRect), color);
}

COLORREF Sys(int index) {
    return GetSysColor(index);
}

TRect CenteredSquare(const TRect& r, int size) {
    int left = r.Left + (r.Width() - size) / 2, top = r.Top + (r.Height() - size) / 2;
    return {left, top, left + size, top + size};
}

// The classic tick on a 7 x 7 grid: every column is three pixels high.
constexpr int TickTops[7] = {2, 3, 4, 3, 2, 1, 0};

void PaintTick(TDeviceContext& dc, const TRect& inner, COLORREF color) {
    int n = inner.Width();
    if (n <= 0) return;
    TRegion tick;
    for (int x = 0; x < n; ++x) {
        int column = std::min(6, x * 7 / n);
        int top = inner.Top + TickTops[column] * n / 7, height = std::max(1, 3 * n / 7);
        tick = tick.Union(TRegion(TRect{inner.Left + x, top, inner.Left + x + 1, top + height}));
    }
    Fill(dc, tick, color);
}

void PaintCheckBox(TDeviceContext& dc, const TRect& box, unsigned state) {
    bool flat = state & (DFCS_FLAT | DFCS_MONO);
    bool inactive = state & DFCS_INACTIVE;
    bool pushed = state & DFCS_PUSHED;
    bool checked = state & DFCS_CHECKED;
    bool threeState = state & DFCS_BUTTON3STATE;
    TRect inner = box;
    if (flat) {
        COLORREF frame = Sys((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW);
        TRegion ring =
            TRegion(box).Subtract(TRegion(TRect{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1}));
        Fill(dc, ring, frame);
        InflateRect(inner, -1, -1);
    } else {
        // Sunken outer and inner edges, each in its two colours.
        auto edge = [&](const TRect& r, COLORREF topLeft, COLORREF bottomRight) {
            Fill(dc, TRect{r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
            Fill(dc, TRect{r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
            Fill(dc, TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
            Fill(dc, TRect{r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
        };
        edge(inner, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        InflateRect(inner, -1, -1);
        edge(inner, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
        InflateRect(inner, -1, -1);
    }
    bool faceBody = pushed || inactive || (threeState && checked);
    Fill(dc, inner, Sys(faceBody ? COLOR_BTNFACE : COLOR_WINDOW));
    if (!checked) return;
    TRect tick = inner;
    int pad = flat ? 2 : 1;
    InflateRect(tick, -pad, -pad);
    COLORREF color = inactive || threeState ? Sys(COLOR_BTNSHADOW) : Sys(COLOR_WINDOWTEXT);
    PaintTick(dc, tick, color);
}

void PaintRadio(TDeviceContext& dc, const TRect& cell, unsigned state) {
    // The circle takes all but the last row and column of the cell.
    TRect box{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1};
    TRegion outer = TRegion::Ellipse(box);
    if (state & DFCS_BUTTONRADIOMASK) {
        Fill(dc, cell, RGB(255, 255, 255));
        Fill(dc, outer, 0);
        return;
    }
    bool flat = state & (DFCS_FLAT | DFCS_MONO);
    bool inactive = state & DFCS_INACTIVE;
    TRect r1 = box, r2 = box;
    InflateRect(r1, -1, -1);
    InflateRect(r2, -2, -2);
    TRegion middle = TRegion::Ellipse(r1), body = TRegion::Ellipse(r2);
    // Ring pixels above the diagonal from the bottom-left to the top-right take the upper-left colour.
    TRegion upperLeft = TRegion::Polygon(
        std::vector<TPoint>{{box.Left, box.Top}, {box.Right, box.Top}, {box.Left, box.Bottom}}, ALTERNATE);
    TRegion ring1 = outer.Subtract(middle), ring2 = middle.Subtract(body);
    if (flat) {
        Fill(dc, ring1, Sys((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW));
        body = middle;
    } else {
        Fill(dc, ring1.Intersect(upperLeft), Sys(COLOR_BTNSHADOW));
        Fill(dc, ring1.Subtract(upperLeft), Sys(COLOR_BTNHIGHLIGHT));
        Fill(dc, ring2.Intersect(upperLeft), Sys(COLOR_3DDKSHADOW));
        Fill(dc, ring2.Subtract(upperLeft), Sys(COLOR_3DLIGHT));
    }
    Fill(dc, body, Sys((state & DFCS_PUSHED) || inactive ? COLOR_BTNFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED) {
        int d = std::max(2, box.Width() / 3);
        TRect dot = CenteredSquare(box, d);
        Fill(dc, TRegion::Ellipse(dot), Sys(inactive ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
    }
}

void PaintArrow(TDeviceContext& dc, const TRect& r, unsigned direction, COLORREF color) {
    int m = std::min(r.Width(), r.Height());
    int size = std::max(1, (m - 1) / 4 + 1); // rows of the arrow
    int extent = 2 * size - 1;
    bool vertical =
        direction == DFCS_SCROLLUP || direction == DFCS_SCROLLDOWN || direction == DFCS_SCROLLCOMBOBOX;
    int w = vertical ? extent : size, h = vertical ? size : extent;
    int left = r.Left + (r.Width() - w) / 2, top = r.Top + (r.Height() - h) / 2;
    TRegion arrow;
    for (int i = 0; i < size; ++i) {
        switch (direction) {
        case DFCS_SCROLLUP:
            arrow = arrow.Union(TRegion(TRect{left + size - 1 - i, top + i, left + size + i, top + i + 1}));
            break;
        case DFCS_SCROLLLEFT:
            arrow = arrow.Union(TRegion(TRect{left + i, top + size - 1 - i, left + i + 1, top + size + i}));
            break;
        case DFCS_SCROLLRIGHT:
            arrow = arrow.Union(TRegion(TRect{left + i, top + i, left + i + 1, top + extent - i}));
            break;
        default:
            arrow = arrow.Union(TRegion(TRect{left + i, top + i, left + extent - i, top + i + 1}));
            break;
        }
    }
    Fill(dc, arrow, color);
}

void PaintScroll(TDeviceContext& dc, const TRect& r, unsigned state) {
    unsigned kind = state & 0x1F;
    if (kind == DFCS_SCROLLSIZEGRIP || kind == DFCS_SCROLLSIZEGRIPRIGHT) {
        if (!(state & DFCS_TRANSPARENT)) Fill(dc, r, Sys(COLOR_BTNFACE));
        int size = std::min(r.Width(), r.Height());
        // Diagonal stripes from the bottom-right corner: one light line, then two dark ones.
        for (int y = r.Bottom - size; y < r.Bottom; ++y)
            for (int x = r.Right - size; x < r.Right; ++x) {
                int d = (r.Right - 1 - x) + (r.Bottom - 1 - y);
                if (d < 1 || d >= size - 1 || d > 12) continue;
                int phase = (d - 1) % 4;
                if (phase == 0)
                    Fill(dc, TRect{x, y, x + 1, y + 1}, Sys(COLOR_BTNHIGHLIGHT));
                else if (phase < 3)
                    Fill(dc, TRect{x, y, x + 1, y + 1}, Sys(COLOR_BTNSHADOW));
            }
        return;
    }
    bool pushed = state & DFCS_PUSHED;
    bool flat = state & DFCS_FLAT;
    TRect inner = r;
    Fill(dc, r, Sys(COLOR_BTNFACE));
    if (pushed || flat) {
        TRegion ring = TRegion(r).Subtract(TRegion(TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}));
        Fill(dc, ring, Sys(COLOR_BTNSHADOW));
    } else {
        Fill(dc, TRect{r.Left, r.Top, r.Right - 1, r.Top + 1}, Sys(COLOR_3DLIGHT));
        Fill(dc, TRect{r.Left, r.Top, r.Left + 1, r.Bottom - 1}, Sys(COLOR_3DLIGHT));
        Fill(dc, TRect{r.Left + 1, r.Top + 1, r.Right - 2, r.Top + 2}, Sys(COLOR_BTNHIGHLIGHT));
        Fill(dc, TRect{r.Left + 1, r.Top + 1, r.Left + 2, r.Bottom - 2}, Sys(COLOR_BTNHIGHLIGHT));
        Fill(dc, TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, Sys(COLOR_3DDKSHADOW));
        Fill(dc, TRect{r.Right - 1, r.Top, r.Right, r.Bottom}, Sys(COLOR_3DDKSHADOW));
        Fill(dc, TRect{r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1}, Sys(COLOR_BTNSHADOW));
        Fill(dc, TRect{r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom - 1}, Sys(COLOR_BTNSHADOW));
    }
    InflateRect(inner, -2, -2);
    if (pushed) OffsetRect(inner, 1, 1);
    unsigned direction = kind == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : kind;
    if (state & DFCS_INACTIVE) {
        TRect shadow = inner;
        OffsetRect(shadow, 1, 1);
        PaintArrow(dc, shadow, direction, Sys(COLOR_BTNHIGHLIGHT));
        PaintArrow(dc, inner, direction, Sys(COLOR_BTNSHADOW));
    } else {
        PaintArrow(dc, inner, direction, Sys(COLOR_BTNTEXT));
    }
}

} // namespace

bool DrawFrameControl(HDC dc, const TRect& r, unsigned kind, unsigned state) {
    if (!dc || !dc->Bitmap() || IsRectEmpty(r)) return false;
    TRect s = dc->ToSurface(r);
    if (kind == DFC_BUTTON) {
        unsigned type = state & 0x1F;
        TRect box = CenteredSquare(s, std::min(s.Width(), s.Height()));
        if (type == DFCS_BUTTONCHECK || type == DFCS_BUTTON3STATE) {
            PaintCheckBox(*dc, box, state);
            return true;
        }
        if (type == DFCS_BUTTONRADIO || type == DFCS_BUTTONRADIOIMAGE || type == DFCS_BUTTONRADIOMASK) {
            PaintRadio(*dc, box, state);
            return true;
        }
        return false;
    }
    if (kind == DFC_SCROLL) {
        unsigned type = state & 0x1F;
        if (type > DFCS_SCROLLRIGHT && type != DFCS_SCROLLCOMBOBOX && type != DFCS_SCROLLSIZEGRIP &&
            type != DFCS_SCROLLSIZEGRIPRIGHT)
            return false;
        PaintScroll(*dc, s, state);
        return true;
    }
    return false;
}

HBITMAP LoadCheckBoxesBitmap() {
    const int n = CheckBoxCellSize;
    HBITMAP bitmap = CreateBitmap(4 * n, 3 * n, 1, 32);
    HDC dc = CreateBitmapDC(bitmap);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    TRect all{0, 0, 4 * n, 3 * n};
    FillRect(dc, all, face);
    const unsigned rows[3] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE};
    const unsigned columns[4] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_PUSHED | DFCS_CHECKED};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            DrawFrameControl(dc, Bounds(column * n, row * n, n, n), DFC_BUTTON, rows[row] | columns[column]);
    DeleteDC(dc);
    return bitmap;
}

} // namespace zorvy
