#pragma once
// Features that turn a digit, a short run of values or a code into a small class: relations to the
// last draws, fixed digit tables and step-counting statistics.
#include <array>
#include <cstdint>
#include <string_view>

namespace zorvy {

// The ten digit triples that TripleMaskValue looks a digit up in, in their fixed order.
inline constexpr std::array<std::string_view, 10> DigitTriples = {"158", "149", "256", "249", "289",
                                                                  "357", "678", "013", "034", "067"};

// 1 when a >= b, else 0 (the key is not used).
int32_t UpDownValue(int32_t a, int32_t b, std::string_view key);
// 1 when the text of d occurs in the texts of a, b and c one after the other, else 0.
int32_t DigitInLastThree(int16_t a, int16_t b, int16_t c, int16_t d);
// 1 -> 1, 2..3 -> 2, 4..5 -> 3, anything else 4; an index outside 0..9 gives 4.
int32_t HotWarmColdClass(const std::array<int32_t, 10>& counters, int32_t index);
// Trigram 0..7 of the parities of a, b, c; -1 when a parity is negative.
int32_t TrigramValue(int32_t a, int32_t b, int32_t c);
int32_t FiveElementValue(int32_t digit);
// Keypad values of the digit at a position, modes "h", "l", "zx", "yx".
int32_t StaticGridValue(std::string_view serialText, std::string_view mode, std::string_view key);
int32_t DynamicGridValue(std::string_view serialText, std::string_view mode, std::string_view key);
// 1 + the sum of 2^(9-i) over the digit triples i that hold the digit at the position.
int32_t TripleMaskValue(std::string_view serialText, std::string_view key);

// Halving search for target in 0..limit: mode "bs" counts all steps, "ds" the upward ones.
// A target outside 0..limit ends once the interval cannot shrink further.
int32_t BisectionSteps(int32_t limit, int32_t target, std::string_view mode);
// Passes of the even/odd/total digit-count sequence until it reaches 123.
int32_t SisyphusSteps(int32_t n);
// Kaprekar steps to 6174 of four digits of N chosen by mode "q4", "z4" or "h4".
int32_t KaprekarSteps(int32_t n, std::string_view mode);
// The four digits KaprekarSteps starts from (N itself for another mode or N above the last serial).
int32_t KaprekarDigits(int32_t n, std::string_view mode);
// Steps of the routine from x (its four lowest digits) to 6174; a routine that reaches 0 ends there.
int32_t KaprekarRoutineSteps(int32_t x);

// A three-digit 0/1 pattern of three values read as a decimal number. Mode "dx" compares each
// value with the small and big thresholds, given as the texts of bxcom and bdcom (a text that is
// not a number raises EConvertError); "je" writes parities; "0", "1", "2" mark remainder matches.
int32_t ThreeValuePattern(int32_t first, int32_t second, int32_t third, std::string_view mode,
                          const std::string& bxcom, const std::string& bdcom);

// Shape code 0..7 of three successive values: a two draws back, b the previous, c the current.
int32_t sx3atbgv(int32_t a, int32_t b, int32_t c);

} // namespace zorvy
