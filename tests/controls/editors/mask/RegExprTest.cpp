// The regular expressions of the mask kinds: what compiles and with which messages, what matches, case
// folding, forced characters, and expressions that must stay cheap.
#include "controls/editors/mask/RegExpr.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

// Whether the whole text is accepted character by character and ends on a match.
bool Matches(const std::string& expression, const std::string& text, bool caseInsensitive = false) {
    TcxRegExpr r;
    r.SetCaseInsensitive(caseInsensitive);
    r.Compile(expression);
    for (char32_t c : RegExprChars(text))
        if (!r.ConsumeChar(c)) return false;
    return r.InputComplete();
}

std::vector<std::string> Errors(const std::string& expression) {
    TcxRegExpr r;
    try {
        r.Compile(expression);
    } catch (const EcxRegExprError& e) {
        std::vector<std::string> texts;
        for (const TcxRegExprError& error : e.Errors()) texts.push_back(error.MessageWithPosition());
        return texts;
    }
    return {};
}

TEST(RegExpr, MatchesWhatTheLanguageDescribes) {
    const struct {
        const char* expression;
        const char* text;
        bool match;
    } cases[] = {
        {"a b", "ab", true},         {"'a b'", "a b", true},      {"\\x20", " ", true},
        {"'it''s'", "it's", true},   {"x{2}", "xx", true},        {"x{2}", "x", false},
        {"x{2,}", "xxxxx", true},    {"x{2,}", "x", false},       {"x{1,3}", "xxx", true},
        {"x{1,3}", "xxxx", false},   {"(ab)\\1", "abab", true},   {"[\\1]", "1", true},
        {"[-a]", "-", true},         {"[a-]", "-", true},         {"[^0-9]", "5", false},
        {"[^0-9]", "x", true},       {"a+*", "aaa", true},        {"a+*", "", true},
        {"\\d\\d/\\d\\d", "12-31", true}, {"x(a?)", "x", false},  {"x(a?)", "xa", true},
        {"(a?)", "", false},         {"ab|cd", "cd", true},       {"(\\w|\\d)+", "a1_", true},
        {"国.", "国家", true},
    };
    for (const auto& c : cases) EXPECT_EQ(Matches(c.expression, c.text), c.match) << c.expression << " on " << c.text;
}

TEST(RegExpr, CompileErrorsNameTheirPlace) {
    const struct {
        const char* expression;
        std::vector<std::string> errors;
    } cases[] = {
        {"a**", {"Line1, Char3: The '*' quantifier cannot be applied here"}},
        {"x?{2}", {"Line1, Char3: The parameter quantifier cannot be applied here"}},
        {"x{3,2}", {"Line1, Char5: Incorrect parameter quantifier"}},
        {"(a)\\2", {"Line1, Char4: Too big reference number"}},
        {"*a", {"Line1, Char1: Illegal quantifier '*'"}},
        {"(a", {"Missing ')'"}},
        {"[]", {"Line1, Char2: Can't create empty enumeration"}},
        {"[z-a]", {"Line1, Char4: The starting character of the subrange must be less than the finishing one"}},
        {"'ab", {"Line1, Char4: Missing ' ' '"}},
        {"\\xG1", {"Line1, Char3: Hexadecimal number expected but 'G' found"}},
        {"   ", {"The source stream is empty"}},
        {")(", {"Line1, Char1: Illegal ')'", "The alternative should not be empty"}},
        // Sizes are capped before anything is expanded.
        {"(x{1000}){1000}", {"Line1, Char10: The expression is too large"}},
        {"x{99999999999}", {"Line1, Char3: A repeat count may be at most 1000"}},
        // A reference may only copy a group already closed.
        {"(a\\1)", {"Line1, Char3: Too big reference number"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Errors(c.expression), c.errors) << c.expression;
}

TEST(RegExpr, CaseInsensitiveSymbolsGiveTheirOwnCase) {
    TcxRegExpr r;
    r.SetCaseInsensitive(true);
    r.Compile("abc");
    std::string typed;
    for (char32_t c : std::u32string(U"ABC")) {
        ASSERT_TRUE(r.ConsumeChar(c));
        typed += char(c);
    }
    EXPECT_EQ(typed, "abc");
    EXPECT_FALSE(Matches("[a-z]", "Q", true)) << "ranges compare exactly";
    // Each alternative tests the character as typed: an earlier symbol's rewriting does not hide "a" from [a-z].
    EXPECT_TRUE(Matches("(Ab|[a-z]c)", "ac", true));
}

TEST(RegExpr, ForcedCharactersAreInsertedAndSteppedBackOver) {
    TcxRegExpr r;
    std::string inserted;
    int deleted = 0;
    r.OnSymbolUpdate = [&](char32_t c) { inserted += char(c); };
    r.OnSymbolDelete = [&] { ++deleted; };
    r.SetUpdateOn(true);
    r.Compile("(\\d\\d)-(\\d\\d)");
    char32_t c = U'1';
    ASSERT_TRUE(r.ConsumeChar(c));
    EXPECT_EQ(inserted, "");
    c = U'2';
    ASSERT_TRUE(r.ConsumeChar(c));
    EXPECT_EQ(inserted, "-");
    EXPECT_TRUE(r.UnconsumeChar());
    EXPECT_EQ(deleted, 1) << "one notice for the '-'";
    c = U'7';
    EXPECT_TRUE(r.ConsumeChar(c)) << "back after the first digit";

    TcxRegExpr digits;
    std::string none;
    digits.OnSymbolUpdate = [&](char32_t ch) { none += char(ch); };
    digits.SetUpdateOn(true);
    digits.Compile("[0-9]+");
    c = U'4';
    digits.ConsumeChar(c);
    EXPECT_TRUE(digits.InputComplete());
    EXPECT_EQ(none, "");

    TcxRegExpr prefix;
    prefix.SetUpdateOn(true);
    prefix.Compile("'No.'\\d+");
    EXPECT_FALSE(prefix.NothingConsumed()) << "a fixed run is consumed at once";

    // Nothing in "0*1{0}" is final, so the forced "0" would repeat for ever: completion stops once the
    // position repeats.
    TcxRegExpr loop;
    std::string forced;
    loop.OnSymbolUpdate = [&](char32_t ch) { forced += char(ch); };
    loop.SetUpdateOn(true);
    loop.Compile("0*1{0}");
    EXPECT_EQ(forced, "0");
}

TEST(RegExpr, SteppingBeforeACompileOrBeforeTheStart) {
    TcxRegExpr r;
    char32_t c = U'a';
    try {
        r.ConsumeChar(c);
        FAIL();
    } catch (const EcxEditError& e) {
        EXPECT_STREQ(e.what(), "Regular expression is not compiled");
    }
    r.Compile("ab");
    EXPECT_FALSE(r.UnconsumeChar());
    EXPECT_TRUE(r.NothingConsumed());
}

TEST(RegExpr, RepeatedAlternativesStayCheapOverLongInput) {
    // Without duplicate-free state sets each character would double the work.
    for (const char* expression : {"(a|a)*", "(\\w|\\d)+", "((a|a)|(a|a))+"}) {
        TcxRegExpr r;
        r.Compile(expression);
        for (int i = 0; i < 200; ++i) {
            char32_t c = U'a';
            ASSERT_TRUE(r.ConsumeChar(c)) << expression;
        }
        EXPECT_TRUE(r.InputComplete());
    }
}

} // namespace
} // namespace zorvy::test
