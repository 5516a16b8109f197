#include "controls/foundation/locale/SmartDates.h"
#include "platform/rtl/Variant.h"
#include "tests/controls/foundation/locale/LocaleFixture.h"

namespace zorvy::test {
namespace {

class SmartDates : public LocaleTest {
  protected:
    SmartDates() { Apply(); }
    static TDateTime At(const std::string& text, TDateTime now) {
        TDateTime date = 0;
        EXPECT_TRUE(TrySmartTextToDateAt(text, now, date)) << text;
        return date;
    }
};

TEST_F(SmartDates, WordsWithDayOffsets) {
    const TDateTime now = EncodeDate(2008, 12, 9) + EncodeTime(15, 30, 0, 0); // a Tuesday
    const TDateTime today = EncodeDate(2008, 12, 9);
    EXPECT_EQ(At("tomorrow+2", now), today + 3);
    EXPECT_EQ(At("  Tomorrow + 2 ", now), today + 3);
    EXPECT_EQ(At("tomorrow+x", now), today + 1) << "no number: the word's date stands";
    EXPECT_EQ(At("yesterday-10", now), today - 11);
    EXPECT_EQ(At("TODAY", now), today);
    EXPECT_EQ(At("now", now), now);
    EXPECT_EQ(At("bom", now), EncodeDate(2008, 12, 1));
    EXPECT_EQ(At("eom", EncodeDate(2008, 2, 10)), EncodeDate(2008, 2, 29));
    EXPECT_EQ(At("eom", EncodeDate(2009, 2, 10)), EncodeDate(2009, 2, 28));
    TDateTime unused;
    EXPECT_FALSE(TrySmartTextToDateAt("someday", now, unused));
}

TEST_F(SmartDates, OffsetsWhoseDayCountNoIntegerHoldsAreRefused) {
    const TDateTime now = EncodeDate(2008, 12, 9);
    TDateTime date = 0;
    // Both name the smallest integer after "-": the day count would be one past the largest.
    for (const char* text : {"today-$80000000", "today--2147483648"}) {
        EXPECT_FALSE(TrySmartTextToDateAt(text, now, date)) << text;
        EXPECT_FALSE(TryTextToDateExtended(text, date)) << text;
    }
    EXPECT_EQ(At("today-$10", now), now - 16) << "a hexadecimal count that fits still counts";
    EXPECT_EQ(At("today--2147483647", now), now + 2147483647.0);
    EXPECT_FALSE(TryTextToDateExtended("today--2147483647", date)) << "far beyond the last date";
}

TEST_F(SmartDates, WeekdayWordsGiveTheNextSuchDayTodayIncluded) {
    const TDateTime sunday = EncodeDate(2008, 12, 7), monday = EncodeDate(2008, 12, 8);
    EXPECT_EQ(At("Sunday", sunday), sunday);
    EXPECT_EQ(At("Sunday", monday), monday + 6);
    EXPECT_EQ(At("saturday", monday), monday + 5);
}

TEST_F(SmartDates, OrdinalWordsCountFromTheFirstDayOfTheWeek) {
    SharedFormatController()->SetFirstDayOfWeek(1); // Monday
    const TDateTime thursday = EncodeDate(2008, 12, 11);
    EXPECT_EQ(At("first", thursday), EncodeDate(2008, 12, 8));
    EXPECT_EQ(At("seventh", thursday), EncodeDate(2008, 12, 14));
    SharedFormatController()->SetFirstDayOfWeek(0); // Sunday
    EXPECT_EQ(At("first", thursday), EncodeDate(2008, 12, 7));
}

TEST_F(SmartDates, LongerWordsMatchBeforeTheirPrefixes) {
    int index = -1;
    ASSERT_TRUE(MatchSmartDateWord("Thursday+1", index));
    EXPECT_EQ(index, 7);
    ASSERT_TRUE(MatchSmartDateWord("nowhere", index));
    EXPECT_EQ(index, 19) << "a word is matched at the text's start";
    EXPECT_FALSE(MatchSmartDateWord("no", index));
}

TEST_F(SmartDates, TypedDatesInTheLocaleAndTheRuntimeFormats) {
    TDateTime date;
    ASSERT_TRUE(TryTextToDateExtended("2008-12-9", date));
    EXPECT_EQ(date, EncodeDate(2008, 12, 9));
    ASSERT_TRUE(TryTextToDateExtended("2008 12 9 07:05:03", date)) << "the locale's order, blanks between";
    EXPECT_DOUBLE_EQ(date, EncodeDate(2008, 12, 9) + EncodeTime(7, 5, 3, 0));
    ASSERT_TRUE(TryTextToDateExtended("12-9", date));
    EXPECT_EQ(date, EncodeDate(YearOf(Date()), 12, 9)) << "month and day of this year";
    EXPECT_FALSE(TryTextToDateExtended("2008-13-9", date));
    SharedFormatController()->UseRuntimeFormats = true;
    ASSERT_TRUE(TryTextToDateExtended("2008-12-09", date));
    EXPECT_EQ(date, EncodeDate(2008, 12, 9));
    EXPECT_FALSE(TryTextToDateExtended("", date));
    EXPECT_FALSE(TryTextToDateExtended("not a date", date));
    EXPECT_EQ(date, NullDate);
    EXPECT_FALSE(TryTextToDateExtended("10000-1-1", date)) << "years above 9999 are refused";
    EXPECT_EQ(date, NullDate);
    ASSERT_TRUE(TryTextToDateExtended("today", date));
    EXPECT_EQ(date, Date());
}

TEST_F(SmartDates, LiteralWordsOfTheFormatBecomeBlanks) {
    settings.ShortDateFormat = "yyyy'年'm'月'd'日'";
    Apply();
    std::string text = "2008年12月9日";
    NormalizeDateText(text, false);
    EXPECT_EQ(text, "2008 12 9");
    text = "  12 \t 9  ";
    NormalizeDateText(text, false);
    EXPECT_EQ(text, "12 9");
}

TEST_F(SmartDates, RegularExpressionsGetTheQuotedWords) {
    std::string r = "\\d";
    AddSmartDateWordsToRegExpr(r, false);
    EXPECT_TRUE(r.starts_with("(\\d)|('today'|'yesterday'|"));
    EXPECT_TRUE(r.ends_with("|'eom')((\\+|-)\\d(\\d(\\d\\d?)?)?)?"));
}

TEST_F(SmartDates, EditTextsOfDates) {
    std::string text = "x";
    for (bool masked : {false, true})
        for (bool withTime : {false, true}) {
            FormatDateForEdit(masked, withTime, true, text, NullDate);
            EXPECT_EQ(text, "");
        }
    settings.ShortDateFormat = "d/m/yy";
    settings.DateSeparator = '/';
    settings.LongTimeFormat = "hh:nn:ss";
    Apply();
    const TDateTime date = EncodeDate(2008, 12, 9) + EncodeTime(7, 5, 3, 0);
    FormatDateForEdit(true, false, false, text, date);
    EXPECT_EQ(text, "09/12/08");
    FormatDateForEdit(true, true, false, text, date);
    EXPECT_EQ(text, "09/12/08 07:05:03");
    SharedFormatController()->UseRuntimeFormats = true;
    DateToLocaleText(true, text, EncodeDate(2008, 12, 9));
    EXPECT_EQ(text, "9/12/2008") << "two more year digits";
    SharedFormatController()->UseRuntimeFormats = false;
    DateToLocaleText(false, text, date);
    EXPECT_EQ(text, "2008-12-09 07:05:03") << "the locale's short date picture and time";
}

TEST_F(SmartDates, NullDateValues) {
    EXPECT_TRUE(IsNullDateValue(Variant(-700000)));
    EXPECT_TRUE(IsNullDateValue(VarFromDateTime(NullDate)));
    EXPECT_FALSE(IsNullDateValue(Variant(std::string("-700000"))));
    EXPECT_FALSE(IsNullDateValue(Variant(0)));
    EXPECT_EQ(EarliestSupportedDate(), EncodeDate(100, 1, 1));
}

TEST(DateArithmetic, MonthSteps) {
    uint16_t year = 2008, month = 3;
    EXPECT_EQ(ChangeMonthBy(year, month, -15), -1);
    EXPECT_EQ(year, 2006);
    EXPECT_EQ(month, 12);
    year = 2008, month = 12;
    StepMonthForward(year, month);
    EXPECT_EQ(year, 2009);
    EXPECT_EQ(month, 1);
    StepMonthBack(year, month);
    EXPECT_EQ(year, 2008);
    EXPECT_EQ(month, 12);
    year = 2008, month = 11;
    ChangeMonthBy(year, month, 14);
    EXPECT_EQ(year, 2010);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(MonthSerialOf(EncodeDate(2008, 3, 5)), 2008 * 12 + 3 - 12);
}

TEST(DateArithmetic, DaysAndYears) {
    EXPECT_TRUE(IsLeapYearOf(2000));
    EXPECT_FALSE(IsLeapYearOf(1900));
    EXPECT_TRUE(IsLeapYearOf(2008));
    EXPECT_EQ(DaysInMonthOf(2008, 2), 29);
    EXPECT_EQ(DaysInMonthOf(2100, 2), 28);
    EXPECT_EQ(ClampDayOfMonth(2009, 2, 31), 28);
    EXPECT_EQ(ClampDayOfMonth(2009, 2, -3), 1);
    const TDateTime d = EncodeDate(2008, 7, 15) + 0.25;
    EXPECT_EQ(TruncToDay(d), EncodeDate(2008, 7, 15));
    EXPECT_DOUBLE_EQ(FractionOfDay(d), 0.25);
    EXPECT_EQ(FirstDayOfYearOf(d), EncodeDate(2008, 1, 1));
    EXPECT_EQ(LastDayOfYearOf(true, d), EncodeDate(2008, 12, 31));
    EXPECT_DOUBLE_EQ(LastDayOfMonthOf(false, d), EncodeDate(2008, 7, 31) + EncodeTime(23, 59, 59, 999));
    EXPECT_EQ(DatePartOf(1, d), 7);
}

TEST(DateArithmetic, WeekNumbers) {
    // Sunday first, rule 1: 31 December 2008 (a Wednesday) lies in the week ending 3 January: week 1.
    EXPECT_EQ(WeekOfYearOf(0, 1, EncodeDate(2008, 12, 31)), 1);
    EXPECT_EQ(WeekOfYearOf(0, 1, EncodeDate(2009, 1, 1)), 1);
    EXPECT_EQ(WeekOfYearOf(0, 1, EncodeDate(2009, 1, 4)), 2);
    // Monday first, rule 3 (ISO-like): 1 January 2009 is a Thursday, so its week counts; 5 January is week 2.
    EXPECT_EQ(WeekOfYearOf(1, 3, EncodeDate(2009, 1, 5)), 2);
    // Rule 2 (first full week): 2009's first full Sunday week starts 4 January.
    EXPECT_EQ(WeekOfYearOf(0, 2, EncodeDate(2009, 1, 4)), 1);
    EXPECT_EQ(WeekOfYearOf(0, 2, EncodeDate(2009, 1, 11)), 2);
}

} // namespace
} // namespace zorvy::test
