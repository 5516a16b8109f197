#include "platform/rtl/Bcd.h"

#include "platform/rtl/DecimalDigits.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <cstdlib>
#include <locale.h>

namespace zorvy {

namespace {

constexpr size_t kMaxDigits = 64;

void Normalise(TBcd& v) {
    while (v.Scale > 0 && v.Digits.size() > 1 && v.Digits.back() == '0') {
        v.Digits.pop_back();
        --v.Scale;
    }
    if (v.Scale > 0 && v.Digits == "0") v.Scale = 0;
    int integerDigits = static_cast<int>(v.Digits.size()) - v.Scale;
    // Canonical form: at least one integer digit, so equal numbers have equal digit strings.
    if (integerDigits < 1) {
        v.Digits.insert(0, 1 - integerDigits, '0');
        integerDigits = 1;
    }
    int strip = 0;
    while (strip + 1 < integerDigits && v.Digits[strip] == '0')
        ++strip;
    v.Digits.erase(0, strip);
    if (v.Digits.find_first_not_of('0') == std::string::npos) {
        v.Digits.assign(1, '0');
        v.Scale = 0;
        v.Negative = false;
    }
}

} // namespace

std::string BcdToStr(const TBcd& value) {
    TBcd v = value;
    Normalise(v);
    std::string text = v.Negative ? "-" : "";
    int integerDigits = static_cast<int>(v.Digits.size()) - v.Scale;
    text += v.Digits.substr(0, integerDigits);
    if (v.Scale > 0) text += FormatSettings().DecimalSeparator + v.Digits.substr(integerDigits);
    return text;
}

bool TryStrToBcd(const std::string& text, TBcd& value) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    TBcd v;
    v.Digits.clear();
    if (i < end && (text[i] == '-' || text[i] == '+')) v.Negative = text[i++] == '-';
    bool point = false;
    for (; i < end; ++i) {
        char c = text[i];
        if (c == FormatSettings().DecimalSeparator && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            v.Digits += c;
            if (point) ++v.Scale;
        } else {
            return false;
        }
    }
    if (v.Digits.empty()) return false;
    Normalise(v);
    if (v.Digits.size() > kMaxDigits) return false;
    value = v;
    return true;
}

TBcd StrToBcd(const std::string& text) {
    TBcd value;
    if (!TryStrToBcd(text, value)) throw EConvertError("'" + text + "' is not a valid BCD value");
    return value;
}

int BcdCompare(const TBcd& a, const TBcd& b) {
    TBcd x = a, y = b;
    Normalise(x);
    Normalise(y);
    if (x.Negative != y.Negative) return x.Negative ? -1 : 1;
    // Align the fractions, then compare magnitudes as digit strings.
    int scale = std::max(x.Scale, y.Scale);
    x.Digits.append(scale - x.Scale, '0');
    y.Digits.append(scale - y.Scale, '0');
    int magnitude = x.Digits.size() != y.Digits.size()
                        ? (x.Digits.size() < y.Digits.size() ? -1 : 1)
                        : (x.Digits < y.Digits ? -1 : (x.Digits > y.Digits ? 1 : 0));
    return x.Negative ? -magnitude : magnitude;
}

double BcdToDouble(const TBcd& value) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    std::string text(value.Negative ? 1 : 0, '-');
    text += value.Digits;
    text += 'e';
    text += std::to_string(-value.Scale);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

TBcd DoubleToBcd(double value) {
    TDecimalDigits d = FloatToDecimal(value, 15);
    if (d.Special) throw EConvertError("'" + FloatToStr(value) + "' is not a valid BCD value");
    TBcd result;
    if (d.Digits.empty()) return result;
    result.Negative = d.Negative;
    int length = static_cast<int>(d.Digits.size());
    result.Digits = d.Digits;
    if (d.Exponent >= length)
        result.Digits.append(d.Exponent - length, '0');
    else
        result.Scale = length - d.Exponent;
    Normalise(result);
    return result;
}

TBcd IntegerToBcd(int64_t value) {
    return StrToBcd(std::to_string(value));
}

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& v) {
    TDateTime date, time;
    if (!TryEncodeDate(v.Year, v.Month, v.Day, date) ||
        !TryEncodeTime(v.Hour, v.Minute, v.Second, static_cast<int>(v.Fractions), time))
        throw EConvertError("Invalid SQL time stamp value");
    return date >= 0 ? date + time : date - time;
}

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value) {
    int y, m, d, h, n, s, ms;
    DecodeDate(value, y, m, d);
    DecodeTime(value, h, n, s, ms);
    return TSQLTimeStamp{static_cast<int16_t>(y),  static_cast<uint16_t>(m), static_cast<uint16_t>(d),
                         static_cast<uint16_t>(h), static_cast<uint16_t>(n), static_cast<uint16_t>(s),
                         static_cast<uint32_t>(ms)};
}

std::string SQLTimeStampToStr(const TSQLTimeStamp& value) {
    return DateTimeToStr(SQLTimeStampToDateTime(value));
}

} // namespace zorvy
