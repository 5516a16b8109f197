// The value types whose cell holds a pointer (String, WideString, Variant, Object) and the two
// record types (FMTBcd, SQLTimeStamp).
#include "controls/data/ValueStream.h"
#include "controls/data/ValueTypes.h"
#include "controls/data/ValueTypesInternal.h"
#include "controls/data/Variants.h"
#include "platform/rtl/Components.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <string>

namespace zorvy {

namespace {

using namespace value_type_internal;

template <typename T> int ComparePointers(const T* a, const T* b, int (*compare)(const T&, const T&)) {
    if (!a) return b ? -1 : 0;
    if (!b) return 1;
    return compare(*a, *b);
}

template <typename S> int OrdinalCompare(const S& a, const S& b) {
    int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// The base of the types that keep their value on the heap behind the cell's pointer.
template <typename T> class TPointerValueType : public TcxValueType {
  public:
    int GetDataByteSize() const override { return sizeof(void*); }
    int CompareCells(const void* cell1, const void* cell2) const override {
        return CompareData(LoadPointer<T>(cell1), LoadPointer<T>(cell2));
    }
    void ReleaseData(void* cell) const override {
        delete LoadPointer<T>(cell);
        StorePointer<T>(cell, nullptr);
    }
    void PrepareCompareData(const void*& data) const override { data = LoadPointer<T>(data); }
    // `data` is the pointer itself: wrap it as a cell.
    void ValueFromRawData(const void* data, Variant& value) const override { DataToVariant(&data, value); }

  protected:
    T& Ensure(void* cell) const {
        T* held = LoadPointer<T>(cell);
        if (!held) {
            held = new T();
            StorePointer(cell, held);
        }
        return *held;
    }
};

class TcxStringValueType : public TPointerValueType<std::string> {
  public:
    const char* ClassName() const override { return "TcxStringValueType"; }
    TVarType GetVariantType() const override { return varString; }
    bool IsStringType() const override { return true; }
    int CompareData(const void* a, const void* b) const override {
        return ComparePointers(static_cast<const std::string*>(a), static_cast<const std::string*>(b),
                               OrdinalCompare<std::string>);
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        const std::string* text = LoadPointer<std::string>(cell);
        value = text ? Variant::FromBytes(*text) : Variant::Null();
    }
    void VariantToData(void* cell, const Variant& value) const override {
        SetStoredDisplayText(cell, value.AsString());
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        const std::string* text = LoadPointer<std::string>(cell);
        StreamWriteText(stream, text ? *text : std::string());
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant::FromBytes(StreamReadText(stream)));
    }
};

// Held as UTF-16, so the order is that of 16-bit characters.
class TcxWideStringValueType : public TcxStringValueType {
  public:
    const char* ClassName() const override { return "TcxWideStringValueType"; }
    TVarType GetVariantType() const override { return varOleStr; }
    int CompareCells(const void* cell1, const void* cell2) const override {
        return CompareData(LoadPointer<std::u16string>(cell1), LoadPointer<std::u16string>(cell2));
    }
    void ReleaseData(void* cell) const override {
        delete LoadPointer<std::u16string>(cell);
        StorePointer<std::u16string>(cell, nullptr);
    }
    void PrepareCompareData(const void*& data) const override { data = LoadPointer<std::u16string>(data); }
    int CompareData(const void* a, const void* b) const override {
        return ComparePointers(static_cast<const std::u16string*>(a), static_cast<const std::u16string*>(b),
                               OrdinalCompare<std::u16string>);
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        const std::u16string* text = LoadPointer<std::u16string>(cell);
        value = text ? Variant(Utf16ToUtf8(*text)) : Variant::Null();
    }
    void VariantToData(void* cell, const Variant& value) const override {
        std::u16string* text = LoadPointer<std::u16string>(cell);
        if (!text) {
            text = new std::u16string();
            StorePointer(cell, text);
        }
        *text = Utf8ToUtf16(value.AsString());
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        Variant value;
        DataToVariant(cell, value);
        StreamWriteWideText(stream, VarToStr(value));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant(StreamReadWideText(stream)));
    }
};

class TcxVariantValueType : public TPointerValueType<Variant> {
  public:
    const char* ClassName() const override { return "TcxVariantValueType"; }
    int CompareData(const void* a, const void* b) const override {
        return ComparePointers(static_cast<const Variant*>(a), static_cast<const Variant*>(b),
                               CompareVariants);
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        const Variant* held = LoadPointer<Variant>(cell);
        value = held ? *held : Variant::Null();
    }
    void VariantToData(void* cell, const Variant& value) const override { Ensure(cell) = value; }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        Variant value;
        DataToVariant(cell, value);
        StreamWriteVariant(stream, value);
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, StreamReadVariant(stream));
    }
};

// A reference to an object the cell owns; its number is the pointer, so the variant is 64-bit.
class TcxObjectValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxObjectValueType"; }
    int GetDataByteSize() const override { return sizeof(void*); }
    TVarType GetVariantType() const override { return varInt64; }
    int CompareData(const void* a, const void* b) const override {
        intptr_t x = Load<intptr_t>(a), y = Load<intptr_t>(b);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    void ReleaseData(void* cell) const override {
        delete LoadPointer<TObject>(cell);
        StorePointer<TObject>(cell, nullptr);
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant::FromInt64(Load<intptr_t>(cell));
    }
    void VariantToData(void* cell, const Variant& value) const override {
        Store<intptr_t>(cell, static_cast<intptr_t>(value.AsInt64()));
    }
};

// The BCD cell: digit count, sign bit and scale, then up to 64 digits two to a byte.
constexpr int BcdCellSize = 34;
constexpr int BcdMaxDigits = 64;

void BcdToCell(const TBcd& bcd, uint8_t* cell) {
    if (bcd.Digits.size() > BcdMaxDigits || bcd.Scale < 0 || bcd.Scale > BcdMaxDigits)
        throw EVariantError("BCD overflow");
    std::memset(cell, 0, BcdCellSize);
    cell[0] = static_cast<uint8_t>(bcd.Digits.size());
    cell[1] = static_cast<uint8_t>((bcd.Negative ? 0x80 : 0) | bcd.Scale);
    for (size_t i = 0; i < bcd.Digits.size(); ++i) {
        uint8_t digit = static_cast<uint8_t>(bcd.Digits[i] - '0');
        cell[2 + i / 2] |= i % 2 == 0 ? static_cast<uint8_t>(digit << 4) : digit;
    }
}

TBcd CellToBcd(const uint8_t* cell) {
    TBcd bcd;
    int count = std::min<int>(cell[0], BcdMaxDigits);
    bcd.Negative = (cell[1] & 0x80) != 0;
    bcd.Scale = cell[1] & 0x7F;
    bcd.Digits.clear();
    for (int i = 0; i < count; ++i) {
        uint8_t byte = cell[2 + i / 2];
        bcd.Digits.push_back(static_cast<char>('0' + (i % 2 == 0 ? byte >> 4 : byte & 0x0F)));
    }
    if (bcd.Digits.empty()) bcd.Digits.assign(1, '0');
    return bcd;
}

class TcxFMTBcdValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxFMTBcdValueType"; }
    int GetDataByteSize() const override { return BcdCellSize; }
    TVarType GetVariantType() const override { return varFMTBcd; }
    int CompareData(const void* a, const void* b) const override {
        return BcdCompare(CellToBcd(static_cast<const uint8_t*>(a)),
                          CellToBcd(static_cast<const uint8_t*>(b)));
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant(CellToBcd(static_cast<const uint8_t*>(cell)));
    }
    void VariantToData(void* cell, const Variant& value) const override {
        BcdToCell(value.AsBcd(), static_cast<uint8_t*>(cell));
    }
    void FormatDisplayText(const void* cell, std::string& text) const override {
        text = BcdToStr(CellToBcd(static_cast<const uint8_t*>(cell)));
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        Variant value;
        DataToVariant(cell, value);
        StreamWriteVariant(stream, value);
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, StreamReadVariant(stream));
    }
};

static_assert(sizeof(TSQLTimeStamp) == 16);

class TcxSQLTimeStampValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxSQLTimeStampValueType"; }
    int GetDataByteSize() const override { return sizeof(TSQLTimeStamp); }
    TVarType GetVariantType() const override { return varSQLTimeStamp; }
    int CompareData(const void* a, const void* b) const override {
        TSQLTimeStamp x = Load<TSQLTimeStamp>(a), y = Load<TSQLTimeStamp>(b);
        const int64_t fx[] = {x.Year, x.Month, x.Day, x.Hour, x.Minute, x.Second, x.Fractions};
        const int64_t fy[] = {y.Year, y.Month, y.Day, y.Hour, y.Minute, y.Second, y.Fractions};
        for (int i = 0; i < 7; ++i)
            if (fx[i] != fy[i]) return fx[i] < fy[i] ? -1 : 1;
        return 0;
    }
    // A date variant, not a time-stamp one.
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant::FromDate(SQLTimeStampToDateTime(Load<TSQLTimeStamp>(cell)));
    }
    void VariantToData(void* cell, const Variant& value) const override {
        Store(cell, value.AsSQLTimeStamp());
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        Variant value;
        DataToVariant(cell, value);
        StreamWriteVariant(stream, value);
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, StreamReadVariant(stream));
    }
};

const TcxStringValueType stringType;
const TcxWideStringValueType wideStringType;
const TcxVariantValueType variantType;
const TcxObjectValueType objectType;
const TcxFMTBcdValueType bcdType;
const TcxSQLTimeStampValueType stampType;

} // namespace

const TcxValueType& cxStringValueType = stringType;
const TcxValueType& cxWideStringValueType = wideStringType;
const TcxValueType& cxFMTBcdValueType = bcdType;
const TcxValueType& cxSQLTimeStampValueType = stampType;
const TcxValueType& cxVariantValueType = variantType;
const TcxValueType& cxObjectValueType = objectType;

} // namespace zorvy
