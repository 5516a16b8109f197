#include "calendar/TransDate.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvy {
namespace {

TDateTime Day(int year, int month, int day) {
    return EncodeDate(year, month, day);
}

class NamesTest : public ::testing::Test {
  protected:
    NamesTest() : trans(nullptr) {}

    const TLunarDate& At(int year, int month, int day) {
        trans.SetDate(Day(year, month, day));
        return *trans.GetLunarDate();
    }

    TTransDate trans;
};

TEST_F(NamesTest, CyclicDayNames) {
    // 1900-01-01 is 甲戌 (index 10), so 30 days later, lunar new year 1900, is index 40.
    EXPECT_EQ(At(1900, 1, 31).GetcDay(), "甲辰");
    EXPECT_EQ(At(2000, 1, 1).GetcDay(), "戊午");
}

TEST_F(NamesTest, YearMonthAndAnimalFollowTheLunarYear) {
    const TLunarDate& newYear = At(2008, 2, 7);
    EXPECT_EQ(newYear.GetcYear(), "戊子");
    EXPECT_EQ(newYear.GetAnimalYear(), "鼠");
    EXPECT_EQ(newYear.GetcMonth(), "甲寅");
    // After 立春 but before lunar new year the lunar year is still 2007.
    EXPECT_EQ(At(2008, 2, 5).GetcYear(), "丁亥");
    EXPECT_EQ(At(2008, 2, 5).GetAnimalYear(), "猪");
    // A leap month carries the name of its normal month.
    EXPECT_EQ(At(2009, 6, 23).GetcMonth(), At(2009, 5, 24).GetcMonth());
}

TEST_F(NamesTest, BookOfChangesNamesBySolarTerms) {
    trans.SetBookOfChanges(true);
    struct Case {
        int year, month, day;
        const char* cYear;
        const char* cMonth;
    } const cases[] = {
        {2007, 12, 6, "丁亥", "辛亥"},                               // before 大雪
        {2007, 12, 7, "丁亥", "壬子"},                               // 大雪
        {2008, 1, 5, "丁亥", "壬子"},  {2008, 1, 6, "丁亥", "癸丑"}, // 小寒
        {2008, 1, 20, "丁亥", "癸丑"}, {2008, 2, 3, "丁亥", "癸丑"},
        {2008, 2, 4, "戊子", "甲寅"}, // 立春 starts the year and its first month
        {2008, 2, 7, "戊子", "甲寅"},  {2008, 3, 5, "戊子", "乙卯"}, // 惊蛰
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day));
        const TLunarDate& lunar = At(c.year, c.month, c.day);
        EXPECT_EQ(lunar.GetcYear(), c.cYear);
        EXPECT_EQ(lunar.GetcMonth(), c.cMonth);
    }
    EXPECT_EQ(At(2008, 2, 3).GetAnimalYear(), "猪");
    EXPECT_EQ(At(2008, 2, 4).GetAnimalYear(), "鼠");

    // Switching the naming back renames the day at once.
    int changes = 0;
    trans.OnChange = [&](TObject*) { ++changes; };
    trans.SetBookOfChanges(false);
    EXPECT_EQ(trans.GetLunarDate()->GetcYear(), "丁亥");
    EXPECT_EQ(changes, 1);
}

// Over the whole table, solar-term naming moves to the next month exactly on the first solar term of each
// Gregorian month and to the next year exactly on 立春.
TEST_F(NamesTest, BookOfChangesNamesChangeOnlyAtSolarTerms) {
    trans.SetBookOfChanges(true);
    trans.SetDate(Day(1900, 1, 31));
    std::string month = trans.GetLunarDate()->GetcMonth();
    std::string year = trans.GetLunarDate()->GetcYear();
    for (long day = static_cast<long>(Day(1900, 2, 1)); day < static_cast<long>(Day(2057, 1, 1)); ++day) {
        trans.SetDate(static_cast<TDateTime>(day));
        const int term = SolarTermIndex(static_cast<TDateTime>(day));
        const TLunarDate& lunar = *trans.GetLunarDate();
        ASSERT_EQ(lunar.GetcMonth() != month, term >= 0 && term % 2 == 0) << "date value " << day;
        ASSERT_EQ(lunar.GetcYear() != year, term == 2) << "date value " << day;
        month = lunar.GetcMonth();
        year = lunar.GetcYear();
    }
}

TEST_F(NamesTest, SolarTermsAndLunarFestivals) {
    struct Case {
        int year, month, day;
        const char* term;
        const char* feast;
    } const cases[] = {
        {2008, 4, 4, "清明", "清明节"},     {2008, 1, 6, "小寒", ""},   {2008, 2, 6, "", "除夕"},
        {2008, 2, 7, "", "春节"},           {2008, 2, 8, "", ""},       {2009, 1, 25, "", "除夕"},
        {2008, 8, 7, "立秋", "七夕情人节"}, {2008, 12, 21, "冬至", ""}, {2009, 1, 19, "", "小年"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        const TLunarDate& lunar = At(c.year, c.month, c.day);
        EXPECT_EQ(lunar.GetSolarTerm(), c.term);
        EXPECT_EQ(lunar.GetFeastOfLunar(), c.feast);
    }
}

TEST_F(NamesTest, GregorianFestivals) {
    struct Case {
        int year, month, day;
        const char* feast;
    } const cases[] = {
        {2006, 5, 14, "母亲节 救助贫困母亲日 "},
        {2008, 12, 25, "圣诞节"},
        {2008, 3, 23, "复活节 Easter Sunday世界气象日"},
        {2008, 3, 20, ""},
        {2011, 4, 24, "复活节 Easter Sunday世界青年反对殖民主义日 亚非新闻工作者日"},
        {2008, 11, 27, "感恩节(United States) Thanksgiving Day "},
        {2008, 11, 20, ""},
        {2008, 1, 27, "世界麻风日 "},
        {2008, 1, 20, ""},
        {2008, 10, 13,
         "感恩节(Canada) Thanksgiving Day 世界保健日 国际教师节 中国少年先锋队诞辰日 "
         "采用格林威治时间为国际标准世界日"},
        {2008, 7, 1, "中国共产党建党日 世界建筑日 香港回归日 亚洲\"三十亿人口日\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        trans.SetDate(Day(c.year, c.month, c.day));
        EXPECT_EQ(trans.GetFeast(), c.feast);
    }
}

TEST_F(NamesTest, NoEasterBeforeTheTwentyFirstOfMarch) {
    for (int year = 1900; year <= 2056; ++year)
        for (int day = 1; day <= 20; ++day) {
            trans.SetDate(Day(year, 3, day));
            ASSERT_EQ(trans.GetFeast().find("Easter"), std::string::npos) << year << "-03-" << day;
        }
}

TEST_F(NamesTest, ConstellationsAndWeekdays) {
    struct Case {
        int month, day;
        const char* constellation;
    } const cases[] = {
        {4, 19, "白羊座"},  {4, 20, "金牛座"},  {3, 20, "双鱼座"}, {3, 21, "白羊座"},
        {12, 21, "射手座"}, {12, 22, "摩羯座"}, {1, 19, "摩羯座"}, {1, 20, "水瓶座"},
    };
    for (const Case& c : cases) {
        trans.SetDate(Day(2008, c.month, c.day));
        EXPECT_EQ(trans.GetConstellation(), c.constellation) << c.month << "-" << c.day;
    }

    trans.SetDate(Day(2008, 2, 7)); // a Thursday
    EXPECT_EQ(trans.GetWeek(), 5);
    trans.SetISO8601(true);
    EXPECT_EQ(trans.GetWeek(), 4);
    EXPECT_EQ(MonthLastOccurrence(2008, 11), 4);
    EXPECT_EQ(MonthLastOccurrence(2008, 2), 4);
    EXPECT_EQ(MonthLastOccurrence(2009, 2), 3);
}

} // namespace
} // namespace zorvy
