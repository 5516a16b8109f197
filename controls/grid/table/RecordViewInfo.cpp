// The link between a record and its layout.
#include "controls/grid/table/RecordViewInfo.h"

#include "controls/grid/table/Records.h"

namespace zorvy {

TcxCustomGridRecordViewInfo::TcxCustomGridRecordViewInfo(TcxCustomGridRecord* record) : record_(record) {
    if (record_) record_->viewInfo_ = this;
}

TcxCustomGridRecordViewInfo::~TcxCustomGridRecordViewInfo() {
    if (record_ && record_->viewInfo_ == this) record_->viewInfo_ = nullptr;
}

} // namespace zorvy
