// The bands model: rows of a band, the band with its options, position and styles, and the band
// collection with its derived lists.
#include "controls/grid/bandedview/Bands.h"

#include "controls/grid/bandedview/BandedColumn.h"
#include "controls/grid/bandedview/BandedTableView.h"
#include "platform/rtl/StringList.h"

#include <algorithm>

namespace zorvy {

namespace {

// Runs the step inside a view update; none while the view is being destroyed.
template <class F> void InBandsUpdate(TcxGridBandedTableView* view, F step, bool synchronize = true) {
    if (!view || view->IsBeingDestroyed()) {
        step();
        return;
    }
    view->BeginUpdate();
    try {
        step();
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    if (synchronize)
        view->EndUpdate();
    else
        view->EndUpdateWithoutSynchronization();
}

template <class T> int IndexIn(const std::vector<T*>& list, const T* item) {
    auto it = std::find(list.begin(), list.end(), item);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

} // namespace

// ---- options ----

void TcxGridBandCustomOptions::Changed(TcxGridViewChangeKind kind) {
    band_->Changed(kind);
}

void TcxGridBandOptions::Store(bool& field, bool value) {
    if (field == value) return;
    field = value;
    Changed(vckProperty);
}

void TcxGridBandOptions::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxGridBandOptions*>(source);
    if (!other) return TPersistent::Assign(source);
    SetHoldOwnColumnsOnly(other->holdOwnColumnsOnly_);
    SetMoving(other->moving_);
    SetSizing(other->sizing_);
}

// ---- band position ----

void TcxGridBandPosition::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxGridBandPosition*>(source);
    if (!other) return TPersistent::Assign(source);
    SetBandIndex(other->GetBandIndex());
    SetColIndex(other->GetColIndex());
}

int TcxGridBandPosition::GetBandIndex() const {
    TcxGridBand* parent = GetBand()->GetParentBand();
    return parent ? parent->GetIndex() : -1;
}

int TcxGridBandPosition::GetColIndex() const {
    TcxGridBand* band = GetBand();
    if (TcxGridBand* parent = band->GetParentBand()) return IndexIn(parent->childBands_, band);
    return band->GetBands()->IndexOfRoot(band);
}

bool TcxGridBandPosition::OnlyStores() const {
    TcxGridBandedTableView* view = GetBand()->GetGridView();
    return view && ((view->HasState(csLoading) && !GetBand()->IsReapplying()) || view->IsAssigningBands());
}

void TcxGridBandPosition::SaveParams() {
    storedBandIndex_ = GetBandIndex();
    storedColIndex_ = GetColIndex();
}

void TcxGridBandPosition::SetBandIndex(int value) {
    TcxGridBand* band = GetBand();
    TcxGridBandedTableView* view = band->GetGridView();
    const bool parentDestroying = band->GetParentBand() && band->GetParentBand()->IsDestroying();
    if (!band->IsDestroying() && !parentDestroying && view) {
        const bool updating = view->HasState(csUpdating);
        if (OnlyStores() || updating) storedBandIndex_ = value;
        if (OnlyStores()) return;
    }
    band->SetParentBandIndex(value);
}

void TcxGridBandPosition::SetColIndex(int value) {
    TcxGridBand* band = GetBand();
    TcxGridBandedTableView* view = band->GetGridView();
    if (view && (OnlyStores() || view->HasState(csUpdating))) {
        storedColIndex_ = value;
        return;
    }
    if (value == GetColIndex()) return;
    if (TcxGridBand* parent = band->GetParentBand()) {
        parent->MoveChildBand(band, value);
        if (band->IsActuallyVisible()) band->GetBands()->RefreshVisibleBottomItems();
        band->Changed(vckSize);
    } else if (!view || !view->IsBeingDestroyed()) {
        band->MoveRootBand(value);
    }
}

// ---- band styles ----

TcxGridBandStyles::TcxGridBandStyles(TcxGridBand* band) : TcxCustomGridStyles(band), band_(band) {}

void TcxGridBandStyles::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridBandStyles*>(source)) OnGetHeaderStyle = other->OnGetHeaderStyle;
    TcxCustomGridStyles::Assign(source);
}

TcxCustomGridView* TcxGridBandStyles::GetGridView() const {
    return band_->GetGridView();
}

TcxStyle* TcxGridBandStyles::GetBackground() const { return dynamic_cast<TcxStyle*>(GetStyle(bsBackground)); }
TcxStyle* TcxGridBandStyles::GetContent() const { return dynamic_cast<TcxStyle*>(GetStyle(bsContent)); }
TcxStyle* TcxGridBandStyles::GetHeader() const { return dynamic_cast<TcxStyle*>(GetStyle(bsHeader)); }

void TcxGridBandStyles::GetHeaderParams(TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (OnGetHeaderStyle) OnGetHeaderStyle(band_->GetGridView(), band_, style);
    GetViewParams(bsHeader, nullptr, style, params);
}

void TcxGridBandStyles::GetDefaultViewParams(int index, void* data, TcxPartParams& params) {
    TcxGridBandedTableView* view = band_->GetGridView();
    if (!view) return TcxCustomGridStyles::GetDefaultViewParams(index, data, params);
    switch (index) {
    case bsBackground:
        view->GetStyles()->GetViewParams(vsBandBackground, nullptr, nullptr, params);
        break;
    case bsContent:
        view->GetStyles()->GetRecordContentParams(static_cast<TcxCustomGridRecord*>(data), nullptr, params);
        break;
    case bsHeader:
        view->GetStyles()->GetBandHeaderParams(band_, params);
        break;
    default:
        TcxCustomGridStyles::GetDefaultViewParams(index, data, params);
    }
}

// ---- rows ----

int TcxGridBandRow::IndexOf(const TcxGridBandedColumn* column) const {
    return IndexIn(columns_, column);
}

int TcxGridBandRow::GetIndex() const {
    return owner_->IndexOf(this);
}

int TcxGridBandRow::GetVisibleIndex() const {
    return owner_->VisibleIndexOf(this);
}

bool TcxGridBandRow::IsLast() const {
    return GetVisibleIndex() >= 0 && GetVisibleIndex() == owner_->GetVisibleCount() - 1;
}

int TcxGridBandRow::GetLineCount() const {
    int result = 1;
    for (TcxGridBandedColumn* column : visibleColumns_) result = std::max(result, column->GetPosition()->GetLineCount());
    return result;
}

int TcxGridBandRow::GetLineOffset() const {
    int result = 0;
    for (int i = 0; i < owner_->GetVisibleCount() && owner_->GetVisibleItem(i) != this; ++i)
        result += owner_->GetVisibleItem(i)->GetLineCount();
    return result;
}

int TcxGridBandRow::GetWidth() const {
    int result = 0;
    for (TcxGridBandedColumn* column : visibleColumns_) result += column->GetWidth();
    return result;
}

void TcxGridBandRow::RefreshVisibleItems() {
    visibleColumns_.clear();
    for (TcxGridBandedColumn* column : columns_) {
        TcxGridBandedColumnPosition* position = column->GetPosition();
        if (column->GetVisible()) {
            position->visibleColIndex_ = static_cast<int>(visibleColumns_.size());
            visibleColumns_.push_back(column);
        } else {
            position->visibleColIndex_ = -1;
        }
    }
}

int TcxGridBandRows::IndexOf(const TcxGridBandRow* row) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].get() == row) return static_cast<int>(i);
    return -1;
}

int TcxGridBandRows::VisibleIndexOf(const TcxGridBandRow* row) const {
    return IndexIn(visibleRows_, row);
}

int TcxGridBandRows::GetLineCount() const {
    int result = 0;
    for (TcxGridBandRow* row : visibleRows_) result += row->GetLineCount();
    return result;
}

void TcxGridBandRows::RefreshVisibleItems() {
    visibleRows_.clear();
    for (const auto& row : rows_)
        if (row->IsVisible()) visibleRows_.push_back(row.get());
}

TcxGridBandRow* TcxGridBandRows::Insert(int index) {
    index = std::clamp(index, 0, GetCount());
    auto* row = new TcxGridBandRow(this);
    rows_.insert(rows_.begin() + index, std::unique_ptr<TcxGridBandRow>(row));
    RefreshVisibleItems();
    return row;
}

void TcxGridBandRows::RemoveColumnFromRow(TcxGridBandedColumn* column, TcxGridBandRow* row) {
    std::erase(row->columns_, column);
    column->GetPosition()->row_ = nullptr;
    column->GetPosition()->visibleColIndex_ = -1;
    if (row->columns_.empty()) {
        rows_.erase(rows_.begin() + IndexOf(row));
    } else {
        row->RefreshVisibleItems();
    }
    RefreshVisibleItems();
}

void TcxGridBandRows::MoveColumn(TcxGridBandedColumn* column, int rowIndex, int colIndex) {
    TcxGridBandedColumnPosition* position = column->GetPosition();
    TcxGridBandRow* current = position->row_;
    const int currentIndex = current ? IndexOf(current) : -1;
    if (current && rowIndex == currentIndex) {
        if (colIndex == current->IndexOf(column)) return;
        if (colIndex < 0) {
            RemoveColumnFromRow(column, current);
            return;
        }
        std::erase(current->columns_, column);
        colIndex = std::clamp(colIndex, 0, current->GetCount());
        current->columns_.insert(current->columns_.begin() + colIndex, column);
        current->RefreshVisibleItems();
        return;
    }
    if (current) {
        const bool freed = current->GetCount() == 1;
        RemoveColumnFromRow(column, current);
        if (freed && currentIndex < rowIndex) --rowIndex;
    }
    if (rowIndex < 0) return;
    rowIndex = std::min(rowIndex, GetCount());
    TcxGridBandRow* row = rowIndex == GetCount() ? Insert(rowIndex) : GetItem(rowIndex);
    colIndex = colIndex < 0 ? row->GetCount() : std::min(colIndex, row->GetCount());
    row->columns_.insert(row->columns_.begin() + colIndex, column);
    position->row_ = row;
    row->RefreshVisibleItems();
    RefreshVisibleItems();
}

// ---- band ----

TcxGridBand::TcxGridBand(TCollection* collection) : TCollectionItem(collection) {
    options_.reset(CreateInstance<TcxGridBandOptions>(GetOptionsClass(), this));
    position_ = std::make_unique<TcxGridBandPosition>(this);
    rows_ = std::make_unique<TcxGridBandRows>(this);
    styles_.reset(CreateInstance<TcxGridBandStyles>(GetStylesClass(), this));
    if (TcxGridBands* bands = GetBands()) bands->AddBand(this);
}

TcxGridBand::~TcxGridBand() {
    destroying_ = true;
    TcxGridBandedTableView* view = GetGridView();
    TcxGridBands* bands = GetBands();
    if (view && !view->IsBeingDestroyed()) {
        InBandsUpdate(
            view,
            [&] {
                MoveChildBandsToParent();
                for (TcxGridBandedColumn* column : std::vector<TcxGridBandedColumn*>(columns_))
                    column->GetPosition()->SetBandIndex(-1);
                position_->SetBandIndex(-1);
            },
            false);
    } else {
        for (TcxGridBandedColumn* column : columns_) {
            column->GetPosition()->band_ = nullptr;
            column->GetPosition()->row_ = nullptr;
        }
    }
    rows_.reset();
    styles_.reset();
    position_.reset();
    options_.reset();
    if (bands) bands->RemoveBand(this);
}

TcxGridBands* TcxGridBand::GetBands() const {
    return static_cast<TcxGridBands*>(GetCollection());
}

TcxGridBandedTableView* TcxGridBand::GetGridView() const {
    TcxGridBands* bands = GetBands();
    return bands ? bands->GetGridView() : nullptr;
}

void TcxGridBand::Changed(TcxGridViewChangeKind kind) {
    if (TcxGridBandedTableView* view = GetGridView()) view->Changed(kind);
}

void TcxGridBand::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    Changed(vckLayout);
}

void TcxGridBand::SetHeaderAlignmentHorz(TAlignment value) {
    if (headerAlignmentHorz_ == value) return;
    headerAlignmentHorz_ = value;
    Changed(vckLayout);
}

void TcxGridBand::SetHeaderAlignmentVert(TcxAlignmentVert value) {
    if (headerAlignmentVert_ == value) return;
    headerAlignmentVert_ = value;
    Changed(vckLayout);
}

void TcxGridBand::SetTag(int value) {
    if (tag_ == value) return;
    tag_ = value;
    Changed(vckProperty);
}

void TcxGridBand::SetWidth(int value) {
    value = std::max(value, 0);
    if (width_ == value) return;
    width_ = value;
    Changed(vckSize);
}

void TcxGridBand::SetVisibleForCustomization(bool value) {
    if (visibleForCustomization_ == value) return;
    visibleForCustomization_ = value;
    if (TcxGridBandedTableView* view = GetGridView()) view->ControllerUpdate();
    Changed(vckProperty);
}

void TcxGridBand::SetFixedKind(TcxGridBandFixedKind value) {
    if (fixedKind_ == value) return;
    TcxGridBandedTableView* view = GetGridView();
    InBandsUpdate(view, [&] {
        fixedKind_ = value;
        for (TcxGridBand* child : std::vector<TcxGridBand*>(childBands_)) child->SetFixedKind(value);
        if (view) view->RefreshVisibleItemList();
        GetBands()->RefreshVisibleItems();
        if (parentBand_ && parentBand_->fixedKind_ != value) position_->SetBandIndex(-1);
    });
    Changed(vckProperty);
}

void TcxGridBand::SetVisible(bool value) {
    if (visible_ == value) return;
    TcxGridBandedTableView* view = GetGridView();
    InBandsUpdate(view, [&] {
        SaveColumnsVisibility();
        visible_ = value;
        if (parentBand_) parentBand_->RefreshVisibleChildBands();
        if (view) view->RefreshVisibleItemList();
        GetBands()->RefreshVisibleItems();
        CheckColumnsVisibility();
        if (view) view->ControllerUpdate();
    });
    Changed(vckProperty);
}

void TcxGridBand::SetIndex(int index) {
    const int oldIndex = GetIndex();
    TCollectionItem::SetIndex(index);
    if (GetIndex() == oldIndex) return;
    TcxGridBands* bands = GetBands();
    bands->RefreshVisibleItems();
    bands->RefreshRootItems();
    bands->RefreshBottomItems();
    Changed(vckProperty);
}

std::string TcxGridBand::GetDisplayName() const {
    return caption_.empty() ? "<Empty caption>" : caption_;
}

void TcxGridBand::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxGridBand*>(source);
    if (!other) return TCollectionItem::Assign(source);
    SetHeaderAlignmentHorz(other->headerAlignmentHorz_);
    SetHeaderAlignmentVert(other->headerAlignmentVert_);
    SetCaption(other->caption_);
    SetFixedKind(other->fixedKind_);
    options_->Assign(other->options_.get());
    position_->Assign(other->position_.get());
    styles_->Assign(other->styles_.get());
    SetTag(other->tag_);
    SetVisible(other->visible_);
    SetVisibleForCustomization(other->visibleForCustomization_);
    SetWidth(other->width_);
    OnHeaderClick = other->OnHeaderClick;
    OnGetStoredProperties = other->OnGetStoredProperties;
    OnGetStoredPropertyValue = other->OnGetStoredPropertyValue;
    OnSetStoredPropertyValue = other->OnSetStoredPropertyValue;
}

// ---- structure ----

void TcxGridBand::RefreshVisibleChildBands() {
    visibleChildBands_.clear();
    for (TcxGridBand* child : childBands_)
        if (child->visible_) visibleChildBands_.push_back(child);
}

void TcxGridBand::ForEachColumnInSubtree(const std::function<void(TcxGridBandedColumn*)>& proc) const {
    for (TcxGridBandedColumn* column : columns_) proc(column);
    for (TcxGridBand* child : childBands_) child->ForEachColumnInSubtree(proc);
}

void TcxGridBand::SaveColumnsVisibility() {
    ForEachColumnInSubtree([](TcxGridBandedColumn* column) { column->StoreActualVisibility(); });
}

void TcxGridBand::CheckColumnsVisibility() {
    TcxGridBandedTableView* view = GetGridView();
    if (!view) return;
    std::vector<TcxGridBandedColumn*> changed;
    ForEachColumnInSubtree([&](TcxGridBandedColumn* column) {
        if (column->ActualVisibilityChanged()) changed.push_back(column);
    });
    for (TcxGridBandedColumn* column : changed) view->ItemVisibilityChanged(column, column->GetActuallyVisible());
}

void TcxGridBand::AddColumn(TcxGridBandedColumn* column) {
    columns_.push_back(column);
    column->GetPosition()->band_ = this;
    column->GetPosition()->SetRowIndex(0);
}

void TcxGridBand::RemoveColumn(TcxGridBandedColumn* column) {
    TcxGridBandedColumnPosition* position = column->GetPosition();
    if (position->row_) rows_->MoveColumn(column, -1, -1);
    position->band_ = nullptr;
    position->visibleColIndex_ = -1;
    std::erase(columns_, column);
}

void TcxGridBand::MoveColumn(TcxGridBandedColumn* column, int rowIndex, int colIndex) {
    rows_->MoveColumn(column, rowIndex, colIndex);
    if (TcxGridBandedTableView* view = GetGridView()) view->RefreshVisibleItemList();
}

void TcxGridBand::AddChildBand(TcxGridBand* band) {
    const bool wasBottom = IsBottom();
    band->parentBand_ = this;
    childBands_.push_back(band);
    RefreshVisibleChildBands();
    if (wasBottom && !columns_.empty()) {
        GetBands()->RefreshBottomItems();
        TcxGridBand* target = band;
        while (!target->IsBottom()) target = target->childBands_.front();
        // Row by row and column by column, keeping their row and column numbers.
        std::vector<std::vector<TcxGridBandedColumn*>> rows;
        for (int r = 0; r < rows_->GetCount(); ++r) rows.push_back(rows_->GetItem(r)->columns_);
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c) {
                TcxGridBandedColumnPosition* position = rows[r][c]->GetPosition();
                position->SetBandIndex(target->GetIndex());
                position->SetRowIndex(static_cast<int>(r));
                position->SetColIndex(static_cast<int>(c));
            }
        // Columns that sit in no row (stored positions not applied yet) follow as well.
        for (TcxGridBandedColumn* column : std::vector<TcxGridBandedColumn*>(columns_))
            column->GetPosition()->SetBandIndex(target->GetIndex());
    } else if (wasBottom) {
        GetBands()->RefreshBottomItems();
    }
    band->SetFixedKind(fixedKind_);
}

void TcxGridBand::RemoveChildBand(TcxGridBand* band) {
    band->parentBand_ = nullptr;
    std::erase(childBands_, band);
    RefreshVisibleChildBands();
    if (childBands_.empty()) GetBands()->RefreshBottomItems();
}

void TcxGridBand::MoveChildBand(TcxGridBand* band, int index) {
    if (childBands_.empty()) return;
    index = std::clamp(index, 0, GetChildBandCount() - 1);
    std::erase(childBands_, band);
    childBands_.insert(childBands_.begin() + index, band);
    RefreshVisibleChildBands();
}

void TcxGridBand::MoveRootBand(int rootIndex) {
    TcxGridBands* bands = GetBands();
    if (bands->GetRootItemCount() == 0) return;
    rootIndex = std::clamp(rootIndex, 0, bands->GetRootItemCount() - 1);
    SetIndex(bands->GetRootItem(rootIndex)->GetIndex());
}

void TcxGridBand::MoveChildBandsToParent() {
    const int parentIndex = position_->GetBandIndex();
    const int colIndex = position_->GetColIndex();
    for (TcxGridBand* child : std::vector<TcxGridBand*>(childBands_.rbegin(), childBands_.rend())) {
        child->position_->SetBandIndex(parentIndex);
        child->position_->SetColIndex(colIndex);
    }
}

void TcxGridBand::SetParentBandIndex(int value) {
    TcxGridBands* bands = GetBands();
    TcxGridBandedTableView* view = GetGridView();
    const bool viewDestroying = view && view->IsBeingDestroyed();
    TcxGridBand* newParent = nullptr;
    if (value >= 0) {
        if (value >= bands->GetCount() || value == GetIndex()) {
            if (!viewDestroying) return;
        } else {
            newParent = bands->GetItem(value);
        }
    }
    if (value < -1 && !viewDestroying) return;
    if (newParent && IsParentOf(newParent)) MoveChildBandsToParent();
    if (newParent == parentBand_) return;
    SaveColumnsVisibility();
    InBandsUpdate(view, [&] {
        if (parentBand_) parentBand_->RemoveChildBand(this);
        if (newParent) newParent->AddChildBand(this);
        bands->RefreshRootItems();
        bands->RefreshVisibleItems();
    });
    CheckColumnsVisibility();
    Changed(vckProperty);
}

// ---- queries ----

bool TcxGridBand::IsEmpty() const {
    return IsBottom() ? rows_->GetVisibleCount() == 0 : visibleChildBands_.empty();
}

int TcxGridBand::GetLevel() const {
    int level = 0;
    for (TcxGridBand* band = parentBand_; band; band = band->parentBand_) ++level;
    return level;
}

TcxGridBand* TcxGridBand::GetRootParentBand() const {
    const TcxGridBand* band = this;
    while (band->parentBand_) band = band->parentBand_;
    return const_cast<TcxGridBand*>(band);
}

TcxGridBand* TcxGridBand::GetSizedParentBand() const {
    for (TcxGridBand* band = parentBand_; band; band = band->parentBand_)
        if (band->width_ != 0) return band;
    return nullptr;
}

TcxGridBand* TcxGridBand::GetFirstVisibleBottomBand() const {
    const TcxGridBand* band = this;
    while (!band->visibleChildBands_.empty()) band = band->visibleChildBands_.front();
    return const_cast<TcxGridBand*>(band);
}

bool TcxGridBand::IsParentOf(const TcxGridBand* band) const {
    for (TcxGridBand* parent = band->parentBand_; parent; parent = parent->parentBand_)
        if (parent == this) return true;
    return false;
}

int TcxGridBand::GetVisibleIndex() const { return GetBands()->IndexOfVisible(this); }
int TcxGridBand::GetVisibleBottomIndex() const { return GetBands()->IndexOfVisibleBottom(this); }
int TcxGridBand::GetVisibleRootIndex() const { return GetBands()->IndexOfVisibleRoot(this); }
int TcxGridBand::GetRootIndex() const { return GetBands()->IndexOfRoot(this); }

bool TcxGridBand::IsLastVisibleSibling() const {
    if (parentBand_) {
        const auto& siblings = parentBand_->visibleChildBands_;
        return !siblings.empty() && siblings.back() == this;
    }
    TcxGridBands* bands = GetBands();
    return bands->GetVisibleRootItemCount() > 0 &&
           bands->GetVisibleRootItem(bands->GetVisibleRootItemCount() - 1) == this;
}

bool TcxGridBand::IsRightmostInHierarchy() const {
    for (const TcxGridBand* band = this; band; band = band->parentBand_)
        if (!band->IsLastVisibleSibling()) return false;
    return true;
}

int TcxGridBand::GetMinWidth() const {
    if (IsSizingDisabled()) return width_;
    return IsEmpty() ? 20 : 0;
}

TObject* TcxGridBand::GetContentItem(int index) const {
    if (IsBottom()) return GetColumn(index);
    return GetChildBand(index);
}

bool TcxGridBand::IsActuallyVisible() const {
    return visible_ && (!parentBand_ || parentBand_->IsActuallyVisible());
}

bool TcxGridBand::CanHide() const {
    return !IsRoot() || GetBands()->GetVisibleRootItemCount() > 1;
}

bool TcxGridBand::CanMove() const {
    TcxGridBandedTableView* view = GetGridView();
    if (view && view->HasState(csDesigning)) return true;
    return view && view->GetOptionsCustomize()->GetBandMoving() && options_->GetMoving();
}

bool TcxGridBand::CanSize() const {
    TcxGridBandedTableView* view = GetGridView();
    return !IsSizingDisabled() && view && view->GetOptionsCustomize()->GetBandSizing();
}

void TcxGridBand::DoHeaderClick() {
    if (OnHeaderClick) OnHeaderClick(this);
}

// ---- stored layout ----

std::string TcxGridBand::GetStoredObjectName() const {
    return "Band" + std::to_string(id_);
}

bool TcxGridBand::GetStoredProperties(TStrings* properties) {
    for (const char* name : {"Width", "Visible", "Index", "BandIndex", "ColIndex"}) properties->Add(name);
    if (OnGetStoredProperties) OnGetStoredProperties(this, properties);
    return true;
}

void TcxGridBand::GetStoredPropertyValue(const std::string& name, Variant& value) {
    if (name == "Width")
        value = Variant(width_);
    else if (name == "Visible")
        value = Variant(visible_);
    else if (name == "Index")
        value = Variant(GetIndex());
    else if (name == "BandIndex")
        value = Variant(position_->GetBandIndex());
    else if (name == "ColIndex")
        value = Variant(position_->GetColIndex());
    else if (OnGetStoredPropertyValue)
        OnGetStoredPropertyValue(this, name, value);
}

namespace {

// A stored number: anything that does not read as one is ignored.
bool StoredInt(const Variant& value, int& result) {
    try {
        result = value.AsInteger();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

void TcxGridBand::SetStoredPropertyValue(const std::string& name, const Variant& value) {
    int number = 0;
    if (name == "Width") {
        if (StoredInt(value, number)) SetWidth(number);
    } else if (name == "Visible") {
        try {
            SetVisible(value.AsBoolean());
        } catch (const std::exception&) {
        }
    } else if (name == "Index") {
        if (StoredInt(value, number)) SetIndex(std::clamp(number, 0, GetBands()->GetCount() - 1));
    } else if (name == "BandIndex") {
        if (StoredInt(value, number)) position_->SetStoredBandIndex(number);
    } else if (name == "ColIndex") {
        if (StoredInt(value, number)) position_->SetStoredColIndex(number);
    } else if (OnSetStoredPropertyValue) {
        OnSetStoredPropertyValue(this, name, value);
    }
}

// ---- collection ----

TcxGridBands::TcxGridBands(TcxGridBandedTableView* gridView)
    : TOwnedCollection(gridView, TcxGridBand::StaticClass()), gridView_(gridView) {}

TcxGridBands::~TcxGridBands() {
    gridView_ = nullptr;
    while (GetCount() > 0) delete GetItem(GetCount() - 1);
}

TcxGridBand* TcxGridBands::FindItemByID(int id) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetItem(i)->GetID() == id) return GetItem(i);
    return nullptr;
}

int TcxGridBands::IndexOfVisible(const TcxGridBand* band) const { return IndexIn(visibleItems_, band); }
int TcxGridBands::IndexOfVisibleRoot(const TcxGridBand* band) const { return IndexIn(visibleRootItems_, band); }
int TcxGridBands::IndexOfVisibleBottom(const TcxGridBand* band) const { return IndexIn(visibleBottomItems_, band); }
int TcxGridBands::IndexOfRoot(const TcxGridBand* band) const { return IndexIn(rootItems_, band); }

int TcxGridBands::GetLineCount() const {
    int result = 0;
    for (TcxGridBand* band : visibleBottomItems_) result = std::max(result, band->GetRows()->GetLineCount());
    return result;
}

int TcxGridBands::GetVisibleRowCount() const {
    int result = 0;
    for (TcxGridBand* band : visibleBottomItems_) result = std::max(result, band->GetRows()->GetVisibleCount());
    return result;
}

TcxGridBand* TcxGridBands::GetFirstVisibleBottomBandWithRow() const {
    for (TcxGridBand* band : visibleBottomItems_)
        if (band->GetRows()->GetVisibleCount() > 0) return band;
    return nullptr;
}

TcxGridBand* TcxGridBands::GetLastVisibleBottomBandWithRow() const {
    for (auto it = visibleBottomItems_.rbegin(); it != visibleBottomItems_.rend(); ++it)
        if ((*it)->GetRows()->GetVisibleCount() > 0) return *it;
    return nullptr;
}

bool TcxGridBands::HasFixedKind(TcxGridBandFixedKind kind) const {
    switch (kind) {
    case fkLeft:
        return visibleLeftFixedCount_ > 0;
    case fkRight:
        return visibleRightFixedCount_ > 0;
    default:
        return GetVisibleCount() > visibleLeftFixedCount_ + visibleRightFixedCount_;
    }
}

int TcxGridBands::GetFirstVisibleIndex(TcxGridBandFixedKind kind) const {
    switch (kind) {
    case fkLeft:
        return 0;
    case fkRight:
        return GetVisibleCount() - visibleRightFixedCount_;
    default:
        return visibleLeftFixedCount_;
    }
}

int TcxGridBands::GetLastVisibleIndex(TcxGridBandFixedKind kind) const {
    switch (kind) {
    case fkLeft:
        return visibleLeftFixedCount_ - 1;
    case fkRight:
        return GetVisibleCount() - 1;
    default:
        return GetVisibleCount() - visibleRightFixedCount_ - 1;
    }
}

int TcxGridBands::GetFirstVisibleRootIndex(TcxGridBandFixedKind kind) const {
    switch (kind) {
    case fkLeft:
        return 0;
    case fkRight:
        return GetVisibleRootItemCount() - visibleRootRightFixedCount_;
    default:
        return visibleRootLeftFixedCount_;
    }
}

int TcxGridBands::GetLastVisibleRootIndex(TcxGridBandFixedKind kind) const {
    switch (kind) {
    case fkLeft:
        return visibleRootLeftFixedCount_ - 1;
    case fkRight:
        return GetVisibleRootItemCount() - 1;
    default:
        return GetVisibleRootItemCount() - visibleRootRightFixedCount_ - 1;
    }
}

void TcxGridBands::AddBand(TcxGridBand* band) {
    band->id_ = nextID_++;
    RefreshVisibleItems();
    RefreshRootItems();
    RefreshBottomItems();
    if (gridView_) {
        gridView_->ControllerUpdate();
        gridView_->SynchronizeViews(true);
    }
}

void TcxGridBands::RemoveBand(TcxGridBand* band) {
    // The highest ID comes back for the next band; other IDs are never given twice.
    if (band->id_ + 1 == nextID_) --nextID_;
    if (!gridView_ || gridView_->IsBeingDestroyed()) return;
    RefreshVisibleItems();
    RefreshRootItems();
    RefreshBottomItems();
    gridView_->ControllerUpdate();
    gridView_->SynchronizeViews(true);
}

void TcxGridBands::RefreshRootItems() {
    rootItems_.clear();
    for (int i = 0; i < GetCount(); ++i)
        if (IsLive(GetItem(i)) && GetItem(i)->IsRoot()) rootItems_.push_back(GetItem(i));
}

void TcxGridBands::RefreshBottomItems() {
    bottomItems_.clear();
    for (int i = 0; i < GetCount(); ++i)
        if (IsLive(GetItem(i)) && GetItem(i)->IsBottom()) bottomItems_.push_back(GetItem(i));
}

void TcxGridBands::RefreshVisibleBottomItems() {
    visibleBottomItems_.clear();
    std::function<void(TcxGridBand*)> descend = [&](TcxGridBand* band) {
        if (band->IsVisibleBottom()) {
            visibleBottomItems_.push_back(band);
            return;
        }
        for (int i = 0; i < band->GetVisibleChildBandCount(); ++i) descend(band->GetVisibleChildBand(i));
    };
    for (TcxGridBand* root : visibleRootItems_) descend(root);
}

void TcxGridBands::RefreshVisibleItems() {
    visibleItems_.clear();
    visibleLeftFixedCount_ = visibleRightFixedCount_ = 0;
    for (int i = 0; i < GetCount(); ++i) {
        TcxGridBand* band = GetItem(i);
        if (!IsLive(band) || !band->IsActuallyVisible()) continue;
        switch (band->GetFixedKind()) {
        case fkLeft:
            visibleItems_.insert(visibleItems_.begin() + visibleLeftFixedCount_++, band);
            break;
        case fkRight:
            visibleItems_.push_back(band);
            ++visibleRightFixedCount_;
            break;
        default:
            visibleItems_.insert(visibleItems_.end() - visibleRightFixedCount_, band);
        }
    }
    visibleRootItems_.clear();
    visibleRootLeftFixedCount_ = visibleRootRightFixedCount_ = 0;
    for (TcxGridBand* band : visibleItems_) {
        if (!band->IsRoot()) continue;
        visibleRootItems_.push_back(band);
        if (band->GetFixedKind() == fkLeft) ++visibleRootLeftFixedCount_;
        if (band->GetFixedKind() == fkRight) ++visibleRootRightFixedCount_;
    }
    RefreshVisibleBottomItems();
    if (gridView_ && !gridView_->IsBeingDestroyed()) gridView_->SizeChanged();
}

void TcxGridBands::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxGridBands*>(source);
    if (!other) return TOwnedCollection::Assign(source);
    if (gridView_) gridView_->SetAssigningBands(true);
    try {
        for (int i = 0; i < other->GetCount(); ++i) {
            TcxGridBand* from = other->GetItem(i);
            TcxGridBand* band = FindItemByID(from->GetID());
            if (!band) {
                band = Add();
                if (band->id_ + 1 == nextID_) --nextID_;
                band->id_ = from->GetID();
            }
            band->SetIndex(i);
            band->Assign(from);
        }
        while (GetCount() > other->GetCount()) delete GetItem(GetCount() - 1);
    } catch (...) {
        if (gridView_) gridView_->SetAssigningBands(false);
        throw;
    }
    if (gridView_) {
        gridView_->SetAssigningBands(false);
        gridView_->ReapplyBandPositions();
    }
    nextID_ = other->nextID_;
}

TObject* TcxGridBands::CreateChild(const std::string& objectName, const std::string& className) {
    if (className != TcxGridBand::StaticClass()->ClassName()) return nullptr;
    // "Band" + the ID the layout was stored with: the band keeps it when it is free.
    TcxGridBand* band = Add();
    int id = -1;
    if (objectName.rfind("Band", 0) == 0) {
        try {
            size_t used = 0;
            const std::string digits = objectName.substr(4);
            id = std::stoi(digits, &used);
            if (used != digits.size() || digits.empty()) id = -1;
        } catch (const std::exception&) {
            id = -1;
        }
    }
    if (id >= 0 && !FindItemByID(id)) {
        if (band->id_ + 1 == nextID_) --nextID_;
        band->id_ = id;
        nextID_ = std::max(nextID_, id + 1);
    }
    return band;
}

void TcxGridBands::DeleteChild(const std::string&, TObject* object) {
    delete object;
}

void TcxGridBands::ListChildren(TStringList* children) {
    for (int i = 0; i < GetCount(); ++i) children->AddObject(GetItem(i)->GetStoredObjectName(), GetItem(i));
}

} // namespace zorvy
