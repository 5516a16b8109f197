#pragma once
// The grid's engine that orders groups by a group summary instead of by their grouping values:
// it mirrors the group list in a temporary tree, sorts the children of every node whose level has
// a sorted summary item, and writes the tree back in display order.
#include "controls/data/DataController.h"
#include "controls/data/SortingBySummary.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace zorvy {

struct TcxDataGroupInfo;

class TcxDataGroupNode {
  public:
    explicit TcxDataGroupNode(TcxDataGroupInfo* groupInfo = nullptr, TcxDataGroupNode* parent = nullptr)
        : groupInfo_(groupInfo), parent_(parent) {}
    TcxDataGroupNode* AddChild(TcxDataGroupInfo* groupInfo);
    int GetChildCount() const { return static_cast<int>(children_.size()); }
    TcxDataGroupNode* GetChild(int index) const { return children_.at(static_cast<size_t>(index)).get(); }
    TcxDataGroupInfo* GetGroupInfo() const { return groupInfo_; }
    TcxDataGroupNode* GetParent() const { return parent_; }

  private:
    friend class TcxGridSortingBySummaryEngine;
    std::vector<std::unique_ptr<TcxDataGroupNode>> children_;
    TcxDataGroupInfo* groupInfo_; // nil for the root
    TcxDataGroupNode* parent_;
};

// How one grouping level is ordered: -1 when not by a summary.
struct TcxSortingBySummaryInfo {
    TcxDataSortOrder SortOrder = soNone;
    int SummaryItemIndex = -1;
};

class TcxGridSortingBySummaryEngine : public TcxSortingBySummaryEngine {
  public:
    explicit TcxGridSortingBySummaryEngine(TcxCustomDataControllerInfo& info);
    void Sort() override;

  private:
    using TEntries = std::unordered_map<TcxDataGroupInfo*, std::unique_ptr<TcxDataGroupInfo>>;
    void BuildTree(TcxDataGroupNode* node, int level, int& position);
    void PrepareInfos();
    void SortNode(TcxDataGroupNode* node, int depth);
    int CompareGroups(const TcxDataGroupNode* a, const TcxDataGroupNode* b, int level) const;
    int FirstRecordOf(const TcxDataGroupNode* node) const;
    void WriteBack(TcxDataGroupNode* node, int level, int& position, TEntries& entries);

    std::vector<TcxSortingBySummaryInfo> infos_;
    std::unique_ptr<TcxDataGroupNode> root_;
};

} // namespace zorvy
