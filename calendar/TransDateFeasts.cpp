#include "calendar/GregorianDay.h"
#include "calendar/LunarConversion.h"
#include "calendar/LunarTableLookups.h"
#include "calendar/TransDate.h"
#include "calendar/TransDateConst.h"

#include <cmath>
#include <cstdint>

namespace zorvy {

namespace {

int Occurrence(int day) {
    return (day - 1) / 7 + 1;
}

} // namespace

int SolarTermIndex(TDateTime date) {
    if (!std::isfinite(date)) return -1;
    const GregorianDay day = DecodeGregorianDay(date);
    return SolarTermIndexOfDay(day.year, day.month, day.day);
}

int MonthLastOccurrence(int year, int month) {
    return Occurrence(DaysInAMonth(year, month)) - 1;
}

std::string TTransDate::GetConstellation() const {
    const GregorianDay day = DecodeGregorianDay(FDate);
    const int v = day.month * 100 + day.day;
    struct Range {
        int from, to, index;
    };
    static constexpr Range kRanges[] = {
        {321, 419, 0}, {420, 520, 1},  {521, 620, 2},   {621, 722, 3},   {723, 822, 4},
        {823, 922, 5}, {923, 1022, 6}, {1023, 1121, 7}, {1122, 1221, 8}, {1222, 1231, 9},
        {101, 119, 9}, {120, 218, 10}, {219, 320, 11},
    };
    for (const Range& range : kRanges)
        if (v >= range.from && v <= range.to) return std::string(kConstellationNames[range.index]);
    return {};
}

void TTransDate::UpdateWeek() {
    FWeek = FISO8601 ? DayOfTheWeek(FDate) : DayOfWeek(FDate);
}

void TTransDate::UpdateFeast() {
    FFeast.clear();
    AddEaster();
    AddThanksgiving();
    AddWeekdayFeasts();
    AddLastWeekFeasts();
    AddFixedFeasts();
}

// Sunday after the first lunar full moon from 春分 on, counted with the lunar calendar's own days.
void TTransDate::AddEaster() {
    const GregorianDay today = DecodeGregorianDay(FDate);
    const int v = today.month * 100 + today.day;
    if (v < 321 || v > 425) return;
    const long start = static_cast<long>(EncodeDate(today.year, 3, 16));
    for (long day = start; day < start + 36; ++day) {
        if (SolarTermIndex(static_cast<TDateTime>(day)) != 5) continue;
        const auto lunar = LunarDayFromDayNumber(day - 1);
        if (!lunar) return;
        const int lengths = LunarMonthLengths(lunar->year, lunar->month);
        const int monthDays = lunar->leapMonth ? lengths >> 16 : lengths & 0xFFFF;
        long easter = day + (lunar->day <= 15 ? 15 - lunar->day : monthDays - lunar->day + 15);
        easter += 8 - DayOfWeek(static_cast<TDateTime>(easter));
        if (static_cast<long>(std::trunc(FDate)) == easter) FFeast = "复活节 Easter Sunday";
        return;
    }
}

void TTransDate::AddThanksgiving() {
    const GregorianDay today = DecodeGregorianDay(FDate);
    if (today.month == 11 && DayOfTheWeek(FDate) == 4 &&
        Occurrence(today.day) == MonthLastOccurrence(today.year, 11))
        FFeast += "感恩节(United States) Thanksgiving Day ";
}

void TTransDate::AddWeekdayFeasts() {
    const GregorianDay today = DecodeGregorianDay(FDate);
    const int weekday = DayOfTheWeek(FDate);
    for (const TDynamicFeastRow& row : FeastDynamicStr)
        if (row.Month == today.month && row.Occurrence == Occurrence(today.day) && row.Weekday == weekday) {
            FFeast += row.Text;
            FFeast += ' ';
        }
}

void TTransDate::AddLastWeekFeasts() {
    const GregorianDay today = DecodeGregorianDay(FDate);
    if (today.day <= DaysInAMonth(today.year, today.month) - 7) return;
    const int weekday = DayOfTheWeek(FDate);
    for (const TLastWeekFeastRow& row : FeastLastWeekStr)
        if (row.Month == today.month && row.Weekday == weekday) {
            FFeast += row.Text;
            FFeast += ' ';
        }
}

void TTransDate::AddFixedFeasts() {
    const GregorianDay today = DecodeGregorianDay(FDate);
    const int key = FeastKey(today.month, today.day);
    for (const TFeastRow& row : FeastStr)
        if (row.Key == key) {
            FFeast += row.Text;
            return;
        }
}

} // namespace zorvy
