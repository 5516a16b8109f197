#pragma once
// The lunar calendar's three tables, one entry per lunar year from kLunarFirstYear.
//   kLunarMonthMasks: bit 15 - i set when the i-th month of the year in calendar order (a leap month right
//     after its normal month) has 30 days, clear for 29.
//   kLunarLeapMonths: the month followed by a leap month (0 for none), two years per byte, the year at an
//     even offset in the high nibble.
//   kSolarTermDays: per Gregorian month, high nibble h puts the first solar term on day 15 - h, low nibble l
//     the second on day 15 + l.
#include <cstdint>

namespace zorvy {

constexpr int kLunarFirstYear = 1900;
constexpr int kLunarLastYear = 2056;
constexpr int kLunarYearCount = kLunarLastYear - kLunarFirstYear + 1;

extern const std::uint16_t kLunarMonthMasks[kLunarYearCount];
extern const std::uint8_t kLunarLeapMonths[(kLunarYearCount + 1) / 2];
extern const std::uint8_t kSolarTermDays[kLunarYearCount][12];

} // namespace zorvy
