// The records area: which records are laid out, scrolling by records, the incremental-search cell.
#include "controls/grid/table/RecordsViewInfo.h"

#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TablePainters.h"
#include "controls/grid/table/TableView.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace zorvy {

TcxCustomGridRecordsViewInfo::TcxCustomGridRecordsViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : gridViewInfo_(gridViewInfo) {}

TcxCustomGridRecordsViewInfo::~TcxCustomGridRecordsViewInfo() {
    for (TcxCustomGridRecordViewInfo* item : items_) delete item;
}

TcxCustomGridTableView* TcxCustomGridRecordsViewInfo::GetGridView() const { return gridViewInfo_->GetGridView(); }
TcxCustomGridTableController* TcxCustomGridRecordsViewInfo::GetController() const { return gridViewInfo_->GetController(); }
TcxCustomGridTableViewData* TcxCustomGridRecordsViewInfo::GetViewData() const { return gridViewInfo_->GetViewData(); }
TcxCanvas* TcxCustomGridRecordsViewInfo::GetCanvas() const { return gridViewInfo_->GetCanvas(); }

// ---- the laid-out records ----

int TcxCustomGridRecordsViewInfo::GetFirstRecordIndex() const { return gridViewInfo_->GetFirstRecordIndex(); }

int TcxCustomGridRecordsViewInfo::GetRecordIndex(int index) const {
    return gridViewInfo_->GetCalculateDown() ? GetFirstRecordIndex() + index : GetFirstRecordIndex() - index;
}

int TcxCustomGridRecordsViewInfo::GetRecordViewInfoIndex(int recordIndex) const {
    const int index = gridViewInfo_->GetCalculateDown() ? recordIndex - GetFirstRecordIndex()
                                                        : GetFirstRecordIndex() - recordIndex;
    return index < 0 || index >= GetCount() ? -1 : index;
}

int TcxCustomGridRecordsViewInfo::GetMaxCount() const {
    const int first = GetFirstRecordIndex();
    const int count = GetViewData()->GetRecordCount();
    if (first == -1 || count == 0) return 0;
    return std::max(0, gridViewInfo_->GetCalculateDown() ? count - first : first + 1);
}

TcxCustomGridRecordViewInfo* TcxCustomGridRecordsViewInfo::CreateRecordViewInfo(int index) {
    TcxCustomGridRecord* record = GetViewData()->GetRecord(GetRecordIndex(index));
    TcxCustomGridRecordViewInfoClass viewInfoClass = record->GetViewInfoClass();
    return viewInfoClass ? viewInfoClass(this, record) : new TcxCustomGridRecordViewInfo(this, record);
}

TcxCustomGridRecordViewInfo* TcxCustomGridRecordsViewInfo::GetItem(int index) {
    if (index < GetCount()) {
        TcxCustomGridRecordViewInfo* item = items_[static_cast<size_t>(index)];
        return item && item->GetGridRecord() ? item : nullptr;
    }
    items_.push_back(nullptr);
    items_.back() = CreateRecordViewInfo(index);
    return items_.back();
}

TcxCustomGridRecordViewInfo* TcxCustomGridRecordsViewInfo::GetRecordViewInfo(TcxCustomGridRecord* record) {
    const int index = GetRecordViewInfoIndex(record->GetIndex());
    return index == -1 ? nullptr : items_[static_cast<size_t>(index)];
}

// ---- the pass ----

void TcxCustomGridRecordsViewInfo::Calculate() {
    BeforeCalculation();
    DoCalculate();
    AfterCalculation();
}

void TcxCustomGridRecordsViewInfo::BeforeCalculation() {
    backgroundBitmap_ = GetBackgroundBitmap();
    CreateEditViewDatas();
}

void TcxCustomGridRecordsViewInfo::AfterCalculation() { DestroyEditViewDatas(); }

void TcxCustomGridRecordsViewInfo::DoCalculate() {
    Bounds = CalculateBoundsRect();
    ContentArea = CalculateContentBoundsRect();
}

TRect TcxCustomGridRecordsViewInfo::CalculateBoundsRect() { return gridViewInfo_->GetClientBounds(); }

void TcxCustomGridRecordsViewInfo::BeforeItemRecalculation() {
    gridViewInfo_->UpdateMousePos();
    incSearchingCellFound_ = false;
}

void TcxCustomGridRecordsViewInfo::CreateEditViewDatas() {
    TcxCustomGridTableView* view = GetGridView();
    for (int i = 0; i < view->GetItemCount(); ++i) view->GetItem(i)->CreateSharedEditViewData();
}

void TcxCustomGridRecordsViewInfo::DestroyEditViewDatas() {
    TcxCustomGridTableView* view = GetGridView();
    for (int i = 0; i < view->GetItemCount(); ++i) view->GetItem(i)->DestroySharedEditViewData();
}

TRect TcxCustomGridRecordsViewInfo::GetDataCellClipBounds(TcxGridTableDataCellViewInfo*) {
    return gridViewInfo_->CalculateRecordsAreaBounds();
}

bool TcxCustomGridRecordsViewInfo::GetAutoRecordHeight() {
    return GetGridView()->GetOptionsView()->GetCellAutoHeight() || GetGridView()->HasGetCellHeight();
}

TBitmap* TcxCustomGridRecordsViewInfo::GetBackgroundBitmap() {
    TcxCustomGridBackgroundBitmaps* bitmaps = GetGridView()->GetBackgroundBitmaps();
    return bitmaps ? bitmaps->GetBitmap(1) : nullptr;
}

void TcxCustomGridRecordsViewInfo::ControlFocusChanged() {
    for (TcxCustomGridRecordViewInfo* item : items_)
        if (item) item->ControlFocusChanged();
}

void TcxCustomGridRecordsViewInfo::VisibilityChanged(bool visible) {
    for (TcxCustomGridRecordViewInfo* item : items_)
        if (item) item->VisibilityChanged(visible);
}

TcxCustomGridRecordsPainterClass TcxCustomGridRecordsViewInfo::GetPainterClass() {
    return RecordsPainterClassOf<TcxCustomGridRecordsPainter>();
}

void TcxCustomGridRecordsViewInfo::Paint() {
    std::unique_ptr<TcxCustomGridRecordsPainter> painter(GetPainterClass()(GetCanvas(), this));
    painter->PaintAll();
}

TcxCustomGridHitTest* TcxCustomGridRecordsViewInfo::GetHitTest(TPoint p) {
    for (TcxCustomGridRecordViewInfo* item : items_)
        if (item)
            if (TcxCustomGridHitTest* hitTest = item->GetHitTest(p)) return hitTest;
    return nullptr;
}

// ---- incremental search ----

TcxGridTableDataCellViewInfo* TcxCustomGridRecordsViewInfo::FindIncSearchingCellViewInfo(bool& found) {
    TcxCustomGridTableController* controller = GetController();
    if (!controller->IsIncSearching()) {
        found = true;
        return nullptr;
    }
    TcxCustomGridTableItem* item = controller->GetIncSearchingItem();
    TcxGridTableDataCellViewInfo* cell = item ? item->GetFocusedCellViewInfo() : nullptr;
    // A cell not laid out yet is looked for again on the next request.
    found = cell != nullptr;
    return cell;
}

TcxGridTableDataCellViewInfo* TcxCustomGridRecordsViewInfo::GetIncSearchingCellViewInfo() {
    if (!incSearchingCellFound_) incSearchingCell_ = FindIncSearchingCellViewInfo(incSearchingCellFound_);
    return incSearchingCell_;
}

// ---- scrolling ----

bool TcxCustomGridRecordsViewInfo::CanOffset(int recordCountDelta) const {
    return !items_.empty() && std::abs(recordCountDelta) < GetCount();
}

void TcxCustomGridRecordsViewInfo::OffsetRecords(int recordCountDelta) {
    const int n = recordCountDelta;
    if (n == 0) return;
    const int count = GetCount();
    const int moved = std::abs(n);
    const int staying = count - moved;
    itemsOffset_ = 0;
    if (n > 0) itemsOffset_ = GetItemsOffset(n);
    // The leaving record view infos go; the staying ones take their new places.
    std::vector<TcxCustomGridRecordViewInfo*> kept(static_cast<size_t>(count), nullptr);
    for (int i = 0; i < count; ++i) {
        TcxCustomGridRecordViewInfo* item = items_[static_cast<size_t>(i)];
        const int target = i - n;
        if (target >= 0 && target < count)
            kept[static_cast<size_t>(target)] = item;
        else
            delete item;
    }
    items_ = std::move(kept);
    if (n > 0)
        for (int i = 0; i < staying; ++i)
            if (items_[static_cast<size_t>(i)]) OffsetItem(i, itemsOffset_);
    const int maxCount = GetMaxCount();
    if (maxCount < GetCount()) {
        for (int i = maxCount; i < GetCount(); ++i) delete items_[static_cast<size_t>(i)];
        items_.resize(static_cast<size_t>(maxCount));
    }
    const int vacatedFirst = n > 0 ? count - n : 0;
    const int vacatedLast = n > 0 ? count - 1 : moved - 1;
    for (int i = vacatedFirst; i <= vacatedLast && i < GetCount(); ++i) {
        TcxCustomGridRecordViewInfo* item = CreateRecordViewInfo(i);
        items_[static_cast<size_t>(i)] = item;
        item->Calculate(GetItemLeftBound(i), GetItemTopBound(i));
    }
    if (n < 0) {
        itemsOffset_ = GetItemsOffset(n);
        for (int i = moved; i < moved + staying && i < GetCount(); ++i)
            if (items_[static_cast<size_t>(i)]) OffsetItem(i, itemsOffset_);
    }
    CalculateVisibleCount();
    for (int i = 0; i < GetCount(); ++i) {
        TcxCustomGridRecordViewInfo* item = items_[static_cast<size_t>(i)];
        if (item && !item->IsCalculated()) item->Calculate(GetItemLeftBound(i), GetItemTopBound(i));
    }
}

void TcxCustomGridRecordsViewInfo::Offset(int dx, int dy) {
    OffsetRect(Bounds, dx, dy);
    OffsetRect(ContentArea, dx, dy);
}

} // namespace zorvy
