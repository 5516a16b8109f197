#include "engine/FilterRun.h"

#include "engine/SerialNumber.h"
#include "platform/rtl/Exceptions.h"
#include "tests/engine/RecordingHost.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

// A fresh engine and main window, with every digit button selected and no condition ticked.
class FilterRun : public testing::Test {
  protected:
    FilterRun() { input.DigitButtons = AllDigits(); }

    TFilterEngine engine;
    TRecordingHost host;
    TFilterInput input;
};

TEST_F(FilterRun, NoConditionsAndAllDigitsListEveryCombination) {
    host.KeepResults = false;
    host.Ticks = {1000, 1000 + 75042};
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, CombinationCount);
    EXPECT_EQ(host.FirstResult, "01 02 03 04 05 06    1");
    EXPECT_EQ(host.LastResult, "28 29 30 31 32 33    1107568");
    EXPECT_EQ(host.Touzhushu, "1107568");
    EXPECT_EQ(host.Zongshu, "选码组合数：1107568");
    EXPECT_EQ(host.Status[0], "本次压缩率:0%");
    EXPECT_EQ(host.Status[1], "本次用时：75秒42毫秒");
    ASSERT_EQ(host.Progress.size(), 406u);
    EXPECT_EQ(host.Progress.front(), "当期进度：正在过滤(第1球：1,  第2球：2 ......)");
    EXPECT_EQ(host.Progress.back(), "当期进度：正在过滤(第1球：28,  第2球：29 ......)");
    EXPECT_TRUE(host.BtfilterEnabled);
    EXPECT_FALSE(host.BtcanceEnabled);
    EXPECT_FALSE(engine.Running());
}

TEST_F(FilterRun, RejectingEverythingAndRateTexts) {
    Tick(input, "xhtz3", "fw1=8/fw2=9/"); // no serial has eight digits
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 0);
    EXPECT_EQ(host.Touzhushu, "0");
    EXPECT_EQ(host.Status[0], "本次压缩率:100%");
    const struct {
        int32_t survivors;
        const char* rate;
    } rates[] = {{0, "100"}, {1, "100"}, {111, "99.99"}, {12300, "98.89"}, {553784, "50"}, {1107568, "0"}};
    for (const auto& r : rates)
        EXPECT_EQ(CompressionRate(r.survivors), r.rate) << r.survivors;
    EXPECT_EQ(ElapsedText(999), "本次用时：0秒999毫秒");
}

TEST_F(FilterRun, SerialValueRangesBeyondSixteenBits) {
    host.KeepResults = false;
    Tick(input, "xhtz1", "fw1=1000000/fw2=1107568/");
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 107569);
    EXPECT_TRUE(host.FirstResult.ends_with("    1000000"));
    EXPECT_TRUE(host.LastResult.ends_with("    1107568"));
}

TEST_F(FilterRun, CancelEndsAfterTheCurrentThirdBallPass) {
    host.KeepResults = false;
    host.OnResult = [&](const std::string&) { engine.BtcanceClick(); };
    input.display6machk = false;
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 4060); // C(30, 3) candidates with 1 2 3
    EXPECT_EQ(host.LastResult, "01 02 03 31 32 33 ");
    EXPECT_EQ(host.Touzhushu, "4060");
    EXPECT_EQ(host.Status[0], "本次压缩率:99.63%");
    EXPECT_EQ(engine.FilterCancel, 0);
    EXPECT_TRUE(host.BtfilterEnabled);
}

TEST_F(FilterRun, SerialsBelowOneHundredThousandReadZeroAtSww) {
    input.DigitButtons[5] = {true}; // sww: only 0
    engine.BtfilterClick(input, host);
    // 1 .. 99,999 and, with the millions digit, 1,000,000 .. 1,099,999.
    ASSERT_EQ(host.ResultCount, 199999);
    EXPECT_EQ(host.Results[0], "01 02 03 04 05 06    1");
    EXPECT_TRUE(host.Results[99998].ends_with("    99999"));
    EXPECT_TRUE(host.Results[99999].ends_with("    1000000"));
    EXPECT_TRUE(host.LastResult.ends_with("    1099999"));
    EXPECT_EQ(host.Zongshu, "选码组合数：100000");
    EXPECT_TRUE(input.customwzchk);
}

TEST_F(FilterRun, RunsOnTheConditionsAsTheyStoodAtTheStart) {
    host.KeepResults = false;
    input.DigitButtons[5] = {true};
    Tick(input, "gw1", "xfw= 3 /");
    int pumps = 0;
    host.OnProcessMessages = [&] {
        // The user unticks the condition and presses the start button again in the middle of the run.
        if (++pumps == 50000) {
            input.Conditions[ConditionIndex("gw1")].Checked = false;
            engine.BtfilterClick(input, host);
        }
    };
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ClearResultsCalls, 1);
    EXPECT_EQ(host.ResultCount, 20000); // serials with sww 0 ending in 3
}

TEST_F(FilterRun, PendingConditionAndErrors) {
    input.ConditionPending = true;
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.Messages, std::vector<std::string>{ConditionPendingMessage});
    EXPECT_EQ(host.ClearResultsCalls, 0);

    input.ConditionPending = false;
    Tick(input, "sw3", "fw1=3a/");
    EXPECT_THROW(engine.BtfilterClick(input, host), EConvertError);
    EXPECT_FALSE(engine.Running());
    EXPECT_TRUE(host.BtfilterEnabled);
    EXPECT_FALSE(host.BtcanceEnabled);

    // A zero divisor ends the run when a candidate reaches the condition.
    Tick(input, "sw3", "xfw=c0, 1 /");
    EXPECT_THROW(engine.BtfilterClick(input, host), EDivByZero);
    EXPECT_EQ(host.ResultCount, 0);

    // A bad draw in the history names its issue.
    input.Conditions[ConditionIndex("sw3")].Checked = false;
    host.History = {{"2026001", "01 02 03 04 05 06"}, {"2026002", "01 02 03 04 05 35"}};
    try {
        engine.BtfilterClick(input, host);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("2026002"), std::string::npos);
    }

    host.History.clear();
    input.DigitButtons[5] = {true};
    input.DigitButtons[4] = {true};
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 19999);
}

TEST_F(FilterRun, BankerTest) {
    host.KeepResults = false;
    input.DigitButtons[5] = {true};
    input.DigitButtons[4] = {true}; // serials 1..9999 and 1,000,000..1,009,999
    input.Tj_danmachk = true;
    input.Tj_danmaEdit = ""; // no banker digits: nothing is tested
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 19999);
    input.Tj_danmaEdit = "j=1/dm=7 8 /";
    engine.BtfilterClick(input, host);
    EXPECT_EQ(engine.BankerDigits, "7 8 ");
    // Four low digits holding both 7 and 8: 10^4 - 2 * 9^4 + 8^4, in each of the two ranges.
    EXPECT_EQ(host.ResultCount, 2 * (10000 - 2 * 6561 + 4096));
    input.Tj_danmachk = false;
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 19999);
}

TEST(CheckMode, SelectsTheDigitsOfTheDrawCode) {
    TFilterEngine engine;
    TRecordingHost host;
    TDigitButtons buttons = AllDigits();
    const struct {
        const char* code;
        std::array<int, 6> digits; // gw .. sww
    } cases[] = {{"03 08 12 19 25 31", {4, 8, 2, 4, 5, 4}},
                 {"03 08 12 19 25 31 07", {4, 8, 2, 4, 5, 4}},
                 {"01 02 03 04 05 07", {2, 0, 0, 0, 0, 0}},
                 {"28 29 30 31 32 33+16", {8, 6, 5, 7, 0, 1}}};
    for (const auto& c : cases) {
        engine.TJErrochkClick(true, c.code, buttons, host);
        for (int position = 0; position < 6; ++position)
            for (int digit = 0; digit <= 9; ++digit)
                EXPECT_EQ(buttons[position][digit], digit == c.digits[position]) << c.code << " " << position;
    }
    EXPECT_EQ(engine.CheckModeOn, 1);
    engine.TJErrochkClick(false, "", buttons, host);
    EXPECT_EQ(engine.CheckModeOn, 0);
    EXPECT_EQ(host.Messages, std::vector<std::string>{EmptyDrawCodeMessage});
    for (const auto& row : buttons)
        EXPECT_EQ(row, (std::array<bool, 10>{}));

    const struct {
        const char* code;
        const char* message;
    } bad[] = {{"03 0a 12 19 25 31", "'0a' is not a valid integer value"},
               {"03 08 12", "'' is not a valid integer value"},
               {"03 08 12 19 25 34", nullptr},
               {"08 03 12 19 25 31", nullptr}};
    for (const auto& b : bad) {
        buttons = AllDigits();
        try {
            engine.TJErrochkClick(true, b.code, buttons, host);
            ADD_FAILURE() << b.code;
        } catch (const EConvertError& e) {
            if (b.message) {
                EXPECT_STREQ(e.what(), b.message);
            }
        }
        for (const auto& row : buttons)
            EXPECT_EQ(row, (std::array<bool, 10>{})) << b.code;
    }
}

TEST(CheckMode, LogsWholeMessagesOnce) {
    TFilterEngine engine;
    TRecordingHost host;
    engine.JcTjErro(1, "十万位值错误", host);
    engine.JcTjErro(1, "万位值错误", host);
    engine.JcTjErro(1, "十万位值错误", host);
    engine.JcTjErro(0, "个位值错误", host);
    EXPECT_EQ(engine.CheckLog, (std::vector<std::string>{"十万位值错误", "万位值错误"}));
    EXPECT_EQ(host.CheckLogLines, engine.CheckLog);
    TDigitButtons buttons{};
    engine.TJErrochkClick(true, "01 02 03 04 05 07", buttons, host);
    EXPECT_TRUE(engine.CheckLog.empty());
    EXPECT_TRUE(host.CheckLogLines.empty());
}

TEST(CheckMode, OnlyTheFirstFailingConditionOfTheDrawIsLogged) {
    TFilterEngine engine;
    TRecordingHost host;
    TFilterInput input;
    engine.TJErrochkClick(true, "03 08 12 19 25 31", input.DigitButtons, host);
    Tick(input, "xhtz2", "fw1=0/fw2=5/"); // digit sum 27 fails
    Tick(input, "xhtz3", "fw1=1/fw2=5/"); // length 6 fails too, but later
    Tick(input, "gw1", "xfw= 1 /");       // a later evaluator is never reached
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.ResultCount, 0);
    EXPECT_EQ(engine.CheckLog, std::vector<std::string>{"六码和错误"});

    // The banker test comes first and is logged.
    input.Tj_danmachk = true;
    input.Tj_danmaEdit = "dm=9 /";
    engine.BtfilterClick(input, host);
    EXPECT_EQ(engine.CheckLog, (std::vector<std::string>{"六码和错误", "胆码错误"}));

    // Without the failing conditions the draw itself survives.
    input.Tj_danmachk = false;
    input.Conditions[ConditionIndex("xhtz2")].Checked = false;
    input.Conditions[ConditionIndex("xhtz3")].Checked = false;
    Tick(input, "gw1", "xfw= 4 /");
    engine.BtfilterClick(input, host);
    EXPECT_EQ(host.Results, std::vector<std::string>{"03 08 12 19 25 31    454284"});
}

} // namespace
} // namespace zorvy
