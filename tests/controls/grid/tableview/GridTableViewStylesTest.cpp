// The table view's and the column's styles: default colours of the added slots, events before
// assigned styles, columns falling back to the view, and the sorted summary styles.
#include "controls/foundation/painters/Painter.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class GridTableStyles : public TableViewTest {
  protected:
    GridTableStyles() {
        red = AddColumn("Red");
        blue = AddColumn("Blue");
        Fill({{"01", "5"}, {"02", "6"}, {"01", "7"}});
    }
    TcxStyle* NewStyle(TColor colour) {
        auto* style = new TcxStyle(form);
        style->SetColor(colour);
        return style;
    }
    TcxGridTableViewStyles* Styles() const { return view->GetStyles(); }
    TcxGridColumn* red;
    TcxGridColumn* blue;
};

TEST_F(GridTableStyles, AddedSlotsTakeThePainterColours) {
    const TcxCustomLookAndFeelPainter* painter = view->GetLookAndFeelPainter();
    TcxPartParams params;
    Styles()->GetHeaderParams(red, params);
    EXPECT_EQ(params.Color, painter->DefaultHeaderColor());
    EXPECT_EQ(params.TextColor, painter->DefaultHeaderTextColor());
    Styles()->GetFooterParams(nullptr, nullptr, -1, nullptr, params);
    EXPECT_EQ(params.Color, painter->DefaultFooterColor());
    Styles()->GetGroupParams(nullptr, 0, params);
    EXPECT_EQ(params.Color, painter->DefaultGroupColor());
    EXPECT_EQ(params.TextColor, painter->DefaultGroupTextColor());
    Styles()->GetViewParams(vsFilterRowInfoText, nullptr, nullptr, params);
    EXPECT_EQ(params.TextColor, clGrayText);
    EXPECT_EQ(params.Color, painter->DefaultContentColor());

    view->GetOptionsView()->SetGroupRowStyle(grsOffice11);
    red->SetGroupIndex(0);
    TcxCustomGridRecord* groupRow = view->GetViewData()->GetRecord(0);
    Styles()->GetGroupParams(groupRow, -1, params);
    EXPECT_EQ(params.Color, clWindow) << "an Office 11 group row is drawn on the window colour";
}

TEST_F(GridTableStyles, TheEventStyleWinsOverTheAssignedOne) {
    Styles()->SetHeader(NewStyle(clYellow));
    TcxPartParams params;
    Styles()->GetHeaderParams(red, params);
    EXPECT_EQ(params.Color, clYellow);
    TcxStyle* fromEvent = NewStyle(clLime);
    TcxGridTableStyleEvents events;
    events.OnGetHeaderStyle = [&](TcxGridTableView*, TcxGridColumn* column, TcxStyle*& style) {
        if (column == blue) style = fromEvent;
    };
    Styles()->SetEvents(events);
    Styles()->GetHeaderParams(blue, params);
    EXPECT_EQ(params.Color, clLime);
    Styles()->GetHeaderParams(red, params);
    EXPECT_EQ(params.Color, clYellow);
}

TEST_F(GridTableStyles, AColumnOverridesOnlyWhatItAssigns) {
    Styles()->SetHeader(NewStyle(clYellow));
    blue->GetStyles()->SetHeader(NewStyle(clAqua));
    TcxPartParams params;
    red->GetStyles()->GetHeaderParams(params);
    EXPECT_EQ(params.Color, clYellow) << "from the view";
    blue->GetStyles()->GetHeaderParams(params);
    EXPECT_EQ(params.Color, clAqua);

    Styles()->SetFooter(NewStyle(clSilver));
    Styles()->GetFooterCellParams(nullptr, blue, -1, nullptr, params);
    EXPECT_EQ(params.Color, clSilver);
}

TEST_F(GridTableStyles, ASortedSummaryHasItsOwnStyleOnlyInGroupFooters) {
    Styles()->SetGroupFooterSortedSummary(NewStyle(clFuchsia));
    Styles()->SetFooter(NewStyle(clSilver));
    TcxDataSummaryItem* item =
        Data()->GetSummary().FooterSummaryItems().AddLinked(blue, spFooter, "", skSum);
    item->SetSorted(true);
    ASSERT_TRUE(item->GetSorted());
    TcxPartParams params;
    Styles()->GetFooterCellParams(nullptr, blue, 0, item, params);
    EXPECT_EQ(params.Color, clFuchsia);
    Styles()->GetFooterCellParams(nullptr, blue, -1, item, params);
    EXPECT_EQ(params.Color, clSilver) << "the view's footer keeps the column's footer style";
}

TEST_F(GridTableStyles, TheSortedGroupSummaryLookupEnds) {
    red->SetGroupIndex(0);
    blue->GetSummary()->SetGroupKind(skSum);
    blue->GetSummary()->SetSortByGroupSummary(true);
    ASSERT_TRUE(blue->GetSummary()->GetSortByGroupSummary());
    auto* row = static_cast<TcxGridGroupRow*>(view->GetViewData()->GetRecord(0));
    TcxDataGroupSummaryItems* items = row->GetGroupSummaryItems();
    ASSERT_NE(items, nullptr);
    TcxDataSummaryItem* sorted = items->GetSortedItem();
    ASSERT_NE(sorted, nullptr);
    blue->GetStyles()->SetGroupSummary(NewStyle(clTeal));
    TcxPartParams params;
    Styles()->GetGroupSummaryCellParams(row, sorted, params);
    EXPECT_EQ(params.Color, clTeal) << "the default of the sorted slot is the column's group summary";
    Styles()->SetGroupSortedSummary(NewStyle(clMaroon));
    Styles()->GetGroupSummaryCellParams(row, sorted, params);
    EXPECT_EQ(params.Color, clMaroon);
}

TEST_F(GridTableStyles, ThePreviewColumnTakesThePreviewStyle) {
    view->GetPreview()->SetColumn(blue);
    const TcxCustomLookAndFeelPainter* painter = view->GetLookAndFeelPainter();
    TcxPartParams params;
    Styles()->GetContentParams(view->GetViewData()->GetRecord(0), blue, params);
    EXPECT_EQ(params.TextColor, painter->DefaultPreviewTextColor());
    Styles()->SetPreview(NewStyle(clOlive));
    Styles()->GetContentParams(view->GetViewData()->GetRecord(0), blue, params);
    EXPECT_EQ(params.Color, clOlive);
}

} // namespace
} // namespace zorvy::test
