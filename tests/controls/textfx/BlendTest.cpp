// Blending a mask onto a canvas, the fills of the effect renderer and its placement of text and shadow.
#include "controls/textfx/AAFont.h"
#include "tests/platform/classlib/ClassLibFixture.h"

namespace zorvy::test {
namespace {

class Blend : public ClassLibTest {
  protected:
    Blend() {
        bitmap.SetSize(40, 30);
        Canvas()->GetBrush()->SetColor(TColor(RGB(10, 20, 30)));
        Canvas()->FillRect(TRect{0, 0, 40, 30});
        Canvas()->GetFont()->SetName("Tahoma");
        Canvas()->GetFont()->SetHeight(-20);
    }
    TCanvas* Canvas() { return bitmap.GetCanvas(); }
    static void Uniform(TAAMask& mask, int w, int h, int coverage) {
        mask.SetSize(w, h);
        for (int y = 0; y < h; ++y) std::fill_n(mask.ScanLine(y), w, std::uint8_t(coverage));
    }
    TBitmap bitmap;
    TAAFontEx font{bitmap.GetCanvas()};
};

TEST_F(Blend, AlphaAndCoverageDecideHowFarEachChannelMoves) {
    Canvas()->GetBrush()->SetStyle(bsClear); // blend over what is there
    const TColor target = TColor(RGB(210, 120, 30));
    const struct {
        int coverage, alpha;
        TColor expected;
    } cases[] = {
        {255, 0, TColor(RGB(10, 20, 30))},  // alpha 0: unchanged
        {255, 100, target},                 // exact
        {128, 100, TColor(RGB(110, 70, 30))}, // k = 128: c + (t - c) * 128 >> 8
        {0, 100, TColor(RGB(10, 20, 30))},  // no coverage
        {1, 50, TColor(RGB(10, 20, 30))},   // d = 1 * 128 < 256: left alone
    };
    for (const auto& c : cases) {
        TAAMask mask;
        Uniform(mask, 3, 2, c.coverage);
        Canvas()->GetBrush()->SetStyle(bsSolid);
        Canvas()->FillRect(TRect{0, 0, 40, 30});
        Canvas()->GetBrush()->SetStyle(bsClear);
        font.Blend.BlendColor(5, 6, mask, c.alpha, target);
        EXPECT_EQ(Canvas()->GetPixel(6, 7), c.expected) << c.coverage << "/" << c.alpha;
        EXPECT_EQ(Canvas()->GetPixel(8, 7), TColor(RGB(10, 20, 30))) << "outside the box";
    }
}

TEST_F(Blend, ASolidBrushFillsTheBoxUnderTheText) {
    Canvas()->GetBrush()->SetColor(clWhite);
    TAAMask mask;
        Uniform(mask, 4, 4, 0);
    font.Blend.BlendColor(0, 0, mask, 100, clRed);
    EXPECT_EQ(Canvas()->GetPixel(2, 2), clWhite);
    EXPECT_EQ(Canvas()->GetPixel(5, 5), TColor(RGB(10, 20, 30)));
}

TEST_F(Blend, AForegroundOfAnotherSizeIsRefused) {
    TAAMask mask;
        Uniform(mask, 3, 3, 255);
    font.Blend.Foreground()->SetSize(4, 3);
    try {
        font.Blend.BlendForeground(0, 0, mask, 100);
        FAIL();
    } catch (const EInvalidForeBmp& e) {
        EXPECT_STREQ(e.what(), "Invalid foreground bitmap!");
    }
}

TEST_F(Blend, CentreGradientIsSymmetricWithTheEndColourAtBothEdges) {
    // Centre styles swap the colours: the line starts at EndColor (0) and climbs to StartColor over
    // (L + 1) / 2 steps, then mirrors: L = 6 gives 0, 85, 170, 170, 85, 0.
    TBitmap& fore = *font.Blend.Foreground();
    TAAGradual& gradual = *font.Effect.GetGradual();
    gradual.SetEnabled(true);
    gradual.SetStyle(gsCenterToLR);
    font.Mask.SetQuality(aqNone);
    font.TextOut(0, 0, "WWWW");
    const int width = fore.GetWidth();
    ASSERT_GT(width, 6);
    for (int x = 0; x < width; ++x) EXPECT_EQ(fore.ScanLine(0)[x] & 0xFFFFFF, fore.ScanLine(0)[width - 1 - x] & 0xFFFFFF) << x;
    EXPECT_EQ(fore.ScanLine(0)[0] & 0xFFFFFF, 0u);
    EXPECT_EQ(fore.ScanLine(0)[1] & 0xFF, std::uint32_t(255 / ((width + 1) / 2)));

    gradual.SetStyle(gsTopToBottom);
    font.TextOut(0, 0, "WWWW");
    EXPECT_EQ(fore.ScanLine(0)[3] & 0xFFFFFF, 0xFFFFFFu) << "top row is the start colour";
}

TEST_F(Blend, ShadowOffsetsMoveTextAndShadowApartAndGrowTheExtent) {
    const TSize plain = font.TextExtent("国");
    TAAShadow& shadow = *font.Effect.GetShadow();
    shadow.SetEnabled(true);
    shadow.SetOffsetX(-2);
    shadow.SetOffsetY(3);
    const TSize shadowed = font.TextExtent("国");
    EXPECT_EQ(shadowed.cx, plain.cx + 2);
    EXPECT_EQ(shadowed.cy, plain.cy + 3);

    // Black text on a white field with an opaque red shadow and no blur: the text lies 2 px right of x,
    // the shadow 3 px below y.
    TBitmap field;
    field.SetSize(60, 60);
    font.Canvas = field.GetCanvas();
    field.GetCanvas()->GetFont()->SetHeight(-40);
    field.GetCanvas()->GetFont()->SetColor(clBlack);
    field.GetCanvas()->GetBrush()->SetColor(clWhite);
    field.GetCanvas()->FillRect(TRect{0, 0, 60, 60});
    field.GetCanvas()->GetBrush()->SetStyle(bsClear);
    shadow.SetBlur(0);
    shadow.SetAlpha(100);
    shadow.SetColor(clRed);
    font.SetQuality(aqHigh); // full coverage is exactly 255 only here
    font.TextOut(10, 10, "■");
    auto firstColumnOf = [&](TColor colour) {
        for (int x = 0; x < 60; ++x)
            for (int y = 0; y < 60; ++y)
                if (field.GetCanvas()->GetPixel(x, y) == colour) return x;
        return -1;
    };
    auto firstRowOf = [&](TColor colour) {
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if (field.GetCanvas()->GetPixel(x, y) == colour) return y;
        return -1;
    };
    EXPECT_EQ(firstColumnOf(clBlack) - firstColumnOf(clRed), 2);
    EXPECT_EQ(firstRowOf(clRed) - firstRowOf(clBlack), 3);
    EXPECT_EQ(field.GetCanvas()->GetBrush()->GetStyle(), bsClear) << "brush style restored";
}

TEST_F(Blend, RotationTurnsTheExtentAndIsUndoneAfterDrawing) {
    const TSize flat = font.TextExtent("Zorvy");
    font.Effect.SetAngle(90);
    const TSize turned = font.TextExtent("Zorvy");
    // Corners at half sizes rounded to even can lose a pixel on odd sizes.
    EXPECT_NEAR(turned.cx, flat.cy, 1);
    EXPECT_NEAR(turned.cy, flat.cx, 1);
    font.TextOut(0, 0, "Zorvy");
    EXPECT_EQ(Canvas()->GetFont()->GetOrientation(), 0);
}

TEST_F(Blend, NothingHappensWithoutACanvasOrText) {
    TAAFontEx loose(nullptr);
    EXPECT_EQ(loose.TextExtent("abc").cx, 0);
    loose.TextOut(0, 0, "abc");
    const TColor before = Canvas()->GetPixel(1, 1);
    font.TextOut(0, 0, "");
    EXPECT_EQ(Canvas()->GetPixel(1, 1), before);
}

} // namespace
} // namespace zorvy::test
