// A record's layout: its place, its cached height, its hit tests and what a press on it does.
#include "controls/grid/table/RecordViewInfo.h"

#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/RecordsViewInfo.h"
#include "controls/grid/table/TablePainters.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewInfoCache.h"

#include <memory>

namespace zorvy {

namespace {

// Outside a layout the record's view's view info stands in.
TcxCustomGridViewInfo* ViewInfoOfRecord(TcxCustomGridRecordsViewInfo* recordsViewInfo, TcxCustomGridRecord* record) {
    if (recordsViewInfo) return recordsViewInfo->GetGridViewInfo();
    return record ? record->GetGridView()->GetViewInfo() : nullptr;
}

} // namespace

TcxCustomGridRecordViewInfo::TcxCustomGridRecordViewInfo(TcxCustomGridRecordsViewInfo* recordsViewInfo,
                                                         TcxCustomGridRecord* record)
    : TcxCustomGridViewCellViewInfo(ViewInfoOfRecord(recordsViewInfo, record)),
      recordsViewInfo_(recordsViewInfo), record_(record) {
    if (!record_) return;
    foreign_ = record_->viewInfo_ != nullptr;
    if (!foreign_) record_->viewInfo_ = this;
}

TcxCustomGridRecordViewInfo::~TcxCustomGridRecordViewInfo() {
    BeginDestruction();
    if (record_ && !foreign_ && record_->viewInfo_ == this) record_->viewInfo_ = nullptr;
}

TcxCustomGridTableViewInfo* TcxCustomGridRecordViewInfo::GetTableViewInfo() const {
    return recordsViewInfo_ ? recordsViewInfo_->GetGridViewInfo() : nullptr;
}

TcxCustomGridTableViewInfoCacheItem* TcxCustomGridRecordViewInfo::GetCacheItem() const {
    if (!record_) return nullptr;
    TcxCustomGridViewInfoCache* cache = record_->GetGridView()->GetViewInfoCache();
    return cache ? static_cast<TcxCustomGridTableViewInfoCacheItem*>(cache->GetItem(record_->GetIndex())) : nullptr;
}

bool TcxCustomGridRecordViewInfo::GetExpanded() {
    if (!expandedKnown_) {
        expanded_ = record_ && record_->GetExpanded();
        expandedKnown_ = true;
    }
    return expanded_;
}

bool TcxCustomGridRecordViewInfo::GetFocused() const {
    return record_ && record_->GetGridView()->DrawRecordFocused(record_);
}

int TcxCustomGridRecordViewInfo::GetIndex() const {
    if (!recordsViewInfo_ || !record_) return -1;
    return recordsViewInfo_->GetRecordViewInfoIndex(record_->GetIndex());
}

bool TcxCustomGridRecordViewInfo::GetSelected() {
    if (!selectedKnown_) {
        selected_ = CalculateSelected();
        selectedKnown_ = true;
    }
    return selected_;
}

bool TcxCustomGridRecordViewInfo::CalculateSelected() {
    return record_ && record_->GetGridView()->DrawRecordSelected(record_);
}

void TcxCustomGridRecordViewInfo::Recalculate() {
    BeforeRecalculation();
    Calculate(Bounds.Left, Bounds.Top);
    AfterRecalculation();
}

TRect TcxCustomGridRecordViewInfo::GetBoundsForInvalidate(TcxCustomGridTableItem* item) {
    // An item without a cell of its own in the record repaints the whole record.
    const TRect r = item ? GetItemBounds(item) : Bounds;
    return IsRectEmpty(r) ? Bounds : r;
}

// ---- overrides of the cell ----

TBitmap* TcxCustomGridRecordViewInfo::GetBackgroundBitmap() {
    return recordsViewInfo_ ? recordsViewInfo_->GetBackgroundBitmapValue() : nullptr;
}

TcxCanvas* TcxCustomGridRecordViewInfo::GetCanvas() {
    return recordsViewInfo_ ? recordsViewInfo_->GetCanvas() : nullptr;
}

int TcxCustomGridRecordViewInfo::GetRecordHeight() {
    TcxCustomGridTableViewInfoCacheItem* cacheItem = GetCacheItem();
    if (cacheItem && cacheItem->IsHeightAssigned()) return cacheItem->GetHeight();
    const int height = CalculateHeight();
    if (cacheItem) cacheItem->SetHeight(height);
    return height;
}

const TMetaClass* TcxCustomGridRecordViewInfo::GetHitTestClass() { return TcxGridRecordHitTest::StaticClass(); }

bool TcxCustomGridRecordViewInfo::GetVisible() {
    if (!recordsViewInfo_) return true;
    const int index = GetIndex();
    return index != -1 && index < recordsViewInfo_->GetVisibleCount();
}

void TcxCustomGridRecordViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridViewCellViewInfo::InitHitTest(hitTest);
    static_cast<TcxGridRecordHitTest*>(hitTest)->SetGridRecord(record_);
}

void TcxCustomGridRecordViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridViewCellViewInfo::DoOffset(dx, dy);
    OffsetRect(ExpandButtonBounds, dx, dy);
}

void TcxCustomGridRecordViewInfo::BeforeRecalculation() {
    TcxCustomGridViewCellViewInfo::BeforeRecalculation();
    if (recordsViewInfo_) recordsViewInfo_->BeforeItemRecalculation();
}

TcxCustomGridCellPainterClass TcxCustomGridRecordViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxCustomGridRecordPainter>();
}

void TcxCustomGridRecordViewInfo::Calculate(int left, int top, int width, int height) {
    selectedKnown_ = false;
    TcxCustomGridViewCellViewInfo::Calculate(left, top, width, height == -1 ? GetRecordHeight() : height);
    if (record_ && record_->CanExpand()) CalculateExpandButtonBounds(ExpandButtonBounds);
}

TcxCustomGridHitTest* TcxCustomGridRecordViewInfo::GetHitTest(TPoint p) {
    if (CanHitExpandButton() && record_ && record_->CanExpand() && PtInRect(GetExpandButtonAreaBounds(), p)) {
        TcxCustomGridHitTest* hitTest = TcxCustomGridHitTest::GetInstance(TcxGridExpandButtonHitTest::StaticClass(), p);
        InitHitTest(hitTest);
        return hitTest;
    }
    return TcxCustomGridViewCellViewInfo::GetHitTest(p);
}

bool TcxCustomGridRecordViewInfo::GetHideFocusRect() {
    return record_->GetGridView()->GetOptionsSelection()->GetHideFocusRectOnExit();
}

bool TcxCustomGridRecordViewInfo::IsRecordFocusRect() {
    return !(record_->CanFocusCells() && !record_->GetGridView()->GetOptionsSelection()->GetInvertSelect());
}

bool TcxCustomGridRecordViewInfo::IsClickHitTest(TcxCustomGridHitTest* hitTest) {
    auto* recordHitTest = dynamic_cast<TcxGridRecordHitTest*>(hitTest);
    return recordHitTest && recordHitTest->IsRecordHit();
}

TRect TcxCustomGridRecordViewInfo::GetItemBounds(TcxCustomGridTableItem* item) {
    return item ? GetItemCellBounds(item) : Bounds;
}

// ---- the mouse ----

bool TcxCustomGridRecordViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) {
    bool result = TcxCustomGridViewCellViewInfo::MouseDown(hitTest, button, shift);
    if (!result && button == mbLeft && hitTest->GetHitTestCode() == htExpandButton) {
        record_->ToggleExpanded();
        result = true;
    }
    if (result || button == mbMiddle || !IsClickHitTest(hitTest)) return result;
    TcxControl* site = GetControl();
    if (site && site->HoldsFocus()) result = FocusRecordOnMouseDown(hitTest, button, shift);
    return result;
}

bool TcxCustomGridRecordViewInfo::FocusRecordOnMouseDown(TcxCustomGridHitTest*, TMouseButton, TShiftState shift) {
    if (shift & ssDouble) return true;
    std::unique_ptr<TcxGridListenerLink> link(record_->GetGridView()->CreateListenerLink());
    record_->GetController()->SetFocusedRecord(record_);
    return link->GetGridView() != nullptr;
}

} // namespace zorvy
