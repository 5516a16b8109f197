#include "controls/editors/lookup/LookupGridViewInfo.h"

#include "controls/editors/lookup/LookupGrid.h"
#include "controls/foundation/graphics/Canvas.h"

#include <algorithm>

namespace zorvy {

TcxLookupGridViewInfo::~TcxLookupGridViewInfo() = default;

TcxLookAndFeelPainterClass TcxLookupGridViewInfo::LookAndFeelPainter() const {
    return grid_->GetPainter()->LookAndFeelPainter;
}

int TcxLookupGridViewInfo::GetHeaderHeight() {
    return LookAndFeelPainter()->CalcHeaderHeight(grid_->GetActiveCanvas()->MeasureFontLineHeight(GetHeaderFont()));
}

// ---- colours and fonts ----

TColor TcxLookupGridViewInfo::GetContentColor() const {
    return grid_->GetColor();
}

TFont* TcxLookupGridViewInfo::GetContentFont() const {
    return grid_->GetFont();
}

TColor TcxLookupGridViewInfo::GetContentTextColor() const {
    return GetContentFont()->GetColor();
}

TColor TcxLookupGridViewInfo::GetHeaderColor() const {
    return LookAndFeelPainter()->DefaultHeaderColor();
}

TFont* TcxLookupGridViewInfo::GetHeaderFont() const {
    return grid_->GetFont();
}

TColor TcxLookupGridViewInfo::GetHeaderTextColor() const {
    return LookAndFeelPainter()->DefaultHeaderTextColor();
}

TColor TcxLookupGridViewInfo::GetSelectionColor() const {
    return LookAndFeelPainter()->DefaultSelectionColor();
}

TColor TcxLookupGridViewInfo::GetSelectionTextColor() const {
    return LookAndFeelPainter()->DefaultSelectionTextColor();
}

// ---- cell editors ----

TcxEditStyle* TcxLookupGridViewInfo::InitColumnStyle(TcxLookupGridColumn* column) {
    auto* style = new TcxEditStyle(nullptr);
    style->SetButtonTransparency(ebtHideInactive);
    if (TFont* font = column->GetContentFont()) style->SetFont(font);
    return style;
}

void TcxLookupGridViewInfo::CreateCellViewData(TcxLookupGridColumnViewInfo& column) {
    TcxCustomEditProperties* properties = column.Column->GetProperties();
    // Handing over the provider is no change of the column's settings.
    const bool locked = properties->IsChangeLocked();
    properties->SuppressChanged(true);
    properties->AttachDefaultValuesProvider(column.Column->GetDefaultValuesProvider());
    properties->SuppressChanged(locked);
    column.EditViewData.reset(properties->MakeViewData(column.EditStyle.get(), true));
}

int TcxLookupGridViewInfo::MeasureColumnRowHeight(TcxLookupGridColumnViewInfo& column) {
    CreateCellViewData(column);
    TSize size{};
    try {
        column.EditViewData->MeasureEditorSize(grid_->GetActiveCanvas(), Variant(), TcxEditSizeProperties{}, nullptr,
                                               size);
    } catch (...) {
        ReleaseCellViewData(column);
        throw;
    }
    ReleaseCellViewData(column);
    return size.cy + 2;
}

int TcxLookupGridViewInfo::GetRowHeight() const {
    const TcxGridLines lines = grid_->GetOptions()->GetGridLines();
    return rowMinHeight_ + (lines == glBoth || lines == glHorizontal ? GetGridLineWidth() : 0);
}

// ---- calculation ----

void TcxLookupGridViewInfo::Calculate() {
    BorderSize = grid_->GetBorderThickness();
    CalcHeaderArea();
    CalcRows();
    CalcEmptyAreas();
}

void TcxLookupGridViewInfo::CalcHeaderArea() {
    Columns.clear();
    const TRect client = grid_->GetContentBounds();
    if (grid_->GetColumns()->GetCount() == 0) {
        HeaderRect = Rect(client.Left, client.Top, client.Left, client.Top);
        return;
    }
    HeaderRect = client;
    HeaderRect.Bottom = client.Top + (grid_->GetOptions()->GetShowHeader() ? GetHeaderHeight() : 0);
    CalcColumns();
}

void TcxLookupGridViewInfo::CalcColumns() {
    TcxLookupGridColumns* columns = grid_->GetColumns();
    TcxLookAndFeelPainterClass painter = LookAndFeelPainter();
    TcxAutoWidthObject widths(columns->GetCount());
    widths.AvailableWidth = HeaderRect.Right - HeaderRect.Left;
    for (int i = 0; i < columns->GetCount(); ++i) {
        TcxLookupGridColumn* column = columns->GetColumn(i);
        auto header = std::make_unique<TcxLookupGridColumnViewInfo>();
        header->Column = column;
        header->HeaderAlignment = column->GetHeaderAlignment();
        header->Neighbours = (column->IsFirst() ? 0 : 1 << bLeft) | (column->IsLast() ? 0 : 1 << bRight);
        header->Borders = painter->GetHeaderBorders(header->Neighbours);
        header->SortOrder = column->GetSortOrder();
        header->Caption = column->GetCaption();
        header->EditStyle.reset(InitColumnStyle(column));
        Columns.push_back(std::move(header));
        TcxAutoWidthItem* item = widths.NewItem();
        item->MinWidth = column->GetMinWidth();
        item->Width = column->GetWidth();
        item->Fixed = column->GetFixed();
    }
    widths.DistributeWidth();
    int x = HeaderRect.Left;
    for (int i = 0; i < static_cast<int>(Columns.size()); ++i) {
        TcxLookupGridColumnViewInfo& header = *Columns[i];
        header.Bounds = Rect(x, HeaderRect.Top, x + widths.GetItem(i)->AutoWidth, HeaderRect.Bottom);
        header.ContentBounds = painter->GetHeaderContentBounds(header.Bounds, header.Borders);
        x = header.Bounds.Right;
    }
    if (x < HeaderRect.Right) HeaderRect.Right = x;
}

void TcxLookupGridViewInfo::CalcRows() {
    Rows.clear();
    RowsRect = VisibleRowsRect = TRect{};
    LaidOutRowCount = FullyVisibleRowCount = 0;
    if (HeaderRect.Right - HeaderRect.Left < 1) return;
    rowMinHeight_ = 0;
    for (auto& column : Columns)
        rowMinHeight_ = std::max(rowMinHeight_, MeasureColumnRowHeight(*column));
    const TRect client = grid_->GetContentBounds();
    RowsRect = Rect(HeaderRect.Left, HeaderRect.Bottom, HeaderRect.Right, HeaderRect.Bottom);
    VisibleRowsRect = RowsRect;
    const int rowCount = grid_->GetRowCount();
    int y = RowsRect.Bottom;
    auto lay = [&](int rowIndex) {
        LayOutRow(rowIndex, y, client);
        ++LaidOutRowCount;
        if (y > client.Bottom) return false;
        ++FullyVisibleRowCount;
        VisibleRowsRect.Bottom = y;
        return true;
    };
    if (topRowMode_ == ltmBackward) {
        for (int r = internalTopRowIndex_; r >= 0 && lay(r); --r) {}
    } else {
        const int top = topRowMode_ == ltmForward ? internalTopRowIndex_ : grid_->GetTopRowIndex();
        for (int r = std::max(top, 0); r < rowCount && lay(r); ++r) {}
    }
    if (LaidOutRowCount > 0 && FullyVisibleRowCount == 0) FullyVisibleRowCount = 1;
}

void TcxLookupGridViewInfo::LayOutRow(int rowIndex, int& y, const TRect& client) {
    TcxCustomDataController* controller = grid_->GetDataController();
    const TcxGridLines lines = grid_->GetOptions()->GetGridLines();
    const int line = GetGridLineWidth();
    auto row = std::make_unique<TcxLookupGridRowViewInfo>();
    row->RowIndex = rowIndex;
    row->RecordIndex = controller->GetRowInfo(rowIndex).RecordIndex;
    row->Bounds = Rect(RowsRect.Left, y, RowsRect.Right, y + rowMinHeight_);
    row->ContentBounds = row->Bounds;
    const int cellCount = static_cast<int>(Columns.size());
    row->Cells.resize(Columns.size());
    for (int i = 0; i < cellCount; ++i) {
        TcxLookupGridCellViewInfo& cell = row->Cells[i];
        cell.ColumnIndex = i;
        cell.Bounds = Rect(Columns[i]->Bounds.Left, y, Columns[i]->Bounds.Right, y + rowMinHeight_);
        cell.ContentBounds = cell.Bounds;
        const bool rightLine = lines == glBoth || lines == glVertical || (lines == glHorizontal && i == cellCount - 1);
        if (!rightLine) continue;
        cell.ContentBounds.Right -= line;
        if (i == cellCount - 1) {
            row->Borders |= 1 << bRight;
            row->ContentBounds.Right = cell.ContentBounds.Right;
        } else {
            cell.Borders |= 1 << bRight;
        }
    }
    bool bottomLine = lines == glBoth || lines == glHorizontal;
    if (lines == glVertical)
        bottomLine = rowIndex == grid_->GetRowCount() - 1 && row->Bounds.Bottom != client.Bottom &&
                     topRowMode_ == ltmNone;
    if (bottomLine) {
        row->Bounds.Bottom += line;
        row->Borders |= 1 << bBottom;
    }
    RowsRect.Bottom = row->Bounds.Bottom;
    y = row->Bounds.Bottom;
    RecalculateRow(*row);
    Rows.push_back(std::move(row));
}

void TcxLookupGridViewInfo::RecalculateRow(TcxLookupGridRowViewInfo& row) {
    row.Focused = row.RowIndex == grid_->GetFocusedRowIndex();
    for (TcxLookupGridCellViewInfo& cell : row.Cells)
        cell.Focused = Columns[cell.ColumnIndex]->Column == grid_->GetFocusedColumn();
    if (topRowMode_ != ltmNone) return; // only counting rows
    for (TcxLookupGridCellViewInfo& cell : row.Cells)
        FillCell(row, cell);
}

void TcxLookupGridViewInfo::FillCell(TcxLookupGridRowViewInfo& row, TcxLookupGridCellViewInfo& cell) {
    TcxCustomDataController* controller = grid_->GetDataController();
    TcxLookupGridColumnViewInfo& column = *Columns[cell.ColumnIndex];
    const bool selected = controller->IsRowSelected(row.RowIndex) && row.Focused && !cell.Focused;
    column.EditStyle->SetColor(selected ? GetSelectionColor() : GetContentColor());
    column.EditStyle->SetTextColor(selected ? GetSelectionTextColor() : GetContentTextColor());
    TcxCustomEditProperties* properties = column.Column->GetProperties();
    cell.EditViewInfo.reset(properties->CreateViewInfo());
    const Variant value = properties->UsesDefaultFormatting(false)
                              ? Variant(controller->GetDisplayText(row.RecordIndex, cell.ColumnIndex))
                              : controller->GetValue(row.RecordIndex, cell.ColumnIndex);
    CreateCellViewData(column);
    try {
        TRect area = cell.ContentBounds;
        InflateRect(area, -1, -1);
        column.EditViewData->FillViewInfo(grid_->GetActiveCanvas(), area, Point(-1, -1), 0, 0,
                                          cell.EditViewInfo.get(), false);
        column.EditViewData->FillEditorViewInfo(value, cell.EditViewInfo.get());
    } catch (...) {
        ReleaseCellViewData(column);
        throw;
    }
    ReleaseCellViewData(column);
}

void TcxLookupGridViewInfo::CalcEmptyAreas() {
    const TRect client = grid_->GetContentBounds();
    RightEmptyRect = HeaderRect.Right < client.Right ? Rect(HeaderRect.Right, client.Top, client.Right, client.Bottom)
                                                     : TRect{};
    const int rowsBottom = std::max(RowsRect.Bottom, HeaderRect.Bottom);
    BottomEmptyRect =
        rowsBottom < client.Bottom ? Rect(client.Left, rowsBottom, client.Right, client.Bottom) : TRect{};
}

int TcxLookupGridViewInfo::GetNearestTopRowIndex(int index) {
    struct ModeReset {
        TcxLookupGridTopRowMode& mode;
        ~ModeReset() { mode = ltmNone; }
    } reset{topRowMode_};
    topRowMode_ = ltmForward;
    internalTopRowIndex_ = index;
    CalcRows();
    if (RowsRect.Bottom >= grid_->GetContentBounds().Bottom) return index;
    const int last = std::min(index + FullyVisibleRowCount - 1, grid_->GetRowCount() - 1);
    topRowMode_ = ltmBackward;
    internalTopRowIndex_ = last;
    CalcRows();
    return last - FullyVisibleRowCount + 1;
}

TcxLookupGridRowViewInfo* TcxLookupGridViewInfo::FindRow(int rowIndex) {
    for (auto& row : Rows)
        if (row->RowIndex == rowIndex) return row.get();
    return nullptr;
}

} // namespace zorvy
