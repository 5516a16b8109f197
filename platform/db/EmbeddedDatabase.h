#pragma once
// The embedded default database: a SQLite file in the data folder, opened through the SQLite ODBC
// driver when the ODBC configuration does not define one of the program's data sources.
#include <string>

namespace zorvy {

namespace odbc {
class Connection;
}

// The draw database the data module reads ("zorvy") and the blue-ball source of data maintenance ("Tkp").
bool IsProgramDataSource(const std::string& name);

// The folder of the program's own files: $ZORVY_HOME, else $XDG_DATA_HOME/zorvy, else
// ~/.local/share/zorvy; created when missing.
std::string EmbeddedDataFolder();
std::string EmbeddedDatabaseFile();

// The ODBC connection string that opens a SQLite database file.
std::string SqliteConnectionString(const std::string& file);

// Creates the program's tables (LotteryIssue, FL_issue) and their unique keys where they are missing.
void CreateProgramTables(odbc::Connection& connection);

} // namespace zorvy
