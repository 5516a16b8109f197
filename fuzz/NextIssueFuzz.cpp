// The issue text of the last draw row as the database holds it, with a fuzzed date of the next draw:
// the next issue is refused or is a seven-digit issue after it.
#include "app/NextDraw.h"
#include "fuzz/FuzzSupport.h"

#include <cstring>
#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first two bytes: days after 2000-01-01 of the next draw (0: none).
    const int days = data[0] | (data[1] << 8);
    const std::string issue(reinterpret_cast<const char*>(data + 2), size - 2);
    std::optional<TDateTime> date;
    if (days) date = EncodeDate(2000, 1, 1) + days;
    fuzz::Try([&] {
        const std::optional<std::string> next = NextIssue(issue, date);
        if (!next) return;
        fuzz::Require(next->size() == 7 && next->find_first_not_of("0123456789") == std::string::npos,
                      "the next issue is not seven digits");
        fuzz::Require(*next > issue, "the next issue does not come after the last");
        fuzz::Require(next->substr(4) != "000", "the next issue has draw number 000");
    });
    return 0;
}
