#pragma once
// The per-digit gap counters of a view and their hot/warm/cold classes: the `chongv`, `Rev`, `wenv` and
// `lengv` columns and the text of a view's hot/warm/cold label.
#include <array>
#include <cstdint>
#include <string>

namespace zorvy {

// For each digit 0 to 9, the rows since a row last counted it as present.
using TDigitGapCounters = std::array<int32_t, 10>;

// The digits a row counts as present, by gap class; each digit followed by one blank, ascending.
struct TGapColumns {
    std::string chongv; // 重: present in the row before
    std::string Rev;    // 热
    std::string wenv;   // 温
    std::string lengv;  // 冷
    bool operator==(const TGapColumns&) const = default;
};

// The gap step of the serial and advanced views: every digit of the serial text is present.
TGapColumns xhRwLJsFn(TDigitGapCounters& counters, const std::string& serialText);
// The gap step of a position view: only the serial's digit at the position key ("gw" ... "sww") is present.
TGapColumns xh6wRwLJsFn(TDigitGapCounters& counters, const std::string& serialText, const std::string& key);
// The label text "重:...热:...温:...冷:..." of the counters as they stand.
std::string xhRwLdisp(const TDigitGapCounters& counters);

} // namespace zorvy
