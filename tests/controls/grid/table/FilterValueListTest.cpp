// The item filter drop-down's entries: their order, the relative-date and period entries, the
// recent values, and the filter an entry or a set of marked entries stands for.
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/grid/table/FilterValueList.h"
#include "controls/data/FilterCriteria.h"
#include "platform/rtl/StringList.h"
#include "tests/controls/grid/table/DateFilterFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

class FilterValueList : public DateFilterTest {
  protected:
    FilterValueList() : list(view->GetViewData()->CreateFilterValueList()) {}
    // Fills the list as the drop-down does; answers "kind:text" per entry.
    std::vector<std::string> Load() {
        TStringList strings;
        item->GetDataBinding()->GetFilterStrings(&strings, list.get());
        std::vector<std::string> entries;
        for (int i = 0; i < list->GetCount(); ++i)
            entries.push_back(std::to_string(list->GetItem(i).Kind) + ":" + strings.Get(i));
        return entries;
    }
    int IndexOfText(const std::string& text) const {
        for (int i = 0; i < list->GetCount(); ++i)
            if (list->GetItem(i).DisplayText == text) return i;
        return -1;
    }
    TcxDataFilterCriteria& Filter() const { return Data()->GetFilter(); }
    void SetFilters(unsigned filters) { view->GetDateTimeHandling()->SetFilters(filters); }

    std::unique_ptr<TcxGridFilterValueList> list;
};

std::string Text(TDateTime date) {
    return DateToStr(date);
}

TEST_F(FilterValueList, EntriesComeInTheirFixedOrder) {
    const TDateTime march3 = EncodeDate(2024, 3, 3), march17 = EncodeDate(2024, 3, 17), april2 = EncodeDate(2024, 4, 2);
    FillDates({april2, march17, 0, march3});
    view->GetFiltering()->GetColumnPopup()->SetMultiSelect(false); // recent values need a single-pick list
    SetFilters((1u << dtfRelativeDays) | (1u << dtfMonths) | (1u << dtfYears));
    item->OnGetFilterValues = [](TcxCustomGridTableItem*, TcxDataFilterValueList* values) {
        values->Add(fvkUser, Variant(7), "Lucky draws", false);
    };
    Load();
    list->ApplyFilter(item, IndexOfText(Text(march17)), true, true, nullptr);
    item->SetFiltered(false);
    const std::vector<std::string> expected = {
        "6:" + Text(march17), "7:",           "0:(All)",        "1:(Custom...)",  "2:(Blanks)",
        "3:(NonBlanks)",      "8:Yesterday",  "8:Today",        "8:Tomorrow",     "7:",
        "8:2024",             "8:March 2024", "8:April 2024",   "4:Lucky draws",  "5:" + Text(march3),
        "5:" + Text(march17), "5:" + Text(april2)};
    EXPECT_EQ(Load(), expected);
}

TEST_F(FilterValueList, EachRelativeFilterAddsItsEntriesAndASeparator) {
    FillDates({EncodeDate(2024, 3, 3)});
    struct Case {
        TcxGridDateTimeFilter filter;
        std::vector<std::string> texts;
    } cases[] = {
        {dtfRelativeDays, {"Yesterday", "Today", "Tomorrow"}},
        {dtfRelativeDayPeriods,
         {"Last 30 days", "Last 14 days", "Last 7 days", "Next 7 days", "Next 14 days", "Next 30 days"}},
        {dtfRelativeWeeks, {"Last two weeks", "Last week", "This week", "Next week", "Next two weeks"}},
        {dtfRelativeMonths, {"Last month", "This month", "Next month"}},
        {dtfRelativeYears, {"Last year", "This year", "Next year"}},
        {dtfPastFuture, {"Past", "Future"}},
    };
    for (const Case& c : cases) {
        SetFilters(1u << c.filter);
        Load();
        std::vector<std::string> texts;
        int i = IndexOfText("(Custom...)") + 1;
        for (; list->GetItem(i).Kind == fvkDateRange; ++i) texts.push_back(list->GetItem(i).DisplayText);
        EXPECT_EQ(texts, c.texts) << c.filter;
        EXPECT_EQ(list->GetItem(i).Kind, fvkRecentSeparator) << c.filter;
    }
}

TEST_F(FilterValueList, APickedRelativeEntryIsItsOperatorAndMapsBack) {
    FillDates({EncodeDate(2025, 1, 4), EncodeDate(2025, 1, 1), EncodeDate(2024, 12, 20)});
    SetFilters(1u << dtfRelativeWeeks);
    Load();
    const int thisWeek = IndexOfText("This week");
    list->ApplyFilter(item, thisWeek, false, true, nullptr);
    TcxFilterCriteriaItem* condition = item->GetDataBinding()->GetFilterCriteriaItem();
    ASSERT_NE(condition, nullptr);
    EXPECT_EQ(condition->GetOperatorKind(), ocThisWeek);
    EXPECT_TRUE(condition->GetValue().IsNull());
    EXPECT_TRUE(Filter().GetActive());
    EXPECT_EQ(Data()->GetFilteredRecordCount(), 2) << "4 and 1 January are in the week of 30 December";
    Load();
    EXPECT_EQ(list->GetIndexByCriteriaItem(item->GetDataBinding()->GetFilterCriteriaItem()), thisWeek);
}

TEST_F(FilterValueList, AMonthEntryFiltersItsWholeMonth) {
    const TDateTime march3 = EncodeDate(2024, 3, 3) + EncodeTime(9, 0, 0, 0);
    FillDates({march3, EncodeDate(2024, 3, 31) + EncodeTime(23, 0, 0, 0), EncodeDate(2024, 4, 2)});
    SetFilters(1u << dtfMonths);
    Load();
    ASSERT_EQ(list->GetItem(IndexOfText("(Custom...)") + 1).DisplayText, "March 2024");
    ASSERT_EQ(list->GetItem(IndexOfText("(Custom...)") + 2).DisplayText, "April 2024");
    const int march = IndexOfText("March 2024");
    list->ApplyFilter(item, march, false, true, nullptr);
    TcxFilterCriteriaItem* condition = item->GetDataBinding()->GetFilterCriteriaItem();
    ASSERT_NE(condition, nullptr);
    EXPECT_EQ(condition->GetOperatorKind(), ocBetween);
    EXPECT_DOUBLE_EQ(condition->GetValue()[0].AsDateTime(), EncodeDate(2024, 3, 1));
    EXPECT_DOUBLE_EQ(condition->GetValue()[1].AsDateTime(), EncodeDate(2024, 3, 31) + EncodeTime(23, 59, 59, 999));
    EXPECT_EQ(Data()->GetFilteredRecordCount(), 2) << "the evening of 31 March is still March";
    Load();
    EXPECT_EQ(list->GetIndexByCriteriaItem(item->GetDataBinding()->GetFilterCriteriaItem()), march);

    view->GetDateTimeHandling()->SetIgnoreTimeForFiltering(true);
    Load();
    list->ApplyFilter(item, IndexOfText("March 2024"), false, true, nullptr);
    EXPECT_DOUBLE_EQ(item->GetDataBinding()->GetFilterCriteriaItem()->GetValue()[1].AsDateTime(),
                     EncodeDate(2024, 3, 31))
        << "ignoring the time, the month ends on its last day";
}

TEST_F(FilterValueList, MarkedValuesFormOneOrGroupUnlessTheRootIsOne) {
    const TDateTime a = EncodeDate(2024, 3, 3), b = EncodeDate(2024, 3, 17), c = EncodeDate(2024, 4, 2);
    FillDates({a, b, c});
    TcxGridItemDataBinding* binding = item->GetDataBinding();
    Load();
    const std::vector<int> two = {IndexOfText(Text(a)), IndexOfText(Text(c))};
    binding->ApplyFilterValueIndexes(list.get(), two);
    TcxFilterCriteriaItemList* root = Filter().GetRoot();
    ASSERT_EQ(root->GetCount(), 1);
    ASSERT_TRUE(root->GetItem(0)->IsItemList());
    auto* group = static_cast<TcxFilterCriteriaItemList*>(root->GetItem(0));
    EXPECT_EQ(group->GetBoolOperatorKind(), goOr);
    EXPECT_EQ(group->GetCount(), 2);
    EXPECT_EQ(Data()->GetFilteredRecordCount(), 2);
    std::vector<int> active;
    binding->GetFilterActiveValueIndexes(list.get(), active);
    EXPECT_EQ(active, two);

    binding->ApplyFilterValueIndexes(list.get(), {two[0]});
    EXPECT_EQ(root->GetCount(), 1);
    EXPECT_FALSE(root->GetItem(0)->IsItemList()) << "one value goes to an AND root";

    Filter().RemoveAllItems();
    root->SetBoolOperatorKind(goOr);
    binding->ApplyFilterValueIndexes(list.get(), two);
    EXPECT_EQ(root->GetCount(), 2);
    EXPECT_FALSE(root->GetItem(0)->IsItemList()) << "an OR root takes them itself";
    binding->GetFilterActiveValueIndexes(list.get(), active);
    EXPECT_EQ(active, two);

    binding->ApplyFilterValueIndexes(list.get(), {});
    EXPECT_FALSE(binding->GetFiltered());
}

TEST_F(FilterValueList, SpecialEntriesApplyTheirConditions) {
    FillDates({EncodeDate(2024, 3, 3), 0});
    TcxGridItemDataBinding* binding = item->GetDataBinding();
    Load();
    list->ApplyFilter(item, IndexOfText("(Blanks)"), false, true, nullptr);
    EXPECT_EQ(Data()->GetFilteredRecordCount(), 1);
    EXPECT_EQ(list->GetIndexByCriteriaItem(binding->GetFilterCriteriaItem()), IndexOfText("(Blanks)"));
    list->ApplyFilter(item, IndexOfText("(NonBlanks)"), false, true, nullptr);
    EXPECT_EQ(binding->GetFilterCriteriaItem()->GetOperatorKind(), ocNotEqual);
    EXPECT_EQ(list->GetIndexByCriteriaItem(binding->GetFilterCriteriaItem()), IndexOfText("(NonBlanks)"));
    list->ApplyFilter(item, IndexOfText("(All)"), false, true, nullptr);
    EXPECT_FALSE(binding->GetFiltered());
    EXPECT_EQ(list->GetIndexByCriteriaItem(nullptr), IndexOfText("(All)"));

    std::vector<std::string> userFiltering;
    item->OnGetFilterValues = [](TcxCustomGridTableItem*, TcxDataFilterValueList* values) {
        values->Add(fvkUser, Variant(1), "Mine", false);
    };
    item->OnUserFiltering = [&](TcxCustomGridTableItem*, const Variant& value, const std::string& text) {
        userFiltering.push_back(value.AsString() + " " + text);
    };
    Load();
    list->ApplyFilter(item, IndexOfText("Mine"), false, true, nullptr);
    EXPECT_EQ(userFiltering, std::vector<std::string>{"1 Mine"});
    EXPECT_FALSE(binding->GetFiltered()) << "a user entry adds no condition by itself";
}

TEST_F(FilterValueList, RecentValuesKeepTheMostRecentUpToTheLimit) {
    const TDateTime a = EncodeDate(2024, 3, 3), b = EncodeDate(2024, 3, 17), c = EncodeDate(2024, 4, 2);
    FillDates({a, b, c});
    view->GetFiltering()->GetColumnPopup()->SetMultiSelect(false);
    view->GetFiltering()->SetColumnMRUItemsListCount(2);
    for (TDateTime date : {a, b, c, b}) {
        Load();
        list->ApplyFilter(item, IndexOfText(Text(date)), true, true, nullptr);
        item->SetFiltered(false);
    }
    const std::vector<std::string> entries = Load();
    ASSERT_GE(entries.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.begin() + 3),
              (std::vector<std::string>{"6:" + Text(b), "6:" + Text(c), "7:"}));
    item->GetDataBinding()->GetFilterValues(list.get(), true, true, true);
    for (int i = 0; i < list->GetCount(); ++i) EXPECT_EQ(list->GetItem(i).Kind, fvkValue) << "values only";
}

} // namespace
} // namespace zorvy::test
