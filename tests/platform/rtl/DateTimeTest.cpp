#include "platform/rtl/DateTime.h"
#include "FormatSettingsFixture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace zorvy;

namespace {

class RtlDateTimeText : public test::EnglishFormatSettingsTest {};

} // namespace

TEST(RtlDateTime, EncodeAndDecodeAcrossTheEpochAndLeapYears) {
    struct Case {
        int y, m, d;
        double serial;
    } cases[] = {{1899, 12, 30, 0},     {1899, 12, 31, 1},    {1900, 1, 1, 2},        {1899, 12, 29, -1},
                 {1900, 3, 1, 61},      {2000, 2, 29, 36585}, {2000, 3, 1, 36586},    {2003, 1, 1, 37622},
                 {2026, 12, 10, 46366}, {1, 1, 1, -693593},   {9999, 12, 31, 2958465}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
        int y, m, d;
        DecodeDate(c.serial, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d) << c.serial;
    }
    for (auto [y, m, d] : {std::tuple{1900, 2, 29},
                           {2100, 2, 29},
                           {2023, 2, 29},
                           {2024, 13, 1},
                           {2024, 4, 31},
                           {0, 1, 1},
                           {10000, 1, 1},
                           {2024, 1, 0}}) {
        try {
            EncodeDate(y, m, d);
            ADD_FAILURE() << y << "-" << m << "-" << d;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_EQ(DaysInMonth(EncodeDate(2024, 2, 10)), 29);
    EXPECT_EQ(DaysInMonth(EncodeDate(2023, 2, 10)), 28);
}

TEST(RtlDateTime, TimeOfDayIncludingDatesBeforeTheEpoch) {
    TDateTime t = EncodeTime(13, 45, 30, 250);
    int h, n, s, ms;
    DecodeTime(t, h, n, s, ms);
    EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 134530250);
    EXPECT_THROW(EncodeTime(24, 0, 0, 1), EConvertError);
    EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);

    // -1.25 is 1899-12-29 06:00: the date is the whole number, the time the fraction's magnitude.
    int y, m, d;
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    EXPECT_EQ(h, 6);
    // A time that rounds up to midnight belongs to the next day.
    DecodeDate(1.99999999999, y, m, d);
    DecodeTime(1.99999999999, h, n, s, ms);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(h + n + s + ms, 0);
    EXPECT_THROW(DecodeDate(std::nan(""), y, m, d), EConvertError);
}

TEST(RtlDateTime, WeekdaysAndMonthArithmetic) {
    TDateTime sunday = EncodeDate(2026, 12, 6);
    EXPECT_EQ(DayOfWeek(sunday), 1);
    EXPECT_EQ(DayOfTheWeek(sunday), 7);
    EXPECT_EQ(DayOfWeek(sunday + 1), 2);
    EXPECT_EQ(DayOfTheWeek(sunday + 1), 1);
    EXPECT_EQ(DayOfWeek(0), 7); // 1899-12-30 was a Saturday
    EXPECT_EQ(DayOfWeek(-1), 6);
    EXPECT_EQ(DayOf(EncodeDate(2024, 2, 29)), 29);

    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2023, 1, 31)), EncodeDate(2023, 2, 28));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 3, 15), -3), EncodeDate(2023, 12, 15));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 3, 15) + 0.5, 12), EncodeDate(2025, 3, 15) + 0.5);

    TSystemTime st;
    DateTimeToSystemTime(EncodeDate(2026, 12, 6) + EncodeTime(8, 9, 10, 11), st);
    EXPECT_EQ(st.wYear, 2026);
    EXPECT_EQ(st.wDayOfWeek, 0);
    EXPECT_EQ(st.wMilliseconds, 11);
    EXPECT_DOUBLE_EQ(SystemTimeToDateTime(st), EncodeDate(2026, 12, 6) + EncodeTime(8, 9, 10, 11));
}

TEST_F(RtlDateTimeText, FormatDateTimeFormats) {
    TDateTime afternoon = EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 45);
    TDateTime midnight = EncodeDate(2026, 3, 5);
    struct Case {
        const char* format;
        TDateTime value;
        const char* text;
    } cases[] = {{"yyyy-mm-dd", afternoon, "2026-03-05"},
                 {"c", afternoon, "2026-03-05 14:07:09"},
                 {"c", midnight, "2026-03-05"},
                 {"", midnight, "2026-03-05"},
                 {"hh:nn:ss ampm", afternoon, "02:07:09 PM"},
                 {"hh:mm:ss AMPM", afternoon, "02:07:09 PM"},
                 {"hh:nn", afternoon, "14:07"},
                 {"h am/pm", midnight, "12 am"},
                 {"mmmm yyyy", afternoon, "March 2026"},
                 {"ddd d mmm yy", afternoon, "Thu 5 Mar 26"},
                 {"dddd", afternoon, "Thursday"},
                 {"mm/dd", afternoon, "03-05"},
                 {"dd/MM/yyyy", afternoon, "05-03-2026"},
                 {"yyyy-M-d", afternoon, "2026-3-5"},
                 {"hh:nn:ss.zzz", afternoon, "14:07:09.045"},
                 {"'Issue' yyyy \"of\" m", afternoon, "Issue 2026 of 3"},
                 {"ddddd", afternoon, "2026-03-05"},
                 {"tt", afternoon, "14:07:09"},
                 {"yyyy年m月d日 h时n分", afternoon, "2026年3月5日 14时7分"}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, c.value), c.text) << c.format;

    FormatSettings() = DefaultFormatSettings("zh_CN.UTF-8");
    EXPECT_EQ(FormatDateTime("hh:nn ampm", afternoon), "02:07 下午");
    EXPECT_EQ(FormatDateTime("dddd", afternoon), "星期四");
    EXPECT_EQ(FormatDateTime("mmmm yyyy", afternoon), "三月 2026");
}

TEST_F(RtlDateTimeText, ParsingDatesAndTimes) {
    EXPECT_DOUBLE_EQ(StrToDate("2026-3-5"), EncodeDate(2026, 3, 5));
    EXPECT_DOUBLE_EQ(StrToDate(" 2024-02-29 "), EncodeDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(StrToTime("14:07"), EncodeTime(14, 7, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("2:07:09 pm"), EncodeTime(14, 7, 9, 0));
    EXPECT_DOUBLE_EQ(StrToTime("12:00 AM"), 0);
    EXPECT_DOUBLE_EQ(StrToDateTime("2026-03-05 14:07:09.5"),
                     EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 500));
    EXPECT_DOUBLE_EQ(StrToDateTime("1899-12-29 06:00"), -1.25);
    // Two-digit years fall in the 100 years from (this year - 50).
    int threshold = YearOf(Date()) - 50;
    auto twoDigits = [](int year) { return std::to_string(year % 100 / 10) + std::to_string(year % 10); };
    EXPECT_EQ(YearOf(StrToDate(twoDigits(threshold) + "-1-2")), threshold);
    EXPECT_EQ(YearOf(StrToDate(twoDigits(threshold - 1) + "-1-2")), threshold + 99);

    struct Bad {
        const char* text;
        TDateTime (*parse)(const std::string&);
        const char* message;
    } bad[] = {{"2023-02-29", StrToDate, "'2023-02-29' is not a valid date"},
               {"2026/03/05", StrToDate, "'2026/03/05' is not a valid date"},
               {"", StrToDate, "'' is not a valid date"},
               {"25:00", StrToTime, "'25:00' is not a valid time"},
               {"13:00 pm", StrToTime, "'13:00 pm' is not a valid time"},
               {"10", StrToTime, "'10' is not a valid time"},
               {"2026-03-05 x", StrToDateTime, "'2026-03-05 x' is not a valid date and time"}};
    for (const Bad& b : bad) {
        try {
            b.parse(b.text);
            ADD_FAILURE() << b.text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), b.message);
        }
    }
}

TEST(RtlDateTime, NowIsTodayPlusTheTime) {
    TDateTime now = Now();
    EXPECT_GT(now, EncodeDate(2020, 1, 1));
    EXPECT_LE(Date(), now);
    EXPECT_GE(Time(), 0);
    EXPECT_LT(Time(), 1);
}
