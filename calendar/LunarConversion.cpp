#include "calendar/LunarConversion.h"

#include "calendar/LunarTableLookups.h"
#include "calendar/LunarTables.h"

#include <algorithm>

namespace zorvy {

namespace {

int NormalDays(int lengths) {
    return lengths & 0xFFFF;
}
int LeapDays(int lengths) {
    return lengths >> 16;
}

bool LiesInLeapMonth(const LunarDay& date) {
    return date.leapMonth && date.month == LunarLeapMonth(date.year);
}

} // namespace

std::optional<LunarDay> LunarDayFromDayNumber(long dayNumber) {
    if (dayNumber < kLunarEpochDayNumber) return std::nullopt;
    long n = dayNumber - kLunarEpochDayNumber;
    int year = kLunarFirstYear;
    while (n >= LunarYearDays(year)) {
        if (year == kLunarLastYear) return std::nullopt;
        n -= LunarYearDays(year);
        ++year;
    }
    for (int month = 1; month <= 12; ++month) {
        const int lengths = LunarMonthLengths(year, month);
        if (n < NormalDays(lengths)) return LunarDay{year, month, static_cast<int>(n) + 1, false};
        n -= NormalDays(lengths);
        if (LeapDays(lengths) != 0) {
            if (n < LeapDays(lengths)) return LunarDay{year, month, static_cast<int>(n) + 1, true};
            n -= LeapDays(lengths);
        }
    }
    return std::nullopt; // unreachable: the year loop left n inside the year
}

bool IsValidLunarDay(const LunarDay& date) {
    if (date.year < kLunarFirstYear || date.year > kLunarLastYear || date.month < 1 || date.month > 12)
        return false;
    if (date.leapMonth && date.month != LunarLeapMonth(date.year)) return false;
    const int lengths = LunarMonthLengths(date.year, date.month);
    return date.day >= 1 && date.day <= (date.leapMonth ? LeapDays(lengths) : NormalDays(lengths));
}

long LunarDayCount(const LunarDay& date) {
    long days = date.day;
    if (date.year < kLunarFirstYear) return days;
    if (LiesInLeapMonth(date)) days += NormalDays(LunarMonthLengths(date.year, date.month));
    for (int month = std::clamp(date.month - 1, 0, 12); month >= 1; --month) {
        const int lengths = LunarMonthLengths(date.year, month);
        days += NormalDays(lengths) + LeapDays(lengths);
    }
    for (int year = std::min(date.year - 1, kLunarLastYear); year >= kLunarFirstYear; --year)
        days += LunarYearDays(year);
    return days;
}

} // namespace zorvy
