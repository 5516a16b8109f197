// Condition texts: the value of every key, the divisor form, and the prepared test against CheckCondition
// for fuzzed marks and values (the same verdict, or the same error and message).
#include "engine/CompiledTest.h"
#include "engine/ConditionText.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Numbers.h"
#include "tests/engine/Outcome.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TConditionMarks marks;
    for (int32_t& mark : marks)
        mark = in.ConsumeIntegralInRange(-1, 3);
    if (in.ConsumeBool()) {
        marks[5] = in.ConsumeIntegral<int32_t>();
        marks[6] = in.ConsumeIntegral<int32_t>();
    }
    std::vector<int32_t> values = {0, 1, 2, 3, 7, 33, 1107568};
    for (int n = in.ConsumeIntegralInRange(0, 4); n > 0; --n)
        values.push_back(in.ConsumeIntegral<int32_t>());
    const std::string text = in.ConsumeRemainingBytesAsString();

    for (const char* key : {"j=", "y=", "fw1=", "fw2=", "xfw=", "dm=", "X"})
        ExtractConditionValue(text, key);
    Jcchushuv(text);
    ContainsBankerDigits(text, "4 8 ");
    ContainsBankerDigits("1234567", text);
    fuzz::Try([&] { SortNumberList(text); });

    const std::string list = ExtractConditionValue(text, "xfw=");
    for (const std::string& l : {text, list}) {
        const TCompiledTest test(marks, l);
        for (int32_t v : values)
            fuzz::Require(Outcome([&] { return test.Passes(v); }) ==
                              Outcome([&] { return CheckCondition(v, marks, l); }),
                          "the prepared test and CheckCondition disagree");
    }
    return 0;
}
