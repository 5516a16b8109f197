#pragma once
// The dataset provider: the only place where a dataset-bound controller touches its dataset. It
// reads the dataset's records into the storage, moves the dataset, runs Edit, Insert, Append, Post,
// Cancel and Delete on it, and turns the data link's notifications into controller updates.
#include "controls/data/DataProvider.h"
#include "controls/data/DataStorage.h"
#include "platform/db/DataSource.h"

#include <string>
#include <utility>
#include <vector>

namespace zorvy {

class TcxDBDataController;
class TcxDBDataProvider;
class TDataSet;
class TField;

// Hears the data source's notifications for one provider; silent while the dataset's controls
// are disabled, like a visual control.
class TcxDBDataLink : public TDataLink {
  public:
    explicit TcxDBDataLink(TcxDBDataProvider* provider);

    // Set while the controls come back after a smart-refresh delete that took its record out of the
    // storage itself: the change notice that follows is then no layout change.
    void SetPreventLayoutChange(bool value) { preventLayoutChange_ = value; }

  protected:
    void ActiveChanged() override;
    // Re-enabled controls may have missed a change of the dataset's fields: the next change
    // notice is taken as a layout change.
    void DataEvent(TDataEvent event, intptr_t info) override;
    void DataSetChanged() override;
    void DataSetScrolled(int distance) override;
    void EditingChanged() override;
    // The controller's item bound to the field takes the focus; the field is cleared when it did.
    void FocusControl(TField** field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;

  private:
    TcxDBDataProvider* provider_;
    bool layoutChangePending_ = false;
    bool preventLayoutChange_ = false;
};

// The dataset fields the provider filled in itself in a new record, so that such a record is not
// taken for a user's edit.
class TcxDBDataAssignedFields {
  public:
    void AddField(TField* field);
    void AddFields(const std::vector<TField*>& fields);
    void Clear() { fields_.clear(); }
    bool IsEmpty() const { return fields_.empty(); }
    bool Contains(const TField* field) const;

  private:
    std::vector<TField*> fields_;
};

// Reads the dataset's current record into one storage record.
class TcxValueDefDBReader : public TcxValueDefReader {
  public:
    void ReadDisplayText(TcxValueDef* def, std::string& text) override;
    void ReadValue(TcxValueDef* def, Variant& value) override;
    bool SkipsValueDef(TcxValueDef* def) override;
};

class TcxDBDataProvider : public TcxCustomDataProvider {
  public:
    explicit TcxDBDataProvider(TcxDBDataController* dataController);
    ~TcxDBDataProvider() override;

    TcxDBDataLink& GetDataLink() { return dataLink_; }
    TDataSet* GetDataSet() const { return dataLink_.GetDataSet(); }
    TcxDBDataController* GetDBDataController() const;

    // ---- state ----
    bool IsActive() const override;
    // A custom record source never replaces the dataset.
    bool AllowsUnboundMode() const override { return false; }
    // Grid mode: only the data link's buffer of records around the current one is loaded; not for
    // the pattern of a relation, whose clones hold the rows.
    bool IsGridMode() const override;
    int GetGridModeBufferCount() const;
    // Moves the buffer window by the rows asked from its top or bottom row (the view's scroll bar).
    void Scroll(int distance);
    bool CanModify() const override;
    bool CanDelete() const override; // modifiable and not empty
    // The focus and the dataset's current record move together: SyncMode or grid mode over an open,
    // scrollable dataset; a detail only while the dataset can stand for it.
    bool IsSyncMode() const override;
    bool IsDataSetEditing() const; // edit, insert or set-key state
    bool IsBOF() const;
    bool IsEOF() const;
    int GetCurrentRecordIndex() const { return currentRecordIndex_; }
    bool IsLocating() const { return locateCount_ > 0; }
    bool IsNotifyLocked() const { return notifyLockCount_ > 0; }
    // Grid mode reads the buffer again because the dataset changed or its window moved.
    bool IsGridModeUpdating() const { return gridModeUpdating_ && IsGridMode(); }
    // The dataset has fields: it is open, or its fields are persistent.
    bool HasFieldStructure() const override;
    // Takes the stale-buffer mark left by a move that shifted the buffer window.
    bool TakeBufferStale() { return std::exchange(bufferStale_, false); }
    // Smart refresh (with key fields, outside grid mode): a post re-reads the posted record only.
    bool IsSmartRefresh() const override;
    // The dataset holds a value the provider did not put in itself, or an unbound item holds a
    // value typed into the editing record.
    bool IsDataSetModified() const;

    // ---- moving and reading ----
    void First();
    void Next();
    // Moves the dataset and answers the distance it actually moved.
    int MoveBy(int distance);
    // The current record's bookmark, its row in the data link's buffer, BOF and EOF.
    void SavePos() override;
    // Back to the saved record on the same buffer row; a database error stops the moves where they are.
    void RestorePos() override;
    // Every record of the dataset into the storage, in dataset order; the current record stays current.
    void LoadRecords();
    // A locate that starts while the dataset edits leaves the post-locate mark on every provider of
    // the dataset: the change notice that follows is a post, not a move.
    void BeginLocating() override;
    void EndLocating() override { --locateCount_; }
    // Disables the dataset's controls; a pending edit is posted first (or refused with its error),
    // never dropped unseen, after the post-locate marks were left as for a locate.
    void LockNotifications() override;
    void UnlockNotifications() override;
    // Grid mode: buffer row n is loaded as record n.
    void GetBufferValue(int rowIndex, TcxCustomDataField* field, Variant& value) override;
    void GetBufferDisplayText(int rowIndex, TcxCustomDataField* field, std::string& text) override;
    int CompareBookmarks(const std::string& a, const std::string& b) const;
    // In grid mode the bookmark of a buffer row (read when the buffer was loaded); empty otherwise.
    std::string GetBufferBookmark(int row) const;

    // ---- editing through the dataset ----
    void Edit() override;
    void Append() override;
    void Insert() override;
    // An explicit post: the dataset posts whatever it was given, its own values included.
    void Post() override;
    // With smart refresh the storage record gets its old values back first.
    void Cancel() override;
    // The dataset's Cancel; a detail whose new record stood past its rows goes back to its last row.
    void CancelDataSetChanges();
    bool CanInitEditing(int recordIndex) override;
    // Kind 1: the field's edit text; kind 2: the values of the fields named by its KeyFields.
    void GetEditValue(int recordIndex, TcxCustomDataField* field, Variant& value, int kind) override;
    bool SetEditValue(int recordIndex, TcxCustomDataField* field, const Variant& value, int kind) override;
    // Fills a new record; what is put in here is not the user's (a lookup field fills its key fields).
    void SetValue(int recordIndex, TcxCustomDataField* field, const Variant& value) override;
    // For the provider's own inserts (and those of another provider of the dataset): grouping
    // values, a detail's master keys (dcoAssignMasterDetailKeys) and the new-record hooks; then the
    // new record is read from the dataset.
    void InitInsertingRecord(int recordIndex, const std::vector<Variant>& groupValues) override;
    void PostEditingData() override;
    int Delete() override;
    // Deletes from the highest record index down: by key with key fields, else by position.
    void DeleteRecords(std::vector<int> records) override;
    // Whether a master record's detail has rows: OnDetailHasChildren of the master when set, else a
    // locate of the record's key values in the pattern's dataset (in grid and SQL mode: true).
    bool HasDetailRecords(int recordIndex, int relationIndex) override;
    // In grid mode the selected bookmarks, last first; otherwise the selected records.
    void DeleteSelection() override;

    // ---- several providers on one dataset ----
    // Another provider of the same dataset runs its own Insert or Append.
    bool IsOtherInsert() const;
    // The dataset's change notices are to be handled again, not taken as a move.
    bool HasPostLocateMark() const { return postLocateMark_; }
    void ClearPostLocateMark() { postLocateMark_ = false; }
    // Hands the change notices that the providers listening on this one skipped while it held a
    // lock or located, last registered first; not while it already does.
    void DeliverDeferredNotices();
    bool IsDeliveringNotices() const { return inNotify_; }

    // ---- a detail dataset shared by the clones of one relation ----
    // The dataset stands for this controller: marking it so unfocuses every other clone of the
    // relation and clears their marks.
    bool GetDataSetCurrentMark() const { return dataSetCurrent_; }
    void SetDataSetCurrent(bool value);
    // Whether the dataset is positioned for this controller: the mark, or for a detail in sync mode
    // also its focused row, its own insert or edit, unless another provider of the dataset inserts
    // or starts an edit.
    bool IsDataSetCurrent() const;
    void SetCurrentRecordIndex(int recordIndex) { currentRecordIndex_ = recordIndex; }
    // Focuses the loaded record the dataset stands on (a clone the dataset was moved to).
    void FollowDataSet();

    // ---- notifications of the data link ----
    void ActiveChanged(bool active);
    // While another provider of the dataset holds a notification lock or locates, the notice is
    // skipped and comes again when that provider's reload or move ends.
    void DataSetChanged();
    // While a provider of a detail holds a notification lock (a detail query reopened), only the
    // fields are bound again; otherwise the fields are bound and the records reloaded.
    void LayoutChanged();
    void DataScrolled(int distance);
    void EditingChanged();
    void RecordChanged(TField* field);
    // Reads the dataset's current record into that storage record.
    void RereadRecord(int recordIndex);

  private:
    // Smart refresh: the posted record alone is read again, or leaves the storage when the
    // dataset no longer holds it.
    void RereadPostedRecord();
    void ClearRereadState();
    // The loaded record of the dataset's current key, checked against its position first.
    int FindCurrentRecordByKey() const;
    // Every provider bound to the same dataset, this one included, in order of creation.
    std::vector<TcxDBDataProvider*> ProvidersOfDataSet() const;
    // Another provider of the dataset that holds a notification lock or (for a controller with
    // record keys) locates; nil when none.
    TcxDBDataProvider* FindBlockingProvider() const;
    // The provider whose lock, locate or delivery decides whether a change notice is only a move.
    TcxDBDataProvider* FindDecidingProvider() const;
    bool IsHandledAsScroll() const;
    // A shared detail dataset that stands for another clone of the relation: its moves, edits and
    // new records are that clone's.
    bool IsAnotherClonesDataSet() const;
    void SetPostLocateMarks();
    void AddListener(TcxDBDataProvider* provider);
    void RemoveListener(TcxDBDataProvider* provider);
    void DoActiveChanged(bool active);
    // The other clones of the relation that read this dataset bind the fields a reopen made anew.
    void RebindOtherClones();
    void InsertOrAppend(bool append);
    void CheckLoadedPosition();
    void LoadGridModeBuffer();
    void UpdateGridModeBuffer();

    TcxDBDataAssignedFields assignedFields_;
    std::vector<std::string> bufferBookmarks_;
    TcxDBDataLink dataLink_;
    bool inInsert_ = false;
    bool insertOperation_ = false; // an explicit Insert, not an Append
    bool inCanInitEditing_ = false;
    bool dataSetCurrent_ = false;
    bool gridModeUpdating_ = false;
    bool creatingInsertRecord_ = false; // the dataset's own insert notices are this one
    bool inNotify_ = false;             // delivering deferred notices to the listeners
    std::vector<TcxDBDataProvider*> listeners_;
    bool postLocateMark_ = false;
    int locateCount_ = 0;
    bool bufferStale_ = false; // the buffer window moved during the controller's own move
    int notifyLockCount_ = 0;
    int currentRecordIndex_ = -1;
    // The record whose edit ended, re-read alone after its post with smart refresh; a new-item
    // row's record is first copied to a new storage record.
    int rereadRecordIndex_ = cxNullEditingRecordIndex;
    bool rereadInserting_ = false;
    int rereadNewRecordIndex_ = -1;
    struct SavePosInfo {
        std::string bookmark;
        bool bof = false, eof = false;
        int activeRecord = 0;
    } savedPos_;
};

} // namespace zorvy
