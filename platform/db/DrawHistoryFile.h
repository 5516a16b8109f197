#pragma once
// The draw history file the program ships (lottery-3508.csv): a UTF-8 CSV whose header names columns of
// the LotteryIssue table and whose lines are draws, read into values ready for the database.
#include "platform/db/Odbc.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorvy {

struct TDrawHistory {
    std::vector<std::string> Columns;           // LotteryIssue's column names, in the file's order
    std::vector<std::vector<odbc::Value>> Rows; // one value per column; an empty cell is NULL
};

// Reads the text of a history file. Raises EDatabaseError "<source> line <n>: ..." naming the line and
// column of the first cell that is not what its column holds (a whole number, a yyyy-mm-dd date of the
// years 1900-2099, a text that fits and holds no control character), or of a header that names no
// LotteryIssue column or lacks LotteryID or Issue.
TDrawHistory ParseDrawHistory(std::string_view text, const std::string& source);
// Reads the file; EDatabaseError naming the path when it cannot be read.
TDrawHistory ReadDrawHistory(const std::string& fileName);

} // namespace zorvy
