#pragma once
// The conditions of one run prepared for the fast path. Everything that reads only the serial (banker,
// custom positions, the serial families, the positions, tb1 .. tb6) is judged ten serials at a time from
// the digits of their common tens; the conditions on the balls read running ball codes. Gives the same
// verdicts, messages and errors as the eight evaluators. Without check mode, and when no test can
// raise, the cheapest and most selective tests run first, since only pass or fail is then observable.
#include "engine/CompiledTest.h"
#include "engine/Evaluators.h"
#include "engine/SerialDigits.h"

#include <array>
#include <exception>
#include <vector>

namespace zorvy {

// The codes the advanced conditions on balls read, built ball by ball: BallParityCode,
// BallRemainderCode, GroupParityCode, GroupRemainderCode, BallSum, and the zone counts as 7 * (balls
// in 1..11) + (balls in 12..22).
using TBallCodes = std::array<int32_t, 6>;
inline constexpr TBallCodes NoBalls = {1, 1, 1, 1, 0, 0};
// Codes added by each ball at each place: [code][place][ball].
using TBallTerms = std::array<std::array<std::array<int16_t, 34>, 6>, 6>;
constexpr TBallTerms MakeBallTerms() {
    TBallTerms terms{};
    constexpr int powers2[] = {32, 16, 8, 4, 2, 1};
    constexpr int powers3[] = {243, 81, 27, 9, 3, 1};
    for (int place = 0; place < 6; ++place)
        for (int ball = 1; ball <= 33; ++ball) {
            const int group = (ball + 2) / 3;
            terms[0][place][ball] = static_cast<int16_t>(ball % 2 * powers2[place]);
            terms[1][place][ball] = static_cast<int16_t>(ball % 3 * powers3[place]);
            terms[2][place][ball] = static_cast<int16_t>(group % 2 * powers2[place]);
            terms[3][place][ball] = static_cast<int16_t>(group % 3 * powers3[place]);
            terms[4][place][ball] = static_cast<int16_t>(ball);
            terms[5][place][ball] = static_cast<int16_t>(ball <= 11 ? 7 : ball <= 22 ? 1 : 0);
        }
    return terms;
}
inline constexpr TBallTerms BallTerms = MakeBallTerms();
// The codes after adding ball (1..33) at place (0 = first ball .. 5).
inline TBallCodes AddBall(const TBallCodes& codes, int place, int ball) {
    TBallCodes result;
    for (int code = 0; code < 6; ++code)
        result[code] = codes[code] + BallTerms[code][place][ball];
    return result;
}
TBallCodes BallCodesOf(const TCombination& balls);

// Verdicts of the ten serials 10h .. 10h + 9, by units digit.
using TDecadeVerdicts = std::array<int16_t, 10>;

class TCompiledScheme {
  public:
    static constexpr int16_t Passed = -1;
    static constexpr int16_t RejectedSilently = -2; // by the custom positions, or by any test out of order
    static constexpr int16_t RaisesError = -3;
    static constexpr int16_t RejectedByBanker = ConditionCount;

    explicit TCompiledScheme(const TEvalState& state);

    // Whether a rejection names the first failing condition in the evaluators' order.
    bool InOrder() const { return inOrder_; }
    bool HasBallTests() const { return !ballTests_.empty(); }

    // The verdicts of the serials 10h .. 10h + 9 on the tests that read only the serial; high holds the
    // digits of h (none at all for h = 0). An error is RaisesError, never raised.
    void DecadeVerdicts(const TSerialDigits& high, TDecadeVerdicts& verdicts) const;
    // Out of order: the units of the serials 10h .. 10h + 9 that pass the tests that read only the serial.
    uint16_t DecadePassMask(const TSerialDigits& high) const;
    // The verdict of the tests on the balls, for a candidate the serial's tests passed.
    int16_t BallVerdict(const TBallCodes& codes) const {
        for (const TBallTest& test : ballTests_) {
            const int8_t verdict = test.Verdicts[codes[test.Code]];
            if (verdict == 1) continue;
            return verdict == 0 ? (inOrder_ ? test.Condition : RejectedSilently) : RaisesError;
        }
        return Passed;
    }
    // Raises the error that the evaluators raise for this candidate (one whose verdict is RaisesError).
    [[noreturn]] void RaiseFor(const TSerialDigits& serial, const TBallCodes& codes) const;

    // Passed, RejectedSilently, RejectedByBanker or the index of the condition that rejects the
    // candidate first in the evaluators' order. Raises what the rejecting test raises.
    int Evaluate(const TSerialDigits& serial, const TCombination& balls) const;

    // The check-mode message of a rejection code.
    static const std::string& Message(int code);

  private:
    enum class TKind : uint8_t {
        Banker,
        Custom,
        Position,
        Count,
        Sum,
        Length,
        Repeated,
        Distinct,
        Segment,
        Segment5,
        Even,
        Steps,
        FirstEqual,
        OddEvenType,
        RemainderType,
        BigCount,
        BigSmallType,
        GapType,
        Gap,
        BinaryOnes,
        BinaryZeros,
        DigitSet,
        Serial,
        KaprekarQ4,
        KaprekarZ4,
        KaprekarH4,
        Sisyphus,
        BisectionDs,
        BisectionBs
    };
    static constexpr int SmallValues = 64;
    struct TSerialTest {
        TKind Kind;
        int16_t Condition;                    // the rejection code
        uint16_t Arg;                         // digit, gap, position or digit mask
        uint64_t PassMask = 0, ErrorMask = 0; // verdicts of the values 0 .. SmallValues - 1
        TCompiledTest Test;
    };
    struct TBallTest {
        int16_t Condition;
        int Code;                     // index into TBallCodes
        std::vector<int8_t> Verdicts; // by code: 1 pass, 0 fail, 2 raises
        std::exception_ptr Error;
    };
    enum TJudgement { jPass, jFail, jRaise };

    TSerialTest MakeSerialTest(TKind kind, int condition, uint16_t arg, const TConditionRecord& record,
                               std::string_view list) const;
    int32_t Value(const TSerialTest& test, const TSerialDigits& s) const;
    TJudgement Judge(const TSerialTest& test, const TSerialDigits& s) const;
    // The units u (among those in `units`) for which the serial 10 * tens + u passes the test.
    uint16_t DecadeMask(const TSerialTest& test, const TSerialDigits& tens, uint16_t units) const;
    int16_t OrderedVerdict(const TSerialDigits& s) const;
    static bool AlwaysPasses(const TSerialTest& test);
    static bool AlwaysPasses(const TBallTest& test);
    void SortByCost();

    bool inOrder_ = true;
    uint16_t bankerDigits_ = 0;
    int bankerHalf_ = 0;
    std::array<uint16_t, 6> selectedDigits_{};                 // gw .. sww
    std::array<std::array<int16_t, 10>, 6> positionVerdict_{}; // Passed, a condition or RaisesError
    std::array<std::array<std::exception_ptr, 10>, 6> positionError_;
    std::vector<TSerialTest> ordered_; // in the evaluators' order
    std::array<uint16_t, 6>
        allowedDigits_{};              // out of order: the digits custom positions and positions let through
    std::vector<TSerialTest> fast_;    // out of order: the other serial tests, cheapest first
    std::vector<TBallTest> ballTests_; // in the evaluators' order
};

} // namespace zorvy
