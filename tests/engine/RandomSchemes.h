#pragma once
// Random filter schemes for the tests that compare the fast run with the evaluators.
#include "tests/engine/RecordingHost.h"

#include <random>

namespace zorvy {

// A random condition text of one to three segments; with `raising`, now and then a divisor that raises.
inline std::string RandomConditionText(std::mt19937& random, int32_t range, bool raising = false) {
    std::string text;
    for (int n = 1 + random() % 3; n > 0; --n) {
        switch (random() % 6) {
        case 0:
            text += random() % 2 ? "j=1/" : "j=0/";
            break;
        case 1:
            text += "y=" + std::to_string(random() % 3) + "/";
            break;
        case 2: {
            const int32_t low = static_cast<int32_t>(random() % range);
            text += "fw1=" + std::to_string(low) + "/fw2=" + std::to_string(low + random() % range) + "/";
            break;
        }
        case 3: {
            text += "xfw= ";
            for (int k = 1 + random() % 6; k > 0; --k)
                text += std::to_string(random() % range) + " ";
            text += "/";
            break;
        }
        case 4:
            text += "xfw=c" + std::to_string(2 + random() % 5) + ", 0 1 3 /";
            break;
        default:
            text += "xfw=0123456789/fw1=1/fw2=" + std::to_string(random() % 7) + "/";
            break;
        }
        if (raising && random() % 40 == 0) text += random() % 2 ? "xfw=c0, 1 /" : "xfw=cx, 1 /";
    }
    return text;
}

// A random scheme: a few ticked conditions, random digits, sometimes a banker test.
inline TFilterInput RandomScheme(std::mt19937& random, bool raising = false) {
    TFilterInput input;
    input.DigitButtons = AllDigits();
    for (int n = random() % 12; n > 0; --n) {
        const int condition = static_cast<int>(random() % ConditionCount);
        const int32_t range = condition == XhtzFirst ? CombinationCount : 12;
        input.Conditions[condition] = {true, RandomConditionText(random, range, raising)};
    }
    if (random() % 3 == 0)
        for (auto& row : input.DigitButtons)
            for (bool& digit : row)
                digit = random() % 4 != 0;
    if (random() % 3 == 0) {
        input.Tj_danmachk = true;
        input.Tj_danmaEdit = "dm=" + std::to_string(random() % 10) + " /";
    }
    return input;
}

// Loads the scheme as a run does and returns the state the evaluators read.
inline TEvalState LoadScheme(TFilterInput& input, TFilterEngine& engine, TFilterHost& host,
                             const TDrawContext& context) {
    engine.FnFilterCheck(input);
    engine.BankerDigits = ExtractConditionValue(input.Tj_danmaEdit, "dm=");
    engine.sixbmJsPro(input, host);
    engine.DrawContext = context;
    TEvalState state = engine.MakeEvalState(input, host);
    state.JcTjErro = nullptr; // the caller listens for rejections, if it wants them
    return state;
}

} // namespace zorvy
