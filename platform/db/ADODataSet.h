#pragma once
// The ADO-style datasets: TCustomADODataSet reads a statement's whole result into the dataset's
// static client-side cursor and writes edits back to its table by the table's key; TADOQuery runs
// SQL text with named parameters; TADOTable reads one table.
#include "platform/db/DataSet.h"
#include "platform/db/Parameters.h"

#include <string>
#include <vector>

namespace zorvy {

class TADOConnection;

enum class TCursorType { ctUnspecified, ctOpenForwardOnly, ctKeyset, ctDynamic, ctStatic };
enum class TADOLockType { ltUnspecified, ltReadOnly, ltPessimistic, ltOptimistic, ltBatchOptimistic };

class TCustomADODataSet : public TDataSet {
    ZORVY_CLASS(TCustomADODataSet, TDataSet)
  public:
    explicit TCustomADODataSet(TComponent* owner);
    ~TCustomADODataSet() override;

    TADOConnection* GetConnection() const { return connection_; }
    void SetConnection(TADOConnection* connection);
    TParameters& GetParameters() { return parameters_; }
    const TParameters& GetParameters() const { return parameters_; }

    // Client-side sort of the open records: "issue", "LotteryID DESC, Issue". Set while closed, it
    // applies when the dataset opens; setting the same text again changes nothing.
    const std::string& GetSort() const { return SortText(); }
    void SetSort(const std::string& sort) { SortBy(sort); }

    // Every cursor here is a static client-side copy; the settings are kept for the forms.
    TCursorType GetCursorType() const { return cursorType_; }
    void SetCursorType(TCursorType type) { cursorType_ = type; }
    TADOLockType GetLockType() const { return lockType_; }
    void SetLockType(TADOLockType type) { lockType_ = type; }

    // The table edits are written to: the table of TADOTable, or the one table a query selects from.
    virtual std::string UpdateTableName() const = 0;

  protected:
    SourceData OpenSource() override;
    void CloseSource() override;
    bool SourceCanModify() const override;
    bool WritesInTransaction() const override;
    std::string ReadOnlyReason() const override;
    void WriteInsert(const WriteBack& record) override;
    void WriteUpdate(const WriteBack& record) override;
    void WriteDelete(const WriteBack& record) override;
    void Notification(TComponent* component, TOperation operation) override;

    // The statement that reads the records.
    virtual std::string SelectText() const = 0;
    TADOConnection& CheckConnection() const;
    TParameters parameters_;

  private:
    void RunWrite(const std::string& sql, const std::vector<odbc::Value>& values, bool mustHitOneRow);
    // The column each written field stands for, named as the source named it when the dataset opened:
    // a server that folds unquoted names finds the column whatever the case of the field's name.
    std::vector<std::string> ColumnNames(const WriteBack& record) const;
    // The fields (indexes into record.fields) that find the record in the table: a unique key of the
    // table when the fields cover one, else every field but the blobs.
    std::vector<size_t> KeyFields(const WriteBack& record, const std::vector<std::string>& columns);

    TADOConnection* connection_ = nullptr;
    TCursorType cursorType_ = TCursorType::ctStatic;
    TADOLockType lockType_ = TADOLockType::ltOptimistic;
    std::vector<std::vector<std::string>> uniqueKeys_;
    std::vector<std::string> columnNames_; // of the open result, in column order
    bool keysRead_ = false;
};

class TADOQuery : public TCustomADODataSet {
    ZORVY_CLASS(TADOQuery, TCustomADODataSet)
  public:
    explicit TADOQuery(TComponent* owner);

    // The SQL text, as lines joined by line breaks. Changing it closes nothing but re-reads the
    // parameter names (values of names that stay are kept); EDatabaseError while open.
    std::string GetSQLText() const;
    void SetSQLText(const std::string& text);
    const std::vector<std::string>& GetSQL() const { return sql_; }
    void SetSQL(const std::vector<std::string>& lines);
    void AddSQL(const std::string& line);
    void ClearSQL();

    // Runs the text as a statement without rows (CREATE, DROP, INSERT ...); rows changed.
    int64_t ExecSQL();
    std::string UpdateTableName() const override;

  protected:
    std::string SelectText() const override { return GetSQLText(); }

  private:
    void SQLChanged();
    std::vector<std::string> sql_;
};

class TADOTable : public TCustomADODataSet {
    ZORVY_CLASS(TADOTable, TCustomADODataSet)
  public:
    explicit TADOTable(TComponent* owner);
    const std::string& GetTableName() const { return tableName_; }
    void SetTableName(const std::string& name); // EDatabaseError while open
    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    std::string UpdateTableName() const override { return tableName_; }

  protected:
    std::string SelectText() const override;
    bool SourceCanModify() const override;

  private:
    std::string tableName_;
    bool readOnly_ = false;
};

// Runs statement text on a connection: the way shared by TADOQuery::ExecSQL, TADOCommand and
// TADOConnection::Execute. "drop table X" of a table that does not exist is not an error.
int64_t ExecuteStatement(TADOConnection& connection, const std::string& sql, const TParameters* parameters);

// A Variant parameter value as the driver receives it.
odbc::Value ParameterValue(const Variant& value);

} // namespace zorvy
