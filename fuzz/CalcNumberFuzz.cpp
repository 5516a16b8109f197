// Texts pasted into or typed in the calculator: the number reader must never crash, and whatever it
// accepts must format into a text that it reads again, in the general and the exponent forms, with
// "." or "," as the decimal separator.
#include "controls/editors/calc/CalcEdit.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/FormatSettings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool comma = in.ConsumeBool();
    FormatSettings().DecimalSeparator = comma ? ',' : '.';
    FormatSettings().ThousandSeparator = comma ? '.' : ',';
    const int digits = in.ConsumeIntegralInRange(0, 30);
    const std::string text = in.ConsumeRemainingBytesAsString();
    TcxCalcValue value = 0;
    if (TextToExtended(text, value)) {
        if (!std::isfinite(value)) std::abort();
        for (const std::string& shown : {FormatGeneralExtended(value, digits), FormatExponentExtended(value, digits)}) {
            TcxCalcValue again = 0;
            if (!TextToExtended(shown, again)) std::abort();
        }
    }
    TcxCalcValue number = 0;
    TcxCustomCalcEditProperties::TextToNumber(text, number);
    return 0;
}
