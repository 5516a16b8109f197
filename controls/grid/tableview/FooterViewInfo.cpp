// The footer: which summary items get a cell, the rows of cells, their places under the header
// cells, scrolling, hit tests and the summary texts.
#include "controls/grid/tableview/FooterViewInfo.h"

#include "controls/data/DataController.h"
#include "controls/data/DataSummary.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTablePainters.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "platform/classlib/Forms.h"

#include <algorithm>
#include <stdexcept>

namespace zorvy {

// ---- footer cell ----

TcxGridFooterCellViewInfo::TcxGridFooterCellViewInfo(TcxGridFooterViewInfo* container, TcxDataSummaryItem* summaryItem)
    : TcxGridColumnHeaderViewInfo(container, dynamic_cast<TcxGridColumn*>(summaryItem->GetItemLink())),
      summaryItem_(summaryItem) {}

TcxGridFooterViewInfo* TcxGridFooterCellViewInfo::GetFooter() const {
    return static_cast<TcxGridFooterViewInfo*>(GetContainer());
}

void TcxGridFooterCellViewInfo::Calculate(int left, int top, int width, int height) {
    TcxGridColumnHeaderViewInfo::Calculate(left, top, width, height);
    // Neighbouring cells stand twice the offset apart.
    const int offset = GetLookAndFeelPainter()->GetFooterCellOffset();
    InflateRect(Bounds, -offset, -offset);
    ResetCachedBounds(Bounds);
    CalculateAreas();
}

bool TcxGridFooterCellViewInfo::DoCustomDraw(TcxCanvas* canvas) {
    bool done = false;
    GetColumn()->DoCustomDrawFooterCell(canvas, this, done);
    if (!done) GetGridView()->DoCustomDrawFooterCell(canvas, this, done);
    return done;
}

TAlignment TcxGridFooterCellViewInfo::CalculateAlignmentHorz() { return GetColumn()->GetFooterAlignmentHorz(); }
TBitmap* TcxGridFooterCellViewInfo::GetBackgroundBitmap() { return GetFooter()->GetBackgroundBitmap(); }
const TMetaClass* TcxGridFooterCellViewInfo::GetHitTestClass() { return GetFooter()->GetCellHitTestClass(); }
TcxCustomGridCellPainterClass TcxGridFooterCellViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridFooterCellPainter>();
}

std::string TcxGridFooterCellViewInfo::CalculateText() {
    try {
        return GetSummaryText();
    } catch (const std::exception& e) {
        GetFooter()->NoteTextFailure(e);
        return {};
    }
}

std::string TcxGridFooterCellViewInfo::GetSummaryText() {
    return GetGridView()->GetDataController()->GetSummary().FooterText(summaryItem_->GetIndex());
}

void TcxGridFooterCellViewInfo::GetViewParams(TcxPartParams& params) {
    GetGridView()->GetStyles()->GetFooterCellParams(nullptr, GetColumn(), -1, summaryItem_, params);
}

bool TcxGridFooterCellViewInfo::HasCustomDraw() {
    return GetColumn()->HasCustomDrawFooterCell() || GetGridView()->HasCustomDrawFooterCell();
}

void TcxGridFooterCellViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxGridColumnHeaderViewInfo::InitHitTest(hitTest);
    if (auto* cellHitTest = dynamic_cast<TcxGridFooterCellHitTest*>(hitTest)) cellHitTest->SummaryItem = summaryItem_;
}

int TcxGridFooterCellViewInfo::GetWidthWithBorders() {
    return TcxGridColumnHeaderViewInfo::GetWidthWithBorders() + 2 * GetLookAndFeelPainter()->GetFooterCellOffset();
}

int TcxGridFooterCellViewInfo::GetBorderWidthFor(const TcxCustomLookAndFeelPainter* painter) {
    return painter->GetFooterCellBorderWidth();
}

// ---- footer ----

TcxGridFooterViewInfo::TcxGridFooterViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxGridHeaderViewInfo(gridViewInfo) {}

TcxGridHeaderViewInfo* TcxGridFooterViewInfo::GetHeaderViewInfo() const {
    TcxCustomGridTableViewInfo* viewInfo = GetTableViewInfo();
    for (int i = 0; i < viewInfo->GetPartCount(); ++i) {
        TcxCustomGridPartViewInfo* part = viewInfo->GetPart(i);
        if (part->ClassType() == TcxGridHeaderViewInfo::StaticClass() ||
            (dynamic_cast<TcxGridHeaderViewInfo*>(part) && !dynamic_cast<TcxGridFooterViewInfo*>(part)))
            return static_cast<TcxGridHeaderViewInfo*>(part);
    }
    return nullptr;
}

TcxDataSummaryItems* TcxGridFooterViewInfo::GetSummaryItems() {
    return &GetGridView()->GetDataController()->GetSummary().FooterSummaryItems();
}

bool TcxGridFooterViewInfo::IsMultiSummaries() { return GetOptionsView()->GetEffectiveFooterMultiSummaries(); }

void TcxGridFooterViewInfo::CreateItems() {
    summaryItems_.clear();
    rowCount_ = 0;
    const int columnCount = GetGridView()->GetVisibleColumnCount();
    std::vector<bool> taken(static_cast<size_t>(std::max(columnCount, 0)), false);
    if (TcxDataSummaryItems* items = GetSummaryItems()) {
        const bool multi = IsMultiSummaries();
        for (int i = 0; i < items->GetCount(); ++i) {
            auto* item = static_cast<TcxDataSummaryItem*>(items->GetItem(i));
            if (item->GetPosition() != spFooter) continue;
            // Items of hidden columns or of no column get no cell until the cells are made again.
            auto* column = dynamic_cast<TcxGridColumn*>(item->GetItemLink());
            if (!column) continue;
            const int index = column->GetVisibleIndex();
            if (index < 0 || index >= columnCount) continue;
            if (!multi && taken[static_cast<size_t>(index)]) continue;
            summaryItems_.push_back(item);
            taken[static_cast<size_t>(index)] = true;
        }
    }
    PrepareItems(summaryItems_);
    cellCalculated_.assign(summaryItems_.size(), false);
    TcxGridHeaderViewInfo::CreateItems();
}

void TcxGridFooterViewInfo::DestroyItems() {
    TcxGridHeaderViewInfo::DestroyItems();
    summaryItems_.clear();
    cellCalculated_.clear();
    rowCount_ = 0;
}

TcxGridColumnHeaderViewInfo* TcxGridFooterViewInfo::CreateItem(int index) {
    return new TcxGridFooterCellViewInfo(this, GetSummaryItem(index));
}

TcxGridColumn* TcxGridFooterViewInfo::GetColumn(int index) {
    return dynamic_cast<TcxGridColumn*>(GetSummaryItem(index)->GetItemLink());
}

int TcxGridFooterViewInfo::CalculateRowCount() {
    std::vector<int> counts;
    for (int i = 0; i < GetCount(); ++i) {
        const int index = GetColumn(i)->GetVisibleIndex();
        if (index >= static_cast<int>(counts.size())) counts.resize(static_cast<size_t>(index) + 1, 0);
        ++counts[static_cast<size_t>(index)];
    }
    const int most = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    return std::max(most, 1);
}

int TcxGridFooterViewInfo::GetRowCount() {
    GetCount();
    if (rowCount_ == 0) rowCount_ = CalculateRowCount();
    return rowCount_;
}

int TcxGridFooterViewInfo::GetRowHeight() { return IsMultiRow() ? GetItemHeight() : GetSpecific()->GetHeight(); }

int TcxGridFooterViewInfo::CalculateItemHeight() {
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    int height = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (IsCellVisible(i)) height = std::max(height, GetItem(i)->CalculateHeight());
    if (height == 0) {
        EnsureCalculated();
        height = GetGridViewInfo()->GetTextHeight(ViewParams.Font) + 4 + 2 * painter->GetFooterCellBorderWidth();
    }
    return height + 2 * painter->GetFooterCellOffset();
}

int TcxGridFooterViewInfo::CalculateHeight() {
    if (!GetVisible()) return 0;
    EnsureCalculated();
    return GetBorderWidth(bTop) + GetRowCount() * GetRowHeight() + GetBorderWidth(bBottom) + GetSeparatorWidth();
}

int TcxGridFooterViewInfo::CalculateWidth() {
    TcxGridHeaderViewInfo* header = GetHeaderViewInfo();
    return header ? header->CalculateWidth() : TcxGridHeaderViewInfo::CalculateWidth();
}

TRect TcxGridFooterViewInfo::GetPartBounds() {
    TRect r = TcxGridHeaderViewInfo::GetPartBounds();
    // The footer spans and scrolls like the header, also when the header is hidden.
    if (TcxGridHeaderViewInfo* header = GetHeaderViewInfo()) {
        const TRect headerBounds = header->GetTableViewInfo()->GetPartBounds(header);
        r.Left = headerBounds.Left;
        r.Right = headerBounds.Right;
    }
    return r;
}

bool TcxGridFooterViewInfo::GetItemMultiLine() { return GetOptionsView()->GetFooterAutoHeight() && !IsMultiRow(); }

int TcxGridFooterViewInfo::GetColumnWidth(TcxGridColumn* column) {
    TcxGridHeaderViewInfo* header = GetHeaderViewInfo();
    TcxGridColumnHeaderViewInfo* headerCell = header ? header->FindItem(column) : nullptr;
    int width = headerCell ? headerCell->CalculateWidth() : TcxGridColumnContainerViewInfo::GetColumnWidth(column);
    EnsureCalculated();
    if (column->IsLeftmostInView()) width -= GetBorderWidth(bLeft);
    if (column->IsRightmostInView()) width -= GetBorderWidth(bRight);
    return width;
}

TRect TcxGridFooterViewInfo::GetCellsAreaBounds() {
    TRect r = Bounds;
    r.Top += GetSeparatorWidth();
    return r;
}

TRect TcxGridFooterViewInfo::GetItemsAreaBounds() {
    TRect r = GetCellsAreaBounds();
    r.Left += GetBorderWidth(bLeft);
    r.Top += GetBorderWidth(bTop);
    r.Right -= GetBorderWidth(bRight);
    r.Bottom -= GetBorderWidth(bBottom);
    return r;
}

int TcxGridFooterViewInfo::GetContainerKind() { return ckFooter; }

bool TcxGridFooterViewInfo::IsCellVisible(int index) {
    TcxGridHeaderViewInfo* header = GetHeaderViewInfo();
    if (!header) return true;
    TcxGridColumnHeaderViewInfo* headerCell = header->FindItem(GetColumn(index));
    return headerCell && headerCell->GetVisible();
}

void TcxGridFooterViewInfo::CalculateItems() {
    for (int i = 0; i < GetCount(); ++i) {
        if (IsCellVisible(i))
            CalculateItem(i);
        else
            cellCalculated_[static_cast<size_t>(i)] = false;
    }
}

void TcxGridFooterViewInfo::CalculateItem(int index) {
    TcxGridColumnHeaderViewInfo* cell = GetItem(index);
    TcxGridColumn* column = cell->GetColumn();
    cell->Calculate(GetCellLeft(column), GetCellTop(index), -1, GetCellHeight(column));
    cellCalculated_[static_cast<size_t>(index)] = true;
}

int TcxGridFooterViewInfo::GetCellLeft(TcxGridColumn* column) {
    if (column->IsLeftmostInView()) return GetItemsAreaBounds().Left;
    TcxGridHeaderViewInfo* header = GetHeaderViewInfo();
    TcxGridColumnHeaderViewInfo* headerCell = header ? header->FindItem(column) : nullptr;
    return headerCell ? headerCell->GetRealBounds().Left : GetItemsAreaBounds().Left;
}

int TcxGridFooterViewInfo::GetColumnTop(TcxGridColumn*) { return GetItemsAreaBounds().Top; }

int TcxGridFooterViewInfo::GetCellRowIndex(int index) {
    TcxGridColumn* column = GetColumn(index);
    int row = 0;
    for (int i = 0; i < index; ++i)
        if (GetColumn(i) == column) ++row;
    return row;
}

int TcxGridFooterViewInfo::GetCellTop(int index) {
    return GetColumnTop(GetColumn(index)) + GetCellRowIndex(index) * GetRowHeight();
}

int TcxGridFooterViewInfo::GetCellHeight(TcxGridColumn*) { return GetItemHeight(); }

const TMetaClass* TcxGridFooterViewInfo::GetCellHitTestClass() { return TcxGridFooterCellHitTest::StaticClass(); }

TRect TcxGridFooterViewInfo::GetSeparatorBounds() {
    return TRect{Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Top + GetSeparatorWidth()};
}

int TcxGridFooterViewInfo::GetSeparatorWidth() {
    return HasSeparator() ? GetLookAndFeelPainter()->GetFooterSeparatorWidth() : 0;
}

int TcxGridFooterViewInfo::GetColumnBestFitWidth(TcxGridColumn* column) {
    int width = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (GetColumn(i) == column) width = std::max(width, GetItem(i)->GetWidthWithBorders());
    return width;
}

TBitmap* TcxGridFooterViewInfo::GetBackgroundBitmap() { return GetGridView()->GetBackgroundBitmaps()->GetBitmap(TcxGridTableBackgroundBitmaps::bbFooter); }
TcxBorders TcxGridFooterViewInfo::CalculateBorders() { return GetLookAndFeelPainter()->GetFooterBorders(); }
int TcxGridFooterViewInfo::GetSideBorderWidth(TcxBorder) { return GetLookAndFeelPainter()->GetFooterBorderWidth(); }
const TMetaClass* TcxGridFooterViewInfo::GetHitTestClass() { return TcxGridFooterHitTest::StaticClass(); }
TcxCustomGridCellPainterClass TcxGridFooterViewInfo::GetPainterClass() { return CellPainterClassOf<TcxGridFooterPainter>(); }

void TcxGridFooterViewInfo::GetViewParams(TcxPartParams& params) {
    GetGridView()->GetStyles()->GetFooterParams(nullptr, nullptr, -1, nullptr, params);
}

bool TcxGridFooterViewInfo::GetVisible() { return GetOptionsView()->GetFooter(); }

void TcxGridFooterViewInfo::DoOffset(int dx, int dy) {
    TcxGridHeaderViewInfo::DoOffset(dx, dy);
    if (dx == 0) return;
    // Cells that scroll out are dropped; those that scroll in are laid out.
    for (int i = 0; i < GetCount(); ++i) {
        if (!IsCellVisible(i))
            cellCalculated_[static_cast<size_t>(i)] = false;
        else if (!cellCalculated_[static_cast<size_t>(i)])
            CalculateItem(i);
    }
}

TcxCustomGridHitTest* TcxGridFooterViewInfo::GetHitTest(TPoint p) {
    for (int i = 0; i < GetCount(); ++i)
        if (cellCalculated_[static_cast<size_t>(i)])
            if (TcxCustomGridHitTest* hitTest = GetItem(i)->GetHitTest(p)) return hitTest;
    TcxCustomGridHitTest* hitTest = TcxCustomGridPartViewInfo::GetHitTest(p);
    if (!hitTest) return nullptr;
    // Empty footer space under a column still names the column.
    TcxGridTableView* view = GetGridView();
    const TRect items = GetItemsAreaBounds();
    for (int i = 0; i < view->GetVisibleColumnCount(); ++i) {
        TcxGridColumn* column = view->GetVisibleColumn(i);
        TRect r;
        r.Left = GetCellLeft(column);
        r.Right = r.Left + GetColumnWidth(column);
        if (IsMultiRow()) {
            r.Top = items.Top;
            r.Bottom = items.Bottom;
        } else {
            r.Top = GetColumnTop(column);
            r.Bottom = r.Top + GetCellHeight(column);
        }
        if (!PtInRect(r, p)) continue;
        auto* cellHitTest = static_cast<TcxGridFooterCellHitTest*>(TcxCustomGridHitTest::GetInstance(GetCellHitTestClass(), p));
        cellHitTest->SetViewInfo(nullptr);
        InitHitTest(cellHitTest);
        cellHitTest->Column = column;
        cellHitTest->SummaryItem = nullptr;
        return cellHitTest;
    }
    return hitTest;
}

void TcxGridFooterViewInfo::NoteTextFailure(const std::exception& e) {
    if (hasTextFailure_) return;
    hasTextFailure_ = true;
    textFailure_ = e.what();
}

void TcxGridFooterViewInfo::ReportTextFailures() {
    if (!hasTextFailure_) {
        reportedFailure_.clear();
        return;
    }
    hasTextFailure_ = false;
    if (textFailure_ == reportedFailure_) return;
    reportedFailure_ = textFailure_;
    Application->HandleException(std::runtime_error(textFailure_));
}

} // namespace zorvy
