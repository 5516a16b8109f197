#pragma once
// Features of a serial number and of its decimal digits. Position keys "gw", "sw", "bw", "qw", "ww",
// "sww" name the 1st to 6th digit counted from the right. All routines are pure.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorvy {

// The position keys, the units digit first.
inline constexpr std::array<std::string_view, 6> PositionKeys = {"gw", "sw", "bw", "qw", "ww", "sww"};

// The feature of N named by key: "hz", "cd", "tz", "nt", "fd", "fd5", "111", "11", "22", "oz", "lh",
// "lt" or a position key; 0 for any other key.
int32_t SerialFeature(int32_t n, std::string_view key);

// The digit of the serial text at a position ("0" when the text is too short); any other key gives
// the first character of a seven-character text and "0" otherwise.
std::string PositionDigitText(std::string_view serialText, std::string_view key);
// 1 when the digit at the position is above 4, else 0.
int32_t PositionBigSmall(std::string_view serialText, std::string_view key);
// 0/1 -> 1, 2/3 -> 2, 4/5 -> 3, 6/7 -> 4, 8/9 -> 5, anything else 0.
int32_t DigitSegment(int32_t digit);

int32_t CountBigDigits(std::string_view text);
// Characters of text (repeats counted) that occur in the set text.
int32_t CountDigitsInSet(std::string_view text, std::string_view set);
int32_t CountDigitOccurrences(std::string_view text, std::string_view digit);
// |k-th - (k+1)-th digit from the left| for the keys "12", "23", "34", "45", "56"; 0 when too short.
int32_t AdjacentDigitGap(std::string_view serialText, std::string_view key);

// Place-weighted classes of the digits, the leftmost digit weighing most.
int32_t BigSmallType(std::string_view serialText);
int32_t GapType(std::string_view serialText);
int32_t RemainderType(std::string_view serialText);
int32_t OddEvenType(std::string_view serialText);

// The number written in a base: mode "str" gives the digits padded with "0" to width, "1" and "0"
// count the ones and the other digits below the leading digit, any other mode the digits below it.
std::string BaseDigitStats(int32_t number, int16_t base, int32_t width, std::string_view mode);

} // namespace zorvy
