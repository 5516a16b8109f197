#pragma once
// Stepping through all combinations in serial order, for tests and benchmarks that visit the whole space.
#include "engine/Combination.h"

namespace zorvy {

// Serial 1, the first combination in lexicographic order.
inline constexpr TCombination FirstCombination = {1, 2, 3, 4, 5, 6};

// Moves to the combination of the next serial; false (and unchanged) after the last one.
inline bool NextCombination(TCombination& balls) {
    for (int k = 5; k >= 0; --k) {
        if (balls[k] < RedBallMax - 5 + k) {
            ++balls[k];
            for (int j = k + 1; j < 6; ++j)
                balls[j] = static_cast<int16_t>(balls[j - 1] + 1);
            return true;
        }
    }
    return false;
}

} // namespace zorvy
