#include "platform/gdi/Region.h"

namespace zorvy {

HRGN CreateRegion(TRegion region) {
    return new TRegionObject(std::move(region));
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return CreateRegion(TRegion(TRect{left, top, right, bottom}));
}

HRGN CreateRectRgnIndirect(const TRect& r) {
    return CreateRegion(TRegion(r));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    return CreateRegion(TRegion::RoundRect({left, top, right, bottom}, ellipseWidth, ellipseHeight));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return CreateRegion(TRegion::Ellipse({left, top, right, bottom}));
}

HRGN CreateEllipticRgnIndirect(const TRect& r) {
    return CreateRegion(TRegion::Ellipse(r));
}

HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode) {
    if (!points || count < 0) return CreateRegion({});
    return CreateRegion(TRegion::Polygon({points, size_t(count)}, fillMode));
}

HRGN CreatePolyPolygonRgn(const TPoint* points, const int* counts, int polygonCount, int fillMode) {
    if (!points || !counts || polygonCount <= 0) return CreateRegion({});
    size_t total = 0;
    for (int i = 0; i < polygonCount; ++i)
        total += size_t(std::max(counts[i], 0));
    return CreateRegion(TRegion::PolyPolygon({points, total}, {counts, size_t(polygonCount)}, fillMode));
}

void SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
    if (rgn) rgn->region = TRegion(TRect{left, top, right, bottom});
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    if (!dest || !a) return RGN_ERROR;
    if (mode == RGN_COPY) {
        dest->region = a->region;
        return dest->region.Kind();
    }
    if (!b) return RGN_ERROR;
    switch (mode) {
    case RGN_AND:
        dest->region = a->region.Intersect(b->region);
        break;
    case RGN_OR:
        dest->region = a->region.Union(b->region);
        break;
    case RGN_XOR:
        dest->region = a->region.Xor(b->region);
        break;
    case RGN_DIFF:
        dest->region = a->region.Subtract(b->region);
        break;
    default:
        return RGN_ERROR;
    }
    return dest->region.Kind();
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
    if (!rgn) return RGN_ERROR;
    rgn->region.Offset(dx, dy);
    return rgn->region.Kind();
}

bool EqualRgn(HRGN a, HRGN b) {
    return a && b && a->region == b->region;
}

int GetRgnBox(HRGN rgn, TRect& box) {
    if (!rgn) return RGN_ERROR;
    box = rgn->region.Box();
    return rgn->region.Kind();
}

bool PtInRegion(HRGN rgn, int x, int y) {
    return rgn && rgn->region.Contains({x, y});
}

bool RectInRegion(HRGN rgn, const TRect& r) {
    return rgn && rgn->region.Intersects(r);
}

} // namespace zorvy
