#pragma once
// The lunar calendar's constant texts: cyclic names, animals, constellations, solar terms and the four
// festival tables. Several festivals in one text are separated by single blanks.
#include <array>
#include <span>
#include <string_view>

namespace zorvy {

extern const std::array<std::string_view, 10> kHeavenlyStems;
extern const std::array<std::string_view, 12> kEarthlyBranches;
extern const std::array<std::string_view, 12> kAnimalNames;
extern const std::array<std::string_view, 12> kConstellationNames;
extern const std::array<std::string_view, 24> kSolarTermNames;

// Key: month * 256 + day (lunar for FeastOfLunarStr, Gregorian for FeastStr).
struct TFeastRow {
    int Key;
    std::string_view Text;
};

// The Occurrence-th ISO weekday (Monday 1 .. Sunday 7) of a Gregorian month.
struct TDynamicFeastRow {
    int Month;
    int Occurrence;
    int Weekday;
    std::string_view Text;
};

// An ISO weekday within the last seven days of a Gregorian month.
struct TLastWeekFeastRow {
    int Month;
    int Weekday;
    std::string_view Text;
};

extern const std::span<const TFeastRow> FeastOfLunarStr;
extern const std::span<const TDynamicFeastRow> FeastDynamicStr;
extern const std::span<const TLastWeekFeastRow> FeastLastWeekStr;
extern const std::span<const TFeastRow> FeastStr;

constexpr int FeastKey(int month, int day) {
    return month * 256 + day;
}

} // namespace zorvy
