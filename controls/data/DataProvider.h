#pragma once
// The data provider: the controller's bridge to where records come from and go to. The controller
// never edits, posts or deletes itself: it asks its provider, which calls back to change the
// storage, fire the events and refresh the rows. It serves unbound records kept in the
// controller's own storage and, with a custom record source attached, provider mode, in which the
// storage keeps only each record's handle. Editing keeps one record, the editing record, from the
// start of an edit or insert to the post or cancel.
#include "controls/data/DataNotices.h"
#include "controls/data/RecordSource.h"
#include "platform/rtl/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;
class TcxValueDefReader;

// The provider's "no record": internal records have negative indexes, so -1 is a record.
inline constexpr int cxNullEditingRecordIndex = -2147483647;

class TcxCustomDataProvider {
  public:
    explicit TcxCustomDataProvider(TcxCustomDataController* dataController)
        : dataController_(dataController) {}
    virtual ~TcxCustomDataProvider();

    // ---- state ----
    virtual bool IsActive() const { return false; }
    virtual bool IsGridMode() const { return false; }
    // The focus and the source's current record move together (datasets).
    virtual bool IsSyncMode() const { return false; }
    virtual bool CanModify() const { return true; }
    virtual bool CanAppend() const { return CanModify(); }
    virtual bool CanInsert() const { return CanModify(); }
    virtual bool CanDelete() const; // the controller has records
    // Edits are kept in the controller's records only, never written where the records come from.
    virtual bool EditsInMemory() const { return !CanModify(); }
    bool IsEditing() const { return editingRecordIndex_ != cxNullEditingRecordIndex; }
    bool IsInserting() const { return IsEditing() && inserting_; }
    bool IsChanging() const { return changing_; }
    bool IsModified() const { return modified_; }
    int GetEditingRecordIndex() const { return editingRecordIndex_; }
    // The edit runs in the new-item row's internal record.
    bool IsEditingNewItemRecord() const;
    int GetPrevAnchor() const { return prevAnchor_; }
    int GetNextAnchor() const { return nextAnchor_; }
    int GetSavedRecordIndex() const { return savedRecordIndex_; } // 0 when none
    void ForgetSavedRecord() { savedRecordIndex_ = 0; }            // the storage freed it
    // The record the last post of a new-item-row record created, -1 when none.
    int GetInsertedRecordIndex() const { return insertedRecordIndex_; }
    void ResetInsertedRecordIndex() { insertedRecordIndex_ = -1; }

    // ---- editing ----
    virtual void Edit() { BeginEditRecord(); }
    virtual void Append() { BeginInsertRecord(true); }
    virtual void Insert() { BeginInsertRecord(false); }
    // An insert nobody changed is cancelled instead of posted.
    virtual void Post();
    virtual void Cancel();
    virtual void PostEditingData();
    virtual void UpdateData();
    // Checks the record, starts an edit when none runs and marks the changing flag.
    virtual bool CanInitEditing(int recordIndex);
    // The value being edited; "RecordIndex out of range" without an editing record. Kind 1 asks for
    // the edit text, kind 2 for a lookup's key values; the base has one value for every kind.
    virtual void GetEditValue(int recordIndex, TcxCustomDataField* field, Variant& value, int kind);
    // Kind 1 is a value typed as text: an empty text is stored as Null.
    virtual bool SetEditValue(int recordIndex, TcxCustomDataField* field, const Variant& value, int kind);
    virtual void SetValue(int recordIndex, TcxCustomDataField* field, const Variant& value);
    // Fills a new record: the template's grouping values (with dcoAssignGroupingValues), then the
    // controller's new-record event.
    virtual void InitInsertingRecord(int recordIndex, const std::vector<Variant>& groupValues);
    // Only the edited record is read again after a post: an edit keeps a copy to cancel back to.
    virtual bool IsSmartRefresh() const { return false; }
    void SetChanging() { changing_ = true; }
    void ResetChanging() { changing_ = false; }
    void MarkModified() { modified_ = true; }
    void ResetModified() { modified_ = false; }
    virtual void ResetEditing();
    // Forgets the editing record without posting or cancelling (the record was deleted).
    void ForgetEditingRecord();

    // ---- deleting ----
    // Deletes the focused record; answers it (-1 when nothing is focused).
    virtual int Delete();
    // Deletes the records, last first, inside one update; then focuses the nearest record.
    virtual void DeleteRecords(std::vector<int> records);
    virtual void DeleteSelection();
    // Remembers the row to focus when the focused row goes; false without a focused row.
    virtual bool BeforeDeleteFocused();

    // Grouping needs every record: a provider then leaves grid mode.
    bool IsLoadAllNeeded() const { return loadAllNeeded_; }
    void SetLoadAllNeeded(bool value) { loadAllNeeded_ = value; }

    // ---- notifications from where the records live ----
    // While locked, data and layout changes of the records are not passed on.
    virtual void LockNotifications() { ++notificationLockCount_; }
    virtual void UnlockNotifications() { --notificationLockCount_; }
    bool IsNotificationsLocked() const { return notificationLockCount_ > 0; }
    // The records changed: the controller hears it unless notifications are locked; the edit ends,
    // or only its changing mark while a post appends the new record.
    void DataChanged(TcxDataChangeScope scope, int itemIndex, int recordIndex);
    void LayoutChanged(int kind);
    bool IsDataChangedLocked() const { return dataChangedLocked_; }
    // Grid mode: the values of the buffered rows (none in the base).
    virtual void GetBufferValue(int rowIndex, TcxCustomDataField* field, Variant& value);
    virtual void GetBufferDisplayText(int rowIndex, TcxCustomDataField* field, std::string& text);

    // ---- the custom record source (provider mode) ----
    TcxCustomRecordSource* GetCustomDataSource() const { return source_; }
    void SetCustomDataSource(TcxCustomRecordSource* source);
    bool HasActiveSource() const { return source_ != nullptr; }
    virtual bool AllowsUnboundMode() const { return true; }
    int StoreRecordHandle(TcxDataRecordHandle handle); // appends a record holding it
    void LoadSourceRecords();
    TcxDataRecordHandle GetSourceRecordHandle(int recordIndex) const;
    int IndexOfRecordHandle(TcxDataRecordHandle handle) const;
    int SourceAppendRecord();
    int SourceInsertRecord(int recordIndex);
    void SourceDeleteRecord(int recordIndex);
    void SourceSetRecordCount(int count);
    void GetValue(int recordIndex, TcxCustomDataField* field, Variant& value);
    void SetSourceValue(int recordIndex, TcxCustomDataField* field, const Variant& value);
    void GetDisplayText(int recordIndex, TcxCustomDataField* field, std::string& text);
    // A record source keeps texts of its own only in a descendant: nothing in the base.
    virtual void SetDisplayText(int /*recordIndex*/, TcxCustomDataField* /*field*/, const std::string& /*text*/) {}
    bool SupportsRecordIds() const;
    void GetRecordId(int recordIndex, Variant& value);
    bool IsCustomSorting() const;
    void CustomSort();
    bool IsCustomCompare() const;
    bool IsNativeCompare() const;
    // Compares by the field's value type: source records through their compare data, internal
    // records from the storage.
    int CompareRecords(int record1, int record2, TcxCustomDataField* field);
    int SourceCompareRecords(int record1, int record2, TcxCustomDataField* field);
    // Whether a master record's detail of the relation has records: the source's answer.
    virtual bool HasDetailRecords(int recordIndex, int relationIndex);
    // A new record of the source; nil without source.
    TcxDataRecordHandle SourceAppendRecordHandle();

    // ---- the source's position ----
    // The source's current record, -1 when it keeps none.
    virtual int GetFocusedRecordIndex() const { return -1; }
    virtual void BeginLocating() {}
    virtual void EndLocating() {}

    // ---- loading: where the source stands is kept across a load ----
    virtual void SavePos() {}
    virtual void RestorePos() {}
    // A record just loaded: the provider may recognise the position it saved.
    virtual void SyncSavedPosition(int /*recordIndex*/) {}
    // The source rebuilds the controller's fields from its own (datasets).
    virtual bool HasFieldStructure() const { return false; }
    // What reads the source's current record into the storage.
    virtual std::unique_ptr<TcxValueDefReader> CreateValueDefReader();
    TcxCustomDataController* GetDataController() const { return dataController_; }
    // Set while the source opens or closes; a load then is a fresh one, not a refresh.
    bool IsActiveChanging() const { return activeChanging_; }

  protected:
    void SetActiveChanging(bool value) { activeChanging_ = value; }
    // Makes this provider the source's current one for the duration of a call.
    TcxCustomRecordSource& Source() const;
    virtual void BeginEditRecord();
    virtual void BeginInsertRecord(bool append);
    void SaveEditingRecord(int recordIndex);
    void FreeSavedRecord();

  private:
    TcxCustomDataController* dataController_;
    bool activeChanging_ = false;
    bool changing_ = false;
    int editingRecordIndex_ = cxNullEditingRecordIndex;
    int prevAnchor_ = cxNullEditingRecordIndex;
    int nextAnchor_ = cxNullEditingRecordIndex;
    bool modified_ = false;
    int savedRecordIndex_ = 0;
    int insertedRecordIndex_ = -1;
    bool inserting_ = false;
    TcxCustomRecordSource* source_ = nullptr;
    int notificationLockCount_ = 0;
    bool dataChangedLocked_ = false;
    bool loadAllNeeded_ = false;
};

} // namespace zorvy
