#pragma once
// Features computed from the six balls of a combination. All routines are pure.
#include "engine/Combination.h"

#include <cstdint>

namespace zorvy {

int32_t BallSum(const TCombination& balls);
// Sum of the units digits; a ball above 33 adds nothing.
int32_t TailSum(const TCombination& balls);
// Band of the ball sum: 21..59 -> 1, then one per ten up to 130..139 -> 9, 140..183 -> 10, else 0.
int32_t SumBandClass(const TCombination& balls);
// Class 1..10 of the counts in the zones 1-11, 12-22, 23-33; 0 when the counts do not add up to 6.
int32_t ZoneRatioClass(const TCombination& balls);
// The balls read as digits of a base-2 or base-3 number (first ball most significant), plus 1.
int32_t BallParityCode(const TCombination& balls);
int32_t BallRemainderCode(const TCombination& balls);
int32_t GroupParityCode(const TCombination& balls);
int32_t GroupRemainderCode(const TCombination& balls);

} // namespace zorvy
