// Connection strings of fuzzed text: split into pairs, looked up, and mapped to ODBC.
#include "fuzz/FuzzSupport.h"
#include "platform/db/ConnectionString.h"

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::Try([&] {
        const ConnectionStringPairs pairs = ParseConnectionString(text);
        for (const char* key : {"Provider", "Data Source", "Extended Properties", "Password"})
            ConnectionStringValue(pairs, key);
    });
    fuzz::Try([&] { MapConnectionString(text); });
    return 0;
}
