// The fast run against the literal evaluators, and against itself on 1, 2, 4 and 8 threads: the same
// verdicts, result lines, check-mode logs, texts and errors.
#include "engine/CompiledScheme.h"
#include "engine/FilterRun.h"
#include "engine/SerialNumber.h"
#include "platform/rtl/Exceptions.h"
#include "tests/engine/Outcome.h"
#include "tests/engine/RandomSchemes.h"
#include "tests/engine/RealDraws.h"
#include "tests/engine/Schemes.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

// The combination of a serial: each ball the smallest that leaves the serial within its block.
TCombination CombinationOf(int32_t serial) {
    TCombination balls{};
    int32_t rest = serial - 1; // combinations before it
    int ball = 0;
    for (int place = 0; place < 6; ++place) {
        for (++ball;; ++ball) {
            int64_t after = 1; // combinations that start with this ball here: C(33 - ball, 5 - place)
            for (int i = 0; i < 5 - place; ++i)
                after = after * (RedBallMax - ball - i) / (i + 1);
            if (rest < after) break;
            rest -= static_cast<int32_t>(after);
        }
        balls[place] = static_cast<int16_t>(ball);
    }
    return balls;
}

// A scheme of a few conditions, most of them on the serial alone, which the fast run judges ten serials
// at a time; every third one is a random scheme of any conditions, and one singles out the serial 123.
TFilterInput DecadeScheme(std::mt19937& random, int scheme) {
    if (scheme % 3 == 0) return RandomScheme(random, true);
    TFilterInput input;
    input.DigitButtons = AllDigits();
    if (scheme == 1) { // only the serial 123 takes no Sisyphus pass
        Tick(input, "tb4", "xfw= 0 /");
        return input;
    }
    for (int n = 1 + random() % 3; n > 0; --n) {
        const int pick = static_cast<int>(random() % (PositionFirst + 6 + 4));
        const int condition = pick < PositionFirst       ? pick
                              : pick < PositionFirst + 6 ? TbFirst + pick - PositionFirst
                                                         : static_cast<int>(random() % ConditionCount);
        // Mostly texts that split small values finely: a parity, a remainder, a narrow range.
        const int32_t low = static_cast<int32_t>(random() % 7);
        const std::string texts[] = {
            random() % 2 ? "j=1/" : "j=0/", "y=" + std::to_string(random() % 3) + "/",
            "fw1=" + std::to_string(low) + "/fw2=" + std::to_string(low + random() % 3) + "/",
            RandomConditionText(random, condition == XhtzFirst ? CombinationCount : 12, true)};
        input.Conditions[condition] = {true, texts[random() % 4]};
    }
    if (random() % 4 == 0) {
        input.Tj_danmachk = true;
        input.Tj_danmaEdit =
            "dm=" + std::to_string(random() % 10) + " " + std::to_string(random() % 10) + " /";
    }
    return input;
}

TEST(Differential, DecadeVerdictsOfRandomSchemesAsTheEvaluators) {
    std::mt19937 random(29);
    const std::vector<TDraw> history = RealDrawHistory();
    int inOrder = 0, raising = 0;
    for (int scheme = 0; scheme < 240; ++scheme) {
        TFilterEngine engine;
        TRecordingHost host;
        engine.CheckModeOn = random() % 5 == 0;
        TFilterInput input = DecadeScheme(random, scheme);
        TEvalState state;
        try {
            state = LoadScheme(
                input, engine, host,
                GetWzEnd6v(scheme % 2 ? history : std::vector<TDraw>(history.end() - 30, history.end())));
        } catch (const EConvertError&) {
            continue; // the loading itself refuses the scheme
        }
        std::string message;
        state.JcTjErro = [&](bool, const std::string& m) { message = m; };
        const TCompiledScheme prepared(state);
        inOrder += prepared.InOrder();

        // Random decades and those where a value jumps within the decade: the serial 123 (Sisyphus),
        // the segment bounds 150,000 to 950,000 and 1,100,000, the first and the last decade.
        std::vector<int32_t> decades = {0, 12, 110000, CombinationCount / 10};
        for (int32_t bound = 150000; bound <= 950000; bound += 50000)
            decades.push_back(bound / 10);
        for (int sample = 0; sample < 100; ++sample)
            decades.push_back(static_cast<int32_t>(random() % (CombinationCount / 10 + 1)));
        for (const int32_t h : decades) {
            const TSerialDigits tens = TensDigits(h);
            TDecadeVerdicts verdicts;
            prepared.DecadeVerdicts(tens, verdicts);
            for (int u = 0; u <= 9; ++u) {
                const int32_t serial = h * 10 + u;
                if (serial < 1 || serial > CombinationCount) continue;
                const TCombination balls = CombinationOf(serial);
                message.clear();
                std::string literal = Outcome([&]() -> std::string {
                    if (EvalAllConditions(balls, state)) return "pass";
                    return "reject:" + message;
                });
                const std::string fast = Outcome([&]() -> std::string {
                    int16_t verdict = verdicts[u];
                    const TBallCodes codes = BallCodesOf(balls);
                    if (verdict == TCompiledScheme::Passed) verdict = prepared.BallVerdict(codes);
                    if (verdict == TCompiledScheme::RaisesError) prepared.RaiseFor(WithUnits(tens, u), codes);
                    if (verdict == TCompiledScheme::Passed) return "pass";
                    if (!prepared.InOrder()) return "reject";
                    return "reject:" + TCompiledScheme::Message(verdict);
                });
                if (!prepared.InOrder() && literal.starts_with("reject")) literal = "reject";
                raising += literal.starts_with("div") || literal.starts_with("convert");
                ASSERT_EQ(fast, literal) << "scheme " << scheme << " serial " << serial;
            }
        }
    }
    // The schemes reach every kind of verdict.
    EXPECT_GT(inOrder, 10);
    EXPECT_GT(raising, 0);
}

// What a run shows: its lines (back to back, and where each starts), log, labels and the error that
// ended it.
struct TRunRecord {
    std::string Text;
    std::vector<uint32_t> Starts;
    std::vector<std::string> Log;
    std::string Touzhushu, Rate, Error;
};

TRunRecord Record(const TFilterInput& scheme, bool checkMode, TEvaluationMethod method, int threads) {
    static const std::vector<TDraw> history = RealDrawHistory();
    TFilterEngine engine;
    engine.EvaluationMethod = method;
    engine.LiteralSerial = SerialNumber; // the tail walk would take minutes here
    engine.ThreadCount = threads;
    engine.CheckModeOn = checkMode;
    TRecordingHost host;
    host.History = history;
    host.KeepResults = false;
    TFilterInput input = scheme;
    TRunRecord record;
    try {
        engine.BtfilterClick(input, host);
    } catch (const Exception& e) {
        record.Error = e.what();
    }
    // The list shows the engine's own lines; the host was told about each of them once.
    const TResultLines& lines = engine.Results();
    EXPECT_EQ(host.ResultCount, lines.Count());
    if (lines.Count() > 0) {
        EXPECT_EQ(host.FirstResult, lines.Line(0));
        EXPECT_EQ(host.LastResult, lines.Line(lines.Count() - 1));
    }
    record.Text.assign(lines.Text(), lines.LineStart(lines.Count()));
    for (int32_t i = 0; i <= lines.Count(); ++i)
        record.Starts.push_back(lines.LineStart(i));
    record.Log = engine.CheckLog;
    record.Touzhushu = host.Touzhushu;
    record.Rate = host.Status[0];
    return record;
}

TEST(Differential, RunsAgreeAcrossMethodsAndThreads) {
    TFilterInput noConditions;
    noConditions.DigitButtons = AllDigits();
    noConditions.display6machk = false;

    TFilterInput wide;
    wide.DigitButtons = AllDigits();
    wide.DigitButtons[1][4] = wide.DigitButtons[3][7] = false;
    wide.Tj_danmachk = true;
    wide.Tj_danmaEdit = "dm=3 /";
    for (const char* stem : {"gw5", "sw7", "Tb12", "tb6", "xhtz22"})
        Tick(wide, stem, "j=0/");
    Tick(wide, "xhtz1", "xfw=c4, 0 1 3 /");
    Tick(wide, "ww14", "y=0/y=2/");

    TFilterInput raising = TypicalScheme();
    Tick(raising, "tb7", "xfw=c0, 1 /"); // reached by the first candidate that passes the rest

    const struct {
        const char* name;
        TFilterInput scheme;
        bool checkMode;
    } cases[] = {{"typical, check mode", TypicalScheme(), true},
                 {"wide, check mode", wide, true},
                 {"raising", raising, false},
                 {"no conditions", noConditions, false}};
    for (const auto& c : cases) {
        const TRunRecord literal = Record(c.scheme, c.checkMode, TEvaluationMethod::emLiteral, 1);
        for (int threads : {1, 2, 4, 8}) {
            const TRunRecord fast = Record(c.scheme, c.checkMode, TEvaluationMethod::emFast, threads);
            EXPECT_EQ(fast.Starts.size(), literal.Starts.size()) << c.name << " on " << threads;
            EXPECT_TRUE(fast.Text == literal.Text && fast.Starts == literal.Starts)
                << c.name << " on " << threads;
            EXPECT_EQ(fast.Log, literal.Log) << c.name << " on " << threads;
            EXPECT_EQ(fast.Touzhushu, literal.Touzhushu) << c.name << " on " << threads;
            EXPECT_EQ(fast.Rate, literal.Rate) << c.name << " on " << threads;
            EXPECT_EQ(fast.Error, literal.Error) << c.name << " on " << threads;
        }
        if (c.checkMode) {
            // Out of check mode the run tests in its own order and skips ahead: the same lines.
            for (int threads : {1, 8}) {
                const TRunRecord fast = Record(c.scheme, false, TEvaluationMethod::emFast, threads);
                EXPECT_TRUE(fast.Text == literal.Text && fast.Starts == literal.Starts)
                    << c.name << " on " << threads;
                EXPECT_EQ(fast.Rate, literal.Rate) << c.name << " on " << threads;
                EXPECT_TRUE(fast.Log.empty());
            }
        }
        if (std::string(c.name) == "typical, check mode") {
            EXPECT_GT(literal.Log.size(), 10u); // rejections of most of the scheme's conditions
        }
        if (std::string(c.name) == "raising") {
            EXPECT_EQ(literal.Error, "Division by zero");
        }
    }
}

TEST(Differential, CancelAtASecondBallHeadOnAnyNumberOfThreads) {
    for (int threads : {1, 4}) {
        TFilterEngine engine;
        engine.ThreadCount = threads;
        TRecordingHost host;
        host.KeepResults = false;
        int heads = 0;
        struct TCancellingHost : TRecordingHost {
            std::function<void(const std::string&)> OnProgress;
            void SetStatusText(int panel, const std::string& text) override {
                TRecordingHost::SetStatusText(panel, text);
                if (panel == 2 && OnProgress) OnProgress(text);
            }
        } cancelling;
        cancelling.KeepResults = false;
        cancelling.OnProgress = [&](const std::string& text) {
            ++heads;
            if (text == ProgressText(2, 3)) engine.BtcanceClick();
        };
        TFilterInput input;
        input.DigitButtons = AllDigits();
        input.display6machk = false;
        engine.BtfilterClick(input, cancelling);
        // Every combination that starts with ball 1, and no other.
        EXPECT_EQ(cancelling.ResultCount, 201376) << threads;
        EXPECT_EQ(cancelling.LastResult, "01 29 30 31 32 33 ") << threads;
        EXPECT_EQ(heads, 29) << threads;
        EXPECT_EQ(cancelling.Touzhushu, "201376");
        EXPECT_EQ(engine.FilterCancel, 0);
        EXPECT_TRUE(cancelling.BtfilterEnabled);
    }
}

} // namespace
} // namespace zorvy
