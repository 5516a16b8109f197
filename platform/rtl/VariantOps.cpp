#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Variant.h"

#include <cmath>
#include <limits>

namespace zorvy {

namespace {

enum class Kind { Empty, Null, Boolean, Integer, Unsigned, Float, Currency, Date, Bcd, String, Array };

Kind KindOf(const Variant& v) {
    if (v.IsArray()) return Kind::Array;
    switch (v.VarType()) {
    case varEmpty:
        return Kind::Empty;
    case varNull:
        return Kind::Null;
    case varBoolean:
        return Kind::Boolean;
    case varUInt64:
        return Kind::Unsigned;
    case varSingle:
    case varDouble:
        return Kind::Float;
    case varCurrency:
        return Kind::Currency;
    case varDate:
    case varSQLTimeStamp:
        return Kind::Date;
    case varFMTBcd:
        return Kind::Bcd;
    case varOleStr:
    case varString:
        return Kind::String;
    default:
        return Kind::Integer;
    }
}

[[noreturn]] void InvalidOperation() {
    throw EVariantError("Invalid variant operation");
}

template <typename T> int Three(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareDoubles(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) InvalidOperation();
    return Three(a, b);
}

// The reading of `s` that fits the other operand's kind.
Variant StringFor(const Variant& s, Kind other) {
    switch (other) {
    case Kind::Boolean:
        return Variant(s.AsBoolean());
    case Kind::Date:
        return Variant::FromDate(s.AsDateTime());
    case Kind::Currency:
        return Variant(s.AsCurrency());
    case Kind::Bcd:
        return Variant(s.AsBcd());
    case Kind::Integer:
    case Kind::Unsigned: {
        int64_t integer;
        if (TryStrToInt64(Trim(s.RawString()), integer)) return Variant::FromInt64(integer);
        return Variant(s.AsDouble());
    }
    default:
        return Variant(s.AsDouble());
    }
}

int CompareNumbers(const Variant& a, const Variant& b) {
    Kind ka = KindOf(a), kb = KindOf(b);
    if (ka == Kind::Integer && kb == Kind::Integer) return Three(a.RawInt(), b.RawInt());
    if (ka == Kind::Unsigned && kb == Kind::Unsigned) return Three(a.RawUInt(), b.RawUInt());
    if ((ka == Kind::Integer && kb == Kind::Unsigned) || (ka == Kind::Unsigned && kb == Kind::Integer)) {
        const Variant& s = ka == Kind::Integer ? a : b;
        const Variant& u = ka == Kind::Integer ? b : a;
        int r = s.RawInt() < 0 ? -1 : Three(static_cast<uint64_t>(s.RawInt()), u.RawUInt());
        return ka == Kind::Integer ? r : -r;
    }
    if (ka == Kind::Currency && kb == Kind::Currency) return Three(a.RawInt(), b.RawInt());
    if (ka == Kind::Bcd || kb == Kind::Bcd) {
        if (ka != Kind::Float && kb != Kind::Float) return BcdCompare(a.AsBcd(), b.AsBcd());
    }
    return CompareDoubles(a.AsDouble(), b.AsDouble());
}

bool IsIntegerKind(Kind k) {
    return k == Kind::Integer || k == Kind::Boolean || k == Kind::Empty;
}

Variant IntegerResult(int64_t value, TVarType a, TVarType b) {
    bool narrow = a != varInt64 && b != varInt64 && a != varUInt64 && b != varUInt64;
    if (narrow && value >= std::numeric_limits<int32_t>::min() &&
        value <= std::numeric_limits<int32_t>::max())
        return Variant(static_cast<int32_t>(value));
    return Variant::FromInt64(value);
}

enum class Op { Add, Subtract, Multiply, Divide };

Variant Arithmetic(const Variant& a0, const Variant& b0, Op op) {
    Kind ka = KindOf(a0), kb = KindOf(b0);
    if (ka == Kind::Array || kb == Kind::Array) InvalidOperation();
    if (ka == Kind::Null || kb == Kind::Null) return Variant::Null();
    if (op == Op::Add && (ka == Kind::String || kb == Kind::String) &&
        (ka == Kind::String || ka == Kind::Empty) && (kb == Kind::String || kb == Kind::Empty)) {
        std::string text = a0.AsString() + b0.AsString();
        return a0.VarType() == varString && b0.VarType() == varString ? Variant::FromBytes(text)
                                                                      : Variant(text);
    }
    Variant a = ka == Kind::String ? StringFor(a0, kb == Kind::String ? Kind::Float : kb) : a0;
    Variant b = kb == Kind::String ? StringFor(b0, ka == Kind::String ? Kind::Float : ka) : b0;
    ka = KindOf(a);
    kb = KindOf(b);

    if (op == Op::Divide) {
        double divisor = b.AsDouble();
        if (divisor == 0) throw EDivByZero("Division by zero");
        return Variant(a.AsDouble() / divisor);
    }
    if (IsIntegerKind(ka) && IsIntegerKind(kb)) {
        int64_t x = a.AsInt64(), y = b.AsInt64(), r;
        bool overflow = op == Op::Add        ? __builtin_add_overflow(x, y, &r)
                        : op == Op::Subtract ? __builtin_sub_overflow(x, y, &r)
                                             : __builtin_mul_overflow(x, y, &r);
        if (!overflow) return IntegerResult(r, a.VarType(), b.VarType());
    }
    if ((ka == Kind::Currency || kb == Kind::Currency) && ka != Kind::Float && kb != Kind::Float &&
        ka != Kind::Date && kb != Kind::Date) {
        int64_t x = a.AsCurrency().Value, y = b.AsCurrency().Value, r;
        bool overflow;
        if (op == Op::Multiply) {
            // One factor is a plain number: scale only once.
            bool aIsCurrency = ka == Kind::Currency;
            bool bothCurrency = ka == Kind::Currency && kb == Kind::Currency;
            if (bothCurrency) return Variant(Currency::FromDouble(a.AsDouble() * b.AsDouble()));
            overflow =
                __builtin_mul_overflow(aIsCurrency ? x : a.AsInt64(), aIsCurrency ? b.AsInt64() : y, &r);
        } else {
            overflow = op == Op::Add ? __builtin_add_overflow(x, y, &r) : __builtin_sub_overflow(x, y, &r);
        }
        if (!overflow) return Variant(Currency::FromScaled(r));
    }
    double x = a.AsDouble(), y = b.AsDouble();
    double r = op == Op::Add ? x + y : op == Op::Subtract ? x - y : x * y;
    // A date moved by a number stays a date; the distance between two dates is a number.
    bool dateResult = (op == Op::Add && (ka == Kind::Date) != (kb == Kind::Date)) ||
                      (op == Op::Subtract && ka == Kind::Date && kb != Kind::Date);
    if (dateResult) return Variant::FromDate(r);
    return Variant(r);
}

} // namespace

int VarCompareValue(const Variant& a, const Variant& b) {
    Kind ka = KindOf(a), kb = KindOf(b);
    if (ka == Kind::Array || kb == Kind::Array) InvalidOperation();
    if (ka == Kind::Null || kb == Kind::Null) return ka == kb ? 0 : (ka == Kind::Null ? -1 : 1);
    if (ka == Kind::Empty && kb == Kind::Empty) return 0;
    if (ka == Kind::String && kb == Kind::String) return AnsiCompareStr(a.RawString(), b.RawString());
    if (ka == Kind::Empty && kb == Kind::String) return AnsiCompareStr("", b.RawString());
    if (ka == Kind::String && kb == Kind::Empty) return AnsiCompareStr(a.RawString(), "");
    if (ka == Kind::Boolean && kb == Kind::Boolean) return Three(a.RawInt(), b.RawInt());
    if (ka == Kind::String) return CompareNumbers(StringFor(a, kb), b);
    if (kb == Kind::String) return CompareNumbers(a, StringFor(b, ka));
    return CompareNumbers(a, b);
}

bool operator==(const Variant& a, const Variant& b) {
    return VarCompareValue(a, b) == 0;
}
bool operator!=(const Variant& a, const Variant& b) {
    return !(a == b);
}
bool operator<(const Variant& a, const Variant& b) {
    return VarCompareValue(a, b) < 0;
}
bool operator<=(const Variant& a, const Variant& b) {
    return VarCompareValue(a, b) <= 0;
}
bool operator>(const Variant& a, const Variant& b) {
    return VarCompareValue(a, b) > 0;
}
bool operator>=(const Variant& a, const Variant& b) {
    return VarCompareValue(a, b) >= 0;
}

Variant operator+(const Variant& a, const Variant& b) {
    return Arithmetic(a, b, Op::Add);
}
Variant operator-(const Variant& a, const Variant& b) {
    return Arithmetic(a, b, Op::Subtract);
}
Variant operator*(const Variant& a, const Variant& b) {
    return Arithmetic(a, b, Op::Multiply);
}
Variant operator/(const Variant& a, const Variant& b) {
    return Arithmetic(a, b, Op::Divide);
}

Variant operator-(const Variant& a) {
    switch (KindOf(a)) {
    case Kind::Null:
        return a;
    case Kind::Array:
        InvalidOperation();
    default:
        return Arithmetic(Variant(0), a, Op::Subtract);
    }
}

} // namespace zorvy
