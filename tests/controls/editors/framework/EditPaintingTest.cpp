// The shared drawing routines (arrows, traced sides, flag conversions, button widths) and the view
// info's painting and repainting of differences.
#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "platform/classlib/ImageList.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemInfo.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

constexpr COLORREF White = RGB(255, 255, 255);

TEST(EditPaintingRoutines, ArrowsAreCentredTriangles) {
    struct Case {
        TcxArrowDir direction;
        int size;
        bool offset;
        bool doubleArrow;
        TRect ink;
    };
    // 20 x 20 content: a size-4 up arrow is 7 x 4, a double size-3 down arrow 5 x 6.
    const Case cases[] = {
        {arUp, 4, false, false, Rect(6, 8, 13, 12)},
        {arUp, 4, true, false, Rect(7, 9, 14, 13)},
        {arDown, 3, false, true, Rect(7, 7, 12, 13)},
        {arRight, 4, false, false, Rect(8, 6, 12, 13)},
    };
    for (const Case& c : cases) {
        TPaintSurface s(20, 20);
        PaintArrow(s.Canvas(), c.size, Rect(0, 0, 20, 20), clBlack, c.offset, c.doubleArrow, c.direction);
        EXPECT_EQ(s.InkBounds(), c.ink) << int(c.direction);
    }
    TPaintSurface up(20, 20);
    PaintArrow(up.Canvas(), 4, Rect(0, 0, 20, 20), clBlack, false, false, arUp);
    const std::vector<std::pair<COLORREF, char>> legend = {{White, '.'}, {RGB(0, 0, 0), '#'}};
    EXPECT_EQ(up.Row(8, legend).substr(6, 7), "...#...");
    EXPECT_EQ(up.Row(11, legend).substr(6, 7), "#######");
    TPaintSurface down(20, 20);
    PaintArrow(down.Canvas(), 3, Rect(0, 0, 20, 20), clBlack, false, true, arDown);
    EXPECT_EQ(down.Row(9, legend).substr(7, 5), "..#..");
    EXPECT_EQ(down.Row(10, legend).substr(7, 5), "#####");
}

TEST(EditPaintingRoutines, ArrowSizesTracedSidesAndFlags) {
    EXPECT_EQ(LayoutArrowSize(Size(20, 11), arUp), Size(5, 3));
    EXPECT_EQ(LayoutArrowSize(Size(20, 11), arLeft), Size(3, 5));
    EXPECT_EQ(LayoutArrowSize(Size(9, 9), arDown), Size(5, 3)); // 4 is even: 5

    TPaintSurface s(12, 12);
    TRect r = Rect(1, 1, 11, 11);
    TraceRectSides(s.Canvas(), r, cxBordersAll, clBlack);
    EXPECT_EQ(r, Rect(2, 2, 10, 10));
    EXPECT_EQ(s.InkBounds(), Rect(1, 1, 11, 11));
    EXPECT_EQ(s.At(10, 10), RGB(0, 0, 0));
    EXPECT_EQ(s.At(2, 2), White);

    EXPECT_EQ(TextRowFlagsToCanvasFlags(0x311), 0x464);
    EXPECT_EQ(CanvasFlagsToTextRowFlags(0x464), 0x311);
    EXPECT_EQ(CanvasFlagsToTextRowFlags(ctfAlignLeft | ctfAlignTop), 0);
}

TEST(EditPaintingRoutines, ButtonWidths) {
    TPaintSurface s(10, 10);
    TcxEditButtonViewInfo b;
    const int scroll = GetSystemMetrics(SM_CYHSCROLL);
    b.Kind = bkText;
    b.VisibleCaption = "a";
    EXPECT_EQ(EditButtonWidth(s.Canvas(), &b), std::max(scroll, 4 + s.Canvas()->MeasureTextWidth("a") + 3));
    b.VisibleCaption = "a rather long caption";
    EXPECT_EQ(EditButtonWidth(s.Canvas(), &b), 4 + s.Canvas()->MeasureTextWidth(b.VisibleCaption) + 3);
    b.Width = 2;
    EXPECT_EQ(EditButtonWidth(s.Canvas(), &b), 4);
    b.Width = 0;
    b.Kind = bkEllipsis;
    EXPECT_EQ(EditButtonWidth(s.Canvas(), &b), scroll);
}

// Three pixels: red, the transparent fuchsia, blue.
void MakeGlyph(TBitmap& glyph) {
    glyph.SetPixelFormat(pf32bit);
    glyph.SetSize(3, 1);
    glyph.GetCanvas()->SetPixel(0, 0, clRed);
    glyph.GetCanvas()->SetPixel(1, 0, clFuchsia);
    glyph.GetCanvas()->SetPixel(2, 0, clBlue);
    glyph.TransparentMode = tmFixed;
    glyph.SetTransparentColor(clFuchsia);
}

const std::vector<std::pair<COLORREF, char>> GlyphLegend = {
    {RGB(0, 128, 0), 'g'}, {RGB(255, 0, 0), 'R'}, {RGB(0, 0, 255), 'B'}, {RGB(255, 255, 0), 'y'}};

TEST(EditPaintingRoutines, GlyphsThroughABufferBringTheWholeBuffer) {
    TBitmap glyph;
    MakeGlyph(glyph);
    auto yellowBuffer = [] {
        auto buffer = std::make_unique<TBitmap>();
        buffer->SetPixelFormat(pf32bit);
        buffer->SetSize(5, 1);
        buffer->GetCanvas()->GetBrush()->SetColor(clYellow);
        buffer->GetCanvas()->FillRect(Rect(0, 0, 5, 1));
        return buffer;
    };
    TPaintSurface buffered(7, 1, clGreen);
    auto buffer = yellowBuffer();
    PaintGlyphAt(buffered.Canvas(), 1, 0, buffer.get(), clNone, true, &glyph);
    EXPECT_EQ(buffered.Row(0, GlyphLegend), "gRyByyg");

    TPaintSurface disabledBuffered(7, 1, clGreen);
    buffer = yellowBuffer();
    PaintGlyphAt(disabledBuffered.Canvas(), 1, 0, buffer.get(), clNone, false, &glyph);
    EXPECT_EQ(disabledBuffered.At(2, 0), RGB(255, 255, 0)) << "the buffer shows through the transparent colour";
    EXPECT_EQ(disabledBuffered.At(5, 0), RGB(255, 255, 0));
    EXPECT_NE(disabledBuffered.At(1, 0), RGB(255, 0, 0)) << "drawn in the disabled look";

    TPaintSurface disabledOnColour(7, 1, clGreen);
    PaintGlyphAt(disabledOnColour.Canvas(), 1, 0, nullptr, clYellow, false, &glyph);
    EXPECT_EQ(disabledOnColour.At(2, 0), RGB(255, 255, 0));
    EXPECT_EQ(disabledOnColour.At(4, 0), RGB(0, 128, 0)) << "nothing beyond the glyph";

    TPaintSurface nothing(7, 1, clGreen);
    PaintGlyphAt(nothing.Canvas(), 1, 0, nullptr, clYellow, true, nullptr);
    TBitmap empty;
    PaintGlyphAt(nothing.Canvas(), 1, 0, nullptr, clYellow, true, &empty);
    EXPECT_EQ(nothing.Row(0, GlyphLegend), "ggggggg");
}

TEST(EditPaintingRoutines, ImageListImagesOnTheirBackground) {
    TBitmap glyph;
    MakeGlyph(glyph);
    TImageList images(nullptr, 3, 1);
    images.AddMasked(&glyph, clFuchsia);
    EXPECT_TRUE(ImageListHasSize(&images));
    EXPECT_FALSE(ImageListHasSize(nullptr));

    TPaintSurface s(7, 1, clGreen);
    PaintImageListImageAt(s.Canvas(), &images, 0, nullptr, true, clYellow, Rect(2, 0, 7, 1));
    EXPECT_EQ(s.Row(0, GlyphLegend), "ggRyBgg");
    // A bad index or no list draws nothing.
    PaintImageListImageAt(s.Canvas(), &images, 1, nullptr, true, clYellow, Rect(0, 0, 7, 1));
    PaintImageListImageAt(s.Canvas(), nullptr, 0, nullptr, true, clYellow, Rect(0, 0, 7, 1));
    EXPECT_EQ(s.Row(0, GlyphLegend), "ggRyBgg");
}

TEST(EditPaintingRoutines, ALogicalFontGoesToTheCanvasAndBack) {
    TPaintSurface s(4, 4);
    LOGFONT font;
    font.lfHeight = -15;
    font.lfWeight = FW_BOLD;
    font.lfItalic = 1;
    font.lfFaceName = "DejaVu Sans";
    ApplyLogFontToCanvas(s.Canvas(), font);
    EXPECT_EQ(s.Canvas()->CurrentFont()->GetHeight(), -15);
    LOGFONT read;
    ASSERT_TRUE(ReadCanvasLogFont(s.Canvas(), read));
    EXPECT_EQ(read.lfHeight, -15);
    EXPECT_EQ(read.lfWeight, FW_BOLD);
    EXPECT_EQ(read.lfItalic, 1);
    EXPECT_EQ(read.lfFaceName, "DejaVu Sans");
}

class EditViewInfoPaintTest : public EditorsTest {
  protected:
    EditViewInfoPaintTest() {
        style.SetTransparentBorder(false);
        style.SetBorderStyle(cbsSingle);
        style.SetBorderColor(clBlack);
        style.SetColor(clRed);
        style.GetLookAndFeel()->SetNativeStyle(false);
    }
    void Fill(const TRect& bounds, TPoint p = {-1, -1}) {
        if (!viewData) viewData.reset(properties.MakeViewData(&style, false));
        viewData->TakeOverProperties();
        viewData->FillViewInfo(surface.Canvas(), bounds, p, 0, 0, &viewInfo, false);
    }
    TcxCustomEditProperties properties{nullptr};
    TcxEditStyle style{nullptr};
    std::unique_ptr<TcxCustomEditViewData> viewData;
    TcxCustomEditViewInfo viewInfo;
    TPaintSurface surface{80, 24};
};

TEST_F(EditViewInfoPaintTest, TheBackgroundNeverPaintsInsideOpaqueButtons) {
    properties.GetButtons()->AddButton()->SetWidth(15);
    properties.GetButtons()->AddButton()->SetWidth(15);
    Fill(Rect(0, 0, 80, 24));
    viewInfo.DrawButtonHandler = [](TcxCustomEditViewInfo*, TcxCanvas*, int) { return true; }; // draws nothing
    viewInfo.PaintTo(surface.Canvas());
    EXPECT_EQ(surface.At(0, 0), RGB(0, 0, 0));   // border
    EXPECT_EQ(surface.At(10, 10), RGB(255, 0, 0)); // background
    for (const auto& b : viewInfo.Buttons)
        for (int x = b->Bounds.Left; x < b->Bounds.Right; ++x) EXPECT_EQ(surface.At(x, 10), White) << x;
}

TEST_F(EditViewInfoPaintTest, EllipsisDotsGrowWithTheContent) {
    for (int width : {11, 12}) {
        TPaintSurface s(40, 20);
        properties.GetButtons()->Clear();
        TcxEditButton* button = properties.GetButtons()->AddButton();
        button->SetKind(bkEllipsis);
        button->SetWidth(width);
        Fill(Rect(0, 0, 40, 20));
        // A custom border leaves the whole button to its content.
        viewInfo.DrawButtonBorderHandler = [](TcxCustomEditViewInfo*, TcxCanvas* c, int, TRect&, TRect&) {
            return c != nullptr;
        };
        viewInfo.PaintAllButtons(s.Canvas());
        const int dot = width > 11 ? 2 : 1;
        const TRect b = viewInfo.Button(0)->Bounds;
        const int inkWidth = 3 * dot + 4;
        const int left = b.Left + (b.Width() - inkWidth) / 2, top = b.Top + (b.Height() - dot) / 2;
        TRect dots{40, 20, 0, 0};
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                if (s.At(x, y) == RGB(0, 0, 0)) dots = Rect(std::min(dots.Left, x), std::min(dots.Top, y),
                                                             std::max(dots.Right, x + 1), std::max(dots.Bottom, y + 1));
        EXPECT_EQ(dots, Rect(left, top, left + inkWidth, top + dot)) << width;
    }
}

TEST_F(EditViewInfoPaintTest, AHotButtonAloneInvalidatesOnlyThatButton) {
    properties.GetButtons()->AddButton()->SetWidth(15);
    properties.GetButtons()->AddButton()->SetWidth(15);
    Fill(Rect(0, 0, 80, 24), {70, 10}); // over the second button
    TcxCustomEditViewInfo previous;
    previous.AssignFrom(&viewInfo);
    Fill(Rect(0, 0, 80, 24), {55, 10}); // over the first
    std::unique_ptr<TcxRegion> region(viewInfo.GetUpdateRegionAgainst(&previous));
    EXPECT_EQ(region->GetBoundsRect(), Rect(49, 1, 79, 23));

    TForm* form = Application->CreateForm<TForm>();
    form->SetBounds(0, 0, 120, 60);
    form->Show();
    Pump();
    ValidateRect(form->GetHandle(), nullptr);
    previous.AssignFrom(&viewInfo);
    Fill(Rect(0, 0, 80, 24), {70, 10});
    viewInfo.Left = 10;
    viewInfo.Top = 5;
    EXPECT_TRUE(viewInfo.RepaintDifferences(form, &previous));
    TRect update;
    ASSERT_TRUE(GetUpdateRect(form->GetHandle(), &update));
    EXPECT_EQ(update, Rect(59, 6, 89, 28));

    // A changed border colour alone invalidates the frame strips only.
    ValidateRect(form->GetHandle(), nullptr);
    previous.AssignFrom(&viewInfo);
    viewInfo.BorderColor = clBlue;
    EXPECT_TRUE(viewInfo.RepaintDifferences(form, &previous));
    TRegion rgn;
    GetUpdateRgn(form->GetHandle(), rgn);
    EXPECT_FALSE(rgn.Contains({30, 15})); // the text area
    EXPECT_TRUE(rgn.Contains({10, 5}));  // the top-left border pixel
}

TEST_F(EditViewInfoPaintTest, AMovedButtonIsRepaintedWhereItLay) {
    properties.GetButtons()->AddButton()->SetWidth(15);
    TcxEditButton* last = properties.GetButtons()->AddButton();
    last->SetWidth(15);
    Fill(Rect(0, 0, 80, 24)); // buttons at 49..64 and 64..79
    TcxCustomEditViewInfo previous;
    previous.AssignFrom(&viewInfo);
    last->SetWidth(10);
    Fill(Rect(0, 0, 80, 24)); // 54..69 and 69..79: the first button moved right by 5
    ASSERT_EQ(viewInfo.Button(0)->Bounds, Rect(54, 1, 69, 23));
    TForm* form = Application->CreateForm<TForm>();
    form->SetBounds(0, 0, 120, 60);
    form->Show();
    Pump();
    ValidateRect(form->GetHandle(), nullptr);
    EXPECT_TRUE(viewInfo.RepaintDifferences(form, &previous));
    TRegion rgn;
    GetUpdateRgn(form->GetHandle(), rgn);
    EXPECT_TRUE(rgn.Contains({51, 10})) << "where the first button lay";
    EXPECT_TRUE(rgn.Contains({60, 10}));
    EXPECT_FALSE(rgn.Contains({30, 10})) << "the text area";
}

} // namespace
} // namespace zorvy::test
