// Whole filter schemes of fuzzed condition texts, digit buttons and banker text: the loader reads them,
// then the prepared scheme and the eight evaluators judge fuzzed combinations alike, with the same
// rejecting message or the same error.
#include "engine/CompiledScheme.h"
#include "engine/FilterRun.h"
#include "fuzz/FuzzSupport.h"
#include "tests/engine/Outcome.h"
#include "tests/engine/RandomSchemes.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

const TDrawContext& Context() {
    static const TDrawContext context = GetWzEnd6v({{"2026001", "03 08 12 19 25 31"},
                                                    {"2026002", "01 02 03 04 05 06"},
                                                    {"2026003", "07 14 21 22 30 33"},
                                                    {"2026004", "02 09 16 17 28 32"},
                                                    {"2026005", "05 11 13 20 26 29"}});
    return context;
}

TCombination ConsumeCombination(FuzzedDataProvider& in) {
    std::vector<int16_t> balls;
    for (int16_t b = 1; b <= RedBallMax; ++b)
        balls.push_back(b);
    TCombination c{};
    for (int i = 0; i < 6; ++i) {
        const size_t pick = in.ConsumeIntegralInRange<size_t>(0, balls.size() - 1);
        c[i] = balls[pick];
        balls.erase(balls.begin() + static_cast<long>(pick));
    }
    std::sort(c.begin(), c.end());
    return c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TFilterInput input;
    for (auto& row : input.DigitButtons)
        for (bool& digit : row)
            digit = in.ConsumeIntegralInRange(0, 3) != 0;
    if (in.ConsumeBool()) {
        input.Tj_danmachk = true;
        input.Tj_danmaEdit = in.ConsumeRandomLengthString(12);
    }
    for (int n = in.ConsumeIntegralInRange(0, 6); n > 0; --n) {
        const int condition = in.ConsumeIntegralInRange(0, ConditionCount - 1);
        input.Conditions[condition] = {true, in.ConsumeRandomLengthString(48)};
    }
    std::vector<TCombination> candidates;
    for (int n = in.ConsumeIntegralInRange(1, 24); n > 0 && in.remaining_bytes() > 0; --n)
        candidates.push_back(ConsumeCombination(in));

    TFilterEngine engine;
    TFilterHost host;
    TEvalState state;
    try {
        state = LoadScheme(input, engine, host, Context());
    } catch (const Exception&) {
        return 0; // a malformed number: the run never starts
    }
    std::string message;
    state.JcTjErro = [&](bool, const std::string& m) { message = m; };
    const TCompiledScheme prepared(state);

    for (const TCombination& c : candidates) {
        message.clear();
        const std::string literal = Outcome([&] { return EvalAllConditions(c, state); });
        int verdict = TCompiledScheme::Passed;
        const std::string fast = Outcome([&] {
            verdict = prepared.Evaluate(SplitSerial(SerialNumber(c)), c);
            return verdict == TCompiledScheme::Passed;
        });
        fuzz::Require(fast == literal, "the prepared scheme and the evaluators disagree");
        if (fast == "0")
            fuzz::Require(TCompiledScheme::Message(verdict) == message, "the rejecting messages differ");
    }
    return 0;
}
