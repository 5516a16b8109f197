// Record hit tests that find their record again by kind and index, and the expand drag-open target.
#include "controls/grid/table/RecordHitTests.h"

#include "controls/grid/table/Records.h"

namespace zorvy {

void TcxGridRecordHitTest::SetGridRecord(TcxCustomGridRecord* record) {
    if (!record) {
        viewData_ = nullptr;
        recordIndex_ = -1;
        recordKind_ = -1;
        return;
    }
    viewData_ = record->GetViewData();
    recordIndex_ = record->GetIndex();
    recordKind_ = viewData_->RecordKindOf(record);
}

TcxCustomGridRecord* TcxGridRecordHitTest::GetGridRecord() const {
    if (!viewData_ || recordKind_ < 0) return nullptr;
    return viewData_->FindRecordOfKind(recordKind_, recordIndex_);
}

bool TcxGridDragOpenInfoExpand::IsSameTarget(TcxCustomGridDragOpenInfo* info) {
    return TcxCustomGridDragOpenInfo::IsSameTarget(info) &&
           static_cast<TcxGridDragOpenInfoExpand*>(info)->record_ == record_;
}

void TcxGridDragOpenInfoExpand::OpenTarget() { record_->ExpandRecord(false); }

} // namespace zorvy
