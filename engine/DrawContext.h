#pragma once
// The position digits of the last three draws and how long each digit has been absent from each
// position: what the position conditions compare a candidate with.
#include "engine/Combination.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorvy {

// Six digits of one serial, index 0 = "sww" up to index 5 = "gw".
using TPositionDigits = std::array<int16_t, 6>;

// One row of the draw history as the data module hands it over.
struct TDraw {
    std::string Issue;
    std::string ResultA1; // "01 02 03 04 05 06"
};

struct TDrawContext {
    TPositionDigits LastDrawDigits{};
    TPositionDigits PrevDrawDigits{};
    TPositionDigits PrevPrevDrawDigits{};
    // Row = position ("sww" first), column = digit: draws without that digit there, walking back
    // from the second-last draw.
    std::array<std::array<int32_t, 10>, 6> DigitOmission{};
};

// The six balls of a ResultA1 text (two digits at positions 1, 4, 7, 10, 13, 16). Raises
// EConvertError naming the issue unless they are six ascending balls 1..33.
TCombination ReadDrawBalls(const std::string& resultA1, const std::string& issue);

// The six position digits of a serial, "sww" first (a missing high position reads 0).
TPositionDigits SerialPositionDigits(int32_t serial);

// The draw context of the draws of Tem1, given oldest first. An empty history gives all zeros.
TDrawContext GetWzEnd6v(const std::vector<TDraw>& tem1);

} // namespace zorvy
