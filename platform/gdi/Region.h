#pragma once
// Regions: sets of pixels kept as y-x banded lists of disjoint rectangles. TRegion is the value type
// that does the arithmetic; HRGN is the handle form the painters create, combine, select and delete.
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Handles.h"

#include <span>
#include <vector>

namespace zorvy {

// Region kinds, as the region routines report them.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
// Combine modes.
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// Polygon fill modes.
enum : int { ALTERNATE = 1, WINDING = 2 };

class TRegion {
  public:
    TRegion() = default;
    explicit TRegion(const TRect& r);

    static TRegion FromRects(std::span<const TRect> rects);
    // The pixels whose centres lie inside the ellipse inscribed in r (right and bottom excluded).
    static TRegion Ellipse(const TRect& r);
    // A rectangle with corners rounded by an ellipse of ew x eh.
    static TRegion RoundRect(const TRect& r, int ew, int eh);
    // The pixels whose centres lie inside the polygon under the fill mode.
    static TRegion Polygon(std::span<const TPoint> points, int fillMode);
    static TRegion PolyPolygon(std::span<const TPoint> points, std::span<const int> counts, int fillMode);
    // The same shapes computed only for the rows top..bottom - 1: drawing needs only the visible rows.
    // The forms above keep to rows within +-MaxShapeRow.
    static TRegion RoundRectRows(const TRect& r, int ew, int eh, int top, int bottom);
    static TRegion PolyPolygonRows(std::span<const TPoint> points, std::span<const int> counts, int fillMode,
                                   int top, int bottom);
    static constexpr int MaxShapeRow = 1 << 22;

    bool IsEmpty() const { return rects_.empty(); }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Kind() const;
    TRect Box() const;
    const std::vector<TRect>& Rects() const { return rects_; }

    bool Contains(TPoint p) const;
    bool Intersects(const TRect& r) const;
    void Offset(int dx, int dy);

    TRegion Union(const TRegion& other) const;
    TRegion Intersect(const TRegion& other) const;
    TRegion Subtract(const TRegion& other) const;
    TRegion Xor(const TRegion& other) const;
    TRegion Intersect(const TRect& r) const;

    friend bool operator==(const TRegion& a, const TRegion& b) { return a.rects_ == b.rects_; }

  private:
    std::vector<TRect> rects_; // banded: sorted by top then left, bands coalesced

    friend class TRegionBuilder;
};

class TRegionObject : public TGdiObject {
  public:
    explicit TRegionObject(TRegion region) : TGdiObject(TGdiObjectKind::Region), region(std::move(region)) {}
    TRegion region;
};

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const TRect& r);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const TRect& r);
HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode);
HRGN CreatePolyPolygonRgn(const TPoint* points, const int* counts, int polygonCount, int fillMode);
HRGN CreateRegion(TRegion region);
void SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);

// dest = a op b; dest may be a or b. Answers the kind of the result, RGN_ERROR for a bad handle or mode.
int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
bool EqualRgn(HRGN a, HRGN b);
int GetRgnBox(HRGN rgn, TRect& box);
bool PtInRegion(HRGN rgn, int x, int y);
bool RectInRegion(HRGN rgn, const TRect& r);

} // namespace zorvy
