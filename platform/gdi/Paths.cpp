#include "platform/gdi/DcInternal.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace zorvy {

namespace {

// Turns a path into the pixels it fills (strokeWidth 0) or strokes, aliased as the pens draw.
TRegion RasterizePath(const std::vector<TPathOp>& path, int fillMode, double strokeWidth) {
    if (path.empty()) return {};
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const TPathOp& op : path) {
        int n = op.kind == TPathOp::Curve ? 3 : op.kind == TPathOp::Close ? 0 : 1;
        for (int i = 0; i < n; ++i) {
            minX = std::min(minX, op.x[i]);
            maxX = std::max(maxX, op.x[i]);
            minY = std::min(minY, op.y[i]);
            maxY = std::max(maxY, op.y[i]);
        }
    }
    if (minX > maxX) return {};
    double pad = strokeWidth + 2;
    int left = int(std::floor(minX - pad)), top = int(std::floor(minY - pad));
    int width = int(std::ceil(maxX + pad)) - left, height = int(std::ceil(maxY + pad)) - top;
    if (width <= 0 || height <= 0 || int64_t(width) * height > (int64_t(1) << 26)) return {};
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
    cairo_t* cr = cairo_create(mask);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_translate(cr, -left, -top);
    for (const TPathOp& op : path) {
        switch (op.kind) {
        case TPathOp::Move:
            cairo_move_to(cr, op.x[0], op.y[0]);
            break;
        case TPathOp::Line:
            cairo_line_to(cr, op.x[0], op.y[0]);
            break;
        case TPathOp::Curve:
            cairo_curve_to(cr, op.x[0], op.y[0], op.x[1], op.y[1], op.x[2], op.y[2]);
            break;
        case TPathOp::Close:
            cairo_close_path(cr);
            break;
        }
    }
    if (strokeWidth > 0) {
        // Pen coordinates name pixels; their centres lie half a pixel further.
        cairo_translate(cr, 0.5, 0.5);
        cairo_set_line_width(cr, strokeWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_set_fill_rule(cr, fillMode == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    cairo_surface_flush(mask);
    const unsigned char* data = cairo_image_surface_get_data(mask);
    int stride = cairo_image_surface_get_stride(mask);
    std::vector<TRect> rows;
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = data + size_t(y) * size_t(stride);
        for (int x = 0; x < width;) {
            if (row[x] < 128) {
                ++x;
                continue;
            }
            int start = x;
            while (x < width && row[x] >= 128)
                ++x;
            rows.push_back({left + start, top + y, left + x, top + y + 1});
        }
    }
    cairo_surface_destroy(mask);
    // Rows come in y-x order and do not overlap, so a union row by row keeps them banded.
    TRegion region;
    size_t i = 0;
    while (i < rows.size()) {
        size_t j = i;
        while (j < rows.size() && rows[j].Top == rows[i].Top)
            ++j;
        region = region.Union(TRegion::FromRects(std::span<const TRect>(rows.data() + i, j - i)));
        i = j;
    }
    return region;
}

bool TakePath(TDeviceContext& dc, std::vector<TPathOp>& out) {
    if (!dc.pathReady) return false;
    out = std::move(dc.path);
    dc.path.clear();
    dc.pathReady = false;
    return true;
}

void FillWithPen(TDeviceContext& dc, const TRegion& region) {
    HBRUSH brush = CreateSolidBrush(dc.state.pen->logPen.lopnColor);
    FillSurfaceRegion(dc, region, brush, true);
    DeleteObject(brush);
}

bool StrokeAndOrFill(HDC dc, bool fill, bool stroke) {
    std::vector<TPathOp> path;
    if (!dc || !TakePath(*dc, path)) return false;
    if (fill)
        FillSurfaceRegion(*dc, RasterizePath(path, dc->state.polyFillMode, 0), dc->state.brush.get(), true);
    if (stroke && dc->state.pen && dc->state.pen->logPen.lopnStyle != PS_NULL)
        FillWithPen(*dc, RasterizePath(path, 0, std::max(1, dc->state.pen->logPen.lopnWidth)));
    return true;
}

} // namespace

void PathMoveTo(TDeviceContext& dc, double x, double y) {
    dc.path.push_back({TPathOp::Move, {x}, {y}});
}

void PathLineTo(TDeviceContext& dc, double x, double y) {
    if (dc.path.empty()) PathMoveTo(dc, x, y);
    dc.path.push_back({TPathOp::Line, {x}, {y}});
}

void PathClose(TDeviceContext& dc) {
    if (!dc.path.empty()) dc.path.push_back({TPathOp::Close, {}, {}});
}

bool BeginPath(HDC dc) {
    if (!dc) return false;
    dc->path.clear();
    dc->pathOpen = true;
    dc->pathReady = false;
    return true;
}

bool EndPath(HDC dc) {
    if (!dc || !dc->pathOpen) return false;
    dc->pathOpen = false;
    dc->pathReady = true;
    return true;
}

bool AbortPath(HDC dc) {
    if (!dc) return false;
    dc->path.clear();
    dc->pathOpen = false;
    dc->pathReady = false;
    return true;
}

bool CloseFigure(HDC dc) {
    if (!dc || !dc->pathOpen) return false;
    PathClose(*dc);
    return true;
}

bool StrokePath(HDC dc) {
    return StrokeAndOrFill(dc, false, true);
}

bool FillPath(HDC dc) {
    return StrokeAndOrFill(dc, true, false);
}

bool StrokeAndFillPath(HDC dc) {
    return StrokeAndOrFill(dc, true, true);
}

bool SelectClipPath(HDC dc, int mode) {
    HRGN rgn = PathToRegion(dc);
    if (!rgn) return false;
    int kind = ExtSelectClipRgn(dc, rgn, mode);
    DeleteObject(rgn);
    return kind != RGN_ERROR;
}

HRGN PathToRegion(HDC dc) {
    std::vector<TPathOp> path;
    if (!dc || !TakePath(*dc, path)) return nullptr;
    TRegion region = RasterizePath(path, dc->state.polyFillMode, 0);
    region.Offset(-dc->origin.X, -dc->origin.Y); // surface -> device coordinates
    return CreateRegion(std::move(region));
}

} // namespace zorvy
