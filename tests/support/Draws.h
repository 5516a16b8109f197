#pragma once
// The real draw history (lottery-3508.csv, 3,493 draws) for tests: read as rows, or imported into the
// LotteryIssue table of a database.
#include <optional>
#include <string>
#include <vector>

namespace zorvy {
namespace odbc {
class Connection;
}
class TADOConnection;
} // namespace zorvy

namespace zorvy::test {

// One line of the file, as text; empty cells are std::nullopt (NULL in the database).
struct DrawRow {
    int lotteryId = 0;
    std::string issue;    // "2003001"
    std::string endTime;  // "2003-02-23"
    std::string resultA1; // "10 11 12 13 26 28"
    std::string resultB1; // "11"
    std::optional<int> sale, bonus1, bonus2, bonus3, count1, count2, count3;
};

std::string DrawsCsvPath();
std::vector<DrawRow> ReadDraws(const std::string& path = DrawsCsvPath());

// Inserts the rows into LotteryIssue (which must exist) in one transaction; returns how many.
int ImportDraws(odbc::Connection& connection, const std::vector<DrawRow>& rows = ReadDraws());
int ImportDraws(TADOConnection& connection, const std::vector<DrawRow>& rows = ReadDraws());

} // namespace zorvy::test
