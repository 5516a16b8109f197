// The table view base: construction, items with their indexes, IDs and visibility, the batch of
// item assignment, the data controller's notices and the drawing decisions.
#include "controls/grid/table/TableView.h"

#include "controls/data/DataController.h"
#include "controls/data/DataNotices.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/TableChanges.h"
#include "controls/grid/table/TableViewInfo.h"
#include "controls/grid/table/TableViewInfoCache.h"
#include "controls/grid/table/TableViewStyles.h"

#include <algorithm>

namespace zorvy {

TcxCustomGridTableView::TcxCustomGridTableView(TComponent* owner) : TcxCustomGridView(owner) {}

TcxCustomGridTableView::~TcxCustomGridTableView() {
    Destroying();
    if (GetController()) GetController()->GetEditingController()->DropEditingItem();
    // Unfocused while the table view is whole: its controller's focus-loss handling reaches the
    // table view's own parts, which the base destructor can no longer offer.
    if (GetController() && IsFocusedView()) SetFocused(false);
    // The base destructor no longer reaches this class's overrides: the items go here.
    if (GetController()) ClearItems();
}

TcxCustomGridTableController* TcxCustomGridTableView::GetController() const {
    return static_cast<TcxCustomGridTableController*>(TcxCustomGridView::GetController());
}
TcxCustomGridTableViewData* TcxCustomGridTableView::GetViewData() const {
    return static_cast<TcxCustomGridTableViewData*>(TcxCustomGridView::GetViewData());
}
TcxCustomGridTableOptionsBehavior* TcxCustomGridTableView::GetOptionsBehavior() const {
    return static_cast<TcxCustomGridTableOptionsBehavior*>(TcxCustomGridView::GetOptionsBehavior());
}
TcxCustomGridTableOptionsData* TcxCustomGridTableView::GetOptionsData() const {
    return static_cast<TcxCustomGridTableOptionsData*>(TcxCustomGridView::GetOptionsData());
}
TcxCustomGridTableOptionsSelection* TcxCustomGridTableView::GetOptionsSelection() const {
    return static_cast<TcxCustomGridTableOptionsSelection*>(TcxCustomGridView::GetOptionsSelection());
}
TcxCustomGridTableOptionsView* TcxCustomGridTableView::GetOptionsView() const {
    return static_cast<TcxCustomGridTableOptionsView*>(TcxCustomGridView::GetOptionsView());
}

const TMetaClass* TcxCustomGridTableView::GetOptionsBehaviorClass() const {
    return TcxCustomGridTableOptionsBehavior::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetOptionsDataClass() const {
    return TcxCustomGridTableOptionsData::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetOptionsSelectionClass() const {
    return TcxCustomGridTableOptionsSelection::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetOptionsViewClass() const {
    return TcxCustomGridTableOptionsView::StaticClass();
}
TcxCustomGridTableViewStyles* TcxCustomGridTableView::GetTableStyles() const {
    return static_cast<TcxCustomGridTableViewStyles*>(GetStyles());
}
const TMetaClass* TcxCustomGridTableView::GetViewInfoCacheClass() const {
    return TcxCustomGridTableViewInfoCache::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetStylesClass() const {
    return TcxCustomGridTableViewStyles::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetBackgroundBitmapsClass() const {
    return TcxCustomGridTableBackgroundBitmaps::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetDateTimeHandlingClass() const {
    return TcxCustomGridTableDateTimeHandling::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetFilterBoxClass() const {
    return TcxGridFilterBox::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetFilteringClass() const {
    return TcxCustomGridTableFiltering::StaticClass();
}
const TMetaClass* TcxCustomGridTableView::GetOptionsCustomizeClass() const {
    return TcxCustomGridTableOptionsCustomize::StaticClass();
}

void TcxCustomGridTableView::CreateOptions() {
    TcxCustomGridView::CreateOptions();
    dateTimeHandling_.reset(CreateInstance<TcxCustomGridTableDateTimeHandling>(GetDateTimeHandlingClass(), this));
    filterBox_.reset(CreateInstance<TcxGridFilterBox>(GetFilterBoxClass(), this));
    filtering_.reset(CreateInstance<TcxCustomGridTableFiltering>(GetFilteringClass(), this));
    optionsCustomize_.reset(CreateInstance<TcxCustomGridTableOptionsCustomize>(GetOptionsCustomizeClass(), this));
}

void TcxCustomGridTableView::DestroyOptions() {
    optionsCustomize_.reset();
    filtering_.reset();
    filterBox_.reset();
    dateTimeHandling_.reset();
    TcxCustomGridView::DestroyOptions();
}

void TcxCustomGridTableView::CreateHandlers() {
    TcxCustomGridView::CreateHandlers();
    GetViewData()->Refresh(GetDataController()->GetRowCount());
    CreateNavigatorButtons();
}

void TcxCustomGridTableView::DestroyHandlers() {
    if (GetController()) ClearItems();
    // The buttons' owner is the view info, which goes with the handlers.
    navigatorButtons_.reset();
    TcxCustomGridView::DestroyHandlers();
}

void TcxCustomGridTableView::HookDataControllerEvents() {
    TcxCustomGridView::HookDataControllerEvents();
    GetDataController()->OnUpdateControl = [this](TcxUpdateControlInfo& info) { UpdateControl(info); };
}

// ---- items ----

int TcxCustomGridTableView::IndexOfItem(const TcxCustomGridTableItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TcxCustomGridTableItem* TcxCustomGridTableView::FindItemByID(int id) const {
    for (TcxCustomGridTableItem* item : items_)
        if (item->GetID() == id) return item;
    return nullptr;
}

TcxCustomGridTableItem* TcxCustomGridTableView::FindItemByName(const std::string& name) const {
    for (TcxCustomGridTableItem* item : items_)
        if (item->GetName() == name) return item;
    return nullptr;
}

TcxCustomGridTableItem* TcxCustomGridTableView::FindItemByStoredName(const std::string& name) const {
    if (GetStoringName().empty()) return FindItemByName(name);
    if (name.empty()) return nullptr;
    // A stored name that is not a number names no item: the restore goes on without it.
    size_t used = 0;
    int id = 0;
    try {
        id = std::stoi(name, &used);
    } catch (const std::exception&) {
        return nullptr;
    }
    return used == name.size() ? FindItemByID(id) : nullptr;
}

int TcxCustomGridTableView::GetGroupedItemCount() const {
    return GetDataController()->GetGroupingItemCount();
}

TcxCustomGridTableItem* TcxCustomGridTableView::GetGroupedItem(int level) const {
    TcxCustomDataField* field = GetDataController()->GetGroupingField(level);
    return field ? dynamic_cast<TcxCustomGridTableItem*>(field->GetItem()) : nullptr;
}

int TcxCustomGridTableView::GetSortedItemCount() const {
    return GetDataController()->GetSortingItemCount();
}

TcxCustomGridTableItem* TcxCustomGridTableView::GetSortedItem(int position) const {
    return GetItem(GetDataController()->GetSortingItemIndex(position));
}

TcxCustomGridTableItem* TcxCustomGridTableView::CreateItem() {
    auto* item = CreateInstance<TcxCustomGridTableItem>(GetItemClass(), GetOwner());
    AddItem(item);
    return item;
}

void TcxCustomGridTableView::ClearItems() {
    BeginUpdate();
    try {
        while (!items_.empty()) delete items_.back();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    nextID_ = 0;
}

void TcxCustomGridTableView::NotifyDataControllerOfItem(TcxCustomGridTableItem* item, int kind) {
    TcxCustomDataController* dataController = GetDataController();
    switch (kind) {
    case 0:
        dataController->AddItem(item);
        break;
    case 1:
        dataController->RemoveItem(item);
        break;
    default:
        dataController->UpdateItemIndexes();
        break;
    }
}

void TcxCustomGridTableView::AddItem(TcxCustomGridTableItem* item) {
    items_.push_back(item);
    ItemIndexChanged(item, -1);
    item->id_ = nextID_++;
    NotifyDataControllerOfItem(item, 0);
    item->SetGridView(this);
    item->SetVisible(true);
    RefreshFilterableItemList();
}

void TcxCustomGridTableView::RemoveItem(TcxCustomGridTableItem* item) {
    BeginUpdate();
    try {
        if (GetOptionsBehavior()->GetIncSearchItem() == item) GetOptionsBehavior()->SetIncSearchItem(nullptr);
        item->SetVisible(false);
        GetController()->ItemRemoved(item);
        items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
        item->index_ = -1;
        ItemIndexChanged(item, -1);
        NotifyDataControllerOfItem(item, 1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    item->SetGridView(nullptr);
    filtering_->GetMRUItems()->DeleteEmptyItems();
    // The highest ID comes back for the next item; other IDs are never given twice.
    if (item->id_ + 1 == nextID_) --nextID_;
    RefreshFilterableItemList();
    ControllerUpdate();
    SynchronizeViews(true);
}

void TcxCustomGridTableView::ChangeItemIndex(TcxCustomGridTableItem* item, int index) {
    const int count = GetItemCount();
    if (count == 0) return;
    index = std::clamp(index, 0, count - 1);
    const int oldIndex = item->GetIndex();
    if (index == oldIndex || oldIndex < 0) return;
    items_.erase(items_.begin() + oldIndex);
    items_.insert(items_.begin() + index, item);
    ItemIndexChanged(item, oldIndex);
    if (item->GetVisible()) RefreshVisibleItemList();
    NotifyDataControllerOfItem(item, 2);
}

void TcxCustomGridTableView::ItemIndexChanged(TcxCustomGridTableItem*, int) {
    for (size_t i = 0; i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i);
}

void TcxCustomGridTableView::RefreshVisibleItemList() {
    visibleItems_.clear();
    for (TcxCustomGridTableItem* item : items_) {
        if (item->GetActuallyVisible()) {
            item->visibleIndex_ = static_cast<int>(visibleItems_.size());
            visibleItems_.push_back(item);
        } else {
            item->visibleIndex_ = -1;
        }
    }
}

void TcxCustomGridTableView::SetVisibleItemOrder(std::vector<TcxCustomGridTableItem*> items) {
    visibleItems_ = std::move(items);
    for (size_t i = 0; i < visibleItems_.size(); ++i) visibleItems_[i]->visibleIndex_ = static_cast<int>(i);
}

void TcxCustomGridTableView::RefreshFilterableItemList() {
    if (IsBeingDestroyed()) return;
    filterableItems_.clear();
    for (TcxCustomGridTableItem* item : items_)
        if (item->IsFilterable()) filterableItems_.push_back(item);
}

void TcxCustomGridTableView::SaveItemsActualVisibility() {
    for (TcxCustomGridTableItem* item : items_) item->StoreActualVisibility();
}

void TcxCustomGridTableView::CheckItemsActualVisibility() {
    BeginUpdate();
    try {
        for (TcxCustomGridTableItem* item : std::vector<TcxCustomGridTableItem*>(items_))
            if (item->ActualVisibilityChanged()) ItemVisibilityChanged(item, item->GetActuallyVisible());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    ControllerUpdate();
}

void TcxCustomGridTableView::ItemVisibilityChanged(TcxCustomGridTableItem* item, bool value) {
    TcxCustomGridTableController* controller = GetController();
    if (value) {
        RefreshVisibleItemList();
        ItemChanged(item);
        if (!controller->GetFocusedItem()) controller->SetFocusedItem(item);
        return;
    }
    if (controller->GetIncSearchingItem() == item) controller->CancelIncSearching();
    const int oldVisibleIndex = item->GetVisibleIndex();
    RefreshVisibleItemList();
    SizeChanged();
    if (controller->GetFocusedItem() == item)
        if (!controller->FocusNextItem(oldVisibleIndex - 1, true, false)) controller->SetFocusedItem(nullptr);
}

void TcxCustomGridTableView::ItemChanged(TcxCustomGridTableItem* item) {
    if (!item || item->GetActuallyVisible() || item->GetGroupIndex() != -1 || item->GetFiltered())
        Changed(vckSize);
    else
        Changed(vckProperty);
    ControllerUpdate();
}

void TcxCustomGridTableView::ItemDataChanged(int itemIndex) {
    if (itemIndex >= 0 && itemIndex < GetItemCount()) GetItem(itemIndex)->DataChanged();
}

// ---- batch of item assignment ----

void TcxCustomGridTableView::Collect(std::vector<TcxCustomGridTableItem*>& list, TcxCustomGridTableItem* item,
                                     int index) {
    if (index < 0) return;
    if (static_cast<size_t>(index) >= list.size()) list.resize(static_cast<size_t>(index) + 1, nullptr);
    list[static_cast<size_t>(index)] = item;
}

void TcxCustomGridTableView::BeginAssignItems() {
    groupedItems_.clear();
    sortedItems_.clear();
    assigningItems_ = true;
}

void TcxCustomGridTableView::EndAssignItems() {
    assigningItems_ = false;
    afterAssigningItems_ = true;
    try {
        AfterAssignItems();
    } catch (...) {
        afterAssigningItems_ = false;
        groupedItems_.clear();
        sortedItems_.clear();
        throw;
    }
    afterAssigningItems_ = false;
    groupedItems_.clear();
    sortedItems_.clear();
}

void TcxCustomGridTableView::AfterAssignItems() {
    int level = 0;
    for (TcxCustomGridTableItem* item : std::vector<TcxCustomGridTableItem*>(groupedItems_))
        if (item) item->SetGroupIndex(level++);
    int position = 0;
    for (TcxCustomGridTableItem* item : std::vector<TcxCustomGridTableItem*>(sortedItems_))
        if (item) item->SetSortIndex(position++);
}

void TcxCustomGridTableView::AfterRestoring() {
    EndAssignItems();
    TcxCustomGridView::AfterRestoring();
}

void TcxCustomGridTableView::DoAssign(TcxCustomGridView* source) {
    auto* other = dynamic_cast<TcxCustomGridTableView*>(source);
    if (!other) {
        TcxCustomGridView::DoAssign(source);
        return;
    }
    BeginUpdate();
    try {
        BeginAssignItems();
        try {
            for (int i = 0; i < other->GetItemCount(); ++i) {
                TcxCustomGridTableItem* sourceItem = other->GetItem(i);
                TcxCustomGridTableItem* item = FindItemByID(sourceItem->GetID());
                if (!item) {
                    item = CreateItem();
                    item->id_ = sourceItem->GetID();
                }
                item->SetIndex(i);
                item->Assign(sourceItem);
            }
            while (GetItemCount() > other->GetItemCount()) delete items_.back();
            nextID_ = other->nextID_;
        } catch (...) {
            EndAssignItems();
            throw;
        }
        EndAssignItems();
        dateTimeHandling_->Assign(other->dateTimeHandling_.get());
        filterBox_->Assign(other->filterBox_.get());
        filtering_->Assign(other->filtering_.get());
        optionsCustomize_->Assign(other->optionsCustomize_.get());
        OnCanFocusRecord = other->OnCanFocusRecord;
        OnCanSelectRecord = other->OnCanSelectRecord;
        OnEditing = other->OnEditing;
        OnFocusedItemChanged = other->OnFocusedItemChanged;
        OnFocusedRecordChanged = other->OnFocusedRecordChanged;
        OnGetDragDropText = other->OnGetDragDropText;
        OnSelectionChanged = other->OnSelectionChanged;
        OnTopRecordIndexChanged = other->OnTopRecordIndexChanged;
        OnEditChanged = other->OnEditChanged;
        OnEditKeyDown = other->OnEditKeyDown;
        OnEditKeyPress = other->OnEditKeyPress;
        OnEditKeyUp = other->OnEditKeyUp;
        OnEditValueChanged = other->OnEditValueChanged;
        OnInitEdit = other->OnInitEdit;
        OnInitEditValue = other->OnInitEditValue;
        TcxCustomGridView::DoAssign(source);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TcxCustomGridTableView::ResetToDefaults() {
    BeginUpdate();
    TcxCustomGridView::ResetToDefaults();
    for (TcxCustomGridTableItem* item : items_) item->ResetToDefaults();
    EndUpdate();
}

// ---- data ----

void TcxCustomGridTableView::UpdateControl(TcxUpdateControlInfo& info) {
    if (IsBeingDestroyed()) return;
    if (dynamic_cast<TcxDataChangedInfo*>(&info)) {
        AllRecordsChanged();
    } else if (dynamic_cast<TcxLayoutChangedInfo*>(&info)) {
        RecordsChanged();
    } else if (auto* focused = dynamic_cast<TcxFocusedRecordChangedInfo*>(&info)) {
        FocusedRecordChanged(focused->PrevFocusedRowIndex, focused->FocusedRowIndex, focused->NewItemRowFocusingChanged);
    } else if (auto* selection = dynamic_cast<TcxSelectionChangedInfo*>(&info)) {
        if (selection->GetCount() == 0)
            LayoutChanged();
        else
            for (int i = 0; i < selection->GetCount(); ++i)
                if (TcxCustomGridRecord* record = GetViewData()->FindRecord(selection->GetRowIndex(i))) record->Invalidate();
        if (!IsBeingLoaded()) DoSelectionChanged();
    } else if (dynamic_cast<TcxSearchChangedInfo*>(&info)) {
        InvalidateFocusedCell();
    } else if (auto* update = dynamic_cast<TcxUpdateRecordInfo*>(&info)) {
        RecordChanged(update->RecordIndex);
    } else if (dynamic_cast<TcxGroupingChangingInfo*>(&info)) {
        CheckItemsGroupingDateRanges();
    }
    RefreshNavigators();
}

void TcxCustomGridTableView::DataChanged(TObject* sender) {
    if (IsBeingDestroyed()) return;
    TcxCustomGridView::DataChanged(sender);
}

void TcxCustomGridTableView::AllRecordsChanged() {
    GetController()->ForgetRecords();
    for (TcxCustomGridTableItem* item : items_) item->RecordsChanged();
    AddChange(new TcxGridDataChange(this));
    GetController()->GetEditingController()->UpdateEditValue();
    SynchronizeViews(true);
}

void TcxCustomGridTableView::RecordsChanged() {
    GetController()->ForgetRecords();
    GetViewData()->Refresh(GetDataController()->GetRowCount());
    GetController()->GetEditingController()->UpdateEditValue();
    SynchronizeViews(true);
}

void TcxCustomGridTableView::RecordChanged(int recordIndex) {
    GetViewData()->UpdateEditingRecord();
    if (IsRecordHeightDependentOnData()) {
        SizeChanged();
    } else if (TcxCustomGridRecord* record = GetViewData()->GetRecordByRecordIndex(recordIndex)) {
        record->Invalidate();
    } else {
        LayoutChanged();
    }
    GetController()->GetEditingController()->UpdateEditValue();
}

void TcxCustomGridTableView::RecordCountChanged() {
    GetController()->ForgetRecords();
    GetViewData()->Refresh(GetDataController()->GetRowCount());
    if (TcxCustomGrid* grid = GetGrid()) grid->SendNotifications(gnkDataChanged);
}

void TcxCustomGridTableView::FocusedRecordChanged(int prevFocusedRowIndex, int focusedRowIndex,
                                                  bool newItemRecordFocusingChanged) {
    GetController()->FocusedRecordChanged(prevFocusedRowIndex, focusedRowIndex, newItemRecordFocusingChanged);
    AddChange(new TcxGridFocusedRecordChange(this, newItemRecordFocusingChanged, focusedRowIndex, prevFocusedRowIndex));
}

void TcxCustomGridTableView::DoFocusedRecordChanged(int prevFocusedRowIndex, int focusedRowIndex,
                                                    bool newItemRecordFocusingChanged) {
    if (!OnFocusedRecordChanged) return;
    TcxCustomGridTableViewData* viewData = GetViewData();
    TcxCustomGridRecord* prev = viewData->IsRowIndexValid(prevFocusedRowIndex) ? viewData->GetRecord(prevFocusedRowIndex) : nullptr;
    TcxCustomGridRecord* focused = viewData->IsRowIndexValid(focusedRowIndex) ? viewData->GetRecord(focusedRowIndex) : nullptr;
    OnFocusedRecordChanged(this, prev, focused, newItemRecordFocusingChanged);
}

void TcxCustomGridTableView::InvalidateFocusedCell() {
    TcxCustomGridRecord* record = GetController()->GetFocusedRecord();
    if (record) record->Invalidate(GetController()->GetIncSearchingItem());
}

void TcxCustomGridTableView::FilterChanged() {
    filtering_->CurrentFilterChanged();
}

void TcxCustomGridTableView::CheckItemsGroupingDateRanges() {
    for (TcxCustomGridTableItem* item : items_) item->CheckGroupingDateRanges();
}

void TcxCustomGridTableView::RefreshNavigators() {
    // The view's own navigator strip follows its data whether or not the view has the focus.
    if (auto* info = dynamic_cast<TcxCustomGridTableViewInfo*>(GetViewInfo())) info->RefreshNavigator();
    if (TcxCustomGrid* grid = GetGrid())
        if (grid->GetFocusedView() == this) grid->RefreshNavigator();
}

bool TcxCustomGridTableView::IsRecordHeightDependentOnData() const {
    return std::any_of(items_.begin(), items_.end(), [](TcxCustomGridTableItem* item) { return static_cast<bool>(item->OnGetProperties); });
}

bool TcxCustomGridTableView::IsRecordHeightDependentOnFocus() const {
    return !IsEqualHeightRecords() && GetOptionsView()->GetShowEditButtons() == gsebForFocusedRecord;
}

bool TcxCustomGridTableView::GetItemSortByDisplayText(int itemIndex, bool defaultValue) const {
    return GetItem(itemIndex)->GetSortByDisplayText(defaultValue);
}

int TcxCustomGridTableView::GetDefaultActiveDetailIndex() const {
    TcxGridLevel* level = GetLevel();
    if (!level) return -1;
    for (int i = 0; i < level->GetCount(); ++i)
        if (level->GetItem(i)->GetVisible()) return i;
    return -1;
}

TcxCustomGridRecord* TcxCustomGridTableView::GetMasterRecord() const {
    auto* master = dynamic_cast<TcxCustomGridTableView*>(GetMasterGridView());
    if (!master) return nullptr;
    const int index = GetMasterGridRecordIndex();
    return master->GetViewData()->IsRowIndexValid(index) ? master->GetViewData()->GetRecord(index) : nullptr;
}

void TcxCustomGridTableView::LoadedLayoutChanged() {
    BeginUpdate();
    TcxCustomGridView::LoadedLayoutChanged();
    AllRecordsChanged();
    EndUpdate();
}

void TcxCustomGridTableView::AfterLoaded() {
    TcxCustomGridView::AfterLoaded();
    if (!GetController()->GetFocusedItem()) GetController()->FocusFirstItem();
}

// ---- records: focus, selection and drawing ----

bool TcxCustomGridTableView::CanFocusRecord(TcxCustomGridRecord* record) {
    bool allow = true;
    if (OnCanFocusRecord) OnCanFocusRecord(this, record, allow);
    return allow;
}

bool TcxCustomGridTableView::CanSelectRecord(int rowIndex) {
    bool allow = true;
    if (OnCanSelectRecord)
        OnCanSelectRecord(this, GetViewData()->IsRowIndexValid(rowIndex) ? GetViewData()->GetRecord(rowIndex) : nullptr,
                          allow);
    return allow;
}

bool TcxCustomGridTableView::DrawSelection() const {
    return IsFocusedView() || !GetOptionsSelection()->GetHideSelection();
}

bool TcxCustomGridTableView::DrawRecordActive(TcxCustomGridRecord* record) const {
    return IsFocusedView() || record == GetController()->GetDragHighlightedRecord();
}

bool TcxCustomGridTableView::DrawRecordFocused(TcxCustomGridRecord* record) const {
    return record == GetController()->GetFocusedRecord() && IsFocusedView();
}

bool TcxCustomGridTableView::DrawRecordSelected(TcxCustomGridRecord* record) const {
    return (record->GetSelected() && (IsFocusedView() || GetOptionsSelection()->GetMultiSelect())) ||
           record == GetController()->GetDragHighlightedRecord();
}

bool TcxCustomGridTableView::DrawDataCellSelected(TcxCustomGridRecord* record, TcxCustomGridTableItem* item) const {
    if (!record->CanFocusCells() || !record->HasCells()) return true;
    TcxCustomGridTableController* controller = GetController();
    const bool focusedCell = record == controller->GetFocusedRecord() && item == controller->GetFocusedItem();
    if (GetOptionsSelection()->GetInvertSelect()) return !focusedCell;
    if (!GetOptionsSelection()->GetMultiSelect() && !focusedCell) return false;
    return !(focusedCell && item == controller->GetEditingItem());
}

void TcxCustomGridTableView::EditItemByIndex(int itemIndex, bool& done) {
    if (itemIndex < 0 || itemIndex >= GetItemCount()) return;
    GetItem(itemIndex)->SetEditing(true);
    done = GetItem(itemIndex)->GetEditing();
}

bool TcxCustomGridTableView::DoEditing(TcxCustomGridTableItem* item) {
    bool allow = true;
    if (OnEditing) OnEditing(this, item, allow);
    return allow;
}

void TcxCustomGridTableView::DoFocusedItemChanged(TcxCustomGridTableItem* prev, TcxCustomGridTableItem* focused) {
    if (OnFocusedItemChanged) OnFocusedItemChanged(this, prev, focused);
}

void TcxCustomGridTableView::DoSelectionChanged() {
    if (OnSelectionChanged) OnSelectionChanged(this);
}

void TcxCustomGridTableView::DoTopRecordIndexChanged() {
    if (OnTopRecordIndexChanged) OnTopRecordIndexChanged(this);
}

void TcxCustomGridTableView::DoGetDragDropText(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                               std::string& text) {
    text = record && item ? record->GetDisplayText(item->GetIndex()) : std::string();
    if (OnGetDragDropText) OnGetDragDropText(this, record, item, text);
}

} // namespace zorvy
