#pragma once
// The limit a filter run is measured against: six nested loops that evaluate the conditions of the
// typical scheme directly, written by hand for that scheme, and write the same result lines.
#include "engine/DrawContext.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zorvy {

struct TBaselineLines {
    std::vector<char> Text;     // the lines back to back, sized once for the largest result
    std::vector<uint32_t> Ends; // line i is Text[Ends[i], Ends[i + 1]); Ends[0] is 0
    size_t Count = 0;

    std::string_view Line(size_t i) const { return {Text.data() + Ends[i], Ends[i + 1] - Ends[i]}; }
};

class TTypicalSchemeBaseline {
  public:
    explicit TTypicalSchemeBaseline(const TDrawContext& context);
    // Enumerates every combination into lines (cleared first, memory kept); returns the survivors.
    int32_t Run(TBaselineLines& lines) const;

  private:
    std::array<uint16_t, 6> allowedDigits_{}; // gw .. sww: the digits the position conditions let through
    std::array<int8_t, 10000> kaprekar_{};
    std::array<std::array<int8_t, 8>, 8> sisyphus_{}; // [even][odd] digit counts
};

} // namespace zorvy
