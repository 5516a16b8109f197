// Texts typed into spin, time and date editors: numbers of both value types, time texts on both
// clocks and formats, typed characters in every time field, and date texts through the date editor's
// conversions. Parsing promises never to raise; showing a text that is no date raises only the
// conversion error; a parsed number must show and parse back to itself.
#include "controls/editors/date/DateEditProperties.h"
#include "controls/editors/spin/SpinEditProperties.h"
#include "controls/editors/time/TimeEdit.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/FormatSettings.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TcxSpinEditProperties spin(nullptr);
    static TcxTimeEditProperties time(nullptr);
    static TcxDateEditProperties date(nullptr);
    FuzzedDataProvider in(data, size);
    const int what = in.ConsumeIntegralInRange(0, 3);
    const bool flag = in.ConsumeBool();
    const int choice = in.ConsumeIntegralInRange(0, 2);
    const int position = in.ConsumeIntegralInRange(1, 16);
    const std::string text = in.ConsumeRemainingBytesAsString();
    switch (what) {
    case 0: {
        spin.SetValueType(flag ? vtInt : vtFloat);
        Variant value;
        if (spin.ParseNumberText(text, value)) {
            Variant shown;
            spin.ToDisplayValue(value, shown, true);
            Variant again;
            fuzz::Require(spin.ParseNumberText(VarToStr(shown), again), "a shown number parses again");
            if (flag) fuzz::Require(again.AsInt64() == value.AsInt64(), "an integer shows all its digits");
        }
        std::string checked = text;
        spin.CheckTextValue(checked);
        break;
    }
    case 1: {
        time.SetUse24HourFormat(flag);
        time.SetTimeFormat(static_cast<TcxTimeEditTimeFormat>(choice));
        TDateTime t;
        if (time.TextToTime(text, t)) fuzz::Require(t >= 0 && t < 1, "a time text is a time of day");
        time.GetTimeField(position);
        break;
    }
    case 2: {
        TcxTimeFieldInfo field;
        field.Field = static_cast<TcxTimeEditField>(choice + (flag ? 1 : 0));
        field.Start = 1 + 3 * choice;
        field.Use24HourFormat = flag;
        std::string character = text.substr(0, 1);
        const TcxTimeTypingResult result = TypeTimeFieldChar(field, text.substr(std::min<size_t>(1, text.size())),
                                                             character, position);
        fuzz::Require(!(result.Accepted && result.Refused), "a character is accepted or refused, not both");
        break;
    }
    default: {
        date.SetKind(flag ? ckDateTime : ckDate);
        date.SetDateOnError(static_cast<TDateOnError>(choice));
        const Variant value = date.TextToDate(text);
        date.IsValidEditValue(Variant(text), true);
        fuzz::Try([&] {
            Variant shown;
            date.ToDisplayValue(Variant(text), shown, flag);
        });
        if (!value.IsNull()) {
            Variant shown;
            date.ToDisplayValue(value, shown, false);
        }
        break;
    }
    }
    return 0;
}
