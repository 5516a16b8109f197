#include "engine/ValueKindFeatures.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

TEST(ValueKindFeatures, DrawRelations) {
    EXPECT_EQ(UpDownValue(5, 5, ""), 1);
    EXPECT_EQ(UpDownValue(4, 5, ""), 0);
    EXPECT_EQ(DigitInLastThree(3, 7, 7, 7), 1);
    EXPECT_EQ(DigitInLastThree(3, 7, 7, 4), 0);
    std::array<int32_t, 10> counters{0, 6, 1, 2, 3, 4, 5, 7, -1, 100};
    const std::array<int32_t, 10> classes = {4, 4, 1, 2, 2, 3, 3, 4, 4, 4};
    for (int32_t i = 0; i < 10; ++i)
        EXPECT_EQ(HotWarmColdClass(counters, i), classes[i]) << i;
    EXPECT_EQ(HotWarmColdClass(counters, 10), 4);
    EXPECT_EQ(TrigramValue(2, 4, 6), 0);
    EXPECT_EQ(TrigramValue(1, 1, 1), 1);
    EXPECT_EQ(TrigramValue(0, 1, 1), 2);
    EXPECT_EQ(TrigramValue(0, 0, 1), 4);
    EXPECT_EQ(TrigramValue(1, 0, 0), 7);
    EXPECT_EQ(TrigramValue(-1, 0, 0), -1);
}

TEST(ValueKindFeatures, DigitTables) {
    const std::array<int32_t, 10> fiveElements = {1, 3, 5, 2, 2, 5, 4, 4, 5, 1};
    const std::array<int32_t, 10> masks = {8, 773, 225, 23, 323, 657, 138, 26, 553, 353};
    const std::array<const char*, 4> modes = {"h", "l", "zx", "yx"};
    const int32_t staticGrid[10][4] = {{0, 0, 3, 4}, {0, 1, 4, 3}, {0, 2, 5, 2}, {1, 0, 2, 3}, {1, 1, 3, 2},
                                       {1, 2, 4, 1}, {2, 0, 1, 2}, {2, 1, 2, 1}, {2, 2, 3, 0}, {3, 0, 0, 1}};
    const int32_t dynamicGrid[10][4] = {{0, 0, 0, 0}, {3, 2, 2, 2}, {1, 3, 5, 3}, {2, 1, 2, 4}, {1, 1, 3, 5},
                                        {2, 2, 3, 3}, {3, 3, 3, 1}, {2, 3, 4, 2}, {3, 1, 1, 3}, {1, 2, 4, 4}};
    for (int d = 0; d <= 9; ++d) {
        const std::string text(1, static_cast<char>('0' + d));
        EXPECT_EQ(FiveElementValue(d), fiveElements[d]);
        EXPECT_EQ(TripleMaskValue(text, "gw"), masks[d]) << d;
        for (int m = 0; m < 4; ++m) {
            EXPECT_EQ(StaticGridValue(text, modes[m], "gw"), staticGrid[d][m]) << d << modes[m];
            EXPECT_EQ(DynamicGridValue(text, modes[m], "gw"), dynamicGrid[d][m]) << d << modes[m];
        }
    }
    EXPECT_EQ(FiveElementValue(10), 0);
    EXPECT_EQ(StaticGridValue("1", "h", "sw"), 0);
    EXPECT_EQ(StaticGridValue("5", "x", "gw"), -1);
    EXPECT_EQ(DynamicGridValue("5", "x", "gw"), 0);
    EXPECT_EQ(TripleMaskValue("1", "sww"), 8);
}

TEST(ValueKindFeatures, StepCounts) {
    const struct {
        int32_t limit, target, bs, ds;
    } bisections[] = {{64, 32, 0, 0},
                      {64, 1, 5, 0},
                      {64, 64, 6, 6},
                      {729, 421, 5, 2},
                      {1107568, 1, 19, 0},
                      {1107568, 454284, 19, 5},
                      {1107568, 1107568, 20, 20},
                      {1024, 0, 10, 0}};
    for (const auto& b : bisections) {
        EXPECT_EQ(BisectionSteps(b.limit, b.target, "bs"), b.bs) << b.limit << " " << b.target;
        EXPECT_EQ(BisectionSteps(b.limit, b.target, "ds"), b.ds) << b.limit << " " << b.target;
    }
    EXPECT_EQ(BisectionSteps(64, 32, "x"), 0);
    // Targets outside the range end instead of searching forever.
    for (int32_t target : {-5, 65, 1000000})
        EXPECT_LE(BisectionSteps(64, target, "bs"), 7);
    EXPECT_EQ(BisectionSteps(-3, 2, "bs"), 0);

    for (const auto& [n, passes] : {std::pair{123, 0}, {0, 2}, {1, 2}, {999999, 3}})
        EXPECT_EQ(SisyphusSteps(n), passes) << n;
    for (int32_t n = 1; n <= 1107568; n += 997)
        ASSERT_LE(SisyphusSteps(n), 3) << n;

    const struct {
        int32_t n;
        int32_t q4, z4, h4;
    } kaprekar[] = {{1001, 0, 0, 0},    {1002, 3, 0, 3},  {454284, 6, 7, 6},
                    {1107568, 4, 3, 3}, {99999, 0, 0, 0}, {6174, 0, 0, 0}};
    for (const auto& k : kaprekar) {
        EXPECT_EQ(KaprekarSteps(k.n, "q4"), k.q4) << k.n;
        EXPECT_EQ(KaprekarSteps(k.n, "z4"), k.z4) << k.n;
        EXPECT_EQ(KaprekarSteps(k.n, "h4"), k.h4) << k.n;
    }
}

TEST(ValueKindFeatures, ThreeValuePatternAndShape) {
    EXPECT_EQ(ThreeValuePattern(3, 5, 9, "dx", "0", "5"), 11);
    EXPECT_EQ(ThreeValuePattern(5, 4, 0, "dx", "0", "5"), 100);
    EXPECT_EQ(ThreeValuePattern(5, 4, 0, "dx", "1", "5"), 101);
    EXPECT_EQ(ThreeValuePattern(1, 2, 3, "je", "x", "x"), 101);
    EXPECT_EQ(ThreeValuePattern(3, 4, 6, "0", "x", "x"), 10);
    EXPECT_EQ(ThreeValuePattern(3, 4, 6, "1", "x", "x"), 101);
    EXPECT_EQ(ThreeValuePattern(3, 4, 6, "zz", "x", "x"), 0);
    try {
        ThreeValuePattern(1, 2, 3, "dx", "a", "5");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'a' is not a valid integer value");
    }
    const struct {
        int32_t a, b, c, shape;
    } shapes[] = {{5, 2, 5, 3}, {5, 2, 4, 4}, {2, 5, 2, 5}, {2, 5, 3, 6}, {3, 3, 1, 7}, {3, 3, 4, 0},
                  {1, 2, 3, 1}, {3, 2, 1, 2}, {5, 5, 2, 7}, {3, 5, 5, 0}, {4, 4, 4, 0}, {5, 2, 2, 0}};
    for (const auto& s : shapes)
        EXPECT_EQ(sx3atbgv(s.a, s.b, s.c), s.shape) << s.a << s.b << s.c;
}

} // namespace
} // namespace zorvy
