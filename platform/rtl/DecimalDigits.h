#pragma once
// A double as rounded decimal digits: the shared core of every float-to-text routine.
#include <string>

namespace zorvy {

// value = 0.Digits x 10^Exponent; Digits has no trailing zeros and is empty for zero.
struct TDecimalDigits {
    bool Negative = false;
    bool Special = false; // NaN or infinity: Digits holds "NAN" or "INF"
    std::string Digits;
    int Exponent = 0;
};

inline constexpr int kNoDecimalsLimit = 9999;

// Rounds half away from zero to at most `precision` significant digits and at most
// `decimals` digits after the decimal point, whichever keeps fewer.
TDecimalDigits FloatToDecimal(double value, int precision, int decimals = kNoDecimalsLimit);

} // namespace zorvy
