// Group access over the row pipeline.
#include "controls/data/DataControllerGroups.h"

#include "controls/data/DataController.h"

namespace zorvy {

TcxCustomDataControllerInfo& TcxDataControllerGroups::ControllerInfo() const {
    return dataController_->GetDataControllerInfo();
}

const TcxDataGroups& TcxDataControllerGroups::GroupTree() const {
    return ControllerInfo().GetGroups();
}

int TcxDataControllerGroups::GetLevelCount() const {
    return dataController_->GetGroupingItemCount();
}

int TcxDataControllerGroups::LevelItemIndex(int level) const {
    return dataController_->GetGroupingField(level)->GetIndex();
}

int TcxDataControllerGroups::FieldGroupLevel(TcxCustomDataField* field) const {
    return ControllerInfo().GetGrouping().GroupIndexOf(field);
}

int TcxDataControllerGroups::ItemGroupLevel(int itemIndex) const {
    dataController_->CheckItemIndex(itemIndex);
    return FieldGroupLevel(dataController_->GetItemField(itemIndex));
}

void TcxDataControllerGroups::ChangeItemGroupLevel(int itemIndex, int level) {
    if (ItemGroupLevel(itemIndex) == level) return;
    dataController_->ChangeItemGroupIndex(itemIndex, level);
}

void TcxDataControllerGroups::ClearAllGrouping() {
    dataController_->ClearGrouping();
}

void TcxDataControllerGroups::ChangeExpanding(int rowIndex, bool expand, bool recursive) {
    ControllerInfo().ChangeExpanding(rowIndex, expand, recursive);
}

void TcxDataControllerGroups::CollapseAll() {
    ControllerInfo().FullCollapse();
}

void TcxDataControllerGroups::ExpandAll() {
    ControllerInfo().FullExpand();
}

int TcxDataControllerGroups::GroupIndexOfRow(int rowIndex) const {
    return GroupTree().GetIndexByRow(rowIndex);
}

int TcxDataControllerGroups::GroupLevel(int groupIndex) const {
    return GroupTree().GetItemLevel(groupIndex);
}

int TcxDataControllerGroups::GroupChildCount(int groupIndex) const {
    return GroupTree().GetChildCount(groupIndex);
}

int TcxDataControllerGroups::GroupChildGroupIndex(int groupIndex, int n) const {
    return GroupTree().GetChildGroupIndex(groupIndex, n);
}

int TcxDataControllerGroups::GroupChildRecordIndex(int groupIndex, int n) const {
    int position = GroupTree().GetChildRecordListIndex(groupIndex, n);
    return position < 0 || position >= ControllerInfo().GetRecordListCount() ? -1
                                                                              : ControllerInfo().GetRecordListItem(position);
}

bool TcxDataControllerGroups::IsRowInGroupOfRow(int rowIndex, int groupRowIndex) const {
    if (GetLevelCount() == 0) return false;
    const TcxDataGroups& tree = GroupTree();
    int group = tree.GetIndexByRow(rowIndex), outer = tree.GetIndexByRow(groupRowIndex);
    if (group < 0 || outer < 0) return false;
    if (group == outer) return true;
    const TcxDataGroupInfo* g = tree.GetItem(group);
    const TcxDataGroupInfo* o = tree.GetItem(outer);
    return o->Level < g->Level && group >= o->BeginIndex && group <= o->EndIndex;
}

void TcxDataControllerGroups::CollectRecordIndexes(std::vector<int>& list, int groupIndex) const {
    if (GroupLevel(groupIndex) < GetLevelCount() - 1) {
        for (int n = 0; n < GroupChildCount(groupIndex); ++n)
            CollectRecordIndexes(list, GroupChildGroupIndex(groupIndex, n));
        return;
    }
    for (int n = 0; n < GroupChildCount(groupIndex); ++n)
        list.push_back(GroupChildRecordIndex(groupIndex, n));
}

void TcxDataControllerGroups::CollectRecordIndexesOfRow(std::vector<int>& list, int rowIndex) const {
    CollectRecordIndexes(list, GroupIndexOfRow(rowIndex));
}

} // namespace zorvy
