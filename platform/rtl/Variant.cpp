#include "platform/rtl/Variant.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <cmath>
#include <limits>

namespace zorvy {

namespace {

bool IsSignedIntType(TVarType t) {
    return t == varSmallint || t == varInteger || t == varShortInt || t == varByte || t == varWord ||
           t == varLongWord || t == varInt64;
}

[[noreturn]] void CannotConvert(TVarType from, TVarType to) {
    throw EVariantError("Could not convert variant of type (" + VarTypeAsText(from) + ") into type (" +
                        VarTypeAsText(to) + ")");
}

[[noreturn]] void Overflow(TVarType from, TVarType to) {
    throw EVariantError("Overflow while converting variant of type (" + VarTypeAsText(from) +
                        ") into type (" + VarTypeAsText(to) + ")");
}

// The numeric reading of a string: an integer when it reads as one, else a float.
bool StringToNumber(const std::string& text, bool& isInteger, int64_t& integer, double& real) {
    if (TryStrToInt64(Trim(text), integer)) {
        isInteger = true;
        real = static_cast<double>(integer);
        return true;
    }
    isInteger = false;
    return TextToFloat(text, real);
}

} // namespace

// ---- construction ----

Variant Variant::OfType(TVarType type) {
    Variant v;
    v.type_ = type;
    return v;
}

Variant::Variant(bool value) : type_(varBoolean), int_(value ? 1 : 0) {}
Variant::Variant(int8_t value) : type_(varShortInt), int_(value) {}
Variant::Variant(int16_t value) : type_(varSmallint), int_(value) {}
Variant::Variant(int32_t value) : type_(varInteger), int_(value) {}
Variant::Variant(long value) : type_(varInt64), int_(value) {}
Variant::Variant(long long value) : type_(varInt64), int_(value) {}
Variant::Variant(uint8_t value) : type_(varByte), int_(value) {}
Variant::Variant(uint16_t value) : type_(varWord), int_(value) {}
Variant::Variant(uint32_t value) : type_(varLongWord), int_(value) {}
Variant::Variant(unsigned long value) : type_(varUInt64), uint_(value) {}
Variant::Variant(unsigned long long value) : type_(varUInt64), uint_(value) {}
Variant::Variant(float value) : type_(varSingle), double_(value) {}
Variant::Variant(double value) : type_(varDouble), double_(value) {}
Variant::Variant(Currency value) : type_(varCurrency), int_(value.Value) {}
Variant::Variant(const char* text) : type_(varOleStr), text_(text ? text : "") {}
Variant::Variant(std::string text) : type_(varOleStr), text_(std::move(text)) {}
Variant::Variant(const TBcd& value) : type_(varFMTBcd), extra_(std::make_shared<const TBcd>(value)) {}
Variant::Variant(const TSQLTimeStamp& value)
    : type_(varSQLTimeStamp), extra_(std::make_shared<const TSQLTimeStamp>(value)) {}

Variant Variant::Null() {
    return OfType(varNull);
}

Variant Variant::FromDate(TDateTime value) {
    Variant v = OfType(varDate);
    v.double_ = value;
    return v;
}

Variant Variant::FromBytes(std::string bytes) {
    Variant v = OfType(varString);
    v.text_ = std::move(bytes);
    return v;
}

Variant Variant::FromInt64(int64_t value) {
    Variant v = OfType(varInt64);
    v.int_ = value;
    return v;
}

Variant::Variant(const Variant& other)
    : type_(other.type_), uint_(other.uint_), text_(other.text_), extra_(other.extra_),
      array_(other.array_ ? std::make_unique<TVarArray>(*other.array_) : nullptr) {}

Variant::Variant(Variant&& other) noexcept = default;
Variant& Variant::operator=(Variant&& other) noexcept = default;
Variant::~Variant() = default;

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

bool Variant::IsNumeric() const {
    return IsSignedIntType(type_) || type_ == varUInt64 || type_ == varSingle || type_ == varDouble ||
           type_ == varCurrency || type_ == varFMTBcd || type_ == varBoolean;
}

// ---- conversions ----

std::string Variant::AsString() const {
    switch (type_) {
    case varEmpty:
        return "";
    case varBoolean:
        return int_ ? "True" : "False";
    case varSingle:
        return FloatToStrF(double_, TFloatFormat::ffGeneral, 7, 0);
    case varDouble:
        return FloatToStr(double_);
    case varCurrency:
        return CurrToStr(Currency{int_});
    case varDate:
        return DateTimeToStr(double_);
    case varOleStr:
    case varString:
        return text_;
    case varUInt64:
        return std::to_string(uint_);
    case varFMTBcd:
        return BcdToStr(Bcd());
    case varSQLTimeStamp:
        return SQLTimeStampToStr(Stamp());
    default:
        if (IsSignedIntType(type_)) return std::to_string(int_);
        CannotConvert(type_, varOleStr);
    }
}

bool Variant::AsBoolean() const {
    switch (type_) {
    case varEmpty:
        return false;
    case varBoolean:
        return int_ != 0;
    case varOleStr:
    case varString: {
        if (SameText(Trim(text_), "True")) return true;
        if (SameText(Trim(text_), "False")) return false;
        bool isInteger;
        int64_t integer;
        double real;
        if (StringToNumber(text_, isInteger, integer, real)) return real != 0;
        CannotConvert(type_, varBoolean);
    }
    default:
        if (IsNumeric() || type_ == varDate) return AsDouble() != 0;
        CannotConvert(type_, varBoolean);
    }
}

int64_t Variant::AsInt64() const {
    switch (type_) {
    case varEmpty:
        return 0;
    case varBoolean:
        return int_ ? -1 : 0;
    case varUInt64:
        if (uint_ > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) Overflow(type_, varInt64);
        return static_cast<int64_t>(uint_);
    case varCurrency:
        return Round(static_cast<double>(int_) / 10000.0);
    case varOleStr:
    case varString: {
        bool isInteger;
        int64_t integer;
        double real;
        if (!StringToNumber(text_, isInteger, integer, real)) CannotConvert(type_, varInt64);
        if (isInteger) return integer;
        if (!(std::fabs(real) < 9.2e18)) Overflow(type_, varInt64);
        return Round(real);
    }
    default: {
        if (IsSignedIntType(type_)) return int_;
        if (type_ == varSingle || type_ == varDouble || type_ == varDate || type_ == varFMTBcd ||
            type_ == varSQLTimeStamp) {
            double real = AsDouble();
            if (!(std::fabs(real) < 9.2e18)) Overflow(type_, varInt64);
            return Round(real);
        }
        CannotConvert(type_, varInt64);
    }
    }
}

int32_t Variant::AsInteger() const {
    int64_t value = AsInt64();
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        Overflow(type_, varInteger);
    return static_cast<int32_t>(value);
}

uint64_t Variant::AsUInt64() const {
    if (type_ == varUInt64) return uint_;
    int64_t value = AsInt64();
    if (value < 0) Overflow(type_, varUInt64);
    return static_cast<uint64_t>(value);
}

double Variant::AsDouble() const {
    switch (type_) {
    case varEmpty:
        return 0;
    case varBoolean:
        return int_ ? -1 : 0;
    case varSingle:
    case varDouble:
    case varDate:
        return double_;
    case varCurrency:
        return static_cast<double>(int_) / 10000.0;
    case varUInt64:
        return static_cast<double>(uint_);
    case varFMTBcd:
        return BcdToDouble(Bcd());
    case varSQLTimeStamp:
        return SQLTimeStampToDateTime(Stamp());
    case varOleStr:
    case varString: {
        bool isInteger;
        int64_t integer;
        double real;
        if (!StringToNumber(text_, isInteger, integer, real)) CannotConvert(type_, varDouble);
        return real;
    }
    default:
        if (IsSignedIntType(type_)) return static_cast<double>(int_);
        CannotConvert(type_, varDouble);
    }
}

Currency Variant::AsCurrency() const {
    if (type_ == varCurrency) return Currency{int_};
    if (type_ == varOleStr || type_ == varString) {
        Currency value;
        if (TryStrToCurr(text_, value)) return value;
    }
    if (IsSignedIntType(type_)) {
        try {
            return Currency::FromInt(int_);
        } catch (const EConvertError&) {
            Overflow(type_, varCurrency);
        }
    }
    double real = AsDouble();
    try {
        return Currency::FromDouble(real);
    } catch (const EConvertError&) {
        Overflow(type_, varCurrency);
    }
}

TDateTime Variant::AsDateTime() const {
    switch (type_) {
    case varDate:
        return double_;
    case varSQLTimeStamp:
        return SQLTimeStampToDateTime(Stamp());
    case varOleStr:
    case varString: {
        TDateTime value;
        if (TryStrToDateTime(text_, value)) return value;
        double real;
        if (TextToFloat(text_, real)) return real;
        CannotConvert(type_, varDate);
    }
    default:
        if (IsNumeric() || type_ == varEmpty) return AsDouble();
        CannotConvert(type_, varDate);
    }
}

TBcd Variant::AsBcd() const {
    switch (type_) {
    case varFMTBcd:
        return Bcd();
    case varCurrency:
        return StrToBcd(CurrToStr(Currency{int_}));
    case varOleStr:
    case varString: {
        TBcd value;
        if (TryStrToBcd(text_, value)) return value;
        CannotConvert(type_, varFMTBcd);
    }
    default:
        if (IsSignedIntType(type_) || type_ == varBoolean || type_ == varEmpty)
            return IntegerToBcd(AsInt64());
        if (type_ == varUInt64) return StrToBcd(std::to_string(uint_));
        if (IsNumeric() || type_ == varDate) return DoubleToBcd(AsDouble());
        CannotConvert(type_, varFMTBcd);
    }
}

TSQLTimeStamp Variant::AsSQLTimeStamp() const {
    if (type_ == varSQLTimeStamp) return Stamp();
    return DateTimeToSQLTimeStamp(AsDateTime());
}

// ---- free functions ----

TVarType VarType(const Variant& v) {
    return v.VarType();
}
bool VarIsNull(const Variant& v) {
    return v.IsNull();
}
bool VarIsEmpty(const Variant& v) {
    return v.IsEmpty();
}
bool VarIsStr(const Variant& v) {
    return v.IsString();
}
bool VarIsNumeric(const Variant& v) {
    return v.IsNumeric();
}
bool VarIsArray(const Variant& v) {
    return v.IsArray();
}
bool VarTypeHoldsDate(TVarType type) {
    return type == varDate || type == varSQLTimeStamp;
}
bool VarHoldsDate(const Variant& v) {
    return VarTypeHoldsDate(v.VarType());
}

bool VarHoldsNumber(const Variant& v) {
    switch (v.VarType()) {
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varBoolean:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
    case varFMTBcd:
        return true;
    default:
        return false;
    }
}

std::string VarTypeAsText(TVarType type) {
    if (type & varArray) return "Array " + VarTypeAsText(type & varTypeMask);
    switch (type) {
    case varEmpty:
        return "Empty";
    case varNull:
        return "Null";
    case varSmallint:
        return "Smallint";
    case varInteger:
        return "Integer";
    case varSingle:
        return "Single";
    case varDouble:
        return "Double";
    case varCurrency:
        return "Currency";
    case varDate:
        return "Date";
    case varOleStr:
        return "OleStr";
    case varBoolean:
        return "Boolean";
    case varVariant:
        return "Variant";
    case varShortInt:
        return "ShortInt";
    case varByte:
        return "Byte";
    case varWord:
        return "Word";
    case varLongWord:
        return "LongWord";
    case varInt64:
        return "Int64";
    case varUInt64:
        return "UInt64";
    case varString:
        return "String";
    case varFMTBcd:
        return "FMTBcd";
    case varSQLTimeStamp:
        return "SQLTimeStamp";
    default:
        return "Unknown";
    }
}

Variant VarAsType(const Variant& v, TVarType type) {
    if (v.VarType() == type) return v;
    if (v.IsArray()) CannotConvert(v.VarType(), type);
    if (v.IsNull() && type != varEmpty) CannotConvert(varNull, type);
    auto ranged = [&](int64_t min, int64_t max) {
        int64_t value = v.AsInt64();
        if (value < min || value > max) Overflow(v.VarType(), type);
        return value;
    };
    switch (type) {
    case varEmpty:
        return Variant();
    case varNull:
        return Variant::Null();
    case varSmallint:
        return Variant(static_cast<int16_t>(ranged(INT16_MIN, INT16_MAX)));
    case varInteger:
        return Variant(v.AsInteger());
    case varShortInt:
        return Variant(static_cast<int8_t>(ranged(INT8_MIN, INT8_MAX)));
    case varByte:
        return Variant(static_cast<uint8_t>(ranged(0, UINT8_MAX)));
    case varWord:
        return Variant(static_cast<uint16_t>(ranged(0, UINT16_MAX)));
    case varLongWord:
        return Variant(static_cast<uint32_t>(ranged(0, UINT32_MAX)));
    case varInt64:
        return Variant::FromInt64(v.AsInt64());
    case varUInt64:
        return Variant(static_cast<unsigned long long>(v.AsUInt64()));
    case varSingle:
        return Variant(static_cast<float>(v.AsDouble()));
    case varDouble:
        return Variant(v.AsDouble());
    case varCurrency:
        return Variant(v.AsCurrency());
    case varDate:
        return Variant::FromDate(v.AsDateTime());
    case varBoolean:
        return Variant(v.AsBoolean());
    case varOleStr:
        return Variant(v.AsString());
    case varString:
        return Variant::FromBytes(v.AsString());
    case varFMTBcd:
        return Variant(v.AsBcd());
    case varSQLTimeStamp:
        return Variant(v.AsSQLTimeStamp());
    default:
        CannotConvert(v.VarType(), type);
    }
}

std::string VarToStr(const Variant& v) {
    return VarToStrDef(v, "");
}

std::string VarToStrDef(const Variant& v, const std::string& defaultValue) {
    if (v.IsNull()) return defaultValue;
    return v.AsString();
}

TDateTime VarToDateTime(const Variant& v) {
    return v.AsDateTime();
}

} // namespace zorvy
