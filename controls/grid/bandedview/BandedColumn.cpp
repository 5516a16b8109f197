// The banded column: its position in bands and rows, its options and its stored layout.
#include "controls/grid/bandedview/BandedColumn.h"

#include "controls/grid/bandedview/BandedTableView.h"
#include "platform/rtl/StringList.h"

#include <algorithm>

namespace zorvy {

// ---- position ----

TcxGridBandedColumn* TcxGridBandedColumnPosition::GetColumn() const {
    return static_cast<TcxGridBandedColumn*>(GetItem());
}

void TcxGridBandedColumnPosition::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxGridBandedColumnPosition*>(source);
    if (!other) return TcxCustomGridTableItemCustomOptions::Assign(source);
    SetBandIndex(other->GetBandIndex());
    SetRowIndex(other->GetRowIndex());
    SetColIndex(other->GetColIndex());
    SetLineCount(other->lineCount_);
}

int TcxGridBandedColumnPosition::GetRowIndex() const {
    return band_ && row_ ? row_->GetIndex() : -1;
}

int TcxGridBandedColumnPosition::GetColIndex() const {
    return row_ ? row_->IndexOf(GetColumn()) : -1;
}

int TcxGridBandedColumnPosition::GetVisibleBandIndex() const {
    return band_ ? band_->GetVisibleIndex() : -1;
}

int TcxGridBandedColumnPosition::GetVisibleRowIndex() const {
    return row_ ? row_->GetVisibleIndex() : -1;
}

bool TcxGridBandedColumnPosition::OnlyStores() const {
    TcxGridBandedColumn* column = GetColumn();
    TcxCustomGridTableView* view = column->TcxCustomGridTableItem::GetGridView();
    const bool loading = (column->HasState(csLoading) && !ignoreLoading_) || (view && view->HasState(csLoading));
    return loading || column->HasState(csUpdating) || (view && view->IsAssigningItems() && !ignoreLoading_);
}

void TcxGridBandedColumnPosition::SaveParams(bool bandIndexOnly) {
    storedBandIndex_ = GetBandIndex();
    if (bandIndexOnly) return;
    storedRowIndex_ = GetRowIndex();
    storedColIndex_ = GetColIndex();
}

void TcxGridBandedColumnPosition::SizeChanged() {
    GetColumn()->Changed(vckSize);
}

void TcxGridBandedColumnPosition::SetBandIndex(int value) {
    if (value == GetBandIndex()) return;
    TcxGridBandedColumn* column = GetColumn();
    TcxGridBandedTableView* view = column->GetGridView();
    TcxGridBand* target = nullptr;
    if (view && value >= 0 && value < view->GetBands()->GetCount()) target = view->GetBands()->GetItem(value);
    if (target == band_) return;
    if (target && !target->IsBottom()) {
        // The target's children become root bands right after its root ancestor.
        const int rootColIndex = target->GetRootParentBand()->GetPosition()->GetColIndex();
        for (int i = target->GetChildBandCount() - 1; i >= 0; --i) {
            TcxGridBand* child = target->GetChildBand(i);
            child->GetPosition()->SetBandIndex(-1);
            child->GetPosition()->SetColIndex(rootColIndex + 1);
        }
    }
    const bool wasVisible = column->GetActuallyVisible();
    auto step = [&] {
        if (band_) band_->RemoveColumn(column);
        if (target) target->AddColumn(column);
        if (column->HasState(csReading) || column->HasState(csUpdating)) storedBandIndex_ = GetBandIndex();
    };
    if (view && !view->IsBeingDestroyed()) {
        view->BeginUpdate();
        try {
            step();
        } catch (...) {
            view->EndUpdate();
            throw;
        }
        if (column->GetActuallyVisible() == wasVisible)
            view->RefreshVisibleItemList();
        else
            view->ItemVisibilityChanged(column, column->GetActuallyVisible());
        view->EndUpdate();
    } else {
        step();
    }
    SizeChanged();
}

void TcxGridBandedColumnPosition::SetRowIndex(int value) {
    if (!band_ || (value == GetRowIndex() && row_)) return;
    if (OnlyStores()) {
        storedRowIndex_ = value;
        return;
    }
    if (value < 0) return;
    band_->MoveColumn(GetColumn(), value, -1);
    SizeChanged();
}

void TcxGridBandedColumnPosition::SetColIndex(int value) {
    if (!band_) return;
    if (OnlyStores()) {
        storedColIndex_ = value;
        return;
    }
    if (value < 0 || !row_) return;
    band_->MoveColumn(GetColumn(), GetRowIndex(), value);
    SizeChanged();
}

void TcxGridBandedColumnPosition::SetLineCount(int value) {
    value = std::max(value, 1);
    if (lineCount_ == value) return;
    lineCount_ = value;
    SizeChanged();
}

// ---- options ----

void TcxGridBandedColumnOptions::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridBandedColumnOptions*>(source)) SetVertSizing(other->vertSizing_);
    TcxGridColumnOptions::Assign(source);
}

void TcxGridBandedColumnOptions::SetVertSizing(bool value) {
    if (vertSizing_ == value) return;
    vertSizing_ = value;
    Changed(vckLayout);
}

// ---- column ----

TcxGridBandedColumn::TcxGridBandedColumn(TComponent* owner) : TcxGridColumn(owner) {
    RecreateOptions();
    position_ = std::make_unique<TcxGridBandedColumnPosition>(this);
}

TcxGridBandedColumn::~TcxGridBandedColumn() {
    if (position_->GetBand()) position_->SetBandIndex(-1);
}

TcxGridBandedTableView* TcxGridBandedColumn::GetGridView() const {
    return dynamic_cast<TcxGridBandedTableView*>(TcxCustomGridTableItem::GetGridView());
}

void TcxGridBandedColumn::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridBandedColumn*>(source)) position_->Assign(other->position_.get());
    TcxGridColumn::Assign(source);
}

bool TcxGridBandedColumn::GetActuallyVisible() const {
    TcxGridBand* band = position_ ? position_->GetBand() : nullptr;
    return TcxGridColumn::GetActuallyVisible() && band && band->IsActuallyVisible();
}

bool TcxGridBandedColumn::IsVisibleForCustomization() const {
    TcxGridBand* band = position_->GetBand();
    return GetVisibleForCustomizationValue() && band && band->IsActuallyVisible();
}

bool TcxGridBandedColumn::CanCheckFocusedCellClipping() const {
    TcxGridBand* band = position_->GetBand();
    return TcxGridColumn::CanCheckFocusedCellClipping() && band && band->GetFixedKind() == fkNone;
}

bool TcxGridBandedColumn::CanVertSizing() const {
    TcxGridBandedTableView* view = GetGridView();
    return view && view->GetOptionsCustomize()->GetColumnVertSizing() && GetOptions()->GetVertSizing();
}

bool TcxGridBandedColumn::InFirstRow() const {
    TcxGridBandRow* row = position_->GetRow();
    return row && row->IsFirst();
}

bool TcxGridBandedColumn::InLastRow() const {
    TcxGridBandRow* row = position_->GetRow();
    return row && row->IsLast();
}

bool TcxGridBandedColumn::InBottomHeaderRow() const {
    TcxGridBandedTableView* view = GetGridView();
    TcxGridBandRow* row = position_->GetRow();
    return InLastRow() && view && row->GetVisibleIndex() + 1 == view->GetBands()->GetVisibleRowCount();
}

bool TcxGridBandedColumn::IsFirstInRow() const {
    return position_->GetVisibleColIndex() == 0;
}

bool TcxGridBandedColumn::IsLastInRow() const {
    TcxGridBandRow* row = position_->GetRow();
    return row && position_->GetVisibleColIndex() >= 0 && position_->GetVisibleColIndex() + 1 == row->GetVisibleCount();
}

bool TcxGridBandedColumn::IsLeftmostInView() const {
    TcxGridBand* band = position_->GetBand();
    TcxGridBandedTableView* view = GetGridView();
    if (!IsFirstInRow() || !band || !view) return false;
    TcxGridBands* bands = view->GetBands();
    return bands->GetVisibleBottomItemCount() > 0 && bands->GetVisibleBottomItem(0) == band;
}

bool TcxGridBandedColumn::IsRightmostInView() const {
    TcxGridBand* band = position_->GetBand();
    TcxGridBandedTableView* view = GetGridView();
    if (!IsLastInRow() || !band || !view) return false;
    TcxGridBands* bands = view->GetBands();
    return bands->GetVisibleBottomItemCount() > 0 &&
           bands->GetVisibleBottomItem(bands->GetVisibleBottomItemCount() - 1) == band;
}

std::string TcxGridBandedColumn::GetDefaultAlternateCaption() const {
    std::string result = TcxGridColumn::GetDefaultAlternateCaption();
    TcxGridBandedTableView* view = GetGridView();
    if (!view || !view->GetOptionsView()->GetBandCaptionsInColumnAlternateCaption()) return result;
    for (TcxGridBand* band = position_->GetBand(); band; band = band->GetParentBand())
        result = band->GetCaption() + "-" + result;
    return result;
}

// ---- stored layout ----

bool TcxGridBandedColumn::GetStoredProperties(TStrings* properties) {
    for (const char* name : {"BandIndex", "ColIndex", "RowIndex", "LineCount"}) properties->Add(name);
    return TcxGridColumn::GetStoredProperties(properties);
}

void TcxGridBandedColumn::GetStoredPropertyValue(const std::string& name, Variant& value) {
    if (name == "BandIndex")
        value = Variant(position_->GetBandIndex());
    else if (name == "ColIndex")
        value = Variant(position_->GetColIndex());
    else if (name == "RowIndex")
        value = Variant(position_->GetRowIndex());
    else if (name == "LineCount")
        value = Variant(position_->GetLineCount());
    else
        TcxGridColumn::GetStoredPropertyValue(name, value);
}

void TcxGridBandedColumn::SetStoredPropertyValue(const std::string& name, const Variant& value) {
    const bool positional = name == "BandIndex" || name == "ColIndex" || name == "RowIndex" || name == "LineCount";
    if (!positional) return TcxGridColumn::SetStoredPropertyValue(name, value);
    int number = 0;
    try {
        number = value.AsInteger();
    } catch (const std::exception&) {
        // A stored value that is no number leaves the position as it is.
        return;
    }
    if (name == "BandIndex")
        position_->SetBandIndex(number);
    else if (name == "LineCount")
        position_->SetLineCount(number);
    else if (name == "ColIndex")
        position_->SetStoredColIndex(number);
    else
        position_->SetStoredRowIndex(number);
}

} // namespace zorvy
