// The rows area of the table view and the layout every row shares.
#include "controls/grid/tableview/RowsViewInfo.h"

#include "controls/grid/table/Records.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/RowFooterViewInfo.h"
#include "controls/grid/tableview/Rows.h"

#include <algorithm>
#include <memory>

namespace zorvy {

namespace {

constexpr int kRowsTextMargins = 4;

bool RowsHaveHorzGridLines(TcxGridTableView* view) {
    const TcxGridLines lines = view->GetOptionsView()->GetGridLines();
    return lines == glBoth || lines == glHorizontal;
}

} // namespace

// ---- the rows area ----

TcxGridRowsViewInfo::TcxGridRowsViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxCustomGridRecordsViewInfo(gridViewInfo) {
    TcxGridTableView* view = GetGridView();
    auto* viewData = static_cast<TcxGridViewData*>(GetViewData());
    if (view->GetFilterRow()->GetVisible() && viewData->GetFilterRow())
        filterRowViewInfo_ = new TcxGridFilterRowViewInfo(this, viewData->GetFilterRow());
    if (view->GetNewItemRow()->GetVisible() && viewData->GetNewItemRecord())
        newItemRowViewInfo_ = new TcxGridNewItemRowViewInfo(this, viewData->GetNewItemRecord());
}

TcxGridRowsViewInfo::~TcxGridRowsViewInfo() {
    delete newItemRowViewInfo_;
    delete filterRowViewInfo_;
}

TcxGridTableView* TcxGridRowsViewInfo::GetGridView() const {
    return static_cast<TcxGridTableView*>(TcxCustomGridRecordsViewInfo::GetGridView());
}

TcxGridTableViewInfo* TcxGridRowsViewInfo::GetGridViewInfo() const {
    return static_cast<TcxGridTableViewInfo*>(TcxCustomGridRecordsViewInfo::GetGridViewInfo());
}

int TcxGridRowsViewInfo::GetSpecialRowsHeight() {
    int height = 0;
    if (filterRowViewInfo_) height += filterRowViewInfo_->GetRecordHeight();
    if (newItemRowViewInfo_) height += newItemRowViewInfo_->GetRecordHeight();
    return height;
}

int TcxGridRowsViewInfo::GetRowHeightWithSeparator() const {
    return GetGridView()->GetOptionsView()->GetRowSeparatorWidth() + dataRowHeight_;
}

// ---- heights ----

bool TcxGridRowsViewInfo::IsDataRowHeightAssigned() {
    return GetGridViewInfo()->SupportsAutoHeight() && GetGridView()->GetOptionsView()->GetDataRowHeight() != 0;
}

int TcxGridRowsViewInfo::GetDataRowHeight() {
    return IsDataRowHeightAssigned() ? GetGridView()->GetOptionsView()->GetDataRowHeight()
                                     : GetGridView()->CalculateDefaultDataRowHeight();
}

int TcxGridRowsViewInfo::CalculateDefaultDataRowHeight() {
    TcxGridTableView* view = GetGridView();
    TcxCanvas* canvas = GetCanvas();
    int height = 0;
    if (canvas && view->GetVisibleColumnCount() > 0) {
        for (int i = 0; i < view->GetVisibleColumnCount(); ++i) {
            TcxGridColumn* column = view->GetVisibleColumn(i);
            TcxPartParams params;
            view->GetStyles()->GetContentParams(nullptr, column, params);
            height = std::max(height, column->CalculateDefaultCellHeight(canvas, params.Font));
        }
    } else {
        TcxPartParams params;
        view->GetStyles()->GetContentParams(nullptr, nullptr, params);
        height = GetGridViewInfo()->GetTextHeight(params.Font) + kRowsTextMargins;
    }
    return AdjustDataRecordHeight(height);
}

int TcxGridRowsViewInfo::GetGroupRowHeight() {
    const int assigned = GetGridView()->GetOptionsView()->GetGroupRowHeight();
    return assigned != 0 ? assigned : CalculateGroupRowHeight(false);
}

int TcxGridRowsViewInfo::CalculateGroupRowHeight(bool forCalculation) {
    return GetGridView()->CalculateGroupRowHeight(forCalculation);
}

int TcxGridRowsViewInfo::AdjustDataRecordHeight(int height) {
    return RowsHaveHorzGridLines(GetGridView()) ? height + GetGridViewInfo()->GetGridLineWidth() : height;
}

bool TcxGridRowsViewInfo::CanDataRowSize() {
    return GetGridViewInfo()->SupportsAutoHeight() && GetGridView()->GetOptionsCustomize()->GetDataRowSizing();
}

int TcxGridRowsViewInfo::GetRowSeparatorWidth() { return GetGridView()->GetOptionsView()->GetRowSeparatorWidth(); }

bool TcxGridRowsViewInfo::HasBottomLine(TcxCustomGridRowViewInfo* row) {
    if (GetGridView()->GetOptionsView()->GetGridLines() != glVertical) return false;
    return row ? row->GetSeparatorWidth() == 0 : GetRowSeparatorWidth() == 0;
}

int TcxGridRowsViewInfo::GetDataWidth() { return GetGridViewInfo()->GetDataWidth(); }

TcxCustomGridCellPainterClass TcxGridRowsViewInfo::GetDataRowPainterClass() {
    return CellPainterClassOf<TcxGridDataRowPainter>();
}

bool TcxGridRowsViewInfo::GetAutoRecordHeight() {
    TcxGridTableView* view = GetGridView();
    return TcxCustomGridRecordsViewInfo::GetAutoRecordHeight() && GetGridViewInfo()->SupportsAutoHeight() &&
           (!IsDataRowHeightAssigned() || view->HasGetCellHeight());
}

bool TcxGridRowsViewInfo::IsCellMultiLine(TcxCustomGridTableItem*) { return IsDataRowHeightAssigned(); }

TBitmap* TcxGridRowsViewInfo::GetBackgroundBitmap() { return TcxCustomGridRecordsViewInfo::GetBackgroundBitmap(); }

// ---- the pass ----

TRect TcxGridRowsViewInfo::CalculateBoundsRect() {
    TRect r = TcxCustomGridRecordsViewInfo::CalculateBoundsRect();
    r.Left -= GetGridViewInfo()->GetLeftPos();
    r.Right = r.Left + GetDataWidth();
    return r;
}

TRect TcxGridRowsViewInfo::CalculateContentBoundsRect() {
    TRect r = TcxCustomGridRecordsViewInfo::CalculateContentBoundsRect();
    r.Top += GetSpecialRowsHeight();
    return r;
}

void TcxGridRowsViewInfo::DoCalculate() {
    rowHeight_ = GetDataRowHeight();
    dataRowHeight_ = rowHeight_;
    groupRowHeight_ = GetGroupRowHeight();
    TcxCustomGridRecordsViewInfo::DoCalculate();
    const bool down = GetGridViewInfo()->GetCalculateDown();
    if (down) {
        int top = Bounds.Top;
        for (TcxGridNewItemRowViewInfo* row : {filterRowViewInfo_, newItemRowViewInfo_})
            if (row) {
                row->Calculate(ContentArea.Left, top);
                top = row->Bounds.Bottom;
            }
    }
    CalculateVisibleCount();
    if (GetMaxCount() > 0) {
        int edge = down ? ContentArea.Top : ContentArea.Bottom;
        for (int i = 0; i < partVisibleCount_; ++i) {
            TcxCustomGridRecordViewInfo* row = GetItem(i);
            if (down) {
                row->Calculate(ContentArea.Left, edge);
                edge = row->Bounds.Bottom;
            } else {
                row->Calculate(ContentArea.Left, edge - row->GetRecordHeight());
                edge = row->Bounds.Top;
            }
        }
    }
    CalculateCellMerging();
}

void TcxGridRowsViewInfo::CalculateVisibleCount() {
    TcxCustomGridRecordsViewInfo::CalculateVisibleCount();
    partVisibleCount_ = 0;
    firstRowFullyVisible_ = true;
    const int maxCount = GetMaxCount();
    if (maxCount == 0) return;
    const bool down = GetGridViewInfo()->GetCalculateDown();
    // Before the rows are placed (in a pass) the list grows as far as rows fit; after an offset the
    // rows laid out are counted again.
    const int count = GetCount() > 0 && GetItem(0) && GetItem(0)->IsCalculated() ? GetCount() : maxCount;
    int visible = 0;
    int edge = down ? ContentArea.Top : ContentArea.Bottom;
    for (int i = 0; i < count; ++i) {
        TcxCustomGridRecordViewInfo* item = GetItem(i);
        auto* row = static_cast<TcxCustomGridRowViewInfo*>(item);
        // A row of no height still counts one pixel, so the count ends.
        const int height = std::max(1, row && row->IsCalculated() ? row->GetFullHeight() : (row ? row->GetRecordHeight() : 0));
        ++partVisibleCount_;
        restHeight_ = down ? ContentArea.Bottom - edge : edge - ContentArea.Top;
        edge += down ? height : -height;
        if (down ? edge > ContentArea.Bottom : edge < ContentArea.Top) break;
        ++visible;
        if (edge == (down ? ContentArea.Bottom : ContentArea.Top)) break;
    }
    if (partVisibleCount_ > 0 && visible == partVisibleCount_) {
        if (down) {
            auto* last = static_cast<TcxCustomGridRowViewInfo*>(GetItem(partVisibleCount_ - 1));
            if (last && last->IsCalculated() && !last->IsCompletelyVisible()) --visible;
        } else {
            auto* first = static_cast<TcxCustomGridRowViewInfo*>(GetItem(0));
            if (first && first->IsCalculated() && !first->IsCompletelyVisible()) --visible;
        }
    }
    if (visible == 0) {
        visible = 1;
        firstRowFullyVisible_ = false;
    }
    SetVisibleCount(visible);
}

void TcxGridRowsViewInfo::CalculateCellMerging() {
    TcxGridTableView* view = GetGridView();
    if (!view->AllowsCellMerging() || !view->HasCellMergingColumns()) return;
    for (int i = 0; i < GetCount(); ++i)
        if (auto* row = static_cast<TcxCustomGridRowViewInfo*>(GetItem(i))) row->ResetCellMerging();
    for (int i = 0; i < GetCount(); ++i)
        if (auto* row = static_cast<TcxCustomGridRowViewInfo*>(GetItem(i))) row->CalculateCellMerging();
}

// ---- placing and moving rows ----

int TcxGridRowsViewInfo::GetItemLeftBound(int) { return ContentArea.Left; }

int TcxGridRowsViewInfo::GetItemTopBound(int index) {
    const bool down = GetGridViewInfo()->GetCalculateDown();
    if (index == 0) return down ? ContentArea.Top : ContentArea.Bottom - GetItem(0)->GetRecordHeight();
    TcxCustomGridRecordViewInfo* previous = GetItem(index - 1);
    if (!previous) return ContentArea.Top;
    return down ? previous->Bounds.Bottom : previous->Bounds.Top - GetItem(index)->GetRecordHeight();
}

int TcxGridRowsViewInfo::GetItemsOffset(int recordCountDelta) {
    int offset = 0;
    for (int i = 0; i < std::abs(recordCountDelta) && i < GetCount(); ++i)
        if (TcxCustomGridRecordViewInfo* row = GetItem(i)) offset += row->GetRecordHeight();
    return recordCountDelta > 0 ? -offset : offset;
}

void TcxGridRowsViewInfo::OffsetItem(int index, int offset) {
    if (TcxCustomGridRecordViewInfo* row = GetItem(index)) row->Offset(0, offset);
}

void TcxGridRowsViewInfo::OffsetRecords(int recordCountDelta) {
    TcxCustomGridRecordsViewInfo::OffsetRecords(recordCountDelta);
    CalculateCellMerging();
}

void TcxGridRowsViewInfo::Offset(int dx, int dy) {
    TcxCustomGridRecordsViewInfo::Offset(dx, dy);
    for (TcxGridNewItemRowViewInfo* row : {filterRowViewInfo_, newItemRowViewInfo_})
        if (row) row->Offset(dx, dy);
    for (int i = 0; i < GetCount(); ++i)
        if (TcxCustomGridRecordViewInfo* row = GetItem(i)) row->Offset(dx, dy);
}

TcxCustomGridHitTest* TcxGridRowsViewInfo::GetHitTest(TPoint p) {
    for (TcxGridNewItemRowViewInfo* row : {filterRowViewInfo_, newItemRowViewInfo_})
        if (row)
            if (TcxCustomGridHitTest* hitTest = row->GetHitTest(p)) return hitTest;
    return TcxCustomGridRecordsViewInfo::GetHitTest(p);
}

TcxCustomGridRecordViewInfo* TcxGridRowsViewInfo::GetRecordViewInfo(TcxCustomGridRecord* record) {
    if (filterRowViewInfo_ && record == filterRowViewInfo_->GetGridRecord()) return filterRowViewInfo_;
    if (newItemRowViewInfo_ && record == newItemRowViewInfo_->GetGridRecord()) return newItemRowViewInfo_;
    return TcxCustomGridRecordsViewInfo::GetRecordViewInfo(record);
}

// ---- one row ----

TcxCustomGridRowViewInfo::~TcxCustomGridRowViewInfo() { DestroyFooters(); }

void TcxCustomGridRowViewInfo::DestroyFooters() {
    delete footers_;
    footers_ = nullptr;
    footersMade_ = false;
}

TcxGridRowFootersViewInfo* TcxCustomGridRowViewInfo::GetFootersViewInfo() {
    if (!footersMade_) {
        footersMade_ = true;
        if (HasFooters()) {
            auto footers = std::make_unique<TcxGridRowFootersViewInfo>(this);
            if (footers->GetCount() > 0) footers_ = footers.release();
        }
    }
    return footers_;
}

void TcxCustomGridRowViewInfo::RecreateFooters() {
    DestroyFooters();
    GetFootersViewInfo();
}

bool TcxCustomGridRowViewInfo::HasFooter(int level) {
    const TcxGridGroupFootersMode mode = GetGridView()->GetOptionsView()->GetGroupFooters();
    if (mode == gfInvisible) return false;
    if (mode == gfAlwaysVisible) --level;
    TcxCustomGridRecord* record = GetGridRecord();
    const int rowLevel = record->GetLevel();
    if (level < 0 || level >= rowLevel || !record->IsLastInLevel(level)) return false;
    TcxGridColumn* column = GetGridView()->GetGroupedColumn(rowLevel - level - 1);
    return column && column->ShowsGroupFooters();
}

void TcxCustomGridRowViewInfo::Calculate(int left, int top, int width, int height) {
    RecreateFooters();
    TcxCustomGridRecordViewInfo::Calculate(left, top, width, height);
    if (footers_) footers_->Calculate(Bounds.Left, Bounds.Bottom - GetNonDataHeight());
}

void TcxCustomGridRowViewInfo::BeforeRecalculation() {
    TcxCustomGridRecordViewInfo::BeforeRecalculation();
    if (footers_) footers_->BeforeRecalculation();
}

void TcxCustomGridRowViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridRecordViewInfo::DoOffset(dx, dy);
    if (footers_) footers_->Offset(dx, dy);
}

TcxGridTableView* TcxCustomGridRowViewInfo::GetGridView() const {
    return static_cast<TcxGridTableView*>(GetGridRecord()->GetGridView());
}

TcxGridTableViewInfo* TcxCustomGridRowViewInfo::GetGridViewInfo() const {
    return static_cast<TcxGridTableViewInfo*>(GetTableViewInfo());
}

int TcxCustomGridRowViewInfo::CalculateHeight() {
    int height = GetNonDataHeight();
    if (!GetGridRecord()->HasCells()) height += GetRowsViewInfo()->GetGroupRowHeightValue();
    return height;
}

int TcxCustomGridRowViewInfo::CalculateWidth() { return GetRowsViewInfo()->GetDataWidth(); }

bool TcxCustomGridRowViewInfo::GetVisible() {
    const int index = GetIndex();
    return index != -1 && index < GetRowsViewInfo()->GetPartVisibleCount();
}

int TcxCustomGridRowViewInfo::GetVisualLevel() { return GetGridViewInfo()->GetVisualLevel(GetGridRecord()->GetLevel()); }

int TcxCustomGridRowViewInfo::GetLevelIndent() { return GetVisualLevel() * GetGridViewInfo()->GetLevelIndent(); }

int TcxCustomGridRowViewInfo::GetContentLeft() { return Bounds.Left + GetLevelIndent(); }

int TcxCustomGridRowViewInfo::GetContentWidth() { return GetWidth() - GetLevelIndent(); }

int TcxCustomGridRowViewInfo::GetSeparatorWidth() {
    return HasSeparator() ? GetGridView()->GetOptionsView()->GetRowSeparatorWidth() : 0;
}

TColor TcxCustomGridRowViewInfo::GetSeparatorColor() { return GetGridView()->GetOptionsView()->GetEffectiveRowSeparatorColor(); }

bool TcxCustomGridRowViewInfo::HasBottomLine() {
    return GetRowsViewInfo()->HasBottomLine(this) && GetGridRecord()->IsLast();
}

int TcxCustomGridRowViewInfo::GetNonDataHeight() {
    TcxGridRowFootersViewInfo* footers = GetFootersViewInfo();
    return GetSeparatorWidth() + (footers ? footers->GetHeight() : 0) +
           (HasBottomLine() ? GetGridViewInfo()->GetGridLineWidth() : 0);
}

int TcxCustomGridRowViewInfo::GetDataHeight() { return std::max(0, GetHeight() - GetNonDataHeight()); }

TRect TcxCustomGridRowViewInfo::GetSeparatorBounds() {
    TcxGridTableViewInfo* viewInfo = GetGridViewInfo();
    TcxCustomGridRecord* record = GetGridRecord();
    const int endingLevel = record->GetLevel() - record->GetLastParentLevelCount();
    const int extra = (GetVisualLevel() - viewInfo->GetVisualLevel(std::max(0, endingLevel))) * viewInfo->GetLevelIndent();
    const int left = GetContentLeft();
    return TRect{left - extra, Bounds.Bottom - GetSeparatorWidth(), left + GetContentWidth(), Bounds.Bottom};
}

TRect TcxCustomGridRowViewInfo::GetBottomLineBounds() {
    const int bottom = Bounds.Bottom - GetSeparatorWidth();
    return TRect{GetContentLeft(), bottom - GetGridViewInfo()->GetGridLineWidth(), Bounds.Right, bottom};
}

TRect TcxCustomGridRowViewInfo::GetLevelIndentBounds(int level) {
    if (level == -1) return TRect{Bounds.Left, Bounds.Top, GetContentLeft(), Bounds.Bottom};
    const int indent = GetGridViewInfo()->GetLevelIndent();
    const int left = Bounds.Left + level * indent;
    // An indent column stops where a group footer reaching under it begins.
    int bottom = Bounds.Bottom;
    if (TcxGridRowFootersViewInfo* footers = GetFootersViewInfo())
        footers->GetFooterTop(GetGridRecord()->GetLevel() - level, bottom);
    return TRect{left, Bounds.Top, left + indent, bottom};
}

TRect TcxCustomGridRowViewInfo::GetFocusRectBounds() {
    TRect r = TcxCustomGridRecordViewInfo::GetFocusRectBounds();
    r.Left = GetContentLeft();
    r.Bottom = r.Top + GetDataHeight();
    return r;
}

TcxCustomGridHitTest* TcxCustomGridRowViewInfo::GetHitTest(TPoint p) {
    if (footers_)
        if (TcxCustomGridHitTest* footerHitTest = footers_->GetHitTest(p)) return footerHitTest;
    TcxCustomGridHitTest* hitTest = TcxCustomGridRecordViewInfo::GetHitTest(p);
    if (hitTest && hitTest->GetViewInfo() == this && PtInRect(GetLevelIndentBounds(-1), p)) {
        hitTest = TcxCustomGridHitTest::GetInstance(TcxGridRowLevelIndentHitTest::StaticClass(), p);
        InitHitTest(hitTest);
    }
    return hitTest;
}

bool TcxCustomGridRowViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) {
    const bool result = TcxCustomGridRecordViewInfo::MouseDown(hitTest, button, shift);
    auto* row = dynamic_cast<TcxCustomGridRow*>(GetGridRecord());
    if (result && button == mbLeft && (shift & ssDouble) && row && row->ExpandsOnDblClick()) row->ToggleExpanded();
    return result;
}

} // namespace zorvy
