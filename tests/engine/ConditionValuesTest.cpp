// Pins what every condition and every trend kind means: for a few combinations, the value of each of
// the 166 conditions and of every kind of the serial, position and advanced views. The expected
// values were worked out from the feature definitions by a separate computation, never by this code;
// a condition or kind wired to the wrong feature fails here even when the literal and fast runs agree.
#include "engine/CompiledScheme.h"
#include "engine/Evaluators.h"
#include "engine/SerialDigits.h"
#include "engine/SerialFeatures.h"
#include "platform/rtl/Numbers.h"
#include "tests/engine/RealDraws.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

// The digit sets that the four "包含" conditions count, xhbh1 to xhbh4.
const std::array<std::string, 4> XhbhSets = {"012", "345", "678", "9"};

struct TPinnedCombination {
    TCombination Balls;
    int32_t Serial;
    std::array<int32_t, 10> Xhx;  // xhx0 .. xhx9
    std::array<int32_t, 22> Xhtz; // xhtz1 .. xhtz22, also the serial view's kinds 0 .. 21
    std::array<int32_t, 4> Xhbh;  // with XhbhSets
    // gw1 .. gw19, sw1 .. sw19 ... sww1 .. sww19, also the position views' kinds 0 .. 18, against the
    // draw context of the whole real history.
    std::array<std::array<int32_t, 19>, 6> Positions;
    std::array<int32_t, 16> Tb; // tb1 .. tb16, also the advanced view's kinds 0 .. 15
};

const TPinnedCombination Pinned[] = {
    {{10, 11, 12, 13, 26, 28}, // the first real draw, 2003001
     973136,
     {0, 1, 0, 2, 0, 0, 1, 1, 0, 1},
     {973136, 29, 6, 1, 5, 10, 1, 0, 10, 18, 8, 2, 3, 7, 1, 2, 4, 2, 2, 3, 9, 10},
     {1, 2, 2, 1},
     {{{6, 4, 1, 0, 4, 0, 4, 5, 4, 2, 0, 1, 2, 2, 8, 3, 3, 3, 1},
       {3, 2, 0, 1, 2, 0, 4, 2, 2, 1, 0, 2, 3, 3, 9, 2, 1, 2, 4},
       {1, 1, 0, 0, 4, 0, 3, 4, 3, 0, 1, 4, 3, 3, 9, 3, 2, 2, 2},
       {3, 2, 0, 0, 4, 0, 4, 3, 2, 1, 0, 2, 3, 3, 9, 2, 1, 2, 4},
       {7, 4, 1, 1, 6, 0, 2, 4, 4, 2, 1, 2, 1, 2, 8, 2, 3, 4, 2},
       {9, 5, 1, 0, 3, 0, 2, 3, 1, 3, 0, 0, 1, 3, 9, 1, 2, 4, 4}}},
     {2, 6, 6, 2, 10, 18, 2, 5, 3, 8, 6, 6, 2, 5, 2, 8}},
    {{3, 8, 12, 19, 25, 31},
     454284,
     {0, 0, 1, 0, 3, 1, 0, 0, 1, 0},
     {454284, 27, 6, 1, 5, 5, 5, 2, 10, 8, 3, 6, 2, 3, 7, 1, 1, 2, 6, 4, 10, 8},
     {1, 4, 1, 0},
     {{{4, 3, 0, 0, 4, 0, 2, 5, 2, 1, 1, 3, 2, 3, 9, 1, 1, 3, 5},
       {8, 5, 1, 0, 3, 0, 4, 6, 5, 2, 2, 3, 0, 3, 9, 3, 1, 1, 3},
       {2, 2, 0, 0, 4, 0, 2, 0, 5, 0, 2, 5, 2, 3, 9, 1, 3, 5, 3},
       {4, 3, 0, 0, 4, 0, 2, 7, 2, 1, 1, 3, 2, 3, 9, 1, 1, 3, 5},
       {5, 3, 1, 1, 6, 0, 3, 4, 5, 1, 2, 4, 1, 3, 9, 2, 2, 3, 3},
       {4, 3, 0, 0, 4, 0, 4, 7, 2, 1, 1, 3, 2, 3, 9, 1, 1, 3, 5}}},
     {6, 7, 6, 2, 5, 19, 1, 2, 4, 6, 5, 6, 2, 2, 4, 8}},
    {{1, 2, 8, 13, 17, 24}, // 2003010, a five-digit serial
     17546,
     {0, 1, 0, 0, 1, 1, 1, 1, 0, 0},
     {17546, 23, 5, 0, 5, 1, 2, 1, 10, 1, 4, 2, 3, 2, 5, 6, 2, 1, 2, 0, 4, 10},
     {1, 2, 2, 0},
     {{{6, 4, 1, 0, 4, 0, 4, 5, 4, 2, 0, 1, 2, 2, 8, 3, 3, 3, 1},
       {4, 3, 0, 1, 2, 0, 3, 6, 2, 1, 1, 3, 2, 3, 9, 1, 1, 3, 5},
       {5, 3, 1, 0, 4, 0, 2, 4, 5, 1, 2, 4, 1, 3, 9, 2, 2, 3, 3},
       {7, 4, 1, 0, 3, 1, 4, 3, 4, 2, 1, 2, 1, 2, 8, 2, 3, 4, 2},
       {1, 1, 0, 1, 5, 0, 4, 4, 3, 0, 1, 4, 3, 3, 9, 3, 2, 2, 2},
       {0, 1, 0, 1, 0, 1, 4, 7, 1, 0, 0, 3, 4, 0, 6, 0, 0, 0, 0}}},
     {7, 0, 3, 2, 5, 19, 3, 5, 4, 7, 2, 8, 4, 5, 5, 8}},
    {{14, 15, 18, 25, 26, 30}, // 2003021, a seven-digit serial
     1070423,
     {2, 1, 1, 1, 1, 0, 0, 1, 0, 0},
     {1070423, 17, 7, 1, 6, 10, 4, 2, 10, 18, 0, 0, 1, 3, 7, 1, 7, 7, 4, 2, 9, 11},
     {4, 2, 1, 0},
     {{{3, 2, 0, 1, 0, 1, 4, 1, 2, 1, 0, 2, 3, 3, 9, 2, 1, 2, 4},
       {2, 2, 0, 1, 2, 0, 4, 6, 5, 0, 2, 5, 2, 3, 9, 1, 3, 5, 3},
       {4, 3, 0, 0, 4, 0, 4, 0, 2, 1, 1, 3, 2, 3, 9, 1, 1, 3, 5},
       {0, 1, 0, 1, 0, 1, 2, 7, 1, 0, 0, 3, 4, 0, 6, 0, 0, 0, 0},
       {7, 4, 1, 1, 6, 0, 2, 4, 4, 2, 1, 2, 1, 2, 8, 2, 3, 4, 2},
       {0, 1, 0, 1, 0, 1, 4, 7, 1, 0, 0, 3, 4, 0, 6, 0, 0, 0, 0}}},
     {3, 3, 7, 2, 12, 19, 2, 5, 3, 8, 8, 2, 4, 5, 4, 8}},
    {{28, 29, 30, 31, 32, 33},
     1107568,
     {1, 2, 0, 0, 0, 1, 1, 1, 1, 0},
     {1107568, 28, 7, 1, 6, 0, 3, 2, 1, 0, 0, 0, 4, 2, 7, 0, 1, 7, 2, 1, 8, 12},
     {3, 1, 3, 0},
     {{{8, 5, 1, 0, 3, 0, 3, 5, 5, 2, 2, 3, 0, 3, 9, 3, 1, 1, 3},
       {6, 4, 1, 0, 3, 1, 4, 6, 4, 2, 0, 1, 2, 2, 8, 3, 3, 3, 1},
       {5, 3, 1, 0, 4, 0, 2, 4, 5, 1, 2, 4, 1, 3, 9, 2, 2, 3, 3},
       {7, 4, 1, 0, 3, 1, 4, 3, 4, 2, 1, 2, 1, 2, 8, 2, 3, 4, 2},
       {0, 1, 0, 1, 5, 0, 4, 0, 1, 0, 0, 3, 4, 0, 6, 0, 0, 0, 0},
       {1, 1, 0, 0, 4, 0, 4, 3, 3, 0, 1, 4, 3, 3, 9, 3, 2, 2, 2}}},
     {4, 3, 3, 2, 20, 20, 2, 4, 2, 5, 10, 1, 0, 2, 2, 7}},
};

// The context the position conditions compare with: last, second-last and third-last draw of the real
// history (sww first) and the omission counters, worked out from the same file.
const TDrawContext& RealContext() {
    static const TDrawContext context = GetWzEnd6v(RealDrawHistory());
    return context;
}

TEST(ConditionValues, DrawContextOfTheRealHistory) {
    const TDrawContext& context = RealContext();
    EXPECT_EQ(context.LastDrawDigits, (TPositionDigits{0, 8, 0, 0, 5, 3}));
    EXPECT_EQ(context.PrevDrawDigits, (TPositionDigits{5, 4, 7, 6, 6, 7}));
    EXPECT_EQ(context.PrevPrevDrawDigits, (TPositionDigits{7, 9, 2, 3, 9, 0}));
    const std::array<std::array<int32_t, 10>, 6> omission = {{{11, 16, 5, 4, 24, 0, 2, 1, 12, 3},
                                                              {20, 23, 6, 7, 0, 4, 9, 2, 11, 1},
                                                              {3, 4, 1, 10, 2, 13, 15, 0, 20, 5},
                                                              {9, 4, 2, 1, 8, 3, 0, 30, 21, 7},
                                                              {10, 5, 12, 19, 4, 7, 0, 2, 34, 1},
                                                              {1, 8, 32, 7, 3, 20, 6, 0, 5, 19}}};
    EXPECT_EQ(context.DigitOmission, omission);
}

// The expected value of a condition, by its stem.
int32_t Expected(const TPinnedCombination& pin, const std::string& stem) {
    const int condition = ConditionIndex(stem);
    if (condition < XhtzFirst) return pin.Xhx[condition - XhxFirst];
    if (condition < XhbhFirst) return pin.Xhtz[condition - XhtzFirst];
    if (condition < PositionFirst) return pin.Xhbh[condition - XhbhFirst];
    if (condition < TbFirst) {
        const int position = (condition - PositionFirst) / PositionKinds;
        return pin.Positions[position][(condition - PositionFirst) % PositionKinds];
    }
    return pin.Tb[condition - TbFirst];
}

// Every stem with the value it is pinned to, spelled out rather than derived from the table's order.
std::vector<std::string> AllStems() {
    std::vector<std::string> stems;
    for (int d = 0; d <= 9; ++d)
        stems.push_back("xhx" + std::to_string(d));
    for (int k = 1; k <= 22; ++k)
        stems.push_back("xhtz" + std::to_string(k));
    for (int k = 1; k <= 4; ++k)
        stems.push_back("xhbh" + std::to_string(k));
    for (const char* position : {"gw", "sw", "bw", "qw", "ww", "sww"})
        for (int k = 1; k <= 19; ++k)
            stems.push_back(position + std::to_string(k));
    for (const char* stem : {"tb1", "tb2", "tb3", "tb4", "tb5", "tb6", "tb7", "tb8", "Tb9", "Tb10", "Tb11",
                             "Tb12", "Tb13", "Tb14", "tb15", "tb16"})
        stems.push_back(stem);
    return stems;
}

// A run state in which only the condition of the stem is ticked, allowing exactly the values low..high.
TEvalState OneCondition(const std::string& stem, int32_t low, int32_t high, std::string* message) {
    TEvalState state;
    const int condition = ConditionIndex(stem);
    state.Checked[condition] = true;
    state.FamilyFlags[ConditionTable()[condition].Family] = true;
    TConditionRecord& record = state.ConditionRecords[condition];
    record = {-1, -1, -1, -1, -1, low, high, "-1"};
    if (condition >= XhbhFirst && condition < XhbhFirst + 4)
        record.ValueList = XhbhSets[condition - XhbhFirst];
    state.DrawContext = RealContext();
    state.JcTjErro = [message](bool, const std::string& m) { *message = m; };
    return state;
}

TEST(ConditionValues, EveryConditionOfTheEvaluators) {
    const std::vector<std::string> stems = AllStems();
    ASSERT_EQ(stems.size(), static_cast<size_t>(ConditionCount));
    for (const TPinnedCombination& pin : Pinned) {
        ASSERT_EQ(SerialNumber(pin.Balls), pin.Serial);
        const std::string text = IntToStr(pin.Serial);
        for (const std::string& stem : stems) {
            const int32_t value = Expected(pin, stem);
            std::string message;
            const TEvalState state = OneCondition(stem, value, value, &message);
            // The value each evaluator routine computes for the condition.
            const int condition = ConditionIndex(stem);
            int32_t computed = 0;
            if (condition < PositionFirst) {
                computed = XhConditionValue(condition, pin.Serial, text, state);
            } else if (condition < TbFirst) {
                const int position = (condition - PositionFirst) / PositionKinds;
                computed = PositionConditionValue((condition - PositionFirst) % PositionKinds, position, text,
                                                  state.DrawContext);
            } else {
                computed = TbConditionValue(condition - TbFirst, pin.Serial, pin.Balls);
            }
            EXPECT_EQ(computed, value) << stem << " of " << pin.Serial;

            // The whole chain of evaluators and the prepared scheme of a run, in check mode's order and
            // out of it: the value passes, its neighbours fail with the condition's message.
            auto literal = [&](const TEvalState& s) { return EvalAllConditions(pin.Balls, s); };
            // Out of check mode the run judges ten serials at a time and the balls after them.
            auto fast = [&](const TEvalState& s) {
                const TCompiledScheme scheme(s);
                EXPECT_FALSE(scheme.InOrder());
                return (scheme.DecadePassMask(TensDigits(pin.Serial / 10)) >> (pin.Serial % 10) & 1) != 0 &&
                       scheme.BallVerdict(BallCodesOf(pin.Balls)) == TCompiledScheme::Passed;
            };
            EXPECT_TRUE(literal(state)) << stem << " of " << pin.Serial;
            EXPECT_TRUE(fast(state)) << stem << " of " << pin.Serial;
            EXPECT_EQ(TCompiledScheme(state).Evaluate(SplitSerial(pin.Serial), pin.Balls),
                      TCompiledScheme::Passed)
                << stem << " of " << pin.Serial;
            for (int32_t other : {value - 1, value + 1}) {
                if (other < 0) continue; // a negative bound means no range at all
                message.clear();
                const TEvalState wrong = OneCondition(stem, other, other, &message);
                EXPECT_FALSE(literal(wrong)) << stem << " of " << pin.Serial << " passes " << other;
                EXPECT_FALSE(fast(wrong)) << stem << " of " << pin.Serial << " passes " << other;
                EXPECT_EQ(message, ConditionTable()[condition].Message);
                EXPECT_EQ(TCompiledScheme(wrong).Evaluate(SplitSerial(pin.Serial), pin.Balls), condition)
                    << stem << " of " << pin.Serial << " passes " << other;
            }
        }
    }
}

TEST(ConditionValues, EveryKindOfTheTrendViews) {
    const TDrawContext& context = RealContext();
    for (const TPinnedCombination& pin : Pinned) {
        const std::string text = IntToStr(pin.Serial);
        for (int kind = 0; kind < 22; ++kind)
            EXPECT_EQ(SerialTraitValue(kind, pin.Serial, text), pin.Xhtz[kind])
                << "serial kind " << kind << " of " << pin.Serial;
        for (int position = 0; position < 6; ++position) {
            const int entry = 5 - position; // the context holds sww first
            const std::string_view key = PositionKeys[position];
            for (int kind = 0; kind < PositionKinds; ++kind)
                EXPECT_EQ(PositionKindValue(kind, text, key, pin.Positions[position][0],
                                            context.LastDrawDigits[entry], context.PrevDrawDigits[entry],
                                            context.PrevPrevDrawDigits[entry], context.DigitOmission[entry]),
                          pin.Positions[position][kind])
                    << key << " kind " << kind << " of " << pin.Serial;
        }
        for (int kind = 0; kind < 16; ++kind)
            EXPECT_EQ(TbConditionValue(kind, pin.Serial, pin.Balls), pin.Tb[kind])
                << "advanced kind " << kind << " of " << pin.Serial;
    }
}

} // namespace
} // namespace zorvy
