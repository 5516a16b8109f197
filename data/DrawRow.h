#pragma once
// One draw as the trend columns read it: the issue number, the six red balls and the closing date's day
// of the month and weekday.
#include "engine/Combination.h"

#include <cstdint>

namespace zorvy {

struct TDrawRow {
    int32_t Issue = 0;
    TCombination Balls{};
    int32_t DayOfMonth = 0;
    int32_t WeekDay = 0; // 1 Monday to 7 Sunday
};

} // namespace zorvy
