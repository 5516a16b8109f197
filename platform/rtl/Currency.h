#pragma once
// Currency: a fixed-point amount held as a 64-bit count of ten-thousandths.
#include <cstdint>
#include <string>

namespace zorvy {

struct Currency {
    int64_t Value = 0; // amount x 10,000

    static Currency FromScaled(int64_t scaled) { return Currency{scaled}; }
    // Rounds to the nearest ten-thousandth, halves to even; EConvertError when out of range.
    static Currency FromDouble(double value);
    static Currency FromInt(int64_t value); // EConvertError when out of range
    double ToDouble() const { return static_cast<double>(Value) / 10000.0; }

    friend bool operator==(Currency a, Currency b) { return a.Value == b.Value; }
    friend auto operator<=>(Currency a, Currency b) { return a.Value <=> b.Value; }
};

// The shortest exact text with the locale decimal separator: "12.5", "-0.0001", "7".
std::string CurrToStr(Currency value);
// Up to four decimals; EConvertError "'%s' is not a valid floating point value" otherwise.
Currency StrToCurr(const std::string& text);
bool TryStrToCurr(const std::string& text, Currency& value);

} // namespace zorvy
