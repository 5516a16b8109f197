#include "controls/data/ValueStream.h"

#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace zorvy;

namespace {

std::string Written(const Variant& value) {
    TStringStream stream;
    StreamWriteVariant(stream, value);
    return stream.DataString();
}

Variant ReadBack(const std::string& bytes) {
    TStringStream stream(bytes);
    Variant value = StreamReadVariant(stream);
    EXPECT_EQ(stream.GetPosition(), stream.GetSize()) << "the read takes exactly the bytes written";
    return value;
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s.push_back(static_cast<char>(b));
    return s;
}

} // namespace

TEST(DataValueStream, IntegersTakeTheSmallestCode) {
    struct Case {
        int64_t value;
        std::string bytes;
        TVarType readAs;
    } cases[] = {
        {-128, Bytes({2, 0x80}), varShortInt},
        {127, Bytes({2, 0x7F}), varShortInt},
        {-129, Bytes({3, 0x7F, 0xFF}), varSmallint},
        {32767, Bytes({3, 0xFF, 0x7F}), varSmallint},
        {32768, Bytes({4, 0x00, 0x80, 0, 0}), varInteger},
        {int64_t{1} << 31, Bytes({19, 0, 0, 0, 0x80, 0, 0, 0, 0}), varInt64},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Written(Variant::FromInt64(c.value)), c.bytes) << c.value;
        Variant back = ReadBack(c.bytes);
        EXPECT_EQ(back.VarType(), c.readAs) << c.value;
        EXPECT_EQ(back.AsInt64(), c.value);
    }
    // A byte of 200 goes out as a 16-bit value and comes back as one.
    EXPECT_EQ(Written(Variant(uint8_t{200})), Bytes({3, 200, 0}));
    EXPECT_EQ(Written(Variant(uint32_t{3000000000u}))[0], 19);
}

TEST(DataValueStream, ShortAndLongStrings) {
    std::string s255(255, 'x'), s256(256, 'y');
    std::string w255 = Written(Variant::FromBytes(s255));
    EXPECT_EQ(w255.size(), 2u + 255);
    EXPECT_EQ(w255.substr(0, 2), Bytes({6, 255}));
    std::string w256 = Written(Variant::FromBytes(s256));
    EXPECT_EQ(w256.size(), 5u + 256);
    EXPECT_EQ(w256.substr(0, 5), Bytes({12, 0, 1, 0, 0}));
    EXPECT_EQ(ReadBack(w255).RawString(), s255);
    EXPECT_EQ(ReadBack(w256).RawString(), s256);
    EXPECT_EQ(ReadBack(w256).VarType(), varString);
}

TEST(DataValueStream, EveryKindRoundTrips) {
    const double third = 1.0 / 3;
    struct Case {
        Variant value;
        uint8_t code;
        size_t size;
    } cases[] = {
        {Variant::Null(), 0, 1},
        {Variant(), 13, 1},
        {Variant(third), 5, 11},
        {Variant(1.5f), 15, 5},
        {Variant(Currency::FromScaled(-123456789012345)), 16, 9},
        {Variant::FromDate(45000.75), 17, 9},
        {Variant("汉字 text"), 18, 5 + 2 * 7},
        {Variant(true), 9, 1},
        {Variant(false), 8, 1},
        {VarArrayOf({1, "a", Variant::Null()}), 1, 1 + 2 + 2 + (1 + 4 + 2) + 1},
    };
    for (const Case& c : cases) {
        std::string bytes = Written(c.value);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(static_cast<uint8_t>(bytes[0]), c.code) << int(c.code);
        EXPECT_EQ(bytes.size(), c.size) << int(c.code);
        Variant back = ReadBack(bytes);
        EXPECT_EQ(back.VarType(), c.value.VarType()) << int(c.code);
        EXPECT_EQ(CompareVariants(back, c.value), 0) << int(c.code);
    }
    EXPECT_EQ(ReadBack(Written(Variant(third))).RawDouble(), third);
    EXPECT_EQ(VarToStr(ReadBack(Written(Variant("汉字 text")))), "汉字 text");
    // A time stamp is written as a date; other kinds as their text.
    EXPECT_EQ(ReadBack(Written(Variant(DateTimeToSQLTimeStamp(45000.5)))).VarType(), varDate);
    EXPECT_EQ(ReadBack(Written(Variant(StrToBcd("12.5")))).VarType(), varString);
}

TEST(DataValueStream, EmptyAndTwoDimensionalArrays) {
    Variant empty = VarArrayCreate({{0, -1}}, varVariant);
    EXPECT_EQ(Written(empty), Bytes({1, 2, 0}));
    Variant back = ReadBack(Bytes({1, 2, 0}));
    EXPECT_TRUE(back.IsArray());
    EXPECT_EQ(VarArrayHighBound(back, 1), -1);
    TStringStream stream;
    EXPECT_THROW(StreamWriteVariant(stream, VarArrayCreate({{0, 1}, {0, 1}}, varVariant)), EWriteError);
}

TEST(DataValueStream, CorruptInputRaisesBeforeAllocating) {
    const std::string cases[] = {
        Bytes({7}),                                  // a code outside the table
        Bytes({20}),                                 // above the last code
        Bytes({12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}),    // a length far beyond the stream
        Bytes({12, 0xFF, 0xFF, 0xFF, 0xFF}),         // a negative length
        Bytes({18, 0x00, 0x00, 0x00, 0x40, 'a', 0}), // a wide count beyond the stream
        Bytes({6, 5, 'a', 'b'}),                     // a short string cut short
        Bytes({1, 4, 0xFF, 0xFF, 0xFF, 0x7F}),       // two billion elements announced
        Bytes({1, 2, 0xFF}),                         // a negative element count
        Bytes({1, 6, 1, 'x'}),                       // a count that is not an integer
        Bytes({16, 1, 2, 3}),                        // a currency cut short
        Bytes({}),                                   // nothing at all
    };
    for (const std::string& bytes : cases) {
        TStringStream stream(bytes);
        EXPECT_THROW(StreamReadVariant(stream), EReadError) << testing::PrintToString(bytes);
    }
    // Nesting deeper than the bound raises instead of exhausting the stack.
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += Bytes({1, 2, 1});
    TStringStream stream(deep);
    EXPECT_THROW(StreamReadVariant(stream), EReadError);
    // Nesting within it reads.
    std::string nested;
    for (int i = 0; i < MaxVariantStreamDepth - 1; ++i)
        nested += Bytes({1, 2, 1});
    nested += Bytes({0});
    EXPECT_TRUE(ReadBack(nested).IsArray());
}

TEST(DataValueStream, Primitives) {
    TStringStream stream;
    StreamWriteBoolean(stream, true);
    StreamWriteInt16(stream, -2);
    StreamWriteWord(stream, 65535);
    StreamWriteInt32(stream, -5);
    StreamWriteInt64(stream, std::numeric_limits<int64_t>::min());
    StreamWriteCurrency(stream, Currency::FromScaled(12345));
    StreamWriteDateTime(stream, 45000.25);
    StreamWriteExtended(stream, 0.1);
    StreamWriteText(stream, "");
    StreamWriteText(stream, "abc");
    StreamWriteWideText(stream, "é");
    EXPECT_EQ(stream.GetSize(), 1 + 2 + 2 + 4 + 8 + 8 + 8 + 10 + 4 + 7 + 6);
    stream.SetPosition(0);
    EXPECT_TRUE(StreamReadBoolean(stream));
    EXPECT_EQ(StreamReadInt16(stream), -2);
    EXPECT_EQ(StreamReadWord(stream), 65535);
    EXPECT_EQ(StreamReadInt32(stream), -5);
    EXPECT_EQ(StreamReadInt64(stream), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(StreamReadCurrency(stream).Value, 12345);
    EXPECT_EQ(StreamReadDateTime(stream), 45000.25);
    EXPECT_EQ(StreamReadExtended(stream), 0.1);
    EXPECT_EQ(StreamReadText(stream), "");
    TcxReader reader(stream);
    std::string text;
    reader.ReadText(text);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(StreamReadWideText(stream), "é");
    EXPECT_THROW(StreamReadByte(stream), EReadError);
}
