// Cross-checks the committed tables against ICU's Chinese calendar for every day of their range.
#include "calendar/LunarConversion.h"

#include <gtest/gtest.h>

#include <memory>
#include <unicode/ucal.h>

namespace zorvy {
namespace {

constexpr long kDayNumberOf1970 = 25568; // 1 = 1900-01-01
constexpr int kIcuExtendedYearOffset = 2637;

struct CalendarCloser {
    void operator()(UCalendar* calendar) const { ucal_close(calendar); }
};

TEST(LunarConversion, AgreesWithIcuOnEveryDayAndRoundTrips) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCalendar, CalendarCloser> chinese(
        ucal_open(u"UTC", -1, "zh@calendar=chinese", UCAL_DEFAULT, &status));
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);

    long checked = 0;
    for (long dayNumber = kLunarEpochDayNumber;; ++dayNumber) {
        const double millis = static_cast<double>(dayNumber - kDayNumberOf1970) * 86400000.0 + 43200000.0;
        ucal_setMillis(chinese.get(), millis, &status);
        const int year = ucal_get(chinese.get(), UCAL_EXTENDED_YEAR, &status) - kIcuExtendedYearOffset;
        const int month = ucal_get(chinese.get(), UCAL_MONTH, &status) + 1;
        const bool leap = ucal_get(chinese.get(), UCAL_IS_LEAP_MONTH, &status) != 0;
        const int day = ucal_get(chinese.get(), UCAL_DATE, &status);
        ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);

        const auto lunar = LunarDayFromDayNumber(dayNumber);
        if (year > 2056) {
            EXPECT_FALSE(lunar) << "day number " << dayNumber << " is past the table";
            break;
        }
        ASSERT_TRUE(lunar) << "day number " << dayNumber;
        ASSERT_EQ(lunar->year, year) << "day number " << dayNumber;
        ASSERT_EQ(lunar->month, month) << "day number " << dayNumber;
        ASSERT_EQ(lunar->leapMonth, leap) << "day number " << dayNumber;
        ASSERT_EQ(lunar->day, day) << "day number " << dayNumber;
        ASSERT_EQ(LunarDayCount(*lunar) + 30, dayNumber);
        ++checked;
    }
    EXPECT_GT(checked, 57000);
}

} // namespace
} // namespace zorvy
