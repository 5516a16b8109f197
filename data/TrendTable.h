#pragma once
// The rows of the analysis window's trend table: which column of `xxtoxx` a view value marks under the
// chosen rule, and the state the rules keep between rows.
#include "data/AnalysisSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zorvy {

// Columns of `xxtoxx` that a rule can mark: Q0 to Q42 (a span goes up to 42) and bg0 to bg7.
inline constexpr int TrendQColumns = 43;
inline constexpr int TrendBgColumns = 8;
inline constexpr int TrendMaxValue = 50;

struct TTrendBuilderState {
    bool TrendBuildOn = false;
    bool TrendBuildCancel = false;
    std::array<int32_t, TrendMaxValue + 1> ValueGapCounts{};
    std::array<int32_t, 5> TrendValueHistory{}; // oldest first; advanced by the calling view
    std::array<int32_t, 5> PriorValueWindow{};  // oldest first; the filtered rules' own history
};

// One row for the table: the issue and the column that gets the marker (empty: the row carries only Qh).
struct TTrendRow {
    std::string Qh;
    std::string Column;
};

// The 6-draw pattern code (0, 1, 10, ... 111) of the five previous values, oldest first, and v.
int32_t SixDrawPattern(const std::array<int32_t, 5>& five, const std::string& mode, int32_t v, bool t2chk);

// The bg column of a 3-digit pattern code, in the order of the trigram classes; empty for another code.
std::string PatternColumn(int32_t code);

// The row a view value adds to the table, or nothing. `atEnd` tells that the view is past its last row;
// `processMessages` runs once per considered row so that a cancel click is seen. The history pair and the
// five are the last entries of `TrendValueHistory`; the caller advances it afterwards.
std::optional<TTrendRow> AddTrendRow(TTrendBuilderState& state, const TAnalysisSettings& settings, bool atEnd,
                                     int32_t v, int32_t issue, const std::function<void()>& processMessages);

} // namespace zorvy
