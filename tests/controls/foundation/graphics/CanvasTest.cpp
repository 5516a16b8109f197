#include "controls/foundation/graphics/Canvas.h"
#include "platform/gdi/Text.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

TEST(CanvasFrames, FrameRectSidesWiderThanTheRectangleFillsItAndNothingOutside) {
    TPaintSurface s(12, 12);
    s.Canvas()->FrameRectSides(Rect(2, 3, 7, 6), clRed, 10, cxBordersAll);
    EXPECT_EQ(s.InkBounds(), Rect(2, 3, 7, 6));
    for (int y = 3; y < 6; ++y)
        EXPECT_EQ(s.Row(y, {{White, '.'}, {Red, 'R'}}), "..RRRRR.....");
}

TEST(CanvasFrames, FrameRectSidesDrawsOnlyTheNamedSides) {
    TPaintSurface s(6, 5);
    s.Canvas()->FrameRectSides(Rect(0, 0, 6, 5), clRed, 1, cxBorder(bLeft) | cxBorder(bBottom));
    const std::vector<std::string> expected = {"R.....", "R.....", "R.....", "R.....", "RRRRRR"};
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(s.Row(y, {{White, '.'}, {Red, 'R'}}), expected[size_t(y)]);
}

TEST(CanvasFrames, PaintBordersGivesTheSharedCornersToTheSecondColour) {
    TPaintSurface s(5, 4);
    s.Canvas()->PaintBorders(Rect(0, 0, 5, 4), clRed, clBlue);
    const std::vector<std::string> expected = {"RRRRB", "R...B", "R...B", "BBBBB"};
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(s.Row(y, {{White, '.'}, {Red, 'R'}, {Blue, 'B'}}), expected[size_t(y)]);
}

TEST(CanvasFrames, Edge3DColoursForEachKind) {
    struct TCase {
        bool sunken, outer;
        TColor first, second;
    };
    const TCase cases[] = {{true, true, clBtnShadow, clBtnHighlight},
                           {true, false, cl3DDkShadow, cl3DLight},
                           {false, true, cl3DLight, cl3DDkShadow},
                           {false, false, clBtnHighlight, clBtnShadow}};
    for (const TCase& c : cases) {
        TPaintSurface s(4, 4, clRed);
        s.Canvas()->PaintEdge3D(Rect(0, 0, 4, 4), c.sunken, c.outer);
        EXPECT_EQ(s.At(0, 1), ColorToRGB(c.first));
        EXPECT_EQ(s.At(1, 0), ColorToRGB(c.first));
        EXPECT_EQ(s.At(3, 1), ColorToRGB(c.second));
        EXPECT_EQ(s.At(1, 3), ColorToRGB(c.second));
        EXPECT_EQ(s.At(1, 1), Red);
    }
}

TEST(CanvasFills, FillRectSolidSkipsClNoneAndUsesTheBrushForClDefault) {
    TPaintSurface s(4, 1);
    s.Canvas()->CurrentBrush()->SetColor(clBlue);
    s.Canvas()->FillRectSolid(Rect(0, 0, 1, 1), clNone);
    s.Canvas()->FillRectSolid(Rect(1, 0, 2, 1), clDefault);
    s.Canvas()->FillRectSolid(Rect(2, 0, 3, 1), clRed);
    EXPECT_EQ(s.Row(0, {{White, '.'}, {Red, 'R'}, {Blue, 'B'}}), ".BR.");
}

TEST(CanvasFills, TilesLineUpOnTheLogicalOriginAlsoLeftOfIt) {
    TBitmap tile;
    tile.SetSize(2, 2);
    tile.GetCanvas()->SetPixel(0, 0, clRed);
    tile.GetCanvas()->SetPixel(1, 0, clBlue);
    tile.GetCanvas()->SetPixel(0, 1, clBlue);
    tile.GetCanvas()->SetPixel(1, 1, clRed);
    TPaintSurface s(7, 3);
    // Logical (0, 0) at device (2, 0): the fill starts at logical -1, left of the origin.
    s.Canvas()->WriteWindowOrigin({-2, 0});
    s.Canvas()->FillRectOrTile(Rect(-1, 0, 4, 3), &tile);
    const std::vector<std::string> expected = {".BRBRB.", ".RBRBR.", ".BRBRB."};
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(s.Row(y, {{White, '.'}, {Red, 'R'}, {Blue, 'B'}}), expected[size_t(y)]);
}

TEST(CanvasFills, FillWithExcludeTakesTheRectangleOutOfTheClip) {
    TPaintSurface s(6, 1);
    s.Canvas()->FillRectSolid(Rect(0, 0, 6, 1), clWhite);
    s.Canvas()->UseBrushColor(clRed);
    s.Canvas()->FillRectOrTile(Rect(1, 0, 3, 1), nullptr, true);
    s.Canvas()->FillRectSolid(Rect(0, 0, 6, 1), clBlue);
    EXPECT_EQ(s.Row(0, {{Red, 'R'}, {Blue, 'B'}}), "BRRBBB");
}

TEST(CanvasClip, DifferenceWithoutAClipRegionClipsToTheBigSquareMinusTheRegion) {
    TPaintSurface s(6, 3);
    s.Canvas()->ApplyClipRegion(TcxRegion::CreateFromRect(Rect(2, 1, 4, 2)), roSubtract);
    s.Canvas()->FillRectSolid(Rect(0, 0, 6, 3), clRed);
    EXPECT_EQ(s.Row(1, {{White, '.'}, {Red, 'R'}}), "RR..RR");
    std::unique_ptr<TcxRegion> clip(s.Canvas()->CopyClipRegion());
    EXPECT_EQ(clip->GetBoundsRect(), Rect(0, 0, 30000, 30000));
    EXPECT_FALSE(clip->ContainsXY(2, 1));
}

TEST(CanvasClip, ClipRegionsFollowTheWindowOrigin) {
    TPaintSurface s(8, 1);
    s.Canvas()->WriteWindowOrigin({-3, 0}); // logical 0 is device 3
    s.Canvas()->ApplyClipRegion(TcxRegion::CreateFromRect(Rect(0, 0, 2, 1)), roSet);
    std::unique_ptr<TcxRegion> logical(s.Canvas()->CopyClipRegion(true));
    std::unique_ptr<TcxRegion> device(s.Canvas()->CopyClipRegion(false));
    EXPECT_EQ(logical->GetBoundsRect(), Rect(0, 0, 2, 1));
    EXPECT_EQ(device->GetBoundsRect(), Rect(3, 0, 5, 1));
    s.Canvas()->ApplyClipRegion(TcxRegion::CreateFromRect(Rect(1, 0, 9, 1)), roIntersect);
    s.Canvas()->FillRectSolid(Rect(-3, 0, 5, 1), clRed);
    EXPECT_EQ(s.Row(0, {{White, '.'}, {Red, 'R'}}), "....R...");
    EXPECT_TRUE(s.Canvas()->RectIsVisible(Rect(0, 0, 2, 1)));
    EXPECT_FALSE(s.Canvas()->RectIsVisible(Rect(2, 0, 5, 1)));
}

TEST(CanvasState, PopStateRestoresFontBrushPenAndTheClipAndEmptyPopsDoNothing) {
    TPaintSurface s(4, 1);
    s.Canvas()->PopState();
    s.Canvas()->PopDC();
    s.Canvas()->CurrentBrush()->SetColor(clRed);
    s.Canvas()->CurrentFont()->SetHeight(-11);
    s.Canvas()->PushState();
    s.Canvas()->CurrentBrush()->SetColor(clBlue);
    s.Canvas()->CurrentFont()->SetHeight(-20);
    s.Canvas()->CurrentPen()->SetColor(clBlue);
    s.Canvas()->ClipIntersectRect(Rect(0, 0, 1, 1));
    s.Canvas()->PopState();
    EXPECT_EQ(s.Canvas()->CurrentBrush()->GetColor(), clRed);
    EXPECT_EQ(s.Canvas()->CurrentFont()->GetHeight(), -11);
    EXPECT_EQ(s.Canvas()->CurrentPen()->GetColor(), clBlack);
    s.Canvas()->FillRectSolid(Rect(0, 0, 4, 1), clDefault);
    EXPECT_EQ(s.Row(0, {{Red, 'R'}}), "RRRR") << "the clip of the pushed level is gone";
}

TEST(CanvasFocus, PaintingTheFocusRectangleTwiceRemovesIt) {
    TPaintSurface s(8, 6, clBtnFace);
    s.Canvas()->PaintNestedFocusRects(Rect(0, 0, 8, 6), 2);
    EXPECT_NE(s.InkBounds(ColorToRGB(clBtnFace)), TRect{});
    s.Canvas()->PaintNestedFocusRects(Rect(0, 0, 8, 6), 2);
    EXPECT_EQ(s.InkBounds(ColorToRGB(clBtnFace)), TRect{});
}

// Pixels as letters a..f, laid out row by row.
std::vector<std::string> Letters(TBitmap& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.GetHeight(); ++y) {
        std::string row;
        for (int x = 0; x < b.GetWidth(); ++x)
            row += char('a' + (b.ScanLine(y)[x] & 0xFF));
        rows.push_back(row);
    }
    return rows;
}

TEST(CanvasRotation, RotateBitmapOfThreeByTwoEachWay) {
    struct TCase {
        int rotation;
        bool mirror;
        std::vector<std::string> expected;
    };
    // Source:  a b c
    //          d e f
    const TCase cases[] = {
        {0, false, {"abc", "def"}},    {0, true, {"def", "abc"}},      {1, false, {"cf", "be", "ad"}},
        {1, true, {"ad", "be", "cf"}}, {2, false, {"da", "eb", "fc"}}, {2, true, {"fc", "eb", "da"}},
        {3, false, {"fed", "cba"}},    {3, true, {"cba", "fed"}},
    };
    for (const TCase& c : cases) {
        TBitmap b;
        b.SetPixelFormat(pf32bit);
        b.SetSize(3, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                b.ScanLine(y)[x] = uint32_t(y * 3 + x);
        TcxCanvas::RotateBitmap(&b, c.rotation, c.mirror);
        EXPECT_EQ(Letters(b), c.expected) << "rotation " << c.rotation << (c.mirror ? " mirrored" : "");
    }
}

TEST(CanvasRotation, EmptyAndOutOfRangeRotationsLeaveTheBitmapAlone) {
    TBitmap empty;
    TcxCanvas::RotateBitmap(&empty, 1, true);
    TcxCanvas::RotateBitmap(nullptr, 1);
    EXPECT_TRUE(empty.Empty());
    TBitmap b;
    b.SetSize(3, 2);
    TcxCanvas::RotateBitmap(&b, 7);
    EXPECT_EQ(b.GetWidth(), 3);
}

class CanvasText : public ::testing::Test {
  protected:
    void SetUpFont(TcxCanvas* canvas) {
        canvas->CurrentFont()->SetName("DejaVu Sans");
        canvas->CurrentFont()->SetHeight(-13);
        canvas->CurrentBrush()->SetStyle(bsClear);
    }
};

TEST_F(CanvasText, DisabledRightAlignedTextSitsOnePixelLeftOfTheEdgeWithItsHighlightOneRightAndBelow) {
    TPaintSurface s(80, 24, clBtnFace);
    SetUpFont(s.Canvas());
    s.Canvas()->CurrentFont()->SetColor(clRed);
    const int width = s.Canvas()->MeasureTextWidth("Ab");
    s.Canvas()->PaintText("Ab", Rect(0, 0, 80, 24), ctfAlignRight | ctfSingleLine, false);
    EXPECT_EQ(s.Canvas()->CurrentBrush()->GetStyle(), bsClear);
    EXPECT_EQ(s.Canvas()->CurrentFont()->GetColor(), clRed) << "the font colour is restored";

    // The same picture drawn by hand: the highlight copy at (x + 1, 1), the shadow copy at (x, 0).
    TPaintSurface expected(80, 24, clBtnFace);
    SetUpFont(expected.Canvas());
    TCanvas* c = expected.bitmap.GetCanvas();
    const int x = 80 - width - 1;
    c->GetFont()->SetColor(clBtnHighlight);
    c->TextOut(x + 1, 1, "Ab");
    c->GetFont()->SetColor(clBtnShadow);
    c->TextOut(x, 0, "Ab");
    for (int y = 0; y < 24; ++y)
        for (int px = 0; px < 80; ++px)
            ASSERT_EQ(s.At(px, y), expected.At(px, y)) << px << "," << y;
}

TEST_F(CanvasText, ShowPrefixUnderlinesInsteadOfDrawingTheAmpersand) {
    TPaintSurface plain(60, 20), prefixed(60, 20);
    for (TPaintSurface* s : {&plain, &prefixed})
        SetUpFont(s->Canvas());
    plain.Canvas()->PaintText("&W", Rect(0, 0, 60, 20), ctfSingleLine);
    prefixed.Canvas()->PaintText("&W", Rect(0, 0, 60, 20), ctfSingleLine | ctfShowPrefix);
    const TRect a = plain.InkBounds(), b = prefixed.InkBounds();
    EXPECT_GT(a.Width(), b.Width() + 3) << "the literal ampersand takes room";
    EXPECT_GT(b.Bottom, plain.InkBounds().Bottom - 1) << "the underline sits under the W";
}

TEST_F(CanvasText, MeasureTextRectWithNoWidthMeasuresAsOnePixelWide) {
    TPaintSurface s(1, 1);
    SetUpFont(s.Canvas());
    TEXTMETRIC tm;
    GetTextMetrics(s.Canvas()->DeviceContext(), tm);
    TRect r = Rect(5, 7, 5, 7);
    s.Canvas()->MeasureTextRect("aa bb cc", r, ctfWordBreak | ctfDontBreakChars);
    EXPECT_EQ(r.Top, 7);
    EXPECT_EQ(r.Height(), 3 * tm.tmHeight);
    EXPECT_EQ(r.Left, 5);
    EXPECT_GE(r.Width(), s.Canvas()->MeasureTextWidth("aa") - 1);
    // Breaking inside words too: one character per line.
    r = Rect(5, 7, 5, 7);
    s.Canvas()->MeasureTextRect("aa bb cc", r, ctfWordBreak);
    EXPECT_EQ(r.Height(), 6 * tm.tmHeight);
}

TEST_F(CanvasText, MeasureTextRectPlacesTheResultInsideTheGivenBox) {
    TPaintSurface s(1, 1);
    SetUpFont(s.Canvas());
    const int w = s.Canvas()->MeasureTextWidth("ab");
    const int h = s.Canvas()->MeasureTextHeight("ab");
    TRect r = Rect(0, 0, 100, 50);
    s.Canvas()->MeasureTextRect("ab", r, ctfAlignRight | ctfAlignBottom | ctfSingleLine);
    EXPECT_EQ(r, Rect(100 - w, 50 - h, 100, 50));
    r = Rect(0, 0, 100, 50);
    s.Canvas()->MeasureTextRect("ab", r, ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine);
    EXPECT_EQ(r.Left, (100 - w) / 2);
    EXPECT_EQ(r.Top, (50 - h) / 2);
}

TEST_F(CanvasText, VerticalAlignmentOfMultiLineText) {
    TPaintSurface s(1, 1);
    SetUpFont(s.Canvas());
    const int h = s.Canvas()->MeasureTextHeight("Qq");
    TRect r = Rect(0, 0, 200, 100);
    s.Canvas()->AlignTextRectVertically(r, "one\ntwo", vaBottom, false, false);
    EXPECT_EQ(r.Top, 100 - 2 * h);
    r = Rect(0, 0, 200, 101);
    s.Canvas()->AlignTextRectVertically(r, "one\ntwo", vaCenter, false, false, false);
    EXPECT_EQ(r.Top, (101 - 2 * h) / 2);
    r = Rect(0, 3, 200, 100);
    s.Canvas()->AlignTextRectVertically(r, "x", vaTop, false, false);
    EXPECT_EQ(r.Top, 3);
}

TEST(CanvasTextFlags, ConversionToTheFormattedDrawingFormat) {
    EXPECT_EQ(CanvasFlagsToDrawTextFormat(ctfAlignLeft | ctfAlignTop), unsigned(DT_NOPREFIX));
    EXPECT_EQ(CanvasFlagsToDrawTextFormat(ctfAlignRight | ctfAlignBottom | ctfSingleLine),
              unsigned(DT_NOPREFIX | DT_RIGHT | DT_BOTTOM | DT_SINGLELINE));
    EXPECT_EQ(CanvasFlagsToDrawTextFormat(ctfShowPrefix | ctfWordBreak),
              unsigned(DT_WORDBREAK | DT_EDITCONTROL));
    EXPECT_EQ(CanvasFlagsToDrawTextFormat(ctfWordBreak | ctfDontBreakChars),
              unsigned(DT_NOPREFIX | DT_WORDBREAK));
    EXPECT_EQ(CanvasFlagsToDrawTextFormat(ctfAlignHCenter | ctfAlignVCenter | ctfDontClip | ctfExpandTabs |
                                          ctfShowEndEllipsis | ctfCalcRect | ctfShowPathEllipsis),
              unsigned(DT_NOPREFIX | DT_CENTER | DT_VCENTER | DT_NOCLIP | DT_EXPANDTABS | DT_END_ELLIPSIS |
                       DT_CALCRECT | DT_PATH_ELLIPSIS));
}

TEST(Geometry, CenteringTruncatesTowardsZero) {
    EXPECT_EQ(CenterRectOfSize(Rect(0, 0, 5, 5), 2, 2), Rect(1, 1, 3, 3));
    EXPECT_EQ(CenterRectOfSize(Rect(-5, -5, 0, 0), 2, 2), Rect(-3, -3, -1, -1));
    EXPECT_EQ(CenterSizeInRect(Rect(0, 0, 10, 4), Size(4, 1)), Rect(3, 1, 7, 2));
    EXPECT_EQ(DeflateRectByMargins(Rect(0, 0, 10, 10), Rect(1, 2, 3, 4)), Rect(1, 2, 7, 6));
    EXPECT_EQ(MakeBounds(2, 3, 4, 5), Rect(2, 3, 6, 8));
    EXPECT_TRUE(RectSizesEqual(Rect(0, 0, 3, 4), Rect(5, 5, 8, 9)));
}

TEST(Geometry, TcxRectReportsOnlyRealChanges) {
    TcxRect r(nullptr);
    int changes = 0;
    r.OnChange = [&](TObject*) { ++changes; };
    r.SetValue(2, 10);
    r.SetValue(2, 10);
    r.SetValue(7, 4); // any index above 2 is Bottom
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(r.GetRect(), Rect(0, 0, 10, 4));
    TcxRect copy(nullptr);
    copy.Assign(&r);
    EXPECT_TRUE(copy.IsEqual(Rect(0, 0, 10, 4)));
}

// A 3 x 1 glyph: red, the transparent fuchsia, blue.
void MakeGlyph(TBitmap& glyph) {
    glyph.SetPixelFormat(pf32bit);
    glyph.SetSize(3, 1);
    glyph.GetCanvas()->SetPixel(0, 0, clRed);
    glyph.GetCanvas()->SetPixel(1, 0, clFuchsia);
    glyph.GetCanvas()->SetPixel(2, 0, clBlue);
    glyph.TransparentMode = tmFixed;
    glyph.SetTransparentColor(clFuchsia);
}

TEST(CanvasGlyphs, TheTransparentColourShowsTheBackgroundOrWhatLiesBelow) {
    TBitmap glyph;
    MakeGlyph(glyph);
    TPaintSurface below(5, 1, clGreen);
    below.Canvas()->PaintTransparentGlyph(1, 0, &glyph);
    EXPECT_EQ(below.Row(0, {{RGB(0, 128, 0), 'g'}, {RGB(255, 0, 0), 'R'}, {RGB(0, 0, 255), 'B'}}), "gRgBg");
    TPaintSurface filled(5, 1, clGreen);
    filled.Canvas()->PaintTransparentGlyph(1, 0, &glyph, true, clYellow);
    EXPECT_EQ(filled.At(2, 0), RGB(255, 255, 0));
    EXPECT_EQ(filled.Canvas()->CurrentBrush()->GetStyle(), bsSolid) << "the brush style comes back";
    TPaintSurface disabled(5, 1, clGreen);
    disabled.Canvas()->PaintTransparentGlyph(1, 0, &glyph, false);
    EXPECT_EQ(disabled.At(2, 0), RGB(0, 128, 0)) << "transparent in the disabled look too";
    EXPECT_NE(disabled.At(1, 0), RGB(255, 0, 0)) << "the disabled look is not the glyph's colour";
}

TEST(CanvasFonts, FontAngleTurnsTheText) {
    TPaintSurface s(60, 60);
    s.Canvas()->CurrentFont()->SetName("DejaVu Sans");
    s.Canvas()->CurrentFont()->SetHeight(-14);
    s.Canvas()->SetFontAngle(90);
    EXPECT_EQ(s.Canvas()->CurrentFont()->GetOrientation(), 900);
    EXPECT_EQ(s.Canvas()->CurrentFont()->LogFont().lfOutPrecision, OUT_TT_ONLY_PRECIS);
    s.Canvas()->CurrentBrush()->SetStyle(bsClear);
    s.bitmap.GetCanvas()->TextOut(20, 55, "WWWW");
    const TRect ink = s.InkBounds();
    EXPECT_GT(ink.Height(), ink.Width()) << "upright text is wider than high; turned it is higher";
}

} // namespace
} // namespace zorvy::test
