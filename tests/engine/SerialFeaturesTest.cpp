#include "engine/SerialFeatures.h"

#include <gtest/gtest.h>

#include <array>

namespace zorvy {
namespace {

TEST(SerialFeature, FeatureVectors) {
    const std::array<const char*, 15> keys = {"hz", "cd", "tz", "nt", "fd", "fd5", "oz", "lh",
                                              "lt", "gw", "sw", "bw", "qw", "ww",  "sww"};
    const struct {
        int32_t n;
        std::array<int32_t, 15> values;
    } cases[] = {
        {1, {1, 1, 0, 1, 1, 1, 0, 0, 10, 1, 0, 0, 0, 0, 0}},
        {4455, {18, 4, 2, 2, 1, 1, 2, 1, 4, 5, 5, 4, 4, 0, 0}},
        {100001, {2, 6, 2, 4, 1, 1, 4, 2, 0, 1, 0, 0, 0, 0, 1}},
        {150001, {7, 6, 2, 4, 2, 2, 3, 1, 0, 1, 0, 0, 0, 5, 1}},
        {454284, {27, 6, 1, 5, 5, 8, 5, 2, 10, 4, 8, 2, 4, 5, 4}},
        {1100000, {2, 7, 2, 5, 10, 18, 5, 1, 1, 0, 0, 0, 0, 0, 1}},
        {1107568, {28, 7, 1, 6, 0, 0, 3, 2, 1, 8, 6, 5, 7, 0, 1}},
    };
    for (const auto& c : cases)
        for (size_t k = 0; k < keys.size(); ++k)
            EXPECT_EQ(SerialFeature(c.n, keys[k]), c.values[k]) << c.n << " " << keys[k];
}

TEST(SerialFeature, SegmentBoundariesQuotientsAndUnknownKeys) {
    const struct {
        int32_t n;
        const char* key;
        int32_t value;
    } cases[] = {
        {0, "fd", 1},        {150000, "fd", 1},      {250000, "fd", 2},       {250001, "fd", 3},
        {950000, "fd", 9},   {950001, "fd", 10},     {1100001, "fd", 0},      {0, "fd5", 0},
        {150000, "fd5", 1},  {200001, "fd5", 3},     {950000, "fd5", 17},     {950001, "fd5", 18},
        {1100001, "fd5", 0}, {1107568, "111", 9979}, {1107568, "11", 100688}, {1107568, "22", 50344},
        {111, "111", 1},     {112, "111", 2},        {454284, "xx", 0},       {454284, "", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SerialFeature(c.n, c.key), c.value) << c.n << " " << c.key;
}

TEST(SerialDigits, PositionDigitsAndGaps) {
    EXPECT_EQ(PositionDigitText("123", "qw"), "0");
    EXPECT_EQ(PositionDigitText("123", "gw"), "3");
    EXPECT_EQ(PositionDigitText("1107568", "xx"), "1");
    EXPECT_EQ(PositionDigitText("454284", "xx"), "0");
    EXPECT_EQ(PositionDigitText("", "gw"), "0");
    EXPECT_EQ(PositionBigSmall("454284", "sw"), 1);
    EXPECT_EQ(PositionBigSmall("454284", "gw"), 0);
    const std::array<const char*, 5> gapKeys = {"12", "23", "34", "45", "56"};
    const std::array<int32_t, 5> gaps = {1, 1, 2, 6, 4};
    for (size_t i = 0; i < gapKeys.size(); ++i) {
        EXPECT_EQ(AdjacentDigitGap("454284", gapKeys[i]), gaps[i]) << gapKeys[i];
        EXPECT_EQ(AdjacentDigitGap("1", gapKeys[i]), 0);
    }
    EXPECT_EQ(AdjacentDigitGap("1107568", "12"), 0);
    EXPECT_EQ(AdjacentDigitGap("454284", ""), 0);
    const std::array<int32_t, 11> segments = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 0};
    for (int d = 0; d <= 10; ++d)
        EXPECT_EQ(DigitSegment(d), segments[d]);
    EXPECT_EQ(DigitSegment(-1), 0);
}

TEST(SerialDigits, PlaceWeightedTypes) {
    const struct {
        const char* text;
        int32_t oddEven, remainder, bigSmall, gap;
    } cases[] = {
        {"454284", 3, 6, 3, 7},
        {"999999", 8, 1, 8, 1},
        {"1107568", 0, 0, 2, 7},
        {"1", 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OddEvenType(c.text), c.oddEven) << c.text;
        EXPECT_EQ(RemainderType(c.text), c.remainder) << c.text;
        EXPECT_EQ(BigSmallType(c.text), c.bigSmall) << c.text;
        EXPECT_EQ(GapType(c.text), c.gap) << c.text;
    }
    EXPECT_EQ(GapType(""), 1);
    EXPECT_EQ(GapType("12345678"), 1);
}

TEST(SerialDigits, CountsAndBaseDigits) {
    EXPECT_EQ(CountDigitsInSet("454284", " 4 8 "), 4);
    EXPECT_EQ(CountDigitsInSet("454284", ""), 0);
    EXPECT_EQ(CountDigitOccurrences("454284", "4"), 3);
    EXPECT_EQ(CountDigitOccurrences("12345", "0"), 0);
    EXPECT_EQ(CountBigDigits("454284"), 2);
    EXPECT_EQ(BaseDigitStats(454284, 2, 25, "str"), "0000001101110111010001100");
    EXPECT_EQ(BaseDigitStats(454284, 2, 25, "1"), "10");
    EXPECT_EQ(BaseDigitStats(454284, 2, 25, "0"), "8");
    EXPECT_EQ(BaseDigitStats(29, 2, 25, "str"), "0000000000000000000011101");
    EXPECT_EQ(BaseDigitStats(29, 2, 25, "1"), "3");
    EXPECT_EQ(BaseDigitStats(29, 2, 25, "0"), "1");
    for (int32_t n : {0, 1}) {
        EXPECT_EQ(BaseDigitStats(n, 2, 25, "1"), "0");
        EXPECT_EQ(BaseDigitStats(n, 2, 25, "0"), "0");
    }
    EXPECT_EQ(BaseDigitStats(255, 16, 1, "str"), "FF");
    EXPECT_EQ(BaseDigitStats(5, 1, 3, "str"), "005");
}

} // namespace
} // namespace zorvy
