#include "platform/rtl/Variant.h"
#include "FormatSettingsFixture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zorvy;

namespace {

class RtlVariants : public test::EnglishFormatSettingsTest {};

} // namespace

TEST_F(RtlVariants, KindsCarryTheirTypeCodes) {
    struct Case {
        Variant value;
        TVarType type;
    } cases[] = {{Variant(), varEmpty},
                 {Variant::Null(), varNull},
                 {Variant(true), varBoolean},
                 {Variant(int8_t{-1}), varShortInt},
                 {Variant(int16_t{1}), varSmallint},
                 {Variant(7), varInteger},
                 {Variant(int64_t{7}), varInt64},
                 {Variant(uint8_t{1}), varByte},
                 {Variant(uint16_t{1}), varWord},
                 {Variant(uint32_t{1}), varLongWord},
                 {Variant(uint64_t{1}), varUInt64},
                 {Variant(1.5f), varSingle},
                 {Variant(1.5), varDouble},
                 {Variant(Currency::FromInt(3)), varCurrency},
                 {Variant::FromDate(2), varDate},
                 {Variant("text"), varOleStr},
                 {Variant::FromBytes(std::string("\0\xff", 2)), varString},
                 {Variant(StrToBcd("1.25")), varFMTBcd},
                 {Variant(DateTimeToSQLTimeStamp(2)), varSQLTimeStamp},
                 {VarArrayOf({1, "a"}), static_cast<TVarType>(varArray | varVariant)}};
    for (const Case& c : cases)
        EXPECT_EQ(VarType(c.value), c.type) << VarTypeAsText(c.type);
    EXPECT_TRUE(VarIsNull(Variant::Null()));
    EXPECT_TRUE(VarIsEmpty(Variant()));
    EXPECT_TRUE(VarHoldsDate(Variant::FromDate(1)));
    EXPECT_TRUE(VarHoldsDate(Variant(DateTimeToSQLTimeStamp(1))));
    EXPECT_FALSE(VarHoldsDate(Variant(1.0)));
    EXPECT_TRUE(VarHoldsNumber(Variant(Currency{})));
    EXPECT_TRUE(VarHoldsNumber(Variant(true)));
    EXPECT_FALSE(VarHoldsNumber(Variant("1")));
    EXPECT_FALSE(VarHoldsNumber(Variant(uint64_t{1})));
}

TEST_F(RtlVariants, ConversionsToAndFromText) {
    struct Case {
        Variant value;
        const char* text;
    } cases[] = {{Variant(), ""},
                 {Variant::Null(), ""},
                 {Variant(true), "True"},
                 {Variant(false), "False"},
                 {Variant(-42), "-42"},
                 {Variant(99.99), "99.99"},
                 {Variant(0.1f), "0.1"},
                 {Variant(Currency::FromScaled(125000)), "12.5"},
                 {Variant::FromDate(EncodeDate(2026, 3, 5)), "2026-03-05"},
                 {Variant::FromDate(EncodeDate(2026, 3, 5) + 0.5), "2026-03-05 12:00:00"},
                 {Variant(StrToBcd("-000.500")), "-0.5"},
                 {Variant(std::numeric_limits<uint64_t>::max()), "18446744073709551615"}};
    for (const Case& c : cases)
        EXPECT_EQ(VarToStr(c.value), c.text);
    EXPECT_EQ(VarToStrDef(Variant::Null(), "-"), "-");
    EXPECT_THROW(Variant::Null().AsString(), EVariantError);

    EXPECT_EQ(Variant("12").AsInteger(), 12);
    EXPECT_EQ(Variant(" 12 ").AsInteger(), 12);
    EXPECT_DOUBLE_EQ(Variant("2.5").AsDouble(), 2.5);
    EXPECT_EQ(Variant(2.5).AsInteger(), 2); // halves to even
    EXPECT_EQ(Variant(3.5).AsInteger(), 4);
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_TRUE(Variant("true").AsBoolean());
    EXPECT_TRUE(Variant("-1").AsBoolean());
    EXPECT_FALSE(Variant(0.0).AsBoolean());
    EXPECT_EQ(Variant("1.2345").AsCurrency().Value, 12345);
    EXPECT_DOUBLE_EQ(Variant("2026-03-05").AsDateTime(), EncodeDate(2026, 3, 5));
    EXPECT_EQ(Variant(int64_t{1} << 40).AsInt64(), int64_t{1} << 40);

    try {
        Variant("abc").AsDouble();
        FAIL();
    } catch (const EVariantError& e) {
        EXPECT_EQ(e.Message(), "Could not convert variant of type (OleStr) into type (Double)");
    }
    EXPECT_THROW(Variant("abc").AsBoolean(), EVariantError);
    EXPECT_THROW(Variant(int64_t{1} << 40).AsInteger(), EVariantError);
    EXPECT_THROW(Variant(1e300).AsInt64(), EVariantError);
    EXPECT_THROW(Variant(1e300).AsCurrency(), EVariantError);
}

TEST_F(RtlVariants, VarAsTypeRangesAndNull) {
    EXPECT_EQ(VarType(VarAsType(Variant("7"), varSmallint)), varSmallint);
    EXPECT_EQ(VarAsType(Variant("7"), varByte).AsInteger(), 7);
    EXPECT_EQ(VarAsType(Variant(12.5), varOleStr).AsString(), "12.5");
    EXPECT_EQ(VarType(VarAsType(Variant(1), varDate)), varDate);
    EXPECT_EQ(VarAsType(Variant(1), varBoolean).AsBoolean(), true);
    EXPECT_THROW(VarAsType(Variant(300), varByte), EVariantError);
    EXPECT_THROW(VarAsType(Variant(-1), varWord), EVariantError);
    EXPECT_THROW(VarAsType(Variant(40000), varSmallint), EVariantError);
    EXPECT_THROW(VarAsType(Variant::Null(), varInteger), EVariantError);
    EXPECT_TRUE(VarIsNull(VarAsType(Variant::Null(), varNull)));
}

TEST_F(RtlVariants, ComparisonsAcrossKinds) {
    struct Case {
        Variant a, b;
        int result;
    } cases[] = {{Variant(1), Variant(2), -1},
                 {Variant(2), Variant(2.0), 0},
                 {Variant(int16_t{3}), Variant(uint64_t{3}), 0},
                 {Variant(-1), Variant(std::numeric_limits<uint64_t>::max()), -1},
                 {Variant(int64_t{9007199254740993}), Variant(int64_t{9007199254740992}), 1},
                 {Variant("10"), Variant(9), 1},
                 {Variant(9), Variant("10"), -1},
                 {Variant("abc"), Variant("abd"), -1},
                 {Variant("b"), Variant("a"), 1},
                 {Variant(Currency::FromScaled(15000)), Variant(1.5), 0},
                 {Variant(StrToBcd("0.1")), Variant(StrToBcd("0.10")), 0},
                 {Variant(StrToBcd("2")), Variant(3), -1},
                 {Variant::FromDate(EncodeDate(2026, 1, 1)), Variant("2025-12-31"), 1},
                 {Variant::FromDate(10), Variant(10), 0},
                 {Variant(false), Variant(true), -1},
                 {Variant(true), Variant("True"), 0},
                 {Variant::Null(), Variant::Null(), 0},
                 {Variant::Null(), Variant(-1000), -1},
                 {Variant(""), Variant::Null(), 1},
                 {Variant(), Variant(""), 0},
                 {Variant(), Variant(0), 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(VarCompareValue(c.a, c.b), c.result) << VarToStr(c.a) << " vs " << VarToStr(c.b);
        EXPECT_EQ(VarCompareValue(c.b, c.a), -c.result) << VarToStr(c.b) << " vs " << VarToStr(c.a);
    }
    EXPECT_TRUE(Variant(2) == Variant("2"));
    EXPECT_FALSE(Variant::Null() == Variant(0));
    EXPECT_TRUE(Variant::Null() != Variant(0));
    EXPECT_TRUE(Variant(1) < Variant(1.5));
    EXPECT_TRUE(Variant("x") >= Variant("x"));

    // A string that is not a number against a number raises, in both orders.
    EXPECT_THROW(VarCompareValue(Variant("abc"), Variant(1)), EVariantError);
    EXPECT_THROW(VarCompareValue(Variant(1), Variant("abc")), EVariantError);
    EXPECT_THROW((void)(Variant(1.5) < Variant("x")), EVariantError);
    EXPECT_THROW(VarCompareValue(VarArrayOf({1}), Variant(1)), EVariantError);
    EXPECT_THROW(VarCompareValue(Variant(std::nan("")), Variant(1.0)), EVariantError);
}

TEST_F(RtlVariants, Arithmetic) {
    EXPECT_EQ(VarType(Variant(2) + Variant(3)), varInteger);
    EXPECT_EQ((Variant(2) + Variant(3)).AsInteger(), 5);
    Variant big = Variant(std::numeric_limits<int32_t>::max()) + Variant(1);
    EXPECT_EQ(VarType(big), varInt64);
    EXPECT_EQ(big.AsInt64(), int64_t{1} << 31);
    Variant huge = Variant::FromInt64(std::numeric_limits<int64_t>::max()) * Variant(2);
    EXPECT_EQ(VarType(huge), varDouble);
    EXPECT_EQ((Variant("ab") + Variant("cd")).AsString(), "abcd");
    EXPECT_EQ((Variant("2") + Variant(3)).AsInteger(), 5);
    EXPECT_DOUBLE_EQ((Variant("2.5") * Variant(2)).AsDouble(), 5);
    EXPECT_DOUBLE_EQ((Variant(7) / Variant(2)).AsDouble(), 3.5);
    EXPECT_EQ(VarType(Variant::FromDate(10) + Variant(1)), varDate);
    EXPECT_EQ(VarType(Variant::FromDate(10) - Variant::FromDate(4)), varDouble);
    EXPECT_EQ((Variant(Currency::FromScaled(15000)) + Variant(1)).AsCurrency().Value, 25000);
    EXPECT_EQ((Variant(Currency::FromScaled(15000)) * Variant(3)).AsCurrency().Value, 45000);
    EXPECT_TRUE(VarIsNull(Variant::Null() + Variant(1)));
    EXPECT_EQ((-Variant(5)).AsInteger(), -5);
    EXPECT_THROW(Variant("abc") + Variant(1), EVariantError);
    EXPECT_THROW(Variant(1) / Variant(0), EDivByZero);
}

TEST_F(RtlVariants, ArraysKeepBoundsAndCopyByValue) {
    Variant a = VarArrayOf({1, "two", 3.0});
    EXPECT_EQ(VarArrayDimCount(a), 1);
    EXPECT_EQ(VarArrayLowBound(a, 1), 0);
    EXPECT_EQ(VarArrayHighBound(a, 1), 2);
    EXPECT_EQ(a[1].AsString(), "two");
    Variant copy = a;
    copy[0] = Variant(100);
    EXPECT_EQ(a[0].AsInteger(), 1);
    VarArrayRedim(a, 3);
    a[3] = Variant("four");
    EXPECT_EQ(a[2].AsDouble(), 3.0);
    EXPECT_EQ(VarArrayHighBound(a, 1), 3);
    EXPECT_THROW(a[4], EVariantError);
    EXPECT_THROW(VarArrayHighBound(a, 2), EVariantError);

    Variant grid = VarArrayCreate({{1, 2}, {0, 2}}, varInteger);
    EXPECT_EQ(VarArrayDimCount(grid), 2);
    grid.Array()->At({2, 1}) = Variant(21);
    VarArrayRedim(grid, 3);
    EXPECT_EQ(grid.Array()->At({2, 1}).AsInteger(), 21);
    EXPECT_EQ(grid.Array()->At({1, 3}).AsInteger(), 0);
    EXPECT_THROW(grid.Array()->At({0, 0}), EVariantError);
    EXPECT_THROW(VarArrayCreate({{0, -5}}, varVariant), EVariantError);
    EXPECT_THROW(Variant(1)[0], EVariantError);
}

TEST_F(RtlVariants, CurrencyAndBcdText) {
    EXPECT_EQ(CurrToStr(Currency::FromScaled(-1)), "-0.0001");
    EXPECT_EQ(CurrToStr(StrToCurr("1234.5")), "1234.5");
    EXPECT_EQ(StrToCurr("922337203685477.5807").Value, std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Currency::FromDouble(0.00005).Value, 0); // halves to even
    for (const char* bad : {"", "1.23456", "abc", "922337203685477.5808", "1..2"})
        EXPECT_THROW(StrToCurr(bad), EConvertError) << bad;

    struct Case {
        const char* text;
        const char* normal;
    } bcds[] = {{"0", "0"},
                {"-0.000", "0"},
                {"007.50", "7.5"},
                {"-.5", "-0.5"},
                {"123456789012345678901234567890", "123456789012345678901234567890"}};
    for (const Case& c : bcds)
        EXPECT_EQ(BcdToStr(StrToBcd(c.text)), c.normal);
    EXPECT_EQ(BcdCompare(StrToBcd("-2"), StrToBcd("-10")), 1);
    EXPECT_EQ(BcdCompare(StrToBcd("0.001"), DoubleToBcd(0.001)), 0);
    EXPECT_EQ(BcdToStr(DoubleToBcd(1.5e20)), "150000000000000000000");
    EXPECT_DOUBLE_EQ(BcdToDouble(StrToBcd("-12.25")), -12.25);
    try {
        StrToBcd("1e5");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1e5' is not a valid BCD value");
    }
    TSQLTimeStamp stamp{2024, 2, 29, 13, 5, 0, 250};
    EXPECT_DOUBLE_EQ(SQLTimeStampToDateTime(stamp), EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 0, 250));
    EXPECT_THROW(SQLTimeStampToDateTime(TSQLTimeStamp{2023, 2, 29, 0, 0, 0, 0}), EConvertError);
}
