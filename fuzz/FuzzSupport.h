#pragma once
// Shared by the fuzz targets: a parser may refuse its input only with the runtime's own errors; any
// other exception escapes to libFuzzer, which reports it as a crash with the input that caused it.
#include "platform/rtl/Exceptions.h"

#include <cstdio>
#include <cstdlib>

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

} // namespace zorvy::fuzz
