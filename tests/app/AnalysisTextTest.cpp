// The analysis window's computations apart from its controls: next draw date and caption, the
// condition a feature targets, the last values and their sorted list, and the bands of the trend views.
#include "app/AnalysisText.h"
#include "app/TrendColumns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace zorvy::test {
namespace {

TEST(NextDraw, EveryWeekdayLeadsToTheNextTuesdayThursdayOrSunday) {
    // 2008-11-24 is a Monday.
    const struct {
        int day;
        int nextMonth, nextDay;
    } cases[] = {{24, 11, 25}, {25, 11, 27}, {26, 11, 27}, {27, 11, 30},
                 {28, 11, 30}, {29, 11, 30}, {30, 12, 2}};
    for (const auto& c : cases) {
        const TDateTime next = NextDrawDate(EncodeDate(2008, 11, c.day) + 0.875); // a time of day is dropped
        EXPECT_EQ(next, EncodeDate(2008, c.nextMonth, c.nextDay)) << "from 2008-11-" << c.day;
    }
    // Across the turn of a year.
    EXPECT_EQ(NextDrawDate(EncodeDate(2026, 12, 31)), EncodeDate(2027, 1, 3));
}

TEST(NextDraw, CaptionNamesIssueDateWeekdayAndLunarDay) {
    EXPECT_EQ(NextDrawCaptionText(2008140, EncodeDate(2008, 12, 2), 5),
              "数据分析    下期开奖信息:第2008141期 12月 2日 周2  农历日：5");
    EXPECT_EQ(NextDrawCaptionText(2026096, EncodeDate(2026, 8, 23), 11),
              "数据分析    下期开奖信息:第2026097期 8月 23日 周7  农历日：11");
}

TEST(AssistantTarget, EachFeatureNamesItsConditionEdit) {
    const struct {
        TTrendView view;
        int kind;
        const char* edit;
    } cases[] = {
        {TTrendView::xh, 0, "xhtz1Edit"},   {TTrendView::xh, 21, "xhtz22Edit"},
        {TTrendView::xh, 22, "xhx0Edit"},   {TTrendView::xh, 31, "xhx9Edit"},
        {TTrendView::xh, 32, "xhbh1Edit"},  {TTrendView::xh, 35, "xhbh4Edit"},
        {TTrendView::gw, 0, "gw1Edit"},     {TTrendView::sw, 18, "sw19Edit"},
        {TTrendView::sww, 18, "sww19Edit"}, {TTrendView::tb, 0, "tb1Edit"},
        {TTrendView::tb, 7, "tb8Edit"},     {TTrendView::tb, 8, "Tb9Edit"},
        {TTrendView::tb, 13, "Tb14Edit"},   {TTrendView::tb, 14, "tb15Edit"},
        {TTrendView::tb, 15, "tb16Edit"},   {TTrendView::gw, -1, ""},
        {TTrendView::gw, 19, ""},           {TTrendView::xh, 36, ""},
        {TTrendView::tb, 16, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AssistantTargetName(c.view, c.kind), c.edit) << static_cast<int>(c.view) << "/" << c.kind;
}

TEST(LastValues, SortedByValueWhateverTheirLength) {
    EXPECT_EQ(LastValuesText({5, 12, 5, 0, 7, 7}), "5 12 5 0 7 7 ");
    EXPECT_EQ(LastValuesText({1, 5, 9, -1, -1, -1}), "1 5 9 ");
    const struct {
        const char* text;
        const char* sorted;
    } cases[] = {
        {"5 12 5 0 7 7 ", "0 5 5 7 7 12 "},
        {"1 5 9 ", "1 5 9 "},
        {"", ""},
        // Values above 99, up to a seven-digit serial number, sort as numbers.
        {"1234567 100 99 5 ", "5 99 100 1234567 "},
        // At most six numbers are taken; a word that is no number is passed over.
        {"9 8 x 7 6 5 4 3 ", "4 5 6 7 8 9 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SortedValueList(c.text), c.sorted) << c.text;
}

TEST(LastValues, RemaindersOfTailSumAndBallSum) {
    // 01 04 16 22 26 31: units 1+4+6+2+6+1 = 20, balls 100.
    EXPECT_EQ(TailSumRemainder({1, 4, 16, 22, 26, 31}), 2);
    EXPECT_EQ(BallSumRemainder({1, 4, 16, 22, 26, 31}), 1);
}

TEST(TrendBands, FifteenBandsAndTheRangeBandOfEachView) {
    for (int v = 0; v < TrendViewCount; ++v) {
        const auto view = static_cast<TTrendView>(v);
        const std::vector<TTrendBand> bands = TrendBands(view);
        ASSERT_EQ(bands.size(), 15u);
        EXPECT_EQ(bands[0].Caption, "基本信息");
        const int fw = view == TTrendView::tb ? 21 : 16;
        ASSERT_EQ(bands[7].Columns.size(), static_cast<size_t>(fw));
        EXPECT_EQ(bands[7].Columns.back().Field, "fw" + std::to_string(fw - 1));
        EXPECT_EQ(bands[7].Columns.back().Caption, std::to_string(fw - 1));
        const bool position = v >= 1 && v <= 6;
        EXPECT_EQ(bands[14].Caption, position ? "个位热温冷" : "6位热温冷");
        EXPECT_EQ(bands[14].Width, position ? 129 : 0);

        // The collection holds the banded columns and the two unbanded ones, each once.
        const std::vector<std::string> order = TrendColumnOrder(view);
        EXPECT_EQ(order.size(), view == TTrendView::tb ? 68u : 63u);
        std::multiset<std::string> banded = {"bgxt", "bgbt"};
        for (const TTrendBand& band : bands)
            for (const TTrendColumn& column : band.Columns)
                banded.insert(column.Field);
        EXPECT_EQ(banded, std::multiset<std::string>(order.begin(), order.end()));
        EXPECT_EQ(order[0], "Issue");
        EXPECT_EQ(order[1], "ResultA1");
        EXPECT_EQ(order[2], "EndTime");
        const int jj = view == TTrendView::tb ? 40 : 35;
        EXPECT_EQ(FirstIntervalColumn(view), jj);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(order[jj + i], "JJ" + std::to_string(i));

        EXPECT_EQ(static_cast<int>(TrendFeatures(view).size()), KindCount(view));
    }
}

TEST(IntervalMarks, AnIntervalBetweenEqualValuesIsPlain) {
    using Marks = std::array<bool, 7>;
    const struct {
        const char* sorted;
        Marks marks;
    } cases[] = {
        {"3 3 5 7 7 9 ", {true, false, true, true, false, true, true}},
        // Missing values count as 0: 9 then 0 differ, 0 and 0 do not.
        {"1 5 9 ", {true, true, true, true, false, false, true}},
        {"", {true, false, false, false, false, false, true}},
        {"0 5 5 7 7 12 ", {true, true, false, true, false, true, true}},
        // Values above 99 compare by value.
        {"100 105 105 1234567 1234567 1234568 ", {true, true, false, true, false, true, true}},
        // Only six values are read.
        {"1 2 3 4 5 6 6 ", {true, true, true, true, true, true, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntervalMarks(c.sorted), c.marks) << c.sorted;
}

TEST(TrendBands, FooterCountsEveryMarkColumnAndAveragesTwo) {
    const std::vector<TTrendSummary> summaries = TrendSummaries(TTrendView::tb);
    // Issue, two averages, 9 parity/remainder/same marks, 7 Hz, 21 fw, 2 bh, 7 JJ, 3 up/down, 6 same/odd, 4
    // gaps.
    EXPECT_EQ(summaries.size(), 3u + 9 + 7 + 21 + 2 + 7 + 3 + 6 + 4);
    EXPECT_EQ(summaries[1].Field, "Jsv");
    EXPECT_EQ(summaries[1].Kind, TTrendSummaryKind::Average);
    EXPECT_EQ(summaries[1].Format, "#########.##");
    EXPECT_EQ(summaries[2].Format, "##");
    const auto counted = [&](const std::string& field) {
        return std::any_of(summaries.begin(), summaries.end(), [&](const TTrendSummary& s) {
            return s.Field == field && s.Kind == TTrendSummaryKind::Count;
        });
    };
    for (const char* field : {"Issue", "fw20", "JJ6", "Hz6", "weekbt", "lengv", "deng"})
        EXPECT_TRUE(counted(field)) << field;
    for (const char* field : {"Jsca", "sx3ca", "bgxt", "EndTime"})
        EXPECT_FALSE(counted(field)) << field;
}

} // namespace
} // namespace zorvy::test
