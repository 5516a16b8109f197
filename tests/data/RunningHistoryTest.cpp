#include "data/RunningHistory.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace zorvy;

namespace {

// Balls 03 08 12 19 25 31: ball sum 98, tail sum 28.
TDrawRow Row(int32_t issue = 2024001, int32_t day = 2, int32_t weekDay = 2) {
    return TDrawRow{issue, {3, 8, 12, 19, 25, 31}, day, weekDay};
}

std::set<std::string> Marked(const TCommonColumns& columns) {
    std::set<std::string> marked;
    ForEachCommonColumn(
        columns, [&](const std::string& name) { marked.insert(name); }, [](const std::string&, int32_t) {});
    return marked;
}

} // namespace

TEST(FnbagvJs, ParityOfTheMiddleValueAndNegativeOdd) {
    EXPECT_EQ(FnbagvJs(1, 2, 3), 0);
    EXPECT_EQ(FnbagvJs(2, 3, 4), 1);
    EXPECT_EQ(FnbagvJs(-1, 2, 3), -1);
    EXPECT_EQ(FnbagvJs(-2, 2, 3), 0);
}

TEST(CommonRowStep, FirstRowComparesWithZeros) {
    TRunningHistory history;
    const TCommonColumns columns = CommonRowStep(history, Row(2024001, 4, 7), 5, 16, 16);
    EXPECT_EQ(columns.Jsv, 5);
    EXPECT_EQ(columns.Jsca, 5);
    EXPECT_EQ(columns.sx3hz, 2);
    EXPECT_EQ(columns.sx3ca, 2);
    EXPECT_EQ(Marked(columns), (std::set<std::string>{"JJ6", "fbh", "da", "Js", "y2", "fw5", "Hz2", "qihaoxt",
                                                      "datebt", "weekxt", "f1", "H1"}));
    EXPECT_EQ(history.PrevTailSum, 28);
    EXPECT_EQ(history.PrevBallSum, 98);
    EXPECT_EQ(history.SixValueHistory, (std::array<int32_t, 6>{0, 0, 0, 0, 0, 5}));
}

TEST(CommonRowStep, RepeatedValuesAndRemainderSums) {
    TRunningHistory history;
    for (int32_t v : {4, 7, 7})
        CommonRowStep(history, Row(), v, 16, 16);
    const TCommonColumns fourth = CommonRowStep(history, Row(), 7, 16, 16);
    EXPECT_EQ(fourth.Direction, TDirection::deng);
    EXPECT_TRUE(fourth.bh);
    EXPECT_EQ(fourth.sx3hz, 3);
    EXPECT_EQ(fourth.sx3ca, 0);
    EXPECT_EQ(fourth.JJ, 4); // the three zeros of the start and the 4
}

TEST(CommonRowStep, ValueEqualToAllSixPrevious) {
    TRunningHistory history;
    for (int i = 0; i < 6; ++i)
        CommonRowStep(history, Row(), 9, 16, 16);
    const TCommonColumns columns = CommonRowStep(history, Row(), 9, 16, 16);
    EXPECT_EQ(columns.JJ, 0);
    EXPECT_TRUE(columns.bh);
    // The tail sum 28 and ball sum 98 of the previous row have remainder 1 and 2; 9 has 0.
    EXPECT_FALSE(columns.f0);
    EXPECT_FALSE(columns.H0);
    EXPECT_TRUE(CommonRowStep(history, Row(), 10, 16, 16).f0);
}

TEST(CommonRowStep, RangeDivisorOutsideTheColumnsFailsWithoutTouchingTheHistory) {
    TRunningHistory history;
    CommonRowStep(history, Row(), 3, 16, 16);
    const TRunningHistory before = history;
    EXPECT_THROW(CommonRowStep(history, Row(), 20, 0, 16), EDivByZero);
    EXPECT_THROW(CommonRowStep(history, Row(), 16, 17, 16), EDatabaseError);
    EXPECT_EQ(history.PrevViewValue, before.PrevViewValue);
    EXPECT_EQ(history.SixValueHistory, before.SixValueHistory);
    EXPECT_EQ(CommonRowStep(history, Row(), 20, 21, 21).fw, 20);
}
