#include "controls/data/ValueTypes.h"

#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace zorvy;

namespace {

// A cell of any type, released when the test is done with it.
class Cell {
  public:
    explicit Cell(const TcxValueType& type)
        : type_(type), bytes_(static_cast<size_t>(type.GetDataByteSize())) {}
    ~Cell() { type_.ReleaseData(bytes_.data()); }
    void* Data() { return bytes_.data(); }
    void Set(const Variant& value) { type_.VariantToData(Data(), value); }
    Variant Get() {
        Variant value;
        type_.DataToVariant(Data(), value);
        return value;
    }

  private:
    const TcxValueType& type_;
    std::vector<uint8_t> bytes_;
};

class Probe : public TObject {
  public:
    explicit Probe(bool& destroyed) : destroyed_(destroyed) {}
    ~Probe() override { destroyed_ = true; }

  private:
    bool& destroyed_;
};

class DataValueTypes : public ::testing::Test {
  protected:
    DataValueTypes() { InitializeValueTypes(); }
    ~DataValueTypes() override { FinalizeValueTypes(); }
};

} // namespace

TEST_F(DataValueTypes, RegistryListsTheCaptionsInOrder) {
    const char* captions[] = {"String",       "WideString", "Smallint", "Integer",  "Word",
                              "Boolean",      "Float",      "Currency", "DateTime", "LargeInt",
                              "SQLTimeStamp", "Variant",    "Object"};
    TcxValueTypeClassList& list = GetValueTypeClassList();
    ASSERT_EQ(list.GetCount(), 14);
    EXPECT_EQ(list.GetItem(10)->GetCaption(), "FMTBcd");
    int i = 0;
    for (const char* caption : captions) {
        if (i == 10) ++i;
        EXPECT_EQ(list.GetItem(i++)->GetCaption(), caption);
    }
    EXPECT_EQ(list.FindByCaption("String"), &cxStringValueType);
    EXPECT_EQ(list.FindByCaption("string"), nullptr);
    EXPECT_TRUE(IsDateTimeValueTypeClass(&cxDateTimeValueType));
    EXPECT_TRUE(IsDateTimeValueTypeClass(&cxSQLTimeStampValueType));
    EXPECT_FALSE(IsDateTimeValueTypeClass(&cxFloatValueType));
    EXPECT_TRUE(cxWideStringValueType.IsStringType());
    EXPECT_FALSE(cxVariantValueType.IsStringType());
}

// Every type keeps its value through a cell and through its stream form, which has the width
// the type promises.
TEST_F(DataValueTypes, ValuesRoundTripThroughCellsAndStreams) {
    struct Case {
        const TcxValueType& type;
        Variant value;
        int64_t streamBytes;
        TVarType readAs;
    } cases[] = {
        {cxStringValueType, Variant::FromBytes(std::string("a\0b", 3)), 4 + 3, varString},
        {cxWideStringValueType, Variant("汉字𝄞"), 4 + 2 * 4, varOleStr},
        {cxSmallintValueType, Variant(int16_t{-32768}), 2, varSmallint},
        {cxIntegerValueType, Variant(std::numeric_limits<int32_t>::min()), 4, varInteger},
        {cxWordValueType, Variant(uint16_t{65535}), 2, varWord},
        {cxBooleanValueType, Variant(true), 1, varBoolean},
        {cxFloatValueType, Variant(1.0 / 3), 10, varDouble},
        {cxCurrencyValueType, Variant(Currency::FromScaled(922337203685477580)), 8, varCurrency},
        {cxDateTimeValueType, Variant::FromDate(45000.5), 8, varDate},
        {cxLargeIntValueType, Variant::FromInt64(std::numeric_limits<int64_t>::max()), 8, varInt64},
        {cxFMTBcdValueType, Variant(StrToBcd("-123456789012345678901234567890.125")), 2 + 35, varFMTBcd},
        {cxSQLTimeStampValueType, Variant::FromDate(EncodeDate(2026, 12, 10) + EncodeTime(16, 30, 0, 0)), 9,
         varDate},
        {cxVariantValueType, VarArrayOf({1, "x"}), 1 + 2 + 2 + 7, varArray | varVariant},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type.GetCaption());
        Cell cell(c.type);
        cell.Set(c.value);
        Variant back = cell.Get();
        EXPECT_EQ(back.VarType(), c.readAs);
        EXPECT_EQ(CompareVariants(back, c.value), 0);

        TStringStream stream;
        c.type.WriteDataToStream(cell.Data(), stream);
        EXPECT_EQ(stream.GetSize(), c.streamBytes);
        stream.SetPosition(0);
        Cell loaded(c.type);
        c.type.ReadDataFromStream(loaded.Data(), stream);
        EXPECT_EQ(stream.GetPosition(), c.streamBytes);
        EXPECT_EQ(c.type.CompareCells(cell.Data(), loaded.Data()), 0);
    }
    Cell real(cxFloatValueType);
    real.Set(0.1);
    TStringStream stream;
    cxFloatValueType.WriteDataToStream(real.Data(), stream);
    stream.SetPosition(0);
    Cell back(cxFloatValueType);
    cxFloatValueType.ReadDataFromStream(back.Data(), stream);
    EXPECT_EQ(back.Get().RawDouble(), 0.1);
}

TEST_F(DataValueTypes, CellsCompareInValueOrder) {
    Cell nil1(cxStringValueType), nil2(cxStringValueType), empty(cxStringValueType), b(cxStringValueType);
    empty.Set(Variant::FromBytes(""));
    b.Set(Variant::FromBytes("b"));
    EXPECT_EQ(cxStringValueType.CompareCells(nil1.Data(), nil2.Data()), 0);
    EXPECT_LT(cxStringValueType.CompareCells(nil1.Data(), empty.Data()), 0);
    EXPECT_LT(cxStringValueType.CompareCells(empty.Data(), b.Data()), 0);
    EXPECT_TRUE(nil1.Get().IsNull());

    Cell low(cxIntegerValueType), high(cxIntegerValueType);
    low.Set(std::numeric_limits<int32_t>::min());
    high.Set(std::numeric_limits<int32_t>::max());
    EXPECT_LT(cxIntegerValueType.CompareCells(low.Data(), high.Data()), 0);
    EXPECT_GT(cxIntegerValueType.CompareCells(high.Data(), low.Data()), 0);

    // NaN has one place below every number, so sorting floats keeps a strict weak order.
    Cell nan(cxFloatValueType), nan2(cxFloatValueType), one(cxFloatValueType);
    nan.Set(std::nan(""));
    nan2.Set(std::nan(""));
    one.Set(-1e308);
    EXPECT_EQ(cxFloatValueType.CompareCells(nan.Data(), nan2.Data()), 0);
    EXPECT_LT(cxFloatValueType.CompareCells(nan.Data(), one.Data()), 0);
    EXPECT_GT(cxFloatValueType.CompareCells(one.Data(), nan.Data()), 0);

    Cell big1(cxCurrencyValueType), big2(cxCurrencyValueType);
    big1.Set(Currency::FromScaled((int64_t{1} << 53) + 1));
    big2.Set(Currency::FromScaled(int64_t{1} << 53));
    EXPECT_GT(cxCurrencyValueType.CompareCells(big1.Data(), big2.Data()), 0);

    // Compare data reach the value behind a pointer cell and back.
    const void* data = b.Data();
    cxStringValueType.PrepareCompareData(data);
    Variant value;
    cxStringValueType.ValueFromRawData(data, value);
    EXPECT_EQ(value.RawString(), "b");
}

TEST_F(DataValueTypes, NarrowTypesRejectValuesOutOfRange) {
    Cell small(cxSmallintValueType), word(cxWordValueType);
    small.Set(-5);
    EXPECT_THROW(small.Set(40000), EVariantError);
    EXPECT_EQ(small.Get().AsInteger(), -5) << "a rejected value leaves the old one";
    EXPECT_THROW(word.Set(-1), EVariantError);
    EXPECT_THROW(word.Set(65536), EVariantError);
    word.Set(65535);
    EXPECT_EQ(word.Get().AsInteger(), 65535);
}

TEST_F(DataValueTypes, ConversionAndDisplayText) {
    Variant text("abc"), null = Variant::Null(), number("12");
    EXPECT_FALSE(cxIntegerValueType.ConvertValue(text));
    EXPECT_TRUE(cxIntegerValueType.ConvertValue(null));
    EXPECT_TRUE(null.IsNull());
    EXPECT_TRUE(cxIntegerValueType.ConvertValue(number));
    EXPECT_EQ(number.VarType(), varInteger);
    EXPECT_TRUE(cxVariantValueType.ConvertValue(text));
    EXPECT_EQ(text.VarType(), varOleStr);

    Cell flag(cxBooleanValueType);
    flag.Set(false);
    std::string shown;
    cxBooleanValueType.FormatDisplayText(flag.Data(), shown);
    EXPECT_EQ(shown, "False");
    Cell amount(cxFMTBcdValueType);
    amount.Set(StrToBcd("0.50"));
    cxFMTBcdValueType.FormatDisplayText(amount.Data(), shown);
    EXPECT_EQ(shown, "0.5");
}

TEST_F(DataValueTypes, ObjectCellsOwnTheirObjectAndStreamNothing) {
    bool destroyed = false;
    {
        Cell cell(cxObjectValueType);
        cell.Set(Variant::FromInt64(reinterpret_cast<intptr_t>(new Probe(destroyed))));
        TStringStream stream;
        cxObjectValueType.WriteDataToStream(cell.Data(), stream);
        EXPECT_EQ(stream.GetSize(), 0);
        cxObjectValueType.ReadDataFromStream(cell.Data(), stream);
        EXPECT_EQ(stream.GetPosition(), 0);
        EXPECT_FALSE(destroyed);
    }
    EXPECT_TRUE(destroyed);
}
