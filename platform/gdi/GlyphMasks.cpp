// Text drawn from cached glyph coverage: the pixels cairo gives an upright, smoothed run (its glyphs
// at rounded pixel positions, their coverage added up, the text colour laid over the bitmap through
// it), without a cairo context, clip and pixel comparison for every run.
#include "platform/gdi/TextInternal.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace zorvy {

bool DrawRunsFromMasks = true;

namespace {

// The compositor's pixel arithmetic, two 8-bit channels at a time (bits 0-7 and 16-23): each times
// a / 255, rounded; and a saturated sum.
inline uint32_t MulPairs(uint32_t x, uint32_t a) {
    uint32_t t = (x & 0x00FF00FF) * a + 0x00800080;
    t = (t + ((t >> 8) & 0x00FF00FF)) >> 8;
    return t & 0x00FF00FF;
}
inline uint32_t AddPairs(uint32_t x, uint32_t y) {
    uint32_t t = x + y;
    t |= 0x01000100 - ((t >> 8) & 0x00FF00FF);
    return t & 0x00FF00FF;
}

// Opaque source over the destination through coverage m (1..254), every byte.
inline uint32_t OverThrough(uint32_t source, uint32_t dest, uint32_t m) {
    const uint32_t rb = AddPairs(MulPairs(source, m), MulPairs(dest, 255 - m));
    const uint32_t ag = AddPairs(MulPairs(source >> 8, m), MulPairs(dest >> 8, 255 - m));
    return rb | (ag << 8);
}

// A path's current point is kept in 24.8 fixed point, rounded to the nearest (even) 256th.
inline double FixedPoint(double v) {
    return std::nearbyint(v * 256.0) / 256.0;
}

// Glyph positions round half up to whole pixels.
inline int RoundPixel(double v) {
    return int(std::floor(v + 0.5));
}

} // namespace

const TFontData::TGlyphMask& TFontData::GlyphMask(PangoFont* font, PangoGlyph glyph) {
    const auto place = uint64_t(std::find(fonts_.begin(), fonts_.end(), font) - fonts_.begin());
    auto [it, added] = glyphMasks_.try_emplace((place << 32) | glyph);
    TGlyphMask& mask = it->second;
    if (!added) return mask;
    cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(font));
    if (!scaled || cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS) return mask;
    cairo_glyph_t g{glyph, 0, 0};
    cairo_text_extents_t ink;
    cairo_scaled_font_glyph_extents(scaled, &g, 1, &ink);
    // A ring of empty pixels around the ink shows that nothing of the glyph was cut off.
    constexpr int ring = 3;
    mask.Left = int(std::floor(ink.x_bearing)) - ring;
    mask.Top = int(std::floor(ink.y_bearing)) - ring;
    mask.Width = int(std::ceil(ink.x_bearing + ink.width)) + ring - mask.Left;
    mask.Height = int(std::ceil(ink.y_bearing + ink.height)) + ring - mask.Top;
    if (mask.Width <= 0 || mask.Height <= 0 || mask.Width > 1024 || mask.Height > 1024) return mask;
    // Drawn in pure red on a clear surface, a plain glyph leaves its coverage as red and alpha alike.
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, mask.Width, mask.Height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_scaled_font(cr, scaled);
    cairo_set_source_rgb(cr, 1, 0, 0);
    g.x = -mask.Left;
    g.y = -mask.Top;
    cairo_show_glyphs(cr, &g, 1);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    bool plain = data != nullptr;
    mask.Coverage.resize(size_t(mask.Width) * size_t(mask.Height));
    for (int y = 0; plain && y < mask.Height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + ptrdiff_t(y) * stride);
        for (int x = 0; x < mask.Width; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            const bool edge = x == 0 || y == 0 || x == mask.Width - 1 || y == mask.Height - 1;
            if (((p >> 16) & 0xFF) != a || (p & 0xFFFF) != 0 || (edge && a != 0)) plain = false;
            mask.Coverage[size_t(y) * size_t(mask.Width) + size_t(x)] = uint8_t(a);
        }
    }
    cairo_surface_destroy(surface);
    mask.Plain = plain;
    if (!plain) {
        mask.Coverage.clear();
        return mask;
    }
    // Kept to the pixels the glyph covers: the empty ones around them change nothing where it lands.
    int left = mask.Width, top = mask.Height, right = 0, bottom = 0;
    for (int y = 0; y < mask.Height; ++y)
        for (int x = 0; x < mask.Width; ++x)
            if (mask.Coverage[size_t(y) * size_t(mask.Width) + size_t(x)]) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
    std::vector<uint8_t> kept;
    if (right > left)
        for (int y = top; y < bottom; ++y) {
            const auto row = mask.Coverage.begin() + ptrdiff_t(y) * mask.Width;
            kept.insert(kept.end(), row + left, row + right);
        }
    mask.Left += std::min(left, right);
    mask.Top += std::min(top, bottom);
    mask.Width = std::max(0, right - left);
    mask.Height = std::max(0, bottom - top);
    mask.Coverage = std::move(kept);
    return mask;
}

bool DrawRunFromMasks(TDeviceContext& dc, TFontData& font, const TShapedText& shaped, double x, double y,
                      const TRect& area) {
    if (!DrawRunsFromMasks || font.angle != 0 || !font.antialiased || dc.Mono()) return false;
    // Where the glyphs land, as the layout's drawing puts them: the current point at the baseline
    // (kept in fixed point), each glyph at its offset from there, rounded to the pixel.
    const double baseY = FixedPoint(y + (font.metrics.tmAscent - double(shaped.baseline) / PANGO_SCALE)) - y;
    const double baseX = FixedPoint(x) - x;
    struct TPlaced {
        const TFontData::TGlyphMask* mask;
        int x, y;
    };
    static thread_local std::vector<TPlaced> placed;
    placed.clear();
    for (const TShapedText::TRun& run : shaped.runs) {
        int position = 0;
        for (int i = run.first; i < run.first + run.count; ++i) {
            const PangoGlyphInfo& gi = shaped.glyphs[size_t(i)];
            const int advance = gi.geometry.width;
            if (gi.glyph == PANGO_GLYPH_EMPTY || gi.glyph == (0x20 | PANGO_GLYPH_UNKNOWN_FLAG)) {
                position += advance;
                continue;
            }
            // Boxes for missing characters are cairo's to draw.
            if (gi.glyph & PANGO_GLYPH_UNKNOWN_FLAG) return false;
            const TFontData::TGlyphMask& mask = font.GlyphMask(run.font, gi.glyph);
            if (!mask.Plain) return false;
            const double cx = baseX + double(position + gi.geometry.x_offset) / PANGO_SCALE;
            const double cy = gi.geometry.y_offset == 0 ? baseY : baseY + double(gi.geometry.y_offset) / PANGO_SCALE;
            placed.push_back({&mask, RoundPixel(cx + x) + mask.Left, RoundPixel(cy + y) + mask.Top});
            position += advance;
        }
    }
    // The glyphs' coverage where they meet the area, added up as overlapping glyphs add.
    TRect inked{area.Right, area.Bottom, area.Left, area.Top};
    for (const TPlaced& p : placed) {
        if (p.mask->Width == 0) continue;
        inked.Left = std::min(inked.Left, p.x);
        inked.Top = std::min(inked.Top, p.y);
        inked.Right = std::max(inked.Right, p.x + p.mask->Width);
        inked.Bottom = std::max(inked.Bottom, p.y + p.mask->Height);
    }
    IntersectRect(inked, inked, area);
    if (IsRectEmpty(inked)) return true;
    const int width = inked.Width();
    static thread_local std::vector<uint8_t> coverage;
    coverage.assign(size_t(width) * size_t(inked.Height()), 0);
    for (const TPlaced& p : placed) {
        const TFontData::TGlyphMask& m = *p.mask;
        const int left = std::max(p.x, inked.Left), right = std::min(p.x + m.Width, inked.Right);
        const int top = std::max(p.y, inked.Top), bottom = std::min(p.y + m.Height, inked.Bottom);
        for (int row = top; row < bottom; ++row) {
            const uint8_t* from = m.Coverage.data() + size_t(row - p.y) * size_t(m.Width) + size_t(left - p.x);
            uint8_t* to = coverage.data() + size_t(row - inked.Top) * size_t(width) + size_t(left - inked.Left);
            for (int n = 0; n < right - left; ++n)
                to[n] = uint8_t(std::min(255, to[n] + from[n]));
        }
    }
    TBitmapObject* bitmap = dc.Bitmap();
    const COLORREF color = dc.state.textColor;
    const uint32_t source = 0xFF000000u | (uint32_t(GetRValue(color)) << 16) | (uint32_t(GetGValue(color)) << 8) |
                            uint32_t(GetBValue(color));
    // Text mostly lies on one background colour: what each coverage gives over it is kept.
    // An entry holds for the colours of the generation it was made in.
    static thread_local struct {
        uint32_t source = 0, back = 0, generation = 1;
        uint32_t drawn[256];
        uint32_t made[256] = {};
    } over;
    const auto renew = [] {
        if (++over.generation != 0) return;
        std::fill(std::begin(over.made), std::end(over.made), 0u);
        over.generation = 1;
    };
    if (over.source != source) {
        over.source = source;
        renew();
    }
    ForEachVisible(dc, inked, [&](const TRect& part) {
        for (int row = part.Top; row < part.Bottom; ++row) {
            uint32_t* pixels = bitmap->Row(row);
            const uint8_t* cover = coverage.data() + size_t(row - inked.Top) * size_t(width);
            for (int col = part.Left; col < part.Right; ++col) {
                const uint32_t m = cover[col - inked.Left];
                if (m == 0) continue;
                const uint32_t old = pixels[col];
                uint32_t drawn;
                if (old == over.back && over.made[m] == over.generation) {
                    drawn = over.drawn[m];
                } else {
                    drawn = m == 255 ? source : OverThrough(source, old, m);
                    if (old != over.back) {
                        over.back = old;
                        renew();
                    }
                    over.drawn[m] = drawn;
                    over.made[m] = over.generation;
                }
                // Only pixels the drawing changed are written, without their alpha byte.
                if (drawn != old) pixels[col] = drawn & 0xFFFFFF;
            }
        }
    });
    return true;
}

} // namespace zorvy
