// The table view's layout root: part order, level indent, data width, columns, page size and the
// strips that move when the view scrolls.
#include "controls/grid/tableview/GridTableViewInfo.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/table/FilterBox.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "platform/classlib/Forms.h"

#include <algorithm>

namespace zorvy {

// ---- the cache ----

void TcxGridTableViewInfoCacheItem::SetPreviewHeight(int value) {
    previewHeight_ = value;
    isPreviewHeightAssigned_ = true;
}

void TcxGridTableViewInfoCacheItem::UnassignValues(bool keepMaster) {
    TcxCustomGridTableViewInfoCacheItem::UnassignValues(keepMaster);
    isPreviewHeightAssigned_ = false;
}

TcxCustomGridViewInfoCacheItemClass TcxGridTableViewInfoCache::GetItemClass(int) const {
    return CacheItemClassOf<TcxGridTableViewInfoCacheItem>();
}

// ---- the view info ----

const TMetaClass* TcxGridTableViewInfo::GetHeaderViewInfoClass() const { return TcxGridHeaderViewInfo::StaticClass(); }

const TMetaClass* TcxGridTableViewInfo::GetFooterViewInfoClass() const { return TcxGridFooterViewInfo::StaticClass(); }

TcxGridTableViewInfo::TcxGridTableViewInfo(TcxCustomGridView* gridView) : TcxCustomGridTableViewInfo(gridView) {}

TcxGridTableViewInfo::~TcxGridTableViewInfo() { DestroyOwnParts(); }

void TcxGridTableViewInfo::CreateViewInfos() {
    groupByBox_ = static_cast<TcxGridGroupByBoxViewInfo*>(CreatePart(TcxGridGroupByBoxViewInfo::StaticClass()));
    header_ = static_cast<TcxGridHeaderViewInfo*>(CreatePart(GetHeaderViewInfoClass()));
    footer_ = static_cast<TcxGridFooterViewInfo*>(CreatePart(GetFooterViewInfoClass()));
    indicator_ = std::make_unique<TcxGridIndicatorViewInfo>(this);
    TcxCustomGridTableViewInfo::CreateViewInfos();
    // The filter box stands where the header is at the top, else where the footer is.
    if (TcxGridFilterViewInfo* filter = GetFilterViewInfo())
        if (IndexOfPart(filter) != -1)
            MovePart(filter, IndexOfPart(filter->GetAlignment() == gpaTop ? static_cast<TcxCustomGridPartViewInfo*>(header_)
                                                                           : footer_));
}

void TcxGridTableViewInfo::DestroyOwnParts() {
    rowIndicatorItems_.clear();
    indicator_.reset();
    delete footer_;
    delete header_;
    delete groupByBox_;
    footer_ = nullptr;
    header_ = nullptr;
    groupByBox_ = nullptr;
}

void TcxGridTableViewInfo::DestroyViewInfos(bool recreating) {
    DestroyOwnParts();
    TcxCustomGridTableViewInfo::DestroyViewInfos(recreating);
}

TRect TcxGridTableViewInfo::CalculateClientBounds() {
    TRect r = TcxCustomGridTableViewInfo::CalculateClientBounds();
    if (indicator_ && indicator_->GetVisible()) r.Left += indicator_->CalculateWidth();
    return r;
}

void TcxGridTableViewInfo::CalculateIndicator() {
    if (!indicator_) return;
    const int headerHeight = header_ ? header_->GetPartHeight() : 0;
    indicator_->Calculate(GetBounds().Left, GetClientBounds().Top - headerHeight);
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    for (int i = 0; rows && i < rows->GetCount(); ++i) {
        TcxCustomGridRecordViewInfo* row = rows->GetItem(i);
        if (!row || !row->IsCalculated()) continue;
        rowIndicatorItems_.emplace_back(indicator_->AddRowItem(row));
        rowIndicatorItems_.back()->Calculate(indicator_->Bounds.Left, row->Bounds.Top, -1, row->GetHeight());
    }
}

TcxCustomGridHitTest* TcxGridTableViewInfo::GetDefaultHitTest(TPoint p) {
    if (indicator_)
        if (TcxCustomGridHitTest* hitTest = indicator_->GetHitTest(p)) return hitTest;
    return TcxCustomGridTableViewInfo::GetDefaultHitTest(p);
}

TRect TcxGridTableViewInfo::GetPartBounds(TcxCustomGridPartViewInfo* part) {
    TRect r = TcxCustomGridTableViewInfo::GetPartBounds(part);
    // The header and the footer scroll with the data.
    if (part == header_ || part == footer_) OffsetRect(r, -GetLeftPos(), 0);
    return r;
}

TcxGridTableView* TcxGridTableViewInfo::GetGridView() const {
    return static_cast<TcxGridTableView*>(TcxCustomGridTableViewInfo::GetGridView());
}

TcxGridTableController* TcxGridTableViewInfo::GetController() const {
    return dynamic_cast<TcxGridTableController*>(TcxCustomGridTableViewInfo::GetController());
}

TcxGridRowsViewInfo* TcxGridTableViewInfo::GetRowsViewInfo() const {
    return static_cast<TcxGridRowsViewInfo*>(GetRecordsViewInfo());
}

int TcxGridTableViewInfo::GetLeftPos() const {
    TcxGridTableController* controller = GetController();
    return controller ? controller->GetLeftPos() : 0;
}

bool TcxGridTableViewInfo::HasHorzGridLines() const {
    const TcxGridLines lines = GetGridView()->GetOptionsView()->GetGridLines();
    return lines == glBoth || lines == glHorizontal;
}

// ---- columns ----

void TcxGridTableViewInfo::CalculateColumnOffsets() {
    // With automatic widths the header shares the client among the columns; the cells follow it.
    TcxGridTableView* view = GetGridView();
    const bool autoWidth = header_ && header_->IsAutoWidth() && header_->GetCount() == view->GetVisibleColumnCount();
    if (autoWidth) header_->CalculateColumnWidths();
    columnOffsets_.assign(1, GetLevelIndentsWidth());
    for (int i = 0; i < view->GetVisibleColumnCount(); ++i) {
        const int width = autoWidth ? header_->GetItem(i)->GetRealWidth() : view->GetVisibleColumn(i)->GetWidth();
        columnOffsets_.push_back(columnOffsets_.back() + width);
    }
    dataWidth_ = 0;
}

int TcxGridTableViewInfo::GetColumnsWidth() {
    if (columnOffsets_.empty()) CalculateColumnOffsets();
    return columnOffsets_.back();
}

TRect TcxGridTableViewInfo::GetColumnBounds(int visibleIndex) {
    if (columnOffsets_.empty()) CalculateColumnOffsets();
    if (visibleIndex < 0 || visibleIndex + 1 >= static_cast<int>(columnOffsets_.size())) return TRect{};
    const TRect client = GetClientBounds();
    const int left = client.Left - GetLeftPos();
    return TRect{left + columnOffsets_[static_cast<size_t>(visibleIndex)], client.Top,
                 left + columnOffsets_[static_cast<size_t>(visibleIndex) + 1], client.Bottom};
}

int TcxGridTableViewInfo::CalculateDataWidth() {
    const int width = GetVisualLevelCount() > 0 || GetGridView()->GetVisibleColumnCount() > 0 ? GetColumnsWidth() : 0;
    if (width == 0 && GetGridView()->GetOptionsView()->GetColumnAutoWidth()) return GetClientWidth();
    return width;
}

int TcxGridTableViewInfo::GetDataWidth() {
    if (dataWidth_ == 0) dataWidth_ = CalculateDataWidth();
    return dataWidth_;
}

// ---- levels ----

void TcxGridTableViewInfo::CalculateExpandButtonParams() {
    expandButtonIndent_ = 3;
    levelIndent_ = GetExpandButtonSize() + 2 * expandButtonIndent_;
}

int TcxGridTableViewInfo::GetLevelIndentsWidth() { return GetVisualLevelCount() * levelIndent_; }

int TcxGridTableViewInfo::GetVisualLevelCount() {
    TcxGridTableView* view = GetGridView();
    int count = view->GetGroupedColumnCount();
    if (count > 0 && view->GetOptionsView()->GetGroupRowStyle() == grsOffice11) --count;
    if (view->IsMaster()) ++count;
    return count;
}

int TcxGridTableViewInfo::GetVisualLevel(int level) {
    TcxGridTableView* view = GetGridView();
    if (view->GetOptionsView()->GetGroupRowStyle() == grsOffice11 && level != 0 &&
        level == view->GetGroupedColumnCount())
        return level - 1;
    return level;
}

TColor TcxGridTableViewInfo::GetGridLineColor() const { return GetGridView()->GetOptionsView()->GetEffectiveGridLineColor(); }

TcxBorders TcxGridTableViewInfo::GetCellBorders(bool isRightmost) const {
    switch (GetGridView()->GetOptionsView()->GetGridLines()) {
    case glBoth: return kBorderRight | kBorderBottom;
    case glVertical: return kBorderRight;
    case glHorizontal: return isRightmost ? kBorderRight | kBorderBottom : kBorderBottom;
    case glNone: return 0;
    }
    return 0;
}

// ---- the pass ----

void TcxGridTableViewInfo::SetPartIndexes() {
    TcxCustomGridPartViewInfo* order[] = {groupByBox_, GetFilterViewInfo(), header_, footer_};
    for (TcxCustomGridPartViewInfo* part : order)
        if (part && IndexOfPart(part) != -1) MovePart(part, GetPartCount());
}

void TcxGridTableViewInfo::RecreateViewInfos() {
    dataWidth_ = 0;
    columnOffsets_.clear();
    TcxCustomGridTableViewInfo::RecreateViewInfos();
}

void TcxGridTableViewInfo::BeforeCalculating() {
    TcxCustomGridTableViewInfo::BeforeCalculating();
    CalculateExpandButtonParams();
    if (CanUpdateSiteVisibility() && GetRowsViewInfo()) prevDataRowHeight_ = GetRowsViewInfo()->GetDataRowHeightValue();
}

void TcxGridTableViewInfo::AfterCalculating() {
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    if (CanUpdateSiteVisibility() && rows && rows->GetDataRowHeightValue() != prevDataRowHeight_)
        TcxCustomGridTableViewInfo::GetController()->StartDeferredAction();
    TcxCustomGridTableViewInfo::AfterCalculating();
}

void TcxGridTableViewInfo::CalculateLayout() {
    RecreateViewInfos();
    SetPartIndexes();
    // The parts are measured before the client bounds are fixed for the pass.
    CalculateParts();
    SetClientBounds(CalculateClientBounds());
    CalculateColumnOffsets();
    TcxCustomGridTableViewInfo::CalculateLayout();
    CalculateIndicator();
}

void TcxGridTableViewInfo::CalculateWidth(TPoint maxSize, int& width) {
    width = GetGridView()->GetOptionsView()->GetColumnAutoWidth() ? GetClientWidth() : GetDataWidth();
    TcxCustomGridTableViewInfo::CalculateWidth(maxSize, width);
}

void TcxGridTableViewInfo::CalculateHeight(TPoint maxSize, int& height, bool& fullyVisible) {
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    MainCalculate(TRect{30000, 0, 30000 + maxSize.X, maxSize.Y});
    rows = GetRowsViewInfo();
    const int count = rows ? rows->GetCount() : 0;
    if (count > 0) {
        TcxCustomGridRecordViewInfo* last = rows->GetItem(count - 1);
        height = (last ? last->Bounds.Bottom : 0) + GetBottomPartsHeight();
    } else {
        height = GetNonRecordsAreaHeight(true) + (rows ? rows->GetDataRowHeightValue() : 0);
    }
    fullyVisible = count == 0 || (GetVisibleRecordCount() == GetViewData()->GetRecordCount() -
                                                                  TcxCustomGridTableViewInfo::GetController()->GetTopRecordIndex() &&
                                  TcxCustomGridTableViewInfo::GetController()->AreAllRecordsVisible());
}

// ---- records ----

const TMetaClass* TcxGridTableViewInfo::GetRecordsViewInfoClass() const { return TcxGridRowsViewInfo::StaticClass(); }

int TcxGridTableViewInfo::GetPageRecordCount() {
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    const int rowHeight = rows ? rows->GetRowHeightWithSeparator() : 0;
    if (rowHeight <= 0) return -1;
    return std::max(0, (GetBounds().Bottom - GetBounds().Top - GetNonRecordsAreaHeight(false)) / rowHeight);
}

int TcxGridTableViewInfo::GetDefaultGridModeBufferCount() {
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    const int rowHeight = rows ? rows->GetDataRowHeightValue() : 0;
    if (rowHeight <= 0) {
        TcxCustomGridTableViewInfo::GetController()->StartDeferredAction();
        return 0;
    }
    return Screen->GetHeight() / rowHeight + 2;
}

int TcxGridTableViewInfo::GetNonRecordsAreaHeight(bool withScrollBar) {
    int height = TcxCustomGridTableViewInfo::GetNonRecordsAreaHeight(withScrollBar);
    if (TcxGridRowsViewInfo* rows = GetRowsViewInfo()) height += rows->GetSpecialRowsHeight();
    return height;
}

TRect TcxGridTableViewInfo::GetCellsAreaBounds() { return CalculateRecordsAreaBounds(); }

TRect TcxGridTableViewInfo::GetScrollableAreaBounds() {
    TRect r = CalculateRecordsAreaBounds();
    if (TcxGridRowsViewInfo* rows = GetRowsViewInfo()) r.Top = rows->ContentArea.Top;
    return r;
}

void TcxGridTableViewInfo::OffsetRecordsBy(int dx, int dy) {
    if (dx != 0)
        for (TcxCustomGridPartViewInfo* part : {static_cast<TcxCustomGridPartViewInfo*>(header_), static_cast<TcxCustomGridPartViewInfo*>(footer_)})
            if (part) part->Offset(dx, 0);
    TcxCustomGridTableViewInfo::OffsetRecordsBy(dx, dy);
}

int TcxGridTableViewInfo::GetHeightForRecordCount(int recordCount) {
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    return GetNonRecordsAreaHeight(true) + recordCount * (rows ? rows->GetDataRowHeightValue() : 0);
}

int TcxGridTableViewInfo::GetNearestPopulatedHeight(int height, bool allowExtraRecord) {
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    const int rowHeight = rows ? rows->GetDataRowHeightValue() : 0;
    const int nonRecords = GetNonRecordsAreaHeight(true);
    if (rowHeight <= 0) return nonRecords;
    const int maxCount = GetViewData()->GetRecordCount() + (allowExtraRecord ? 1 : 0);
    const int count = std::clamp((height - nonRecords) / rowHeight, 1, std::max(1, maxCount));
    return nonRecords + count * rowHeight;
}

// ---- scrolling ----

void TcxGridTableViewInfo::GetVertScrollRects(int delta, TRect& scrollRect, TRect& updateRect) {
    scrollRect = GetScrollableAreaBounds();
    TcxGridRowsViewInfo* rows = GetRowsViewInfo();
    if (delta < 0) {
        scrollRect.Top -= delta;
        if (rows && rows->GetVisibleCount() > 1)
            if (TcxCustomGridRecordViewInfo* row = rows->GetItem(rows->GetVisibleCount() - 2))
                scrollRect.Bottom = row->Bounds.Bottom;
        updateRect = GetScrollableAreaBounds();
        updateRect.Top = scrollRect.Bottom + delta;
    } else {
        scrollRect.Bottom -= delta;
        if (rows && rows->GetPartVisibleCount() > 1)
            if (TcxCustomGridRecordViewInfo* row = rows->GetItem(1)) scrollRect.Top = row->Bounds.Top;
        updateRect = GetScrollableAreaBounds();
        updateRect.Bottom = scrollRect.Top + delta;
    }
}

void TcxGridTableViewInfo::GetHorzScrollRects(int delta, TRect& scrollRect, TRect& updateRect) {
    // The header and the footer move with the rows.
    scrollRect = GetCellsAreaBounds();
    if (header_ && !IsRectEmpty(header_->Bounds)) scrollRect.Top = std::min(scrollRect.Top, header_->Bounds.Top);
    if (footer_ && !IsRectEmpty(footer_->Bounds)) scrollRect.Bottom = std::max(scrollRect.Bottom, footer_->Bounds.Bottom);
    updateRect = scrollRect;
    if (delta < 0) {
        scrollRect.Left -= delta;
        updateRect.Left = scrollRect.Right + delta;
    } else {
        scrollRect.Right -= delta;
        updateRect.Right = scrollRect.Left + delta;
    }
}

} // namespace zorvy
