#pragma once
// The condition text as the condition assistant writes and reads it: the choices its controls hold, the
// five segments built from them ("bh=1 3 /j=1/y=0/y=2/fw1=3/fw2=12/xfw=c5, 0 2 /") and the reading of
// a text back into choices. The window (ConditionAssistant.h) shows the choices; this file knows no
// control, so the text can be tested, fuzzed and timed without a screen.
#include <array>
#include <string>
#include <string_view>

namespace zorvy {

// The values the list panel offers ("0" to "54") and the divisors of its combo box ("2" to "15").
inline constexpr int ListValueCount = 55;
inline constexpr int LowestDivisor = 2;
inline constexpr int HighestDivisor = 15;

// What the assistant's controls hold.
struct TConditionChoices {
    bool DigitsOn = false;                     // xuanmchk "选值"
    std::array<bool, 10> Digits{};             // xuanmaqu
    bool Banker = false;                       // the text read held "dm=": the digits are banker digits
    int Parity = 0;                            // Jechk: 0 无, 1 奇, 2 偶
    std::array<bool, 3> Remainders{};          // yschk
    bool RangeOn = false;                      // Havechk
    std::string RangeLow = "0";                // begincom
    std::string RangeHigh = "1";               // Endcom
    bool ListOn = false;                       // NoLianxuchk
    int Divisor = 0;                           // chushuvcom; 0 is "无"
    std::array<bool, ListValueCount> Values{}; // NolianxuGroup

    bool operator==(const TConditionChoices&) const = default;
};

// The value of key in text, keys compared without regard to case; "-1" when no segment closed by "/"
// holds it. A key left in an open last segment ("fw1=3") counts as absent.
std::string GetTjvalue(std::string_view text, std::string_view key);

// The five segments; each is empty when its choice is off. bankerMode writes the digits as "dm=".
std::string xuanmavalueJs(const TConditionChoices& choices, bool bankerMode);
std::string JevalueJs(const TConditionChoices& choices);
std::string ysvalueJs(const TConditionChoices& choices);
std::string fwvalueJs(const TConditionChoices& choices);
std::string xfwvalueJs(const TConditionChoices& choices);
// The whole text: the five segments in order.
std::string BuildConditionText(const TConditionChoices& choices, bool bankerMode);

// The choices a text holds. A digit, range value, divisor or list value that cannot be what its
// control shows raises EConvertError, whose message names it; nothing is half read.
TConditionChoices ReadConditionChoices(std::string_view text);

} // namespace zorvy
