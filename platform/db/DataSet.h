#pragma once
// TDataSet: a dataset with a static client-side cursor. Opening reads every record of the source
// into memory; navigation, bookmarks, Locate, the filter and the sort work on that copy;
// calculated fields are computed once per record, in cursor order, when the dataset opens or is
// re-sorted, and kept (scrolling never recomputes them); edits are written back by the source
// (TCustomADODataSet) and kept in the copy only once the database has accepted them.
#include "platform/db/CellValue.h"
#include "platform/db/DataSetTypes.h"
#include "platform/db/Field.h"
#include "platform/rtl/Components.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TDataSource;
class TDataLink;
class Variant;
class FilterExpression;

class TDataSet : public TComponent {
    ZORVY_CLASS(TDataSet, TComponent)
  public:
    explicit TDataSet(TComponent* owner);
    ~TDataSet() override;

    // Opening and closing.
    bool GetActive() const { return state_ != TDataSetState::dsInactive; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState GetState() const { return state_; }

    // Navigation. MoveBy returns the number of records actually moved (negative backwards).
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance);
    bool GetBof() const;
    bool GetEof() const;
    bool IsEmpty() const;
    int GetRecNo() const; // 1-based position in cursor order; the record being calculated in OnCalcFields
    void SetRecNo(int recNo);
    int GetRecordCount() const;
    bool IsSequenced() const { return true; }
    // The master's data source of a detail dataset; these datasets have no master.
    virtual TDataSource* GetDataSource() const { return nullptr; }
    bool IsUniDirectional() const { return false; }

    // Bookmarks: the bookmark of the current record, and moving back to one.
    TBookmark GetBookmark() const;
    void SetBookmark(const TBookmark& bookmark) { GotoBookmark(bookmark); }
    void GotoBookmark(const TBookmark& bookmark); // EDatabaseError when the record is gone
    void FreeBookmark(const TBookmark&) {}
    bool BookmarkValid(const TBookmark& bookmark) const;
    bool BookmarkAvailable() const;
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) const; // -1, 0, 1 by cursor position

    // Fields.
    TFields& GetFields() { return fields_; }
    const TFields& GetFields() const { return fields_; }
    int GetFieldCount() const { return fields_.GetCount(); }
    TField* FieldByName(const std::string& name) const; // EDatabaseError "Field 'x' not found"
    TField* FindField(const std::string& name) const;
    // The fields named in a ";"-separated list, in its order; EDatabaseError for an unknown name.
    std::vector<TField*> GetFieldList(const std::string& names) const;
    // One field's value, or an array of the values of several (";"-separated names).
    Variant GetFieldValues(const std::string& names) const;
    void SetFieldValues(const std::string& names, const Variant& values);
    // True while the fields come from the result's columns (no persistent data fields).
    bool GetDefaultFields() const { return defaultFields_; }

    // Editing. Post writes the record to the database; when the database rejects it, the error
    // propagates and the dataset stays in edit or insert state with the values as typed.
    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();
    void UpdateRecord();
    void Refresh();
    bool GetModified() const { return modified_; }
    // Changes posted or deleted inside a transaction of the source are journaled. When the transaction
    // is rolled back, or fails to commit, UndoTransaction takes them out of the cursor again, so it
    // shows what the database holds; a record being edited or inserted keeps the user's values (one
    // whose stored record is gone is offered back as a new record). ForgetTransaction drops the
    // journal once the transaction is committed.
    void UndoTransaction();
    void ForgetTransaction();
    virtual bool GetCanModify() const;

    // Searching. Locate moves to the first record whose key fields equal the values (one value or
    // an array for several fields); Lookup reads the result fields of that record without moving.
    bool Locate(const std::string& keyFields, const Variant& keyValues, TLocateOptions options = 0);
    Variant Lookup(const std::string& keyFields, const Variant& keyValues, const std::string& resultFields);

    // Notifications to data-aware controls; the calls nest.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // Filter: "(LotteryID=3508) and resultA1<>''", with and/or/not, parentheses, = <> < > <= >=,
    // like, is [not] null; a comparison with null is false. Raises EDatabaseError on a malformed text.
    const std::string& GetFilter() const { return filterText_; }
    void SetFilter(const std::string& text);
    bool GetFiltered() const { return filtered_; }
    void SetFiltered(bool filtered);
    TFilterOptions GetFilterOptions() const { return filterOptions_; }
    void SetFilterOptions(TFilterOptions options);

    // The record window that data links see.
    int GetActiveRecord() const;
    int GetBufferCount() const;

    // Events.
    using TDataSetNotifyEvent = std::function<void(TDataSet* dataSet)>;
    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll, BeforeRefresh, AfterRefresh;
    TDataSetNotifyEvent OnCalcFields;
    TDataSetNotifyEvent OnNewRecord;

  public:
    // What a source delivers when the dataset opens.
    struct SourceColumn {
        std::string name;
        TFieldType dataType = TFieldType::ftUnknown;
        int size = 0;
        bool fixedChar = false;
        bool required = false;
        bool autoIncrement = false;
    };
    struct SourceData {
        std::vector<SourceColumn> columns;
        std::vector<std::vector<CellValue>> rows; // cells in column order, already in the field's form
    };
    // Writing back: the data fields' values before and after (in Fields order, data fields only).
    struct WriteBack {
        std::vector<TField*> fields;
        std::vector<CellValue> oldValues;
        std::vector<CellValue> newValues;
        std::vector<bool> changed;
    };

  protected:
    virtual SourceData OpenSource() = 0;
    virtual void CloseSource() {}
    virtual void WriteInsert(const WriteBack& record);
    virtual void WriteUpdate(const WriteBack& record);
    virtual void WriteDelete(const WriteBack& record);
    virtual bool SourceCanModify() const { return false; }
    // Why the source cannot be written, for the message that refuses an edit (empty: the usual one).
    virtual std::string ReadOnlyReason() const { return {}; }
    // True while the source's writes join a transaction that may still be rolled back.
    virtual bool WritesInTransaction() const { return false; }

    // Client-side sort: "issue", "LotteryID DESC, Issue ASC"; empty restores the source order.
    void SortBy(const std::string& sortText);
    const std::string& SortText() const { return sortText_; }

    void DataEvent(TDataEvent event, intptr_t info = 0);
    void Notification(TComponent* component, TOperation operation) override;

  private:
    friend class TField;
    friend class TDataSource;
    friend class TDataLink;

    struct Record {
        uint64_t id = 0;
        uint64_t sourceOrder = 0;
        std::vector<CellValue> cells;
    };

    void OpenCursor();
    void CloseCursor();
    void BindFields(const std::vector<SourceColumn>& columns, std::vector<int>& columnOfField);
    // The source rows as records, each data field reading its column (-1: none) in the field's form.
    void LoadRecords(SourceData& data, const std::vector<int>& columnOfField);
    void DestroyDynamicFields();
    void AddField(TField* field);
    void RemoveField(TField* field);
    void RebuildView();
    void SortView();
    bool HasCalculatedFields() const;
    void CalculateAll();
    void CalculateRecord(Record& record, int position);
    void CalculateLookup(TField* field, Record& record);
    void SetState(TDataSetState state);
    void CheckActive() const;
    void CheckCanModify() const;
    void CheckRequiredFields() const;
    // Re-reads the records from the source, keeping the current record where it can.
    void ReloadRecords();
    enum JournalKind { JournalInserted, JournalUpdated, JournalDeleted };
    // Notes a change the source has just written inside a transaction (before the cursor drops a
    // deleted record).
    void Journal(JournalKind kind, Record* record, std::vector<CellValue> oldCells);
    struct JournalEntry;
    void UndoEntry(JournalEntry& entry);
    // True when the data fields of two records' cells are equal.
    bool SameData(const std::vector<CellValue>& a, const std::vector<CellValue>& b) const;
    void BeginInsertAppend(bool append);
    void MoveTo(int position, bool toBof, bool toEof);
    void UpdateWindow();
    int FindRecord(uint64_t id) const;
    WriteBack MakeWriteBack(const Record* original, const std::vector<CellValue>* values) const;
    bool Matches(const Record& record, const std::vector<TField*>& keys, const std::vector<Variant>& values,
                 TLocateOptions options) const;
    std::vector<Variant> KeyValues(size_t count, const Variant& values) const;

    const CellValue& ActiveCell(int fieldIndex) const;
    void WriteCell(TField* field, CellValue value);

    void AddDataSource(TDataSource* source);
    void RemoveDataSource(TDataSource* source);
    int CursorPosition() const; // position of the active record in cursor order (-1 when none)
    int CursorCount() const;    // records in cursor order, counting a record being inserted

    TDataSetState state_ = TDataSetState::dsInactive;
    TFields fields_;
    bool defaultFields_ = false;
    std::vector<std::unique_ptr<Record>> records_;
    std::vector<Record*> view_;
    uint64_t nextId_ = 1;
    int current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    int windowFirst_ = 0;
    // Editing.
    std::vector<CellValue> editBuffer_;
    bool modified_ = false;
    int insertPosition_ = -1;
    bool appending_ = false;
    // The transaction journal: what to take back, newest last.
    struct JournalEntry {
        JournalKind kind = JournalInserted;
        uint64_t id = 0;
        std::vector<CellValue> oldCells; // an update's cells before it
        std::unique_ptr<Record> removed; // a deleted record, kept to be put back
        size_t recordIndex = 0, viewIndex = 0;
    };
    std::vector<JournalEntry> journal_;
    bool journalReread_ = false; // the records were re-read inside the transaction: undo re-reads them
    // Calculation.
    Record* calcRecord_ = nullptr;
    int calcPosition_ = -1;
    // Filter and sort.
    std::string filterText_;
    bool filtered_ = false;
    TFilterOptions filterOptions_ = 0;
    std::unique_ptr<FilterExpression> filter_;
    std::string sortText_;
    // Notifications.
    std::vector<TDataSource*> dataSources_;
    int disableCount_ = 0;
    TDataSetState disabledState_ = TDataSetState::dsInactive;
    TDataEvent enableEvent_ = TDataEvent::deDataSetChange;
};

} // namespace zorvy
