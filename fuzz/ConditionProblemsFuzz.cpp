// A typed condition text in a ticked condition: what the window says before a run never fails, and a
// text it lets through loads into the engine without a conversion error.
#include "app/ConditionProblems.h"
#include "fuzz/FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int condition = in.ConsumeIntegralInRange(0, ConditionCount - 1);
    TFilterInput input;
    input.Conditions[condition] = {true, in.ConsumeRemainingBytesAsString()};
    const std::string problem = ConditionTextProblem(input);
    if (problem.empty()) {
        TFilterEngine engine;
        bool loaded = true;
        try {
            engine.FnFilterCheck(input);
        } catch (const std::exception&) {
            loaded = false;
        }
        fuzz::Require(loaded, "a text said to read fails to load");
    }
    return 0;
}
