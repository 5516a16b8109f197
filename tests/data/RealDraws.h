#pragma once
// The real draw history as the trend columns read it, for tests that need no database.
#include "data/DrawRow.h"

#include <vector>

namespace zorvy::test {

const std::vector<TDrawRow>& RealDrawRows();

// A row of the given balls; the issue, day and weekday matter only to the parity columns.
TDrawRow BallsRow(const TCombination& balls, int32_t issue = 2024001);

} // namespace zorvy::test
