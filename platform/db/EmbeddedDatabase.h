#pragma once
// The embedded default database: a SQLite file in the data folder, opened through the SQLite ODBC
// driver when the ODBC configuration does not define one of the program's data sources. It starts
// with the draw history the program ships.
#include <string>

namespace zorvy {

namespace odbc {
class Connection;
}
struct TDrawHistory;

// The draw database the data module reads ("zorvy") and the blue-ball source of data maintenance ("Tkp").
bool IsProgramDataSource(const std::string& name);

// The folder of the program's own files: $ZORVY_HOME, else $XDG_DATA_HOME/zorvy, else
// ~/.local/share/zorvy; created when missing.
std::string EmbeddedDataFolder();
std::string EmbeddedDatabaseFile();

// The folder of the data files the program ships: $ZORVY_SHARE_DIR, else the one the build was
// configured with (the project's share/ folder unless the build says otherwise).
std::string ShippedDataFolder();
// The real draw history the program ships (lottery-3508.csv in the shipped data folder).
std::string ShippedHistoryFile();

// The ODBC connection string that opens a SQLite database file.
std::string SqliteConnectionString(const std::string& file);
// The same for reading only. In a read-only folder SQLite cannot make its lock and log files beside the
// database, so it is told that nobody changes the file while it is open.
std::string SqliteReadOnlyConnectionString(const std::string& file, bool readOnlyFolder);

// Why an existing database file cannot be written ("The database file ... is read-only"), or empty
// when it can; readOnlyFolder tells whether its folder is the cause.
std::string ReadOnlyReason(const std::string& file, bool& readOnlyFolder);

// Creates the program's tables (LotteryIssue, FL_issue) and their unique keys where they are missing.
void CreateProgramTables(odbc::Connection& connection);
// The same for the embedded database, touching a database that has its tables not at all.
void EnsureProgramTables(odbc::Connection& connection);

// Milliseconds a statement on the embedded database waits for another program's lock.
constexpr int EmbeddedLockTimeout = 5000;

// Inserts the rows of a draw history into LotteryIssue, inside whatever transaction is open.
void InsertDrawHistory(odbc::Connection& connection, const TDrawHistory& history);

// When no file is at `file`, creates the embedded database there: its tables and the draws of
// `historyFile`, in one transaction, built under a temporary name and moved into place only when
// complete, so a failure leaves no file behind and the next start tries again. An existing file is
// never touched. Raises EDatabaseError saying why the database could not be created.
void CreateEmbeddedDatabase(const std::string& file, const std::string& historyFile = ShippedHistoryFile());

} // namespace zorvy
