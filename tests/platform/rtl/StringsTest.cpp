#include "platform/rtl/Strings.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using namespace zorvy;

TEST(RtlStrings, OneBasedPositionsClampLikeTheRuntime) {
    EXPECT_EQ(Pos("bc", "abcbc"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(PosEx("bc", "abcbc", 3), 4);
    EXPECT_EQ(PosEx("bc", "abcbc", 9), 0);
    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 7, 1), "");
    EXPECT_EQ(Copy("abcdef", 3), "cdef");
    EXPECT_EQ(Copy("abc", 2, -1), "");

    std::string s = "abcdef";
    Delete(s, 2, 2);
    EXPECT_EQ(s, "adef");
    Delete(s, 10, 1);
    Delete(s, 0, 1);
    EXPECT_EQ(s, "adef");
    Delete(s, 3, 100);
    EXPECT_EQ(s, "ad");
    Insert("XY", s, 2);
    EXPECT_EQ(s, "aXYd");
    Insert("!", s, 99);
    EXPECT_EQ(s, "aXYd!");
}

TEST(RtlStrings, TrimRemovesBlanksAndControlCharactersOnly) {
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim("　中　"), "　中　"); // the ideographic space is text, not a blank
    EXPECT_EQ(Trim(""), "");
}

TEST(RtlStrings, CaseConversionAndComparison) {
    EXPECT_EQ(UpperCase("abc-é"), "ABC-é");
    EXPECT_EQ(LowerCase("ABC"), "abc");
    EXPECT_EQ(AnsiUpperCase("abc-é-中"), "ABC-É-中");
    EXPECT_EQ(AnsiLowerCase("ÀB"), "àb");
    EXPECT_EQ(CompareText("abc", "ABD"), -1);
    EXPECT_EQ(CompareText("ABC", "abc"), 0);
    EXPECT_EQ(CompareText("ab", "a"), 1);
    EXPECT_EQ(CompareStr("a", "B"), 1);
    EXPECT_TRUE(SameText("Name", "NAME"));
    EXPECT_TRUE(AnsiSameText("Émile", "émile"));
    EXPECT_FALSE(AnsiSameText("Emile", "émile"));
    EXPECT_EQ(AnsiCompareText("apple", "BANANA"), -1);
    EXPECT_EQ(AnsiCompareText("Apple", "apple"), 0);
    EXPECT_NE(AnsiCompareStr("Apple", "apple"), 0);
    EXPECT_TRUE(ContainsText("Hello World", "WORLD"));
    EXPECT_TRUE(AnsiContainsText("Größe", "GRÖSSE") || AnsiContainsText("Größe", "GRÖ"));
    EXPECT_TRUE(StartsText("ab", "ABC"));
    EXPECT_TRUE(EndsStr("bc", "abc"));
    EXPECT_FALSE(EndsText("abcd", "bcd"));
}

TEST(RtlStrings, StringReplaceHonoursTheFlags) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        TReplaceFlags flags;
        const char* result;
    } cases[] = {{"a-b-c", "-", "+", 0, "a+b-c"},
                 {"a-b-c", "-", "+", rfReplaceAll, "a+b+c"},
                 {"aXbxc", "x", "_", rfReplaceAll, "aXb_c"},
                 {"aXbxc", "x", "_", rfReplaceAll | rfIgnoreCase, "a_b_c"},
                 {"aaa", "a", "aa", rfReplaceAll, "aaaaaa"},
                 {"abc", "", "x", rfReplaceAll, "abc"},
                 {"ab", "ab", "", rfReplaceAll, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(StringReplace(c.text, c.from, c.to, c.flags), c.result) << c.text;
}

TEST(RtlStrings, QuotingBooleansAndHotkeys) {
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(AnsiDequotedStr("'it''s'", '\''), "it's");
    EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
    EXPECT_EQ(BoolToStr(true), "-1");
    EXPECT_EQ(BoolToStr(false), "0");
    EXPECT_EQ(BoolToStr(true, true), "True");
    EXPECT_TRUE(StrToBool("true"));
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_THROW(StrToBool("maybe"), EConvertError);
    EXPECT_EQ(StripHotkey("&File"), "File");
    EXPECT_EQ(StripHotkey("A&&B"), "A&B");
    EXPECT_EQ(StripHotkey("保存(&S)"), "保存(S)");
    EXPECT_EQ(StripHotkey("end&"), "end");
    EXPECT_EQ(GetHotkey("Sa&ve"), "V");
    EXPECT_EQ(GetHotkey("A&&B"), "");
    EXPECT_EQ(GetHotkey("&中文"), "中");
    EXPECT_EQ(StringOfChar('-', 3), "---");
    EXPECT_EQ(DupeString("ab", 2), "abab");
}
