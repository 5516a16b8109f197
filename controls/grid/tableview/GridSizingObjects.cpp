// The sizing mark, column width sizing and row height sizing.
#include "controls/grid/tableview/GridSizingObjects.h"

#include "controls/foundation/control/Control.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "controls/grid/view/GridSite.h"

namespace zorvy {

// ---- the mark ----

TcxGridTableViewInfo* TcxCustomGridSizingObject::GetTableViewInfo() const {
    return dynamic_cast<TcxGridTableViewInfo*>(GetViewInfo());
}

TCursor TcxCustomGridSizingObject::GetCursorForAcceptance(bool) const {
    return SizesWidth() ? crcxHorzSize : crcxVertSize;
}

void TcxCustomGridSizingObject::Init(TPoint p, TcxCustomGridHitTest* hitTest) {
    TcxCustomGridDragAndDropObject::Init(p, hitTest);
    destPoint_ = p;
}

int TcxCustomGridSizingObject::CalcCurrentSize() { return startingSize_ + CalcMouseDistance(); }

int TcxCustomGridSizingObject::CalcMouseDistance() {
    const TPoint source = GetSourcePoint();
    return SizesWidth() ? destPoint_.X - source.X : destPoint_.Y - source.Y;
}

TRect TcxCustomGridSizingObject::GetMarkRect() { return SizesWidth() ? CalcWidthMarkRect() : CalcHeightMarkRect(); }

TRect TcxCustomGridSizingObject::CalcWidthMarkRect() {
    const TRect item = GetSizedItemRect();
    TRect r;
    r.Right = item.Left + CalcCurrentSize();
    r.Left = r.Right - GetMarkThickness();
    r.Top = item.Top;
    r.Bottom = GetViewInfo()->GetBounds().Bottom;
    if (TcxGridTableViewInfo* viewInfo = GetTableViewInfo()) r.Bottom -= viewInfo->GetBottomPartsHeight();
    return r;
}

TRect TcxCustomGridSizingObject::CalcHeightMarkRect() {
    const TRect bounds = GetViewInfo()->GetBounds();
    TRect r{bounds.Left, 0, bounds.Right, 0};
    r.Bottom = GetSizedItemRect().Top + CalcCurrentSize();
    r.Top = r.Bottom - GetMarkThickness();
    return r;
}

void TcxCustomGridSizingObject::RefreshFeedback() {
    if (TcxCanvas* canvas = GetSite()->GetActiveCanvas()) canvas->InvertRect(GetMarkRect());
}

void TcxCustomGridSizingObject::TrackTo(TPoint p, bool& accepted) {
    const int value = SizesWidth() ? p.X : p.Y;
    int& dest = SizesWidth() ? destPoint_.X : destPoint_.Y;
    if (value != dest) {
        // Inverting at the old place erases the mark before it moves.
        SetDirty(true);
        dest = value;
    }
    accepted = true;
    TcxCustomGridDragAndDropObject::TrackTo(p, accepted);
}

void TcxCustomGridSizingObject::DoBeforePaint() { SetDirty(true); }

void TcxCustomGridSizingObject::DoAfterPaint() { SetDirty(false); }

// ---- columns ----

void TcxCustomGridColumnSizingObject::Init(TPoint p, TcxCustomGridHitTest* hitTest) {
    TcxCustomGridSizingObject::Init(p, hitTest);
    if (auto* columnHitTest = dynamic_cast<TcxCustomGridColumnHitTest*>(hitTest)) column_ = columnHitTest->Column;
}

TcxGridColumnHeaderViewInfo* TcxCustomGridColumnSizingObject::GetHeaderCell() const {
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (!viewInfo || !column_ || !viewInfo->GetHeaderViewInfo()) return nullptr;
    return viewInfo->GetHeaderViewInfo()->GetItem(column_->GetVisibleIndex());
}

TRect TcxCustomGridColumnSizingObject::GetSizedItemRect() {
    TcxGridColumnHeaderViewInfo* cell = GetHeaderCell();
    return cell ? cell->Bounds : TRect{};
}

int TcxGridColumnHorzSizingObject::CalcCurrentSize() {
    int size = TcxCustomGridColumnSizingObject::CalcCurrentSize();
    if (TcxGridColumnHeaderViewInfo* cell = GetHeaderCell()) cell->CheckWidth(size);
    return size;
}

void TcxGridColumnHorzSizingObject::StartTracking() {
    TcxGridColumnHeaderViewInfo* cell = GetHeaderCell();
    SetStartingSize(cell ? cell->GetWidth() : 0);
    TcxCustomGridColumnSizingObject::StartTracking();
}

void TcxGridColumnHorzSizingObject::StopTracking(bool accepted) {
    // The size is taken while the layout the mark was drawn over still stands.
    const int size = CalcCurrentSize();
    TcxGridColumnHeaderViewInfo* cell = GetHeaderCell();
    const int indent = cell ? cell->GetContainer()->GetColumnIndent(GetColumn()) : 0;
    TcxCustomGridColumnSizingObject::StopTracking(accepted);
    if (!accepted || !cell || size == GetStartingSize()) return;
    TcxGridColumn* column = GetColumn();
    column->SetWidth(size - indent);
    static_cast<TcxGridTableView*>(column->GetGridView())->DoColumnSizeChanged(column);
}

// ---- rows ----

void TcxGridRowSizingObject::Init(TPoint p, TcxCustomGridHitTest* hitTest) {
    TcxCustomGridSizingObject::Init(p, hitTest);
    if (auto* recordHitTest = dynamic_cast<TcxGridRecordHitTest*>(hitTest))
        row_ = dynamic_cast<TcxCustomGridRow*>(recordHitTest->GetGridRecord());
}

TcxCustomGridRowViewInfo* TcxGridRowSizingObject::GetRowViewInfo() const {
    return row_ ? dynamic_cast<TcxCustomGridRowViewInfo*>(row_->GetViewInfo()) : nullptr;
}

int TcxGridRowSizingObject::CalcCurrentSize() {
    int size = TcxCustomGridSizingObject::CalcCurrentSize();
    if (TcxCustomGridRowViewInfo* rowViewInfo = GetRowViewInfo()) rowViewInfo->CheckHeight(size);
    return size;
}

TRect TcxGridRowSizingObject::GetSizedItemRect() {
    TcxCustomGridRowViewInfo* rowViewInfo = GetRowViewInfo();
    return rowViewInfo ? rowViewInfo->Bounds : TRect{};
}

void TcxGridRowSizingObject::StartTracking() {
    TcxCustomGridRowViewInfo* rowViewInfo = GetRowViewInfo();
    SetStartingSize(rowViewInfo ? rowViewInfo->GetVisualHeight() : 0);
    TcxCustomGridSizingObject::StartTracking();
}

void TcxGridRowSizingObject::StopTracking(bool accepted) {
    const int size = CalcCurrentSize();
    TcxCustomGridSizingObject::StopTracking(accepted);
    // The row ignores a height it already has.
    if (accepted)
        if (TcxCustomGridRowViewInfo* rowViewInfo = GetRowViewInfo()) rowViewInfo->SetRowHeight(size);
}

} // namespace zorvy
