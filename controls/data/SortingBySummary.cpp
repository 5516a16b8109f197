// The engine base's access to the row pipeline's group tree and record order.
#include "controls/data/SortingBySummary.h"

#include "controls/data/DataController.h"
#include "controls/data/DataControllerInfo.h"

namespace zorvy {

TcxCustomDataController& TcxSortingBySummaryEngine::GetDataController() const {
    return info_.GetDataController();
}

TcxDataGroups& TcxSortingBySummaryEngine::GetGroups() const {
    return info_.GetGroupsForSorting();
}

int TcxSortingBySummaryEngine::GetGroupingLevelCount() const {
    return info_.GetGroups().GetLevelCount();
}

int TcxSortingBySummaryEngine::GetRecordListItem(int position) const {
    return info_.GetRecordListItem(position);
}

int TcxSortingBySummaryEngine::CompareRecordsByGroupingLevel(int record1, int record2, int level) const {
    return info_.CompareGroupValuesAt(record1, record2, level);
}

} // namespace zorvy
