// Draw history files of fuzzed text, through the path the first start takes: what the parser accepts is
// inserted into a real SQLite database and read back, and every value comes back as the file gave it
// (a date as that date, never empty or shifted).
#include "fuzz/FuzzSupport.h"
#include "platform/db/DrawHistoryFile.h"
#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"

#include <string>
#include <string_view>
#include <unistd.h>

using namespace zorvy;

namespace {

struct TScratchDatabase {
    TScratchDatabase() {
        std::remove(file.c_str());
        connection.Open(SqliteConnectionString(file));
        CreateProgramTables(connection);
    }
    ~TScratchDatabase() {
        connection.Close();
        for (const char* suffix : {"", "-wal", "-shm"})
            std::remove((file + suffix).c_str());
    }
    std::string file = "/tmp/zorvy-fuzz-history-" + std::to_string(getpid()) + ".db";
    odbc::Connection connection;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TScratchDatabase database;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TDrawHistory history;
    try {
        history = ParseDrawHistory(text, "fuzz.csv");
    } catch (const Exception&) {
        return 0;
    }
    for (const auto& row : history.Rows)
        for (const odbc::Value& value : row)
            if (const auto* date = std::get_if<odbc::Timestamp>(&value))
                fuzz::Require(date->year >= 1900 && date->year <= 2099,
                              "a date outside 1900-2099 was accepted");

    odbc::Connection& connection = database.connection;
    connection.ExecDirect("delete from LotteryIssue");
    try {
        InsertDrawHistory(connection, history);
    } catch (const EDatabaseError&) {
        return 0; // two draws of one issue: the table's key refuses the file
    }
    std::string columns;
    for (const std::string& column : history.Columns)
        columns += (columns.empty() ? "" : ", ") + column;
    odbc::Statement statement(connection);
    statement.Execute("select " + columns + " from LotteryIssue order by rowid");
    for (const auto& row : history.Rows) {
        fuzz::Require(statement.Fetch(), "a draw was not stored");
        for (size_t i = 0; i < row.size(); ++i)
            fuzz::Require(statement.Get(i) == row[i], "a value read back differs from the file's");
    }
    fuzz::Require(!statement.Fetch(), "more draws were stored than the file holds");
    return 0;
}
