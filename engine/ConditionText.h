#pragma once
// The condition text ("j=1/y=0/fw1=2/fw2=9/xfw= 3 5 7 /"), the test of a value against the parsed
// constraints of one condition, the banker-digit test and two sorting helpers.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zorvy {

// OddMark, EvenMark, Rem0Mark, Rem1Mark, Rem2Mark, RangeLow, RangeHigh; a mark is set when >= 0.
using TConditionMarks = std::array<int32_t, 7>;

// The value of key in the text ("-1" when the text lacks the key), blanks kept. Keys are compared
// without regard to case. A last segment left without its closing "/" still gives its value; an
// empty segment ("//") is passed over.
std::string ExtractConditionValue(std::string_view text, std::string_view key);

// The divisor text of a divisor-form list ("c5, 0 2 4 " -> "5"); empty when the list has no "c".
std::string Jcchushuv(std::string_view list);

// Whether value meets every set mark: odd, even, the allowed remainders modulo 3, the range.
inline bool CheckMarks(int32_t value, const TConditionMarks& marks) {
    const auto [oddMark, evenMark, rem0Mark, rem1Mark, rem2Mark, rangeLow, rangeHigh] = marks;
    if (oddMark >= 0 && !(value % 2 == 1 && oddMark == 1)) return false;
    if (evenMark >= 0 && !(value % 2 == 0 && evenMark == 0)) return false;
    if (rem0Mark >= 0 || rem1Mark >= 0 || rem2Mark >= 0) {
        const int32_t remainder = value % 3;
        if (!((rem0Mark == 0 && remainder == 0) || (rem1Mark == 1 && remainder == 1) ||
              (rem2Mark == 2 && remainder == 2)))
            return false;
    }
    return rangeLow < 0 || (rangeLow <= value && value <= rangeHigh);
}

// Whether value meets every set mark and, unless list is "-1", the value list (or, in the divisor
// form, whether its remainder is listed). A bad divisor raises EConvertError or EDivByZero.
bool CheckCondition(int32_t value, const TConditionMarks& marks, std::string_view list);

// Whether the serial text holds every digit of the banker text ("4 8 ").
bool ContainsBankerDigits(std::string_view serialText, std::string_view bankerDigits);

// Sorts decimal texts by value, stable; raises EConvertError on a text that is not a number.
bool SortNumericStrings(std::span<std::string> items);
// "33 05 17 " -> "05 17 33 ".
std::string SortNumberList(const std::string& list);

} // namespace zorvy
