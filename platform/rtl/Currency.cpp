#include "platform/rtl/Currency.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace zorvy {

namespace {

[[noreturn]] void OutOfRange() {
    throw EConvertError("Currency value out of range");
}

} // namespace

Currency Currency::FromDouble(double value) {
    double scaled = std::nearbyint(value * 10000.0);
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0)) OutOfRange();
    return Currency{static_cast<int64_t>(scaled)};
}

Currency Currency::FromInt(int64_t value) {
    constexpr int64_t kLimit = std::numeric_limits<int64_t>::max() / 10000;
    if (value > kLimit || value < -kLimit) OutOfRange();
    return Currency{value * 10000};
}

std::string CurrToStr(Currency value) {
    uint64_t magnitude = value.Value < 0 ? uint64_t(0) - static_cast<uint64_t>(value.Value) : value.Value;
    std::string text(value.Value < 0 ? 1 : 0, '-');
    text += std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) text += FormatSettings().DecimalSeparator + fraction;
    return text;
}

bool TryStrToCurr(const std::string& text, Currency& value) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    uint64_t scaled = 0;
    int digits = 0, decimals = -1;
    constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    for (; i < end; ++i) {
        char c = text[i];
        if (c == FormatSettings().DecimalSeparator && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9') return false;
        if (decimals >= 4) {
            if (c != '0') return false; // more precision than a currency holds
            continue;
        }
        if (scaled > (kLimit - (c - '0')) / 10) return false;
        scaled = scaled * 10 + (c - '0');
        ++digits;
        if (decimals >= 0) ++decimals;
    }
    if (digits == 0) return false;
    for (int k = std::max(decimals, 0); k < 4; ++k) {
        if (scaled > kLimit / 10) return false;
        scaled *= 10;
    }
    value.Value = negative ? -static_cast<int64_t>(scaled) : static_cast<int64_t>(scaled);
    return true;
}

Currency StrToCurr(const std::string& text) {
    Currency value;
    if (!TryStrToCurr(text, value)) throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

} // namespace zorvy
