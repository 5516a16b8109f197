#include "platform/rtl/Numbers.h"
#include "FormatSettingsFixture.h"
#include "platform/rtl/DecimalDigits.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

using namespace zorvy;

TEST(RtlIntegerText, ParsesDecimalAndHexStrictly) {
    struct Case {
        const char* text;
        int64_t value;
    } cases[] = {{"0", 0},
                 {"123", 123},
                 {"-45", -45},
                 {"+7", 7},
                 {"  12", 12},
                 {"$FF", 255},
                 {"0x1f", 31},
                 {"-$10", -16},
                 {"x10", 16},
                 {"2147483647", 2147483647},
                 {"-2147483648", std::numeric_limits<int>::min()},
                 {"0x7fffffff", 2147483647},
                 {"$00000000FF", 255}};
    for (const Case& c : cases) {
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
        EXPECT_EQ(StrToInt64(c.text), c.value) << c.text;
    }
    // Hexadecimal is a bit pattern of the integer's width, as colour constants are written.
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("$8000000F"), -2147483633);
    EXPECT_EQ(StrToInt("-$80000000"), std::numeric_limits<int>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFF"), 4294967295LL);
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<int64_t>::min());
}

TEST(RtlIntegerText, RejectsBadTextAndOverflowWithTheExactMessage) {
    for (const char* text : {"", " ", "12 ", "1.5", "abc", "-", "$", "0x", "1e3", "2147483648", "-2147483649",
                             "$100000000", "１２"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid integer value");
        }
    }
    EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
    EXPECT_EQ(StrToIntDef("x", 7), 7);
    EXPECT_EQ(StrToIntDef("8", 7), 8);
    EXPECT_EQ(StrToInt64Def("99999999999999999999", -1), -1);
}

TEST(RtlIntegerText, WritesDecimalAndHex) {
    EXPECT_EQ(IntToStr(-9223372036854775807LL - 1), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFFFFFFFFFF");
}

TEST(RtlFloatText, FloatToStrUsesTheShortestGeneralForm) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {{100, "100"},
                 {99.99, "99.99"},
                 {98.89, "98.89"},
                 {50, "50"},
                 {0, "0"},
                 {-0.0, "0"},
                 {1e-5, "1E-5"},
                 {0.0001, "0.0001"},
                 {123456789012345678.0, "1.23456789012346E17"},
                 {999999999999999.0, "999999999999999"},
                 {1e15, "1E15"},
                 {0.1 + 0.2, "0.3"},
                 {-2.5, "-2.5"},
                 {1.0 / 3, "0.333333333333333"},
                 {std::numeric_limits<double>::infinity(), "INF"},
                 {-std::numeric_limits<double>::infinity(), "-INF"},
                 {std::nan(""), "NAN"}};
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
}

TEST(RtlFloatText, FloatToStrFFormats) {
    struct Case {
        double value;
        TFloatFormat format;
        int precision, digits;
        const char* text;
    } cases[] = {{1234.5678, TFloatFormat::ffFixed, 15, 2, "1234.57"},
                 {0.125, TFloatFormat::ffFixed, 15, 2, "0.13"},
                 {-0.001, TFloatFormat::ffFixed, 15, 2, "0.00"},
                 {5, TFloatFormat::ffFixed, 15, 0, "5"},
                 {1234567.891, TFloatFormat::ffNumber, 15, 2, "1,234,567.89"},
                 {-1234.5, TFloatFormat::ffNumber, 15, 1, "-1,234.5"},
                 {1234.5, TFloatFormat::ffExponent, 4, 2, "1.235E+03"},
                 {-0.000123, TFloatFormat::ffExponent, 3, 0, "-1.23E-4"},
                 {1.5e-7, TFloatFormat::ffGeneral, 15, 2, "1.5E-07"},
                 {12.5, TFloatFormat::ffCurrency, 15, 2, "$12.50"},
                 {-12.5, TFloatFormat::ffCurrency, 15, 2, "($12.50)"}};
    test::SavedFormatSettings saved;
    FormatSettings() = DefaultFormatSettings("en_US");
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.text) << c.value;
}

TEST(RtlFloatText, TextToFloatAcceptsTheLocaleSeparatorAndExponent) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"1.5", 1.5}, {" -2.25 ", -2.25}, {"1e3", 1000}, {"1.5E-2", 0.015},
                 {".5", 0.5},  {"5.", 5},          {"+0", 0},     {"1e-400", 0}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(StrToFloat(c.text), c.value) << c.text;
    for (const char* text : {"", "abc", "1,5", "1e", "1.2.3", "--1", "1e999", "e5", "1 2"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid floating point value");
        }
    }
    test::SavedFormatSettings saved;
    FormatSettings().DecimalSeparator = ',';
    EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
    double ignored;
    EXPECT_FALSE(TryStrToFloat("1.5", ignored));
    EXPECT_EQ(FloatToStr(2.5), "2,5");
}

TEST(RtlFloatText, FormatFloatSections) {
    struct Case {
        const char* format;
        double value;
        const char* text;
    } cases[] = {{"#########.##", 100, "100"},
                 {"#########.##", 98.886, "98.89"},
                 {"#########.##", 0.5, ".5"},
                 {"##", 0, ""},
                 {"##", 37.6, "38"},
                 {"0.00", 0, "0.00"},
                 {"0.00", 3.14159, "3.14"},
                 {"0.00", -0.001, "0.00"},
                 {"#,##0", 1234567, "1,234,567"},
                 {"#,##0.0", -1234.56, "-1,234.6"},
                 {"000", 7, "007"},
                 {"#0#", 5, "05"},
                 {"0.###", 1.5, "1.5"},
                 {"0.0#", 1.5, "1.5"},
                 {"0.0#", 1.5551, "1.56"},
                 {"0.00E+00", 12345, "1.23E+04"},
                 {"0.0E-0", 0.00012, "1.2E-4"},
                 {"0.0e+000", 0, "0.0e+000"},
                 {"'E+'0.0E+00", 1234.5, "E+1.2E+03"}, // a quoted "E+" is text, not the exponent
                 {"0000E+0##", 12345678, "1235E+4"},   // placeholders after the exponent show nothing
                 {"0.0E+0#.#'!'", 0.00012, "1.2E-4!"},
                 {"'Rate: '0.0'%'", 12.34, "Rate: 12.3%"},
                 {"0;(0);'zero'", -5, "(5)"},
                 {"0;(0);'zero'", 0, "zero"},
                 {"0;(0);'zero'", 0.2, "zero"},
                 {"0.0;;'none'", -1.25, "-1.3"},
                 {",0.00", 1234.5, "1,234.50"},
                 {",0.", 1234.5, "1,235"},
                 {"'$',0.00;('$',0.00)", -1234.5, "($1,234.50)"},
                 {"'¥' ,0.00", 7, "¥ 7.00"},
                 {"", 2.5, "2.5"}};
    test::SavedFormatSettings saved;
    FormatSettings() = DefaultFormatSettings("en_US");
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(c.format, c.value), c.text) << c.format << " " << c.value;
}

TEST(RtlRounding, RoundAndRoundToTakeHalvesToEven) {
    struct Case {
        double value;
        int64_t rounded;
    } rounds[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.6, 3}};
    for (const Case& c : rounds)
        EXPECT_EQ(Round(c.value), c.rounded) << c.value;

    struct ToCase {
        double value;
        int digits;
        double rounded;
    } roundTos[] = {{0.125, -2, 0.12},   {0.375, -2, 0.38},   {-0.125, -2, -0.12},
                    {98.886, -2, 98.89}, {98.885, -2, 98.88}, {1234.5, 0, 1234},
                    {1250, 2, 1200},     {1350, 2, 1400},     {99.994, -2, 99.99}};
    for (const ToCase& c : roundTos)
        EXPECT_DOUBLE_EQ(RoundTo(c.value, c.digits), c.rounded) << c.value;

    // The compression rate text: (1 - n / 1107568) * 100 to the hundredth in the general form.
    EXPECT_EQ(FloatToStr(RoundTo((1 - 0.0 / 1107568) * 100, -2)), "100");
    EXPECT_EQ(FloatToStr(RoundTo((1 - 12345.0 / 1107568) * 100, -2)), "98.89");
    EXPECT_EQ(FloatToStr(RoundTo((1 - 553784.0 / 1107568) * 100, -2)), "50");
    EXPECT_EQ(FloatToStr(RoundTo((1 - 1107568.0 / 1107568) * 100, -2)), "0");

    EXPECT_THROW(Round(1e19), EInvalidOp);
    EXPECT_THROW(Trunc(std::nan("")), EInvalidOp);
}

TEST(RtlRounding, TruncFloorCeilFracSign) {
    EXPECT_EQ(Trunc(-2.7), -2);
    EXPECT_EQ(Floor(-2.2), -3);
    EXPECT_EQ(Ceil(-2.7), -2);
    EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
    EXPECT_EQ(Sign(-0.1), -1);
    EXPECT_EQ(Sign(int64_t{0}), 0);
    EXPECT_EQ(Sign(int64_t{5}), 1);
}

TEST(RtlRounding, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        int a, b, c, result;
    } cases[] = {{5, 1, 2, 3},
                 {-5, 1, 2, -3},
                 {5, -1, 2, -3},
                 {-5, -1, 2, 3},
                 {5, 1, -2, -3},
                 {7, 1, 3, 2},
                 {8, 1, 3, 3},
                 {-8, 1, 3, -3},
                 {10, 10, 0, -1},
                 {2000000000, 2, 1, -1},
                 {2000000000, 3, 3, 2000000000}};
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

TEST(RtlRounding, DivAndModTruncate) {
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Mod(-7, 2), -1);
    EXPECT_EQ(Mod(7, -2), 1);
    EXPECT_EQ(Mod(std::numeric_limits<int>::min(), -1), 0);
    EXPECT_THROW(Div(1, 0), EDivByZero);
    EXPECT_THROW(Mod(1, 0), EDivByZero);
    EXPECT_THROW(Div(std::numeric_limits<int>::min(), -1), EIntOverflow);
}

TEST(RtlFormat, SpecifiersWidthsAndErrors) {
    struct Case {
        std::string text, expected;
    } cases[] = {{Format("%d", 42), "42"},
                 {Format("%5d|%-5d|", 42, 42), "   42|42   |"},
                 {Format("%.3d", -7), "-007"},
                 {Format("%x", 255), "FF"},
                 {Format("%.4x", 255), "00FF"},
                 {Format("%x", -1), "FFFFFFFF"},
                 {Format("%u", -1), "4294967295"},
                 {Format("%s and %s", "a", std::string("b")), "a and b"},
                 {Format("%4s|%-4s|", "中", "中"), "   中|中   |"},
                 {Format("%.2s", "中文字"), "中文"},
                 {Format("%.2f", 3.14159), "3.14"},
                 {Format("%f", 2.0), "2.00"},
                 {Format("%n", 1234567.0), "1,234,567.00"},
                 {Format("%g", 0.5), "0.5"},
                 {Format("%e", 1234.5), "1.23450000000000E+003"},
                 {Format("%1:s %0:s", {"a", "b"}), "b a"},
                 {Format("%*d", 4, 7), "   7"},
                 {Format("%*d|", int64_t(-3), 7), "7|"}, // a negative "*" width is none
                 {Format("100%%"), "100%"},
                 {Format("%d%s", {3, "x"}), "3x"}};
    test::SavedFormatSettings saved;
    FormatSettings() = DefaultFormatSettings("en_US");
    for (const Case& c : cases)
        EXPECT_EQ(c.text, c.expected);

    for (auto bad :
         {+[] { return Format("%d", "x"); }, +[] { return Format("%s", 1); }, +[] { return Format("%f", 1); },
          +[] { return Format("%q", 1); }, +[] { return Format("%d"); }, +[] { return Format("abc%"); },
          // "*" takes the written-out cap, in 64 bits: 2^32 + 4 must not pass as 4.
          +[] { return Format("%*d", int64_t(1) << 40, 7); },
          +[] { return Format("%.*d", int64_t(4294967300), 7); }, +[] { return Format("%*d", 100001, 7); }})
        EXPECT_THROW(bad(), EConvertError);
    try {
        Format("%d", 1.5);
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
    }
}

namespace {

// Digits of |value| rounded half away from zero at `keep` significant digits, from the exact
// binary expansion that printf gives.
std::pair<std::string, int> ExactRounded(double value, long keep) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.80e", std::fabs(value));
    std::string all = std::string(1, buffer[0]) + std::string(buffer + 2, 80);
    int exponent = std::atoi(std::strchr(buffer, 'e') + 1) + 1;
    std::string digits = all.substr(0, keep);
    if (all[keep] >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0)
            ++digits[i];
        else
            digits.insert(digits.begin(), '1'), ++exponent;
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return {digits, exponent};
}

} // namespace

TEST(RtlFloatText, DecimalDigitsMatchTheExactExpansionNearHalves) {
    std::mt19937_64 random(7);
    std::vector<double> values = {0.125, 2.5, 0.15, 1.005, 98.885, 1e15 + 0.5, 0.3, 1.0 / 3, 123456.785};
    for (int i = 0; i < 3000; ++i) {
        double v =
            std::ldexp(static_cast<double>(random() % 100000000) + 0.5, -static_cast<int>(random() % 12));
        values.push_back(v);
        values.push_back(std::bit_cast<double>((random() >> 2) | 0x3000000000000000ull));
        // Decimal texts that end in a 5 just past the 14th, 15th or 16th digit.
        std::string text = "0.";
        for (int k = 0; k < 13 + i % 3; ++k)
            text += static_cast<char>('0' + random() % 10);
        values.push_back(std::strtod((text + "5").c_str(), nullptr) *
                         std::pow(10.0, static_cast<double>(i % 9)));
    }
    for (double v : values)
        for (int precision : {1, 2, 6, 12, 14, 15}) {
            TDecimalDigits d = FloatToDecimal(v, precision);
            auto [digits, exponent] = ExactRounded(v, precision);
            ASSERT_EQ(d.Digits, digits) << std::hexfloat << v << " at " << precision;
            if (!digits.empty()) {
                ASSERT_EQ(d.Exponent, exponent) << v;
            }
        }
}
