#include "platform/rtl/DecimalDigits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zorvy {

TDecimalDigits FloatToDecimal(double value, int precision, int decimals) {
    TDecimalDigits result;
    result.Negative = std::signbit(value);
    if (std::isnan(value) || std::isinf(value)) {
        result.Special = true;
        result.Negative = std::isinf(value) && value < 0;
        result.Digits = std::isnan(value) ? "NAN" : "INF";
        return result;
    }
    if (value == 0) {
        result.Negative = false;
        return result;
    }
    // Many more digits than a double carries, so the cut below sees the exact expansion and
    // a tie is a real tie.
    constexpr int kDigits = 60;
    char buffer[kDigits + 16];
    std::snprintf(buffer, sizeof buffer, "%.*e", kDigits - 1, std::fabs(value));
    std::string all;
    all.reserve(kDigits);
    all += buffer[0];
    all.append(buffer + 2, kDigits - 1);
    int exponent = std::atoi(buffer + kDigits + 2) + 1;

    long keep = precision;
    if (decimals != kNoDecimalsLimit) keep = std::min<long>(keep, static_cast<long>(exponent) + decimals);
    if (keep < 0) {
        result.Negative = false;
        return result;
    }
    bool roundUp = keep < kDigits && all[keep] >= '5';
    std::string digits = all.substr(0, keep);
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (digits.empty()) {
        result.Negative = false;
        return result;
    }
    result.Digits = digits;
    result.Exponent = exponent;
    return result;
}

} // namespace zorvy
