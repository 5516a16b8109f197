#include "controls/editors/lookup/LookupGrid.h"

#include "controls/data/DataNotices.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/Timers.h"

#include <algorithm>

namespace zorvy {

// ---- TcxLookupGridDataController ----

TcxLookupGridDataController::TcxLookupGridDataController(TcxCustomLookupGrid* grid)
    : TcxDataController(grid), grid_(grid) {}

TObject* TcxLookupGridDataController::GetItem(int itemIndex) const {
    TcxLookupGridColumns* columns = grid_->GetColumns();
    if (columns && itemIndex >= 0 && itemIndex < columns->GetCount()) return columns->GetColumn(itemIndex);
    return TcxDataController::GetItem(itemIndex);
}

// ---- construction ----

TcxCustomLookupGrid::TcxCustomLookupGrid(TComponent* owner)
    : TcxCustomLookupGrid(
          owner, [](TcxCustomLookupGrid* grid) { return new TcxLookupGridColumns(grid, TcxLookupGridColumn::StaticClass()); },
          [](TcxCustomLookupGrid* grid) { return new TcxLookupGridDataController(grid); }) {}

TcxCustomLookupGrid::TcxCustomLookupGrid(TComponent* owner, const TColumnsFactory& makeColumns,
                                         const TDataControllerFactory& makeDataController)
    : TcxControl(owner) {
    // The controller first: columns add their items to it as they are made.
    dataController_.reset(makeDataController(this));
    dataController_->OnUpdateControl = [this](TcxUpdateControlInfo& info) { DataControllerUpdated(info); };
    columns_.reset(makeColumns(this));
    options_ = std::make_unique<TcxLookupGridOptions>(this);
    painter_ = std::make_unique<TcxLookupGridPainter>(this);
    painter_->LookAndFeelPainter = GetLookAndFeelPainterClass();
    viewInfo_ = std::make_unique<TcxLookupGridViewInfo>(this);
    autoScrollTimer_ = new TcxTimer(this);
    autoScrollTimer_->SetEnabled(false);
    autoScrollTimer_->SetInterval(50);
    autoScrollTimer_->SetOnTimer([this](TObject* sender) { AutoScrollTick(sender); });
    SetColor(clWindow);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 250, 200);
    SetWantedKeys(wkArrowKeys);
}

TcxCustomLookupGrid::~TcxCustomLookupGrid() {
    PrepareDestruction();
    StopAutoScroll();
    dataController_->OnUpdateControl = nullptr;
    columns_.reset();
    dataController_.reset();
    viewInfo_.reset();
    painter_.reset();
    options_.reset();
}

// ---- updates ----

void TcxCustomLookupGrid::BeginUpdate() {
    ++lockCount_;
    dataController_->LockUpdate();
}

void TcxCustomLookupGrid::EndUpdate() {
    --lockCount_;
    dataController_->UnlockUpdate();
    ApplyPendingChanges();
}

void TcxCustomLookupGrid::Change(int bits) {
    pendingChanges_ |= static_cast<unsigned char>(bits);
    ApplyPendingChanges();
}

void TcxCustomLookupGrid::ApplyPendingChanges() {
    if (lockCount_ > 0 || pendingChanges_ == 0 || IsBeingDestroyed()) return;
    const bool refresh = (pendingChanges_ & 7) != 0;
    pendingChanges_ = 0;
    if (refresh) FullRefresh();
}

void TcxCustomLookupGrid::ColumnAdded(TcxLookupGridColumn* column) {
    dataController_->AddItem(column);
}

void TcxCustomLookupGrid::ColumnRemoved(TcxLookupGridColumn* column) {
    dataController_->RemoveItem(column);
    if (focusedColumn_ == column) focusedColumn_ = nullptr;
}

void TcxCustomLookupGrid::SetFocusedColumn(TcxLookupGridColumn* column) {
    if (options_ && options_->GetRowSelect()) column = nullptr;
    if (focusedColumn_ == column) return;
    focusedColumn_ = column;
    InvalidateRow(GetFocusedRowIndex(), true);
}

void TcxCustomLookupGrid::SetPopupMode(bool value) {
    if (popupMode_ == value) return;
    popupMode_ = value;
    Change(1);
}

// ---- refreshing ----

void TcxCustomLookupGrid::RecalculateAndRepaint() {
    if (!HandleAllocated()) return;
    viewInfo_->Calculate();
    Invalidate();
    RecalculateScrollBars();
}

void TcxCustomLookupGrid::FullRefresh() {
    ApplyTopRowIndex(topRowIndex_, false);
    RecalculateAndRepaint();
}

void TcxCustomLookupGrid::InvalidateRow(int rowIndex, bool recalculate) {
    TcxLookupGridRowViewInfo* row = viewInfo_->FindRow(rowIndex);
    if (!row) return;
    if (recalculate) viewInfo_->RecalculateRow(*row);
    InvalidateArea(row->Bounds, false);
}

void TcxCustomLookupGrid::FocusedRowChanged(int prevRowIndex, int rowIndex) {
    TcxLookupGridRowViewInfo* row = viewInfo_->FindRow(rowIndex);
    const bool fullyVisible = row && row->Bounds.Bottom <= GetContentBounds().Bottom;
    if (fullyVisible) {
        InvalidateRow(prevRowIndex, true);
        InvalidateRow(rowIndex, true);
    } else {
        FullRefresh();
        MakeFocusedRowVisible();
    }
}

void TcxCustomLookupGrid::SelectionChanged(const TcxSelectionChangedInfo& info) {
    if (info.GetCount() == 0) {
        FullRefresh();
        return;
    }
    for (int i = 0; i < info.GetCount(); ++i)
        InvalidateRow(info.GetRowIndex(i), true);
}

void TcxCustomLookupGrid::DataControllerUpdated(TcxUpdateControlInfo& info) {
    if (dynamic_cast<TcxDataChangedInfo*>(&info))
        DataChanged();
    else if (dynamic_cast<TcxLayoutChangedInfo*>(&info))
        LayoutChanged();
    else if (auto* focused = dynamic_cast<TcxFocusedRowChangedInfo*>(&info))
        FocusedRowChanged(focused->PrevFocusedRowIndex, focused->FocusedRowIndex);
    else if (auto* selection = dynamic_cast<TcxSelectionChangedInfo*>(&info))
        SelectionChanged(*selection);
}

void TcxCustomLookupGrid::CloseUp(bool accept) {
    if (OnCloseUp) OnCloseUp(this, accept);
}

// ---- rows in view ----

int TcxCustomLookupGrid::HasRowsAbove() const {
    return dataController_->IsGridMode() && !dataController_->IsBOF() ? 1 : 0;
}

int TcxCustomLookupGrid::HasRowsBelow() const {
    return dataController_->IsGridMode() && !dataController_->IsEOF() ? 1 : 0;
}

int TcxCustomLookupGrid::VisibleRowCount() const {
    return viewInfo_->FullyVisibleRowCount;
}

int TcxCustomLookupGrid::CheckTopRowIndex(int index) {
    const int rowCount = GetRowCount();
    if (dataController_->IsGridMode()) {
        if (index < 0) {
            if (!dataController_->IsBOF()) dataController_->GridModeMoveBy(index);
            index = 0;
        } else if (index >= rowCount) {
            if (!dataController_->IsEOF()) dataController_->GridModeMoveBy(index - rowCount + 1);
            index = rowCount - 1;
        } else if (index > rowCount - VisibleRowCount()) {
            if (!dataController_->IsEOF()) dataController_->GridModeMoveBy(index - (rowCount - VisibleRowCount()));
            index = rowCount - VisibleRowCount();
        }
    }
    return std::max(std::min(index, GetRowCount() - 1), 0);
}

void TcxCustomLookupGrid::SetTopRowIndex(int index) {
    index = CheckTopRowIndex(index);
    if (index != topRowIndex_) ApplyTopRowIndex(index);
}

void TcxCustomLookupGrid::ApplyTopRowIndex(int index, bool repaint) {
    if (!HandleAllocated()) {
        topRowIndex_ = std::max(std::min(index, GetRowCount() - 1), 0);
        return;
    }
    const int nearest = viewInfo_->GetNearestTopRowIndex(index);
    if (nearest == topRowIndex_) {
        viewInfo_->Calculate();
        return;
    }
    topRowIndex_ = nearest;
    if (repaint) RecalculateAndRepaint();
}

void TcxCustomLookupGrid::MakeRowVisible(int rowIndex) {
    if (VisibleRowCount() < 1) return;
    if (rowIndex < topRowIndex_)
        SetTopRowIndex(rowIndex);
    else if (rowIndex > topRowIndex_ + VisibleRowCount() - 1)
        SetTopRowIndex(rowIndex - VisibleRowCount() + 1);
}

void TcxCustomLookupGrid::MakeFocusedRowVisible() {
    if (GetFocusedRowIndex() != -1) MakeRowVisible(GetFocusedRowIndex());
}

void TcxCustomLookupGrid::FocusRow(int rowIndex) {
    dataController_->ChangeFocusedRowIndex(rowIndex);
}

// A grid without columns has no row height: it shows the header height alone.
int TcxCustomLookupGrid::FitHeight(int height) {
    const int header = viewInfo_->HeaderRect.Bottom - viewInfo_->HeaderRect.Top;
    const int rowHeight = viewInfo_->GetRowHeight();
    if (rowHeight <= 0) return header;
    int rows = (height - header) / rowHeight;
    rows = std::min(std::max(rows, 1), GetRowCount());
    if (rows < 1) rows = 1;
    return header + rows * rowHeight;
}

int TcxCustomLookupGrid::GetHeightForRows(int rowCount) {
    return viewInfo_->HeaderRect.Bottom - viewInfo_->HeaderRect.Top + rowCount * viewInfo_->GetRowHeight();
}

// ---- control overrides ----

int TcxCustomLookupGrid::GetBorderThickness() const {
    if (popupMode_) return 0;
    return painter_ ? painter_->LookAndFeelPainter->GetControlBorderWidth() : 0;
}

void TcxCustomLookupGrid::Paint() {
    TcxCanvas* canvas = GetCanvasWrapper();
    painter_->DrawBorder(canvas);
    painter_->DrawContent(canvas);
}

void TcxCustomLookupGrid::Loaded() {
    TcxControl::Loaded();
    Change(1);
}

void TcxCustomLookupGrid::Resize() {
    TcxControl::Resize();
    if (viewInfo_) FullRefresh();
}

void TcxCustomLookupGrid::AttachChildControls() {
    TcxControl::AttachChildControls();
    if (viewInfo_) FullRefresh();
}

void TcxCustomLookupGrid::FontPropertyChanged() {
    TcxControl::FontPropertyChanged();
    if (viewInfo_) FullRefresh();
}

void TcxCustomLookupGrid::FocusStateChanged() {
    TcxControl::FocusStateChanged();
    InvalidateRow(GetFocusedRowIndex(), false);
}

void TcxCustomLookupGrid::HandleLookAndFeelChange(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
    TcxControl::HandleLookAndFeelChange(sender, changed);
    if (!painter_) return;
    painter_->LookAndFeelPainter = GetLookAndFeelPainterClass();
    Change(1);
}

} // namespace zorvy
