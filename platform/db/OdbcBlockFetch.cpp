// Reading a whole result: in blocks of rows into buffers bound per column, which spares a driver call
// and a conversion through text for every cell, or cell by cell where a column has no bounded size.
#include "platform/db/Odbc.h"

#include "platform/db/Utf16.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <cstring>
#include <optional>

namespace zorvy::odbc {
namespace {

// Rows a block holds: enough to make the driver calls rare, few enough to keep the buffers small.
constexpr SQLULEN BlockRows = 256;
// The longest declared text a buffer is bound for; longer columns are read cell by cell.
constexpr uint64_t MaxBoundTextSize = 1024;

bool BlockCallOk(SQLRETURN ret) {
    return ret == SQL_SUCCESS || ret == SQL_SUCCESS_WITH_INFO;
}

// The buffers go with the reading frame: the driver must not keep them, nor a block size meant for them.
void ReleaseBlocks(SQLHSTMT stmt) {
    SQLFreeStmt(stmt, SQL_UNBIND);
    SQLSetStmtAttr(stmt, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
    SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
    SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(1), 0);
}

// The buffer of one column for a block of rows.
struct BlockColumn {
    SqlFamily family = SqlFamily::Other;
    SQLSMALLINT cType = 0;
    SQLLEN width = 0; // bytes a row's value takes
    std::vector<unsigned char> buffer;
    std::vector<SQLLEN> indicators;
};

// The C type and the bytes per value a column is bound with; false for a column of no bounded size.
bool BlockBinding(const ColumnInfo& info, BlockColumn& column) {
    column.family = FamilyOf(info.sqlType);
    switch (column.family) {
    case SqlFamily::Integer:
    case SqlFamily::SmallInt:
    case SqlFamily::BigInt:
        column.cType = SQL_C_SBIGINT;
        column.width = sizeof(int64_t);
        return true;
    case SqlFamily::Bit:
        column.cType = SQL_C_BIT;
        column.width = sizeof(unsigned char);
        return true;
    case SqlFamily::Float:
    case SqlFamily::Numeric:
        column.cType = SQL_C_DOUBLE;
        column.width = sizeof(double);
        return true;
    case SqlFamily::Date:
    case SqlFamily::Time:
    case SqlFamily::Timestamp:
        column.cType = SQL_C_TYPE_TIMESTAMP;
        column.width = sizeof(SQL_TIMESTAMP_STRUCT);
        return true;
    case SqlFamily::Char:
    case SqlFamily::VarChar:
    case SqlFamily::WChar:
    case SqlFamily::WVarChar:
    case SqlFamily::Other:
        if (info.size == 0 || info.size > MaxBoundTextSize) return false;
        // Room for every character as a surrogate pair, and the terminator.
        column.cType = SQL_C_WCHAR;
        column.width = static_cast<SQLLEN>((info.size * 2 + 1) * sizeof(SQLWCHAR));
        return true;
    default:
        return false;
    }
}

// The value of one row of a bound column; nothing when a text did not fit its buffer.
std::optional<Value> BlockValue(const BlockColumn& column, size_t row) {
    const SQLLEN indicator = column.indicators[row];
    if (indicator == SQL_NULL_DATA) return Value();
    const unsigned char* cell = column.buffer.data() + row * static_cast<size_t>(column.width);
    switch (column.cType) {
    case SQL_C_SBIGINT: {
        int64_t value = 0;
        std::memcpy(&value, cell, sizeof value);
        return Value(value);
    }
    case SQL_C_BIT:
        return Value(*cell != 0);
    case SQL_C_DOUBLE: {
        double value = 0;
        std::memcpy(&value, cell, sizeof value);
        return Value(value);
    }
    case SQL_C_TYPE_TIMESTAMP: {
        SQL_TIMESTAMP_STRUCT ts{};
        std::memcpy(&ts, cell, sizeof ts);
        return Value(Timestamp{ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second, ts.fraction});
    }
    default: {
        if (indicator == SQL_NO_TOTAL || indicator < 0 || indicator >= column.width) return std::nullopt;
        SQLWCHAR units[MaxBoundTextSize * 2 + 1];
        const size_t count = static_cast<size_t>(indicator) / sizeof(SQLWCHAR);
        std::memcpy(units, cell, count * sizeof(SQLWCHAR));
        return Value(Utf16ToUtf8(units, count));
    }
    }
}

} // namespace

void Statement::FetchEach(const RowReader& reader) {
    std::vector<Value> row(columns_.size());
    while (Fetch()) {
        for (size_t c = 0; c < columns_.size(); ++c)
            row[c] = Get(c);
        reader(row);
    }
}

bool Statement::FetchBlocks(const RowReader& reader) {
    std::vector<BlockColumn> columns(columns_.size());
    for (size_t c = 0; c < columns_.size(); ++c)
        if (!BlockBinding(columns_[c], columns[c])) {
            FetchEach(reader);
            return true;
        }
    SQLHSTMT stmt = handle_;
    SQLULEN fetched = 0;
    std::vector<SQLUSMALLINT> statuses(BlockRows);
    struct Unbind {
        SQLHSTMT stmt;
        ~Unbind() { ReleaseBlocks(stmt); }
    } unbind{stmt};
    // A driver that takes no blocks, or binds no buffer for a column, is read cell by cell; nothing
    // has been fetched yet. One that makes the blocks smaller says so through the rows fetched.
    bool bound = BlockCallOk(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_BIND_TYPE,
                                            reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0)) &&
                 BlockCallOk(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE,
                                            reinterpret_cast<SQLPOINTER>(BlockRows), 0)) &&
                 BlockCallOk(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_STATUS_PTR, statuses.data(), 0)) &&
                 BlockCallOk(SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0));
    for (size_t c = 0; c < columns.size() && bound; ++c) {
        BlockColumn& column = columns[c];
        column.buffer.assign(BlockRows * static_cast<size_t>(column.width), 0);
        column.indicators.assign(BlockRows, 0);
        bound = BlockCallOk(SQLBindCol(stmt, static_cast<SQLUSMALLINT>(c + 1), column.cType,
                                       column.buffer.data(), column.width, column.indicators.data()));
    }
    if (!bound) {
        ReleaseBlocks(stmt);
        FetchEach(reader);
        return true;
    }
    std::vector<Value> row(columns.size());
    for (;;) {
        fetched = 0;
        const SQLRETURN ret = SQLFetch(stmt);
        if (ret == SQL_NO_DATA) return true;
        Check(ret, "Fetching a row");
        for (size_t r = 0; r < fetched && r < BlockRows; ++r) {
            if (statuses[r] != SQL_ROW_SUCCESS && statuses[r] != SQL_ROW_SUCCESS_WITH_INFO) return false;
            for (size_t c = 0; c < columns.size(); ++c) {
                std::optional<Value> value = BlockValue(columns[c], r);
                if (!value) return false;
                row[c] = std::move(*value);
            }
            reader(row);
        }
    }
}

} // namespace zorvy::odbc
