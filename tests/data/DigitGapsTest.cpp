#include "data/DigitGaps.h"

#include <gtest/gtest.h>

using namespace zorvy;

TEST(DigitGaps, ClassesEachPresentDigitByItsGap) {
    TDigitGapCounters counters{};
    xhRwLJsFn(counters, "1212");
    const TGapColumns second = xhRwLJsFn(counters, "13");
    EXPECT_EQ(second.chongv, "1 "); // present in the row before
    EXPECT_EQ(second.lengv, "");
    for (const char* serial : {"5", "5", "5"})
        xhRwLJsFn(counters, serial);
    const TGapColumns back = xhRwLJsFn(counters, "2993");
    EXPECT_EQ(back.wenv, "2 3 "); // 3 absent for exactly three rows (counter 4), 2 for four (5)
    EXPECT_EQ(back.lengv, "9 ");  // never present since the start: counter 6
    EXPECT_EQ(counters[2], 0);
    EXPECT_EQ(counters[9], 0);
}

TEST(DigitGaps, PositionStepClassesOnlyTheDigitAtThePosition) {
    TDigitGapCounters counters{};
    const TGapColumns columns = xh6wRwLJsFn(counters, "454284", "sw");
    EXPECT_EQ(columns.chongv, "8 ");
    EXPECT_EQ(counters[8], 0);
    EXPECT_EQ(counters[4], 1);
    EXPECT_EQ(xh6wRwLJsFn(counters, "1", "sww").Rev, "0 "); // a missing high position reads as 0
}

TEST(DigitGaps, LabelListsTheClassEachDigitWouldGetNext) {
    TDigitGapCounters counters{};
    for (const char* serial : {"18", "5", "38"})
        xhRwLJsFn(counters, serial);
    // 3 and 8 in the last row; 5 one row back (counter 1); 1 two rows back (counter 2).
    EXPECT_EQ(xhRwLdisp(counters), "重:3 8 热:1 5 温:0 2 4 6 7 9 冷:");
    counters = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(xhRwLdisp(counters), "重:0 热:1 2 温:3 4 冷:5 6 7 8 9 ");
}
