// The option objects of a table view: defaults, the changes they report, the list of recently
// used filters and the date-time handling.
#include "controls/data/FilterOperators.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/editors/text/TextEdit.h"
#include "tests/controls/grid/table/TableFixture.h"

namespace zorvy::test {
namespace {

class TableOptions : public TableTest {
  protected:
    TableOptions() {
        item = view->AddTestItem("Ball");
        Fill({{"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}});
    }
    void ApplyFilter(const std::string& text) {
        TcxDataFilterCriteria& filter = Data()->GetFilter();
        filter.RemoveItemsByItemLink(item);
        filter.AddItem(nullptr, item, ocEqual, Variant(text), text);
        view->GetFiltering()->AddFilterToMRUItems();
    }
    TcxGridFilterMRUItems* Recent() const { return view->GetFiltering()->GetMRUItems(); }
    TTestTableItem* item;
};

TEST_F(TableOptions, RecentFiltersHaveTheirLimitFromTheStart) {
    for (int i = 1; i <= 6; ++i) ApplyFilter(std::to_string(i));
    EXPECT_EQ(view->GetFiltering()->GetMRUItemsListCount(), 10);
    EXPECT_EQ(Recent()->GetMaxCount(), 11) << "limited before the count is ever set";

    view->GetFiltering()->SetMRUItemsListCount(3);
    EXPECT_EQ(Recent()->GetCount(), 4) << "3 shown besides the current filter";
    EXPECT_EQ(Recent()->GetVisibleCount(), 3);
    view->GetFiltering()->SetMRUItemsListCount(0);
    for (int i = 1; i <= 6; ++i) ApplyFilter(std::to_string(i));
    EXPECT_EQ(Recent()->GetCount(), 6) << "0 removes the limit";
}

TEST_F(TableOptions, TheSameFilterTwiceIsOneEntry) {
    ApplyFilter("1");
    EXPECT_EQ(Recent()->GetCount(), 1);
    EXPECT_EQ(Recent()->GetVisibleCount(), 0) << "the current filter is not shown";
    EXPECT_FALSE(view->GetFiltering()->HasMRUItems());
    ApplyFilter("2");
    ApplyFilter("1");
    ASSERT_EQ(Recent()->GetCount(), 2);
    EXPECT_TRUE(Recent()->GetItem(0)->EqualsCriteria(&Data()->GetFilter())) << "moved to the front";
    ASSERT_EQ(Recent()->GetVisibleCount(), 1);
    EXPECT_EQ(Recent()->GetVisibleItem(0), Recent()->GetItem(1));
    EXPECT_TRUE(view->GetFiltering()->HasMRUItems());

    Data()->GetFilter().RemoveAllItems();
    view->GetFiltering()->AddFilterToMRUItems();
    EXPECT_EQ(Recent()->GetCount(), 2) << "an empty filter never enters";
}

TEST_F(TableOptions, ItemValueListsFollowTheColumnCount) {
    EXPECT_EQ(item->GetDataBinding()->GetFilterMRUValueItems()->GetMaxCount(), 5);
    view->GetFiltering()->SetColumnMRUItemsListCount(2);
    EXPECT_EQ(item->GetDataBinding()->GetFilterMRUValueItems()->GetMaxCount(), 2);
    EXPECT_EQ(view->AddTestItem()->GetDataBinding()->GetFilterMRUValueItems()->GetMaxCount(), 2);
}

TEST_F(TableOptions, DefaultsAndClamps) {
    auto* behavior = view->GetOptionsBehavior();
    EXPECT_TRUE(behavior->GetCopyCaptionsToClipboard());
    EXPECT_TRUE(behavior->GetImmediateEditor());
    behavior->SetBestFitMaxRecordCount(-4);
    EXPECT_EQ(behavior->GetBestFitMaxRecordCount(), 0);
    auto* popup = view->GetFiltering()->GetColumnPopup();
    EXPECT_EQ(popup->GetMaxDropDownItemCount(), 15);
    EXPECT_TRUE(popup->GetMultiSelect());
    EXPECT_EQ(view->GetFilterBox()->GetVisible(), fvNonEmpty);
    EXPECT_EQ(view->GetFilterBox()->GetPosition(), fpBottom);
    auto* options = view->GetOptionsView();
    EXPECT_EQ(options->GetNavigatorOffset(), 50);
    options->SetNavigatorOffset(-1);
    EXPECT_EQ(options->GetNavigatorOffset(), 0);
    EXPECT_TRUE(view->GetOptionsSelection()->GetInvertSelect());
    EXPECT_FALSE(view->GetOptionsSelection()->ShouldStoreInvertSelect());
    view->GetOptionsSelection()->SetMultiSelect(true);
    EXPECT_TRUE(Data()->GetMultiSelect()) << "kept by the data controller";
    EXPECT_TRUE(view->GetOptionsSelection()->ShouldStoreMultiSelect());
}

TEST_F(TableOptions, NoDataTextIsStoredOnlyWhenChanged) {
    auto* options = view->GetOptionsView();
    EXPECT_EQ(options->GetNoDataToDisplayInfoText(), "<No data to display>");
    EXPECT_FALSE(options->ShouldStoreNoDataToDisplayInfoText());
    options->SetNoDataToDisplayInfoText("");
    EXPECT_TRUE(options->ShouldStoreNoDataToDisplayInfoText());
    EXPECT_EQ(options->GetNoDataToDisplayText(), "");
}

TEST_F(TableOptions, DateTimeHandling) {
    auto* handling = view->GetDateTimeHandling();
    handling->SetGrouping(dtgByMonth);
    handling->SetGrouping(dtgDefault);
    EXPECT_EQ(handling->GetGrouping(), dtgByDateAndTime);
    EXPECT_EQ(handling->GetMonthFormat(), "mmmm yyyy");
    EXPECT_EQ(handling->GetYearFormat(), "yyyy");
    handling->SetUseShortTimeFormat(false);
    EXPECT_EQ(handling->GetHourFormat(), "");
    EXPECT_EQ(item->GetEffectiveDateTimeGrouping(), dtgByDateAndTime);
    item->SetDateTimeGrouping(dtgByYear);
    EXPECT_EQ(item->GetEffectiveDateTimeGrouping(), dtgByYear);
}

TEST_F(TableOptions, EditingOffEndsEditing) {
    item->SetPropertiesClass(TcxTextEditProperties::StaticClass());
    // An editor opens only in a shown grid whose site has the focus.
    form->Show();
    grid->SetBounds(0, 0, 300, 200);
    Pump();
    view->GetController()->GetSite()->SetFocus();
    Pump();
    view->GetController()->SetFocusedRowIndex(0);
    item->SetEditing(true);
    ASSERT_TRUE(item->GetEditing());
    view->GetOptionsData()->SetEditing(false);
    EXPECT_FALSE(item->GetEditing());
    item->SetEditing(true);
    EXPECT_FALSE(item->GetEditing()) << "the view no longer edits";
    view->GetOptionsData()->SetEditing(true);
    item->GetOptions()->SetEditing(false);
    item->SetEditing(true);
    EXPECT_FALSE(item->GetEditing());
}

TEST_F(TableOptions, CellSelectMovesTheItemFocus) {
    ASSERT_EQ(view->GetController()->GetFocusedItem(), item);
    view->GetOptionsSelection()->SetCellSelect(false);
    EXPECT_EQ(view->GetController()->GetFocusedItem(), nullptr);
    view->GetOptionsSelection()->SetCellSelect(true);
    EXPECT_EQ(view->GetController()->GetFocusedItem(), item);
}

} // namespace
} // namespace zorvy::test
