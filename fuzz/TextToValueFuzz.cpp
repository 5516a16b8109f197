// Every text-to-value conversion of the runtime on one fuzzed text, in the English and the Chinese
// conventions; a number that converts must come back from its own text.
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Bcd.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Variant.h"

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const TFormatSettings english = DefaultFormatSettings("en_US");
    static const TFormatSettings chinese = DefaultFormatSettings("zh_CN.UTF-8");
    SetFormatSettings(data[0] & 1 ? chinese : english);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    int32_t i32 = 0;
    if (TryStrToInt(text, i32)) fuzz::Require(StrToInt(IntToStr(i32)) == i32, "StrToInt(IntToStr(n)) != n");
    int64_t i64 = 0;
    if (TryStrToInt64(text, i64))
        fuzz::Require(StrToInt64(IntToStr(i64)) == i64, "StrToInt64(IntToStr(n)) != n");
    double d = 0;
    fuzz::Try([&] { TryStrToFloat(text, d); });
    fuzz::Try([&] { StrToFloat(text); });
    fuzz::Try([&] { StrToBcd(text); });
    fuzz::Try([&] { StrToCurr(text); });
    fuzz::Try([&] { StrToDate(text); });
    fuzz::Try([&] { StrToTime(text); });
    fuzz::Try([&] { StrToDateTime(text); });

    const Variant v(text);
    fuzz::Try([&] { v.AsBoolean(); });
    fuzz::Try([&] { v.AsInteger(); });
    fuzz::Try([&] { v.AsInt64(); });
    fuzz::Try([&] { v.AsUInt64(); });
    fuzz::Try([&] { v.AsDouble(); });
    fuzz::Try([&] { v.AsCurrency(); });
    fuzz::Try([&] { v.AsDateTime(); });
    fuzz::Try([&] { v.AsBcd(); });
    fuzz::Try([&] { VarCompareValue(v, Variant(3)); });
    fuzz::Try([&] { VarCompareValue(v, Variant(std::string("2.5"))); });
    return 0;
}
