#pragma once
// The one place that speaks ODBC: owners of unixODBC handles for the environment, a connection and a
// statement. Every failure becomes an EDatabaseError that carries the driver's own message.
#include <cstdint>
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

class Connection;

class Statement {
  public:
    explicit Statement(Connection& connection);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Runs one statement; parameters are bound in order to its "?" markers, never spliced into the text.
    void Execute(const std::string& sql, const std::vector<Value>& parameters = {});
    // Columns of the result set of the last Execute; empty when the statement returned none.
    const std::vector<ColumnInfo>& Columns() const { return columns_; }
    // Moves to the next row of the result; false after the last.
    bool Fetch();
    // The value of column index (0-based) of the current row, read as the family of its column.
    Value Get(size_t index);
    // Rows changed by the last INSERT, UPDATE or DELETE (-1 when the driver cannot tell).
    int64_t RowsAffected();

  private:
    void Describe();
    void Free();
    void* handle_ = nullptr;
    std::vector<ColumnInfo> columns_;
};

class Connection {
  public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with a complete ODBC connection string ("DSN=...;" or "DRIVER=...;...").
    void Open(const std::string& connectionString);
    void Close();
    bool IsOpen() const { return open_; }
    // Name of the database engine behind the connection ("SQLite", "PostgreSQL").
    std::string DbmsName();

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
    void SetAutoCommit(bool on);
    void* handle_ = nullptr;
    bool open_ = false;
    bool inTransaction_ = false;
};

// The data source names the ODBC configuration defines (user and system), as the driver manager lists them.
std::vector<std::string> DataSourceNames();
bool DataSourceDefined(const std::string& name);
// The names of the installed drivers.
std::vector<std::string> DriverNames();

// Raises EDatabaseError with the diagnostics of a handle when ret reports a failure.
void Check(short ret, short handleType, void* handle, const std::string& context);

} // namespace zorvy::odbc
