#include "platform/rtl/DecimalDigits.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace zorvy {

namespace {

locale_t CLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string IntegerPart(const TDecimalDigits& d) {
    if (d.Exponent <= 0) return "0";
    std::string text = d.Digits.substr(0, std::min<size_t>(d.Digits.size(), d.Exponent));
    text.append(d.Exponent - text.size(), '0');
    return text;
}

// Fraction digits of d, padded with zeros to at least `minimum`.
std::string FractionPart(const TDecimalDigits& d, size_t minimum) {
    std::string text;
    if (!d.Digits.empty()) {
        if (d.Exponent < 0) text.append(-d.Exponent, '0');
        if (static_cast<int>(d.Digits.size()) > std::max(d.Exponent, 0))
            text += d.Digits.substr(std::max(d.Exponent, 0));
    }
    if (text.size() < minimum) text.append(minimum - text.size(), '0');
    return text;
}

std::string WithThousands(const std::string& integer) {
    const char separator = FormatSettings().ThousandSeparator;
    std::string text;
    int n = static_cast<int>(integer.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0 && separator) text += separator;
        text += integer[i];
    }
    return text;
}

std::string ExponentText(int exponent, bool alwaysSign, int minDigits) {
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
    std::string sign = exponent < 0 ? "-" : (alwaysSign ? "+" : "");
    return "E" + sign + digits;
}

std::string ScientificText(const TDecimalDigits& d, int mantissaDigits, bool alwaysSign, int minExpDigits) {
    std::string digits = d.Digits.empty() ? "0" : d.Digits;
    if (static_cast<int>(digits.size()) < mantissaDigits) digits.append(mantissaDigits - digits.size(), '0');
    std::string text(1, digits[0]);
    if (digits.size() > 1) text += FormatSettings().DecimalSeparator + digits.substr(1);
    int exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
    return text + ExponentText(exponent, alwaysSign, minExpDigits);
}

std::string Signed(bool negative, std::string text) {
    if (negative) text.insert(text.begin(), '-');
    return text;
}

std::string CurrencyText(const std::string& number, bool negative) {
    const TFormatSettings& fs = FormatSettings();
    const std::string& c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
        case 1:
            return number + c;
        case 2:
            return c + " " + number;
        case 3:
            return number + " " + c;
        default:
            return c + number;
        }
    }
    switch (fs.NegCurrFormat) {
    case 1:
        return "-" + c + number;
    case 2:
        return c + "-" + number;
    case 3:
        return c + number + "-";
    case 4:
        return "(" + number + c + ")";
    case 5:
        return "-" + number + c;
    case 6:
        return number + "-" + c;
    case 7:
        return number + c + "-";
    case 8:
        return "-" + number + " " + c;
    default:
        return "(" + c + number + ")";
    }
}

} // namespace

bool TextToFloat(const std::string& text, double& value) {
    size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    std::string plain;
    size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    int mantissaDigits = 0;
    while (i < end && IsDigit(text[i]))
        plain += text[i++], ++mantissaDigits;
    if (i < end && text[i] == FormatSettings().DecimalSeparator) {
        plain += '.';
        ++i;
        while (i < end && IsDigit(text[i]))
            plain += text[i++], ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        int exponentDigits = 0;
        while (i < end && IsDigit(text[i]))
            plain += text[i++], ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    if (i != end) return false;
    double parsed = strtod_l(plain.c_str(), nullptr, CLocale());
    if (std::isinf(parsed)) return false;
    value = parsed;
    return true;
}

bool TryStrToFloat(const std::string& text, double& value) {
    return TextToFloat(text, value);
}

double StrToFloat(const std::string& text) {
    double value;
    if (!TextToFloat(text, value)) throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(const std::string& text, double defaultValue) {
    double value;
    return TextToFloat(text, value) ? value : defaultValue;
}

std::string FloatToStr(double value) {
    return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    precision = std::clamp(precision, 1, 18);
    const char separator = FormatSettings().DecimalSeparator;
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    switch (format) {
    case TFloatFormat::ffGeneral: {
        TDecimalDigits d = FloatToDecimal(value, precision);
        if (d.Digits.empty()) return "0";
        std::string sign = d.Negative ? "-" : "";
        if (d.Exponent > precision || d.Exponent < -3)
            return sign + ScientificText(d, 0, false, std::clamp(digits, 0, 4));
        std::string fraction = FractionPart(d, 0);
        return sign + IntegerPart(d) + (fraction.empty() ? "" : std::string(1, separator) + fraction);
    }
    case TFloatFormat::ffExponent: {
        TDecimalDigits d = FloatToDecimal(value, precision);
        return Signed(d.Negative, ScientificText(d, precision, true, std::clamp(digits, 0, 4)));
    }
    case TFloatFormat::ffFixed:
    case TFloatFormat::ffNumber:
    case TFloatFormat::ffCurrency: {
        digits = std::clamp(digits, 0, 18);
        TDecimalDigits d = FloatToDecimal(value, precision, digits);
        if (d.Exponent > precision)
            return Signed(d.Negative, ScientificText(FloatToDecimal(value, precision), precision, true, 0));
        std::string integer = IntegerPart(d);
        if (format != TFloatFormat::ffFixed) integer = WithThousands(integer);
        std::string number =
            integer + (digits > 0 ? std::string(1, separator) + FractionPart(d, digits) : "");
        if (format == TFloatFormat::ffCurrency) return CurrencyText(number, d.Negative);
        return Signed(d.Negative, number);
    }
    }
    return {};
}

} // namespace zorvy
