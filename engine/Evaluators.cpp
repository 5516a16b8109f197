#include "engine/Evaluators.h"

#include "engine/BallFeatures.h"
#include "engine/SerialFeatures.h"
#include "engine/ValueKindFeatures.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

namespace {

constexpr std::array<const char*, 6> PositionKeys = {"gw", "sw", "bw", "qw", "ww", "sww"};
constexpr std::array<const char*, 9> XhtzSerialKeys = {"", "hz", "cd", "tz", "nt", "fd", "oz", "lh", "lt"};
constexpr std::array<const char*, 5> GapKeys = {"12", "23", "34", "45", "56"};

bool Fails(const TEvalState& state, int condition, int32_t value, std::string_view list) {
    if (CheckCondition(value, state.ConditionRecords[condition].Marks(), list)) return false;
    if (state.JcTjErro) state.JcTjErro(state.CheckModeOn, ConditionTable()[condition].Message);
    return true;
}

// Tests the ticked members of a family in order; false at the first that fails.
template <typename Value> bool PassesFamily(const TEvalState& state, ConditionFamily family, Value value) {
    if (!state.FamilyFlags[family]) return true;
    for (int condition : FamilyTable()[family].Members) {
        if (!state.Checked[condition]) continue;
        const bool digitSet = condition >= XhbhFirst && condition < XhbhFirst + 4;
        const std::string& list = state.ConditionRecords[condition].ValueList;
        if (Fails(state, condition, value(condition),
                  digitSet ? std::string_view("-1") : std::string_view(list)))
            return false;
    }
    return true;
}

bool EvalPosition(const TCombination& balls, const TEvalState& state, int position) {
    const ConditionFamily family = static_cast<ConditionFamily>(cfGw + position);
    if (!state.FamilyFlags[family]) return true;
    const std::string text = IntToStr(state.Serial(balls));
    return PassesFamily(state, family, [&](int condition) {
        return PositionConditionValue((condition - PositionFirst) % PositionKinds, position, text,
                                      state.DrawContext);
    });
}

} // namespace

bool BankerTestActive(const TEvalState& state) {
    if (!state.Tj_danmachk || state.BankerDigits == "-1") return false;
    for (char c : state.BankerDigits)
        if (c >= '0' && c <= '9') return true;
    return false;
}

std::string_view DigitSetOf(const TConditionRecord& record) {
    return record.ValueList == "-1" ? std::string_view() : std::string_view(record.ValueList);
}

int32_t XhConditionValue(int condition, int32_t serial, const std::string& text, const TEvalState& state) {
    if (condition >= XhxFirst && condition < XhxFirst + 10)
        return CountDigitOccurrences(text, std::string(1, static_cast<char>('0' + condition - XhxFirst)));
    if (condition >= XhbhFirst && condition < XhbhFirst + 4)
        return CountDigitsInSet(text, DigitSetOf(state.ConditionRecords[condition]));
    const int kind = condition - XhtzFirst + 1; // xhtz1 .. xhtz22
    if (kind == 1) return serial;
    if (kind <= 9) return SerialFeature(serial, XhtzSerialKeys[kind - 1]);
    switch (kind) {
    case 10:
        return SerialFeature(serial, "fd5");
    case 11:
        return OddEvenType(text);
    case 12:
        return RemainderType(text);
    case 13:
        return CountBigDigits(text);
    case 14:
        return BigSmallType(text);
    case 15:
        return GapType(text);
    case 21:
        return StrToInt(BaseDigitStats(serial, 2, 25, "1"));
    case 22:
        return StrToInt(BaseDigitStats(serial, 2, 25, "0"));
    default:
        return AdjacentDigitGap(text, GapKeys[kind - 16]);
    }
}

int32_t PositionConditionValue(int kind, int position, const std::string& text, const TDrawContext& context) {
    const char* key = PositionKeys[position];
    const int entry = 5 - position;
    const int32_t d = PositionDigitText(text, key)[0] - '0';
    const int32_t last = context.LastDrawDigits[entry];
    const int32_t prev = context.PrevDrawDigits[entry];
    switch (kind + 1) {
    case 1:
        return d;
    case 2:
        return DigitSegment(d);
    case 3:
        return PositionBigSmall(text, key);
    case 4:
        return UpDownValue(last, d, key);
    case 5:
        return sx3atbgv(prev, last, d);
    case 6:
        return DigitInLastThree(context.LastDrawDigits[entry], context.PrevDrawDigits[entry],
                                context.PrevPrevDrawDigits[entry], static_cast<int16_t>(d));
    case 7:
        return HotWarmColdClass(context.DigitOmission[entry], d);
    case 8:
        return TrigramValue(prev, last, d);
    case 9:
        return FiveElementValue(d);
    case 10:
        return StaticGridValue(text, "h", key);
    case 11:
        return StaticGridValue(text, "l", key);
    case 12:
        return StaticGridValue(text, "zx", key);
    case 13:
        return StaticGridValue(text, "yx", key);
    case 14:
        return BisectionSteps(1024, TripleMaskValue(text, key), "ds");
    case 15:
        return BisectionSteps(1024, TripleMaskValue(text, key), "bs");
    case 16:
        return DynamicGridValue(text, "h", key);
    case 17:
        return DynamicGridValue(text, "l", key);
    case 18:
        return DynamicGridValue(text, "zx", key);
    default:
        return DynamicGridValue(text, "yx", key);
    }
}

int32_t TbConditionValue(int condition, int32_t serial, const TCombination& balls) {
    switch (condition) {
    case 0:
        return KaprekarSteps(serial, "q4");
    case 1:
        return KaprekarSteps(serial, "z4");
    case 2:
        return KaprekarSteps(serial, "h4");
    case 3:
        return SisyphusSteps(serial);
    case 4:
        return BisectionSteps(CombinationCount, serial, "ds");
    case 5:
        return BisectionSteps(CombinationCount, serial, "bs");
    case 6:
        return BisectionSteps(64, BallParityCode(balls), "ds");
    case 7:
        return BisectionSteps(64, BallParityCode(balls), "bs");
    case 8:
        return BisectionSteps(729, BallRemainderCode(balls), "ds");
    case 9:
        return BisectionSteps(729, BallRemainderCode(balls), "bs");
    case 10:
        return SumBandClass(balls);
    case 11:
        return ZoneRatioClass(balls);
    case 12:
        return BisectionSteps(64, GroupParityCode(balls), "ds");
    case 13:
        return BisectionSteps(64, GroupParityCode(balls), "bs");
    case 14:
        return BisectionSteps(729, GroupRemainderCode(balls), "ds");
    default:
        return BisectionSteps(729, GroupRemainderCode(balls), "bs");
    }
}

bool EvalXhConditions(const TCombination& balls, const TEvalState& state) {
    const int32_t serial = state.Serial(balls);
    const std::string text = IntToStr(serial);
    if (BankerTestActive(state) && !ContainsBankerDigits(text, state.BankerDigits)) {
        if (state.JcTjErro) state.JcTjErro(state.CheckModeOn, BankerFailureMessage);
        return false;
    }
    if (state.customwzchk) {
        for (int position = 5; position >= 0; --position)
            if (!ContainsText(state.SelectedDigits[position],
                              PositionDigitText(text, PositionKeys[position])))
                return false;
    }
    auto value = [&](int condition) { return XhConditionValue(condition, serial, text, state); };
    return PassesFamily(state, cfBianma1, value) && PassesFamily(state, cfBianma2, value) &&
           PassesFamily(state, cfBianma3, value);
}

bool EvalGwConditions(const TCombination& balls, const TEvalState& state) {
    return EvalPosition(balls, state, 0);
}
bool EvalSwConditions(const TCombination& balls, const TEvalState& state) {
    return EvalPosition(balls, state, 1);
}
bool EvalBwConditions(const TCombination& balls, const TEvalState& state) {
    return EvalPosition(balls, state, 2);
}
bool EvalQwConditions(const TCombination& balls, const TEvalState& state) {
    return EvalPosition(balls, state, 3);
}
bool EvalWwConditions(const TCombination& balls, const TEvalState& state) {
    return EvalPosition(balls, state, 4);
}
bool EvalSwwConditions(const TCombination& balls, const TEvalState& state) {
    return EvalPosition(balls, state, 5);
}

bool EvalTbConditions(const TCombination& balls, const TEvalState& state) {
    if (!state.FamilyFlags[cfTb1] && !state.FamilyFlags[cfTb2]) return true;
    const int32_t serial = state.Serial(balls);
    auto value = [&](int condition) { return TbConditionValue(condition - TbFirst, serial, balls); };
    return PassesFamily(state, cfTb1, value) && PassesFamily(state, cfTb2, value);
}

} // namespace zorvy
