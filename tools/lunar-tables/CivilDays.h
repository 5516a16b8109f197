#pragma once
// Gregorian dates as day counts from 1970-01-01, the unit the generator works in.

namespace zorvy::lunartables {

struct CivilDate {
    int year;
    int month; // 1 .. 12
    int day;   // 1 .. 31
};

long DaysFromCivil(int year, int month, int day);
CivilDate CivilFromDays(long days);
// Julian day number (in days, from noon) of 00:00 UTC of the day.
double JulianDayOfDays(long days);

} // namespace zorvy::lunartables
