// ";"-separated field-name lists of fuzzed text (key fields, master-detail keys, a column bound to
// several fields): split, counted and quoted for filter texts.
#include "controls/data/db/DBFieldFunctions.h"
#include "fuzz/FuzzSupport.h"

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::Try([&] {
        std::vector<std::string> names = SplitFieldNames(text);
        fuzz::Require(static_cast<int>(names.size()) == FieldNameCount(text), "count differs from the split");
        if (HasSeveralFieldNames(text)) fuzz::Require(!names.empty(), "several names but none split");
        for (std::string name : names) {
            fuzz::Require(name.find(';') == std::string::npos, "a name holds the separator");
            QuoteFieldName(name);
            fuzz::Require(SameFieldName(name, name), "a quoted name differs from itself");
        }
    });
    return 0;
}
