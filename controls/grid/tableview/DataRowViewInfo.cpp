// Data rows, their cells and their merging, the two special rows, and their painters.
#include "controls/grid/tableview/DataRowViewInfo.h"

#include "controls/data/DataController.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/grid/tableview/TableViewOptions.h"

#include <algorithm>

namespace zorvy {

// ---- data cells ----

TcxGridDataCellViewInfo::~TcxGridDataCellViewInfo() { ResetCellMerging(); }

TcxGridDataRowViewInfo* TcxGridDataCellViewInfo::GetRowViewInfo() const {
    return static_cast<TcxGridDataRowViewInfo*>(GetRecordViewInfo());
}

TcxGridColumn* TcxGridDataCellViewInfo::GetColumn() const { return static_cast<TcxGridColumn*>(GetItem()); }

TcxBorders TcxGridDataCellViewInfo::CalculateBorders() {
    TcxGridColumn* column = GetColumn();
    return GetRowViewInfo()->GetCellBorders(column ? column->GetVisibleIndex() : -1, column && column->IsRightmostInView());
}

TColor TcxGridDataCellViewInfo::GetBorderColor(TcxBorder) {
    return static_cast<TcxGridTableViewInfo*>(GetTableViewInfo())->GetGridLineColor();
}

int TcxGridDataCellViewInfo::GetSideBorderWidth(TcxBorder) {
    return static_cast<TcxGridTableViewInfo*>(GetTableViewInfo())->GetGridLineWidth();
}

bool TcxGridDataCellViewInfo::GetVisible() { return !IsMerged() && TcxGridTableDataCellViewInfo::GetVisible(); }

bool TcxGridDataCellViewInfo::HasPoint(TPoint p) {
    return isMerging_ ? PtInRect(OwnBounds, p) : TcxGridTableDataCellViewInfo::HasPoint(p);
}

void TcxGridDataCellViewInfo::DoOffset(int dx, int dy) {
    TcxGridTableDataCellViewInfo::DoOffset(dx, dy);
    OffsetRect(OwnBounds, dx, dy);
}

void TcxGridDataCellViewInfo::Calculate(int left, int top, int width, int height) {
    TcxGridTableDataCellViewInfo::Calculate(left, top, width, height);
    if (!isMerging_ && !IsMerged()) {
        OwnBounds = Bounds;
        OwnHeight = GetHeight();
    }
}

bool TcxGridDataCellViewInfo::CalculateSelected() {
    if (!isMerging_) return TcxGridTableDataCellViewInfo::CalculateSelected();
    TcxGridTableView* view = GetColumn()->GetGridView();
    TcxCustomGridTableController* controller = view->GetController();
    auto anySelected = [this] {
        return std::any_of(mergedCells_.begin(), mergedCells_.end(),
                           [](TcxGridDataCellViewInfo* cell) { return cell->TcxGridTableDataCellViewInfo::CalculateSelected(); });
    };
    const bool own = TcxGridTableDataCellViewInfo::CalculateSelected();
    if (view->GetOptionsSelection()->GetMultiSelect() && !view->GetOptionsSelection()->GetInvertSelect() &&
        controller->GetFocusedItem() != GetItem())
        return own || anySelected();
    if (controller->IsFocusedRecord(GetGridRecord())) return own;
    for (TcxGridDataCellViewInfo* cell : mergedCells_)
        if (controller->IsFocusedRecord(cell->GetGridRecord())) return cell->TcxGridTableDataCellViewInfo::CalculateSelected();
    return own || anySelected();
}

TcxCustomGridCellPainterClass TcxGridDataCellViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridDataCellPainter>();
}

bool TcxGridDataCellViewInfo::CanBeMerged() { return !GetRecordViewInfo()->GetExpanded(); }

bool TcxGridDataCellViewInfo::CanMergeCells() {
    TcxGridColumn* column = GetColumn();
    return CanBeMerged() && column && column->AllowsCellMerging();
}

void TcxGridDataCellViewInfo::AddMergedCell(TcxGridDataCellViewInfo* cell) {
    mergedCells_.push_back(cell);
    cell->mergingCell_ = this;
    isMerging_ = true;
}

void TcxGridDataCellViewInfo::CalculateCellMerging() {
    if (IsMerged() || !CanMergeCells() || GetTableViewInfo()->IsInternal()) return;
    TcxGridColumn* column = GetColumn();
    auto* row = dynamic_cast<TcxGridDataRow*>(GetGridRecord());
    if (!row) return;
    const Variant value = GetValue();
    TcxCustomGridRecordsViewInfo* rows = GetRowViewInfo()->GetRecordsViewInfo();
    for (int i = GetRowViewInfo()->GetIndex() + 1; i < rows->GetCount(); ++i) {
        auto* next = dynamic_cast<TcxGridDataRowViewInfo*>(rows->GetItem(i));
        auto* nextRow = next ? dynamic_cast<TcxGridDataRow*>(next->GetGridRecord()) : nullptr;
        if (!nextRow || !next->IsCalculated()) break;
        TcxGridDataCellViewInfo* cell = next->FindCellViewInfo(column->GetVisibleIndex());
        if (!cell || !cell->CanBeMerged()) break;
        if (!column->CompareValuesForCellMerging(row, GetProperties(), value, nextRow, cell->GetProperties(),
                                                 cell->GetValue()))
            break;
        AddMergedCell(cell);
        if (next->GetExpanded()) break;
    }
    if (isMerging_) ApplyMergedHeight();
}

void TcxGridDataCellViewInfo::ApplyMergedHeight() {
    const int bottom = mergedCells_.back()->OwnBounds.Bottom;
    const TRect own = OwnBounds;
    const int ownHeight = OwnHeight;
    TcxGridTableDataCellViewInfo::Calculate(own.Left, own.Top, own.Right - own.Left, bottom - own.Top);
    OwnBounds = own;
    OwnHeight = ownHeight;
}

void TcxGridDataCellViewInfo::ResetCellMerging() {
    if (mergingCell_) {
        auto& list = mergingCell_->mergedCells_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        mergingCell_ = nullptr;
    }
    for (TcxGridDataCellViewInfo* cell : mergedCells_) cell->mergingCell_ = nullptr;
    mergedCells_.clear();
    if (isMerging_) {
        isMerging_ = false;
        // Back to its own height.
        if (!GetRecordViewInfo()->IsDestroying() && GetHeight() != OwnHeight)
            TcxGridTableDataCellViewInfo::Calculate(OwnBounds.Left, OwnBounds.Top, OwnBounds.Right - OwnBounds.Left, OwnHeight);
    }
}

// ---- the cells area ----

bool TcxGridDataRowCellsAreaViewInfo::GetVisible() {
    return static_cast<TcxGridTableView*>(GetTableView())->GetVisibleColumnCount() == 0;
}

TcxBorders TcxGridDataRowCellsAreaViewInfo::CalculateBorders() {
    return static_cast<TcxGridTableViewInfo*>(GetTableViewInfo())->GetCellBorders(true);
}

TColor TcxGridDataRowCellsAreaViewInfo::GetBorderColor(TcxBorder) {
    return static_cast<TcxGridTableViewInfo*>(GetTableViewInfo())->GetGridLineColor();
}

int TcxGridDataRowCellsAreaViewInfo::GetSideBorderWidth(TcxBorder) {
    return static_cast<TcxGridTableViewInfo*>(GetTableViewInfo())->GetGridLineWidth();
}

void TcxGridDataRowCellsAreaViewInfo::GetViewParams(TcxPartParams& params) {
    static_cast<TcxGridTableView*>(GetTableView())->GetStyles()->GetContentParams(GetGridRecord(), nullptr, params);
}

// ---- the preview ----

int TcxGridPreviewCellViewInfo::CalculatePreviewHeight() {
    EnsureCalculated();
    TcxGridDataRowViewInfo* row = GetRowViewInfo();
    TcxGridPreview* preview = row->GetGridView()->GetPreview();
    TcxCanvas* canvas = GetCanvas();
    int height = 0;
    if (canvas && preview->GetAutoHeight()) {
        // The row may not be placed yet: its width comes from the data width.
        const int width = row->CalculateWidth() - row->GetLevelIndent() - preview->GetLeftIndent() - preview->GetRightIndent();
        TRect r{0, 0, std::max(1, width), 0x3FFFFFFF};
        if (ViewParams.Font) canvas->AssignFont(ViewParams.Font);
        // Measured before the editor shows the text, from the record's display text.
        const std::string text = GetGridRecord()->GetDisplayText(GetItem()->GetIndex());
        if (!text.empty()) canvas->MeasureTextRect(text, r, ctfWordBreak | ctfAlignLeft | ctfAlignTop);
        else r.Bottom = r.Top;
        height = r.Bottom - r.Top + 4;
    } else if (canvas && preview->GetMaxLineCount() != 0) {
        if (ViewParams.Font) canvas->AssignFont(ViewParams.Font);
        height = canvas->MeasureTextHeight("Qq") * preview->GetMaxLineCount() + 4;
    }
    return height == 0 ? 0 : row->GetRowsViewInfo()->AdjustDataRecordHeight(height);
}

TcxBorders TcxGridPreviewCellViewInfo::CalculateBorders() {
    TcxGridDataRowViewInfo* row = GetRowViewInfo();
    const TcxBorders cellBorders = row->GetGridViewInfo()->GetCellBorders(true) & cxBorder(bBottom);
    const bool atBottom = row->GetGridView()->GetOptionsView()->GetGridLines() != glNone &&
                          (row->GetGridView()->GetPreview()->GetPlace() != ppTop || row->GetCellCount() == 0);
    return atBottom ? cellBorders : 0;
}

TBitmap* TcxGridPreviewCellViewInfo::GetBackgroundBitmap() {
    return GetRowViewInfo()->GetGridView()->GetBackgroundBitmaps()->GetBitmap(TcxGridTableBackgroundBitmaps::bbPreview);
}

const TMetaClass* TcxGridPreviewCellViewInfo::GetHitTestClass() { return TcxGridPreviewHitTest::StaticClass(); }

TcxCustomGridCellPainterClass TcxGridPreviewCellViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridPreviewCellPainter>();
}

TRect TcxGridPreviewCellViewInfo::GetEditViewInfoBounds() {
    TcxGridPreview* preview = GetRowViewInfo()->GetGridView()->GetPreview();
    TRect r = GetTextAreaBounds();
    InflateRect(r, 2, 2);
    r.Left += preview->GetLeftIndent();
    r.Right = std::max(r.Left, r.Right - preview->GetRightIndent());
    // Never over the cells' grid lines or the preview's own bottom line.
    const TRect content = GetContentBounds();
    r.Top = std::max(r.Top, content.Top);
    r.Bottom = std::max(r.Top, std::min(r.Bottom, content.Bottom));
    return r;
}

// ---- data rows ----

TcxGridDataRowViewInfo::TcxGridDataRowViewInfo(TcxCustomGridRecordsViewInfo* recordsViewInfo, TcxCustomGridRecord* record)
    : TcxCustomGridRowViewInfo(recordsViewInfo, record), cellsArea_(new TcxGridDataRowCellsAreaViewInfo(this)) {
    cells_.assign(static_cast<size_t>(GetGridView()->GetVisibleColumnCount()), nullptr);
    if (HasPreview()) preview_ = new TcxGridPreviewCellViewInfo(this, GetGridView()->GetPreview()->GetColumn());
}

TcxGridDataRowViewInfo::~TcxGridDataRowViewInfo() {
    BeginDestruction();
    for (TcxGridDataCellViewInfo* cell : cells_) delete cell;
    delete preview_;
    delete cellsArea_;
}

bool TcxGridDataRowViewInfo::HasPreview() { return GetGridView()->GetPreview()->IsActive(); }

int TcxGridDataRowViewInfo::GetPreviewHeight() {
    if (!preview_) return 0;
    if (previewHeight_ == -1) previewHeight_ = preview_->CalculatePreviewHeight();
    return previewHeight_;
}

TcxGridDataCellViewInfo* TcxGridDataRowViewInfo::FindCellViewInfo(int index) const {
    return index >= 0 && index < GetCellCount() ? cells_[static_cast<size_t>(index)] : nullptr;
}

TcxGridDataCellViewInfo* TcxGridDataRowViewInfo::GetCellViewInfo(int index) {
    if (index < 0 || index >= GetCellCount()) return nullptr;
    TcxGridDataCellViewInfo*& cell = cells_[static_cast<size_t>(index)];
    if (!cell) cell = new TcxGridDataCellViewInfo(this, GetGridView()->GetVisibleColumn(index));
    return cell;
}

TcxGridDataCellViewInfo* TcxGridDataRowViewInfo::GetCellViewInfoForColumn(TcxGridColumn* column) {
    TcxCustomGrid* grid = GetGridView()->GetGrid();
    if (preview_ && column && column == preview_->GetColumn()) return preview_;
    if (!column || column->GetVisibleIndex() == -1 || (grid && grid->HasState(csDestroying))) return nullptr;
    return GetCellViewInfo(column->GetVisibleIndex());
}

TcxGridTableDataCellViewInfo* TcxGridDataRowViewInfo::GetCellViewInfoByItem(TcxCustomGridTableItem* item) {
    return item ? FindCellViewInfo(item->GetVisibleIndex()) : nullptr;
}

TRect TcxGridDataRowViewInfo::GetItemCellBounds(TcxCustomGridTableItem* item) {
    TcxGridTableDataCellViewInfo* cell = GetCellViewInfoByItem(item);
    return cell ? cell->Bounds : TRect{};
}

bool TcxGridDataRowViewInfo::GetAutoHeight() { return GetRowsViewInfo()->GetAutoDataRecordHeight(); }

int TcxGridDataRowViewInfo::CalculateHeight() {
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    int height;
    if (GetAutoHeight()) {
        height = 0;
        for (int i = 0; i < GetCellCount(); ++i) height = std::max(height, GetCellViewInfo(i)->CalculateHeight());
        height = rows->AdjustDataRecordHeight(height);
        if (!GetGridView()->IsRecordHeightDependentOnFocus()) height = std::max(height, rows->GetDataRowHeightValue());
    } else {
        height = rows->GetDataRowHeightValue();
    }
    return height + GetPreviewHeight() + GetNonDataHeight();
}

bool TcxGridDataRowViewInfo::CanSize() { return GetRowsViewInfo()->CanDataRowSize(); }

void TcxGridDataRowViewInfo::CheckHeight(int& height) {
    height = std::max(height, 1);
    // A data part never below the default data row height, as the option itself is kept.
    const int fixed = GetNonDataHeight() + GetPreviewHeight();
    height = std::max(height - fixed, GetGridView()->CalculateDefaultDataRowHeight()) + fixed;
}

void TcxGridDataRowViewInfo::SetRowHeight(int height) {
    if (height != GetHeight())
        GetGridView()->GetOptionsView()->SetDataRowHeight(height - GetNonDataHeight() - GetPreviewHeight());
}

TRect TcxGridDataRowViewInfo::GetCellsAreaBounds() {
    TRect r{GetCellsAreaLeft(), Bounds.Top, GetCellsAreaLeft() + GetCellsAreaWidth(), Bounds.Top + GetDataHeight()};
    const TcxGridLines lines = GetGridView()->GetOptionsView()->GetGridLines();
    const int lineWidth = GetGridViewInfo()->GetGridLineWidth();
    if (lines != glNone) r.Right -= lineWidth;
    // The preview takes its own lines.
    if (const int previewHeight = GetPreviewHeight(); previewHeight > 0) {
        if (GetGridView()->GetPreview()->GetPlace() == ppTop)
            r.Top += previewHeight;
        else
            r.Bottom -= previewHeight;
    }
    if (lines == glBoth || lines == glHorizontal) r.Bottom -= lineWidth;
    return r;
}

int TcxGridDataRowViewInfo::GetCellsAreaHeight() { return std::max(0, GetDataHeight() - GetPreviewHeight()); }

int TcxGridDataRowViewInfo::GetCellLeftBound(int index) { return GetGridViewInfo()->GetColumnBounds(index).Left + (Bounds.Left - GetRowsViewInfo()->Bounds.Left); }

int TcxGridDataRowViewInfo::GetCellTopBound(int index) {
    const bool previewAbove = GetPreviewHeight() > 0 && GetGridView()->GetPreview()->GetPlace() == ppTop;
    return Bounds.Top + (previewAbove ? GetPreviewHeight() : 0) + GetGridViewInfo()->GetCellTopOffset(index, CellHeight);
}

int TcxGridDataRowViewInfo::GetCellWidth(int index) {
    const TRect r = GetGridViewInfo()->GetColumnBounds(index);
    return r.Right - r.Left;
}

int TcxGridDataRowViewInfo::GetCellHeight(int index) { return GetGridViewInfo()->GetCellHeight(index, CellHeight); }

bool TcxGridDataRowViewInfo::IsCellVisible(int index) {
    const TRect column = GetGridViewInfo()->GetColumnBounds(index);
    const TRect client = GetGridViewInfo()->GetClientBounds();
    const int shift = Bounds.Left - GetRowsViewInfo()->Bounds.Left;
    return column.Right + shift > client.Left && column.Left + shift < client.Right;
}

TcxBorders TcxGridDataRowViewInfo::GetCellBorders(int, bool isLast) { return GetGridViewInfo()->GetCellBorders(isLast); }

void TcxGridDataRowViewInfo::CalculateCellsInView() {
    for (int i = 0; i < GetCellCount(); ++i) {
        if (!IsCellVisible(i)) continue;
        TcxGridDataCellViewInfo* cell = GetCellViewInfo(i);
        if (!cell->IsCalculated()) cell->Calculate(GetCellLeftBound(i), GetCellTopBound(i), GetCellWidth(i), GetCellHeight(i));
    }
}

void TcxGridDataRowViewInfo::Calculate(int left, int top, int width, int height) {
    previewHeight_ = -1;
    TcxCustomGridRowViewInfo::Calculate(left, top, width, height);
    CellsAreaBounds = GetCellsAreaBounds();
    CellHeight = GetCellsAreaHeight();
    if (const int previewHeight = GetPreviewHeight(); previewHeight > 0) {
        const int previewTop = GetGridView()->GetPreview()->GetPlace() == ppTop ? Bounds.Top
                                                                                : Bounds.Top + GetDataHeight() - previewHeight;
        preview_->Calculate(GetCellsAreaLeft(), previewTop, GetCellsAreaWidth(), previewHeight);
    }
    for (int i = 0; i < GetCellCount(); ++i) {
        if (!IsCellVisible(i)) continue;
        GetCellViewInfo(i)->Calculate(GetCellLeftBound(i), GetCellTopBound(i), GetCellWidth(i), GetCellHeight(i));
    }
    if (cellsArea_->GetVisible()) cellsArea_->CalculateFromBounds(CellsAreaBounds);
}

void TcxGridDataRowViewInfo::BeforeRecalculation() {
    TcxCustomGridRowViewInfo::BeforeRecalculation();
    for (TcxGridDataCellViewInfo* cell : cells_)
        if (cell) cell->BeforeRecalculation();
    if (preview_) preview_->BeforeRecalculation();
}

void TcxGridDataRowViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridRowViewInfo::DoOffset(dx, dy);
    OffsetRect(CellsAreaBounds, dx, dy);
    for (TcxGridDataCellViewInfo* cell : cells_)
        if (cell) cell->Offset(dx, dy);
    cellsArea_->Offset(dx, dy);
    if (preview_) preview_->Offset(dx, dy);
    // Columns scrolled into view get their cells.
    if (dx != 0) CalculateCellsInView();
}

TcxCustomGridHitTest* TcxGridDataRowViewInfo::GetHitTest(TPoint p) {
    TcxCustomGridHitTest* hitTest = TcxCustomGridRowViewInfo::GetHitTest(p);
    if (!hitTest || hitTest->GetViewInfo() != this || hitTest->GetHitTestCode() != htRecord) return hitTest;
    for (TcxGridDataCellViewInfo* cell : cells_)
        if (cell && cell->IsCalculated())
            if (TcxCustomGridHitTest* cellHitTest = cell->GetHitTest(p)) return cellHitTest;
    if (preview_ && preview_->IsCalculated())
        if (TcxCustomGridHitTest* previewHitTest = preview_->GetHitTest(p)) return previewHitTest;
    return hitTest;
}

void TcxGridDataRowViewInfo::CalculateCellMerging() {
    for (TcxGridDataCellViewInfo* cell : cells_)
        if (cell && cell->IsCalculated()) cell->CalculateCellMerging();
}

void TcxGridDataRowViewInfo::ResetCellMerging() {
    for (TcxGridDataCellViewInfo* cell : cells_)
        if (cell) cell->ResetCellMerging();
}

TcxCustomGridCellPainterClass TcxGridDataRowViewInfo::GetPainterClass() {
    return GetRowsViewInfo()->GetDataRowPainterClass();
}

// ---- the special rows ----

TcxGridSpecialRowOptions* TcxGridNewItemRowViewInfo::GetOptions() const { return GetGridView()->GetNewItemRow(); }

TcxGridSpecialRowOptions* TcxGridFilterRowViewInfo::GetOptions() const { return GetGridView()->GetFilterRow(); }

std::string TcxGridNewItemRowViewInfo::GetInfoText() const { return GetOptions()->GetInfoText(); }

bool TcxGridNewItemRowViewInfo::ShowInfoText() { return !GetGridRecord()->GetFocused(); }

bool TcxGridFilterRowViewInfo::ShowInfoText() {
    return TcxGridNewItemRowViewInfo::ShowInfoText() && GetGridView()->GetDataController()->GetFilter().IsEmpty();
}

int TcxGridNewItemRowViewInfo::GetSeparatorWidth() { return GetOptions()->GetSeparatorWidth(); }

TColor TcxGridNewItemRowViewInfo::GetSeparatorColor() { return GetOptions()->GetEffectiveSeparatorColor(); }

bool TcxGridNewItemRowViewInfo::CalculateSelected() { return GetGridRecord()->GetSelected(); }

int TcxGridNewItemRowViewInfo::CalculateHeight() {
    if (height_ == 0) height_ = GetRowsViewInfo()->GetDataRowHeightValue() + GetNonDataHeight();
    return height_;
}

TRect TcxGridNewItemRowViewInfo::GetInfoTextBounds() {
    TRect r{GetContentLeft(), Bounds.Top, Bounds.Right, Bounds.Top + GetDataHeight()};
    r.Right = std::min(r.Right, GetGridViewInfo()->GetClientBounds().Right);
    return r;
}

TcxCustomGridCellPainterClass TcxGridNewItemRowViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridNewItemRowPainter>();
}

// ---- painters ----

void TcxGridPreviewCellPainter::DrawContent() {
    TcxCustomGridCellViewInfo* cell = GetViewInfo();
    if (cell->HasBackgroundBitmap())
        DrawBackground();
    else
        GetCanvas()->FillRectSolid(cell->GetContentBounds(), cell->ViewParams.Color);
    TcxGridDataCellPainter::DrawContent();
}

TcxGridDataRowViewInfo* TcxGridDataRowPainter::GetRowViewInfo() const {
    return static_cast<TcxGridDataRowViewInfo*>(GetViewInfo());
}

void TcxGridDataRowPainter::Paint() {
    TcxGridDataRowViewInfo* row = GetRowViewInfo();
    if (row->DrawsCells()) {
        TcxCanvas* canvas = GetCanvas();
        TcxRegion* clip = canvas->CopyClipRegion();
        try {
            DrawCells();
        } catch (...) {
            canvas->ApplyClipRegion(clip);
            throw;
        }
        canvas->ApplyClipRegion(clip);
    }
    TcxCustomGridRowPainter::Paint();
}

void TcxGridDataRowPainter::DrawCells() {
    TcxGridDataRowViewInfo* row = GetRowViewInfo();
    TcxCanvas* canvas = GetCanvas();
    if (row->GetCellsAreaViewInfo()->GetVisible()) row->GetCellsAreaViewInfo()->Paint(canvas);
    for (int i = 0; i < row->GetCellCount(); ++i)
        if (TcxGridDataCellViewInfo* cell = row->FindCellViewInfo(i))
            if (cell->IsCalculated()) cell->Paint(canvas);
    if (TcxGridPreviewCellViewInfo* preview = row->GetPreviewViewInfo(); preview && row->GetPreviewHeight() > 0)
        preview->Paint(canvas);
}

void TcxGridNewItemRowPainter::Paint() {
    auto* row = static_cast<TcxGridNewItemRowViewInfo*>(GetRowViewInfo());
    if (row->ShowInfoText()) {
        TcxPartParams params;
        row->GetGridView()->GetTableStyles()->GetViewParams(row->GetInfoTextStyleIndex(), row->GetGridRecord(), nullptr, params);
        TcxCanvas* canvas = GetCanvas();
        const TRect data{row->Bounds.Left, row->Bounds.Top, row->Bounds.Right, row->Bounds.Top + row->GetDataHeight()};
        if (!row->HasBackgroundBitmap()) canvas->FillRectSolid(data, params.Color);
        if (params.Font) canvas->AssignFont(params.Font);
        canvas->CurrentFont()->SetColor(params.TextColor);
        canvas->CurrentBrush()->SetStyle(bsClear);
        canvas->PaintText(row->GetInfoText(), row->GetInfoTextBounds(), ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine);
        canvas->CurrentBrush()->SetStyle(bsSolid);
    }
    TcxGridDataRowPainter::Paint();
}

void TcxGridNewItemRowPainter::DrawSeparator() {
    TcxGridDataRowViewInfo* row = GetRowViewInfo();
    if (row->GetSeparatorWidth() <= 0) return;
    const TRect r = row->GetSeparatorBounds();
    const TColor color = row->GetSeparatorColor();
    row->GetLookAndFeelPainter()->DrawHeader(GetCanvas(), r, 0, cxBordersAll, cxbsNormal, TcxHeaderText{},
                                             [color](TcxCanvas* canvas, const TRect& bounds) {
                                                 canvas->FillRectSolid(bounds, color);
                                                 return true;
                                             });
}

} // namespace zorvy
