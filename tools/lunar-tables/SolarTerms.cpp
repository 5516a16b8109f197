#include "SolarTerms.h"

#include "CivilDays.h"
#include "SunLongitude.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace zorvy::lunartables {

namespace {

constexpr double kChinaOffsetDays = 8.0 / 24.0;

// Signed angle from a longitude forward to the target, in (-180, 180].
double AngleTo(double longitude, double target) {
    double angle = std::fmod(target - longitude, 360.0);
    if (angle <= -180) angle += 360;
    if (angle > 180) angle -= 360;
    return angle;
}

// Sun's longitude at 00:00 China time of the civil day.
double LongitudeAtChinaMidnight(long days) {
    const double julianDayUT = JulianDayOfDays(days) - kChinaOffsetDays;
    const CivilDate date = CivilFromDays(days);
    const double decimalYear = date.year + (date.month - 0.5) / 12.0;
    return ApparentSolarLongitude(julianDayUT + DeltaT(decimalYear) / 86400.0);
}

int TermDay(int year, int month, double target) {
    const long first = DaysFromCivil(year, month, 1);
    const long next = month == 12 ? DaysFromCivil(year + 1, 1, 1) : DaysFromCivil(year, month + 1, 1);
    for (long day = first; day < next; ++day) {
        if (AngleTo(LongitudeAtChinaMidnight(day), target) > 0 &&
            AngleTo(LongitudeAtChinaMidnight(day + 1), target) <= 0)
            return static_cast<int>(day - first) + 1;
    }
    throw std::runtime_error("no solar term at " + std::to_string(target) + " degrees in " +
                             std::to_string(year) + "-" + std::to_string(month));
}

} // namespace

// January holds 小寒 (285 degrees) and 大寒 (300 degrees); each later month is 30 degrees on.
MonthTerms SolarTermDays(int year, int month) {
    const double first = std::fmod(285.0 + 30.0 * (month - 1), 360.0);
    return {TermDay(year, month, first), TermDay(year, month, std::fmod(first + 15.0, 360.0))};
}

} // namespace zorvy::lunartables
