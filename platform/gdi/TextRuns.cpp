#include "platform/gdi/TextInternal.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace zorvy {

namespace {

// A cairo context on the bitmap, limited to the visible pixels within clip and bounds.
class TCairoTarget {
  public:
    TCairoTarget(TDeviceContext& dc, const TRect& bounds, const TRect* clip) : dc_(dc) {
        TBitmapObject* bitmap = dc.Bitmap();
        if (!bitmap->Valid()) return;
        area_ = bounds;
        TRect whole{0, 0, bitmap->width, bitmap->height};
        IntersectRect(area_, area_, whole);
        if (clip) IntersectRect(area_, area_, *clip);
        if (IsRectEmpty(area_)) return;
        // Remember the pixels so that those the drawing changes can be marked as drawn afterwards.
        before_.reserve(size_t(area_.Width()) * size_t(area_.Height()));
        for (int y = area_.Top; y < area_.Bottom; ++y)
            before_.insert(before_.end(), bitmap->Row(y) + area_.Left, bitmap->Row(y) + area_.Right);
        surface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(bitmap->bits.data()),
                                                       CAIRO_FORMAT_RGB24, bitmap->width, bitmap->height,
                                                       bitmap->width * 4);
        cr_ = cairo_create(surface_);
        bool any = false;
        ForEachVisible(dc, area_, [&](const TRect& part) {
            cairo_rectangle(cr_, part.Left, part.Top, part.Width(), part.Height());
            any = true;
        });
        if (!any) cairo_rectangle(cr_, 0, 0, 0, 0);
        cairo_clip(cr_);
    }
    ~TCairoTarget() {
        if (!cr_) return;
        cairo_destroy(cr_);
        cairo_surface_flush(surface_);
        cairo_surface_destroy(surface_);
        TBitmapObject* bitmap = dc_.Bitmap();
        const uint32_t* old = before_.data();
        bool mono = dc_.Mono();
        for (int y = area_.Top; y < area_.Bottom; ++y) {
            uint32_t* row = bitmap->Row(y);
            for (int x = area_.Left; x < area_.Right; ++x, ++old) {
                if (row[x] == *old) continue;
                uint32_t v = row[x] & 0xFFFFFF;
                row[x] = mono ? DrawnPixel(dc_, PixelValueToColor(v)) : v;
            }
        }
    }
    cairo_t* get() const { return cr_; }

  private:
    TDeviceContext& dc_;
    TRect area_;
    std::vector<uint32_t> before_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};

void SetSourceColor(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

double Radians(double degrees) {
    return degrees * 3.14159265358979323846 / 180.0;
}

// The surface bounds of a cell rectangle (run coordinates) turned about the run's origin.
TRect TurnedBounds(double x, double y, double angle, double left, double top, double right, double bottom) {
    double c = std::cos(Radians(angle)), s = std::sin(Radians(angle));
    double xs[4] = {left, right, right, left}, ys[4] = {top, top, bottom, bottom};
    double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
    for (int i = 0; i < 4; ++i) {
        double px = x + xs[i] * c + ys[i] * s, py = y - xs[i] * s + ys[i] * c;
        minX = std::min(minX, px);
        maxX = std::max(maxX, px);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    }
    auto clampInt = [](double v) { return int(std::clamp(v, -1e9, 1e9)); };
    return {clampInt(std::floor(minX)), clampInt(std::floor(minY)), clampInt(std::ceil(maxX)),
            clampInt(std::ceil(maxY))};
}

// Puts the layout's origin where the cell's baseline lies at the font's ascent from (x, y), turned
// with the font.
void PlaceLayout(cairo_t* cr, const TFontData& font, const TShapedText& shaped, double x, double y) {
    cairo_translate(cr, x, y);
    if (font.angle != 0) cairo_rotate(cr, -Radians(font.angle));
    cairo_move_to(cr, 0, font.metrics.tmAscent - double(shaped.baseline) / PANGO_SCALE);
}

// Draws, or adds to the path, the runs' glyphs from the layout's origin.
void ShowRuns(cairo_t* cr, const TShapedText& shaped, bool path) {
    for (const TShapedText::TRun& run : shaped.runs) {
        PangoGlyphString glyphs{};
        glyphs.num_glyphs = run.count;
        glyphs.glyphs = const_cast<PangoGlyphInfo*>(shaped.glyphs.data() + run.first);
        if (path)
            pango_cairo_glyph_string_path(cr, run.font, &glyphs);
        else
            pango_cairo_show_glyph_string(cr, run.font, &glyphs);
    }
}

} // namespace

int DrawRun(TDeviceContext& dc, double x, double y, std::string_view text, const TRect* clip) {
    if (text.empty()) return 0;
    TFontData& font = FontOf(dc);
    const TShapedText& shaped = font.Shaped(text);
    const int width = shaped.width;
    if (dc.pathOpen) {
        cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
        cairo_t* cr = cairo_create(scratch);
        PlaceLayout(cr, font, shaped, x, y);
        ShowRuns(cr, shaped, true);
        cairo_identity_matrix(cr);
        cairo_path_t* path = cairo_copy_path(cr);
        for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
            const cairo_path_data_t* d = &path->data[i];
            switch (d->header.type) {
            case CAIRO_PATH_MOVE_TO:
                PathMoveTo(dc, d[1].point.x, d[1].point.y);
                break;
            case CAIRO_PATH_LINE_TO:
                PathLineTo(dc, d[1].point.x, d[1].point.y);
                break;
            case CAIRO_PATH_CURVE_TO:
                dc.path.push_back({TPathOp::Curve,
                                   {d[1].point.x, d[2].point.x, d[3].point.x},
                                   {d[1].point.y, d[2].point.y, d[3].point.y}});
                break;
            case CAIRO_PATH_CLOSE_PATH:
                PathClose(dc);
                break;
            }
        }
        cairo_path_destroy(path);
        cairo_destroy(cr);
        cairo_surface_destroy(scratch);
        return width;
    }
    if (!dc.Bitmap()) return width;
    // Glyphs may reach past their advance (italics, overhangs): allow a margin around the cell.
    int margin = 2 + font.metrics.tmHeight / 4;
    TRect bounds =
        TurnedBounds(x, y, font.angle, -margin, -margin, width + margin, font.metrics.tmHeight + margin);
    TRect area = bounds;
    IntersectRect(area, area, TRect{0, 0, dc.Bitmap()->width, dc.Bitmap()->height});
    if (clip) IntersectRect(area, area, *clip);
    if (!dc.Bitmap()->Valid() || IsRectEmpty(area)) return width;
    if (DrawRunFromMasks(dc, font, shaped, x, y, area)) return width;
    TCairoTarget target(dc, bounds, clip);
    if (cairo_t* cr = target.get()) {
        SetSourceColor(cr, dc.state.textColor);
        PlaceLayout(cr, font, shaped, x, y);
        if (font.antialiased) {
            ShowRuns(cr, shaped, false);
        } else {
            // Font configurations may smooth glyphs whatever the context asks: fill their outlines
            // with hard edges instead.
            ShowRuns(cr, shaped, true);
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
            cairo_fill(cr);
        }
    }
    return width;
}

void FillRunBackground(TDeviceContext& dc, double x, double y, int width, const TRect* clip) {
    if (dc.pathOpen || !dc.Bitmap() || width <= 0) return;
    TFontData& font = FontOf(dc);
    HBRUSH brush = CreateSolidBrush(dc.state.bkColor);
    if (font.angle == 0) {
        TRect r{int(std::lround(x)), int(std::lround(y)), int(std::lround(x)) + width,
                int(std::lround(y)) + font.metrics.tmHeight};
        if (clip) IntersectRect(r, r, *clip);
        FillSurfaceRect(dc, r, brush, false);
    } else {
        double c = std::cos(Radians(font.angle)), s = std::sin(Radians(font.angle));
        double h = font.metrics.tmHeight;
        double xs[4] = {0, double(width), double(width), 0}, ys[4] = {0, 0, h, h};
        TPoint corners[4];
        for (int i = 0; i < 4; ++i)
            corners[i] = {int(std::lround(x + xs[i] * c + ys[i] * s)),
                          int(std::lround(y - xs[i] * s + ys[i] * c))};
        TRegion cell = TRegion::Polygon(corners, WINDING);
        if (clip) cell = cell.Intersect(*clip);
        FillSurfaceRegion(dc, cell, brush, false);
    }
    DeleteObject(brush);
}

void FillRunRect(TDeviceContext& dc, double x, double y, const TRect& r, const TRect* clip) {
    if (dc.pathOpen || !dc.Bitmap() || IsRectEmpty(r)) return;
    TFontData& font = FontOf(dc);
    if (font.angle == 0) {
        TRect s = r;
        OffsetRect(s, int(std::lround(x)), int(std::lround(y)));
        if (clip) IntersectRect(s, s, *clip);
        HBRUSH brush = CreateSolidBrush(dc.state.textColor);
        FillSurfaceRect(dc, s, brush, false);
        DeleteObject(brush);
        return;
    }
    TCairoTarget target(dc, TurnedBounds(x, y, font.angle, r.Left, r.Top, r.Right, r.Bottom), clip);
    if (cairo_t* cr = target.get()) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        SetSourceColor(cr, dc.state.textColor);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -Radians(font.angle));
        cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
        cairo_fill(cr);
    }
}

} // namespace zorvy
