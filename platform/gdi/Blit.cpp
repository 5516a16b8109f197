#include "platform/gdi/DcInternal.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zorvy {

namespace {

uint8_t RopTable(uint32_t rop) {
    return uint8_t((rop >> 16) & 0xFF);
}
bool UsesSource(uint8_t t) {
    return ((t >> 2) & 0x33) != (t & 0x33);
}
bool UsesPattern(uint8_t t) {
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}

uint32_t Rop3(uint8_t t, uint32_t p, uint32_t s, uint32_t d) {
    switch (t) {
    case 0xCC:
        return s;
    case 0xEE:
        return s | d;
    case 0x88:
        return s & d;
    case 0x66:
        return s ^ d;
    case 0x55:
        return ~d;
    case 0xF0:
        return p;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFFFF;
    default:
        break;
    }
    uint32_t r = 0;
    for (int i = 0; i < 8; ++i) {
        if (!((t >> i) & 1)) continue;
        r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return r;
}

// Source pixels as the destination sees them (monochrome and colour conversions applied).
class TSourcePixels {
  public:
    TSourcePixels(TDeviceContext& dest, TDeviceContext& src) {
        srcMono_ = src.Mono();
        destMono_ = dest.Mono();
        fore_ = DrawnPixel(dest, dest.state.textColor);
        back_ = DrawnPixel(dest, dest.state.bkColor);
        srcBack_ = ColorToPixelValue(src.state.bkColor);
    }
    uint32_t Convert(uint32_t v) const {
        if (srcMono_ && !destMono_) return (v & 0xFFFFFF) ? back_ : fore_;
        if (!srcMono_ && destMono_) return (v & 0xFFFFFF) == srcBack_ ? 0xFFFFFF : 0;
        return v;
    }
    bool Plain() const { return srcMono_ == destMono_; }

  private:
    bool srcMono_, destMono_;
    uint32_t fore_, back_, srcBack_;
};

// Maps a destination coordinate to the source by nearest pixel; sizes may be negative (mirroring).
int MapCoordinate(int d, int destSize, int srcStart, int srcSize) {
    double f = (d + 0.5) / std::abs(destSize);
    bool mirror = (destSize < 0) != (srcSize < 0);
    int n = std::abs(srcSize);
    int offset = std::min(int(f * n), n - 1);
    int base = srcSize < 0 ? srcStart + srcSize + 1 : srcStart;
    return mirror ? base + n - 1 - offset : base + offset;
}

struct TBlitGeometry {
    TRect dest;      // surface rectangle of the destination
    TPoint srcStart; // surface point of the source's origin corner
    int destW, destH, srcW, srcH;
    bool stretch;
};

template <class F>
void ForEachMappedPixel(TDeviceContext& dest, TDeviceContext* src, const TBlitGeometry& g, F&& f) {
    TBitmapObject* sb = src ? src->Bitmap() : nullptr;
    ForEachVisible(dest, g.dest, [&](const TRect& part) {
        for (int y = part.Top; y < part.Bottom; ++y) {
            uint32_t* row = dest.Bitmap()->Row(y);
            if (!sb) {
                for (int x = part.Left; x < part.Right; ++x)
                    f(x, y, row[x], 0u);
                continue;
            }
            int sy = g.stretch ? MapCoordinate(y - g.dest.Top, g.destH, g.srcStart.Y, g.srcH)
                               : g.srcStart.Y + (y - g.dest.Top);
            if (sy < 0 || sy >= sb->height) continue;
            const uint32_t* srcRow = sb->Row(sy);
            if (g.stretch) {
                for (int x = part.Left; x < part.Right; ++x) {
                    int sx = MapCoordinate(x - g.dest.Left, g.destW, g.srcStart.X, g.srcW);
                    if (sx >= 0 && sx < sb->width) f(x, y, row[x], srcRow[sx]);
                }
                continue;
            }
            // Unstretched: only the columns whose source lies on the source bitmap.
            int shift = g.srcStart.X - g.dest.Left;
            int left = std::max(part.Left, -shift), right = std::min(part.Right, sb->width - shift);
            for (int x = left; x < right; ++x)
                f(x, y, row[x], srcRow[x + shift]);
        }
    });
}

// Plain copies of whole rows, the common case of painting a back buffer or a cached image.
void CopyRows(TDeviceContext& dest, TDeviceContext& src, const TBlitGeometry& g) {
    TBitmapObject* sb = src.Bitmap();
    ForEachVisible(dest, g.dest, [&](const TRect& part) {
        int shiftX = g.srcStart.X - g.dest.Left, shiftY = g.srcStart.Y - g.dest.Top;
        int left = std::max(part.Left, -shiftX), right = std::min(part.Right, sb->width - shiftX);
        int top = std::max(part.Top, -shiftY), bottom = std::min(part.Bottom, sb->height - shiftY);
        if (left >= right) return;
        for (int y = top; y < bottom; ++y)
            std::memcpy(dest.Bitmap()->Row(y) + left, sb->Row(y + shiftY) + left + shiftX,
                        size_t(right - left) * 4);
    });
}

TBlitGeometry Geometry(TDeviceContext& dest, int x, int y, int w, int h, TDeviceContext* src, int sx, int sy,
                       int sw, int sh) {
    TBlitGeometry g{};
    // A negative extent runs back from the given pixel, which it includes.
    TRect d{x, y, x + w, y + h};
    if (w < 0) d = {x + w + 1, d.Top, x + 1, d.Bottom};
    if (h < 0) d = {d.Left, y + h + 1, d.Right, y + 1};
    g.dest = dest.ToSurface(d);
    g.destW = w;
    g.destH = h;
    g.srcW = sw;
    g.srcH = sh;
    if (src) g.srcStart = src->ToSurface(TPoint{sx, sy});
    g.stretch = w != sw || h != sh;
    return g;
}

// A copy of the source pixels, for blits whose source and destination share a bitmap.
struct TSourceSnapshot {
    std::unique_ptr<TDeviceContext> dc;
    HBITMAP copy = nullptr;
    ~TSourceSnapshot() {
        if (copy) DeleteObject(copy);
    }
};

TDeviceContext* Snapshot(TDeviceContext& dest, TDeviceContext* src, TSourceSnapshot& snapshot) {
    if (!src || src->Bitmap() != dest.Bitmap()) return src;
    TBitmapObject* b = src->Bitmap();
    snapshot.copy = CreateBitmap(b->width, b->height, 1, b->bitsPerPixel);
    snapshot.copy->bits = b->bits;
    snapshot.dc.reset(CreateBitmapDC(snapshot.copy, src->origin));
    snapshot.dc->state = src->state;
    snapshot.dc->state.bitmap = snapshot.copy;
    return snapshot.dc.get();
}

bool Blit(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, uint32_t rop) {
    if (!dest || !dest->Bitmap() || w == 0 || h == 0) return false;
    uint8_t t = RopTable(rop);
    bool usesSource = UsesSource(t);
    if (usesSource && (!src || !src->Bitmap() || !src->Bitmap()->Valid() || sw == 0 || sh == 0)) return false;
    TSourceSnapshot snapshot;
    TDeviceContext* source = usesSource ? Snapshot(*dest, src, snapshot) : nullptr;
    TBlitGeometry g = Geometry(*dest, x, y, w, h, source, sx, sy, sw, sh);
    if (!usesSource) g.stretch = false;
    TBrushObject* brush = dest->state.brush.get();
    bool usesPattern = UsesPattern(t) && brush;
    TBrushPixels pattern(*dest, brush ? brush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!usesSource) {
        ForEachMappedPixel(*dest, nullptr, g, [&](int px, int py, uint32_t& d, uint32_t) {
            uint32_t p = 0;
            if (usesPattern && !pattern.At(px, py, p)) return;
            d = Rop3(t, p, 0, d) & 0xFFFFFF;
        });
        return true;
    }
    TSourcePixels sourcePixels(*dest, *source);
    bool copy = t == 0xCC;
    if (copy && !g.stretch && sourcePixels.Plain()) {
        CopyRows(*dest, *source, g);
        return true;
    }
    ForEachMappedPixel(*dest, source, g, [&](int px, int py, uint32_t& d, uint32_t s) {
        s = sourcePixels.Convert(s);
        if (copy) {
            d = s;
            return;
        }
        uint32_t p = 0;
        if (usesPattern && !pattern.At(px, py, p)) p = d;
        d = Rop3(t, p, s, d) & 0xFFFFFF;
    });
    return true;
}

float ClampRoundChannel(float x) {
    return x >= 255.0f ? 255.0f : std::nearbyint(x);
}

} // namespace

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, uint32_t rop) {
    return Blit(dest, x, y, width, height, src, srcX, srcY, width, height, rop);
}

bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, uint32_t rop) {
    return Blit(dest, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, rop);
}

bool PatBlt(HDC dest, int x, int y, int width, int height, uint32_t rop) {
    if (UsesSource(RopTable(rop))) return false;
    return Blit(dest, x, y, width, height, nullptr, 0, 0, width, height, rop);
}

bool AlphaBlend(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend) {
    if (!dest || !dest->Bitmap() || !src || !src->Bitmap() || !src->Bitmap()->Valid() || width <= 0 ||
        height <= 0 || srcWidth <= 0 || srcHeight <= 0 || blend.BlendOp != AC_SRC_OVER)
        return false;
    TSourceSnapshot snapshot;
    TDeviceContext* source = Snapshot(*dest, src, snapshot);
    TBlitGeometry g = Geometry(*dest, x, y, width, height, source, srcX, srcY, srcWidth, srcHeight);
    const float c = blend.SourceConstantAlpha / 255.0f;
    const bool perPixel = blend.AlphaFormat & AC_SRC_ALPHA;
    ForEachMappedPixel(*dest, source, g, [&](int, int, uint32_t& d, uint32_t s) {
        float e = perPixel ? 1.0f - (c * float(s >> 24)) / 255.0f : 1.0f - c;
        uint32_t out = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            float sc = float((s >> shift) & 0xFF), dc = float((d >> shift) & 0xFF);
            out |= uint32_t(ClampRoundChannel(c * sc + e * dc)) << shift;
        }
        d = out;
    });
    return true;
}

bool ScrollDC(HDC dc, int dx, int dy, const TRect* scrollRect, const TRect* clipRect, TRect* updateRect) {
    if (!dc || !dc->Bitmap() || !dc->Bitmap()->Valid()) return false;
    TRect area;
    if (scrollRect)
        area = dc->ToSurface(*scrollRect);
    else
        area = dc->Visible().Box();
    TRegion limit = dc->Visible();
    if (clipRect) limit = limit.Intersect(dc->ToSurface(*clipRect));
    TRegion source = limit.Intersect(area);
    TRegion moved = source;
    moved.Offset(dx, dy);
    TRegion target = moved.Intersect(limit);
    TBitmapObject* bitmap = dc->Bitmap();
    std::vector<uint32_t> copy = bitmap->bits;
    for (const TRect& r : target.Rects())
        for (int y = r.Top; y < r.Bottom; ++y)
            std::memcpy(bitmap->Row(y) + r.Left,
                        copy.data() + size_t(y - dy) * size_t(bitmap->width) + (r.Left - dx),
                        size_t(r.Right - r.Left) * 4);
    if (updateRect) {
        TRect box = source.Subtract(target).Box();
        if (!IsRectEmpty(box)) OffsetRect(box, -dc->DX(), -dc->DY());
        *updateRect = box;
    }
    return true;
}

} // namespace zorvy
