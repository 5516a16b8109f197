// INI files of fuzzed bytes (GBK or UTF-8, any line breaks): every read, then writes, which must read
// back as written (values read, put in quotes, keep them) and leave the rest of the file readable.
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"

#include <string>
#include <vector>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = fuzz::WriteScratchFile(data, size);

    fuzz::Try([&] {
        TIniFile ini(path);
        std::vector<std::string> quoted; // values read, in quotes and with a blank: read back whole
        TStringList sections;
        ini.ReadSections(sections);
        for (int i = 0; i < sections.GetCount() && i < 8; ++i) {
            const std::string section = sections.Get(i);
            TStringList keys, values;
            ini.ReadSection(section, keys);
            ini.ReadSectionValues(section, values);
            for (int k = 0; k < keys.GetCount() && k < 8; ++k) {
                quoted.push_back("'" + ini.ReadString(section, keys.Get(k), "") + "' ");
                ini.ReadInteger(section, keys.Get(k), 0);
                ini.ReadBool(section, keys.Get(k), false);
            }
        }
        ini.WriteString("Fuzz", "Key", "value");
        fuzz::Require(ini.ReadString("Fuzz", "Key", "") == "value", "a written value does not read back");
        TIniFile reread(path);
        fuzz::Require(reread.ReadString("Fuzz", "Key", "") == "value", "a written value is not in the file");
        for (const std::string& value : quoted) {
            reread.WriteString("Fuzz", "Quoted", value);
            fuzz::Require(TIniFile(path).ReadString("Fuzz", "Quoted", "") == value,
                          "a quoted value lost its quotes");
        }
        TStringList after;
        reread.ReadSections(after);
        reread.EraseSection("Fuzz");
    });
    return 0;
}
