#pragma once
// Shared by the fuzz targets: a parser may refuse its input only with the runtime's own errors; any
// other exception escapes to libFuzzer, which reports it as a crash with the input that caused it.
#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace zorvy::fuzz {

template <typename Parse> void Try(Parse parse) {
    try {
        parse();
    } catch (const Exception&) {
    }
}

// Stops the run on a broken promise that is not a crash: two paths that must agree did not.
inline void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

// Writes the input to this target's file (one per process, so parallel fuzzing jobs do not share it;
// removed when the run ends) and answers its path.
inline const std::string& WriteScratchFile(const uint8_t* data, size_t size) {
    static const struct TScratchFile {
        std::string path = "/tmp/zorvy-fuzz-" + std::to_string(getpid()) + ".ini";
        ~TScratchFile() { std::remove(path.c_str()); }
    } scratch;
    std::ofstream(scratch.path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                          static_cast<std::streamsize>(size));
    return scratch.path;
}

} // namespace zorvy::fuzz
