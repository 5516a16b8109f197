#include "app/Countdown.h"

#include <cmath>

namespace zorvy {

namespace {

constexpr double MinutesPerDay = 24 * 60;
constexpr double CloseTime = 20.0 / 24;

bool IsDrawDay(TDateTime day) {
    const int weekday = DayOfWeek(day); // 1 = Sunday
    return weekday == 1 || weekday == 3 || weekday == 5;
}

// Whole minutes from a to b, rounded to the nearest millisecond first so that a time stored as a
// fraction of a day does not lose a minute.
long long MinutesBetween(TDateTime a, TDateTime b) {
    const long long ms = std::llround((b - a) * MinutesPerDay * 60000);
    return ms / 60000;
}

} // namespace

TDateTime NextSalesClose(TDateTime now) {
    TDateTime day = DateOf(now);
    for (int i = 0; i < 8; ++i, day += 1) {
        const TDateTime close = day + CloseTime;
        if (IsDrawDay(day) && std::llround((close - now) * MinutesPerDay * 60000) >= 0)
            return close;
    }
    return day + CloseTime; // not reached: a draw day comes every few days
}

std::string CountdownCaption(TDateTime now) {
    const long long minutes = MinutesBetween(now, NextSalesClose(now));
    return "Zorvy       距最后售票时间：" + std::to_string(minutes / 60) + "小时" + std::to_string(minutes % 60) + "分";
}

} // namespace zorvy
