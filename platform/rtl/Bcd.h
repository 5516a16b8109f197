#pragma once
// TBcd: an exact decimal number (up to 64 digits) for database values, and TSQLTimeStamp,
// the date-and-time record of SQL drivers.
#include <cstdint>
#include <string>

#include "platform/rtl/DateTime.h"

namespace zorvy {

struct TBcd {
    bool Negative = false;
    std::string Digits = "0"; // integer and fraction digits, no leading zeros (except a lone 0)
    int Scale = 0;            // how many of Digits are after the decimal point
};

// Text with the locale decimal separator and no redundant zeros: "-12.5", "0.003", "0".
std::string BcdToStr(const TBcd& value);
// [sign] digits [separator digits]; EConvertError "'%s' is not a valid BCD value".
TBcd StrToBcd(const std::string& text);
bool TryStrToBcd(const std::string& text, TBcd& value);
int BcdCompare(const TBcd& a, const TBcd& b); // -1, 0, 1
double BcdToDouble(const TBcd& value);
TBcd DoubleToBcd(double value); // through the 15-digit general text
TBcd IntegerToBcd(int64_t value);

struct TSQLTimeStamp {
    int16_t Year = 0;
    uint16_t Month = 0;
    uint16_t Day = 0;
    uint16_t Hour = 0;
    uint16_t Minute = 0;
    uint16_t Second = 0;
    uint32_t Fractions = 0; // milliseconds
};

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value); // EConvertError for an invalid stamp
TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value);
std::string SQLTimeStampToStr(const TSQLTimeStamp& value);

} // namespace zorvy
