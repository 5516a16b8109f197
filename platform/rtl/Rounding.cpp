#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace zorvy {

namespace {

int64_t ToInt64(double whole) {
    // 2^63 is exactly representable; anything at or beyond it (or NaN) does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (!(whole >= -kLimit && whole < kLimit)) throw EInvalidOp("Invalid floating point operation");
    return static_cast<int64_t>(whole);
}

double PowerOfTen(int exponent) {
    double result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

} // namespace

// Halves go to even because nearbyint follows the default rounding mode, round-to-nearest-even.
int64_t Round(double value) {
    return ToInt64(std::nearbyint(value));
}
int64_t Trunc(double value) {
    return ToInt64(std::trunc(value));
}
double Frac(double value) {
    return value - std::trunc(value);
}
int64_t Floor(double value) {
    return ToInt64(std::floor(value));
}
int64_t Ceil(double value) {
    return ToInt64(std::ceil(value));
}
int Sign(double value) {
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}
int Sign(int64_t value) {
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

double RoundTo(double value, int digits) {
    if (!std::isfinite(value) || digits > 308 || digits < -308) return value;
    // Scale by an exact power of ten (multiply for decimals, divide for tens) so that a value that
    // is a true half in binary stays one.
    if (digits < 0) {
        double factor = PowerOfTen(-digits);
        return std::nearbyint(value * factor) / factor;
    }
    double factor = PowerOfTen(digits);
    return std::nearbyint(value / factor) * factor;
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    int64_t product = static_cast<int64_t>(a) * b;
    int64_t quotient = product / c;
    int64_t remainder = product % c;
    // Half away from zero: compare twice the remainder with the divisor, both as magnitudes.
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<int64_t>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) return -1;
    return static_cast<int>(quotient);
}

} // namespace zorvy
