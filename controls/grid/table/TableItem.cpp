// A table view's item: creation, joining and leaving the view, captions, sizes, visibility,
// grouping and sorting, editor properties, option checks, events and its stored layout.
#include "controls/grid/table/TableItem.h"

#include "controls/data/DataController.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/DateRanges.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/StringList.h"

namespace zorvy {

// Hears of the repository item the properties come from.
class TcxCustomGridTableItem::TRepositoryListener : public IcxRepositoryItemSubscriber {
  public:
    explicit TRepositoryListener(TcxCustomGridTableItem* item) : item_(item) {}
    void ItemRemoved(TcxEditRepositoryItem* repositoryItem) override { item_->RepositoryItemRemoved(repositoryItem); }
    void ItemPropertiesChanged(TcxEditRepositoryItem*) override {
        if (item_->gridView_ && static_cast<TcxCustomGridTableView*>(item_->gridView_->GetPatternGridView())->GetIgnorePropertiesChanges()) return;
        if (item_->gridView_ && !item_->gridView_->IsPattern()) item_->PropertiesValueChanged();
    }

  private:
    TcxCustomGridTableItem* item_;
};

// ---- options ----

TPersistent* TcxCustomGridTableItemCustomOptions::GetOwner() const {
    return item_;
}

void TcxCustomGridTableItemCustomOptions::Assign(TPersistent* source) {
    if (!dynamic_cast<TcxCustomGridTableItemCustomOptions*>(source)) TPersistent::Assign(source);
}

void TcxCustomGridTableItemCustomOptions::Changed(int kind) {
    item_->Changed(kind);
}

void TcxCustomGridTableItemOptions::SetEditing(bool value) {
    if (editing_ == value) return;
    editing_ = value;
    if (!value) GetItem()->SetEditing(false);
    Changed(vckLayout);
}

void TcxCustomGridTableItemOptions::SetFiltering(bool value) {
    if (filtering_ == value) return;
    filtering_ = value;
    if (TcxCustomGridTableView* view = GetItem()->GetGridView()) view->RefreshFilterableItemList();
    Changed(vckLayout);
}

void TcxCustomGridTableItemOptions::SetFocusing(bool value) {
    if (focusing_ == value) return;
    focusing_ = value;
    if (!value) GetItem()->SetFocused(false);
    Changed(vckProperty);
}

void TcxCustomGridTableItemOptions::SetIgnoreTimeForFiltering(bool value) {
    if (ignoreTimeForFiltering_ == value) return;
    ignoreTimeForFiltering_ = value;
    if (TcxCustomDataController* dataController = GetItem()->GetDataController()) dataController->DoRefresh();
}

void TcxCustomGridTableItemOptions::SetIncSearch(bool value) {
    if (incSearch_ == value) return;
    incSearch_ = value;
    TcxCustomGridTableView* view = GetItem()->GetGridView();
    if (!value && view && view->GetController()->GetIncSearchingItem() == GetItem())
        view->GetController()->CancelIncSearching();
    Changed(vckProperty);
}

void TcxCustomGridTableItemOptions::SetShowCaption(bool value) {
    if (showCaption_ == value) return;
    BeforeShowCaptionChange();
    showCaption_ = value;
    Changed(vckSize);
}

void TcxCustomGridTableItemOptions::SetSortByDisplayText(TcxGridItemSortByDisplayText value) {
    if (sortByDisplayText_ == value) return;
    sortByDisplayText_ = value;
    if (TcxCustomDataController* dataController = GetItem()->GetDataController()) dataController->DoRefresh();
}

void TcxCustomGridTableItemOptions::Assign(TPersistent* source) {
    TcxCustomGridTableItemCustomOptions::Assign(source);
    auto* other = dynamic_cast<TcxCustomGridTableItemOptions*>(source);
    if (!other) return;
    SetEditing(other->editing_);
    SetFiltering(other->filtering_);
    SetFilteringFilteredItemsList(other->filteringFilteredItemsList_);
    SetFilteringMRUItemsList(other->filteringMRUItemsList_);
    SetFilteringPopup(other->filteringPopup_);
    SetFilteringPopupMultiSelect(other->filteringPopupMultiSelect_);
    SetFocusing(other->focusing_);
    SetGrouping(other->grouping_);
    SetIgnoreTimeForFiltering(other->ignoreTimeForFiltering_);
    SetIncSearch(other->incSearch_);
    SetMoving(other->moving_);
    SetShowCaption(other->showCaption_);
    SetShowEditButtons(other->showEditButtons_);
    SetSortByDisplayText(other->sortByDisplayText_);
    SetSorting(other->sorting_);
}

// ---- creation and the view ----

TcxCustomGridTableItem::TcxCustomGridTableItem(TComponent* owner)
    : TcxComponent(owner), repositoryListener_(std::make_unique<TRepositoryListener>(this)) {
    CreateSubClasses();
}

void TcxCustomGridTableItem::CreateSubClasses() {
    filteringDateRanges_ = std::make_unique<TcxGridFilteringDateRanges>();
    groupingDateRanges_ = std::make_unique<TcxGridGroupingDateRanges>();
    options_.reset(CreateInstance<TcxCustomGridTableItemOptions>(GetOptionsClass(), this));
}

void TcxCustomGridTableItem::RecreateOptions() {
    options_.reset(CreateInstance<TcxCustomGridTableItemOptions>(GetOptionsClass(), this));
}

void TcxCustomGridTableItem::DestroySubClasses() {
    properties_.reset();
    options_.reset();
    groupingDateRanges_.reset();
    filteringDateRanges_.reset();
}

TcxCustomGridTableItem::~TcxCustomGridTableItem() {
    Destroying();
    for (TcxGridTableDataCellViewInfo* cell : cells_) cell->ForgetItem();
    cells_.clear();
    SetRepositoryItem(nullptr);
    ListenToRepositoryItem(lastUsedDefaultRepositoryItem_, false);
    lastUsedDefaultRepositoryItem_ = nullptr;
    if (gridView_) gridView_->RemoveItem(this);
    DestroySubClasses();
}

TComponent* TcxCustomGridTableItem::GetParentComponent() const {
    return gridView_;
}

void TcxCustomGridTableItem::SetParentComponent(TComponent* value) {
    if (auto* view = dynamic_cast<TcxCustomGridTableView*>(value)) view->AddItem(this);
}

TcxCustomDataController* TcxCustomGridTableItem::GetDataController() const {
    return gridView_ ? gridView_->GetDataController() : nullptr;
}

const TMetaClass* TcxCustomGridTableItem::GetDataBindingClass() const {
    TcxCustomGridTableView* view = gridView_;
    auto* gridMode = view ? dynamic_cast<IcxGridModeDataController*>(view->GetDataController()) : nullptr;
    return gridMode ? gridMode->GetItemDataBindingClass() : TcxGridItemDataBinding::StaticClass();
}

void TcxCustomGridTableItem::CreateDataBinding() {
    dataBinding_.reset(CreateInstance<TcxGridItemDataBinding>(GetDataBindingClass(), this));
    if (TcxCustomDataController* dataController = GetDataController())
        if (index_ >= 0 && index_ < dataController->GetItemCount())
            dataController->ChangeValueTypeClass(index_, dataBinding_->GetDefaultValueTypeClass());
    dataBinding_->Init();
}

void TcxCustomGridTableItem::DestroyDataBinding() {
    dataBinding_.reset();
}

void TcxCustomGridTableItem::SetDataBinding(TcxGridItemDataBinding* value) {
    if (dataBinding_ && value) dataBinding_->Assign(value);
}

void TcxCustomGridTableItem::SetGridView(TcxCustomGridTableView* value) {
    gridView_ = value;
    if (value)
        CreateDataBinding();
    else
        DestroyDataBinding();
    RefreshPropertiesValue();
    if (value) InitGroupingDateRanges();
}

void TcxCustomGridTableItem::SetIndex(int value) {
    if (gridView_) gridView_->ChangeItemIndex(this, value);
}

// ---- captions ----

std::string TcxCustomGridTableItem::GetDefaultCaption() const {
    return dataBinding_ ? dataBinding_->GetDefaultCaption() : std::string();
}

std::string TcxCustomGridTableItem::GetCaption() const {
    return captionAssigned_ ? caption_ : GetDefaultCaption();
}

void TcxCustomGridTableItem::SetCaption(const std::string& value) {
    if (value == GetCaption()) return;
    caption_ = value;
    captionAssigned_ = true;
    NotifyItemChanged();
}

void TcxCustomGridTableItem::SetAlternateCaption(const std::string& value) {
    if (alternateCaption_ == value) return;
    alternateCaption_ = value;
    NotifyItemChanged();
}

std::string TcxCustomGridTableItem::GetAlternateCaptionText() const {
    return alternateCaption_.empty() ? GetDefaultAlternateCaption() : alternateCaption_;
}

// ---- sizes ----

int TcxCustomGridTableItem::GetDefaultWidth() const {
    return dataBinding_ ? dataBinding_->GetDefaultWidth() : 64;
}

int TcxCustomGridTableItem::GetWidth() const {
    return widthAssigned_ ? width_ : GetDefaultWidth();
}

void TcxCustomGridTableItem::SetWidth(int value) {
    if (value < GetEffectiveMinWidth()) value = GetEffectiveMinWidth();
    if (!IsLoading() && value == GetWidth()) return;
    width_ = value;
    widthAssigned_ = true;
    Changed(vckSize);
}

int TcxCustomGridTableItem::GetMinWidth() const {
    return HasFixedWidth() ? GetWidth() : minWidth_;
}

void TcxCustomGridTableItem::SetMinWidth(int value) {
    if (value < 0) value = 0;
    if (minWidth_ == value) return;
    minWidth_ = value;
    if (IsLoading()) return;
    if (GetWidth() < value)
        SetWidth(value);
    else
        Changed(vckSize);
}

void TcxCustomGridTableItem::SetBestFitMaxWidth(int value) {
    if (value < 0) value = 0;
    if (bestFitMaxWidth_ == value) return;
    bestFitMaxWidth_ = value;
    Changed(vckProperty);
}

void TcxCustomGridTableItem::SetHeaderAlignmentHorz(TAlignment value) {
    if (value == GetHeaderAlignmentHorz()) return;
    headerAlignmentHorz_ = value;
    headerAlignmentHorzAssigned_ = true;
    Changed(vckLayout);
}

void TcxCustomGridTableItem::SetHeaderAlignmentVert(TcxAlignmentVert value) {
    if (value == GetHeaderAlignmentVert()) return;
    headerAlignmentVert_ = value;
    headerAlignmentVertAssigned_ = true;
    Changed(vckLayout);
}

void TcxCustomGridTableItem::SetTag(int value) {
    if (tag_ == value) return;
    tag_ = value;
    Changed(vckProperty);
}

// ---- visibility ----

void TcxCustomGridTableItem::SetVisible(bool value) {
    if (visible_ == value) return;
    if (!gridView_) {
        visible_ = value;
        return;
    }
    gridView_->SaveItemsActualVisibility();
    visible_ = value;
    gridView_->CheckItemsActualVisibility();
}

void TcxCustomGridTableItem::SetVisibleForCustomization(bool value) {
    if (visibleForCustomization_ == value) return;
    visibleForCustomization_ = value;
    PropertiesChanged();
}

bool TcxCustomGridTableItem::IsLastVisible() const {
    return gridView_ && visibleIndex_ >= 0 && visibleIndex_ == gridView_->GetVisibleItemCount() - 1;
}

bool TcxCustomGridTableItem::CanHide() const {
    if (IsFirstVisible() && IsLastVisible()) return false;
    return CanMove();
}

// ---- grouping and sorting ----

int TcxCustomGridTableItem::GetGroupIndex() const {
    TcxCustomDataController* dataController = GetDataController();
    return dataController && index_ >= 0 ? dataController->GetItemGroupIndex(index_) : -1;
}

void TcxCustomGridTableItem::SetGroupIndex(int value) {
    if (gridView_ && gridView_->IsAssigningItems() && value != -1) {
        gridView_->CollectGroupedItem(this, value);
        return;
    }
    ChangeGroupIndex(value);
}

void TcxCustomGridTableItem::ChangeGroupIndex(int value) {
    TcxCustomDataController* dataController = GetDataController();
    if (!dataController || GetGroupIndex() == value) return;
    if (GetGroupIndex() == -1 && !gridView_->IsAfterAssigningItems()) wasVisibleBeforeGrouping_ = visible_;
    dataController->ChangeItemGroupIndex(index_, value);
}

int TcxCustomGridTableItem::GetSortIndex() const {
    TcxCustomDataController* dataController = GetDataController();
    return dataController && index_ >= 0 ? dataController->GetItemSortingIndex(index_) : -1;
}

void TcxCustomGridTableItem::SetSortIndex(int value) {
    if (gridView_ && gridView_->IsAssigningItems() && value != -1) {
        gridView_->CollectSortedItem(this, value);
        return;
    }
    ChangeSortIndex(value);
}

void TcxCustomGridTableItem::ChangeSortIndex(int value) {
    TcxCustomDataController* dataController = GetDataController();
    if (!dataController || GetSortIndex() == value) return;
    dataController->ChangeItemSortingIndex(index_, value);
}

TcxDataSortOrder TcxCustomGridTableItem::GetSortOrder() const {
    TcxCustomDataController* dataController = GetDataController();
    return dataController && index_ >= 0 ? dataController->GetItemSortOrder(index_) : soNone;
}

void TcxCustomGridTableItem::SetSortOrder(TcxDataSortOrder value) {
    TcxCustomDataController* dataController = GetDataController();
    if (!dataController || GetSortOrder() == value) return;
    dataController->SetItemSortOrder(index_, value);
}

void TcxCustomGridTableItem::SetDateTimeGrouping(TcxGridDateTimeGrouping value) {
    if (dateTimeGrouping_ == value) return;
    dateTimeGrouping_ = value;
    GroupingDateRangesChanged();
}

TcxGridDateTimeGrouping TcxCustomGridTableItem::GetEffectiveDateTimeGrouping() const {
    if (dateTimeGrouping_ != dtgDefault || !gridView_) return dateTimeGrouping_;
    return gridView_->GetDateTimeHandling()->GetGrouping();
}

bool TcxCustomGridTableItem::GetSortByDisplayText(bool sortByDisplayText) const {
    switch (options_->GetSortByDisplayText()) {
    case isbtOn:
        return true;
    case isbtOff:
        return false;
    default:
        if (OnGetDataText) return true;
        return sortByDisplayText && propertiesValue_ && (propertiesValue_->GetCapabilities() & 512) != 0;
    }
}

// ---- editor properties ----

void TcxCustomGridTableItem::ListenToRepositoryItem(TcxEditRepositoryItem* item, bool listen) {
    if (!item) return;
    if (listen)
        item->AddListener(repositoryListener_.get());
    else
        item->RemoveListener(repositoryListener_.get());
}

TcxCustomEditProperties* TcxCustomGridTableItem::ResolvePropertiesValue() {
    if (lastUsedDefaultRepositoryItem_) {
        ListenToRepositoryItem(lastUsedDefaultRepositoryItem_, false);
        lastUsedDefaultRepositoryItem_ = nullptr;
    }
    if (!gridView_) return nullptr;
    if (UsesOwnProperties()) return properties_.get();
    if (repositoryItem_) return repositoryItem_->GetProperties();
    if (IsDestroying() || !dataBinding_) return nullptr;
    TcxEditRepositoryItem* item = dataBinding_->GetDefaultRepositoryItem();
    if (!item) return nullptr;
    lastUsedDefaultRepositoryItem_ = item;
    ListenToRepositoryItem(item, true);
    return item->GetProperties();
}

void TcxCustomGridTableItem::RefreshPropertiesValue() {
    propertiesValue_ = ResolvePropertiesValue();
}

void TcxCustomGridTableItem::PropertiesValueChanged() {
    if (gridView_ && static_cast<TcxCustomGridTableView*>(gridView_->GetPatternGridView())->GetIgnorePropertiesChanges()) return;
    if (!gridView_ || IsDestroying()) return;
    gridView_->RefreshFilterableItemList();
    Changed(vckSize);
}

void TcxCustomGridTableItem::SetPropertiesClass(const TMetaClass* value) {
    if (propertiesClass_ == value) return;
    propertiesClass_ = value;
    properties_.reset(value ? CreateInstance<TcxCustomEditProperties>(value, this) : nullptr);
    if (properties_)
        properties_->OnPropertiesChanged = [this](TObject*) {
            if (!gridView_ || !gridView_->IsPattern()) PropertiesValueChanged();
        };
    RefreshPropertiesValue();
    PropertiesValueChanged();
}

std::string TcxCustomGridTableItem::GetPropertiesClassName() const {
    return properties_ ? properties_->ClassName() : std::string();
}

void TcxCustomGridTableItem::SetPropertiesClassName(const std::string& value) {
    TClass found = GetEditPropertiesRegistry()->FindClassByName(value);
    SetPropertiesClass(found);
}

void TcxCustomGridTableItem::SetProperties(TcxCustomEditProperties* value) {
    if (properties_ && value) properties_->Assign(value);
}

void TcxCustomGridTableItem::SetRepositoryItem(TcxEditRepositoryItem* value) {
    if (repositoryItem_ == value) return;
    ListenToRepositoryItem(repositoryItem_, false);
    repositoryItem_ = value;
    ListenToRepositoryItem(repositoryItem_, true);
    if (IsDestroying()) return;
    RefreshPropertiesValue();
    PropertiesValueChanged();
}

void TcxCustomGridTableItem::RepositoryItemRemoved(TcxEditRepositoryItem* item) {
    if (item == lastUsedDefaultRepositoryItem_) {
        lastUsedDefaultRepositoryItem_ = nullptr;
        RefreshPropertiesValue();
    } else if (item == repositoryItem_) {
        repositoryItem_ = nullptr;
        RefreshPropertiesValue();
        PropertiesValueChanged();
    }
}

TcxCustomEditProperties* TcxCustomGridTableItem::GetPropertiesForRecord(TcxCustomGridRecord* record) {
    TcxCustomEditProperties* properties = propertiesValue_;
    if (OnGetProperties) OnGetProperties(this, record, properties);
    return properties;
}

TcxCustomEditProperties* TcxCustomGridTableItem::GetPropertiesByRecordIndex(int recordIndex) {
    if (OnGetProperties && gridView_)
        if (TcxCustomGridRecord* record = gridView_->GetViewData()->GetRecordByRecordIndex(recordIndex))
            return GetPropertiesForRecord(record);
    return propertiesValue_;
}

// ---- focus and editing ----

bool TcxCustomGridTableItem::GetFocused() const {
    return gridView_ && gridView_->GetController()->GetFocusedItem() == this;
}

void TcxCustomGridTableItem::SetFocused(bool value) {
    if (!gridView_) return;
    TcxCustomGridTableController* controller = gridView_->GetController();
    if (value) {
        if (CanFocus(controller->GetFocusedRecord())) controller->SetFocusedItem(this);
    } else if (GetFocused()) {
        if (!controller->FocusNextItem(visibleIndex_, true, false)) controller->SetFocusedItem(nullptr);
    }
}

bool TcxCustomGridTableItem::GetEditing() const {
    return gridView_ && gridView_->GetController()->GetEditingItem() == this;
}

void TcxCustomGridTableItem::SetEditing(bool value) {
    if (!gridView_) return;
    if (value)
        gridView_->GetController()->SetEditingItem(this);
    else if (GetEditing())
        gridView_->GetController()->SetEditingItem(nullptr);
}

bool TcxCustomGridTableItem::GetFiltered() const {
    return dataBinding_ && dataBinding_->GetFiltered();
}

void TcxCustomGridTableItem::SetFiltered(bool value) {
    if (dataBinding_) dataBinding_->SetFiltered(value);
}

// ---- checks ----

namespace {

bool HasCapability(const TcxCustomEditProperties* properties, int bit) {
    return properties && (properties->GetCapabilities() & bit) != 0;
}

} // namespace

bool TcxCustomGridTableItem::CanFilter(bool forPopup) const {
    if (!HasCapability(propertiesValue_, 8) || !options_->GetFiltering()) return false;
    return !forPopup || (gridView_ && gridView_->GetOptionsCustomize()->GetColumnFiltering() && options_->GetFilteringPopup());
}

bool TcxCustomGridTableItem::IsFilterPopupMultiSelect() const {
    return gridView_ && gridView_->GetFiltering()->GetColumnPopup()->GetMultiSelect() &&
           options_->GetFilteringPopupMultiSelect();
}

bool TcxCustomGridTableItem::HasFilterMRUItemsList() const {
    return gridView_ && gridView_->GetFiltering()->GetColumnMRUItemsList() && options_->GetFilteringMRUItemsList() &&
           !IsFilterPopupMultiSelect();
}

bool TcxCustomGridTableItem::HasFilteredItemsList() const {
    return gridView_ && gridView_->GetFiltering()->GetColumnFilteredItemsList() &&
           options_->GetFilteringFilteredItemsList();
}

bool TcxCustomGridTableItem::CanGroup() const {
    return HasCapability(propertiesValue_, 256) && gridView_ && gridView_->GetOptionsCustomize()->GetColumnGrouping() &&
           options_->GetGrouping();
}

bool TcxCustomGridTableItem::CanSort() const {
    return HasCapability(propertiesValue_, 256) && gridView_ && gridView_->GetOptionsCustomize()->GetColumnSorting() &&
           options_->GetSorting();
}

bool TcxCustomGridTableItem::CanIncSearch() const {
    return HasCapability(propertiesValue_, 64) && gridView_ && gridView_->GetOptionsBehavior()->GetIncSearch() &&
           options_->GetIncSearch();
}

bool TcxCustomGridTableItem::CanAutoHeight() const {
    return HasCapability(propertiesValue_, 2);
}

bool TcxCustomGridTableItem::CanMove() const {
    if (HasState(csDesigning)) return true;
    return gridView_ && gridView_->GetOptionsCustomize()->GetColumnMoving() && options_->GetMoving();
}

bool TcxCustomGridTableItem::CanFocus(TcxCustomGridRecord* record) const {
    if (!GetActuallyVisible() || !options_->GetFocusing() || !gridView_) return false;
    return record ? record->CanFocusCells() : gridView_->GetOptionsSelection()->GetCellSelect();
}

bool TcxCustomGridTableItem::CanEdit() const {
    return gridView_ && gridView_->GetOptionsData()->GetEditing() && options_->GetEditing();
}

bool TcxCustomGridTableItem::CanEditFocusedCell() const {
    if (!gridView_) return false;
    TcxCustomDataController* dataController = GetDataController();
    return CanFocus(gridView_->GetController()->GetFocusedRecord()) && CanEdit() &&
           (dataController->GetEditOperations() & TcxCustomDataController::dceoEdit) != 0;
}

bool TcxCustomGridTableItem::IsDateTimeValueType() const {
    return dataBinding_ && IsDateTimeValueTypeClass(dataBinding_->GetValueTypeClass());
}

bool TcxCustomGridTableItem::GetIgnoreTimeForFiltering() const {
    return IsDateTimeValueType() && gridView_->GetDateTimeHandling()->GetIgnoreTimeForFiltering() &&
           options_->GetIgnoreTimeForFiltering();
}

TcxGridDateTimeFilters TcxCustomGridTableItem::GetDateTimeFilters() const {
    return gridView_ ? gridView_->GetDateTimeHandling()->GetFilters() : 0;
}

bool TcxCustomGridTableItem::UsesDateTimeFilters(bool relative) const {
    if (!IsDateTimeValueType()) return false;
    const TcxGridDateTimeFilters filters = GetDateTimeFilters();
    if (relative) return (filters & 0x3Fu) != 0;
    return (filters & ((1u << dtfMonths) | (1u << dtfYears))) != 0;
}

bool TcxCustomGridTableItem::GetGroupingByDateRanges(bool handlersOnly) const {
    if (!IsDateTimeValueType()) return false;
    return !handlersOnly && !groupingDateRanges_->IsEmpty();
}

bool TcxCustomGridTableItem::GetShowEditButtons(bool isFocusedRecord) const {
    switch (options_->GetShowEditButtons()) {
    case isebAlways:
        return true;
    case isebNever:
        return false;
    default:
        if (!gridView_) return false;
        switch (gridView_->GetOptionsView()->GetShowEditButtons()) {
        case gsebAlways:
            return true;
        case gsebForFocusedRecord:
            return isFocusedRecord;
        default:
            return false;
        }
    }
}

// ---- date ranges ----

void TcxCustomGridTableItem::InitFilteringDateRanges() {
    filteringDateRanges_->Init(gridView_ ? gridView_->GetDateTimeHandling() : nullptr, GetDateTimeFilters());
    if (gridView_ && gridView_->OnInitFilteringDateRanges)
        gridView_->OnInitFilteringDateRanges(this, filteringDateRanges_.get());
    if (OnInitFilteringDateRanges) OnInitFilteringDateRanges(this, filteringDateRanges_.get());
}

void TcxCustomGridTableItem::InitGroupingDateRanges() {
    groupingDateRanges_->Init(gridView_ ? gridView_->GetDateTimeHandling() : nullptr, GetEffectiveDateTimeGrouping());
}

void TcxCustomGridTableItem::GroupingDateRangesChanged() {
    InitGroupingDateRanges();
    if (TcxCustomDataController* dataController = GetDataController()) dataController->DoRefresh();
}

void TcxCustomGridTableItem::CheckGroupingDateRanges() {
    if (GetGroupingByDateRanges(true)) InitGroupingDateRanges();
}

// ---- reactions ----

void TcxCustomGridTableItem::Changed(int kind) {
    if (!gridView_) return;
    if (kind == vckProperty)
        gridView_->Changed(vckProperty);
    else
        gridView_->ItemChanged(this);
}

void TcxCustomGridTableItem::NotifyItemChanged() {
    if (gridView_) gridView_->ItemChanged(this);
}

void TcxCustomGridTableItem::DataChanged() {
    if (dataBinding_) dataBinding_->GetFilterMRUValueItems()->ClearItems();
    RefreshPropertiesValue();
    if (properties_) properties_->Changed();
}

void TcxCustomGridTableItem::PropertiesChanged() {
    if (!gridView_) return;
    gridView_->ControllerUpdate();
    gridView_->Changed(vckProperty);
}

void TcxCustomGridTableItem::ResetToDefaults() {
    captionAssigned_ = false;
    headerAlignmentHorzAssigned_ = false;
    headerAlignmentVertAssigned_ = false;
    widthAssigned_ = false;
    Changed(vckSize);
}

bool TcxCustomGridTableItem::IsLoading() const {
    return HasState(csLoading) || (gridView_ && gridView_->HasState(csLoading));
}

void TcxCustomGridTableItem::DoGetDataText(int recordIndex, std::string& text) {
    if (OnGetDataText) OnGetDataText(this, recordIndex, text);
}

void TcxCustomGridTableItem::DoGetDisplayText(TcxCustomGridRecord* record, std::string& text) {
    if (OnGetDisplayText) OnGetDisplayText(this, record, text);
}

void TcxCustomGridTableItem::DoGetFilterDisplayText(const Variant& value, std::string& text) {
    if (OnGetFilterDisplayText) OnGetFilterDisplayText(this, value, text);
}

void TcxCustomGridTableItem::DoGetFilterValues(TcxDataFilterValueList* valueList) {
    if (OnGetFilterValues) OnGetFilterValues(this, valueList);
}

void TcxCustomGridTableItem::DoUserFiltering(const Variant& value, const std::string& displayText) {
    if (OnUserFiltering) OnUserFiltering(this, value, displayText);
}

} // namespace zorvy
