#include "platform/gdi/TextInternal.h"

#include <algorithm>
#include <cmath>

namespace zorvy {

namespace {

struct TRunOrigin {
    double x;
    double y;
};

// Moves from the run's origin along its (possibly turned) baseline direction.
TRunOrigin Along(const TFontData& font, TRunOrigin o, double dx, double dy) {
    double a = font.angle * 3.14159265358979323846 / 180.0;
    double c = std::cos(a), s = std::sin(a);
    return {o.x + dx * c + dy * s, o.y - dx * s + dy * c};
}

// Draws text with its cell's top-left at origin (surface coordinates): background in OPAQUE mode,
// the glyphs, then underline and strike-out. Justification spreads its extra pixels over the blanks.
int OutputText(TDeviceContext& dc, TRunOrigin origin, std::string_view text, const TRect* clip) {
    TFontData& font = FontOf(dc);
    int breaks = dc.state.justifyBreaks;
    int extra = breaks > 0 ? dc.state.justifyExtra : 0;
    // The pixels added after the n-th blank: the first (extra mod breaks) blanks take one more.
    auto added = [&](int n) { return n < breaks ? extra / breaks + (n < extra % breaks ? 1 : 0) : 0; };
    int width = font.Width(text);
    int blanks = extra ? int(std::count(text.begin(), text.end(), ' ')) : 0;
    int total = width;
    for (int n = 0; n < blanks; ++n)
        total += added(n);
    if (dc.state.bkMode == OPAQUE) FillRunBackground(dc, origin.x, origin.y, total, clip);
    if (!blanks) {
        DrawRun(dc, origin.x, origin.y, text, clip);
    } else {
        int pos = 0, seen = 0;
        size_t start = 0;
        for (size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != ' ') continue;
            size_t end = std::min(i + 1, text.size());
            std::string_view piece = text.substr(start, end - start);
            TRunOrigin o = Along(font, origin, pos, 0);
            DrawRun(dc, o.x, o.y, piece, clip);
            pos += font.Width(piece);
            if (i < text.size()) pos += added(seen++);
            start = end;
        }
    }
    int ascent = font.metrics.tmAscent;
    if (dc.state.font && dc.state.font->logFont.lfUnderline)
        FillRunRect(
            dc, origin.x, origin.y,
            {0, ascent + font.underlineTop, total, ascent + font.underlineTop + font.underlineThickness},
            clip);
    if (dc.state.font && dc.state.font->logFont.lfStrikeOut)
        FillRunRect(dc, origin.x, origin.y,
                    {0, ascent - font.strikeTop, total, ascent - font.strikeTop + font.strikeThickness},
                    clip);
    return total;
}

// The cell origin for text output at logical (x, y) under the context's text alignment.
TRunOrigin AlignedOrigin(TDeviceContext& dc, int x, int y, int width) {
    TFontData& font = FontOf(dc);
    TPoint p = dc.ToSurface(TPoint{x, y});
    int align = dc.state.textAlign;
    double dx = 0, dy = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        dx = -width / 2;
    else if (align & TA_RIGHT)
        dx = -width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        dy = -font.metrics.tmAscent;
    else if (align & TA_BOTTOM)
        dy = -font.metrics.tmHeight;
    return Along(font, {double(p.X), double(p.Y)}, dx, dy);
}

int NextTabStop(int x, const int* stops, int count, int origin, int defaultStep) {
    int rel = x - origin;
    if (count == 1 && stops[0] > 0) return origin + (rel / stops[0] + 1) * stops[0];
    for (int i = 0; i < count; ++i)
        if (stops[i] > rel) return origin + stops[i];
    return origin + (rel / defaultStep + 1) * defaultStep;
}

// Lays out text with tabs; calls draw(offset, piece) for every piece between tabs.
template <class F>
int TabbedExtent(TFontData& font, std::string_view text, const int* stops, int count, int origin, int start,
                 F&& draw) {
    if (count > 0 && !stops) count = 0;
    int step = 8 * font.metrics.tmAveCharWidth;
    int x = start;
    size_t begin = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\t') continue;
        std::string_view piece = text.substr(begin, i - begin);
        draw(x - start, piece);
        x += font.Width(piece);
        if (i < text.size()) x = NextTabStop(x, stops, count, origin, std::max(step, 1));
        begin = i + 1;
    }
    return x - start;
}

} // namespace

bool GetTextMetrics(HDC dc, TEXTMETRIC& metrics) {
    if (!dc) return false;
    metrics = FontOf(*dc).metrics;
    return true;
}

std::string GetTextFace(HDC dc) {
    return dc ? FontOf(*dc).family : std::string();
}

bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize& size) {
    if (!dc) return false;
    TFontData& font = FontOf(*dc);
    size = {font.Width(text), font.metrics.tmHeight};
    return true;
}

bool GetTextExtentExPoint(HDC dc, std::string_view text, int maxExtent, int* fit, std::vector<int>* extents,
                          TSize& size) {
    if (!dc) return false;
    TFontData& font = FontOf(*dc);
    std::vector<int> local;
    std::vector<int>& perByte = extents ? *extents : local;
    font.Extents(text, perByte);
    size = {perByte.empty() ? 0 : perByte.back(), font.metrics.tmHeight};
    if (fit) {
        int n = 0;
        for (size_t i = 0; i < text.size();) {
            size_t len = size_t(CharLength(text, i));
            size_t last = std::min(i + len, text.size()) - 1;
            if (perByte[last] > maxExtent) break;
            i += len;
            n = int(i);
        }
        *fit = n;
    }
    return true;
}

int GetTextExtentBound(HDC dc, std::string_view text) {
    if (!dc) return -1;
    TFontData& font = FontOf(*dc);
    // Room for kerning and for rounding, for every character: far more than any pair of them takes.
    const int slack = 1 + font.metrics.tmHeight / 4;
    int bound = 0;
    for (size_t i = 0; i < text.size();) {
        const int n = uint8_t(text[i]) < 0x80 ? 1 : CharLength(text, i);
        const int advance =
            n == 1 ? (uint8_t(text[i]) < 0x80 ? font.Advance(char32_t(text[i])) : -1) : font.Advance(DecodeChar(text, i));
        if (advance < 0) return -1;
        bound += advance + slack;
        i += size_t(n);
    }
    return bound;
}

bool TextOut(HDC dc, int x, int y, std::string_view text) {
    if (!dc) return false;
    TFontData& font = FontOf(*dc);
    OutputText(*dc, AlignedOrigin(*dc, x, y, font.Width(text)), text, nullptr);
    return true;
}

bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* r, std::string_view text) {
    if (!dc) return false;
    TRect clip;
    bool clipped = false;
    if (r) {
        clip = dc->ToSurface(*r);
        if (options & ETO_OPAQUE) {
            HBRUSH brush = CreateSolidBrush(dc->state.bkColor);
            FillSurfaceRect(*dc, clip, brush, false);
            DeleteObject(brush);
        }
        clipped = options & ETO_CLIPPED;
    }
    if (text.empty()) return true;
    TFontData& font = FontOf(*dc);
    OutputText(*dc, AlignedOrigin(*dc, x, y, font.Width(text)), text, clipped ? &clip : nullptr);
    return true;
}

TSize TabbedTextOut(HDC dc, int x, int y, std::string_view text, const int* tabStops, int tabCount,
                    int tabOrigin) {
    if (!dc) return {};
    TFontData& font = FontOf(*dc);
    TPoint p = dc->ToSurface(TPoint{x, y});
    int width = TabbedExtent(font, text, tabStops, tabCount, tabOrigin, x, [](int, std::string_view) {});
    if (dc->state.bkMode == OPAQUE) FillRunBackground(*dc, p.X, p.Y, width, nullptr);
    int mode = dc->state.bkMode;
    dc->state.bkMode = TRANSPARENT;
    TabbedExtent(font, text, tabStops, tabCount, tabOrigin, x, [&](int offset, std::string_view piece) {
        OutputText(*dc, Along(font, {double(p.X), double(p.Y)}, offset, 0), piece, nullptr);
    });
    dc->state.bkMode = mode;
    return {width, font.metrics.tmHeight};
}

TSize GetTabbedTextExtent(HDC dc, std::string_view text, const int* tabStops, int tabCount) {
    if (!dc) return {};
    TFontData& font = FontOf(*dc);
    int width = TabbedExtent(font, text, tabStops, tabCount, 0, 0, [](int, std::string_view) {});
    return {width, font.metrics.tmHeight};
}

bool SetTextJustification(HDC dc, int extra, int breakCount) {
    if (!dc) return false;
    dc->state.justifyExtra = breakCount > 0 ? extra : 0;
    dc->state.justifyBreaks = std::max(breakCount, 0);
    return true;
}

} // namespace zorvy
