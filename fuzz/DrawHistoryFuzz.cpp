// Draw history files of fuzzed text: read into rows, each with one value per column of the header.
#include "fuzz/FuzzSupport.h"
#include "platform/db/DrawHistoryFile.h"

#include <string_view>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::Try([&] {
        const TDrawHistory history = ParseDrawHistory(text, "fuzz.csv");
        fuzz::Require(!history.Columns.empty(), "a history without columns was accepted");
        for (const auto& row : history.Rows)
            fuzz::Require(row.size() == history.Columns.size(), "a row's values do not match the header");
    });
    return 0;
}
