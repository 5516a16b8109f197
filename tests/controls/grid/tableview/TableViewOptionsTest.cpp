// The table view's options: corrections, the cell multi-selection coupling, grouping by sorting,
// the preview column and the defaults that follow the look and feel.
#include "controls/foundation/painters/Painter.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

using GridTableOptions = TableViewTest;

TEST_F(GridTableOptions, SettersCorrectOutOfRangeValues) {
    TcxGridTableOptionsView* options = view->GetOptionsView();
    for (int width : {0, 1}) {
        view->GetFilterRow()->SetSeparatorWidth(width);
        EXPECT_EQ(view->GetFilterRow()->GetSeparatorWidth(), 2) << width;
    }
    view->GetFilterRow()->SetSeparatorWidth(3);
    EXPECT_EQ(view->GetFilterRow()->GetSeparatorWidth(), 3);
    options->SetIndicatorWidth(-5);
    options->SetHeaderHeight(-5);
    options->SetRowSeparatorWidth(-5);
    view->GetPreview()->SetLeftIndent(-1);
    EXPECT_EQ(options->GetIndicatorWidth(), 0);
    EXPECT_EQ(options->GetHeaderHeight(), 0);
    EXPECT_EQ(options->GetRowSeparatorWidth(), 0);
    EXPECT_EQ(view->GetPreview()->GetLeftIndent(), 0);
}

TEST_F(GridTableOptions, DataRowHeightIsAtLeastTheDefaultRowHeight) {
    TcxGridTableOptionsView* options = view->GetOptionsView();
    struct Case {
        int set, stored;
    } cases[] = {{5, 19}, {19, 19}, {30, 30}, {-3, 0}, {0, 0}};
    for (const Case& c : cases) {
        options->SetDataRowHeight(c.set);
        EXPECT_EQ(options->GetDataRowHeight(), c.stored) << c.set;
    }
}

TEST_F(GridTableOptions, CellMultiSelectCouplesTheOtherSelectionSettings) {
    TcxGridTableOptionsSelection* selection = view->GetOptionsSelection();
    selection->SetCellSelect(false);
    selection->SetCellMultiSelect(true);
    EXPECT_TRUE(selection->GetCellSelect());
    EXPECT_FALSE(selection->GetInvertSelect());
    EXPECT_TRUE(selection->GetMultiSelect());

    selection->SetMultiSelect(false);
    selection->SetInvertSelect(true);
    selection->SetCellSelect(false);
    EXPECT_TRUE(selection->GetMultiSelect()) << "kept while cell multi-selection is on";
    EXPECT_FALSE(selection->GetInvertSelect());
    EXPECT_TRUE(selection->GetCellSelect());
    EXPECT_FALSE(selection->ShouldStoreMultiSelect()) << "restored from CellMultiSelect alone";

    selection->SetCellMultiSelect(false);
    EXPECT_FALSE(selection->GetMultiSelect());
    EXPECT_TRUE(selection->GetInvertSelect());
    EXPECT_TRUE(selection->GetCellSelect());
}

TEST_F(GridTableOptions, SwitchingGroupBySortingRemovesGroupingAndSorting) {
    TcxGridColumn* issue = AddColumn("Issue");
    TcxGridColumn* red = AddColumn("Red");
    TcxGridColumn* blue = AddColumn("Blue");
    Fill({{"1", "01", "5"}, {"2", "02", "6"}, {"3", "01", "5"}});
    ASSERT_TRUE(red->GroupBy(0));
    ASSERT_TRUE(blue->GroupBy(1));
    issue->SetSortOrder(soAscending);
    ASSERT_FALSE(red->GetVisible()) << "grouped columns hide by default";
    ASSERT_EQ(view->GetGroupedColumnCount(), 2);

    view->GetOptionsCustomize()->SetGroupBySorting(true);
    EXPECT_EQ(view->GetGroupedColumnCount(), 0);
    EXPECT_EQ(view->GetSortedItemCount(), 0);
    EXPECT_EQ(issue->GetSortOrder(), soNone);
    EXPECT_TRUE(red->GetVisible());
    EXPECT_TRUE(blue->GetVisible());
}

TEST_F(GridTableOptions, GroupingShowsAndHidesColumnsAsTheViewSays) {
    TcxGridColumn* red = AddColumn("Red");
    view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
    ASSERT_TRUE(red->GroupBy(0));
    EXPECT_TRUE(red->GetVisible());
    ASSERT_TRUE(red->GroupBy(-1));

    view->GetOptionsCustomize()->SetColumnHidingOnGrouping(true);
    red->SetVisible(false);
    ASSERT_TRUE(red->GroupBy(0));
    ASSERT_TRUE(red->GroupBy(-1));
    EXPECT_FALSE(red->GetVisible()) << "hidden before grouping: stays hidden";

    red->GetOptions()->SetGrouping(false);
    EXPECT_FALSE(red->GroupBy(0));
    EXPECT_EQ(red->GetGroupIndex(), -1);
}

TEST_F(GridTableOptions, ThePreviewColumnLeavesTheRowOfColumns) {
    TcxGridColumn* issue = AddColumn("Issue");
    TcxGridColumn* note = AddColumn("Note");
    view->GetPreview()->SetColumn(note);
    EXPECT_TRUE(note->IsPreview());
    EXPECT_EQ(view->GetVisibleColumnCount(), 1);
    EXPECT_EQ(view->GetVisibleColumn(0), issue);
    EXPECT_FALSE(view->GetPreview()->IsActive()) << "not visible yet";
    view->GetPreview()->SetVisible(true);
    EXPECT_TRUE(view->GetPreview()->IsActive());

    view->GetPreview()->SetColumn(nullptr);
    EXPECT_EQ(view->GetVisibleColumnCount(), 2) << "the former preview column returns";

    TTestGridTableView* other = NewTableView();
    TcxGridColumn* foreign = other->CreateColumn();
    view->GetPreview()->SetColumn(foreign);
    EXPECT_EQ(view->GetPreview()->GetColumn(), nullptr);

    view->GetPreview()->SetColumn(note);
    delete note;
    EXPECT_EQ(view->GetPreview()->GetColumn(), nullptr);
    EXPECT_EQ(view->GetVisibleColumnCount(), 1);
}

TEST_F(GridTableOptions, ColoursLeftAtDefaultFollowTheLookAndFeel) {
    const TcxCustomLookAndFeelPainter* painter = view->GetLookAndFeelPainter();
    ASSERT_NE(painter, nullptr);
    TcxGridTableOptionsView* options = view->GetOptionsView();
    EXPECT_EQ(options->GetEffectiveGridLineColor(), clBtnShadow);
    EXPECT_EQ(options->GetEffectiveRowSeparatorColor(), clBtnShadow);
    EXPECT_EQ(view->GetFilterRow()->GetEffectiveSeparatorColor(), painter->DefaultHeaderColor());
    options->SetGridLineColor(clRed);
    EXPECT_EQ(options->GetEffectiveGridLineColor(), clRed);
}

TEST_F(GridTableOptions, InfoTextsAreStoredOnlyWhenChanged) {
    TcxGridFilterRowOptions* filterRow = view->GetFilterRow();
    EXPECT_EQ(filterRow->GetInfoText(), "Click here to define a filter");
    EXPECT_EQ(view->GetNewItemRow()->GetInfoText(), "Click here to add a new row");
    EXPECT_FALSE(filterRow->ShouldStoreInfoText());
    filterRow->SetInfoText("Type a filter");
    EXPECT_TRUE(filterRow->ShouldStoreInfoText());
    filterRow->SetInfoText("Click here to define a filter");
    EXPECT_FALSE(filterRow->ShouldStoreInfoText());
}

TEST_F(GridTableOptions, ExpandButtonsForEmptyDetailsNeedTabsForEmptyDetails) {
    TcxGridTableOptionsView* options = view->GetOptionsView();
    EXPECT_TRUE(options->GetExpandButtonsForEmptyDetails());
    view->GetLevel()->GetOptions()->SetTabsForEmptyDetails(false);
    EXPECT_FALSE(options->GetExpandButtonsForEmptyDetails());
    EXPECT_TRUE(view->HideExpandButtonsForEmptyDetails());

    TTestGridTableView* copy = NewTableView();
    AddLevel(grid, nullptr, copy);
    copy->GetOptionsView()->Assign(options);
    view->GetLevel()->GetOptions()->SetTabsForEmptyDetails(true);
    EXPECT_FALSE(copy->GetOptionsView()->GetExpandButtonsForEmptyDetails()) << "copied as the source answered";
}

TEST_F(GridTableOptions, BackgroundBitmapsFallBackToTheirStyles) {
    TcxGridTableBackgroundBitmaps* bitmaps = view->GetBackgroundBitmaps();
    const int expected[][2] = {{3, vsFooter}, {4, vsHeader}, {5, vsGroup}, {6, vsGroupByBox},
                               {7, vsIndicator}, {8, vsPreview}, {1, vsContent}, {2, vsFilterBox}, {0, vsBackground}};
    for (const auto& pair : expected) EXPECT_EQ(bitmaps->GetBitmapStyleIndex(pair[0]), pair[1]) << pair[0];
}

} // namespace
} // namespace zorvy::test
