// Painting a banded view's rows and footer: band content styles under the cells, the grid lines
// that keep multi-line band rows whole, and a footer whose scrolled cells never cover the fixed
// bands' cells or separators.
#include "controls/data/DataController.h"
#include "controls/data/DataSummary.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/graphics/Region.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/bandedview/BandedFooter.h"
#include "controls/grid/bandedview/BandedPainters.h"
#include "controls/grid/bandedview/BandedViewInfo.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableController.h"
#include "platform/classlib/Bitmap.h"
#include "tests/controls/grid/GridFixture.h"

#include <memory>
#include <string>

namespace zorvy::test {
namespace {

class TPaintedBandedView : public TcxGridBandedTableView {
    ZORVY_CLASS(TPaintedBandedView, TcxGridBandedTableView)
  public:
    using TcxGridBandedTableView::TcxGridBandedTableView;
    int CalculateDefaultDataRowHeight() override { return 19; }
};

class BandedPainting : public GridTest {
  protected:
    BandedPainting() {
        InitializeTextEditUnit();
        form = NewForm(900, 600);
        grid = NewGrid(form);
        grid->SetBounds(0, 0, 600, 400);
        view = static_cast<TPaintedBandedView*>(
            TcxControlChildComponent::CreateForControl(TPaintedBandedView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
        view->GetOptionsView()->SetFixedBandSeparatorColor(clBlue);
        view->GetOptionsView()->SetGridLineColor(clNavy);
        surface.SetSize(600, 400);
        canvas = std::make_unique<TcxCanvas>(surface.GetCanvas());
    }
    ~BandedPainting() override { FinalizeTextEditUnit(); }

    TcxGridBand* AddBand(const std::string& caption, int width, TcxGridBandFixedKind kind = fkNone) {
        TcxGridBand* band = view->GetBands()->Add();
        band->SetCaption(caption);
        band->SetWidth(width);
        band->SetFixedKind(kind);
        return band;
    }
    TcxGridBandedColumn* AddColumn(TcxGridBand* band, int width, int row = 0, int lines = 1) {
        TcxGridBandedColumn* column = view->CreateColumn();
        column->SetWidth(width);
        column->GetPosition()->SetBandIndex(band->GetIndex());
        column->GetPosition()->SetRowIndex(row);
        column->GetPosition()->SetLineCount(lines);
        return column;
    }
    TcxDataSummaryItem* AddFooterItem(TcxGridColumn* column) {
        TcxDataSummaryItem* item = view->GetDataController()->GetSummary().FooterSummaryItems().NewItem();
        item->SetItemLink(column);
        item->SetKind(skCount);
        return item;
    }
    void Fill(int rows) {
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int i = 0; i < view->GetItemCount(); ++i) data->SetValue(r, i, Variant("r" + std::to_string(r)));
        data->EndUpdate();
    }
    TcxGridBandedTableViewInfo* Layout() { return static_cast<TcxGridBandedTableViewInfo*>(view->GetViewInfo()); }
    TcxGridBandViewInfo* BandOf(TcxGridBand* band) { return Layout()->GetBandsViewInfo()->FindBandViewInfo(band); }
    TcxGridDataRowViewInfo* Row(int index) {
        return static_cast<TcxGridDataRowViewInfo*>(Layout()->GetRowsViewInfo()->GetItem(index));
    }
    TRect CellOf(int row, TcxGridColumn* column) { return Row(row)->FindCellViewInfo(column->GetVisibleIndex())->Bounds; }
    TcxGridBandedFooterViewInfo* Footer() { return static_cast<TcxGridBandedFooterViewInfo*>(Layout()->GetFooterViewInfo()); }
    void ScrollTo(int leftPos) {
        static_cast<TcxGridTableController*>(view->GetController())->SetLeftPos(leftPos);
        Layout()->Recalculate();
    }
    void Paint() {
        Layout()->Recalculate();
        canvas->ApplyClipRegion(TcxRegion::CreateFromRect(TRect{0, 0, 600, 400}));
        canvas->FillRectSolid(TRect{0, 0, 600, 400}, clWhite);
        view->GetPainter()->Paint(canvas.get(), Layout());
        canvas->ApplyClipRegion(TcxRegion::CreateFromRect(TRect{0, 0, 600, 400}));
    }
    COLORREF At(int x, int y) { return static_cast<COLORREF>(surface.GetCanvas()->GetPixel(x, y)); }

    TForm* form;
    TcxGrid* grid;
    TPaintedBandedView* view;
    TBitmap surface;
    std::unique_ptr<TcxCanvas> canvas;
};

// ---- rows ----

// One band with a short cell (a, one line) beside a tall one (b, two lines) and a row below (c);
// another band without a style of its own.
class MultiLineBandRows : public BandedPainting {
  protected:
    MultiLineBandRows() {
        band = AddBand("B", 200);
        plain = AddBand("P", 100);
        a = AddColumn(band, 100, 0, 1);
        b = AddColumn(band, 100, 0, 2);
        c = AddColumn(band, 100, 1, 1);
        p = AddColumn(plain, 100);
        style = new TcxStyle(form);
        style->SetColor(clYellow);
        band->GetStyles()->SetContent(style);
        Fill(3);
    }
    TcxGridBand *band, *plain;
    TcxGridBandedColumn *a, *b, *c, *p;
    TcxStyle* style;
};

TEST_F(MultiLineBandRows, CellsTakeTheirBandsContentStyleAndGapsStayFramed) {
    Paint();
    const TRect cellA = CellOf(0, a), cellB = CellOf(0, b), cellC = CellOf(0, c), cellP = CellOf(0, p);
    ASSERT_EQ(cellB.Bottom - cellB.Top, 2 * (cellA.Bottom - cellA.Top)) << "b is two lines tall, a one";
    // Text is left-aligned: the cells' right ends show their background.
    EXPECT_EQ(At(cellA.Right - 4, cellA.Top + 3), ColorToRGB(clYellow)) << "a band's column takes its Content style";
    EXPECT_EQ(At(cellC.Right - 4, cellC.Top + 3), ColorToRGB(clYellow));
    EXPECT_EQ(At(cellP.Right - 4, cellP.Top + 3), ColorToRGB(clWindow)) << "a band without one keeps the view's";
    // Below a, beside the tall b: the band's content, framed on the right by the line along b.
    const int gapY = cellA.Bottom + 4;
    EXPECT_EQ(At(cellA.Left + 5, gapY), ColorToRGB(clYellow));
    EXPECT_EQ(At(cellB.Left - 1, gapY), ColorToRGB(clNavy)) << "the vertical line along b's left edge";
    EXPECT_EQ(At(cellC.Left + 5, cellC.Top - 1), ColorToRGB(clNavy)) << "the horizontal line along c's top";
    EXPECT_EQ(At(cellP.Right - 1, cellP.Bottom + 4), ColorToRGB(clNavy)) << "a band's right edge below its short cells";

    view->GetOptionsView()->SetGridLines(glHorizontal);
    Paint();
    EXPECT_EQ(At(cellB.Left - 1, gapY), ColorToRGB(clYellow)) << "no vertical lines without vertical grid lines";
    view->GetOptionsView()->SetGridLines(glNone);
    Paint();
    EXPECT_EQ(At(cellC.Left + 5, cellC.Top - 1), ColorToRGB(clYellow));
}

TEST_F(MultiLineBandRows, AFocusedRecordRepaintsInItsNewStateWithoutANewLayout) {
    Paint();
    const auto colourOf = [&](int row) { return Row(row)->FindCellViewInfo(p->GetVisibleIndex())->ViewParams.Color; };
    const TColor plainColour = colourOf(1);
    // Focusing a record recalculates only its row, as a click does, not the whole view.
    static_cast<TcxGridTableController*>(view->GetController())->SetFocusedRowIndex(1);
    EXPECT_NE(colourOf(1), plainColour) << "the newly focused row takes the selection colours";
    static_cast<TcxGridTableController*>(view->GetController())->SetFocusedRowIndex(2);
    EXPECT_EQ(colourOf(1), plainColour) << "and gives them up when the focus moves on";
    EXPECT_NE(colourOf(2), plainColour);
}

TEST_F(MultiLineBandRows, TheInnerLinesLieBetweenTheCells) {
    Layout()->Recalculate();
    const TRect cellB = CellOf(1, b), cellC = CellOf(1, c);
    const std::vector<TRect> lines = BandOf(band)->GetInnerGridLines(Row(1));
    const std::vector<TRect> expected = {TRect{cellB.Left - 1, cellB.Top, cellB.Left, cellB.Bottom},
                                         TRect{cellC.Left, cellC.Top - 1, cellC.Right, cellC.Top}};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(BandOf(plain)->GetInnerGridLines(Row(1)).empty()) << "a one-column band has none";
}

TEST_F(MultiLineBandRows, WithoutBandPicturesBandsShowTheirColourAndRepaintSideways) {
    Paint();
    TcxGridColumnHeaderViewInfo* header = Layout()->GetHeaderViewInfo()->FindItem(p);
    const TColor background = header->GetLookAndFeelPainter()->DefaultBandBackgroundColor();
    EXPECT_EQ(At(header->Bounds.Left + 5, header->Bounds.Bottom + 4), ColorToRGB(background))
        << "the band's background below its one-line column headers";
    auto* painter = static_cast<TcxGridBandedTablePainter*>(view->GetPainter());
    EXPECT_TRUE(painter->CanOffset(0, 0, -10)) << "rows scroll by pixels";
    EXPECT_FALSE(painter->CanOffset(0, -10, 0)) << "sideways the view repaints";
}

// ---- footer ----

class BandedFooter : public BandedPainting {
  protected:
    BandedFooter() {
        leftBand = AddBand("L", 100, fkLeft);
        first = AddBand("N1", 300);
        second = AddBand("N2", 300);
        rightBand = AddBand("R", 80, fkRight);
        fixedColumn = AddColumn(leftBand, 100);
        scrolled = AddColumn(first, 150);
        scrolled2 = AddColumn(first, 150);
        farColumn = AddColumn(second, 300);
        rightColumn = AddColumn(rightBand, 80);
        view->GetOptionsView()->SetFooter(true);
        view->SetOnCustomDrawFooterCell([this](TcxGridTableView*, TcxCanvas* c, TcxCustomGridCellViewInfo* cell, bool& done) {
            const TcxGridColumn* column = static_cast<TcxGridColumnHeaderViewInfo*>(cell)->GetColumn();
            c->FillRectSolid(cell->Bounds, column == fixedColumn ? clRed : column == rightColumn ? clFuchsia : clLime);
            done = true;
        });
        Fill(4);
    }
    int FooterY() { return (Footer()->Bounds.Top + Footer()->Bounds.Bottom) / 2; }
    TcxGridBand *leftBand, *first, *second, *rightBand;
    TcxGridBandedColumn *fixedColumn, *scrolled, *scrolled2, *farColumn, *rightColumn;
};

TEST_F(BandedFooter, CellsGoByColumnThenBySummaryItem) {
    // Items made out of column order; the columns' visible order is left-fixed, right-fixed, others.
    AddFooterItem(scrolled2);
    AddFooterItem(rightColumn);
    AddFooterItem(scrolled);
    AddFooterItem(fixedColumn);
    Layout()->Recalculate();
    const TcxGridColumn* expected[] = {fixedColumn, rightColumn, scrolled, scrolled2};
    ASSERT_EQ(Footer()->GetSummaryItemCount(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Footer()->GetSummaryItem(i)->GetItemLink(), expected[i]) << i;
}

TEST_F(BandedFooter, ScrolledCellsNeverCoverTheFixedBandsOrTheirSeparators) {
    for (TcxGridColumn* column : {fixedColumn, scrolled, rightColumn}) AddFooterItem(column);
    ScrollTo(100);
    Paint();
    const int y = FooterY();
    const TRect left = BandOf(leftBand)->Bounds, right = BandOf(rightBand)->Bounds;
    ASSERT_LT(CellOf(0, scrolled).Left, left.Right) << "the scrolled column lies partly under the fixed band";
    EXPECT_EQ(At(left.Left + 20, y), ColorToRGB(clRed));
    EXPECT_EQ(At(left.Right - 1, y), ColorToRGB(clBlue)) << "the left separator runs through the footer";
    EXPECT_EQ(At(right.Left, y), ColorToRGB(clBlue)) << "so does the right one";
    EXPECT_EQ(At(right.Right - 20, y), ColorToRGB(clFuchsia));
    EXPECT_EQ(At(left.Right + 5, y), ColorToRGB(clLime)) << "the scrolled cell shows beyond the separator";
}

TEST_F(BandedFooter, ScrolledCellsKeepOffARightFixedPartWithoutCells) {
    // No footer cell in the right-fixed band: the far column, under it unscrolled, must still not
    // show there.
    AddFooterItem(fixedColumn);
    AddFooterItem(farColumn);
    Paint();
    const int y = FooterY();
    const TRect right = BandOf(rightBand)->Bounds;
    ASSERT_GT(CellOf(0, farColumn).Right, right.Left) << "the far column reaches under the right-fixed band";
    EXPECT_EQ(At(right.Left, y), ColorToRGB(clBlue));
    EXPECT_NE(At(right.Right - 20, y), ColorToRGB(clLime));
    EXPECT_EQ(At(right.Left - 5, y), ColorToRGB(clLime));
}

} // namespace
} // namespace zorvy::test
