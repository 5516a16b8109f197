#pragma once
// TcxCustomGridTableView: the abstract view of records and items that the table views build on.
// It keeps the items (columns) with their indexes, visibility and numeric IDs and wires them to the
// data controller, owns the table option objects, reacts to the data controller's notices, decides
// how records and cells are drawn, copies records to the clipboard and stores the filter with its
// recently used entries in the view's stored layout. It is what a navigator moves through and what
// the filter control lists (TableViewLinks.cpp).
#include "controls/grid/filtercontrol/FilterControlLink.h"
#include "controls/grid/navigator/Navigator.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/FilterOptions.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableOptions.h"
#include "controls/grid/view/CustomView.h"
#include "platform/rtl/Exceptions.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomEdit;
class TcxUpdateControlInfo;
class TcxCustomGridCellViewInfo;
class TcxCustomGridTableViewStyles;
class TcxGridTableCellViewInfo;
class TcxGridTableDataCellViewInfo;
class TcxNavigatorControlButtons;

using TcxGridAllowRecordOperationEvent =
    std::function<void(TcxCustomGridTableView* sender, TcxCustomGridRecord* record, bool& allow)>;
using TcxGridEditingEvent = std::function<void(TcxCustomGridTableView* sender, TcxCustomGridTableItem* item, bool& allow)>;
using TcxGridFocusedItemChangedEvent = std::function<void(TcxCustomGridTableView* sender,
                                                          TcxCustomGridTableItem* prevFocusedItem,
                                                          TcxCustomGridTableItem* focusedItem)>;
using TcxGridFocusedRecordChangedEvent =
    std::function<void(TcxCustomGridTableView* sender, TcxCustomGridRecord* prevFocusedRecord,
                       TcxCustomGridRecord* focusedRecord, bool newItemRecordFocusingChanged)>;
using TcxGridCustomTableViewEvent = std::function<void(TcxCustomGridTableView* sender)>;
using TcxGridGetDragDropTextEvent = std::function<void(TcxCustomGridTableView* sender, TcxCustomGridRecord* record,
                                                       TcxCustomGridTableItem* item, std::string& text)>;
using TcxGridInitEditEvent =
    std::function<void(TcxCustomGridTableView* sender, TcxCustomGridTableItem* item, TcxCustomEdit* edit)>;
using TcxGridInitEditValueEvent = std::function<void(TcxCustomGridTableView* sender, TcxCustomGridTableItem* item,
                                                     TcxCustomEdit* edit, Variant& value)>;
using TcxGridEditKeyEvent = std::function<void(TcxCustomGridTableView* sender, TcxCustomGridTableItem* item,
                                               TcxCustomEdit* edit, std::uint16_t& key, TShiftState shift)>;
using TcxGridEditKeyPressEvent = std::function<void(TcxCustomGridTableView* sender, TcxCustomGridTableItem* item,
                                                    TcxCustomEdit* edit, char32_t& key)>;
using TcxGridCustomTableItemEvent = std::function<void(TcxCustomGridTableView* sender, TcxCustomGridTableItem* item)>;

using TcxGridTableDataCellCustomDrawEvent = std::function<void(
    TcxCustomGridTableView* sender, TcxCanvas* canvas, TcxGridTableDataCellViewInfo* viewInfo, bool& done)>;
using TcxGridPartCustomDrawBackgroundEvent = std::function<void(
    TcxCustomGridTableView* sender, TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done)>;
using TcxGridGetCellHeightEvent =
    std::function<void(TcxCustomGridTableView* sender, TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                       TcxGridTableDataCellViewInfo* cellViewInfo, int& height)>;
using TcxGridCellClickEvent = std::function<void(TcxCustomGridTableView* sender, TcxGridTableDataCellViewInfo* cell,
                                                 TMouseButton button, TShiftState shift, bool& handled)>;

using TcxGridFilterDialogShowEvent =
    std::function<void(TcxCustomGridTableView* sender, TcxCustomGridTableItem* item, bool& done)>;
using TcxGridFilterCustomizationEvent = std::function<void(TcxCustomGridTableView* sender, bool& done)>;

class TcxCustomGridTableView : public TcxCustomGridView, public IcxNavigator, public IcxFilterControl {
    ZORVY_CLASS(TcxCustomGridTableView, TcxCustomGridView)
  public:
    explicit TcxCustomGridTableView(TComponent* owner);
    ~TcxCustomGridTableView() override;

    // ---- handlers and options ----
    TcxCustomGridTableController* GetController() const;
    TcxCustomGridTableViewData* GetViewData() const;
    TcxCustomGridTableOptionsBehavior* GetOptionsBehavior() const;
    TcxCustomGridTableOptionsData* GetOptionsData() const;
    TcxCustomGridTableOptionsSelection* GetOptionsSelection() const;
    TcxCustomGridTableOptionsView* GetOptionsView() const;
    TcxCustomGridTableViewStyles* GetTableStyles() const;
    TcxCustomGridTableOptionsCustomize* GetOptionsCustomize() const { return optionsCustomize_.get(); }
    TcxCustomGridTableDateTimeHandling* GetDateTimeHandling() const { return dateTimeHandling_.get(); }
    TcxGridFilterBox* GetFilterBox() const { return filterBox_.get(); }
    void SetFilterBox(TcxGridFilterBox* value) { filterBox_->Assign(value); }
    TcxCustomGridTableFiltering* GetFiltering() const { return filtering_.get(); }
    // nil while the view's view info does not show a navigator (it is the buttons' owner).
    TcxNavigatorControlButtons* GetNavigatorButtons() const { return navigatorButtons_.get(); }
    void SetNavigatorButtons(TcxNavigatorControlButtons* value);

    // ---- items ----
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    // Outside the items: the list's index error.
    TcxCustomGridTableItem* GetItem(int index) const {
        CheckListIndex(index, GetItemCount());
        return items_[static_cast<size_t>(index)];
    }
    int GetVisibleItemCount() const { return static_cast<int>(visibleItems_.size()); }
    TcxCustomGridTableItem* GetVisibleItem(int index) const {
        CheckListIndex(index, GetVisibleItemCount());
        return visibleItems_[static_cast<size_t>(index)];
    }
    int GetFilterableItemCount() const { return static_cast<int>(filterableItems_.size()); }
    TcxCustomGridTableItem* GetFilterableItem(int index) const {
        CheckListIndex(index, GetFilterableItemCount());
        return filterableItems_[static_cast<size_t>(index)];
    }
    int GetGroupedItemCount() const;
    TcxCustomGridTableItem* GetGroupedItem(int level) const;
    int GetSortedItemCount() const;
    TcxCustomGridTableItem* GetSortedItem(int position) const;
    int IndexOfItem(const TcxCustomGridTableItem* item) const;
    TcxCustomGridTableItem* FindItemByID(int id) const;
    TcxCustomGridTableItem* FindItemByName(const std::string& name) const;
    // By ID when the view stores items by ID (a name that is not a number finds nothing), else by Name.
    TcxCustomGridTableItem* FindItemByStoredName(const std::string& name) const;
    // A new item of the view's item class, owned by the view's owner.
    TcxCustomGridTableItem* CreateItem();
    // Frees every item, the last first, and starts the IDs at 0 again.
    void ClearItems();
    int GetNextID() const { return nextID_; }

    // Called by the items.
    virtual void AddItem(TcxCustomGridTableItem* item);
    virtual void RemoveItem(TcxCustomGridTableItem* item);
    virtual void ChangeItemIndex(TcxCustomGridTableItem* item, int index);
    virtual void ItemIndexChanged(TcxCustomGridTableItem* item, int oldIndex);
    virtual void ItemVisibilityChanged(TcxCustomGridTableItem* item, bool value);
    virtual void RefreshVisibleItemList();
    void RefreshFilterableItemList();
    void SaveItemsActualVisibility();
    void CheckItemsActualVisibility();
    virtual void ItemChanged(TcxCustomGridTableItem* item);
    virtual void ItemDataChanged(int itemIndex);
    bool GetIgnorePropertiesChanges() const { return ignorePropertiesChanges_; }
    void SetIgnorePropertiesChanges(bool value) { ignorePropertiesChanges_ = value; }

    // ---- batch of item assignment ----
    void BeginAssignItems();
    void EndAssignItems();
    bool IsAssigningItems() const { return assigningItems_; }
    bool IsAfterAssigningItems() const { return afterAssigningItems_; }
    // During a batch: the item takes the level when the batch ends.
    void CollectGroupedItem(TcxCustomGridTableItem* item, int groupIndex) { Collect(groupedItems_, item, groupIndex); }
    void CollectSortedItem(TcxCustomGridTableItem* item, int sortIndex) { Collect(sortedItems_, item, sortIndex); }

    // ---- data ----
    void DataChanged(TObject* sender) override;
    // Receives the data controller's notices.
    void UpdateControl(TcxUpdateControlInfo& info);
    virtual void AllRecordsChanged();
    virtual void RecordsChanged();
    virtual void RecordChanged(int recordIndex);
    virtual void RecordCountChanged();
    virtual void FocusedRecordChanged(int prevFocusedRowIndex, int focusedRowIndex, bool newItemRecordFocusingChanged);
    virtual void InvalidateFocusedCell();
    virtual void FilterChanged();
    virtual void CheckItemsGroupingDateRanges();
    void RefreshNavigators();
    virtual bool IsEqualHeightRecords() const { return true; }
    virtual bool IsRecordHeightDependentOnData() const;
    virtual bool IsRecordHeightDependentOnFocus() const;
    virtual bool GetItemSortByDisplayText(int itemIndex, bool defaultValue) const;
    virtual int GetDefaultActiveDetailIndex() const;
    TcxCustomGridRecord* GetMasterRecord() const;

    // ---- records: focus, selection and drawing ----
    virtual bool CanFocusRecord(TcxCustomGridRecord* record);
    virtual bool CanSelectRecord(int rowIndex);
    virtual bool DrawSelection() const;
    virtual bool DrawRecordActive(TcxCustomGridRecord* record) const;
    virtual bool DrawRecordFocused(TcxCustomGridRecord* record) const;
    virtual bool DrawRecordSelected(TcxCustomGridRecord* record) const;
    virtual bool DrawDataCellSelected(TcxCustomGridRecord* record, TcxCustomGridTableItem* item) const;
    // The cell's own state (useViewInfoState) or the record's decides.
    virtual bool DrawCellSelected(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                  TcxGridTableCellViewInfo* cell, bool useViewInfoState) const;
    virtual void EditItemByIndex(int itemIndex, bool& done);
    virtual bool DoEditing(TcxCustomGridTableItem* item);
    virtual void DoFocusedItemChanged(TcxCustomGridTableItem* prev, TcxCustomGridTableItem* focused);
    virtual void DoFocusedRecordChanged(int prevFocusedRowIndex, int focusedRowIndex, bool newItemRecordFocusingChanged);
    virtual void DoSelectionChanged();
    // Raises OnTopRecordIndexChanged.
    virtual void DoTopRecordIndexChanged();
    virtual void DoGetDragDropText(TcxCustomGridRecord* record, TcxCustomGridTableItem* item, std::string& text);
    // ---- cells: events of drawing, sizing and clicking ----
    virtual bool DoCustomDrawCell(TcxCanvas* canvas, TcxGridTableDataCellViewInfo* viewInfo);
    virtual bool DoCustomDrawPartBackground(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo);
    virtual void DoGetCellHeight(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                 TcxGridTableDataCellViewInfo* cell, int& height);
    virtual bool DoCellClick(TcxGridTableDataCellViewInfo* cell, TMouseButton button, TShiftState shift);
    virtual bool DoCellDblClick(TcxGridTableDataCellViewInfo* cell, TMouseButton button, TShiftState shift);
    bool HasCustomDrawCell() const { return static_cast<bool>(OnCustomDrawCell); }
    bool HasCustomDrawPartBackground() const { return static_cast<bool>(OnCustomDrawPartBackground); }
    bool HasGetCellHeight() const { return static_cast<bool>(OnGetCellHeight); }

    // ---- what the navigator works on ----
    bool CanAppend() override;
    bool CanDelete() override;
    bool CanEdit() override;
    bool CanInsert() override;
    bool IsActive() override;
    bool IsBof() override;
    bool IsBookmarkAvailable() override;
    bool IsEditing() override;
    bool IsEof() override;
    void ClearBookmark() override;
    // The sixteen buttons' actions; other indexes do nothing.
    void DoAction(int buttonIndex) override;

    // ---- what the filter control lists: the filterable items ----
    std::string GetCaption(int index) override;
    int GetCount() override { return GetFilterableItemCount(); }
    TcxFilterCriteria* GetCriteria() override;
    TObject* GetItemLink(int index) override;
    std::string GetItemLinkName(int index) override;
    std::string GetFieldName(int index) override;
    TcxCustomEditProperties* GetProperties(int index) override;
    TcxValueTypeClass GetValueType(int index) override;

    // ---- filter dialogs ----
    // Raise OnFilterDialogShow and OnFilterCustomization; true when the handler did the work.
    virtual bool DoFilterDialogShow(TcxCustomGridTableItem* item);
    virtual bool DoFilterCustomization();

    // ---- clipboard ----
    // The selected rows (all rows with copyAll) as tab-separated lines, captions first when
    // OptionsBehavior.CopyCaptionsToClipboard is on.
    void CopyRecordsToClipboard(bool copyAll);
    // The text CopyRecordsToClipboard puts on the clipboard.
    std::string GetRecordsText(bool copyAll);

    // ---- stored layout ----
    bool GetStoredProperties(TStrings* properties) override;
    void GetStoredPropertyValue(const std::string& name, Variant& value) override;
    void SetStoredPropertyValue(const std::string& name, const Variant& value) override;
    void BeforeRestoring() override { BeginAssignItems(); }
    void AfterRestoring() override;
    void ResetToDefaults() override;

    // ---- events ----
    TcxGridCellClickEvent OnCellClick;
    TcxGridCellClickEvent OnCellDblClick;
    TcxGridTableDataCellCustomDrawEvent OnCustomDrawCell;
    TcxGridPartCustomDrawBackgroundEvent OnCustomDrawPartBackground;
    TcxGridGetCellHeightEvent OnGetCellHeight;
    TcxGridAllowRecordOperationEvent OnCanFocusRecord;
    TcxGridAllowRecordOperationEvent OnCanSelectRecord;
    TcxGridEditingEvent OnEditing;
    TcxGridCustomTableItemEvent OnEditChanged;
    TcxGridEditKeyEvent OnEditKeyDown;
    TcxGridEditKeyPressEvent OnEditKeyPress;
    TcxGridEditKeyEvent OnEditKeyUp;
    TcxGridCustomTableItemEvent OnEditValueChanged;
    TcxGridInitEditEvent OnInitEdit;
    TcxGridInitEditValueEvent OnInitEditValue;
    TcxGridFocusedItemChangedEvent OnFocusedItemChanged;
    TcxGridFocusedRecordChangedEvent OnFocusedRecordChanged;
    TcxGridGetDragDropTextEvent OnGetDragDropText;
    TcxGridCustomTableViewEvent OnSelectionChanged;
    TcxGridCustomTableViewEvent OnTopRecordIndexChanged;
    TcxGridFilterDialogShowEvent OnFilterDialogShow;
    // Runs before the item's own handler.
    TcxGridInitDateRangesEvent OnInitFilteringDateRanges;
    TcxGridFilterCustomizationEvent OnFilterCustomization;
    TNotifyEvent OnFilterControlDialogShow;

  protected:
    void CreateHandlers() override;
    void DestroyHandlers() override;
    void HookDataControllerEvents() override;
    void CreateOptions() override;
    void DestroyOptions() override;
    void DoAssign(TcxCustomGridView* source) override;
    void GetStoredChildren(TStringList* children) override;
    TComponent* CreateStoredChild(const std::string& objectName, const std::string& className) override;
    void LoadedLayoutChanged() override;
    void AfterLoaded() override;

    virtual const TMetaClass* GetItemClass() const = 0;
    virtual std::vector<TcxCustomGridTableItem*> GetCopyToClipboardItems(bool copyAll) const;
    const TMetaClass* GetControllerClass() const override { return TcxCustomGridTableController::StaticClass(); }
    TcxDataControllerClass GetDataControllerClass() const override { return DataControllerClassOf<TcxGridDataController>(); }
    const TMetaClass* GetOptionsBehaviorClass() const override;
    const TMetaClass* GetOptionsDataClass() const override;
    const TMetaClass* GetOptionsSelectionClass() const override;
    const TMetaClass* GetOptionsViewClass() const override;
    const TMetaClass* GetBackgroundBitmapsClass() const override;
    const TMetaClass* GetStylesClass() const override;
    const TMetaClass* GetViewInfoCacheClass() const override;
    virtual const TMetaClass* GetDateTimeHandlingClass() const;
    virtual const TMetaClass* GetFilterBoxClass() const;
    virtual const TMetaClass* GetFilteringClass() const;
    virtual const TMetaClass* GetOptionsCustomizeClass() const;
    void NotifyDataControllerOfItem(TcxCustomGridTableItem* item, int kind);
    // The grouping and sorting collected during a batch of item assignment take effect.
    virtual void AfterAssignItems();
    // The visible items in the given order, each taking its place as its visible index.
    void SetVisibleItemOrder(std::vector<TcxCustomGridTableItem*> items);

  private:
    void CreateNavigatorButtons();
    static void Collect(std::vector<TcxCustomGridTableItem*>& list, TcxCustomGridTableItem* item, int index);

    bool afterAssigningItems_ = false;
    bool assigningItems_ = false;
    std::unique_ptr<TcxCustomGridTableDateTimeHandling> dateTimeHandling_;
    std::vector<TcxCustomGridTableItem*> filterableItems_;
    std::unique_ptr<TcxGridFilterBox> filterBox_;
    std::unique_ptr<TcxCustomGridTableFiltering> filtering_;
    std::unique_ptr<TcxNavigatorControlButtons> navigatorButtons_;
    std::vector<TcxCustomGridTableItem*> groupedItems_; // open lists: holes stay nil
    bool ignorePropertiesChanges_ = false;
    std::vector<TcxCustomGridTableItem*> items_;
    int nextID_ = 0;
    std::unique_ptr<TcxCustomGridTableOptionsCustomize> optionsCustomize_;
    std::vector<TcxCustomGridTableItem*> sortedItems_;
    std::vector<TcxCustomGridTableItem*> visibleItems_;
};

} // namespace zorvy
