// The banded view on screen: band and column widths, header heights by nesting level and line
// count, the fixed groups at the edges while the others scroll, cells under their headers in
// their band rows, the header's hit tests, and painting that keeps fixed bands clear.
#include "controls/data/DataController.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/bandedview/BandedHitTests.h"
#include "controls/grid/bandedview/BandedViewInfo.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableController.h"
#include "platform/classlib/Bitmap.h"
#include "tests/controls/grid/GridFixture.h"

#include <numeric>
#include <string>

namespace zorvy::test {
namespace {

class TTestBandedView : public TcxGridBandedTableView {
    ZORVY_CLASS(TTestBandedView, TcxGridBandedTableView)
  public:
    using TcxGridBandedTableView::TcxGridBandedTableView;
    int CalculateDefaultDataRowHeight() override { return 19; }
};

class BandedLayout : public GridTest {
  protected:
    BandedLayout() {
        InitializeTextEditUnit();
        form = NewForm(900, 600);
        grid = NewGrid(form);
        grid->SetBounds(0, 0, 600, 400);
        view = static_cast<TTestBandedView*>(
            TcxControlChildComponent::CreateForControl(TTestBandedView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
    }
    ~BandedLayout() override { FinalizeTextEditUnit(); }

    TcxGridBand* AddBand(const std::string& caption, int width = 0, TcxGridBandFixedKind kind = fkNone) {
        TcxGridBand* band = view->GetBands()->Add();
        band->SetCaption(caption);
        band->SetWidth(width);
        band->SetFixedKind(kind);
        return band;
    }
    TcxGridBandedColumn* AddColumn(TcxGridBand* band, const std::string& caption, int width = 60, int row = 0) {
        TcxGridBandedColumn* column = view->CreateColumn();
        column->SetCaption(caption);
        column->SetWidth(width);
        column->GetPosition()->SetBandIndex(band->GetIndex());
        column->GetPosition()->SetRowIndex(row);
        return column;
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
    TcxGridBandsViewInfo* Bands() { return Layout()->GetBandsViewInfo(); }
    TcxGridBandViewInfo* BandOf(TcxGridBand* band) { return Bands()->FindBandViewInfo(band); }
    TcxGridColumnHeaderViewInfo* HeaderOf(TcxGridColumn* column) { return Layout()->GetHeaderViewInfo()->FindItem(column); }
    TcxGridDataRowViewInfo* Row(int index) {
        return static_cast<TcxGridDataRowViewInfo*>(Layout()->GetRowsViewInfo()->GetItem(index));
    }
    TcxGridDataCellViewInfo* Cell(int row, TcxGridColumn* column) { return Row(row)->FindCellViewInfo(column->GetVisibleIndex()); }
    void Relayout() { Layout()->Recalculate(); }
    // A header line: the text height of the standard font, 2 pixels of margin above and below, and
    // the look-and-feel's header border on both sides.
    int OneLine() {
        return Layout()->GetTextHeight(grid->GetFont()) + 4 +
               2 * Layout()->GetHeaderViewInfo()->GetLookAndFeelPainter()->GetHeaderBorderWidth();
    }
    void ScrollTo(int leftPos) {
        static_cast<TcxGridTableController*>(view->GetController())->SetLeftPos(leftPos);
        Relayout();
    }

    TForm* form;
    TcxGrid* grid;
    TTestBandedView* view;
};

TEST_F(BandedLayout, ARowsColumnsShareTheirBandsWidthExactly) {
    struct {
        int bandWidth, columns, expected;
    } const cases[] = {{377, 16, 377}, {62, 2, 62}, {0, 0, 50}, {0, 3, 180}};
    std::vector<std::pair<TcxGridBand*, std::vector<TcxGridBandedColumn*>>> built;
    for (const auto& c : cases) {
        TcxGridBand* band = AddBand("B", c.bandWidth);
        built.emplace_back(band, std::vector<TcxGridBandedColumn*>{});
        for (int i = 0; i < c.columns; ++i) built.back().second.push_back(AddColumn(band, "c" + std::to_string(i)));
    }
    Relayout();
    int total = 0;
    for (size_t k = 0; k < built.size(); ++k) {
        const auto& c = cases[k];
        SCOPED_TRACE(c.bandWidth * 100 + c.columns);
        ASSERT_NE(BandOf(built[k].first), nullptr);
        EXPECT_EQ(BandOf(built[k].first)->GetShownWidth(), c.expected);
        int sum = 0;
        for (TcxGridBandedColumn* column : built[k].second) {
            const int width = HeaderOf(column)->GetRealWidth();
            EXPECT_GE(width, 20) << column->GetCaption();
            sum += width;
        }
        if (c.columns > 0) {
            EXPECT_EQ(sum, c.expected);
        }
        total += c.expected;
    }
    EXPECT_EQ(Layout()->GetDataWidth(), total);
}

TEST_F(BandedLayout, AnEmptyBandIsSqueezedToNoLessThan20) {
    TcxGridBand* wide = AddBand("wide");
    AddColumn(wide, "a", 900);
    TcxGridBand* empty = AddBand("empty");
    view->GetOptionsView()->SetColumnAutoWidth(true);
    Relayout();
    EXPECT_GE(BandOf(empty)->GetShownWidth(), 20);
    EXPECT_EQ(BandOf(wide)->GetShownWidth() + BandOf(empty)->GetShownWidth(), Layout()->GetClientWidth());
}

TEST_F(BandedLayout, HeaderHeightsFollowLineCountsAndOptions) {
    TcxGridBand* band = AddBand("B");
    TcxGridBandedColumn* tall = AddColumn(band, "tall", 60, 0);
    TcxGridBandedColumn* low = AddColumn(band, "low", 60, 1);
    tall->GetPosition()->SetLineCount(2);
    Fill(3);
    Relayout();
    const int line = Bands()->GetColumnHeaderLineHeight();
    const int bandHeader = Bands()->GetBandHeaderHeight();
    // One line of either header is the text of the standard font with margins and borders.
    EXPECT_EQ(bandHeader, OneLine());
    EXPECT_EQ(line, OneLine());
    EXPECT_EQ(Bands()->GetLineCount(), 3);
    EXPECT_EQ(Layout()->GetHeaderViewInfo()->GetPartHeight(), bandHeader + 3 * line);
    EXPECT_EQ(HeaderOf(tall)->GetRealBounds().Top, BandOf(band)->GetHeaderViewInfo()->Bounds.Bottom);
    EXPECT_EQ(HeaderOf(tall)->Bounds.Bottom - HeaderOf(tall)->GetRealBounds().Top, 2 * line);
    EXPECT_EQ(HeaderOf(low)->GetRealBounds().Top, HeaderOf(tall)->Bounds.Bottom);
    // Data rows are three lines tall; the low column's cell starts two lines down.
    EXPECT_EQ(Row(0)->GetDataHeight(), 3 * 19);
    EXPECT_EQ(Cell(0, tall)->Bounds.Bottom - Cell(0, tall)->Bounds.Top, 2 * 19);
    EXPECT_EQ(Cell(0, low)->Bounds.Top - Row(0)->Bounds.Top, 2 * 19);
    EXPECT_FALSE(Layout()->SupportsAutoHeight());

    struct {
        int lineCount, height, expected;
    } const options[] = {{2, 0, 2 * OneLine()}, {0, 0, OneLine()}, {1, 30, 30}, {1, -5, OneLine()}};
    for (const auto& o : options) {
        SCOPED_TRACE(o.lineCount * 100 + o.height);
        view->GetOptionsView()->SetBandHeaderLineCount(o.lineCount);
        view->GetOptionsView()->SetBandHeaderHeight(o.height);
        Relayout();
        EXPECT_EQ(Bands()->GetBandHeadersAreaHeight(), o.expected);
    }
}

TEST_F(BandedLayout, HidingBandHeadersOrColumnHeadersLeavesTheOther) {
    TcxGridBand* band = AddBand("B");
    AddColumn(band, "a");
    view->GetOptionsView()->SetIndicator(true);
    Relayout();
    EXPECT_EQ(Layout()->GetHeaderViewInfo()->GetPartHeight(), 2 * OneLine());
    view->GetOptionsView()->SetBandHeaders(false);
    Relayout();
    EXPECT_EQ(Bands()->GetBandHeadersAreaHeight(), 0);
    EXPECT_EQ(Layout()->GetHeaderViewInfo()->GetPartHeight(), OneLine());
    view->GetOptionsView()->SetBandHeaders(true);
    view->GetOptionsView()->SetHeader(false);
    Relayout();
    EXPECT_EQ(Layout()->GetHeaderViewInfo()->GetPartHeight(), OneLine());
}

TEST_F(BandedLayout, NestedBandsStackTheirHeadersAndBottomBandsReachTheColumns) {
    TcxGridBand* parent = AddBand("parent");
    TcxGridBand* left = AddBand("left");
    TcxGridBand* right = AddBand("right");
    TcxGridBand* flat = AddBand("flat");
    left->GetPosition()->SetBandIndex(parent->GetIndex());
    right->GetPosition()->SetBandIndex(parent->GetIndex());
    TcxGridBandedColumn* a = AddColumn(left, "a", 70);
    AddColumn(right, "b", 50);
    TcxGridBandedColumn* c = AddColumn(flat, "c", 40);
    Relayout();
    const TRect parentHeader = BandOf(parent)->GetHeaderViewInfo()->Bounds;
    const TRect leftHeader = BandOf(left)->GetHeaderViewInfo()->Bounds;
    const TRect flatHeader = BandOf(flat)->GetHeaderViewInfo()->Bounds;
    EXPECT_EQ(BandOf(parent)->GetShownWidth(), 120);
    EXPECT_EQ(parentHeader.Bottom - parentHeader.Top, OneLine());
    EXPECT_EQ(leftHeader.Top, parentHeader.Bottom);
    EXPECT_EQ(leftHeader.Left, parentHeader.Left);
    EXPECT_EQ(BandOf(right)->GetHeaderViewInfo()->Bounds.Left, leftHeader.Right);
    EXPECT_EQ(flatHeader.Top, parentHeader.Top);
    EXPECT_EQ(flatHeader.Bottom, leftHeader.Bottom) << "a bottom band's header reaches the deepest level";
    EXPECT_EQ(HeaderOf(a)->GetRealBounds().Top, HeaderOf(c)->GetRealBounds().Top);
    EXPECT_EQ(Bands()->GetBandHeadersAreaHeight(), 2 * OneLine());
}

class FixedBands : public BandedLayout {
  protected:
    FixedBands() {
        leftBand = AddBand("L", 100, fkLeft);
        first = AddBand("N1", 300);
        second = AddBand("N2", 300);
        rightBand = AddBand("R", 80, fkRight);
        fixedColumn = AddColumn(leftBand, "l");
        scrolledColumn = AddColumn(first, "n1");
        AddColumn(second, "n2");
        rightColumn = AddColumn(rightBand, "r");
        view->GetOptionsView()->SetFixedBandSeparatorColor(clBlue);
        Fill(5);
        Relayout();
    }
    TcxGridBand *leftBand, *first, *second, *rightBand;
    TcxGridBandedColumn *fixedColumn, *scrolledColumn, *rightColumn;
};

TEST_F(FixedBands, FixedBandsStayAtTheEdgesWhileTheOthersScrollBetweenThem) {
    const TRect client = Layout()->GetClientBounds();
    const int separator = 2;
    EXPECT_EQ(BandOf(leftBand)->Bounds.Left, client.Left);
    EXPECT_EQ(BandOf(leftBand)->GetShownWidth(), 100 + separator);
    EXPECT_EQ(BandOf(first)->Bounds.Left, client.Left + 102);
    EXPECT_EQ(BandOf(rightBand)->Bounds.Right, client.Right);
    EXPECT_EQ(BandOf(rightBand)->GetSeparatorWidth(bLeft), separator);
    EXPECT_EQ(BandOf(first)->GetSeparatorWidth(bLeft) + BandOf(first)->GetSeparatorWidth(bRight), 0);
    EXPECT_EQ(Layout()->GetCellsAreaBounds().Left, client.Left + 102);
    EXPECT_EQ(Layout()->GetCellsAreaBounds().Right, client.Right - 82);
    const TRect fixedCell = Cell(0, fixedColumn)->Bounds;
    const TRect rightCell = Cell(0, rightColumn)->Bounds;
    const int scrolledLeft = HeaderOf(scrolledColumn)->GetRealBounds().Left;

    ScrollTo(50);
    EXPECT_EQ(static_cast<TcxGridTableController*>(view->GetController())->GetLeftPos(), 50);
    EXPECT_EQ(BandOf(leftBand)->Bounds.Left, client.Left);
    EXPECT_EQ(Cell(0, fixedColumn)->Bounds, fixedCell);
    EXPECT_EQ(Cell(0, rightColumn)->Bounds, rightCell);
    EXPECT_EQ(HeaderOf(scrolledColumn)->GetRealBounds().Left, scrolledLeft - 50);
    EXPECT_EQ(Cell(0, scrolledColumn)->Bounds.Left, scrolledLeft - 50);
    EXPECT_FALSE(Layout()->CanOffsetView(0, -10, 0)) << "fixed bands are laid out again, never pixel-shifted";
}

TEST_F(FixedBands, TheHeaderAnswersBandsColumnsAndEdges) {
    view->GetOptionsView()->SetIndicator(true);
    TcxGridBand* tall = AddBand("tall", 0, fkNone);
    AddColumn(tall, "t1", 60, 0);
    AddColumn(tall, "t2", 60, 1);
    Relayout();
    const TRect header = BandOf(leftBand)->GetHeaderViewInfo()->Bounds;
    const TRect column = HeaderOf(fixedColumn)->Bounds;
    const TRect band = BandOf(leftBand)->Bounds;
    struct {
        TPoint p;
        int code;
    } const cases[] = {
        {{header.Left + 10, header.Top + 5}, htBandHeader},
        {{header.Right - 2, header.Top + 5}, htBandHeaderSizingEdge},
        {{column.Left + 10, column.Top + 5}, htColumnHeader},
        {{column.Left + 10, column.Bottom - 2}, htColumnHeaderVertSizingEdge},
        {{band.Left + 10, column.Bottom + 6}, htBand},
        {{Layout()->GetIndicatorViewInfo()->Bounds.Left + 2, header.Top + 5}, htIndicatorBandHeader},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        TcxCustomGridHitTest* hit = Layout()->GetHitTest(c.p);
        ASSERT_NE(hit, nullptr);
        EXPECT_EQ(hit->GetHitTestCode(), c.code);
    }
    auto* bandHit = static_cast<TcxGridBandHitTest*>(Layout()->GetHitTest(TPoint{band.Left + 10, column.Bottom + 6}));
    EXPECT_EQ(bandHit->GetBand(), leftBand);
    EXPECT_EQ(bandHit->GetVisibleRowIndex(), 1) << "below the last row: a new row";
    EXPECT_EQ(Layout()->GetHitTest(TPoint{column.Left + 10, column.Bottom - 2})->GetCursor(), crcxVertSize);
    TcxGridBandedColumn* fixed = fixedColumn;
    fixed->GetOptions()->SetVertSizing(false);
    Relayout();
    EXPECT_EQ(Layout()->GetHitTest(TPoint{column.Left + 10, column.Bottom - 2})->GetHitTestCode(), htColumnHeader);
}

// ---- painting ----

class FixedBandsPainting : public FixedBands {
  protected:
    FixedBandsPainting() {
        surface.SetSize(600, 400);
        canvas = std::make_unique<TcxCanvas>(surface.GetCanvas());
        view->OnCustomDrawCell = [this](TcxCustomGridTableView*, TcxCanvas* c, TcxGridTableDataCellViewInfo* cell, bool& done) {
            c->FillRectSolid(cell->Bounds, cell->GetItem() == fixedColumn ? clRed : clLime);
            done = true;
        };
    }
    void Paint() {
        canvas->ApplyClipRegion(TcxRegion::CreateFromRect(TRect{0, 0, 600, 400}));
        canvas->FillRectSolid(TRect{0, 0, 600, 400}, clWhite);
        view->GetPainter()->Paint(canvas.get(), Layout());
        canvas->ApplyClipRegion(TcxRegion::CreateFromRect(TRect{0, 0, 600, 400}));
    }
    COLORREF At(int x, int y) { return static_cast<COLORREF>(surface.GetCanvas()->GetPixel(x, y)); }
    TBitmap surface;
    std::unique_ptr<TcxCanvas> canvas;
};

TEST_F(FixedBandsPainting, ScrolledBandsNeverCoverAFixedBandOrItsSeparator) {
    ScrollTo(150);
    Paint();
    const TRect fixedCell = Cell(0, fixedColumn)->Bounds;
    const TRect band = BandOf(leftBand)->Bounds;
    const int y = (fixedCell.Top + fixedCell.Bottom) / 2;
    for (int x = fixedCell.Left + 1; x < fixedCell.Right - 1; x += 7) EXPECT_EQ(At(x, y), ColorToRGB(clRed)) << x;
    EXPECT_EQ(At(band.Right - 1, y), ColorToRGB(clBlue)) << "the separator strip";
    EXPECT_EQ(At(band.Right + 1, y), ColorToRGB(clLime)) << "the scrolled cells start beyond it";
    const TRect rightBand = BandOf(this->rightBand)->Bounds;
    EXPECT_EQ(At(rightBand.Left, y), ColorToRGB(clBlue));
    // The fixed band's column header is not covered by the scrolled headers either.
    const TRect header = HeaderOf(fixedColumn)->GetRealBounds();
    const TRect scrolledHeader = HeaderOf(scrolledColumn)->GetRealBounds();
    ASSERT_LT(scrolledHeader.Left, header.Right) << "the scrolled header lies under the fixed band";
    EXPECT_EQ(At(band.Right - 1, (header.Top + header.Bottom) / 2), ColorToRGB(clBlue));
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(BandedLayout, DeletingAViewALevelStillShowsLeavesTheGridWhole) {
    TcxGridBand* band = AddBand("B");
    TcxGridBandedColumn* column = AddColumn(band, "a");
    Fill(5);
    Relayout();
    view->GetController()->SetFocusedItem(column);
    view->GetController()->SetFocusedRowIndex(2);
    delete view;
    view = nullptr;
    form->Repaint();
    grid->SetBounds(0, 0, 500, 300);
    Application->ProcessMessages();
    EXPECT_EQ(grid->GetRootLevel()->GetItem(0)->GetGridView(), nullptr);
}

} // namespace
} // namespace zorvy::test
