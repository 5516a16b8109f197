#include "platform/gdi/Region.h"

#include <gtest/gtest.h>

#include <functional>

namespace zorvy {
namespace {

int PixelCount(const TRegion& region) {
    int n = 0;
    for (const TRect& r : region.Rects())
        n += r.Width() * r.Height();
    return n;
}

// The pixel set of a region, checked point by point against a predicate on a window.
template <class F> void ExpectPixels(const TRegion& region, const TRect& window, F inside) {
    for (int y = window.Top; y < window.Bottom; ++y)
        for (int x = window.Left; x < window.Right; ++x)
            ASSERT_EQ(region.Contains({x, y}), inside(x, y)) << "at " << x << "," << y;
}

TEST(GdiRegion, CombineModesGiveTheExpectedPixelSets) {
    TRect a = Rect(0, 0, 10, 10), b = Rect(5, 5, 15, 15);
    auto inA = [&](int x, int y) { return PtInRect(a, {x, y}); };
    auto inB = [&](int x, int y) { return PtInRect(b, {x, y}); };
    struct TCase {
        int mode;
        int pixels;
        std::function<bool(bool, bool)> member;
    } cases[] = {
        {RGN_AND, 25, [](bool p, bool q) { return p && q; }},
        {RGN_OR, 175, [](bool p, bool q) { return p || q; }},
        {RGN_DIFF, 75, [](bool p, bool q) { return p && !q; }},
        {RGN_XOR, 150, [](bool p, bool q) { return p != q; }},
        {RGN_COPY, 100, [](bool p, bool) { return p; }},
    };
    for (const TCase& c : cases) {
        HRGN ra = CreateRectRgnIndirect(a), rb = CreateRectRgnIndirect(b), dest = CreateRectRgn(0, 0, 0, 0);
        int kind = CombineRgn(dest, ra, rb, c.mode);
        EXPECT_EQ(kind, c.mode == RGN_AND || c.mode == RGN_COPY ? SIMPLEREGION : COMPLEXREGION) << c.mode;
        EXPECT_EQ(PixelCount(dest->region), c.pixels) << c.mode;
        ExpectPixels(dest->region, Rect(-2, -2, 17, 17),
                     [&](int x, int y) { return c.member(inA(x, y), inB(x, y)); });
        DeleteObject(ra);
        DeleteObject(rb);
        DeleteObject(dest);
    }
}

TEST(GdiRegion, ResultsAreCanonicalSoEqualPixelSetsCompareEqual) {
    // Two halves joined give the same region as the whole, and differently built empty regions are equal.
    TRegion left(Rect(0, 0, 5, 10)), right(Rect(5, 0, 10, 10)), top(Rect(0, 0, 10, 5)),
        bottom(Rect(0, 5, 10, 10));
    EXPECT_EQ(left.Union(right), TRegion(Rect(0, 0, 10, 10)));
    EXPECT_EQ(top.Union(bottom), left.Union(right));
    EXPECT_EQ(left.Union(right).Rects().size(), 1u);
    EXPECT_EQ(left.Intersect(right), TRegion(Rect(3, 3, 3, 9)));
    EXPECT_EQ(TRegion(Rect(0, 0, 10, 10)).Subtract(TRegion(Rect(0, 0, 10, 10))).Kind(), NULLREGION);
    // A hole in the middle: four bands' worth of rectangles, and the hole is outside.
    TRegion frame = TRegion(Rect(0, 0, 10, 10)).Subtract(TRegion(Rect(3, 3, 7, 7)));
    EXPECT_EQ(frame.Rects().size(), 4u);
    EXPECT_FALSE(frame.Contains({5, 5}));
    EXPECT_TRUE(frame.Contains({2, 5}));
    EXPECT_EQ(frame.Box(), Rect(0, 0, 10, 10));
    EXPECT_EQ(frame.Xor(TRegion(Rect(3, 3, 7, 7))), TRegion(Rect(0, 0, 10, 10)));
}

TEST(GdiRegion, HandleRoutinesOffsetTestAndCompare) {
    HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(10, 10, 14, 14);
    EXPECT_FALSE(EqualRgn(a, b));
    EXPECT_EQ(OffsetRgn(a, 10, 10), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(a, b));
    TRect box;
    EXPECT_EQ(GetRgnBox(a, box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(10, 10, 14, 14));
    EXPECT_TRUE(PtInRegion(a, 10, 13));
    EXPECT_FALSE(PtInRegion(a, 14, 13)); // the right edge is outside
    EXPECT_TRUE(RectInRegion(a, Rect(13, 13, 20, 20)));
    EXPECT_FALSE(RectInRegion(a, Rect(14, 0, 20, 20)));
    // Bad arguments answer an error, they never crash.
    EXPECT_EQ(CombineRgn(nullptr, a, b, RGN_OR), RGN_ERROR);
    EXPECT_EQ(CombineRgn(a, a, b, 99), RGN_ERROR);
    EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_AND), RGN_ERROR);
    EXPECT_EQ(GetRgnBox(nullptr, box), RGN_ERROR);
    DeleteObject(a);
    DeleteObject(b);
}

TEST(GdiRegion, EllipseAndRoundRectAreSymmetricAndInsideTheirBounds) {
    TRegion ellipse = TRegion::Ellipse(Rect(0, 0, 20, 12));
    EXPECT_EQ(ellipse.Box(), Rect(0, 0, 20, 12));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(ellipse.Contains({x, y}), ellipse.Contains({19 - x, y})) << x << "," << y;
            ASSERT_EQ(ellipse.Contains({x, y}), ellipse.Contains({x, 11 - y})) << x << "," << y;
        }
    EXPECT_FALSE(ellipse.Contains({0, 0}));
    EXPECT_TRUE(ellipse.Contains({10, 6}));
    TRegion round = TRegion::RoundRect(Rect(0, 0, 20, 20), 6, 6);
    EXPECT_FALSE(round.Contains({0, 0}));
    EXPECT_TRUE(round.Contains({10, 0}));
    EXPECT_TRUE(round.Contains({0, 10}));
    EXPECT_EQ(TRegion::RoundRect(Rect(0, 0, 5, 5), 0, 0), TRegion(Rect(0, 0, 5, 5)));
    EXPECT_TRUE(TRegion::Ellipse(Rect(5, 5, 5, 9)).IsEmpty());
}

TEST(GdiRegion, PolygonFillModesDifferOnlyInTheStarCentre) {
    // A five-pointed star drawn in one stroke: its centre is covered twice.
    std::vector<TPoint> star = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    TRegion alternate = TRegion::Polygon(star, ALTERNATE), winding = TRegion::Polygon(star, WINDING);
    EXPECT_FALSE(alternate.Contains({50, 50}));
    EXPECT_TRUE(winding.Contains({50, 50}));
    EXPECT_TRUE(alternate.Contains({50, 10}));
    EXPECT_EQ(winding.Subtract(alternate).Union(alternate), winding);
    // An axis-aligned polygon covers exactly the rectangle it outlines, right and bottom excluded.
    std::vector<TPoint> square = {{2, 2}, {8, 2}, {8, 6}, {2, 6}};
    EXPECT_EQ(TRegion::Polygon(square, ALTERNATE), TRegion(Rect(2, 2, 8, 6)));
}

} // namespace
} // namespace zorvy
