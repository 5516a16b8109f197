// Typed date texts (smart words with offsets, locale and runtime formats) and date format texts parsed
// into items and masks, in the English and the Chinese conventions. Date conversions promise never to
// raise, so they run outside fuzz::Try: any exception is a crash.
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/locale/SmartDates.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/FormatSettings.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    static int current = -1;
    const bool chinese = in.ConsumeBool();
    if (current != int(chinese)) {
        SetFormatSettings(DefaultFormatSettings(chinese ? "zh_CN.UTF-8" : "en_US"));
        SharedFormatController()->ReadFormatSettings();
        current = chinese;
    }
    SharedFormatController()->UseRuntimeFormats = in.ConsumeBool();
    const bool asFormat = in.ConsumeBool();
    const std::string text = in.ConsumeRemainingBytesAsString();
    if (asFormat) {
        TcxDateTimeFormatInfo info;
        BuildFormatInfo(text, info);
        BuildStandardMask(info);
        BuildRegExprMask(info, false);
        BuildRegExprMask(info, true);
        BuildMaskedDisplayFormat(info);
        TcxDateTimeFormatItemInfo item;
        for (int position = 0; position < 40; ++position)
            FindFormatItemAt(nullptr, info, position, item);
        return 0;
    }
    TDateTime date;
    if (TryTextToDateExtended(text, date)) {
        std::string shown;
        FormatDateForEdit(false, true, true, shown, date);
    }
    TryTextToDateTime(text, true, date);
    return 0;
}
