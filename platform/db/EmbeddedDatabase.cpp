#include "platform/db/EmbeddedDatabase.h"

#include "platform/db/DrawHistoryFile.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace zorvy {
namespace {

// Texts are declared as character types so that SQLite keeps "0012"-like values as texts.
const char* const ProgramTables[] = {
    "create table if not exists LotteryIssue ("
    "LotteryID integer not null, Issue char(7) not null, EndTime timestamp, ResultA1 varchar(50), "
    "ResultA2 char(2), ResultB1 char(2), ResultB2 char(2), Sale integer, Bonus1 integer, Count1 integer, "
    "Bonus2 integer, Count2 integer, Bonus3 integer, Count3 integer, Notes varchar(255))",
    "create unique index if not exists LotteryIssue_Key on LotteryIssue (LotteryID, Issue)",
    "create table if not exists FL_issue ("
    "LotIssue char(7) not null, StartTime timestamp, EndTime timestamp, Result varchar(50), Result2 char(2), "
    "Result3 varchar(50), Bonus1 integer, Bonus2 integer, Bonus3 integer, count1 integer, count2 integer, "
    "count3 integer, Sale integer, Memo varchar(255))",
    "create unique index if not exists FL_issue_Key on FL_issue (LotIssue)",
};

std::string SqliteOdbcString(const std::string& file, const std::string& options) {
    // The SQLite driver takes the value up to the next ";" as it stands: no quoting is possible.
    if (file.find(';') != std::string::npos)
        throw EDatabaseError("The database path \"" + file + "\" contains \";\", which ODBC cannot pass on");
    // The driver does not wait for locks (it would spend its time-out again on each step of a
    // statement); the connection waits itself, once per statement (see odbc::Connection::SetLockTimeout).
    return "DRIVER={SQLite3};Database=" + file + ";Timeout=1;" + options;
}

// Removes a database file and the journal files SQLite may have left beside it.
void RemoveDatabaseFiles(const std::string& file) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        unlink((file + suffix).c_str());
}

// True when the write-ahead log beside a database holds anything: changes committed but not yet copied
// into the file itself.
bool LogHoldsChanges(const std::string& file) {
    struct stat info {};
    return stat((file + "-wal").c_str(), &info) == 0 && info.st_size > 0;
}

// SQLite makes its log files with the database file's rights, so beside a read-only file they come out
// read-only, and once the file can be written again they turn every save away. Gives the owner back the
// right to write those the user owns.
void ReleaseLogFiles(const std::string& file) {
    for (const char* suffix : {"-wal", "-shm"}) {
        const std::string log = file + suffix;
        struct stat info {};
        if (stat(log.c_str(), &info) == 0 && info.st_uid == geteuid() && !(info.st_mode & S_IWUSR))
            chmod(log.c_str(), (info.st_mode & 07777) | S_IWUSR);
    }
}

// Puts a finished file in the place of an empty one, unless that empty file changed meanwhile (another
// start filled it): false then, and the caller discards its own.
bool ReplaceEmptyFile(const std::string& from, const std::string& to, const struct stat& empty) {
    struct stat now {};
    if (stat(to.c_str(), &now) != 0 || now.st_dev != empty.st_dev || now.st_ino != empty.st_ino ||
        now.st_size != 0)
        return false;
    if (rename(from.c_str(), to.c_str()) != 0)
        throw EDatabaseError("Cannot move the new database to " + to + ": " + std::strerror(errno));
    return true;
}

// Moves a finished file to its name unless a file already has that name (another process created the
// database meanwhile): false then, and the caller discards its own.
bool MoveIntoPlace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) return false;
    if (errno != EINVAL && errno != ENOSYS)
        throw EDatabaseError("Cannot move the new database to " + to + ": " + std::strerror(errno));
    // A file system without atomic no-replace renames: a hard link refuses an existing name too.
    if (link(from.c_str(), to.c_str()) != 0) {
        if (errno == EEXIST) return false;
        throw EDatabaseError("Cannot move the new database to " + to + ": " + std::strerror(errno));
    }
    unlink(from.c_str());
    return true;
}

// Removes what earlier starts left of databases they were making when they were cut off (a crash, a
// power cut): the temporary files beside `file` older than any creation takes.
void RemoveAbandonedDatabases(const std::string& file) {
    namespace fs = std::filesystem;
    const fs::path target(file);
    const std::string prefix = target.filename().string() + ".new-";
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(target.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || name.size() != prefix.size() + 6) continue;
        const auto written = entry.last_write_time(error);
        if (!error && fs::file_time_type::clock::now() - written > std::chrono::minutes(10))
            RemoveDatabaseFiles(entry.path().string());
    }
}

} // namespace

bool IsProgramDataSource(const std::string& name) {
    return SameText(name, "zorvy") || SameText(name, "Tkp");
}

std::string EmbeddedDataFolder() {
    try {
        return DataFolder();
    } catch (const Exception& e) {
        throw EDatabaseError(e.Message());
    }
}

std::string EmbeddedDatabaseFile() {
    return EmbeddedDataFolder() + "/zorvy.db";
}

std::string ShippedDataFolder() {
    if (const char* folder = std::getenv("ZORVY_SHARE_DIR"); folder && *folder)
        return ExcludeTrailingPathDelimiter(folder);
    return ZORVY_SHARE_DIR;
}

std::string ShippedHistoryFile() {
    return ShippedDataFolder() + "/lottery-3508.csv";
}

std::string SqliteConnectionString(const std::string& file) {
    // Write-ahead logging with normal sync: a post commits without waiting for the disk each time, and
    // a crash of the program loses nothing that was committed.
    return SqliteOdbcString(file, "JournalMode=WAL;SyncPragma=NORMAL;");
}

std::string SqliteReadOnlyConnectionString(const std::string& file, bool readOnlyFolder) {
    // A URI file name; the characters a URI gives a meaning to are escaped.
    std::string uri = "file:";
    for (char c : file) {
        if (c == '%' || c == '?' || c == '#') {
            const char* digits = "0123456789ABCDEF";
            uri += '%';
            uri += digits[static_cast<unsigned char>(c) >> 4];
            uri += digits[c & 15];
        } else {
            uri += c;
        }
    }
    uri += readOnlyFolder ? "?mode=ro&immutable=1" : "?mode=ro";
    return SqliteOdbcString(uri, "");
}

std::string ReadOnlyReason(const std::string& file, bool& readOnlyFolder) {
    // The effective rights, as opening the file will meet them (a read-only mount included).
    const std::string folder = ExtractFileDir(file).empty() ? "." : ExtractFileDir(file);
    readOnlyFolder = faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0;
    if (readOnlyFolder) return "The folder of the database file " + file + " is read-only";
    if (faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        return "The database file " + file + " is read-only";
    for (const char* suffix : {"-wal", "-shm"})
        if (faccessat(AT_FDCWD, (file + suffix).c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
            return "The file " + file + suffix + " beside the database is read-only";
    return {};
}

void EnsureProgramTables(odbc::Connection& connection) {
    // One read first: a database that has its tables is not written to, and a lock held by another
    // program is waited for once.
    odbc::Statement statement(connection);
    statement.Execute("select count(*) from sqlite_master where type = 'table' and name in "
                      "('LotteryIssue', 'FL_issue')");
    if (!statement.Fetch()) {
        CreateProgramTables(connection);
        return;
    }
    // A driver may describe the count as text (the SQLite driver does when it steps through results).
    const odbc::Value tables = statement.Get(0);
    const int64_t* number = std::get_if<int64_t>(&tables);
    const std::string* text = std::get_if<std::string>(&tables);
    if ((number && *number == 2) || (text && *text == "2")) return;
    CreateProgramTables(connection);
}

void CreateProgramTables(odbc::Connection& connection) {
    for (const char* statement : ProgramTables)
        connection.ExecDirect(statement);
}

void InsertDrawHistory(odbc::Connection& connection, const TDrawHistory& history) {
    // Many rows per statement: one round trip per batch instead of one per draw, and well under
    // SQLite's limit on parameters per statement.
    constexpr size_t batch = 50;
    std::string columns;
    std::string placeholders = "(";
    for (const std::string& column : history.Columns) {
        columns += (columns.empty() ? "" : ", ") + column;
        placeholders += placeholders.size() == 1 ? "?" : ", ?";
    }
    placeholders += ")";
    for (size_t start = 0; start < history.Rows.size(); start += batch) {
        size_t end = std::min(history.Rows.size(), start + batch);
        std::string sql = "insert into LotteryIssue (" + columns + ") values ";
        std::vector<odbc::Value> values;
        for (size_t i = start; i < end; ++i) {
            sql += (i == start ? "" : ", ") + placeholders;
            values.insert(values.end(), history.Rows[i].begin(), history.Rows[i].end());
        }
        connection.ExecDirect(sql, values);
    }
}

void CreateEmbeddedDatabase(const std::string& file, const std::string& historyFile) {
    // An empty file is no database: it gets the history as a missing one does. One with a log that holds
    // changes is a database all the same.
    struct stat existing {};
    const bool empty = stat(file.c_str(), &existing) == 0 && existing.st_size == 0 && !LogHoldsChanges(file);
    if (access(file.c_str(), F_OK) == 0 && !empty) return;
    if (empty) {
        bool readOnlyFolder = false;
        if (const std::string reason = ReadOnlyReason(file, readOnlyFolder); !reason.empty())
            throw EDatabaseError("The database file " + file +
                                 " is empty (0 bytes) and cannot be filled with the draw history: " + reason);
    }
    const std::string failure = "Cannot create the database " + file + " with the draw history: ";
    try {
        TDrawHistory history = ReadDrawHistory(historyFile);
        RemoveAbandonedDatabases(file);
        std::vector<char> name(file.begin(), file.end());
        for (char c : std::string(".new-XXXXXX"))
            name.push_back(c);
        name.push_back('\0');
        int fd = mkstemp(name.data());
        if (fd < 0) throw EDatabaseError(std::string("cannot write in its folder: ") + std::strerror(errno));
        close(fd);
        const std::string temporary = name.data();
        try {
            odbc::Connection connection;
            connection.SetLockTimeout(EmbeddedLockTimeout);
            // A rollback journal rather than write-ahead logging: once committed and closed, the one
            // file holds everything and can be moved into place alone.
            connection.Open(SqliteOdbcString(temporary, "JournalMode=DELETE;"));
            connection.BeginTransaction();
            CreateProgramTables(connection);
            InsertDrawHistory(connection, history);
            connection.Commit();
            connection.Close();
            const bool placed =
                empty ? ReplaceEmptyFile(temporary, file, existing) : MoveIntoPlace(temporary, file);
            if (!placed) RemoveDatabaseFiles(temporary);
        } catch (...) {
            RemoveDatabaseFiles(temporary);
            throw;
        }
    } catch (const Exception& e) {
        throw EDatabaseError(failure + e.Message());
    }
}

TEmbeddedOpening OpenEmbeddedDatabase(odbc::Connection& connection, const std::string& file,
                                      int loginTimeout) {
    CreateEmbeddedDatabase(file);
    ReleaseLogFiles(file);
    TEmbeddedOpening opening;
    bool readOnlyFolder = false;
    opening.readOnlyReason = ReadOnlyReason(file, readOnlyFolder);
    if (opening.readOnlyReason.empty()) {
        connection.Open(SqliteConnectionString(file), loginTimeout);
        EnsureProgramTables(connection);
        return opening;
    }
    opening.readOnlyReason += ": saving is unavailable";
    // A read-only folder takes no new log files. Changes still in a log are read through the log files
    // already there; without them (or without changes) the file is read as it stands.
    if (readOnlyFolder && LogHoldsChanges(file)) {
        try {
            connection.Open(SqliteReadOnlyConnectionString(file, false), loginTimeout);
            EnsureProgramTables(connection);
            return opening;
        } catch (const odbc::Error& e) {
            if (e.GetFault() != odbc::Fault::FileError) throw;
            connection.Close();
            opening.unreadChanges = "The changes saved last are still in " + file +
                                    "-wal, which cannot be read while the folder is read-only: the "
                                    "draws shown lack them";
        }
    }
    connection.Open(SqliteReadOnlyConnectionString(file, readOnlyFolder), loginTimeout);
    EnsureProgramTables(connection);
    // The log files this reading made must not stop a later opening from saving.
    if (!readOnlyFolder) ReleaseLogFiles(file);
    return opening;
}

} // namespace zorvy
