// View painting on a bitmap: the background fill around the cells, custom-draw handlers, the
// inverted focus outline, and a pass that a handler's exception cannot leave half done.
#include "platform/classlib/Bitmap.h"
#include "platform/gdi/Colors.h"
#include "tests/controls/grid/GridFixture.h"

#include <stdexcept>

namespace zorvy::test {
namespace {

class ViewPainting : public GridTest {
  protected:
    ViewPainting() : form(NewForm(400, 300)), grid(NewGrid(form)) {
        grid->SetBounds(0, 0, 102, 82); // content 100 x 80
        view = NewView(grid);
        AddLevel(grid, nullptr, view);
        surface.SetSize(100, 80);
        canvas = std::make_unique<TcxCanvas>(surface.GetCanvas());
        canvas->FillRectSolid(Rect(0, 0, 100, 80), clGreen);
    }
    TTestCellViewInfo* Cell() const { return view->Info()->Cell(); }
    TColor At(int x, int y) { return surface.GetCanvas()->GetPixel(x, y); }
    void PaintPass() { view->GetPainter()->Paint(canvas.get(), view->Info()); }

    TForm* form;
    TcxGrid* grid;
    TTestView* view;
    TBitmap surface;
    std::unique_ptr<TcxCanvas> canvas;
};

TEST_F(ViewPainting, WhatNoCellCoversTakesTheBackgroundStyle) {
    TcxStyle style(nullptr);
    style.SetColor(clRed);
    view->GetStyles()->SetBackground(&style);
    PaintPass();
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(99, 79), clRed);
    EXPECT_EQ(At(9, 15), clRed) << "just left of the cell";
    EXPECT_EQ(At(10, 15), clWhite) << "the cell's own background";
    EXPECT_EQ(At(59, 29), clWhite);
    EXPECT_EQ(At(60, 29), clRed);
    view->GetStyles()->SetBackground(nullptr);
}

TEST_F(ViewPainting, ABackgroundBitmapIsTiledFromTheOrigin) {
    view->Info()->CellBounds = TRect{};
    view->LayoutChanged(true);
    TBitmap tile;
    tile.SetSize(4, 4);
    TcxCanvas tileCanvas(tile.GetCanvas());
    tileCanvas.FillRectSolid(Rect(0, 0, 4, 4), clBlue);
    tileCanvas.FillRectSolid(Rect(0, 0, 1, 1), clYellow);
    view->GetBackgroundBitmaps()->SetBackground(&tile);
    PaintPass();
    for (TPoint p : {TPoint{0, 0}, TPoint{4, 0}, TPoint{96, 76}}) EXPECT_EQ(At(p.X, p.Y), clYellow);
    EXPECT_EQ(At(1, 0), clBlue);
    EXPECT_EQ(At(13, 9), clBlue);
}

TEST_F(ViewPainting, ACustomDrawColourHoldsForOnePaint) {
    Cell()->OnCustomDraw = [](TcxCanvas* c) {
        c->UseBrushColor(clBlue);
        return false;
    };
    PaintPass();
    EXPECT_EQ(At(12, 12), clBlue) << "the default drawing took the handler's colour";
    EXPECT_EQ(Cell()->ViewParams.Color, clWhite) << "the cell's own parameters are back";

    Cell()->OnCustomDraw = [](TcxCanvas* c) {
        c->FillRectSolid(Rect(10, 10, 60, 30), clFuchsia);
        return true;
    };
    Cell()->CellBorders = cxBorder(bBottom);
    view->LayoutChanged(true);
    PaintPass();
    EXPECT_EQ(At(12, 12), clFuchsia);
    EXPECT_EQ(At(12, 29), clBlack) << "the borders are drawn after a handler that drew the cell";
}

TEST_F(ViewPainting, AnUnfocusedFocusRectangleInvertsItsOutlineOnce) {
    for (int x = 0; x < 100; x += 3) canvas->FillRectSolid(Rect(x, 0, x + 1, 80), clNavy);
    int draws = 1;
    view->Paint()->DuringPaint = [&] {
        view->GetPainter()->ExcludeFromBackground(Rect(0, 0, 100, 80));
        for (int i = 0; i < draws; ++i) view->GetPainter()->DrawFocusRect(Rect(10, 10, 20, 20), false);
    };
    Cell()->Visible = false;
    TBitmap before;
    before.Assign(&surface);
    PaintPass();
    auto inverted = [](TColor c) { return static_cast<TColor>(~c & 0xFFFFFF); };
    for (TPoint p : {TPoint{10, 10}, TPoint{19, 10}, TPoint{10, 19}, TPoint{19, 19}, TPoint{15, 10}, TPoint{10, 15},
                     TPoint{19, 15}, TPoint{15, 19}})
        EXPECT_EQ(At(p.X, p.Y), inverted(before.GetCanvas()->GetPixel(p.X, p.Y))) << p.X << "," << p.Y;
    for (TPoint p : {TPoint{11, 11}, TPoint{18, 18}, TPoint{9, 10}, TPoint{20, 10}, TPoint{10, 9}, TPoint{10, 20}})
        EXPECT_EQ(At(p.X, p.Y), before.GetCanvas()->GetPixel(p.X, p.Y)) << p.X << "," << p.Y;

    surface.Assign(&before);
    draws = 2;
    PaintPass();
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(At(x, y), before.GetCanvas()->GetPixel(x, y)) << x << "," << y;
}

// A handler that raises used to leave the canvas clipped to what the pass had made of it.
TEST_F(ViewPainting, AHandlerThatRaisesLeavesNoPassBehind) {
    TcxRegion* clipBefore = canvas->CopyClipRegion();
    Cell()->OnCustomDraw = [](TcxCanvas* c) -> bool {
        c->ClipIntersectRect(Rect(0, 0, 5, 5));
        throw std::runtime_error("handler failed");
    };
    const int afterPaints = view->Control()->AfterPaints;
    EXPECT_THROW(PaintPass(), std::runtime_error);
    TcxRegion* clipAfter = canvas->CopyClipRegion();
    EXPECT_TRUE(clipAfter->SameAs(clipBefore)) << "the clip region is the one before the pass";
    delete clipBefore;
    delete clipAfter;
    EXPECT_FALSE(view->GetPainter()->IsPainting());
    EXPECT_NE(view->GetPainter()->GetCanvas(), canvas.get()) << "the pass's canvas is forgotten";
    EXPECT_EQ(view->Control()->AfterPaints, afterPaints + 1) << "the controller's after-paint step ran";
    EXPECT_EQ(Cell()->ViewParams.Color, clWhite);

    Cell()->OnCustomDraw = nullptr;
    PaintPass();
    EXPECT_EQ(static_cast<COLORREF>(At(50, 70)), ColorToRGB(view->Info()->GetBackgroundColor()))
        << "the next pass paints everything again";
}

} // namespace
} // namespace zorvy::test
