#include "CivilDays.h"

#include "platform/rtl/DateTime.h"

namespace zorvy::lunartables {

namespace {

// 1970-01-01, day 0 here, as a day of the runtime's dates.
constexpr long UnixDay = 25569;

} // namespace

long DaysFromCivil(int year, int month, int day) {
    return static_cast<long>(EncodeDate(year, month, day)) - UnixDay;
}

CivilDate CivilFromDays(long days) {
    CivilDate date{};
    DecodeDate(static_cast<TDateTime>(days + UnixDay), date.year, date.month, date.day);
    return date;
}

double JulianDayOfDays(long days) {
    return static_cast<double>(days) + 2440587.5;
}

} // namespace zorvy::lunartables
