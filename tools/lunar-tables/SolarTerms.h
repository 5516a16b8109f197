#pragma once
// Days of the two solar terms of a Gregorian month in China's time zone (UTC+8).

namespace zorvy::lunartables {

struct MonthTerms {
    int firstDay;
    int secondDay;
};

MonthTerms SolarTermDays(int year, int month);

} // namespace zorvy::lunartables
