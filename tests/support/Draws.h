#pragma once
// The real draw history (lottery-3508.csv, 3,493 draws) for tests: read as rows, or imported into the
// LotteryIssue table of a database.
#include "tests/support/DrawFile.h"

#include <string>
#include <vector>

namespace zorvy {
namespace odbc {
class Connection;
}
class TADOConnection;
} // namespace zorvy

namespace zorvy::test {

// Inserts the rows into LotteryIssue (which must exist) in one transaction; returns how many.
int ImportDraws(odbc::Connection& connection, const std::vector<DrawRow>& rows = ReadDraws());
int ImportDraws(TADOConnection& connection, const std::vector<DrawRow>& rows = ReadDraws());

} // namespace zorvy::test
