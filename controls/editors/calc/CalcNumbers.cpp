// Number texts of the calculator: a strict reader and the general and exponent formats, on top of
// the C library's long double conversions (always with "." inside, the locale's separator outside).
#include "controls/editors/calc/CalcNumbers.h"

#include "platform/rtl/FormatSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zorvy {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int ClampDigits(int digits) {
    return std::clamp(digits, 1, 18);
}

// The rounded significant digits (without trailing zeros, at least one) and the decimal exponent
// of value's first digit.
void SplitDigits(TcxCalcValue value, int digits, std::string& mantissa, int& exponent) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, std::fabs(value));
    const std::string text = buffer;
    const std::size_t e = text.find('e');
    mantissa.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (IsDigit(text[i])) mantissa += text[i];
    exponent = std::atoi(text.c_str() + e + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
}

} // namespace

bool TextToExtended(const std::string& text, TcxCalcValue& value) {
    value = 0;
    const char separator = FormatSettings().DecimalSeparator;
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && IsBlank(text[i])) ++i;
    while (end > i && IsBlank(text[end - 1])) --end;
    std::string plain;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    int mantissaDigits = 0;
    bool seenSeparator = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            plain += c;
            ++mantissaDigits;
        } else if (c == separator && !seenSeparator) {
            plain += '.';
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        int exponentDigits = 0;
        for (; i < end && IsDigit(text[i]); ++i, ++exponentDigits) plain += text[i];
        if (exponentDigits == 0) return false;
    }
    if (i != end) return false;
    const TcxCalcValue result = std::strtold(plain.c_str(), nullptr);
    if (!std::isfinite(result)) return false;
    value = result;
    return true;
}

std::string FormatGeneralExtended(TcxCalcValue value, int digits) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    digits = ClampDigits(digits);
    const char separator = FormatSettings().DecimalSeparator;
    std::string mantissa;
    int exponent = 0;
    SplitDigits(value, digits, mantissa, exponent);
    std::string text = value < 0 ? "-" : "";
    const int count = static_cast<int>(mantissa.size());
    if (exponent >= -5 && exponent < digits) {
        if (exponent < 0) {
            text += '0';
            text += separator;
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += mantissa;
        } else if (count <= exponent + 1) {
            text += mantissa;
            text.append(static_cast<std::size_t>(exponent + 1 - count), '0');
        } else {
            text += mantissa.substr(0, static_cast<std::size_t>(exponent + 1));
            text += separator;
            text += mantissa.substr(static_cast<std::size_t>(exponent + 1));
        }
        return text;
    }
    text += mantissa[0];
    if (count > 1) {
        text += separator;
        text += mantissa.substr(1);
    }
    text += 'E';
    text += std::to_string(exponent);
    return text;
}

std::string FormatExponentExtended(TcxCalcValue value, int digits) {
    if (!std::isfinite(value)) return FormatGeneralExtended(value, digits);
    digits = ClampDigits(digits);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
    std::string text = buffer;
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    if (point != std::string::npos) mantissa[point] = FormatSettings().DecimalSeparator;
    const int exponent = std::atoi(text.c_str() + e + 1);
    return mantissa + (exponent < 0 ? "E-" : "E+") + std::to_string(std::abs(exponent));
}

} // namespace zorvy
