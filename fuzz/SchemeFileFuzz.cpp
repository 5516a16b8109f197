// Scheme files: fuzzed bytes read as a scheme (a refusal is an error, never a crash), then a scheme of
// fuzzed digits, ticks and condition texts written and read again, which gives back every entry as it
// was written; a text the file cannot hold is refused when saving.
#include "app/Schemes.h"
#include "engine/ConditionTable.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Encoding.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = fuzz::WriteScratchFile(data, size);
    fuzz::Try([&] { ReadSchemeFile(path); });

    FuzzedDataProvider in(data, size);
    TScheme scheme;
    for (const char* position : {"gw", "sw", "bw", "qw", "ww", "sww"})
        for (int digit = 0; digit < 10; ++digit)
            if (in.ConsumeIntegralInRange(0, 7) == 0)
                scheme.Digits.push_back(position + std::to_string(digit));
    bool writable = true;
    for (const TConditionInfo& condition : ConditionTable()) {
        if (in.remaining_bytes() == 0) break;
        if (in.ConsumeBool()) scheme.Checked.push_back(condition.Stem + "chk");
        if (!in.ConsumeBool()) continue;
        std::string text = in.ConsumeRandomLengthString(64);
        if (text.empty()) continue; // the window writes no empty text
        writable = writable && IsValidUtf8(text) && text.find_first_of("\r\n") == std::string::npos;
        scheme.Texts.emplace_back(condition.Stem + "Edit", std::move(text));
    }
    if (scheme.Empty()) return 0;
    try {
        WriteSchemeFile(path, scheme);
    } catch (const EFCreateError&) {
        fuzz::Require(!writable, "a scheme the file can hold was refused");
        return 0;
    }
    fuzz::Require(writable, "a text the file cannot hold was written");
    const TScheme read = ReadSchemeFile(path);
    fuzz::Require(read.Digits == scheme.Digits, "the digits read back differ");
    fuzz::Require(read.Checked == scheme.Checked, "the ticks read back differ");
    fuzz::Require(read.Texts == scheme.Texts, "a condition text read back differs");
    return 0;
}
