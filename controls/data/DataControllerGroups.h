#pragma once
// Group access for views: a facade over the row pipeline's grouping and group tree.
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataControllerInfo;
class TcxCustomDataField;
class TcxDataGroups;

class TcxDataControllerGroups {
  public:
    explicit TcxDataControllerGroups(TcxCustomDataController* dataController) : dataController_(dataController) {}

    int GetLevelCount() const;
    int LevelItemIndex(int level) const;
    int ItemGroupLevel(int itemIndex) const; // -1 when not grouped; "ItemIndex out of range"
    int FieldGroupLevel(TcxCustomDataField* field) const;
    // Posts a pending edit first unless the item already has that level (-1 ungroups).
    void ChangeItemGroupLevel(int itemIndex, int level);
    void ClearAllGrouping();
    void ChangeExpanding(int rowIndex, bool expand, bool recursive);
    void CollapseAll();
    void ExpandAll();

    int GroupIndexOfRow(int rowIndex) const;
    int GroupLevel(int groupIndex) const;
    int GroupChildCount(int groupIndex) const;
    int GroupChildGroupIndex(int groupIndex, int n) const;
    int GroupChildRecordIndex(int groupIndex, int n) const; // -1 when there is none
    bool IsRowInGroupOfRow(int rowIndex, int groupRowIndex) const;
    // Every record under the group, in tree order.
    void CollectRecordIndexes(std::vector<int>& list, int groupIndex) const;
    void CollectRecordIndexesOfRow(std::vector<int>& list, int rowIndex) const;
    TcxCustomDataControllerInfo& ControllerInfo() const;
    const TcxDataGroups& GroupTree() const;

  private:
    TcxCustomDataController* dataController_;
};

} // namespace zorvy
