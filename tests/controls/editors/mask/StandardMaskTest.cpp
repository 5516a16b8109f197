// The classic edit mask: compiling, fitting a text, taking its value back, validating; every expected
// text below is worked by hand from the mask rules.
#include "controls/editors/mask/StandardMask.h"

#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

std::string Formatted(const std::string& mask, std::string text, bool converted = true, bool holdsLiterals = false) {
    TcxStandardMask m;
    m.Prepare(mask);
    m.Format(text, converted, holdsLiterals);
    return text;
}

TEST(StandardMaskTest, PhoneMaskHasSixPositionsAndRoundTripsItsValue) {
    TcxStandardMask m;
    m.Prepare("(99)00;0;_");
    EXPECT_EQ(m.GetCount(), 6);
    EXPECT_EQ(m.GetEmptyText(), "(__)__");
    EXPECT_EQ(m.GetEmptyValue(), "    ");
    EXPECT_FALSE(m.GetSaveLiteralCharacters());
    std::string text = "1234";
    m.Format(text, true, false);
    EXPECT_EQ(text, "(12)34");
    m.ExtractValue(text);
    EXPECT_EQ(text, "1234");
    // A space in the value keeps its position blank, and comes back as a space.
    text = "1 34";
    m.Format(text, true, false);
    EXPECT_EQ(text, "(1_)34");
    m.ExtractValue(text);
    EXPECT_EQ(text, "1 34");
    // A text that already holds the literals fits position by position.
    text = "(56)78";
    m.Format(text, true, true);
    EXPECT_EQ(text, "(56)78");
}

TEST(StandardMaskTest, SavedLiteralsStayInTheValue) {
    TcxStandardMask m;
    m.Prepare("(99)00;1;_");
    EXPECT_EQ(m.GetEmptyValue(), "(  )  ");
    std::string text = "1234";
    m.Format(text, true, false);
    EXPECT_EQ(text, "(12)34");
    m.ExtractValue(text);
    EXPECT_EQ(text, "(12)34");
}

TEST(StandardMaskTest, CompilesEveryMaskCharacter) {
    struct Case {
        const char* mask;
        int count;
        const char* emptyText;
    };
    const Case cases[] = {
        {"LlAaCc09#", 9, "_________"},
        {">L<l<>L", 3, "___"},  // case switches take no position
        {"\\0", 1, "0"},        // an escaped mask character is a literal
        {"00\\", 2, "__"},      // a trailing backslash is dropped
        {"0;1_", 4, "_;1_"},    // ";" followed by two characters is a literal
        {"0;2", 3, "_;2"},      // ";" followed by a digit other than 0 or 1 too
        {"0;0", 1, "_"},        // ";0" ends the mask
        {"0;1;*", 1, "*"},      // ";1;*" ends it and names the blank
        {"0;1;;", 1, ";"},      // the blank may be a semicolon
        {"!99", 2, "__"},       // the leading flag takes no position
        {"a!", 2, "_!"},        // "!" after the first character is a literal
        {"00;1;中", 2, "中中"}, // a blank of one multi-byte character
        {"0年0", 3, "_年_"},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        TcxStandardMask m;
        m.Prepare(c.mask);
        EXPECT_EQ(m.GetCount(), c.count) << c.mask;
        EXPECT_EQ(m.GetEmptyText(), c.emptyText) << c.mask;
    }
}

TEST(StandardMaskTest, SeparatorsComeFromTheLocaleWhenTheMaskIsCompiled) {
    const TFormatSettings saved = FormatSettings();
    TFormatSettings settings = saved;
    settings.DateSeparator = '.';
    settings.TimeSeparator = 'h';
    SetFormatSettings(settings);
    TcxStandardMask m;
    m.Prepare("00/00:00");
    SetFormatSettings(saved);
    EXPECT_EQ(m.GetEmptyText(), "__.__h__");
}

TEST(StandardMaskTest, FitsTextsIntoPositions) {
    struct Case {
        const char* mask;
        const char* text;
        bool converted;
        const char* expected;
    };
    const Case cases[] = {
        {">LL", "ab", true, "AB"},
        {">LL", "ab", false, "ab"},       // accepted, but shown as typed
        {"<LL", "AB", true, "ab"},
        {"><>LL", "aB", true, "aB"},      // "<>" resets the case rule
        {"00", "A1", true, "1_"},         // the refused letter is dropped
        {"00", "123", true, "12"},        // what does not fit is dropped
        {"!000", "12", true, "_12"},      // the leading flag fits from the right
        {"!(00)", "7", true, "(_7)"},
        {"L0", "5a", true, "_5"},         // 5 passes the letter by; then a finds no position
        {"0-0", "1-2", true, "1-2"},      // a literal accepts its own character
        {"C0", "中5", true, "中5"},       // any-character takes a whole Chinese character
        {"00", "中5", true, "5_"},        // a digit position refuses it whole
        {">C", "é", true, "é"},           // only ASCII letters change case
        {"L", "é", true, "_"},
        {"#", "-", true, "-"},
        {"00", "_3", true, "_3"},         // a blank keeps its input position empty
    };
    for (const Case& c : cases)
        EXPECT_EQ(Formatted(c.mask, c.text, c.converted, true), c.expected) << c.mask << " <- " << c.text;
}

TEST(StandardMaskTest, ValidatesTextsAgainstTheMask) {
    struct Case {
        const char* mask;
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"(99)00;0;_", "(12)34", true},
        {"(99)00;0;_", "(__)34", true},  // optional digits may stay blank
        {"(99)00;0;_", "(12)3_", false}, // a required digit may not
        {"(99)00;0;_", "(12) 4", false},
        {"99", "1", false}, // one short is invalid even where optional
        {"99", "1 ", true},
        {"#", " ", true},
        {"#", "+", true},
        {">L", "a", true}, // judged after the case rule
        {"L", "中", false},
        {"C", "中", true},
        {"c", "_", true},
        {"C", "\n", false}, // no control character: one line cannot show it
        {"c", "\t", false},
        {"C", "\x7f", false},
        {"C", "~", true},
        {"0-0", "1+2", false}, // a literal must match
        {"", "", true},
    };
    for (const Case& c : cases) {
        TcxStandardMask m;
        m.Prepare(c.mask);
        EXPECT_EQ(m.IsValid(c.text), c.valid) << c.mask << " : " << c.text;
    }
}

TEST(StandardMaskTest, PrepareForgetsThePreviousSettings) {
    TcxStandardMask m;
    m.Prepare("!00;0;*");
    m.Prepare("00");
    EXPECT_EQ(m.GetBlank(), "_");
    EXPECT_TRUE(m.GetSaveLiteralCharacters());
    EXPECT_FALSE(m.GetLeading());
    EXPECT_EQ(m.GetMaskText(), "00");
}

} // namespace
} // namespace zorvy
