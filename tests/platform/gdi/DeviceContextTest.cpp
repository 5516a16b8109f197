#include "GdiTestSupport.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

using testing::TSurface;

using testing::White;
using testing::Red;

TEST(GdiDeviceContext, SaveAndRestoreBringBackTheWholeState) {
    TSurface s(20, 20);
    HBRUSH brush = CreateSolidBrush(Red);
    HBRUSH stock = SelectObject(s.dc, brush);
    SetTextColor(s.dc, RGB(1, 2, 3));
    SetBkMode(s.dc, TRANSPARENT);
    int level = SaveDC(s.dc);
    EXPECT_EQ(level, 1);
    SetTextColor(s.dc, RGB(9, 9, 9));
    SetBkMode(s.dc, OPAQUE);
    SetWindowOrgEx(s.dc, 5, 5, nullptr);
    IntersectClipRect(s.dc, 0, 0, 2, 2);
    SelectObject(s.dc, stock);
    EXPECT_EQ(SaveDC(s.dc), 2);
    EXPECT_TRUE(RestoreDC(s.dc, 1)); // back past both saves
    EXPECT_EQ(GetTextColor(s.dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkMode(s.dc), TRANSPARENT);
    EXPECT_EQ(GetCurrentObject(s.dc, OBJ_BRUSH), brush);
    TPoint origin;
    GetWindowOrgEx(s.dc, origin);
    EXPECT_EQ(origin, Point(0, 0));
    TRect box;
    EXPECT_EQ(GetClipBox(s.dc, box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(0, 0, 20, 20));
    EXPECT_FALSE(RestoreDC(s.dc, -1)) << "nothing saved any more";
    SelectObject(s.dc, stock);
    DeleteObject(brush);
}

TEST(GdiDeviceContext, DeletingASelectedObjectKeepsItUsableUntilReplaced) {
    TSurface s(4, 4);
    HBRUSH brush = CreateSolidBrush(Red);
    HGDIOBJ old = SelectObject(s.dc, brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush)) << "a second delete is refused";
    PatBlt(s.dc, 0, 0, 4, 4, PATCOPY);
    EXPECT_EQ(s.At(3, 3), Red);
    SelectObject(s.dc, old); // the brush is freed here; the sanitizer build checks nothing leaks
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH))) << "stock objects ignore deletion";
    EXPECT_FALSE(DeleteObject(nullptr));
}

TEST(GdiDeviceContext, OriginsMapLogicalToDeviceCoordinates) {
    TSurface s(20, 20);
    SetWindowOrgEx(s.dc, 10, 0, nullptr);
    SetViewportOrgEx(s.dc, 0, 5, nullptr);
    OffsetWindowOrgEx(s.dc, 2, 0, nullptr); // window origin (12, 0)
    s.Fill(Rect(12, 0, 13, 1), Red);
    EXPECT_EQ(s.At(0, 5), Red);
    TPoint p[1] = {{12, 0}};
    LPtoDP(s.dc, p, 1);
    EXPECT_EQ(p[0], Point(0, 5));
    DPtoLP(s.dc, p, 1);
    EXPECT_EQ(p[0], Point(12, 0));
    EXPECT_TRUE(RectVisible(s.dc, Rect(12, -5, 13, -4)));
    EXPECT_FALSE(RectVisible(s.dc, Rect(0, 0, 12, 20)));
}

TEST(GdiDeviceContext, ClippingThroughCombinedRegions) {
    TSurface s(20, 20);
    HRGN ring = CreateRectRgn(0, 0, 20, 20);
    HRGN hole = CreateRectRgn(5, 5, 15, 15);
    CombineRgn(ring, ring, hole, RGN_DIFF);
    EXPECT_EQ(SelectClipRgn(s.dc, ring), COMPLEXREGION);
    DeleteObject(ring); // the context keeps a copy
    ExcludeClipRect(s.dc, 0, 0, 20, 2);
    HRGN extra = CreateRectRgn(8, 8, 10, 10);
    ExtSelectClipRgn(s.dc, extra, RGN_OR);
    s.Fill(Rect(0, 0, 20, 20), Red);
    EXPECT_EQ(s.At(0, 0), White) << "excluded strip";
    EXPECT_EQ(s.At(0, 2), Red);
    EXPECT_EQ(s.At(6, 6), White) << "hole";
    EXPECT_EQ(s.At(9, 9), Red) << "added back";
    EXPECT_EQ(s.Count(Red), 400 - 40 - 100 + 4);
    EXPECT_TRUE(RectVisible(s.dc, Rect(8, 8, 9, 9)));
    EXPECT_FALSE(RectVisible(s.dc, Rect(5, 5, 8, 8)));

    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(s.dc, copy), 1);
    EXPECT_TRUE(copy->region.Contains({9, 9}));
    EXPECT_EQ(SelectClipRgn(s.dc, nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(s.dc, copy), 0);
    // Differencing with no clip region set starts from the whole surface.
    ExtSelectClipRgn(s.dc, hole, RGN_DIFF);
    s.Fill(Rect(0, 0, 20, 20), White);
    EXPECT_EQ(s.Count(Red), 100 - 96); // only the hole kept its pixels
    DeleteObject(copy);
    DeleteObject(hole);
    DeleteObject(extra);
}

TEST(GdiDeviceContext, WindowContextsDrawThroughTheirOriginAndSystemClip) {
    HBITMAP backBuffer = CreateBitmap(30, 30, 1, 32);
    TRegion visible(Rect(0, 0, 10, 10));
    visible = visible.Subtract(TRegion(Rect(0, 0, 5, 5))); // a sibling covers the top-left corner
    HDC dc = CreateBitmapDC(backBuffer, {10, 10}, &visible);
    HBRUSH brush = CreateSolidBrush(Red);
    FillRect(dc, Rect(-5, -5, 40, 40), brush);
    auto at = [&](int x, int y) { return backBuffer->Row(y)[x]; };
    EXPECT_EQ(at(9, 9), 0u) << "outside the window";
    EXPECT_EQ(at(12, 12), 0u) << "covered by the sibling";
    EXPECT_EQ(at(16, 16), 0xFF0000u);
    EXPECT_EQ(at(20, 20), 0u) << "outside the window";
    TRect box;
    GetClipBox(dc, box);
    EXPECT_EQ(box, Rect(0, 0, 10, 10));
    DeleteObject(brush);
    DeleteDC(dc);
    DeleteObject(backBuffer);
}

TEST(GdiDeviceContext, NullHandlesAreRefusedWithoutCrashing) {
    EXPECT_EQ(SaveDC(nullptr), 0);
    EXPECT_FALSE(RestoreDC(nullptr, -1));
    EXPECT_FALSE(FillRect(nullptr, Rect(0, 0, 1, 1), nullptr));
    EXPECT_EQ(SelectObject(nullptr, static_cast<HGDIOBJ>(nullptr)), nullptr);
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_EQ(DrawText(nullptr, "x", *std::make_unique<TRect>(), 0), 0);
    TSurface s(2, 2);
    EXPECT_FALSE(FillRect(s.dc, Rect(0, 0, 1, 1), nullptr));
    EXPECT_FALSE(BitBlt(s.dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY)) << "a source is needed";
    EXPECT_EQ(CreateBitmap(-1, 5, 1, 32), nullptr);
    EXPECT_EQ(CreateBitmap(1 << 20, 1 << 20, 1, 32), nullptr) << "absurd sizes are refused";
}

} // namespace
} // namespace zorvy

namespace zorvy {
namespace {

TEST(GdiDeviceContext, ABitmapWhosePixelsNoLongerMatchItsSizeIsNotDrawn) {
    TSurface s(8, 8);
    s.bitmap->bits.resize(10); // a caller replaced the pixels without resizing the bitmap
    EXPECT_TRUE(FillRect(s.dc, Rect(0, 0, 8, 8), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_TRUE(TextOut(s.dc, 0, 0, "text"));
    TSurface other(8, 8);
    EXPECT_FALSE(BitBlt(other.dc, 0, 0, 8, 8, s.dc, 0, 0, SRCCOPY));
    EXPECT_THROW(SavePng(s.bitmap), EImageError);
    BITMAPINFO info{8, 8, 32, {}};
    std::vector<uint32_t> pixels(64);
    EXPECT_EQ(GetDIBits(s.bitmap, info, pixels.data()), 0);
    s.bitmap->bits.resize(64); // made whole again, it draws again
    FillRect(s.dc, Rect(0, 0, 8, 8), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(s.At(7, 7), RGB(0, 0, 0));
}

} // namespace
} // namespace zorvy
