#pragma once
// Number conversion and arithmetic helpers with the runtime's exact texts and rounding rules.
//
// Integers: IntToStr, IntToHex, StrToInt/StrToInt64 (strict: optional leading blanks and sign,
// decimal or "$"/"0x"/"x" hex, nothing after; a decimal out of range is an error, never a wrap;
// hex is a bit pattern of the width, so StrToInt("$FFFFFFFF") is -1 and "$100000000" an error).
// Floats: TextToFloat/StrToFloat (locale decimal separator), FloatToStr (general form, 15 digits),
// FloatToStrF, FormatFloat (format sections). Rounding: Round and RoundTo round halves to even,
// MulDiv rounds halves away from zero. Div/Mod truncate towards zero like the integer operators.
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "platform/rtl/Format.h"

namespace zorvy {

// ---- integers <-> text ----
std::string IntToStr(int64_t value);
std::string IntToHex(int64_t value, int digits);
int StrToInt(const std::string& text); // EConvertError "'%s' is not a valid integer value"
int64_t StrToInt64(const std::string& text);
int StrToIntDef(const std::string& text, int defaultValue);
int64_t StrToInt64Def(const std::string& text, int64_t defaultValue);
bool TryStrToInt(const std::string& text, int& value);
bool TryStrToInt64(const std::string& text, int64_t& value);

// ---- floats <-> text ----
enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Leading and trailing blanks allowed; the locale's decimal separator; an optional exponent.
bool TextToFloat(const std::string& text, double& value);
bool TryStrToFloat(const std::string& text, double& value);
double StrToFloat(const std::string& text); // EConvertError "'%s' is not a valid floating point value"
double StrToFloatDef(const std::string& text, double defaultValue);

// Shortest general form with at most 15 significant digits: "100", "99.99", "1E-5".
std::string FloatToStr(double value);
// Precision = significant digits; Digits = decimals (fixed/number/currency) or minimum
// exponent digits (general/exponent).
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
// Format sections "positive;negative;zero" with 0 # . , E+ E- e+ e- and quoted literals.
std::string FormatFloat(const std::string& format, double value);

// ---- rounding and arithmetic ----
int64_t Round(double value); // halves to even; EInvalidOp out of range
int64_t Trunc(double value); // EInvalidOp out of range
double Frac(double value);
int64_t Floor(double value);
int64_t Ceil(double value);
int Sign(double value);
int Sign(int64_t value);
// value rounded to 10^digits (digits -2 = hundredths), halves to even.
double RoundTo(double value, int digits);
// Rounds a*b/c half away from zero; -1 when c is 0 or the result does not fit.
int MulDiv(int a, int b, int c);

// Truncating integer division and remainder; EDivByZero "Division by zero" for a zero divisor.
template <typename T> T Div(T a, T b);
template <typename T> T Mod(T a, T b);

[[noreturn]] void RaiseDivByZero();
[[noreturn]] void RaiseIntOverflow();

template <typename T> T Div(T a, T b) {
    if (b == 0) RaiseDivByZero();
    if constexpr (std::is_signed_v<T>) {
        if (b == -1 && a == std::numeric_limits<T>::min()) RaiseIntOverflow();
    }
    return a / b;
}

template <typename T> T Mod(T a, T b) {
    if (b == 0) RaiseDivByZero();
    if constexpr (std::is_signed_v<T>) {
        if (b == -1) return 0;
    }
    return a % b;
}

} // namespace zorvy
