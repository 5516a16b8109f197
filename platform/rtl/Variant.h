#pragma once
// Variant: the runtime's tagged value. Kinds and their codes:
//   varEmpty 0, varNull 1, varSmallint 2 (int16), varInteger 3 (int32), varSingle 4, varDouble 5,
//   varCurrency 6, varDate 7, varOleStr 8 (text, UTF-8 here), varBoolean 11, varVariant 12 (array
//   elements), varShortInt 16, varByte 17, varWord 18, varLongWord 19, varInt64 20, varUInt64 21,
//   varString 256 (byte string, also carries blob bytes), varFMTBcd, varSQLTimeStamp, and arrays
//   (varArray | element type) with one or more dimensions, each with its own bounds.
//
// Conversions follow the runtime: Null converts to text as "" through VarToStr only; a string
// converts to a number when it reads as one; Boolean true is -1 as a number and "True" as text.
// Comparisons and arithmetic convert between kinds the same way; a string that is not a number
// against a number raises EVariantError "Could not convert variant of type (OleStr) into type
// (Double)". Null equals Null and sorts below every other value; arithmetic with Null gives Null.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/Bcd.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"

namespace zorvy {

using TVarType = uint16_t;

inline constexpr TVarType varEmpty = 0x0000;
inline constexpr TVarType varNull = 0x0001;
inline constexpr TVarType varSmallint = 0x0002;
inline constexpr TVarType varInteger = 0x0003;
inline constexpr TVarType varSingle = 0x0004;
inline constexpr TVarType varDouble = 0x0005;
inline constexpr TVarType varCurrency = 0x0006;
inline constexpr TVarType varDate = 0x0007;
inline constexpr TVarType varOleStr = 0x0008;
inline constexpr TVarType varBoolean = 0x000B;
inline constexpr TVarType varVariant = 0x000C;
inline constexpr TVarType varShortInt = 0x0010;
inline constexpr TVarType varByte = 0x0011;
inline constexpr TVarType varWord = 0x0012;
inline constexpr TVarType varLongWord = 0x0013;
inline constexpr TVarType varInt64 = 0x0014;
inline constexpr TVarType varUInt64 = 0x0015;
inline constexpr TVarType varString = 0x0100;
inline constexpr TVarType varFMTBcd = 0x0110;
inline constexpr TVarType varSQLTimeStamp = 0x0111;
inline constexpr TVarType varTypeMask = 0x0FFF;
inline constexpr TVarType varArray = 0x2000;

struct TVarArrayBound {
    int LowBound = 0;
    int HighBound = -1;
};

class TVarArray;

class Variant {
  public:
    Variant() = default; // Empty
    Variant(bool value);
    Variant(int8_t value);
    Variant(int16_t value);
    Variant(int32_t value);
    Variant(long value);
    Variant(long long value);
    Variant(uint8_t value);
    Variant(uint16_t value);
    Variant(uint32_t value);
    Variant(unsigned long value);
    Variant(unsigned long long value);
    Variant(float value);
    Variant(double value);
    Variant(Currency value);
    Variant(const char* text);
    Variant(std::string text); // varOleStr
    Variant(const TBcd& value);
    Variant(const TSQLTimeStamp& value);

    static Variant Null();
    static Variant FromDate(TDateTime value);
    static Variant FromBytes(std::string bytes); // varString
    static Variant FromInt64(int64_t value);

    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    TVarType VarType() const { return type_; }
    bool IsEmpty() const { return type_ == varEmpty; }
    bool IsNull() const { return type_ == varNull; }
    bool IsArray() const { return (type_ & varArray) != 0; }
    bool IsString() const { return type_ == varOleStr || type_ == varString; }
    bool IsNumeric() const; // integers, floats, currency, BCD, Boolean

    // Conversions; EVariantError when the value has no such reading.
    std::string AsString() const; // Null raises; see VarToStr for the lenient form
    bool AsBoolean() const;
    int32_t AsInteger() const;
    int64_t AsInt64() const;
    uint64_t AsUInt64() const;
    double AsDouble() const;
    Currency AsCurrency() const;
    TDateTime AsDateTime() const;
    TBcd AsBcd() const;
    TSQLTimeStamp AsSQLTimeStamp() const;

    // Arrays.
    TVarArray* Array() const { return array_.get(); }
    const Variant& operator[](int index) const; // one-dimensional arrays; EVariantError out of bounds
    Variant& operator[](int index);

    // The raw payloads, valid for the matching kinds.
    int64_t RawInt() const { return int_; }
    uint64_t RawUInt() const { return uint_; }
    double RawDouble() const { return double_; }
    const std::string& RawString() const { return text_; }

  private:
    friend class TVarArray;
    friend Variant VarArrayCreate(const std::vector<TVarArrayBound>&, TVarType);
    static Variant OfType(TVarType type);

    const TBcd& Bcd() const { return *static_cast<const TBcd*>(extra_.get()); }
    const TSQLTimeStamp& Stamp() const { return *static_cast<const TSQLTimeStamp*>(extra_.get()); }

    TVarType type_ = varEmpty;
    union {
        int64_t int_ = 0; // signed integers, Boolean (0/1), Currency (scaled)
        uint64_t uint_;   // varUInt64
        double double_;   // Single, Double, Date
    };
    std::string text_;                   // strings
    std::shared_ptr<const void> extra_;  // the BCD value or the time stamp, shared between copies
    std::unique_ptr<TVarArray> array_;
};

class TVarArray {
  public:
    TVarArray(std::vector<TVarArrayBound> bounds, TVarType elementType);
    TVarType ElementType() const { return elementType_; }
    int DimCount() const { return static_cast<int>(bounds_.size()); }
    const std::vector<TVarArrayBound>& Bounds() const { return bounds_; }
    // Elements by one index per dimension; EVariantError "Variant array index out of bounds".
    Variant& At(const std::vector<int>& indices);
    const Variant& At(const std::vector<int>& indices) const;
    // Changes the high bound of the last dimension, keeping the elements that remain.
    void Redim(int highBound);
    const std::vector<Variant>& Items() const { return items_; }

  private:
    size_t Offset(const std::vector<int>& indices) const;
    std::vector<TVarArrayBound> bounds_;
    TVarType elementType_;
    std::vector<Variant> items_;
};

inline Variant Null() {
    return Variant::Null();
}
inline Variant Unassigned() {
    return Variant();
}
inline Variant VarFromDateTime(TDateTime value) {
    return Variant::FromDate(value);
}

// ---- kinds ----
TVarType VarType(const Variant& v);
bool VarIsNull(const Variant& v);
bool VarIsEmpty(const Variant& v);
bool VarIsStr(const Variant& v);
bool VarIsNumeric(const Variant& v);
bool VarIsArray(const Variant& v);
bool VarTypeHoldsDate(TVarType type);
bool VarHoldsDate(const Variant& v); // varDate or a SQL time stamp
bool VarHoldsNumber(const Variant& v);
std::string VarTypeAsText(TVarType type); // "Integer", "OleStr", ...

// ---- conversions ----
Variant VarAsType(const Variant& v, TVarType type);
std::string VarToStr(const Variant& v); // Null and Empty give ""
std::string VarToStrDef(const Variant& v, const std::string& defaultValue);
TDateTime VarToDateTime(const Variant& v);

// ---- arrays ----
Variant VarArrayCreate(const std::vector<TVarArrayBound>& bounds, TVarType elementType);
Variant VarArrayOf(std::initializer_list<Variant> values); // bounds 0..n-1, element type varVariant
int VarArrayDimCount(const Variant& v);
int VarArrayLowBound(const Variant& v, int dim); // dim counts from 1
int VarArrayHighBound(const Variant& v, int dim);
void VarArrayRedim(Variant& v, int highBound);

// ---- comparison and arithmetic ----
// -1, 0, 1; Null equals Null and is below everything; EVariantError for kinds that do not compare.
int VarCompareValue(const Variant& a, const Variant& b);
bool operator==(const Variant& a, const Variant& b); // false for Null against a value
bool operator!=(const Variant& a, const Variant& b);
bool operator<(const Variant& a, const Variant& b);
bool operator<=(const Variant& a, const Variant& b);
bool operator>(const Variant& a, const Variant& b);
bool operator>=(const Variant& a, const Variant& b);
Variant operator+(const Variant& a, const Variant& b); // two strings concatenate
Variant operator-(const Variant& a, const Variant& b);
Variant operator*(const Variant& a, const Variant& b);
Variant operator/(const Variant& a, const Variant& b); // EDivByZero "Division by zero"
Variant operator-(const Variant& a);

} // namespace zorvy
