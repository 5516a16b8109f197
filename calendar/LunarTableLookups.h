#pragma once
// Look-ups in the lunar calendar's tables. Outside the lunar years 1900 .. 2056 each returns its neutral
// value.

namespace zorvy {

// The month followed by a leap month in the year, 0 for none.
int LunarLeapMonth(int year);
// Low 16 bits: days of the month; high 16 bits: days of its leap month when the month is the year's leap
// month, else 0. 30 outside the range.
int LunarMonthLengths(int year, int month);
// Days of the lunar year, the leap month included; 0 outside the range.
int LunarYearDays(int year);
// Day of the Gregorian month on which its first solar term falls; 15 outside the range.
int FirstSolarTermDay(int year, int month);
// Index 0 .. 23 of the solar term that falls on the Gregorian day, -1 for none.
int SolarTermIndexOfDay(int year, int month, int day);

} // namespace zorvy
