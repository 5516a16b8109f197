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
// The same for reading only. In a read-only folder SQLite cannot make its log files beside the database;
// with readOnlyFolder it is told that nobody changes the file while it is open, which is true only
// when no log there holds changes.
std::string SqliteReadOnlyConnectionString(const std::string& file, bool readOnlyFolder);

// Why an existing database file cannot be written ("The database file ... is read-only", or its folder,
// or a log file beside it), or empty when it can; readOnlyFolder tells whether its folder is the cause.
std::string ReadOnlyReason(const std::string& file, bool& readOnlyFolder);

// Creates the program's tables (LotteryIssue, FL_issue) and their unique keys where they are missing.
void CreateProgramTables(odbc::Connection& connection);
// The same for the embedded database, touching a database that has its tables not at all.
void EnsureProgramTables(odbc::Connection& connection);

// Milliseconds a statement on the embedded database waits for another program's lock.
constexpr int EmbeddedLockTimeout = 5000;

// Inserts the rows of a draw history into LotteryIssue, inside whatever transaction is open.
void InsertDrawHistory(odbc::Connection& connection, const TDrawHistory& history);

// When no file is at `file`, or an empty one (0 bytes), creates the embedded database there: its
// tables and the draws of `historyFile`, in one transaction, built under a temporary name and moved
// into place only when complete, so a failure leaves no file behind (or the empty one as it was) and
// the next start tries again. A file that is not empty is never touched. Raises EDatabaseError saying
// why the database could not be created, or that the empty file cannot be filled.
void CreateEmbeddedDatabase(const std::string& file, const std::string& historyFile = ShippedHistoryFile());

struct TEmbeddedOpening {
    std::string readOnlyReason; // why saving is unavailable, or empty
    std::string unreadChanges;  // why committed changes cannot be read and do not show, or empty
};

// Opens the embedded database at `file` (created first when missing or empty) for reading and writing,
// or for reading only when it cannot be written, and makes sure it has the program's tables. Log files
// that an earlier read-only opening left read-only are made writable again when the user owns them, and
// a read-only opening leaves none that would stop a later one from saving.
TEmbeddedOpening OpenEmbeddedDatabase(odbc::Connection& connection, const std::string& file,
                                      int loginTimeout);

} // namespace zorvy
