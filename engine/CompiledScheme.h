#pragma once
// The conditions of one run prepared for the fast path: value lists parsed, the position families
// reduced to a verdict per digit, the serial taken from the enumeration and its features computed
// from its digits. Gives the same verdicts, messages and errors as the eight evaluators.
#include "engine/CompiledTest.h"
#include "engine/Evaluators.h"
#include "engine/SerialDigits.h"

#include <array>
#include <exception>
#include <vector>

namespace zorvy {

class TCompiledScheme {
  public:
    static constexpr int Passed = -1;
    static constexpr int RejectedSilently = -2; // by the custom positions
    static constexpr int RejectedByBanker = ConditionCount;

    explicit TCompiledScheme(const TEvalState& state);

    // Passed, RejectedSilently, RejectedByBanker or the index of the condition that rejected the
    // candidate (the first in the evaluators' order). Raises what the rejecting test raises.
    int Evaluate(const TSerialDigits& serial, const TCombination& balls) const;

    // The check-mode message of a rejection code.
    static const std::string& Message(int code);

  private:
    struct TCondition {
        int Condition;
        TCompiledTest Test;
        uint16_t DigitSet = 0; // the digits a "包含" condition counts
        // For an advanced condition whose value is a function of a ball code or of the ball sum: the
        // verdict for each code (1 pass, 0 fail, 2 the test raises).
        std::vector<int8_t> Verdicts;
        std::exception_ptr Error;
    };
    static constexpr int16_t PositionError = -3;

    int32_t XhValue(const TCondition& condition, const TSerialDigits& serial) const;
    int32_t TbValue(int condition, const TSerialDigits& serial, const TCombination& balls,
                    std::array<int32_t, 2>& serialBisection) const;
    static int32_t TbTableIndex(int condition, const TCombination& balls);

    bool bankerActive_ = false;
    uint16_t bankerDigits_ = 0;
    int bankerHalf_ = 0;
    bool customwzchk_ = false;
    std::array<uint16_t, 6> selectedDigits_{}; // gw .. sww
    std::vector<TCondition> xh_;
    std::array<bool, 6> positionActive_{};
    std::array<std::array<int16_t, 10>, 6> positionVerdict_{}; // Passed, a condition index or PositionError
    std::array<std::array<std::exception_ptr, 10>, 6> positionError_;
    std::vector<TCondition> tb_;
};

} // namespace zorvy
