#include "tests/support/DrawDatabase.h"

#include "platform/db/ConnectionString.h"
#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "tests/support/Draws.h"

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

} // namespace zorvy::test
