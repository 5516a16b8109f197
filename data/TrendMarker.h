#pragma once
// The mark of a trend marker column, and the names of numbered columns ("fw3", "Q40", "bg7").
#include <string>

namespace zorvy {

// A marker column holds this or nothing; the grids count the marked cells.
inline constexpr const char* TrendMarker = "◆";

inline std::string ColumnName(const char* prefix, int number) {
    std::string name(prefix);
    name += std::to_string(number);
    return name;
}

} // namespace zorvy
