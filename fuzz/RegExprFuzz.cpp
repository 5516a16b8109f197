// Regular expressions of the mask kinds: any pattern compiles or raises the expression error, and a
// compiled one takes any text forward and back (with and without forced characters) without failing,
// ending where it started.
#include "controls/editors/mask/RegExpr.h"
#include "fuzz/FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool caseInsensitive = in.ConsumeBool();
    const bool updateOn = in.ConsumeBool();
    const std::string pattern = in.ConsumeRandomLengthString(96);
    const std::string text = in.ConsumeRemainingBytesAsString();

    TcxRegExpr expression;
    expression.SetCaseInsensitive(caseInsensitive);
    expression.SetUpdateOn(updateOn);
    try {
        expression.Compile(pattern);
    } catch (const EcxRegExprError& e) {
        fuzz::Require(!e.Errors().empty(), "a failed compile names its errors");
        return 0;
    }
    int accepted = 0;
    for (char32_t c : RegExprChars(text.substr(0, 200)))
        if (expression.ConsumeChar(c)) ++accepted;
    expression.InputComplete();
    for (int i = 0; i < accepted; ++i) expression.UnconsumeChar();
    expression.Restart();
    expression.ConsumeText(text.substr(0, 200));
    return 0;
}
