// The data, record and focused-record changes of a table view.
#include "controls/grid/table/TableChanges.h"

#include "controls/data/DataController.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TableView.h"

#include <functional>

namespace zorvy {

namespace {

TcxCustomGridTableView* TableViewOfChange(const TcxCustomGridViewChange* change) {
    return dynamic_cast<TcxCustomGridTableView*>(change->GetGridView());
}

} // namespace

void TcxGridDataChange::Execute() {
    if (TcxCustomGridTableView* view = TableViewOfChange(this)) view->RecordCountChanged();
}

bool TcxGridRecordChange::IsItemVisible() const {
    TcxCustomGridTableView* view = TableViewOfChange(this);
    return item_->GetVisibleIndex() >= 0 && item_->GetVisibleIndex() < view->GetVisibleItemCount() &&
           view->GetVisibleItem(item_->GetVisibleIndex()) == item_ && item_->GetActuallyVisible();
}

void TcxGridRecordChange::Execute() {
    TcxCustomGridTableView* view = TableViewOfChange(this);
    if (!view) return;
    // The record may have gone with a refresh since the change was posted: only the one the view
    // data still holds at the index is used.
    TcxCustomGridRecord* record =
        recordIndex_ == -1 ? view->GetViewData()->GetNewItemRecord() : view->GetViewData()->FindRecord(recordIndex_);
    if (!record || record != record_ || !record->GetViewInfo()) return;
    if (item_ && !IsItemVisible()) return;
    if (!view->CanCalculateLayout()) return;
    TcxCustomGridRecordViewInfo* viewInfo = record->GetViewInfo();
    viewInfo->Recalculate();
    view->InvalidateRect(viewInfo->GetBoundsForInvalidate(item_));
}

bool TcxGridRecordChange::IsCoveredBy(const TcxCustomGridChange* change) const {
    if (TcxCustomGridViewChange::IsCoveredBy(change)) return true;
    const auto* viewChange = dynamic_cast<const TcxCustomGridViewChange*>(change);
    if (!viewChange || viewChange->GetGridView() != GetGridView()) return false;
    return change->Is<TcxGridLayoutChange>() || change->Is<TcxGridSizeChange>() || change->Is<TcxGridDataChange>();
}

bool TcxGridRecordChange::IsSameAs(const TcxCustomGridChange* change) const {
    if (!TcxCustomGridViewChange::IsSameAs(change)) return false;
    const auto* other = static_cast<const TcxGridRecordChange*>(change);
    return other->record_ == record_ && other->recordIndex_ == recordIndex_ && other->item_ == item_;
}

std::size_t TcxGridRecordChange::GetMergeHash() const {
    return TcxCustomGridViewChange::GetMergeHash() ^ (std::hash<int>()(recordIndex_) << 1);
}

void TcxGridFocusedRecordChange::Execute() {
    TcxCustomGridTableView* view = TableViewOfChange(this);
    if (!view) return;
    TcxCustomGridTableController* controller = view->GetController();
    TcxCustomGridTableViewData* viewData = view->GetViewData();
    if (focusedRecordIndex_ != prevFocusedRecordIndex_ || newItemRecordFocusingChanged_)
        controller->CheckFocusedRecord();
    if (view->IsRecordHeightDependentOnFocus()) {
        view->SizeChanged();
    } else {
        for (int index : {prevFocusedRecordIndex_, focusedRecordIndex_})
            if (TcxCustomGridRecord* record = viewData->FindRecord(index)) record->Invalidate();
        if (newItemRecordFocusingChanged_ && viewData->IsNewItemRowVisible() && viewData->GetNewItemRecord())
            viewData->GetNewItemRecord()->Invalidate();
    }
    controller->CheckAutoEdit();
    controller->GetEditingController()->UpdateEditValue();
    view->DoFocusedRecordChanged(prevFocusedRecordIndex_, focusedRecordIndex_, newItemRecordFocusingChanged_);
}

} // namespace zorvy
