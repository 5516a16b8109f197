#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

#include <limits>

namespace zorvy {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Parses a decimal number into [min, max], or a hexadecimal one as a bit pattern of the same
// width ("$FFFFFFFF" is -1 as a 32-bit integer, as colour constants are written); false on any
// stray character or when the value does not fit.
bool ParseInteger(const std::string& text, int64_t min, int64_t max, int64_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return false;
    const uint64_t widthMask = static_cast<uint64_t>(max) * 2 + 1; // all bits of the width
    uint64_t limit = base == 16
                         ? widthMask
                         : (negative ? uint64_t(0) - static_cast<uint64_t>(min) : static_cast<uint64_t>(max));
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int digit = base == 16 ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) return false;
        if (magnitude > (limit - digit) / base) return false;
        magnitude = magnitude * base + digit;
    }
    if (base == 16) {
        // Sign-extend the pattern from the width, then apply the sign.
        uint64_t signBit = (widthMask >> 1) + 1;
        int64_t pattern = static_cast<int64_t>((magnitude ^ signBit) - signBit);
        if (negative) pattern = static_cast<int64_t>(uint64_t(0) - static_cast<uint64_t>(pattern));
        if (pattern < min || pattern > max)
            pattern =
                static_cast<int64_t>(((static_cast<uint64_t>(pattern) & widthMask) ^ signBit) - signBit);
        value = pattern;
        return true;
    }
    value = negative ? static_cast<int64_t>(uint64_t(0) - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

[[noreturn]] void RaiseNotInteger(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}

} // namespace

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(int64_t value, int digits) {
    static const char kHex[] = "0123456789ABCDEF";
    uint64_t bits = static_cast<uint64_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), kHex[bits & 15]);
        bits >>= 4;
    } while (bits != 0);
    if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

bool TryStrToInt64(const std::string& text, int64_t& value) {
    return ParseInteger(text, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(),
                        value);
}

bool TryStrToInt(const std::string& text, int& value) {
    int64_t wide;
    if (!ParseInteger(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), wide))
        return false;
    value = static_cast<int>(wide);
    return true;
}

int StrToInt(const std::string& text) {
    int value;
    if (!TryStrToInt(text, value)) RaiseNotInteger(text);
    return value;
}

int64_t StrToInt64(const std::string& text) {
    int64_t value;
    if (!TryStrToInt64(text, value)) RaiseNotInteger(text);
    return value;
}

int StrToIntDef(const std::string& text, int defaultValue) {
    int value;
    return TryStrToInt(text, value) ? value : defaultValue;
}

int64_t StrToInt64Def(const std::string& text, int64_t defaultValue) {
    int64_t value;
    return TryStrToInt64(text, value) ? value : defaultValue;
}

void RaiseDivByZero() {
    throw EDivByZero("Division by zero");
}
void RaiseIntOverflow() {
    throw EIntOverflow("Integer overflow");
}

} // namespace zorvy
