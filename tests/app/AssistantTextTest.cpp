// The condition text of the assistant: the segments built from choices, texts read back into choices,
// what cannot be read, and the key reading that never runs on past an open segment.
#include "app/AssistantText.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace zorvy::test {
namespace {

TConditionChoices WithDigits(std::initializer_list<int> digits) {
    TConditionChoices c;
    c.DigitsOn = true;
    for (int d : digits)
        c.Digits[d] = true;
    return c;
}

TConditionChoices WithList(int divisor, std::initializer_list<int> values) {
    TConditionChoices c;
    c.ListOn = true;
    c.Divisor = divisor;
    for (int v : values)
        c.Values[v] = true;
    return c;
}

TEST(AssistantText, ChoicesBuildTheSegmentsInTheirOrder) {
    TConditionChoices whole = WithList(5, {0, 2});
    whole.DigitsOn = true;
    whole.Digits[1] = whole.Digits[3] = true;
    whole.Parity = 1;
    whole.Remainders = {true, false, true};
    whole.RangeOn = true;
    whole.RangeLow = "3";
    whole.RangeHigh = "12";
    TConditionChoices oddRange;
    oddRange.Parity = 1;
    oddRange.Remainders = {true, false, true};
    oddRange.RangeOn = true;
    oddRange.RangeLow = "3";
    oddRange.RangeHigh = "12";
    TConditionChoices even;
    even.Parity = 2;
    struct Case {
        TConditionChoices choices;
        bool banker;
        const char* text;
    } cases[] = {
        {whole, false, "bh=1 3 /j=1/y=0/y=2/fw1=3/fw2=12/xfw=c5, 0 2 /"},
        {oddRange, false, "j=1/y=0/y=2/fw1=3/fw2=12/"},
        {WithDigits({1, 3, 5}), false, "bh=1 3 5 /"},
        {WithDigits({8, 4}), true, "dm=4 8 /"},
        {WithDigits({}), false, ""}, // 选值 without a digit writes nothing
        {even, false, "j=0/"},
        {WithList(0, {4, 7, 9}), false, "xfw= 4 7 9 /"},
        {WithList(0, {}), false, "xfw= /"},
        {WithList(5, {0, 2}), false, "xfw=c5, 0 2 /"},
        {TConditionChoices{}, false, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildConditionText(c.choices, c.banker), c.text);
}

TEST(AssistantText, TextsTheAssistantWritesReadBackUnchanged) {
    std::string allValues = "xfw= ";
    for (int v = 0; v < ListValueCount; ++v)
        allValues += std::to_string(v) + " ";
    allValues += "/";
    for (const std::string text : {"bh=0 9 /", "xfw=c5, 0 2 /", "j=1/y=0/y=2/fw1=3/fw2=12/",
                                   "bh=1 3 /j=1/y=0/y=2/fw1=3/fw2=12/xfw=c5, 0 2 /", "dm=4 8 /", "xfw= /",
                                   "fw1=600/fw2=700/", "j=0/y=1/", allValues.c_str()}) {
        const TConditionChoices choices = ReadConditionChoices(text);
        EXPECT_EQ(BuildConditionText(choices, choices.Banker), text);
    }
    const TConditionChoices all = ReadConditionChoices(allValues);
    for (int v = 0; v < ListValueCount; ++v)
        EXPECT_TRUE(all.Values[v]) << v;
}

TEST(AssistantText, ReadingFollowsTheKeysOfClosedSegments) {
    struct Case {
        const char* text;
        const char* rebuilt;
    } cases[] = {
        {"j=1/j=0/", "j=1/"},     // both parities read as odd
        {"J=0/Y=2/", "j=0/y=2/"}, // keys without regard to case
        {"fw1=3", ""},            // an open segment is no segment
        {"j=1/fw1=3", "j=1/"},
        {"y=0/y=1", "y=0/"},
        {"fw1=12/fw2=3/", "fw1=12/fw2=12/"}, // the end never stays below the begin
        {"fw1= 7/fw2=9 /", "fw1=7/fw2=9/"},
        {"xfw= 1  3 /", "xfw= 1 3 /"}, // blanks in a row lose no value
        {"bh=0,9/", "bh=0 9 /"},       // digits stand at every other character
        {"dm=5/", ""},                 // a banker value holds length div 2 digits
        {"abc/j=2/y=3/", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        const TConditionChoices choices = ReadConditionChoices(c.text);
        EXPECT_EQ(BuildConditionText(choices, false), c.rebuilt) << c.text;
    }
    EXPECT_TRUE(ReadConditionChoices("dm=4 /").Banker);
    EXPECT_FALSE(ReadConditionChoices("bh=4 /").Banker);
}

TEST(AssistantText, AValueNoControlCanShowIsRefusedWithItsKey) {
    struct Case {
        const char* text;
        const char* named;
    } cases[] = {
        {"bh=x /", "bh="},
        {"bh=12 /", "bh="},
        {"dm=a /", "dm="},
        {"fw1=a/fw2=3/", "fw1="},
        {"fw1=-2/fw2=3/", "fw1="},
        {"fw1=3/", "fw2="},
        {"fw1=3/fw2=1234567890/", "fw2="},
        {"xfw= 55 /", "55"},
        {"xfw= 4x /", "4x"},
        {"xfw=c20, 1 /", "除数"},
        {"xfw=c, 1 /", "除数"},
        {"xfw=cx 1 /", "除数"},
    };
    for (const Case& c : cases) {
        try {
            ReadConditionChoices(c.text);
            ADD_FAILURE() << c.text << " was read";
        } catch (const EConvertError& e) {
            EXPECT_NE(e.Message().find(c.named), std::string::npos) << c.text << ": " << e.Message();
        }
    }
}

TEST(AssistantText, TheValueOfAKeyComesOnlyFromASegmentClosedBySlash) {
    EXPECT_EQ(GetTjvalue("j=1/fw1=3/fw2=12/", "FW2="), "12");
    EXPECT_EQ(GetTjvalue("j=1/", "y=0"), "-1");
    EXPECT_EQ(GetTjvalue("j=1/fw1=3", "fw1="), "-1");
    EXPECT_EQ(GetTjvalue("//fw1=3//fw2=4/", "fw2="), "4");
    EXPECT_EQ(GetTjvalue(std::string(20000, 'f') + "fw1=3", "fw1="), "-1");
}

} // namespace
} // namespace zorvy::test
