#pragma once
// Month lengths and leap months of the Chinese calendar, read day by day from ICU.
#include <array>
#include <vector>

namespace zorvy::lunartables {

struct LunarYear {
    int year;
    int leapMonth;               // month followed by a leap month, 0 for none
    std::array<int, 13> lengths; // months in calendar order, the leap month after its normal month
};

// The lunar years firstYear .. lastYear; throws std::runtime_error when ICU fails or a year looks malformed.
std::vector<LunarYear> ReadChineseYears(int firstYear, int lastYear);

} // namespace zorvy::lunartables
