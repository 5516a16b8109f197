#include "calendar/LunarTables.h"
#include "calendar/LunarConversion.h"
#include "calendar/LunarTableLookups.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace zorvy {
namespace {

struct TellingRow {
    int year;
    int mask;
    int leapMonth;
    std::optional<std::array<int, 12>> termBytes;
};

// The published rows the tables are known by. Two places hold the computed value instead of the commonly
// quoted one: 大寒 2008 fell at 00:43 China time on 21 January (byte 0x96, not 0x95) and 秋分 2008 at 23:44
// on 22 September (0x87, not 0x88). Lunar 2056 has twelve months: with a leap month its 383 days would move
// lunar new year 2057 into March.
const TellingRow kTellingRows[] = {
    {1900, 0x4B68, 8, {{0x95, 0xB4, 0x96, 0xA5, 0x96, 0x97, 0x88, 0x78, 0x78, 0x69, 0x78, 0x87}}},
    {1901, 0x4AE0, 0, std::nullopt},
    {2008, 0x92D0, 0, {{0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x87, 0x78, 0x87, 0x86}}},
    {2009, 0xC958, 5, std::nullopt},
    {2056, 0xEA50, 0, std::nullopt},
};

TEST(LunarTables, TellingRowsMatch) {
    for (const TellingRow& row : kTellingRows) {
        SCOPED_TRACE(row.year);
        EXPECT_EQ(kLunarMonthMasks[row.year - kLunarFirstYear], row.mask);
        EXPECT_EQ(LunarLeapMonth(row.year), row.leapMonth);
        if (!row.termBytes) continue;
        for (int month = 0; month < 12; ++month)
            EXPECT_EQ(kSolarTermDays[row.year - kLunarFirstYear][month], (*row.termBytes)[month])
                << "month " << month + 1;
    }
}

TEST(LunarTables, EverySolarTermFallsInItsSeason) {
    for (int year = kLunarFirstYear; year <= kLunarLastYear; ++year)
        for (int month = 1; month <= 12; ++month) {
            const int first = FirstSolarTermDay(year, month);
            const int second = 15 + (kSolarTermDays[year - kLunarFirstYear][month - 1] & 0x0F);
            ASSERT_TRUE(first >= 3 && first <= 9) << year << "-" << month << ": " << first;
            ASSERT_TRUE(second >= 18 && second <= 24) << year << "-" << month << ": " << second;
            ASSERT_EQ(SolarTermIndexOfDay(year, month, first), 2 * (month - 1));
            ASSERT_EQ(SolarTermIndexOfDay(year, month, second), 2 * (month - 1) + 1);
        }
}

TEST(LunarTables, MonthLengthsFollowTheMaskOrder) {
    // 2009: 0xC958 with leap month 5 reads 30 30 29 29 30 | leap 29 | 29 30 29 30 29 30 30 (calendar order).
    const int expected[12] = {30, 30, 29, 29, 30, 29, 30, 29, 30, 29, 30, 30};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(LunarMonthLengths(2009, month) & 0xFFFF, expected[month - 1]) << month;
    EXPECT_EQ(LunarMonthLengths(2009, 5) >> 16, 29);
    EXPECT_EQ(LunarMonthLengths(2009, 6) >> 16, 0);
    EXPECT_EQ(LunarYearDays(2009), 384);
    EXPECT_EQ(LunarYearDays(2008), 354);
}

TEST(LunarTables, LookupsAreNeutralOutsideTheRange) {
    for (int year : {1899, 2057, -5, 100000}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(LunarLeapMonth(year), 0);
        EXPECT_EQ(LunarMonthLengths(year, 3), 30);
        EXPECT_EQ(LunarYearDays(year), 0);
        EXPECT_EQ(SolarTermIndexOfDay(year, 1, 6), -1);
    }
}

TEST(LunarTables, SolarTermOfDay) {
    struct Case {
        int year, month, day, index;
    } const cases[] = {
        {1900, 1, 6, 0}, {1900, 1, 20, 1},   {1900, 1, 7, -1},  {1900, 1, 21, -1}, {2008, 2, 4, 2},
        {2008, 4, 4, 6}, {2008, 12, 21, 23}, {2008, 12, 7, 22}, {2008, 9, 22, 17}, {2008, 9, 23, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SolarTermIndexOfDay(c.year, c.month, c.day), c.index)
            << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(FirstSolarTermDay(2008, 2), 4);
}

TEST(LunarConversion, KnownDays) {
    struct Case {
        long dayNumber;
        LunarDay lunar;
    } const cases[] = {
        {31, {1900, 1, 1, false}},    // 1900-01-31
        {39484, {2008, 1, 1, false}}, // 2008-02-07
        {39986, {2009, 5, 1, true}},  // 2009-06-23
        {39985, {2009, 5, 30, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dayNumber);
        const auto lunar = LunarDayFromDayNumber(c.dayNumber);
        ASSERT_TRUE(lunar);
        EXPECT_EQ(lunar->year, c.lunar.year);
        EXPECT_EQ(lunar->month, c.lunar.month);
        EXPECT_EQ(lunar->day, c.lunar.day);
        EXPECT_EQ(lunar->leapMonth, c.lunar.leapMonth);
        EXPECT_EQ(LunarDayCount(c.lunar) + 30, c.dayNumber);
    }
}

TEST(LunarConversion, StopsAtTheRange) {
    EXPECT_FALSE(LunarDayFromDayNumber(30)); // 1900-01-30, lunar 1899
    EXPECT_FALSE(LunarDayFromDayNumber(-100000));
    long lastDay = kLunarEpochDayNumber - 1;
    for (int year = kLunarFirstYear; year <= kLunarLastYear; ++year)
        lastDay += LunarYearDays(year);
    EXPECT_TRUE(LunarDayFromDayNumber(lastDay));
    EXPECT_FALSE(LunarDayFromDayNumber(lastDay + 1)); // lunar new year 2057
    EXPECT_FALSE(LunarDayFromDayNumber(2'000'000'000));
}

TEST(LunarConversion, ValidDays) {
    EXPECT_TRUE(IsValidLunarDay({2009, 5, 29, true}));
    EXPECT_FALSE(IsValidLunarDay({2009, 5, 30, true})); // the leap month has 29 days
    EXPECT_FALSE(IsValidLunarDay({2009, 6, 1, true}));  // no leap month 6
    EXPECT_FALSE(IsValidLunarDay({2057, 1, 1, false}));
    EXPECT_FALSE(IsValidLunarDay({2008, 13, 1, false}));
    EXPECT_FALSE(IsValidLunarDay({2008, 1, 0, false}));
}

} // namespace
} // namespace zorvy
