#pragma once
// The data controller: the record store behind every grid view. It owns the record storage, one
// data field per item of the view, the data provider (which edits, posts and cancels) and the row
// pipeline (filtered, sorted, grouped rows with focus, expansion and selection). Every change ends
// as one batch of change kinds handed to the view's update-control handler when the outermost
// update lock is released.
#include "controls/data/DataControllerGroups.h"
#include "controls/data/DataControllerInfo.h"
#include "controls/data/DataControllerSearch.h"
#include "controls/data/DataFields.h"
#include "controls/data/DataFilter.h"
#include "controls/data/DataKeys.h"
#include "controls/data/DataNotices.h"
#include "controls/data/DataProvider.h"
#include "controls/data/SortingBySummary.h"
#include "controls/data/DataRelations.h"
#include "controls/data/DataStorage.h"
#include "controls/data/DataSummary.h"
#include "platform/rtl/Components.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TStream;

enum TcxDataControllerOption : unsigned {
    dcoAnsiSort = 1,
    dcoCaseInsensitive = 2,
    dcoAssignGroupingValues = 4,
    dcoAssignMasterDetailKeys = 8,
    dcoSaveExpanding = 16,
    dcoSortByDisplayText = 32,
    dcoFocusTopRowAfterSorting = 64,
    dcoGroupsAlwaysExpanded = 128,
    dcoImmediatePost = 256,
    dcoInsertOnNewItemRowFocusing = 512,
};
using TcxDataControllerOptions = unsigned;

// The kinds of change that collect while the controller is locked, as a set.
enum TcxDataControllerChange : unsigned {
    dccLayout = 1,
    dccData = 2,
    dccFocus = 4,
    dccSelection = 8,
    dccDetails = 16,
    dccSummary = 32,
    dccSearch = 64,
    dccSorting = 128,
    dccGrouping = 256,
    dccMasterSync = 512,
    dccBookmark = 1024,
    dccUpdateRecord = 2048,
};
using TcxDataControllerChanges = unsigned;

class TcxCustomDataController;

// Hears of the destruction of components the controller's fields refer to.
class TcxDataControllerNotifier : public TComponent {
  public:
    explicit TcxDataControllerNotifier(TcxCustomDataController* dataController)
        : TComponent(nullptr), dataController_(dataController) {}

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    TcxCustomDataController* dataController_;
};

// One reference to a controller, nil once the controller is destroyed: a caller that hands
// control to a provider or a handler learns whether the controller survived.
class TcxDataListenerLink {
  public:
    explicit TcxDataListenerLink(TcxCustomDataController* dataController) : Ref(dataController) {}
    TcxCustomDataController* Ref;
};

class TcxCustomDataController : public TPersistent {
  public:
    using TcxDataControllerNotifyEvent = std::function<void(TcxCustomDataController*)>;
    using TcxDataRecordEvent = std::function<void(TcxCustomDataController*, int recordIndex)>;
    using TcxDataFilterRecordEvent =
        std::function<void(TcxCustomDataController*, int recordIndex, bool& accept)>;
    using TcxDataControllerCompareEvent =
        std::function<void(TcxCustomDataController*, int record1, int record2, int itemIndex,
                           const Variant& v1, const Variant& v2, int& compare)>;

    explicit TcxCustomDataController(TComponent* owner);
    ~TcxCustomDataController() override;
    TPersistent* GetOwner() const override;

    // ---- parts ----
    TcxDataStorage& GetStorage() { return *storage_; }
    TcxCustomDataFieldList& GetFields() { return *fields_; }
    TcxCustomDataProvider& GetProvider() { return *provider_; }
    TcxCustomDataControllerInfo& GetDataControllerInfo() { return *info_; }
    TcxDataControllerOptions GetOptions() const { return options_; }
    void SetOptions(TcxDataControllerOptions value); // a different set refreshes

    // ---- items and fields ----
    // "Item already exists" when a field already belongs to the item (nil any number of times).
    TcxCustomDataField* AddItem(TObject* item);
    void RemoveItem(TObject* item);
    int GetItemCount() const { return fields_->GetExternalCount(); }
    virtual TObject* GetItem(int itemIndex) const;
    TcxCustomDataField* GetItemField(int itemIndex) const;
    TcxCustomDataField* AddInternalField();
    virtual TcxCustomDataField* AddField();
    TcxValueTypeClass GetItemValueTypeClass(int itemIndex) const;
    virtual void ChangeValueTypeClass(int itemIndex, TcxValueTypeClass valueType);
    // The item's field changed its value type (views reset what they keep of the item).
    virtual void ItemFieldChanged(int /*itemIndex*/) {}
    bool GetItemTextStored(int itemIndex) const;
    virtual bool IsItemTextStored(int itemIndex) const { return GetItemTextStored(itemIndex); }
    bool GetItemCustomCompare(int itemIndex) const { return GetItemField(itemIndex)->CustomCompare; }
    // Puts the field of GetItem(i) at index i, for every item.
    void UpdateItemIndexes();
    void ChangeItemTextStored(int itemIndex, bool value);
    void ChangeItemCustomCompare(int itemIndex, bool value);
    virtual void RemoveFieldReferences(TcxCustomDataField* field);
    // A component is going away: the fields drop their references to it.
    void RemoveNotification(TComponent* component);
    virtual int GetItemID(TObject* /*item*/) const { return -1; }
    virtual std::string GetItemName(TObject* item) const; // a component's Name, else empty
    TObject* FindItemByID(int id) const;
    TObject* FindItemByName(const std::string& name) const; // ignoring case
    TObject* FindEqualItem(TObject* item) const { return FindItemByID(GetItemID(item)); }

    // ---- master-detail: a master's relations, one per detail level, each with a pattern controller
    // designed once; per master record a clone of the pattern, created when first asked for, bound
    // to that record (DataControllerDetails.cpp) ----
    TcxCustomDataRelationList& GetRelations(); // created on first use
    // The relation class of the controller's relations (a dataset-bound master makes its own).
    virtual TcxCustomDataRelation* CreateRelation(TcxCustomDataRelationList* list, TObject* item);
    bool HasRelations() const { return relations_ != nullptr; }
    virtual int GetDefaultActiveRelationIndex() const { return 0; }
    // A pattern asks the root to drop its relation's clones; any other controller reports its data.
    virtual void DetailDataChanged(TcxCustomDataRelation* relation);
    enum TcxDataDetailMode { dcdmNone = 0, dcdmPattern = 1, dcdmClone = 2 };
    TcxDataDetailMode GetDetailMode() const;
    bool IsPattern() const { return GetDetailMode() == dcdmPattern; }
    bool IsDetailMode() const { return masterRelation_ != nullptr; }
    TcxCustomDataRelation* GetMasterRelation() const { return masterRelation_; }
    int GetMasterRecordIndex() const { return masterRecordIndex_; } // -1 unless a clone
    TcxCustomDataController* GetMasterDataController() const;
    TcxCustomDataController* GetRootDataController();
    // The pattern that describes this controller's level (itself without a master relation); nil
    // when no such pattern is attached.
    TcxCustomDataController* GetPatternDataController();
    void SetRelationPattern(TcxCustomDataRelation* relation, bool isPattern = true);
    // A master record index of -1 makes this the relation's pattern, any other a clone for it.
    virtual void SetMasterRelation(TcxCustomDataRelation* relation, int masterRecordIndex);
    void SetIsPattern(bool value);
    // Per master record ("RecordIndex out of range" for a bad one).
    int GetActiveRelationIndex(int recordIndex);
    void ChangeActiveRelationIndex(int recordIndex, int relationIndex);
    bool GetDetailExpanding(int recordIndex) const;
    // False when a handler refuses or the record has no detail (no relation has a pattern).
    bool ChangeDetailExpanding(int recordIndex, bool expanded);
    virtual bool CanChangeDetailExpanding(int recordIndex, bool expanded);
    bool IsDetailDataControllerExist(int recordIndex, int relationIndex) const; // never creates
    // The link object (the view's clone) of the record's detail, created on demand.
    TObject* GetDetailLinkObject(int recordIndex, int relationIndex);
    TcxCustomDataController* GetDetailDataController(int recordIndex, int relationIndex);
    // Whether the detail has records: an existing clone counts them, else the provider is asked
    // once and the answer kept until CheckDetailsHasChildren.
    bool GetDetailHasChildren(int recordIndex, int relationIndex);
    void ClearDetailLinkObject(int recordIndex, int relationIndex); // -1: every relation
    void ClearDetails();
    void CollapseDetails();
    virtual bool CheckDetailsBrowseMode();
    void CheckDetailsHasChildren();
    // The master re-asks its detail objects whether they have children.
    void CheckMasterDetails();
    // Drops the clones of the relation standing for the item, wherever they are.
    virtual void RefreshRelationDetails(TObject* item);
    // Every clone of the relation reachable from the root.
    void ForEachDetailController(TcxCustomDataRelation* relation,
                                 const std::function<void(TcxCustomDataController*)>& proc);
    void ReleaseRelationDetails(TcxCustomDataRelation* relation);
    // Clones follow their master records when records are inserted or deleted before them.
    virtual void RecordInserted(int recordIndex);
    virtual void RecordDeleted(int recordIndex);
    // The edit ends without posting when its record moves or goes (-1: records at the end went).
    virtual void EditingRecordDeleting(int recordIndex);
    // Focuses the first row of the record's shown clones that have no focused row.
    void SyncDetailFocus(int recordIndex);
    // Hooks of the views: the clone view of a master record and its controller.
    virtual std::unique_ptr<TObject> CreateDetailLinkObject(TcxCustomDataRelation* /*relation*/,
                                                            int /*recordIndex*/) {
        return nullptr;
    }
    virtual TcxCustomDataController* GetDetailDataControllerByLinkObject(TObject* /*linkObject*/) { return nullptr; }
    bool IsCreatingLinkObject() const { return creatingLinkObject_; }
    virtual bool IsDetailFocusSynchronized() const { return false; }
    virtual void CheckDetailSync() {}
    // The focus takes the provider's current record (the base provider keeps none).
    virtual void SyncFocusedRecord() {}
    // After the records were reloaded: a clone has its pattern follow the provider's record.
    virtual void AfterDataChanged();
    virtual void AfterReload() {}

    // ---- index checks ("ItemIndex out of range", "RecordIndex out of range") ----
    void CheckItemIndex(int itemIndex) const;
    void CheckRecordIndex(int recordIndex) const;
    void CheckIndexes(int recordIndex, int itemIndex) const;

    // ---- records and values ----
    int GetRecordCount() const { return storage_->StorageRecordCount(); }
    void SetRecordCount(int count);
    int AppendRecord();
    int InsertRecord(int recordIndex);
    void DeleteRecord(int recordIndex);
    Variant GetValue(int recordIndex, int itemIndex) const;
    void SetValue(int recordIndex, int itemIndex, const Variant& value);
    std::string GetDisplayText(int recordIndex, int itemIndex) const;
    void SetDisplayText(int recordIndex, int itemIndex, const std::string& text);
    virtual Variant GetFieldValue(int recordIndex, TcxCustomDataField* field) const;
    virtual std::string GetFieldDisplayText(int recordIndex, TcxCustomDataField* field) const;
    virtual Variant GetRecordId(int recordIndex) const;
    // Nothing without a focused row or when the provider cannot delete; a group row deletes every
    // record of its group.
    void DeleteFocused();
    // With single selection the focused row's records.
    void DeleteSelection();
    int GetNearestRecordIndex() const { return nearestRecordIndex_; }
    void SetNearestRecordIndex(int recordIndex) { nearestRecordIndex_ = recordIndex; }
    // Focuses the remembered nearest record, else (with nothing focused) the last row's record.
    void FocusNearestRecord();

    // ---- provider mode: a custom record source supplies the records ----
    bool IsProviderMode() const { return provider_->HasActiveSource(); }
    bool IsUnboundMode() const { return provider_->AllowsUnboundMode() && !IsProviderMode(); }
    void SetCustomDataSource(TcxCustomRecordSource* source) { provider_->SetCustomDataSource(source); }
    // Internal fields keep their values in the storage even in provider mode.
    bool FieldHasProviderData(TcxCustomDataField* field) const;
    // ---- structure and reload (DataControllerStructure.cpp) ----
    enum TcxDataLayoutChange : unsigned { lcStructure = 1, lcData = 2 };
    // Both end in UpdateItems: fields rebound and records reloaded where the structure may change.
    virtual void LayoutChanged(unsigned reasons);
    void ActiveChanged(bool active);
    bool GetActive() const { return active_; }
    void UpdateItems(bool updateFields);
    bool IsUpdatingItems() const { return updatingItems_; }
    // Provider mode, or a structure just recreated by RestructData.
    virtual bool CanUpdateStructure() const { return IsProviderMode() || structureRecreated_; }
    void UpdateStructure(bool updateFields);
    // Rebinds every field once, starting over when a rebinding destroyed a field.
    virtual void UpdateFields();
    virtual void UpdateField(TcxCustomDataField* /*field*/) {}
    // While held, a rebinding wanted by UpdateStructure waits for the last EndUpdateFields.
    void BeginUpdateFields() { ++updateFieldsCount_; }
    void EndUpdateFields();
    // Empties the storage and loads it again from the provider (not for a pattern).
    virtual void ReloadData();
    // A full refresh then leaves the summaries and their after-summary event alone: in grid mode
    // while a structure change waits for its reload.
    virtual bool IsSummaryUpdateLocked() const { return IsGridMode() && structureChanged_; }
    // Rebuilds the records for the current mode: entering or leaving provider mode empties them.
    void RestructData();
    // Tells the provider whether grouping needs every record; restructures when that changes
    // grid mode, and answers whether it did. The row pipeline runs it at the start of each update.
    bool UpdateLoadAllNeeded();

    // ---- loading record by record (DataControllerLoading.cpp) ----
    // Between BeginLoad and EndLoad the provider's notices wait and its position is kept.
    virtual void BeginLoad();
    virtual void EndLoad();
    // Appends the provider's current record (in provider mode a new record of the source).
    virtual int LoadRecords();
    virtual void SyncSavedPosition(int recordIndex) { provider_->SyncSavedPosition(recordIndex); }
    TcxDataControllerNotifier& GetNotifier() { return *notifier_; }
    virtual void ReadStoredValue(TcxValueDef* def, int sourceRecord, int destRecord);
    int AppendRecordHandle(TcxDataRecordHandle handle);
    TcxDataRecordHandle GetRecordHandle(int recordIndex) const;
    bool IsDestroying() const;
    // Records are identified by key values across a reload: provider mode with record ids.
    virtual bool HasRecordKeys() const { return IsProviderMode() && provider_->SupportsRecordIds(); }
    virtual std::vector<TcxCustomDataField*> GetKeyFields() const { return {}; }
    // Selected rows and expanded details follow their keys from Begin to the outermost End.
    void BeginKeepingKeys();
    void EndKeepingKeys();
    // The record id in provider mode (else Null) for no fields, the value for one, an array of
    // the values for several.
    Variant GetFieldListValues(int recordIndex, const std::vector<TcxCustomDataField*>& fields) const;
    virtual bool UsesRecordIds() const { return false; }
    // Copies one record's values into another (the provider's saved copy); in provider mode a
    // record of the source takes them through ReadStoredValue.
    virtual void ReadRecordValues(int fromRecord, int toRecord);
    virtual Variant GetGroupValue(int recordIndex, TcxCustomDataField* field) const {
        return GetFieldValue(recordIndex, field);
    }
    std::vector<Variant> GetGroupValues(int recordIndex) const;

    // ---- search, incremental filter and locate ----
    TcxDataControllerSearch& GetSearch(); // created on first use
    int GetFilteredRecordCount() const;
    int GetFilteredRecordIndex(int index) const;
    int GetFilteredIndexByRecordIndex(int recordIndex) const; // -1 when filtered out
    virtual std::string GetIncrementalSearchText(int recordIndex, int itemIndex);
    // Incremental search done by the provider in grid mode.
    virtual bool SearchInProvider(const std::string& /*text*/, bool /*forward*/, bool /*next*/) { return false; }
    // The record whose text in the item equals (or with `partial` starts with) `text`, ignoring
    // case, from a filtered position on; with `wrap` the rest of the positions follow.
    virtual int FindRecordByText(int startPosition, int itemIndex, bool forward, bool wrap, bool partial,
                                 const std::string& text);
    // Keeps only the records whose text in the item starts with `text`; the first one left, or -1.
    virtual int ChangeIncrementalFilterText(int itemIndex, const std::string& text);
    virtual const std::string& GetIncrementalFilterText() const { return incrementalFilterText_; }
    virtual bool IsIncrementalFilterActive() const;
    virtual void ResetIncrementalFilter();
    bool UpdateIncrementalFilterText(const std::string& text);
    virtual bool MatchesIncrementalFilter(int recordIndex);
    // The first storage record equal to the probe in every field; -1 when none.
    int FindRecordByFields(int probeRecordIndex, const std::vector<TcxCustomDataField*>& fields);
    // A filtered record with the probe's values in the first `levelCount` sort entries, by bisection.
    int FindRecordByGroupValues(int probeRecordIndex, int levelCount);
    virtual void BeginUnboundCopy() {}
    virtual void EndUnboundCopy() {}

    // Appends a record read through the reader; in provider mode the source appends it and
    // receives the reader's values.
    virtual int AppendRecordFromReader(TcxValueDefReader& reader);

    // ---- the record stream ("DataController1") ----
    void SaveToStream(TStream& stream);
    // "Invalid stream format" for another identifier or another set of item types; a stream that
    // ends early or holds damaged records raises and leaves the records as they were.
    void LoadFromStream(TStream& stream);

    // ---- change protocol: kinds collect while locked and reach the view at the outermost unlock ----
    void BeginUpdate() { LockUpdate(); }
    void EndUpdate() { UnlockUpdate(); }
    void LockUpdate();
    void UnlockUpdate();
    bool IsUpdating() const { return lockCount_ > 0; }
    void Change(TcxDataControllerChanges changes);
    // Merges into the pending data change and refreshes the rows.
    virtual void DataChanged(TcxDataChangeScope scope, int itemIndex, int recordIndex);
    void DoRefresh();
    void Refresh() { DoRefresh(); }
    bool IsRowInfoValid() const { return !info_->IsCalculating(); }
    // While the owner loads, data-changed events wait for Loaded and sorting and grouping events
    // are not fired.
    bool IsLoading() const;
    virtual void Loaded();
    // From another controller: its options, filter, summary and event handlers.
    void Assign(TPersistent* source) override;
    // Receives every notice; the notice lives only during the call.
    std::function<void(TcxUpdateControlInfo&)> OnUpdateControl;
    void AddDataChangedListener(TObject* object, TNotifyEvent handler);
    void RemoveDataChangedListener(TObject* object);
    TcxDataListenerLink* AddListenerLink();
    static void RemoveListenerLink(TcxDataListenerLink* link); // frees it
    void LockDataChanged() { ++dataChangedLockCount_; }
    void UnlockDataChanged() { --dataChangedLockCount_; }
    virtual bool IsDataChangeLocked() const { return dataChangedLockCount_ > 0; }
    virtual void DoBeforeChangesDispatch() {}
    // After the rows changed under the selection: the next selection notice compares against
    // rows that still exist.
    void CheckPrevSelectionInfo();

    // ---- sorting ----
    TcxDataSortOrder GetItemSortOrder(int itemIndex) const;
    void SetItemSortOrder(int itemIndex, TcxDataSortOrder order);
    int GetItemSortingIndex(int itemIndex) const;
    int GetSortingItemCount() const;
    int GetSortingItemIndex(int index) const; // the item of a sorting entry
    // Moves the item's entry (added with its current order when missing), clamped to the entries;
    // -1 for a grouped ascending item drops its sorting entry.
    void ChangeItemSortingIndex(int itemIndex, int sortingIndex);
    bool ItemSortingChanged(int itemIndex);
    // The item whose group summary orders the groups, -1 when none.
    int GetSortingBySummaryItemIndex() const;
    void SetSortingBySummaryItemIndex(int itemIndex);
    void SortingBySummaryChanged();
    // The engine that orders groups by a group summary (none here: views name theirs).
    virtual TcxSortingBySummaryEngineClass GetSortingBySummaryEngineClass() const { return nullptr; }
    bool GetSortingBySummaryChanged() const { return sortingBySummaryChanged_; }
    // While set, groups are found by their values, never by their texts.
    void SetFindingInternalRecord(bool value) { findingInternalRecord_ = value; }
    void ClearSorting(bool keepGroupingEntries);
    virtual int CompareByField(int record1, int record2, int purpose, TcxCustomDataField* field);
    int CompareBySortInfo(int record1, int record2, int purpose, const TcxDataSortInfo& info);
    int CompareRecordIndexes(int record1, int record2) const { return record1 - record2; }
    Variant GetSortingValue(int recordIndex, TcxCustomDataField* field) const;
    bool IsCustomCompareNeeded(TcxCustomDataField* field) const;
    bool NeedsStringCompare(TcxCustomDataField* field) const;
    bool IsSortByDisplayText(TcxCustomDataField* field) const;
    virtual bool GetItemSortByDisplayText(int /*itemIndex*/, bool /*defaultValue*/) const { return false; }
    bool GetSortingChanged() const { return sortingChanged_; }
    bool GetGroupingChanged() const { return groupingChanged_; }
    // The storage was just loaded afresh (the source opened); the row pipeline clears it.
    bool GetLoadedStorage() const { return loadedStorage_; }
    void ClearSortingAndGroupingChanged() {
        sortingChanged_ = groupingChanged_ = sortingBySummaryChanged_ = loadedStorage_ = false;
    }
    // True while a notice is being handed to the control.
    bool IsNotifyingControl() const { return inNotifyControl_; }

    // ---- grouping ----
    int GetItemGroupIndex(int itemIndex) const;
    void ChangeItemGroupIndex(int itemIndex, int groupIndex);
    void ClearGrouping();
    int GetGroupingItemCount() const;
    TcxCustomDataField* GetGroupingField(int level) const;
    TcxDataControllerGroups& GetGroups() { return groups_; }

    // ---- rows, focus and selection ----
    int GetRowCount() const { return info_->GetRowCount(); }
    TcxDataRowInfo GetRowInfo(int rowIndex) const { return info_->GetRowInfo(rowIndex); }
    int GetRowIndexByRecordIndex(int recordIndex, bool makeVisible) {
        return info_->GetRowIndexByRecordIndex(recordIndex, makeVisible);
    }
    // A group row shows the item grouped at its level: `itemIndex` becomes that item.
    std::string GetRowDisplayText(const TcxDataRowInfo& rowInfo, int& itemIndex) const;
    Variant GetRowValue(const TcxDataRowInfo& rowInfo, int itemIndex) const;
    // Every row in order, or the selected rows in selection order.
    virtual void ForEachRow(bool selectedOnly,
                            const std::function<void(int rowIndex, const TcxDataRowInfo&)>& proc);
    int GetLastRowRecordIndex() const; // -1 without rows
    int GetNearestRowIndex(int rowIndex) const { return info_->GetNearestRowIndex(rowIndex); }
    virtual Variant GetSelectionKey(int index) const { return Variant(index); }
    int GetFocusedRowIndex() const { return info_->GetFocusedRowIndex(); }
    void SetFocusedRowIndex(int rowIndex) { info_->ChangeFocusedRowLocked(rowIndex); }
    int GetFocusedRecordIndex() const { return info_->GetFocusedRecordIndex(); }
    void SetFocusedRecordIndex(int recordIndex);
    void ChangeExpanding(int rowIndex, bool expanded, bool recursive) {
        info_->ChangeExpanding(rowIndex, expanded, recursive);
    }
    void FullExpand() { info_->FullExpand(); }
    void FullCollapse() { info_->FullCollapse(); }
    bool ChangeFocusedRowIndex(int rowIndex);
    // Expands collapsed groups to make the record's row visible.
    bool ChangeFocusedRecordIndex(int recordIndex);
    void CheckFocusedRow(); // focuses row 0 when no row (and no active new-item row) is focused
    virtual int GetCurrentRecordIndex() const { return GetFocusedRecordIndex(); }
    // The source's current record where focus and source move together, else the focused one.
    int GetProviderFocusedRecordIndex() const;
    // Asked before the focus leaves its record in sync mode (datasets may refuse).
    virtual bool CanLeaveRecord() { return true; }
    // The provider keeps its position from Begin to End.
    void BeginProviderUpdate() { provider_->SavePos(); }
    void EndProviderUpdate() { provider_->RestorePos(); }
    virtual void RefreshExternalData() {}
    // Views make their active in-place editor write its value.
    virtual void UpdateData() {}
    // Views focus the item's column and set `done`.
    virtual void FocusControl(int /*itemIndex*/, bool& done) { done = false; }
    // The provider's current record moved: the focus follows it.
    virtual void ProviderRecordChanged() { SyncFocusedRecord(); }
    // The focus moved to another row: where the records come from may follow (datasets).
    virtual void SyncProviderPosition() {}
    // While counted, the provider is locating and grid mode holds its reactions back.
    void LockGridModeNotify();
    void UnlockGridModeNotify();
    bool IsGridModeNotifyLocked() const { return gridModeNotifyLockCount_ > 0; }
    bool IsGridMode() const { return provider_->IsGridMode(); }
    // A dataset-bound controller in grid mode moves its dataset instead of the focus.
    virtual void GotoFirst();
    virtual void GotoLast();
    virtual void GotoNext();
    virtual void GotoPrev(); // not above row 0
    virtual void MoveBy(int distance); // clamped to the rows
    virtual bool IsBOF() const;
    virtual bool IsEOF() const;
    // Grid mode scrolls the dataset's buffer by rows from its edge; nothing otherwise.
    virtual void GridModeMoveBy(int /*distance*/) {}

    // ---- bookmark: one record ----
    // A dataset-bound controller in grid mode keeps a dataset bookmark instead.
    virtual bool IsBookmarkAvailable() const { return bookmarkRecordIndex_ != -1; }
    virtual bool SetBookmark(); // the focused record; answers whether it changed
    virtual void ClearBookmark() { bookmarkRecordIndex_ = -1; }
    virtual void GotoBookmark();
    virtual bool IsBookmarkLost(int recordIndex) const;
    void CheckBookmark(int recordIndex);
    virtual bool IsBookmarkRow(int rowIndex) const;
    void DoSetBookmark();
    void DoClearBookmark();
    void DoGotoBookmark();

    // ---- selection: with multi-selection off only the focused row counts, while focused-selected.
    // A dataset-bound controller in grid mode keeps the selected records as dataset bookmarks ----
    bool GetMultiSelect() const { return multiSelect_; }
    bool IsSingleSelection() const { return !multiSelect_; }
    void SetMultiSelect(bool value);
    void SetFocusedSelected(bool value);
    virtual void ChangeRowSelection(int rowIndex, bool select); // with multi-selection only
    virtual bool IsRowSelected(int rowIndex) const;
    virtual int GetSelectedCount() const;
    virtual int GetSelectedRowIndex(int index) const;
    virtual void ClearSelection() { info_->ClearSelection(); }
    TcxDataSelection& GetSelection() { return info_->GetSelection(); }
    virtual int GetSelectionAnchorRowIndex() const { return info_->GetSelection().GetAnchorRowIndex(); }
    virtual bool HasSelectionAnchor() const { return GetSelectionAnchorRowIndex() != -1; }
    virtual void SetSelectionAnchor(int rowIndex); // "RowIndex out of range"
    virtual void SelectAll();
    void SelectRows(int fromRow, int toRow); // the bounds in either order
    virtual void SelectFromAnchor(int rowIndex, bool keepSelection);
    void SelectFocusedRowOnly();
    void SyncSelectionWithFocus();
    virtual bool FocusSelectedRow(int index);
    // Moving the focus to another record posts the pending edit of unbound records first.
    virtual bool CanFocusRecord(int recordIndex);
    virtual bool CanSelectRow(int /*rowIndex*/) { return true; }

    // ---- editing (through the provider, which keeps the edit state) ----
    enum TcxDataControllerEditStateFlag : unsigned { dceInsert = 1, dceEdit = 2, dceChanging = 4, dceModified = 8 };
    enum TcxDataControllerEditOperation : unsigned {
        dceoAppend = 1,
        dceoDelete = 2,
        dceoEdit = 4,
        dceoInsert = 8,
        dceoShowEdit = 16,
    };
    // Each does nothing when the provider does not allow it.
    void Edit();
    void Append();
    void Insert();
    // Survives a handler that destroys the controller while the provider posts.
    void Post();
    // A cancel started by a handler during a cancel is ignored; the focus stays on its row, or
    // the last row when that went.
    void Cancel();
    void PostEditingData() { provider_->PostEditingData(); }
    void PostIfEditing() {
        if (IsEditing()) Post();
    }
    unsigned GetEditState() const;
    virtual unsigned GetEditOperations() const;
    bool IsEditing() const { return provider_->IsEditing(); }
    // Posting at once: asked for, or the provider keeps edits in memory only.
    bool IsImmediatePost() const { return (options_ & dcoImmediatePost) != 0 || provider_->EditsInMemory(); }
    virtual bool IsItemEditable(int /*itemIndex*/) const { return true; }
    // Starts the edit of the record to edit when none runs ("ItemIndex out of range").
    bool CanEditItem(int itemIndex);
    // False, with nothing stored, when the item cannot be edited; posts at once with
    // dcoImmediatePost.
    bool SetEditValue(int itemIndex, const Variant& value, int kind);
    // Kind: 0 the value, 1 the edit text, 2 a lookup's key values (what the item's editor edits).
    Variant GetEditValue(int itemIndex, int kind = 0);
    // The provider's editing record, else the record an edit would start on.
    int GetEditingRecordIndex();
    // The focused record, or the "no record" sentinel without a focused row.
    virtual int GetRecordIndexToEdit();
    // Leaves edit state before a move or a reload: the pending edit is posted.
    virtual void CheckBrowseMode();

    // ---- the new-item row: a row in which the user types a new record ----
    // The internal record behind the row, created on first use (then kept until it is posted,
    // cancelled or the storage drops its internal records).
    int GetNewItemRecordIndex();
    int PeekNewItemRecordIndex() const { return newItemRecordIndex_; } // 0 when not created
    bool GetNewItemRowFocused() const { return newItemRowFocused_; }
    // Gaining the focus unfocuses every row; losing it posts the pending edit. With
    // dcoInsertOnNewItemRowFocusing an active new-item row starts an insert.
    void SetNewItemRowFocused(bool value);
    // The same without starting an insert (the provider's insert focuses the row itself).
    void FocusNewItemRow(bool value);
    bool GetUseNewItemRowForEditing() const { return useNewItemRowForEditing_; }
    // Cancels the pending edit and clears the selection.
    void SetUseNewItemRowForEditing(bool value);
    // Focused, used for editing, and no data row focused.
    bool IsNewItemRowActive() const;
    // The storage dropped its internal records: the new-item record and the edit's saved copy are gone.
    virtual void ResetNewItemRecord();
    // The new-item record was freed (posted or cancelled): the next use takes a fresh one.
    void ForgetNewItemRecord() { newItemRecordIndex_ = 0; }
    // The row pipeline moved the focus: the new-item row loses it, and with single selection the
    // focused row counts as selected again.
    void FocusedRowMoved();

    // ---- summaries ----
    TcxDataSummary& GetSummary() { return *summary_; }
    void SetSummary(TcxDataSummary* value) { summary_->Assign(value); }
    // The classes of the summary's items and of its group links (a view names its own).
    virtual TClass GetSummaryItemClass() const { return TcxDataSummaryItem::StaticClass(); }
    virtual TClass GetSummaryGroupItemLinkClass() const { return TcxDataSummaryGroupItemLink::StaticClass(); }
    // Recalculates the summaries, or with `redrawOnly` only reports the layout.
    virtual void SummaryChanged(bool redrawOnly) { info_->SummaryChanged(redrawOnly); }

    // ---- filtering ----
    TcxDataFilterCriteria& GetFilter() { return *filter_; }
    // A further criteria of the controller's filter class, owned by the controller's extra-filter
    // list; it filters nothing by itself (a view evaluates it where it needs one).
    TcxDataFilterCriteria* CreateFilter();
    TcxDataFilterList& GetFilterList() { return filterList_; }
    const TcxDataFilterList& GetFilterList() const { return filterList_; }
    virtual Variant GetFilterDataValue(int recordIndex, TcxCustomDataField* field) const {
        return GetFieldValue(recordIndex, field);
    }
    // True when GetFilterDataValue answers the field's stored cell, so a filter may read the cell.
    virtual bool HasStoredFilterValue(TcxCustomDataField* field) const {
        return !IsGridMode() && !(IsProviderMode() && FieldHasProviderData(field));
    }
    virtual std::string GetItemFilterName(TObject* /*item*/) const { return {}; }
    virtual std::string GetFilterFieldName(TObject* item) const { return GetItemFilterName(item); }
    virtual std::string GetFilterDisplayText(int recordIndex, int itemIndex) const {
        return GetDisplayText(recordIndex, itemIndex);
    }
    // Whether the item's filter values are ordered by their texts.
    virtual bool IsItemCompareByText(int itemIndex) const;
    virtual bool HasFilterRecordHandler() const { return static_cast<bool>(OnFilterRecord); }
    virtual bool DoFilterRecord(int recordIndex);
    void FilterChanged();
    // Set when the filter changed; the pipeline then focuses row 0 when nothing stays focused.
    bool GetFilterChanged() const { return filterChanged_; }
    void ClearFilterChanged() { filterChanged_ = false; }
    // A new handler filters the records again.
    void SetOnFilterRecord(TcxDataFilterRecordEvent handler);

    // ---- events ----
    TcxDataControllerNotifyEvent OnAfterCancel, OnAfterInsert, OnAfterPost, OnBeforeCancel, OnBeforeInsert,
        OnBeforePost, OnAfterDelete;
    TcxDataRecordEvent OnBeforeDelete, OnNewRecord, OnDetailExpanded, OnDetailCollapsed;
    std::function<void(TcxCustomDataController*, int recordIndex, bool& allow)> OnDetailExpanding,
        OnDetailCollapsing;
    TcxDataFilterRecordEvent OnFilterRecord;
    TcxDataControllerCompareEvent OnCompare;
    TNotifyEvent OnDataChanged, OnGroupingChanged, OnSortingChanged;
    std::function<void(TcxCustomDataController*, int recordIndex, int itemIndex)> OnRecordChanged;

    void DoAfterCancel() { Fire(OnAfterCancel); }
    void DoAfterInsert() { Fire(OnAfterInsert); }
    void DoAfterPost() { Fire(OnAfterPost); }
    void DoBeforeCancel() { Fire(OnBeforeCancel); }
    void DoBeforeInsert() { Fire(OnBeforeInsert); }
    void DoBeforePost() { Fire(OnBeforePost); }
    void DoNewRecord(int recordIndex) {
        if (OnNewRecord) OnNewRecord(this, recordIndex);
    }
    void DoBeforeDelete(int recordIndex) {
        if (OnBeforeDelete) OnBeforeDelete(this, recordIndex);
    }
    void DoAfterDelete() { Fire(OnAfterDelete); }
    void DoDetailExpanding(int recordIndex, bool& allow) {
        if (OnDetailExpanding) OnDetailExpanding(this, recordIndex, allow);
    }
    void DoDetailCollapsing(int recordIndex, bool& allow) {
        if (OnDetailCollapsing) OnDetailCollapsing(this, recordIndex, allow);
    }
    void DoDetailExpanded(int recordIndex) {
        if (OnDetailExpanded) OnDetailExpanded(this, recordIndex);
    }
    void DoDetailCollapsed(int recordIndex) {
        if (OnDetailCollapsed) OnDetailCollapsed(this, recordIndex);
    }

  protected:
    virtual std::unique_ptr<TcxCustomDataProvider> CreateProvider();
    // A descendant's constructor puts in its own provider (virtual calls in the base constructor reach
    // only the base's CreateProvider).
    void ReplaceProvider(std::unique_ptr<TcxCustomDataProvider> provider) { provider_ = std::move(provider); }
    // Likewise its own filter criteria class.
    void ReplaceFilter(std::unique_ptr<TcxDataFilterCriteria> filter) { filter_ = std::move(filter); }
    // Likewise its own summary, whose collections then ask for the descendant's item classes.
    void ReplaceSummary(std::unique_ptr<TcxDataSummary> summary) { summary_ = std::move(summary); }
    // After the storage was loaded from the provider: a load while the source opens is a fresh one.
    void StorageLoaded() { loadedStorage_ = provider_->IsActiveChanging(); }
    // The filter class of CreateFilter.
    virtual std::unique_ptr<TcxDataFilterCriteria> CreateFilterCriteria();
    virtual std::unique_ptr<TcxDataControllerSearch> CreateSearch();

  private:
    void Fire(const TcxDataControllerNotifyEvent& event) {
        if (event) event(this);
    }
    void ApplyChanges();
    void DispatchChanges();
    void NotifyControl(TcxUpdateControlInfo& info);
    void NotifyDataChanged();
    void DoDataChanged();
    void NotifyFocusChanged();
    bool NamesRecord(int recordIndex) const;
    void NotifySelectionChanged();
    void CancelSearch();
    TcxCustomDataController* FindDetailDataController(int recordIndex, int relationIndex);

    struct PendingDataChange {
        TcxDataChangeScope Scope = dcsAll;
        int ItemIndex = -1, RecordIndex = -1;
    };
    struct SelectionInfo {
        int Count = 0, RowIndex = -1;
    };
    struct DataChangedListener {
        TObject* Object;
        TNotifyEvent Handler;
    };

    TComponent* owner_;
    TcxDataControllerOptions options_ =
        dcoAssignGroupingValues | dcoAssignMasterDetailKeys | dcoSaveExpanding;
    std::unique_ptr<TcxDataStorage> storage_;
    std::unique_ptr<TcxCustomDataFieldList> fields_;
    std::unique_ptr<TcxCustomDataProvider> provider_;
    std::unique_ptr<TcxCustomDataControllerInfo> info_;
    std::unique_ptr<TcxCustomDataRelationList> relations_;
    std::unique_ptr<TcxDataControllerNotifier> notifier_;
    bool active_ = false;
    bool updatingItems_ = false;
    bool structureChanged_ = false;   // a reload waits for the outermost unlock
    bool structureRecreated_ = false; // set by RestructData for the next structure update
    int updateFieldsCount_ = 0;
    bool updateFieldsPending_ = false;
    bool inSmartLoad_ = false;
    TcxCustomDataRelation* masterRelation_ = nullptr;
    int masterRecordIndex_ = -1;
    bool isPattern_ = false;
    // The clone being attached for one of this controller's records, until its link is stored.
    TcxCustomDataController* creatingDataController_ = nullptr;
    bool creatingLinkObject_ = false;
    bool recreatingLinkObject_ = false;
    bool detailExpanding_ = false;
    bool inFocusDetails_ = false;
    TcxDataFilterList filterList_;
    std::unique_ptr<TcxDataFilterCriteria> filter_;
    std::unique_ptr<TcxDataSummary> summary_;
    TcxDataControllerGroups groups_{this};
    TcxCustomDataField* recordHandlesField_ = nullptr;
    std::unique_ptr<TcxSaveObject> keepKeys_;
    int keepKeysCount_ = 0;
    std::unique_ptr<TcxDataControllerSearch> search_;
    TcxCustomDataField* incrementalFilterField_ = nullptr;
    std::string incrementalFilterText_;
    int nearestRecordIndex_ = -1;
    int lockCount_ = 0;
    TcxDataControllerChanges pendingChanges_ = 0;
    PendingDataChange pendingDataChange_;
    bool dataChangePending_ = false; // a data change merged since the last notice
    bool dispatching_ = false;
    SelectionInfo selection_, prevSelection_;
    std::vector<DataChangedListener> dataChangedListeners_;
    std::vector<std::unique_ptr<TcxDataListenerLink>> listenerLinks_;
    int dataChangedLockCount_ = 0;
    bool inSortingChanged_ = false;
    bool inCancel_ = false;
    TcxCustomDataField* sortingBySummaryField_ = nullptr;
    bool sortingBySummaryChanged_ = false;
    bool findingInternalRecord_ = false;
    bool dataChangedPending_ = false;
    bool sortingChanged_ = false;
    bool groupingChanged_ = false;
    bool loadedStorage_ = false;
    bool inNotifyControl_ = false;
    bool multiSelect_ = false;
    bool focusedSelected_ = true;
    int bookmarkRecordIndex_ = -1;
    int gridModeNotifyLockCount_ = 0;
    int newItemRecordIndex_ = 0; // 0: not created
    bool newItemRowFocused_ = false;
    bool useNewItemRowForEditing_ = false;
    bool filterChanged_ = false;
    bool destroying_ = false;
};

// The plain unbound controller: active from its creation.
class TcxDataController : public TcxCustomDataController {
  public:
    explicit TcxDataController(TComponent* owner) : TcxCustomDataController(owner) { ActiveChanged(true); }
};

} // namespace zorvy
