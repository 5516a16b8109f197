#include "controls/foundation/graphics/ColorBlend.h"
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/PainterResources.h"
#include "controls/foundation/painters/WinXPPainter.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"
#include "tests/controls/foundation/lookandfeel/FakeThemeBinding.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class Painters : public ::testing::Test {
  protected:
    Painters() { InitializeFoundationUnits(); }
    ~Painters() override { FinalizeFoundationUnits(); }
    THeadlessDisplay display;
    const TcxCustomLookAndFeelPainter* standard = TcxStandardLookAndFeelPainter::Instance();
    const TcxCustomLookAndFeelPainter* flat = TcxFlatLookAndFeelPainter::Instance();
    const TcxCustomLookAndFeelPainter* ultraFlat = TcxUltraFlatLookAndFeelPainter::Instance();
    const TcxCustomLookAndFeelPainter* office11 = TcxOffice11LookAndFeelPainter::Instance();
    const TcxCustomLookAndFeelPainter* winXP = TcxWinXPLookAndFeelPainter::Instance();
};

COLORREF Rgb(TColor c) {
    return ColorToRGB(c);
}

class TBasePainter : public TcxCustomLookAndFeelPainter {};

TEST(PainterGeometry, ArrowTriangles) {
    TPoint p[3];
    // 15 x 15, down: size (15 - 1) div 4 + 1 = 4, base 7, x0 = (15 - 7) div 2 = 4, y0 = MulDiv(11, 1, 2) = 6.
    TcxCustomLookAndFeelPainter::ComputeArrowTriangle(Rect(0, 0, 15, 15), p, arDown, true);
    EXPECT_EQ(p[2], Point(4, 6));
    EXPECT_EQ(p[0], Point(10, 6));
    EXPECT_EQ(p[1], Point(7, 9));
    // 20 x 10 squared to (5, 0, 15, 10); size 3, base 5; apex at column (5 + 15 - 1) div 2 = 9,
    // row MulDiv(10 - 3, 1, 2) = 4 (halves away from zero).
    TcxCustomLookAndFeelPainter::ComputeArrowTriangle(Rect(0, 0, 20, 10), p, arUp, true);
    EXPECT_EQ(p[1], Point(9, 4));
    EXPECT_EQ(p[0], Point(7, 6));
    EXPECT_EQ(p[2], Point(11, 6));
    // Right: size (10 - 1) div 4 + 1 = 3 on the squared rectangle, base 5 rows from MulDiv(10 - 5, 1, 2) = 3.
    TcxCustomLookAndFeelPainter::ComputeArrowTriangle(Rect(0, 0, 10, 10), p, arRight, false);
    EXPECT_EQ(p[0], Point(3, 3));
    EXPECT_EQ(p[1], Point(5, 5));
    EXPECT_EQ(p[2], Point(3, 7));
}

TEST(PainterGeometry, HeaderHeightsAndSectionWidths) {
    TBasePainter base;
    EXPECT_EQ(base.CalcHeaderHeight(13), 17);
    EXPECT_EQ(TcxStandardLookAndFeelPainter::Instance()->CalcHeaderHeight(13), 19);
    EXPECT_EQ(base.GetSortingMarkAreaSize().X, 16);
    EXPECT_EQ(TcxUltraFlatLookAndFeelPainter::Instance()->GetSortingMarkAreaSize(), Point(16, 8));
    TPaintSurface s(1, 1);
    const int text = s.Canvas()->MeasureTextWidth("期号");
    EXPECT_EQ(TcxStandardLookAndFeelPainter::Instance()->CalcHeaderSectionWidth(
                  s.Canvas(), cxBorder(bLeft) | cxBorder(bRight), "期号", nullptr),
              text + 4);
    EXPECT_EQ(TcxStandardLookAndFeelPainter::Instance()->CalcHeaderSectionWidth(s.Canvas(), cxBorder(bLeft),
                                                                                "期号", nullptr),
              text + 5);
}

TEST_F(Painters, DownTriangleOnAFourteenPixelRectangleIsSevenWideAndFourHigh) {
    TPaintSurface s(14, 14);
    standard->DrawDownTriangle(s.Canvas(), Rect(0, 0, 14, 14), clBlack);
    const TRect ink = s.InkBounds();
    EXPECT_EQ(ink.Width(), 7);
    EXPECT_EQ(ink.Height(), 4);
}

// Arrows are solid triangles: in a 15 x 15 rectangle, size 4 with a base of 7 (corners as in
// PainterGeometry.ArrowTriangles), one unbroken run per row or column, 1, 3, 5, 7 pixels long.
TEST_F(Painters, ArrowTrianglesAreSolidInEveryDirection) {
    struct TCase {
        TcxArrowDir Direction;
        std::vector<std::string> Rows; // rows 4 to 10, columns 4 to 10
    };
    const TCase cases[] = {
        {arUp, {".......", ".......", "...#...", "..###..", ".#####.", "#######", "......."}},
        {arDown, {".......", ".......", "#######", ".#####.", "..###..", "...#...", "......."}},
        {arLeft, {"....#..", "...##..", "..###..", ".####..", "..###..", "...##..", "....#.."}},
        {arRight, {".#.....", ".##....", ".###...", ".####..", ".###...", ".##....", ".#....."}},
    };
    for (const TCase& c : cases) {
        TPaintSurface s(15, 15);
        standard->DrawTriangleArrow(s.Canvas(), Rect(0, 0, 15, 15), c.Direction, clBlack);
        std::vector<std::string> rows;
        for (int y = 4; y <= 10; ++y)
            rows.push_back(s.Row(y, {{RGB(0, 0, 0), '#'}, {RGB(255, 255, 255), '.'}}).substr(4, 7));
        EXPECT_EQ(rows, c.Rows) << "direction " << int(c.Direction);
    }
}

TEST_F(Painters, AStandardDefaultButtonHasThreeRingsAndANormalOneTwo) {
    TPaintSurface s(20, 12, clRed);
    standard->DrawButtonEdges(s.Canvas(), Rect(0, 0, 20, 12), cxbsDefault);
    EXPECT_EQ(s.At(0, 5), RGB(0, 0, 0));
    EXPECT_EQ(s.At(19, 5), RGB(0, 0, 0));
    EXPECT_EQ(s.At(1, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(s.At(18, 5), Rgb(cl3DDkShadow));
    EXPECT_EQ(s.At(2, 5), Rgb(cl3DLight));
    EXPECT_EQ(s.At(17, 5), Rgb(clBtnShadow));
    EXPECT_EQ(s.At(3, 5), RGB(255, 0, 0)) << "content starts 3 pixels in";
    EXPECT_EQ(standard->GetButtonEdgeWidth(cxbsDefault), 3);
    TPaintSurface n(20, 12, clRed);
    standard->DrawButtonEdges(n.Canvas(), Rect(0, 0, 20, 12), cxbsNormal);
    EXPECT_EQ(n.At(0, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(n.At(1, 5), Rgb(cl3DLight));
    EXPECT_EQ(n.At(2, 5), RGB(255, 0, 0));
    EXPECT_EQ(n.At(19, 11), Rgb(cl3DDkShadow)) << "right and bottom cover the corners";
}

TEST_F(Painters, TheCheckTickIsThreePixelsThick) {
    TPaintSurface s(13, 13, clRed);
    standard->DrawCheckBox(s.Canvas(), Rect(0, 0, 13, 13), cxbsNormal, true);
    // In a 13 x 13 box with a 2-pixel frame: vertex (5, 7), arms from (3, 5) and towards (10, 2).
    for (TPoint p :
         {Point(5, 7), Point(5, 8), Point(5, 9), Point(3, 5), Point(4, 6), Point(9, 3), Point(9, 5)})
        EXPECT_EQ(s.At(p.X, p.Y), Rgb(clBtnText)) << p.X << "," << p.Y;
    EXPECT_EQ(s.At(6, 5), Rgb(clWindow));
    TPaintSurface disabled(13, 13);
    standard->DrawCheckBox(disabled.Canvas(), Rect(0, 0, 13, 13), cxbsDisabled, true);
    EXPECT_EQ(disabled.At(5, 7), Rgb(clGrayText));
    EXPECT_EQ(disabled.At(6, 5), Rgb(clBtnFace));
    TPaintSurface clear(13, 13, clRed);
    clear.Canvas()->CurrentBrush()->SetStyle(bsClear);
    standard->DrawCheckGlyph(clear.Canvas(), Rect(2, 2, 11, 11), cxbsNormal, true, clBlack);
    EXPECT_EQ(clear.At(6, 5), RGB(255, 0, 0)) << "no fill under a clear brush";
    EXPECT_EQ(clear.At(5, 7), RGB(0, 0, 0));
}

TEST_F(Painters, UltraFlatHeaderAndFooterLines) {
    EXPECT_EQ(ultraFlat->GetHeaderBorders(cxBorder(bLeft)),
              cxBorder(bTop) | cxBorder(bRight) | cxBorder(bBottom));
    EXPECT_EQ(office11->GetHeaderBorders(cxBorder(bLeft)), cxBordersAll) << "Office11 keeps its left border";
    TPaintSurface s(10, 8, clRed);
    ultraFlat->DrawHeaderBorder(s.Canvas(), Rect(0, 0, 10, 8), cxBorder(bLeft), cxBorder(bTop));
    EXPECT_EQ(s.At(0, 4), RGB(255, 0, 0)) << "no left line";
    EXPECT_EQ(s.At(5, 0), Rgb(clBtnText));
    EXPECT_EQ(s.At(9, 4), Rgb(clBtnText)) << "the right line is always drawn";
    EXPECT_EQ(s.At(5, 7), Rgb(clBtnText)) << "the bottom line is always drawn";
    EXPECT_EQ(ultraFlat->GetFooterBorders(), cxBorder(bRight) | cxBorder(bBottom));
    EXPECT_EQ(ultraFlat->GetFooterCellOffset(), 2);
    TPaintSurface f(10, 8, clRed);
    ultraFlat->DrawFooterBorder(f.Canvas(), Rect(0, 0, 10, 8));
    EXPECT_EQ(f.At(0, 4), RGB(255, 0, 0));
    EXPECT_EQ(f.At(5, 0), RGB(255, 0, 0));
    EXPECT_EQ(f.At(9, 4), Rgb(clBtnShadow));
    EXPECT_EQ(f.At(5, 7), Rgb(clBtnShadow));
}

TEST_F(Painters, UltraFlatButtonsAndGroupInsets) {
    EXPECT_EQ(ultraFlat->GetButtonFaceColor(cxbsHot), TColor(BlendedHotColor()));
    EXPECT_EQ(ultraFlat->GetButtonFaceColor(cxbsPressed), TColor(BlendedPressedColor()));
    EXPECT_EQ(ultraFlat->GetButtonGlyphColor(cxbsPressed), clHighlightText);
    EXPECT_EQ(ultraFlat->GetButtonGlyphState(cxbsPressed), cxbsNormal);
    EXPECT_EQ(ultraFlat->GetGroupButtonInsets(1, 0), Rect(2, 2, 1, 2));
    EXPECT_EQ(ultraFlat->GetGroupButtonInsets(3, 2), Rect(1, 2, 2, 2));
    EXPECT_EQ(standard->GetPressedButtonShift(), 1);
    EXPECT_EQ(ultraFlat->GetPressedButtonShift(), 0);
}

TEST_F(Painters, RadioImagesForEveryState) {
    EXPECT_EQ(RadioImageMapIndex(lfStandard, cxbsNormal, false, false, false), 8);
    EXPECT_EQ(RadioImageMapIndex(lfOffice11, cxbsDisabled, true, true, true), 127);
    TcxRadioButtonImageList* list = NeedRadioButtonImageList();
    EXPECT_EQ(list->Images()->GetCount(), 128);
    const TSize size = standard->GetRadioButtonExtent();
    EXPECT_EQ(size, (TSize{RadioButtonGeometry().Circle.Width(), RadioButtonGeometry().Circle.Height()}));
    const int cx = size.cx / 2, cy = size.cy / 2;
    auto paint = [&](const TcxCustomLookAndFeelPainter* p, TcxButtonState state, bool checked, bool designing,
                     TColor background = clDefault) {
        auto s = std::make_unique<TPaintSurface>(size.cx, size.cy, clRed);
        p->DrawRadioButton(s->Canvas(), 0, 0, state, checked, false, background, designing);
        return s;
    };
    EXPECT_EQ(paint(standard, cxbsNormal, false, false)->At(cx, cy), Rgb(clWindow)) << "no dot unchecked";
    EXPECT_EQ(paint(standard, cxbsNormal, true, false)->At(cx, cy), Rgb(clWindowText));
    EXPECT_EQ(paint(standard, cxbsPressed, false, false)->At(cx, cy), Rgb(clBtnFace));
    EXPECT_EQ(paint(standard, cxbsDisabled, true, false)->At(cx, cy), Rgb(clBtnShadow));
    // The outer ring's top pixel: UltraFlat lights it at design time unless disabled.
    const int top = RadioButtonGeometry().Circle.Width() / 2;
    EXPECT_EQ(paint(ultraFlat, cxbsNormal, false, true)->At(top, 0), Rgb(clHighlight));
    EXPECT_EQ(paint(ultraFlat, cxbsDisabled, false, true)->At(top, 0), Rgb(clBtnShadow));
    EXPECT_EQ(paint(ultraFlat, cxbsNormal, false, false)->At(top, 0), Rgb(clBtnShadow));
    EXPECT_EQ(paint(standard, cxbsNormal, false, false)->At(0, 0), RGB(255, 0, 0)) << "corners untouched";
    EXPECT_EQ(paint(standard, cxbsNormal, false, false, clYellow)->At(0, 0), RGB(255, 255, 0));
}

TEST_F(Painters, WinXPWithoutVisualStylesPaintsAsStandardWithItsOwnAnswers) {
    auto same = [&](const std::function<void(const TcxCustomLookAndFeelPainter*, TcxCanvas*)>& draw) {
        TPaintSurface a(40, 20), b(40, 20);
        draw(standard, a.Canvas());
        draw(winXP, b.Canvas());
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                if (a.At(x, y) != b.At(x, y)) return false;
        return true;
    };
    EXPECT_TRUE(same([](auto* p, TcxCanvas* c) { p->DrawButtonEdges(c, Rect(0, 0, 40, 20), cxbsNormal); }));
    EXPECT_TRUE(same([](auto* p, TcxCanvas* c) { p->DrawCheckBox(c, Rect(2, 2, 15, 15), cxbsHot, true); }));
    EXPECT_TRUE(same([](auto* p, TcxCanvas* c) {
        TcxHeaderText t;
        t.BackgroundColor = clBtnFace;
        p->DrawHeader(c, Rect(0, 0, 40, 20), 0, cxBordersAll, cxbsNormal, t);
    }));
    EXPECT_TRUE(same([](auto* p, TcxCanvas* c) {
        p->DrawScrollBarElement(c, false, Rect(0, 0, 17, 17), spLineUp, cxbsPressed);
    }));
    EXPECT_EQ(winXP->GetButtonEdgeWidth(cxbsDefault), 2);
    EXPECT_EQ(winXP->GetCheckEdgeWidth(), 2);
    EXPECT_EQ(winXP->GetPlusMinusButtonSize(), 12);
    EXPECT_EQ(winXP->GetButtonContentOffset(), 2);
    EXPECT_EQ(winXP->GetPressedButtonShift(), 0);
    EXPECT_TRUE(winXP->SupportsButtonHotTrack());
    EXPECT_EQ(winXP->GetSortingMarkSize(), Point(7, 8));
    EXPECT_FALSE(winXP->PaintsFooterItemsFirst());
}

TEST_F(Painters, WinXPDrawsThroughTheThemeWhenOneIsThere) {
    FinalizeThemeManager();
    TFakeThemeBinding fake;
    TInstalledThemeBinding installed(fake);
    TPaintSurface s(40, 20);
    GetThemeHandle(tokButton);
    GetThemeHandle(tokHeader);
    fake.Log.clear();
    winXP->DrawPushButton(s.Canvas(), Rect(0, 0, 40, 20), "OK", cxbsPressed);
    TcxHeaderText text;
    text.Text = "期号";
    text.TextBounds = Rect(2, 2, 38, 18);
    text.HorzAlign = taCenter;
    winXP->DrawHeader(s.Canvas(), Rect(0, 0, 40, 20), 0, cxBordersAll, cxbsHot, text);
    winXP->DrawCheckGlyph(s.Canvas(), Rect(0, 0, 13, 13), cxbsDisabled, true, clBlack);
    EXPECT_EQ(fake.Log,
              (std::vector<std::string>{"background 1/3", "text 1/3 OK 37", "background 1/2",
                                        "text 1/2 期号 " + std::to_string(0x2000 | 1 | 4 | 0x20 | 0x800),
                                        "background 3/8"}));
    EXPECT_EQ(winXP->GetCheckEdgeWidth(), 0);
    EXPECT_EQ(winXP->GetCheckBoxSize(), (TSize{13, 13}));
    EXPECT_EQ(winXP->GetButtonEdgeWidth(cxbsNormal), 3) << "the content rectangle's left";
}

TEST_F(Painters, Office11ColoursFollowTheScheme) {
    EXPECT_EQ(office11->GetButtonGlyphColor(cxbsPressed), clHighlightText) << "classic look";
    EXPECT_EQ(office11->GetButtonGlyphColor(cxbsNormal), TColor(Office11Colors().Glyph));
    EXPECT_EQ(office11->DefaultBandBackgroundColor(), office11->DefaultGroupByBoxColor());
    EXPECT_EQ(office11->DefaultTabsBackgroundColor(), office11->DefaultTabColor());
    // A footer cell is flat in the header's top-edge colour.
    TPaintSurface s(30, 16);
    TcxHeaderText t;
    office11->DrawFooterCell(s.Canvas(), Rect(0, 0, 30, 16), t);
    const COLORREF top =
        Rgb(static_cast<const TcxOffice11LookAndFeelPainter*>(office11)->GetHeaderTopEdgeColor());
    EXPECT_EQ(s.At(5, 3), top);
    EXPECT_EQ(s.At(5, 12), top);
}

TEST_F(Painters, Office11PressedGlyphsKeepTheirColourUnderAStockScheme) {
    FinalizeThemeManager();
    TFakeThemeBinding fake;
    fake.ColorName = "Metallic";
    TInstalledThemeBinding installed(fake);
    RefreshOffice11Colors();
    EXPECT_EQ(GetCurrentOffice11Scheme(), 3);
    EXPECT_EQ(office11->GetButtonGlyphColor(cxbsPressed), TColor(Office11Colors().Glyph));
    EXPECT_EQ(office11->GetButtonFaceColor(cxbsNormal), TColor(0xE5D7D7));
    SetThemeBinding(nullptr);
    FinalizeThemeManager();
    RefreshOffice11Colors();
}

TEST_F(Painters, ABackgroundCallbackThatPaintsKeepsTheBackgroundAndStillGetsTheCaption) {
    TPaintSurface s(40, 16, clRed);
    TcxHeaderText text;
    text.Text = "W";
    text.TextBounds = Rect(0, 0, 40, 16);
    text.TextColor = clBlack;
    text.BackgroundColor = clWhite;
    int calls = 0;
    standard->DrawHeaderContent(
        s.Canvas(), Rect(0, 0, 40, 16), cxbsNormal, text,
        [&](TcxCanvas*, const TRect&) {
            ++calls;
            return true;
        },
        false);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.At(39, 15), RGB(255, 0, 0)) << "the background stays";
    EXPECT_NE(s.InkBounds(RGB(255, 0, 0)), TRect{}) << "the caption is drawn";
    EXPECT_LT(s.InkBounds(RGB(255, 0, 0)).Width(), 20);
}

TEST_F(Painters, Office11ExpandButtonCornersBlendTowardTheRow) {
    TPaintSurface s(11, 11, clBlue);
    office11->DrawPlusMinusButton(s.Canvas(), Rect(0, 0, 11, 11), false, clDefault);
    EXPECT_EQ(s.At(0, 0), MixColors(TColor(Office11Colors().ExpandButtonLight), clBlue, 25));
    EXPECT_EQ(s.At(10, 10), MixColors(TColor(Office11Colors().ExpandButtonDark), clBlue, 25));
    EXPECT_EQ(s.At(5, 3), RGB(0, 0, 0)) << "the plus";
}

// The standard expand button, worked by hand from its four steps on a 12 x 12 box: highlight at left
// and top, dark shadow at right and bottom, shadow inside those, a 9 x 9 face whose centre (5, 5)
// carries a sign with arms of h = (9 - 4) div 2 = 2; the box leaves the clip region.
TEST_F(Painters, StandardPlusMinusButtonPixels) {
    const char* plus[12] = {
        "HHHHHHHHHHHD", "HFFFFFFFFFSD", "HFFFFFFFFFSD", "HFFFFTFFFFSD", "HFFFFTFFFFSD", "HFFTTTTTFFSD",
        "HFFFFTFFFFSD", "HFFFFTFFFFSD", "HFFFFFFFFFSD", "HFFFFFFFFFSD", "HSSSSSSSSSSD", "DDDDDDDDDDDD",
    };
    auto colorOf = [](char c) {
        switch (c) {
        case 'H': return Rgb(clBtnHighlight);
        case 'D': return Rgb(cl3DDkShadow);
        case 'S': return Rgb(clBtnShadow);
        case 'T': return Rgb(clBtnText);
        default: return RGB(0, 128, 0); // the face colour given
        }
    };
    for (bool expanded : {false, true}) {
        TPaintSurface s(14, 14, clRed);
        standard->DrawPlusMinusButton(s.Canvas(), Rect(0, 0, 12, 12), expanded, TColor(RGB(0, 128, 0)));
        s.Canvas()->FillRectSolid(Rect(0, 0, 14, 14), clBlue); // clipped away over the button
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                char c = plus[y][x];
                if (expanded && c == 'T' && y != 5) c = 'F'; // a minus keeps only the bar
                ASSERT_EQ(s.At(x, y), colorOf(c)) << (expanded ? "minus" : "plus") << " at " << x << "," << y;
            }
        EXPECT_EQ(s.At(12, 12), RGB(0, 0, 255)) << "outside the box the fill reaches";
    }
}

TEST_F(Painters, SmallPlusMinusWithDefaultFaceKeepsTheInside) {
    TPaintSurface s(9, 9, clRed);
    standard->DrawSmallPlusMinusButton(s.Canvas(), Rect(0, 0, 9, 9), true, clBlack, clDefault);
    EXPECT_EQ(s.At(0, 4), RGB(0, 0, 0));
    EXPECT_EQ(s.At(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(s.At(4, 4), Rgb(clBtnText)) << "the minus";
    EXPECT_EQ(s.At(4, 2), RGB(255, 0, 0)) << "no vertical bar when expanded";
}

TEST_F(Painters, IndicatorImagesAndTheSkinRegistry) {
    TPaintSurface s(20, 20);
    standard->DrawIndicatorImage(s.Canvas(), Rect(0, 0, 20, 20), 0);
    EXPECT_EQ(s.InkBounds(), TRect{});
    standard->DrawIndicatorImage(s.Canvas(), Rect(0, 0, 20, 20), 1);
    EXPECT_EQ(s.InkBounds(), Rect(7, 6, 11, 13)) << "the arrow, centred";
    TcxLookAndFeelPainterClass found = standard;
    EXPECT_FALSE(ExtendedStylePaintersList().FindPainterClass("Caramel", found));
    EXPECT_EQ(found, standard);
    TcxExtendedStylePainters skins;
    skins.Register("Caramel", flat);
    EXPECT_EQ(skins.FindSkinIndex("CARAMEL"), 0);
    EXPECT_TRUE(skins.FindPainterClass("caramel", found));
    EXPECT_EQ(found, flat);
}

} // namespace
} // namespace zorvy::test
