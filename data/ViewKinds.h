#pragma once
// The eight trend views and the view value of a row under each view's feature kinds.
#include "data/DigitGaps.h"
#include "data/DrawRow.h"

#include <array>
#include <cstdint>
#include <string>

namespace zorvy {

enum class TTrendView { xh, gw, sw, bw, qw, ww, sww, tb };

inline constexpr int TrendViewCount = 8;
inline constexpr int SerialKindCount = 36;
inline constexpr int PositionKindCount = 19;
inline constexpr int AdvancedKindCount = 16;

// The position key of a position view ("gw" ... "sww"); empty for the serial and advanced views.
std::string PositionKey(TTrendView view);
bool IsPositionView(TTrendView view);
// Number of `fw` columns of a view: 21 for the advanced view, 16 for the others.
int32_t FwColumnCount(TTrendView view);
// Number of kinds the view's trend window offers.
int KindCount(TTrendView view);

// The serial view's value of serial N (text T) for a kind 0 to 35; `edit2` is the digit set of kinds
// 32 to 35. Any other kind gives 0.
int32_t SerialViewValue(int kind, int32_t n, const std::string& t, const std::string& edit2);

// The position digits of the rows calculated before: one, two and three rows back.
using TPrevPositionDigits = std::array<int32_t, 3>;

// A position view's value for a kind 0 to 18, with the histories as the previous rows left them.
int32_t PositionViewValue(int kind, int32_t n, const std::string& t, const std::string& key,
                          const TPrevPositionDigits& prev, const TDigitGapCounters& counters);

// The advanced view's value for a kind 0 to 15.
int32_t AdvancedViewValue(int kind, int32_t n, const TCombination& balls);

} // namespace zorvy
