// The settings file: fuzzed bytes as the file found, then fuzzed writes of sections, keys and values.
// Each write is refused (a name or value that would change the file's structure) or reads back as it
// was written, also through a fresh reader of the file, and leaves every other value as it was.
#include "app/Settings.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextCollation.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <string>
#include <utility>

using namespace zorvy;

namespace {

// Names from a small alphabet, so that writes meet each other and the file's own entries.
std::string ConsumeName(FuzzedDataProvider& in) {
    static const char* names[] = {"kaijiangma", "KJM", "kjm", "s",   "S",    " s ", "a b",
                                  "[x",         "x]",  ";c",  "k=v", "中文", ""};
    return names[in.ConsumeIntegralInRange<size_t>(0, std::size(names) - 1)];
}

using TValues = std::map<std::pair<std::string, std::string>, std::string>; // by folded section and key

// Every value the file holds, as reading gives it.
TValues ReadAll(TIniFile& ini) {
    TValues values;
    TStringList sections, keys;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.GetCount(); ++s) {
        ini.ReadSection(sections.Get(s), keys);
        for (int k = 0; k < keys.GetCount(); ++k)
            values.emplace(std::pair{UnicodeFold(sections.Get(s)), UnicodeFold(keys.Get(k))},
                           ini.ReadString(sections.Get(s), keys.Get(k), "?"));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string file = in.ConsumeRandomLengthString(512);
    const std::string& path =
        fuzz::WriteScratchFile(reinterpret_cast<const uint8_t*>(file.data()), file.size());
    fuzz::Try([&] {
        TIniFile ini(path);
        TValues expected = ReadAll(ini);
        for (int n = in.ConsumeIntegralInRange(1, 6); n > 0; --n) {
            const std::string section = ConsumeName(in), key = ConsumeName(in);
            std::string value = in.ConsumeRandomLengthString(32);
            if (!IsValidUtf8(value)) value = "01 04 12 20 28 33+08"; // the program's texts are UTF-8
            try {
                ini.WriteString(section, key, value);
            } catch (const EIniFileException&) {
                continue;
            }
            expected[{UnicodeFold(Trim(section)), UnicodeFold(Trim(key))}] = value;
            TIniFile reread(path);
            fuzz::Require(ReadAll(ini) == expected, "a value did not read back, or another one changed");
            fuzz::Require(ReadAll(reread) == expected, "the file does not hold what was written");
        }
        WriteDrawCode(ini, "01 04 12 20 28 33+08");
        std::string problem;
        fuzz::Require(ReadDrawCode(ini, problem) == "01 04 12 20 28 33+08",
                      "a written code does not read back");
    });
    return 0;
}
