// The settings file of fuzzed bytes: the draw code read from it is valid or empty (with the problem
// said), and a valid code written reads back.
#include "app/Settings.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/IniFiles.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const struct TScratchFile {
        std::string path = "/tmp/zorvy-fuzz-setup-" + std::to_string(getpid()) + ".ini";
        ~TScratchFile() { std::remove(path.c_str()); }
    } scratch;
    std::ofstream(scratch.path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);

    fuzz::Try([&] {
        TIniFile ini(scratch.path);
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
