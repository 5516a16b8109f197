#include "controls/editors/lookup/LookupGridColumns.h"

#include "controls/editors/lookup/LookupGrid.h"
#include "controls/editors/repository/EditDataRegisteredRepositoryItems.h"
#include "controls/editors/repository/EditRepositoryItems.h"

#include <algorithm>

namespace zorvy {

// ---- TcxLookupGridOptions ----

TPersistent* TcxLookupGridOptions::GetOwner() const {
    return grid_;
}

void TcxLookupGridOptions::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxLookupGridOptions*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (grid_) grid_->BeginUpdate();
    SetAnsiSort(other->GetAnsiSort());
    SetCaseInsensitive(other->GetCaseInsensitive());
    ColumnSorting = other->ColumnSorting;
    FocusRowOnMouseMove = other->FocusRowOnMouseMove;
    SetGridLines(other->gridLines_);
    SetRowSelect(other->rowSelect_);
    SetShowHeader(other->showHeader_);
    if (grid_) grid_->EndUpdate();
}

bool TcxLookupGridOptions::GetControllerOption(unsigned option) const {
    return grid_ && (grid_->GetDataController()->GetOptions() & option) != 0;
}

void TcxLookupGridOptions::SetControllerOption(unsigned option, bool value) {
    if (!grid_) return;
    TcxCustomDataController* controller = grid_->GetDataController();
    controller->SetOptions(value ? controller->GetOptions() | option : controller->GetOptions() & ~option);
}

bool TcxLookupGridOptions::GetAnsiSort() const {
    return GetControllerOption(dcoAnsiSort);
}

void TcxLookupGridOptions::SetAnsiSort(bool value) {
    SetControllerOption(dcoAnsiSort, value);
}

bool TcxLookupGridOptions::GetCaseInsensitive() const {
    return GetControllerOption(dcoCaseInsensitive);
}

void TcxLookupGridOptions::SetCaseInsensitive(bool value) {
    SetControllerOption(dcoCaseInsensitive, value);
}

void TcxLookupGridOptions::SetGridLines(TcxGridLines value) {
    if (gridLines_ == value) return;
    gridLines_ = value;
    Changed();
}

void TcxLookupGridOptions::SetRowSelect(bool value) {
    if (rowSelect_ == value) return;
    rowSelect_ = value;
    if (value && grid_) grid_->SetFocusedColumn(nullptr);
}

void TcxLookupGridOptions::SetShowHeader(bool value) {
    if (showHeader_ == value) return;
    showHeader_ = value;
    Changed();
}

void TcxLookupGridOptions::Changed() {
    if (grid_) grid_->Change(1);
    if (OnChanged) OnChanged(this);
}

// ---- TcxLookupGridDefaultValuesProvider ----

TcxLookupGridColumn* TcxLookupGridDefaultValuesProvider::GetColumn() const {
    return dynamic_cast<TcxLookupGridColumn*>(GetOwner());
}

bool TcxLookupGridDefaultValuesProvider::HasDisplayFormat(bool) {
    TcxLookupGridColumn* column = GetColumn();
    TcxCustomLookupGrid* grid = column ? column->GetGrid() : nullptr;
    return grid && column->GetIndex() < grid->GetDataController()->GetItemCount() &&
           grid->GetDataController()->GetItemTextStored(column->GetIndex());
}

// ---- TcxLookupGridColumn ----

// Joins the collection inside a grid update, so that the grid refreshes once the column has its
// data controller item.
TcxLookupGridColumn::TcxLookupGridColumn(TCollection* collection) : TCollectionItem(nullptr) {
    auto* columns = dynamic_cast<TcxLookupGridColumns*>(collection);
    TcxCustomLookupGrid* grid = columns ? columns->GetGrid() : nullptr;
    if (!grid) {
        SetCollection(collection);
        return;
    }
    grid->BeginUpdate();
    try {
        SetCollection(collection);
        grid->ColumnAdded(this);
    } catch (...) {
        grid->EndUpdate();
        throw;
    }
    grid->EndUpdate();
}

TcxLookupGridColumn::~TcxLookupGridColumn() {
    TcxCustomLookupGrid* grid = GetGrid();
    if (grid && !grid->IsBeingDestroyed()) {
        grid->BeginUpdate();
        grid->ColumnRemoved(this);
        SetRepositoryItem(nullptr);
        SetCollection(nullptr);
        grid->EndUpdate();
    } else {
        SetRepositoryItem(nullptr);
    }
}

TcxCustomLookupGrid* TcxLookupGridColumn::GetGrid() const {
    auto* columns = dynamic_cast<TcxLookupGridColumns*>(GetCollection());
    return columns ? columns->GetGrid() : nullptr;
}

void TcxLookupGridColumn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxLookupGridColumn*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    auto* columns = dynamic_cast<TcxLookupGridColumns*>(GetCollection());
    if (columns) columns->BeginUpdate();
    RestoreDefaults();
    if (other->captionAssigned_) SetCaption(other->caption_);
    SetHeaderAlignment(other->headerAlignment_);
    SetMinWidth(other->minWidth_);
    SetFixed(other->fixed_);
    SetSorting(other->sorting_);
    SetSortOrder(other->GetSortOrder());
    SetRepositoryItem(other->repositoryItem_);
    if (other->widthAssigned_) SetWidth(other->width_);
    if (columns) columns->EndUpdate();
}

void TcxLookupGridColumn::SetIndex(int index) {
    TCollectionItem::SetIndex(index);
    if (TcxCustomLookupGrid* grid = GetGrid()) grid->GetDataController()->UpdateItemIndexes();
}

void TcxLookupGridColumn::SetCaption(const std::string& value) {
    caption_ = value;
    captionAssigned_ = true;
    Notify();
}

void TcxLookupGridColumn::SetFixed(bool value) {
    if (fixed_ == value) return;
    fixed_ = value;
    Notify();
}

void TcxLookupGridColumn::SetHeaderAlignment(TAlignment value) {
    if (headerAlignment_ == value) return;
    headerAlignment_ = value;
    Notify();
}

void TcxLookupGridColumn::SetMinWidth(int value) {
    value = std::max(value, 0);
    if (minWidth_ == value) return;
    minWidth_ = value;
    if (widthAssigned_ && width_ < minWidth_) width_ = minWidth_;
    Notify();
}

void TcxLookupGridColumn::SetSorting(bool value) {
    if (sorting_ == value) return;
    sorting_ = value;
    Notify();
}

TcxDataSortOrder TcxLookupGridColumn::GetSortOrder() const {
    TcxCustomLookupGrid* grid = GetGrid();
    if (!grid || GetIndex() >= grid->GetDataController()->GetItemCount()) return soNone;
    return grid->GetDataController()->GetItemSortOrder(GetIndex());
}

void TcxLookupGridColumn::SetSortOrder(TcxDataSortOrder value) {
    TcxCustomLookupGrid* grid = GetGrid();
    if (!grid || GetIndex() >= grid->GetDataController()->GetItemCount()) return;
    grid->GetDataController()->SetItemSortOrder(GetIndex(), value);
}

void TcxLookupGridColumn::SetRepositoryItem(TcxEditRepositoryItem* value) {
    if (repositoryItem_ == value) return;
    if (repositoryItem_) repositoryItem_->RemoveListener(this);
    repositoryItem_ = value;
    if (repositoryItem_) repositoryItem_->AddListener(this);
    Notify();
}

int TcxLookupGridColumn::GetWidth() const {
    if (widthAssigned_) return width_;
    int width = GetDefaultWidth();
    AdjustWidth(width);
    return width;
}

void TcxLookupGridColumn::SetWidth(int value) {
    AdjustWidth(value);
    width_ = value;
    widthAssigned_ = true;
    Notify();
}

TcxCustomEditDefaultValuesProvider* TcxLookupGridColumn::GetDefaultValuesProvider() {
    if (!provider_)
        provider_.reset(CreateInstance<TcxCustomEditDefaultValuesProvider>(GetDefaultValuesProviderClass(), this));
    return provider_.get();
}

TcxCustomEditProperties* TcxLookupGridColumn::GetProperties() {
    TcxEditRepositoryItem* item = GetEffectiveRepositoryItem();
    return item ? item->GetProperties() : nullptr;
}

void TcxLookupGridColumn::AdjustWidth(int& width) const {
    width = std::max(width, minWidth_);
}

const TMetaClass* TcxLookupGridColumn::GetDefaultValuesProviderClass() const {
    return TcxLookupGridDefaultValuesProvider::StaticClass();
}

TcxValueTypeClass TcxLookupGridColumn::GetValueTypeClass() const {
    TcxCustomLookupGrid* grid = GetGrid();
    if (!grid) return nullptr;
    return grid->GetDataController()->GetItemValueTypeClass(GetIndex());
}

void TcxLookupGridColumn::SetValueTypeClass(TcxValueTypeClass value) {
    if (TcxCustomLookupGrid* grid = GetGrid()) grid->GetDataController()->ChangeValueTypeClass(GetIndex(), value);
}

TcxEditRepositoryItem* TcxLookupGridColumn::GetDefaultRepositoryItem() const {
    return GetEditDataRegisteredRepositoryItems()->GetDefaultRepositoryItem();
}

TFont* TcxLookupGridColumn::GetContentFont() const {
    TcxCustomLookupGrid* grid = GetGrid();
    return grid ? grid->GetViewInfo()->GetContentFont() : nullptr;
}

TcxEditRepositoryItem* TcxLookupGridColumn::GetDefaultOrInternalItem() {
    if (TcxEditRepositoryItem* item = GetDefaultRepositoryItem()) return item;
    if (!internalItem_) internalItem_ = std::make_unique<TcxEditRepositoryTextItem>(nullptr);
    return internalItem_.get();
}

TcxEditRepositoryItem* TcxLookupGridColumn::GetEffectiveRepositoryItem() {
    return repositoryItem_ ? repositoryItem_ : GetDefaultOrInternalItem();
}

bool TcxLookupGridColumn::IsLast() const {
    return GetCollection() && GetIndex() == GetCollection()->GetCount() - 1;
}

void TcxLookupGridColumn::RestoreDefaults() {
    captionAssigned_ = false;
    widthAssigned_ = false;
    headerAlignment_ = taLeftJustify;
    minWidth_ = 20;
    fixed_ = false;
    sorting_ = true;
    Notify();
}

void TcxLookupGridColumn::ItemRemoved(TcxEditRepositoryItem*) {
    SetRepositoryItem(nullptr);
}

void TcxLookupGridColumn::ItemPropertiesChanged(TcxEditRepositoryItem*) {
    Notify();
}

// ---- TcxLookupGridColumns ----

TcxLookupGridColumns::TcxLookupGridColumns(TcxCustomLookupGrid* grid, const TMetaClass* columnClass)
    : TCollection(columnClass), grid_(grid) {}

TPersistent* TcxLookupGridColumns::GetOwner() const {
    return grid_;
}

void TcxLookupGridColumns::BeginUpdate() {
    TCollection::BeginUpdate();
    if (grid_ && !grid_->IsBeingDestroyed()) grid_->BeginUpdate();
}

void TcxLookupGridColumns::EndUpdate() {
    TCollection::EndUpdate();
    if (grid_ && !grid_->IsBeingDestroyed()) grid_->EndUpdate();
}

void TcxLookupGridColumns::RestoreDefaults() {
    BeginUpdate();
    for (int i = 0; i < GetCount(); ++i)
        GetColumn(i)->RestoreDefaults();
    EndUpdate();
}

void TcxLookupGridColumns::Update(TCollectionItem*) {
    if (grid_ && !grid_->IsBeingLoaded() && !grid_->IsBeingDestroyed()) grid_->Change(1);
}

} // namespace zorvy
