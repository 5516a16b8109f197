// The date ranges: which period a date falls in relative to a fixed today (the first range in list
// order wins), the values and texts of the periods, and the plain month and year ranges.
#include "controls/grid/table/DateRanges.h"
#include "controls/data/Variants.h"
#include "tests/controls/grid/table/DateFilterFixture.h"

#include <string>

namespace zorvy::test {
namespace {

using DateRanges = DateFilterTest;

TEST_F(DateRanges, RelativeGroupingTakesTheFirstRangeInListOrder) {
    view->GetDateTimeHandling()->SetGrouping(dtgRelativeToToday);
    TcxGridGroupingDateRanges* ranges = item->GetGroupingDateRanges();
    ASSERT_EQ(ranges->GetCount(), 12);
    EXPECT_DOUBLE_EQ(ranges->GetToday(), EncodeDate(2025, 1, 5)) << "the clock's date without its time";
    EXPECT_DOUBLE_EQ(ranges->GetThisWeekStart(), EncodeDate(2024, 12, 30));
    struct Case {
        int year, month, day;
        const char* text; // empty: no range holds it
    } cases[] = {
        {2025, 1, 4, "Yesterday"},   {2025, 1, 5, "Today"},       {2025, 1, 6, "Tomorrow"},
        {2024, 12, 31, "This week"}, {2024, 12, 24, "Last week"}, {2024, 12, 20, "Last month"},
        {2025, 1, 10, "Next week"},  {2025, 1, 20, "This month"}, {2025, 2, 14, "Next month"},
        {2024, 3, 15, "Last year"},  {2025, 7, 1, "This year"},   {2026, 3, 1, "Next year"},
        {2023, 3, 1, ""},
    };
    for (const Case& c : cases) {
        const Variant date = VarFromDateTime(EncodeDate(c.year, c.month, c.day));
        TcxCustomGridDateRange* range = ranges->FindRange(date);
        EXPECT_EQ(range ? range->GetDisplayText(date) : std::string(), c.text)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST_F(DateRanges, RelativePeriodsAreValuedAfterTheirFirstDayAndNeverEqualADate) {
    view->GetDateTimeHandling()->SetGrouping(dtgRelativeToToday);
    TcxGridGroupingDateRanges* ranges = item->GetGroupingDateRanges();
    struct Case {
        TDateTime date;
        TDateTime value;
        bool isDate;
    } cases[] = {
        {EncodeDate(2025, 1, 4), EncodeDate(2025, 1, 4), true},
        {EncodeDate(2024, 12, 24), EncodeDate(2024, 12, 23) + 0.1, false},
        {EncodeDate(2024, 12, 20), EncodeDate(2024, 12, 1) + 0.2, false},
        {EncodeDate(2024, 3, 15), EncodeDate(2024, 1, 1) + 0.3, false},
    };
    for (const Case& c : cases) {
        const Variant date = VarFromDateTime(c.date);
        const Variant value = ranges->FindRange(date)->GetValue(date);
        EXPECT_DOUBLE_EQ(value.AsDateTime(), c.value) << c.date;
        EXPECT_EQ(value.VarType() == varDate, c.isDate) << c.date;
    }
    EXPECT_FALSE(ranges->SortsByTime());
}

TEST_F(DateRanges, MonthAndYearRangesCoverTheWholePeriod) {
    view->GetDateTimeHandling()->SetGrouping(dtgByMonth);
    TcxGridGroupingDateRanges* ranges = item->GetGroupingDateRanges();
    ASSERT_EQ(ranges->GetCount(), 1);
    const Variant date = VarFromDateTime(EncodeDate(2024, 2, 17) + EncodeTime(20, 15, 0, 0));
    TcxCustomGridDateRange* month = ranges->FindRange(date);
    EXPECT_EQ(month->GetDisplayText(date), "February 2024");
    EXPECT_DOUBLE_EQ(month->GetValue(date).AsDateTime(), EncodeDate(2024, 2, 1));
    const Variant withTime = month->RangeValueOf(false, date);
    ASSERT_TRUE(withTime.IsArray());
    EXPECT_DOUBLE_EQ(withTime[0].AsDateTime(), EncodeDate(2024, 2, 1));
    EXPECT_DOUBLE_EQ(withTime[1].AsDateTime(), EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 59, 999))
        << "a leap year's February";
    EXPECT_DOUBLE_EQ(month->RangeValueOf(true, date)[1].AsDateTime(), EncodeDate(2024, 2, 29));

    view->GetDateTimeHandling()->SetGrouping(dtgByYear);
    TcxCustomGridDateRange* year = item->GetGroupingDateRanges()->FindRange(date);
    EXPECT_EQ(year->GetDisplayText(date), "2024");
    EXPECT_DOUBLE_EQ(year->RangeValueOf(false, date)[1].AsDateTime(),
                     EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59, 999));

    view->GetDateTimeHandling()->SetGrouping(dtgByHour);
    TcxCustomGridDateRange* hour = item->GetGroupingDateRanges()->FindRange(date);
    EXPECT_DOUBLE_EQ(hour->GetValue(date).AsDateTime(), EncodeTime(20, 0, 0, 0));
    EXPECT_DOUBLE_EQ(hour->SortKeyOf(date).AsDateTime(), EncodeTime(20, 15, 0, 0)) << "sorts by the time of day";
    EXPECT_TRUE(item->GetGroupingDateRanges()->UsesTimeOfDay());

    view->GetDateTimeHandling()->SetGrouping(dtgByDateAndTime);
    EXPECT_TRUE(item->GetGroupingDateRanges()->IsEmpty());
}

TEST_F(DateRanges, FilteringRangesFollowTheFiltersAndTheHandlers) {
    std::vector<std::string> calls;
    view->OnInitFilteringDateRanges = [&](TcxCustomGridTableItem*, TcxGridDateRanges* ranges) {
        calls.push_back("view " + std::to_string(ranges->GetCount()));
    };
    item->OnInitFilteringDateRanges = [&](TcxCustomGridTableItem*, TcxGridDateRanges* ranges) {
        calls.push_back("item " + std::to_string(ranges->GetCount()));
        ranges->AddRange(TcxGridTodayRange::StaticClass());
    };
    view->GetDateTimeHandling()->SetFilters((1u << dtfMonths) | (1u << dtfYears));
    item->InitFilteringDateRanges();
    TcxGridFilteringDateRanges* ranges = item->GetFilteringDateRanges();
    ASSERT_EQ(ranges->GetCount(), 3);
    EXPECT_TRUE(ranges->GetItem(0)->Is<TcxGridYearRange>());
    EXPECT_TRUE(ranges->GetItem(1)->Is<TcxGridMonthRange>());
    EXPECT_EQ(ranges->GetItem(2)->GetContainer(), ranges);
    EXPECT_EQ(calls, (std::vector<std::string>{"view 2", "item 2"}));
}

} // namespace
} // namespace zorvy::test
