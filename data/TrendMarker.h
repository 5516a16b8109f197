#pragma once
// The mark of a trend marker column: a column holds it or nothing, and the grids count the marked cells.

namespace zorvy {

inline constexpr const char* TrendMarker = "◆";

} // namespace zorvy
