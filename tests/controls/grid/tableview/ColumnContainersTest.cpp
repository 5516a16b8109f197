// The header part, the group-by box and the footer of a table view laid out on the headless
// display: heights from the look-and-feel painter's sizes, cell places, automatic widths, the
// footer's choice of summary items and rows, its summary-text failures, and the hit tests.
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "platform/classlib/Forms.h"
#include "tests/controls/grid/tableview/HeadersView.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zorvy::test {
namespace {

class ColumnContainers : public GridTest {
  protected:
    ColumnContainers() {
        InitializeTextEditUnit();
        form = NewForm();
        grid = NewGrid(form);
        grid->SetBounds(0, 0, 402, 302); // view content 400 x 300
        grid->GetLookAndFeel()->SetKind(lfStandard);
        grid->GetLookAndFeel()->SetNativeStyle(false);
        view = static_cast<TTestHeadersView*>(
            TcxControlChildComponent::CreateForControl(TTestHeadersView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
        a = view->AddColumn("A", 60);
        b = view->AddColumn("B", 70);
        c = view->AddColumn("C", 80);
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(5);
        for (int r = 0; r < 5; ++r)
            for (int i = 0; i < 3; ++i) data->SetValue(r, i, Variant(std::to_string(r * 10 + i)));
        data->EndUpdate();
    }
    ~ColumnContainers() override {
        Application->OnException = nullptr;
        FinalizeTextEditUnit();
    }
    TTestHeadersTableViewInfo* Layout() const { return view->Layout(); }
    void Relayout() { Layout()->Recalculate(); }
    TcxDataSummaryItem* AddFooterItem(TcxGridColumn* column) {
        auto& items = view->GetDataController()->GetSummary().FooterSummaryItems();
        TcxDataSummaryItem* item = items.NewItem();
        item->SetItemLink(column);
        item->SetKind(skCount);
        return item;
    }
    // The "Qq" height of the view's font, which the sizes below are worked from (13 for the
    // standard 8-point face: cells 19, footer 24, an empty group-by box 35).
    int TextHeight() const { return Layout()->GetTextHeight(nullptr); }

    TForm* form;
    TcxGrid* grid;
    TTestHeadersView* view;
    TcxGridColumn *a, *b, *c;
};

TEST_F(ColumnContainers, HeightsFollowTheStandardPainterSizes) {
    view->GetOptionsView()->SetFooter(true);
    view->GetOptionsView()->SetGroupByBox(true);
    AddFooterItem(a);
    Relayout();
    const int cellHeight = TextHeight() + 4 + 2 * 1; // text, margins, two borders of 1
    EXPECT_EQ(Layout()->Header()->GetItemHeight(), cellHeight);
    EXPECT_EQ(Layout()->Header()->GetPartHeight(), cellHeight);
    TcxGridColumnHeaderViewInfo* cell = Layout()->Footer()->GetItem(0);
    EXPECT_EQ(cell->Bounds.Bottom - cell->Bounds.Top, cellHeight) << "item height less the offset on both sides";
    EXPECT_EQ(Layout()->Footer()->GetPartHeight(), 1 + (cellHeight + 2) + 1 + 1) << "borders, one row, separator";
    EXPECT_EQ(Layout()->GroupByBox()->GetPartHeight(), TextHeight() + 4 + 2 + 16);
    EXPECT_EQ(Layout()->GroupByBox()->Text, "Drag a column header here to group by that column");
}

TEST_F(ColumnContainers, HeaderCellsLieSideBySideFromTheRecordsLeftEdge) {
    Relayout();
    const TRect client = Layout()->GetClientBounds();
    TcxGridHeaderViewInfo* header = Layout()->Header();
    EXPECT_EQ(header->Bounds.Bottom, client.Top);
    const int widths[] = {60, 70, 80};
    int left = client.Left;
    for (int i = 0; i < 3; ++i) {
        const TRect r = header->GetItem(i)->GetRealBounds();
        EXPECT_EQ(r.Left, left) << i;
        EXPECT_EQ(r.Right - r.Left, widths[i]) << i;
        left += widths[i];
    }
    EXPECT_EQ(header->CalculateWidth(), 210);
}

TEST_F(ColumnContainers, GroupingWidensTheFirstHeaderAndStaggersTheGroupByBox) {
    view->GetOptionsView()->SetGroupByBox(true);
    view->GetOptionsView()->SetIndicator(false);
    // Grouped columns stay visible so that the header keeps three cells.
    view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
    a->GroupBy(0, true);
    b->GroupBy(1, true);
    c->GroupBy(2, true);
    Relayout();
    const int itemHeight = TextHeight() + 6;
    TcxGridGroupByBoxViewInfo* box = Layout()->GroupByBox();
    ASSERT_EQ(box->GetCount(), 3);
    EXPECT_EQ(box->GetPartHeight(), itemHeight / 2 * 4 + itemHeight % 2 + 16);
    EXPECT_EQ(box->Text, "");
    int left = box->Bounds.Left + 6;
    for (int i = 0; i < 3; ++i) {
        TcxGridColumnHeaderViewInfo* item = box->GetItem(i);
        EXPECT_EQ(item->GetRealBounds().Top, box->Bounds.Top + 8 + i * (itemHeight / 2)) << i;
        EXPECT_EQ(item->GetRealBounds().Left, left) << i;
        EXPECT_EQ(item->Bounds.Bottom - item->GetRealBounds().Top, itemHeight) << i;
        left += item->CalculateWidth() + 4;
    }
    const TRect first = box->GetItem(0)->Bounds;
    EXPECT_EQ(box->GetLinkLineBounds(0, false), Rect(first.Right - 8, first.Bottom, first.Right - 7, first.Bottom + 4));
    EXPECT_EQ(box->GetLinkLineBounds(0, true), Rect(first.Right - 8, first.Bottom + 3, first.Right + 4, first.Bottom + 4));
    ASSERT_EQ(Layout()->Header()->GetCount(), 3);
    TcxGridColumnHeaderViewInfo* leftmost = Layout()->Header()->GetItem(0);
    EXPECT_EQ(leftmost->CalculateWidth(), leftmost->GetColumn()->GetWidth() + 3 * 18) << "three level indents";
    EXPECT_EQ(leftmost->GetMinWidth(), leftmost->GetColumn()->GetMinWidth() + 3 * 18);
    EXPECT_EQ(Layout()->Header()->GetItem(1)->CalculateWidth(), Layout()->Header()->GetItem(1)->GetColumn()->GetWidth());
}

TEST_F(ColumnContainers, AutoWidthFillsTheClientAndLimitsAMiddleColumn) {
    view->GetOptionsView()->SetColumnAutoWidth(true);
    Relayout();
    const TRect client = Layout()->GetClientBounds();
    const int clientWidth = client.Right - client.Left;
    TcxGridHeaderViewInfo* header = Layout()->Header();
    int sum = 0;
    for (int i = 0; i < 3; ++i) sum += header->GetItem(i)->CalculateWidth();
    EXPECT_EQ(sum, clientWidth);
    TcxGridColumnHeaderViewInfo* middle = header->GetItem(1);
    EXPECT_EQ(middle->GetMaxWidth(), clientWidth - header->GetItem(0)->CalculateWidth() - c->GetMinWidth());
    int width = 100000;
    middle->CheckWidth(width);
    EXPECT_EQ(width, middle->GetMaxWidth());
    width = 1;
    middle->CheckWidth(width);
    EXPECT_EQ(width, b->GetMinWidth());
}

TEST_F(ColumnContainers, AHiddenHeaderStillPlacesTheFooterCells) {
    view->GetOptionsView()->SetHeader(false);
    view->GetOptionsView()->SetFooter(true);
    AddFooterItem(b);
    Relayout();
    EXPECT_EQ(Layout()->Header()->GetPartHeight(), 0);
    EXPECT_TRUE(IsRectEmpty(Layout()->Header()->Bounds));
    const TRect client = Layout()->GetClientBounds();
    EXPECT_EQ(Layout()->Header()->GetItem(1)->GetRealBounds().Left, client.Left + 60);
    const TRect cell = Layout()->Footer()->GetItem(0)->Bounds;
    EXPECT_EQ(cell.Left, client.Left + 60 + 1) << "under B, less the cell offset";
    EXPECT_EQ(cell.Right, client.Left + 130 - 1);
}

TEST_F(ColumnContainers, FooterTakesOneItemPerColumnUnlessMultiSummaries) {
    view->GetOptionsView()->SetFooter(true);
    TcxDataSummaryItem* a1 = AddFooterItem(a);
    TcxDataSummaryItem* b1 = AddFooterItem(b);
    TcxDataSummaryItem* a2 = AddFooterItem(a);
    TcxDataSummaryItem* a3 = AddFooterItem(a);
    struct Case {
        bool multi;
        std::vector<TcxDataSummaryItem*> cells;
        int rows;
        int height;
    };
    Relayout();
    const int row = TextHeight() + 6 + 2; // a cell and the offsets around it
    const Case cases[] = {{false, {a1, b1}, 1, 1 + row + 1 + 1}, {true, {a1, b1, a2, a3}, 3, 1 + 3 * row + 1 + 1}};
    for (const Case& each : cases) {
        view->GetOptionsView()->SetFooterMultiSummaries(each.multi);
        Relayout();
        TcxGridFooterViewInfo* footer = Layout()->Footer();
        ASSERT_EQ(footer->GetSummaryItemCount(), static_cast<int>(each.cells.size())) << each.multi;
        for (size_t i = 0; i < each.cells.size(); ++i) EXPECT_EQ(footer->GetSummaryItem(static_cast<int>(i)), each.cells[i]);
        EXPECT_EQ(footer->GetRowCount(), each.rows);
        EXPECT_EQ(footer->GetPartHeight(), each.height) << each.multi;
        if (each.multi) {
            const int top = footer->GetItemsAreaBounds().Top;
            EXPECT_EQ(footer->GetItem(0)->Bounds.Top, top + 1);      // A1 row 0
            EXPECT_EQ(footer->GetItem(1)->Bounds.Top, top + 1);      // B1 row 0
            EXPECT_EQ(footer->GetItem(2)->Bounds.Top, top + row + 1);     // A2 row 1
            EXPECT_EQ(footer->GetItem(3)->Bounds.Top, top + 2 * row + 1); // A3 row 2
            EXPECT_FALSE(footer->GetItemMultiLine());
        }
    }
}

TEST_F(ColumnContainers, FooterLeavesOutItemsOfHiddenOrMissingColumnsAndStaysOneRowHigh) {
    view->GetOptionsView()->SetFooter(true);
    Relayout();
    EXPECT_EQ(Layout()->Footer()->GetRowCount(), 1) << "no items";
    EXPECT_EQ(Layout()->Footer()->GetPartHeight(), 1 + TextHeight() + 8 + 1 + 1);
    AddFooterItem(c);
    AddFooterItem(nullptr);
    c->SetVisible(false);
    Relayout();
    EXPECT_EQ(Layout()->Footer()->GetSummaryItemCount(), 0);
    c->SetVisible(true);
    Relayout();
    EXPECT_EQ(Layout()->Footer()->GetSummaryItemCount(), 1);
}

TEST_F(ColumnContainers, AFailingSummaryTextIsEmptyAndReportedOnceAfterThePass) {
    view->GetOptionsView()->SetFooter(true);
    for (TcxGridColumn* column : {a, b})
        AddFooterItem(column)->OnGetText = [](TcxDataSummaryItem*, const Variant&, bool, std::string&) {
            throw std::runtime_error("no text");
        };
    int reports = 0;
    bool footerLaidOut = false;
    Application->OnException = [&](TObject*, const std::exception& e) {
        ++reports;
        EXPECT_STREQ(e.what(), "no text");
        footerLaidOut = Layout()->Footer()->GetItem(1)->IsCalculated();
    };
    Relayout();
    EXPECT_EQ(reports, 1) << "two failing cells, one report";
    EXPECT_TRUE(footerLaidOut) << "reported after the layout, not in the middle of it";
    EXPECT_EQ(Layout()->Footer()->GetItem(0)->Text, "");
    EXPECT_EQ(Layout()->Footer()->GetItem(1)->Text, "");
}

TEST_F(ColumnContainers, HitTestsNameTheColumnAndTheContainer) {
    view->GetOptionsView()->SetFooter(true);
    view->GetOptionsView()->SetGroupByBox(true);
    AddFooterItem(a);
    Relayout();
    TcxGridHeaderViewInfo* header = Layout()->Header();
    const TRect second = header->GetItem(1)->GetRealBounds();
    const int middleY = (second.Top + second.Bottom) / 2;

    auto* hit = Layout()->GetHitTest(TPoint{second.Left + 10, middleY});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetHitTestCode(), htColumnHeader);
    EXPECT_EQ(static_cast<TcxCustomGridColumnHitTest*>(hit)->Column, b);
    EXPECT_EQ(static_cast<TcxCustomGridColumnHitTest*>(hit)->ColumnContainerKind, ckHeader);

    for (int dx : {-4, 3}) {
        hit = Layout()->GetHitTest(TPoint{second.Right + dx, middleY});
        ASSERT_NE(hit, nullptr);
        EXPECT_EQ(hit->GetHitTestCode(), htColumnHeaderHorzSizingEdge) << dx;
        EXPECT_EQ(hit->GetCursor(), 2110);
        EXPECT_EQ(static_cast<TcxCustomGridColumnHitTest*>(hit)->Column, b) << "the edge belongs to the header on its left";
    }
    hit = Layout()->GetHitTest(TPoint{second.Right - 6, middleY});
    EXPECT_EQ(hit->GetHitTestCode(), htColumnHeader) << "outside the 8-pixel edge";

    hit = Layout()->GetHitTest(TPoint{header->Bounds.Right + 20, middleY});
    ASSERT_NE(hit, nullptr);
    EXPECT_NE(hit->GetHitTestCode(), htColumnHeader);

    const TRect box = Layout()->GroupByBox()->Bounds;
    hit = Layout()->GetHitTest(TPoint{box.Left + 50, box.Top + 5});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetHitTestCode(), htGroupByBox);

    const TRect footer = Layout()->Footer()->GetItemsAreaBounds();
    const TRect underC = header->GetItem(2)->GetRealBounds();
    hit = Layout()->GetHitTest(TPoint{underC.Left + 10, footer.Top + 5});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetHitTestCode(), htFooterCell) << "empty footer space under C";
    EXPECT_EQ(static_cast<TcxGridFooterCellHitTest*>(hit)->Column, c);
    EXPECT_EQ(static_cast<TcxGridFooterCellHitTest*>(hit)->SummaryItem, nullptr);
    hit = Layout()->GetHitTest(TPoint{Layout()->Footer()->GetItem(0)->Bounds.Left + 5, footer.Top + 5});
    EXPECT_EQ(static_cast<TcxGridFooterCellHitTest*>(hit)->SummaryItem, Layout()->Footer()->GetSummaryItem(0));
    EXPECT_EQ(static_cast<TcxGridFooterCellHitTest*>(hit)->ColumnContainerKind, ckFooter);
}

TEST_F(ColumnContainers, APressOnAHeaderRaisesTheClickEvents) {
    // Without hot tracking and without a filter button to show on hover, the header is not pressable.
    view->GetOptionsCustomize()->SetColumnFiltering(false);
    Relayout();
    std::vector<std::string> calls;
    a->OnHeaderClick = [&](TcxGridColumn*) { calls.push_back("column"); };
    view->SetOnColumnHeaderClick([&](TcxGridTableView*, TcxGridColumn* column) { calls.push_back(column->GetCaption()); });
    const TRect r = Layout()->Header()->GetItem(0)->Bounds;
    const TPoint p{r.Left + 5, r.Top + 5};
    TcxCustomGridHitTest* hit = Layout()->GetHitTest(p);
    EXPECT_TRUE(Layout()->Header()->GetItem(0)->MouseDown(hit, mbLeft, 0));
    EXPECT_EQ(calls, (std::vector<std::string>{"column", "A"}));
    calls.clear();
    Layout()->Header()->GetItem(0)->MouseDown(hit, mbLeft, ssDouble);
    EXPECT_TRUE(calls.empty()) << "a double click is no click";
}

} // namespace
} // namespace zorvy::test
