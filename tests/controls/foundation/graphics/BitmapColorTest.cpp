#include "controls/foundation/graphics/ColorBlend.h"
#include "controls/foundation/graphics/ImageDrawing.h"
#include "controls/foundation/graphics/Region.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

TEST(BlendPixel, ExactAtTheEndsAndRoundedInBetween) {
    struct TCase {
        uint32_t source, dest;
        uint8_t alpha;
        uint32_t expected;
    };
    const TCase cases[] = {
        {0xFF123456, 0x80ABCDEF, 255, 0xFF123456}, // opaque source at full alpha: the source
        {0xFF123456, 0x80ABCDEF, 0, 0x80ABCDEF},   // alpha 0: the destination
        // c = 1, e = 1 - 128/255: 16 + 0.498 * 128 = 79.75 -> 80, 32 + 63.75 -> 96, 64 + 63.75 -> 128,
        // alpha 128 + 127 = 255.
        {0x80402010, 0xFF808080, 255, 0xFF806050},
        // c = 64/255, e = 1 - c: grey 76 over white 255 -> 210.07; alpha 64 over 0 -> 64.
        {0xFF4C4C4C, 0x00FFFFFF, 64, 0x40D2D2D2},
    };
    for (const TCase& c : cases) {
        uint32_t dest = c.dest;
        BlendPixel(c.source, dest, c.alpha);
        EXPECT_EQ(dest, c.expected) << std::hex << c.source << " over " << c.dest;
    }
}

TEST(Resampling, HalvingUsesScaleOneHalfWithReflectedEdges) {
    // Two pixels into one: scale 1/2, width 2, radius 6; the kernel is 0 at even offsets, and the
    // weights Round(K(j / 2) / 2 * 256) for j = -5, -3, -1, 0, 1, 3, 5 are 3, -17, 78, 128, 78, -17, 3.
    TContributorList list = BuildContributors(2, 1);
    ASSERT_EQ(list.size(), 1u);
    std::vector<int> pixels, weights;
    for (int k = 0; k < list[0].Count; ++k) {
        pixels.push_back(list[0].Items[size_t(k)].Pixel);
        weights.push_back(list[0].Items[size_t(k)].Weight);
    }
    EXPECT_EQ(weights, (std::vector<int>{3, -17, 78, 128, 78, -17, 3}));
    // -5 -> 5 -> 2n-1-5 = -2 -> 2 -> 1; -3 -> 3 -> 0; -1 -> 1; 3 -> 0; 5 -> -2 -> 1.
    EXPECT_EQ(pixels, (std::vector<int>{1, 0, 1, 0, 1, 0, 1}));
}

TEST(Resampling, OnePixelSourceSpreadsOverTheDestination) {
    TContributorList list = BuildContributors(1, 4);
    ASSERT_EQ(list.size(), 4u);
    ASSERT_EQ(list[0].Count, 1);
    EXPECT_EQ(list[0].Items[0].Weight, 256);
    for (const TContributors& c : list)
        for (int k = 0; k < c.Count; ++k)
            EXPECT_EQ(c.Items[size_t(k)].Pixel, 0);
}

TEST(Resampling, NoIndexLeavesTheSourceAndAUniformImageStaysNearlyUniform) {
    const std::pair<TSize, TSize> sizes[] = {
        {{1, 1}, {9, 5}}, {{40, 2}, {3, 1}}, {{2, 2}, {1, 1}}, {{3, 7}, {11, 2}}, {{5, 5}, {5, 5}}};
    for (auto [from, to] : sizes) {
        for (int n : {from.cx, from.cy})
            for (int m : {to.cx, to.cy})
                for (const TContributors& c : BuildContributors(n, m))
                    for (int k = 0; k < c.Count; ++k)
                        ASSERT_TRUE(c.Items[size_t(k)].Pixel >= 0 && c.Items[size_t(k)].Pixel < n);
        TcxBitmap source(from.cx, from.cy), dest(to.cx, to.cy);
        TRGBColors pixels(size_t(from.cx * from.cy), 0xFF506070u);
        source.WritePixels(pixels);
        ResampleBitmap(&source, &dest);
        dest.ReadPixels(pixels);
        for (uint32_t p : pixels)
            for (int shift : {0, 8, 16, 24})
                // The kernel's samples are not normalised and each weight is rounded to 1/256: they add
                // up to a little less than 1, most when shrinking by much.
                EXPECT_NEAR(int((p >> shift) & 0xFF), int((0xFF506070u >> shift) & 0xFF), 16)
                    << from.cx << "x" << from.cy << " -> " << to.cx << "x" << to.cy;
    }
    TcxBitmap empty, some(2, 2);
    ResampleBitmap(&empty, &some);
    ResampleBitmap(&some, &empty);
}

TEST(PixelOperations, MaskMakesTransparentColoursAndZeroPixelsWhite) {
    TcxBitmap b(4, 1);
    TRGBColors pixels = {0x00FF00FF, 0x00000000, 0x00FE00FF, 0x00123456}; // bottom-up = the one row
    b.WritePixels(pixels);
    AddTransparentColor(b.TransparentColors(), clFuchsia);
    b.ApplyPixelOperation(poMakeMask);
    b.ReadPixels(pixels);
    EXPECT_EQ(pixels, (TRGBColors{0xFFFFFFFF, 0xFFFFFFFF, 0, 0}));
}

TEST(PixelOperations, EachOperationOnAnOpaquePixel) {
    struct TCase {
        TcxPixelOperation op;
        uint32_t expected;
    };
    // Pixel: alpha 0x80, red 200, green 100, blue 50.
    const uint32_t pixel = 0x80C86432;
    const TCase cases[] = {
        // 30 % of the way to 255: blue 50 + MulDiv(205, 3, 10) = 112, green 100 + 47 = 147, red 200 + 17 =
        // 217,
        // alpha 128 + 38 = 166 (MulDiv rounds halves away from zero).
        {poLighten, 0xA6D99370},
        {poAverageGrey, 0x80747474}, // (200 + 100 + 50) div 3 = 116
        {poMakeOpaque, 0xFFC86432},
        // 0.299 * 200 + 0.587 * 100 + 0.114 * 50 = 59.8 + 58.7 + 5.7 = 124.2 -> 124
        {poLuminanceGrey, 0x807C7C7C},
        // 0.0729 * 200 + 0.7146 * 100 + 0.2125 * 50 = 14.58 + 71.46 + 10.625 = 96.665 -> 97
        {poDisableAlpha, 0x80616161},
        {poOpaqueWhereZero, pixel},
    };
    for (const TCase& c : cases) {
        TcxBitmap b(1, 1);
        TRGBColors pixels = {pixel};
        b.WritePixels(pixels);
        b.ApplyPixelOperation(c.op);
        b.ReadPixels(pixels);
        EXPECT_EQ(pixels[0], c.expected) << "operation " << c.op << std::hex << " gave " << pixels[0];
    }
}

class ColourScheme : public ::testing::Test {
  protected:
    ~ColourScheme() override { ResetSysColors(); }
};

TEST_F(ColourScheme, HotAndPressedColoursMixTheSystemColours) {
    SetSysColor(COLOR_BTNFACE, RGB(200, 100, 50));
    SetSysColor(COLOR_HIGHLIGHT, RGB(0, 0, 255));
    SetSysColor(COLOR_WINDOW, RGB(255, 255, 255));
    // Hot (-2, 30, 72): red -4 + 0 + 184 = 180; green -2 + 0 + 184 = 182; blue -1 + 77 + 184 -> 255.
    EXPECT_EQ(BlendedHotColor(), RGB(180, 182, 255));
    // Pressed (14, 44, 40): red 28 + 0 + 102 = 130; green 14 + 102 = 116; blue 7 + 112 + 102 = 221.
    EXPECT_EQ(BlendedPressedColor(), RGB(130, 116, 221));
    SetSysColor(COLOR_BTNFACE, RGB(255, 255, 255));
    EXPECT_EQ(BlendedHotColor(), RGB(0, 0, 255)) << "a white face gives the highlight colour";
}

TEST(ImageDrawing, DimmedOpaqueImageIsGreyAtAlpha64OverTheBackground) {
    for (bool platformBlend : {false, true}) {
        SetPlatformAlphaBlendAvailable(platformBlend);
        TBitmap glyph;
        glyph.SetPixelFormat(pf24bit);
        glyph.SetSize(2, 1);
        glyph.GetCanvas()->SetPixel(0, 0, clRed);
        glyph.GetCanvas()->SetPixel(1, 0, clFuchsia);
        TPaintSurface s(4, 3);
        HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        PaintImageToDC(s.Canvas()->DeviceContext(), Rect(1, 1, 3, 2), Rect(0, 0, 4, 3), &glyph, nullptr, -1,
                       ImageDrawDimmed, false, white, clFuchsia);
        DeleteObject(white);
        // Red's grey is Round(0.299 * 255) = 76; at alpha 64 over white: 76 * 64/255 + 255 * 191/255 =
        // 210.07.
        const int grey = GetRValue(s.At(1, 1));
        if (platformBlend)
            EXPECT_NEAR(grey, 210, 1);
        else
            EXPECT_EQ(grey, 210);
        EXPECT_EQ(s.At(1, 1), RGB(grey, grey, grey));
        EXPECT_EQ(s.At(2, 1), RGB(255, 255, 255)) << "the transparent colour is not drawn";
        EXPECT_EQ(s.At(0, 0), RGB(255, 255, 255));
    }
    SetPlatformAlphaBlendAvailable(true);
    FinalizeScratchBitmaps();
}

TEST(ImageDrawing, ListImagesKeepTheirAlphaAndNothingIsDrawnWithoutAnImage) {
    TImageList list(nullptr, 2, 1);
    TBitmap image;
    image.SetPixelFormat(pf32bit);
    image.SetSize(2, 1);
    image.ScanLine(0)[0] = 0xFF0000FF; // opaque blue
    image.ScanLine(0)[1] = 0x00000000; // transparent
    list.AddAlpha(&image);
    TPaintSurface s(2, 1, clRed);
    PaintImageToDC(s.Canvas()->DeviceContext(), Rect(0, 0, 2, 1), Rect(0, 0, 2, 1), nullptr, &list, 0,
                   ImageDrawNormal);
    EXPECT_EQ(s.At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(s.At(1, 0), RGB(255, 0, 0));
    PaintImageToDC(s.Canvas()->DeviceContext(), Rect(0, 0, 2, 1), Rect(0, 0, 2, 1), nullptr, &list, 5,
                   ImageDrawNormal);
    PaintImageToDC(s.Canvas()->DeviceContext(), Rect(0, 0, 2, 1), Rect(0, 0, 2, 1), nullptr, nullptr, 0,
                   ImageDrawNormal);
    EXPECT_EQ(s.At(1, 0), RGB(255, 0, 0));
    FinalizeScratchBitmaps();
}

TEST(Regions, CombineCopyDestroyAndCompare) {
    std::unique_ptr<TcxRegion> a(TcxRegion::CreateFromRect(Rect(0, 0, 10, 10)));
    a->CombineWith(TcxRegion::CreateFromRect(Rect(5, 5, 20, 20)), roSubtract);
    EXPECT_FALSE(a->ContainsXY(6, 6));
    EXPECT_TRUE(a->ContainsXY(4, 6));
    a->CombineWith(TcxRegion::CreateFromBounds(1, 2, 3, 4), roSet);
    EXPECT_EQ(a->GetBoundsRect(), Rect(1, 2, 3, 4));
    std::unique_ptr<TcxRegion> same(TcxRegion::CreateFromBounds(1, 2, 3, 4));
    EXPECT_TRUE(a->SameAs(same.get()));
    EXPECT_FALSE(a->SameAs(nullptr));
    std::unique_ptr<TcxRegion> empty1(TcxRegion::CreateEmpty());
    std::unique_ptr<TcxRegion> empty2(TcxRegion::CreateFromBounds(7, 7, 7, 9));
    EXPECT_TRUE(empty1->SameAs(empty2.get()));
    a->CombineWith(empty2.get(), roIntersect, false);
    EXPECT_TRUE(a->IsEmptyRegion());
}

} // namespace
} // namespace zorvy::test
