// Sizing a table view by the mouse: a column's width from its header's right edge, the data row
// height from a row's edge in the indicator, the inverted mark line, and best fit.
#include "controls/grid/tableview/GridSizingObjects.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/grid/view/GridSite.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

#include <cstdint>
#include <vector>

namespace zorvy::test {
namespace {

class TableSizing : public TableViewTest {
  protected:
    TableSizing() {
        form->SetBounds(0, 0, 600, 400);
        grid->SetBounds(0, 0, 500, 300);
        a = AddColumn("A");
        b = AddColumn("B");
        a->SetWidth(100);
        b->SetWidth(100);
        view->GetOptionsView()->SetIndicator(true);
        view->GetOptionsCustomize()->SetDataRowSizing(true);
        Fill({{"one", "x"}, {"two", "y"}, {"three", "z"}});
        view->SetOnColumnSizeChanged([this](TcxGridTableView*, TcxGridColumn*) { ++sizeChanges; });
        form->Show();
        Pump();
    }
    TcxGridTableViewInfo* Layout() { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    TcxGridSite* Site() { return static_cast<TcxGridSite*>(view->GetSite()); }
    TcxCustomGridSizingObject* Sizing() {
        return dynamic_cast<TcxCustomGridSizingObject*>(view->GetController()->GetDragAndDropObject());
    }
    TRect HeaderCell(TcxGridColumn* column) {
        return Layout()->GetHeaderViewInfo()->GetItem(column->GetVisibleIndex())->Bounds;
    }
    // A point on the column's sizing edge.
    TPoint EdgeOf(TcxGridColumn* column) {
        const TRect r = HeaderCell(column);
        return TPoint{r.Right - 1, (r.Top + r.Bottom) / 2};
    }
    // A point on the bottom edge of the row's indicator cell.
    TPoint RowEdge(int row) {
        const TRect indicator = Layout()->GetIndicatorViewInfo()->Bounds;
        return TPoint{indicator.Left + 4, Layout()->GetRowsViewInfo()->GetItem(row)->Bounds.Bottom - 1};
    }
    void Press(TPoint p) {
        Wait(1000); // no double click with an earlier press
        display.PressMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
    }
    void Move(TPoint p) {
        display.MoveMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
    }
    void Release(TPoint p) {
        display.ReleaseMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
    }
    void Drag(TPoint from, TPoint to) {
        Press(from);
        Move(to);
        Release(to);
    }
    std::vector<std::uint32_t> Pixels() {
        HBITMAP shown = display.Capture(Site()->GetHandle());
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < Site()->GetClientHeight(); ++y)
            for (int x = 0; x < Site()->GetClientWidth(); ++x) pixels.push_back(shown->Row(y)[x] & 0xFFFFFF);
        DeleteObject(shown);
        return pixels;
    }
    std::uint32_t PixelAt(const std::vector<std::uint32_t>& pixels, int x, int y) {
        return pixels[static_cast<size_t>(y * Site()->GetClientWidth() + x)];
    }

    TcxGridColumn *a, *b;
    int sizeChanges = 0;
};

TEST_F(TableSizing, DraggingAHeaderEdgeSetsTheColumnWidthOnRelease) {
    const TPoint edge = EdgeOf(a);
    Press(edge);
    ASSERT_NE(Sizing(), nullptr) << "sizing starts at the press";
    Move({edge.X + 30, edge.Y});
    EXPECT_EQ(a->GetWidth(), 100) << "the layout waits for the release";
    EXPECT_EQ(Sizing()->GetMarkRect().Right, HeaderCell(a).Left + 130);
    Release({edge.X + 30, edge.Y});
    EXPECT_EQ(a->GetWidth(), 130);
    EXPECT_EQ(b->GetWidth(), 100);
    EXPECT_EQ(sizeChanges, 1);

    // A release where the press was changes nothing and says nothing.
    Drag(EdgeOf(a), EdgeOf(a));
    EXPECT_EQ(a->GetWidth(), 130);
    EXPECT_EQ(sizeChanges, 1);
}

TEST_F(TableSizing, BelowTheMinimumWidthTheMarkStaysAtTheMinimum) {
    const TPoint edge = EdgeOf(b);
    const TRect cell = HeaderCell(b);
    Press(edge);
    Move({edge.X - 95, edge.Y});
    ASSERT_NE(Sizing(), nullptr);
    const TRect mark = Sizing()->GetMarkRect();
    EXPECT_EQ(mark.Right, cell.Left + b->GetMinWidth());
    EXPECT_EQ(mark.Right - mark.Left, 1);
    EXPECT_EQ(mark.Top, cell.Top);
    EXPECT_EQ(mark.Bottom, Layout()->GetBounds().Bottom - Layout()->GetBottomPartsHeight());
    Release({edge.X - 95, edge.Y});
    EXPECT_EQ(b->GetWidth(), b->GetMinWidth());
}

TEST_F(TableSizing, TheMarkIsAnInvertedLineThatACancelErases) {
    const std::vector<std::uint32_t> before = Pixels();
    const TPoint edge = EdgeOf(a);
    Press(edge);
    Move({edge.X + 40, edge.Y});
    ASSERT_NE(Sizing(), nullptr);
    const TRect mark = Sizing()->GetMarkRect();
    const std::vector<std::uint32_t> during = Pixels();
    const int y = (mark.Top + mark.Bottom) / 2;
    EXPECT_EQ(PixelAt(during, mark.Left, y), ~PixelAt(before, mark.Left, y) & 0xFFFFFF);
    EXPECT_EQ(PixelAt(during, mark.Left + 1, y), PixelAt(before, mark.Left + 1, y)) << "one pixel wide";
    Site()->FinishDragAndDrop(false);
    Pump();
    EXPECT_TRUE(Pixels() == before) << "the mark is gone";
    EXPECT_EQ(a->GetWidth(), 100);
    EXPECT_EQ(sizeChanges, 0);
}

TEST_F(TableSizing, ARowEdgeSetsTheDataRowHeightAndADoubleClickResetsIt) {
    ASSERT_EQ(view->GetOptionsView()->GetDataRowHeight(), 0);
    const TPoint edge = RowEdge(0);
    Press(edge);
    ASSERT_NE(Sizing(), nullptr);
    EXPECT_FALSE(Sizing()->SizesWidth());
    Move({edge.X, edge.Y + 10});
    const TRect mark = Sizing()->GetMarkRect();
    EXPECT_EQ(mark.Bottom, edge.Y + 1 + 10);
    EXPECT_EQ(mark.Bottom - mark.Top, 1);
    EXPECT_EQ(mark.Left, Layout()->GetBounds().Left);
    EXPECT_EQ(mark.Right, Layout()->GetBounds().Right);
    Release({edge.X, edge.Y + 10});
    EXPECT_EQ(view->GetOptionsView()->GetDataRowHeight(), 19 + 10);

    const TPoint moved = RowEdge(0);
    Wait(1000);
    display.Click(Site()->GetHandle(), moved.X, moved.Y);
    display.Click(Site()->GetHandle(), moved.X, moved.Y);
    Pump();
    EXPECT_EQ(view->GetOptionsView()->GetDataRowHeight(), 0);
}

TEST_F(TableSizing, ADoubleClickOnAHeaderEdgeFitsTheColumnToItsWidestValue) {
    Fill({{"i", "x"}, {"WWWWWWWWWWWW", "y"}, {"i", "z"}});
    Pump();
    TcxCanvas* canvas = Layout()->GetCanvas();
    const int textWidth = canvas->MeasureTextWidth("WWWWWWWWWWWW");
    const TPoint edge = EdgeOf(a);
    Wait(1000);
    display.Click(Site()->GetHandle(), edge.X, edge.Y);
    display.Click(Site()->GetHandle(), edge.X, edge.Y);
    Pump();
    EXPECT_GT(a->GetWidth(), textWidth);
    EXPECT_LT(a->GetWidth(), textWidth + 20);
    EXPECT_EQ(sizeChanges, 1);

    // At most BestFitMaxWidth; only the records BestFitMaxRecordCount takes from the top.
    a->SetBestFitMaxWidth(50);
    a->ApplyBestFit();
    EXPECT_EQ(a->GetWidth(), 50);
    a->SetBestFitMaxWidth(0);
    view->GetOptionsBehavior()->SetBestFitMaxRecordCount(1);
    a->ApplyBestFit();
    EXPECT_LT(a->GetWidth(), textWidth) << "only the first record's short value is measured";
}

} // namespace
} // namespace zorvy::test
