#include "platform/gdi/DcInternal.h"

namespace zorvy {

namespace {

void InvertSurfacePixels(TDeviceContext& dc, const TRect& r, bool checkerboard) {
    if (!dc.Bitmap()) return;
    ForEachVisible(dc, r, [&](const TRect& part) {
        for (int y = part.Top; y < part.Bottom; ++y) {
            uint32_t* row = dc.Bitmap()->Row(y);
            for (int x = part.Left; x < part.Right; ++x) {
                // The dots sit on a checkerboard of the device, so neighbouring edges line up.
                if (checkerboard && ((x - dc.origin.X + y - dc.origin.Y) & 1)) continue;
                row[x] = ~row[x] & 0xFFFFFF;
            }
        }
    });
}

class TTempBrush {
  public:
    explicit TTempBrush(COLORREF color) : brush_(CreateSolidBrush(color)) {}
    ~TTempBrush() { DeleteObject(brush_); }
    HBRUSH get() const { return brush_; }

  private:
    HBRUSH brush_;
};

void FillSides(TDeviceContext& dc, const TRect& r, unsigned flags, COLORREF first, COLORREF second) {
    TTempBrush a(first), b(second);
    TRect s = dc.ToSurface(r);
    if (flags & BF_LEFT) FillSurfaceRect(dc, {s.Left, s.Top, s.Left + 1, s.Bottom}, a.get(), false);
    if (flags & BF_TOP) FillSurfaceRect(dc, {s.Left, s.Top, s.Right, s.Top + 1}, a.get(), false);
    if (flags & BF_RIGHT) FillSurfaceRect(dc, {s.Right - 1, s.Top, s.Right, s.Bottom}, b.get(), false);
    if (flags & BF_BOTTOM) FillSurfaceRect(dc, {s.Left, s.Bottom - 1, s.Right, s.Bottom}, b.get(), false);
}

void Shrink(TRect& r, unsigned flags) {
    if (flags & BF_LEFT) ++r.Left;
    if (flags & BF_TOP) ++r.Top;
    if (flags & BF_RIGHT) --r.Right;
    if (flags & BF_BOTTOM) --r.Bottom;
}

} // namespace

bool FillRect(HDC dc, const TRect& r, HBRUSH brush) {
    if (!dc || !brush) return false;
    FillSurfaceRect(*dc, dc->ToSurface(r), brush, false);
    return true;
}

bool FrameRect(HDC dc, const TRect& r, HBRUSH brush) {
    if (!dc || !brush) return false;
    if (IsRectEmpty(r)) return true;
    TRect s = dc->ToSurface(r);
    FillSurfaceRect(*dc, {s.Left, s.Top, s.Right, s.Top + 1}, brush, false);
    FillSurfaceRect(*dc, {s.Left, s.Bottom - 1, s.Right, s.Bottom}, brush, false);
    FillSurfaceRect(*dc, {s.Left, s.Top + 1, s.Left + 1, s.Bottom - 1}, brush, false);
    FillSurfaceRect(*dc, {s.Right - 1, s.Top + 1, s.Right, s.Bottom - 1}, brush, false);
    return true;
}

bool InvertRect(HDC dc, const TRect& r) {
    if (!dc) return false;
    InvertSurfacePixels(*dc, dc->ToSurface(r), false);
    return true;
}

bool DrawFocusRect(HDC dc, const TRect& r) {
    if (!dc) return false;
    if (IsRectEmpty(r)) return true;
    TRect s = dc->ToSurface(r);
    InvertSurfacePixels(*dc, {s.Left, s.Top, s.Right, s.Top + 1}, true);
    if (s.Bottom - 1 > s.Top) InvertSurfacePixels(*dc, {s.Left, s.Bottom - 1, s.Right, s.Bottom}, true);
    InvertSurfacePixels(*dc, {s.Left, s.Top + 1, s.Left + 1, s.Bottom - 1}, true);
    if (s.Right - 1 > s.Left) InvertSurfacePixels(*dc, {s.Right - 1, s.Top + 1, s.Right, s.Bottom - 1}, true);
    return true;
}

bool DrawEdge(HDC dc, TRect& r, unsigned edge, unsigned flags) {
    if (!dc) return false;
    TRect inner = r;
    unsigned outer = edge & BDR_OUTER, innerKind = edge & BDR_INNER;
    if (flags & (BF_FLAT | BF_MONO)) {
        COLORREF outerColor = GetSysColor((flags & BF_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW);
        COLORREF innerColor = GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
        if (outer) {
            FillSides(*dc, inner, flags, outerColor, outerColor);
            Shrink(inner, flags);
        }
        if (innerKind) {
            FillSides(*dc, inner, flags, innerColor, innerColor);
            Shrink(inner, flags);
        }
    } else {
        if (outer) {
            bool raised = outer & BDR_RAISEDOUTER;
            FillSides(*dc, inner, flags, GetSysColor(raised ? COLOR_3DLIGHT : COLOR_BTNSHADOW),
                      GetSysColor(raised ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT));
            Shrink(inner, flags);
        }
        if (innerKind) {
            bool raised = innerKind & BDR_RAISEDINNER;
            FillSides(*dc, inner, flags, GetSysColor(raised ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW),
                      GetSysColor(raised ? COLOR_BTNSHADOW : COLOR_3DLIGHT));
            Shrink(inner, flags);
        }
    }
    if (flags & BF_MIDDLE) {
        TTempBrush face(GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
        FillRect(dc, inner, face.get());
    }
    if (flags & BF_ADJUST) r = inner;
    return true;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    if (!dc || !dc->Bitmap()) return CLR_INVALID;
    TPoint p = dc->ToSurface(TPoint{x, y});
    if (!dc->Visible().Contains(p)) return CLR_INVALID;
    uint32_t value = DrawnPixel(*dc, ColorToRGB(TColor(color)));
    dc->Bitmap()->Row(p.Y)[p.X] = value;
    return PixelValueToColor(value);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    if (!dc || !dc->Bitmap()) return CLR_INVALID;
    TPoint p = dc->ToSurface(TPoint{x, y});
    if (!dc->Visible().Contains(p)) return CLR_INVALID;
    return PixelValueToColor(dc->Bitmap()->Row(p.Y)[p.X] & 0xFFFFFF);
}

bool FillRgn(HDC dc, HRGN rgn, HBRUSH brush) {
    if (!dc || !rgn || !brush) return false;
    TRegion region = rgn->region;
    region.Offset(dc->DX(), dc->DY());
    FillSurfaceRegion(*dc, region, brush, false);
    return true;
}

bool FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height) {
    if (!dc || !rgn || !brush || width < 0 || height < 0) return false;
    TRegion region = rgn->region;
    region.Offset(dc->DX(), dc->DY());
    // The inside of the frame: pixels that stay in the region when moved by the frame size every way.
    TRegion core = region;
    for (auto [dx, dy] : {std::pair{width, 0}, {-width, 0}, {0, height}, {0, -height}}) {
        TRegion shifted = region;
        shifted.Offset(dx, dy);
        core = core.Intersect(shifted);
    }
    FillSurfaceRegion(*dc, region.Subtract(core), brush, false);
    return true;
}

} // namespace zorvy
