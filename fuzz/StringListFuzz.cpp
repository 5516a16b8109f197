// String lists and text encodings on fuzzed bytes: line text, comma and delimited text, a stream read as
// GBK or UTF-8, names and values, sorting. Decoded text is valid UTF-8, and a list survives its own text.
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

using namespace zorvy;

namespace {

bool SameItems(const TStringList& a, const TStringList& b) {
    if (a.GetCount() != b.GetCount()) return false;
    for (int i = 0; i < a.GetCount(); ++i)
        if (a.Get(i) != b.Get(i)) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int mode = in.ConsumeIntegralInRange(0, 3);
    const char delimiter = in.ConsumeIntegral<char>();
    const char quote = in.ConsumeIntegral<char>();
    const bool strict = in.ConsumeBool();
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    TStringList list;
    switch (mode) {
    case 0: {
        list.SetText(bytes);
        TStringList again;
        again.SetText(list.GetText());
        fuzz::Require(SameItems(list, again), "a list's Text does not read back as the same list");
        break;
    }
    case 1:
        list.SetCommaText(bytes);
        break;
    case 2:
        list.SetDelimiter(delimiter);
        list.SetQuoteChar(quote);
        list.SetStrictDelimiter(strict);
        list.SetDelimitedText(bytes);
        break;
    default: {
        TStringStream stream(bytes);
        fuzz::Try([&] { list.LoadFromStream(stream); });
        for (int i = 0; i < list.GetCount(); ++i)
            fuzz::Require(IsValidUtf8(list.Get(i)), "a line read from a stream is not UTF-8");
        break;
    }
    }
    list.GetCommaText();
    list.GetDelimitedText();
    for (int i = 0; i < list.GetCount() && i < 8; ++i) {
        list.IndexOfName(list.Get(i));
        list.GetValue(list.Get(i));
    }
    list.SetSorted(true);

    const std::string decoded = DecodeGbkOrUtf8(bytes);
    fuzz::Require(IsValidUtf8(decoded), "DecodeGbkOrUtf8 gave invalid UTF-8");
    fuzz::Require(IsValidUtf8(GbkToUtf8(bytes)), "GbkToUtf8 gave invalid UTF-8");
    fuzz::Require(IsValidUtf8(SanitizeUtf8(bytes)), "SanitizeUtf8 gave invalid UTF-8");
    Utf8ToGbk(decoded);
    CopyChars(bytes, CharCount(bytes) / 2);
    for (size_t i = 0; i < bytes.size(); i = NextCharIndex(bytes, i))
        fuzz::Require(PrevCharIndex(bytes, NextCharIndex(bytes, i)) <= i, "PrevCharIndex passes a character");
    return 0;
}
