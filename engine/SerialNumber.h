#pragma once
// The serial number of a combination (its 1-based lexicographic rank) and its result line.
#include "engine/Combination.h"

#include <cstdint>
#include <string>

namespace zorvy {

// Serial of the first combination (a, b, b+1, b+2, b+3, b+4) of the block of the first two balls;
// 0 when a is outside 1..28 or b outside a+1..29.
int32_t BlockStart(int a, int b);

// The rank of the combination, 1 to 1,107,568. For input that is not a valid combination it gives
// the same number as the block-start and tail walk of SerialNumberByTailWalk; it never raises.
int32_t SerialNumber(const TCombination& balls);

// The block-start lookup followed by a lexicographic walk over the last four balls: the reference
// method, a few thousand steps per call. Kept for comparison and for the literal filter run.
int32_t SerialNumberByTailWalk(const TCombination& balls);

// The result line: each ball as two digits and one blank; with display6machk checked, three more
// blanks and the serial text ("03 08 12 19 25 31    454284").
std::string CombinationText(const TCombination& balls, bool display6machk);

} // namespace zorvy
