// The print queue names read from lpstat's output: every name comes from a line of the list, none is
// empty, and the default queue named goes first.
#include "fuzz/FuzzSupport.h"
#include "platform/classlib/printers/Spooler.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string defaultLine = in.ConsumeRandomLengthString(256);
    const std::string list = in.ConsumeRemainingBytesAsString();
    const auto queues = ParsePrinterQueues(list, defaultLine);
    for (const std::string& q : queues) {
        fuzz::Require(!q.empty(), "an empty queue name");
        fuzz::Require(list.find(q) != std::string::npos, "a queue name that is not in the list");
    }
    return 0;
}
