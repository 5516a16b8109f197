#pragma once
// The one place that speaks ODBC: owners of unixODBC handles for the environment, a connection and a
// statement. Every failure becomes an odbc::Error: its cause in words a user understands, then the
// driver's own message.
#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zorvy::odbc {

// A date and time as the driver hands it over.
struct Timestamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    uint32_t fraction = 0; // nanoseconds
    bool operator==(const Timestamp&) const = default;
};

struct Bytes {
    std::vector<uint8_t> data;
    bool operator==(const Bytes&) const = default;
};

// One value crossing the driver boundary, in either direction. monostate is SQL NULL.
using Value = std::variant<std::monostate, bool, int64_t, double, std::string, Timestamp, Bytes>;

// The kind of a result column as the driver describes it (ODBC SQL type codes kept as plain numbers
// so that callers need not see the ODBC headers).
struct ColumnInfo {
    std::string name;
    int sqlType = 0;
    uint64_t size = 0;
    int decimals = 0;
    bool nullable = true;
    bool autoIncrement = false;
};

// Broad families of ODBC SQL types, enough to pick a field type.
enum class SqlFamily {
    Integer,
    SmallInt,
    BigInt,
    Bit,
    Float,
    Numeric,
    Char,
    VarChar,
    WChar,
    WVarChar,
    LongText,
    Date,
    Time,
    Timestamp,
    Binary,
    VarBinary,
    LongBinary,
    Other
};
SqlFamily FamilyOf(int sqlType);

// What lies behind a failure, as far as a user can act on it.
enum class Fault { Other, DiskFull, ReadOnly, ConnectionLost, Locked, TimedOut, Damaged, FileError };

class Error : public EDatabaseError {
  public:
    Error(Fault fault, const std::string& message) : EDatabaseError(message), fault_(fault) {}
    Fault GetFault() const { return fault_; }

  private:
    Fault fault_;
};

// The cause of a driver's diagnostic, from its SQLSTATE and text (and the free room beside the database
// file, when one is known).
Fault ClassifyFault(const std::string& sqlState, const std::string& text,
                    const std::string& databaseFile = "");
// The message of a failure: the cause in words, naming the database file where one is known and the
// cause concerns it, then the driver's text.
std::string DescribeFault(Fault fault, const std::string& databaseFile, const std::string& driverText);

class Connection;

class Statement {
  public:
    explicit Statement(Connection& connection);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Runs one statement; parameters are bound in order to its "?" markers, never spliced into the text.
    // A lock held by another program is waited for up to the connection's lock time-out.
    void Execute(const std::string& sql, const std::vector<Value>& parameters = {});
    // Columns of the result set of the last Execute; empty when the statement returned none.
    const std::vector<ColumnInfo>& Columns() const { return columns_; }
    // Moves to the next row of the result; false after the last.
    bool Fetch();
    // The value of column index (0-based) of the current row, read as the family of its column.
    Value Get(size_t index);
    // Rows changed by the last INSERT, UPDATE or DELETE (-1 when the driver cannot tell).
    int64_t RowsAffected();

    // One row of a result in column order, handed to a reader of the whole result; the reader may move
    // the values out.
    using RowReader = std::function<void(std::vector<Value>& row)>;
    // Reads the rest of the result in blocks of rows, into buffers bound to its columns: numbers as
    // numbers, dates as dates, texts as UTF-16 up to their column's declared size. A result with a
    // column of no bounded size (long texts, binaries) is read cell by cell instead. False when a text
    // outgrew its column or a row failed to convert: the rows before it have been handed over and the
    // statement must run again and be read by FetchEach, which reads any value whole.
    bool FetchBlocks(const RowReader& reader);
    // Reads the rest of the result one row and one cell at a time, as Fetch and Get do.
    void FetchEach(const RowReader& reader);

  private:
    void ExecuteOnce(const std::string& sql, const std::vector<Value>& parameters);
    void Describe();
    void Free();
    void Check(short ret, const std::string& context);
    Connection* connection_;
    void* handle_ = nullptr;
    std::vector<ColumnInfo> columns_;
};

class Connection {
  public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with a complete ODBC connection string ("DSN=...;" or "DRIVER=...;..."), waiting at most
    // loginTimeout seconds for the server (0: the driver's own limit).
    void Open(const std::string& connectionString, int loginTimeout = 0);
    void Close();
    bool IsOpen() const { return open_; }
    // True once a failure showed that the server is gone; only closing and opening again helps.
    bool IsLost() const { return lost_; }
    // Raises when no statement can run now: closed, lost, or inside a transaction already abandoned.
    void CheckUsable() const;
    // The database file behind the connection, named in messages about it (empty: none known).
    void SetDatabaseFile(const std::string& file) { databaseFile_ = file; }
    // Seconds a statement may run before the driver cancels it (0: no limit).
    void SetQueryTimeout(int seconds) { queryTimeout_ = seconds; }
    int QueryTimeout() const { return queryTimeout_; }
    // Milliseconds a statement waits for a lock that another program holds, trying again until then
    // (0: the driver's own handling), for drivers that do not wait themselves.
    void SetLockTimeout(int milliseconds) { lockTimeout_ = milliseconds; }
    int LockTimeout() const { return lockTimeout_; }
    // Name of the database engine behind the connection ("SQLite", "PostgreSQL").
    std::string DbmsName();

    // A failure that takes the database's transaction with it (a full disk, a lost connection) rolls
    // the rest of it back at once: later statements of the transaction are refused and Commit raises
    // that first cause, so nothing reports success for changes that were never saved.
    void BeginTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return inTransaction_; }

    // Runs a statement that returns no rows.
    int64_t ExecDirect(const std::string& sql, const std::vector<Value>& parameters = {});

    // Names of the unique keys of a table (the primary key first), each as its list of column names.
    std::vector<std::vector<std::string>> UniqueKeys(const std::string& table);
    bool TableExists(const std::string& table);

    void* Handle() const { return handle_; }

  private:
    friend class Statement;
    void SetAutoCommit(bool on);
    void EndTransaction();
    // Raises the Error of a failed call on one of the connection's handles, noting a lost
    // connection and abandoning a transaction the failure ended.
    [[noreturn]] void Fail(short handleType, void* handle, const std::string& context);
    void* handle_ = nullptr;
    bool open_ = false;
    bool lost_ = false;
    bool inTransaction_ = false;
    std::optional<Error> lostTransaction_; // what ended the open transaction early
    std::string databaseFile_;
    int queryTimeout_ = 0;
    int lockTimeout_ = 0;
};

// The data source names the ODBC configuration defines (user and system), as the driver manager lists them.
std::vector<std::string> DataSourceNames();
bool DataSourceDefined(const std::string& name);
// A setting of a data source's section in the ODBC configuration; empty when it has none.
std::string DataSourceSetting(const std::string& dataSource, const std::string& key);
// The names of the installed drivers.
std::vector<std::string> DriverNames();

// Raises odbc::Error with the diagnostics of a handle when ret reports a failure.
void Check(short ret, short handleType, void* handle, const std::string& context);

} // namespace zorvy::odbc
