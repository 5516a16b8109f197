#include "tests/support/DrawDatabase.h"

#include "platform/db/ConnectionString.h"
#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "tests/support/Draws.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

namespace zorvy::test {
namespace {

// The name of the filled database kept for this test program: it changes whenever the program (which
// creates the tables and imports) or the draw file does.
std::string TemplateName(const std::string& program) {
    struct stat self {}, draws {};
    if (stat("/proc/self/exe", &self) != 0 || stat(DrawsCsvPath().c_str(), &draws) != 0) return {};
    return program + "-" + std::to_string(self.st_size) + "-" + std::to_string(self.st_mtim.tv_sec) + "." +
           std::to_string(self.st_mtim.tv_nsec) + "-" + std::to_string(draws.st_size) + "-" +
           std::to_string(draws.st_mtim.tv_sec) + "." + std::to_string(draws.st_mtim.tv_nsec) + ".db";
}

void FillDatabase(const std::string& file) {
    odbc::Connection connection;
    connection.Open(SqliteConnectionString(file));
    CreateProgramTables(connection);
    ImportDraws(connection);
}

// The filled database is built once and copied for every fixture. Each test runs in a process of its
// own and the import takes seconds under the sanitizers, so the copy is kept in the build folder for the
// next process; it is written under a name of its own and renamed, so a process never sees half of it.
const std::string& FilledTemplate() {
    static std::unique_ptr<TempFolder> folder;
    static std::string file;
    if (!file.empty()) return file;
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string program = fs::read_symlink("/proc/self/exe", error).filename().string();
    const std::string name = program.empty() ? std::string() : TemplateName(program);
    const fs::path kept = fs::path(ZORVY_TEST_CACHE_DIR) / name;
    if (!name.empty() && fs::exists(kept, error)) return file = kept.string();

    folder = std::make_unique<TempFolder>("zorvy-draws");
    file = folder->Path() + "/zorvy.db";
    FillDatabase(file);
    if (name.empty() || (!fs::create_directories(ZORVY_TEST_CACHE_DIR, error) && error)) return file;
    // Copies for an older build of this program go.
    for (const fs::directory_entry& entry : fs::directory_iterator(ZORVY_TEST_CACHE_DIR, error)) {
        const std::string other = entry.path().filename().string();
        if (other.starts_with(program + "-") && !other.starts_with(name)) fs::remove(entry.path(), error);
    }
    const fs::path partial = kept.string() + "." + std::to_string(getpid());
    if (fs::copy_file(file, partial, error)) fs::rename(partial, kept, error);
    if (error) fs::remove(partial, error);
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
