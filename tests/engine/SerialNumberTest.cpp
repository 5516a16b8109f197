#include "engine/SerialNumber.h"

#include "tests/engine/AllCombinations.h"
#include "tests/engine/RealDraws.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

struct TSerialCase {
    TCombination balls;
    int32_t serial;
};

const TSerialCase SerialCases[] = {
    {{1, 2, 3, 4, 5, 6}, 1},
    {{1, 2, 3, 4, 5, 7}, 2},
    {{1, 2, 3, 4, 5, 33}, 28},
    {{1, 2, 3, 4, 6, 7}, 29},
    {{1, 2, 30, 31, 32, 33}, 31465},
    {{1, 3, 4, 5, 6, 7}, 31466},
    {{1, 5, 30, 31, 32, 33}, 103096},
    {{2, 3, 4, 5, 6, 7}, 201377},
    {{3, 8, 12, 19, 25, 31}, 454284},
    {{5, 9, 14, 21, 28, 33}, 684218},
    {{10, 11, 12, 13, 14, 15}, 972973},
    {{10, 11, 12, 13, 26, 28}, 973136},
    {{27, 29, 30, 31, 32, 33}, 1107567},
    {{28, 29, 30, 31, 32, 33}, 1107568},
};

TEST(SerialNumber, WorkedExamplesByBothMethods) {
    for (const auto& [balls, serial] : SerialCases) {
        EXPECT_EQ(SerialNumber(balls), serial) << serial;
        EXPECT_EQ(SerialNumberByTailWalk(balls), serial) << serial;
    }
}

TEST(SerialNumber, BlockStartTable) {
    const struct {
        int a, b;
        int32_t start;
    } rows[] = {{1, 2, 1},         {1, 3, 31466},     {1, 4, 58871},     {1, 5, 82622},     {1, 6, 103097},
                {1, 29, 201376},   {2, 3, 201377},    {3, 4, 371288},    {10, 11, 972973},  {10, 17, 1000434},
                {11, 12, 1006622}, {27, 28, 1107562}, {27, 29, 1107567}, {28, 29, 1107568}, {0, 2, 0},
                {29, 30, 0},       {5, 5, 0},         {5, 30, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(BlockStart(row.a, row.b), row.start) << row.a << "," << row.b;
}

TEST(SerialNumber, NumbersEveryCombinationInOrderWithoutGap) {
    int32_t expected = 0;
    TCombination c = FirstCombination;
    do {
        ++expected;
        if (SerialNumber(c) != expected) {
            FAIL() << "gap at " << expected;
        }
        // The walk is slow: compare it on a spread sample.
        if (expected % 4099 == 0) {
            ASSERT_EQ(SerialNumberByTailWalk(c), expected);
        }
    } while (NextCombination(c));
    EXPECT_EQ(expected, CombinationCount);
}

TEST(SerialNumber, InvalidInputGivesWhatTheTailWalkGives) {
    const TCombination invalid[] = {
        {0, 2, 3, 4, 5, 6},       {1, 1, 3, 4, 5, 6},      {1, 2, 2, 4, 5, 6},      {1, 2, 3, 4, 5, 34},
        {29, 30, 31, 32, 33, 34}, {3, 2, 4, 5, 6, 7},      {5, 9, 8, 21, 28, 33},   {1, 2, 6, 5, 4, 3},
        {0, 0, 0, 0, 0, 0},       {-1, -2, 3, 4, 5, 6},    {1, -3, -2, -1, 0, 1},   {28, 29, 30, 31, 32, 32},
        {33, 33, 33, 33, 33, 33}, {1, 31, 32, 33, 34, 35}, {10, 11, 12, 13, 26, 28}};
    for (const TCombination& balls : invalid)
        EXPECT_EQ(SerialNumber(balls), SerialNumberByTailWalk(balls))
            << balls[0] << " " << balls[1] << " " << balls[2] << " " << balls[3] << " " << balls[4] << " "
            << balls[5];
}

TEST(SerialNumber, RealDrawsNumberInRange) {
    const std::vector<TRealDraw> draws = ReadRealDraws();
    ASSERT_EQ(draws.size(), 3493u);
    EXPECT_EQ(draws.front().Issue, "2003001");
    EXPECT_EQ(SerialNumber(draws.front().Balls), 973136);
    for (const TRealDraw& draw : draws) {
        const int32_t serial = SerialNumber(draw.Balls);
        EXPECT_TRUE(serial >= 1 && serial <= CombinationCount) << draw.Issue;
    }
}

TEST(CombinationText, ResultLines) {
    const struct {
        TCombination balls;
        bool display6machk;
        const char* line;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6}, true, "01 02 03 04 05 06    1"},
        {{1, 3, 4, 5, 6, 7}, true, "01 03 04 05 06 07    31466"},
        {{3, 8, 12, 19, 25, 31}, true, "03 08 12 19 25 31    454284"},
        {{28, 29, 30, 31, 32, 33}, true, "28 29 30 31 32 33    1107568"},
        {{9, 10, 11, 12, 13, 14}, false, "09 10 11 12 13 14 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CombinationText(c.balls, c.display6machk), c.line);
}

} // namespace
} // namespace zorvy
