// Reading scheme files: the largest scheme the window writes, and a 1 MB file of keys that name no
// component, each beside reading the same file's bytes alone. Both stay in proportion to the file's size.
#include "app/Schemes.h"
#include "bench/TimedLoop.h"
#include "platform/rtl/Streams.h"
#include "tests/app/LargestScheme.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace zorvy {
namespace {

struct TSchemeFiles {
    test::TempFolder folder;
    std::string largest = folder.Path() + "/largest.ini";
    std::string unknownKeys = folder.Path() + "/unknown.ini";
    TSchemeFiles() {
        WriteSchemeFile(largest, test::LargestScheme());
        std::ofstream out(unknownKeys, std::ios::binary);
        out << "[ButtonEdit]\n";
        for (int key = 0; out.tellp() < 1024 * 1024; ++key)
            out << "unknown" << key << "Edit=j=1/y=0/\n";
    }
};

const TSchemeFiles& SchemeFiles() {
    static const TSchemeFiles files;
    return files;
}

// Seconds one reading of the file's bytes takes: the least any reader of it can spend.
double ReadBytesSeconds(const std::string& path) {
    constexpr int rounds = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        benchmark::DoNotOptimize(ReadFileBytes(path));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void ReadScheme(benchmark::State& state, const std::string& path) {
    const double bytes = ReadBytesSeconds(path);
    const double scheme = TimedLoop(state, [&] { benchmark::DoNotOptimize(ReadSchemeFile(path)); });
    state.counters["scheme_ms"] = scheme * 1e3;
    state.counters["bytes_ms"] = bytes * 1e3;
    state.counters["ratio"] = scheme / bytes;
    state.counters["file_kb"] = static_cast<double>(std::filesystem::file_size(path)) / 1024;
}

void ReadLargestScheme(benchmark::State& state) {
    ReadScheme(state, SchemeFiles().largest);
}
BENCHMARK(ReadLargestScheme)->Unit(benchmark::kMillisecond);

void ReadUnknownKeys(benchmark::State& state) {
    ReadScheme(state, SchemeFiles().unknownKeys);
}
BENCHMARK(ReadUnknownKeys)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
