#pragma once
// Conversion between day numbers (1 = 1900-01-01) and lunar dates over the table's range.
#include <optional>

namespace zorvy {

// Day number of lunar new year 1900 (1900-01-31).
constexpr int kLunarEpochDayNumber = 31;

struct LunarDay {
    int year;
    int month; // 1 .. 12
    int day;   // 1 .. 30
    bool leapMonth;
};

// The lunar date of a day number; empty before lunar new year 1900 and from lunar new year 2057 on.
std::optional<LunarDay> LunarDayFromDayNumber(long dayNumber);

// True when the lunar date's month and day exist in the table (the year's leap month for a leap date).
bool IsValidLunarDay(const LunarDay& date);

// Days from lunar 1900-01-01 (day 1) to the date: the day, plus the normal month when the date lies in its
// leap month, plus every earlier month (leap months included) from month 1 of 1900. A date before 1900
// counts its day alone; months after the table count as their neutral length and years after it as 0.
long LunarDayCount(const LunarDay& date);

} // namespace zorvy
