#include "platform/db/ADODataSet.h"

#include "platform/db/ADOConnection.h"
#include "platform/db/FieldFamily.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace zorvy {
namespace {

odbc::Timestamp ToTimestamp(TDateTime value) {
    odbc::Timestamp t;
    int msec = 0;
    DecodeDate(value, t.year, t.month, t.day);
    DecodeTime(value, t.hour, t.minute, t.second, msec);
    t.fraction = static_cast<uint32_t>(msec) * 1000000u;
    return t;
}

CellValue FromTimestamp(const odbc::Timestamp& t) {
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(t.year, t.month, t.day, date)) return CellValue();
    if (!TryEncodeTime(t.hour, t.minute, t.second, static_cast<int>(t.fraction / 1000000u), time)) time = 0;
    return date >= 0 ? date + time : date - time;
}

TDataSet::SourceColumn ColumnOf(const odbc::ColumnInfo& info) {
    TDataSet::SourceColumn column;
    column.name = info.name;
    column.required = !info.nullable;
    column.autoIncrement = info.autoIncrement;
    int size = info.size > 0 && info.size < 1000000 ? static_cast<int>(info.size) : 0;
    switch (odbc::FamilyOf(info.sqlType)) {
    case odbc::SqlFamily::Integer:
        column.dataType = info.autoIncrement ? TFieldType::ftAutoInc : TFieldType::ftInteger;
        break;
    case odbc::SqlFamily::SmallInt:
        column.dataType = TFieldType::ftSmallint;
        break;
    case odbc::SqlFamily::BigInt:
        column.dataType = TFieldType::ftLargeint;
        break;
    case odbc::SqlFamily::Bit:
        column.dataType = TFieldType::ftBoolean;
        break;
    case odbc::SqlFamily::Float:
    case odbc::SqlFamily::Numeric:
        column.dataType = TFieldType::ftFloat;
        break;
    case odbc::SqlFamily::Char:
    case odbc::SqlFamily::WChar:
        column.dataType = TFieldType::ftWideString;
        column.fixedChar = true;
        column.size = size;
        break;
    case odbc::SqlFamily::VarChar:
    case odbc::SqlFamily::WVarChar:
        column.dataType = size > 0 && size <= 8000 ? TFieldType::ftWideString : TFieldType::ftMemo;
        column.size = column.dataType == TFieldType::ftWideString ? size : 0;
        break;
    case odbc::SqlFamily::LongText:
        column.dataType = TFieldType::ftMemo;
        break;
    case odbc::SqlFamily::Date:
        column.dataType = TFieldType::ftDate;
        break;
    case odbc::SqlFamily::Time:
        column.dataType = TFieldType::ftTime;
        break;
    case odbc::SqlFamily::Timestamp:
        column.dataType = TFieldType::ftDateTime;
        break;
    case odbc::SqlFamily::Binary:
        column.dataType = TFieldType::ftBytes;
        column.size = size;
        break;
    case odbc::SqlFamily::VarBinary:
        column.dataType = TFieldType::ftVarBytes;
        column.size = size;
        break;
    case odbc::SqlFamily::LongBinary:
        column.dataType = TFieldType::ftBlob;
        break;
    case odbc::SqlFamily::Other:
        column.dataType = TFieldType::ftWideString;
        column.size = size > 0 && size <= 8000 ? size : 255;
        break;
    }
    return column;
}

// A driver value in the form the field of that type keeps.
CellValue ToCell(odbc::Value&& value, TFieldType type) {
    if (std::holds_alternative<std::monostate>(value)) return CellValue();
    const TFieldFamily family = FieldFamilyOf(type);
    const bool integer = family == TFieldFamily::Integer, floating = family == TFieldFamily::Float,
               date = IsDateTimeFamily(family);
    if (auto* t = std::get_if<odbc::Timestamp>(&value)) {
        CellValue cell = FromTimestamp(*t);
        if (date || IsNullCell(cell)) return cell;
        return FormatDateTime("yyyy-mm-dd hh:nn:ss", std::get<double>(cell));
    }
    if (auto* i = std::get_if<int64_t>(&value)) {
        if (floating || date) return static_cast<double>(*i);
        if (family == TFieldFamily::Boolean) return *i != 0;
        if (integer) return *i;
        return IntToStr(*i);
    }
    if (auto* d = std::get_if<double>(&value)) {
        if (integer) return static_cast<int64_t>(std::llround(*d));
        if (floating || date) return *d;
        return FloatToStr(*d);
    }
    if (auto* b = std::get_if<bool>(&value)) {
        if (integer) return static_cast<int64_t>(*b ? 1 : 0);
        if (family == TFieldFamily::Boolean) return *b;
        return std::string(*b ? "True" : "False");
    }
    if (auto* s = std::get_if<std::string>(&value)) {
        if (integer) {
            int64_t n = 0;
            return TryStrToInt64(Trim(*s), n) ? CellValue(n) : CellValue();
        }
        if (floating) {
            double x = 0;
            return TryStrToFloat(Trim(*s), x) ? CellValue(x) : CellValue();
        }
        if (date) {
            TDateTime x = 0;
            return TryStrToDateTime(Trim(*s), x) ? CellValue(x) : CellValue();
        }
        if (family == TFieldFamily::Boolean) return StrToBoolDef(Trim(*s), false);
        return std::move(*s);
    }
    return std::move(std::get<odbc::Bytes>(value));
}

// A stored cell as the driver receives it.
odbc::Value ToDriver(const CellValue& cell, TFieldType type) {
    if (IsNullCell(cell)) return std::monostate{};
    if (auto* d = std::get_if<double>(&cell))
        return IsDateTimeType(type) ? odbc::Value(ToTimestamp(*d)) : odbc::Value(*d);
    if (auto* i = std::get_if<int64_t>(&cell)) return *i;
    if (auto* b = std::get_if<bool>(&cell)) return *b;
    if (auto* s = std::get_if<std::string>(&cell)) return *s;
    return std::get<odbc::Bytes>(cell);
}

std::string QuoteName(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

// "drop table X" without "if exists" becomes "drop table if exists X": a missing scratch table is
// nothing to report.
std::string TolerantDrop(const std::string& sql) {
    std::string text = Trim(sql);
    while (!text.empty() && text.back() == ';')
        text = Trim(text.substr(0, text.size() - 1));
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size() && words.size() < 4) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    if (words.size() == 3 && SameText(words[0], "drop") && SameText(words[1], "table") && i >= text.size())
        return "drop table if exists " + words[2];
    return sql;
}

} // namespace

odbc::Value ParameterValue(const Variant& value) {
    if (value.IsNull() || value.IsEmpty()) return std::monostate{};
    if (value.IsArray()) throw EDatabaseError("An array cannot be a parameter value");
    switch (value.VarType()) {
    case varBoolean:
        return value.AsBoolean();
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
        return value.AsInt64();
    case varUInt64:
        return static_cast<int64_t>(value.AsUInt64());
    case varSingle:
    case varDouble:
    case varCurrency:
    case varFMTBcd:
        return value.AsDouble();
    case varDate:
    case varSQLTimeStamp:
        return ToTimestamp(value.AsDateTime());
    case varString: {
        const std::string& raw = value.RawString();
        return odbc::Bytes{std::vector<uint8_t>(raw.begin(), raw.end())};
    }
    default:
        return value.AsString();
    }
}

namespace {

std::vector<odbc::Value> BindValues(const std::vector<std::string>& names, const TParameters* parameters) {
    std::vector<odbc::Value> values;
    for (const std::string& name : names) {
        if (!parameters) throw EDatabaseError("Parameter '" + name + "' not found");
        values.push_back(ParameterValue(parameters->ParamByName(name)->GetValue()));
    }
    return values;
}

} // namespace

int64_t ExecuteStatement(TADOConnection& connection, const std::string& sql, const TParameters* parameters) {
    if (Trim(sql).empty()) throw EDatabaseError("The command text is empty");
    MarkedStatement marked = MarkParameters(TolerantDrop(sql));
    std::vector<odbc::Value> values = BindValues(marked.names, parameters);
    int64_t rows = 0;
    connection.Perform([&](odbc::Connection& odbc, bool&) { rows = odbc.ExecDirect(marked.sql, values); });
    return rows;
}

// ---- TCustomADODataSet ------------------------------------------------------------------------

TCustomADODataSet::TCustomADODataSet(TComponent* owner) : TDataSet(owner) {}

TCustomADODataSet::~TCustomADODataSet() {
    Destroying();
    try {
        Close();
    } catch (...) {
    }
    SetConnection(nullptr);
}

void TCustomADODataSet::SetConnection(TADOConnection* connection) {
    if (connection == connection_) return;
    if (GetActive()) Close();
    if (connection_) {
        connection_->RemoveDataSet(this);
        connection_->RemoveFreeNotification(this);
    }
    connection_ = connection;
    if (connection_) {
        connection_->AddDataSet(this);
        connection_->FreeNotification(this);
    }
}

void TCustomADODataSet::Notification(TComponent* component, TOperation operation) {
    TDataSet::Notification(component, operation);
    if (operation == TOperation::opRemove && component == connection_) {
        connection_ = nullptr;
        if (GetActive()) Close();
    }
}

TADOConnection& TCustomADODataSet::CheckConnection() const {
    if (!connection_) throw EDatabaseError(GetName() + ": Missing Connection");
    return *connection_;
}

TDataSet::SourceData TCustomADODataSet::OpenSource() {
    TADOConnection& connection = CheckConnection();
    std::string text = SelectText();
    if (Trim(text).empty()) throw EDatabaseError(GetName() + ": The command text is empty");
    MarkedStatement marked = MarkParameters(text);
    std::vector<odbc::Value> values = BindValues(marked.names, &parameters_);
    SourceData data;
    connection.Perform([&](odbc::Connection& odbc, bool&) {
        odbc::Statement statement(odbc);
        statement.Execute(marked.sql, values);
        if (statement.Columns().empty())
            throw EDatabaseError(GetName() + ": The statement returns no records");
        data = SourceData();
        columnNames_.clear();
        for (const odbc::ColumnInfo& info : statement.Columns()) {
            data.columns.push_back(ColumnOf(info));
            columnNames_.push_back(info.name);
        }
        const size_t count = data.columns.size();
        auto keep = [&](std::vector<odbc::Value>& values) {
            std::vector<CellValue> row;
            row.reserve(count);
            for (size_t c = 0; c < count; ++c)
                row.push_back(ToCell(std::move(values[c]), data.columns[c].dataType));
            data.rows.push_back(std::move(row));
        };
        if (!statement.FetchBlocks(keep)) {
            // A text longer than its column declares: the result is read again, each value whole.
            data.rows.clear();
            statement.Execute(marked.sql, values);
            statement.FetchEach(keep);
        }
    });
    keysRead_ = false;
    uniqueKeys_.clear();
    return data;
}

void TCustomADODataSet::CloseSource() {
    keysRead_ = false;
    uniqueKeys_.clear();
    columnNames_.clear();
}

bool TCustomADODataSet::SourceCanModify() const {
    return connection_ && connection_->GetReadOnlyReason().empty() && lockType_ != TADOLockType::ltReadOnly &&
           !UpdateTableName().empty();
}

std::string TCustomADODataSet::ReadOnlyReason() const {
    return connection_ ? connection_->GetReadOnlyReason() : std::string();
}

bool TCustomADODataSet::WritesInTransaction() const {
    return connection_ && connection_->GetInTransaction();
}

std::vector<std::string> TCustomADODataSet::ColumnNames(const WriteBack& record) const {
    std::vector<std::string> names;
    for (const TField* field : record.fields) {
        const int column = field->GetFieldNo() - 1;
        names.push_back(column >= 0 && column < static_cast<int>(columnNames_.size())
                            ? columnNames_[column]
                            : field->GetFieldName());
    }
    return names;
}

std::vector<size_t> TCustomADODataSet::KeyFields(const WriteBack& record,
                                                 const std::vector<std::string>& columns) {
    if (!keysRead_) {
        uniqueKeys_ = CheckConnection().OdbcConnection().UniqueKeys(UpdateTableName());
        keysRead_ = true;
    }
    for (const auto& key : uniqueKeys_) {
        std::vector<size_t> fields;
        for (const std::string& column : key)
            for (size_t f = 0; f < columns.size(); ++f)
                if (SameText(columns[f], column)) {
                    fields.push_back(f);
                    break;
                }
        if (fields.size() == key.size()) return fields;
    }
    // Without a usable key the record is found by all its original values.
    std::vector<size_t> all;
    for (size_t f = 0; f < record.fields.size(); ++f)
        if (!record.fields[f]->IsBlob()) all.push_back(f);
    return all;
}

void TCustomADODataSet::RunWrite(const std::string& sql, const std::vector<odbc::Value>& values,
                                 bool mustHitOneRow) {
    CheckConnection().Perform([&](odbc::Connection& connection, bool& mayRetry) {
        bool own = !connection.InTransaction();
        if (own) connection.BeginTransaction();
        try {
            int64_t rows = connection.ExecDirect(sql, values);
            if (mustHitOneRow && rows == 0)
                throw EDatabaseError(GetName() +
                                     ": The record was not found in the table: it was changed or deleted "
                                     "since it was read");
            if (mustHitOneRow && rows > 1)
                throw EDatabaseError(GetName() + ": The record is not unique in the table: " +
                                     std::to_string(rows) + " records would change");
            // A commit cut off by a lost server may or may not have been kept: never write twice.
            mayRetry = false;
            if (own) connection.Commit();
        } catch (...) {
            if (own) {
                try {
                    connection.Rollback();
                } catch (...) {
                }
            }
            throw;
        }
    });
}

namespace {

void AppendWhere(std::string& sql, std::vector<odbc::Value>& values, const TDataSet::WriteBack& record,
                 const std::vector<std::string>& columns, const std::vector<size_t>& keys) {
    sql += " where ";
    for (size_t k = 0; k < keys.size(); ++k) {
        const size_t f = keys[k];
        if (k > 0) sql += " and ";
        if (IsNullCell(record.oldValues[f])) {
            sql += QuoteName(columns[f]) + " is null";
        } else {
            sql += QuoteName(columns[f]) + " = ?";
            values.push_back(ToDriver(record.oldValues[f], record.fields[f]->GetDataType()));
        }
    }
}

} // namespace

void TCustomADODataSet::WriteInsert(const WriteBack& record) {
    const std::vector<std::string> names = ColumnNames(record);
    std::string columns, markers;
    std::vector<odbc::Value> values;
    for (size_t f = 0; f < record.fields.size(); ++f) {
        if (IsNullCell(record.newValues[f])) continue;
        if (!columns.empty()) {
            columns += ", ";
            markers += ", ";
        }
        columns += QuoteName(names[f]);
        markers += "?";
        values.push_back(ToDriver(record.newValues[f], record.fields[f]->GetDataType()));
    }
    std::string sql =
        "insert into " + UpdateTableName() +
        (columns.empty() ? std::string(" default values") : " (" + columns + ") values (" + markers + ")");
    RunWrite(sql, values, false);
}

void TCustomADODataSet::WriteUpdate(const WriteBack& record) {
    const std::vector<std::string> columns = ColumnNames(record);
    std::string sets;
    std::vector<odbc::Value> values;
    for (size_t f = 0; f < record.fields.size(); ++f) {
        if (!record.changed[f]) continue;
        if (!sets.empty()) sets += ", ";
        sets += QuoteName(columns[f]) + " = ?";
        values.push_back(ToDriver(record.newValues[f], record.fields[f]->GetDataType()));
    }
    if (sets.empty()) return;
    std::string sql = "update " + UpdateTableName() + " set " + sets;
    AppendWhere(sql, values, record, columns, KeyFields(record, columns));
    RunWrite(sql, values, true);
}

void TCustomADODataSet::WriteDelete(const WriteBack& record) {
    const std::vector<std::string> columns = ColumnNames(record);
    std::string sql = "delete from " + UpdateTableName();
    std::vector<odbc::Value> values;
    AppendWhere(sql, values, record, columns, KeyFields(record, columns));
    RunWrite(sql, values, true);
}

// ---- TADOQuery --------------------------------------------------------------------------------

TADOQuery::TADOQuery(TComponent* owner) : TCustomADODataSet(owner) {}

std::string TADOQuery::GetSQLText() const {
    std::string text;
    for (size_t i = 0; i < sql_.size(); ++i) {
        if (i > 0) text += "\n";
        text += sql_[i];
    }
    return text;
}

void TADOQuery::SQLChanged() {
    parameters_.ParseSQL(GetSQLText());
}

void TADOQuery::SetSQLText(const std::string& text) {
    if (GetActive()) throw EDatabaseError(GetName() + ": Cannot change the SQL of an open query");
    sql_.clear();
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        sql_.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    SQLChanged();
}

void TADOQuery::SetSQL(const std::vector<std::string>& lines) {
    if (GetActive()) throw EDatabaseError(GetName() + ": Cannot change the SQL of an open query");
    sql_ = lines;
    SQLChanged();
}

void TADOQuery::AddSQL(const std::string& line) {
    if (GetActive()) throw EDatabaseError(GetName() + ": Cannot change the SQL of an open query");
    sql_.push_back(line);
    SQLChanged();
}

void TADOQuery::ClearSQL() {
    SetSQL({});
}

int64_t TADOQuery::ExecSQL() {
    return ExecuteStatement(CheckConnection(), GetSQLText(), &parameters_);
}

std::string TADOQuery::UpdateTableName() const {
    // The one table of "select ... from Table [alias] [where ...]"; nothing for joins or sub-queries.
    std::string text = GetSQLText();
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    bool seenFrom = false;
    auto flush = [&] {
        if (!word.empty() && depth == 0) words.push_back(word);
        word.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\'' || c == '"') {
            size_t end = text.find(c, i + 1);
            if (c == '"' && depth == 0 && seenFrom) {
                word += text.substr(i, end == std::string::npos ? std::string::npos : end - i + 1);
            }
            i = end == std::string::npos ? text.size() : end;
            continue;
        }
        if (c == '(' || c == ')') {
            flush();
            depth += c == '(' ? 1 : -1;
            continue;
        }
        if (c == ',') {
            flush();
            if (depth == 0) words.push_back(",");
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            flush();
            if (!words.empty() && SameText(words.back(), "from")) seenFrom = true;
            continue;
        }
        word += c;
    }
    flush();
    if (words.empty() || !SameText(words.front(), "select")) return {};
    auto from =
        std::find_if(words.begin(), words.end(), [](const std::string& w) { return SameText(w, "from"); });
    if (from == words.end() || from + 1 == words.end()) return {};
    std::string table = *(from + 1);
    for (auto it = from + 2; it != words.end(); ++it) {
        if (*it == "," || SameText(*it, "join")) return {};
        if (SameText(*it, "where") || SameText(*it, "order") || SameText(*it, "group") ||
            SameText(*it, "having") || SameText(*it, "union"))
            break;
    }
    if (std::any_of(words.begin(), words.end(), [](const std::string& w) { return SameText(w, "union"); }))
        return {};
    return table;
}

// ---- TADOTable --------------------------------------------------------------------------------

TADOTable::TADOTable(TComponent* owner) : TCustomADODataSet(owner) {}

void TADOTable::SetTableName(const std::string& name) {
    if (GetActive()) throw EDatabaseError(GetName() + ": Cannot change the table of an open dataset");
    tableName_ = name;
}

std::string TADOTable::SelectText() const {
    if (Trim(tableName_).empty()) throw EDatabaseError(GetName() + ": Missing TableName");
    return "select * from " + tableName_;
}

bool TADOTable::SourceCanModify() const {
    return !readOnly_ && TCustomADODataSet::SourceCanModify();
}

} // namespace zorvy
