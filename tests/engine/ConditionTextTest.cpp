#include "engine/ConditionText.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zorvy {
namespace {

TEST(ExtractConditionValue, ReadsEveryKey) {
    const std::string text = "j=1/y=0/y=2/fw1=2/fw2=9/xfw= 3 5 7 /";
    const struct {
        const char* key;
        const char* value;
    } cases[] = {{"j=1", "1"},  {"j=0", "-1"}, {"y=0", "0"},        {"y=1", "-1"}, {"y=2", "2"},
                 {"fw1=", "2"}, {"fw2=", "9"}, {"xfw=", " 3 5 7 "}, {"dm=", "-1"}};
    for (const auto& c : cases)
        EXPECT_EQ(ExtractConditionValue(text, c.key), c.value) << c.key;
    EXPECT_EQ(ExtractConditionValue("J=1/", "j=1"), "1");
    EXPECT_EQ(ExtractConditionValue("dm=1 3 5 /", "dm="), "1 3 5 ");
    EXPECT_EQ(ExtractConditionValue("xfw=/", "xfw="), "");
    EXPECT_EQ(ExtractConditionValue("xfw=c4, 1 3 /", "xfw="), "c4, 1 3 ");
    EXPECT_EQ(ExtractConditionValue("", "j=1"), "-1");
}

TEST(ExtractConditionValue, OpenLastSegmentEndsTheRead) {
    EXPECT_EQ(ExtractConditionValue("fw1=3", "fw1="), "3");
    EXPECT_EQ(ExtractConditionValue("j=1/fw1=3", "fw1="), "3");
    EXPECT_EQ(ExtractConditionValue("j=1/fw1=3", "fw2="), "-1");
    EXPECT_EQ(ExtractConditionValue("fw1=3/fw1", "fw2="), "-1");
    // A doubled "/" leaves the segments after it apart.
    EXPECT_EQ(ExtractConditionValue("y=0//fw2=9/fw1=3/", "fw1="), "3");
    EXPECT_EQ(ExtractConditionValue("//j=1/y=0/", "j=1"), "1");
    // Random texts made of the key alphabet never hang or crash the reader.
    std::mt19937 random(7);
    const std::string alphabet = "/=fwjyx12 cC,";
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        for (int n = random() % 24; n > 0; --n)
            text += alphabet[random() % alphabet.size()];
        for (const char* key : {"fw1=", "j=1", "xfw=", "/", "="})
            ExtractConditionValue(text, key);
    }
}

TEST(CheckCondition, MarksAndLists) {
    const TConditionMarks none = {-1, -1, -1, -1, -1, -1, -1};
    const TConditionMarks scheme = {1, -1, 0, -1, 2, 2, 9};
    const struct {
        TConditionMarks marks;
        const char* list;
        int32_t value;
        bool passes;
    } cases[] = {
        {scheme, " 3 5 7 ", 3, true},
        {scheme, " 3 5 7 ", 5, true},
        {scheme, " 3 5 7 ", 7, false},
        {scheme, " 3 5 7 ", 9, false},
        {scheme, " 3 5 7 ", 4, false},
        {none, "-1", -7, true},
        {none, "-1", 1107568, true},
        {{1, 0, -1, -1, -1, -1, -1}, "-1", 3, false},
        {{1, 0, -1, -1, -1, -1, -1}, "-1", 4, false},
        {{-1, -1, -1, -1, -1, 3, 3}, "-1", 3, true},
        {{-1, -1, -1, -1, -1, 3, 3}, "-1", 4, false},
        {{-1, -1, -1, -1, -1, 0, -1}, "-1", 0, false},
        {{-1, -1, -1, -1, -1, 0, 1107568}, "-1", 1107568, true},
        {{-1, 0, -1, -1, -1, -1, -1}, "-1", -4, true},
        {{1, -1, -1, -1, -1, -1, -1}, "-1", -3, false},
        {{-1, -1, 0, 1, 2, -1, -1}, "-1", -3, true},
        {{-1, -1, 0, 1, 2, -1, -1}, "-1", -2, false},
        {{2, -1, -1, -1, -1, -1, -1}, "-1", 3, false},
        {none, "c5, 0 2 4 ", 10, true},
        {none, "c5, 0 2 4 ", 12, true},
        {none, "c5, 0 2 4 ", 13, false},
        {none, " 1 2 3 ", 12, false},
        {none, " 1 2 3 ", 2, true},
        {none, "1 2 3 ", 1, false},
        {none, "", 0, false},
        {none, " 1107568 ", 1107568, true},
        // Remainders beyond the first 30 characters of the list are still found.
        {none, "c54, 1 3 5 7 9 11 13 15 17 19 21 23 25 27 29 31 ", 31, true},
        {none, "C54, 1 3 5 7 9 11 13 15 17 19 21 23 25 27 29 31 ", 85, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckCondition(c.value, c.marks, c.list), c.passes) << c.list << " " << c.value;
}

TEST(CheckCondition, BadDivisorRaises) {
    const TConditionMarks none = {-1, -1, -1, -1, -1, -1, -1};
    const struct {
        const char* list;
        const char* message;
    } cases[] = {{"c, 1 2 ", "'' is not a valid integer value"},
                 {"c 1 2 ", "'' is not a valid integer value"},
                 {"cx, 1 ", "'x' is not a valid integer value"}};
    for (const auto& c : cases) {
        try {
            CheckCondition(4, none, c.list);
            ADD_FAILURE() << c.list;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    EXPECT_THROW(CheckCondition(4, none, "c0, 1 "), EDivByZero);
    // A failing mark answers before the list is read.
    EXPECT_FALSE(CheckCondition(4, {1, -1, -1, -1, -1, -1, -1}, "c0, 1 "));
    EXPECT_EQ(Jcchushuv("c12, 0 1 "), "12");
    EXPECT_EQ(Jcchushuv(" 1 2 "), "");
}

TEST(ConditionText, BankerDigitsAndSorting) {
    EXPECT_TRUE(ContainsBankerDigits("454284", "4 8 "));
    EXPECT_FALSE(ContainsBankerDigits("454284", "4 7 "));
    EXPECT_TRUE(ContainsBankerDigits("454284", ""));
    EXPECT_FALSE(ContainsBankerDigits("454284", "4 4 ")); // one distinct digit of two
    EXPECT_FALSE(ContainsBankerDigits("23", "-1"));
    EXPECT_EQ(SortNumberList("33 05 17 "), "05 17 33 ");
    EXPECT_EQ(SortNumberList("05 12 03 "), "03 05 12 ");
    EXPECT_EQ(SortNumberList(""), "");
    std::vector<std::string> items = {"10", "9", "010", "-2"};
    EXPECT_TRUE(SortNumericStrings(items));
    EXPECT_EQ(items, (std::vector<std::string>{"-2", "9", "10", "010"}));
    std::vector<std::string> bad = {"1", "x"};
    EXPECT_THROW(SortNumericStrings(bad), EConvertError);
    EXPECT_THROW(SortNumberList("1 x "), EConvertError);
}

} // namespace
} // namespace zorvy
