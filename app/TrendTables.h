#pragma once
// What the analysis window's trend-table page computes apart from its controls: the hot/warm/cold
// summary of the value counters, the search for earlier stretches of equal pattern codes, the prior-value
// boxes, the codes a user may type, and the plain or marked interval columns of a trend window.
#include "data/AnalysisSettings.h"
#include "data/TrendMarker.h"
#include "data/TrendTable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorvy {

// The number of prior-value boxes and code edits of the pattern panel (zhi1 .. zhi15, zh1 .. zh15).
inline constexpr int PatternPriorCount = 15;
// The mark of the code that followed a matched stretch.
inline constexpr const char* FollowMarker = "◇";

// The six rules that mark a pattern column (bg0 .. bg7) instead of a value column.
bool IsPatternRule(TTrendRule rule);

// "重:<values>\r\n热:<values>\r\n温:<values>\r\n冷:<values>\r\n" over the counters of the values 0 .. 50:
// a value is listed only when its counter is below that of 30, by its counter 0, 1-3, 4-8 or 9 and more;
// with listValues false the four headings stand alone.
std::string HotColdSummaryText(const std::array<int32_t, TrendMaxValue + 1>& counts, bool listValues);

// The number of the highest ticked box (1-based), 0 when none is ticked.
int HighestTicked(const std::vector<bool>& ticked);

// A pattern code typed into a code edit: exactly one digit 0 to 7, else nothing.
std::optional<int> PatternCode(const std::string& text);
// Whether a typed character may enter a code edit: 0 to 7, or a control key such as backspace.
bool AcceptsCodeKey(char32_t key);

// One row of the trend table as the search reads it: its issue and which of bg0 .. bg7 hold "◆" (bit k
// for bgk).
struct TPatternRow {
    std::string Qh;
    unsigned Marks = 0;
};

// One row of the pattern table: the issue and the column bg0 .. bg7 that gets the mark (-1: none), "◆"
// for a row of a stretch, "◇" for the row that followed one.
struct TStretchRow {
    std::string qh;
    int Code = -1;
    bool Follows = false;
    const char* Marker() const { return Follows ? FollowMarker : TrendMarker; }
    bool operator==(const TStretchRow&) const = default;
};

// Every stretch of rows whose codes equal sequence (oldest first), walked from the first row: the rows of
// the match, then the row that followed it marked "◇" at its first code (none after the last row). The
// next attempt starts after a match, so overlapping stretches are found once. keepGoing runs before each
// attempt; false stops the search with what it found.
std::vector<TStretchRow> FindEqualStretches(const std::vector<TPatternRow>& rows, const std::vector<int>& sequence,
                                            const std::function<bool()>& keepGoing = {});


} // namespace zorvy
