#include "tests/support/DrawDatabase.h"

#include "platform/db/ConnectionString.h"
#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "tests/support/Draws.h"

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

namespace zorvy::test {
namespace {

// The filled database is built once per test binary and copied for every fixture.
const std::string& FilledTemplate() {
    static std::unique_ptr<TempFolder> folder;
    static std::string file;
    if (file.empty()) {
        folder = std::make_unique<TempFolder>("zorvy-draws");
        file = folder->Path() + "/zorvy.db";
        odbc::Connection connection;
        connection.Open(SqliteConnectionString(file));
        CreateProgramTables(connection);
        ImportDraws(connection);
    }
    return file;
}

} // namespace

DrawDatabase::DrawDatabase(Contents contents) {
    if (contents == RealDraws) {
        std::filesystem::copy_file(FilledTemplate(), File());
    } else {
        odbc::Connection connection;
        connection.Open(SqliteConnectionString(File()));
        CreateProgramTables(connection);
    }
}

std::string DrawDatabase::ConnectionString() {
    return "Provider=MSDASQL.1;Data Source=zorvy";
}

std::string DrawDatabase::File() const {
    return EmbeddedDatabaseFile();
}

std::string LeaveDrawsInTheLog(const std::string& file, int count) {
    const pid_t child = fork();
    if (child < 0) return "fork failed";
    if (child == 0) {
        try {
            odbc::Connection connection;
            connection.Open(SqliteConnectionString(file));
            for (int issue = 2026097; issue < 2026097 + count; ++issue)
                connection.ExecDirect(
                    "insert into LotteryIssue (LotteryID, Issue, ResultA1) values (3508, ?, ?)",
                    {std::to_string(issue), std::string("01 02 03 04 05 06")});
            _exit(0); // with the connection open: nothing copies the log into the file
        } catch (...) {
            _exit(1);
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the process saving the draws failed";
    std::error_code error;
    const auto logSize = std::filesystem::file_size(file + "-wal", error);
    if (error || logSize == 0) return "the draws did not stay in the log";
    return {};
}

} // namespace zorvy::test
