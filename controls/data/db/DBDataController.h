#pragma once
// The dataset-bound data controller: its records come from the dataset of a data source. Each item
// is bound by field name to a dataset field; with the default settings every record of the open
// dataset is loaded, and the dataset's current record stays on the focused record so that edits,
// posts and deletes run on the dataset.
#include "controls/data/DataController.h"
#include "controls/data/db/DBDataField.h"
#include "controls/data/db/DBDataFilter.h"
#include "controls/data/db/DBDataProvider.h"
#include "controls/data/db/DBDataSelection.h"

#include <functional>
#include <string>

namespace zorvy {

class TDataSource;
class TcxDBDataController;
class TcxDBDataModeController;
class TcxDBProviderDetailFilterAdapter;

using TcxDBDataModeControllerDetailFirstEvent =
    std::function<void(TcxDBDataModeController* sender, TDataSet* dataSet, const std::string& masterDetailKeyFieldNames,
                       const Variant& masterDetailKeyValues, bool& reopened)>;
using TcxDBDataModeControllerDetailIsCurrentQueryEvent =
    std::function<bool(TcxDBDataModeController* sender, TDataSet* dataSet, const std::string& masterDetailKeyFieldNames,
                       const Variant& masterDetailKeyValues)>;

// The settings that choose how records are read and how the dataset follows the focus.
class TcxDBDataModeController : public TPersistent {
  public:
    explicit TcxDBDataModeController(TcxDBDataController* dataController) : dataController_(dataController) {}
    void Assign(TPersistent* source) override;

    bool GetGridMode() const { return gridMode_; }
    // A change reloads the records (a buffer, or every record).
    void SetGridMode(bool value);
    int GetGridModeBufferCount() const { return gridModeBufferCount_; }
    void SetGridModeBufferCount(int value); // a negative count is 0: the controller's default
    bool GetSmartRefresh() const { return smartRefresh_; }
    // Outside grid mode a change re-synchronises the focus with the dataset.
    void SetSmartRefresh(bool value);
    bool GetSyncMode() const { return syncMode_; }
    // A change re-synchronises the focus with the dataset when the dataset can deliver data.
    void SetSyncMode(bool value);
    bool GetDetailInSQLMode() const { return detailInSQLMode_; }
    void SetDetailInSQLMode(bool value) { detailInSQLMode_ = value; }
    bool GetDetailInSyncMode() const { return detailInSyncMode_; }
    void SetDetailInSyncMode(bool value) { detailInSyncMode_ = value; }
    // A dataset insert started elsewhere (a navigator, code) creates the new record in the controller.
    bool GetSyncInsert() const { return syncInsert_; }
    void SetSyncInsert(bool value) { syncInsert_ = value; }

    // The handler when assigned, else the detail filter adapter of the detail's dataset.
    bool DoDetailIsCurrentQuery(const std::string& names, const Variant& values);
    void DoDetailFirst(const std::string& names, const Variant& values, bool& reopened);
    TcxDBDataModeControllerDetailFirstEvent OnDetailFirst;
    TcxDBDataModeControllerDetailIsCurrentQueryEvent OnDetailIsCurrentQuery;

  private:
    TcxDBDataController* dataController_;
    bool detailInSQLMode_ = false;
    bool detailInSyncMode_ = true;
    bool gridMode_ = false;
    int gridModeBufferCount_ = 0;
    bool smartRefresh_ = false;
    bool syncInsert_ = true;
    bool syncMode_ = true;
};

class TcxDBDataController : public TcxCustomDataController {
  public:
    explicit TcxDBDataController(TComponent* owner);
    ~TcxDBDataController() override;
    void Assign(TPersistent* source) override;

    TcxDBDataProvider& GetDBProvider() { return static_cast<TcxDBDataProvider&>(GetProvider()); }
    TcxDBDataModeController& GetDataModeController() { return dataModeController_; }
    TDataSource* GetDataSource() const;
    void SetDataSource(TDataSource* source);
    TDataSet* GetDataSet() const;
    int GetDataSetRecordCount() const; // 0 without an active dataset
    int GetDataSetRecNo() const;       // -1 without an active dataset
    void SetDataSetRecNo(int value);
    bool IsDataSetSequenced() const;

    // ---- items bound to dataset fields ----
    TcxCustomDataField* AddField() override;
    TcxDBDataField* GetDBField(int itemIndex) const {
        return static_cast<TcxDBDataField*>(TcxCustomDataController::GetItemField(itemIndex));
    }
    // The TField of the item's data field, following references.
    TField* GetItemDataSetField(int itemIndex) const;
    std::string GetItemFieldName(int itemIndex) const;
    void SetItemFieldName(int itemIndex, const std::string& name);
    // The first item whose field name equals the name ignoring case; nil when none.
    TObject* GetItemByFieldName(const std::string& name) const;

    TcxDBDataFilterCriteria& GetDBFilter() { return static_cast<TcxDBDataFilterCriteria&>(GetFilter()); }
    // The dataset's name of the item's field for filter texts: Origin unless IgnoreOrigin, else the
    // field name, bracketed when it is not an identifier; a name list's sub-fields joined by ";".
    std::string GetItemFilterName(TObject* item) const override;

    // An internal field, bound later to a name list with BindInternalField (key fields, summary
    // items that name a dataset field).
    TcxDBDataField* AddInternalDBField();
    void BindInternalField(TcxDBDataField* field, const std::string& names) { BindFieldName(field, names); }
    TClass GetSummaryItemClass() const override;

    // ---- keys ----
    const std::string& GetKeyFieldNames() const { return keyFieldNames_; }
    void SetKeyFieldNames(const std::string& names);
    std::vector<TcxCustomDataField*> GetKeyFields() const override;
    bool HasRecordKeys() const override;
    // Also while the dataset inserts in grid mode: the new record is not in the buffer yet.
    bool IsDataChangeLocked() const override;
    // In grid mode the buffer row of the dataset's current record.
    int GetCurrentRecordIndex() const override {
        return IsGridMode() ? DBProvider().GetCurrentRecordIndex() : TcxCustomDataController::GetCurrentRecordIndex();
    }
    // The key values of a loaded record: one value, or an array for several key fields.
    Variant GetRecordId(int recordIndex) const override { return GetRecordKey(recordIndex); }
    // A lookup item groups and filters by the values of its key fields, not by the looked-up text.
    Variant GetGroupValue(int recordIndex, TcxCustomDataField* field) const override;
    Variant GetFilterDataValue(int recordIndex, TcxCustomDataField* field) const override;
    bool HasStoredFilterValue(TcxCustomDataField* field) const override;
    // Also while grid mode reads its buffer again, and while a closed dataset whose fields are
    // made at opening has its controls disabled (the loaded records' fields are gone).
    bool IsSummaryUpdateLocked() const override;
    // The first call has the fields bound and the records loaded again once every item is streamed,
    // when the dataset's fields are known.
    void Loaded() override;
    // The key values of a loaded record, and of the dataset's current record ("Key Field not found"
    // when a key name has no dataset field).
    Variant GetRecordKey(int recordIndex) const;
    Variant GetDataSetKeyValues() const;
    int FindRecordIndexByKey(const Variant& keyValue) const;
    bool LocateByKeyValue(const Variant& keyValue);

    // An item bound to a dataset field keeps the value type of the field's data type.
    void ChangeValueTypeClass(int itemIndex, TcxValueTypeClass valueType) override;
    // A detail of a dataset relation leaves its record only when its master may leave its own, and
    // after the master's and then its own pending edits were posted (or refused).
    bool CanLeaveRecord() override;

    // ---- master-detail: the detail's rows are those whose DetailKeyFieldNames equal the master
    // record's MasterKeyFieldNames ----
    const std::string& GetMasterKeyFieldNames() const { return masterKeyFieldNames_; }
    // A change reaches the master's relation when this is a dataset-bound pattern.
    void SetMasterKeyFieldNames(const std::string& names);
    const std::string& GetDetailKeyFieldNames() const { return detailKeyFieldNames_; }
    void SetDetailKeyFieldNames(const std::string& names);
    // DetailKeyFieldNames when MasterKeyFieldNames is set, else empty.
    std::string GetMasterDetailKeyFieldNames() const;
    bool IsDetailMode() const { return !GetMasterDetailKeyFieldNames().empty(); }
    // The master record's key values this detail holds the rows of (one value, or an array for
    // several names); a change reloads the rows. Empty: no rows.
    const Variant& GetMasterDetailKeyValues() const { return masterDetailKeyValues_; }
    void SetMasterDetailKeyValues(const Variant& values);
    // A master's relations are dataset relations: its records carry the detail level's key values.
    TcxCustomDataRelation* CreateRelation(TcxCustomDataRelationList* list, TObject* item) override;
    // A clone of a dataset relation holds the rows of its master record's key values.
    void SetMasterRelation(TcxCustomDataRelation* relation, int masterRecordIndex) override;
    // Also rebinds each dataset relation's master key field to its pattern's MasterKeyFieldNames.
    void DetailDataChanged(TcxCustomDataRelation* relation) override;
    // Whether a master record's detail has rows: asked before the detail is ever created.
    std::function<void(TcxDBDataController* sender, int recordIndex, int relationIndex,
                       const std::string& masterDetailKeyFieldNames, const Variant& masterDetailKeyValues,
                       bool& hasChildren)>
        OnDetailHasChildren;
    // "DetailFilterController not found" when no adapter serves the dataset's class.
    TcxDBProviderDetailFilterAdapter* GetDetailFilterAdapter() const;
    // SQL mode: a detail query that holds another clone's rows is reopened for this clone's key
    // values (before the clone is focused).
    void CheckCurrentQuery();
    void CheckDetailSync() override;
    // In grid mode the record is focused first: expanding shows the detail of the dataset's record.
    bool CanChangeDetailExpanding(int recordIndex, bool expanded) override;
    // SQL mode: the dataset holds another master's rows, so its changes are not this clone's.
    bool IsDetailQueryOutdated() const;
    // Set while the dataset-current mark of this clone is being cleared by another clone.
    bool IsResettingDataSetCurrent() const { return resettingDataSetCurrent_; }
    void SetResettingDataSetCurrent(bool value) { resettingDataSetCurrent_ = value; }
    // A focused clone marks the shared dataset as standing for it.
    void SyncProviderPosition() override;
    // The provider's dataset became, or stopped being, positioned for this controller (a view
    // repaints).
    virtual void DataSetCurrentChanged(bool /*current*/) {}

    // ---- focus and the dataset position ----
    bool CanFocusRecord(int recordIndex) override;
    // Moves the dataset to the record; false when it could not get there.
    virtual bool SyncDataSetToRecord(int recordIndex);
    // Posts a pending edit that holds a user's value, cancels one that holds none; then the details'.
    void CheckBrowseMode() override;
    // Focuses the provider's current record (the dataset moved by itself). A pattern whose shared
    // detail dataset moved has its master follow: the master's dataset goes to the detail row's
    // master record, whose detail is expanded and made the active one.
    void SyncFocusedRecord() override;
    void RefreshExternalData() override;

    // Grid mode's incremental search walks the dataset itself (not only the buffer), wrapping once
    // when it does not skip the current record.
    bool SearchInProvider(const std::string& text, bool forward, bool skipCurrent) override;

    // ---- grid mode: navigation moves the dataset, whose buffer then moves ----
    void GotoFirst() override;
    void GotoLast() override;
    void GotoNext() override;
    void GotoPrev() override;
    void MoveBy(int distance) override;
    bool IsBOF() const override;
    bool IsEOF() const override;
    void GridModeMoveBy(int distance) override;

    // ---- grid mode: the bookmark and the multi-selection are dataset bookmarks; outside grid
    // mode every operation below is the base controller's ----
    bool SetBookmark() override;
    void GotoBookmark() override;
    bool IsBookmarkLost(int recordIndex) const override;
    void ClearBookmark() override; // also forgets the dataset bookmark
    bool IsBookmarkAvailable() const override;
    bool IsBookmarkRow(int rowIndex) const override;
    void ChangeRowSelection(int rowIndex, bool select) override;
    bool IsRowSelected(int rowIndex) const override;
    int GetSelectedCount() const override;
    // The buffer row of a selected bookmark, -1 when the buffer does not hold it.
    int GetSelectedRowIndex(int index) const override;
    void ClearSelection() override;
    int GetSelectionAnchorRowIndex() const override; // -1 in grid mode: the anchor is a bookmark
    bool HasSelectionAnchor() const override;
    void SetSelectionAnchor(int rowIndex) override;
    // Every record of the dataset, walked with the buffer kept where it is.
    void SelectAll() override;
    // The records from the anchor to the row, in dataset order.
    void SelectFromAnchor(int rowIndex, bool keepSelection) override;
    // Moves the dataset to the selected bookmark.
    bool FocusSelectedRow(int index) override;
    // "DataController not in GridMode" outside grid mode.
    std::string GetSelectedBookmark(int index) const;
    std::string GetSelectionAnchorBookmark() const;
    // The row's bookmark as a value.
    Variant GetSelectionKey(int rowIndex) const override;
    // Every record of the dataset, or the selected ones, each visited as the focused row.
    void ForEachRow(bool selectedOnly,
                    const std::function<void(int rowIndex, const TcxDataRowInfo&)>& proc) override;
    std::string GetRowBookmark(int rowIndex) const;
    TcxDBDataSelection& GetDBSelection() { return gridSelection_; }

    // ---- loading ----
    // Binds every data field to its dataset field.
    void UpdateFields() override;
    using TcxCustomDataController::UpdateField;
    void UpdateField(TcxDBDataField* field);
    void ReloadData() override;
    // Hands the change notices that other providers of the dataset skipped meanwhile to them.
    void AfterReload() override;
    // The dataset's structure can always be taken again.
    bool CanUpdateStructure() const override { return true; }
    void UnbindFields();
    bool IsSyncingFocus() const { return syncingFocus_; }
    // A rebinding changed a field's value type or text storing while records were loaded: its values
    // are gone until the records are read again.
    bool IsFieldDataRecreated() const { return fieldDataRecreated_; }

    // Hooks for the view.
    virtual void DataSourceChanged() {}
    virtual void NewRecordInitialized(int /*recordIndex*/) {}
    // The buffer size of grid mode when GridModeBufferCount is 0 (a view answers its row count).
    virtual int GetDefaultGridModeBufferCount() const { return 100; }
    // The provider copies the unbound items' values of a record (a new-item row's record posted).
    void BeginUnboundCopy() override { inUnboundCopy_ = true; }
    void EndUnboundCopy() override { inUnboundCopy_ = false; }
    bool IsInUnboundCopy() const { return inUnboundCopy_; }

  protected:
    std::unique_ptr<TcxDataFilterCriteria> CreateFilterCriteria() override;

  private:
    TcxDBDataProvider& DBProvider() const { return const_cast<TcxDBDataController*>(this)->GetDBProvider(); }
    bool UsesGridModeSelection() const;
    // A range that differs from the selection by its far end's one record; false when it does not.
    bool ChangeRangeByOne(const std::string& from, const std::string& to);
    void BindFieldName(TcxDBDataField* field, const std::string& name);
    void PostOrCancelDataSetEdit();
    // One internal sub-field per name, each bound to its dataset field.
    void BindSubFields(TcxDBDataField* field, const std::string& names);
    // The item of the field, and of every item that shares its data, is told its field changed.
    void FieldLost(TcxDBDataField* field);
    std::vector<TField*> GetKeyDataSetFields() const;
    bool IsInSyncMode() const { return const_cast<TcxDBDataController*>(this)->GetDBProvider().IsSyncMode(); }
    // The master of this pattern follows the detail dataset; answers the detail clone that now
    // shows the dataset's row, nil when the master did not follow.
    TcxCustomDataController* SyncMasterPosition();

    TcxDBDataModeController dataModeController_;
    std::string gridModeBookmark_;
    TcxDBDataSelection gridSelection_{this};
    TcxDBDataField* keyField_ = nullptr;
    std::string keyFieldNames_;
    std::string masterKeyFieldNames_;
    std::string detailKeyFieldNames_;
    Variant masterDetailKeyValues_;
    bool inCheckBrowseMode_ = false;
    bool inCurrentQueryCheck_ = false;
    bool resettingDataSetCurrent_ = false;
    bool updatingDataSetPosition_ = false;
    bool syncingFocus_ = false;
    bool loaded_ = false;
    bool inUnboundCopy_ = false;
    bool fieldDataRecreated_ = false;
};

} // namespace zorvy
