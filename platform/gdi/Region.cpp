#include "platform/gdi/Region.h"

#include <algorithm>
#include <cmath>

namespace zorvy {

namespace {

// The first pixel whose centre is at or right of x, kept within a range where sums cannot overflow.
int CeilHalf(double x) {
    return int(std::clamp(std::ceil(x - 0.5), -1073741824.0, 1073741824.0));
}

int SaturatedAdd(int a, int b) {
    return int(std::clamp(int64_t(a) + int64_t(b), int64_t(INT32_MIN), int64_t(INT32_MAX)));
}

using TSpans = std::vector<std::pair<int, int>>; // [left, right) sorted, disjoint, not touching

struct TBand {
    int top;
    int bottom;
    TSpans spans;
};

std::vector<TBand> ToBands(const std::vector<TRect>& rects) {
    std::vector<TBand> bands;
    for (const TRect& r : rects) {
        if (bands.empty() || bands.back().top != r.Top) bands.push_back({r.Top, r.Bottom, {}});
        bands.back().spans.emplace_back(r.Left, r.Right);
    }
    return bands;
}

enum class TOp { Union, Intersect, Subtract, Xor };

bool Member(TOp op, bool a, bool b) {
    switch (op) {
    case TOp::Union:
        return a || b;
    case TOp::Intersect:
        return a && b;
    case TOp::Subtract:
        return a && !b;
    case TOp::Xor:
        return a != b;
    }
    return false;
}

// Walks the stretches between the consecutive edges of two sorted lists of disjoint intervals, each item's
// interval given by edges(item); visit(from, to, itemA, itemB) gets the item of each list that covers the
// stretch, or nullptr.
template <class T, class Edges, class Visit>
void Sweep(const std::vector<T>& a, const std::vector<T>& b, Edges edges, Visit visit) {
    std::vector<int> cuts;
    cuts.reserve(2 * (a.size() + b.size()));
    for (const std::vector<T>* list : {&a, &b})
        for (const T& item : *list) {
            auto [from, to] = edges(item);
            cuts.insert(cuts.end(), {from, to});
        }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    size_t ia = 0, ib = 0;
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        const int at = cuts[i];
        while (ia < a.size() && edges(a[ia]).second <= at)
            ++ia;
        while (ib < b.size() && edges(b[ib]).second <= at)
            ++ib;
        const T* inA = ia < a.size() && edges(a[ia]).first <= at ? &a[ia] : nullptr;
        const T* inB = ib < b.size() && edges(b[ib]).first <= at ? &b[ib] : nullptr;
        visit(at, cuts[i + 1], inA, inB);
    }
}

TSpans CombineSpans(const TSpans* a, const TSpans* b, TOp op) {
    static const TSpans none;
    TSpans out;
    Sweep(
        a ? *a : none, b ? *b : none, [](const std::pair<int, int>& span) { return span; },
        [&](int from, int to, const std::pair<int, int>* inA, const std::pair<int, int>* inB) {
            if (!Member(op, inA != nullptr, inB != nullptr)) return;
            if (!out.empty() && out.back().second == from)
                out.back().second = to;
            else
                out.emplace_back(from, to);
        });
    return out;
}

} // namespace

// Appends bands in increasing y and keeps the rectangle list banded and coalesced.
class TRegionBuilder {
  public:
    void AddBand(int top, int bottom, const TSpans& spans) {
        if (spans.empty() || bottom <= top) return;
        if (lastBottom_ == top && lastSpans_ == spans) {
            for (size_t i = lastStart_; i < rects_.size(); ++i)
                rects_[i].Bottom = bottom;
            lastBottom_ = bottom;
            return;
        }
        lastStart_ = rects_.size();
        for (auto [l, r] : spans)
            rects_.push_back({l, top, r, bottom});
        lastBottom_ = bottom;
        lastSpans_ = spans;
    }
    TRegion Finish() {
        TRegion region;
        region.rects_ = std::move(rects_);
        return region;
    }

  private:
    std::vector<TRect> rects_;
    size_t lastStart_ = 0;
    int lastBottom_ = 0;
    TSpans lastSpans_;
};

namespace {

TRegion Combine(const TRegion& a, const TRegion& b, TOp op) {
    TRegionBuilder builder;
    Sweep(
        ToBands(a.Rects()), ToBands(b.Rects()),
        [](const TBand& band) {
            return std::pair{band.top, band.bottom};
        },
        [&](int from, int to, const TBand* inA, const TBand* inB) {
            if (!inA && !inB) return;
            builder.AddBand(from, to,
                            CombineSpans(inA ? &inA->spans : nullptr, inB ? &inB->spans : nullptr, op));
        });
    return builder.Finish();
}

} // namespace

TRegion::TRegion(const TRect& r) {
    if (r.Right > r.Left && r.Bottom > r.Top) rects_.push_back(r);
}

TRegion TRegion::FromRects(std::span<const TRect> rects) {
    TRegion result;
    for (const TRect& r : rects)
        result = result.Union(TRegion(r));
    return result;
}

int TRegion::Kind() const {
    if (rects_.empty()) return NULLREGION;
    return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TRect TRegion::Box() const {
    if (rects_.empty()) return {};
    TRect box{rects_.front().Left, rects_.front().Top, rects_.front().Right, rects_.back().Bottom};
    for (const TRect& r : rects_) {
        box.Left = std::min(box.Left, r.Left);
        box.Right = std::max(box.Right, r.Right);
    }
    return box;
}

bool TRegion::Contains(TPoint p) const {
    for (const TRect& r : rects_) {
        if (r.Top > p.Y) break;
        if (p.Y < r.Bottom && p.X >= r.Left && p.X < r.Right) return true;
    }
    return false;
}

bool TRegion::Intersects(const TRect& q) const {
    if (q.Right <= q.Left || q.Bottom <= q.Top) return false;
    for (const TRect& r : rects_) {
        if (r.Top >= q.Bottom) break;
        if (r.Bottom > q.Top && r.Left < q.Right && r.Right > q.Left) return true;
    }
    return false;
}

void TRegion::Offset(int dx, int dy) {
    for (TRect& r : rects_) {
        r.Left = SaturatedAdd(r.Left, dx);
        r.Right = SaturatedAdd(r.Right, dx);
        r.Top = SaturatedAdd(r.Top, dy);
        r.Bottom = SaturatedAdd(r.Bottom, dy);
    }
    // Rectangles pushed against the limits of the coordinate range may have lost all their pixels.
    std::erase_if(rects_, [](const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; });
}

TRegion TRegion::Union(const TRegion& other) const {
    if (other.IsEmpty()) return *this;
    if (IsEmpty()) return other;
    return Combine(*this, other, TOp::Union);
}

TRegion TRegion::Intersect(const TRegion& other) const {
    if (IsEmpty() || other.IsEmpty()) return {};
    return Combine(*this, other, TOp::Intersect);
}

TRegion TRegion::Subtract(const TRegion& other) const {
    if (IsEmpty() || other.IsEmpty()) return *this;
    return Combine(*this, other, TOp::Subtract);
}

TRegion TRegion::Xor(const TRegion& other) const {
    if (other.IsEmpty()) return *this;
    if (IsEmpty()) return other;
    return Combine(*this, other, TOp::Xor);
}

TRegion TRegion::Intersect(const TRect& q) const {
    TRegionBuilder builder;
    TSpans spans;
    int top = 0, bottom = 0;
    bool open = false;
    for (const TRect& r : rects_) {
        if (r.Bottom <= q.Top) continue;
        if (r.Top >= q.Bottom) break;
        int t = std::max(r.Top, q.Top), b = std::min(r.Bottom, q.Bottom);
        if (open && t != top) {
            builder.AddBand(top, bottom, spans);
            spans.clear();
        }
        top = t;
        bottom = b;
        open = true;
        int l = std::max(r.Left, q.Left), rr = std::min(r.Right, q.Right);
        if (l < rr) spans.emplace_back(l, rr);
    }
    if (open) builder.AddBand(top, bottom, spans);
    return builder.Finish();
}

// Shapes are rasterised row by row: a pixel belongs to the shape when its centre does.

TRegion TRegion::Ellipse(const TRect& r) {
    return RoundRect(r, INT32_MAX, INT32_MAX);
}

TRegion TRegion::RoundRect(const TRect& r, int ew, int eh) {
    return RoundRectRows(r, ew, eh, -MaxShapeRow, MaxShapeRow);
}

TRegion TRegion::RoundRectRows(const TRect& r, int ew, int eh, int top, int bottom) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) return {};
    int64_t width = int64_t(r.Right) - r.Left, height = int64_t(r.Bottom) - r.Top;
    double a = double(std::clamp<int64_t>(ew, 0, width)) / 2,
           b = double(std::clamp<int64_t>(eh, 0, height)) / 2;
    top = std::max(top, r.Top);
    bottom = std::min(bottom, r.Bottom);
    if (a < 1 || b < 1) return TRegion(r).Intersect(TRect{r.Left, top, r.Right, bottom});
    TRegionBuilder builder;
    double cxLeft = r.Left + a, cxRight = r.Right - a;
    double cyTop = r.Top + b, cyBottom = r.Bottom - b;
    for (int y = top; y < bottom; ++y) {
        double yc = y + 0.5;
        if (yc > cyTop && yc < cyBottom) {
            // The straight middle part: one band for all its rows.
            int end = std::min(bottom, int(std::ceil(cyBottom - 0.5)));
            if (end > y) {
                builder.AddBand(y, end, {{r.Left, r.Right}});
                y = end - 1;
                continue;
            }
        }
        double dy = 0;
        if (yc < cyTop)
            dy = (cyTop - yc) / b;
        else if (yc > cyBottom)
            dy = (yc - cyBottom) / b;
        if (dy > 1) continue;
        double half = a * std::sqrt(std::max(0.0, 1 - dy * dy));
        int left = CeilHalf(cxLeft - half);
        int right = CeilHalf(cxRight + half); // exclusive
        if (right > left) builder.AddBand(y, y + 1, {{left, right}});
    }
    return builder.Finish();
}

TRegion TRegion::Polygon(std::span<const TPoint> points, int fillMode) {
    int count = int(points.size());
    return PolyPolygon(points, std::span<const int>(&count, 1), fillMode);
}

TRegion TRegion::PolyPolygon(std::span<const TPoint> points, std::span<const int> counts, int fillMode) {
    return PolyPolygonRows(points, counts, fillMode, -MaxShapeRow, MaxShapeRow);
}

TRegion TRegion::PolyPolygonRows(std::span<const TPoint> points, std::span<const int> counts, int fillMode,
                                 int rowTop, int rowBottom) {
    struct TEdge {
        double x0, y0, x1, y1;
        int dir;
    };
    std::vector<TEdge> edges;
    size_t start = 0;
    int top = 0, bottom = 0;
    bool any = false;
    for (int n : counts) {
        if (n < 0 || start + size_t(n) > points.size()) break;
        for (int i = 0; i < n; ++i) {
            TPoint p = points[start + size_t(i)], q = points[start + size_t((i + 1) % n)];
            if (!any) top = bottom = p.Y;
            any = true;
            top = std::min(top, p.Y);
            bottom = std::max(bottom, p.Y);
            if (p.Y == q.Y) continue;
            edges.push_back({double(p.X), double(p.Y), double(q.X), double(q.Y), q.Y > p.Y ? 1 : -1});
        }
        start += size_t(n);
    }
    TRegionBuilder builder;
    std::vector<std::pair<double, int>> crossings;
    top = std::max(top, rowTop);
    bottom = std::min(bottom, rowBottom);
    for (int y = top; y < bottom; ++y) {
        double yc = y + 0.5;
        crossings.clear();
        for (const TEdge& e : edges) {
            double lo = std::min(e.y0, e.y1), hi = std::max(e.y0, e.y1);
            if (yc < lo || yc >= hi) continue;
            double x = e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0);
            crossings.emplace_back(x, e.dir);
        }
        std::sort(crossings.begin(), crossings.end());
        TSpans spans;
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].second;
            bool inside = fillMode == WINDING ? winding != 0 : (i % 2) == 0;
            if (!inside) continue;
            int left = CeilHalf(crossings[i].first), right = CeilHalf(crossings[i + 1].first);
            if (right <= left) continue;
            if (!spans.empty() && spans.back().second >= left)
                spans.back().second = std::max(spans.back().second, right);
            else
                spans.emplace_back(left, right);
        }
        builder.AddBand(y, y + 1, spans);
    }
    return builder.Finish();
}

} // namespace zorvy
