#pragma once
// A combination of six red balls out of 33 and the size of the whole space.
#include <array>
#include <cstdint>

namespace zorvy {

// Six red balls b1 < b2 < ... < b6, each 1 to 33, ascending; index 0 is the smallest.
using TCombination = std::array<int16_t, 6>;

inline constexpr int32_t CombinationCount = 1107568; // C(33, 6)
inline constexpr int RedBallMax = 33;

} // namespace zorvy
