// The date operators: each keeps the half-open range [first, end) of the day of the criteria's
// last change.
#include "controls/data/DataResources.h"
#include "controls/data/DataUtils.h"
#include "controls/data/FilterCriteria.h"
#include "controls/data/FilterOperators.h"

namespace zorvy {

TcxFilterClock cxFilterClock = &Now;

TDateTime TcxFilterDateOperator::Today() {
    return DatePart(cxFilterClock());
}

TDateTime TcxFilterDateOperator::WeekStart() {
    return GetWeekStartDate(Today());
}

bool TcxFilterDateOperator::Matches(const Variant& v, const Variant&) const {
    if (GetCriteriaItem()->IsNullValue(v)) return false;
    return (first_ == 0 || Variant::FromDate(first_) <= v) && (end_ == 0 || v < Variant::FromDate(end_));
}

void TcxFilterDateOperator::WriteConditionExpression(const Variant&, std::string& text) const {
    std::string field = FieldName();
    text.clear();
    if (first_ != 0) {
        std::string bound;
        WriteValueExpression(Variant::FromDate(first_), bound);
        text = "(" + field + " >= " + bound + ")";
    }
    if (first_ != 0 && end_ != 0) text += " AND ";
    if (end_ != 0) {
        std::string bound;
        WriteValueExpression(Variant::FromDate(end_), bound);
        text += "(" + field + " < " + bound + ")";
    }
}

void TcxFilterLastNDaysOperator::Refresh() {
    TDateTime t = Today();
    SetRange(t + 1 - DaysInRange(), t + 1);
}

void TcxFilterNextNDaysOperator::Refresh() {
    TDateTime t = Today();
    SetRange(t, t + DaysInRange());
}

namespace {

// The first day of the month `months` away from the month of `date`.
TDateTime MonthStart(TDateTime date, int months) {
    int year, month, day;
    DecodeDate(date, year, month, day);
    int index = year * 12 + (month - 1) + months;
    return EncodeDate(index / 12, index % 12 + 1, 1);
}

TDateTime YearStart(TDateTime date, int years) {
    return EncodeDate(YearOf(date) + years, 1, 1);
}

} // namespace

#define ZORVY_DATE_RANGE(Name, Words, First, End)                                                            \
    std::string Name::GetCaption() const {                                                                   \
        return GetDataResourceText(Words);                                                                   \
    }                                                                                                        \
    void Name::Refresh() {                                                                                   \
        [[maybe_unused]] TDateTime t = Today();                                                              \
        SetRange(First, End);                                                                                \
    }
ZORVY_DATE_RANGE(TcxFilterYesterdayOperator, cxSFilterOperatorYesterday, t - 1, t)
ZORVY_DATE_RANGE(TcxFilterTodayOperator, cxSFilterOperatorToday, t, t + 1)
ZORVY_DATE_RANGE(TcxFilterTomorrowOperator, cxSFilterOperatorTomorrow, t + 1, t + 2)
ZORVY_DATE_RANGE(TcxFilterLastWeekOperator, cxSFilterOperatorLastWeek, WeekStart() - 7, WeekStart())
ZORVY_DATE_RANGE(TcxFilterLastTwoWeeksOperator, cxSFilterOperatorLastTwoWeeks, WeekStart() - 14, WeekStart())
ZORVY_DATE_RANGE(TcxFilterThisWeekOperator, cxSFilterOperatorThisWeek, WeekStart(), WeekStart() + 7)
ZORVY_DATE_RANGE(TcxFilterNextWeekOperator, cxSFilterOperatorNextWeek, WeekStart() + 7, WeekStart() + 14)
ZORVY_DATE_RANGE(TcxFilterNextTwoWeeksOperator, cxSFilterOperatorNextTwoWeeks, WeekStart() + 7,
                 WeekStart() + 21)
ZORVY_DATE_RANGE(TcxFilterLastMonthOperator, cxSFilterOperatorLastMonth, MonthStart(t, -1), MonthStart(t, 0))
ZORVY_DATE_RANGE(TcxFilterThisMonthOperator, cxSFilterOperatorThisMonth, MonthStart(t, 0), MonthStart(t, 1))
ZORVY_DATE_RANGE(TcxFilterNextMonthOperator, cxSFilterOperatorNextMonth, MonthStart(t, 1), MonthStart(t, 2))
ZORVY_DATE_RANGE(TcxFilterLastYearOperator, cxSFilterOperatorLastYear, YearStart(t, -1), YearStart(t, 0))
ZORVY_DATE_RANGE(TcxFilterThisYearOperator, cxSFilterOperatorThisYear, YearStart(t, 0), YearStart(t, 1))
ZORVY_DATE_RANGE(TcxFilterNextYearOperator, cxSFilterOperatorNextYear, YearStart(t, 1), YearStart(t, 2))
ZORVY_DATE_RANGE(TcxFilterInPastOperator, cxSFilterOperatorPast, 0, t)
ZORVY_DATE_RANGE(TcxFilterInFutureOperator, cxSFilterOperatorFuture, t + 1, 0)
#undef ZORVY_DATE_RANGE

#define ZORVY_N_DAYS_WORDS(Name, Words)                                                                      \
    std::string Name::GetCaption() const {                                                                   \
        return GetDataResourceText(Words);                                                                   \
    }
ZORVY_N_DAYS_WORDS(TcxFilterLast7DaysOperator, cxSFilterOperatorLast7Days)
ZORVY_N_DAYS_WORDS(TcxFilterLast14DaysOperator, cxSFilterOperatorLast14Days)
ZORVY_N_DAYS_WORDS(TcxFilterLast30DaysOperator, cxSFilterOperatorLast30Days)
ZORVY_N_DAYS_WORDS(TcxFilterNext7DaysOperator, cxSFilterOperatorNext7Days)
ZORVY_N_DAYS_WORDS(TcxFilterNext14DaysOperator, cxSFilterOperatorNext14Days)
ZORVY_N_DAYS_WORDS(TcxFilterNext30DaysOperator, cxSFilterOperatorNext30Days)
#undef ZORVY_N_DAYS_WORDS

} // namespace zorvy
