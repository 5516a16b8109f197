#include "platform/rtl/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace zorvy {

namespace {

// Stores the digits kept by a cut, carried up by one unit in the last place when the cut part
// rounds up, without trailing zeros; nothing left means zero.
TDecimalDigits KeptDigits(TDecimalDigits result, std::string digits, int exponent, bool roundUp) {
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty()) {
        result.Negative = false;
        return result;
    }
    result.Digits = std::move(digits);
    result.Exponent = exponent;
    return result;
}

} // namespace

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
    // Fast path from the shortest text that reads back as this double. Cutting it at up to 15
    // digits rounds the same way as cutting the exact value, unless what is cut off lies so near
    // a half that the tiny difference between the two could tip it; those go the exact way.
    {
        char shortest[32];
        auto [end, error] = std::to_chars(shortest, shortest + sizeof shortest, std::fabs(value),
                                          std::chars_format::scientific);
        if (error == std::errc()) {
            std::string_view text(shortest, end - shortest);
            size_t e = text.find('e');
            std::string digits(1, text[0]);
            if (e > 1) digits.append(text.substr(2, e - 2));
            int exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
            long keep = precision;
            if (decimals != kNoDecimalsLimit)
                keep = std::min<long>(keep, static_cast<long>(exponent) + decimals);
            if (keep < 0) {
                result.Negative = false;
                return result;
            }
            bool fast = keep <= 15;
            bool roundUp = false;
            if (fast && static_cast<long>(digits.size()) > keep) {
                double tail = 0, scale = 0.1;
                for (size_t i = keep; i < digits.size(); ++i, scale /= 10)
                    tail += (digits[i] - '0') * scale;
                // The shortest text is within half a unit in the last place of the double, under
                // 0.12 units at the 15th digit.
                fast = std::fabs(tail - 0.5) > 0.12 * std::pow(10.0, static_cast<double>(keep - 15));
                roundUp = tail > 0.5;
                digits.resize(keep);
            }
            if (fast) return KeptDigits(result, std::move(digits), exponent, roundUp);
        }
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
    return KeptDigits(result, all.substr(0, keep), exponent, roundUp);
}

} // namespace zorvy
