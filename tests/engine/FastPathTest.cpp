// The fast path against the reference: digit features against the text features, prepared tests
// against CheckCondition, and prepared schemes against the eight evaluators.
#include "engine/CompiledScheme.h"
#include "engine/CompiledTest.h"
#include "engine/FilterRun.h"
#include "engine/SerialFeatures.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "tests/engine/AllCombinations.h"
#include "tests/engine/Outcome.h"
#include "tests/engine/RandomSchemes.h"
#include "tests/engine/RealDraws.h"
#include "tests/engine/RecordingHost.h"

#include <gtest/gtest.h>

#include <random>

namespace zorvy {
namespace {

TEST(FastPath, DigitFeaturesEqualTextFeatures) {
    std::vector<int32_t> serials = {0,      1,       9,       10,      11,      99,     100,
                                    4455,   99999,   100000,  100001,  150000,  150001, 454284,
                                    999999, 1000000, 1099999, 1100000, 1100001, 1107568};
    for (int32_t n = 2; n <= CombinationCount; n += 89)
        serials.push_back(n);
    const char* gapKeys[] = {"12", "23", "34", "45", "56"};
    const char* positionKeys[] = {"gw", "sw", "bw", "qw", "ww", "sww"};
    for (int32_t n : serials) {
        const TSerialDigits s = SplitSerial(n);
        const std::string t = IntToStr(n);
        ASSERT_EQ(s.Length, SerialFeature(n, "cd")) << n;
        ASSERT_EQ(DigitSum(s), SerialFeature(n, "hz")) << n;
        ASSERT_EQ(RepeatedDigitValues(s), SerialFeature(n, "tz")) << n;
        ASSERT_EQ(EvenDigitCount(s), SerialFeature(n, "oz")) << n;
        ASSERT_EQ(NeighbourStepCount(s), SerialFeature(n, "lh")) << n;
        ASSERT_EQ(FirstEqualNeighbour(s), SerialFeature(n, "lt")) << n;
        ASSERT_EQ(SerialSegment(n), SerialFeature(n, "fd")) << n;
        ASSERT_EQ(SerialSegment5(n), SerialFeature(n, "fd5")) << n;
        ASSERT_EQ(OddEvenTypeOf(s), OddEvenType(t)) << n;
        ASSERT_EQ(RemainderTypeOf(s), RemainderType(t)) << n;
        ASSERT_EQ(BigDigitCountOf(s), CountBigDigits(t)) << n;
        ASSERT_EQ(BigSmallTypeOf(s), BigSmallType(t)) << n;
        ASSERT_EQ(GapTypeOf(s), GapType(t)) << n;
        ASSERT_EQ(BinaryOnesBelowLeading(n), StrToInt(BaseDigitStats(n, 2, 25, "1"))) << n;
        ASSERT_EQ(BinaryZerosBelowLeading(n), StrToInt(BaseDigitStats(n, 2, 25, "0"))) << n;
        for (int k = 1; k <= 5; ++k)
            ASSERT_EQ(AdjacentDigitGapOf(s, k), AdjacentDigitGap(t, gapKeys[k - 1])) << n;
        for (int p = 0; p < 6; ++p)
            ASSERT_EQ(s.Right[p], SerialFeature(n, positionKeys[p])) << n;
        for (int d = 0; d <= 9; ++d)
            ASSERT_EQ(s.Count[d], CountDigitOccurrences(t, std::string(1, static_cast<char>('0' + d)))) << n;
    }
}

TEST(FastPath, AdvancingTheDigitsMatchesSplittingTheSerial) {
    TSerialDigits stepped = SplitSerial(0);
    for (int32_t n = 1; n <= CombinationCount; ++n) {
        AdvanceSerial(stepped);
        const TSerialDigits split = SplitSerial(n);
        const bool same = stepped.N == split.N && stepped.Length == split.Length &&
                          stepped.Right == split.Right && stepped.Present == split.Present &&
                          stepped.Count == split.Count && stepped.Sum == split.Sum &&
                          stepped.EvenCount == split.EvenCount && stepped.Repeated == split.Repeated &&
                          stepped.OddMask == split.OddMask && stepped.BigMask == split.BigMask &&
                          stepped.RemainderSum == split.RemainderSum;
        ASSERT_TRUE(same) << n;
    }
}

TEST(FastPath, PreparedTestsAnswerAsCheckCondition) {
    std::mt19937 random(11);
    const std::vector<std::string> pieces = {"",     " ",   "  ",  "1",    "12",  "007", "-3",
                                             "c",    "C",   ",",   "5",    "x",   "0",   "1107568",
                                             "4096", "c3,", "c0,", "c-2,", "c7,", "c1,", "9"};
    const std::vector<int32_t> marks = {-1, -1, -1, 0, 1, 2, 3};
    std::vector<int32_t> values = {-7, -3, -2, -1, 4095, 4096, 4097, 1107568, 1107567, -2147483647};
    for (int32_t v = 0; v <= 40; ++v)
        values.push_back(v);
    for (int round = 0; round < 3000; ++round) {
        std::string list;
        if (random() % 8 == 0) {
            list = "-1";
        } else {
            for (int n = random() % 9; n > 0; --n)
                list += pieces[random() % pieces.size()] + (random() % 3 ? " " : "");
        }
        TConditionMarks m{};
        for (int32_t& mark : m)
            mark = marks[random() % marks.size()];
        if (random() % 2) {
            m[5] = static_cast<int32_t>(random() % 10) - 1;
            m[6] = m[5] + static_cast<int32_t>(random() % 30);
        }
        const TCompiledTest prepared(m, list);
        for (int32_t v : values)
            ASSERT_EQ(Outcome([&] { return prepared.Passes(v); }),
                      Outcome([&] { return CheckCondition(v, m, list); }))
                << "'" << list << "' " << v;
    }
}

TEST(FastPath, PreparedSchemesJudgeAsTheEvaluators) {
    std::mt19937 random(5);
    const std::vector<TDraw> history = RealDrawHistory();
    const std::vector<TDraw> shortHistory(history.end() - 40, history.end());
    for (int scheme = 0; scheme < 40; ++scheme) {
        TFilterEngine engine;
        TRecordingHost host;
        TFilterInput input = RandomScheme(random);
        TEvalState state = LoadScheme(input, engine, host, GetWzEnd6v(scheme % 2 ? history : shortHistory));
        std::string message;
        state.JcTjErro = [&](bool, const std::string& m) { message = m; };
        const TCompiledScheme prepared(state);

        int32_t serial = 0;
        TCombination c = FirstCombination;
        do {
            if (++serial % 397 != scheme) continue;
            message.clear();
            const std::string literal = Outcome([&] { return EvalAllConditions(c, state); });
            int verdict = TCompiledScheme::Passed;
            const std::string fast = Outcome([&] {
                verdict = prepared.Evaluate(SplitSerial(serial), c);
                return verdict == TCompiledScheme::Passed;
            });
            ASSERT_EQ(fast, literal) << "scheme " << scheme << " serial " << serial;
            if (fast == "0") {
                ASSERT_EQ(TCompiledScheme::Message(verdict), message) << serial;
            }
        } while (NextCombination(c));
    }
}

TEST(FastPath, DrawContextIsRecomputedForEveryRun) {
    TFilterEngine engine;
    TRecordingHost host;
    host.KeepResults = false;
    TFilterInput input;
    input.DigitButtons = AllDigits();
    input.DigitButtons[5] = input.DigitButtons[4] =
        input.DigitButtons[3] = {true}; // serials below 1000 and 1,000,xxx
    Tick(input, "gw4", "xfw= 1 /");     // the last draw's units digit is at least the candidate's
    host.History = {{"2026001", "01 02 03 04 05 07"}}; // units digit 2
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 599); // units 0..2 among 1..999 (299) and 1,000,000..1,000,999 (300)
    host.History.push_back({"2026002", "03 08 12 19 25 31"}); // units digit 4
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 999);
}

TEST(FastPath, LastRealDrawPassesASchemeOfItsOwnValues) {
    const std::vector<TDraw> history = RealDrawHistory();
    const TDraw& last = history.back();
    TFilterEngine engine;
    TRecordingHost host;
    host.History = history;
    TFilterInput input;
    engine.TJErrochkClick(true, last.ResultA1 + " 04", input.DigitButtons, host);

    const TCombination balls = ReadDrawBalls(last.ResultA1, last.Issue);
    const int32_t serial = SerialNumber(balls);
    const std::string text = IntToStr(serial);
    const TDrawContext context = GetWzEnd6v(history);
    TEvalState state; // the records are read only by the digit-set conditions, which get their own texts
    auto own = [](int32_t value) { return "xfw= " + IntToStr(value) + " /"; };
    for (int c = 0; c < XhbhFirst; ++c)
        input.Conditions[c] = {true, own(XhConditionValue(c, serial, text, state))};
    for (int c = XhbhFirst; c < XhbhFirst + 4; ++c) {
        const std::string length = IntToStr(static_cast<int32_t>(text.size()));
        input.Conditions[c] = {true, "xfw=0123456789/fw1=" + length + "/fw2=" + length + "/"};
    }
    for (int c = PositionFirst; c < TbFirst; ++c) {
        const int position = (c - PositionFirst) / PositionKinds;
        input.Conditions[c] = {
            true, own(PositionConditionValue((c - PositionFirst) % PositionKinds, position, text, context))};
    }
    for (int c = TbFirst; c < ConditionCount; ++c)
        input.Conditions[c] = {true, own(TbConditionValue(c - TbFirst, serial, balls))};
    input.Tj_danmachk = true;
    input.Tj_danmaEdit = "dm=";
    for (char digit = '0'; digit <= '9'; ++digit)
        if (text.find(digit) != std::string::npos) input.Tj_danmaEdit += std::string(1, digit) + " ";
    input.Tj_danmaEdit += "/";

    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.Results, std::vector<std::string>{CombinationText(balls, true)}) << last.ResultA1;
    // The banker test judges every candidate; the draw's twin a million above fails on its value.
    EXPECT_EQ(engine.CheckLog, (std::vector<std::string>{"胆码错误", "六码值错误"}));
}

} // namespace
} // namespace zorvy
