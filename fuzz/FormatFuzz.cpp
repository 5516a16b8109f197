// Format, FormatFloat, FloatToStrF and FormatDateTime with a fuzzed format text and fuzzed arguments, in
// the English and the Chinese conventions.
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

void UseConventions(bool chinese) {
    static const TFormatSettings english = DefaultFormatSettings("en_US");
    static const TFormatSettings zh = DefaultFormatSettings("zh_CN.UTF-8");
    static int current = -1;
    if (current == static_cast<int>(chinese)) return;
    SetFormatSettings(chinese ? zh : english);
    current = chinese;
}

double AnyDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return in.ConsumeBool() ? HUGE_VAL : -HUGE_VAL;
    case 2:
        return in.ConsumeIntegral<int32_t>() / 100.0;
    default:
        return in.ConsumeFloatingPoint<double>();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    UseConventions(in.ConsumeBool());
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: {
        // Up to four arguments of any kind; the strings live until the call is made.
        std::vector<std::string> texts;
        texts.reserve(4);
        std::vector<TFormatArg> args;
        for (int n = in.ConsumeIntegralInRange(0, 4); n > 0; --n) {
            switch (in.ConsumeIntegralInRange(0, 4)) {
            case 0:
                args.emplace_back(in.ConsumeIntegral<int32_t>());
                break;
            case 1:
                args.emplace_back(in.ConsumeIntegral<int64_t>());
                break;
            case 2:
                args.emplace_back(in.ConsumeIntegral<uint64_t>());
                break;
            case 3:
                args.emplace_back(AnyDouble(in));
                break;
            default:
                texts.push_back(in.ConsumeRandomLengthString(16));
                args.emplace_back(texts.back());
                break;
            }
        }
        const std::string format = in.ConsumeRemainingBytesAsString();
        fuzz::Try([&] { FormatArgs(format, args); });
        break;
    }
    case 1: {
        const double value = AnyDouble(in);
        fuzz::Try([&] { FormatFloat(in.ConsumeRemainingBytesAsString(), value); });
        break;
    }
    case 2: {
        const double value = AnyDouble(in);
        const auto format = static_cast<TFloatFormat>(in.ConsumeIntegralInRange(0, 4));
        const int precision = in.ConsumeIntegralInRange(-2, 24);
        const int digits = in.ConsumeIntegralInRange(-2, 24);
        fuzz::Try([&] { FloatToStrF(value, format, precision, digits); });
        fuzz::Try([&] { FloatToStr(value); });
        break;
    }
    default: {
        // Dates from year 1 to 9999 and a little beyond either end.
        const double value = in.ConsumeFloatingPointInRange(-700000.0, 3000000.0);
        fuzz::Try([&] { FormatDateTime(in.ConsumeRemainingBytesAsString(), value); });
        break;
    }
    }
    return 0;
}
