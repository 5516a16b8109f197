#include "engine/CompiledScheme.h"

#include "engine/BallFeatures.h"
#include "engine/ValueKindFeatures.h"

#include <bit>

namespace zorvy {

namespace {

uint16_t DigitMask(std::string_view text) {
    uint16_t mask = 0;
    for (char c : text)
        if (c >= '0' && c <= '9') mask |= static_cast<uint16_t>(1u << (c - '0'));
    return mask;
}

// Kaprekar steps of every four-digit start, computed once.
const std::array<int8_t, 10000>& KaprekarTable() {
    static const std::array<int8_t, 10000> table = [] {
        std::array<int8_t, 10000> steps{};
        for (int32_t x = 0; x < 10000; ++x)
            steps[x] = static_cast<int8_t>(KaprekarRoutineSteps(x));
        return steps;
    }();
    return table;
}

// Sisyphus passes of a number other than 123 by its counts of even and odd digits: every later pass
// depends only on them. Index [even][odd], even + odd = 1 .. 7.
const std::array<std::array<int8_t, 8>, 8>& SisyphusTable() {
    static const std::array<std::array<int8_t, 8>, 8> table = [] {
        std::array<std::array<int8_t, 8>, 8> passes{};
        for (int even = 0; even <= 7; ++even)
            for (int odd = 0; even + odd <= 7; ++odd) {
                if (even + odd == 0) continue;
                int32_t n = 0; // odd ones then even twos: a number with these counts, never 123
                for (int i = 0; i < odd; ++i)
                    n = n * 10 + 1;
                for (int i = 0; i < even; ++i)
                    n = n * 10 + 2;
                passes[even][odd] = static_cast<int8_t>(SisyphusSteps(n));
            }
        return passes;
    }();
    return table;
}

} // namespace

TCompiledScheme::TCompiledScheme(const TEvalState& state) {
    bankerActive_ = BankerTestActive(state);
    if (bankerActive_) {
        bankerDigits_ = DigitMask(state.BankerDigits);
        bankerHalf_ = static_cast<int>(state.BankerDigits.size() / 2);
    }
    customwzchk_ = state.customwzchk;
    for (int position = 0; position < 6; ++position)
        selectedDigits_[position] = DigitMask(state.SelectedDigits[position]);

    auto compile = [&](int condition, std::string_view list) {
        const TConditionRecord& record = state.ConditionRecords[condition];
        return TCondition{
            condition, TCompiledTest(record.Marks(), list), DigitMask(DigitSetOf(record)), {}, nullptr};
    };
    for (ConditionFamily family : {cfBianma1, cfBianma2, cfBianma3}) {
        if (!state.FamilyFlags[family]) continue;
        for (int condition : FamilyTable()[family].Members) {
            if (!state.Checked[condition]) continue;
            const bool digitSet = condition >= XhbhFirst && condition < XhbhFirst + 4;
            xh_.push_back(compile(condition, digitSet ? "-1" : state.ConditionRecords[condition].ValueList));
        }
    }

    for (int position = 0; position < 6; ++position) {
        const ConditionFamily family = static_cast<ConditionFamily>(cfGw + position);
        positionActive_[position] = state.FamilyFlags[family];
        for (int digit = 0; digit <= 9; ++digit) {
            // Any text with the digit at this position stands for every serial that has it there.
            std::string text(position + 1, '0');
            text[0] = static_cast<char>('0' + digit);
            int16_t verdict = Passed;
            for (int condition : FamilyTable()[family].Members) {
                if (!positionActive_[position] || !state.Checked[condition]) continue;
                const int kind = (condition - PositionFirst) % PositionKinds;
                const int32_t value = PositionConditionValue(kind, position, text, state.DrawContext);
                try {
                    if (!CheckCondition(value, state.ConditionRecords[condition].Marks(),
                                        state.ConditionRecords[condition].ValueList))
                        verdict = static_cast<int16_t>(condition);
                } catch (...) {
                    verdict = PositionError;
                    positionError_[position][digit] = std::current_exception();
                }
                if (verdict != Passed) break;
            }
            positionVerdict_[position][digit] = verdict;
        }
    }

    for (ConditionFamily family : {cfTb1, cfTb2}) {
        if (!state.FamilyFlags[family]) continue;
        for (int condition : FamilyTable()[family].Members) {
            if (!state.Checked[condition]) continue;
            TCondition prepared = compile(condition, state.ConditionRecords[condition].ValueList);
            const int tb = condition - TbFirst;
            if (tb >= 6 && tb != 11) {
                // The value is a step count of a ball code (or the band of the ball sum): judge every code
                // once.
                const int32_t codes = tb == 10                                       ? 200
                                      : (tb == 6 || tb == 7 || tb == 12 || tb == 13) ? 65
                                                                                     : 730;
                const int32_t limit = codes - 1;
                const char* mode = tb % 2 == 0 ? "ds" : "bs";
                prepared.Verdicts.resize(codes);
                for (int32_t code = 0; code < codes; ++code) {
                    TCombination sum{};
                    sum[0] = static_cast<int16_t>(code); // a combination with this ball sum
                    const int32_t value = tb == 10 ? SumBandClass(sum) : BisectionSteps(limit, code, mode);
                    try {
                        prepared.Verdicts[code] = prepared.Test.Passes(value) ? 1 : 0;
                    } catch (...) {
                        prepared.Verdicts[code] = 2;
                        prepared.Error = std::current_exception();
                    }
                }
            }
            tb_.push_back(std::move(prepared));
        }
    }
    if (!tb_.empty()) {
        KaprekarTable();
        SisyphusTable();
    }
}

int32_t TCompiledScheme::XhValue(const TCondition& c, const TSerialDigits& s) const {
    const int condition = c.Condition;
    if (condition < XhtzFirst) return s.Count[condition - XhxFirst];
    if (condition >= XhbhFirst) {
        int32_t count = 0;
        for (uint16_t digits = s.Present & c.DigitSet; digits != 0; digits &= digits - 1)
            count += s.Count[std::countr_zero(digits)];
        return count;
    }
    switch (condition - XhtzFirst + 1) {
    case 1:
        return s.N;
    case 2:
        return DigitSum(s);
    case 3:
        return s.Length;
    case 4:
        return RepeatedDigitValues(s);
    case 5:
        return s.Length - RepeatedDigitValues(s);
    case 6:
        return SerialSegment(s.N);
    case 7:
        return EvenDigitCount(s);
    case 8:
        return NeighbourStepCount(s);
    case 9:
        return FirstEqualNeighbour(s);
    case 10:
        return SerialSegment5(s.N);
    case 11:
        return OddEvenTypeOf(s);
    case 12:
        return RemainderTypeOf(s);
    case 13:
        return BigDigitCountOf(s);
    case 14:
        return BigSmallTypeOf(s);
    case 15:
        return GapTypeOf(s);
    case 21:
        return BinaryOnesBelowLeading(s.N);
    case 22:
        return BinaryZerosBelowLeading(s.N);
    default:
        return AdjacentDigitGapOf(s, condition - XhtzFirst + 1 - 15);
    }
}

int32_t TCompiledScheme::TbTableIndex(int condition, const TCombination& balls) {
    switch (condition - TbFirst) {
    case 6:
    case 7:
        return BallParityCode(balls);
    case 8:
    case 9:
        return BallRemainderCode(balls);
    case 10:
        return BallSum(balls);
    case 12:
    case 13:
        return GroupParityCode(balls);
    default:
        return GroupRemainderCode(balls);
    }
}

int32_t TCompiledScheme::TbValue(int condition, const TSerialDigits& s, const TCombination& balls,
                                 std::array<int32_t, 2>& serialBisection) const {
    const int32_t n = s.N;
    switch (condition - TbFirst) {
    case 0:
        return n < 1002 ? 0 : KaprekarTable()[KaprekarDigits(n, "q4")];
    case 1:
        return n < 1002 ? 0 : KaprekarTable()[KaprekarDigits(n, "z4")];
    case 2:
        return n < 1002 ? 0 : KaprekarTable()[KaprekarDigits(n, "h4")];
    case 3: {
        const int even = EvenDigitCount(s);
        return n == 123 ? 0 : SisyphusTable()[even][s.Length - even];
    }
    case 4:
    case 5:
        if (serialBisection[0] < 0) {
            serialBisection[0] = BisectionSteps(CombinationCount, n, "ds");
            serialBisection[1] = BisectionSteps(CombinationCount, n, "bs");
        }
        return serialBisection[condition - TbFirst - 4];
    default:
        return ZoneRatioClass(balls);
    }
}

int TCompiledScheme::Evaluate(const TSerialDigits& s, const TCombination& balls) const {
    if (bankerActive_ && std::popcount(static_cast<uint16_t>(s.Present & bankerDigits_)) != bankerHalf_)
        return RejectedByBanker;
    if (customwzchk_) {
        for (int position = 5; position >= 0; --position)
            if (!(selectedDigits_[position] >> s.Right[position] & 1)) return RejectedSilently;
    }
    for (const TCondition& c : xh_)
        if (!c.Test.Passes(XhValue(c, s))) return c.Condition;
    for (int position = 0; position < 6; ++position) {
        if (!positionActive_[position]) continue;
        const int16_t verdict = positionVerdict_[position][s.Right[position]];
        if (verdict == PositionError) std::rethrow_exception(positionError_[position][s.Right[position]]);
        if (verdict != Passed) return verdict;
    }
    std::array<int32_t, 2> serialBisection = {-1, -1};
    for (const TCondition& c : tb_) {
        if (!c.Verdicts.empty()) {
            const int32_t code = TbTableIndex(c.Condition, balls);
            const int8_t verdict = c.Verdicts[code];
            if (verdict == 1) continue;
            if (verdict == 0) return c.Condition;
            std::rethrow_exception(c.Error);
        }
        if (!c.Test.Passes(TbValue(c.Condition, s, balls, serialBisection))) return c.Condition;
    }
    return Passed;
}

const std::string& TCompiledScheme::Message(int code) {
    static const std::string banker = BankerFailureMessage;
    static const std::string none;
    if (code == RejectedByBanker) return banker;
    if (code >= 0 && code < ConditionCount) return ConditionTable()[code].Message;
    return none;
}

} // namespace zorvy
