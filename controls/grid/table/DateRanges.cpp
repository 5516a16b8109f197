// The date ranges: what each holds, its value and its text; the containers that try them in order.
#include "controls/grid/table/DateRanges.h"
#include "controls/grid/table/DateFilterTexts.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/grid/table/FilterOptions.h"

#include "controls/data/DataUtils.h"
#include "controls/data/FilterOperators.h"
#include "controls/data/Variants.h"
#include "controls/foundation/locale/SmartDates.h"

#include <cmath>

namespace zorvy {

namespace {

std::string FormatWith(const std::string& format, const Variant& date) {
    return format.empty() ? std::string() : FormatDateTime(format, date.AsDateTime());
}

} // namespace

// ---- base ----

const TcxCustomGridTableDateTimeHandling* TcxCustomGridDateRange::Handling() const {
    return container_ ? container_->GetHandling() : nullptr;
}

Variant TcxCustomGridDateRange::RangeValueOf(bool, const Variant& date) const {
    return GetValue(date);
}

Variant TcxCustomGridDateRange::SortKeyOf(const Variant& date) const {
    if (!SortsByTime()) return GetValue(date);
    const TDateTime value = date.AsDateTime();
    return VarFromDateTime(std::fabs(value - std::trunc(value)));
}

// ---- plain ranges ----

std::string TcxGridHourRange::GetDisplayText(const Variant& date) const {
    return Handling() ? FormatWith(Handling()->GetHourFormat(), date) : std::string();
}

Variant TcxGridHourRange::GetValue(const Variant& date) const {
    int hour, minute, second, msec;
    DecodeTime(date.AsDateTime(), hour, minute, second, msec);
    return VarFromDateTime(EncodeTime(hour, 0, 0, 0));
}

std::string TcxGridDayRange::GetDisplayText(const Variant& date) const {
    return Handling() ? FormatWith(Handling()->GetDateFormat(), date) : std::string();
}

std::string TcxGridMonthRange::GetDisplayText(const Variant& date) const {
    return Handling() ? FormatWith(Handling()->GetMonthFormat(), date) : std::string();
}

Variant TcxGridMonthRange::GetValue(const Variant& date) const {
    return VarFromDateTime(FirstDayOfMonthOf(date.AsDateTime()));
}

Variant TcxGridMonthRange::RangeValueOf(bool ignoreTime, const Variant& date) const {
    return VarArrayFromPair(GetValue(date), VarFromDateTime(LastDayOfMonthOf(ignoreTime, date.AsDateTime())));
}

std::string TcxGridYearRange::GetDisplayText(const Variant& date) const {
    return Handling() ? FormatWith(Handling()->GetYearFormat(), date) : std::string();
}

Variant TcxGridYearRange::GetValue(const Variant& date) const {
    return VarFromDateTime(FirstDayOfYearOf(date.AsDateTime()));
}

Variant TcxGridYearRange::RangeValueOf(bool ignoreTime, const Variant& date) const {
    return VarArrayFromPair(GetValue(date), VarFromDateTime(LastDayOfYearOf(ignoreTime, date.AsDateTime())));
}

// ---- relative ranges ----

bool TcxGridRelativeDayRange::Contains(const Variant& date) const {
    return GetContainer() && date.AsDateTime() == GetContainer()->GetToday() + DayOffset();
}

bool TcxGridRelativePeriodRange::Contains(const Variant& date) const {
    const TcxGridDateRanges* ranges = GetContainer();
    if (!ranges) return false;
    const TDateTime value = date.AsDateTime();
    switch (GetPeriod()) {
    case prWeek:
        return GetWeekStartDate(value) == ranges->GetThisWeekStart() + 7 * PeriodOffset();
    case prMonth:
        return MonthSerialOf(value) == ranges->GetThisMonthSerial() + PeriodOffset();
    default:
        return YearOf(value) == ranges->GetThisYear() + PeriodOffset();
    }
}

Variant TcxGridRelativePeriodRange::GetValue(const Variant& date) const {
    const TDateTime value = date.AsDateTime();
    switch (GetPeriod()) {
    case prWeek:
        return Variant(GetWeekStartDate(value) + 0.1);
    case prMonth:
        return Variant(FirstDayOfMonthOf(value) + 0.2);
    default:
        return Variant(FirstDayOfYearOf(value) + 0.3);
    }
}

#define ZORVY_RANGE_TEXT(Name, Text)                                                                         \
    std::string Name::GetDisplayText(const Variant&) const { return ResolveResourceString(Text); }
ZORVY_RANGE_TEXT(TcxGridYesterdayRange, scxGridYesterday)
ZORVY_RANGE_TEXT(TcxGridTodayRange, scxGridToday)
ZORVY_RANGE_TEXT(TcxGridTomorrowRange, scxGridTomorrow)
ZORVY_RANGE_TEXT(TcxGridLastWeekRange, scxGridLastWeek)
ZORVY_RANGE_TEXT(TcxGridThisWeekRange, scxGridThisWeek)
ZORVY_RANGE_TEXT(TcxGridNextWeekRange, scxGridNextWeek)
ZORVY_RANGE_TEXT(TcxGridLastMonthRange, scxGridLastMonth)
ZORVY_RANGE_TEXT(TcxGridThisMonthRange, scxGridThisMonth)
ZORVY_RANGE_TEXT(TcxGridNextMonthRange, scxGridNextMonth)
ZORVY_RANGE_TEXT(TcxGridLastYearRange, scxGridLastYear)
ZORVY_RANGE_TEXT(TcxGridThisYearRange, scxGridThisYear)
ZORVY_RANGE_TEXT(TcxGridNextYearRange, scxGridNextYear)
#undef ZORVY_RANGE_TEXT

// ---- containers ----

TcxGridDateRanges::~TcxGridDateRanges() {
    Clear();
}

void TcxGridDateRanges::Init(const TcxCustomGridTableDateTimeHandling* handling) {
    handling_ = handling;
    InitToday();
    Clear();
}

void TcxGridDateRanges::InitToday() {
    today_ = DatePart(cxFilterClock());
    weekStart_ = GetWeekStartDate(today_);
    DecodeDate(today_, year_, month_, day_);
    monthSerial_ = MonthSerialOf(today_);
}

void TcxGridDateRanges::Add(std::unique_ptr<TcxCustomGridDateRange> range) {
    range->SetContainer(this);
    items_.push_back(std::move(range));
}

TcxCustomGridDateRange* TcxGridDateRanges::AddRange(TcxGridDateRangeClass rangeClass) {
    auto* range = CreateInstance<TcxCustomGridDateRange>(rangeClass);
    Add(std::unique_ptr<TcxCustomGridDateRange>(range));
    return range;
}

void TcxGridDateRanges::Clear() {
    while (!items_.empty()) items_.pop_back();
}

TcxCustomGridDateRange* TcxGridDateRanges::FindRange(const Variant& date) const {
    for (const auto& range : items_)
        if (range->Contains(date)) return range.get();
    return nullptr;
}

bool TcxGridDateRanges::UsesTimeOfDay() const {
    for (const auto& range : items_)
        if (range->UsesTimeOfDay()) return true;
    return false;
}

bool TcxGridDateRanges::SortsByTime() const {
    for (const auto& range : items_)
        if (range->SortsByTime()) return true;
    return false;
}

void TcxGridFilteringDateRanges::Init(const TcxCustomGridTableDateTimeHandling* handling, unsigned filters) {
    TcxGridDateRanges::Init(handling);
    if (filters & (1u << dtfYears)) AddRange(TcxGridYearRange::StaticClass());
    if (filters & (1u << dtfMonths)) AddRange(TcxGridMonthRange::StaticClass());
}

void TcxGridGroupingDateRanges::Init(const TcxCustomGridTableDateTimeHandling* handling, int grouping) {
    TcxGridDateRanges::Init(handling);
    switch (grouping) {
    case dtgRelativeToToday:
        for (TcxGridDateRangeClass rangeClass :
             {TcxGridYesterdayRange::StaticClass(), TcxGridTodayRange::StaticClass(),
              TcxGridTomorrowRange::StaticClass(), TcxGridLastWeekRange::StaticClass(),
              TcxGridThisWeekRange::StaticClass(), TcxGridNextWeekRange::StaticClass(),
              TcxGridLastMonthRange::StaticClass(), TcxGridThisMonthRange::StaticClass(),
              TcxGridNextMonthRange::StaticClass(), TcxGridLastYearRange::StaticClass(),
              TcxGridThisYearRange::StaticClass(), TcxGridNextYearRange::StaticClass()})
            AddRange(rangeClass);
        break;
    case dtgByHour:
        AddRange(TcxGridHourRange::StaticClass());
        break;
    case dtgByDate:
        AddRange(TcxGridDayRange::StaticClass());
        break;
    case dtgByMonth:
        AddRange(TcxGridMonthRange::StaticClass());
        break;
    case dtgByYear:
        AddRange(TcxGridYearRange::StaticClass());
        break;
    default:
        break;
    }
}

bool TcxGridFilterMRUValueItem::Equals(const TcxMRUItem* item) const {
    auto* other = dynamic_cast<const TcxGridFilterMRUValueItem*>(item);
    return other && VariantsEqual(other->Value, Value);
}

} // namespace zorvy
