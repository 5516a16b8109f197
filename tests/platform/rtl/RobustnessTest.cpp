// Random input to every parser: each call either returns or raises the runtime's Exception; the
// sanitizers catch anything worse.
#include "platform/rtl/Bcd.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Variant.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

using namespace zorvy;

namespace {

std::string RandomText(std::mt19937& random, const std::string& alphabet, size_t maxLength) {
    std::string text;
    size_t length = random() % (maxLength + 1);
    for (size_t i = 0; i < length; ++i)
        text += alphabet[random() % alphabet.size()];
    return text;
}

void ExpectOnlyRuntimeErrors(const std::string& alphabet, size_t maxLength,
                             const std::function<void(const std::string&)>& parse) {
    std::mt19937 random(2026);
    for (int i = 0; i < 1500; ++i) {
        std::string text = RandomText(random, alphabet, maxLength);
        try {
            parse(text);
        } catch (const Exception&) {
        } catch (const std::exception& e) {
            ADD_FAILURE() << "'" << text << "' raised " << e.what();
        }
    }
}

class Holder : public TPersistent {
  public:
    void DefineProperties(TFiler* filer) override {
        filer->DefineProperty(
            "A", [](TReader& r) { r.SkipValue(); }, nullptr, false);
        filer->DefineBinaryProperty(
            "B", [](TStream& s) { s.ReadBytes(s.GetSize()); }, nullptr, false);
    }
};

} // namespace

TEST(RtlRobustness, NumberDateAndFormatParsers) {
    const std::string numeric = "0123456789+-.,eE$xX ;#'\"%:/*abcdfgmnpsuhyz";
    ExpectOnlyRuntimeErrors(numeric, 12, [](const std::string& t) { StrToInt(t); });
    ExpectOnlyRuntimeErrors(numeric, 12, [](const std::string& t) { StrToInt64(t); });
    ExpectOnlyRuntimeErrors(numeric, 12, [](const std::string& t) { StrToFloat(t); });
    ExpectOnlyRuntimeErrors(numeric, 12, [](const std::string& t) { StrToBcd(t); });
    ExpectOnlyRuntimeErrors(numeric, 12, [](const std::string& t) { StrToCurr(t); });
    ExpectOnlyRuntimeErrors(numeric, 16, [](const std::string& t) { StrToDateTime(t); });
    ExpectOnlyRuntimeErrors(numeric, 16, [](const std::string& t) { FormatFloat(t, -1234.5678); });
    ExpectOnlyRuntimeErrors(numeric, 16, [](const std::string& t) { FormatFloat(t, 0); });
    ExpectOnlyRuntimeErrors(numeric, 16, [](const std::string& t) { FormatDateTime(t, 46000.75); });
    ExpectOnlyRuntimeErrors(numeric, 16, [](const std::string& t) { Format(t, {1, "x", 2.5}); });
    ExpectOnlyRuntimeErrors(numeric, 12,
                            [](const std::string& t) { static_cast<void>(Variant(t) < Variant(3)); });
}

TEST(RtlRobustness, TextListsAndStreams) {
    static const char kBytes[] = "ab,\" \r\n=[];&\x80\xBF\xC3\xE4\xF0\xFF";
    const std::string bytes(kBytes, sizeof kBytes - 1);
    ExpectOnlyRuntimeErrors(bytes, 24, [](const std::string& t) {
        TStringList list;
        list.SetCommaText(t);
        list.SetText(t);
        Utf8ToGbk(t);
        GbkToUtf8(t);
        DecodeGbkOrUtf8(t);
        StripHotkey(t);
        for (size_t i = 0; i <= t.size(); ++i)
            PrevCharIndex(t, NextCharIndex(t, i));
    });
    static const char kBinary[] = "\x00\x01\x02\x04\x05\x09\x0A\x13\x14\x41\x42\xFF\x7F";
    const std::string binary(kBinary, sizeof kBinary - 1);
    ExpectOnlyRuntimeErrors(binary, 32, [](const std::string& t) {
        Holder holder;
        TStringStream stream(std::string("\x01", 1) + "A" + t);
        TReader(stream).ReadDefinedProperties(holder);
    });
}
