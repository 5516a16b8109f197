#include "engine/Evaluators.h"

#include "engine/BallFeatures.h"
#include "engine/SerialFeatures.h"
#include "engine/ValueKindFeatures.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

namespace {

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

int32_t SerialTraitValue(int kind, int32_t serial, const std::string& text) {
    if (kind == 0) return serial;
    if (kind >= 1 && kind <= 8) return SerialFeature(serial, XhtzSerialKeys[kind]);
    if (kind >= 15 && kind <= 19) return AdjacentDigitGap(text, GapKeys[kind - 15]);
    switch (kind) {
    case 9:
        return SerialFeature(serial, "fd5");
    case 10:
        return OddEvenType(text);
    case 11:
        return RemainderType(text);
    case 12:
        return CountBigDigits(text);
    case 13:
        return BigSmallType(text);
    case 14:
        return GapType(text);
    case 20:
        return StrToInt(BaseDigitStats(serial, 2, 25, "1"));
    case 21:
        return StrToInt(BaseDigitStats(serial, 2, 25, "0"));
    default:
        return 0;
    }
}

int32_t XhConditionValue(int condition, int32_t serial, const std::string& text, const TEvalState& state) {
    if (condition >= XhxFirst && condition < XhxFirst + 10)
        return CountDigitOccurrences(text, std::string(1, static_cast<char>('0' + condition - XhxFirst)));
    if (condition >= XhbhFirst && condition < XhbhFirst + 4)
        return CountDigitsInSet(text, DigitSetOf(state.ConditionRecords[condition]));
    return SerialTraitValue(condition - XhtzFirst, serial, text);
}

int32_t PositionKindValue(int kind, const std::string& text, std::string_view key, int32_t d, int32_t last,
                          int32_t prev, int32_t prevPrev, const std::array<int32_t, 10>& absence) {
    static constexpr std::string_view gridModes[] = {"h", "l", "zx", "yx"};
    if (kind >= 9 && kind <= 12) return StaticGridValue(text, gridModes[kind - 9], key);
    if (kind >= 15 && kind <= 18) return DynamicGridValue(text, gridModes[kind - 15], key);
    switch (kind) {
    case 0:
        return d;
    case 1:
        return DigitSegment(d);
    case 2:
        return PositionBigSmall(text, key);
    case 3:
        return UpDownValue(last, d, key);
    case 4:
        return sx3atbgv(prev, last, d);
    case 5:
        return DigitInLastThree(static_cast<int16_t>(last), static_cast<int16_t>(prev),
                                static_cast<int16_t>(prevPrev), static_cast<int16_t>(d));
    case 6:
        return HotWarmColdClass(absence, d);
    case 7:
        return TrigramValue(prev, last, d);
    case 8:
        return FiveElementValue(d);
    case 13:
        return BisectionSteps(1024, TripleMaskValue(text, key), "ds");
    case 14:
        return BisectionSteps(1024, TripleMaskValue(text, key), "bs");
    default:
        return 0;
    }
}

int32_t PositionConditionValue(int kind, int position, const std::string& text, const TDrawContext& context) {
    const std::string_view key = PositionKeys[position];
    const int entry = 5 - position;
    return PositionKindValue(kind, text, key, PositionDigitText(text, key)[0] - '0',
                             context.LastDrawDigits[entry], context.PrevDrawDigits[entry],
                             context.PrevPrevDrawDigits[entry], context.DigitOmission[entry]);
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
    case 15:
        return BisectionSteps(729, GroupRemainderCode(balls), "bs");
    default:
        return 0;
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

bool EvalAllConditions(const TCombination& balls, const TEvalState& state) {
    return EvalXhConditions(balls, state) && EvalGwConditions(balls, state) && EvalSwConditions(balls, state) &&
           EvalBwConditions(balls, state) && EvalQwConditions(balls, state) && EvalWwConditions(balls, state) &&
           EvalSwwConditions(balls, state) && EvalTbConditions(balls, state);
}

} // namespace zorvy
