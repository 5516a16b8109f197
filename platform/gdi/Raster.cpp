#include "platform/gdi/DcInternal.h"

#include <algorithm>
#include <array>

namespace zorvy {

uint32_t DrawnPixel(const TDeviceContext& dc, COLORREF color) {
    uint32_t value = ColorToPixelValue(color & 0xFFFFFF);
    if (!dc.Mono()) return value;
    int r = (value >> 16) & 0xFF, g = (value >> 8) & 0xFF, b = value & 0xFF;
    return r * 30 + g * 59 + b * 11 >= 128 * 100 ? 0xFFFFFF : 0;
}

const std::array<std::array<uint8_t, 8>, 6> HatchPatterns = {{
    {0xFF, 0, 0, 0, 0, 0, 0, 0},                      // horizontal
    {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // forward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // backward diagonal
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
}};

uint32_t ApplyRop2(int rop2, uint32_t p, uint32_t d) {
    unsigned table = unsigned(rop2 - 1) & 0xF;
    uint32_t result = 0;
    // Each set bit of the truth table adds the pixels where (P, D) take that combination.
    if (table & 0x8) result |= p & d;
    if (table & 0x4) result |= p & ~d;
    if (table & 0x2) result |= ~p & d;
    if (table & 0x1) result |= ~p & ~d;
    return result & 0xFFFFFF;
}

namespace {

void FillPart(TDeviceContext& dc, const TRect& part, const TBrushPixels& pixels, int rop2) {
    TBitmapObject* bitmap = dc.Bitmap();
    if (pixels.Solid() && rop2 == R2_COPYPEN) {
        uint32_t v = pixels.SolidValue();
        for (int y = part.Top; y < part.Bottom; ++y)
            std::fill(bitmap->Row(y) + part.Left, bitmap->Row(y) + part.Right, v);
        return;
    }
    for (int y = part.Top; y < part.Bottom; ++y) {
        uint32_t* row = bitmap->Row(y);
        for (int x = part.Left; x < part.Right; ++x) {
            uint32_t p;
            if (!pixels.At(x, y, p)) continue;
            row[x] = rop2 == R2_COPYPEN ? p : ApplyRop2(rop2, p, row[x]);
        }
    }
}

} // namespace

void FillSurfaceRect(TDeviceContext& dc, const TRect& r, TBrushObject* brush, bool mix) {
    int rop2 = mix ? dc.state.rop2 : R2_COPYPEN;
    if (!brush || !dc.Bitmap() || rop2 == R2_NOP) return;
    TBrushPixels pixels(dc, brush);
    if (pixels.Null()) return;
    ForEachVisible(dc, r, [&](const TRect& part) { FillPart(dc, part, pixels, rop2); });
}

void FillSurfaceRegion(TDeviceContext& dc, const TRegion& region, TBrushObject* brush, bool mix) {
    int rop2 = mix ? dc.state.rop2 : R2_COPYPEN;
    if (!brush || !dc.Bitmap() || rop2 == R2_NOP) return;
    TBrushPixels pixels(dc, brush);
    if (pixels.Null()) return;
    TRegion visible = region.Intersect(dc.Visible());
    for (const TRect& part : visible.Rects())
        FillPart(dc, part, pixels, rop2);
}

void PlotPixel(TDeviceContext& dc, int x, int y, uint32_t penValue) {
    TBitmapObject* bitmap = dc.Bitmap();
    if (!bitmap || x < 0 || y < 0 || x >= bitmap->width || y >= bitmap->height) return;
    if (!dc.Visible().Contains({x, y})) return;
    uint32_t& d = bitmap->Row(y)[x];
    d = dc.state.rop2 == R2_COPYPEN ? penValue : ApplyRop2(dc.state.rop2, penValue, d);
}

} // namespace zorvy
