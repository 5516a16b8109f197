#include "controls/data/DataSelection.h"

#include "controls/data/DataFields.h"
#include "controls/data/DataResources.h"

#include <algorithm>

namespace zorvy {

void TcxDataSelection::Add(int index, int rowIndex, int level, int recordIndex) {
    TcxDataSelectionItem item{level, recordIndex, rowIndex};
    if (index < 0 || index >= GetCount())
        items_.push_back(item);
    else
        items_.insert(items_.begin() + index, item);
    Changed();
}

void TcxDataSelection::Delete(int index) {
    if (items_.at(static_cast<size_t>(index)).RowIndex == anchorRowIndex_) ClearAnchor();
    items_.erase(items_.begin() + index);
    Changed();
}

void TcxDataSelection::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

void TcxDataSelection::EmptySelection() {
    ClearAnchor();
    Clear();
}

void TcxDataSelection::DropMissingRecords(const std::vector<int>& recordList) {
    if (items_.empty()) return;
    // One pass over each list: a filter may leave most of a large selection behind.
    int top = -1;
    for (int record : recordList) top = std::max(top, record);
    std::vector<bool> listed(static_cast<size_t>(top + 1), false);
    for (int record : recordList)
        if (record >= 0) listed[static_cast<size_t>(record)] = true;
    auto missing = [&](const TcxDataSelectionItem& item) {
        return item.Level >= 0 && (item.RecordIndex < 0 || item.RecordIndex > top ||
                                   !listed[static_cast<size_t>(item.RecordIndex)]);
    };
    auto kept = std::stable_partition(items_.begin(), items_.end(),
                                      [&](const TcxDataSelectionItem& item) { return !missing(item); });
    if (kept == items_.end()) return;
    for (auto it = kept; it != items_.end(); ++it)
        if (it->RowIndex == anchorRowIndex_) ClearAnchor();
    items_.erase(kept, items_.end());
    Changed();
}

bool TcxDataSelection::FindRowIndex(int rowIndex, int& index) const {
    auto it = std::lower_bound(items_.begin(), items_.end(), rowIndex,
                               [](const TcxDataSelectionItem& item, int row) { return item.RowIndex < row; });
    index = static_cast<int>(it - items_.begin());
    return it != items_.end() && it->RowIndex == rowIndex;
}

int TcxDataSelection::FindGroupItem(int groupIndex) const {
    for (int i = 0; i < GetCount(); ++i)
        if (items_[static_cast<size_t>(i)].Level < 0 &&
            items_[static_cast<size_t>(i)].RecordIndex == groupIndex)
            return i;
    return -1;
}

int TcxDataSelection::FindRecordItem(int recordIndex) const {
    for (int i = 0; i < GetCount(); ++i)
        if (items_[static_cast<size_t>(i)].Level >= 0 &&
            items_[static_cast<size_t>(i)].RecordIndex == recordIndex)
            return i;
    return -1;
}

void TcxDataSelection::SortByRow() {
    std::stable_sort(
        items_.begin(), items_.end(),
        [](const TcxDataSelectionItem& a, const TcxDataSelectionItem& b) { return a.RowIndex < b.RowIndex; });
}

void TcxDataExpandingInfos::AddField(TcxCustomDataField* field) {
    if (std::find(fields_.begin(), fields_.end(), field) != fields_.end())
        RaiseDataControllerError(cxSDataItemExistError);
    fields_.push_back(field);
    items_.clear();
}

void TcxDataExpandingInfos::AddItem(int level, std::vector<Variant> values, int state) {
    items_.push_back({level, std::move(values), state});
}

void TcxDataExpandingInfos::Clear() {
    fields_.clear();
    items_.clear();
    SaveStates = 0;
}

void TcxDataExpandingInfos::DropIfField(TcxCustomDataField* field) {
    if (std::find(fields_.begin(), fields_.end(), field) != fields_.end()) Clear();
}

} // namespace zorvy
