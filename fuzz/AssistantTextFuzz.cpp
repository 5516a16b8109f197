// A condition text read by the condition assistant: reading ends on any text (open segments, slashes in
// a row, keys in any case), refuses only with a conversion error, and what it reads, written back and
// read again, gives the same choices and the same text.
#include "app/AssistantText.h"
#include "fuzz/FuzzSupport.h"

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* key : {"j=1", "y=0", "fw1=", "bh=", "dm=", "xfw="})
        GetTjvalue(text, key);
    TConditionChoices choices;
    try {
        choices = ReadConditionChoices(text);
    } catch (const EConvertError&) {
        return 0;
    }
    const std::string written = BuildConditionText(choices, choices.Banker);
    const TConditionChoices again = ReadConditionChoices(written);
    fuzz::Require(BuildConditionText(again, again.Banker) == written,
                  "a written text reads back differently");
    fuzz::Require(again.Parity == choices.Parity && again.Remainders == choices.Remainders &&
                      again.RangeOn == choices.RangeOn && again.ListOn == choices.ListOn &&
                      again.Values == choices.Values && again.Divisor == choices.Divisor &&
                      again.Digits == choices.Digits && again.RangeLow == choices.RangeLow &&
                      again.RangeHigh == choices.RangeHigh,
                  "the choices of a written text differ from those it was written from");
    return 0;
}
