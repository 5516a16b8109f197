// The settings file of fuzzed bytes: the draw code read from it is valid or empty (with the problem
// said), and a valid code written reads back.
#include "app/Settings.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/IniFiles.h"

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = fuzz::WriteScratchFile(data, size);

    fuzz::Try([&] {
        TIniFile ini(path);
        std::string problem;
        const std::string code = ReadDrawCode(ini, problem);
        fuzz::Require(code.empty() || IsValidDrawCode(code), "an invalid draw code was accepted");
        fuzz::Require(code.empty() || problem.empty(), "a valid draw code was reported");
        const std::string raw = ini.ReadString("kaijiangma", "kjm", "");
        fuzz::Require(IsValidDrawCode(raw) == (raw == code && !raw.empty()), "the check and the reading differ");
        WriteDrawCode(ini, "01 04 12 20 28 33+08");
        fuzz::Require(ReadDrawCode(ini, problem) == "01 04 12 20 28 33+08", "a written code does not read back");
    });
    return 0;
}
