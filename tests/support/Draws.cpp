#include "tests/support/Draws.h"

#include "platform/db/ADOConnection.h"
#include "platform/db/Odbc.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace zorvy::test {
namespace {

odbc::Value Nullable(const std::optional<int>& value) {
    if (!value) return std::monostate{};
    return static_cast<int64_t>(*value);
}

odbc::Value Date(const std::string& text) {
    odbc::Timestamp t;
    if (std::sscanf(text.c_str(), "%d-%d-%d", &t.year, &t.month, &t.day) != 3)
        throw std::runtime_error("Bad date in the draw file: " + text);
    return t;
}

} // namespace

int ImportDraws(odbc::Connection& connection, const std::vector<DrawRow>& rows) {
    // Many rows per statement: one round trip per batch instead of one per draw.
    constexpr size_t batch = 50;
    const std::string head =
        "insert into LotteryIssue (LotteryID, Issue, EndTime, ResultA1, ResultB1, Sale, Bonus1, "
        "Bonus2, Bonus3, Count1, Count2, Count3) values ";
    connection.BeginTransaction();
    try {
        for (size_t start = 0; start < rows.size(); start += batch) {
            size_t end = std::min(rows.size(), start + batch);
            std::string sql = head;
            std::vector<odbc::Value> values;
            for (size_t i = start; i < end; ++i) {
                const DrawRow& row = rows[i];
                sql += i == start ? "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                                  : ", (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
                for (odbc::Value v :
                     {odbc::Value(static_cast<int64_t>(row.lotteryId)), odbc::Value(row.issue),
                      Date(row.endTime), odbc::Value(row.resultA1), odbc::Value(row.resultB1),
                      Nullable(row.sale), Nullable(row.bonus1), Nullable(row.bonus2), Nullable(row.bonus3),
                      Nullable(row.count1), Nullable(row.count2), Nullable(row.count3)})
                    values.push_back(std::move(v));
            }
            connection.ExecDirect(sql, values);
        }
        connection.Commit();
    } catch (...) {
        connection.Rollback();
        throw;
    }
    return static_cast<int>(rows.size());
}

int ImportDraws(TADOConnection& connection, const std::vector<DrawRow>& rows) {
    return ImportDraws(connection.OdbcConnection(), rows);
}

} // namespace zorvy::test
