#pragma once
// The eight evaluators of a filter run, each a function of the candidate and the state of the run,
// computed the reference way: the serial by the method the state names and every feature from the
// serial text.
#include "engine/Combination.h"
#include "engine/ConditionTable.h"
#include "engine/DrawContext.h"
#include "engine/SerialNumber.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace zorvy {

// Everything the evaluators read besides the candidate, fixed when a run starts.
struct TEvalState {
    TConditionRecords ConditionRecords{};
    std::array<bool, ConditionCount> Checked{};  // the condition check boxes
    std::array<bool, FamilyCount> FamilyFlags{}; // bianma1chk ... tb_2chk
    bool Tj_danmachk = false;
    std::string BankerDigits = "-1";
    bool customwzchk = false;
    std::array<std::string, 6> SelectedDigits; // gw, sw, bw, qw, ww, sww
    TDrawContext DrawContext;
    bool CheckModeOn = false;
    int32_t (*Serial)(const TCombination&) = SerialNumber;
    // Receives (CheckModeOn, message) for the condition that rejected the candidate.
    std::function<void(bool, const std::string&)> JcTjErro;
};

inline constexpr const char* BankerFailureMessage = "胆码错误";

// Whether the banker test applies at all: a banker text without digits (or without "dm=") tests nothing.
bool BankerTestActive(const TEvalState& state);

bool EvalXhConditions(const TCombination& balls, const TEvalState& state);
bool EvalGwConditions(const TCombination& balls, const TEvalState& state);
bool EvalSwConditions(const TCombination& balls, const TEvalState& state);
bool EvalBwConditions(const TCombination& balls, const TEvalState& state);
bool EvalQwConditions(const TCombination& balls, const TEvalState& state);
bool EvalWwConditions(const TCombination& balls, const TEvalState& state);
bool EvalSwwConditions(const TCombination& balls, const TEvalState& state);
bool EvalTbConditions(const TCombination& balls, const TEvalState& state);
// The eight evaluators above in the order a run applies them; the first that rejects ends the test.
bool EvalAllConditions(const TCombination& balls, const TEvalState& state);

// The value of serial trait kind 0 to 21 (the condition xhtz1 ... xhtz22) of a serial and its text; any
// other kind gives 0.
int32_t SerialTraitValue(int kind, int32_t serial, const std::string& serialText);
// The value a serial-family condition (xhx*, xhtz*, xhbh*) tests for a serial.
int32_t XhConditionValue(int condition, int32_t serial, const std::string& serialText,
                         const TEvalState& state);
// The value of position kind 0 to 18 for the digit d at the position key of the serial text, given the
// digits that position had in the last three draws (last first) and how many draws each digit has been
// absent from it; any other kind gives 0.
int32_t PositionKindValue(int kind, const std::string& serialText, std::string_view key, int32_t d,
                          int32_t last, int32_t prev, int32_t prevPrev,
                          const std::array<int32_t, 10>& absence);
// The value a position condition tests for the digit d at position (0 = gw ... 5 = sww), the serial text
// being any text with that digit at that position.
int32_t PositionConditionValue(int kind, int position, const std::string& serialText,
                               const TDrawContext& context);
// The value an advanced condition (tb1 ... tb16, index 0..15) tests; any other index gives 0.
int32_t TbConditionValue(int condition, int32_t serial, const TCombination& balls);

// The digit set a "包含" condition counts: its value list, or nothing when the list was not given.
std::string_view DigitSetOf(const TConditionRecord& record);

} // namespace zorvy
