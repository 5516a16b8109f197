#include "calendar/LunarTableLookups.h"

#include "calendar/LunarTables.h"

namespace zorvy {

namespace {

bool InTable(int year) {
    return year >= kLunarFirstYear && year <= kLunarLastYear;
}

bool LongMonthBit(int year, int calendarIndex) {
    return (kLunarMonthMasks[year - kLunarFirstYear] >> (15 - calendarIndex) & 1) != 0;
}

int MonthDaysAt(int year, int calendarIndex) {
    return LongMonthBit(year, calendarIndex) ? 30 : 29;
}

} // namespace

int LunarLeapMonth(int year) {
    if (!InTable(year)) return 0;
    const int offset = year - kLunarFirstYear;
    const int pair = kLunarLeapMonths[offset / 2];
    return offset % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

int LunarMonthLengths(int year, int month) {
    if (!InTable(year) || month < 1 || month > 12) return 30;
    const int leap = LunarLeapMonth(year);
    // A leap month takes the bit right after its normal month, so the later months move down by one.
    const int calendarIndex = leap != 0 && month > leap ? month : month - 1;
    const int leapDays = leap == month ? MonthDaysAt(year, leap) : 0;
    return leapDays << 16 | MonthDaysAt(year, calendarIndex);
}

int LunarYearDays(int year) {
    if (!InTable(year)) return 0;
    const int months = LunarLeapMonth(year) != 0 ? 13 : 12;
    int days = 0;
    for (int i = 0; i < months; ++i)
        days += MonthDaysAt(year, i);
    return days;
}

int FirstSolarTermDay(int year, int month) {
    if (!InTable(year) || month < 1 || month > 12) return 15;
    return 15 - (kSolarTermDays[year - kLunarFirstYear][month - 1] >> 4);
}

int SolarTermIndexOfDay(int year, int month, int day) {
    if (!InTable(year) || month < 1 || month > 12) return -1;
    const int termByte = kSolarTermDays[year - kLunarFirstYear][month - 1];
    if (day > 14) return day == 15 + (termByte & 0x0F) ? 2 * (month - 1) + 1 : -1;
    return day == 15 - (termByte >> 4) ? 2 * (month - 1) : -1;
}

} // namespace zorvy
