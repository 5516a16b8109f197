#pragma once
// The calculator's numbers: extended-precision (80-bit) values read from and written as texts with
// the locale's decimal separator. The calculator and its editor both go through these, so that what
// one writes the other reads back.
#include <string>

namespace zorvy {

using TcxCalcValue = long double;

// Blanks around the number, an optional sign, digits with at most one decimal separator (at least
// one digit) and an optional exponent ("e" or "E", an optional sign, at least one digit). Nothing
// else; a value beyond the extended range fails. On failure value is 0.
bool TextToExtended(const std::string& text, TcxCalcValue& value);

// At most digits significant digits (1..18); fixed notation from 0.00001 up while the integer part
// has at most digits digits, else scientific; trailing zeros dropped; "E", a minus sign only when
// negative, the exponent without leading zeros: "100", "0.5", "1.2345E20", "1E-6".
std::string FormatGeneralExtended(TcxCalcValue value, int digits);
// One digit, the separator, digits - 1 digits, "E", always a sign, the exponent without leading
// zeros: "1.23450000000000E+4".
std::string FormatExponentExtended(TcxCalcValue value, int digits);

} // namespace zorvy
