#include "platform/db/Odbc.h"

#include "platform/db/Utf16.h"
#include "platform/rtl/Exceptions.h"

#include <odbcinst.h>
#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <thread>

namespace zorvy::odbc {
namespace {

class Environment {
  public:
    Environment() {
        Check(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &handle_), SQL_HANDLE_ENV, nullptr,
              "ODBC environment");
        Check(SQLSetEnvAttr(handle_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
              SQL_HANDLE_ENV, handle_, "ODBC environment");
    }
    ~Environment() { SQLFreeHandle(SQL_HANDLE_ENV, handle_); }
    SQLHENV Handle() const { return handle_; }

  private:
    SQLHENV handle_ = SQL_NULL_HENV;
};

SQLHENV Env() {
    static Environment environment;
    return environment.Handle();
}

bool Succeeded(SQLRETURN ret) {
    return ret == SQL_SUCCESS || ret == SQL_SUCCESS_WITH_INFO;
}

struct Diagnostic {
    std::string state; // the first record's SQLSTATE
    std::string text;  // every record's message, one per line
};

Diagnostic Diagnostics(SQLSMALLINT handleType, SQLHANDLE handle) {
    Diagnostic diagnostic;
    std::string& text = diagnostic.text;
    if (!handle) return diagnostic;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLWCHAR message[1024] = {};
        SQLINTEGER nativeError = 0;
        SQLSMALLINT length = 0;
        SQLRETURN ret = SQLGetDiagRecW(handleType, handle, record, state, &nativeError, message,
                                       static_cast<SQLSMALLINT>(std::size(message)), &length);
        if (!Succeeded(ret)) break;
        if (record == 1) diagnostic.state = Utf16ToUtf8(state, 5);
        std::string line = Utf16ToUtf8(message, std::min<size_t>(length, std::size(message) - 1));
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.empty()) continue;
        if (!text.empty()) text += '\n';
        text += line;
    }
    return diagnostic;
}

std::vector<SQLWCHAR> Wide(const std::string& text) {
    std::vector<SQLWCHAR> wide = Utf8ToUtf16(text);
    wide.push_back(0);
    return wide;
}

} // namespace

void Check(short ret, short handleType, void* handle, const std::string& context) {
    if (Succeeded(ret) || ret == SQL_NO_DATA) return;
    Diagnostic diagnostic = Diagnostics(handleType, handle);
    if (diagnostic.text.empty()) diagnostic.text = context + ": the ODBC call failed";
    const Fault fault = ClassifyFault(diagnostic.state, diagnostic.text);
    throw Error(fault, DescribeFault(fault, "", diagnostic.text));
}

SqlFamily FamilyOf(int sqlType) {
    switch (sqlType) {
    case SQL_INTEGER:
        return SqlFamily::Integer;
    case SQL_SMALLINT:
    case SQL_TINYINT:
        return SqlFamily::SmallInt;
    case SQL_BIGINT:
        return SqlFamily::BigInt;
    case SQL_BIT:
        return SqlFamily::Bit;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return SqlFamily::Float;
    case SQL_NUMERIC:
    case SQL_DECIMAL:
        return SqlFamily::Numeric;
    case SQL_CHAR:
        return SqlFamily::Char;
    case SQL_VARCHAR:
        return SqlFamily::VarChar;
    case SQL_WCHAR:
        return SqlFamily::WChar;
    case SQL_WVARCHAR:
        return SqlFamily::WVarChar;
    case SQL_LONGVARCHAR:
    case SQL_WLONGVARCHAR:
        return SqlFamily::LongText;
    case SQL_TYPE_DATE:
    case SQL_DATE:
        return SqlFamily::Date;
    case SQL_TYPE_TIME:
    case SQL_TIME:
        return SqlFamily::Time;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
        return SqlFamily::Timestamp;
    case SQL_BINARY:
        return SqlFamily::Binary;
    case SQL_VARBINARY:
        return SqlFamily::VarBinary;
    case SQL_LONGVARBINARY:
        return SqlFamily::LongBinary;
    default:
        return SqlFamily::Other;
    }
}

// ---- Statement -------------------------------------------------------------------------------

Statement::Statement(Connection& connection) : connection_(&connection) {
    connection.CheckUsable();
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!Succeeded(SQLAllocHandle(SQL_HANDLE_STMT, connection.Handle(), &stmt)))
        connection.Fail(SQL_HANDLE_DBC, connection.Handle(), "Statement");
    handle_ = stmt;
    if (connection.QueryTimeout() > 0)
        SQLSetStmtAttr(stmt, SQL_ATTR_QUERY_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<uintptr_t>(connection.QueryTimeout())), 0);
}

void Statement::Check(short ret, const std::string& context) {
    if (Succeeded(ret) || ret == SQL_NO_DATA) return;
    connection_->Fail(SQL_HANDLE_STMT, handle_, context);
}

Statement::~Statement() {
    Free();
}

void Statement::Free() {
    if (handle_) SQLFreeHandle(SQL_HANDLE_STMT, handle_);
    handle_ = nullptr;
}

namespace {

// Storage that must stay alive until SQLExecute has run.
struct BoundParameter {
    SQLLEN indicator = 0;
    int64_t integer = 0;
    double real = 0;
    unsigned char bit = 0;
    SQL_TIMESTAMP_STRUCT timestamp{};
    std::vector<SQLWCHAR> text;
    std::vector<uint8_t> bytes;
};

void Bind(SQLHSTMT stmt, SQLUSMALLINT number, const Value& value, BoundParameter& slot) {
    SQLRETURN ret = SQL_SUCCESS;
    if (std::holds_alternative<std::monostate>(value)) {
        slot.indicator = SQL_NULL_DATA;
        ret = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0, nullptr, 0,
                               &slot.indicator);
    } else if (auto* b = std::get_if<bool>(&value)) {
        slot.bit = *b ? 1 : 0;
        ret =
            SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_BIT, SQL_BIT, 1, 0, &slot.bit, 0, nullptr);
    } else if (auto* i = std::get_if<int64_t>(&value)) {
        slot.integer = *i;
        bool fitsInt = *i >= INT32_MIN && *i <= INT32_MAX;
        ret = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_SBIGINT,
                               fitsInt ? SQL_INTEGER : SQL_BIGINT, 0, 0, &slot.integer, 0, nullptr);
    } else if (auto* d = std::get_if<double>(&value)) {
        slot.real = *d;
        ret = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 15, 0, &slot.real, 0,
                               nullptr);
    } else if (auto* s = std::get_if<std::string>(&value)) {
        slot.text = Utf8ToUtf16(*s);
        slot.indicator = static_cast<SQLLEN>(slot.text.size() * sizeof(SQLWCHAR));
        slot.text.push_back(0);
        SQLULEN size = std::max<SQLULEN>(1, slot.text.size() - 1);
        ret = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, size, 0,
                               slot.text.data(), static_cast<SQLLEN>(slot.text.size() * sizeof(SQLWCHAR)),
                               &slot.indicator);
    } else if (auto* t = std::get_if<Timestamp>(&value)) {
        slot.timestamp.year = static_cast<SQLSMALLINT>(t->year);
        slot.timestamp.month = static_cast<SQLUSMALLINT>(t->month);
        slot.timestamp.day = static_cast<SQLUSMALLINT>(t->day);
        slot.timestamp.hour = static_cast<SQLUSMALLINT>(t->hour);
        slot.timestamp.minute = static_cast<SQLUSMALLINT>(t->minute);
        slot.timestamp.second = static_cast<SQLUSMALLINT>(t->second);
        // Milliseconds are all a date-time keeps; more digits only confuse some drivers.
        slot.timestamp.fraction = t->fraction / 1000000 * 1000000;
        ret = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 23, 3,
                               &slot.timestamp, 0, nullptr);
    } else if (auto* bytes = std::get_if<Bytes>(&value)) {
        slot.bytes = bytes->data;
        if (slot.bytes.empty()) slot.bytes.push_back(0);
        slot.indicator = static_cast<SQLLEN>(bytes->data.size());
        ret = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_BINARY, SQL_LONGVARBINARY,
                               slot.bytes.size(), 0, slot.bytes.data(),
                               static_cast<SQLLEN>(slot.bytes.size()), &slot.indicator);
    }
    Check(ret, SQL_HANDLE_STMT, stmt, "Binding a parameter");
}

} // namespace

void Statement::Execute(const std::string& sql, const std::vector<Value>& parameters) {
    using Clock = std::chrono::steady_clock;
    const int lockTimeout = connection_->LockTimeout();
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(lockTimeout);
    for (;;) {
        try {
            ExecuteOnce(sql, parameters);
            return;
        } catch (const Error& error) {
            // A lock that another program holds is waited for here, once for the whole statement: the
            // driver's own wait would be spent again on each of its steps.
            const Clock::time_point now = Clock::now();
            if (error.GetFault() != Fault::Locked || lockTimeout <= 0 || now >= deadline) throw;
            std::this_thread::sleep_for(
                std::min<Clock::duration>(std::chrono::milliseconds(20), deadline - now));
        }
    }
}

void Statement::ExecuteOnce(const std::string& sql, const std::vector<Value>& parameters) {
    SQLHSTMT stmt = handle_;
    SQLFreeStmt(stmt, SQL_CLOSE);
    SQLFreeStmt(stmt, SQL_RESET_PARAMS);
    columns_.clear();
    std::vector<SQLWCHAR> text = Wide(sql);
    std::vector<BoundParameter> slots(parameters.size());
    SQLRETURN ret;
    if (parameters.empty()) {
        ret = SQLExecDirectW(stmt, text.data(), SQL_NTS);
    } else {
        Check(SQLPrepareW(stmt, text.data(), SQL_NTS), "Preparing a statement");
        for (size_t i = 0; i < parameters.size(); ++i)
            Bind(stmt, static_cast<SQLUSMALLINT>(i + 1), parameters[i], slots[i]);
        ret = SQLExecute(stmt);
    }
    Check(ret, "Executing a statement");
    Describe();
}

void Statement::Describe() {
    SQLSMALLINT count = 0;
    Check(SQLNumResultCols(handle_, &count), "Describing a result");
    for (SQLSMALLINT i = 1; i <= count; ++i) {
        SQLWCHAR name[512] = {};
        SQLSMALLINT nameLength = 0, type = 0, decimals = 0, nullable = 0;
        SQLULEN size = 0;
        Check(SQLDescribeColW(handle_, static_cast<SQLUSMALLINT>(i), name,
                              static_cast<SQLSMALLINT>(std::size(name)), &nameLength, &type, &size, &decimals,
                              &nullable),
              "Describing a column");
        ColumnInfo info;
        info.name = Utf16ToUtf8(name, std::min<size_t>(nameLength, std::size(name) - 1));
        info.sqlType = type;
        info.size = size;
        info.decimals = decimals;
        info.nullable = nullable != SQL_NO_NULLS;
        SQLLEN autoIncrement = SQL_FALSE;
        if (Succeeded(SQLColAttributeW(handle_, static_cast<SQLUSMALLINT>(i), SQL_DESC_AUTO_UNIQUE_VALUE,
                                       nullptr, 0, nullptr, &autoIncrement)))
            info.autoIncrement = autoIncrement == SQL_TRUE;
        columns_.push_back(std::move(info));
    }
}

bool Statement::Fetch() {
    SQLRETURN ret = SQLFetch(handle_);
    if (ret == SQL_NO_DATA) return false;
    Check(ret, "Fetching a row");
    return true;
}

namespace {

Value GetText(SQLHSTMT stmt, SQLUSMALLINT column) {
    std::vector<SQLWCHAR> text;
    SQLWCHAR chunk[2048];
    for (;;) {
        SQLLEN indicator = 0;
        SQLRETURN ret = SQLGetData(stmt, column, SQL_C_WCHAR, chunk, sizeof(chunk), &indicator);
        if (ret == SQL_NO_DATA) break;
        Check(ret, SQL_HANDLE_STMT, stmt, "Reading a column");
        if (indicator == SQL_NULL_DATA) return std::monostate{};
        size_t available = std::size(chunk) - 1;
        size_t got = indicator == SQL_NO_TOTAL || indicator / static_cast<SQLLEN>(sizeof(SQLWCHAR)) >
                                                      static_cast<SQLLEN>(available)
                         ? available
                         : static_cast<size_t>(indicator) / sizeof(SQLWCHAR);
        text.insert(text.end(), chunk, chunk + got);
        if (ret == SQL_SUCCESS) break;
    }
    return Utf16ToUtf8(text.data(), text.size());
}

Value GetBytes(SQLHSTMT stmt, SQLUSMALLINT column) {
    Bytes bytes;
    uint8_t chunk[8192];
    for (;;) {
        SQLLEN indicator = 0;
        SQLRETURN ret = SQLGetData(stmt, column, SQL_C_BINARY, chunk, sizeof(chunk), &indicator);
        if (ret == SQL_NO_DATA) break;
        Check(ret, SQL_HANDLE_STMT, stmt, "Reading a column");
        if (indicator == SQL_NULL_DATA) return std::monostate{};
        size_t got = indicator == SQL_NO_TOTAL || indicator > static_cast<SQLLEN>(sizeof(chunk))
                         ? sizeof(chunk)
                         : static_cast<size_t>(indicator);
        bytes.data.insert(bytes.data.end(), chunk, chunk + got);
        if (ret == SQL_SUCCESS) break;
    }
    return bytes;
}

template <class T> bool GetFixed(SQLHSTMT stmt, SQLUSMALLINT column, SQLSMALLINT cType, T& out) {
    SQLLEN indicator = 0;
    Check(SQLGetData(stmt, column, cType, &out, sizeof(T), &indicator), SQL_HANDLE_STMT, stmt,
          "Reading a column");
    return indicator != SQL_NULL_DATA;
}

} // namespace

Value Statement::Get(size_t index) {
    SQLUSMALLINT column = static_cast<SQLUSMALLINT>(index + 1);
    switch (FamilyOf(columns_.at(index).sqlType)) {
    case SqlFamily::Integer:
    case SqlFamily::SmallInt:
    case SqlFamily::BigInt: {
        int64_t v = 0;
        return GetFixed(handle_, column, SQL_C_SBIGINT, v) ? Value(v) : Value();
    }
    case SqlFamily::Bit: {
        unsigned char v = 0;
        return GetFixed(handle_, column, SQL_C_BIT, v) ? Value(v != 0) : Value();
    }
    case SqlFamily::Float:
    case SqlFamily::Numeric: {
        double v = 0;
        return GetFixed(handle_, column, SQL_C_DOUBLE, v) ? Value(v) : Value();
    }
    case SqlFamily::Date:
    case SqlFamily::Time:
    case SqlFamily::Timestamp: {
        SQL_TIMESTAMP_STRUCT ts{};
        if (!GetFixed(handle_, column, SQL_C_TYPE_TIMESTAMP, ts)) return {};
        return Timestamp{ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second, ts.fraction};
    }
    case SqlFamily::Binary:
    case SqlFamily::VarBinary:
    case SqlFamily::LongBinary:
        return GetBytes(handle_, column);
    default:
        return GetText(handle_, column);
    }
}

int64_t Statement::RowsAffected() {
    SQLLEN rows = -1;
    if (!Succeeded(SQLRowCount(handle_, &rows))) return -1;
    return rows;
}

// ---- Connection ------------------------------------------------------------------------------

Connection::Connection() = default;

Connection::~Connection() {
    try {
        Close();
    } catch (...) {
    }
}

void Connection::Open(const std::string& connectionString, int loginTimeout) {
    Close();
    SQLHDBC dbc = SQL_NULL_HDBC;
    Check(SQLAllocHandle(SQL_HANDLE_DBC, Env(), &dbc), SQL_HANDLE_ENV, Env(), "Connection");
    if (loginTimeout > 0)
        SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT,
                          reinterpret_cast<SQLPOINTER>(static_cast<uintptr_t>(loginTimeout)), 0);
    std::vector<SQLWCHAR> text = Wide(connectionString);
    SQLWCHAR out[1024];
    SQLSMALLINT outLength = 0;
    SQLRETURN ret =
        SQLDriverConnectW(dbc, nullptr, text.data(), SQL_NTS, out, static_cast<SQLSMALLINT>(std::size(out)),
                          &outLength, SQL_DRIVER_NOPROMPT);
    if (!Succeeded(ret)) {
        Diagnostic diagnostic = Diagnostics(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        if (diagnostic.text.empty()) diagnostic.text = "The database connection could not be opened";
        const Fault fault = ClassifyFault(diagnostic.state, diagnostic.text, databaseFile_);
        throw Error(fault, DescribeFault(fault, databaseFile_, diagnostic.text));
    }
    handle_ = dbc;
    open_ = true;
    lost_ = false;
}

void Connection::Close() {
    if (!handle_) return;
    if (inTransaction_ && !lost_) SQLEndTran(SQL_HANDLE_DBC, handle_, SQL_ROLLBACK);
    inTransaction_ = false;
    lostTransaction_.reset();
    SQLDisconnect(handle_);
    SQLFreeHandle(SQL_HANDLE_DBC, handle_);
    handle_ = nullptr;
    open_ = false;
    lost_ = false;
}

void Connection::Fail(short handleType, void* handle, const std::string& context) {
    Diagnostic diagnostic = Diagnostics(handleType, handle);
    if (diagnostic.text.empty()) diagnostic.text = context + ": the ODBC call failed";
    Fault fault = ClassifyFault(diagnostic.state, diagnostic.text, databaseFile_);
    if (fault != Fault::ConnectionLost && handle_) {
        // Drivers that keep track of their link say so when asked, whatever their message was.
        SQLUINTEGER dead = SQL_CD_FALSE;
        if (Succeeded(SQLGetConnectAttr(handle_, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr)) &&
            dead == SQL_CD_TRUE)
            fault = Fault::ConnectionLost;
    }
    if (fault == Fault::ConnectionLost) lost_ = true;
    Error error(fault, DescribeFault(fault, databaseFile_, diagnostic.text));
    const bool endsTransaction = fault == Fault::DiskFull || fault == Fault::ConnectionLost ||
                                 fault == Fault::FileError || fault == Fault::Damaged;
    if (inTransaction_ && endsTransaction && !lostTransaction_) {
        // The engine may have rolled back already, or only this statement: either way none of the
        // transaction is kept, so nothing later can commit half of it.
        if (!lost_) SQLEndTran(SQL_HANDLE_DBC, handle_, SQL_ROLLBACK);
        lostTransaction_ = error;
    }
    throw error;
}

void Connection::CheckUsable() const {
    if (!open_) throw EDatabaseError("The connection is not open");
    if (inTransaction_ && lostTransaction_)
        throw Error(lostTransaction_->GetFault(),
                    "The transaction was already abandoned and nothing of it was saved: " +
                        lostTransaction_->Message());
    if (lost_) throw Error(Fault::ConnectionLost, DescribeFault(Fault::ConnectionLost, "", ""));
}

std::string Connection::DbmsName() {
    SQLWCHAR name[256] = {};
    SQLSMALLINT length = 0;
    Check(SQLGetInfoW(handle_, SQL_DBMS_NAME, name, sizeof(name), &length), SQL_HANDLE_DBC, handle_,
          "DBMS name");
    return Utf16ToUtf8(name, std::min<size_t>(length / sizeof(SQLWCHAR), std::size(name) - 1));
}

void Connection::SetAutoCommit(bool on) {
    SQLRETURN ret = SQLSetConnectAttr(
        handle_, SQL_ATTR_AUTOCOMMIT,
        reinterpret_cast<SQLPOINTER>(static_cast<uintptr_t>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF)),
        SQL_IS_UINTEGER);
    if (!Succeeded(ret)) Fail(SQL_HANDLE_DBC, handle_, "Transaction mode");
}

void Connection::BeginTransaction() {
    CheckUsable();
    if (inTransaction_) throw EDatabaseError("A transaction is already active");
    SetAutoCommit(false);
    inTransaction_ = true;
}

void Connection::EndTransaction() {
    inTransaction_ = false;
    lostTransaction_.reset();
    if (lost_) return;
    try {
        SetAutoCommit(true);
    } catch (const Exception&) {
        // A connection that cannot even change its mode has been marked lost by the failure.
    }
}

void Connection::Commit() {
    if (!inTransaction_) throw EDatabaseError("No transaction is active");
    if (lostTransaction_) {
        const Error cause = *lostTransaction_;
        EndTransaction();
        throw Error(cause.GetFault(), "The changes were not saved: " + cause.Message());
    }
    if (!Succeeded(SQLEndTran(SQL_HANDLE_DBC, handle_, SQL_COMMIT))) {
        try {
            Fail(SQL_HANDLE_DBC, handle_, "Commit");
        } catch (const Error& error) {
            if (!lost_) SQLEndTran(SQL_HANDLE_DBC, handle_, SQL_ROLLBACK);
            EndTransaction();
            throw Error(error.GetFault(), "The changes were not saved: " + error.Message());
        }
    }
    EndTransaction();
}

void Connection::Rollback() {
    if (!inTransaction_) return;
    if (lostTransaction_ || lost_) {
        EndTransaction();
        return;
    }
    const bool rolledBack = Succeeded(SQLEndTran(SQL_HANDLE_DBC, handle_, SQL_ROLLBACK));
    if (!rolledBack) {
        try {
            Fail(SQL_HANDLE_DBC, handle_, "Rollback");
        } catch (...) {
            EndTransaction();
            throw;
        }
    }
    EndTransaction();
}

int64_t Connection::ExecDirect(const std::string& sql, const std::vector<Value>& parameters) {
    Statement statement(*this);
    statement.Execute(sql, parameters);
    return statement.RowsAffected();
}

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Candidates for a table name as the catalogue may store it: as written, lower case (PostgreSQL folds
// unquoted names) and upper case.
std::vector<std::string> NameForms(const std::string& table) {
    std::vector<std::string> forms{table, Lower(table)};
    std::string upper = table;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    forms.push_back(upper);
    std::sort(forms.begin(), forms.end());
    forms.erase(std::unique(forms.begin(), forms.end()), forms.end());
    return forms;
}

} // namespace

bool Connection::TableExists(const std::string& table) {
    for (const std::string& name : NameForms(table)) {
        SQLHSTMT stmt = nullptr;
        std::vector<SQLWCHAR> wname = Wide(name);
        SQLWCHAR tableType[] = {'T', 'A', 'B', 'L', 'E', 0};
        Check(SQLAllocHandle(SQL_HANDLE_STMT, handle_, &stmt), SQL_HANDLE_DBC, handle_, "Catalogue");
        SQLRETURN ret = SQLTablesW(stmt, nullptr, 0, nullptr, 0, wname.data(), SQL_NTS, tableType, SQL_NTS);
        bool found = Succeeded(ret) && SQLFetch(stmt) == SQL_SUCCESS;
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        if (found) return true;
    }
    return false;
}

std::vector<std::vector<std::string>> Connection::UniqueKeys(const std::string& table) {
    std::vector<std::vector<std::string>> keys;
    for (const std::string& name : NameForms(table)) {
        std::vector<SQLWCHAR> wname = Wide(name);
        SQLHSTMT stmt = nullptr;
        Check(SQLAllocHandle(SQL_HANDLE_STMT, handle_, &stmt), SQL_HANDLE_DBC, handle_, "Catalogue");
        // Primary key first.
        std::vector<std::pair<int, std::string>> primary;
        if (Succeeded(SQLPrimaryKeysW(stmt, nullptr, 0, nullptr, 0, wname.data(), SQL_NTS))) {
            while (SQLFetch(stmt) == SQL_SUCCESS) {
                SQLWCHAR column[256] = {};
                SQLLEN length = 0;
                SQLSMALLINT sequence = 0;
                SQLGetData(stmt, 4, SQL_C_WCHAR, column, sizeof(column), &length);
                SQLGetData(stmt, 5, SQL_C_SSHORT, &sequence, 0, nullptr);
                if (length > 0)
                    primary.emplace_back(
                        sequence, Utf16ToUtf8(column, std::min<size_t>(length / sizeof(SQLWCHAR), 255)));
            }
        }
        SQLFreeStmt(stmt, SQL_CLOSE);
        std::sort(primary.begin(), primary.end());
        if (!primary.empty()) {
            std::vector<std::string> key;
            for (auto& [seq, column] : primary)
                key.push_back(column);
            keys.push_back(key);
        }
        // Unique indexes, grouped by index name in ordinal order.
        std::map<std::string, std::vector<std::pair<int, std::string>>> indexes;
        std::vector<std::string> order;
        if (Succeeded(SQLStatisticsW(stmt, nullptr, 0, nullptr, 0, wname.data(), SQL_NTS, SQL_INDEX_UNIQUE,
                                     SQL_QUICK))) {
            while (SQLFetch(stmt) == SQL_SUCCESS) {
                SQLSMALLINT type = 0, ordinal = 0;
                SQLWCHAR index[256] = {}, column[256] = {};
                SQLLEN indexLength = 0, columnLength = 0, typeInd = 0;
                SQLGetData(stmt, 7, SQL_C_SSHORT, &type, 0, &typeInd);
                if (typeInd == SQL_NULL_DATA || type == SQL_TABLE_STAT) continue;
                SQLGetData(stmt, 6, SQL_C_WCHAR, index, sizeof(index), &indexLength);
                SQLGetData(stmt, 8, SQL_C_SSHORT, &ordinal, 0, nullptr);
                SQLGetData(stmt, 9, SQL_C_WCHAR, column, sizeof(column), &columnLength);
                if (columnLength <= 0) continue;
                std::string indexName =
                    indexLength > 0
                        ? Utf16ToUtf8(index, std::min<size_t>(indexLength / sizeof(SQLWCHAR), 255))
                        : "";
                if (!indexes.count(indexName)) order.push_back(indexName);
                indexes[indexName].emplace_back(
                    ordinal, Utf16ToUtf8(column, std::min<size_t>(columnLength / sizeof(SQLWCHAR), 255)));
            }
        }
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        for (const std::string& indexName : order) {
            auto columns = indexes[indexName];
            std::sort(columns.begin(), columns.end());
            std::vector<std::string> key;
            for (auto& [ordinal, column] : columns)
                key.push_back(column);
            if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
        }
        if (!keys.empty()) break;
    }
    return keys;
}

std::vector<std::string> DataSourceNames() {
    std::vector<std::string> names;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        SQLWCHAR name[SQL_MAX_DSN_LENGTH + 1] = {};
        SQLWCHAR description[512] = {};
        SQLSMALLINT nameLength = 0, descriptionLength = 0;
        SQLRETURN ret = SQLDataSourcesW(Env(), direction, name, static_cast<SQLSMALLINT>(std::size(name)),
                                        &nameLength, description,
                                        static_cast<SQLSMALLINT>(std::size(description)), &descriptionLength);
        if (!Succeeded(ret)) break;
        names.push_back(Utf16ToUtf8(name, std::min<size_t>(nameLength, std::size(name) - 1)));
        direction = SQL_FETCH_NEXT;
    }
    return names;
}

bool DataSourceDefined(const std::string& name) {
    for (const std::string& defined : DataSourceNames())
        if (Lower(defined) == Lower(name)) return true;
    return false;
}

std::string DataSourceSetting(const std::string& dataSource, const std::string& key) {
    char value[256] = {};
    const int length = SQLGetPrivateProfileString(dataSource.c_str(), key.c_str(), "", value,
                                                  static_cast<int>(sizeof(value)), "odbc.ini");
    return length > 0 ? std::string(value, std::min<size_t>(static_cast<size_t>(length), sizeof(value) - 1))
                      : std::string();
}

std::vector<std::string> DriverNames() {
    std::vector<std::string> names;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        SQLWCHAR name[256] = {};
        SQLWCHAR attributes[1024] = {};
        SQLSMALLINT nameLength = 0, attributesLength = 0;
        SQLRETURN ret =
            SQLDriversW(Env(), direction, name, static_cast<SQLSMALLINT>(std::size(name)), &nameLength,
                        attributes, static_cast<SQLSMALLINT>(std::size(attributes)), &attributesLength);
        if (!Succeeded(ret)) break;
        names.push_back(Utf16ToUtf8(name, std::min<size_t>(nameLength, std::size(name) - 1)));
        direction = SQL_FETCH_NEXT;
    }
    return names;
}

} // namespace zorvy::odbc
