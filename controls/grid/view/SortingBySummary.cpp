// Ordering groups by a group summary: the temporary tree, the per-level rules, the sort and the
// write-back of the group list.
#include "controls/grid/view/SortingBySummary.h"

#include "controls/data/DataControllerInfo.h"
#include "controls/data/DataGroups.h"
#include "controls/data/DataSummary.h"
#include "controls/data/Variants.h"

#include <algorithm>

namespace zorvy {

TcxDataGroupNode* TcxDataGroupNode::AddChild(TcxDataGroupInfo* groupInfo) {
    children_.push_back(std::make_unique<TcxDataGroupNode>(groupInfo, this));
    return children_.back().get();
}

TcxGridSortingBySummaryEngine::TcxGridSortingBySummaryEngine(TcxCustomDataControllerInfo& info)
    : TcxSortingBySummaryEngine(info), root_(std::make_unique<TcxDataGroupNode>()) {}

void TcxGridSortingBySummaryEngine::Sort() {
    TcxDataGroups& groups = GetGroups();
    if (groups.GetCount() == 0) return;
    root_ = std::make_unique<TcxDataGroupNode>();
    int position = 0;
    BuildTree(root_.get(), 0, position);
    PrepareInfos();
    SortNode(root_.get(), 0);
    TEntries entries;
    for (int i = 0; i < groups.GetCount(); ++i) {
        std::unique_ptr<TcxDataGroupInfo> entry = groups.TakeItem(i);
        TcxDataGroupInfo* key = entry.get();
        entries.emplace(key, std::move(entry));
    }
    position = 0;
    for (const auto& child : root_->children_) WriteBack(child.get(), 0, position, entries);
    groups.RebuildRowIndexes();
}

void TcxGridSortingBySummaryEngine::BuildTree(TcxDataGroupNode* node, int level, int& position) {
    TcxDataGroups& groups = GetGroups();
    const int lowest = GetGroupingLevelCount() - 1;
    while (position < groups.GetCount() && groups.GetItem(position)->Level == level) {
        TcxDataGroupNode* child = node->AddChild(groups.GetItem(position));
        ++position;
        if (level < lowest) BuildTree(child, level + 1, position);
    }
}

void TcxGridSortingBySummaryEngine::PrepareInfos() {
    infos_.clear();
    TcxCustomDataController& controller = GetDataController();
    TcxDataSummary& summary = controller.GetSummary();
    const int sortingBySummaryItem = controller.GetSortingBySummaryItemIndex();
    for (int level = 0; level < GetGroupingLevelCount(); ++level) {
        TcxSortingBySummaryInfo info;
        TcxDataGroupSummaryItems* items = summary.GetGroupSummaryItemsForLevel(level);
        if (TcxDataSummaryItem* sorted = items ? items->GetSortedItem() : nullptr) {
            info.SummaryItemIndex = sorted->GetIndex();
            info.SortOrder = sortingBySummaryItem == -1
                                 ? GetInfo().GetGrouping().GetItem(level).SortOrder
                                 : controller.GetItemSortOrder(sortingBySummaryItem);
        }
        infos_.push_back(info);
    }
}

void TcxGridSortingBySummaryEngine::SortNode(TcxDataGroupNode* node, int depth) {
    if (depth >= static_cast<int>(infos_.size())) return;
    if (infos_[static_cast<size_t>(depth)].SummaryItemIndex != -1)
        std::stable_sort(node->children_.begin(), node->children_.end(),
                         [&](const std::unique_ptr<TcxDataGroupNode>& a, const std::unique_ptr<TcxDataGroupNode>& b) {
                             return CompareGroups(a.get(), b.get(), depth) < 0;
                         });
    if (depth < GetGroupingLevelCount() - 1)
        for (const auto& child : node->children_) SortNode(child.get(), depth + 1);
}

int TcxGridSortingBySummaryEngine::FirstRecordOf(const TcxDataGroupNode* node) const {
    while (!node->children_.empty()) node = node->children_.front().get();
    return GetRecordListItem(node->GetGroupInfo()->BeginIndex);
}

namespace {

Variant SummaryValueAt(const Variant& values, int index) {
    if (!values.IsArray()) return Variant();
    try {
        return values[index];
    } catch (const EVariantError&) {
        return Variant();
    }
}

} // namespace

int TcxGridSortingBySummaryEngine::CompareGroups(const TcxDataGroupNode* a, const TcxDataGroupNode* b,
                                                 int level) const {
    const TcxSortingBySummaryInfo& info = infos_[static_cast<size_t>(level)];
    int c = CompareVariants(SummaryValueAt(a->GetGroupInfo()->SummaryValues, info.SummaryItemIndex),
                            SummaryValueAt(b->GetGroupInfo()->SummaryValues, info.SummaryItemIndex));
    if (c != 0) return info.SortOrder == soDescending ? -c : c;
    return CompareRecordsByGroupingLevel(FirstRecordOf(a), FirstRecordOf(b), level);
}

void TcxGridSortingBySummaryEngine::WriteBack(TcxDataGroupNode* node, int level, int& position,
                                              TEntries& entries) {
    TcxDataGroups& groups = GetGroups();
    TcxDataGroupInfo* info = node->GetGroupInfo();
    groups.SetItem(position++, std::move(entries.at(info)));
    if (level >= GetGroupingLevelCount() - 1) return;
    info->BeginIndex = position;
    for (const auto& child : node->children_) WriteBack(child.get(), level + 1, position, entries);
    info->EndIndex = position - 1;
}

} // namespace zorvy
