#include "engine/CompiledScheme.h"

#include "engine/BallFeatures.h"
#include "engine/ValueKindFeatures.h"

#include <algorithm>
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

// The four digits a Kaprekar condition starts from, for a serial of 1,002 or more.
int32_t KaprekarStart(int32_t n, int mode) {
    switch (mode) {
    case 0: // q4: the first four digits
        return n >= 1000000 ? n / 1000 : n >= 100000 ? n / 100 : n >= 10000 ? n / 10 : n;
    case 1: // z4: the second to fifth digits of a six- or seven-digit serial
        return n >= 1000000 ? n % 1000000 / 100 : n >= 100000 ? n % 100000 / 10 : 0;
    default: // h4: the last four digits
        return n % 10000;
    }
}

// Steps of the halving search for the serial among all serials: all of them, and the upward ones.
std::array<int32_t, 2> SerialBisection(int32_t target) {
    int32_t low = 0, high = CombinationCount + 1, middle = (low + high) / 2;
    std::array<int32_t, 2> steps = {0, 0};
    while (middle != target && high - low > 1) {
        ++steps[0];
        if (middle > target) {
            high = middle;
        } else {
            low = middle;
            ++steps[1];
        }
        middle = (low + high) / 2;
    }
    return steps;
}

// A combination with the given zone counts (7 * first + second, the rest in the third zone).
TCombination ZoneCombination(int32_t zoneCode) {
    const int first = zoneCode / 7, second = zoneCode % 7;
    TCombination balls{};
    for (int i = 0; i < 6; ++i)
        balls[i] = static_cast<int16_t>(i < first ? 1 + i : i < first + second ? 12 + i : 23 + i);
    return balls;
}

} // namespace

TBallCodes BallCodesOf(const TCombination& balls) {
    TBallCodes codes = NoBalls;
    for (int place = 0; place < 6; ++place)
        codes = AddBall(codes, place, balls[place]);
    return codes;
}

TCompiledScheme::TSerialTest TCompiledScheme::MakeSerialTest(TKind kind, int condition, uint16_t arg,
                                                             const TConditionRecord& record,
                                                             std::string_view list) const {
    TSerialTest test{kind, static_cast<int16_t>(condition), arg, 0, 0, TCompiledTest(record.Marks(), list)};
    for (int32_t v = 0; v < SmallValues; ++v) {
        try {
            if (test.Test.Passes(v)) test.PassMask |= uint64_t{1} << v;
        } catch (...) {
            test.ErrorMask |= uint64_t{1} << v;
        }
    }
    return test;
}

TCompiledScheme::TCompiledScheme(const TEvalState& state) {
    const bool checkMode = state.CheckModeOn;
    bool mayRaise = false;
    if (BankerTestActive(state)) {
        bankerDigits_ = DigitMask(state.BankerDigits);
        bankerHalf_ = static_cast<int>(state.BankerDigits.size() / 2);
        ordered_.push_back({TKind::Banker, RejectedByBanker, 0, 0, 0, {}});
    }
    for (int position = 0; position < 6; ++position)
        selectedDigits_[position] = DigitMask(state.SelectedDigits[position]);
    if (state.customwzchk) ordered_.push_back({TKind::Custom, RejectedSilently, 0, 0, 0, {}});

    static constexpr TKind xhtzKinds[] = {
        TKind::Serial,      TKind::Sum,           TKind::Length,   TKind::Repeated,     TKind::Distinct,
        TKind::Segment,     TKind::Even,          TKind::Steps,    TKind::FirstEqual,   TKind::Segment5,
        TKind::OddEvenType, TKind::RemainderType, TKind::BigCount, TKind::BigSmallType, TKind::GapType,
        TKind::Gap,         TKind::Gap,           TKind::Gap,      TKind::Gap,          TKind::Gap,
        TKind::BinaryOnes,  TKind::BinaryZeros};
    for (ConditionFamily family : {cfBianma1, cfBianma2, cfBianma3}) {
        if (!state.FamilyFlags[family]) continue;
        for (int condition : FamilyTable()[family].Members) {
            if (!state.Checked[condition]) continue;
            const TConditionRecord& record = state.ConditionRecords[condition];
            if (condition < XhtzFirst) {
                ordered_.push_back(MakeSerialTest(TKind::Count, condition,
                                                  static_cast<uint16_t>(condition - XhxFirst), record,
                                                  record.ValueList));
            } else if (condition >= XhbhFirst) {
                ordered_.push_back(
                    MakeSerialTest(TKind::DigitSet, condition, DigitMask(DigitSetOf(record)), record, "-1"));
            } else {
                const int k = condition - XhtzFirst;
                ordered_.push_back(MakeSerialTest(xhtzKinds[k], condition, static_cast<uint16_t>(k - 14),
                                                  record, record.ValueList));
            }
        }
    }

    for (int position = 0; position < 6; ++position) {
        const ConditionFamily family = static_cast<ConditionFamily>(cfGw + position);
        if (!state.FamilyFlags[family]) {
            positionVerdict_[position].fill(Passed);
            continue;
        }
        for (int digit = 0; digit <= 9; ++digit) {
            // Any text with the digit at this position stands for every serial that has it there.
            std::string text(position + 1, '0');
            text[0] = static_cast<char>('0' + digit);
            int16_t verdict = Passed;
            for (int condition : FamilyTable()[family].Members) {
                if (!state.Checked[condition]) continue;
                const int kind = (condition - PositionFirst) % PositionKinds;
                const int32_t value = PositionConditionValue(kind, position, text, state.DrawContext);
                try {
                    if (!CheckCondition(value, state.ConditionRecords[condition].Marks(),
                                        state.ConditionRecords[condition].ValueList))
                        verdict = static_cast<int16_t>(condition);
                } catch (...) {
                    verdict = RaisesError;
                    positionError_[position][digit] = std::current_exception();
                    mayRaise = true;
                }
                if (verdict != Passed) break;
            }
            positionVerdict_[position][digit] = verdict;
        }
        ordered_.push_back({TKind::Position, 0, static_cast<uint16_t>(position), 0, 0, {}});
    }

    for (ConditionFamily family : {cfTb1, cfTb2}) {
        if (!state.FamilyFlags[family]) continue;
        for (int condition : FamilyTable()[family].Members) {
            if (!state.Checked[condition]) continue;
            const TConditionRecord& record = state.ConditionRecords[condition];
            const int tb = condition - TbFirst;
            if (tb < 6) {
                static constexpr TKind tbKinds[] = {TKind::KaprekarQ4,  TKind::KaprekarZ4,
                                                    TKind::KaprekarH4,  TKind::Sisyphus,
                                                    TKind::BisectionDs, TKind::BisectionBs};
                ordered_.push_back(MakeSerialTest(tbKinds[tb], condition, 0, record, record.ValueList));
                continue;
            }
            // The value is a function of one ball code: judge every code once.
            const TCompiledTest test(record.Marks(), record.ValueList);
            const int code = tb == 10 ? 4 : tb == 11 ? 5 : tb <= 7 ? 0 : tb <= 9 ? 1 : tb <= 13 ? 2 : 3;
            const int32_t codes = code == 4 ? 200 : code == 5 ? 49 : code == 0 || code == 2 ? 65 : 730;
            TBallTest ballTest{static_cast<int16_t>(condition), code, std::vector<int8_t>(codes), nullptr};
            for (int32_t c = 0; c < codes; ++c) {
                int32_t value = 0;
                if (code == 4) {
                    TCombination sum{};
                    sum[0] = static_cast<int16_t>(c); // a combination with this ball sum
                    value = SumBandClass(sum);
                } else if (code == 5) {
                    value = ZoneRatioClass(ZoneCombination(c));
                } else {
                    value = BisectionSteps(codes - 1, c, tb % 2 == 0 ? "ds" : "bs");
                }
                try {
                    ballTest.Verdicts[c] = test.Passes(value) ? 1 : 0;
                } catch (...) {
                    ballTest.Verdicts[c] = 2;
                    ballTest.Error = std::current_exception();
                    mayRaise = true;
                }
            }
            ballTests_.push_back(std::move(ballTest));
        }
    }
    // A test that passes every value it can take changes no verdict.
    std::erase_if(ordered_, [](const TSerialTest& test) { return AlwaysPasses(test); });
    std::erase_if(ballTests_, [](const TBallTest& test) { return AlwaysPasses(test); });
    for (const TSerialTest& test : ordered_)
        mayRaise = mayRaise || test.ErrorMask != 0 || test.Test.MayRaise();
    KaprekarTable();
    SisyphusTable();

    // Only the first failing condition of a candidate is ever reported, and only in check mode; an
    // error must come from the first test that raises. Otherwise the order is free.
    inOrder_ = checkMode || mayRaise;
    if (!inOrder_) SortByCost();
}

bool TCompiledScheme::AlwaysPasses(const TSerialTest& test) {
    // The largest value of each kind over all serials (the smallest is 0); 0 for the kinds that cannot
    // be told from their value mask.
    static constexpr int largest[] = {0, 0, 0, 7, 63, 7,  7, 7, 10, 18, 7, 6, 10, 8, 9,
                                      7, 8, 8, 9, 20, 20, 7, 0, 7,  7,  7, 3, 20, 20};
    static_assert(std::size(largest) == static_cast<size_t>(TKind::BisectionBs) + 1);
    const int top = largest[static_cast<int>(test.Kind)];
    if (top == 0) return false;
    const uint64_t values = (uint64_t{2} << top) - 1;
    return (test.PassMask & values) == values;
}

bool TCompiledScheme::AlwaysPasses(const TBallTest& test) {
    const auto passes = [&](int32_t code) { return test.Verdicts[static_cast<size_t>(code)] == 1; };
    switch (test.Code) {
    case 4:
        for (int32_t sum = 21; sum <= 183; ++sum)
            if (!passes(sum)) return false;
        return true;
    case 5:
        for (int first = 0; first <= 6; ++first)
            for (int second = 0; first + second <= 6; ++second)
                if (!passes(first * 7 + second)) return false;
        return true;
    default:
        for (int32_t code = 1; code < static_cast<int32_t>(test.Verdicts.size()); ++code)
            if (!passes(code)) return false;
        return true;
    }
}

void TCompiledScheme::SortByCost() {
    for (int position = 0; position < 6; ++position) {
        allowedDigits_[position] = 0x3FF;
        for (int digit = 0; digit <= 9; ++digit)
            if (positionVerdict_[position][digit] != Passed) allowedDigits_[position] &= ~(1u << digit);
    }
    std::vector<TSerialDigits> samples;
    for (int32_t n = 1; n <= CombinationCount; n += 541)
        samples.push_back(SplitSerial(n));
    std::vector<std::pair<double, TSerialTest>> weighed;
    for (const TSerialTest& test : ordered_) {
        if (test.Kind == TKind::Position) continue;
        if (test.Kind == TKind::Custom) {
            for (int position = 0; position < 6; ++position)
                allowedDigits_[position] &= selectedDigits_[position];
            continue;
        }
        // Cost per rejection: the test's rough cost over the share of a sample of serials it rejects.
        int rejected = 0;
        for (const TSerialDigits& sample : samples)
            rejected += Judge(test, sample) != jPass;
        const double cost = test.Kind == TKind::BisectionDs || test.Kind == TKind::BisectionBs ? 20
                            : test.Kind == TKind::Steps || test.Kind == TKind::FirstEqual ||
                                    test.Kind == TKind::Gap || test.Kind >= TKind::KaprekarQ4
                                ? 4
                                : 1;
        weighed.emplace_back(cost / (rejected + 0.5), test);
    }
    std::stable_sort(weighed.begin(), weighed.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    for (auto& [weight, test] : weighed)
        fast_.push_back(std::move(test));
}

int32_t TCompiledScheme::Value(const TSerialTest& test, const TSerialDigits& s) const {
    switch (test.Kind) {
    case TKind::Count:
        return s.Count[test.Arg];
    case TKind::Sum:
        return s.Sum;
    case TKind::Length:
        return s.Length;
    case TKind::Repeated:
        return s.Repeated;
    case TKind::Distinct:
        return s.Length - s.Repeated;
    case TKind::Segment:
        return SerialSegment(s.N);
    case TKind::Segment5:
        return SerialSegment5(s.N);
    case TKind::Even:
        return s.EvenCount;
    case TKind::Steps:
        return NeighbourStepCount(s);
    case TKind::FirstEqual:
        return FirstEqualNeighbour(s);
    case TKind::OddEvenType:
        return OddEvenTypeOf(s);
    case TKind::RemainderType:
        return RemainderTypeOf(s);
    case TKind::BigCount:
        return BigDigitCountOf(s);
    case TKind::BigSmallType:
        return BigSmallTypeOf(s);
    case TKind::GapType:
        return GapTypeOf(s);
    case TKind::Gap:
        return AdjacentDigitGapOf(s, test.Arg);
    case TKind::BinaryOnes:
        return BinaryOnesBelowLeading(s.N);
    case TKind::BinaryZeros:
        return BinaryZerosBelowLeading(s.N);
    case TKind::DigitSet: {
        int32_t count = 0;
        for (uint16_t digits = s.Present & test.Arg; digits != 0; digits &= digits - 1)
            count += s.Count[std::countr_zero(digits)];
        return count;
    }
    case TKind::Serial:
        return s.N;
    case TKind::KaprekarQ4:
    case TKind::KaprekarZ4:
    case TKind::KaprekarH4:
        return s.N < 1002 ? 0
                          : KaprekarTable()[KaprekarStart(s.N, static_cast<int>(test.Kind) -
                                                                   static_cast<int>(TKind::KaprekarQ4))];
    case TKind::Sisyphus:
        return s.N == 123 ? 0 : SisyphusTable()[s.EvenCount][s.Length - s.EvenCount];
    case TKind::BisectionDs:
        return SerialBisection(s.N)[1];
    case TKind::BisectionBs:
        return SerialBisection(s.N)[0];
    default:
        return 0;
    }
}

TCompiledScheme::TJudgement TCompiledScheme::Judge(const TSerialTest& test, const TSerialDigits& s) const {
    switch (test.Kind) {
    case TKind::Banker:
        return std::popcount(static_cast<uint16_t>(s.Present & bankerDigits_)) == bankerHalf_ ? jPass : jFail;
    case TKind::Custom:
        for (int position = 5; position >= 0; --position)
            if (!(selectedDigits_[position] >> s.Right[position] & 1)) return jFail;
        return jPass;
    case TKind::Position: {
        const int16_t verdict = positionVerdict_[test.Arg][s.Right[test.Arg]];
        return verdict == Passed ? jPass : verdict == RaisesError ? jRaise : jFail;
    }
    default:
        break;
    }
    const int32_t value = Value(test, s);
    if (value >= 0 && value < SmallValues) {
        if (test.PassMask >> value & 1) return jPass;
        return test.ErrorMask >> value & 1 ? jRaise : jFail;
    }
    try {
        return test.Test.Passes(value) ? jPass : jFail;
    } catch (...) {
        return jRaise;
    }
}

int16_t TCompiledScheme::OrderedVerdict(const TSerialDigits& s) const {
    for (const TSerialTest& test : ordered_) {
        switch (Judge(test, s)) {
        case jPass:
            continue;
        case jRaise:
            return RaisesError;
        case jFail:
            return test.Kind == TKind::Position ? positionVerdict_[test.Arg][s.Right[test.Arg]]
                                                : test.Condition;
        }
    }
    return Passed;
}

uint16_t TCompiledScheme::DecadeMask(const TSerialTest& test, const TSerialDigits& tens,
                                     uint16_t units) const {
    constexpr uint16_t all = 0x3FF, even = 0x155, odd = 0x2AA, big = 0x3E0;
    // All units when the value passes, none otherwise.
    const auto pass = [&](int32_t value) -> uint16_t {
        if (value >= 0 && value < SmallValues) return test.PassMask >> value & 1 ? all : 0;
        return test.Test.Passes(value) ? all : 0;
    };
    // The units in `where` take the value `in`, the others `out`.
    const auto split = [&](uint16_t where, int32_t in, int32_t out) -> uint16_t {
        return static_cast<uint16_t>((pass(in) & where) | (pass(out) & ~where & all));
    };
    const int length = tens.Length + 1;
    switch (test.Kind) {
    case TKind::Banker: {
        const int found = std::popcount(static_cast<uint16_t>(tens.Present & bankerDigits_));
        const uint16_t adds = bankerDigits_ & ~tens.Present;
        return static_cast<uint16_t>(
            ((found + 1 == bankerHalf_ ? adds : 0) | (found == bankerHalf_ ? ~adds : 0)) & all);
    }
    case TKind::Count:
        return split(static_cast<uint16_t>(1u << test.Arg), tens.Count[test.Arg] + 1, tens.Count[test.Arg]);
    case TKind::Sum:
        return tens.Sum + 9 < SmallValues ? static_cast<uint16_t>(test.PassMask >> tens.Sum & all) : 0;
    case TKind::Length:
        return pass(length);
    case TKind::Repeated:
    case TKind::Distinct: {
        uint16_t once = 0;
        for (int d = 0; d <= 9; ++d)
            once |= static_cast<uint16_t>((tens.Count[d] == 1) << d);
        return test.Kind == TKind::Repeated ? split(once, tens.Repeated + 1, tens.Repeated)
                                            : split(once, length - tens.Repeated - 1, length - tens.Repeated);
    }
    case TKind::Even:
        return split(even, tens.EvenCount + 1, tens.EvenCount);
    case TKind::OddEvenType:
    case TKind::GapType: {
        TSerialDigits s = tens;
        s.OddMask = static_cast<uint8_t>(tens.OddMask << 1 | 1);
        const int32_t withOdd = test.Kind == TKind::GapType ? GapTypeOf(s) : OddEvenTypeOf(s);
        s.OddMask = static_cast<uint8_t>(tens.OddMask << 1);
        return split(odd, withOdd, test.Kind == TKind::GapType ? GapTypeOf(s) : OddEvenTypeOf(s));
    }
    case TKind::BigSmallType: {
        TSerialDigits s = tens;
        s.BigMask = static_cast<uint8_t>(tens.BigMask << 1 | 1);
        const int32_t withBig = BigSmallTypeOf(s);
        s.BigMask = static_cast<uint8_t>(tens.BigMask << 1);
        return split(big, withBig, BigSmallTypeOf(s));
    }
    case TKind::BigCount:
        return split(big, BigDigitCountOf(tens) + 1, BigDigitCountOf(tens));
    case TKind::RemainderType: {
        uint16_t mask = 0;
        for (int r = 0; r < 3; ++r) {
            TSerialDigits s = tens;
            s.RemainderSum = tens.RemainderSum * 3 + r;
            mask |= static_cast<uint16_t>(pass(RemainderTypeOf(s)) & (0x249 << r));
        }
        return mask;
    }
    case TKind::Steps: {
        const int32_t steps = NeighbourStepCount(tens);
        if (tens.Length == 0) return pass(steps);
        const int r = tens.Right[0];
        const uint16_t neighbours = static_cast<uint16_t>(((1u << (r + 1)) | (1u << r >> 1)) & all);
        return split(neighbours, steps + 1, steps);
    }
    case TKind::FirstEqual: {
        const int32_t first = FirstEqualNeighbour(tens);
        if (first != 10 || tens.Length == 0) return pass(first);
        const int r = tens.Right[0];
        return split(static_cast<uint16_t>(1u << r), r, 10);
    }
    case TKind::Gap:
        if (test.Arg < tens.Length) return pass(AdjacentDigitGapOf(tens, test.Arg));
        if (test.Arg > tens.Length || tens.Length == 0) return pass(0);
        break;
    case TKind::DigitSet: {
        int32_t count = 0;
        for (uint16_t digits = tens.Present & test.Arg; digits != 0; digits &= digits - 1)
            count += tens.Count[std::countr_zero(digits)];
        return split(test.Arg, count + 1, count);
    }
    case TKind::Segment:
    case TKind::Segment5: {
        const auto segment = test.Kind == TKind::Segment ? SerialSegment : SerialSegment5;
        const int32_t low = segment(tens.N * 10), high = segment(tens.N * 10 + 9);
        if (low == high) return pass(low);
        break;
    }
    case TKind::Sisyphus:
        if (tens.N == 12) break; // 123 lies in this decade
        return split(even, SisyphusTable()[tens.EvenCount + 1][length - tens.EvenCount - 1],
                     SisyphusTable()[tens.EvenCount][length - tens.EvenCount]);
    default:
        break;
    }
    // Unit by unit.
    uint16_t mask = 0;
    for (; units != 0; units &= units - 1) {
        const int u = std::countr_zero(units);
        if (Judge(test, WithUnits(tens, u)) == jPass) mask |= static_cast<uint16_t>(1u << u);
    }
    return mask;
}

uint16_t TCompiledScheme::DecadePassMask(const TSerialDigits& tens) const {
    // The tens digits are those of every serial of the decade at the next position up.
    for (int position = 1; position < 6; ++position)
        if (!(allowedDigits_[position] >> tens.Right[position - 1] & 1)) return 0;
    uint16_t units = allowedDigits_[0];
    for (const TSerialTest& test : fast_) {
        if (units == 0) break;
        units &= DecadeMask(test, tens, units);
    }
    return units;
}

void TCompiledScheme::DecadeVerdicts(const TSerialDigits& tens, TDecadeVerdicts& verdicts) const {
    if (inOrder_) {
        // Test by test in the evaluators' order, each on the units still alive: a unit's verdict is the
        // first test it fails.
        verdicts.fill(Passed);
        uint16_t alive = 0x3FF;
        const auto reject = [&](uint16_t units, int16_t verdict) {
            units &= alive;
            alive &= static_cast<uint16_t>(~units);
            for (; units != 0; units &= units - 1)
                verdicts[std::countr_zero(units)] = verdict;
        };
        for (const TSerialTest& test : ordered_) {
            if (alive == 0) return;
            if (test.Kind == TKind::Position && test.Arg > 0) {
                reject(positionVerdict_[test.Arg][tens.Right[test.Arg - 1]] == Passed ? 0 : alive,
                       positionVerdict_[test.Arg][tens.Right[test.Arg - 1]]);
            } else if (test.Kind == TKind::Position) {
                for (int u = 0; u <= 9; ++u)
                    if (positionVerdict_[0][u] != Passed)
                        reject(static_cast<uint16_t>(1u << u), positionVerdict_[0][u]);
            } else if (test.Kind == TKind::Custom) {
                bool tensSelected = true;
                for (int position = 1; position < 6; ++position)
                    tensSelected =
                        tensSelected && (selectedDigits_[position] >> tens.Right[position - 1] & 1);
                reject(tensSelected ? static_cast<uint16_t>(~selectedDigits_[0] & 0x3FF) : alive,
                       RejectedSilently);
            } else if (test.ErrorMask != 0 || test.Test.MayRaise()) {
                for (uint16_t units = alive; units != 0; units &= units - 1) {
                    const int u = std::countr_zero(units);
                    const TJudgement judgement = Judge(test, WithUnits(tens, u));
                    if (judgement != jPass)
                        reject(static_cast<uint16_t>(1u << u),
                               judgement == jRaise ? RaisesError : test.Condition);
                }
            } else {
                reject(static_cast<uint16_t>(~DecadeMask(test, tens, alive) & 0x3FF), test.Condition);
            }
        }
        return;
    }
    const uint16_t units = DecadePassMask(tens);
    for (int u = 0; u <= 9; ++u)
        verdicts[u] = units >> u & 1 ? Passed : RejectedSilently;
}

void TCompiledScheme::RaiseFor(const TSerialDigits& s, const TBallCodes& codes) const {
    for (const TSerialTest& test : ordered_) {
        if (Judge(test, s) != jRaise) continue;
        if (test.Kind == TKind::Position) std::rethrow_exception(positionError_[test.Arg][s.Right[test.Arg]]);
        test.Test.Passes(Value(test, s)); // raises
    }
    for (const TBallTest& test : ballTests_)
        if (test.Verdicts[codes[test.Code]] == 2) std::rethrow_exception(test.Error);
    std::terminate(); // a verdict of RaisesError always has a raising test
}

int TCompiledScheme::Evaluate(const TSerialDigits& s, const TCombination& balls) const {
    const TBallCodes codes = BallCodesOf(balls);
    const int16_t verdict = OrderedVerdict(s);
    if (verdict == RaisesError) RaiseFor(s, codes);
    if (verdict != Passed) return verdict;
    for (const TBallTest& test : ballTests_) {
        const int8_t verdict = test.Verdicts[codes[test.Code]];
        if (verdict == 0) return test.Condition;
        if (verdict == 2) std::rethrow_exception(test.Error);
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
