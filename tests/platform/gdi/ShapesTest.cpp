#include "GdiTestSupport.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

using testing::TSurface;

using testing::White;
using testing::Black;
using testing::Red;

TEST(GdiShapes, FillsAndFramesCoverExactlyTheirPixels) {
    struct TCase {
        const char* name;
        std::function<void(HDC, HBRUSH)> draw;
        TRect expectBox;
        int expectCount;
    } cases[] = {
        {"fill", [](HDC dc, HBRUSH b) { FillRect(dc, Rect(2, 3, 7, 5), b); }, Rect(2, 3, 7, 5), 10},
        {"fill inverted rect draws nothing",
         [](HDC dc, HBRUSH b) { FillRect(dc, Rect(7, 5, 2, 3), b); },
         {},
         0},
        {"frame", [](HDC dc, HBRUSH b) { FrameRect(dc, Rect(1, 1, 6, 5), b); }, Rect(1, 1, 6, 5), 14},
        {"frame of one pixel", [](HDC dc, HBRUSH b) { FrameRect(dc, Rect(4, 4, 5, 5), b); }, Rect(4, 4, 5, 5),
         1},
        {"region",
         [](HDC dc, HBRUSH b) {
             HRGN rgn = CreateRectRgn(0, 0, 3, 3);
             HRGN other = CreateRectRgn(5, 5, 7, 7);
             CombineRgn(rgn, rgn, other, RGN_OR);
             FillRgn(dc, rgn, b);
             DeleteObject(rgn);
             DeleteObject(other);
         },
         Rect(0, 0, 7, 7), 13},
        {"framed region",
         [](HDC dc, HBRUSH b) {
             HRGN rgn = CreateRectRgn(1, 1, 6, 6);
             FrameRgn(dc, rgn, b, 1, 1);
             DeleteObject(rgn);
         },
         Rect(1, 1, 6, 6), 16},
    };
    for (const TCase& c : cases) {
        TSurface s(10, 10);
        HBRUSH brush = CreateSolidBrush(Red);
        c.draw(s.dc, brush);
        DeleteObject(brush);
        EXPECT_EQ(s.InkBounds(), c.expectBox) << c.name;
        EXPECT_EQ(s.Count(Red), c.expectCount) << c.name;
    }
}

TEST(GdiShapes, DrawingLeavesTheAlphaByteZeroAndSystemColourBrushesFollowTheScheme) {
    TSurface s(4, 4);
    FillRect(s.dc, Rect(0, 0, 4, 4), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(s.At(1, 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(s.Raw(1, 1) >> 24, 0u);
    SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
    FillRect(s.dc, Rect(0, 0, 4, 4), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(s.At(1, 1), RGB(1, 2, 3));
    ResetSysColors();
}

TEST(GdiShapes, OnePixelLinesAreCrispAndLeaveOutTheirLastPoint) {
    TSurface s(12, 12);
    HPEN pen = CreatePen(PS_SOLID, 1, Black);
    HGDIOBJ old = SelectObject(s.dc, pen);
    MoveToEx(s.dc, 1, 1, nullptr);
    LineTo(s.dc, 9, 1); // horizontal: x 1..8
    LineTo(s.dc, 9, 9); // vertical: y 1..8 at x 9
    MoveToEx(s.dc, 0, 11, nullptr);
    LineTo(s.dc, 5, 6); // diagonal: 5 pixels
    SelectObject(s.dc, old);
    DeleteObject(pen);
    EXPECT_EQ(s.Count(Black), 8 + 8 + 5);
    EXPECT_EQ(s.Count(Black) + s.Count(White), 144) << "no blended pixels";
    EXPECT_EQ(s.At(8, 1), Black);
    EXPECT_EQ(s.At(9, 9), White);
    EXPECT_EQ(s.At(9, 1), Black);
    EXPECT_EQ(s.At(4, 7), Black);
    EXPECT_EQ(s.At(5, 6), White);
    TPoint position;
    GetCurrentPositionEx(s.dc, position);
    EXPECT_EQ(position, Point(5, 6));
}

TEST(GdiShapes, RectangleEllipseAndPolygonUsePenAndBrush) {
    TSurface s(30, 20);
    HPEN pen = CreatePen(PS_SOLID, 1, Black);
    HBRUSH brush = CreateSolidBrush(Red);
    HGDIOBJ oldPen = SelectObject(s.dc, pen), oldBrush = SelectObject(s.dc, brush);
    Rectangle(s.dc, 0, 0, 10, 8);
    EXPECT_EQ(s.At(0, 0), Black);
    EXPECT_EQ(s.At(9, 7), Black);
    EXPECT_EQ(s.At(10, 7), White);
    EXPECT_EQ(s.At(5, 4), Red);
    EXPECT_EQ(s.Count(Black), 2 * 10 + 2 * 6);
    Ellipse(s.dc, 12, 0, 24, 12);
    EXPECT_EQ(s.At(12, 0), White);
    EXPECT_EQ(s.At(18, 6), Red);
    EXPECT_EQ(s.At(18, 0), Black);
    TPoint triangle[3] = {{0, 19}, {8, 11}, {16, 19}};
    SelectObject(s.dc, GetStockObject(NULL_PEN));
    Polygon(s.dc, triangle, 3);
    EXPECT_EQ(s.At(8, 17), Red);
    EXPECT_EQ(s.At(1, 12), White);
    SelectObject(s.dc, oldPen);
    SelectObject(s.dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(GdiShapes, XorMixAndFocusRectanglesUndoThemselves) {
    TSurface s(20, 20);
    s.Fill(Rect(0, 0, 20, 10), RGB(10, 200, 30));
    s.Fill(Rect(0, 10, 20, 20), RGB(90, 60, 250));
    std::vector<uint32_t> before = s.bitmap->bits;
    DrawFocusRect(s.dc, Rect(2, 3, 17, 15));
    EXPECT_NE(s.bitmap->bits, before);
    // The dots alternate: neighbouring border pixels differ in whether they changed.
    EXPECT_NE(s.Raw(2, 3) == before[3 * 20 + 2], s.Raw(3, 3) == before[3 * 20 + 3]);
    EXPECT_EQ(s.Raw(8, 8), before[8 * 20 + 8]) << "the inside stays untouched";
    DrawFocusRect(s.dc, Rect(2, 3, 17, 15));
    EXPECT_EQ(s.bitmap->bits, before);

    InvertRect(s.dc, Rect(0, 0, 20, 20));
    EXPECT_EQ(s.At(0, 0), RGB(245, 55, 225));
    InvertRect(s.dc, Rect(0, 0, 20, 20));
    EXPECT_EQ(s.bitmap->bits, before);

    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(s.dc, pen);
    SetROP2(s.dc, R2_XORPEN);
    for (int i = 0; i < 2; ++i) {
        MoveToEx(s.dc, 0, 5, nullptr);
        LineTo(s.dc, 20, 5);
    }
    EXPECT_EQ(s.bitmap->bits, before);
    SelectObject(s.dc, old);
    DeleteObject(pen);
}

TEST(GdiShapes, DrawEdgeUsesTheThreeDimensionalColoursAndAdjusts) {
    TSurface s(10, 10);
    TRect r = Rect(0, 0, 10, 10);
    DrawEdge(s.dc, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, Rect(2, 2, 8, 8));
    EXPECT_EQ(s.At(0, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(s.At(9, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(s.At(1, 5), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(s.At(8, 5), GetSysColor(COLOR_3DLIGHT));
    // Right and bottom sides are drawn last and own the shared corners.
    EXPECT_EQ(s.At(9, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(s.At(0, 9), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(s.At(5, 5), White);
    TRect flat = Rect(0, 0, 10, 10);
    DrawEdge(s.dc, flat, BDR_RAISEDOUTER, BF_TOP | BF_FLAT | BF_MIDDLE);
    EXPECT_EQ(s.At(5, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(s.At(5, 5), GetSysColor(COLOR_BTNFACE));
}

TEST(GdiShapes, HatchAndPatternBrushesTileFromTheBrushOrigin) {
    TSurface s(16, 16);
    // A monochrome checkerboard pattern brush: 1 bits take the background colour, 0 bits the text colour.
    uint16_t rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH brush = CreatePatternBrush(pattern);
    DeleteObject(pattern); // the brush keeps its own reference
    SetTextColor(s.dc, Red);
    SetBkColor(s.dc, RGB(0, 0, 255));
    FillRect(s.dc, Rect(0, 0, 16, 16), brush);
    EXPECT_EQ(s.At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(s.At(1, 0), Red);
    EXPECT_EQ(s.At(0, 1), Red);
    EXPECT_EQ(s.At(8, 0), RGB(0, 0, 255));
    SetBrushOrgEx(s.dc, 1, 0, nullptr);
    FillRect(s.dc, Rect(0, 0, 16, 16), brush);
    EXPECT_EQ(s.At(0, 0), Red);
    DeleteObject(brush);

    TSurface h(8, 8);
    HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, Black);
    SetBkMode(h.dc, TRANSPARENT);
    FillRect(h.dc, Rect(0, 0, 8, 8), hatch);
    EXPECT_EQ(h.Count(Black), 8);
    DeleteObject(hatch);
}

TEST(GdiShapes, PixelsPathsAndWidePens) {
    TSurface s(40, 40);
    EXPECT_EQ(SetPixel(s.dc, 3, 4, Red), Red);
    EXPECT_EQ(GetPixel(s.dc, 3, 4), Red);
    EXPECT_EQ(GetPixel(s.dc, 40, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(s.dc, -1, 0, Red), CLR_INVALID);

    // A path outlined by lines becomes a region covering what it encloses.
    BeginPath(s.dc);
    MoveToEx(s.dc, 10, 10, nullptr);
    LineTo(s.dc, 30, 10);
    LineTo(s.dc, 30, 30);
    LineTo(s.dc, 10, 30);
    CloseFigure(s.dc);
    EndPath(s.dc);
    HRGN rgn = PathToRegion(s.dc);
    ASSERT_NE(rgn, nullptr);
    EXPECT_EQ(rgn->region, TRegion(Rect(10, 10, 30, 30)));
    EXPECT_EQ(PathToRegion(s.dc), nullptr) << "the path is used up";
    DeleteObject(rgn);

    HPEN wide = CreatePen(PS_SOLID, 5, Black);
    HGDIOBJ old = SelectObject(s.dc, wide);
    MoveToEx(s.dc, 5, 35, nullptr);
    LineTo(s.dc, 35, 35);
    SelectObject(s.dc, old);
    DeleteObject(wide);
    EXPECT_EQ(s.At(20, 33), Black);
    EXPECT_EQ(s.At(20, 37), Black);
    EXPECT_EQ(s.At(20, 31), White);
}

} // namespace
} // namespace zorvy

namespace zorvy {
namespace {

// Coordinates far outside the surface (measuring calls pass 2147483647) draw only what is visible
// and finish at once.
TEST(GdiShapes, ExtremeCoordinatesDrawTheVisiblePartWithoutOverflow) {
    constexpr int Big = 2147483647, Small = -2147483647 - 1;
    TSurface s(20, 20);
    HPEN pen = CreatePen(PS_DOT, 1, Black);
    HPEN wide = CreatePen(PS_SOLID, 4, Black);
    HBRUSH brush = CreateSolidBrush(Red);
    HGDIOBJ oldPen = SelectObject(s.dc, pen), oldBrush = SelectObject(s.dc, brush);
    SetWindowOrgEx(s.dc, -5, 0, nullptr);
    FillRect(s.dc, Rect(Small, 10, Big, Big), brush);
    EXPECT_EQ(s.Count(Red), 200);
    MoveToEx(s.dc, Small, 2, nullptr);
    LineTo(s.dc, Big, 2);
    EXPECT_GT(s.Count(Black), 5);
    Ellipse(s.dc, Small, Small, Big, Big);
    Rectangle(s.dc, Small, 0, Big, Big);
    TPoint huge[3] = {{Small, Small}, {Big, 0}, {0, Big}};
    Polygon(s.dc, huge, 3);
    SelectObject(s.dc, wide);
    MoveToEx(s.dc, Small, Small, nullptr);
    LineTo(s.dc, Big, Big);
    OffsetWindowOrgEx(s.dc, Big, Big, nullptr);
    TRect r = Rect(0, 0, Big, Big);
    DrawText(s.dc, "text", r, DT_WORDBREAK);
    HRGN rgn = CreateEllipticRgn(Small, Small, Big, Big);
    OffsetRgn(rgn, Big, Big);
    FillRgn(s.dc, rgn, brush);
    DeleteObject(rgn);
    SelectObject(s.dc, oldPen);
    SelectObject(s.dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(wide);
    DeleteObject(brush);
}

} // namespace
} // namespace zorvy
